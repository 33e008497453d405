#include "app/hex_field_control.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <optional>
#include <utility>

#include "app/control_values.h"
#include "app/text_conversion.h"
#include "ui/key_filter_validator.h"

namespace quillon::app {

namespace {

// The character code a key press types, as a text box's key filter sees it:
// Ctrl with a letter types its control character (Ctrl+V is 22), Backspace
// types 8. Keys that type nothing (arrows, Home, Delete) and Tab, which moves
// the focus, have none and go to the box unfiltered.
std::optional<int> typedCharacter(const QKeyEvent& key) {
    const int code = key.key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier && code >= Qt::Key_A && code <= Qt::Key_Z) {
        return code - Qt::Key_A + 1;
    }
    const QList<uint> typed = key.text().toUcs4();
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<int>(typed.front());
}

}  // namespace

HexFieldControl::HexFieldControl(rules::HexFieldId id, HexFieldWidgets widgets, bool& flag,
                                 PageStep evaluate, PageStep preview, QObject* parent)
    : QObject(parent),
      rule_(rules::hexFieldRule(id)),
      check_(widgets.check),
      box_(widgets.box),
      hint_(widgets.hint),
      flag_(flag),
      evaluate_(std::move(evaluate)),
      preview_(std::move(preview)) {
    box_->installEventFilter(this);
    connect(check_, &QCheckBox::stateChanged, this, &HexFieldControl::Click);
    connect(box_, &QLineEdit::textChanged, this, &HexFieldControl::Change);
}

void HexFieldControl::restore(bool on, const QString& text) {
    check_->setChecked(on);
    if (on) {
        ui::KeyFilterValidator::setUnjudgedText(box_, text);
    }
}

bool HexFieldControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const std::optional<int> typed = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (!typed) {
        return QObject::eventFilter(watched, event);
    }
    int keyAscii = *typed;
    KeyPress(keyAscii);
    // A discarded key never reaches the box.
    return keyAscii == 0;
}

void HexFieldControl::KeyPress(int& keyAscii) {
    if (!rules::keyPasses(keyAscii)) {
        keyAscii = 0;
    }
    evaluate_();
    preview_();
}

void HexFieldControl::Change() {
    flag_ = rules::flagAfterChange(rule_, isChecked(check_), characterCount(box_->text()), flag_);
    evaluate_();
    preview_();
}

void HexFieldControl::Click() {
    const rules::ClickOutcome outcome =
        rules::clickOutcome(rule_, isChecked(check_), characterCount(box_->text()));
    // The hint is a little wider than the box: shown under it, its end would
    // peek out beside the box.
    hint_->setVisible(!outcome.boxShownAndEnabled);
    if (outcome.boxShownAndEnabled) {
        box_->setEnabled(true);
        box_->show();
        // Before the window is shown (start-up's restore) there is no focus
        // to move.
        if (outcome.requestFocus && box_->window()->isVisible()) {
            box_->setFocus();
        }
    } else {
        box_->setEnabled(false);
        box_->hide();
    }
    flag_ = outcome.flag;
    evaluate_();
    if (outcome.recomposePreview) {
        preview_();
    }
}

}  // namespace quillon::app
