// The hint after Copy Code and Copy String Code: one centred line telling
// where the code can be pasted, and "Do not show again".
#pragma once

#include <windows.h>

#include "editor/copy_hint_rules.h"

namespace tessary {

// Shows io's text and box; OK (true) leaves the box's state in io. Closing
// the hint any other way: false.
bool runCopyHintDialog(HWND owner, CopyHintFields& io);

}  // namespace tessary
