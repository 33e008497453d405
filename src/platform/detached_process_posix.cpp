#include "platform/detached_process_posix.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace quillon::platform {

namespace {

// How the program is to start: in a session of its own, with every signal
// at its default and none blocked (ignored or blocked signals would survive
// exec and reach the tool), reading from /dev/null, and with no descriptor
// of ours above standard error.
class SpawnPlan {
public:
    SpawnPlan() {
        ::posix_spawnattr_init(&attributes_);
        ::posix_spawn_file_actions_init(&actions_);
    }
    ~SpawnPlan() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnPlan(const SpawnPlan&) = delete;
    SpawnPlan& operator=(const SpawnPlan&) = delete;

    // False when the plan could not be made (out of memory).
    bool prepare() {
        sigset_t all;
        sigset_t none;
        ::sigfillset(&all);
        ::sigemptyset(&none);
        return ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF |
                                                            POSIX_SPAWN_SETSIGMASK) == 0 &&
               ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0 &&
               ::posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
               ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY,
                                                  0) == 0 &&
               ::posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1) == 0;
    }

    // The error of the start, exec failures included; 0 once the program
    // has replaced the new process `program`.
    int spawn(char* const argv[], pid_t& program) const {
        return ::posix_spawn(&program, argv[0], &actions_, &attributes_, argv, environ);
    }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

// A terminal that cannot open its window (no display to reach, a broken
// install) ends at once with an error, and the next terminal should be
// tried. One still running after this long has started; so has one that
// ended cleanly, having handed the command to a terminal already running.
// A click waits this long at most, while the window appears anyway.
constexpr long kSettleMilliseconds = 300;
constexpr long kStepMilliseconds = 10;

// Runs in the middle process, so it calls only what is safe after a fork in
// a threaded process: waitpid and nanosleep.
bool stayedUp(pid_t program) {
    for (long waited = 0; waited < kSettleMilliseconds; waited += kStepMilliseconds) {
        int status = 0;
        const pid_t ended = ::waitpid(program, &status, WNOHANG);
        if (ended == program) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        if (ended < 0 && errno != EINTR) {
            return true;  // not ours to watch any more; it did start
        }
        const timespec step{0, kStepMilliseconds * 1000 * 1000};
        ::nanosleep(&step, nullptr);
    }
    return true;
}

bool exitedCleanly(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

// The program must not be our child: it outlives us, and a child that ends
// before us would stay our zombie until reaped. So a middle process starts
// it, watches it settle and ends; the program is adopted by init (or the
// session's subreaper) and the middle's exit status tells whether it
// started. The plan is made before the fork, since making it allocates; the
// middle then only spawns, waits and exits, and glibc's posix_spawn takes no
// lock and allocates nothing, as a child of a threaded process must.
bool startDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return false;
    }
    std::vector<char*> words;
    for (const std::string& word : argv) {
        words.push_back(const_cast<char*>(word.c_str()));
    }
    words.push_back(nullptr);
    SpawnPlan plan;
    if (!plan.prepare()) {
        return false;
    }
    const pid_t middle = ::fork();
    if (middle == 0) {
        pid_t program = 0;
        ::_exit(plan.spawn(words.data(), program) == 0 && stayedUp(program) ? 0 : 1);
    }
    return middle > 0 && exitedCleanly(middle);
}

}  // namespace quillon::platform
