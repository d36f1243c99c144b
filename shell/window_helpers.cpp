#include "shell/window_helpers.h"

#include <commctrl.h>

#include "editor/main_window_layout.h"
#include "resources/resource.h"

namespace tessary {
namespace {

LRESULT CALLBACK
hintButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR hintTarget) {
    if (message == WM_MOUSEMOVE && hintTarget) {
        PostMessageA(reinterpret_cast<HWND>(hintTarget), WM_MENUSELECT, MAKEWPARAM(GetDlgCtrlID(button), 0), 0);
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

int CALLBACK noteFontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

bool registerProgramWindowClass(HINSTANCE instance,
                                const char* className,
                                WNDPROC proc,
                                UINT style,
                                const char* menuName,
                                int windowExtra) {
    WNDCLASSEXA existing = {sizeof existing};
    if (GetClassInfoExA(instance, className, &existing)) {
        return true;
    }
    WNDCLASSEXA wc = {sizeof wc};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = windowExtra;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TESSARY));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_TESSARY), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = menuName;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

void centerWindow(HWND window, HWND over) {
    RECT own;
    RECT other;
    GetWindowRect(window, &own);
    GetWindowRect(over ? over : GetDesktopWindow(), &other);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = other.left + ((other.right - other.left) - width) / 2;
    const int y = other.top + ((other.bottom - other.top) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bringToFront(HWND window) {
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

void showInFront(HWND window) {
    ShowWindow(window, SW_SHOW);
    bringToFront(window);
}

std::string windowText(HWND window) {
    const int length = window ? GetWindowTextLengthA(window) : 0;
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

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

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

int dpiScaled(int length) {
    return scaledForDpi(length, screenDpi());
}

bool fontInstalled(const char* face) {
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HWND createHintButton(HWND parent, HWND hintTarget, const char* text, int width, int height, UINT commandId) {
    HWND button = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, width,
                                  height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(commandId)),
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (button) {
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        SetWindowSubclass(button, hintButtonProc, 1, reinterpret_cast<DWORD_PTR>(hintTarget));
    }
    return button;
}

}  // namespace tessary
