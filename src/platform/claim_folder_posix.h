#pragma once

#include <memory>
#include <string>

namespace quillon::platform {

// Where a click's start of the tool is claimed. A terminal may open late, or
// end with an error after it ran the tool; only a mark made where it runs
// tells whether the tool began. So each click gets a claim path in a folder
// of this program's own (mode 0700, that no other user can write in), and
// the script in the terminal creates that file, atomically, before it runs
// the tool, and runs nothing when it finds it made: of all the terminals
// tried for one click, the tool runs in one at most.
class ClaimFolder {
public:
    // A new folder under $XDG_RUNTIME_DIR, else the temporary folder;
    // nothing when none could be made, with the reason for the user in `why`.
    static std::shared_ptr<ClaimFolder> make(std::string& why);

    // Takes the folder away, so a terminal that wakes after this program has
    // gone finds no claim to make and runs nothing.
    ~ClaimFolder();
    ClaimFolder(const ClaimFolder&) = delete;
    ClaimFolder& operator=(const ClaimFolder&) = delete;

    // A path for the next click's claim; nothing is made there yet.
    std::string newClaim();

private:
    explicit ClaimFolder(std::string path) : path_(std::move(path)) {}

    std::string path_;
    unsigned long claims_ = 0;
};

// Whether a terminal has made `claim`.
bool isClaimed(const std::string& claim);

// Makes `claim` for no terminal, so that none runs the tool any more; false
// when a terminal had made it first.
bool withdraw(const std::string& claim);

}  // namespace quillon::platform
