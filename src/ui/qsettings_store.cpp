#include "ui/qsettings_store.h"

#include <QString>

#include "settings/identity.h"
#include "ui/settings_file.h"

namespace quillon::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The folder under which every application name of this program keeps its
// sections (on Windows the classic settings key stands in its place).
QString organization() { return QString::fromUtf8(settings::kOrganization); }

}  // namespace

// Each call looks at the file again; its texts are parsed again only when it
// is another file than last time, so two copies of the program see each
// other's last save while a restore parses the file once.
std::string QSettingsStore::read(std::string_view application, std::string_view section,
                                 std::string_view key) const {
    return readUserSetting(organization(), fromUtf8(application), fromUtf8(section), fromUtf8(key))
        .toStdString();
}

bool QSettingsStore::write(std::string_view application, std::string_view section,
                           std::string_view key, std::string_view value) {
    refusal_.clear();
    return writeUserSetting(organization(), fromUtf8(application), fromUtf8(section), fromUtf8(key),
                            fromUtf8(value), refusal_);
}

std::string QSettingsStore::refusalReason() const { return refusal_; }

}  // namespace quillon::ui
