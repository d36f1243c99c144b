#include "shell/preview_window.h"

#include <shellapi.h>

#include <string>

#include "editor/preview_menu.h"
#include "platform/window_protocol.h"
#include "shell/preview_menu_builder.h"
#include "shell/program.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

// Sizes in pixels at 96 DPI, scaled to the screen's.
constexpr int kPreviewWidth = 500;
constexpr int kPreviewHeight = 450;
constexpr int kCloseButtonWidth = 100;
constexpr int kCloseButtonHeight = 20;
// The id of "Close Preview" is IDOK, so that Enter presses it as in a dialog.
constexpr UINT kCloseButtonId = IDOK;
// The explanation starts this far above the middle of the client area, and
// the button stands this far below it.
constexpr int kTextAboveMiddle = 70;
constexpr int kButtonBelowMiddle = 45;

class PreviewWindow {
public:
    // Creates the window, shown, with its button; null when it cannot be made.
    static PreviewWindow* create(Program& program, HWND owner, MenuKind kind);

    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    HWND hwnd() const { return window_; }

private:
    PreviewWindow(Program& program, MenuKind kind) : program_(program), kind_(kind) {}
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void layout(int width, int height);
    void paint();
    void openKeptMenu(LPARAM clientPoint);

    Program& program_;
    MenuKind kind_;
    HWND window_ = nullptr;
    HWND closeButton_ = nullptr;
    HFONT font_ = nullptr;  // the explanation's
};

bool isPreviewWindow(HWND window) {
    char name[32] = {};
    return window && GetClassNameA(window, name, sizeof name) && lstrcmpA(name, kPreviewWindowClass) == 0;
}

PreviewWindow* PreviewWindow::create(Program& program, HWND owner, MenuKind kind) {
    if (!registerProgramWindowClass(program.instance, kPreviewWindowClass, windowProc)) {
        return nullptr;
    }
    auto* self = new PreviewWindow(program, kind);
    // The object is kept with the window from WM_NCCREATE on and goes with it.
    HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_ACCEPTFILES, kPreviewWindowClass, "Menu Preview",
                                  WS_OVERLAPPEDWINDOW, 0, 0, dpiScaled(kPreviewWidth), dpiScaled(kPreviewHeight), owner, nullptr,
                                  program.instance, self);
    if (!window) {
        delete self;
        return nullptr;
    }
    centerWindow(window, owner);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return self;
}

LRESULT CALLBACK PreviewWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PreviewWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PreviewWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        delete self;
        return result;
    }
    return self->handle(message, wParam, lParam);
}

LRESULT PreviewWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            // Its hint, none, clears the editor's status line as the pointer crosses it.
            closeButton_ = createHintButton(window_, GetWindow(window_, GW_OWNER), "Close Preview",
                                            dpiScaled(kCloseButtonWidth), dpiScaled(kCloseButtonHeight),
                                            kCloseButtonId);
            font_ = createControlFont(closeButton_, nullptr, false, 0);
            return 0;
        case WM_SIZE:
            layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_PAINT:
            paint();
            return 0;
        case WM_COMMAND:
            // "Close Preview" or Enter, and Esc. The menu's items carry id 0 and do nothing.
            if (LOWORD(wParam) == kCloseButtonId || LOWORD(wParam) == IDCANCEL) {
                PostMessageA(window_, WM_CLOSE, 0, 0);
            }
            return 0;
        case WM_RBUTTONUP:
            if (kind_ == MenuKind::ContextMenu) {
                openKeptMenu(lParam);
            }
            return 0;
        case WM_LBUTTONUP:
            if (kind_ == MenuKind::PopupMenu) {
                openKeptMenu(lParam);
            }
            return 0;
        case WM_DROPFILES:
            // Files dropped here are opened as when dropped on the editor.
            if (HWND owner = GetWindow(window_, GW_OWNER)) {
                return SendMessageA(owner, WM_DROPFILES, wParam, lParam);
            }
            DragFinish(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_DESTROY:
            // A main menu's bar goes with the window; the kept pop-up menu stays.
            if (font_) {
                DeleteObject(font_);
                font_ = nullptr;
            }
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void PreviewWindow::layout(int width, int height) {
    if (closeButton_) {
        SetWindowPos(closeButton_, nullptr, (width - dpiScaled(kCloseButtonWidth)) / 2,
                     height / 2 + dpiScaled(kButtonBelowMiddle), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void PreviewWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    RECT block = client;
    block.top = client.bottom / 2 - dpiScaled(kTextAboveMiddle);
    const std::string text = previewExplanation(kind_);
    HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &block, DT_CENTER | DT_NOPREFIX);
    if (oldFont) {
        SelectObject(dc, oldFont);
    }
    EndPaint(window_, &ps);
}

// The kept menu opens where the button was released, its items tracking the
// left button; choosing one sends command 0, which does nothing.
void PreviewWindow::openKeptMenu(LPARAM clientPoint) {
    HMENU menu = program_.keptPreviewMenu;
    if (!menu || !IsMenu(menu)) {
        return;
    }
    POINT at = {static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    ClientToScreen(window_, &at);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, window_, nullptr);
}

}  // namespace

HWND openMenuPreview(Program& program, HWND owner, std::string_view code, MenuKind kind) {
    PreviewWindow* preview = PreviewWindow::create(program, owner, kind);
    if (!preview) {
        return nullptr;
    }
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    if (kind != MenuKind::MainMenu) {
        if (program.keptPreviewMenu && IsMenu(program.keptPreviewMenu)) {
            DestroyMenu(program.keptPreviewMenu);
        }
        program.keptPreviewMenu = nullptr;
    }
    // The parse status is not reported here: Check Syntax reports errors.
    HMENU menu = createPreviewMenu(buildPreviewMenu(code, kind, kPlatformWindows).menu);
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
    if (kind == MenuKind::MainMenu) {
        // SetMenu redraws the frame with the new bar; a DrawMenuBar after it
        // would lay out every item of the bar a second time.
        SetMenu(preview->hwnd(), menu);
    } else {
        program.keptPreviewMenu = menu;
    }
    return preview->hwnd();
}

bool translatePreviewMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!isPreviewWindow(root)) {
        return false;
    }
    // IsDialogMessage also translates and dispatches what it does not handle itself.
    IsDialogMessageA(root, &msg);
    return true;
}

}  // namespace tessary
