#pragma once

#include <QValidator>
#include <functional>

namespace quillon::ui {

// Holds text that reaches a line edit without key presses (a paste by
// Shift+Insert, Ctrl+V or the context menu, a drop) to the rule its key
// filter applies to typed keys: a paste or drop holding any character the
// filter would drop is refused whole. Keeping only the characters that pass
// could turn "0x8000" into another address, "0800", that nobody wrote.
//
// Text set by the program (setText, the settings restore) is not judged, and
// typing into a text that the filter would not have let in still works, as
// it did before.
class KeyFilterValidator : public QValidator {
public:
    // `passes`: whether the key filter lets a character code through.
    KeyFilterValidator(std::function<bool(int)> passes, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    std::function<bool(int)> passes_;
};

}  // namespace quillon::ui
