#include "harness.h"

#include <algorithm>
#include <cstdio>

namespace quillon::bench {
namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

Result runFigure(const Figure& figure, int rounds) {
    // Warm caches (directory entries, fonts, allocator) for both sides alike.
    figure.baseline();
    figure.measured();
    std::vector<double> ratios;
    std::vector<double> measured;
    ratios.reserve(static_cast<std::size_t>(rounds));
    measured.reserve(static_cast<std::size_t>(rounds));
    for (int round = 0; round < rounds; ++round) {
        // Alternate which side goes first, so neither always gets the warmer
        // machine.
        double base = 0;
        double work = 0;
        if (round % 2 == 0) {
            base = figure.baseline();
            work = figure.measured();
        } else {
            work = figure.measured();
            base = figure.baseline();
        }
        ratios.push_back(work / std::max(base, 1e-9));
        measured.push_back(work);
    }
    return Result{figure.name, median(std::move(ratios)), figure.target,
                  median(std::move(measured))};
}

Result ratioResult(std::string name, double measured, double baseline, double target) {
    return Result{std::move(name), measured / std::max(baseline, 1e-9), target, std::nullopt};
}

void printResults(const std::vector<Result>& results) {
    int met = 0;
    int missed = 0;
    for (const Result& result : results) {
        char clock[32] = "";
        if (result.measuredSeconds) {
            std::snprintf(clock, sizeof clock, "%9.3f ms", *result.measuredSeconds * 1000.0);
        }
        if (!result.target) {
            std::printf("%-44s ratio %6.2f %12s   for information\n", result.name.c_str(),
                        result.ratio, clock);
            continue;
        }
        ++(result.met() ? met : missed);
        std::printf("%-44s ratio %6.2f %12s   target <= %4.2f   %s\n", result.name.c_str(),
                    result.ratio, clock, *result.target, result.met() ? "met" : "MISSED");
    }
    std::printf("figures: %d met, %d missed\n", met, missed);
    std::fflush(stdout);
}

}  // namespace quillon::bench
