// Loading menu code into a MenuTree: what the nodes become, where they land,
// what a failing text leaves behind, and that the loader builds exactly the
// tree that copying each menu under its parent at its closing brace builds.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "code_tree_test_support.h"
#include "menucode/code_loader.h"
#include "menucode/conversion_hooks.h"
#include "random_menu_tree.h"
#include "reference_loader.h"
#include "tree_dump.h"

namespace tessary {
namespace {

using codetree_test::codeLines;
using codetree_test::dumpTree;
using codetree_test::findByCaption;
using codetree_test::flat;

struct LoadCase {
    const char* name;
    MenuKind kind;
    std::string code;
    LoadResult result;
    const char* tree;  // flattened with kinds and stored platform sets
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadTable : public ::testing::TestWithParam<LoadCase> {};

// Every case also goes through the step-by-step reference loader, which must
// agree on the result and on every detail of the tree.
TEST_P(LoadTable, BuildsTheTree) {
    const LoadCase& c = GetParam();
    MenuTree tree;
    EXPECT_EQ(LoadCodeIntoTree(tree, c.code, c.kind), c.result);
    EXPECT_EQ(flat(tree), c.tree);
    std::string problem;
    EXPECT_TRUE(tree.checkInvariants(&problem)) << problem;

    MenuTree reference;
    EXPECT_EQ(codetree_test::referenceLoad(reference, c.code, c.kind), c.result);
    EXPECT_EQ(dumpTree(tree), dumpTree(reference));
}

const MenuKind kMain = MenuKind::MainMenu;
const MenuKind kContext = MenuKind::ContextMenu;
const MenuKind kPopup = MenuKind::PopupMenu;

INSTANTIATE_TEST_SUITE_P(
    Structure,
    LoadTable,
    ::testing::Values(
        LoadCase{"TwoMenusAndASubmenu", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_MENU ( \"File\" )", "{", "FM_MENUITEM ( FM_OPEN )",
                            "FM_MENU ( \"Recent\" )", "{", "FM_MENUITEM ( FM_RECENT_FILES )", "}", "}",
                            "FM_MENU ( \"Edit\" )", "{", "}", "}"}),
                 LoadResult::accepted(), "File{Menu 7}[Open...{FmItem 7},Recent{Menu 7}[Recent Files{FmItem 7}]],Edit{Menu 7}"},
        LoadCase{"ContextMenuItemsAreTopLevel", kContext,
                 codeLines({"FM_CONTEXTMENU ( )", "{", "FM_MENUITEM ( FM_COPY )", "FM_MENUITEMSEPARATOR ()",
                            "FM_MENU ( \"More\" )", "{", "FM_MENUITEM ( FM_PASTE )", "}", "}"}),
                 LoadResult::accepted(), "Copy{FmItem 7},-Separator-{Separator 7},More{Menu 7}[Paste{FmItem 7}]"},
        LoadCase{"PopupMenu", kPopup, codeLines({"FM_POPUPMENU ( )", "{", "FM_MENUSCRIPTITEM ( \"Go\", \"Go\" )", "}"}),
                 LoadResult::accepted(), "Go{ScriptItem 7}"},
        LoadCase{"AppMenuFirstThenMenus", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"Orders\" )", "{",
                            "FM_MACPREFERENCES ( \"Preferences...\", \"Prefs\" )", "FM_MACQUITITEM ( \"Quit\", \"Q\" )",
                            "}", "FM_MENU ( FM_MENU_FILE )", "{", "}", "}"}),
                 LoadResult::accepted(),
                 "Orders{AppMenu 6}[Preferences...{MacPreferencesItem 4},Quit{MacQuitItem 4}],File{Menu 7}"},
        LoadCase{"AppleMenuKeyword", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_APPLEMENU ( )", "{", "FM_MENUITEM ( FM_ABOUT )", "}", "}"}),
                 LoadResult::accepted(), "{AppMenu 6}[About FileMaker Pro{FmItem 6}]"},
        LoadCase{"EmptyMainMenu", kMain, codeLines({"FM_MENUBAR ()", "{", "}"}), LoadResult::accepted(), ""},
        LoadCase{"EmptyContextMenu", kContext, codeLines({"FM_CONTEXTMENU ( )", "{", "}"}), LoadResult::accepted(), ""}));

