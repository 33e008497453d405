#include "output/run_report.h"

#include <cstdio>

namespace quillon::output {

Outcome endedOutcome(bool stopAsked, bool crashed, int exitStatus) {
    if (stopAsked) {
        return {Outcome::Kind::Stopped, exitStatus, {}};
    }
    if (crashed) {
        return {Outcome::Kind::Crashed, exitStatus, {}};
    }
    return {exitStatus == 0 ? Outcome::Kind::Finished : Outcome::Kind::Failed, exitStatus, {}};
}

std::string outcomeText(const Outcome& outcome) {
    switch (outcome.kind) {
        case Outcome::Kind::Running:
            return "Running";
        case Outcome::Kind::Finished:
            return "Finished";
        case Outcome::Kind::Failed:
            return "Failed (exit " + std::to_string(outcome.exitStatus) + ")";
        case Outcome::Kind::Crashed:
            return "Failed (crashed)";
        case Outcome::Kind::Stopped:
            return "Stopped";
        case Outcome::Kind::NotStarted:
            return "Could not start: " + outcome.reason;
    }
    return {};
}

bool ranAndFailed(const Outcome& outcome) {
    return outcome.kind == Outcome::Kind::Failed || outcome.kind == Outcome::Kind::Crashed;
}

std::string elapsedText(long long seconds) {
    const long long hours = seconds / 3600;
    const long long minutes = seconds / 60 % 60;
    char text[32];
    if (hours > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", hours, minutes, seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", minutes, seconds % 60);
    }
    return text;
}

std::string logText(const LogFacts& facts, const std::string& output) {
    std::string log = "Command: " + facts.command + "\nStarted: " + facts.started + "\n";
    if (!facts.ended.empty()) {
        log += "Ended: " + facts.ended + "\n";
    }
    log += "Outcome: " + outcomeText(facts.outcome) + "\n\n";
    log.reserve(log.size() + output.size() + 256);
    log += output;
    if (!facts.ports.empty()) {
        log += "\n";
        log += kPortsHeading;
        log += "\n";
        for (const std::string& port : facts.ports) {
            log += port + "\n";
        }
    }
    return log;
}

}  // namespace quillon::output
