// The three entry points: run the top-level rule on a parser of their own,
// turn the stopping position into a line number, and let no exception out.
// RunMenuCodeParse (syntax_parser.h) is the same without the line.
#include "menucode/parser.h"

#include "menucode/syntax_parser.h"

namespace tessary {

ParseOutcome RunMenuCodeParse(MenuCodeEntry entry,
                              const ParseCallbacks& callbacks,
                              const char* text,
                              uint32_t length,
                              uint32_t requestedPlatforms,
                              bool noScriptItems,
                              MenuHandle* topHandle) {
    ParseOutcome outcome;
    try {
        FMSyntaxParser parser(callbacks, text, length, requestedPlatforms, noScriptItems);
        outcome.status = entry == MenuCodeEntry::MenuBar
                             ? parser.ParseMenuBarText(topHandle)
                             : parser.ParseMenuText(entry == MenuCodeEntry::Popup, topHandle);
        outcome.stopped = parser.position();
    } catch (...) {
        outcome.status = kParseRefused;
        outcome.leftByThrow = true;
    }
    return outcome;
}

namespace {

uint32_t runParse(MenuCodeEntry entry,
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
    const ParseOutcome outcome =
        RunMenuCodeParse(entry, callbacks, text, length, requestedPlatforms, noScriptItems, topHandle);
    if (line && !outcome.leftByThrow) {
        *line = LineIndexAt(text, text ? length : 0, outcome.stopped) + 1;
    }
    return outcome.status;
}

}  // namespace

uint32_t ParseMenuBarCode(const ParseCallbacks& callbacks,
                          const char* text,
                          uint32_t length,
                          uint32_t requestedPlatforms,
                          bool noScriptItems,
                          MenuHandle* topHandle,
                          uint32_t* line) {
    return runParse(MenuCodeEntry::MenuBar, callbacks, text, length, requestedPlatforms, noScriptItems, topHandle,
                    line);
}

uint32_t ParseContextMenuCode(const ParseCallbacks& callbacks,
                              const char* text,
                              uint32_t length,
                              uint32_t requestedPlatforms,
                              MenuHandle* topHandle,
                              uint32_t* line) {
    return runParse(MenuCodeEntry::Context, callbacks, text, length, requestedPlatforms, false, topHandle, line);
}

uint32_t ParsePopupMenuCode(const ParseCallbacks& callbacks,
                            const char* text,
                            uint32_t length,
                            uint32_t requestedPlatforms,
                            MenuHandle* topHandle,
                            uint32_t* line) {
    return runParse(MenuCodeEntry::Popup, callbacks, text, length, requestedPlatforms, false, topHandle, line);
}

}  // namespace tessary
