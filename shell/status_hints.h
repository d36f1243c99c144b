// The status line's hints for commands.
#pragma once

#include <windows.h>

namespace tessary {

// Shows the hint of a command (from a menu highlight, a side button or a
// toolbar tooltip request); menuFlags are WM_MENUSELECT's flags (0 otherwise).
void showCommandHint(UINT commandId, UINT menuFlags);
void clearStatusHint();

}  // namespace tessary
