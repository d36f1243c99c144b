#include "model/tree_history.h"

#include <algorithm>
#include <utility>

namespace tessary {

TreeHistory::TreeHistory(MenuTree& tree, size_t byteLimit) : tree_(tree), byteLimit_(byteLimit) {
    tree_.setRecorder(this);
}

TreeHistory::~TreeHistory() {
    if (tree_.recorder() == this) {
        tree_.setRecorder(nullptr);
    }
}

// ---- Paths ----

uint32_t TreeHistory::indexOf(NodeHandle node) const {
    uint32_t index = 0;
    for (NodeHandle at = tree_.previousSibling(node); at != kNoNode; at = tree_.previousSibling(at)) {
        ++index;
    }
    return index;
}

TreeHistory::TreePath TreeHistory::pathOf(NodeHandle node) const {
    TreePath path;
    for (NodeHandle at = node; tree_.isValid(at); at = tree_.parent(at)) {
        path.push_back(indexOf(at));
    }
    std::reverse(path.begin(), path.end());
    return path;
}

NodeHandle TreeHistory::childAt(NodeHandle parent, uint32_t index) const {
    NodeHandle at = tree_.firstChild(parent);
    for (uint32_t i = 0; i < index && at != kNoNode; ++i) {
        at = tree_.nextSibling(at);
    }
    return at;
}

NodeHandle TreeHistory::nodeAt(const TreePath& path) const {
    NodeHandle at = kRootNode;
    for (uint32_t index : path) {
        at = childAt(at, index);
        if (at == kNoNode) {
            return kNoNode;
        }
    }
    return at;
}

// ---- Recording ----

void TreeHistory::begin() {
    if (depth_++ == 0) {
        open_ = Step();
        tracking_ = Tracking();
        open_.selectedBefore = pathOf(tree_.selected());
    }
}

bool TreeHistory::commit(std::string label) {
    if (depth_ == 0 || --depth_ > 0) {
        return false;
    }
    trimEnd(open_.entries);
    tracking_ = Tracking();
    if (open_.entries.empty()) {
        return false;
    }
    open_.label = std::move(label);
    open_.selectedAfter = pathOf(tree_.selected());
    recount(open_);
    if (saved_ && *saved_ > origin_ + done_) {
        saved_.reset();  // the saved state was among the steps undone, which go now
    }
    while (steps_.size() > done_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    bytes_ += open_.bytes;
    steps_.push_back(std::move(open_));
    ++done_;
    keepWithinLimit();
    return true;
}

void TreeHistory::abort() {
    if (depth_ == 0) {
        return;
    }
    depth_ = 0;
    tracking_ = Tracking();
    applying_ = true;
    {
        TreeBatch batch(tree_);
        NodeHandle ignored;
        for (auto entry = open_.entries.rbegin(); entry != open_.entries.rend(); ++entry) {
            apply(*entry, ignored);
        }
    }
    applying_ = false;
    open_ = Step();
}

bool TreeHistory::unrecorded() {
    if (applying_) {
        return false;
    }
    if (depth_ == 0) {
        reset(std::nullopt);
        return false;
    }
    return true;
}

TreeHistory::Splice* TreeHistory::lastSplice() {
    return open_.entries.empty() ? nullptr : std::get_if<Splice>(&open_.entries.back());
}

TreeHistory::ValueChange* TreeHistory::lastValueChange() {
    return open_.entries.empty() ? nullptr : std::get_if<ValueChange>(&open_.entries.back());
}

bool TreeHistory::insideLastSplice(NodeHandle node) const {
    if (open_.entries.empty() || !std::holds_alternative<Splice>(open_.entries.back()) || tracking_.roots.empty()) {
        return false;
    }
    for (NodeHandle at = node; tree_.isValid(at); at = tree_.parent(at)) {
        if (tracking_.roots.count(at)) {
            return true;
        }
    }
    return false;
}

TreeHistory::Splice& TreeHistory::newSplice(NodeHandle parent, uint32_t index, NodeHandle before) {
    Splice splice;
    splice.parent = pathOf(parent);
    splice.index = index;
    open_.entries.emplace_back(std::move(splice));
    tracking_ = Tracking();
    tracking_.parent = parent;
    tracking_.before = before;
    return std::get<Splice>(open_.entries.back());
}

void TreeHistory::nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) {
    if (!unrecorded()) {
        return;
    }
    Splice* last = lastSplice();
    if (last && parent == tracking_.parent && (after == tracking_.before || tracking_.roots.count(after))) {
        last->liveCount++;  // at the place, or right after what the splice put there
    } else if (insideLastSplice(parent)) {
        return;  // a child of a new subtree: part of it
    } else {
        last = &newSplice(parent, indexOf(node), after);
        last->liveCount = 1;
    }
    tracking_.roots.insert(node);
}

void TreeHistory::subtreeRemoving(NodeHandle node) {
    if (!unrecorded()) {
        return;
    }
    const NodeHandle parent = tree_.parent(node);
    const NodeHandle previous = tree_.previousSibling(node);
    Splice* last = lastSplice();
    if (last && tracking_.roots.erase(node)) {
        last->liveCount--;  // it was new: nothing to give back
    } else if (last && parent == tracking_.parent &&
               (previous == tracking_.before || tracking_.roots.count(previous))) {
        last->held.emplace_back(tree_, node);  // right after the place
    } else if (last && parent == tracking_.parent && node == tracking_.before) {
        last->held.emplace(last->held.begin(), tree_, node);  // right before it
        last->index--;
        tracking_.before = previous;
    } else if (!insideLastSplice(parent)) {
        newSplice(parent, indexOf(node), previous).held.emplace_back(tree_, node);
    }
}

void TreeHistory::nodeChanging(NodeHandle node) {
    if (!unrecorded() || insideLastSplice(node)) {
        return;
    }
    ValueChange* change = lastValueChange();
    if (change && tracking_.changed.count(node)) {
        return;  // its values before the step's first change are kept already
    }
    if (!change) {
        open_.entries.emplace_back(ValueChange());
        tracking_ = Tracking();
        change = lastValueChange();
    }
    tracking_.changed.emplace(node, change->paths.size());
    change->paths.push_back(pathOf(node));
    change->values.append(tree_, node);
}

void TreeHistory::trimEnd(std::vector<Entry>& entries) {
    while (!entries.empty()) {
        if (auto* splice = std::get_if<Splice>(&entries.back())) {
            std::vector<NodeHandle> live;
            const NodeHandle parent = nodeAt(splice->parent);
            for (NodeHandle at = childAt(parent, splice->index); at != kNoNode && live.size() < splice->liveCount;
                 at = tree_.nextSibling(at)) {
                live.push_back(at);
            }
            size_t front = 0;
            while (front < live.size() && front < splice->held.size() &&
                   splice->held[front].matches(tree_, live[front])) {
                ++front;
            }
            size_t back = 0;
            while (back < live.size() - front && back < splice->held.size() - front &&
                   splice->held[splice->held.size() - 1 - back].matches(tree_, live[live.size() - 1 - back])) {
                ++back;
            }
            splice->held.erase(splice->held.end() - static_cast<ptrdiff_t>(back), splice->held.end());
            splice->held.erase(splice->held.begin(), splice->held.begin() + static_cast<ptrdiff_t>(front));
            splice->index += static_cast<uint32_t>(front);
            splice->liveCount -= static_cast<uint32_t>(front + back);
            if (!splice->held.empty() || splice->liveCount > 0) {
                return;
            }
        } else {
            auto& change = std::get<ValueChange>(entries.back());
            ValueChange kept;
            for (size_t i = 0; i < change.paths.size(); ++i) {
                if (!change.values.matches(i, tree_, nodeAt(change.paths[i]))) {
                    kept.paths.push_back(std::move(change.paths[i]));
                    kept.values.appendFrom(change.values, i);
                }
            }
            if (!kept.paths.empty()) {
                change = std::move(kept);
                return;
            }
        }
        entries.pop_back();
    }
}

// ---- Undo and redo ----

const std::string& TreeHistory::undoLabel() const {
    static const std::string kNone;
    return canUndo() ? steps_[done_ - 1].label : kNone;
}

const std::string& TreeHistory::redoLabel() const {
    static const std::string kNone;
    return canRedo() ? steps_[done_].label : kNone;
}

NodeHandle TreeHistory::undo() {
    if (depth_ > 0 || !canUndo()) {
        return kNoNode;
    }
    --done_;
    return replay(steps_[done_], true);
}

NodeHandle TreeHistory::redo() {
    if (depth_ > 0 || !canRedo()) {
        return kNoNode;
    }
    ++done_;
    return replay(steps_[done_ - 1], false);
}

NodeHandle TreeHistory::replay(Step& step, bool reverse) {
    NodeHandle shown = kNoNode;
    bool fits = true;
    applying_ = true;
    {
        TreeBatch batch(tree_);
        const size_t count = step.entries.size();
        for (size_t i = 0; i < count && fits; ++i) {
            NodeHandle putBack = kNoNode;
            fits = apply(step.entries[reverse ? count - 1 - i : i], putBack);
            if (putBack != kNoNode) {
                shown = putBack;
            }
        }
        if (fits) {
            if (!tree_.isValid(shown)) {
                shown = nodeAt(reverse ? step.selectedBefore : step.selectedAfter);
            }
            reveal(shown);
        }
    }
    applying_ = false;
    if (!fits) {
        reset(std::nullopt);  // never reached while every change is recorded
        return kNoNode;
    }
    bytes_ -= step.bytes;
    recount(step);
    bytes_ += step.bytes;
    return tree_.isValid(shown) ? shown : kNoNode;
}

bool TreeHistory::apply(Entry& entry, NodeHandle& putBack) {
    if (auto* splice = std::get_if<Splice>(&entry)) {
        return applySplice(*splice, putBack);
    }
    return applyValues(std::get<ValueChange>(entry), putBack);
}

bool TreeHistory::applySplice(Splice& splice, NodeHandle& putBack) {
    const NodeHandle parent = nodeAt(splice.parent);
    if (parent == kNoNode) {
        return false;
    }
    const NodeHandle before = splice.index == 0 ? kNoNode : childAt(parent, splice.index - 1);
    if (splice.index > 0 && before == kNoNode) {
        return false;
    }
    std::vector<SubtreeSnapshot> taken;
    taken.reserve(splice.liveCount);
    for (uint32_t i = 0; i < splice.liveCount; ++i) {
        const NodeHandle node = before == kNoNode ? tree_.firstChild(parent) : tree_.nextSibling(before);
        if (node == kNoNode) {
            return false;
        }
        taken.emplace_back(tree_, node);
        tree_.deleteSubtree(node);
    }
    NodeHandle after = before;
    for (const SubtreeSnapshot& snapshot : splice.held) {
        after = snapshot.insertInto(tree_, parent, after == kNoNode ? Position(Position::First) : Position::after(after));
        if (after == kNoNode) {
            return false;
        }
        if (putBack == kNoNode) {
            putBack = after;
        }
    }
    splice.liveCount = static_cast<uint32_t>(splice.held.size());
    splice.held = std::move(taken);
    return true;
}

bool TreeHistory::applyValues(ValueChange& change, NodeHandle& putBack) {
    NodeStore current;
    for (size_t i = 0; i < change.paths.size(); ++i) {
        const NodeHandle node = nodeAt(change.paths[i]);
        if (node == kNoNode) {
            return false;
        }
        current.append(tree_, node);
        change.values.restore(i, tree_, node);
        if (putBack == kNoNode) {
            putBack = node;
        }
    }
    change.values = std::move(current);
    return true;
}

void TreeHistory::reveal(NodeHandle node) {
    if (!tree_.isValid(node)) {
        tree_.selectNode(kNoNode);
        return;
    }
    for (NodeHandle up = tree_.parent(node); tree_.isValid(up); up = tree_.parent(up)) {
        tree_.expandNode(up, true);
    }
    tree_.selectNode(node);
}

// ---- The saved state and the limit ----

void TreeHistory::reset(std::optional<size_t> saved) {
    steps_.clear();
    done_ = 0;
    origin_ = 0;
    bytes_ = 0;
    saved_ = saved;
}

void TreeHistory::clear() {
    if (depth_ == 0) {
        reset(0);
    }
}

void TreeHistory::markSaved() {
    saved_ = origin_ + done_;
}

size_t TreeHistory::entryBytes(const Entry& entry) {
    size_t bytes = sizeof(Entry);
    if (const auto* splice = std::get_if<Splice>(&entry)) {
        bytes += splice->parent.capacity() * sizeof(uint32_t) + splice->held.capacity() * sizeof(SubtreeSnapshot);
        for (const SubtreeSnapshot& snapshot : splice->held) {
            bytes += snapshot.bytes() - sizeof snapshot;
        }
    } else {
        const auto& change = std::get<ValueChange>(entry);
        bytes += change.values.bytes() + change.paths.capacity() * sizeof(TreePath);
        for (const TreePath& path : change.paths) {
            bytes += path.capacity() * sizeof(uint32_t);
        }
    }
    return bytes;
}

void TreeHistory::recount(Step& step) {
    step.bytes = sizeof(Step) + step.label.capacity() + step.entries.capacity() * sizeof(Entry) +
                 (step.selectedBefore.capacity() + step.selectedAfter.capacity()) * sizeof(uint32_t);
    for (const Entry& entry : step.entries) {
        step.bytes += entryBytes(entry) - sizeof(Entry);
    }
}

void TreeHistory::keepWithinLimit() {
    while (bytes_ > byteLimit_ && steps_.size() > 1 && done_ > 1) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        ++origin_;
        --done_;
    }
}

}  // namespace tessary
