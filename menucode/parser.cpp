// The three entry points: run the top-level rule on a parser of their own,
// turn the stopping position into a line number, and let no exception out.
#include "menucode/parser.h"

#include "menucode/syntax_parser.h"

namespace tessary {

namespace {

enum class Entry : uint8_t { MenuBar, Context, Popup };

uint32_t runParse(Entry entry,
                  const ParseCallbacks& callbacks,
                  const char* text,
                  uint32_t length,
                  uint32_t requestedPlatforms,
                  bool noScriptItems,
                  MenuHandle* topHandle,
                  uint32_t* line) {
    if (line) {
        *line = 0;
    }
    try {
        FMSyntaxParser parser(callbacks, text, length, requestedPlatforms, noScriptItems);
        const uint32_t status = entry == Entry::MenuBar ? parser.ParseMenuBarText(topHandle)
                                                        : parser.ParseMenuText(entry == Entry::Popup, topHandle);
        if (line) {
            *line = parser.CurrentLineIndex() + 1;
        }
        return status;
    } catch (...) {
        return kParseRefused;
    }
}

}  // namespace

uint32_t ParseMenuBarCode(const ParseCallbacks& callbacks,
                          const char* text,
                          uint32_t length,
                          uint32_t requestedPlatforms,
                          bool noScriptItems,
                          MenuHandle* topHandle,
                          uint32_t* line) {
    return runParse(Entry::MenuBar, callbacks, text, length, requestedPlatforms, noScriptItems, topHandle, line);
}

uint32_t ParseContextMenuCode(const ParseCallbacks& callbacks,
                              const char* text,
                              uint32_t length,
                              uint32_t requestedPlatforms,
                              MenuHandle* topHandle,
                              uint32_t* line) {
    return runParse(Entry::Context, callbacks, text, length, requestedPlatforms, false, topHandle, line);
}

uint32_t ParsePopupMenuCode(const ParseCallbacks& callbacks,
                            const char* text,
                            uint32_t length,
                            uint32_t requestedPlatforms,
                            MenuHandle* topHandle,
                            uint32_t* line) {
    return runParse(Entry::Popup, callbacks, text, length, requestedPlatforms, false, topHandle, line);
}

}  // namespace tessary
