#pragma once

// A main for benchmark programs that, after the usual console report, prints
// each measured benchmark's time as a ratio of its baseline from the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace korvane::bench {

struct Comparison {
    std::string measured;
    std::string baseline;
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // Each run's time is in its own unit (Unit(benchmark::kMicrosecond)):
            // ratios are taken in one.
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds_[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    void PrintRatios(const std::vector<Comparison>& comparisons) const {
        std::printf("\n");
        for (const Comparison& c : comparisons) {
            const auto measured = seconds_.find(c.measured);
            const auto baseline = seconds_.find(c.baseline);
            if (measured == seconds_.end() || baseline == seconds_.end() || baseline->second == 0) {
                continue;
            }
            std::printf("%s / %s = %.3f (%.1f times %s)\n", c.measured.c_str(), c.baseline.c_str(),
                        measured->second / baseline->second,
                        measured->second < baseline->second ? baseline->second / measured->second
                                                            : measured->second / baseline->second,
                        measured->second < baseline->second ? "faster" : "slower");
        }
    }

private:
    std::map<std::string, double> seconds_;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Comparison>& comparisons) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(comparisons);
    benchmark::Shutdown();
    return 0;
}

}  // namespace korvane::bench
