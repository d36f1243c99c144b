// The main window's child controls: creation in their fixed order and the
// layout that follows every size change.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "editor/code_text.h"
#include "menucode/code_tree.h"
#include "resources/resource.h"
#include "shell/code_view.h"
#include "shell/command_table.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/tree_control.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

constexpr int kToolbarId = 1;
// The toolbar's images, 16 x 16 pixels at 96 DPI.
constexpr int kToolbarImage = 16;
constexpr int kToolbarImageCount = 3;

// The text the code edit can hold: a whole document.
constexpr int kCodeEditLimit = static_cast<int>(kDocumentBufferSize - 1);

// The code's font: Consolas where it is installed, else Courier New, at 10
// points.
constexpr int kCodeFontPoints = 10;

// Whether a message to the code edit may move its caret.
bool movesCaret(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_SETFOCUS:
        case WM_SETTEXT:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_SETSEL:
        case EM_REPLACESEL:
            return true;
        case WM_MOUSEMOVE:
            return (wParam & MK_LBUTTON) != 0;
        default:
            return false;
    }
}

LRESULT CALLBACK codeEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR window) {
    if (message == WM_DROPFILES) {
        return SendMessageA(GetParent(edit), WM_DROPFILES, wParam, lParam);
    }
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (movesCaret(message, wParam)) {
        showCaretPlace(*reinterpret_cast<MainWindow*>(window));
    }
    return result;
}

// The toolbar strip marks its background with pure red; the buttons show the
// button face there instead. At more than 96 DPI each pixel of the strip is
// drawn as a square of the screen's pixels (nearest neighbour), which keeps
// the drawing's edges sharp.
HBITMAP loadToolbarBitmap(HINSTANCE instance, int imageSize) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return nullptr;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 49; ++x) {
            if (GetPixel(dc, x, y) == RGB(255, 0, 0)) {
                SetPixel(dc, x, y, face);
            }
        }
    }
    if (imageSize != kToolbarImage) {
        HDC screen = GetDC(nullptr);
        HBITMAP large = CreateCompatibleBitmap(screen, imageSize * kToolbarImageCount, imageSize);
        ReleaseDC(nullptr, screen);
        if (large) {
            HDC target = CreateCompatibleDC(nullptr);
            HGDIOBJ previous = SelectObject(target, large);
            SetStretchBltMode(target, COLORONCOLOR);
            StretchBlt(target, 0, 0, imageSize * kToolbarImageCount, imageSize, dc, 0, 0,
                       kToolbarImage * kToolbarImageCount, kToolbarImage, SRCCOPY);
            SelectObject(target, previous);
            DeleteDC(target);
            SelectObject(dc, old);
            DeleteObject(bitmap);
            DeleteDC(dc);
            return large;
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
    const int image = dpiScaled(kToolbarImage);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(image, image));
    TBADDBITMAP bitmap = {nullptr, reinterpret_cast<UINT_PTR>(loadToolbarBitmap(instance, image))};
    SendMessageA(toolbar, TB_ADDBITMAP, kToolbarImageCount, reinterpret_cast<LPARAM>(&bitmap));
    // The commands of the toolbar in table order, a separator between two; the
    // bitmap holds their images in the same order.
    std::vector<TBBUTTON> buttons;
    for (const Command& command : commandTable()) {
        if ((command.places & kOnToolbar) == 0) {
            continue;
        }
        if (!buttons.empty()) {
            buttons.push_back({0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0});
        }
        const int index = static_cast<int>(buttons.size() / 2);
        buttons.push_back({index, static_cast<int>(command.id), TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0});
    }
    SendMessageA(toolbar, TB_ADDBUTTONS, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(image, image));
    SendMessageA(toolbar, TB_SETROWS, MAKEWPARAM(1, FALSE), 0);
    SIZE size = {};
    SendMessageA(toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(toolbar, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return toolbar;
}

HWND createTabControl(HWND parent, HINSTANCE instance) {
    HWND tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                nullptr, instance, nullptr);
    SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>("Menu Tree");
    SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tab));
    tab.pszText = const_cast<char*>("Menu Code");
    SendMessageA(tabs, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&tab));
    return tabs;
}

