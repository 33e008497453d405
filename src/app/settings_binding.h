#pragma once

#include <vector>

#include "app/controls.h"
#include "settings/page_settings.h"

namespace quillon::app {

// Each page's options as its controls hold them, for saving.
settings::UploadOptions uploadOptions(const UploadControls& page);
settings::DumpOptions dumpOptions(const DumpControls& page);

// Puts each value into the control of that objectName inside `window`, in
// order and as a user's change would, so that every control's own handling
// runs at once. A value whose control is missing or of another kind is
// skipped.
void applySettings(QWidget* window, const std::vector<settings::ControlSetting>& values);

}  // namespace quillon::app
