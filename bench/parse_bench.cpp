// Reading menu code, side by side with the limit of touching each byte once.
#include <string>

#include "bench_cases.h"
#include "menucode/parser.h"

namespace tessary::bench {
namespace {

ParseCallbacks acceptingCallbacks() {
    ParseCallbacks callbacks;
    callbacks.BeginMenuBar = [] { return MenuHandle{1}; };
    callbacks.AbortMenuBar = [](MenuHandle) {};
    callbacks.AttachMenuToBar = [](MenuHandle, MenuHandle, const MenuSpec&) { return true; };
    callbacks.BeginMenu = [](const MenuSpec&) { return MenuHandle{2}; };
    callbacks.DiscardMenu = [](MenuHandle) {};
    callbacks.AddItem = [](MenuHandle, const ItemSpec&) { return true; };
    callbacks.AttachSubmenu = [](MenuHandle, MenuHandle, const MenuSpec&) { return true; };
    callbacks.BeginAppMenu = [](uint32_t) { return MenuHandle{3}; };
    callbacks.NameAppMenu = [](MenuHandle, MenuHandle, std::string_view) { return true; };
    return callbacks;
}

uint32_t parseText(const ParseCallbacks& callbacks, Shape shape, const std::string& text) {
    MenuHandle top = 0;
    uint32_t line = 0;
    const auto length = static_cast<uint32_t>(text.size());
    return shapeMenuKind(shape) == MenuKind::MainMenu
               ? ParseMenuBarCode(callbacks, text.data(), length, kPlatformAll, false, &top, &line)
               : ParseContextMenuCode(callbacks, text.data(), length, kPlatformAll, &top, &line);
}

}  // namespace

void lineScan(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = benchInput(shape, size);
    for (auto _ : state) {
        size_t lines = 0;
        for (char c : text) {
            lines += c == '\n';
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["in_bytes"] = static_cast<double>(text.size());
}

void parse(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = benchInput(shape, size);
    const ParseCallbacks callbacks = acceptingCallbacks();
    if (const uint32_t status = parseText(callbacks, shape, text); status != kParseOk) {
        state.SkipWithError(("input does not parse, status " + std::to_string(status)).c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseText(callbacks, shape, text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["in_bytes"] = static_cast<double>(text.size());
}

std::string checkParse(Shape shape, const std::string& text) {
    const uint32_t status = parseText(acceptingCallbacks(), shape, text);
    return status == kParseOk ? std::string() : "parse status " + std::to_string(status);
}

}  // namespace tessary::bench
