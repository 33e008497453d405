// Stands in for the transfer tool: records the arguments it was given, NUL
// after each, in the file named by QUILLON_TEST_RECORD, and beside it (with
// ".facts" appended) what it inherited: its session, its standard input and
// its open descriptors.
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string descriptorList() {
    std::string list;
    DIR* folder = ::opendir("/proc/self/fd");
    if (folder == nullptr) {
        return "unknown";
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && name != std::to_string(::dirfd(folder))) {
            list += ' ' + name;
        }
    }
    ::closedir(folder);
    return list;
}

std::string standardInput() {
    char target[4096] = {};
    const ssize_t length = ::readlink("/proc/self/fd/0", target, sizeof target - 1);
    return length < 0 ? std::string("closed")
                      : std::string(target, static_cast<std::size_t>(length));
}

// Written under another name and renamed, so a reader never sees half.
bool writeWhole(const std::string& path, const std::string& content) {
    const std::string partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush()) {
            return false;
        }
    }
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* record = std::getenv("QUILLON_TEST_RECORD");
    if (record == nullptr) {
        return 2;
    }
    const std::string facts = "sid " + std::to_string(::getsid(0)) + "\nstdin " + standardInput() +
                              "\nfds" + descriptorList() + "\n";
    std::string arguments;
    for (int index = 1; index < argc; ++index) {
        arguments += argv[index];
        arguments += '\0';
    }
    const bool written =
        writeWhole(std::string(record) + ".facts", facts) && writeWhole(record, arguments);
    return written ? 0 : 1;
}
