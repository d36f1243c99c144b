// "Menu Item Properties": a FileMaker command added or edited, or a whole
// standard FileMaker menu added.
#pragma once

#include <windows.h>

#include "editor/fm_item_properties_rules.h"
#include "shell/dialogs/standard_menu_chooser.h"

namespace tessary {

// True when OK was pressed and its checks passed; the caller applies the rules.
// "Choose..." opens the standard-menu chooser over `chooser`.
bool runFmItemPropertiesDialog(HWND owner, FmItemPropertiesRules& rules, const StandardMenuChooserContext& chooser);

}  // namespace tessary
