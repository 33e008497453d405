#include "platform/terminal_launch_posix.h"

#include <chrono>
#include <optional>

#include "platform/claim_folder_posix.h"
#include "platform/detached_process_posix.h"

namespace quillon::platform {

namespace {

using Clock = std::chrono::steady_clock;

// A terminal that hands the command to a server of its own (gnome-terminal,
// kgx) ends cleanly at once, while the server opens the window a moment
// later: it is given this long for the claim to appear.
constexpr auto kGraceAfterCleanEnd = std::chrono::seconds(3);

// A terminal that stays up this long without beginning the tool (a wrong
// convention showing a bare shell, a window that never comes) gives way to
// the next. Moving on is safe: should it begin later, it finds the claim
// taken and runs nothing.
constexpr auto kLongestUnclaimed = std::chrono::seconds(10);

class TerminalLaunch final : public PendingLaunch {
public:
    TerminalLaunch(std::vector<FoundTerminal> terminals, std::vector<std::string> toolArguments,
                   std::shared_ptr<ClaimFolder> claims)
        : terminals_(std::move(terminals)),
          toolArguments_(std::move(toolArguments)),
          claims_(std::move(claims)),
          claim_(claims_->newClaim()) {
        decide();
    }

    // The last terminal's middle process is reaped before the outcome is
    // told, so that nothing is left to reap once it has been.
    std::optional<LaunchOutcome> poll() override {
        if (!outcome_) {
            decide();
        }
        if (!outcome_ || (terminal_ && terminal_->poll() == Watched::Running)) {
            return std::nullopt;
        }
        terminal_.reset();
        return outcome_;
    }

private:
    // Goes on from terminal to terminal until one is still worth watching
    // or the outcome is known. The claim is looked at first on every round:
    // a terminal that made it and then ended with an error did begin the
    // tool.
    void decide() {
        while (!outcome_) {
            if (isClaimed(claim_)) {
                outcome_ = LaunchOutcome{LaunchOutcome::Status::Started, {}};
                if (terminal_) {
                    terminal_->leave();
                }
                return;
            }
            if (!terminal_) {
                if (next_ == terminals_.size()) {
                    giveUp();
                    return;
                }
                terminal_ = DetachedProgram::start(
                    terminalCommandLine(terminals_[next_++], claim_, toolArguments_));
                startedAt_ = Clock::now();
                endedCleanlyAt_.reset();
                continue;
            }
            if (mayStillBegin()) {
                return;
            }
            terminal_.reset();
        }
    }

    bool mayStillBegin() {
        const Clock::time_point now = Clock::now();
        switch (terminal_->poll()) {
            case Watched::Running:
                if (now - startedAt_ >= kLongestUnclaimed) {
                    terminal_->leave();
                }
                return true;
            case Watched::EndedCleanly:
                if (!endedCleanlyAt_) {
                    endedCleanlyAt_ = now;
                }
                return now - *endedCleanlyAt_ < kGraceAfterCleanEnd;
            default:
                return false;
        }
    }

    // Every terminal has had its turn. The claim is taken for none, so that
    // no terminal that wakes later runs the tool after the user was told it
    // could not be started; a terminal that made it a moment ago wins.
    void giveUp() {
        outcome_ = withdraw(claim_)
                       ? LaunchOutcome{LaunchOutcome::Status::NotStarted, std::string(kNoTerminal)}
                       : LaunchOutcome{LaunchOutcome::Status::Started, {}};
    }

    const std::vector<FoundTerminal> terminals_;
    const std::vector<std::string> toolArguments_;
    const std::shared_ptr<ClaimFolder> claims_;
    const std::string claim_;
    std::size_t next_ = 0;
    std::unique_ptr<DetachedProgram> terminal_;  // the one being watched, if any
    Clock::time_point startedAt_;
    std::optional<Clock::time_point> endedCleanlyAt_;
    std::optional<LaunchOutcome> outcome_;
};

}  // namespace

std::unique_ptr<PendingLaunch> launchInTerminals(std::vector<FoundTerminal> terminals,
                                                 std::vector<std::string> toolArguments,
                                                 std::shared_ptr<ClaimFolder> claims) {
    return std::make_unique<TerminalLaunch>(std::move(terminals), std::move(toolArguments),
                                            std::move(claims));
}

}  // namespace quillon::platform