INSTANTIATE_TEST_SUITE_P(
    OtherKindAndNoText,
    LoadTable,
    ::testing::Values(
        LoadCase{"ContextCodeAsMainMenu", kMain, codeLines({"FM_CONTEXTMENU ( )", "{", "FM_MENUITEM ( FM_COPY )", "}"}),
                 LoadResult::otherKind(), ""},
        LoadCase{"MainCodeAsPopupMenu", kPopup, codeLines({"FM_MENUBAR ()", "{", "}"}), LoadResult::otherKind(), ""},
        LoadCase{"PopupCodeAsContextMenu", kContext, codeLines({"FM_POPUPMENU ( )", "{", "}"}), LoadResult::otherKind(), ""},
        LoadCase{"EmptyText", kMain, "", LoadResult::failedAt(1), ""},
        LoadCase{"OnlyBlankLines", kContext, "\r\n\r\n  \r\n", LoadResult::failedAt(1), ""},
        // The text ends at its first NUL, here inside a quoted caption.
        LoadCase{"NulEndsTheText", kContext,
                 std::string("FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUSCRIPTITEM ( \"a") + '\0' + "b\", \"s\" )\r\n}\r\n",
                 LoadResult::failedAt(3), ""}));

INSTANTIATE_TEST_SUITE_P(
    Platforms,
    LoadTable,
    ::testing::Values(
        // An item of another block inside a Mac-only menu keeps no platform.
        LoadCase{"WindowsItemInsideMacMenu", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "#IF_MAC", "FM_MENU ( \"Mac\" )", "{", "#END_IF", "#IF_WIN",
                            "FM_MENUITEM ( FM_OPEN )", "#END_IF", "#IF_MAC", "}", "#END_IF", "}"}),
                 LoadResult::accepted(), "Mac{Menu 6}[Open...{FmItem 0}]"},
        // A submenu read for all platforms is cut to its Mac-only parent, with
        // everything below it, when its parent takes it.
        LoadCase{"SubmenuCutToParent", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "#IF_MAC", "FM_MENU ( \"Mac\" )", "{", "#END_IF",
                            "FM_MENU ( \"Sub\" )", "{", "FM_MENUITEM ( FM_OPEN )", "#IF_MACCLASSIC",
                            "FM_MENUITEM ( FM_CLOSE )", "#END_IF", "}", "#IF_MAC", "}", "#END_IF", "}"}),
                 LoadResult::accepted(), "Mac{Menu 6}[Sub{Menu 6}[Open...{FmItem 6},Close{FmItem 2}]]"},
        LoadCase{"BlocksAtTheTopLevel", kContext,
                 codeLines({"FM_CONTEXTMENU ( )", "{", "#IF_WIN", "FM_MENUITEM ( FM_COPY )", "#END_IF", "#IF_MACCARBON",
                            "FM_MENUITEM ( FM_CUT )", "#END_IF", "FM_MENUITEM ( FM_PASTE )", "}"}),
                 LoadResult::accepted(), "Copy{FmItem 1},Cut{FmItem 4},Paste{FmItem 7}"},
        // The Mac system items are MacOS X items, whatever block they stand in.
        LoadCase{"MacItemsForcedToMacOsX", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"App\" )", "{", "#IF_WIN",
                            "FM_MACQUITITEM ( \"Quit\", \"Q\" )", "#END_IF", "#IF_MACCLASSIC",
                            "FM_MACPREFERENCES ( \"Prefs\", \"P\" )", "#END_IF", "}", "}"}),
                 LoadResult::accepted(), "App{AppMenu 6}[Quit{MacQuitItem 4},Prefs{MacPreferencesItem 4}]"},
        LoadCase{"AppMenuChildrenCutToMac", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"App\" )", "{", "FM_MENUITEM ( FM_ABOUT )",
                            "FM_MENU ( \"Help\" )", "{", "FM_MENUITEM ( FM_HELP )", "}", "}", "}"}),
                 LoadResult::accepted(),
                 "App{AppMenu 6}[About FileMaker Pro{FmItem 6},Help{Menu 6}[FileMaker Pro Help{FmItem 6}]]"}));

