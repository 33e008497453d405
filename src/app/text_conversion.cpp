#include "app/text_conversion.h"

#include <QList>

namespace quillon::app {

std::string utf8(const QString& text) { return text.toStdString(); }

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t characterCount(const QString& text) {
    return static_cast<std::size_t>(text.toUcs4().size());
}

}  // namespace quillon::app
