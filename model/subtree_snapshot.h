// Nodes of a MenuTree kept apart from any tree, as the undo history keeps
// what a change removed or overwrote: captions, kinds, whole records (byte for
// byte) and expanded states.
//
// Compact: a record is kept as its values and the two texts it holds, about 30
// bytes and the texts instead of 512, so that a history of many changes to a
// large document stays small. A record that its values and texts would not
// give back byte for byte (one holding bytes after a text's end) is kept whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_tree.h"

namespace tessary {

// The values of nodes, one entry per node, in the order they were added.
class NodeStore {
public:
    // Adds the node's caption, kind, record and expanded state; childCount is
    // kept with it for a caller that stores structure.
    void append(const MenuTree& tree, NodeHandle node, uint32_t childCount = 0);
    // Adds a copy of another store's entry i.
    void appendFrom(const NodeStore& other, size_t i);

    size_t size() const { return nodes_.size(); }
    std::string_view caption(size_t i) const;
    NodeKind kind(size_t i) const { return static_cast<NodeKind>(nodes_[i].kind); }
    bool expanded(size_t i) const { return (nodes_[i].flags & kExpanded) != 0; }
    uint32_t childCount(size_t i) const { return nodes_[i].childCount; }
    void record(size_t i, MenuItemRecord& out) const;

    // Whether the node holds entry i's caption, kind and record (not its
    // expanded state).
    bool matches(size_t i, const MenuTree& tree, NodeHandle node) const;
    // Gives the node entry i's caption, kind and record.
    bool restore(size_t i, MenuTree& tree, NodeHandle node) const;

    // Memory held, in bytes.
    size_t bytes() const;

private:
    static constexpr uint8_t kExpanded = 1;
    static constexpr uint8_t kWholeRecord = 2;
    // The record's numbers (fmId to the end, padding included) are kept as bytes.
    static constexpr size_t kNumbersAt = offsetof(MenuItemRecord, fmId);

    struct Node {
        uint32_t textAt;      // caption, script name and user string, one after the other in texts_
        uint32_t childCount;
        uint32_t wholeAt;     // index into whole_ when kWholeRecord is set
        char numbers[sizeof(MenuItemRecord) - kNumbersAt];
        uint8_t flags;
        int8_t kind;
        uint8_t captionLength;  // texts hold at most 249 characters
        uint8_t scriptLength;
        uint8_t userLength;
    };

    std::vector<Node> nodes_;
    std::string texts_;
    std::vector<MenuItemRecord> whole_;
};

// One node with its whole subtree.
class SubtreeSnapshot {
public:
    SubtreeSnapshot(const MenuTree& tree, NodeHandle node);

    // Builds the subtree anew under parent (kRootNode: the top level) at its
    // place, each node expanded or collapsed as it was, and returns its root;
    // kNoNode when the place does not exist or no node could be made. The
    // parent is expanded (a parent gets expanded by a new child). The tree
    // reports the whole building as one batch.
    NodeHandle insertInto(MenuTree& tree, NodeHandle parent, Position at) const;

    // Whether the subtree at node has the same structure, captions, kinds and
    // records, byte for byte (expanded states aside).
    bool matches(const MenuTree& tree, NodeHandle node) const;

    size_t nodeCount() const { return nodes_.size(); }
    size_t bytes() const { return sizeof *this + nodes_.bytes(); }

private:
    NodeStore nodes_;  // in pre-order
};

}  // namespace tessary
