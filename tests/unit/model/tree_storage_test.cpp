// Where the MenuTree keeps its records and how a walk reads them: records stay
// where they are while the tree grows, shrinks and grows again; room made
// ahead changes nothing but the allocations; one look at a node tells what
// the single getters tell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/menu_tree.h"
#include "model/tree_flatten.h"
#include "model/tree_test_support.h"

namespace tessary {
namespace {

std::string scriptOf(int i) {
    return "script " + std::to_string(i);
}

NodeHandle insertItem(MenuTree& tree, NodeHandle parent, int i) {
    return addNode(tree, parent,
                   {.caption = "item " + std::to_string(i),
                    .kind = NodeKind::ScriptItem,
                    .platforms = static_cast<PlatformMask>(1 + i % 7),
                    .shortcut = static_cast<uint16_t>(0x0200 | (0x41 + i % 26)),
                    .fmId = static_cast<uint32_t>(i),
                    .checkOn = static_cast<uint8_t>(i % 2),
                    .scriptName = scriptOf(i),
                    .userString = "u"});
}

void expectItem(const MenuTree& tree, NodeHandle node, int i) {
    const MenuItemRecord* record = tree.getRecord(node);
    ASSERT_NE(record, nullptr) << i;
    EXPECT_EQ(recordText(record->scriptName), scriptOf(i));
    EXPECT_EQ(recordText(record->userString), "u");
    EXPECT_EQ(record->fmId, static_cast<uint32_t>(i));
    EXPECT_EQ(record->platforms, 1 + i % 7);
    EXPECT_EQ(tree.caption(node), "item " + std::to_string(i));
}

TEST(TreeStorage, RecordsStayPutWhileTheTreeChanges) {
    MenuTree tree;
    const NodeHandle menu = addNode(tree, kRootNode, {"Menu", NodeKind::Menu});
    std::vector<NodeHandle> items;
    std::vector<const MenuItemRecord*> places;
    for (int i = 0; i < 3000; ++i) {
        items.push_back(insertItem(tree, menu, i));
        places.push_back(tree.getRecord(items.back()));
    }
    // Every other item goes; new ones come, some in the places given back.
    for (int i = 0; i < 3000; i += 2) {
        ASSERT_TRUE(tree.deleteSubtree(items[i]));
    }
    std::vector<NodeHandle> later;
    for (int i = 3000; i < 6000; ++i) {
        later.push_back(insertItem(tree, kRootNode, i));
    }
    for (int i = 1; i < 3000; i += 2) {
        EXPECT_EQ(tree.getRecord(items[i]), places[i]) << i;
        expectItem(tree, items[i], i);
    }
    for (int i = 3000; i < 6000; ++i) {
        expectItem(tree, later[i - 3000], i);
    }
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;

    // Emptied and filled again: records as new.
    tree.clearTree();
    EXPECT_EQ(tree.nodeCount(), 0u);
    const NodeHandle again = insertItem(tree, kRootNode, 7);
    expectItem(tree, again, 7);
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;
}

TEST(TreeStorage, RoomMadeAheadChangesNothingElse) {
    MenuTree ahead;
    MenuTree asItComes;
    ASSERT_TRUE(ahead.reserve(500));
    for (MenuTree* tree : {&ahead, &asItComes}) {
        const NodeHandle menu = addNode(
            *tree, kRootNode,
            {.caption = "Menu", .kind = NodeKind::Menu, .platforms = kPlatformMac, .fmId = 5, .useLocalCaption = 1});
        for (int i = 0; i < 700; ++i) {
            insertItem(*tree, i % 3 == 0 ? kRootNode : menu, i);
        }
    }
    const int flags = kFlattenKinds | kFlattenPlatforms;
    EXPECT_EQ(flattenTree(ahead, flags), flattenTree(asItComes, flags));
    NodeHandle a = ahead.firstTopLevel();
    NodeHandle b = asItComes.firstTopLevel();
    for (; a != kNoNode && b != kNoNode; a = ahead.nextSibling(a), b = asItComes.nextSibling(b)) {
        EXPECT_TRUE(recordsEqual(*ahead.getRecord(a), *asItComes.getRecord(b))) << ahead.caption(a);
    }
    EXPECT_EQ(a, kNoNode);
    EXPECT_EQ(b, kNoNode);
    // Room for nodes that never come is no node.
    MenuTree empty;
    ASSERT_TRUE(empty.reserve(100));
    EXPECT_EQ(empty.nodeCount(), 0u);
    EXPECT_EQ(empty.firstTopLevel(), kNoNode);
}

TEST(TreeStorage, OneLookTellsWhatTheGettersTell) {
    MenuTree tree;
    const NodeHandle menu =
        addNode(tree, kRootNode, {.caption = "File", .kind = NodeKind::Menu, .platforms = kPlatformWindows, .fmId = 1});
    const NodeHandle open = insertItem(tree, menu, 1);
    const NodeHandle close = insertItem(tree, menu, 2);
    const NodeHandle edit = addNode(tree, kRootNode, {std::string(300, 'e'), NodeKind::Menu});

    for (NodeHandle node : {menu, open, close, edit}) {
        MenuTree::NodeLook look;
        ASSERT_TRUE(tree.look(node, look));
        EXPECT_EQ(look.caption, tree.caption(node));
        EXPECT_EQ(look.caption, tree.captionView(node));
        EXPECT_EQ(look.kind, tree.getKind(node));
        EXPECT_EQ(look.record, tree.getRecord(node));
        EXPECT_EQ(look.firstChild, tree.firstChild(node));
        EXPECT_EQ(look.nextSibling, tree.nextSibling(node));
    }
    EXPECT_EQ(tree.captionView(edit).size(), kMaxTextLength);

    // No node, a removed node, the markers: no look, and the look kept as it was.
    MenuTree::NodeLook look;
    look.caption = "kept";
    tree.deleteSubtree(close);
    for (NodeHandle none : {kNoNode, close, kRootNode, kFirstPosition, kLastPosition}) {
        EXPECT_FALSE(tree.look(none, look)) << none;
        EXPECT_EQ(look.caption, "kept");
    }
    EXPECT_EQ(tree.captionView(close), "");
    // The selected node stands for kNoNode in the getters, as in caption().
    tree.selectNode(open);
    EXPECT_EQ(tree.captionView(kNoNode), "item 1");
}

}  // namespace
}  // namespace tessary

