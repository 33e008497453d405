#pragma once

#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace quillon::settings {

// The list of known-good dumps last chosen in a check view, kept per user
// beside the pages' options and apart from them.
inline constexpr std::string_view kCheckSection = "Check";

// The path as last stored; empty when none was.
std::string loadDatPath(const SettingsStore& store);

// Stores the path; what to tell the user when the store refused it, empty
// when it was stored.
std::string saveDatPath(SettingsStore& store, std::string_view path);

}  // namespace quillon::settings
