// The MenuTree: the document's menu as an ordered tree of nodes, each with a
// caption, a NodeKind and its own MenuItemRecord. The tree is the source of
// truth; a view mirrors it through a TreeObserver.
//
// Handles. A node is named by a NodeHandle (node_handle.h). Handles index a
// table of slots; each slot carries a generation that is part of the handle and
// advances whenever the slot is freed, and a slot whose generations are used up
// is retired for good, so no handle ever names a second node. Lookups by handle,
// insertion and unlinking are O(1); copies and removals are linear in the size
// of the subtree. At most 1,048,575 nodes live at once.
//
// The specified operations and the explicit forms. The operations as the
// specification of the tree names them (insertNode with twelve arguments,
// copySubtree with a NodeHandle "after", the getters and setters) take kNoNode
// as the selected node wherever they act on one node (and then do nothing when
// nothing is selected), and insertNode and copySubtree take it as the top level
// for a parent and as the last place for "after". They serve the code that
// mirrors the specification. Our own code uses the explicit forms, where
// kNoNode means only "none": selected() for the selection, kRootNode for the
// top level, Position for a place among siblings, and the insert that takes
// NodeValues or a whole record. The walking helpers (firstChild, nextSibling,
// ...) answer kNoNode for kNoNode, so loops over them end. kRootNode stands
// for the invisible top level wherever a parent is expected.
//
// Has-children state. A node has children exactly when it has child nodes; the
// state follows the structure and cannot be set against it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/caption_text.h"
#include "model/menu_item_record.h"
#include "model/node_handle.h"
#include "model/record_pool.h"
#include "model/tree_observer.h"
#include "model/tree_recorder.h"

namespace tessary {

class MenuTree {
public:
    MenuTree();
    ~MenuTree();
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;

    // ---- Observer and batches ----

    // The observer hears of every change from now on (nullptr: nobody). The tree
    // does not own it.
    void setObserver(TreeObserver* observer) { observer_ = observer; }
    TreeObserver* observer() const { return observer_; }

    // The recorder hears of every change of content from now on (nullptr:
    // nobody); see tree_recorder.h. The tree does not own it.
    void setRecorder(TreeRecorder* recorder) { recorder_ = recorder; }
    TreeRecorder* recorder() const { return recorder_; }

    // Brackets a run of changes for the observer (batchBegin / batchEnd). Runs
    // nest; only the outermost pair is reported. The tree's own large operations
    // (copySubtree, clearTree, removePlatformsFromSubtree, the moves, expandAll
    // and collapseAll) bracket themselves.
    void beginBatch();
    void endBatch();

    // ---- Creating, copying and removing ----

    // Creates a node under parent (kRootNode: the top level) at its place. The
    // record starts zero-filled and receives the values; texts longer than 249
    // characters are cut to 249. A parent other than the top level is expanded.
    // Returns the new node, or kNoNode when the parent is not kRootNode or a node
    // of this tree, the place is not one among the parent's children, the kind
    // is not one of the seven, or the node cannot be allocated; nothing changes
    // then.
    NodeHandle insertNode(NodeHandle parent, Position at, const NodeValues& values);

    // The same with a whole record, copied byte for byte.
    NodeHandle insertNode(NodeHandle parent,
                          Position at,
                          std::string_view caption,
                          NodeKind kind,
                          const MenuItemRecord& record);

    // The specified insert: as above, with kNoNode also the top level for a
    // parent, and `after` a sibling, kFirstPosition, or kLastPosition or kNoNode
    // for the last place.
    NodeHandle insertNode(NodeHandle parent,
                          NodeHandle after,
                          std::string_view caption,
                          NodeKind kind,
                          PlatformMask platforms,
                          uint16_t shortcut,
                          uint32_t fmId,
                          uint8_t useLocalCaption,
                          uint8_t enabled,
                          uint8_t checkOn,
                          std::string_view scriptName = {},
                          std::string_view userString = {});

