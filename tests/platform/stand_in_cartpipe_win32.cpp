// Records its arguments as UTF-8, NUL-ended, in QUILLON_TEST_RECORD; written aside and moved
// into place, so that a test waiting for the file never reads half of it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const wchar_t* record = ::_wgetenv(L"QUILLON_TEST_RECORD");
    if (record == nullptr) {
        return 2;
    }
    const std::filesystem::path path(record);
    const std::filesystem::path partial(path.wstring() + L".partial");
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        for (int index = 1; index < argc; ++index) {
            const std::u8string text = std::filesystem::path(argv[index]).u8string();
            out << std::string(text.begin(), text.end()) << '\0';
        }
        if (!out.flush()) {
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return error ? 1 : 0;
}
