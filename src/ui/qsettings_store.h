#pragma once

#include "settings/settings_store.h"

namespace quillon::ui {

// The per-user store in the system's native format: the registry on Windows
// (HKEY_CURRENT_USER\Software\Quillon\<application>), an INI file under the
// user's config folder elsewhere (~/.config/Quillon/<application>.conf).
// Sections are groups. Tests point it elsewhere with QSettings::setPath.
class QSettingsStore : public settings::SettingsStore {
public:
    std::string read(std::string_view application, std::string_view section,
                     std::string_view key) const override;
    bool write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
};

}  // namespace quillon::ui
