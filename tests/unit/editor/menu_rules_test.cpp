// The rules over a MenuTree that the dialogs and lint share.
#include "editor/menu_rules.h"

#include <gtest/gtest.h>

#include "model/lexicon.h"
#include "model/menu_tree.h"
#include "model/tree_test_support.h"

namespace tessary {
namespace {

constexpr uint16_t kCtrlP = kShortcutCtrl | 'P';
constexpr uint16_t kCtrlQ = kShortcutCtrl | 'Q';
constexpr uint16_t kCtrlR = kShortcutCtrl | 'R';

NodeHandle add(MenuTree& tree,
               NodeHandle parent,
               std::string_view caption,
               NodeKind kind,
               PlatformMask platforms = kPlatformAll,
               uint16_t shortcut = 0) {
    return addNode(tree, parent, {.caption = caption, .kind = kind, .platforms = platforms, .shortcut = shortcut});
}

TEST(MenuRules, ShortcutClashesWithScriptItemsOnly) {
    MenuTree tree;
    const NodeHandle menu = add(tree, kRootNode, "M", NodeKind::Menu);
    const NodeHandle a = add(tree, menu, "A", NodeKind::ScriptItem, 7, kCtrlP);
    const NodeHandle f = add(tree, menu, "F", NodeKind::FmItem, 7, kCtrlP);
    const NodeHandle b = add(tree, menu, "B", NodeKind::ScriptItem, 7, kCtrlP);
    add(tree, menu, "G", NodeKind::FmItem, 7, kCtrlQ);
    add(tree, menu, "H", NodeKind::FmItem, 7, kCtrlQ);
    const NodeHandle i = add(tree, menu, "I", NodeKind::FmItem, 7, kCtrlR);
    const NodeHandle j = add(tree, menu, "J", NodeKind::ScriptItem, 7, kCtrlR);

    EXPECT_EQ(findShortcutClash(tree, kCtrlP), a);
    EXPECT_EQ(findShortcutClash(tree, kCtrlP, a), b);  // a clash after the edited node counts too
    EXPECT_EQ(findShortcutClash(tree, kCtrlQ), kNoNode);
    EXPECT_EQ(findShortcutClash(tree, kCtrlR, j), kNoNode);
    EXPECT_EQ(findShortcutClash(tree, 0), kNoNode);

    const std::vector<ShortcutClash> clashes = findShortcutClashes(tree);
    ASSERT_EQ(clashes.size(), 3u);
    EXPECT_EQ(clashes[0].node, f);
    EXPECT_EQ(clashes[0].other, a);
    EXPECT_EQ(clashes[1].node, b);
    EXPECT_EQ(clashes[1].other, a);
    EXPECT_EQ(clashes[2].node, j);
    EXPECT_EQ(clashes[2].other, i);
}

TEST(MenuRules, PlatformFit) {
    const struct {
        PlatformMask set;
        PlatformMask parent;
        bool parentIsAppMenu;
        PlatformFit fit;
    } cases[] = {
        {7, 7, false, PlatformFit::Fits},       {1, 7, false, PlatformFit::Fits},
        {1, 1, false, PlatformFit::Fits},       {2, 6, true, PlatformFit::Fits},
        {4, 6, true, PlatformFit::Fits},        {6, 6, true, PlatformFit::Fits},
        {0, 7, false, PlatformFit::NoPlatform}, {1, 6, true, PlatformFit::NoPlatform},
        {6, 2, false, PlatformFit::Wider},      {7, 1, false, PlatformFit::Wider},
        {7, 6, true, PlatformFit::Wider},       {3, 7, false, PlatformFit::Unwritable},
        {5, 7, false, PlatformFit::Unwritable}, {2, 6, false, PlatformFit::Unwritable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platformFit(c.set, c.parent, c.parentIsAppMenu), c.fit) << c.set << " in " << c.parent;
    }
}

TEST(MenuRules, PlatformProblemsLeaveMacSystemItemsOut) {
    MenuTree tree;
    const NodeHandle app = add(tree, kRootNode, "App", NodeKind::AppMenu, 6);
    add(tree, app, "Quit", NodeKind::MacQuitItem, 1);
    const NodeHandle windows = add(tree, app, "W", NodeKind::ScriptItem, 1);
    const NodeHandle macs = add(tree, kRootNode, "Macs", NodeKind::Menu, 6);
    const NodeHandle classic = add(tree, macs, "C", NodeKind::ScriptItem, 2);
    const NodeHandle none = add(tree, macs, "N", NodeKind::Separator, 0);

    const std::vector<PlatformProblem> problems = findPlatformProblems(tree);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].node, windows);
    EXPECT_EQ(problems[0].fit, PlatformFit::NoPlatform);
    EXPECT_EQ(problems[1].node, classic);
    EXPECT_EQ(problems[1].fit, PlatformFit::Unwritable);
    EXPECT_EQ(problems[2].node, none);
    EXPECT_EQ(problems[2].fit, PlatformFit::NoPlatform);
}

