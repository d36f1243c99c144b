#include "shell/main_window_controls.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "shell/app_state.h"
#include "shell/message_box.h"
#include "shell/tree_control.h"

namespace tessary {

const SideButton kSideButtons[9] = {
    {IDS_BUTTON_ADD_MENU, ID_MENU_ADD_MENU},
    {IDS_BUTTON_ADD_SCRIPT, ID_MENU_ADD_SCRIPT},
    {IDS_BUTTON_ADD_FM_ITEM, ID_MENU_ADD_FM_ITEM},
    {IDS_BUTTON_ADD_SEPARATOR, ID_MENU_ADD_SEPARATOR},
    {IDS_BUTTON_PROPERTIES, ID_MENU_PROPERTIES},
    {IDS_BUTTON_DELETE, ID_MENU_DELETE},
    {IDS_BUTTON_PREVIEW, ID_MENU_PREVIEW},
    {IDS_BUTTON_COPY_STRING_CODE, ID_MENU_COPY_STRING_CODE},
    {IDS_BUTTON_COPY_CODE, ID_MENU_COPY_CODE},
};

namespace {

// The text the code edit can hold: a whole document (0x80000 bytes with its NUL).
constexpr int kCodeEditLimit = 0x80000 - 1;

LRESULT CALLBACK hintButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_MOUSEMOVE && gApp.mainWindow) {
        PostMessageA(gApp.mainWindow, WM_MENUSELECT, MAKEWPARAM(GetDlgCtrlID(button), 0), 0);
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

LRESULT CALLBACK codeEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_DROPFILES && gApp.mainWindow) {
        return SendMessageA(gApp.mainWindow, WM_DROPFILES, wParam, lParam);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

// The toolbar strip marks its background with pure red; the buttons show the
// button face there instead.
HBITMAP loadToolbarBitmap(HINSTANCE instance) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return nullptr;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 49; ++x) {
            if (GetPixel(dc, x, y) == RGB(255, 0, 0)) {
                SetPixel(dc, x, y, face);
            }
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

HWND createToolbar(HWND parent, HINSTANCE instance) {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_LIST | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                       CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                                   0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kToolbarId), instance, nullptr);
    if (!toolbar) {
        return nullptr;
    }
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    TBADDBITMAP bitmap = {nullptr, reinterpret_cast<UINT_PTR>(loadToolbarBitmap(instance))};
    SendMessageA(toolbar, TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&bitmap));
    TBBUTTON buttons[5] = {
        {0, ID_FILE_NEW, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {1, ID_FILE_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {2, ID_FILE_SAVE, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    SendMessageA(toolbar, TB_ADDBUTTONS, 5, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(16, 16));
    SendMessageA(toolbar, TB_SETROWS, MAKEWPARAM(1, FALSE), 0);
    SIZE size = {};
    SendMessageA(toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(toolbar, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return toolbar;
}

HWND createLine(HWND parent, HINSTANCE instance) {
    return CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT | SS_SUNKEN, 0, 0, 0, 2, parent,
                           nullptr, instance, nullptr);
}

HWND createCodeEdit(HWND parent, HINSTANCE instance) {
    // No control id: the edit's notifications must match no command.
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, "EDIT", "",
                                WS_CHILD | WS_BORDER | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                    ES_AUTOHSCROLL,
                                0, 0, 0, 0, parent, nullptr, instance, nullptr);
    if (!edit) {
        return nullptr;
    }
    // A multi-line edit holds 32 KB unless told otherwise; documents reach 512 KB.
    SendMessageA(edit, EM_SETLIMITTEXT, kCodeEditLimit, 0);
    HFONT font = createControlFont(edit, "Courier New", false, 0);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(edit, codeEditProc, 1, 0);
    return edit;
}

void place(HWND control, int x, int y, int width, int height) {
    if (control) {
        SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

HFONT createControlFont(HWND control, const char* face, bool bold, int height) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!current) {
        current = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    LOGFONTA base = {};
    GetObjectA(current, sizeof base, &base);
    LOGFONTA font = {};
    font.lfHeight = height ? height : base.lfHeight;
    font.lfWeight = bold ? 700 : 100;
    font.lfCharSet = 255;
    lstrcpynA(font.lfFaceName, face ? face : base.lfFaceName, LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

HWND createHintButton(HWND parent, HINSTANCE instance, const char* text, int width, int height, UINT commandId) {
    HWND button = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, width,
                                  height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(commandId)), instance,
                                  nullptr);
    if (button) {
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        SetWindowSubclass(button, hintButtonProc, 1, 0);
    }
    return button;
}

void createMainWindowControls(HWND mainWindow, HINSTANCE instance) {
    gApp.statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                     mainWindow, nullptr, instance, nullptr);
    gApp.toolbar = createToolbar(mainWindow, instance);

    gApp.tabControl = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                      mainWindow, nullptr, instance, nullptr);
    SendMessageA(gApp.tabControl, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>("Menu Tree");
    SendMessageA(gApp.tabControl, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tab));
    tab.pszText = const_cast<char*>("Menu Code");
    SendMessageA(gApp.tabControl, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&tab));

    gApp.topLine = createLine(mainWindow, instance);
    gApp.buttonLine = createLine(mainWindow, instance);

    gApp.treeControl = createTreeControl(mainWindow, instance);
    gApp.codeEdit = createCodeEdit(mainWindow, instance);

    for (int i = 0; i < 9; ++i) {
        gApp.sideButtons[i] = createHintButton(mainWindow, instance, loadString(kSideButtons[i].stringId).c_str(),
                                           kSideButtonWidth, kSideButtonHeight, kSideButtons[i].commandId);
    }
}

void layoutMainWindow(HWND mainWindow) {
    RECT client;
    GetClientRect(mainWindow, &client);
    const int w = client.right;
    const int h = client.bottom;

    int statusHeight = 0;
    if (gApp.statusBar) {
        SendMessageA(gApp.statusBar, WM_SIZE, 0, 0);
        RECT status;
        GetWindowRect(gApp.statusBar, &status);
        statusHeight = status.bottom - status.top;
        place(gApp.statusBar, 0, h - statusHeight, w, statusHeight);
    }
    place(gApp.tabControl, 5, 15, w - 118, h - 41);
    place(gApp.treeControl, 10, 40, w - 128, h - 71);
    place(gApp.codeEdit, 10, 40, w - 128, h - 71);
    place(gApp.topLine, 5, 0, w - 10, 2);
    if (gApp.toolbar) {
        SetWindowPos(gApp.toolbar, nullptr, w - 108, 35, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int x = w - 106;
    const int tops[9] = {75, 105, 135, 165, 200, 230, h - 110, h - 80, h - 50};
    for (int i = 0; i < 9; ++i) {
        place(gApp.sideButtons[i], x, tops[i], kSideButtonWidth, kSideButtonHeight);
    }
    place(gApp.buttonLine, x, 193, kSideButtonWidth, 2);
    // The bottom buttons move with the window's lower edge.
    for (int i = 6; i < 9; ++i) {
        if (gApp.sideButtons[i]) {
            InvalidateRect(gApp.sideButtons[i], nullptr, TRUE);
        }
    }
}

HWND sideButton(UINT commandId) {
    for (int i = 0; i < 9; ++i) {
        if (kSideButtons[i].commandId == commandId) {
            return gApp.sideButtons[i];
        }
    }
    return nullptr;
}

}  // namespace tessary
