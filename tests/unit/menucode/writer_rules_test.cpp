// Which calls the writer takes, the platform blocks it opens and closes, and
// the state it is left in after a refusal.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "writer_test_support.h"

namespace tessary {
namespace {

using namespace writer_test;

struct BlockCase {
    const char* what;
    MenuKind kind;
    std::vector<Node> nodes;
    std::string expected;
    Readable readable = Readable::Yes;
};

std::vector<BlockCase> blockCases() {
    const std::string appHead = "\tFM_APPMENU ( \"App\" )";
    return {
        {"siblings of one set share a block",
         MenuKind::ContextMenu,
         {script(1, "a"), script(1, "b")},
         contextMenu({"#IF_WIN", scriptLine("a"), scriptLine("b"), "#END_IF"})},
        {"a block for each set, closed before the next opens",
         MenuKind::ContextMenu,
         {script(1, "a"), script(6, "b"), script(7, "c")},
         contextMenu({"#IF_WIN", scriptLine("a"), "#END_IF", "#IF_MAC", scriptLine("b"), "#END_IF", scriptLine("c")})},
        {"each single Mac platform",
         MenuKind::ContextMenu,
         {script(7, "a"), script(2, "b"), script(4, "c"), script(7, "d")},
         contextMenu({scriptLine("a"), "#IF_MACCLASSIC", scriptLine("b"), "#END_IF", "#IF_MACCARBON", scriptLine("c"),
                      "#END_IF", scriptLine("d")})},
        {"two Windows-only menus share one block",
         MenuKind::MainMenu,
         {menu(1, "A", 0, {script(1, "a")}), menu(1, "B")},
         mainMenu({"#IF_WIN", "\tFM_MENU ( \"A\" )", "\t{", scriptLine("a", 2), "\t}", "\tFM_MENU ( \"B\" )", "\t{",
                   "\t}", "#END_IF"})},
        {"a Windows-only menu, then a Mac-only menu",
         MenuKind::MainMenu,
         {menu(1, "A"), menu(6, "B")},
         mainMenu({"#IF_WIN", "\tFM_MENU ( \"A\" )", "\t{", "\t}", "#END_IF", "#IF_MAC", "\tFM_MENU ( \"B\" )", "\t{",
                   "\t}", "#END_IF"})},
        {"a block inside a menu is closed before its closing brace",
         MenuKind::MainMenu,
         {menu(7, "A", 0, {script(7, "a"), script(4, "b")}), menu(4, "B")},
         mainMenu({"\tFM_MENU ( \"A\" )", "\t{", scriptLine("a", 2), "#IF_MACCARBON", scriptLine("b", 2), "#END_IF",
                   "\t}", "#IF_MACCARBON", "\tFM_MENU ( \"B\" )", "\t{", "\t}", "#END_IF"})},
        {"a menu's own block holds its children without directives",
         MenuKind::ContextMenu,
         {menu(2, "m", 0, {script(2, "a"), menu(2, "s", 0, {script(2, "b")})}), script(2, "c")},
         contextMenu({"#IF_MACCLASSIC", "\tFM_MENU ( \"m\" )", "\t{", scriptLine("a", 2), "\t\tFM_MENU ( \"s\" )",
                      "\t\t{", scriptLine("b", 3), "\t\t}", "\t}", scriptLine("c"), "#END_IF"})},
        {"the Mac system items never open or close a block",
         MenuKind::MainMenu,
         {appMenu("App", {script(4, "a"),
                          item(ItemSpec{.platforms = 4, .kind = ItemSpecKind::MacQuit, .caption = "Q",
                                        .scriptName = "q"}),
                          script(6, "b"),
                          item(ItemSpec{.platforms = 4, .kind = ItemSpecKind::MacPreferences, .caption = "P",
                                        .scriptName = "p"})})},
         mainMenu({appHead, "\t{", "#IF_MACCARBON", scriptLine("a", 2), "\t\tFM_MACQUITITEM ( \"Q\", \"q\" )",
                   "#END_IF", scriptLine("b", 2), "\t\tFM_MACPREFERENCES ( \"P\", \"p\" )", "\t}"})},
        {"the application menu opens a first block without closing one, and closes it at its end",
         MenuKind::MainMenu,
         {appMenu("App", {script(4, "a")}), menu(7, "M")},
         mainMenu({appHead, "\t{", "#IF_MACCARBON", scriptLine("a", 2), "#END_IF", "\t}", "\tFM_MENU ( \"M\" )", "\t{",
                   "\t}"})},
        {"the application menu switches between single Mac platforms",
         MenuKind::MainMenu,
         {appMenu("App", {script(2, "a"), menu(4, "m", 0, {script(4, "b")})})},
         mainMenu({appHead, "\t{", "#IF_MACCLASSIC", scriptLine("a", 2), "#END_IF", "#IF_MACCARBON",
                   "\t\tFM_MENU ( \"m\" )", "\t\t{", scriptLine("b", 3), "\t\t}", "#END_IF", "\t}"})},
        // Inside the application menu both Mac platforms are "no block": after a
        // block of one Mac platform the block is closed and no #IF_MAC opened.
        {"back to both Mac platforms inside the application menu",
         MenuKind::MainMenu,
         {appMenu("App", {script(4, "a"), script(6, "b"), script(2, "c"), script(6, "d")}), menu(1, "W")},
         mainMenu({appHead, "\t{", "#IF_MACCARBON", scriptLine("a", 2), "#END_IF", scriptLine("b", 2),
                   "#IF_MACCLASSIC", scriptLine("c", 2), "#END_IF", scriptLine("d", 2), "\t}", "#IF_WIN",
                   "\tFM_MENU ( \"W\" )", "\t{", "\t}", "#END_IF"})},
        // Windows with one Mac platform has no block: written for all platforms.
        {"sets 3 and 5 are written for all platforms",
         MenuKind::ContextMenu,
         {script(1, "a"), script(3, "b"), script(7, "c"), script(5, "d"), script(1, "e"), script(5, "f")},
         contextMenu({"#IF_WIN", scriptLine("a"), "#END_IF", scriptLine("b"), scriptLine("c"), scriptLine("d"),
                      "#IF_WIN", scriptLine("e"), "#END_IF", scriptLine("f")})},
        {"a menu of set 5 and its children stand outside any block",
         MenuKind::MainMenu,
         {menu(6, "A"), menu(5, "B", 0, {script(5, "a"), menu(5, "C", 0, {script(5, "b")})}), menu(6, "D")},
         mainMenu({"#IF_MAC", "\tFM_MENU ( \"A\" )", "\t{", "\t}", "#END_IF", "\tFM_MENU ( \"B\" )", "\t{",
                   scriptLine("a", 2), "\t\tFM_MENU ( \"C\" )", "\t\t{", scriptLine("b", 3), "\t\t}", "\t}", "#IF_MAC",
                   "\tFM_MENU ( \"D\" )", "\t{", "\t}", "#END_IF"})},
        // A node for no platform is left out, as a reader drops a construct
        // whose platforms are empty.
        {"a node for no platform is left out",
         MenuKind::ContextMenu,
         {script(1, "a"), script(0, "gone"), script(1, "b"), menu(0, "none", 0, {script(0, "x")}), script(7, "c")},
         contextMenu({"#IF_WIN", scriptLine("a"), scriptLine("b"), "#END_IF", scriptLine("c")})},
        {"a main menu of no-platform menus only",
         MenuKind::MainMenu,
         {menu(0, "A", 0, {script(0, "a")}), menu(0, "B")},
         mainMenu({})},
        {"a set above 7 is reported in front of the node's line",
         MenuKind::ContextMenu,
         {script(9, "a"), script(7, "b")},
         contextMenu({"ERROR: internal error" + scriptLine("a"), "#END_IF", scriptLine("b")}),
         Readable::No},
    };
}

TEST(WriterRules, PlatformBlocks) {
    for (const BlockCase& c : blockCases()) {
        SCOPED_TRACE(c.what);
        const Generated generated = generate(c.kind, c.nodes, false, c.readable);
        EXPECT_TRUE(generated.accepted);
        EXPECT_EQ(generated.text, c.expected);
    }
}

// What each container takes; `platforms` is the offered node's set.
struct AcceptCase {
    const char* container;
    uint32_t containerPlatforms;  // for a menu container
    bool appMenuContainer;
    bool offerMenu;  // a menu rather than a script item
    uint32_t platforms;
    bool accepted;
};

TEST(WriterRules, Acceptance) {
    const AcceptCase cases[] = {
        {"all-platform menu", 7, false, false, 1, true},
        {"all-platform menu", 7, false, false, 0, true},
        {"all-platform menu", 7, false, false, 5, true},
        {"all-platform menu", 7, false, true, 6, true},
        {"Windows menu", 1, false, false, 1, true},
        {"Windows menu", 1, false, false, 7, false},
        {"Windows menu", 1, false, true, 6, false},
        {"Windows menu", 1, false, false, 0, false},
        {"Mac menu", 6, false, false, 2, false},
        {"Mac menu", 6, false, true, 4, false},
        {"Mac menu", 6, false, true, 6, true},
        {"set-3 menu", 3, false, false, 3, true},
        {"set-3 menu", 3, false, false, 1, false},
        {"application menu", 6, true, false, 2, true},
        {"application menu", 6, true, false, 4, true},
        {"application menu", 6, true, true, 6, true},
        {"application menu", 6, true, false, 7, false},
        {"application menu", 6, true, true, 1, false},
        {"application menu", 6, true, false, 0, false},
        {"application menu", 6, true, true, 3, false},
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.container << " offered " << (c.offerMenu ? "menu" : "item") << " of set "
                                        << c.platforms);
        FM_MenuBarBuilder writer(false);
        ASSERT_TRUE(writer.OpenMenuBar());
        ASSERT_TRUE(c.appMenuContainer ? writer.OpenAppMenu("App")
                                       : writer.OpenMenu(MenuSpec{c.containerPlatforms, "Box", 0}));
        const bool accepted = c.offerMenu ? writer.OpenMenu(MenuSpec{c.platforms, "Offered", 0})
                                          : writer.AddMenuItem(ItemSpec{.platforms = c.platforms,
                                                                        .kind = ItemSpecKind::Script,
                                                                        .caption = "i",
                                                                        .scriptName = "s"});
        EXPECT_EQ(accepted, c.accepted);
        if (c.accepted && c.offerMenu) {
            EXPECT_TRUE(writer.CloseMenu());
        }
        // Closing the container and the bar gives text only when nothing was refused.
        writer.CloseMenu();
        writer.CloseMenu();
        size_t length = 0;
        EXPECT_EQ(writer.GetCodeLength(length), c.accepted);
    }
}

TEST(WriterRules, RootsTakeEveryMenuAndItem) {
    for (const MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        for (const uint32_t platforms : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u}) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " set " << platforms);
            // An item standing directly in a menu bar is written there, though
            // no reader takes it; the editor keeps such items out of main menus.
            const Readable readable = kind == MenuKind::MainMenu ? Readable::No : Readable::Yes;
            EXPECT_TRUE(generate(kind, {menu(platforms, "m"), script(platforms, "i")}, false, readable).accepted);
        }
    }
}

