#include "platform/short_path_win32.h"

#include <windows.h>

#include <optional>
#include <tuple>

#include "platform/long_path_win32.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// The ANSI form of the short path must fit a buffer of 165 characters whose
// length the call is told is 164, as the tool's callers always did.
constexpr std::size_t kReportedLength = 164;
// The longest path the wide call takes in its "\\?\" form.
constexpr DWORD kLongestPath = 32768;

// The file a path opens, as the volume's serial number and the file's index
// on it; nothing when it does not open. Opened for its attributes only and
// sharing everything, so that no program of the user's is kept from it; a
// folder opens only with backup semantics, and a folder has a short form
// too.
std::optional<std::tuple<DWORD, DWORD, DWORD>> fileIdentity(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = ::GetFileInformationByHandle(file, &information) != 0;
    ::CloseHandle(file);
    if (!known) {
        return std::nullopt;
    }
    return std::tuple{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                      information.nFileIndexLow};
}

// Whether the short form opens the very file listed. It may not: a file
// can be named literally like another's short form, and a folder whose
// name ends in a blank or a dot loses it when a plain path is opened, so
// that "trail \x.a78" opens "trail\x.a78" beside it. The listed path is
// opened in its "\\?\" form, which keeps its name as it stands.
bool namesTheListedFile(const std::wstring& listed, const std::wstring& shortForm) {
    const auto listedFile = fileIdentity(exactPath(listed));
    return listedFile && listedFile == fileIdentity(shortForm);
}

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
    const std::wstring plain = plainPath(buffer);
    const std::string shortForm = toUtf8(plain);
    const std::optional<std::string> ansi = toAnsi(shortForm);
    if (!ansi || ansi->size() >= kReportedLength || !namesTheListedFile(*wide, plain)) {
        return {};
    }
    return shortForm;
}

}  // namespace quillon::platform
