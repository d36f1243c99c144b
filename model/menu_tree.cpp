// The structure of the MenuTree: slots and handles, insertion, copying,
// removal, selection, expansion and walking. Field access is in
// menu_tree_fields.cpp; searches and the operations over whole subtrees are in
// menu_tree_ops.cpp.
#include "model/menu_tree.h"

#include <cstring>
#include <new>
#include <ostream>

namespace tessary {

std::ostream& operator<<(std::ostream& out, NodeHandle node) {
    return out << node.value();
}

MenuTree::MenuTree() {
    slots_.emplace_back();  // the invisible root
}

MenuTree::~MenuTree() = default;

// ---- Observer and batches ----

void MenuTree::beginBatch() {
    if (batchDepth_++ == 0 && observer_) {
        observer_->batchBegin();
    }
}

void MenuTree::endBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0 && observer_) {
        observer_->batchEnd();
    }
}

// ---- Handles ----

NodeHandle MenuTree::handleOf(uint32_t index) const {
    if (index == kNil) {
        return kNoNode;
    }
    if (index == kRootIndex) {
        return kRootNode;
    }
    return NodeHandle((static_cast<uint32_t>(slots_[index].generation) << kIndexBits) | index);
}

uint32_t MenuTree::liveIndex(NodeHandle node) const {
    const uint32_t index = node.value() & kIndexMask;
    const uint32_t generation = node.value() >> kIndexBits;
    if (index == kRootIndex || index >= slots_.size()) {
        return kNil;
    }
    const Slot& slot = slots_[index];
    if (!slot.live || slot.generation != generation) {
        return kNil;
    }
    return index;
}

uint32_t MenuTree::nodeIndex(NodeHandle node) const {
    return liveIndex(node == kNoNode ? selected_ : node);
}

uint32_t MenuTree::parentIndex(NodeHandle parent) const {
    if (parent == kNoNode || parent == kRootNode) {
        return kRootIndex;
    }
    return liveIndex(parent);
}

bool MenuTree::isValid(NodeHandle node) const {
    return liveIndex(node) != kNil;
}

MenuItemRecord* MenuTree::recordFor(NodeHandle node, bool taken) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil) {
        return nullptr;
    }
    if (taken) {
        willChange(index);
    }
    return slots_[index].record;
}

const MenuItemRecord* MenuTree::recordOf(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    return index == kNil ? nullptr : slots_[index].record;
}

const MenuItemRecord* MenuTree::getRecord(NodeHandle node) const {
    return recordOf(node);
}

// ---- Creating ----

bool MenuTree::resolvePosition(uint32_t parent, NodeHandle after, uint32_t& afterIndex, bool& first) const {
    first = false;
    afterIndex = kNil;
    if (after == kFirstPosition) {
        first = true;
        return true;
    }
    if (after == kNoNode || after == kLastPosition) {
        afterIndex = slots_[parent].lastChild;
        first = afterIndex == kNil;
        return true;
    }
    afterIndex = liveIndex(after);
    return afterIndex != kNil && slots_[afterIndex].parent == parent;
}

template <typename FillRecord>
NodeHandle MenuTree::createNode(uint32_t parent,
                                uint32_t afterIndex,
                                bool first,
                                std::string_view caption,
                                NodeKind kind,
                                FillRecord fillRecord,
                                bool expandParent) {
    MenuItemRecord* ownRecord = records_.acquire();
    if (ownRecord == nullptr) {
        return kNoNode;
    }
    fillRecord(*ownRecord);

    uint32_t index;
    if (!freeSlots_.empty()) {
        index = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        if (slots_.size() > kIndexMask) {
            records_.release(ownRecord);
            return kNoNode;  // every handle has been given out
        }
        try {
            slots_.emplace_back();
        } catch (const std::bad_alloc&) {
            records_.release(ownRecord);
            return kNoNode;
        }
        index = static_cast<uint32_t>(slots_.size() - 1);
    }
    try {
        slots_[index].caption.assign(caption);
    } catch (const std::bad_alloc&) {
        freeSlots_.push_back(index);  // never given out: its generation stays unused
        records_.release(ownRecord);
        return kNoNode;
    }

    Slot& slot = slots_[index];
    slot.record = ownRecord;
    slot.generation++;
    slot.kind = kind;
    slot.live = true;
    slot.expanded = false;
    slot.firstChild = slot.lastChild = kNil;
    slot.childCount = 0;
    slot.parent = parent;

    Slot& parentSlot = slots_[parent];
    if (first) {
        slot.prev = kNil;
        slot.next = parentSlot.firstChild;
    } else {
        slot.prev = afterIndex;
        slot.next = slots_[afterIndex].next;
    }
    if (slot.prev != kNil) {
        slots_[slot.prev].next = index;
    } else {
        parentSlot.firstChild = index;
    }
    if (slot.next != kNil) {
        slots_[slot.next].prev = index;
    } else {
        parentSlot.lastChild = index;
    }
    parentSlot.childCount++;
    liveCount_++;

    const NodeHandle handle = handleOf(index);
    if (recorder_) {
        recorder_->nodeInserted(handle, handleOf(parent), handleOf(slot.prev));
    }
    if (observer_) {
        observer_->nodeInserted(handle, handleOf(parent), handleOf(slot.prev));
    }
    if (parent != kRootIndex) {
        if (slots_[parent].childCount == 1 && observer_) {
            observer_->hasChildrenChanged(handleOf(parent), true);
        }
        if (expandParent) {
            setExpanded(parent, true);
        }
    }
    return handle;
}