TEST(MenuRules, MacSystemItemsOnlyInTheAppMenuAndOnce) {
    MenuTree tree;
    const NodeHandle app = add(tree, kRootNode, "App", NodeKind::AppMenu, 6);
    const NodeHandle quit = add(tree, app, "Quit", NodeKind::MacQuitItem, 4);
    const NodeHandle preferences = add(tree, app, "Prefs", NodeKind::MacPreferencesItem, 4);
    const NodeHandle quit2 = add(tree, app, "Quit 2", NodeKind::MacQuitItem, 4);
    const NodeHandle menu = add(tree, kRootNode, "M", NodeKind::Menu);
    const NodeHandle preferences2 = add(tree, menu, "Prefs 2", NodeKind::MacPreferencesItem, 4);

    const std::vector<MacItemProblem> problems = findMacItemProblems(tree);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].node, quit2);
    EXPECT_EQ(problems[0].placement, MacItemPlacement::Second);
    EXPECT_EQ(problems[0].first, quit);
    EXPECT_EQ(problems[1].node, preferences2);
    EXPECT_EQ(problems[1].placement, MacItemPlacement::OutsideAppMenu);
    EXPECT_EQ(problems[2].node, preferences2);
    EXPECT_EQ(problems[2].placement, MacItemPlacement::Second);
    EXPECT_EQ(problems[2].first, preferences);

    EXPECT_EQ(findOtherMacSystemItem(tree, NodeKind::MacQuitItem), quit);
    EXPECT_EQ(findOtherMacSystemItem(tree, NodeKind::MacQuitItem, quit), quit2);
    tree.deleteSubtree(quit2);
    EXPECT_EQ(findOtherMacSystemItem(tree, NodeKind::MacQuitItem, quit), kNoNode);
}

TEST(MenuRules, TheAppMenuStandsFirstInAMenuBar) {
    MenuTree tree;
    const NodeHandle first = add(tree, kRootNode, "App", NodeKind::AppMenu, 6);
    const NodeHandle menu = add(tree, kRootNode, "M", NodeKind::Menu);
    const NodeHandle nested = add(tree, menu, "Nested", NodeKind::AppMenu, 6);
    const NodeHandle second = add(tree, kRootNode, "App 2", NodeKind::AppMenu, 6);

    EXPECT_EQ(findMisplacedAppMenus(tree, MenuKind::MainMenu), (std::vector<NodeHandle>{nested, second}));
    EXPECT_EQ(findMisplacedAppMenus(tree, MenuKind::ContextMenu), (std::vector<NodeHandle>{first, nested, second}));
    tree.deleteSubtree(first);
    EXPECT_EQ(findMisplacedAppMenus(tree, MenuKind::MainMenu), (std::vector<NodeHandle>{nested, second}));
}

}  // namespace
}  // namespace tessary
