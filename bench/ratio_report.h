// The console reporter of tessary-bench: the usual lines per benchmark, then
// the summary the benchmarks exist for, from the same run: each kind of work
// as a ratio to the line scan of the same input, the growth of its time when
// the input doubles, and the peak heap of loading the largest main menu.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tessary::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // False when any measured figure misses its target.
    bool allTargetsMet() const { return targetsMet_; }

private:
    struct Result {
        double bytesPerSecond = 0;
        double seconds = 0;  // CPU time of one iteration
        double inBytes = 0;
        double peakMegabytes = 0;
        bool fromMedian = false;
    };
    const Result* find(const std::string& kind, const std::string& shape, size_t size) const;
    void printRatios(std::ostream& out);
    void printGrowth(std::ostream& out);
    void printMemory(std::ostream& out);

    std::map<std::string, Result> results_;
    bool targetsMet_ = true;
};

}  // namespace tessary::bench