INSTANTIATE_TEST_SUITE_P(
    Failures,
    LoadTable,
    ::testing::Values(
        // Menus attached before stay; only the first top-level node goes.
        LoadCase{"MenuBarWithoutClosingBrace", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_MENU ( \"A\" )", "{", "}", "FM_MENU ( \"B\" )", "{", "}"}),
                 LoadResult::failedAt(9), "B{Menu 7}"},
        LoadCase{"ContextMenuWithoutClosingBrace", kContext,
                 codeLines({"FM_CONTEXTMENU ( )", "{", "FM_MENUITEM ( FM_COPY )"}), LoadResult::failedAt(4), ""},
        // The menus open at the failure stay at the top level, each with what it
        // had received.
        LoadCase{"FailureInsideNestedMenus", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_MENU ( \"A\" )", "{", "FM_MENUITEM ( FM_CLOSE )",
                            "FM_MENU ( \"B\" )", "{", "FM_MENU ( \"C\" )", "{", "FM_MENUITEM ( FM_OPEN )", "}",
                            "FM_MENUITEM ( FM_NO_SUCH_COMMAND )", "}", "}", "}"}),
                 LoadResult::failedAt(12), "A{Menu 7}[Close{FmItem 7}],B{Menu 7}[C{Menu 7}[Open...{FmItem 7}]]"},
        LoadCase{"UnclosedMenuIsDiscarded", kContext,
                 codeLines({"FM_CONTEXTMENU ( )", "{", "FM_MENUITEM ( FM_COPY )", "FM_MENU ( \"M\" )", "{",
                            "FM_MENUITEM ( FM_PASTE )", "x", "}"}),
                 LoadResult::failedAt(7), ""},
        LoadCase{"FailureInsideAppMenu", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"App\" )", "{", "FM_MENUITEM ( FM_ABOUT )",
                            "FM_MENUITEM ( FM_NOPE )", "}", "}"}),
                 LoadResult::failedAt(6), ""},
        // The application menu reads on after a failing construct. A menu
        // that failed inside it is left where menus are begun, at the top
        // level, and is not cut to the application menu's platforms.
        LoadCase{
            "MenuLeftOpenInsideAppMenu", kMain,
            codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( )", "{", "FM_MENU ( \"m\" )", "{", "FM_MENUITEM ( FM_OPEN )",
                       "#END_IF", "FM_MACPREFERENCES ( \"a\", \"b\" )", "}", "FM_MENU ( \"n\" )", "{", "}", "}"}),
            LoadResult::accepted(), "{AppMenu 6}[a{MacPreferencesItem 4}],m{Menu 7}[Open...{FmItem 7}],n{Menu 7}"},
        LoadCase{"MenuDiscardedInsideAppMenu", kMain,
                 codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( )", "{", "FM_MENU ( \"m\" )", "{",
                            "FM_MENUITEM ( FM_OPEN )", "FM_MACPREFERENCES ( \"a\", \"b\" )", "}", "}"}),
                 LoadResult::accepted(), "{AppMenu 6}[a{MacPreferencesItem 4}]"},
        LoadCase{"BlockOpenAtTheEnd", kContext,
                 codeLines({"FM_CONTEXTMENU ( )", "{", "#IF_WIN", "FM_MENUITEM ( FM_COPY )", "}"}),
                 LoadResult::failedAt(5), "Copy{FmItem 1}"}));

