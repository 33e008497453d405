// A tool's bytes as the lines a reader sees, and the log and outcome texts of a run.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "output/run_report.h"
#include "output/tool_output.h"

namespace quillon::output {
namespace {

// "o" standard output, "e" standard error, "i" a line the user sends, "|" the tool's end.
using Pieces = std::vector<std::pair<char, std::string>>;

// Every line as "o:text", "e:text" or "i:text"; then "open:" and what is not finished.
std::string read(const ToolOutput& output) {
    std::string seen;
    const LineStore& lines = output.lines();
    for (std::size_t index = lines.firstKept(); index < lines.count(); ++index) {
        const Line line = lines.line(index);
        // Appended piece by piece: GCC 12 at -O3 takes `":" + text` for an overlapping copy.
        seen += "oei"[static_cast<int>(line.stream)];
        seen += ':';
        seen += line.text;
        seen += '\n';
    }
    for (const Line& line : output.openLines()) {
        seen += "open:";
        seen += line.text;
        seen += '\n';
    }
    return seen;
}

ToolOutput play(const Pieces& pieces, std::size_t kept = kViewLines) {
    ToolOutput output(kept);
    for (const auto& [from, bytes] : pieces) {
        if (from == '|') {
            output.finish();
        } else if (from == 'i') {
            output.addInput(bytes);
        } else {
            output.add(from == 'e' ? Stream::Error : Stream::Output, bytes);
        }
    }
    return output;
}

// Catches: a line cut between reads split in two, "\r\n" taken as a rewrite, a progress counter
// shown as many lines or a rewrite split between reads left half done, escape sequences shown
// (also cut between reads, and one never ended swallowing later lines), error lines unmarked or
// mixed into another stream's unfinished line, an unfinished line lost at the end or shown
// twice, an answer not shown below the question, a backspace taking half a character.
TEST(ToolOutput, ShowsTheLinesAReaderSees) {
    const struct {
        Pieces pieces;
        std::string lines;
    } cases[] = {
        {{{'o', "one\ntw"}, {'o', "o\n"}, {'o', "\n"}}, "o:one\no:two\no:\n"},
        {{{'o', "dos\r\nline\r"}, {'o', "\n"}}, "o:dos\no:line\n"},
        {{{'o', "10%\r20%\r"}, {'o', "30%"}}, "open:30%\n"},
        {{{'o', "10%\r20%\r"}, {'o', "\x1b[K100%\ndone\n"}}, "o:100%\no:done\n"},
        {{{'o', "\x1b[1;3"}, {'o', "1mred\x1b[0m \x1b]0;title\a\x1b(Bplain\n"}}, "o:red plain\n"},
        {{{'o', "\x1b]8;;http://x\x1b\\link\x1b]8;;\x1b\\\n"}}, "o:link\n"},
        {{{'o', "\x1b]never ended\nnext\n"}}, "o:\no:next\n"},
        {{{'o', "Progress "}, {'e', "warning\n"}, {'o', "50%"}}, "e:warning\nopen:Progress 50%\n"},
        {{{'e', "late"}, {'o', "a\nb"}, {'|', ""}}, "o:a\ne:late\no:b\n"},
        {{{'o', "Insert the cartridge: "}, {'i', "yes"}, {'o', "read yes\n"}},
         "o:Insert the cartridge: \ni:> yes\no:read yes\n"},
        {{{'o', "spin|\b/\b-\bx caf\xc3\xa9\b\xc3\xa8\n\a"}}, "o:spinx caf\xc3\xa8\n"},
    };
    for (const auto& [pieces, lines] : cases) {
        EXPECT_EQ(read(play(pieces)), lines) << pieces.front().second;
    }
}

// Catches the view's cap dropping the wrong lines or the log losing what the view dropped.
TEST(ToolOutput, TheViewKeepsTheLastLinesAndTheLogKeepsAll) {
    const ToolOutput output = play({{'o', "1\n2\n"}, {'e', "3\n4\n"}, {'o', "5"}, {'|', ""}}, 2);
    EXPECT_EQ(read(output), "e:4\no:5\n");
    EXPECT_EQ(output.lines().firstKept(), 3u);
    EXPECT_EQ(output.text(), "1\n2\n3\n4\n5\n");
    EXPECT_EQ(play({{'o', "a\nbc"}}).text(), "a\nbc\n");
}

// Catches a wrong outcome text (a stop read as a failure, a crash as a status) and a port list
// shown when the tool never ran or did its job.
TEST(RunReport, OutcomesReadAsTheUserIsTold) {
    // Whether a stop was asked, whether the system ended the tool, its status; or why it did not
    // start.
    const struct {
        bool stopAsked;
        bool crashed;
        int status;
        const char* notStarted;
        const char* text;
        bool showPorts;
    } cases[] = {
        {false, false, 0, nullptr, "Finished", false},
        {false, false, 3, nullptr, "Failed (exit 3)", true},
        {false, false, -1073741510, nullptr, "Failed (exit -1073741510)", true},
        {false, true, 11, nullptr, "Failed (crashed)", true},
        {true, true, 9, nullptr, "Stopped", false},
        {true, false, 0, nullptr, "Stopped", false},
        {false, false, 0, "cartpipe is not on PATH", "Could not start: cartpipe is not on PATH",
         false},
    };
    for (const auto& row : cases) {
        const Outcome outcome = row.notStarted
                                    ? Outcome{Outcome::Kind::NotStarted, 0, row.notStarted}
                                    : endedOutcome(row.stopAsked, row.crashed, row.status);
        EXPECT_EQ(outcomeText(outcome), row.text);
        EXPECT_EQ(ranAndFailed(outcome), row.showPorts) << row.text;
    }
    for (const auto& [seconds, text] :
         {std::pair{0LL, "0:00"}, {59LL, "0:59"}, {754LL, "12:34"}, {3723LL, "1:02:03"}}) {
        EXPECT_EQ(elapsedText(seconds), text);
    }
}

// Catches a log without its facts, an end time while running, the port list without heading.
TEST(RunReport, TheLogHoldsCommandTimesOutcomeOutputAndPorts) {
    LogFacts facts{"cartpipe -l2 a.bin", "2024-05-01 12:00:00", "", {}, {}};
    EXPECT_EQ(logText(facts, "out\n"),
              "Command: cartpipe -l2 a.bin\nStarted: 2024-05-01 12:00:00\nOutcome: Running\n\n"
              "out\n");
    facts.ended = "2024-05-01 12:00:09";
    facts.outcome = endedOutcome(false, false, 2);
    facts.ports = {"/dev/parport0: no permission"};
    EXPECT_EQ(logText(facts, ""),
              "Command: cartpipe -l2 a.bin\nStarted: 2024-05-01 12:00:00\n"
              "Ended: 2024-05-01 12:00:09\nOutcome: Failed (exit 2)\n\n\n"
              "Parallel ports on this computer:\n/dev/parport0: no permission\n");
}

}  // namespace
}  // namespace quillon::output
