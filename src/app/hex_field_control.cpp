#include "app/hex_field_control.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>
#include <utility>

#include "app/control_values.h"

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

HexFieldControl::HexFieldControl(rules::HexFieldId id, QCheckBox* check, QLineEdit* box, bool& flag,
                                 std::function<void(int& keyAscii)> keyPress, QObject* parent)
    : QObject(parent),
      rule_(rules::hexFieldSpec(id)),
      check_(check),
      box_(box),
      flag_(flag),
      keyPress_(std::move(keyPress)) {
    box_->installEventFilter(this);
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
    keyPress_(keyAscii);
    // A discarded key never reaches the box.
    return keyAscii == 0;
}

void HexFieldControl::filterKey(int& keyAscii) const {
    if (!rules::keyPasses(rule_, keyAscii)) {
        keyAscii = 0;
    }
}

void HexFieldControl::textChanged() {
    flag_ = rules::flagAfterChange(rule_, isChecked(check_), characterCount(box_->text()), flag_);
}

bool HexFieldControl::clicked() {
    const rules::ClickOutcome outcome =
        rules::clickOutcome(rule_, isChecked(check_), characterCount(box_->text()));
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
    return outcome.recomposePreview;
}

}  // namespace quillon::app
