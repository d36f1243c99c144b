#include "ratio_report.h"

#include <cstdio>
#include <iterator>

#include "menu_inputs.h"

namespace tessary::bench {
namespace {

struct Kind {
    const char* name;
    double target;  // highest ratio to the line scan; 0: none
};
// Guard rails rather than goals: the menu code stays as simple as these allow,
// far below anything a user could notice next to the window showing the text.
// Preview reads as Parse does and makes one text per entry (about 1.9 ms for
// the largest main menu, against 1.0 ms for Parse alone).
constexpr Kind kKinds[] = {{"Parse", 15}, {"Load", 25}, {"Generate", 10}, {"RoundTrip", 0}, {"Preview", 25}};

// Time may grow by 1.5 to 2.5 times when the input doubles.
constexpr double kLowestGrowth = 1.5;
constexpr double kHighestGrowth = 2.5;
constexpr double kMemoryTargetMegabytes = 64;

std::string sizeName(size_t size) {
    return std::to_string(size / 1024) + "K";
}

std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string padded(std::string text, size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate;
        if (median && run.aggregate_name != "median") {
            continue;
        }
        Result& result = results_[run.run_name.function_name];
        if (result.fromMedian && !median) {
            continue;
        }
        auto counter = [&run](const char* name) {
            auto it = run.counters.find(name);
            return it == run.counters.end() ? 0.0 : it->second.value;
        };
        result.bytesPerSecond = counter("bytes_per_second");
        result.inBytes = counter("in_bytes");
        result.peakMegabytes = counter("peak_MB");
        result.seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        result.fromMedian = median;
    }
    ConsoleReporter::ReportRuns(runs);
}

const RatioReporter::Result* RatioReporter::find(const std::string& kind, const std::string& shape, size_t size) const {
    auto it = results_.find(kind + "/" + shape + "/" + sizeName(size));
    return it == results_.end() || it->second.bytesPerSecond <= 0 ? nullptr : &it->second;
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    printRatios(out);
    printGrowth(out);
    printMemory(out);
    out << (targetsMet_ ? "All measured figures meet their targets.\n" : "Figures marked ! miss their targets.\n");
    out.flush();
}

// CPU time per byte of each kind of work over the line scan's on the same
// input; Generate counts the bytes it writes.
void RatioReporter::printRatios(std::ostream& out) {
    out << "\nRatio to Baseline/LineScan on the same input (time per byte; Generate per byte written)\n";
    std::string header = padded("", 22) + padded("LineScan", 12);
    for (const Kind& kind : kKinds) {
        header += padded(std::string(kind.name) + (kind.target > 0 ? " <=" + formatted("%g", kind.target) : ""), 16);
    }
    out << header << "\n";
    for (Shape shape : kShapes) {
        for (size_t size : kSizes) {
            const Result* base = find("Baseline/LineScan", shapeName(shape), size);
            if (base == nullptr) {
                continue;
            }
            std::string row = padded(std::string(shapeName(shape)) + "/" + sizeName(size), 22) +
                              padded(formatted("%.2f GB/s", base->bytesPerSecond / 1e9), 12);
            for (const Kind& kind : kKinds) {
                const Result* result = find(kind.name, shapeName(shape), size);
                if (result == nullptr) {
                    row += padded("-", 16);
                    continue;
                }
                const double ratio = base->bytesPerSecond / result->bytesPerSecond;
                const bool missed = kind.target > 0 && ratio > kind.target;
                targetsMet_ = targetsMet_ && !missed;
                row += padded(formatted("%.1f", ratio) + (missed ? " !" : ""), 16);
            }
            out << row << "\n";
        }
    }
}

// Time at one size over the time at the size before, scaled to an exact
// doubling of the input's bytes.
void RatioReporter::printGrowth(std::ostream& out) {
    out << "\nTime growth when the input doubles (target " << kLowestGrowth << " to " << kHighestGrowth
        << "; below it the time grows less than the input)\n";
    std::string header = padded("", 16);
    for (const Kind& kind : kKinds) {
        header += padded(kind.name, 19);
    }
    out << header << "\n";
    for (Shape shape : kShapes) {
        std::string row = padded(shapeName(shape), 16);
        bool measured = false;
        for (const Kind& kind : kKinds) {
            std::string cell;
            for (size_t i = 1; i < std::size(kSizes); ++i) {
                const Result* before = find(kind.name, shapeName(shape), kSizes[i - 1]);
                const Result* after = find(kind.name, shapeName(shape), kSizes[i]);
                if (before == nullptr || after == nullptr || before->inBytes <= 0 || before->seconds <= 0) {
                    cell += " -  ";
                    continue;
                }
                measured = true;
                const double growth = after->seconds / before->seconds * 2.0 / (after->inBytes / before->inBytes);
                const bool missed = growth > kHighestGrowth;
                targetsMet_ = targetsMet_ && !missed;
                cell += formatted("%.2f", growth) + (missed ? "!" : " ");
                cell += i + 1 < std::size(kSizes) ? " " : "";
            }
            row += padded(cell, 19);
        }
        if (measured) {
            out << row << "\n";
        }
    }
}

void RatioReporter::printMemory(std::ostream& out) {
    const size_t largest = kSizes[std::size(kSizes) - 1];
    const Result* result = find("Load", shapeName(Shape::MainMenu), largest);
    out << "\nPeak heap of loading " << shapeName(Shape::MainMenu) << "/" << sizeName(largest) << ": ";
    if (result == nullptr) {
        out << "not measured\n";
        return;
    }
    const bool missed = result->peakMegabytes >= kMemoryTargetMegabytes;
    targetsMet_ = targetsMet_ && !missed;
    out << formatted("%.2f", result->peakMegabytes) << " MB (target under " << kMemoryTargetMegabytes << " MB)"
        << (missed ? " !" : "") << "\n";
}

}  // namespace tessary::bench
