// "Preferences": the start-up wizard and the hint after the copy commands.
#pragma once

#include <windows.h>

#include "editor/preferences_rules.h"

namespace tessary {

// Shows io; on OK (true) io holds the boxes as ticked. Cancel: false.
bool runPreferencesDialog(HWND owner, PreferencesFields& io);

}  // namespace tessary
