#include "shell/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "documents/document_title.h"
#include "editor/item_dialog_rules.h"
#include "platform/document_windows.h"
#include "platform/window_protocol.h"
#include "resources/resource.h"
#include "shell/code_view.h"
#include "shell/command_dispatch.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/recent_menu.h"
#include "shell/tree_control.h"
#include "shell/undo_commands.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

// A move or resize never makes the window smaller than its minimum (500 x 450
// at 96 DPI).
void enforceMinimumSize(WINDOWPOS* pos, WindowSize minimum) {
    if (pos->flags & SWP_NOSIZE) {
        return;
    }
    if (pos->cx < minimum.width) {
        pos->cx = minimum.width;
        if (pos->cy < minimum.height) {
            pos->cy = minimum.height;
        }
    }
    if (pos->cy < minimum.height) {
        pos->cy = minimum.height;
    }
}

// Editing a caption in place: the application menu and local captions refuse.
// Nor does an edit start while a question or dialog holds the window: a click
// on the selected item starts the tree's edit only after the double-click
// time, which can run out inside the question of Delete, and the edit box
// would stay on the caption behind it.
LRESULT beginCaptionEdit(MainWindow& window, const TVITEMA& item) {
    const NodeHandle node = window.mirror().nodeOf(item.hItem);
    MenuTree& tree = window.tree();
    if (!IsWindowEnabled(window.hwnd()) ||
        !captionEditAllowed(tree.getKind(node), tree.getUseLocalCaption(node) != 0)) {
        return TRUE;
    }
    return FALSE;
}

void endCaptionEdit(MainWindow& window, const TVITEMA& item) {
    const NodeHandle node = window.mirror().nodeOf(item.hItem);
    // No text: the edit was cancelled.
    const TypedCaption typed = item.pszText ? typedCaption(item.pszText) : TypedCaption::Unchanged;
    if (typed == TypedCaption::Refused) {
        // A message box now would take the focus from the closing edit box,
        // which would end the edit once more; the control may also report the
        // end twice. One message, once the edit has closed.
        MSG queued;
        if (!PeekMessageA(&queued, window.hwnd(), kCaptionRefusedMessage, kCaptionRefusedMessage, PM_NOREMOVE)) {
            PostMessageA(window.hwnd(), kCaptionRefusedMessage, 0, 0);
        }
        return;
    }
    if (typed == TypedCaption::Taken && node != kNoNode) {
        // The typed text becomes the caption as it stands (cut to what a record
        // holds); the control shows the model's caption through the mirror.
        RecordedChange change(window);
        window.tree().setCaption(node, item.pszText);
        change.finish(ChangeKind::Rename, node);
        window.document().setModified(true);
        applyCommandEnabling(window);
    }
}

LRESULT onNotify(MainWindow& window, NMHDR* header) {
    if (!header) {
        return 0;
    }
    if (header->hwndFrom == window.controls().tabControl && header->code == TCN_SELCHANGE) {
        applyCurrentTab(window);
        return 0;
    }
    if (header->code == TTN_NEEDTEXTA) {
        // Toolbar tooltips stay empty; their hint goes to the status line.
        showCommandHint(window, static_cast<UINT>(header->idFrom), 0);
        reinterpret_cast<NMTTDISPINFOA*>(header)->szText[0] = '\0';
        return 0;
    }
    if (header->hwndFrom != window.controls().tree) {
        return 0;
    }
    auto* info = reinterpret_cast<NMTREEVIEWA*>(header);
    switch (header->code) {
        case TVN_SELCHANGEDA:
            window.mirror().onSelectionChanged(*info);
            return 0;
        case TVN_ITEMEXPANDEDA:
            window.mirror().onItemExpanded(*info);
            return 0;
        case TVN_BEGINLABELEDITA:
            return beginCaptionEdit(window, reinterpret_cast<NMTVDISPINFOA*>(header)->item);
        case TVN_ENDLABELEDITA:
            endCaptionEdit(window, reinterpret_cast<NMTVDISPINFOA*>(header)->item);
            return FALSE;
        case TVN_BEGINDRAGA: {
            POINT start = info->ptDrag;
            ClientToScreen(window.controls().tree, &start);
            window.drag().begin(info->itemNew.hItem, start);
            return 0;
        }
        default:
            return 0;
    }
}

// The first dropped file opens here when nothing is unsaved; every other file
// opens in a copy of its own.
void onDroppedFiles(MainWindow& window, HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH] = {};
        if (!DragQueryFileA(drop, i, path, sizeof path)) {
            continue;
        }
        if (i == 0 && !window.document().modified) {
            const std::string_view full(path);
            window.session().requestOpenNamed(folderOf(full), fileNameOf(full));
        } else {
            window.program().launchCopy(LaunchRequest::openPath(path));
        }
    }
    DragFinish(drop);
}

// The cursor of a mouse message in screen coordinates (client coordinates for
// the client-area messages, screen coordinates for the others).
POINT screenPoint(HWND window, UINT message, LPARAM lParam) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (message != WM_NCMOUSEMOVE) {
        ClientToScreen(window, &point);
    }
    return point;
}

}  // namespace

