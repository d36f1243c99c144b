// "New menu": asks for the kind of a new document.
#pragma once

#include <windows.h>

#include "editor/new_menu_rules.h"

namespace tessary {

// Opens on io.kind; on OK (true) io.kind is the chosen kind. Cancel: false.
bool runNewMenuDialog(HWND owner, NewMenuFields& io);

}  // namespace tessary
