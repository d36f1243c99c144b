// The undo history of a MenuTree: steps recorded from the tree's reports give
// back the tree byte for byte in both directions, hold only what they
// touched, and keep the saved state and the limit.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "model/subtree_snapshot.h"
#include "model/tree_history.h"
#include "tree_test_support.h"

namespace tessary {
namespace {

using testing::buildTree;
using testing::findCaption;

// Structure, captions, kinds and every byte of every record.
std::string content(const MenuTree& tree) {
    std::string out = flattenTree(tree, kFlattenKinds);
    for (NodeHandle at = tree.firstTopLevel(); at != kNoNode;) {
        out.append(reinterpret_cast<const char*>(tree.getRecord(at)), sizeof(MenuItemRecord));
        NodeHandle next = tree.firstChild(at);
        while (next == kNoNode && at != kRootNode) {
            next = tree.nextSibling(at);
            at = next == kNoNode ? tree.parent(at) : at;
        }
        at = at == kRootNode ? kNoNode : next;
    }
    return out;
}

NodeHandle node(const MenuTree& tree, const char* caption) {
    const NodeHandle found = findCaption(tree, caption);
    EXPECT_NE(found, kNoNode) << caption;
    return found;
}

constexpr const char* kMenus = "App{AppMenu}[Quit{MacQuitItem 4}],File[Open,Sub[Deep,Deeper],-Separator-,Print],Edit[Cut]";

TEST(SubtreeSnapshot, BuildsTheSubtreeAgainByteForByteWithItsExpandedStates) {
    MenuTree tree;
    buildTree(tree, kMenus);
    MenuItemRecord odd;
    clearRecord(odd);
    std::strcpy(odd.scriptName, "ab");
    odd.scriptName[7] = 'z';  // a byte after the text's end, which its values would lose
    tree.insertNode(node(tree, "Sub"), Position::First, "Odd", NodeKind::ScriptItem, odd);
    tree.setUserString(node(tree, "Open"), "\xC4pfel");
    tree.expandNode(node(tree, "Sub"), false);

    const SubtreeSnapshot snapshot(tree, node(tree, "File"));
    EXPECT_TRUE(snapshot.matches(tree, node(tree, "File")));
    EXPECT_LT(snapshot.bytes(), 100 * snapshot.nodeCount() + 512);  // compact but for the odd record
    MenuTree other;
    ASSERT_NE(snapshot.insertInto(other, kRootNode, Position::Last), kNoNode);
    MenuTree original;
    original.copySubtree(tree, node(tree, "File"), kRootNode, Position::Last);
    EXPECT_EQ(content(other), content(original));
    EXPECT_FALSE(other.isExpanded(node(other, "Sub")));
    EXPECT_TRUE(other.isExpanded(node(other, "File")));

    tree.setCheckOn(node(tree, "Deeper"), 1);
    EXPECT_FALSE(snapshot.matches(tree, node(tree, "File")));
}

TEST(TreeHistory, MixedStepsUndoToTheStartAndRedoToTheEndByteForByte) {
    MenuTree tree;
    buildTree(tree, kMenus);
    TreeHistory history(tree);
    const std::vector<std::function<void()>> steps = {
        [&] { tree.insertNode(node(tree, "Sub"), Position::First, {"New", NodeKind::ScriptItem}); },
        [&] { tree.setCaption(node(tree, "Print"), "Print..."), tree.setShortcut(node(tree, "Print..."), 0x250); },
        [&] { tree.deleteSubtree(node(tree, "Sub")); },
        [&] {  // a copy after its source, which goes, and the node before it
            const NodeHandle print = node(tree, "Print...");
            tree.copySubtree(print, node(tree, "File"), Position::Last);
            tree.deleteSubtree(print);
            tree.deleteSubtree(node(tree, "-Separator-"));
        },
        [&] { tree.moveNodeUp(node(tree, "Edit")); },
        [&] { tree.copySubtree(node(tree, "File"), node(tree, "Edit"), Position::Last); },
        [&] { tree.applyPlatformsToSubtree(node(tree, "Edit"), 1), tree.setKind(node(tree, "Cut"), NodeKind::FmItem); },
        [&] { tree.removePlatformsFromSubtree(node(tree, "Edit"), 1, true); },
        [&] {  // emptied and built again, one menu other than before
            tree.clearTree();
            buildTree(tree, "App{AppMenu}[Quit{MacQuitItem 4}],File[Open],Help[About]");
        },
    };
    std::vector<std::string> states{content(tree)};
    for (const auto& step : steps) {
        history.begin();
        step();
        EXPECT_TRUE(history.commit("step " + std::to_string(states.size())));
        states.push_back(content(tree));
    }
    for (size_t i = states.size() - 1; i-- > 0;) {
        EXPECT_EQ(history.undoLabel(), "step " + std::to_string(i + 1));
        history.undo();
        EXPECT_TRUE(content(tree) == states[i]) << "undo to " << i << ": " << flattenTree(tree);
    }
    EXPECT_FALSE(history.canUndo());
    for (size_t i = 1; i < states.size(); ++i) {
        history.redo();
        EXPECT_TRUE(content(tree) == states[i]) << "redo to " << i << ": " << flattenTree(tree);
    }
    EXPECT_FALSE(history.canRedo());
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;
}

TEST(TreeHistory, UndoAndRedoSelectTheNodeTheyChangedAndShowIt) {
    MenuTree tree;
    buildTree(tree, kMenus);
    TreeHistory history(tree);
    tree.selectNode(node(tree, "Deeper"));
    history.begin();
    tree.deleteSubtree(node(tree, "Sub"));  // the selection inside goes to the next sibling
    history.commit("delete");
    tree.collapseAll();

    history.undo();
    EXPECT_EQ(tree.selected(), node(tree, "Sub"));
    EXPECT_TRUE(tree.isExpanded(node(tree, "File")));
    history.redo();
    EXPECT_EQ(tree.selected(), node(tree, "-Separator-"));
}

TEST(TreeHistory, KeepsOnlyStepsThatChangedSomethingAndAbortGivesTheTreeBack) {
    MenuTree tree;
    buildTree(tree, kMenus);
    TreeHistory history(tree);
    const std::string before = content(tree);

    history.begin();
    tree.moveNodeUp(node(tree, "Open"));  // the first node: made anew in its place
    tree.moveNodeDown(node(tree, "Cut"));  // the last one
    tree.setCaption(node(tree, "Print"), "Print");
    EXPECT_FALSE(history.commit("nothing"));

    history.begin();
    tree.clearTree();
    buildTree(tree, kMenus);  // a reload that reads the same menus
    EXPECT_FALSE(history.commit("reload"));

    history.begin();
    tree.deleteSubtree(node(tree, "File"));
    tree.setCaption(node(tree, "Edit"), "Changed");
    history.abort();
    EXPECT_TRUE(content(tree) == before) << flattenTree(tree);
    EXPECT_FALSE(history.canUndo());

    history.begin();
    tree.setCaption(node(tree, "Cut"), "Cut!");
    history.commit("rename");
    tree.setCaption(node(tree, "Edit"), "Outside");  // a change no step records
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.atSaved());
}

TEST(TreeHistory, ANewStepDropsTheUndoneStepsAndTheLimitTheOldest) {
    MenuTree tree;
    buildTree(tree, kMenus);
    TreeHistory history(tree, 2000);  // room for a few small steps only
    auto rename = [&](const std::string& to) {
        history.begin();
        tree.setCaption(tree.lastChild(kRootNode), to);
        history.commit(to);
    };
    rename("A");
    rename("B");
    history.undo();
    rename("C");
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoCount(), 2u);
    EXPECT_EQ(history.undoLabel(), "C");

