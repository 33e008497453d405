#include "platform/short_path_win32.h"

#include <windows.h>

#include <optional>

#include "platform/long_path_win32.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// The ANSI form of the short path must fit a buffer of 165 characters whose
// length the call is told is 164, as the tool's callers always did.
constexpr std::size_t kReportedLength = 164;
// The longest path the wide call takes in its "\\?\" form.
constexpr DWORD kLongestPath = 32768;

}  // namespace

std::string shortPathName(const std::string& path) {
    // A NUL would end the path early and shorten another one.
    if (path.find('\0') != std::string::npos || !toAnsi(path)) {
        return {};
    }
    const std::optional<std::wstring> wide = toWide(path);
    if (!wide) {
        return {};
    }
    // The wide call, in the "\\?\" form where the path is longer than the
    // plain one takes: a ROM deep in a user's folders has a short form too,
    // which the ANSI call cannot be asked for.
    std::wstring buffer(kLongestPath, L'\0');
    const DWORD length =
        ::GetShortPathNameW(extendedLengthPath(*wide).c_str(), buffer.data(), kLongestPath);
    if (length == 0 || length >= kLongestPath) {
        return {};
    }
    buffer.resize(length);
    const std::string shortForm = toUtf8(plainPath(buffer));
    const std::optional<std::string> ansi = toAnsi(shortForm);
    if (!ansi || ansi->size() >= kReportedLength) {
        return {};
    }
    return shortForm;
}

}  // namespace quillon::platform