template <typename FillRecord>
NodeHandle MenuTree::insertFilled(NodeHandle parent,
                                  NodeHandle after,
                                  std::string_view caption,
                                  NodeKind kind,
                                  FillRecord fillRecord) {
    if (!isValidNodeKind(kind)) {
        return kNoNode;
    }
    const uint32_t parentAt = parentIndex(parent);
    if (parentAt == kNil) {
        return kNoNode;
    }
    uint32_t afterIndex;
    bool first;
    if (!resolvePosition(parentAt, after, afterIndex, first)) {
        return kNoNode;
    }
    return createNode(parentAt, afterIndex, first, caption, kind, fillRecord, true);
}

NodeHandle MenuTree::insertValues(NodeHandle parent, NodeHandle after, const NodeValues& values) {
    // Written in place: zero-filled, then the values (the texts over zeros).
    const std::string_view scriptName = values.scriptName.substr(0, kMaxTextLength);
    const std::string_view userString = values.userString.substr(0, kMaxTextLength);
    return insertFilled(parent, after, values.caption, values.kind, [&](MenuItemRecord& record) {
        clearRecord(record);
        if (!scriptName.empty()) {
            std::memcpy(record.scriptName, scriptName.data(), scriptName.size());
        }
        if (!userString.empty()) {
            std::memcpy(record.userString, userString.data(), userString.size());
        }
        record.fmId = values.fmId;
        record.platforms = values.platforms;
        record.shortcut = values.shortcut;
        record.enabled = values.enabled;
        record.checkOn = values.checkOn;
        record.useLocalCaption = values.useLocalCaption;
    });
}

NodeHandle MenuTree::insertNode(NodeHandle parent, Position at, const NodeValues& values) {
    if (parent == kNoNode || at.asAfter() == kNoNode) {
        return kNoNode;
    }
    return insertValues(parent, at.asAfter(), values);
}

NodeHandle MenuTree::insertNode(NodeHandle parent,
                                Position at,
                                std::string_view caption,
                                NodeKind kind,
                                const MenuItemRecord& record) {
    if (parent == kNoNode || at.asAfter() == kNoNode) {
        return kNoNode;
    }
    return insertFilled(parent, at.asAfter(), caption, kind,
                        [&record](MenuItemRecord& target) { copyRecord(target, record); });
}

NodeHandle MenuTree::insertNode(NodeHandle parent,
                                NodeHandle after,
                                std::string_view caption,
                                NodeKind kind,
                                PlatformMask platforms,
                                uint16_t shortcut,
                                uint32_t fmId,
                                uint8_t useLocalCaption,
                                uint8_t enabled,
                                uint8_t checkOn,
                                std::string_view scriptName,
                                std::string_view userString) {
    return insertValues(
        parent, after,
        {caption, kind, platforms, shortcut, fmId, useLocalCaption, enabled, checkOn, scriptName, userString});
}

// ---- Copying ----

NodeHandle MenuTree::copySubtree(NodeHandle source, NodeHandle parent, Position at) {
    return copySubtree(*this, source, parent, at);
}

NodeHandle MenuTree::copySubtree(const MenuTree& sourceTree, NodeHandle source, NodeHandle parent, Position at) {
    if (source == kNoNode || parent == kNoNode || at.asAfter() == kNoNode) {
        return kNoNode;
    }
    return copySubtree(sourceTree, source, parent, at.asAfter());
}

NodeHandle MenuTree::copySubtree(NodeHandle source, NodeHandle parent, NodeHandle after) {
    return copySubtree(*this, source, parent, after);
}

