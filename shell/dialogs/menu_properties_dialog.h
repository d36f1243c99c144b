// "Menu Properties": a menu or the application menu, added or edited.
#pragma once

#include <windows.h>

#include "editor/menu_properties_rules.h"

namespace tessary {

// Shows the rules' view and reports every change to them; true when OK was
// pressed and every check of OK passed (the caller then applies the rules).
bool runMenuPropertiesDialog(HWND owner, MenuPropertiesRules& rules);

}  // namespace tessary
