#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::output {

// How a run ended, or that it has not yet.
struct Outcome {
    enum class Kind {
        Running,
        Finished,    // exit status 0
        Failed,      // another exit status
        Crashed,     // ended by the system, not by the user's Stop
        Stopped,     // the user asked it to stop, and it ended
        NotStarted,  // `reason` says why
    };
    Kind kind = Kind::Running;
    int exitStatus = 0;
    std::string reason;
};

// The outcome of a tool that has ended: a stop the user asked for explains
// whatever status followed it.
Outcome endedOutcome(bool stopAsked, bool crashed, int exitStatus);

// "Finished", "Failed (exit 3)", "Stopped", "Could not start: " and the reason.
std::string outcomeText(const Outcome& outcome);

// Whether the user should be shown what the system knows of the parallel
// ports: the tool ran and did not do its job.
bool ranAndFailed(const Outcome& outcome);

// A duration as a clock shows it: "0:07", "12:30", "1:02:03".
std::string elapsedText(long long seconds);

// What stands above the list of the computer's parallel ports.
inline constexpr std::string_view kPortsHeading = "Parallel ports on this computer:";

// What a saved or copied log holds besides the output.
struct LogFacts {
    std::string command;  // as Copy Command copies it
    std::string started;
    std::string ended;  // empty while running
    Outcome outcome;
    std::vector<std::string> ports;  // the port list, when it was shown
};

// The log as the user saves or copies it: the command, its times and
// outcome, a blank line, the output, and the port list under its heading
// when there is one.
std::string logText(const LogFacts& facts, const std::string& output);

}  // namespace quillon::output
