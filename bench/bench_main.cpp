// tessary-bench: how close reading, loading and writing menu code come to the
// limit of touching each byte once. Every kind of work runs on every shape and
// size of input; the summary at the end puts them side by side.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "bench_cases.h"
#include "ratio_report.h"

namespace tessary::bench {
namespace {

using Body = void (*)(benchmark::State&, Shape, size_t);

struct Case {
    const char* name;
    Body body;
    benchmark::TimeUnit unit;
};
constexpr Case kCases[] = {
    {"Baseline/LineScan", lineScan, benchmark::kMicrosecond},
    {"Parse", parse, benchmark::kMicrosecond},
    {"Load", load, benchmark::kMicrosecond},
    {"Generate", generate, benchmark::kMicrosecond},
    {"RoundTrip", roundTrip, benchmark::kMicrosecond},
    {"Preview", preview, benchmark::kMicrosecond},
};

void registerAll() {
    for (Shape shape : kShapes) {
        for (size_t size : kSizes) {
            const std::string suffix = std::string("/") + shapeName(shape) + "/" + std::to_string(size / 1024) + "K";
            for (const Case& c : kCases) {
                benchmark::RegisterBenchmark((c.name + suffix).c_str(), c.body, shape, size)->Unit(c.unit);
            }
        }
    }
}

}  // namespace
}  // namespace tessary::bench

// The C library hands large freed blocks back to the system and takes fresh
// ones when it is next asked, by rules that move with the sizes it has seen:
// then every page of a tree's records or of a text is faulted in again on each
// round. The figures are to show the conversions, so memory once taken stays
// with the process, as it does in the editor's own heap on Windows. (Without
// this, a round trip of the deepest nesting at 511 KB took 9 ms instead of 3.)
static void keepFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

int main(int argc, char** argv) {
    using namespace tessary::bench;
    keepFreedMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    if (const std::string problems = checkInputs(); !problems.empty()) {
        std::fprintf(stderr, "tessary-bench: inputs that cannot be measured:\n%s", problems.c_str());
        return 1;
    }
    registerAll();
    RatioReporter reporter(benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