namespace tessary {
namespace {

// Captions of every length up to the limit and past it, short ones kept in
// the node and long ones apart, stay whole while the tree's storage grows,
// while subtrees are copied, and when a caption is set from a piece of itself.
TEST(TreeStorage, CaptionsOfEveryLengthStayWhole) {
    auto captionOf = [](size_t length) {
        std::string text;
        for (size_t i = 0; i < length; ++i) {
            text += static_cast<char>('a' + (length + i) % 26);
        }
        return text;
    };
    MenuTree tree;
    const NodeHandle menu = addNode(tree, kRootNode, {"Menu", NodeKind::Menu});
    std::vector<NodeHandle> items;
    for (size_t length = 0; length <= 260; ++length) {
        items.push_back(
            addNode(tree, menu, {.caption = captionOf(length), .kind = NodeKind::ScriptItem, .scriptName = "s"}));
    }
    const NodeHandle copy = tree.copySubtree(menu, kRootNode, kLastPosition);
    ASSERT_NE(copy, kNoNode);
    NodeHandle copied = tree.firstChild(copy);
    for (size_t length = 0; length <= 260; ++length) {
        const std::string expected = captionOf(length).substr(0, kMaxTextLength);
        EXPECT_EQ(tree.caption(items[length]), expected) << length;
        EXPECT_EQ(tree.caption(copied), expected) << length;
        copied = tree.nextSibling(copied);
    }
    // From long to short and back, each time from a piece of the caption itself.
    const NodeHandle node = items[200];
    ASSERT_TRUE(tree.setCaption(node, tree.captionView(node).substr(3, 20)));
    EXPECT_EQ(tree.caption(node), captionOf(200).substr(3, 20));
    ASSERT_TRUE(tree.setCaption(node, tree.captionView(node).substr(1)));
    EXPECT_EQ(tree.caption(node), captionOf(200).substr(4, 19));
    const std::string longer = captionOf(120);
    ASSERT_TRUE(tree.setCaption(node, longer));
    ASSERT_TRUE(tree.setCaption(node, tree.captionView(node).substr(10, 100)));
    EXPECT_EQ(tree.caption(node), longer.substr(10, 100));
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;
}

}  // namespace
}  // namespace tessary
