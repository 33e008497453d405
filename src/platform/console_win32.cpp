#include <windows.h>

#include <optional>
#include <string>

#include "platform/console.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// Windows ends its lines with CR LF: a redirected answer opens as lines in
// Notepad.
std::string withWindowsLineEnds(std::string_view text) {
    std::string ended;
    for (const char character : text) {
        if (character == '\n') {
            ended += '\r';
        }
        ended += character;
    }
    return ended;
}

// A console takes UTF-16, which shows every character whatever its code page;
// a file or pipe takes the bytes.
bool writeTo(HANDLE handle, const std::string& text) {
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const std::optional<std::wstring> wide = toWide(text);
        DWORD written = 0;
        return wide &&
               ::WriteConsoleW(handle, wide->data(), static_cast<DWORD>(wide->size()), &written,
                               nullptr) &&
               written == wide->size();
    }
    DWORD written = 0;
    return ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

}  // namespace

bool writeToConsole(ConsoleStream stream, std::string_view text) {
    const std::string ended = withWindowsLineEnds(text);
    // Handed over by whoever started the program: a redirection to a file or
    // pipe (`quillon.exe --help > help.txt`), or a parent's own handles. A
    // parent's console handles may reach a program with a window that is not
    // attached to that console, and fail it: then it attaches.
    const HANDLE given =
        ::GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE && writeTo(given, ended)) {
        return true;
    }
    // Started from a command prompt, which does not wait for a program with
    // a window and has shown its next prompt already: the answer goes on a
    // line of its own below it.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) {
        return false;
    }
    const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written = console != INVALID_HANDLE_VALUE && writeTo(console, "\r\n" + ended);
    if (console != INVALID_HANDLE_VALUE) {
        ::CloseHandle(console);
    }
    ::FreeConsole();
    return written;
}

}  // namespace quillon::platform
