#include "platform/program_arguments.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <string>

#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// An argument as argv carries it: in the ANSI code page, a character it
// lacks replaced by a look-alike, as the C runtime (or the toolkit's own
// entry point) converted it.
std::string argvForm(const wchar_t* wide) {
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

}  // namespace

// argv was split from the same command line, so the two agree entry by
// entry. An argv that was not (a test's own) is read in its code page.
std::vector<NativeText> programArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    bool sameLine = wide != nullptr && count == argc;
    for (int index = 0; sameLine && index < argc; ++index) {
        sameLine = argvForm(wide[index]) == argv[index];
    }
    std::vector<NativeText> arguments;
    if (sameLine) {
        arguments.assign(wide, wide + count);
    } else {
        for (int index = 0; index < argc; ++index) {
            arguments.push_back(toWide(ansiToUtf8(argv[index])).value_or(NativeText()));
        }
    }
    ::LocalFree(wide);
    return arguments;
}

}  // namespace quillon::platform
