#include "platform/detached_process_posix.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace quillon::platform {

namespace {

// Everything the new process needs is prepared before fork: between fork
// and exec only async-signal-safe calls are allowed, since another thread
// may have held a lock (the allocator's among them) at the moment of fork.
struct ExecPlan {
    std::vector<char*> argv;
    char** environment = nullptr;
    int devNull = -1;
    int reportWriteEnd = -1;  // close-on-exec: closed by a successful exec
    int descriptorLimit = 0;
};

int descriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur > 65536) {
        return 65536;
    }
    return static_cast<int>(limit.rlim_cur);
}

// Marks (rather than closes) every descriptor above standard error so that
// the exec-failure report can still be written, and the exec closes them all.
void markDescriptorsCloseOnExec(const ExecPlan& plan) {
#if defined(CLOSE_RANGE_CLOEXEC)
    if (::close_range(STDERR_FILENO + 1, ~0U, CLOSE_RANGE_CLOEXEC) == 0) {
        return;
    }
#endif
    for (int fd = STDERR_FILENO + 1; fd < plan.descriptorLimit; ++fd) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
}

// A terminal started from us must not inherit our signal handling: ignored
// or blocked signals would survive exec and reach the tool.
void resetSignals() {
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int number = 1; number < NSIG; ++number) {
        ::sigaction(number, &defaults, nullptr);
    }
}

[[noreturn]] void execOrReport(const ExecPlan& plan) {
    resetSignals();
    if (::dup2(plan.devNull, STDIN_FILENO) < 0 ||
        (plan.devNull == STDIN_FILENO && ::fcntl(STDIN_FILENO, F_SETFD, 0) != 0)) {
        const int error = errno;
        (void)!::write(plan.reportWriteEnd, &error, sizeof error);
        ::_exit(127);
    }
    markDescriptorsCloseOnExec(plan);
    ::execve(plan.argv[0], plan.argv.data(), plan.environment);
    const int error = errno;
    (void)!::write(plan.reportWriteEnd, &error, sizeof error);
    ::_exit(127);
}

// The middle process makes a new session and forks the program's process,
// then ends at once: the program is adopted by init (or the session's
// subreaper), so we never have to reap it and it outlives us.
[[noreturn]] void runMiddle(const ExecPlan& plan, int reportReadEnd) {
    ::close(reportReadEnd);
    if (::setsid() < 0) {
        ::_exit(1);
    }
    const pid_t program = ::fork();
    if (program == 0) {
        execOrReport(plan);
    }
    ::_exit(program < 0 ? 1 : 0);
}

bool middleSucceeded(pid_t middle) {
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Blocks until the program's end of the pipe is closed: by its exec (no
// bytes) or after it reported the exec's errno.
bool execReportedFailure(int reportReadEnd) {
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(reportReadEnd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got != 0;
}

}  // namespace

bool startDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return false;
    }
    ExecPlan plan;
    for (const std::string& word : argv) {
        plan.argv.push_back(const_cast<char*>(word.c_str()));
    }
    plan.argv.push_back(nullptr);
    plan.environment = environ;
    plan.descriptorLimit = descriptorLimit();

    plan.devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (plan.devNull < 0) {
        return false;
    }
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        ::close(plan.devNull);
        return false;
    }
    plan.reportWriteEnd = report[1];

    const pid_t middle = ::fork();
    if (middle == 0) {
        runMiddle(plan, report[0]);
    }
    ::close(report[1]);
    ::close(plan.devNull);
    if (middle < 0) {
        ::close(report[0]);
        return false;
    }
    const bool middleOk = middleSucceeded(middle);
    const bool execFailed = execReportedFailure(report[0]);
    ::close(report[0]);
    return middleOk && !execFailed;
}

}  // namespace quillon::platform
