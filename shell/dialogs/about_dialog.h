// "About": the program's icon, name and version.
#pragma once

#include <windows.h>

namespace tessary {

void runAboutDialog(HWND owner);

}  // namespace tessary
