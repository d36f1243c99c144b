// Which calls the writer takes, the platform blocks it opens and closes, and
// the state it is left in after a refusal.
#include <gtest/gtest.h>

#include <algorithm>

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

TEST(WriterRules, PlatformBlocks) {
    const std::string app = "\tFM_APPMENU ( \"App\" )";
    const Node quit = item({.platforms = 4, .kind = ItemSpecKind::MacQuit, .caption = "Q", .scriptName = "q"});
    const BlockCase cases[] = {
        {"a block per set, closed before the next opens",
         MenuKind::ContextMenu,
         {script(1, "a"), script(1, "b"), script(6, "c"), script(7, "d"), script(2, "e"), script(4, "f")},
         contextMenu({"#IF_WIN", scriptLine("a"), scriptLine("b"), "#END_IF", "#IF_MAC", scriptLine("c"), "#END_IF",
                      scriptLine("d"), "#IF_MACCLASSIC", scriptLine("e"), "#END_IF", "#IF_MACCARBON", scriptLine("f"),
                      "#END_IF"})},
        {"two Windows-only menus share a block; a Mac-only menu gets its own",
         MenuKind::MainMenu,
         {menu(1, "A", 0, {script(1, "a")}), menu(1, "B"), menu(6, "C")},
         mainMenu({"#IF_WIN", "\tFM_MENU ( \"A\" )", "\t{", scriptLine("a", 2), "\t}", "\tFM_MENU ( \"B\" )", "\t{",
                   "\t}", "#END_IF", "#IF_MAC", "\tFM_MENU ( \"C\" )", "\t{", "\t}", "#END_IF"})},
        {"a block inside a menu closes before its brace; a menu's children share its block",
         MenuKind::MainMenu,
         {menu(7, "A", 0, {script(4, "a")}), menu(2, "B", 0, {script(2, "b"), menu(2, "C", 0, {script(2, "c")})})},
         mainMenu({"\tFM_MENU ( \"A\" )", "\t{", "#IF_MACCARBON", scriptLine("a", 2), "#END_IF", "\t}",
                   "#IF_MACCLASSIC", "\tFM_MENU ( \"B\" )", "\t{", scriptLine("b", 2), "\t\tFM_MENU ( \"C\" )", "\t\t{",
                   scriptLine("c", 3), "\t\t}", "\t}", "#END_IF"})},
        {"the application menu opens its first block without closing one, and closes the last",
         MenuKind::MainMenu,
         {appMenu("App", {script(4, "a"), quit}), menu(7, "M")},
         mainMenu({app, "\t{", "#IF_MACCARBON", scriptLine("a", 2), "\t\tFM_MACQUITITEM ( \"Q\", \"q\" )", "#END_IF",
                   "\t}", "\tFM_MENU ( \"M\" )", "\t{", "\t}"})},
        // Both Mac platforms are "no block" inside the application menu: after
        // a block of one Mac platform the block closes and no #IF_MAC opens.
        {"back to both Mac platforms inside the application menu",
         MenuKind::MainMenu,
         {appMenu("App", {script(2, "a"), menu(4, "m", 0, {script(4, "b")}), script(6, "c"), quit}), menu(1, "W")},
         mainMenu({app, "\t{", "#IF_MACCLASSIC", scriptLine("a", 2), "#END_IF", "#IF_MACCARBON",
                   "\t\tFM_MENU ( \"m\" )", "\t\t{", scriptLine("b", 3), "\t\t}", "#END_IF", scriptLine("c", 2),
                   "\t\tFM_MACQUITITEM ( \"Q\", \"q\" )", "\t}", "#IF_WIN", "\tFM_MENU ( \"W\" )", "\t{", "\t}",
                   "#END_IF"})},
        // Windows with one Mac platform has no block: written for all platforms.
        {"sets 3 and 5 are written for all platforms",
         MenuKind::ContextMenu,
         {script(1, "a"), script(3, "b"), script(1, "c"), menu(5, "m", 0, {script(5, "d")}), script(6, "e")},
         contextMenu({"#IF_WIN", scriptLine("a"), "#END_IF", scriptLine("b"), "#IF_WIN", scriptLine("c"), "#END_IF",
                      "\tFM_MENU ( \"m\" )", "\t{", scriptLine("d", 2), "\t}", "#IF_MAC", scriptLine("e"), "#END_IF"})},
        // A reader reports nothing for a construct whose platforms are empty.
        {"a node for no platform is left out",
         MenuKind::ContextMenu,
         {script(1, "a"), script(0, "gone"), script(1, "b"), menu(0, "none", 0, {script(0, "x")}), script(7, "c")},
         contextMenu({"#IF_WIN", scriptLine("a"), scriptLine("b"), "#END_IF", scriptLine("c")})},
        {"a set above 7 is reported in front of the node's line",
         MenuKind::ContextMenu,
         {script(9, "a"), script(7, "b")},
         contextMenu({"ERROR: internal error" + scriptLine("a"), "#END_IF", scriptLine("b")}),
         Readable::No},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Generated generated = generate(c.kind, c.nodes, c.readable);
        EXPECT_TRUE(generated.accepted);
        EXPECT_EQ(generated.text, c.expected);
    }
}