    // Copies source with its whole subtree under parent at its place (as for
    // insertNode) and returns the copy. Captions, kinds and records (byte for
    // byte) are copied; a copy that receives children is expanded; the
    // destination parent itself is not expanded. Copying stops at the first node
    // that cannot be made; the copy of source is returned all the same. Returns
    // kNoNode when nothing was made: no source, no parent, no place, or a
    // subtree copied into itself, which could never end.
    NodeHandle copySubtree(NodeHandle source, NodeHandle parent, Position at);
    NodeHandle copySubtree(const MenuTree& sourceTree, NodeHandle source, NodeHandle parent, Position at);
    // The specified copies: kNoNode is the source tree's selected node for a
    // source, and parent and `after` are taken as the specified insertNode
    // takes them.
    NodeHandle copySubtree(NodeHandle source, NodeHandle parent, NodeHandle after);
    NodeHandle copySubtree(const MenuTree& sourceTree, NodeHandle source, NodeHandle parent, NodeHandle after);

    // Removes the node (kNoNode: the selected node; kRootNode: every node) with all
    // its descendants and their records. A parent left without children loses its
    // has-children state and is collapsed. When the selection lay inside the
    // removed subtree it moves to the node's next sibling, else its parent (below
    // the top level), else its previous sibling, else nowhere. Returns false when
    // there was no such node.
    bool deleteSubtree(NodeHandle node);

    // Removes every node; nothing stays selected.
    void clearTree();

    // Makes room for `count` more nodes, so that a large batch of insertions
    // allocates once; false when there is no memory for it (nothing changes
    // then, and insertions allocate as they go).
    bool reserve(size_t count);

    // ---- Field access ----
    // Getters report failure (false, NodeKind::None, 0) for no node, for the top
    // level and for a stale handle; setters then return false and change nothing.

    // Copies at most capacity - 1 characters of the caption and a NUL.
    bool getCaption(NodeHandle node, char* buffer, size_t capacity) const;
    std::string caption(NodeHandle node) const;  // empty when there is no node
    // The caption without a copy; valid until the caption is set again or the
    // node is removed. Empty when there is no node.
    std::string_view captionView(NodeHandle node) const;
    // Stores the caption, cut to 249 characters.
    bool setCaption(NodeHandle node, std::string_view text);

    NodeKind getKind(NodeHandle node) const;
    bool setKind(NodeHandle node, NodeKind kind);  // refuses values outside the seven kinds

    // Copies at most capacity characters of the field, filling the rest of the
    // capacity with NULs but adding no terminator of its own when the text fills
    // it (callers hand in zero-filled buffers of 250 bytes).
    bool getScriptName(NodeHandle node, char* buffer, size_t capacity) const;
    bool getUserString(NodeHandle node, char* buffer, size_t capacity) const;
    // Refuse texts longer than 249 characters.
    bool setScriptName(NodeHandle node, std::string_view text);
    bool setUserString(NodeHandle node, std::string_view text);

    uint32_t getFmId(NodeHandle node) const;
    bool setFmId(NodeHandle node, uint32_t fmId);
    uint8_t getEnabled(NodeHandle node) const;
    bool setEnabled(NodeHandle node, uint8_t enabled);
    uint8_t getCheckOn(NodeHandle node) const;
    bool setCheckOn(NodeHandle node, uint8_t checkOn);
    uint8_t getUseLocalCaption(NodeHandle node) const;
    bool setUseLocalCaption(NodeHandle node, uint8_t useLocalCaption);

    // 7 for kNoNode with nothing selected and for kRootNode; 6 for an AppMenu,
    // whatever its record holds; the record's set otherwise; 0 for a stale handle.
    PlatformMask getPlatforms(NodeHandle node) const;
    bool setPlatforms(NodeHandle node, PlatformMask set);  // refuses an AppMenu

    // The record's shortcut for a ScriptItem or FmItem; 0 for every other kind.
    uint16_t getShortcut(NodeHandle node) const;
    bool setShortcut(NodeHandle node, uint16_t code);  // ScriptItem and FmItem only

    // getPlatforms of the node's parent: 7 at the top level; 0 for no node.
    PlatformMask getParentPlatforms(NodeHandle node) const;

    // The has-children state follows the node's children: hasChildren tells it
    // (kRootNode: whether the tree holds any node); setHasChildren accepts the
    // flag that already holds and refuses (false) the one that does not.
    bool hasChildren(NodeHandle node) const;
    bool setHasChildren(NodeHandle node, bool flag);

    // Gives the node the caption, kind and whole record (byte for byte) it held
    // at another time, as the undo history restores a node. Refuses (false) no
    // node and a kind outside the seven.
    bool setNodeValues(NodeHandle node, std::string_view caption, NodeKind kind, const MenuItemRecord& record);

