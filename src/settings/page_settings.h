#pragma once

#include <optional>
#include <string>

#include "command/page_options.h"
#include "settings/settings_store.h"

namespace quillon::settings {

// What a page saves is what its command is composed from.
using command::DumpOptions;
using command::UploadOptions;

// How the user wants the tool started, whichever page starts it.
struct RunOptions {
    bool alwaysRunHere = false;  // in the window, never in a terminal
};

// Write the page's keys as one section, in order, the marker last; a hex
// text is written only while its box is checked. Returns what to tell the
// user when the store refused them, empty when they were stored.
std::string saveUpload(SettingsStore& store, const UploadOptions& options);
std::string saveDump(SettingsStore& store, const DumpOptions& options);

// The page's options as last saved; none when the page was never saved (its
// marker is not exactly "Yes"). A missing key reads as the empty text (a
// check box off); a hex text is read only when its box reads as checked, and
// stays empty otherwise.
std::optional<UploadOptions> loadUpload(const SettingsStore& store);
std::optional<DumpOptions> loadDump(const SettingsStore& store);

// Saved and read in a section of their own, which neither page's save
// touches; a key never saved reads as off. What to tell as for the pages.
std::string saveRun(SettingsStore& store, const RunOptions& options);
RunOptions loadRun(const SettingsStore& store);

}  // namespace quillon::settings
