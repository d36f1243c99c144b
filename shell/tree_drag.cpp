#include "shell/tree_drag.h"

#include <algorithm>
#include <string>

#include "resources/resource.h"
#include "shell/command_dispatch.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/tree_control.h"
#include "shell/undo_commands.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

// The marks' background colour, left out when they are drawn.
constexpr COLORREF kMarkMask = RGB(192, 220, 192);
// The bands along the tree's top and bottom edges that scroll it during a drag.
constexpr int kScrollBand = 20;

bool ctrlDown() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

// The drag image is drawn over the main window: its points are relative to the
// window's top-left corner.
POINT inWindow(HWND window, POINT screen) {
    RECT frame;
    GetWindowRect(window, &frame);
    return {screen.x - frame.left, screen.y - frame.top};
}

HIMAGELIST loadMarks(UINT bitmap, int width) {
    return ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmap), width, 0, kMarkMask, IMAGE_BITMAP,
                                LR_CREATEDIBSECTION);
}

// The dragged node as the tree shows it, its icon and caption, on a clear
// background. (The control's own drag image comes out empty under Wine.)
HIMAGELIST makeDragImage(HWND control, const MenuTree& tree, NodeHandle node) {
    const std::string caption = tree.caption(node);
    HIMAGELIST icons = TreeView_GetImageList(control, TVSIL_NORMAL);
    int iconWidth = 0;
    int iconHeight = 0;
    ImageList_GetIconSize(icons, &iconWidth, &iconHeight);
    HDC screen = GetDC(control);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE text = {};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    const int width = iconWidth + 4 + text.cx + 2;
    const int height = std::max<int>(iconHeight, text.cy) + 2;
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const COLORREF clear = RGB(255, 0, 255);
    HBRUSH background = CreateSolidBrush(clear);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, background);
    DeleteObject(background);
    ImageList_Draw(icons, static_cast<int>(tree.getKind(node)), dc, 0, (height - iconHeight) / 2, ILD_TRANSPARENT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, iconWidth + 4, (height - text.cy) / 2, caption.c_str(), static_cast<int>(caption.size()));
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    ReleaseDC(control, screen);
    HIMAGELIST image = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 0);
    ImageList_AddMasked(image, bitmap, clear);
    DeleteObject(bitmap);
    return image;
}

// A mark that shows nothing: the drag image alone.
HIMAGELIST emptyMark() {
    HIMAGELIST list = ImageList_Create(1, 1, ILC_COLOR24 | ILC_MASK, 1, 0);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1, 1);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 0, kMarkMask);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(list, bitmap, kMarkMask);
    DeleteObject(bitmap);
    return list;
}

}  // namespace

TreeDrag::~TreeDrag() {
    for (HIMAGELIST list : {image_, refusedMark_, copyMark_, noMark_}) {
        if (list) {
            ImageList_Destroy(list);
        }
    }
}

void TreeDrag::begin(HTREEITEM item, POINT start) {
    MenuTree& tree = window_.tree();
    const NodeHandle node = window_.mirror().nodeOf(item);
    if (!isMovableKind(tree.getKind(node))) {
        return;  // the application menu and the Mac items keep their places
    }
    HWND control = window_.controls().tree;
    ShowCursor(FALSE);
    if (image_) {
        ImageList_Destroy(image_);
    }
    if (!refusedMark_) {
        refusedMark_ = loadMarks(IDB_DRAG_REFUSE, 18);
        copyMark_ = loadMarks(IDB_DRAG_COPY, 16);
        noMark_ = emptyMark();
    }
    node_ = node;
    image_ = makeDragImage(control, tree, node);
    ImageList_BeginDrag(image_, 0, 0, 0);
    SetCapture(window_.hwnd());
    SetFocus(window_.hwnd());
    const POINT at = inWindow(window_.hwnd(), start);
    ImageList_DragEnter(window_.hwnd(), at.x, at.y);
    copy_ = ctrlDown();
    dropAllowed_ = true;
    place_ = {};
    showMark();
}