TEST(WriterRules, MainMenuNeedsItsBarOpenedOnceAndClosed) {
    FM_MenuBarBuilder writer(false);
    size_t length = 99;
    EXPECT_FALSE(writer.GetCodeLength(length));
    EXPECT_EQ(length, 0u);
    EXPECT_FALSE(writer.OpenMenu(MenuSpec{7, "m", 0}));
    EXPECT_FALSE(writer.AddMenuItem(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Separator}));
    EXPECT_FALSE(writer.OpenAppMenu("App"));
    EXPECT_FALSE(writer.CloseMenu());

    ASSERT_TRUE(writer.OpenMenuBar());
    EXPECT_FALSE(writer.OpenMenuBar());
    ASSERT_TRUE(writer.OpenMenu(MenuSpec{7, "m", 0}));
    EXPECT_FALSE(writer.OpenAppMenu("App"));  // only while the bar itself is current
    EXPECT_TRUE(writer.CloseMenu());
    EXPECT_FALSE(writer.GetCodeLength(length));  // the bar is still open
    EXPECT_TRUE(writer.CloseMenu());
    EXPECT_FALSE(writer.CloseMenu());
    EXPECT_FALSE(writer.OpenMenu(MenuSpec{7, "late", 0}));
    ASSERT_TRUE(writer.GetCodeLength(length));
    EXPECT_EQ(length, lines({"FM_MENUBAR ()", "{", "\tFM_MENU ( \"m\" )", "\t{", "\t}", "}"}).size());
}

