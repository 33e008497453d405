// The preview line is rebuilt on every key and every option change, so its
// composition must cost little more than gluing the finished texts together.
#include <array>
#include <string>

#include "command/page_commands.h"
#include "figures.h"

namespace quillon::bench {
namespace {

constexpr int kCompositions = 20000;

command::DumpSnapshot busySnapshot() {
    return {.options = {.alternate = true,
                        .writeOn = true,
                        .writeAddress = "C000",
                        .bankOn = true,
                        .bank = "1F",
                        .doubleText = "Double ",
                        .port = "Port 2",
                        .type = "Linear",
                        .code = "26F8"},
            .doubleItems = {"No Double", "Double ", "Reverse"},
            .destination = "C:\\DUMPS\\CART.BIN"};
}

// Keeps the compiler from dropping work whose result nobody reads.
volatile std::size_t sink = 0;

}  // namespace

Figure previewCompositionFigure() {
    Figure figure;
    figure.name = "dump preview composition";
    figure.target = 3.0;
    figure.measured = [] {
        const command::DumpSnapshot page = busySnapshot();
        return timed([&] {
            for (int round = 0; round < kCompositions; ++round) {
                sink = sink + command::dumpPreviewLine(page).size();
            }
        });
    };
    figure.baseline = [] {
        const std::array<std::string, 10> pieces = {
            "cartpipe ", "-a ",   "-d ",     " ",       "-l2 ",
            "-c1 ",      "-n1F ", "-wC000 ", "-t26F8 ", "C:\\DUMPS\\CART.BIN"};
        return timed([&] {
            for (int round = 0; round < kCompositions; ++round) {
                std::string line;
                for (const std::string& piece : pieces) line += piece;
                sink = sink + line.size();
            }
        });
    };
    return figure;
}

}  // namespace quillon::bench
