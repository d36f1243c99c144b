// "Go to Line" in the "Menu Code" tab: asks for a line of the code.
#pragma once

#include <windows.h>

#include "editor/code_text.h"

namespace tessary {

// Opens on io.line; on OK (true) io.line is the typed line, from 1 to
// io.lineCount. A number outside the text is refused with a message and the
// dialog stays open. Cancel: false.
bool runGoToLineDialog(HWND owner, GoToLineFields& io);

}  // namespace tessary
