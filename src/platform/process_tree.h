#pragma once

#include <memory>

namespace quillon::platform {

// The tool's process and every process it starts, so that a stop reaches
// them all: on POSIX systems a process group of its own, on Windows a job
// object (and a console process group for the polite request).
//
// The process is started by someone else (the window's process object): the
// tree gives what that start needs and is then handed the new process.
class ProcessTree {
public:
    ProcessTree();
    ~ProcessTree();
    ProcessTree(const ProcessTree&) = delete;
    ProcessTree& operator=(const ProcessTree&) = delete;

#ifdef _WIN32
    // Creation flags for the new process: suspended, so that it is in the
    // job before it can start anything, and a console process group of its
    // own, which the polite request is sent to.
    static unsigned long creationFlags();
    // Takes the new, suspended process into the tree and lets it run;
    // `created` is the PROCESS_INFORMATION that CreateProcess filled in.
    // False when the job could not take it: it runs all the same, and a
    // stop then ends it alone.
    bool adopt(const void* created);
#else
    // For the new process to call before it runs the tool: makes it the
    // leader of a process group of its own. Safe between fork and exec.
    static void becomeGroupLeader();
    void adopt(long long id);
#endif

    // A request the tool may answer by cleaning up and ending: SIGTERM to
    // the group on POSIX systems, Ctrl+Break to its console group on Windows.
    void askToEnd();
    // Ends every process of the tree at once.
    void forceEnd();

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

}  // namespace quillon::platform
