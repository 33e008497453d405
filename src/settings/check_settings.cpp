#include "settings/check_settings.h"

namespace quillon::settings {

namespace {

constexpr std::string_view kDatKey = "DAT";

}  // namespace

std::string loadDatPath(const SettingsStore& store) {
    return textOf(store.readSection(kCheckSection), kDatKey);
}

std::string saveDatPath(SettingsStore& store, std::string_view path) {
    const std::string reason =
        store.writeSection(kCheckSection, {{std::string(kDatKey), std::string(path)}});
    return reason.empty() ? reason : "The chosen DAT will not be remembered. " + reason;
}

}  // namespace quillon::settings
