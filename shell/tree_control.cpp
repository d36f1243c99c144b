#include "shell/tree_control.h"

#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/app_state.h"

namespace tessary {
namespace {

// Image index = NodeKind.
constexpr int kKindIcons[kNodeKindCount] = {IDI_APP_MENU,   IDI_MENU,     IDI_SCRIPT_ITEM,    IDI_FM_ITEM,
                                            IDI_SEPARATOR, IDI_MAC_QUIT, IDI_MAC_PREFERENCES};

class ApplyingGuard {
public:
    explicit ApplyingGuard(int& depth) : depth_(depth) { ++depth_; }
    ~ApplyingGuard() { --depth_; }

private:
    int& depth_;
};

HIMAGELIST createKindImages(HINSTANCE instance) {
    int cx = GetSystemMetrics(SM_CXSMICON);
    int cy = GetSystemMetrics(SM_CYSMICON);
    HIMAGELIST images = ImageList_Create(cx, cy, ILC_COLOR8 | ILC_MASK, kNodeKindCount, 0);
    for (int id : kKindIcons) {
        HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, 0));
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    return images;
}

NodeHandle hitNode(HWND tree, POINT client, UINT* flags) {
    TVHITTESTINFO hit = {};
    hit.pt = client;
    SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (flags) {
        *flags = hit.flags;
    }
    if (!hit.hItem || !gApp.treeMirror) {
        return kNoNode;
    }
    return gApp.treeMirror->nodeOf(hit.hItem);
}

void clearSelection() {
    if (gApp.treeMirror) {
        gApp.treeMirror->tree().selectNode(kNoNode);
    }
}

LRESULT CALLBACK treeControlProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: {
            if (GetFocus() != tree) {
                BringWindowToTop(tree);
                InvalidateRect(tree, nullptr, TRUE);
            }
            POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            UINT flags = 0;
            NodeHandle node = hitNode(tree, point, &flags);
            // A click beside the nodes, or right of a caption, selects nothing.
            if (node == kNoNode || (flags & TVHT_ONITEMRIGHT)) {
                clearSelection();
            }
            break;
        }
        case WM_LBUTTONDBLCLK: {
            POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            UINT flags = 0;
            NodeHandle node = hitNode(tree, point, &flags);
            if (node != kNoNode && (flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL))) {
                gApp.treeMirror->tree().selectNode(node);
                PostMessageA(gApp.mainWindow, WM_COMMAND, MAKEWPARAM(ID_MENU_PROPERTIES, 0), 0);
                SendMessageA(tree, TVM_ENDEDITLABELNOW, TRUE, 0);
                return 0;  // the node neither expands nor collapses
            }
            break;
        }
        case WM_RBUTTONDOWN: {
            POINT cursor;
            GetCursorPos(&cursor);
            NodeHandle node = gApp.treeMirror ? gApp.treeMirror->tree().nodeAtScreenPoint(cursor.x, cursor.y)
                                              : kNoNode;
            if (node != kNoNode) {
                gApp.treeMirror->tree().selectNode(node);
                if (gApp.contextMenu) {
                    TrackPopupMenu(gApp.contextMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                   gApp.mainWindow, nullptr);
                }
            }
            return 0;
        }
        case WM_USER + 3:
            BringWindowToTop(tree);
            InvalidateRect(tree, nullptr, TRUE);
            clearSelection();
            return 0;
        case WM_DROPFILES:
            if (gApp.mainWindow) {
                return SendMessageA(gApp.mainWindow, WM_DROPFILES, wParam, lParam);
            }
            break;
        default:
            break;
    }
    return DefSubclassProc(tree, message, wParam, lParam);
}

}  // namespace

HWND createTreeControl(HWND mainWindow, HINSTANCE instance) {
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, WC_TREEVIEWA, "Tree",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP |
                                    TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS |
                                    TVS_INFOTIP,
                                0, 0, 0, 0, mainWindow, nullptr, instance, nullptr);
    if (!tree) {
        return nullptr;
    }
    TreeView_SetImageList(tree, createKindImages(instance), TVSIL_NORMAL);
    SetWindowSubclass(tree, treeControlProc, 1, 0);
    return tree;
}

TreeViewMirror::TreeViewMirror(HWND treeControl, MenuTree& tree) : control_(treeControl), tree_(tree) {
    tree_.setObserver(this);
}

