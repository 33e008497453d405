#pragma once

#include <QString>
#include <QValidator>
#include <cstddef>
#include <functional>

class QLineEdit;

namespace quillon::ui {

// Holds text that reaches a line edit without key presses (a paste by
// Shift+Insert or the context menu, a drop) to the rules typed keys keep to:
// the key filter and the box's length. A paste or drop that would add a
// character the filter drops, or that does not fit, is refused whole.
// Keeping only the characters that pass, or only those that fit, could turn
// "0x8000" or "18000" into another address, "0800" or "1800", that nobody
// wrote. The length is held here rather than by the box, which would cut a
// paste to fit, and saved text down with it.
//
// Saved text goes in unjudged (setUnjudgedText), whatever its length, and
// typing on into a text that the filter would not have let in still works:
// a character already in the box may stay, as many times as it was there,
// and a text already too long may get shorter.
class KeyFilterValidator : public QValidator {
public:
    // `passes`: whether the key filter lets a character code through;
    // `maxLength`: the characters typing and pasting may fill the box with.
    KeyFilterValidator(std::function<bool(int)> passes, std::size_t maxLength, QLineEdit* box);

    State validate(QString& input, int& position) const override;

    // Puts `text` into `box` as it stands. Qt undoes a refused change only
    // while the box holds a text its validator accepted, so text set with
    // the validator on guard would leave later pastes unjudged.
    static void setUnjudgedText(QLineEdit* box, const QString& text);

private:
    std::function<bool(int)> passes_;
    std::size_t maxLength_;
    QString shown_;  // the box's text before the change being judged
};

}  // namespace quillon::ui
