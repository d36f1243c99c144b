#include "shell/dialogs/item_dialog_controls.h"

#include "model/lexicon.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/window_helpers.h"

namespace tessary {

std::optional<PlatformBox> platformBoxOf(int controlId) {
    switch (controlId) {
        case IDC_ITEM_WINDOWS:
            return PlatformBox::Windows;
        case IDC_ITEM_MAC_CLASSIC:
            return PlatformBox::MacClassic;
        case IDC_ITEM_MAC_X:
            return PlatformBox::MacX;
        default:
            return std::nullopt;
    }
}

void showPlatformBoxes(HWND dialog, const PlatformBoxes& boxes) {
    showCheck(dialog, IDC_ITEM_WINDOWS, boxes.ticked(PlatformBox::Windows), boxes.enabled(PlatformBox::Windows));
    showCheck(dialog, IDC_ITEM_MAC_CLASSIC, boxes.ticked(PlatformBox::MacClassic),
              boxes.enabled(PlatformBox::MacClassic));
    showCheck(dialog, IDC_ITEM_MAC_X, boxes.ticked(PlatformBox::MacX), boxes.enabled(PlatformBox::MacX));
}

void fillKeyList(HWND dialog, const ShortcutControls& shortcut) {
    HWND list = GetDlgItem(dialog, IDC_ITEM_KEY);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    if (!shortcut.isFilled()) {
        return;
    }
    for (int i = 0; i < kShortcutKeyListCount; ++i) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ShortcutKeyListAt(i)));
    }
}

void showShortcut(HWND dialog, const ShortcutControls& shortcut) {
    showCheck(dialog, IDC_ITEM_CTRL, shortcut.ctrl(), shortcut.enabled());
    showCheck(dialog, IDC_ITEM_ALT, shortcut.alt(), shortcut.enabled());
    HWND list = GetDlgItem(dialog, IDC_ITEM_KEY);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(shortcut.entry()), 0);
    EnableWindow(list, shortcut.enabled());
}

void showCheck(HWND dialog, int controlId, bool ticked, bool enabled) {
    CheckDlgButton(dialog, controlId, ticked ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, controlId), enabled);
}

void showText(HWND dialog, int controlId, const std::string& text, bool enabled) {
    HWND field = GetDlgItem(dialog, controlId);
    if (windowText(field) != text) {
        SetWindowTextA(field, text.c_str());
    }
    EnableWindow(field, enabled);
}

void showControl(HWND dialog, int controlId, bool shown) {
    ShowWindow(GetDlgItem(dialog, controlId), shown ? SW_SHOW : SW_HIDE);
}

void sizeListEntries(HWND list) {
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    const int height = metrics.tmHeight + 2;
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessageA(list, CB_SETITEMHEIGHT, 0, height);
}

void drawListEntry(const DRAWITEMSTRUCT& item, bool grey) {
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    int background = COLOR_WINDOW;
    int foreground = COLOR_WINDOWTEXT;
    if (grey || disabled) {
        foreground = COLOR_GRAYTEXT;
    } else if (selected) {
        background = COLOR_HIGHLIGHT;
        foreground = COLOR_HIGHLIGHTTEXT;
    }
    FillRect(dc, &item.rcItem, GetSysColorBrush(background));
    if (item.itemID == static_cast<UINT>(-1)) {
        return;  // an empty list, or no entry chosen
    }
    char text[64] = {};
    SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(foreground));
    RECT rect = item.rcItem;
    DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        DrawFocusRect(dc, &item.rcItem);
    }
}

namespace {

int controlOf(DialogField field) {
    switch (field) {
        case DialogField::Name:
            return IDC_ITEM_NAME;
        case DialogField::Script:
            return IDC_SCRIPT_SCRIPT;
        case DialogField::UserString:
            return IDC_ITEM_USER_STRING;
        default:
            return 0;
    }
}

}  // namespace

bool passOkChecks(HWND dialog, const OkChecks& checks) {
    for (const OkCheck& check : checks) {
        UINT icon = 0;
        if (check.icon == OkCheck::Icon::Warning) {
            icon = MB_ICONWARNING;
        } else if (check.icon == OkCheck::Icon::Stop) {
            icon = MB_ICONSTOP;
        }
        if (check.kind == OkCheck::Kind::Refusal) {
            showStringMessage(dialog, check.messageId, MB_OK | icon);
            if (const int control = controlOf(check.focus)) {
                SetFocus(GetDlgItem(dialog, control));
            }
            return false;
        }
        if (showStringMessage(dialog, check.messageId, MB_YESNO | icon) != IDYES) {
            return false;
        }
    }
    return true;
}

void drawKeyListEntry(const DRAWITEMSTRUCT& item, const ShortcutControls& shortcut) {
    const int entry = static_cast<int>(item.itemID);
    drawListEntry(item, entry >= 0 && !shortcut.choosable(entry));
}

bool ctrlHeldNow() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace tessary
