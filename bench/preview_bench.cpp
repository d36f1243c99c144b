// The menu preview's reading: menu code into the preview's tree of entries,
// for Windows, as the Preview Menu command builds it before any native menu.
#include <string>

#include "bench_cases.h"
#include "editor/preview_menu.h"

namespace tessary::bench {

void preview(benchmark::State& state, Shape shape, size_t size) {
    const std::string& text = benchInput(shape, size);
    const MenuKind kind = shapeMenuKind(shape);
    if (const uint32_t status = buildPreviewMenu(text, kind).status; status != kParseOk) {
        state.SkipWithError(("input does not preview, status " + std::to_string(status)).c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildPreviewMenu(text, kind));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["in_bytes"] = static_cast<double>(text.size());
}

}  // namespace tessary::bench
