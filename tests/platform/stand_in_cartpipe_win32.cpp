// Stands in for the transfer tool on Windows: records the arguments it was
// given as UTF-8, NUL after each, in the file named by QUILLON_TEST_RECORD,
// and its whole command line beside it (".line" appended) for diagnosis.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string utf8(const wchar_t* wide) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.pop_back();
    return text;
}

// Written under another name and moved, so a reader never sees half.
bool writeWhole(const std::wstring& path, const std::string& content) {
    const std::wstring partial = path + L".partial";
    const HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == content.size() &&
           ::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const wchar_t* record = ::_wgetenv(L"QUILLON_TEST_RECORD");
    if (record == nullptr) {
        return 2;
    }
    std::string arguments;
    for (int index = 1; index < argc; ++index) {
        arguments += utf8(argv[index]);
        arguments += '\0';
    }
    const bool written = writeWhole(std::wstring(record) + L".line", utf8(::GetCommandLineW())) &&
                         writeWhole(record, arguments);
    return written ? 0 : 1;
}
