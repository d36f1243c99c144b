#include "shell/tree_control.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/window_protocol.h"
#include "resources/resource.h"
#include "shell/main_window.h"

namespace tessary {
namespace {

// Image index = NodeKind.
constexpr int kKindIcons[kNodeKindCount] = {IDI_APP_MENU,  IDI_MENU,     IDI_SCRIPT_ITEM,    IDI_FM_ITEM,
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

NodeHandle hitNode(MainWindow& window, POINT client, UINT* flags) {
    TVHITTESTINFO hit = {};
    hit.pt = client;
    SendMessageA(window.controls().tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    *flags = hit.flags;
    return hit.hItem ? window.mirror().nodeOf(hit.hItem) : kNoNode;
}

POINT clientPoint(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The control's own window procedure, which the subclass hands every message
// on to; kept in the control's user data.
WNDPROC controlProcOf(HWND tree) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tree, GWLP_USERDATA));
}

LRESULT CALLBACK treeControlProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    // Finding the main window asks the window server; the control's own
    // messages (every insertion of a fill among them) go straight on.
    MainWindow* window = nullptr;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case kResetTreeViewMessage:
        case WM_DROPFILES:
            window = MainWindow::from(tree);
            break;
        default:
            break;
    }
    if (!window) {
        return CallWindowProcA(controlProcOf(tree), tree, message, wParam, lParam);
    }
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: {
            if (GetFocus() != tree) {
                BringWindowToTop(tree);
                InvalidateRect(tree, nullptr, TRUE);
            }
            UINT flags = 0;
            const NodeHandle node = hitNode(*window, clientPoint(lParam), &flags);
            // A click beside the nodes, or right of a caption, selects nothing.
            if (node == kNoNode || (flags & TVHT_ONITEMRIGHT)) {
                window->tree().selectNode(kNoNode);
            }
            break;
        }
        case WM_LBUTTONDBLCLK: {
            UINT flags = 0;
            const NodeHandle node = hitNode(*window, clientPoint(lParam), &flags);
            if (node != kNoNode && (flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL))) {
                window->tree().selectNode(node);
                PostMessageA(window->hwnd(), WM_COMMAND, MAKEWPARAM(ID_MENU_PROPERTIES, 0), 0);
                SendMessageA(tree, TVM_ENDEDITLABELNOW, TRUE, 0);
                return 0;  // the node neither expands nor collapses
            }
            break;
        }
        case WM_RBUTTONDOWN: {
            POINT cursor;
            GetCursorPos(&cursor);
            const NodeHandle node = window->tree().nodeAtScreenPoint(cursor.x, cursor.y);
            if (node != kNoNode) {
                window->tree().selectNode(node);
                if (HMENU menu = window->controls().contextMenu) {
                    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window->hwnd(),
                                   nullptr);
                }
            }
            return 0;
        }
        case kResetTreeViewMessage:
            BringWindowToTop(tree);
            InvalidateRect(tree, nullptr, TRUE);
            window->tree().selectNode(kNoNode);
            return 0;
        case WM_DROPFILES:
            return SendMessageA(window->hwnd(), WM_DROPFILES, wParam, lParam);
        default:
            break;
    }
    return CallWindowProcA(controlProcOf(tree), tree, message, wParam, lParam);
}

}  // namespace

HWND createTreeControl(HWND mainWindow, HINSTANCE instance) {
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, WC_TREEVIEWA, "Tree",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP |
                                    TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS | TVS_INFOTIP,
                                0, 0, 0, 0, mainWindow, nullptr, instance, nullptr);
    if (!tree) {
        return nullptr;
    }
    TreeView_SetImageList(tree, createKindImages(instance), TVSIL_NORMAL);
    // A subclass of the plain kind: SetWindowSubclass finds its chain in the
    // window's property list for every message, and under Wine each such
    // look-up is a call to the window server. Filling the control with the
    // largest document (11,540 items) took 0.5 s more that way, where the
    // control's own work is 0.03 s.
    SetWindowLongPtrA(tree, GWLP_USERDATA, GetWindowLongPtrA(tree, GWLP_WNDPROC));
    SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(treeControlProc));
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
    const NodeHandle node(static_cast<uint32_t>(info.lParam));
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