TEST(LoadCodeIntoTree, DefaultCaptionsAndLocalCaptions) {
    MenuTree tree;
    ASSERT_EQ(LoadCodeIntoTree(
                  tree,
                  codeLines({"FM_MENUBAR ()", "{", "FM_MENU ( FM_MENU_FILE )", "{", "FM_MENUITEM ( FM_CLOSE )",
                             "FM_MENUITEM ( \"\", FM_CLOSE )", "FM_MENUITEM ( \"Shut\", FM_CLOSE )",
                             "FM_MENUSCRIPTITEM ( \"\", \"s\" )", "FM_MENUITEMSEPARATOR ()", "}",
                             "FM_MENU ( \"Mine\" , fm_menu_file )", "{", "}", "FM_MENU ( \"\" )", "{", "}", "}"}),
                  MenuKind::MainMenu),
              LoadResult::accepted());
    // caption, kind, fmId, useLocalCaption, in pre-order
    const std::vector<std::tuple<std::string, NodeKind, uint32_t, uint8_t>> expected = {
        {"File", NodeKind::Menu, 1, 1},
        {"Close", NodeKind::FmItem, 4, 1},
        {"-unnamed-", NodeKind::FmItem, 4, 0},
        {"Shut", NodeKind::FmItem, 4, 0},
        {"-unnamed-", NodeKind::ScriptItem, 0, 0},
        {"-Separator-", NodeKind::Separator, 0, 0},
        {"Mine", NodeKind::Menu, 1, 0},
        {"", NodeKind::Menu, 0, 0},
    };
    std::vector<std::tuple<std::string, NodeKind, uint32_t, uint8_t>> actual;
    for (NodeHandle top = tree.firstTopLevel(); top != kNoNode; top = tree.nextSibling(top)) {
        actual.emplace_back(tree.caption(top), tree.getKind(top), tree.getFmId(top), tree.getUseLocalCaption(top));
        for (NodeHandle child = tree.firstChild(top); child != kNoNode; child = tree.nextSibling(child)) {
            actual.emplace_back(tree.caption(child), tree.getKind(child), tree.getFmId(child),
                                tree.getUseLocalCaption(child));
        }
    }
    EXPECT_EQ(actual, expected);
}

TEST(LoadCodeIntoTree, ItemOptionsReachTheRecord) {
    MenuTree tree;
    ASSERT_EQ(LoadCodeIntoTree(tree,
                               codeLines({"FM_CONTEXTMENU ( )", "{",
                                          "FM_MENUSCRIPTITEM ( \"Print\", \"Print It\", CTRL + \"P\", "
                                          "String:\"u1\", Check-On, Disabled )",
                                          "FM_MENUITEM ( FM_FIND_MODE, ALT + \"F5\", string:\"u2\" )",
                                          "FM_MENUITEM ( FM_OPEN, \"a\" )", "FM_MENUITEM ( FM_CLOSE, \"RETURN\" )",
                                          "FM_MENUITEM ( FM_COPY, ALT + \"'\" )", "FM_MENUITEM ( FM_CUT, NONE )",
                                          "FM_MENUITEM ( FM_PASTE, \"F12\", ENABLE )", "}"}),
                               MenuKind::ContextMenu),
              LoadResult::accepted());
    struct Expected {
        const char* caption;
        uint16_t shortcut;
        uint8_t enabled;
        uint8_t checkOn;
        const char* scriptName;
        const char* userString;
    };
    const Expected expected[] = {
        {"Print", 0x0250, 0, 1, "Print It", "u1"},  // Ctrl+P
        {"Find Mode", 0x0474, 1, 0, "", "u2"},      // Alt+F5
        {"Open...", 0x0241, 1, 0, "", ""},          // a lone key gets Ctrl
        {"Close", 0x020D, 1, 0, "", ""},            // RETURN is virtual key 13
        {"Copy", 0x04DE, 1, 0, "", ""},             // apostrophe, virtual key 222
        {"Cut", 0, 1, 0, "", ""},
        {"Paste", 0x007B, 1, 0, "", ""},  // a function key alone stays alone
    };
    NodeHandle node = tree.firstTopLevel();
    for (const Expected& e : expected) {
        ASSERT_NE(node, kNoNode) << e.caption;
        const MenuItemRecord* record = tree.getRecord(node);
        EXPECT_EQ(tree.caption(node), e.caption);
        EXPECT_EQ(record->shortcut, e.shortcut) << e.caption;
        EXPECT_EQ(record->enabled, e.enabled) << e.caption;
        EXPECT_EQ(record->checkOn, e.checkOn) << e.caption;
        EXPECT_EQ(recordText(record->scriptName), e.scriptName) << e.caption;
        EXPECT_EQ(recordText(record->userString), e.userString) << e.caption;
        node = tree.nextSibling(node);
    }
    EXPECT_EQ(node, kNoNode);
}

