#include "model/subtree_snapshot.h"

#include <cstring>

namespace tessary {
namespace {

// The node after `at` in pre-order, staying inside the subtree of top.
NodeHandle nextInSubtree(const MenuTree& tree, NodeHandle at, NodeHandle top) {
    if (NodeHandle child = tree.firstChild(at); child != kNoNode) {
        return child;
    }
    while (at != top) {
        if (NodeHandle next = tree.nextSibling(at); next != kNoNode) {
            return next;
        }
        at = tree.parent(at);
    }
    return kNoNode;
}

}  // namespace

// ---- NodeStore ----

void NodeStore::append(const MenuTree& tree, NodeHandle node, uint32_t childCount) {
    const MenuItemRecord* record = tree.getRecord(node);
    if (record == nullptr) {
        return;
    }
    const std::string_view caption = tree.captionView(node);
    const std::string_view script = recordText(record->scriptName);
    const std::string_view user = recordText(record->userString);
    Node entry = {};
    entry.textAt = static_cast<uint32_t>(texts_.size());
    entry.childCount = childCount;
    std::memcpy(entry.numbers, reinterpret_cast<const char*>(record) + kNumbersAt, sizeof entry.numbers);
    entry.flags = tree.isExpanded(node) ? kExpanded : 0;
    entry.kind = static_cast<int8_t>(tree.getKind(node));
    entry.captionLength = static_cast<uint8_t>(caption.size());
    entry.scriptLength = static_cast<uint8_t>(script.size());
    entry.userLength = static_cast<uint8_t>(user.size());
    texts_.append(caption).append(script).append(user);
    nodes_.push_back(entry);

    // Kept whole only when the values would not give the same bytes back.
    MenuItemRecord again;
    this->record(nodes_.size() - 1, again);
    if (!recordsEqual(again, *record)) {
        nodes_.back().flags |= kWholeRecord;
        nodes_.back().wholeAt = static_cast<uint32_t>(whole_.size());
        whole_.push_back(*record);
    }
}

void NodeStore::appendFrom(const NodeStore& other, size_t i) {
    Node entry = other.nodes_[i];
    const size_t length = size_t{entry.captionLength} + entry.scriptLength + entry.userLength;
    entry.textAt = static_cast<uint32_t>(texts_.size());
    texts_.append(other.texts_, other.nodes_[i].textAt, length);
    if (entry.flags & kWholeRecord) {
        entry.wholeAt = static_cast<uint32_t>(whole_.size());
        whole_.push_back(other.whole_[other.nodes_[i].wholeAt]);
    }
    nodes_.push_back(entry);
}

std::string_view NodeStore::caption(size_t i) const {
    return std::string_view(texts_).substr(nodes_[i].textAt, nodes_[i].captionLength);
}

void NodeStore::record(size_t i, MenuItemRecord& out) const {
    const Node& entry = nodes_[i];
    if (entry.flags & kWholeRecord) {
        copyRecord(out, whole_[entry.wholeAt]);
        return;
    }
    clearRecord(out);
    const char* texts = texts_.data() + entry.textAt + entry.captionLength;
    std::memcpy(out.scriptName, texts, entry.scriptLength);
    std::memcpy(out.userString, texts + entry.scriptLength, entry.userLength);
    std::memcpy(reinterpret_cast<char*>(&out) + kNumbersAt, entry.numbers, sizeof entry.numbers);
}

bool NodeStore::matches(size_t i, const MenuTree& tree, NodeHandle node) const {
    const MenuItemRecord* held = tree.getRecord(node);
    if (held == nullptr || tree.getKind(node) != kind(i) || tree.captionView(node) != caption(i)) {
        return false;
    }
    MenuItemRecord mine;
    record(i, mine);
    return recordsEqual(mine, *held);
}

bool NodeStore::restore(size_t i, MenuTree& tree, NodeHandle node) const {
    MenuItemRecord values;
    record(i, values);
    return tree.setNodeValues(node, caption(i), kind(i), values);
}

size_t NodeStore::bytes() const {
    return nodes_.capacity() * sizeof(Node) + texts_.capacity() + whole_.capacity() * sizeof(MenuItemRecord);
}

// ---- SubtreeSnapshot ----

SubtreeSnapshot::SubtreeSnapshot(const MenuTree& tree, NodeHandle node) {
    if (!tree.isValid(node)) {
        return;
    }
    for (NodeHandle at = node; at != kNoNode; at = nextInSubtree(tree, at, node)) {
        nodes_.append(tree, at, static_cast<uint32_t>(tree.childCount(at)));
    }
}

NodeHandle SubtreeSnapshot::insertInto(MenuTree& tree, NodeHandle parent, Position at) const {
    if (nodes_.size() == 0) {
        return kNoNode;
    }
    TreeBatch batch(tree);
    MenuItemRecord record;
    auto make = [&](size_t i, NodeHandle under, Position place) {
        nodes_.record(i, record);
        return tree.insertNode(under, place, nodes_.caption(i), nodes_.kind(i), record);
    };
    const NodeHandle root = make(0, parent, at);
    if (root == kNoNode) {
        return kNoNode;
    }
    // Each frame: a node made, its entry, and how many of its children are
    // still to be made. A node that was collapsed is collapsed again once its
    // children are in (each child's insertion expands its parent).
    struct Frame {
        NodeHandle node;
        size_t entry;
        uint32_t remaining;
    };
    std::vector<Frame> stack;
    stack.push_back({root, 0, nodes_.childCount(0)});
    size_t next = 1;
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.remaining == 0) {
            if (!nodes_.expanded(frame.entry)) {
                tree.expandNode(frame.node, false);
            }
            stack.pop_back();
            continue;
        }
        --frame.remaining;
        const NodeHandle made = make(next, frame.node, Position::Last);
        if (made == kNoNode) {
            break;  // out of nodes: what was made stays, as a copy that stops
        }
        stack.push_back({made, next, nodes_.childCount(next)});
        ++next;
    }
    return root;
}

bool SubtreeSnapshot::matches(const MenuTree& tree, NodeHandle node) const {
    size_t i = 0;
    for (NodeHandle at = tree.isValid(node) ? node : kNoNode; at != kNoNode; at = nextInSubtree(tree, at, node), ++i) {
        if (i == nodes_.size() || nodes_.childCount(i) != tree.childCount(at) || !nodes_.matches(i, tree, at)) {
            return false;
        }
    }
    return i == nodes_.size() && i > 0;
}

}  // namespace tessary
