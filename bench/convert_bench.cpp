// Loading menu code into a MenuTree and generating it back, for the shapes a
// document takes and the deep nesting that makes loading move menus again
// and again.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "menu_inputs.h"
#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::bench {
namespace {

constexpr size_t kConvertSizes[] = {64 * 1024, 511 * 1024};
constexpr Shape kConvertShapes[] = {Shape::MainMenu, Shape::ContextMenu, Shape::DeepNesting};

const std::string& convertInput(Shape shape, size_t size) {
    static std::map<std::pair<int, size_t>, std::string> cache;
    std::string& text = cache[{static_cast<int>(shape), size}];
    if (text.empty()) {
        text = makeMenuCode(shape, size);
    }
    return text;
}

MenuKind kindOf(Shape shape) {
    return shapeMenuKind(shape) == 0 ? MenuKind::MainMenu : MenuKind::ContextMenu;
}

// Emptying the tree and loading the text, as opening a document does.
void load(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = convertInput(shape, size);
    MenuTree tree;
    for (auto _ : state) {
        tree.clearTree();
        if (LoadCodeIntoTree(tree, text, kindOf(shape)) != kLoadAccepted) {
            state.SkipWithError("input does not load");
            return;
        }
    }
    state.counters["nodes"] = static_cast<double>(tree.nodeCount());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Generating the code of the loaded tree into a document's buffer.
void generate(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = convertInput(shape, size);
    MenuTree tree;
    if (LoadCodeIntoTree(tree, text, kindOf(shape)) != kLoadAccepted) {
        state.SkipWithError("input does not load");
        return;
    }
    // Deep menus are written with a tab per level and can outgrow a document.
    std::vector<char> buffer(16 * kMenuCodeBufferSize);
    size_t written = 0;
    for (auto _ : state) {
        if (!GenerateMenuCode(tree, kindOf(shape), buffer.data(), buffer.size(), false)) {
            state.SkipWithError("the tree is not written");
            return;
        }
        written = std::char_traits<char>::length(buffer.data());
    }
    state.counters["bytes_out"] = static_cast<double>(written);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * written));
}

int registerConversions() {
    for (Shape shape : kConvertShapes) {
        for (size_t size : kConvertSizes) {
            const std::string suffix = std::string(shapeName(shape)) + "/" + std::to_string(size / 1024) + "K";
            benchmark::RegisterBenchmark(("Load/" + suffix).c_str(), load, shape, size)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Generate/" + suffix).c_str(), generate, shape, size)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return 0;
}

const int kConversionsRegistered = registerConversions();

}  // namespace
}  // namespace tessary::bench
