#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::platform {

// What is known of a program started detached, as far as it was watched.
enum class Watched {
    Running,         // up, and still watched
    CouldNotStart,   // it never replaced the new process (not found, no interpreter)
    EndedCleanly,    // it ended with status 0
    EndedWithError,  // it ended with another status, or by a signal
    LeftRunning,     // no longer watched while it was up; it runs on
};

// A program that is not ours: it lives in a session of its own, outlives
// this program, is never left as our zombie, reads its standard input from
// /dev/null and inherits no descriptor of ours besides standard output and
// error. It is watched until it ends or until `leave` without ever waiting:
// a middle process waits for it and ends with the news, and `poll` looks at
// that middle without blocking.
class DetachedProgram {
public:
    // Starts `argv` (argv[0] an absolute path, no search); nothing when not
    // even the middle process could be made.
    static std::unique_ptr<DetachedProgram> start(const std::vector<std::string>& argv);

    // Leaves the program running and reaps the middle, which ends as soon as
    // it is left: this waits for that, never for the program.
    ~DetachedProgram();
    DetachedProgram(const DetachedProgram&) = delete;
    DetachedProgram& operator=(const DetachedProgram&) = delete;

    // Once it answers other than Running, the middle is reaped and the
    // answer stays.
    Watched poll();
    // Stops watching: the middle ends, and `poll` soon answers LeftRunning
    // (or how the program ended, had it just done so).
    void leave();

private:
    DetachedProgram(pid_t middle, int stopWatching)
        : middle_(middle), stopWatching_(stopWatching) {}

    pid_t middle_;
    int stopWatching_;  // its closing tells the middle to end; -1 once closed
    std::optional<Watched> ending_;
};

}  // namespace quillon::platform