MainWindow::MainWindow(Program& program)
    : program_(program), host_(*this), session_(document_, host_, program.files, program.settings), drag_(*this) {
    document_.titleSink = [this](const std::string& title) {
        if (window_) {
            SetWindowTextA(window_, title.c_str());
        }
    };
}

MainWindow::~MainWindow() {
    if (program_.mainWindow == this) {
        program_.mainWindow = nullptr;
    }
    if (codeFont_) {
        DeleteObject(codeFont_);
    }
}

MainWindow* MainWindow::create(Program& program, const MainWindowOptions& options) {
    if (!registerProgramWindowClass(program.instance, kMainWindowClass, windowProc, CS_OWNDC,
                                    MAKEINTRESOURCEA(IDR_MAIN_MENU))) {
        return nullptr;
    }
    auto* self = new MainWindow(program);
    self->dpi_ = screenDpi();
    self->buttonWidth_ = sideButtonWidth(self->dpi_, longestSideButtonLabel());
    // A screen too small for the window at its DPI (192 DPI on 1024 x 768) takes it whole.
    RECT workArea = {0, 0, 0, 0};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const WindowSize wanted = mainWindowSize(self->dpi_, self->buttonWidth_);
    self->minimumSize_ = {std::min<int>(wanted.width, workArea.right - workArea.left),
                          std::min<int>(wanted.height, workArea.bottom - workArea.top)};
    // The object is kept with the window from WM_NCCREATE on and goes with it.
    HWND window = CreateWindowExA(WS_EX_ACCEPTFILES, kMainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0,
                                  self->minimumSize_.width, self->minimumSize_.height, nullptr, nullptr,
                                  program.instance, self);
    if (!window) {
        delete self;
        return nullptr;
    }
    program.mainWindow = self;
    centerWindow(window, nullptr);
    self->createControls();
    self->mirror_ = std::make_unique<TreeViewMirror>(self->controls_.tree, self->tree_);
    // Enabling follows the selected node wherever the selection changes.
    self->mirror_->setSelectionListener([self] { applyCommandEnabling(*self); });
    self->layout();
    self->contextMenus_ = LoadMenuA(program.instance, MAKEINTRESOURCEA(IDR_TREE_CONTEXT_MENU));
    self->controls_.contextMenu = self->contextMenus_ ? GetSubMenu(self->contextMenus_, 0) : nullptr;
    applyCommandEnabling(*self);
    if (options.untitled) {
        self->document_.documentName = kUntitledName;
    }
    self->document_.updateTitle();
    if (options.show) {
        showInFront(window);
        UpdateWindow(window);
    }
    return self;
}

MainWindow* MainWindow::from(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    char name[32] = {};
    if (!root || !GetClassNameA(root, name, sizeof name) || lstrcmpA(name, kMainWindowClass) != 0) {
        return nullptr;
    }
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

EditorTab MainWindow::currentTab() const {
    if (controls_.tabControl && SendMessageA(controls_.tabControl, TCM_GETCURSEL, 0, 0) == 1) {
        return EditorTab::MenuCode;
    }
    return EditorTab::MenuTree;
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        delete self;
        return result;
    }
    return self->handle(message, wParam, lParam);
}

bool MainWindow::captionEditOpen() const {
    return controls_.tree && TreeView_GetEditControl(controls_.tree) != nullptr;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGING:
            enforceMinimumSize(reinterpret_cast<WINDOWPOS*>(lParam), minimumSize_);
            return 0;
        case WM_CREATE:
        case kRecentListChangedMessage:
            loadRecentMenu(GetMenu(window_), program_.settings);
            return 0;
        case WM_CLOSE:
            session_.confirmExit();
            return 0;
        case WM_DESTROY:
            releaseRecentMenu(GetMenu(window_));
            if (contextMenus_) {
                DestroyMenu(contextMenus_);
                contextMenus_ = nullptr;
                controls_.contextMenu = nullptr;
            }
            session_.confirmExit();
            return 0;
        case kCaptionRefusedMessage:
            showStringMessage(window_, IDS_QUOTE_IN_NAME, MB_OK | MB_ICONWARNING);
            return 0;
        case kBringToTopMessage:
            if (IsIconic(window_)) {
                ShowWindow(window_, SW_RESTORE);
            }
            bringToFront(window_);
            return 0;
        case WM_COPYDATA:
            return answerDocumentPathQuery(reinterpret_cast<const COPYDATASTRUCT*>(lParam), document_.fullPath());
        case WM_SIZE:
            layout();
            return 0;
        case WM_NOTIFY:
            return onNotify(*this, reinterpret_cast<NMHDR*>(lParam));
        case WM_COMMAND:
            dispatchCommand(*this, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_MENUSELECT:
            showCommandHint(*this, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            clearStatusHint(*this);
            if (drag_.active()) {
                drag_.move(screenPoint(window_, message, lParam));
            }
            return 0;
        case WM_LBUTTONUP:
            if (drag_.active()) {
                drag_.drop(screenPoint(window_, message, lParam));
            }
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            if (drag_.active()) {
                drag_.keyChanged();
                return 0;
            }
            return DefWindowProcA(window_, message, wParam, lParam);
        case WM_DROPFILES:
            onDroppedFiles(*this, reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_NCMOUSELEAVE:
        case WM_MOUSELEAVE:
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

}  // namespace tessary
