// The undo history of a MenuTree: the changes of its content as steps that
// can be undone and redone.
//
// Recording. A step is what the tree's content goes through between begin()
// and commit(): the history is the tree's recorder (tree_recorder.h) and
// notes each change as the tree reports it, so any code that changes the tree
// inside a step is recorded, whatever operations it uses. What it keeps is
// only what the step touched, never the whole document:
// - a splice: at one place among a parent's children, the subtrees the step
//   took away (as snapshots, subtree_snapshot.h) and how many it put there; a
//   copy, its children and every later change inside it while nothing else
//   happens in between belong to the one splice, and so do neighbouring
//   removals (emptying the tree and loading it again is one splice);
// - a change of values: the caption, kind and record each changed node had.
// Places are paths of child indices from the top level, which stay true
// because steps are undone and redone strictly in order, each giving back
// exactly the tree it found. Node handles do not survive an undo: nodes are
// made anew, as the tree makes them anew for every move.
//
// A step holds one side at a time: undoing swaps the live content of its
// places with what it held, so that it then holds what redo puts back.
// Before a step is kept, its last part is cut to what really changed (a
// reload of the code that leaves most menus alike keeps only those that
// differ); a step that changed nothing is not kept.
//
// Outside a step. A change of content outside any step means that the tree
// holds other content than the history knows: the history starts anew and
// knows no saved state. clear() says the same for a document that was just
// opened or made, whose state is the saved one. The selection and expanded
// states are no content and are not recorded.
//
// The saved state is the point in the history at which the tree holds the
// document as last saved or opened; a document is modified exactly when the
// history stands elsewhere. Saving moves that point and keeps the history.
//
// Limits: the steps are kept while together they hold at most byteLimit
// bytes; beyond it the oldest steps go first (the newest one always stays).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

#include "model/menu_tree.h"
#include "model/subtree_snapshot.h"
#include "model/tree_recorder.h"

namespace tessary {

class TreeHistory : private TreeRecorder {
public:
    static constexpr size_t kDefaultByteLimit = 64u << 20;

    // Records the tree's changes from now on (as the tree's recorder) until
    // the history is destroyed.
    explicit TreeHistory(MenuTree& tree, size_t byteLimit = kDefaultByteLimit);
    ~TreeHistory() override;
    TreeHistory(const TreeHistory&) = delete;
    TreeHistory& operator=(const TreeHistory&) = delete;

    // ---- Recording ----

    // Starts a step. Steps nest: an inner begin and commit belong to the outer
    // step.
    void begin();
    // Ends the step and keeps it under the label, dropping the steps that were
    // undone. True when the step changed the tree's content (and was kept).
    bool commit(std::string label);
    // Ends the step by undoing what it changed, and keeps nothing (a change
    // that failed halfway, a load that did not read).
    void abort();
    bool recording() const { return depth_ > 0; }

    // ---- Undo and redo ----

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The label of the step that undo (redo) would take; empty when none.
    const std::string& undoLabel() const;
    const std::string& redoLabel() const;

    // Undoes the last step done (redoes the last step undone) and selects the
    // node it changed, its menus expanded so that it shows: the first node it
    // put back, else the node that was selected when the step began (ended).
    // Returns that node, kNoNode when none. Nothing happens while a step is
    // being recorded.
    NodeHandle undo();
    NodeHandle redo();

    // ---- The saved state ----

    // The tree holds a new document: no steps, and this is its saved state.
    void clear();
    // The tree as it stands is the document as saved.
    void markSaved();
    // No state in the history is the document as saved (it was saved from
    // text the tree does not hold).
    void forgetSaved() { saved_.reset(); }
    // Whether the history stands at the saved state.
    bool atSaved() const { return saved_ == origin_ + done_; }

    // ---- Size ----

    size_t undoCount() const { return done_; }
    size_t redoCount() const { return steps_.size() - done_; }
    // Memory the kept steps hold, in bytes.
    size_t bytes() const { return bytes_; }

private:
    using TreePath = std::vector<uint32_t>;  // child indices from the top level down

    // At `index` among the children of the node at `parent`: `liveCount`
    // subtrees stand there that `held` stood for before (or after).
    struct Splice {
        TreePath parent;
        uint32_t index = 0;
        uint32_t liveCount = 0;
        std::vector<SubtreeSnapshot> held;
    };
    // The nodes at `paths` held `values` before (or after).
    struct ValueChange {
        std::vector<TreePath> paths;
        NodeStore values;
    };
    using Entry = std::variant<Splice, ValueChange>;

    struct Step {
        std::string label;
        std::vector<Entry> entries;
        TreePath selectedBefore;  // empty: nothing was selected
        TreePath selectedAfter;
        size_t bytes = 0;
    };

    // What the step being recorded knows of its last entry, to add the next
    // change to it: a splice's parent, the sibling before its place and the
    // subtrees it put there; the nodes a value change holds.
    struct Tracking {
        NodeHandle parent = kNoNode;
        NodeHandle before = kNoNode;
        std::unordered_set<NodeHandle> roots;
        std::unordered_map<NodeHandle, size_t> changed;
    };

    // TreeRecorder
    void nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) override;
    void subtreeRemoving(NodeHandle node) override;
    void nodeChanging(NodeHandle node) override;

    // Whether a change outside any step (recorded as starting anew).
    bool unrecorded();
    Splice* lastSplice();
    ValueChange* lastValueChange();
    // Whether the node is one the last splice put in, or lies inside one.
    bool insideLastSplice(NodeHandle node) const;
    Splice& newSplice(NodeHandle parent, uint32_t index, NodeHandle before);
    // Cuts the step's last entries down to what they changed.
    void trimEnd(std::vector<Entry>& entries);

    // Swaps an entry's held content with the tree's; the node it put back
    // first, or kNoNode. False when its places are gone (the history no
    // longer fits the tree).
    bool apply(Entry& entry, NodeHandle& putBack);
    bool applySplice(Splice& splice, NodeHandle& putBack);
    bool applyValues(ValueChange& change, NodeHandle& putBack);
    // Undoes (reverse) or redoes the entries and shows the node it changed.
    NodeHandle replay(Step& step, bool reverse);
    void reveal(NodeHandle node);
    void reset(std::optional<size_t> saved);
    static size_t entryBytes(const Entry& entry);
    void recount(Step& step);
    void keepWithinLimit();

    TreePath pathOf(NodeHandle node) const;
    NodeHandle nodeAt(const TreePath& path) const;
    NodeHandle childAt(NodeHandle parent, uint32_t index) const;
    uint32_t indexOf(NodeHandle node) const;

    MenuTree& tree_;
    size_t byteLimit_;
    std::deque<Step> steps_;
    size_t done_ = 0;       // steps_[0, done_) are done, the rest undone
    size_t origin_ = 0;     // steps dropped from the front, so positions stay comparable
    std::optional<size_t> saved_ = 0;  // origin_ + done_ of the saved state
    size_t bytes_ = 0;
    int depth_ = 0;
    bool applying_ = false;  // the history's own changes are not recorded
    Step open_;
    Tracking tracking_;
};

}  // namespace tessary
