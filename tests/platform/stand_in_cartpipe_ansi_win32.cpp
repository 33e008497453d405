// A cartpipe.exe built as the real tool is, with a plain main(): the system hands it its command
// line converted to the ANSI code page. Records, each NUL-ended in QUILLON_TEST_RECORD, what it
// was given and where it looks for programs: its command line as it reads it
// (GetCommandLineA), the value of NoDefaultCurrentDirectoryInExePath ("<unset>" when there is
// none), PATH, then its arguments. Written aside and moved into place, so that a test waiting for
// the file never reads half of it; as UTF-8, so that a test compares what the tool took the
// text to be.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string utf8(const char* ansi) {
    std::wstring wide(std::strlen(ansi), L'\0');
    wide.resize(
        ::MultiByteToWideChar(CP_ACP, 0, ansi, int(wide.size()), wide.data(), int(wide.size())));
    const std::u8string text = std::filesystem::path(wide).u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
    const char* record = std::getenv("QUILLON_TEST_RECORD");
    if (record == nullptr) {
        return 2;
    }
    const char* gate = std::getenv("NoDefaultCurrentDirectoryInExePath");
    const char* path = std::getenv("PATH");
    const std::filesystem::path partial = std::string(record) + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << utf8(::GetCommandLineA()) << '\0' << (gate ? utf8(gate) : "<unset>") << '\0'
            << utf8(path ? path : "") << '\0';
        for (int index = 1; index < argc; ++index) {
            out << utf8(argv[index]) << '\0';
        }
        if (!out.flush()) {
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, record, error);
    return error ? 1 : 0;
}
