// The "Menu Preview" window (class "VarnexPreview"): the document's menu as a
// real Windows menu, read from menu code for Windows once, when the window is
// made, and never updated. Any number may be open; each lives until it is
// closed or its owner goes.
#pragma once

#include <windows.h>

#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

struct Program;

// Opens a preview window owned by `owner` and centred over it, and builds the
// menu of `code` read as `kind`. A main menu becomes the window's menu bar. A
// context or pop-up menu becomes the program's kept pop-up menu, replacing
// (and destroying) the previous one; every context or pop-up preview window
// opens the kept menu when clicked. Code that does not parse gives what was
// read before the error, or no menu. Returns the window, or null when it
// cannot be made (then nothing changed).
HWND openMenuPreview(Program& program, HWND owner, std::string_view code, MenuKind kind);

// The message loop's first stop: a message for a preview window or one of its
// controls is handled as in a dialog there (Esc and Enter close the preview)
// and never reaches the editor's accelerators, so Alt+F4 closes the preview
// and not the program. True when the message was a preview window's.
bool translatePreviewMessage(MSG& msg);

}  // namespace tessary
