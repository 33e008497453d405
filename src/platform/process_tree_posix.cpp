#include <signal.h>
#include <unistd.h>

#include "platform/process_tree.h"

namespace quillon::platform {

// The group's id is its leader's process id. It stays taken while any
// member lives, so a signal to it never reaches a stranger's group while
// one of the tool's processes is left to end.
struct ProcessTree::Handles {
    pid_t group = 0;
};

ProcessTree::ProcessTree() : handles_(std::make_unique<Handles>()) {}

ProcessTree::~ProcessTree() = default;

void ProcessTree::becomeGroupLeader() { ::setpgid(0, 0); }

void ProcessTree::adopt(long long id) {
    handles_->group = static_cast<pid_t>(id);
    // Also from this side: whichever runs first, the group exists before
    // a signal could be sent to it.
    ::setpgid(handles_->group, handles_->group);
}

void ProcessTree::askToEnd() {
    if (handles_->group > 0) {
        ::kill(-handles_->group, SIGTERM);
    }
}

void ProcessTree::forceEnd() {
    if (handles_->group > 0) {
        ::kill(-handles_->group, SIGKILL);
    }
}

}  // namespace quillon::platform