TEST(LoadCodeIntoTree, TextsAreCutToTheRecordFields) {
    const std::string longText(300, 'x');
    const std::string cut(kMaxTextLength, 'x');
    MenuTree tree;
    ASSERT_EQ(LoadCodeIntoTree(tree,
                               codeLines({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"" + longText + "\" )", "{", "}",
                                          "FM_MENU ( \"" + longText + "\" )", "{",
                                          "FM_MENUSCRIPTITEM ( \"" + longText + "\", \"" + longText + "\", String:\"" +
                                              longText + "\" )",
                                          "}", "}"}),
                               MenuKind::MainMenu),
              LoadResult::accepted());
    const NodeHandle app = tree.firstTopLevel();
    const NodeHandle menu = tree.nextSibling(app);
    const NodeHandle item = tree.firstChild(menu);
    EXPECT_EQ(tree.caption(app), cut);
    EXPECT_EQ(tree.caption(menu), cut);
    EXPECT_EQ(tree.caption(item), cut);
    EXPECT_EQ(recordText(tree.getRecord(item)->scriptName), cut);
    EXPECT_EQ(recordText(tree.getRecord(item)->userString), cut);
}

// Menus that received children are expanded; the application menu is
// expanded only by an item inserted into it, as a moved submenu lands in it
// without expanding it.
TEST(LoadCodeIntoTree, ExpandedState) {
    MenuTree tree;
    ASSERT_EQ(LoadCodeIntoTree(tree,
                               codeLines({"FM_MENUBAR ()",
                                          "{",
                                          "FM_APPMENU ( \"App\" )",
                                          "{",
                                          "FM_MENU ( \"Sub\" )",
                                          "{",
                                          "FM_MENUITEM ( FM_ABOUT )",
                                          "}",
                                          "}",
                                          "FM_MENU ( \"File\" )",
                                          "{",
                                          "FM_MENU ( \"Inner\" )",
                                          "{",
                                          "FM_MENU ( \"Deepest\" )",
                                          "{",
                                          "FM_MENUITEM ( FM_OPEN )",
                                          "}",
                                          "}",
                                          "}",
                                          "}"}),
                               MenuKind::MainMenu),
              LoadResult::accepted());
    EXPECT_FALSE(tree.isExpanded(findByCaption(tree, "App")));
    EXPECT_TRUE(tree.isExpanded(findByCaption(tree, "Sub")));
    EXPECT_TRUE(tree.isExpanded(findByCaption(tree, "File")));
    EXPECT_TRUE(tree.isExpanded(findByCaption(tree, "Inner")));
    EXPECT_TRUE(tree.isExpanded(findByCaption(tree, "Deepest")));
}

TEST(LoadCodeIntoTree, AppendsAfterWhatTheTreeHolds) {
    MenuTree tree;
    addNode(tree, kRootNode, {"Old", NodeKind::Menu});
    EXPECT_EQ(LoadCodeIntoTree(tree, codeLines({"FM_MENUBAR ()", "{", "FM_MENU ( \"New\" )", "{", "}", "}"}),
                               MenuKind::MainMenu),
              LoadResult::accepted());
    EXPECT_EQ(flat(tree), "Old{Menu 7},New{Menu 7}");
}

// A menu kind outside the three reads nothing and accepts nothing.
TEST(LoadCodeIntoTree, UnknownKindIsNotAccepted) {
    MenuTree tree;
    EXPECT_EQ(LoadCodeIntoTree(tree, codeLines({"FM_MENUBAR ()", "{", "}"}), static_cast<MenuKind>(7)),
              LoadResult::failedAt(1));
    EXPECT_TRUE(tree.empty());
}

