#include "ui/key_filter_validator.h"

#include <utility>

namespace quillon::ui {

KeyFilterValidator::KeyFilterValidator(std::function<bool(int)> passes, QObject* parent)
    : QValidator(parent), passes_(std::move(passes)) {}

QValidator::State KeyFilterValidator::validate(QString& input, int& /*position*/) const {
    for (const char32_t character : input.toUcs4()) {
        if (!passes_(static_cast<int>(character))) {
            return Invalid;
        }
    }
    return Acceptable;
}

}  // namespace quillon::ui
