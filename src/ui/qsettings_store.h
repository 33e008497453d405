#pragma once

#include "settings/settings_store.h"

namespace quillon::ui {

// The per-user store in the system's native format: the registry on Windows
// (HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>,
// every value a REG_SZ, where the classic Windows settings functions keep
// them), an INI file under the user's config folder elsewhere
// (~/.config/Quillon/<application>.conf, see settings_file.h). Sections are
// groups (subkeys). Tests point it elsewhere with XDG_CONFIG_HOME, on Windows
// with setRegistryRoot.
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

#ifdef _WIN32
// The registry key whose subkeys are the applications' stores, as a full path
// ("HKEY_CURRENT_USER\\Software\\..."); a test gives itself a key of its own.
void setRegistryRoot(std::string key);
std::string registryRoot();
#endif

}  // namespace quillon::ui
