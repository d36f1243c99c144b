// MenuTree operations, checked on whole flattened trees.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/menu_tree.h"
#include "model/tree_flatten.h"
#include "tree_test_support.h"

namespace tessary {
namespace {

using testing::buildTree;
using testing::findCaption;

NodeHandle node(const MenuTree& tree, const char* caption) {
    const NodeHandle found = findCaption(tree, caption);
    EXPECT_NE(found, kNoNode) << caption;
    return found;
}

std::string checked(const MenuTree& tree) {
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;
    return flattenTree(tree);
}

// ---- Inserting ----

// The specified insert with its markers, and the explicit one at the same
// place wherever the case names one without kNoNode.
TEST(TreeTest, InsertPositions) {
    struct Case {
        const char* parent;  // nullptr: the marker in parentMarker
        NodeHandle parentMarker;
        const char* after;  // nullptr: the marker in afterMarker
        NodeHandle afterMarker;
        const char* expected;
    };
    // clang-format off
    const Case cases[] = {
        {"File", kNoNode, nullptr, kNoNode, "File[Open,Close,X],Edit"},
        {"File", kNoNode, nullptr, kLastPosition, "File[Open,Close,X],Edit"},
        {"File", kNoNode, nullptr, kFirstPosition, "File[X,Open,Close],Edit"},
        {"File", kNoNode, "Open", kNoNode, "File[Open,X,Close],Edit"},
        {nullptr, kNoNode, nullptr, kNoNode, "File[Open,Close],Edit,X"},
        {nullptr, kRootNode, nullptr, kFirstPosition, "X,File[Open,Close],Edit"},
        {nullptr, kRootNode, nullptr, kLastPosition, "File[Open,Close],Edit,X"},
        {nullptr, kRootNode, "File", kNoNode, "File[Open,Close],X,Edit"},
        {"Edit", kNoNode, nullptr, kFirstPosition, "File[Open,Close],Edit[X]"},
    };
    // clang-format on
    for (const Case& c : cases) {
        MenuTree tree;
        buildTree(tree, "File[Open,Close],Edit");
        const NodeHandle parent = c.parent ? node(tree, c.parent) : c.parentMarker;
        const NodeHandle after = c.after ? node(tree, c.after) : c.afterMarker;
        const NodeHandle x = tree.insertNode(parent, after, "X", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0);
        EXPECT_NE(x, kNoNode) << c.expected;
        EXPECT_EQ(checked(tree), c.expected);
        if (parent == kNoNode || after == kNoNode) {
            continue;
        }
        MenuTree again;
        buildTree(again, "File[Open,Close],Edit");
        const Position at = after == kFirstPosition  ? Position::First
                            : after == kLastPosition ? Position::Last
                                                     : Position::after(after);
        EXPECT_NE(again.insertNode(parent, at, {"X", NodeKind::ScriptItem}), kNoNode) << c.expected;
        EXPECT_EQ(checked(again), c.expected);
    }
}

TEST(TreeTest, InsertRefusesBadArgumentsAndChangesNothing) {
    MenuTree tree;
    buildTree(tree, "File[Open,Close],Edit");
    const NodeHandle open = node(tree, "Open");
    const NodeHandle edit = node(tree, "Edit");
    const NodeHandle gone = tree.insertNode(edit, kNoNode, "Gone", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0);
    ASSERT_TRUE(tree.deleteSubtree(gone));
    const std::string before = checked(tree);

    EXPECT_EQ(tree.insertNode(edit, open, "X", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0), kNoNode)
        << "after must be a child of the parent";
    EXPECT_EQ(tree.insertNode(gone, kNoNode, "X", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0), kNoNode) << "removed parent";
    EXPECT_EQ(tree.insertNode(edit, gone, "X", NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0), kNoNode) << "removed after";
    EXPECT_EQ(tree.insertNode(edit, kNoNode, "X", static_cast<NodeKind>(7), 7, 0, 0, 0, 1, 0), kNoNode);
    EXPECT_EQ(tree.insertNode(edit, kNoNode, "X", NodeKind::None, 7, 0, 0, 0, 1, 0), kNoNode);
    // In the explicit forms kNoNode is no node, whatever is selected: not the
    // top level, not the last place, not the selected node.
    tree.selectNode(open);
    EXPECT_EQ(tree.insertNode(kNoNode, Position::Last, {"X", NodeKind::ScriptItem}), kNoNode);
    EXPECT_EQ(tree.insertNode(edit, Position::after(kNoNode), {"X", NodeKind::ScriptItem}), kNoNode);
    EXPECT_EQ(tree.insertNode(edit, Position::after(open), {"X", NodeKind::ScriptItem}), kNoNode);
    EXPECT_EQ(tree.copySubtree(kNoNode, edit, Position::Last), kNoNode);
    EXPECT_EQ(tree.copySubtree(open, kNoNode, Position::Last), kNoNode);
    EXPECT_EQ(checked(tree), before);
    EXPECT_FALSE(tree.hasChildren(edit));
}

TEST(TreeTest, InsertUnderAParentMarksItExpandedWithChildren) {
    MenuTree tree;
    const NodeHandle menu = addNode(tree, kRootNode, {"M", NodeKind::Menu});
    EXPECT_FALSE(tree.hasChildren(menu));
    EXPECT_FALSE(tree.isExpanded(menu));
    EXPECT_FALSE(tree.expandNode(menu, true)) << "nothing to expand";
    addNode(tree, menu, {"I", NodeKind::ScriptItem});
    EXPECT_TRUE(tree.hasChildren(menu));
    EXPECT_TRUE(tree.isExpanded(menu));
    EXPECT_TRUE(tree.hasChildren(kRootNode));
}

// ---- Removing ----

TEST(TreeTest, DeletingTheLastChildClearsHasChildren) {
    MenuTree tree;
    buildTree(tree, "File[Open,Recent[A,B]],Edit");
    const NodeHandle recent = node(tree, "Recent");
    EXPECT_TRUE(tree.deleteSubtree(node(tree, "A")));
    EXPECT_TRUE(tree.hasChildren(recent));
    EXPECT_TRUE(tree.deleteSubtree(node(tree, "B")));
    EXPECT_FALSE(tree.hasChildren(recent));
    EXPECT_FALSE(tree.isExpanded(recent));
    EXPECT_EQ(checked(tree), "File[Open,Recent],Edit");
    EXPECT_TRUE(tree.deleteSubtree(node(tree, "Open")));
    EXPECT_TRUE(tree.deleteSubtree(recent));
    EXPECT_FALSE(tree.hasChildren(node(tree, "File")));
    EXPECT_EQ(checked(tree), "File,Edit");
}

TEST(TreeTest, DeleteRemovesTheWholeSubtreeAndItsHandles) {
    MenuTree tree;
    buildTree(tree, "File[Open,Recent[A,B]],Edit[Undo]");
    std::vector<NodeHandle> gone = {node(tree, "File"), node(tree, "Open"), node(tree, "Recent"), node(tree, "A"),
                                    node(tree, "B")};
    EXPECT_TRUE(tree.deleteSubtree(gone[0]));
    EXPECT_EQ(checked(tree), "Edit[Undo]");
    EXPECT_EQ(tree.nodeCount(), 2u);
    for (NodeHandle h : gone) {
        EXPECT_FALSE(tree.isValid(h));
        EXPECT_EQ(tree.getKind(h), NodeKind::None);
        EXPECT_EQ(tree.getRecord(h), nullptr);
        EXPECT_FALSE(tree.setCaption(h, "again"));
        EXPECT_FALSE(tree.deleteSubtree(h));
        EXPECT_EQ(tree.parent(h), kNoNode);
    }
}

TEST(TreeTest, SelectionMovesOutOfARemovedSubtree) {
    struct Case {
        const char* remove;
        const char* selected;
        const char* expectedSelection;  // nullptr: nothing selected
    };
    const Case cases[] = {
        {"Open", "Open", "Close"},   // next sibling first
        {"Close", "Close", "File"},  // else the parent
        {"Edit", "Edit", "File"},    // else, at the top level, the previous sibling
        {"File", "Recent", "Edit"},  // selection inside the removed subtree
        {"Open", "Edit", "Edit"},    // selection elsewhere stays
    };
    for (const Case& c : cases) {
        MenuTree tree;
        buildTree(tree, "File[Open,Close[Recent]],Edit");
        ASSERT_TRUE(tree.selectNode(node(tree, c.selected)));
        ASSERT_TRUE(tree.deleteSubtree(node(tree, c.remove)));
        EXPECT_EQ(tree.caption(tree.selected()), c.expectedSelection) << c.remove;
    }
    MenuTree single;
    buildTree(single, "Only");
    single.selectNode(single.firstTopLevel());
    EXPECT_TRUE(single.deleteSubtree(kNoNode)) << "no node means the selected node";
    EXPECT_EQ(single.selected(), kNoNode);
    EXPECT_FALSE(single.deleteSubtree(kNoNode));
}

TEST(TreeTest, ClearTreeEmptiesEverything) {
    MenuTree tree;
    buildTree(tree, "File[Open,Close],Edit[Undo],Help");
    const NodeHandle undo = node(tree, "Undo");
    tree.selectNode(undo);
    tree.setDropHighlight(node(tree, "Help"));
    tree.clearTree();
    EXPECT_EQ(checked(tree), "");
    EXPECT_EQ(tree.nodeCount(), 0u);
    EXPECT_EQ(tree.selected(), kNoNode);
    EXPECT_EQ(tree.dropHighlight(), kNoNode);
    EXPECT_FALSE(tree.isValid(undo));
    EXPECT_FALSE(tree.hasChildren(kRootNode));

    buildTree(tree, "A[B],C");
    EXPECT_TRUE(tree.deleteSubtree(kRootNode)) << "the root marker stands for every node";
    EXPECT_TRUE(tree.empty());
}

TEST(TreeTest, HandlesOfRemovedNodesNeverComeBack) {
    MenuTree tree;
    const NodeHandle keep = addNode(tree, kRootNode, {"keep", NodeKind::Menu});
    std::set<NodeHandle> seen{keep};
    std::vector<NodeHandle> dead;
    // Far more rounds than one slot has generations: slots get retired.
    for (int round = 0; round < 10000; ++round) {
        const NodeHandle h = addNode(tree, keep, {"x", NodeKind::ScriptItem});
        ASSERT_NE(h, kNoNode);
        ASSERT_NE(h, kRootNode);
        ASSERT_NE(h, kFirstPosition);
        ASSERT_NE(h, kLastPosition);
        ASSERT_TRUE(seen.insert(h).second) << "handle " << h << " given out twice, round " << round;
        ASSERT_TRUE(tree.deleteSubtree(h));
        dead.push_back(h);
    }
    for (NodeHandle h : dead) {
        ASSERT_FALSE(tree.isValid(h));
    }
    EXPECT_EQ(checked(tree), "keep");
}

// ---- Copying ----

TEST(TreeTest, CopySubtreeWithinOneTree) {
    struct Case {
        const char* source;
        const char* parent;  // nullptr: the top level
        const char* after;   // nullptr: last
        const char* expected;
    };
    const Case cases[] = {
        {"Recent", "Edit", nullptr, "File[Open,Recent[A,B]],Edit[Undo,Recent[A,B]]"},
        {"Recent", nullptr, nullptr, "File[Open,Recent[A,B]],Edit[Undo],Recent[A,B]"},
        {"File", "Edit", "Undo", "File[Open,Recent[A,B]],Edit[Undo,File[Open,Recent[A,B]]]"},
        {"Open", "File", "Open", "File[Open,Open,Recent[A,B]],Edit[Undo]"},
        {"Recent", "File", "Recent", "File[Open,Recent[A,B],Recent[A,B]],Edit[Undo]"},
        {"Undo", "Recent", nullptr, "File[Open,Recent[A,B,Undo]],Edit[Undo]"},
    };
    for (const Case& c : cases) {
        MenuTree tree;
        buildTree(tree, "File[Open,Recent[A,B]],Edit[Undo]");
        const NodeHandle parent = c.parent ? node(tree, c.parent) : kRootNode;
        const NodeHandle after = c.after ? node(tree, c.after) : kLastPosition;
        const NodeHandle source = node(tree, c.source);
        const NodeHandle copy = tree.copySubtree(source, parent, after);
        ASSERT_NE(copy, kNoNode) << c.expected;
        EXPECT_NE(copy, source);
        EXPECT_TRUE(tree.isValid(source));
        EXPECT_EQ(checked(tree), c.expected);
        EXPECT_EQ(tree.isExpanded(copy), tree.hasChildren(copy)) << "a copy with children is expanded";
    }
}

TEST(TreeTest, CopySubtreeIntoItselfIsRefused) {
    MenuTree tree;
    buildTree(tree, "File[Open,Recent[A,B]],Edit");
    const std::string before = checked(tree);
    for (const char* target : {"File", "Recent", "A"}) {
        EXPECT_EQ(tree.copySubtree(node(tree, "File"), node(tree, target), kLastPosition), kNoNode) << target;
    }
    EXPECT_EQ(checked(tree), before);
    // Between two trees the same shape is no loop.
    MenuTree other;
    buildTree(other, "File[Open,Recent[A,B]],Edit");
    EXPECT_NE(other.copySubtree(tree, node(tree, "File"), node(other, "Recent"), kLastPosition), kNoNode);
    EXPECT_EQ(checked(other), "File[Open,Recent[A,B,File[Open,Recent[A,B]]]],Edit");
}

TEST(TreeTest, CopySubtreeBetweenTreesUsesTheSourceSelection) {
    MenuTree chooser;
    buildTree(chooser, "Edit{Menu 7}[Undo{FmItem 7},-Separator-{Separator 1},Paste{FmItem 6}]");
    MenuTree document;
    buildTree(document, "Mine[Own]");
    EXPECT_EQ(document.copySubtree(chooser, kNoNode, kRootNode, kLastPosition), kNoNode) << "nothing selected there";
    chooser.selectNode(node(chooser, "Edit"));
    const NodeHandle copy = document.copySubtree(chooser, kNoNode, node(document, "Mine"), kFirstPosition);
    ASSERT_NE(copy, kNoNode);
    EXPECT_EQ(flattenTree(document, kFlattenKinds | kFlattenPlatforms),
              "Mine{Menu 7}[Edit{Menu 7}[Undo{FmItem 7},-Separator-{Separator 1},Paste{FmItem 6}],Own{ScriptItem 7}]");
    EXPECT_EQ(checked(chooser), "Edit[Undo,-Separator-,Paste]") << "the source is left alone";
    EXPECT_EQ(document.selected(), kNoNode);
}

// ---- Field access ----

TEST(TreeTest, PlatformsAndParentPlatforms) {
    MenuTree tree;
    buildTree(tree, "Apple{AppMenu 7}[About{ScriptItem 6}],Win{Menu 1}[W{ScriptItem 1}],All{Menu 7}");
    const NodeHandle apple = node(tree, "Apple");
    EXPECT_EQ(tree.getRecord(apple)->platforms, 7);
    EXPECT_EQ(tree.getPlatforms(apple), kPlatformMac);
    EXPECT_FALSE(tree.setPlatforms(apple, 1));
    EXPECT_EQ(tree.getRecord(apple)->platforms, 7);

    EXPECT_EQ(tree.getPlatforms(kNoNode), kPlatformAll) << "nothing selected";
    EXPECT_EQ(tree.getPlatforms(kRootNode), kPlatformAll);
    tree.selectNode(node(tree, "Win"));
    EXPECT_EQ(tree.getPlatforms(kNoNode), kPlatformWindows) << "the selected node";

    EXPECT_EQ(tree.getParentPlatforms(node(tree, "About")), kPlatformMac);
    EXPECT_EQ(tree.getParentPlatforms(node(tree, "W")), kPlatformWindows);
    EXPECT_EQ(tree.getParentPlatforms(node(tree, "All")), kPlatformAll) << "top level";

    EXPECT_TRUE(tree.setPlatforms(node(tree, "All"), 0));
    EXPECT_EQ(tree.getPlatforms(node(tree, "All")), 0);
}

TEST(TreeTest, ShortcutsOnlyForScriptAndFileMakerItems) {
    MenuTree tree;
    for (int k = 0; k < kNodeKindCount; ++k) {
        const NodeKind kind = static_cast<NodeKind>(k);
        const NodeHandle n = addNode(tree, kRootNode, {.caption = "n", .kind = kind, .shortcut = 0x0253});
        const bool takes = kind == NodeKind::ScriptItem || kind == NodeKind::FmItem;
        EXPECT_EQ(tree.getRecord(n)->shortcut, 0x0253) << "stored whatever the kind";
        EXPECT_EQ(tree.getShortcut(n), takes ? 0x0253 : 0) << nodeKindName(kind);
        EXPECT_EQ(tree.setShortcut(n, 0x0441), takes) << nodeKindName(kind);
        EXPECT_EQ(tree.getRecord(n)->shortcut, takes ? 0x0441 : 0x0253) << nodeKindName(kind);
    }
}

TEST(TreeTest, NoNodeMeansTheSelectedNode) {
    MenuTree tree;
    buildTree(tree, "File[Open{FmItem}],Edit");
    EXPECT_FALSE(tree.setCaption(kNoNode, "x"));
    EXPECT_EQ(tree.getKind(kNoNode), NodeKind::None);
    tree.selectNode(node(tree, "Open"));
    EXPECT_TRUE(tree.setCaption(kNoNode, "Open..."));
    EXPECT_EQ(tree.getKind(kNoNode), NodeKind::FmItem);
    EXPECT_TRUE(tree.setFmId(kNoNode, 9));
    EXPECT_TRUE(tree.setUserString(kNoNode, "u"));
    EXPECT_EQ(tree.getFmId(node(tree, "Open...")), 9u);
    EXPECT_EQ(checked(tree), "File[Open...],Edit");

    for (NodeHandle marker : {kRootNode, kFirstPosition, kLastPosition}) {
        EXPECT_EQ(tree.getKind(marker), NodeKind::None);
        EXPECT_FALSE(tree.setCaption(marker, "x"));
        EXPECT_FALSE(tree.setKind(marker, NodeKind::Menu));
        EXPECT_EQ(tree.getRecord(marker), nullptr);
    }
}

TEST(TreeTest, SetKindAndCaption) {
    MenuTree tree;
    buildTree(tree, "File[Open]");
    const NodeHandle open = node(tree, "Open");
    EXPECT_TRUE(tree.setKind(open, NodeKind::FmItem));
    EXPECT_FALSE(tree.setKind(open, static_cast<NodeKind>(9)));
    EXPECT_TRUE(tree.isAppMenu(open) == false && tree.getKind(open) == NodeKind::FmItem);
    EXPECT_TRUE(tree.setCaption(open, std::string(260, 'c')));
    EXPECT_EQ(tree.caption(open).size(), 249u);
}

TEST(TreeTest, HasChildrenCannotBeSetAgainstTheStructure) {
    MenuTree tree;
    buildTree(tree, "File[Open],Edit");
    EXPECT_TRUE(tree.setHasChildren(node(tree, "File"), true));
    EXPECT_FALSE(tree.setHasChildren(node(tree, "File"), false));
    EXPECT_TRUE(tree.setHasChildren(node(tree, "Edit"), false));
    EXPECT_FALSE(tree.setHasChildren(node(tree, "Edit"), true));
    EXPECT_TRUE(tree.hasChildren(node(tree, "File")));
    EXPECT_FALSE(tree.hasChildren(node(tree, "Edit")));
}

// ---- Searching ----

TEST(TreeTest, MacItemSearchesStartAtTheFirstAppMenu) {
    struct Case {
        const char* tree;
        const char* quit;  // nullptr: none found
        const char* prefs;
    };
    const Case cases[] = {
        {"Apple{AppMenu}[P{MacPreferencesItem},Q{MacQuitItem}],File", "Q", "P"},
        {"File[Q0{MacQuitItem}],Apple{AppMenu}[About],Edit[Q1{MacQuitItem}]", "Q1", nullptr},
        {"File[Q{MacQuitItem},P{MacPreferencesItem}]", nullptr, nullptr},
        {"Apple{AppMenu}[Sub[Q{MacQuitItem}]],Q2{MacQuitItem}", "Q", nullptr},
    };
    for (const Case& c : cases) {
        MenuTree tree;
        buildTree(tree, c.tree);
        EXPECT_EQ(tree.caption(tree.findMacQuitItem()), c.quit ? c.quit : "") << c.tree;
        EXPECT_EQ(tree.caption(tree.findMacPreferencesItem()), c.prefs ? c.prefs : "") << c.tree;
        EXPECT_EQ(tree.findMacQuitItem() != kNoNode, c.quit != nullptr) << c.tree;
    }
}

TEST(TreeTest, FindFirstAppMenuAndScriptByShortcut) {
    MenuTree tree;
    buildTree(tree, "File[Sub[Deep{AppMenu}]],Apple{AppMenu},Edit[Cmd{FmItem},S1,S2]");
    EXPECT_EQ(tree.findFirstAppMenu(), node(tree, "Deep")) << "pre-order, not top level first";

    tree.setShortcut(node(tree, "Cmd"), 0x0253);
    tree.setShortcut(node(tree, "S1"), 0x0453);
    tree.setShortcut(node(tree, "S2"), 0x0253);
    EXPECT_EQ(tree.findScriptByShortcut(0x0253), node(tree, "S2")) << "FmItems are not searched";
    EXPECT_EQ(tree.findScriptByShortcut(0x0453), node(tree, "S1")) << "all 16 bits count";
    EXPECT_EQ(tree.findScriptByShortcut(0x0653), kNoNode);

    MenuTree empty;
    EXPECT_EQ(empty.findFirstAppMenu(), kNoNode);
    EXPECT_EQ(empty.findMacQuitItem(), kNoNode);
}

TEST(TreeTest, FindPlatformsInSubtreeAndAncestry) {
    MenuTree tree;
    buildTree(tree,
              "M{Menu 7}[A{ScriptItem 7},W1{ScriptItem 1},Sub{Menu 7}[W2{ScriptItem 1}]],Apple{AppMenu 1},W3{Menu 1}");
    const NodeHandle m = node(tree, "M");
    EXPECT_EQ(tree.findPlatformsInSubtree(m, 1), node(tree, "W1"));
    EXPECT_EQ(tree.findPlatformsInSubtree(node(tree, "Sub"), 1), node(tree, "W2"));
    EXPECT_EQ(tree.findPlatformsInSubtree(m, 7), m) << "the node itself first";
    EXPECT_EQ(tree.findPlatformsInSubtree(node(tree, "A"), 1), kNoNode) << "siblings are outside the subtree";
    EXPECT_EQ(tree.findPlatformsInSubtree(node(tree, "Apple"), 1), kNoNode) << "an AppMenu reports 6";
    EXPECT_EQ(tree.findPlatformsInSubtree(node(tree, "Apple"), 6), node(tree, "Apple"));

    EXPECT_TRUE(tree.isAncestorOrSelf(m, node(tree, "W2")));
    EXPECT_TRUE(tree.isAncestorOrSelf(m, m));
    EXPECT_FALSE(tree.isAncestorOrSelf(node(tree, "Sub"), node(tree, "W1")));
    EXPECT_FALSE(tree.isAncestorOrSelf(node(tree, "W2"), m));
    EXPECT_TRUE(tree.isAncestorOrSelf(kRootNode, node(tree, "W2")));
}

// ---- Changes over many nodes ----

TEST(TreeTest, RemovingTheWindowsBitDeletesWindowsOnlyItems) {
    MenuTree tree;
    buildTree(tree,
              "M{Menu 7}[A{ScriptItem 1},B{ScriptItem 7},C{Menu 3}[D{ScriptItem 1},E{ScriptItem 3}],"
              "F{Separator 1},G{Menu 1}[H{ScriptItem 7}]],Other{Menu 1}");
    EXPECT_TRUE(tree.removePlatformsFromSubtree(node(tree, "M"), kPlatformWindows, true));
    EXPECT_EQ(flattenTree(tree, kFlattenPlatforms), "M{6}[B{6},C{2}[E{2}]],Other{1}");
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;
}

TEST(TreeTest, RemovingPlatformBitsWithoutRemovalKeepsEmptyNodes) {
    MenuTree tree;
    buildTree(tree, "M{Menu 7}[A{ScriptItem 1},B{ScriptItem 6},Apple{AppMenu 7}]");
    EXPECT_TRUE(tree.removePlatformsFromSubtree(node(tree, "M"), kPlatformMacClassic | kPlatformMacX, false));
    EXPECT_EQ(flattenTree(tree, kFlattenPlatforms), "M{1}[A{1},B{0},Apple{1}]") << "stored sets, AppMenu included";
}

TEST(TreeTest, RemovedStartingNodeGoesLastAndSelectionFollows) {
    MenuTree tree;
    buildTree(tree, "Before,M{Menu 1}[A{ScriptItem 1}[X{ScriptItem 1}],B{ScriptItem 1}],After");
    tree.selectNode(node(tree, "X"));
    EXPECT_TRUE(tree.removePlatformsFromSubtree(node(tree, "M"), kPlatformWindows, true));
    EXPECT_EQ(checked(tree), "Before,After");
    EXPECT_EQ(tree.caption(tree.selected()), "After");
}

TEST(TreeTest, ApplyPlatformsAndLocalCaptionRun) {
    MenuTree tree;
    buildTree(tree, "M{Menu 7}[A{ScriptItem 7},Apple{AppMenu 7}[B{ScriptItem 7}]],N{Menu 7}[C{ScriptItem 7}]");
    EXPECT_TRUE(tree.applyPlatformsToSubtree(node(tree, "M"), 2));
    EXPECT_EQ(flattenTree(tree, kFlattenPlatforms), "M{2}[A{2},Apple{7}[B{2}]],N{7}[C{7}]");

    EXPECT_TRUE(tree.setLocalCaptionOnRun(node(tree, "A"), 1));
    std::string flags;
    for (const char* name : {"M", "A", "Apple", "B", "N", "C"}) {
        flags += std::to_string(tree.getUseLocalCaption(node(tree, name)));
    }
    EXPECT_EQ(flags, "011100") << "the node, its following siblings and their descendants";
    EXPECT_EQ(checked(tree), "M[A,Apple[B]],N[C]") << "captions stay";
}

// ---- Moves ----

struct MoveCase {
    const char* tree;
    const char* node;
    bool up;
    const char* expected;
    bool recreated;
};

TEST(TreeTest, MoveUpAndDown) {
    const MoveCase cases[] = {
        {"A,B,C", "B", true, "B,A,C", true},
        {"A,B,C", "B", false, "A,C,B", true},
        {"A,B,C", "A", true, "A,B,C", true},   // first: re-created in place
        {"A,B,C", "C", false, "A,B,C", true},  // last: re-created in place
        {"File[Open,Recent[X,Y]],Edit", "File", false, "Edit,File[Open,Recent[X,Y]]", true},
        {"File[Open,Recent[X,Y]],Edit", "Recent", true, "File[Recent[X,Y],Open],Edit", true},
        {"Apple{AppMenu},File,Edit", "File", true, "Apple,File,Edit", false},
        {"Apple{AppMenu},File,Edit", "Apple", true, "Apple,File,Edit", false},
        {"Apple{AppMenu},File,Edit", "Apple", false, "File,Apple,Edit", true},
        {"Apple{AppMenu}[About,S,P{MacPreferencesItem},Q{MacQuitItem}]", "S", false, "Apple[About,S,P,Q]", false},
        {"Apple{AppMenu}[About,S,P{MacPreferencesItem},Q{MacQuitItem}]", "About", false, "Apple[S,About,P,Q]", true},
        {"Apple{AppMenu}[About,S,P{MacPreferencesItem},Q{MacQuitItem}]", "P", true, "Apple[About,S,P,Q]", false},
        {"Apple{AppMenu}[About,S,P{MacPreferencesItem},Q{MacQuitItem}]", "Q", false, "Apple[About,S,P,Q]", false},
        {"Apple{AppMenu}[About,S,Q{MacQuitItem}]", "S", false, "Apple[About,S,Q]", false},
    };
    for (const MoveCase& c : cases) {
        MenuTree tree;
        buildTree(tree, c.tree);
        const NodeHandle source = node(tree, c.node);
        const MenuItemRecord record = *tree.getRecord(source);
        const NodeHandle copy = c.up ? tree.moveNodeUp(source) : tree.moveNodeDown(source);
        const std::string what = std::string(c.tree) + (c.up ? " up " : " down ") + c.node;
        EXPECT_EQ(checked(tree), c.expected) << what;
        EXPECT_EQ(copy != kNoNode, c.recreated) << what;
        if (c.recreated) {
            EXPECT_FALSE(tree.isValid(source)) << what;
            EXPECT_EQ(tree.selected(), copy) << what;
            EXPECT_EQ(tree.isExpanded(copy), tree.hasChildren(copy)) << what;
            EXPECT_TRUE(recordsEqual(*tree.getRecord(copy), record)) << what;
        } else {
            EXPECT_TRUE(tree.isValid(source)) << what;
            EXPECT_EQ(tree.selected(), kNoNode) << what;
        }
    }
}

TEST(TreeTest, MoveActsOnTheSelectedNode) {
    MenuTree tree;
    buildTree(tree, "A,B,C");
    EXPECT_EQ(tree.moveNodeUp(kNoNode), kNoNode);
    EXPECT_EQ(tree.moveNodeDown(kNoNode), kNoNode);
    tree.selectNode(node(tree, "C"));
    EXPECT_NE(tree.moveNodeUp(kNoNode), kNoNode);
    EXPECT_NE(tree.moveNodeUp(kNoNode), kNoNode);
    EXPECT_EQ(checked(tree), "C,A,B");
    EXPECT_EQ(tree.caption(tree.selected()), "C");
}

// ---- View state ----

TEST(TreeTest, ExpandAllAndCollapseAll) {
    MenuTree tree;
    buildTree(tree, "File[Open,Recent[X]],Edit,Help[About]");
    tree.collapseAll();
    for (const char* name : {"File", "Recent", "Edit", "Help", "Open"}) {
        EXPECT_FALSE(tree.isExpanded(node(tree, name))) << name;
    }
    tree.expandAll();
    for (const char* name : {"File", "Recent", "Help"}) {
        EXPECT_TRUE(tree.isExpanded(node(tree, name))) << name;
    }
    for (const char* name : {"Edit", "Open", "X"}) {
        EXPECT_FALSE(tree.isExpanded(node(tree, name))) << name << " has no children";
    }
}

class HitTestView : public TreeObserver {
public:
    void nodeInserted(NodeHandle, NodeHandle, NodeHandle) override {}
    void nodeRemoved(NodeHandle) override {}
    void nodeChanged(NodeHandle) override {}
    void hasChildrenChanged(NodeHandle, bool) override {}
    void expandedChanged(NodeHandle, bool) override {}
    void selectionChanged(NodeHandle) override {}
    NodeHandle nodeAtScreenPoint(int x, int y) const override { return x == 10 && y == 20 ? answer : kNoNode; }
    NodeHandle answer = kNoNode;
};

TEST(TreeTest, NodeAtScreenPointAsksTheViewAndChecksTheAnswer) {
    MenuTree tree;
    buildTree(tree, "A,B");
    EXPECT_EQ(tree.nodeAtScreenPoint(10, 20), kNoNode) << "no view";
    HitTestView view;
    tree.setObserver(&view);
    view.answer = node(tree, "B");
    EXPECT_EQ(tree.nodeAtScreenPoint(10, 20), view.answer);
    EXPECT_EQ(tree.nodeAtScreenPoint(11, 20), kNoNode);
    tree.deleteSubtree(view.answer);
    EXPECT_EQ(tree.nodeAtScreenPoint(10, 20), kNoNode) << "a stale answer is not passed on";
}

// ---- Walking and flattening ----

TEST(TreeTest, WalkingHelpers) {
    MenuTree tree;
    buildTree(tree, "File[Open,Close],Edit");
    const NodeHandle file = node(tree, "File");
    EXPECT_EQ(tree.firstTopLevel(), file);
    EXPECT_EQ(tree.parent(file), kRootNode);
    EXPECT_EQ(tree.parent(node(tree, "Close")), file);
    EXPECT_EQ(tree.lastChild(file), node(tree, "Close"));
    EXPECT_EQ(tree.previousSibling(node(tree, "Close")), node(tree, "Open"));
    EXPECT_EQ(tree.previousSibling(file), kNoNode);
    EXPECT_EQ(tree.childCount(file), 2u);
    EXPECT_EQ(tree.childCount(kRootNode), 2u);
    EXPECT_EQ(tree.lastChild(kRootNode), node(tree, "Edit"));
    tree.selectNode(file);
    EXPECT_EQ(tree.firstChild(kNoNode), kNoNode) << "walking never substitutes the selection";
    EXPECT_EQ(tree.nextSibling(kNoNode), kNoNode);
}

TEST(TreeTest, FlattenRoundTripsWithDetails) {
    const char* text =
        "Apple{AppMenu 6}[About{ScriptItem 6},Q{MacQuitItem 4}],File{Menu 7}[Open...{FmItem 7},"
        "-Separator-{Separator 1},Sub{Menu 3}[Deep{ScriptItem 0}]],Empty{Menu 2}";
    MenuTree tree;
    buildTree(tree, text);
    EXPECT_EQ(flattenTree(tree, kFlattenKinds | kFlattenPlatforms), text);
    EXPECT_EQ(flattenTree(tree), "Apple[About,Q],File[Open...,-Separator-,Sub[Deep]],Empty");
    EXPECT_EQ(flattenTree(tree, kFlattenKinds),
              "Apple{AppMenu}[About{ScriptItem},Q{MacQuitItem}],File{Menu}[Open...{FmItem},-Separator-{Separator},"
              "Sub{Menu}[Deep{ScriptItem}]],Empty{Menu}");
    EXPECT_EQ(flattenSubtree(tree, node(tree, "Sub")), "Sub[Deep]");
    EXPECT_EQ(flattenSubtree(tree, node(tree, "Deep")), "Deep");
    EXPECT_EQ(flattenSubtree(tree, kRootNode), flattenTree(tree));
    EXPECT_EQ(flattenTree(MenuTree()), "");
}

TEST(TreeTest, DeepTreesNeedNoDeepStack) {
    MenuTree tree;
    NodeHandle at = kRootNode;
    const int depth = 100000;
    for (int i = 0; i < depth; ++i) {
        at = addNode(tree, at, {"d", NodeKind::Menu});
        ASSERT_NE(at, kNoNode);
    }
    const std::string flat = flattenTree(tree);
    EXPECT_EQ(flat.size(), static_cast<size_t>(depth) + 2 * (depth - 1));
    const NodeHandle copy = tree.copySubtree(tree.firstTopLevel(), kRootNode, kLastPosition);
    ASSERT_NE(copy, kNoNode);
    EXPECT_EQ(tree.nodeCount(), 2u * depth);
    EXPECT_TRUE(tree.removePlatformsFromSubtree(copy, kPlatformAll, true));
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;
    EXPECT_EQ(flattenTree(tree), flat);
    tree.clearTree();
    EXPECT_TRUE(tree.empty());
}

}  // namespace
}  // namespace tessary
