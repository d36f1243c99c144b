// The Windows clipboard for menu code text.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

// Places the text as CF_TEXT; false with a reason when the clipboard refused.
// The clipboard is closed on every path.
bool setClipboardText(std::string_view text, std::string* reason = nullptr);
// Reads CF_TEXT; empty when the clipboard holds no text.
std::string clipboardTextContent();

}  // namespace tessary
