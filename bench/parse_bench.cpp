// Reading menu code, side by side with the limit of touching each byte once.
#include <benchmark/benchmark.h>

#include <string>

#include "menu_inputs.h"
#include "menucode/parser.h"

namespace tessary::bench {
namespace {

constexpr size_t kSizes[] = {64 * 1024, 128 * 1024, 256 * 1024, 511 * 1024};
constexpr Shape kShapes[] = {Shape::MainMenu,    Shape::ContextMenu, Shape::CommaFreeItems,
                             Shape::HugeCaption, Shape::DeepNesting, Shape::BlankLines};

size_t sizeIndex(size_t size) {
    for (size_t i = 0; i < std::size(kSizes); ++i) {
        if (kSizes[i] == size) {
            return i;
        }
    }
    return 0;
}

const std::string& input(Shape shape, size_t size) {
    static std::string cache[std::size(kShapes)][std::size(kSizes)];
    std::string& text = cache[static_cast<int>(shape)][sizeIndex(size)];
    if (text.empty()) {
        text = makeMenuCode(shape, size);
    }
    return text;
}

// The limit: one pass over the bytes, counting line breaks.
void lineScan(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = input(shape, size);
    for (auto _ : state) {
        size_t lines = 0;
        for (char c : text) {
            lines += c == '\n';
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

ParseCallbacks acceptingCallbacks() {
    ParseCallbacks callbacks;
    callbacks.BeginMenuBar = [] { return MenuHandle{1}; };
    callbacks.AbortMenuBar = [](MenuHandle) {};
    callbacks.AttachMenuToBar = [](MenuHandle, MenuHandle, const MenuSpec&) { return true; };
    callbacks.BeginMenu = [](const MenuSpec&) { return MenuHandle{2}; };
    callbacks.DiscardMenu = [](MenuHandle) {};
    callbacks.AddItem = [](MenuHandle, const ItemSpec&) { return true; };
    callbacks.AttachSubmenu = [](MenuHandle, MenuHandle, const MenuSpec&) { return true; };
    callbacks.BeginAppMenu = [] { return MenuHandle{3}; };
    callbacks.NameAppMenu = [](MenuHandle, MenuHandle, std::string_view) { return true; };
    return callbacks;
}

uint32_t parse(const ParseCallbacks& callbacks, Shape shape, const std::string& text) {
    MenuHandle top = 0;
    uint32_t line = 0;
    auto length = static_cast<uint32_t>(text.size());
    return shapeMenuKind(shape) == 0 ? ParseMenuBarCode(callbacks, text.data(), length, 7, false, &top, &line)
                                     : ParseContextMenuCode(callbacks, text.data(), length, 7, &top, &line);
}

void parseOnly(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = input(shape, size);
    ParseCallbacks callbacks = acceptingCallbacks();
    if (uint32_t status = parse(callbacks, shape, text); status != 0) {
        state.SkipWithError(("input does not parse, status " + std::to_string(status)).c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(parse(callbacks, shape, text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

int registerAll() {
    for (Shape shape : kShapes) {
        for (size_t size : kSizes) {
            std::string suffix = std::string(shapeName(shape)) + "/" + std::to_string(size / 1024) + "K";
            benchmark::RegisterBenchmark(("Baseline/LineScan/" + suffix).c_str(), lineScan, shape, size);
            benchmark::RegisterBenchmark(("Parse/" + suffix).c_str(), parseOnly, shape, size);
        }
    }
    return 0;
}

const int kRegistered = registerAll();

}  // namespace
}  // namespace tessary::bench

BENCHMARK_MAIN();