    bool isAppMenu(NodeHandle node) const { return getKind(node) == NodeKind::AppMenu; }
    bool isMacQuitItem(NodeHandle node) const { return getKind(node) == NodeKind::MacQuitItem; }
    bool isMacPreferencesItem(NodeHandle node) const { return getKind(node) == NodeKind::MacPreferencesItem; }

    // The node's record, nullptr when there is no node. Stays valid until the
    // node is removed.
    const MenuItemRecord* getRecord(NodeHandle node) const;

    // ---- Searching (depth-first pre-order: a node, its children's subtrees in
    // order, then its next sibling) ----

    NodeHandle findFirstAppMenu() const;
    // From the first AppMenu on, through its subtree and the subtrees of its
    // following siblings; kNoNode when the tree has no AppMenu.
    NodeHandle findMacQuitItem() const;
    NodeHandle findMacPreferencesItem() const;
    // The first ScriptItem of the tree whose shortcut equals code in all 16 bits.
    NodeHandle findScriptByShortcut(uint16_t code) const;
    // The node or its first descendant whose getPlatforms equals set exactly.
    NodeHandle findPlatformsInSubtree(NodeHandle node, PlatformMask set) const;
    // Whether node is ancestor or lies below it (kRootNode is everyone's ancestor).
    bool isAncestorOrSelf(NodeHandle ancestor, NodeHandle node) const;

    // ---- Changes over many nodes ----

    // setPlatforms on the node and every descendant (AppMenus refuse).
    bool applyPlatformsToSubtree(NodeHandle node, PlatformMask set);
    // Clears bits in the stored set of the node and every descendant. With
    // removeEmpty, every node whose set became 0 is removed with its subtree, each
    // after its own descendants were processed and the starting node last.
    // kRootNode processes every top-level subtree.
    bool removePlatformsFromSubtree(NodeHandle node, PlatformMask bits, bool removeEmpty);
    // Sets useLocalCaption on the node, its following siblings and all their
    // descendants; captions stay as they are.
    bool setLocalCaptionOnRun(NodeHandle node, uint8_t flag);

    // ---- Order and view ----

    // Re-create the node one place up / down among its siblings (a new node with a
    // copy of the subtree; the old node is removed), then select and expand the
    // copy and ask for the focus. A node already first (last) is re-created in
    // place. Return the copy, or kNoNode when nothing happened: no node, a Mac
    // system item, an AppMenu already first, a node right below an AppMenu (up),
    // a node right above a Mac system item (down).
    NodeHandle moveNodeUp(NodeHandle node);
    NodeHandle moveNodeDown(NodeHandle node);

    void expandAll();
    // A selected node below the top level gives its selection to its top-level menu.
    void collapseAll();
    // Expanding a node without children does nothing and returns false. A
    // collapsed node that holds the selected node becomes the selected node.
    bool expandNode(NodeHandle node, bool expand);
    bool isExpanded(NodeHandle node) const;

    NodeHandle selected() const { return selected_; }
    bool selectNode(NodeHandle node);  // kNoNode clears the selection

    NodeHandle dropHighlight() const { return dropHighlight_; }
    bool setDropHighlight(NodeHandle node);  // kNoNode removes the highlight

    // Asks the observer's view; kNoNode without a view or when the view names no
    // live node.
    NodeHandle nodeAtScreenPoint(int x, int y) const;

    // ---- Walking (kNoNode in, kNoNode out) ----

    // What a walk over the tree reads of a node, in one look; valid until the
    // tree changes.
    struct NodeLook {
        std::string_view caption;
        NodeKind kind = NodeKind::None;
        const MenuItemRecord* record = nullptr;
        NodeHandle firstChild = kNoNode;
        NodeHandle nextSibling = kNoNode;
    };
    // False, with `look` as it was, when node is no live node.
    bool look(NodeHandle node, NodeLook& look) const;

    bool isValid(NodeHandle node) const;  // a live node of this tree; false for markers
    NodeHandle firstTopLevel() const { return firstChild(kRootNode); }
    NodeHandle firstChild(NodeHandle node) const;  // kRootNode: the first top-level node
    NodeHandle lastChild(NodeHandle node) const;
    NodeHandle nextSibling(NodeHandle node) const;
    NodeHandle previousSibling(NodeHandle node) const;
    NodeHandle parent(NodeHandle node) const;  // kRootNode for a top-level node
    size_t childCount(NodeHandle node) const;  // kRootNode: number of top-level nodes
    size_t nodeCount() const { return liveCount_; }
    bool empty() const { return liveCount_ == 0; }

