// The controls the item property dialogs share: the platform boxes, the
// shortcut controls, the owner-drawn drop-down lists with their grey entries,
// and the checks OK runs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "editor/item_dialog_rules.h"
#include "editor/platform_boxes.h"
#include "editor/shortcut_controls.h"

namespace tessary {

// The platform box a control id stands for.
std::optional<PlatformBox> platformBoxOf(int controlId);
void showPlatformBoxes(HWND dialog, const PlatformBoxes& boxes);

// Fills the key list with ShortcutKeyList once; an unfilled list stays empty.
void fillKeyList(HWND dialog, const ShortcutControls& shortcut);
void showShortcut(HWND dialog, const ShortcutControls& shortcut);

// Ticks and enables a check box.
void showCheck(HWND dialog, int controlId, bool ticked, bool enabled = true);
// Sets an edit field's text when it differs (so the caret stays), and enables it.
void showText(HWND dialog, int controlId, const std::string& text, bool enabled = true);
void showControl(HWND dialog, int controlId, bool shown);

// Makes the entries of an owner-drawn list as tall as the dialog's font.
void sizeListEntries(HWND list);
// Draws an entry of an owner-drawn list: centred text; a grey entry in the
// grey-text colour on the window colour, also when selected.
void drawListEntry(const DRAWITEMSTRUCT& item, bool grey);

// Runs OK's checks: a refusal shows its message and sends the focus to its
// field; a question is asked. True when every check passed.
bool passOkChecks(HWND dialog, const OkChecks& checks);

// Whether Ctrl is held down at this moment.
bool ctrlHeldNow();

}  // namespace tessary
