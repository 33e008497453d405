#include "ui/key_filter_validator.h"

#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace quillon::ui {

KeyFilterValidator::KeyFilterValidator(std::function<bool(int)> passes, std::size_t maxLength,
                                       QLineEdit* box)
    : QValidator(box), passes_(std::move(passes)), maxLength_(maxLength) {
    // Emitted only after a change was accepted: during validate() this
    // still holds the text the change started from.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State KeyFilterValidator::validate(QString& input, int& /*position*/) const {
    const QList<uint> before = shown_.toUcs4();
    const QList<uint> after = input.toUcs4();
    const auto length = static_cast<std::size_t>(after.size());
    if (length > maxLength_ && after.size() > before.size()) {
        return Invalid;
    }
    for (const uint character : after) {
        if (!passes_(static_cast<int>(character)) &&
            std::ranges::count(after, character) > std::ranges::count(before, character)) {
            return Invalid;
        }
    }
    return Acceptable;
}

void KeyFilterValidator::setUnjudgedText(QLineEdit* box, const QString& text) {
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

}  // namespace quillon::ui