NodeHandle MenuTree::copySubtree(const MenuTree& sourceTree, NodeHandle source, NodeHandle parent, NodeHandle after) {
    const uint32_t sourceAt = sourceTree.nodeIndex(source);
    const uint32_t parentAt = parentIndex(parent);
    if (sourceAt == kNil || parentAt == kNil) {
        return kNoNode;
    }
    if (&sourceTree == this && containsIndex(sourceAt, parentAt)) {
        return kNoNode;  // the copy would land inside the subtree being copied
    }
    uint32_t afterIndex;
    bool first;
    if (!resolvePosition(parentAt, after, afterIndex, first)) {
        return kNoNode;
    }

    TreeBatch batch(*this);
    // Slots of either tree may move while nodes are made: hold indices only.
    // (Records stay where they are.)
    auto copyOne = [&](uint32_t from, uint32_t toParent, uint32_t toAfter, bool toFirst, bool expandParent) {
        const Slot& slot = sourceTree.slots_[from];
        // The caption is copied out: creating a node may move the slots.
        const std::string_view held = slot.caption.view();
        char caption[kMaxTextLength];
        std::memcpy(caption, held.data(), held.size());
        const MenuItemRecord* source = slot.record;
        return createNode(
            toParent, toAfter, toFirst, std::string_view(caption, held.size()), slot.kind,
            [source](MenuItemRecord& record) { copyRecord(record, *source); },  // padding included
            expandParent);
    };

    const NodeHandle copy = copyOne(sourceAt, parentAt, afterIndex, first, false);
    if (copy == kNoNode) {
        return kNoNode;
    }
    // Pre-order: each frame holds the next source child to copy and the copy
    // that receives it.
    struct Frame {
        uint32_t sourceChild;
        uint32_t target;
    };
    std::vector<Frame> stack;
    stack.push_back({sourceTree.slots_[sourceAt].firstChild, copy.value() & kIndexMask});
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.sourceChild == kNil) {
            stack.pop_back();
            continue;
        }
        const uint32_t from = frame.sourceChild;
        const uint32_t target = frame.target;
        frame.sourceChild = sourceTree.slots_[from].next;
        const NodeHandle made = copyOne(from, target, slots_[target].lastChild, slots_[target].lastChild == kNil, true);
        if (made == kNoNode) {
            break;
        }
        if (sourceTree.slots_[from].firstChild != kNil) {
            stack.push_back({sourceTree.slots_[from].firstChild, made.value() & kIndexMask});
        }
    }
    return copy;
}

// ---- Removing ----

void MenuTree::freeSubtree(uint32_t top) {
    std::vector<uint32_t> pending{top};
    while (!pending.empty()) {
        const uint32_t index = pending.back();
        pending.pop_back();
        Slot& slot = slots_[index];
        for (uint32_t child = slot.firstChild; child != kNil; child = slots_[child].next) {
            pending.push_back(child);
        }
        records_.release(slot.record);
        slot.record = nullptr;
        slot.caption.clear();
        slot.live = false;
        slot.expanded = false;
        slot.kind = NodeKind::None;
        slot.parent = slot.firstChild = slot.lastChild = slot.prev = slot.next = kNil;
        slot.childCount = 0;
        liveCount_--;
        // A slot whose generations are used up is retired: its handles stay dead.
        if (slot.generation < kMaxGeneration) {
            freeSlots_.push_back(index);
        }
    }
}

bool MenuTree::deleteSubtree(NodeHandle node) {
    if (node == kRootNode) {
        clearTree();
        return true;
    }
    const uint32_t index = nodeIndex(node);
    if (index == kNil) {
        return false;
    }
    const NodeHandle handle = handleOf(index);
    if (recorder_) {
        recorder_->subtreeRemoving(handle);
    }
    const Slot& slot = slots_[index];
    const uint32_t parent = slot.parent;

    if (selected_ != kNoNode && containsIndex(index, liveIndex(selected_))) {
        uint32_t next = slot.next;
        if (next == kNil) {
            next = parent != kRootIndex ? parent : slot.prev;
        }
        setSelected(handleOf(next));
    }
    if (dropHighlight_ != kNoNode && containsIndex(index, liveIndex(dropHighlight_))) {
        setDropHighlighted(kNoNode);
    }
    if (observer_) {
        observer_->nodeRemoved(handle);
    }

    Slot& parentSlot = slots_[parent];
    if (slot.prev != kNil) {
        slots_[slot.prev].next = slot.next;
    } else {
        parentSlot.firstChild = slot.next;
    }
    if (slot.next != kNil) {
        slots_[slot.next].prev = slot.prev;
    } else {
        parentSlot.lastChild = slot.prev;
    }
    parentSlot.childCount--;
    freeSubtree(index);

    if (parent != kRootIndex && slots_[parent].childCount == 0) {
        if (observer_) {
            observer_->hasChildrenChanged(handleOf(parent), false);
        }
        setExpanded(parent, false);
    }
    return true;
}

void MenuTree::clearTree() {
    TreeBatch batch(*this);
    setSelected(kNoNode);
    setDropHighlighted(kNoNode);
    while (slots_[kRootIndex].firstChild != kNil) {
        deleteSubtree(handleOf(slots_[kRootIndex].firstChild));
    }
    records_.clear();  // no node is left to hold one
}

