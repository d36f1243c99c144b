// What a record of a MenuTree's changes (the undo history) hears: every change
// of the document's content, reported so that it can be taken back. The view's
// TreeObserver hears of changes after the fact; a recorder hears of a removal
// and of a change of a node's values before them, while the old state can
// still be read.
//
// Content is the structure, the captions, the kinds and the records. The
// selection, the expanded states and the drop highlight are view state and
// are not reported. Callbacks run synchronously inside the tree's operation
// and must not change the tree.
#pragma once

#include "model/node_handle.h"

namespace tessary {

class TreeRecorder {
public:
    virtual ~TreeRecorder() = default;

    // A node was created under parent (kRootNode: the top level) after `after`
    // (kNoNode: as the first child). Its values are in place; it has no
    // children yet (a copied subtree is reported node by node, each parent
    // before its children).
    virtual void nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) = 0;

    // The node and its whole subtree are about to be removed; they are still
    // intact and can be read.
    virtual void subtreeRemoving(NodeHandle node) = 0;

    // The node's caption, kind or record is about to change (its old values
    // can still be read). Reported for every call of a setter that takes the
    // value, whether or not the value differs.
    virtual void nodeChanging(NodeHandle node) = 0;
};

}  // namespace tessary