TEST(WriterRules, ContextMenuNeedsItsRootCurrent) {
    FM_MenuBuilder writer(false, false);
    EXPECT_FALSE(writer.OpenMenuBar());
    EXPECT_FALSE(writer.OpenAppMenu("App"));
    ASSERT_TRUE(writer.OpenMenu(MenuSpec{7, "m", 0}));
    std::string text;
    EXPECT_FALSE(writer.GetCode(text));  // a menu is still open
    ASSERT_TRUE(writer.CloseMenu());
    EXPECT_TRUE(writer.GetCode(text));
    EXPECT_EQ(text, contextMenu({"\tFM_MENU ( \"m\" )", "\t{", "\t}"}));

    FM_MenuBuilder closed(true, false);
    EXPECT_TRUE(closed.CloseMenu());  // closing the root leaves no current node
    EXPECT_FALSE(closed.CloseMenu());
    EXPECT_FALSE(closed.GetCode(text));
}

TEST(WriterRules, RefusedMenuLeavesNoCurrentNodeAndNoText) {
    FM_MenuBarBuilder writer(false);
    ASSERT_TRUE(writer.OpenMenuBar());
    ASSERT_TRUE(writer.OpenMenu(MenuSpec{6, "Mac", 0}));
    ASSERT_TRUE(writer.AddMenuItem(ItemSpec{.platforms = 6, .kind = ItemSpecKind::Separator}));
    EXPECT_FALSE(writer.OpenMenu(MenuSpec{1, "Win", 0}));
    EXPECT_FALSE(writer.AddMenuItem(ItemSpec{.platforms = 6, .kind = ItemSpecKind::Separator}));
    EXPECT_FALSE(writer.OpenMenu(MenuSpec{6, "Again", 0}));
    EXPECT_FALSE(writer.CloseMenu());
    // No current node reads like a closed bar, but the text would lack the
    // refused menu and all that follows it.
    size_t length = 0;
    EXPECT_FALSE(writer.GetCodeLength(length));
    std::string text;
    EXPECT_FALSE(writer.GetCode(text));
}

