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

settings::UploadOptions uploadOptions(const UploadControls& page) {
    settings::UploadOptions options;
    options.fast = isChecked(page.chkFast);
    options.writeOn = isChecked(page.chkHexx);
    options.writeAddress = utf8(page.txtHexx->text());
    options.doubleText = utf8(page.cboDouble->currentText());
    options.port = utf8(page.cboLPT->currentText());
    options.type = utf8(page.cboType->currentText());
    return options;
}

settings::DumpOptions dumpOptions(const DumpControls& page) {
    settings::DumpOptions options;
    options.alternate = isChecked(page.chkAlternate2);
    options.writeOn = isChecked(page.chkHexx2);
    options.writeAddress = utf8(page.txtHexx2->text());
    options.bankOn = isChecked(page.chkShortHexx);
    options.bank = utf8(page.txtShortHexx->text());
    options.doubleText = utf8(page.cboDouble2->currentText());
    options.port = utf8(page.cboLPT2->currentText());
    options.type = utf8(page.cboType2->currentText());
    options.code = utf8(page.cboConType->currentText());
    return options;
}

void applySettings(QWidget* window, const std::vector<settings::ControlSetting>& values) {
    for (const settings::ControlSetting& value : values) {
        if (auto* control = window->findChild<QWidget*>(fromUtf8(value.control))) {
            apply(control, value);
        }
    }
}

}  // namespace quillon::app
