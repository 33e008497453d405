#include "platform/detached_process_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
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

// How often the middle looks whether the program has ended; between looks it
// waits for the hangup that tells it to stop watching.
constexpr int kStepMilliseconds = 10;

// The middle's exit status is its news: the Watched value itself, never 0.
int statusFor(Watched news) { return static_cast<int>(news); }

Watched newsOf(int middleStatus) {
    if (WIFEXITED(middleStatus)) {
        switch (const int code = WEXITSTATUS(middleStatus); code) {
            case static_cast<int>(Watched::CouldNotStart):
            case static_cast<int>(Watched::EndedCleanly):
            case static_cast<int>(Watched::EndedWithError):
                return static_cast<Watched>(code);
            default:
                break;
        }
    }
    // Ended some other way: the program may be up, and is not ours to learn of.
    return Watched::LeftRunning;
}

// Runs in the middle process, so it calls only what is safe after a fork in
// a threaded process: posix_spawn (see below), waitpid, poll and _exit. The
// hangup on standard input comes when this program closes its end of the
// pipe, or ends.
[[noreturn]] void watchFromMiddle(const SpawnPlan& plan, char* const argv[]) {
    pid_t program = 0;
    if (plan.spawn(argv, program) != 0) {
        ::_exit(statusFor(Watched::CouldNotStart));
    }
    pollfd left{STDIN_FILENO, POLLIN, 0};
    while (true) {
        int status = 0;
        const pid_t ended = ::waitpid(program, &status, WNOHANG);
        if (ended == program) {
            ::_exit(statusFor(WIFEXITED(status) && WEXITSTATUS(status) == 0
                                  ? Watched::EndedCleanly
                                  : Watched::EndedWithError));
        }
        if ((ended < 0 && errno != EINTR) || ::poll(&left, 1, kStepMilliseconds) > 0) {
            ::_exit(statusFor(Watched::LeftRunning));
        }
    }
}

}  // namespace

// The program must not be our child: it outlives us, and a child that ends
// before us would stay our zombie until reaped. So a middle process starts
// it and watches it; when the middle ends, the program is adopted by init
// (or the session's subreaper). The plan is made before the fork, since
// making it allocates; glibc's posix_spawn takes no lock and allocates
// nothing, as a child of a threaded process must.
std::unique_ptr<DetachedProgram> DetachedProgram::start(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return nullptr;
    }
    std::vector<char*> words;
    for (const std::string& word : argv) {
        words.push_back(const_cast<char*>(word.c_str()));
    }
    words.push_back(nullptr);
    SpawnPlan plan;
    int stopWatching[2] = {-1, -1};
    if (!plan.prepare() || ::pipe2(stopWatching, O_CLOEXEC) != 0) {
        return nullptr;
    }
    const pid_t middle = ::fork();
    if (middle == 0) {
        // Only its own end of its own pipe: the write end of another launch,
        // inherited across this fork, would keep that launch's middle from
        // ever seeing its hangup.
        ::close(stopWatching[1]);
        ::dup2(stopWatching[0], STDIN_FILENO);
        ::close_range(STDERR_FILENO + 1, ~0U, 0);
        watchFromMiddle(plan, words.data());
    }
    ::close(stopWatching[0]);
    if (middle < 0) {
        ::close(stopWatching[1]);
        return nullptr;
    }
    return std::unique_ptr<DetachedProgram>(new DetachedProgram(middle, stopWatching[1]));
}

DetachedProgram::~DetachedProgram() {
    leave();
    if (!ending_) {
        while (::waitpid(middle_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

Watched DetachedProgram::poll() {
    if (ending_) {
        return *ending_;
    }
    int status = 0;
    const pid_t ended = ::waitpid(middle_, &status, WNOHANG);
    if (ended == 0 || (ended < 0 && errno == EINTR)) {
        return Watched::Running;
    }
    ending_ = ended == middle_ ? newsOf(status) : Watched::LeftRunning;
    leave();
    return *ending_;
}

void DetachedProgram::leave() {
    if (stopWatching_ >= 0) {
        ::close(stopWatching_);
        stopWatching_ = -1;
    }
}

}  // namespace quillon::platform
