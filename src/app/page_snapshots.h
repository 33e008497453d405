#pragma once

#include "app/controls.h"
#include "command/page_commands.h"

namespace quillon::app {

// What each page's options and command are made of, read from its controls
// now. The options are what Save keeps; a snapshot adds what only the
// command reads: the double combo's own items, the folder and file of the
// upload, the destination of the dump.
command::UploadOptions uploadOptions(const UploadControls& page);
command::UploadSnapshot uploadSnapshot(const UploadControls& page);
command::DumpOptions dumpOptions(const DumpControls& page);
command::DumpSnapshot dumpSnapshot(const DumpControls& page);

}  // namespace quillon::app
