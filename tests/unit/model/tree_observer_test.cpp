// What an observer of a MenuTree hears, in which order, and that a view built
// from the reports alone matches the tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/menu_tree.h"
#include "model/tree_flatten.h"
#include "tree_test_support.h"

namespace tessary {
namespace {

using testing::buildTree;
using testing::findCaption;
using testing::MirrorView;
using testing::treeState;

// Writes each report as a line with captions in place of handles.
class RecordingObserver : public TreeObserver {
public:
    explicit RecordingObserver(const MenuTree& tree) : tree_(tree) {}

    void nodeInserted(NodeHandle node, NodeHandle parent, NodeHandle after) override {
        log("insert " + name(node) + " in " + name(parent) + " after " + name(after));
    }
    void nodeRemoved(NodeHandle node) override { log("remove " + name(node)); }
    void nodeChanged(NodeHandle node) override { log("change " + name(node)); }
    void hasChildrenChanged(NodeHandle node, bool flag) override {
        log("children " + name(node) + (flag ? " 1" : " 0"));
    }
    void expandedChanged(NodeHandle node, bool flag) override { log("expanded " + name(node) + (flag ? " 1" : " 0")); }
    void selectionChanged(NodeHandle node) override { log("select " + name(node)); }
    void dropHighlightChanged(NodeHandle node) override { log("drop " + name(node)); }
    void focusRequested() override { log("focus"); }
    void batchBegin() override { log("begin"); }
    void batchEnd() override { log("end"); }

    std::string take() {
        std::string all;
        for (const std::string& line : lines_) {
            all += line + "\n";
        }
        lines_.clear();
        return all;
    }

private:
    std::string name(NodeHandle node) const {
        if (node == kNoNode) {
            return "-";
        }
        if (node == kRootNode) {
            return "root";
        }
        return tree_.isValid(node) ? tree_.caption(node) : "?";
    }
    void log(const std::string& line) { lines_.push_back(line); }