HWND createLine(HWND parent, HINSTANCE instance) {
    return CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT | SS_SUNKEN, 0, 0, 0, 2, parent,
                           nullptr, instance, nullptr);
}

HWND createCodeEdit(HWND parent, HINSTANCE instance, MainWindow& window, HFONT& font) {
    // No control id: the edit's notifications must match no command.
    HWND edit =
        CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, "EDIT", "",
                        WS_CHILD | WS_BORDER | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                        0, 0, 0, 0, parent, nullptr, instance, nullptr);
    if (!edit) {
        return nullptr;
    }
    // A multi-line edit holds 32 KB unless told otherwise; documents reach 512 KB.
    SendMessageA(edit, EM_SETLIMITTEXT, kCodeEditLimit, 0);
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(kCodeFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font = createControlFont(edit, fontInstalled("Consolas") ? "Consolas" : "Courier New", false, height);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Tab stops in quarters of the font's average character width.
    INT tabStop = kCodeTabWidth * 4;
    SendMessageA(edit, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    SetWindowSubclass(edit, codeEditProc, 1, reinterpret_cast<DWORD_PTR>(&window));
    return edit;
}

void place(HWND control, const Box& box) {
    if (control) {
        SetWindowPos(control, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

void MainWindow::createControls() {
    HINSTANCE instance = program_.instance;
    MainWindowControls& c = controls_;
    c.statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window_,
                                  nullptr, instance, nullptr);
    c.toolbar = createToolbar(window_, instance);
    c.tabControl = createTabControl(window_, instance);
    c.topLine = createLine(window_, instance);
    c.buttonLine = createLine(window_, instance);
    c.tree = createTreeControl(window_, instance);
    c.codeEdit = createCodeEdit(window_, instance, *this, codeFont_);
    // The side buttons, top to bottom, as the command table places them; the layout sizes them.
    for (int position = 1; position <= kSideButtonCount; ++position) {
        for (const Command& command : commandTable()) {
            if (command.button.position == position) {
                c.sideButtons[position - 1] =
                    createHintButton(window_, window_, loadString(command.button.text).c_str(), 0, 0,
                                     command.id);
            }
        }
    }
}

void MainWindow::layout() {
    RECT client;
    GetClientRect(window_, &client);
    const int w = client.right;
    const int h = client.bottom;
    const MainWindowLayout at = layoutMainWindow(w, h, dpi_, buttonWidth_);
    MainWindowControls& c = controls_;

    if (c.statusBar) {
        SendMessageA(c.statusBar, WM_SIZE, 0, 0);
        RECT status;
        GetWindowRect(c.statusBar, &status);
        const int statusHeight = status.bottom - status.top;
        place(c.statusBar, {0, h - statusHeight, w, statusHeight});
        // Hints on the left, the caret's place in the code on the right.
        int parts[2] = {at.statusSplit, -1};
        SendMessageA(c.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    }
    place(c.tabControl, at.tabControl);
    place(c.tree, at.view);
    place(c.codeEdit, at.view);
    place(c.topLine, at.topLine);
    if (c.toolbar) {
        SetWindowPos(c.toolbar, nullptr, at.toolbar.x, at.toolbar.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (int i = 0; i < kSideButtonCount; ++i) {
        place(c.sideButtons[i], at.sideButtons[i]);
    }
    place(c.buttonLine, at.buttonLine);
    // A control that moves keeps its old pixels, which the main window's own
    // painting then covers: everything paints anew (a maximised window showed
    // the toolbar, the upper buttons and the status line blank).
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int MainWindow::longestSideButtonLabel() {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    int longest = 0;
    for (const Command& command : commandTable()) {
        if (command.button.text) {
            const std::string label = loadString(command.button.text);
            SIZE size = {};
            GetTextExtentPoint32A(screen, label.c_str(), static_cast<int>(label.size()), &size);
            longest = std::max(longest, static_cast<int>(size.cx));
        }
    }
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return longest;
}

HWND MainWindow::sideButton(UINT commandId) const {
    const Command* command = findCommand(commandId);
    if (!command || command->button.position < 1 || command->button.position > kSideButtonCount) {
        return nullptr;
    }
    return controls_.sideButtons[command->button.position - 1];
}

}  // namespace tessary