    // Checks every link, count and state of the structure; describes the first
    // problem found. For tests and debugging; linear in the size of the tree.
    bool checkInvariants(std::string* problem = nullptr) const;

private:
    static constexpr uint32_t kNil = 0xFFFFFFFF;
    static constexpr uint32_t kRootIndex = 0;
    static constexpr uint32_t kIndexBits = 20;
    static constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
    static constexpr uint32_t kMaxGeneration = 0xFFE;  // generation 0xFFF is never used: markers live there

    struct Slot {
        MenuItemRecord* record = nullptr;  // from records_; null while the slot is free
        CaptionText caption;
        uint32_t parent = kNil;
        uint32_t firstChild = kNil;
        uint32_t lastChild = kNil;
        uint32_t prev = kNil;
        uint32_t next = kNil;
        uint32_t childCount = 0;
        uint16_t generation = 0;
        NodeKind kind = NodeKind::None;
        bool live = false;
        bool expanded = false;
    };

    NodeHandle handleOf(uint32_t index) const;
    uint32_t liveIndex(NodeHandle node) const;      // kNil unless a live node
    uint32_t nodeIndex(NodeHandle node) const;      // as liveIndex, kNoNode = the selected node
    uint32_t parentIndex(NodeHandle parent) const;  // kRootIndex for kNoNode / kRootNode, kNil if invalid
    uint32_t preOrderNext(uint32_t index, uint32_t limit) const;
    bool containsIndex(uint32_t ancestor, uint32_t index) const;
    NodeHandle findKindFromAppMenu(NodeKind kind) const;
    PlatformMask platformsOf(uint32_t index) const;
    // The record of a node whose field a setter is about to write; the recorder
    // hears of it when the setter takes the value (taken).
    MenuItemRecord* recordFor(NodeHandle node, bool taken = true);
    const MenuItemRecord* recordOf(NodeHandle node) const;
    bool getText(NodeHandle node, bool scriptName, char* buffer, size_t capacity) const;

    // Makes a node from caption and kind under parentIndex after the resolved
    // position, its record written by fillRecord(MenuItemRecord&), which must
    // write every byte; expandParent marks a non-root parent expanded.
    template <typename FillRecord>
    NodeHandle createNode(uint32_t parentIndex,
                          uint32_t afterIndex,
                          bool first,
                          std::string_view caption,
                          NodeKind kind,
                          FillRecord fillRecord,
                          bool expandParent);
    template <typename FillRecord>
    NodeHandle insertFilled(NodeHandle parent,
                            NodeHandle after,
                            std::string_view caption,
                            NodeKind kind,
                            FillRecord fillRecord);
    NodeHandle insertValues(NodeHandle parent, NodeHandle after, const NodeValues& values);
    bool resolvePosition(uint32_t parentIndex, NodeHandle after, uint32_t& afterIndex, bool& first) const;
    void freeSubtree(uint32_t index);
    void setExpanded(uint32_t index, bool expanded);
    void setSelected(NodeHandle node);
    void setDropHighlighted(NodeHandle node);
    // Tells the recorder that the node's values are about to change.
    void willChange(uint32_t index) {
        if (recorder_) {
            recorder_->nodeChanging(handleOf(index));
        }
    }

    RecordPool records_;
    std::vector<Slot> slots_;          // slot 0 is the invisible root
    std::vector<uint32_t> freeSlots_;  // reusable slots, most recently freed last
    size_t liveCount_ = 0;
    NodeHandle selected_ = kNoNode;
    NodeHandle dropHighlight_ = kNoNode;
    TreeObserver* observer_ = nullptr;
    TreeRecorder* recorder_ = nullptr;
    int batchDepth_ = 0;
};

// Brackets a scope as one run of changes (MenuTree::beginBatch / endBatch).
class TreeBatch {
public:
    explicit TreeBatch(MenuTree& tree) : tree_(tree) { tree_.beginBatch(); }
    ~TreeBatch() { tree_.endBatch(); }
    TreeBatch(const TreeBatch&) = delete;
    TreeBatch& operator=(const TreeBatch&) = delete;

private:
    MenuTree& tree_;
};

}  // namespace tessary
