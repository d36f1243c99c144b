// "Select Script": lists the scripts of the file open in FileMaker, as the
// plug-in reports them, and hands the chosen one to "Script Properties".
#pragma once

#include <windows.h>

#include "editor/script_properties_rules.h"
#include "fmlink/plugin_link.h"

namespace tessary {

// Asks the plug-in for the scripts and, when it answered, opens the dialog
// over the owner. True when a script was chosen and handed to the rules; false
// when the plug-in gave no answer (the link has told the user) or the user
// cancelled.
bool runSelectScriptDialog(HWND owner, ScriptPropertiesRules& rules, PluginLink& link);

}  // namespace tessary
