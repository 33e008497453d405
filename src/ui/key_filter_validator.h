#pragma once

#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;

namespace quillon::ui {

// Holds text that reaches a line edit without key presses (a paste by
// Shift+Insert or the context menu, a drop) to the rule its key filter
// applies to typed keys: a paste or drop that would add a character the
// filter drops is refused whole. Keeping only the characters that pass
// could turn "0x8000" into another address, "0800", that nobody wrote.
//
// Saved text goes in unjudged (setUnjudgedText), and typing on into a text
// that the filter would not have let in still works: a character already in
// the box may stay, as many times as it was there.
class KeyFilterValidator : public QValidator {
public:
    // `passes`: whether the key filter lets a character code through.
    KeyFilterValidator(std::function<bool(int)> passes, QLineEdit* box);

    State validate(QString& input, int& position) const override;

    // Puts `text` into `box` as it stands. Qt undoes a refused change only
    // while the box holds a text its validator accepted, so text set with
    // the validator on guard would leave later pastes unjudged.
    static void setUnjudgedText(QLineEdit* box, const QString& text);

private:
    std::function<bool(int)> passes_;
    QString shown_;  // the box's text before the change being judged
};

}  // namespace quillon::ui