    for (char c = 'D'; c <= 'Z'; ++c) {
        rename(std::string(1, c));
    }
    EXPECT_LE(history.bytes(), 2000u);
    EXPECT_GT(history.undoCount(), 1u);
    EXPECT_LT(history.undoCount(), 24u);
    EXPECT_EQ(history.undoLabel(), "Z");  // the newest stays
    while (history.canUndo()) {
        history.undo();
    }
    EXPECT_NE(tree.caption(tree.lastChild(kRootNode)), "Edit");  // the oldest steps went
}

TEST(TreeHistory, TheSavedStateFollowsUndoRedoAndSaving) {
    MenuTree tree;
    buildTree(tree, kMenus);
    TreeHistory history(tree);
    history.clear();
    auto step = [&](const char* caption) {
        history.begin();
        tree.setCaption(tree.firstChild(node(tree, "Edit")), caption);
        history.commit(caption);
    };
    step("one");
    step("two");
    EXPECT_FALSE(history.atSaved());
    history.undo();
    history.undo();
    EXPECT_TRUE(history.atSaved());
    history.redo();
    history.markSaved();  // saved with "one"
    history.undo();
    EXPECT_FALSE(history.atSaved());
    history.redo();
    EXPECT_TRUE(history.atSaved());
    history.undo();
    step("three");  // the saved state was among the steps undone: it is gone
    history.undo();
    history.redo();
    EXPECT_FALSE(history.atSaved());
    history.forgetSaved();
    history.undo();
    EXPECT_FALSE(history.atSaved());
}

}  // namespace
}  // namespace tessary
