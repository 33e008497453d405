#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::app {

// The rules work on UTF-8 texts, the controls on QString.
std::string utf8(const QString& text);
QString fromUtf8(std::string_view text);

// Characters as a person counts them: code points, not UTF-16 units.
std::size_t characterCount(const QString& text);

}  // namespace quillon::app
