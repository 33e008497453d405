#include "app/settings_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/control_values.h"

namespace quillon::app {

namespace {

void apply(QWidget* control, const settings::ControlSetting& value) {
    using Kind = settings::ControlSetting::Kind;
    if (value.kind == Kind::Check) {
        if (auto* box = qobject_cast<QCheckBox*>(control)) {
            box->setChecked(value.checked);
        }
        return;
    }
    const QString text = fromUtf8(value.text);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        setComboText(combo, text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    }
}

}  // namespace

// What a page saves is part of what its command is composed from; reading it
// through the same snapshot keeps the two from drifting apart.
settings::UploadOptions uploadOptions(const UploadControls& page) {
    const command::UploadSnapshot now = uploadSnapshot(page);
    return {.fast = now.fast,
            .writeOn = now.writeOn,
            .writeAddress = now.writeAddress,
            .doubleText = now.doubleText,
            .port = now.port,
            .type = now.type};
}

settings::DumpOptions dumpOptions(const DumpControls& page) {
    const command::DumpSnapshot now = dumpSnapshot(page);
    return {.alternate = now.alternate,
            .writeOn = now.writeOn,
            .writeAddress = now.writeAddress,
            .bankOn = now.bankOn,
            .bank = now.bank,
            .doubleText = now.doubleText,
            .port = now.port,
            .type = now.type,
            .code = now.code};
}

void applySettings(QWidget* window, const std::vector<settings::ControlSetting>& values) {
    for (const settings::ControlSetting& value : values) {
        if (auto* control = window->findChild<QWidget*>(fromUtf8(value.control))) {
            apply(control, value);
        }
    }
}

}  // namespace quillon::app
