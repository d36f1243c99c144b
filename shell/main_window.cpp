#include "shell/main_window.h"

#include <string>

#include "documents/document_session.h"
#include "documents/document_title.h"
#include "resources/resource.h"
#include "model/menu_tree.h"
#include "shell/app_state.h"
#include "shell/code_view.h"
#include "shell/command_dispatch.h"
#include "shell/main_window_controls.h"
#include "shell/status_hints.h"
#include "shell/tree_control.h"
#include "shell/document_commands.h"
#include "shell/document_host.h"
#include "shell/recent_menu.h"

namespace tessary {

AppState gApp;

namespace {

// A move or resize never makes the window smaller than 500 x 450.
void enforceMinimumSize(WINDOWPOS* pos) {
    if (pos->flags & SWP_NOSIZE) {
        return;
    }
    if (pos->cx < kMainWindowWidth) {
        pos->cx = kMainWindowWidth;
        if (pos->cy < kMainWindowHeight) {
            pos->cy = kMainWindowHeight;
        }
    }
    if (pos->cy < kMainWindowHeight) {
        pos->cy = kMainWindowHeight;
    }
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGING:
            enforceMinimumSize(reinterpret_cast<WINDOWPOS*>(lParam));
            return 0;
        case WM_CREATE:
        case WM_USER + 2:
            loadRecentMenu(GetMenu(window));
            return 0;
        case WM_CLOSE:
            documentSession().confirmExit();
            return 0;
        case WM_DESTROY:
            releaseRecentMenu(GetMenu(window));
            documentSession().confirmExit();
            return 0;
        case WM_USER + 4:
            SetForegroundWindow(window);
            BringWindowToTop(window);
            return 0;
        case WM_SIZE:
            layoutMainWindow(window);
            return 0;
        case WM_NOTIFY:
            return onMainWindowNotify(window, reinterpret_cast<NMHDR*>(lParam));
        case WM_COMMAND:
            dispatchCommand(window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_MENUSELECT:
            showCommandHint(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            clearStatusHint();
            return 0;
        case WM_DROPFILES:
            onDroppedFiles(window, reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_NCMOUSELEAVE:
        case WM_MOUSELEAVE:
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The document's MenuTree lives as long as the program; each main window's tree
// control mirrors it.
void attachDocumentTree() {
    static MenuTree documentTree;
    gApp.tree = &documentTree;
    delete gApp.treeMirror;
    gApp.treeMirror = nullptr;
    documentTree.clearTree();
    if (gApp.treeControl) {
        gApp.treeMirror = new TreeViewMirror(gApp.treeControl, documentTree);
    }
}

}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA existing = {sizeof existing};
    if (GetClassInfoExA(instance, kMainWindowClass, &existing)) {
        return true;
    }
    WNDCLASSEXA wc = {sizeof wc};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = mainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TESSARY));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_TESSARY), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

void centerWindow(HWND window, HWND over) {
    RECT own;
    RECT other;
    GetWindowRect(window, &own);
    if (over) {
        GetWindowRect(over, &other);
    } else {
        GetWindowRect(GetDesktopWindow(), &other);
    }
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = other.left + ((other.right - other.left) - width) / 2;
    int y = other.top + ((other.bottom - other.top) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void refreshTitle() {
    documentState().updateTitle();
}

HWND createMainWindow(HINSTANCE instance, bool show, bool setUntitled) {
    if (!registerMainWindowClass(instance)) {
        return nullptr;
    }
    HWND window = CreateWindowExA(WS_EX_ACCEPTFILES, kMainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0,
                                  kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return nullptr;
    }
    gApp.mainWindow = window;
    centerWindow(window, nullptr);
    createMainWindowControls(window, instance);
    attachDocumentTree();
    layoutMainWindow(window);
    HMENU contextMenus = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_TREE_CONTEXT_MENU));
    gApp.contextMenu = contextMenus ? GetSubMenu(contextMenus, 0) : nullptr;
    setCommandEnabling(applyCommandEnabling);
    applyCommandEnabling();
    if (setUntitled) {
        documentState().documentName = kUntitledName;
    }
    refreshTitle();
    if (show) {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        BringWindowToTop(window);
        UpdateWindow(window);
    }
    return window;
}

}  // namespace tessary
