// MenuTree operations over many nodes: the searches, platform sets and flags
// over subtrees, Move Up / Move Down, expanding and collapsing everything, and
// the structural self-check.
#include <string>
#include <vector>

#include "model/menu_tree.h"

namespace tessary {

// ---- Searching ----

NodeHandle MenuTree::findFirstAppMenu() const {
    for (uint32_t at = slots_[kRootIndex].firstChild; at != kNil; at = preOrderNext(at, kRootIndex)) {
        if (slots_[at].kind == NodeKind::AppMenu) {
            return handleOf(at);
        }
    }
    return kNoNode;
}

NodeHandle MenuTree::findMacQuitItem() const {
    return findKindFromAppMenu(NodeKind::MacQuitItem);
}

NodeHandle MenuTree::findMacPreferencesItem() const {
    return findKindFromAppMenu(NodeKind::MacPreferencesItem);
}

// The search starts at the first AppMenu and runs through its subtree and the
// subtrees of its following siblings (for an AppMenu at the top level, which is
// where it stands, the following top-level subtrees).
NodeHandle MenuTree::findKindFromAppMenu(NodeKind kind) const {
    const uint32_t appMenu = liveIndex(findFirstAppMenu());
    if (appMenu == kNil) {
        return kNoNode;
    }
    const uint32_t limit = slots_[appMenu].parent;
    for (uint32_t at = appMenu; at != kNil; at = preOrderNext(at, limit)) {
        if (slots_[at].kind == kind) {
            return handleOf(at);
        }
    }
    return kNoNode;
}

NodeHandle MenuTree::findScriptByShortcut(uint16_t code) const {
    for (uint32_t at = slots_[kRootIndex].firstChild; at != kNil; at = preOrderNext(at, kRootIndex)) {
        const Slot& slot = slots_[at];
        if (slot.kind == NodeKind::ScriptItem && slot.record->shortcut == code) {
            return handleOf(at);
        }
    }
    return kNoNode;
}

NodeHandle MenuTree::findPlatformsInSubtree(NodeHandle node, PlatformMask set) const {
    const uint32_t start = node == kRootNode ? kRootIndex : nodeIndex(node);
    if (start == kNil) {
        return kNoNode;
    }
    const uint32_t first = start == kRootIndex ? slots_[kRootIndex].firstChild : start;
    for (uint32_t at = first; at != kNil; at = preOrderNext(at, start)) {
        if (platformsOf(at) == set) {
            return handleOf(at);
        }
    }
    return kNoNode;
}

bool MenuTree::isAncestorOrSelf(NodeHandle ancestor, NodeHandle node) const {
    const uint32_t below = nodeIndex(node);
    if (below == kNil) {
        return false;
    }
    if (ancestor == kRootNode) {
        return true;
    }
    return containsIndex(nodeIndex(ancestor), below);
}

// ---- Changes over many nodes ----

bool MenuTree::applyPlatformsToSubtree(NodeHandle node, PlatformMask set) {
    const uint32_t start = node == kRootNode ? kRootIndex : nodeIndex(node);
    if (start == kNil) {
        return false;
    }
    const uint32_t first = start == kRootIndex ? slots_[kRootIndex].firstChild : start;
    for (uint32_t at = first; at != kNil; at = preOrderNext(at, start)) {
        if (slots_[at].kind != NodeKind::AppMenu) {
            willChange(at);
            slots_[at].record->platforms = set;
        }
    }
    return true;
}

bool MenuTree::removePlatformsFromSubtree(NodeHandle node, PlatformMask bits, bool removeEmpty) {
    const uint32_t start = node == kRootNode ? kRootIndex : nodeIndex(node);
    if (start == kNil) {
        return false;
    }
    TreeBatch batch(*this);
    const PlatformMask keep = static_cast<PlatformMask>(~bits);
    auto clearBits = [&](uint32_t at) {
        if (at != kRootIndex && (slots_[at].record->platforms & bits) != 0) {
            willChange(at);
            slots_[at].record->platforms &= keep;
        }
    };
    auto emptied = [&](uint32_t at) { return removeEmpty && at != kRootIndex && slots_[at].record->platforms == 0; };

    // Each frame is a node whose children are being processed and the child to
    // process next. A child is removed once its own children are done, after its
    // next sibling was taken.
    struct Frame {
        uint32_t node;
        uint32_t nextChild;
    };
    clearBits(start);
    std::vector<Frame> stack{{start, slots_[start].firstChild}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.nextChild != kNil) {
            const uint32_t child = frame.nextChild;
            clearBits(child);
            stack.push_back({child, slots_[child].firstChild});
            continue;
        }
        const uint32_t done = frame.node;
        stack.pop_back();
        if (!stack.empty()) {
            stack.back().nextChild = slots_[done].next;
        }
        if (emptied(done)) {
            deleteSubtree(handleOf(done));
        }
    }
    return true;
}

bool MenuTree::setLocalCaptionOnRun(NodeHandle node, uint8_t flag) {
    const uint32_t start = nodeIndex(node);
    if (start == kNil) {
        return false;
    }
    const uint32_t limit = slots_[start].parent;
    for (uint32_t at = start; at != kNil; at = preOrderNext(at, limit)) {
        willChange(at);
        slots_[at].record->useLocalCaption = flag;
    }
    return true;
}

// ---- Order and view ----

static bool isMacSystemItem(NodeKind kind) {
    return kind == NodeKind::MacQuitItem || kind == NodeKind::MacPreferencesItem;
}