bool MenuTree::reserve(size_t count) {
    const size_t freeSlots = freeSlots_.size();
    if (count > freeSlots) {
        try {
            slots_.reserve(slots_.size() + (count - freeSlots));
        } catch (const std::exception&) {
            return false;
        }
    }
    return records_.reserve(count);
}

// ---- Selection and expansion ----

void MenuTree::setSelected(NodeHandle node) {
    if (selected_ == node) {
        return;
    }
    selected_ = node;
    if (observer_) {
        observer_->selectionChanged(node);
    }
}

bool MenuTree::selectNode(NodeHandle node) {
    if (node != kNoNode && !isValid(node)) {
        return false;
    }
    setSelected(node);
    return true;
}

void MenuTree::setDropHighlighted(NodeHandle node) {
    if (dropHighlight_ == node) {
        return;
    }
    dropHighlight_ = node;
    if (observer_) {
        observer_->dropHighlightChanged(node);
    }
}

bool MenuTree::setDropHighlight(NodeHandle node) {
    if (node != kNoNode && !isValid(node)) {
        return false;
    }
    setDropHighlighted(node);
    return true;
}

void MenuTree::setExpanded(uint32_t index, bool expanded) {
    Slot& slot = slots_[index];
    if (slot.expanded == expanded) {
        return;
    }
    slot.expanded = expanded;
    if (observer_) {
        observer_->expandedChanged(handleOf(index), expanded);
    }
}

bool MenuTree::expandNode(NodeHandle node, bool expand) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || (expand && slots_[index].childCount == 0)) {
        return false;
    }
    setExpanded(index, expand);
    // A node hidden in a collapsed menu does not stay selected: the menu is.
    const NodeHandle menu = handleOf(index);
    if (!expand && selected_ != menu && isValid(selected_) && isAncestorOrSelf(menu, selected_)) {
        setSelected(menu);
    }
    return true;
}

bool MenuTree::isExpanded(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    return index != kNil && slots_[index].expanded;
}

NodeHandle MenuTree::nodeAtScreenPoint(int x, int y) const {
    if (!observer_) {
        return kNoNode;
    }
    const NodeHandle node = observer_->nodeAtScreenPoint(x, y);
    return isValid(node) ? node : kNoNode;
}

// ---- Walking ----

bool MenuTree::look(NodeHandle node, NodeLook& look) const {
    const uint32_t index = liveIndex(node);
    if (index == kNil) {
        return false;
    }
    const Slot& slot = slots_[index];
    look.caption = slot.caption.view();
    look.kind = slot.kind;
    look.record = slot.record;
    look.firstChild = handleOf(slot.firstChild);
    look.nextSibling = handleOf(slot.next);
    return true;
}

NodeHandle MenuTree::firstChild(NodeHandle node) const {
    const uint32_t index = node == kRootNode ? kRootIndex : liveIndex(node);
    return index == kNil ? kNoNode : handleOf(slots_[index].firstChild);
}

NodeHandle MenuTree::lastChild(NodeHandle node) const {
    const uint32_t index = node == kRootNode ? kRootIndex : liveIndex(node);
    return index == kNil ? kNoNode : handleOf(slots_[index].lastChild);
}

NodeHandle MenuTree::nextSibling(NodeHandle node) const {
    const uint32_t index = liveIndex(node);
    return index == kNil ? kNoNode : handleOf(slots_[index].next);
}

NodeHandle MenuTree::previousSibling(NodeHandle node) const {
    const uint32_t index = liveIndex(node);
    return index == kNil ? kNoNode : handleOf(slots_[index].prev);
}

NodeHandle MenuTree::parent(NodeHandle node) const {
    const uint32_t index = liveIndex(node);
    return index == kNil ? kNoNode : handleOf(slots_[index].parent);
}

size_t MenuTree::childCount(NodeHandle node) const {
    const uint32_t index = node == kRootNode ? kRootIndex : liveIndex(node);
    return index == kNil ? 0 : slots_[index].childCount;
}

uint32_t MenuTree::preOrderNext(uint32_t index, uint32_t limit) const {
    if (slots_[index].firstChild != kNil) {
        return slots_[index].firstChild;
    }
    while (index != limit) {
        if (slots_[index].next != kNil) {
            return slots_[index].next;
        }
        index = slots_[index].parent;
    }
    return kNil;
}

bool MenuTree::containsIndex(uint32_t ancestor, uint32_t index) const {
    if (ancestor == kNil) {
        return false;
    }
    while (index != kNil) {
        if (index == ancestor) {
            return true;
        }
        index = slots_[index].parent;
    }
    return false;
}

}  // namespace tessary