TreeViewMirror::~TreeViewMirror() {
    if (tree_.observer() == this) {
        tree_.setObserver(nullptr);
    }
}

HTREEITEM TreeViewMirror::itemOf(NodeHandle node) const {
    auto found = items_.find(node);
    return found == items_.end() ? nullptr : found->second;
}

NodeHandle TreeViewMirror::nodeOf(HTREEITEM item) const {
    if (!item) {
        return kNoNode;
    }
    TVITEMA info = {};
    info.mask = TVIF_PARAM | TVIF_HANDLE;
    info.hItem = item;
    if (!SendMessageA(control_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info))) {
        return kNoNode;
    }
    NodeHandle node = static_cast<NodeHandle>(info.lParam);
    return tree_.isValid(node) ? node : kNoNode;
}

void TreeViewMirror::onSelectionChanged(const NMTREEVIEWA& info) {
    if (applying_) {
        return;
    }
    ApplyingGuard guard(applying_);
    tree_.selectNode(nodeOf(info.itemNew.hItem));
}

void TreeViewMirror::onItemExpanded(const NMTREEVIEWA& info) {
    if (applying_) {
        return;
    }
    ApplyingGuard guard(applying_);
    tree_.expandNode(nodeOf(info.itemNew.hItem), (info.action & TVE_EXPAND) != 0);
}

void TreeViewMirror::nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) {
    ApplyingGuard guard(applying_);
    std::string caption = tree_.caption(node);
    int image = static_cast<int>(tree_.getKind(node));
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent == kRootNode ? TVI_ROOT : itemOf(parent);
    insert.hInsertAfter = after == kNoNode ? TVI_FIRST : itemOf(after);
    if (!insert.hParent || !insert.hInsertAfter) {
        return;
    }
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = caption.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = static_cast<LPARAM>(node);
    HTREEITEM item =
        reinterpret_cast<HTREEITEM>(SendMessageA(control_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item) {
        items_[node] = item;
    }
}

void TreeViewMirror::forgetSubtree(NodeHandle node) {
    items_.erase(node);
    for (NodeHandle child = tree_.firstChild(node); child != kNoNode; child = tree_.nextSibling(child)) {
        forgetSubtree(child);
    }
}

void TreeViewMirror::nodeRemoved(NodeHandle node) {
    ApplyingGuard guard(applying_);
    HTREEITEM item = itemOf(node);
    forgetSubtree(node);
    if (item) {
        SendMessageA(control_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    }
}

void TreeViewMirror::nodeChanged(NodeHandle node) {
    ApplyingGuard guard(applying_);
    HTREEITEM item = itemOf(node);
    if (!item) {
        return;
    }
    std::string caption = tree_.caption(node);
    TVITEMA info = {};
    info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    info.hItem = item;
    info.pszText = caption.data();
    info.iImage = info.iSelectedImage = static_cast<int>(tree_.getKind(node));
    SendMessageA(control_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&info));
}

void TreeViewMirror::hasChildrenChanged(NodeHandle, bool) {
    // The control draws its buttons from the children it holds.
}

void TreeViewMirror::expandedChanged(NodeHandle node, bool expanded) {
    ApplyingGuard guard(applying_);
    if (HTREEITEM item = itemOf(node)) {
        SendMessageA(control_, TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
    }
}

void TreeViewMirror::selectionChanged(NodeHandle node) {
    ApplyingGuard guard(applying_);
    SendMessageA(control_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(itemOf(node)));
}

void TreeViewMirror::dropHighlightChanged(NodeHandle node) {
    ApplyingGuard guard(applying_);
    SendMessageA(control_, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(itemOf(node)));
}

void TreeViewMirror::focusRequested() { SetFocus(control_); }

void TreeViewMirror::batchBegin() { SendMessageA(control_, WM_SETREDRAW, FALSE, 0); }

void TreeViewMirror::batchEnd() {
    SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control_, nullptr, TRUE);
}

NodeHandle TreeViewMirror::nodeAtScreenPoint(int x, int y) const {
    POINT point = {x, y};
    ScreenToClient(control_, &point);
    TVHITTESTINFO hit = {};
    hit.pt = point;
    SendMessageA(control_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (!hit.hItem || !(hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL))) {
        return kNoNode;
    }
    return nodeOf(hit.hItem);
}

}  // namespace tessary
