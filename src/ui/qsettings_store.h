#pragma once

#include "settings/settings_store.h"

namespace quillon::ui {

// The per-user store in the system's native format: the registry on Windows
// (HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>,
// every value a REG_SZ), an INI file under the user's config folder elsewhere
// (~/.config/Quillon/<application>.conf). Sections are groups (subkeys).
// Tests point it elsewhere with QSettings::setPath, on Windows with
// setRegistryRoot.
class QSettingsStore : public settings::SettingsStore {
public:
    std::string read(std::string_view application, std::string_view section,
                     std::string_view key) const override;
    bool write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
};

#ifdef _WIN32
// The registry key whose subkeys are the applications' stores, as a full path
// ("HKEY_CURRENT_USER\\Software\\..."); a test gives itself a key of its own.
void setRegistryRoot(std::string key);
std::string registryRoot();
#endif

}  // namespace quillon::ui
