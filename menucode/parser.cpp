// The three entry points: run the top-level rule on a parser of their own,
// turn the stopping position into a line number, and let no exception out.
#include "menucode/parser.h"

#include <algorithm>
#include <limits>

#include "menucode/syntax_parser.h"

namespace tessary {

namespace {

enum class Entry : uint8_t { MenuBar, Context, Popup };

ParseStatus runParse(Entry entry,
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
        return static_cast<ParseStatus>(status);
    } catch (...) {
        return kParseRefused;
    }
}

}  // namespace

ParseStatus ParseMenuBarCode(const ParseCallbacks& callbacks,
                             const char* text,
                             uint32_t length,
                             uint32_t requestedPlatforms,
                             bool noScriptItems,
                             MenuHandle* topHandle,
                             uint32_t* line) {
                             return runParse(Entry::MenuBar, callbacks, text, length, requestedPlatforms, noScriptItems, topHandle, line);
}

ParseStatus ParseContextMenuCode(const ParseCallbacks& callbacks,
                                 const char* text,
                                 uint32_t length,
                                 uint32_t requestedPlatforms,
                                 MenuHandle* topHandle,
                                 uint32_t* line) {
                                 return runParse(Entry::Context, callbacks, text, length, requestedPlatforms, false, topHandle, line);
}

ParseStatus ParsePopupMenuCode(const ParseCallbacks& callbacks,
                               const char* text,
                               uint32_t length,
                               uint32_t requestedPlatforms,
                               MenuHandle* topHandle,
                               uint32_t* line) {
                               return runParse(Entry::Popup, callbacks, text, length, requestedPlatforms, false, topHandle, line);
}

ParseStatus parseMenuCode(const ParseCallbacks& callbacks,
                          std::string_view text,
                          MenuKind kind,
                          uint32_t requestedPlatforms,
                          uint32_t* line) {
    const auto length = static_cast<uint32_t>(std::min<size_t>(text.size(), std::numeric_limits<uint32_t>::max()));
    MenuHandle top = 0;
    switch (kind) {
        case MenuKind::MainMenu:
            return ParseMenuBarCode(callbacks, text.data(), length, requestedPlatforms, false, &top, line);
        case MenuKind::ContextMenu:
            return ParseContextMenuCode(callbacks, text.data(), length, requestedPlatforms, &top, line);
        case MenuKind::PopupMenu:
            return ParsePopupMenuCode(callbacks, text.data(), length, requestedPlatforms, &top, line);
    }
    if (line) {
        *line = 1;
    }
    return kParseMissingToken;
}

}  // namespace tessary