TEST(WriterRules, Acceptance) {
    const struct {
        uint32_t container;  // set of the menu that is offered the node; 0 for the application menu
        bool offerMenu;      // a menu rather than an item
        uint32_t platforms;  // set of the offered node; a node for no platform is taken anywhere
        bool accepted;
    } cases[] = {
        {7, false, 1, true},  {7, false, 0, true},  {7, true, 5, true},   {1, false, 1, true}, {1, false, 7, false},
        {1, true, 6, false},  {1, false, 0, true},  {6, false, 2, false}, {6, true, 4, false}, {6, true, 6, true},
        {3, false, 3, true},  {3, false, 1, false}, {0, false, 2, true},  {0, false, 4, true}, {0, true, 6, true},
        {0, false, 7, false}, {0, true, 1, false},  {0, false, 0, true},  {0, true, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "container " << c.container << " offered " << (c.offerMenu ? "menu" : "item")
                                        << " of set " << c.platforms);
        FM_MenuBarBuilder writer;
        ASSERT_TRUE(writer.OpenMenuBar());
        ASSERT_TRUE(c.container == 0 ? writer.OpenAppMenu("App") : writer.OpenMenu({c.container, "Box", 0}));
        const bool accepted =
            c.offerMenu
                ? writer.OpenMenu({c.platforms, "Offered", 0})
                : writer.AddMenuItem(
                      {.platforms = c.platforms, .kind = ItemSpecKind::Script, .caption = "i", .scriptName = "s"});
        EXPECT_EQ(accepted, c.accepted);
        if (accepted && c.offerMenu)
            writer.CloseMenu();
        writer.CloseMenu();
        writer.CloseMenu();
        size_t length = 0;
        EXPECT_EQ(writer.GetCodeLength(length), c.accepted);  // no text once a node was refused
    }
    // The roots take menus and items of every set.
    for (const MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        for (uint32_t platforms = 0; platforms <= 7; ++platforms) {
            // An item standing directly in a menu bar is written there, though no
            // reader takes it; the editor keeps such items out of main menus.
            EXPECT_TRUE(generate(kind, {menu(platforms, "m"), script(platforms, "i")},
                                 kind == MenuKind::MainMenu ? Readable::No : Readable::Yes)
                            .accepted);
        }
    }
    for (const int kind : {0, 6}) {
        FM_MenuBuilder writer(false);
        EXPECT_FALSE(writer.AddMenuItem({.platforms = 7, .kind = static_cast<ItemSpecKind>(kind)}));
    }
}

TEST(WriterRules, MainMenuNeedsItsBarOpenedOnceAndClosed) {
    FM_MenuBarBuilder writer;
    size_t length = 99;
    EXPECT_FALSE(writer.GetCodeLength(length));
    EXPECT_EQ(length, 0u);
    EXPECT_FALSE(writer.OpenMenu({7, "m", 0}));
    EXPECT_FALSE(writer.AddMenuItem({.platforms = 7, .kind = ItemSpecKind::Separator}));
    EXPECT_FALSE(writer.OpenAppMenu("App"));
    EXPECT_FALSE(writer.CloseMenu());

    ASSERT_TRUE(writer.OpenMenuBar());
    EXPECT_FALSE(writer.OpenMenuBar());
    ASSERT_TRUE(writer.OpenMenu({7, "m", 0}));
    EXPECT_FALSE(writer.OpenAppMenu("App"));  // only while the bar itself is current
    EXPECT_TRUE(writer.CloseMenu());
    EXPECT_FALSE(writer.GetCodeLength(length));  // the bar is still open
    EXPECT_TRUE(writer.CloseMenu());
    EXPECT_FALSE(writer.CloseMenu());
    EXPECT_FALSE(writer.OpenMenu({7, "late", 0}));
    std::string text;
    ASSERT_TRUE(writer.GetCode(text));
    EXPECT_EQ(text, mainMenu({"\tFM_MENU ( \"m\" )", "\t{", "\t}"}));
}

TEST(WriterRules, ContextMenuNeedsItsRootCurrent) {
    FM_MenuBuilder writer(false);
    EXPECT_FALSE(writer.OpenMenuBar());
    EXPECT_FALSE(writer.OpenAppMenu("App"));
    ASSERT_TRUE(writer.OpenMenu({7, "m", 0}));
    std::string text;
    EXPECT_FALSE(writer.GetCode(text));  // a menu is still open
    ASSERT_TRUE(writer.CloseMenu());
    EXPECT_TRUE(writer.GetCode(text));
    EXPECT_TRUE(writer.CloseMenu());  // closing the root leaves no current node...
    EXPECT_FALSE(writer.CloseMenu());
    FM_MenuBuilder closed(true);
    closed.CloseMenu();
    EXPECT_FALSE(closed.GetCode(text));  // ...and then no text
}

