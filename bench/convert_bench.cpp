// Loading menu code into a MenuTree and generating it back: the conversions a
// tab change, a save or a copy runs.
#include <memory>
#include <string>
#include <vector>

#include "bench_cases.h"
#include "heap_counter.h"
#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::bench {
namespace {

// Deep menus are written with a tab per level and outgrow a document's buffer;
// the writer's speed is measured all the same.
constexpr size_t kOutputCapacity = 16 * kDocumentBufferSize;

// The code of a loaded tree, or an empty text when it is not written.
std::string codeOf(const MenuTree& tree, MenuKind kind) {
    std::vector<char> buffer(kOutputCapacity);
    if (!GenerateMenuCode(tree, kind, buffer.data(), buffer.size())) {
        return std::string();
    }
    return std::string(buffer.data());
}

}  // namespace

void load(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = benchInput(shape, size);
    const MenuKind kind = shapeMenuKind(shape);
    size_t peak = 0;
    size_t nodes = 0;
    {
        HeapCount count;
        auto tree = std::make_unique<MenuTree>();
        if (!LoadCodeIntoTree(*tree, text, kind).isAccepted()) {
            state.SkipWithError("input does not load");
            return;
        }
        peak = count.peakBytes();
        nodes = tree->nodeCount();
    }
    for (auto _ : state) {
        MenuTree tree;
        benchmark::DoNotOptimize(LoadCodeIntoTree(tree, text, kind));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["in_bytes"] = static_cast<double>(text.size());
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}

void generate(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = benchInput(shape, size);
    const MenuKind kind = shapeMenuKind(shape);
    MenuTree tree;
    if (!LoadCodeIntoTree(tree, text, kind).isAccepted()) {
        state.SkipWithError("input does not load");
        return;
    }
    std::vector<char> buffer(kOutputCapacity);
    if (!GenerateMenuCode(tree, kind, buffer.data(), buffer.size())) {
        state.SkipWithError("the tree is not written");
        return;
    }
    const size_t written = std::char_traits<char>::length(buffer.data());
    for (auto _ : state) {
        benchmark::DoNotOptimize(GenerateMenuCode(tree, kind, buffer.data(), buffer.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * written));
    state.counters["in_bytes"] = static_cast<double>(text.size());
    state.counters["out_bytes"] = static_cast<double>(written);
}

void roundTrip(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = benchInput(shape, size);
    const MenuKind kind = shapeMenuKind(shape);
    std::vector<char> buffer(kOutputCapacity);
    for (auto _ : state) {
        MenuTree tree;
        if (!LoadCodeIntoTree(tree, text, kind).isAccepted() ||
            !GenerateMenuCode(tree, kind, buffer.data(), buffer.size())) {
            state.SkipWithError("the input does not come back");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["in_bytes"] = static_cast<double>(text.size());
}

std::string checkInputs() {
    std::string problems;
    for (Shape shape : kShapes) {
        for (size_t size : kSizes) {
            const std::string& text = benchInput(shape, size);
            std::string problem;
            if (text.size() > size || text.size() < size - size / 16) {
                problem = "size " + std::to_string(text.size());
            } else if (problem = checkParse(shape, text); problem.empty()) {
                MenuTree tree;
                if (!LoadCodeIntoTree(tree, text, shapeMenuKind(shape)).isAccepted()) {
                    problem = "does not load";
                } else {
                    const std::string code = codeOf(tree, shapeMenuKind(shape));
                    if (code.empty()) {
                        problem = "its tree is not written";
                    } else if (shapeIsWriterLayout(shape) && code != text) {
                        problem = "generated code differs from the input";
                    }
                }
            }
            if (!problem.empty()) {
                problems += std::string(shapeName(shape)) + "/" + std::to_string(size / 1024) + "K: " + problem + "\n";
            }
        }
    }
    return problems;
}

}  // namespace tessary::bench
