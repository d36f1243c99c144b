// The nodes of one load while the text is being read.
//
// The loader arranges nodes the way menu code is read: a menu is begun at the
// top level when its opening brace is read and moved under its parent when
// its closing brace is read, and at that point every platform its parent lacks
// is cleared from the moved menu and everything below it. A menu whose text
// fails stays where it is at that moment. Done with MenuTree operations, every
// move copies the whole subtree and removes the source, so a node at depth d is
// copied d times; a deep 512 KB menu would be copied a million times, and the
// tree view's mirror would hear of every copy.
//
// PendingTree keeps the same arrangement with moves that relink a node in O(1)
// and a platform cut that stops where nothing is left to clear, and hands the
// finished arrangement to the MenuTree in one pass (materialize). The MenuTree
// ends up exactly as the copying would leave it: the same nodes in the same
// places with the same records, and the same nodes expanded (a moved menu is a
// fresh copy, expanded when it has children; a menu that was never moved is
// expanded only by an item inserted into it).
//
// A pending node carries the NodeValues it will be inserted with: a few numbers
// and its texts. The texts are not copied: they are views into the text being
// read (or constant captions), which outlives the load. Its record is written
// where the MenuTree keeps it, zero-filled with these values, as insertNode
// makes every record.
#pragma once

#include <cstdint>
#include <new>
#include <string_view>
#include <vector>

#include "model/menu_item_record.h"
#include "model/node_handle.h"

namespace tessary {

class MenuTree;

class PendingTree {
public:
    // Nodes are named by ids from 1 on; 0 is none. kTop stands for the top level.
    using Id = uint32_t;
    static constexpr Id kNone = 0;
    static constexpr Id kTop = 0xFFFFFFFF;

    // Appends a node as the last child of parent (kTop: the top level). Returns
    // kNone when parent is neither kTop nor a live node, or on allocation failure.
    // (The tree cuts the texts to 249 characters.) The texts are not copied:
    // what they view must stay until materialize has run. Inline: the loader's
    // values reach the node in registers; read back from the small stores that
    // had just written them, they would wait for those.
    Id add(Id parent, const NodeValues& values);

    // Relinks a live node, with its subtree, as the last child of newParent (kTop
    // or a live node outside the node's subtree). The node counts as moved from
    // now on. False, with nothing changed, when either is not acceptable.
    bool move(Id node, Id newParent);

    // Unlinks a live node with its subtree; all of them are gone afterwards.
    void remove(Id node);

    // Drops every node.
    void clear();

    // Makes room for about this many nodes, so that they are not moved as
    // they come (when there is no memory for it, they are).
    void reserve(size_t nodes);

    bool isLive(Id node) const;
    Id firstTopLevel() const { return topFirst_; }
    NodeKind kind(Id node) const;
    // The set a node reports for its children: 7 for kTop, 6 for an AppMenu,
    // the record's set otherwise (0 for no live node).
    PlatformMask platformsOf(Id node) const;
    // False for no live node. The text is not copied.
    bool setCaption(Id node, std::string_view caption);

    // Clears bits from the stored set of the node and of every node below it.
    // Below a node whose set holds none of the bits nothing is visited: every
    // node lies within its parent's set once its parent has been moved, and
    // items take a subset of their parent's set when they are added.
    void clearPlatforms(Id node, PlatformMask bits);

    // Inserts the top-level nodes with their subtrees, in order, at the end of
    // the tree's top level, then collapses the menus that were never moved and
    // received no item. False when the tree refused a node (what was inserted
    // until then stays).
    bool materialize(MenuTree& tree) const;

    size_t liveCount() const { return liveCount_; }

private:
    static constexpr uint32_t kNil = 0;  // links hold ids; 0 is no node

    struct Node {
        uint32_t parent = kNil;  // kNil at the top level
        uint32_t firstChild = kNil;
        uint32_t lastChild = kNil;
        uint32_t prev = kNil;
        uint32_t next = kNil;
        bool live = false;
        bool moved = false;         // a copy, in the terms of the copying load
        bool receivedItem = false;  // an item was inserted into it directly
        NodeValues values;          // last: the flags fill the gap before its alignment
    };

    Node& at(Id id) { return nodes_[id - 1]; }
    const Node& at(Id id) const { return nodes_[id - 1]; }
    void unlink(Id id);
    void append(Id id, Id parent);
    bool contains(Id ancestor, Id node) const;

    std::vector<Node> nodes_;
    uint32_t topFirst_ = kNil;
    uint32_t topLast_ = kNil;
    size_t liveCount_ = 0;
};

inline PendingTree::Id PendingTree::add(Id parent, const NodeValues& values) {
    if (parent != kTop && !isLive(parent)) {
        return kNone;
    }
    try {
        Node node;
        node.values = values;
        node.live = true;
        nodes_.push_back(node);
    } catch (const std::bad_alloc&) {
        return kNone;
    }
    const Id id = static_cast<Id>(nodes_.size());
    append(id, parent);
    ++liveCount_;
    if (parent != kTop) {
        at(parent).receivedItem = true;
    }
    return id;
}

}  // namespace tessary
