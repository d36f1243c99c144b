#include "menucode/pending_tree.h"

#include <exception>
#include <new>
#include <utility>

#include "model/menu_tree.h"

namespace tessary {

bool PendingTree::move(Id node, Id newParent) {
    if (!isLive(node) || (newParent != kTop && (!isLive(newParent) || contains(node, newParent)))) {
        return false;
    }
    unlink(node);
    append(node, newParent);
    at(node).moved = true;
    return true;
}

void PendingTree::remove(Id node) {
    if (!isLive(node)) {
        return;
    }
    unlink(node);
    std::vector<Id> pending{node};
    while (!pending.empty()) {
        const Id id = pending.back();
        pending.pop_back();
        Node& gone = at(id);
        for (Id child = gone.firstChild; child != kNil; child = at(child).next) {
            pending.push_back(child);
        }
        gone.live = false;
        gone.parent = gone.firstChild = gone.lastChild = gone.prev = gone.next = kNil;
        --liveCount_;
    }
}

void PendingTree::reserve(size_t nodes) {
    try {
        nodes_.reserve(nodes);
    } catch (const std::exception&) {
        // They grow as they come.
    }
}

void PendingTree::clear() {
    nodes_.clear();
    topFirst_ = topLast_ = kNil;
    liveCount_ = 0;
}

bool PendingTree::isLive(Id node) const {
    return node != kNone && node != kTop && node <= nodes_.size() && at(node).live;
}

NodeKind PendingTree::kind(Id node) const {
    return isLive(node) ? at(node).values.kind : NodeKind::None;
}

PlatformMask PendingTree::platformsOf(Id node) const {
    if (node == kTop) {
        return kPlatformAll;
    }
    if (!isLive(node)) {
        return 0;
    }
    return at(node).values.kind == NodeKind::AppMenu ? kPlatformMac : at(node).values.platforms;
}

bool PendingTree::setCaption(Id node, std::string_view caption) {
    if (!isLive(node)) {
        return false;
    }
    at(node).values.caption = caption;
    return true;
}

void PendingTree::clearPlatforms(Id node, PlatformMask bits) {
    if (!isLive(node)) {
        return;
    }
    // Pre-order along the links, without a stack: a menu is attached at every
    // closing brace, so this runs once per menu of the text.
    const PlatformMask keep = static_cast<PlatformMask>(~bits);
    Id current = node;
    for (;;) {
        Node& here = at(current);
        Id next = kNil;
        if ((here.values.platforms & bits) != 0) {
            here.values.platforms &= keep;
            next = here.firstChild;
        }
        // Past the node's subtree: the next sibling of the nearest node up to
        // `node` that has one.
        for (Id up = current; next == kNil && up != node; up = at(up).parent) {
            next = at(up).next;
        }
        if (next == kNil) {
            return;
        }
        current = next;
    }
}

bool PendingTree::materialize(MenuTree& tree) const {
    struct Frame {
        Id next;            // the next pending node to insert at this level
        NodeHandle parent;  // where it goes
    };
    std::vector<NodeHandle> toCollapse;
    std::vector<Frame> stack{{topFirst_, kRootNode}};
    tree.reserve(liveCount_);  // without it the tree allocates as it goes
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == kNil) {
            stack.pop_back();
            continue;
        }
        const Node& node = at(frame.next);
        const NodeHandle parent = frame.parent;
        frame.next = node.next;
        const NodeHandle made = tree.insertNode(parent, Position::Last, node.values);
        if (made == kNoNode) {
            return false;
        }
        if (node.firstChild != kNil) {
            if (!node.moved && !node.receivedItem) {
                toCollapse.push_back(made);
            }
            stack.push_back({node.firstChild, made});
        }
    }
    for (NodeHandle node : toCollapse) {
        tree.expandNode(node, false);
    }
    return true;
}

void PendingTree::unlink(Id id) {
    Node& node = at(id);
    uint32_t& first = node.parent == kNil ? topFirst_ : at(node.parent).firstChild;
    uint32_t& last = node.parent == kNil ? topLast_ : at(node.parent).lastChild;
    if (node.prev != kNil) {
        at(node.prev).next = node.next;
    } else {
        first = node.next;
    }
    if (node.next != kNil) {
        at(node.next).prev = node.prev;
    } else {
        last = node.prev;
    }
    node.parent = node.prev = node.next = kNil;
}

void PendingTree::append(Id id, Id parent) {
    Node& node = at(id);
    node.parent = parent == kTop ? kNil : parent;
    uint32_t& first = parent == kTop ? topFirst_ : at(parent).firstChild;
    uint32_t& last = parent == kTop ? topLast_ : at(parent).lastChild;
    node.prev = last;
    node.next = kNil;
    if (last != kNil) {
        at(last).next = id;
    } else {
        first = id;
    }
    last = id;
}

bool PendingTree::contains(Id ancestor, Id node) const {
    for (Id walk = node; walk != kNil; walk = at(walk).parent) {
        if (walk == ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace tessary
