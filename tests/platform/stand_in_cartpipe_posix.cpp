// Stands in for the transfer tool: writes to the file named by
// QUILLON_TEST_RECORD what it inherited (its session, its standard input, its
// open descriptors), then the arguments it was given, a NUL after each.
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
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name != std::to_string(::dirfd(folder))) {
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
