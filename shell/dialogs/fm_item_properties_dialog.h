// "Menu Item Properties": a FileMaker command added or edited, or a whole
// standard FileMaker menu added.
#pragma once

#include <windows.h>

#include "editor/fm_item_properties_rules.h"

namespace tessary {

// True when OK was pressed and its checks passed; the caller applies the rules.
bool runFmItemPropertiesDialog(HWND owner, FmItemPropertiesRules& rules);

}  // namespace tessary