TEST(WriterRules, RefusalsLeaveNoText) {
    // A refused menu leaves no current node: every later call fails. That
    // reads like a closed menu bar, yet the text would lack the rest.
    FM_MenuBarBuilder writer;
    ASSERT_TRUE(writer.OpenMenuBar());
    ASSERT_TRUE(writer.OpenMenu({6, "Mac", 0}));
    EXPECT_FALSE(writer.OpenMenu({1, "Win", 0}));
    EXPECT_FALSE(writer.AddMenuItem({.platforms = 6, .kind = ItemSpecKind::Separator}));
    EXPECT_FALSE(writer.CloseMenu());
    size_t length = 0;
    EXPECT_FALSE(writer.GetCodeLength(length));

    // A refused item keeps the current node.
    FM_MenuBuilder context(false);
    ASSERT_TRUE(context.OpenMenu({6, "Mac", 0}));
    EXPECT_FALSE(context.AddMenuItem({.platforms = 2, .kind = ItemSpecKind::Separator}));
    EXPECT_TRUE(context.AddMenuItem({.platforms = 6, .kind = ItemSpecKind::Separator}));
    EXPECT_TRUE(context.CloseMenu());
    EXPECT_FALSE(context.GetCodeLength(length));

    // As the tree walk meets them, at the second level of a main menu.
    const Generated nested = generate(
        MenuKind::MainMenu, {menu(7, "A"), menu(6, "B", 0, {menu(1, "C", 0, {script(1, "x")})}), menu(7, "D")});
    EXPECT_FALSE(nested.accepted);
    EXPECT_FALSE(nested.text.has_value());
}

TEST(WriterRules, TextIsWrittenOnceAndKept) {
    FM_MenuBuilder writer(false);
    ASSERT_TRUE(writer.AddMenuItem({.platforms = 7, .kind = ItemSpecKind::Separator}));
    const std::string expected = contextMenu({"\tFM_MENUITEMSEPARATOR ()"});
    size_t length = 0;
    ASSERT_TRUE(writer.GetCodeLength(length));
    EXPECT_EQ(length, expected.size());
    ASSERT_TRUE(writer.AddMenuItem({.platforms = 1, .kind = ItemSpecKind::Separator}));  // too late for the text
    std::string buffer(expected.size() + 1, 'z');
    ASSERT_TRUE(writer.GetCode(buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, expected + "z");  // no terminator written
    EXPECT_TRUE(writer.GetCode(buffer.data(), expected.size()));
    EXPECT_FALSE(writer.GetCode(buffer.data(), expected.size() - 1));
    EXPECT_FALSE(writer.GetCode(nullptr, 100));
}

TEST(WriterRules, FactoryMakesTheWriterOfEachKind) {
    EXPECT_NE(dynamic_cast<FM_MenuBarBuilder*>(CreateMenuCodeBuilder(MenuKind::MainMenu).get()), nullptr);
    auto context = CreateMenuCodeBuilder(MenuKind::ContextMenu);
    auto popup = CreateMenuCodeBuilder(MenuKind::PopupMenu);
    ASSERT_NE(dynamic_cast<FM_MenuBuilder*>(context.get()), nullptr);
    ASSERT_NE(dynamic_cast<FM_MenuBuilder*>(popup.get()), nullptr);
    EXPECT_FALSE(static_cast<FM_MenuBuilder*>(context.get())->isPopupMenu());
    EXPECT_TRUE(static_cast<FM_MenuBuilder*>(popup.get())->isPopupMenu());
    EXPECT_EQ(CreateMenuCodeBuilder(static_cast<MenuKind>(3)), nullptr);
}

// Every option the writer puts down reads back into the same item.
TEST(WriterRules, ItemOptionsReadBack) {
    const ItemSpec specs[] = {
        {.platforms = 7,
         .kind = ItemSpecKind::FmCommand,
         .caption = "Shut",
         .modifiers = kModAlt,
         .key = -25,
         .enabled = 0,
         .userString = "u",
         .commandId = 4},
        {.platforms = 7,
         .kind = ItemSpecKind::Script,
         .caption = "s",
         .modifiers = kModCtrl | kModAlt,
         .key = '\'',
         .userString = "v w",
         .scriptName = "run",
         .checkOn = 1},
    };
    for (const ItemSpec& itemSpec : specs) {
        const std::optional<std::string> text = generate(MenuKind::ContextMenu, {item(itemSpec)}).text;
        ASSERT_TRUE(text.has_value());
        const std::vector<std::string> trace = TraceParse(MenuKind::ContextMenu, *text).lines;
        const std::string added = "AddItem 1 " + FormatItemSpec(itemSpec) + " -> 1";
        EXPECT_NE(std::find(trace.begin(), trace.end(), added), trace.end()) << added;
    }
}

}  // namespace
}  // namespace tessary
