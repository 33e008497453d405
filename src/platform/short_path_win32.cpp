#include "platform/short_path_win32.h"

#include <windows.h>

#include <optional>

#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

constexpr DWORD kBufferCharacters = 165;
// One less than the buffer really holds, as the tool's callers always did.
constexpr DWORD kReportedLength = kBufferCharacters - 1;

}  // namespace

std::string shortPathName(const std::string& path) {
    // A NUL would end the path early and shorten another one.
    if (path.find('\0') != std::string::npos) {
        return {};
    }
    const std::optional<std::string> ansiPath = toAnsi(path);
    if (!ansiPath) {
        return {};
    }
    std::string buffer(kBufferCharacters, '\0');
    const DWORD reported = ::GetShortPathNameA(ansiPath->c_str(), buffer.data(), kReportedLength);
    // A result of the reported length or more is the size the call would have
    // needed: the buffer then holds no short form at all.
    if (reported == 0 || reported >= kReportedLength) {
        return {};
    }
    return ansiToUtf8(std::string_view(buffer.data(), reported));
}

}  // namespace quillon::platform
