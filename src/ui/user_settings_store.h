#pragma once

#include <QString>

#include "settings/settings_store.h"

namespace quillon::ui {

// The options of the user running this program, where the system keeps
// them.
//
// Linux and other Unix systems: the INI file
// <config>/Quillon/Quillon.conf (ini_settings_file.h), where <config> is
// $XDG_CONFIG_HOME when that is an absolute path the system's encoding can
// hold, else ~/.config; without a home folder there is no place for it,
// rather than one at the root of the file system. Tests point it elsewhere
// with XDG_CONFIG_HOME.
//
// Windows: the registry key HKEY_CURRENT_USER\Software\VB and VBA Program
// Settings\Quillon, one subkey per section, every value a REG_SZ, where the
// classic Windows settings functions kept the options of earlier versions.
// A copy of the program with a file Quillon.ini beside quillon.exe is
// portable: its options live in that INI file (the same sections and keys,
// the same locking as on Linux), and the registry is not touched. Tests
// give the store a folder of their own, and the registry a key of their own
// with setRegistryRoot.
class UserSettingsStore final : public settings::SettingsStore {
public:
    UserSettingsStore();
#ifdef _WIN32
    // A copy of the program that lives in `programFolder`.
    explicit UserSettingsStore(QString programFolder);
#endif

    settings::SectionTexts readSection(std::string_view section) const override;
    std::string writeSection(std::string_view section,
                             const settings::SectionTexts& texts) override;

private:
#ifdef _WIN32
    QString programFolder_;
#endif
};

#ifdef _WIN32
// The registry key whose subkeys are the applications' stores, as a full path
// ("HKEY_CURRENT_USER\\Software\\..."); a test gives itself a key of its own.
void setRegistryRoot(std::string key);
std::string registryRoot();
#endif

}  // namespace quillon::ui
