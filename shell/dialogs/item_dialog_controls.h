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
#include "resources/resource.h"

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

// Hands a change of the shortcut controls or the platform boxes to rules with
// chooseKey, tickCtrl, tickAlt and clickPlatform; false for any other control.
template <typename Rules>
bool forwardShortcutOrPlatform(HWND dialog, int controlId, int notifyCode, Rules& rules) {
    HWND control = GetDlgItem(dialog, controlId);
    if (controlId == IDC_ITEM_KEY && notifyCode == CBN_SELCHANGE) {
        rules.chooseKey(static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)));
        return true;
    }
    if (notifyCode != BN_CLICKED) {
        return false;
    }
    const bool ticked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (controlId == IDC_ITEM_CTRL) {
        rules.tickCtrl(ticked);
    } else if (controlId == IDC_ITEM_ALT) {
        rules.tickAlt(ticked);
    } else if (auto box = platformBoxOf(controlId)) {
        rules.clickPlatform(*box);
    } else {
        return false;
    }
    return true;
}

// Draws an entry of the key list: grey while it cannot be chosen.
void drawKeyListEntry(const DRAWITEMSTRUCT& item, const ShortcutControls& shortcut);

// Whether Ctrl is held down at this moment.
bool ctrlHeldNow();

}  // namespace tessary
