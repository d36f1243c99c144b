// The "Menu Tree" tab's tree-view control and the mirror that keeps it equal
// to the MenuTree: the model is the source of truth, the control shows it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <unordered_map>
#include <vector>

#include "model/menu_tree.h"
#include "model/tree_observer.h"

namespace tessary {

// Creates the tree control with its image list (one icon per NodeKind) and its
// mouse behaviour.
HWND createTreeControl(HWND mainWindow, HINSTANCE instance);

class TreeViewMirror : public TreeObserver {
public:
    TreeViewMirror(HWND treeControl, MenuTree& tree);
    ~TreeViewMirror() override;
    TreeViewMirror(const TreeViewMirror&) = delete;
    TreeViewMirror& operator=(const TreeViewMirror&) = delete;

    MenuTree& tree() { return tree_; }
    HWND control() const { return control_; }

    // Called whenever the model's selection changed, from the control or not.
    void setSelectionListener(std::function<void()> listener) { selectionListener_ = std::move(listener); }

    HTREEITEM itemOf(NodeHandle node) const;
    NodeHandle nodeOf(HTREEITEM item) const;

    // Notifications of the control that change the model's view state.
    void onSelectionChanged(const NMTREEVIEWA& info);
    void onItemExpanded(const NMTREEVIEWA& info);

    void nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) override;
    void nodeRemoved(NodeHandle node) override;
    void nodeChanged(NodeHandle node) override;
    void hasChildrenChanged(NodeHandle node, bool hasChildren) override;
    void expandedChanged(NodeHandle node, bool expanded) override;
    void selectionChanged(NodeHandle node) override;
    void dropHighlightChanged(NodeHandle node) override;
    void focusRequested() override;
    void batchBegin() override;
    void batchEnd() override;
    NodeHandle nodeAtScreenPoint(int x, int y) const override;

private:
    void forgetSubtree(NodeHandle node);
    void holdRedraw();
    void applyExpansion(NodeHandle node, bool expanded);
    void applyPendingExpansions();
    void applyPendingInserts();
    void rebuildControl();
    size_t pendingChangesOfShownItems() const;
    // A batch that expands or collapses this many items the control already
    // holds rebuilds the control.
    static constexpr size_t kRebuildAfterChanges = 64;
    HTREEITEM insertItem(NodeHandle node, HTREEITEM parentItem, HTREEITEM insertAfter, bool expanded = false);

    HWND control_;
    MenuTree& tree_;
    std::unordered_map<NodeHandle, HTREEITEM> items_;
    // Set while the mirror changes the control, so the control's own
    // notifications are not fed back into the model.
    int applying_ = 0;
    bool batching_ = false;
    // Redraw is off until the batch ends.
    bool redrawHeld_ = false;
    std::vector<NodeHandle> pendingExpansions_;
    std::vector<NodeHandle> pendingInserts_;
    // Items the last batch inserted, and whether expanded.
    std::unordered_map<NodeHandle, bool> insertedAs_;
    bool selectionPending_ = false;
    std::function<void()> selectionListener_;
};

}  // namespace tessary
