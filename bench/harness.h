#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillon::bench {

// One figure: a measured piece of work against a baseline measured in the
// same run, since only a ratio means anything on a shared machine.
struct Figure {
    std::string name;
    // The ratio the measured work must not exceed; none for a figure printed
    // for information only.
    std::optional<double> target;
    // Each returns the seconds of one repetition; preparation that is not
    // part of the work happens inside, outside the timed span.
    std::function<double()> measured;
    std::function<double()> baseline;
};

struct Result {
    std::string name;
    double ratio;
    std::optional<double> target;
    // The median seconds of the measured work, printed beside the ratio: a
    // ratio also moves when its baseline gets cheaper or dearer.
    std::optional<double> measuredSeconds;
    bool met() const { return !target || ratio <= *target; }
};

// Runs measured and baseline alternately `rounds` times (after one warm-up
// of each) and takes the median of the per-round ratios.
Result runFigure(const Figure& figure, int rounds);

// A figure whose two values come from elsewhere (memory, from child processes).
Result ratioResult(std::string name, double measured, double baseline, double target);

// One line per figure and a closing count line.
void printResults(const std::vector<Result>& results);

// Seconds spent in `work`.
template <typename Work>
double timed(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(stop - start).count();
}

}  // namespace quillon::bench