void TreeDrag::showMark() {
    if (!dropAllowed_) {
        ImageList_SetDragCursorImage(refusedMark_, 0, 0, 0);
    } else if (copy_) {
        ImageList_SetDragCursorImage(copyMark_, 0, 0, 0);
    } else {
        ImageList_SetDragCursorImage(noMark_, 0, 0, 0);
    }
}

void TreeDrag::move(POINT cursor) {
    if (!active()) {
        return;
    }
    MenuTree& tree = window_.tree();
    HWND control = window_.controls().tree;
    ImageList_DragShowNolock(FALSE);
    place_ = dropPlaceUnder(tree, node_, tree.nodeAtScreenPoint(cursor.x, cursor.y));
    tree.setDropHighlight(place_.accepts && place_.target != kRootNode ? place_.target : kNoNode);
    if (place_.accepts != dropAllowed_) {
        dropAllowed_ = place_.accepts;
        showMark();
    }
    // Scrolling happens only while the mouse moves inside a band at the edges.
    RECT area;
    GetWindowRect(control, &area);
    if (cursor.x > area.left && cursor.x < area.right) {
        const int band = dpiScaled(kScrollBand);
        if (cursor.y < area.bottom && cursor.y > area.bottom - band) {
            SendMessageA(control, WM_VSCROLL, SB_LINEDOWN, 0);
        } else if (cursor.y > area.top && cursor.y < area.top + band) {
            SendMessageA(control, WM_VSCROLL, SB_LINEUP, 0);
        }
    }
    // The tree repaints what changed while the image is hidden, so that its
    // painting does not wipe the image out afterwards.
    UpdateWindow(control);
    ImageList_DragShowNolock(TRUE);
    const POINT at = inWindow(window_.hwnd(), cursor);
    ImageList_DragMove(at.x, at.y);
}

void TreeDrag::keyChanged() {
    if (!active()) {
        return;
    }
    const bool copy = ctrlDown();
    if (copy != copy_) {
        copy_ = copy;
        if (dropAllowed_) {
            showMark();
        }
    }
}

void TreeDrag::drop(POINT cursor) {
    if (!active()) {
        return;
    }
    releaseMouse();
    MenuTree& tree = window_.tree();
    RECT area;
    GetWindowRect(window_.controls().tree, &area);
    const bool overTree = PtInRect(&area, cursor) != 0;
    if (dropAllowed_ && dropCarriedOut(tree, window_.document().menuKind, node_, place_, overTree)) {
        HCURSOR old = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
        RecordedChange change(window_);
        const NodeHandle copy = dropNode(tree, node_, place_.target, !copy_);
        change.finish(ChangeKind::Drop, copy);
        if (copy != kNoNode) {
            if (place_.target != kRootNode) {
                tree.expandNode(place_.target, true);
            }
            window_.document().setModified(true);
        }
        SetCursor(old);
    }
    finish();
}

void TreeDrag::cancel() {
    if (!active()) {
        return;
    }
    releaseMouse();
    finish();
}

// The image leaves the screen, and the mouse and the cursor are the user's again.
void TreeDrag::releaseMouse() {
    ImageList_DragLeave(window_.hwnd());
    ImageList_EndDrag();
    ReleaseCapture();
    ShowCursor(TRUE);
}

void TreeDrag::finish() {
    // The tree again, where the drag began: Cut and Copy act on its selection.
    SetFocus(window_.controls().tree);
    window_.tree().setDropHighlight(kNoNode);
    if (image_) {
        ImageList_Destroy(image_);
        image_ = nullptr;
    }
    node_ = kNoNode;
    copy_ = false;
    dropAllowed_ = true;
    place_ = {};
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
    InvalidateRect(window_.hwnd(), nullptr, TRUE);
    InvalidateRect(window_.controls().tree, nullptr, TRUE);
    applyCommandEnabling(window_);
}

}  // namespace tessary