NodeHandle MenuTree::moveNodeUp(NodeHandle node) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || isMacSystemItem(slots_[index].kind)) {
        return kNoNode;
    }
    const uint32_t prev = slots_[index].prev;
    if (slots_[index].kind == NodeKind::AppMenu && prev == kNil) {
        return kNoNode;
    }
    if (prev != kNil && slots_[prev].kind == NodeKind::AppMenu) {
        return kNoNode;  // nothing moves above the application menu
    }
    const uint32_t anchor = prev == kNil ? kNil : slots_[prev].prev;
    const NodeHandle source = handleOf(index);

    TreeBatch batch(*this);
    const NodeHandle copy =
        copySubtree(source, handleOf(slots_[index].parent), anchor == kNil ? kFirstPosition : handleOf(anchor));
    if (copy == kNoNode) {
        return kNoNode;
    }
    deleteSubtree(source);
    selectNode(copy);
    expandNode(copy, true);
    if (observer_) {
        observer_->focusRequested();
    }
    return copy;
}

NodeHandle MenuTree::moveNodeDown(NodeHandle node) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || isMacSystemItem(slots_[index].kind)) {
        return kNoNode;
    }
    const uint32_t next = slots_[index].next;
    if (next != kNil && isMacSystemItem(slots_[next].kind)) {
        return kNoNode;  // nothing moves below the Mac system items
    }
    const NodeHandle source = handleOf(index);

    TreeBatch batch(*this);
    const NodeHandle copy =
        copySubtree(source, handleOf(slots_[index].parent), next == kNil ? kLastPosition : handleOf(next));
    if (copy == kNoNode) {
        return kNoNode;
    }
    deleteSubtree(source);
    selectNode(copy);
    expandNode(copy, true);
    if (observer_) {
        observer_->focusRequested();
    }
    return copy;
}

void MenuTree::expandAll() {
    TreeBatch batch(*this);
    for (uint32_t at = slots_[kRootIndex].firstChild; at != kNil; at = preOrderNext(at, kRootIndex)) {
        if (slots_[at].childCount > 0) {
            setExpanded(at, true);
        }
    }
}

void MenuTree::collapseAll() {
    TreeBatch batch(*this);
    for (uint32_t at = slots_[kRootIndex].firstChild; at != kNil; at = preOrderNext(at, kRootIndex)) {
        setExpanded(at, false);
    }
    // Only top-level nodes stay in sight: a selection below one moves up to it.
    NodeHandle shown = selected_;
    while (isValid(shown) && parent(shown) != kRootNode) {
        shown = parent(shown);
    }
    if (shown != selected_) {
        setSelected(shown);
    }
}

// ---- Self-check ----

bool MenuTree::checkInvariants(std::string* problem) const {
    auto fail = [&](const std::string& what, uint32_t at) {
        if (problem) {
            *problem = what + " (slot " + std::to_string(at) + ")";
        }
        return false;
    };
    if (slots_.empty() || slots_[kRootIndex].live || slots_[kRootIndex].parent != kNil) {
        return fail("root slot damaged", kRootIndex);
    }
    std::vector<bool> seen(slots_.size(), false);
    size_t reached = 0;
    std::vector<uint32_t> pending{kRootIndex};
    while (!pending.empty()) {
        const uint32_t at = pending.back();
        pending.pop_back();
        const Slot& slot = slots_[at];
        uint32_t count = 0;
        uint32_t prev = kNil;
        for (uint32_t child = slot.firstChild; child != kNil; child = slots_[child].next) {
            if (child >= slots_.size() || child == kRootIndex) {
                return fail("child link out of range", at);
            }
            if (seen[child]) {
                return fail("node reached twice", child);
            }
            seen[child] = true;
            const Slot& c = slots_[child];
            if (!c.live || !c.record) {
                return fail("dead node linked into the tree", child);
            }
            if (c.parent != at) {
                return fail("parent link disagrees with child list", child);
            }
            if (c.prev != prev) {
                return fail("previous-sibling link broken", child);
            }
            if (!isValidNodeKind(c.kind)) {
                return fail("invalid kind", child);
            }
            if (c.caption.size() > kMaxTextLength) {
                return fail("caption longer than 249 characters", child);
            }
            if (c.generation == 0 || c.generation > kMaxGeneration) {
                return fail("generation out of range", child);
            }
            if (c.expanded && c.firstChild == kNil) {
                return fail("expanded node without children", child);
            }
            prev = child;
            ++count;
            pending.push_back(child);
        }
        if (slot.lastChild != prev) {
            return fail("last-child link broken", at);
        }
        if (slot.childCount != count) {
            return fail("child count wrong", at);
        }
        reached += count;
    }
    size_t live = 0;
    for (uint32_t at = 1; at < slots_.size(); ++at) {
        if (slots_[at].live) {
            ++live;
            if (!seen[at]) {
                return fail("live node not reachable from the root", at);
            }
        } else if (slots_[at].record) {
            return fail("free slot still holds a record", at);
        }
    }
    if (live != reached || live != liveCount_) {
        return fail("node count wrong", kRootIndex);
    }
    for (uint32_t at : freeSlots_) {
        if (at == kRootIndex || at >= slots_.size() || slots_[at].live) {
            return fail("free list holds a live slot", at);
        }
    }
    if (selected_ != kNoNode && !isValid(selected_)) {
        return fail("selection names no live node", kRootIndex);
    }
    if (dropHighlight_ != kNoNode && !isValid(dropHighlight_)) {
        return fail("drop highlight names no live node", kRootIndex);
    }
    return true;
}

}  // namespace tessary
