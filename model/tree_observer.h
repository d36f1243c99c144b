// What a view of a MenuTree (the shell's tree-view mirror, or a test) hears of
// the tree's changes, and the one question the tree asks of its view.
//
// The tree is the source of truth; an observer applies each change as it is
// reported. Callbacks run synchronously inside the tree's operation, after the
// tree's own state was updated (nodeRemoved excepted, see there), and must not
// change the tree themselves. Reading the tree from a callback is fine.
#pragma once

#include "model/node_handle.h"

namespace tessary {

class TreeObserver {
public:
    virtual ~TreeObserver() = default;

    // A node was created. Its caption, kind, record and expanded state are in
    // place already and can be read from the tree; the node has no children yet
    // (a copied subtree is reported node by node, each parent before its
    // children and siblings in order). parent is kRootNode at the top level;
    // after is the node's previous sibling, kNoNode when it is the first child.
    virtual void nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) = 0;

    // A node and its whole subtree are about to go. Reported once, for the root
    // of the removed subtree only, while the subtree is still intact and can be
    // walked; none of its descendants is reported on its own. When the selection
    // lay inside the subtree, selectionChanged has already moved it out.
    virtual void nodeRemoved(NodeHandle node) = 0;

    // The node's caption or kind (its icon) changed. Record fields are not
    // shown by a view and are not reported.
    virtual void nodeChanged(NodeHandle node) = 0;

    // The node got its first child, or lost its last one. kRootNode is never
    // reported.
    virtual void hasChildrenChanged(NodeHandle node, bool hasChildren) = 0;

    // The node was expanded or collapsed. A node without children is never
    // expanded; losing the last child collapses it (reported after
    // hasChildrenChanged).
    virtual void expandedChanged(NodeHandle node, bool expanded) = 0;

    // The selected node is now node (kNoNode: nothing is selected).
    virtual void selectionChanged(NodeHandle node) = 0;

    // The drop-highlighted node of a drag is now node (kNoNode: none).
    virtual void dropHighlightChanged(NodeHandle /*node*/) {}

    // The tree asks to have the keyboard focus (after Move Up / Move Down).
    virtual void focusRequested() {}

    // Bracket a run of many changes (a load, a large copy, clearing the tree);
    // a view may stop redrawing in between. Runs do not nest: the tree reports
    // only the outermost begin and end.
    virtual void batchBegin() {}
    virtual void batchEnd() {}

    // The view's hit test: the node whose icon or label lies under the point in
    // screen coordinates, or kNoNode. MenuTree::nodeAtScreenPoint asks this and
    // checks the answer.
    virtual NodeHandle nodeAtScreenPoint(int /*x*/, int /*y*/) const { return kNoNode; }
};

}  // namespace tessary
