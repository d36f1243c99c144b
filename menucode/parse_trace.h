// Callbacks that write one line per call: the trace of a parse, as printed by
// `tessary-cli trace` and compared by the parser's tests.
//   BeginMenuBar -> H                      AbortMenuBar H
//   AttachMenuToBar BAR MENU MENUSPEC -> 1 BeginMenu MENUSPEC -> H
//   DiscardMenu H                          AddItem PARENT ITEMSPEC -> 1
//   AttachSubmenu PARENT MENU MENUSPEC -> 1
//   BeginAppMenu -> H                      NameAppMenu BAR MENU "caption" -> 1
// Handles are given out 1, 2, 3, ... in the order of the Begin calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "menucode/parse_types.h"
#include "model/menu_item_record.h"

namespace tessary {

// MENUSPEC: platforms=P caption="..."|none fmMenuId=N
std::string FormatMenuSpec(const MenuSpec& menuSpec);
// ITEMSPEC: platforms=P kind=K caption="..."|none modifiers=M key=K enabled=E
//           userString="..."|none target=N|"..." checkOn=C
std::string FormatItemSpec(const ItemSpec& itemSpec);

class ParseTracer {
public:
    struct Options {
        bool appMenuSlots = true;  // slots 8 and 9
        // Refuse the refuseAt-th call (from 1) of the callback named here:
        // a 0 handle or false, shown as "-> 0".
        std::string refuse;
        int refuseAt = 1;
    };

    ParseTracer();
    explicit ParseTracer(Options options);
    ParseTracer(const ParseTracer&) = delete;
    ParseTracer& operator=(const ParseTracer&) = delete;

    // The callbacks refer to this tracer; it must outlive every parse using them.
    const ParseCallbacks& callbacks() const { return callbacks_; }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    bool refuses(std::string_view name);
    MenuHandle nextHandle(std::string_view name);
    std::string result(bool accepted) const { return accepted ? " -> 1" : " -> 0"; }

    Options options_;
    ParseCallbacks callbacks_;
    std::vector<std::string> lines_;
    MenuHandle lastHandle_ = 0;
    std::vector<std::pair<std::string, int>> calls_;
};

struct TraceResult {
    uint32_t status = 0;
    uint32_t line = 0;
    std::vector<std::string> lines;  // the callbacks' lines, then "status S line L"
};

// Runs the entry point of `kind` over the text with the tracer's callbacks.
TraceResult TraceParse(MenuKind kind,
                       const char* text,
                       uint32_t length,
                       uint32_t requestedPlatforms,
                       ParseTracer& tracer,
                       bool noScriptItems = false);
// The same with a tracer that accepts everything.
TraceResult TraceParse(MenuKind kind, std::string_view text, uint32_t requestedPlatforms = 7);

}  // namespace tessary
