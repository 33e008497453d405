#pragma once

#include "settings/settings_store.h"

namespace quillon::ui {

// The per-user store in the system's native format: the registry on Windows
// (HKEY_CURRENT_USER\Software\Quillon\<application>), an INI file under the
// user's config folder elsewhere (~/.config/Quillon/<application>.conf, see
// settings_file.h). Sections are groups. Tests point it elsewhere with
// XDG_CONFIG_HOME.
class QSettingsStore : public settings::SettingsStore {
public:
    std::string read(std::string_view application, std::string_view section,
                     std::string_view key) const override;
    bool write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
    std::string refusalReason() const override;

private:
    std::string refusal_;
};

}  // namespace quillon::ui
