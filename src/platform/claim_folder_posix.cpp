#include "platform/claim_folder_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quillon::platform {

namespace fs = std::filesystem;

namespace {

// The folders to make ours in, the first that works: the session's own
// runtime folder (private to the user, emptied at logout), then the
// temporary folder. Only absolute ones: a terminal may start the script in
// another current folder.
std::vector<std::string> baseFolders() {
    std::vector<std::string> bases;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
        bases.emplace_back(runtime);
    }
    std::error_code noTemporaryFolder;
    if (const fs::path temporary = fs::temp_directory_path(noTemporaryFolder);
        !noTemporaryFolder && temporary.is_absolute()) {
        bases.push_back(temporary.string());
    }
    bases.emplace_back("/tmp");
    return bases;
}

}  // namespace

std::shared_ptr<ClaimFolder> ClaimFolder::make(std::string& why) {
    for (std::string base : baseFolders()) {
        if (!base.ends_with('/')) {
            base += '/';
        }
        std::string folder = base + "quillon-XXXXXX";
        if (::mkdtemp(folder.data()) != nullptr) {
            return std::shared_ptr<ClaimFolder>(new ClaimFolder(folder));
        }
        why = "cartpipe was not started: Quillon could not make a folder of its own in " + base +
              " (" + std::generic_category().message(errno) +
              "), where it notes that the tool has begun, so that one click never starts it "
              "twice. Make that folder writable, or set TMPDIR to one that is.";
    }
    return nullptr;
}

ClaimFolder::~ClaimFolder() {
    // Moved aside before it is emptied: a claim made between removing the
    // claims and removing the folder would let a late terminal run the tool.
    const std::string aside = path_ + "-gone";
    const std::string& doomed = ::rename(path_.c_str(), aside.c_str()) == 0 ? aside : path_;
    std::error_code ignored;
    fs::remove_all(doomed, ignored);
}

std::string ClaimFolder::newClaim() { return path_ + "/click-" + std::to_string(++claims_); }

bool isClaimed(const std::string& claim) {
    struct stat status {};
    return ::lstat(claim.c_str(), &status) == 0;
}

// Made as the script makes it, all or nothing: whoever comes second fails.
bool withdraw(const std::string& claim) {
    const int made = ::open(claim.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made >= 0) {
        ::close(made);
        return true;
    }
    return errno != EEXIST;
}

}  // namespace quillon::platform