HTREEITEM TreeViewMirror::insertItem(NodeHandle node, HTREEITEM parentItem, HTREEITEM insertAfter, bool expanded) {
    std::string caption = tree_.caption(node);
    int image = static_cast<int>(tree_.getKind(node));
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parentItem;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
    insert.item.state = expanded ? TVIS_EXPANDED : 0;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.pszText = caption.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = static_cast<LPARAM>(node.value());
    HTREEITEM item =
        reinterpret_cast<HTREEITEM>(SendMessageA(control_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item) {
        items_[node] = item;
    }
    return item;
}

void TreeViewMirror::nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) {
    if (batching_) {
        pendingInserts_.push_back(node);
        return;
    }
    ApplyingGuard guard(applying_);
    HTREEITEM parentItem = parent == kRootNode ? TVI_ROOT : itemOf(parent);
    HTREEITEM afterItem = after == kNoNode ? TVI_FIRST : itemOf(after);
    if (parentItem && afterItem) {
        insertItem(node, parentItem, tree_.nextSibling(node) == kNoNode ? TVI_LAST : afterItem);
    }
}

// The control checks every item handle it is given by a search through all its
// items, so inserting a large tree node by node with explicit parents and
// neighbours costs time in the square of its size. A batch's new nodes go in
// parent by parent, shallowest parents first: a parent then stands early among
// the control's items and is found fast, and a run of new children at the end
// of their parent goes in with TVI_LAST, which needs no search.
void TreeViewMirror::applyPendingInserts() {
    std::vector<NodeHandle> parents;
    std::unordered_map<NodeHandle, bool> pending;
    for (NodeHandle node : pendingInserts_) {
        if (tree_.isValid(node) && !items_.count(node)) {
            pending[node] = true;
            parents.push_back(tree_.parent(node));
        }
    }
    pendingInserts_.clear();
    if (pending.empty()) {
        return;
    }
    auto depthOf = [this](NodeHandle node) {
        int depth = 0;
        for (NodeHandle up = node; up != kRootNode && up != kNoNode; up = tree_.parent(up)) {
            ++depth;
        }
        return depth;
    };
    std::vector<std::pair<int, NodeHandle>> byDepth;
    std::sort(parents.begin(), parents.end());
    parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
    for (NodeHandle parent : parents) {
        byDepth.emplace_back(depthOf(parent), parent);
    }
    std::stable_sort(byDepth.begin(), byDepth.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    ApplyingGuard guard(applying_);
    std::vector<NodeHandle> children;
    for (const auto& entry : byDepth) {
        const NodeHandle parent = entry.second;
        HTREEITEM parentItem = parent == kRootNode ? TVI_ROOT : itemOf(parent);
        if (!parentItem) {
            continue;
        }
        children.clear();
        for (NodeHandle child = tree_.firstChild(parent); child != kNoNode; child = tree_.nextSibling(child)) {
            children.push_back(child);
        }
        // After the last child the control already shows, new children are appended.
        size_t lastShown = children.size();
        for (size_t i = children.size(); i-- > 0;) {
            if (!pending.count(children[i])) {
                lastShown = i;
                break;
            }
        }
        for (size_t i = 0; i < children.size(); ++i) {
            if (!pending.count(children[i])) {
                continue;
            }
            HTREEITEM insertAfter = TVI_LAST;
            if (i == 0) {
                insertAfter = TVI_FIRST;
            } else if (lastShown != children.size() && i < lastShown) {
                insertAfter = itemOf(children[i - 1]);
            }
            // An item goes in as its node stands at the batch's end and needs no
            // expansion or collapse of its own: each lays out the control again
            // (a subtree the undo history builds anew collapses some of its
            // menus after their children went in).
            const bool expanded = tree_.isExpanded(children[i]);
            if (insertItem(children[i], parentItem, insertAfter, expanded)) {
                insertedAs_[children[i]] = expanded;
            }
        }
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
        holdRedraw();
        SendMessageA(control_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    }
}

void TreeViewMirror::nodeChanged(NodeHandle node) {
    ApplyingGuard guard(applying_);
    HTREEITEM item = itemOf(node);
    if (!item) {
        return;
    }
    holdRedraw();
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
    if (batching_) {
        // The control lays out every visible item again for each item inserted
        // under an expanded parent, and for each expansion: a large load done
        // that way takes seconds. Inside a batch items go in under collapsed
        // parents, and the expansions follow at its end.
        pendingExpansions_.push_back(node);
        return;
    }
    applyExpansion(node, expanded);
}

void TreeViewMirror::applyExpansion(NodeHandle node, bool expanded) {
    ApplyingGuard guard(applying_);
    if (HTREEITEM item = itemOf(node)) {
        SendMessageA(control_, TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
    }
}

void TreeViewMirror::applyPendingExpansions() {
    // Deepest first: an item expanded while its parent is still collapsed is
    // not visible, which keeps each expansion cheap.
    std::vector<std::pair<int, NodeHandle>> byDepth;
    byDepth.reserve(pendingExpansions_.size());
    for (NodeHandle node : pendingExpansions_) {
        const auto inserted = insertedAs_.find(node);
        if (!tree_.isValid(node) || (inserted != insertedAs_.end() && inserted->second == tree_.isExpanded(node))) {
            continue;
        }
        int depth = 0;
        for (NodeHandle up = tree_.parent(node); up != kRootNode && up != kNoNode; up = tree_.parent(up)) {
            ++depth;
        }
        byDepth.emplace_back(depth, node);
    }
    pendingExpansions_.clear();
    insertedAs_.clear();
    std::sort(byDepth.begin(), byDepth.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    byDepth.erase(std::unique(byDepth.begin(), byDepth.end()), byDepth.end());
    for (const auto& [depth, node] : byDepth) {
        applyExpansion(node, tree_.isExpanded(node));
    }
}

void TreeViewMirror::selectionChanged(NodeHandle node) {
    if (batching_) {
        selectionPending_ = true;
        return;
    }
    {
        ApplyingGuard guard(applying_);
        SendMessageA(control_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(itemOf(node)));
    }
    if (selectionListener_) {
        selectionListener_();
    }
}

void TreeViewMirror::dropHighlightChanged(NodeHandle node) {
    ApplyingGuard guard(applying_);
    SendMessageA(control_, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(itemOf(node)));
}

void TreeViewMirror::focusRequested() {
    SetFocus(control_);
}

void TreeViewMirror::batchBegin() {
    batching_ = true;
}

// Turning redraw back on lays out every item the control holds (a hundredth
// of a second for the largest document under Wine), so a batch turns it off
// only once it changes the control: one that changes nothing the control
// shows, such as the platforms of a pasted menu, costs nothing.
void TreeViewMirror::holdRedraw() {
    if (batching_ && !redrawHeld_) {
        redrawHeld_ = true;
        SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
    }
}

void TreeViewMirror::batchEnd() {
    if (!pendingInserts_.empty() || !pendingExpansions_.empty()) {
        holdRedraw();
    }
    batching_ = false;
    if (pendingChangesOfShownItems() >= kRebuildAfterChanges) {
        rebuildControl();
    } else {
        applyPendingInserts();
        applyPendingExpansions();
    }
    if (selectionPending_) {
        selectionPending_ = false;
        selectionChanged(tree_.selected());
    }
    if (redrawHeld_) {
        redrawHeld_ = false;
        SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control_, nullptr, TRUE);
    }
}

size_t TreeViewMirror::pendingChangesOfShownItems() const {
    size_t count = 0;
    for (NodeHandle node : pendingExpansions_) {
        count += items_.count(node);
    }
    return count;
}

// The control expands or collapses a visible item in time that grows with all
// the items it shows, so changing many items it already holds one by one takes
// seconds on a large document (under Wine, on the largest: Collapse All 5 s,
// Expand All after it 1.1 s). Emptying the control and inserting every node
// again with its state takes less than a bare tree control's own fill with
// the same items (0.07 to 0.13 s there, against 0.13 s). New nodes need no
// rebuild: they go in already in their state.
void TreeViewMirror::rebuildControl() {
    ApplyingGuard guard(applying_);
    SendMessageA(control_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    items_.clear();
    pendingInserts_.clear();
    pendingExpansions_.clear();
    for (NodeHandle node = tree_.firstTopLevel(); node != kNoNode;) {
        pendingInserts_.push_back(node);
        if (tree_.isExpanded(node)) {
            pendingExpansions_.push_back(node);
        }
        NodeHandle next = tree_.firstChild(node);
        while (next == kNoNode && node != kRootNode) {
            next = tree_.nextSibling(node);
            if (next == kNoNode) {
                node = tree_.parent(node);
            }
        }
        node = node == kRootNode ? kNoNode : next;
    }
    applyPendingInserts();
    applyPendingExpansions();
    selectionPending_ = true;
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
