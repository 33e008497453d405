// Stands in for the tool: records its session, input and descriptors, then its arguments,
// each ended by a NUL, in the file named by QUILLON_TEST_RECORD.
#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    const char* record = std::getenv("QUILLON_TEST_RECORD");
    if (record == nullptr) {
        return 2;
    }
    // Listed before the record is opened, so its own descriptor is not among them.
    std::string descriptors;
    if (DIR* folder = ::opendir("/proc/self/fd")) {
        while (const dirent* entry = ::readdir(folder)) {
            if (const std::string name = entry->d_name;
                name != "." && name != ".." && name != std::to_string(::dirfd(folder))) {
                descriptors += ' ' + name;
            }
        }
        ::closedir(folder);
    }
    char input[4096] = {};
    (void)!::readlink("/proc/self/fd/0", input, sizeof input - 1);
    std::ofstream out(record, std::ios::binary | std::ios::trunc);
    out << "sid " << ::getsid(0) << '\0' << "stdin " << input << '\0' << "fds" << descriptors
        << '\0';
    for (int index = 1; index < argc; ++index) {
        out << argv[index] << '\0';
    }
    return out.flush() ? 0 : 1;
}
