// The entry point of every modal dialog of the editor, one .cpp each in this
// folder. Each fills its controls from what it is given, hands every change
// of the user's to it, and says whether OK ended it.
#pragma once

#include <windows.h>

namespace tessary {

class FmItemPropertiesRules;
class MenuPropertiesRules;
class PluginLink;
class ScriptPropertiesRules;
class SeparatorPropertiesRules;
struct CopyHintFields;
struct GoToLineFields;
struct NewMenuFields;
struct PreferencesFields;
struct StandardMenuChooserContext;

// ---- The item property dialogs ----
// Each shows its rules' view and reports every change to them; true when OK
// was pressed and every check of OK passed (the caller then applies the rules).

bool runMenuPropertiesDialog(HWND owner, MenuPropertiesRules& rules);
bool runScriptPropertiesDialog(HWND owner, ScriptPropertiesRules& rules);
bool runSeparatorPropertiesDialog(HWND owner, SeparatorPropertiesRules& rules);
// "Choose..." opens the standard-menu chooser over `chooser`.
bool runFmItemPropertiesDialog(HWND owner, FmItemPropertiesRules& rules, const StandardMenuChooserContext& chooser);

// Asks the plug-in for the scripts and, when it answered, opens "Select Script"
// over the owner. True when a script was chosen and handed to the rules; false
// when the plug-in gave no answer (the link has told the user) or the user
// cancelled.
bool runSelectScriptDialog(HWND owner, ScriptPropertiesRules& rules, PluginLink& link);

// ---- The small dialogs ----

// "New menu": opens on io.kind; on OK (true) io.kind is the chosen kind.
// Cancel: false.
bool runNewMenuDialog(HWND owner, NewMenuFields& io);
// "Preferences": shows io; on OK (true) io holds the boxes as ticked. Cancel:
// false.
bool runPreferencesDialog(HWND owner, PreferencesFields& io);
// The hint after a copy: shows io's text and box; OK (true) leaves the box's
// state in io. Closing the hint any other way: false.
bool runCopyHintDialog(HWND owner, CopyHintFields& io);
// "Go to Line" in the "Menu Code" tab: opens on io.line; on OK (true) io.line
// is the typed line, from 1 to io.lineCount. A number outside the text is
// refused with a message and the dialog stays open. Cancel: false.
bool runGoToLineDialog(HWND owner, GoToLineFields& io);
// "About".
void runAboutDialog(HWND owner);

}  // namespace tessary
