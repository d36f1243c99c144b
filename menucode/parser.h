// Reading menu code: one entry point per menu kind. Each reads the text and
// reports what it finds through the callback table; it builds nothing itself.
#pragma once

#include <cstdint>
#include <string_view>

#include "menucode/parse_types.h"
#include "model/menu_item_record.h"

namespace tessary {

// Deepest nesting of menus (context or pop-up menu, application menu, FM_MENU)
// that the parser follows. A text nesting deeper is refused with
// kParseMisplaced at the line of the menu that passes the limit, so a hostile
// text cannot exhaust the stack.
constexpr int kMaxMenuDepth = 100;

// All three: `text` need not end with a NUL and is never read past `length`.
// `*line` (when given) is set to 0 at once and, on a normal return, to the
// number of the non-empty line at which reading stopped, counted from 1.
// `*topHandle` (when given) receives the menu bar's or menu's handle on
// kParseOk only. If an exception leaves the parse the result is kParseRefused
// and the line stays 0. Slots 1-7 are needed for a main menu, slots 4-7 for
// the other kinds; slots 8 and 9 are optional but go together.
ParseStatus ParseMenuBarCode(const ParseCallbacks& callbacks,
                             const char* text,
                             uint32_t length,
                             uint32_t requestedPlatforms,
                             bool noScriptItems,
                             MenuHandle* topHandle,
                             uint32_t* line);
ParseStatus ParseContextMenuCode(const ParseCallbacks& callbacks,
                                 const char* text,
                                 uint32_t length,
                                 uint32_t requestedPlatforms,
                                 MenuHandle* topHandle,
                                 uint32_t* line);
ParseStatus ParsePopupMenuCode(const ParseCallbacks& callbacks,
                               const char* text,
                               uint32_t length,
                               uint32_t requestedPlatforms,
                               MenuHandle* topHandle,
                               uint32_t* line);

// The entry point of the kind (ParseMenuBarCode for a main menu, with
// noScriptItems clear) over `text` (up to its first 4 GB), for callers that
// need no top handle. A kind outside the three reads nothing: kParseMissingToken at line 1.
ParseStatus parseMenuCode(const ParseCallbacks& callbacks,
                          std::string_view text,
                          MenuKind kind,
                          uint32_t requestedPlatforms,
                          uint32_t* line = nullptr);

}  // namespace tessary