class RecordingHooks : public ConversionHooks, public TreeObserver {
public:
    void conversionBegin() override { events += "begin;"; }
    void conversionEnd(NodeHandle first) override { events += first == kNoNode ? "end none;" : "end node;"; }
    void nodeInserted(NodeHandle, NodeHandle, NodeHandle) override { ++inserted; }
    void nodeRemoved(NodeHandle) override {}
    void nodeChanged(NodeHandle) override {}
    void hasChildrenChanged(NodeHandle, bool) override {}
    void expandedChanged(NodeHandle, bool) override {}
    void selectionChanged(NodeHandle) override {}
    void batchBegin() override { events += "batch;"; }
    void batchEnd() override { events += "batch end;"; }
    std::string events;
    int inserted = 0;
};

// The shell hears of one batch around the whole load, and its hooks bracket
// the work; every node is reported once, not once per level it moved through.
TEST(LoadCodeIntoTree, OneBatchAndEachNodeInsertedOnce) {
    MenuTree tree;
    RecordingHooks hooks;
    tree.setObserver(&hooks);
    CodeLoader loader(tree, &hooks);
    EXPECT_EQ(loader.load(codeLines({"FM_MENUBAR ()", "{", "FM_MENU ( \"A\" )", "{", "FM_MENU ( \"B\" )", "{",
                                     "FM_MENU ( \"C\" )", "{", "FM_MENUITEM ( FM_OPEN )", "}", "}", "}", "}"}),
                          MenuKind::MainMenu),
              LoadResult::accepted());
    EXPECT_EQ(hooks.events, "batch;begin;end node;batch end;");
    EXPECT_EQ(hooks.inserted, 4);
    tree.setObserver(nullptr);
}

// Whole menus and menus with lines lost, doubled or put in: whether the text
// reads to its end or fails half-way, the tree is the one the step-by-step
// reference builds, expansions included.
TEST(LoadCodeIntoTree, WholeAndDamagedMenusLoadAsTheReferenceLoads) {
    static const char* const kLines[] = {"}",
                                         "{",
                                         "#IF_WIN",
                                         "#IF_MAC",
                                         "#END_IF",
                                         "FM_MENU ( \"X\" )",
                                         "FM_MENUITEM ( FM_OPEN )",
                                         "FM_APPMENU ( \"A\" )",
                                         ""};
    constexpr MenuKind kKinds[] = {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu};
    int accepted = 0;
    int failed = 0;
    for (uint32_t run = 1; run <= 1200; ++run) {
        const MenuKind kind = kKinds[run % 3];
        MenuTree source;
        codetree_test::RandomMenuTree(run, kind, run % 4 == 0).build(source, 1 + static_cast<int>(run % 30));
        const std::string text = codetree_test::generated(source, kind);
        if (text == "<refused>") {
            continue;
        }
        std::vector<std::string> lines;
        for (size_t at = 0; at < text.size();) {
            const size_t end = text.find("\r\n", at);
            lines.push_back(text.substr(at, end - at));
            at = end == std::string::npos ? text.size() : end + 2;
        }
        std::mt19937 random(run);
        const int edits = run % 3 == 0 ? 0 : 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < edits && !lines.empty(); ++i) {
            const size_t at = random() % lines.size();
            switch (random() % 3) {
                case 0:
                    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
                    break;
                case 1:
                    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
                    break;
                default:
                    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                                 kLines[random() % (sizeof kLines / sizeof *kLines)]);
                    break;
            }
        }
        std::string damaged;
        for (const std::string& line : lines) {
            damaged += line + "\r\n";
        }
        MenuTree tree;
        const LoadResult result = LoadCodeIntoTree(tree, damaged, kind);
        MenuTree reference;
        ASSERT_EQ(result, codetree_test::referenceLoad(reference, damaged, kind)) << damaged;
        ASSERT_EQ(dumpTree(tree), dumpTree(reference)) << damaged;
        accepted += result == LoadResult::accepted();
        failed += result.failingLine() > 0;
    }
    // Both accepted and failing texts were loaded many times.
    EXPECT_GT(accepted, 300);
    EXPECT_GT(failed, 200);
}

}  // namespace
}  // namespace tessary
