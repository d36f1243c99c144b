// JSON output of tessary-cli. Texts of the menu are bytes of the Windows ANSI
// code page (1252); JSON is UTF-8, so every text is converted on the way out.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {
class MenuTree;
}

namespace tessary::cli {

// Appends the code page 1252 text as UTF-8. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same number, as Windows converts them.
void AppendWindows1252AsUtf8(std::string& out, std::string_view text);

// Appends the text as a JSON string: quotes, converted to UTF-8, with '"',
// '\' and every control character escaped.
void AppendJsonString(std::string& out, std::string_view text);

// {"kind":"main|context|popup","nodes":[NODE,...]} with
// NODE = {"caption":S,"type":T,"platforms":N,"shortcut":N,"fmId":N,"enabled":N,"checkOn":N,
//         "useLocalCaption":N,"scriptName":S,"userString":S,"children":[NODE,...]}
// holding the records' stored values; one line, no blanks.
std::string TreeJson(const MenuTree& tree, MenuKind kind);

}  // namespace tessary::cli
