// "Script Properties": a script item or a Mac system item, added or edited.
#pragma once

#include <windows.h>

#include "editor/script_properties_rules.h"

namespace tessary {

// True when OK was pressed and its checks passed; the caller applies the rules.
bool runScriptPropertiesDialog(HWND owner, ScriptPropertiesRules& rules);

}  // namespace tessary