TEST(WriterRules, RefusedItemKeepsTheCurrentNodeButGivesNoText) {
    FM_MenuBuilder writer(false, false);
    ASSERT_TRUE(writer.OpenMenu(MenuSpec{6, "Mac", 0}));
    EXPECT_FALSE(writer.AddMenuItem(ItemSpec{.platforms = 2, .kind = ItemSpecKind::Separator}));
    EXPECT_TRUE(writer.AddMenuItem(ItemSpec{.platforms = 6, .kind = ItemSpecKind::Separator}));
    EXPECT_TRUE(writer.CloseMenu());
    std::string text;
    EXPECT_FALSE(writer.GetCode(text));
}

TEST(WriterRules, ItemsOfNoKnownKindAreRefused) {
    for (const int kind : {0, 6, 255}) {
        FM_MenuBuilder writer(false, false);
        EXPECT_FALSE(writer.AddMenuItem(ItemSpec{.platforms = 7, .kind = static_cast<ItemSpecKind>(kind)}));
    }
}

TEST(WriterRules, RefusalDuringTheWalkStopsIt) {
    // A Mac-only menu holding a MacOS Classic item stops generation.
    const Generated generated =
        generate(MenuKind::ContextMenu, {script(7, "a"), menu(6, "m", 0, {script(2, "b")}), script(7, "c")});
    EXPECT_FALSE(generated.accepted);
    EXPECT_FALSE(generated.text.has_value());
    // A refused menu at the second level of a main menu: no truncated text.
    const Generated nested = generate(
        MenuKind::MainMenu, {menu(7, "A"), menu(6, "B", 0, {menu(1, "C", 0, {script(1, "x")})}), menu(7, "D")});
    EXPECT_FALSE(nested.accepted);
    EXPECT_FALSE(nested.text.has_value());
}

TEST(WriterRules, TextIsWrittenOnceAndKept) {
    FM_MenuBuilder writer(false, false);
    ASSERT_TRUE(writer.AddMenuItem(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Separator}));
    size_t length = 0;
    ASSERT_TRUE(writer.GetCodeLength(length));
    const std::string expected = contextMenu({"\tFM_MENUITEMSEPARATOR ()"});
    EXPECT_EQ(length, expected.size());
    // Later calls change the nodes, not the kept text.
    ASSERT_TRUE(writer.AddMenuItem(ItemSpec{.platforms = 1, .kind = ItemSpecKind::Separator}));
    std::vector<char> buffer(expected.size() + 8, 'z');
    ASSERT_TRUE(writer.GetCode(buffer.data(), buffer.size()));
    EXPECT_EQ(std::string(buffer.data(), expected.size()), expected);
    EXPECT_EQ(buffer[expected.size()], 'z');  // no terminator written
    ASSERT_TRUE(writer.GetCode(buffer.data(), expected.size()));
    EXPECT_FALSE(writer.GetCode(buffer.data(), expected.size() - 1));
    EXPECT_FALSE(writer.GetCode(nullptr, 100));
    ASSERT_TRUE(writer.GetCodeLength(length));
    EXPECT_EQ(length, expected.size());
}

TEST(WriterRules, FactoryMakesTheWriterOfEachKind) {
    auto main = CreateMenuCodeBuilder(MenuKind::MainMenu, false);
    ASSERT_NE(main, nullptr);
    EXPECT_NE(dynamic_cast<FM_MenuBarBuilder*>(main.get()), nullptr);
    auto context = CreateMenuCodeBuilder(MenuKind::ContextMenu, true);
    ASSERT_NE(dynamic_cast<FM_MenuBuilder*>(context.get()), nullptr);
    EXPECT_FALSE(static_cast<FM_MenuBuilder*>(context.get())->isPopupMenu());
    EXPECT_TRUE(context->calculationForm());
    auto popup = CreateMenuCodeBuilder(MenuKind::PopupMenu, false);
    ASSERT_NE(dynamic_cast<FM_MenuBuilder*>(popup.get()), nullptr);
    EXPECT_TRUE(static_cast<FM_MenuBuilder*>(popup.get())->isPopupMenu());
    EXPECT_EQ(CreateMenuCodeBuilder(static_cast<MenuKind>(3), false), nullptr);
}

}  // namespace
}  // namespace tessary
