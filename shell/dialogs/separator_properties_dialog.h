// "Separator Properties": a separator added, or its platforms changed.
#pragma once

#include <windows.h>

#include "editor/separator_properties_rules.h"

namespace tessary {

// True when OK was pressed and its checks passed; the caller applies the rules.
bool runSeparatorPropertiesDialog(HWND owner, SeparatorPropertiesRules& rules);

}  // namespace tessary
