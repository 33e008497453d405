#pragma once

#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace quillon::settings {

// The saved options of the upload page, as the controls hold them.
struct UploadOptions {
    bool fast = false;
    bool writeOn = false;
    std::string writeAddress;
    std::string doubleText;
    std::string port;
    std::string type;
};

// The saved options of the download page.
struct DumpOptions {
    bool alternate = false;
    bool writeOn = false;
    std::string writeAddress;
    bool bankOn = false;
    std::string bank;
    std::string doubleText;
    std::string port;
    std::string type;
    std::string code;
};

// Write the page's keys in order, the marker last; a refused write is
// skipped and the save goes on. A hex text is written only while its box is
// checked. Returns what to tell the user when any write was refused (the
// first refusal's reason), empty when all were stored.
std::string saveUpload(SettingsStore& store, const UploadOptions& options);
std::string saveDump(SettingsStore& store, const DumpOptions& options);

// One value to put into a control, named by its objectName: a check state
// or a text.
struct ControlSetting {
    enum class Kind { Check, Text };
    std::string control;
    Kind kind;
    bool checked = false;
    std::string text;

    friend bool operator==(const ControlSetting&, const ControlSetting&) = default;
};

// The settings to apply through the controls, in order, so that each
// control's own handling runs as for a user's change. Empty when the page was
// never saved (its marker is not exactly "Yes").
std::vector<ControlSetting> uploadRestore(const SettingsStore& store);
std::vector<ControlSetting> dumpRestore(const SettingsStore& store);

}  // namespace quillon::settings