    const MenuTree& tree_;
    std::vector<std::string> lines_;
};

TEST(TreeObserverTest, InsertReportsTheNodeThenTheParentsNewState) {
    MenuTree tree;
    RecordingObserver events(tree);
    tree.setObserver(&events);
    const NodeHandle file = addNode(tree, kRootNode, {"File", NodeKind::Menu});
    const NodeHandle open = addNode(tree, file, {"Open", NodeKind::FmItem});
    tree.insertNode(file, Position::First, {"New", NodeKind::FmItem});
    tree.insertNode(file, Position::after(open), {"Close", NodeKind::FmItem});
    EXPECT_EQ(events.take(),
              "insert File in root after -\n"
              "insert Open in File after -\n"
              "children File 1\n"
              "expanded File 1\n"
              "insert New in File after -\n"
              "insert Close in File after Open\n");
    EXPECT_EQ(addNode(tree, open, {"x", NodeKind::None}), kNoNode);
    EXPECT_EQ(events.take(), "") << "a refused insert reports nothing";
}

TEST(TreeObserverTest, RemovalReportsOnlyTheSubtreeRootAfterMovingTheSelection) {
    MenuTree tree;
    buildTree(tree, "File[Open,Recent[A,B]],Edit");
    RecordingObserver events(tree);
    tree.setObserver(&events);
    tree.selectNode(findCaption(tree, "A"));
    tree.setDropHighlight(findCaption(tree, "B"));
    events.take();

    tree.deleteSubtree(findCaption(tree, "Recent"));
    EXPECT_EQ(events.take(),
              "select File\n"  // Recent was the last child: the parent gets the selection
              "drop -\n"
              "remove Recent\n");
    tree.deleteSubtree(findCaption(tree, "Open"));
    EXPECT_EQ(events.take(),
              "remove Open\n"
              "children File 0\n"
              "expanded File 0\n");
}

TEST(TreeObserverTest, ChangesOfCaptionAndKindAreReportedRecordFieldsAreNot) {
    MenuTree tree;
    buildTree(tree, "File[Open]");
    RecordingObserver events(tree);
    tree.setObserver(&events);
    const NodeHandle open = findCaption(tree, "Open");
    tree.setCaption(open, "Open...");
    tree.setKind(open, NodeKind::FmItem);
    tree.setPlatforms(open, 1);
    tree.setShortcut(open, 0x0253);
    tree.setUserString(open, "u");
    tree.applyPlatformsToSubtree(open, 2);
    tree.setLocalCaptionOnRun(open, 1);
    EXPECT_EQ(events.take(),
              "change Open...\n"
              "change Open...\n");
}

TEST(TreeObserverTest, CopyIsOneBatchInPreOrder) {
    MenuTree tree;
    buildTree(tree, "File[Open,Recent[A,B],Close],Edit");
    tree.collapseAll();
    RecordingObserver events(tree);
    tree.setObserver(&events);
    const NodeHandle copy = tree.copySubtree(findCaption(tree, "File"), findCaption(tree, "Edit"), kNoNode);
    ASSERT_NE(copy, kNoNode);
    EXPECT_EQ(events.take(),
              "begin\n"
              "insert File in Edit after -\n"
              "children Edit 1\n"
              "insert Open in File after -\n"
              "children File 1\n"
              "expanded File 1\n"
              "insert Recent in File after Open\n"
              "insert A in Recent after -\n"
              "children Recent 1\n"
              "expanded Recent 1\n"
              "insert B in Recent after A\n"
              "insert Close in File after Recent\n"
              "end\n");
    EXPECT_FALSE(tree.isExpanded(findCaption(tree, "Edit"))) << "copying does not expand the destination";
}

TEST(TreeObserverTest, MoveIsOneBatchThatEndsWithSelectionExpansionAndFocus) {
    MenuTree tree;
    buildTree(tree, "A,B[X]");
    RecordingObserver events(tree);
    tree.setObserver(&events);
    tree.moveNodeUp(findCaption(tree, "B"));
    EXPECT_EQ(events.take(),
              "begin\n"
              "insert B in root after -\n"
              "insert X in B after -\n"
              "children B 1\n"
              "expanded B 1\n"
              "remove B\n"
              "select B\n"
              "focus\n"
              "end\n");
    EXPECT_EQ(treeState(tree), "B+*[X],A");
}

TEST(TreeObserverTest, BatchesNestAndReportOnlyTheOutermostPair) {
    MenuTree tree;
    RecordingObserver events(tree);
    tree.setObserver(&events);
    {
        TreeBatch outer(tree);
        tree.beginBatch();
        addNode(tree, kRootNode, {"A", NodeKind::Menu});
        tree.clearTree();  // batches itself, inside ours
        tree.endBatch();
        EXPECT_EQ(events.take(), "begin\ninsert A in root after -\nremove A\n");
    }
    EXPECT_EQ(events.take(), "end\n");
    tree.endBatch();  // unbalanced: ignored
    EXPECT_EQ(events.take(), "");
}

TEST(TreeObserverTest, ExpandAndCollapseReportOnlyRealChanges) {
    MenuTree tree;
    buildTree(tree, "File[Open],Edit");
    RecordingObserver events(tree);
    tree.setObserver(&events);
    tree.expandAll();
    EXPECT_EQ(events.take(), "begin\nend\n") << "already expanded by the inserts";
    tree.collapseAll();
    EXPECT_EQ(events.take(), "begin\nexpanded File 0\nend\n");
    tree.expandNode(findCaption(tree, "Edit"), true);
    tree.expandNode(findCaption(tree, "File"), true);
    tree.selectNode(findCaption(tree, "Open"));
    tree.selectNode(findCaption(tree, "Open"));
    tree.selectNode(kNoNode);
    EXPECT_EQ(events.take(), "expanded File 1\nselect Open\nselect -\n");
}

TEST(TreeObserverTest, PlatformRemovalRemovesChildrenBeforeTheirParentAndTheStartLast) {
    MenuTree tree;
    buildTree(tree, "M{Menu 1}[A{ScriptItem 1}[X{ScriptItem 1}],K{ScriptItem 7},B{ScriptItem 1}],N{Menu 7}");
    RecordingObserver events(tree);
    tree.setObserver(&events);
    tree.selectNode(findCaption(tree, "X"));
    events.take();
    tree.removePlatformsFromSubtree(findCaption(tree, "M"), kPlatformWindows, true);
    EXPECT_EQ(events.take(),
              "begin\n"
              "select A\n"
              "remove X\n"
              "children A 0\n"
              "expanded A 0\n"
              "select K\n"
              "remove A\n"
              "remove B\n"
              "select N\n"
              "remove M\n"
              "end\n");
    EXPECT_EQ(flattenTree(tree), "N");
}

TEST(TreeObserverTest, MirrorFollowsLoadsMovesAndPlatformRemoval) {
    MenuTree tree;
    MirrorView mirror(tree);
    tree.setObserver(&mirror);
    buildTree(tree,
              "Apple{AppMenu}[About,Q{MacQuitItem}],File[Open,Recent[A{ScriptItem 1},B]],Edit[Undo{ScriptItem 1}]");
    tree.selectNode(findCaption(tree, "Recent"));
    tree.moveNodeUp(kNoNode);
    tree.moveNodeDown(findCaption(tree, "File"));
    tree.copySubtree(findCaption(tree, "File"), findCaption(tree, "Edit"), kFirstPosition);
    tree.removePlatformsFromSubtree(kRootNode, kPlatformWindows, true);
    tree.setCaption(findCaption(tree, "About"), "About This");
    tree.collapseAll();
    EXPECT_EQ(treeState(tree), "Apple[About This,Q],Edit[File[Recent[B],Open]],File*[Recent[B],Open]");
    EXPECT_EQ(mirror.state(), treeState(tree));
    EXPECT_TRUE(mirror.problems().empty()) << mirror.problems().front();
    tree.clearTree();
    EXPECT_EQ(mirror.size(), 0u);
    EXPECT_FALSE(mirror.inBatch());
}

}  // namespace
}  // namespace tessary
