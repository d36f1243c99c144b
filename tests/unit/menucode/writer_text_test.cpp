// The exact bytes the writer produces: the layout of every construct, the two
// text forms and the shortcut options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/lexicon.h"
#include "writer_test_support.h"

namespace tessary {
namespace {

using namespace writer_test;

// A small main menu: an application menu with a preferences item, a File menu
// with a command shown with FileMaker's caption, a separator and a script item
// with Ctrl+P, and a Windows-only menu with one disabled script item.
std::vector<Node> smallMainMenu() {
    return {
        appMenu("FileMaker Pro", {item(ItemSpec{.platforms = 4,
                                                .kind = ItemSpecKind::MacPreferences,
                                                .caption = "Preferences...",
                                                .scriptName = "Preferences"})}),
        menu(7, "File", 1,
             {item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 2}),
              item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Separator}),
              item(ItemSpec{.platforms = 7,
                            .kind = ItemSpecKind::Script,
                            .caption = "Print One",
                            .modifiers = kModCtrl,
                            .key = 'P',
                            .userString = "Print",
                            .scriptName = "Print",
                            .checkOn = 1})}),
        menu(1, "Tools", 0,
             {item(ItemSpec{.platforms = 1,
                            .kind = ItemSpecKind::Script,
                            .caption = "Sharing...",
                            .enabled = 0,
                            .scriptName = "Sharing"})}),
    };
}

TEST(WriterText, SmallMainMenuPlainForm) {
    const std::string expected =
        "FM_MENUBAR ()\r\n"
        "{\r\n"
        "\tFM_APPMENU ( \"FileMaker Pro\" )\r\n"
        "\t{\r\n"
        "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )\r\n"
        "\t}\r\n"
        "\tFM_MENU ( \"File\" , FM_MENU_FILE )\r\n"
        "\t{\r\n"
        "\t\tFM_MENUITEM ( FM_OPEN )\r\n"
        "\t\tFM_MENUITEMSEPARATOR ()\r\n"
        "\t\tFM_MENUSCRIPTITEM ( \"Print One\", \"Print\", CTRL + \"P\", String:\"Print\", Check-On )\r\n"
        "\t}\r\n"
        "#IF_WIN\r\n"
        "\tFM_MENU ( \"Tools\" )\r\n"
        "\t{\r\n"
        "\t\tFM_MENUSCRIPTITEM ( \"Sharing...\", \"Sharing\", Disabled )\r\n"
        "\t}\r\n"
        "#END_IF\r\n"
        "}\r\n";
    const Generated generated = generate(MenuKind::MainMenu, smallMainMenu());
    EXPECT_TRUE(generated.accepted);
    ASSERT_TRUE(generated.text.has_value());
    EXPECT_EQ(*generated.text, expected);
}

TEST(WriterText, SmallMainMenuCalculationForm) {
    const std::string expected =
        "FM_MENUBAR ()\xB6\r\n"
        "{\xB6\r\n"
        "\tFM_APPMENU ( \"\"FileMaker Pro\"\" )\xB6\r\n"
        "\t{\xB6\r\n"
        "\t\tFM_MACPREFERENCES ( \"\"Preferences...\"\", \"\"Preferences\"\" )\xB6\r\n"
        "\t}\xB6\r\n"
        "\tFM_MENU ( \"\"File\"\" , FM_MENU_FILE )\xB6\r\n"
        "\t{\xB6\r\n"
        "\t\tFM_MENUITEM ( FM_OPEN )\xB6\r\n"
        "\t\tFM_MENUITEMSEPARATOR ()\xB6\r\n"
        "\t\tFM_MENUSCRIPTITEM ( \"\"Print One\"\", \"\"Print\"\", CTRL + \"\"P\"\", String:\"\"Print\"\", Check-On )"
        "\xB6\r\n"
        "\t}\xB6\r\n"
        "#IF_WIN\xB6\r\n"
        "\tFM_MENU ( \"\"Tools\"\" )\xB6\r\n"
        "\t{\xB6\r\n"
        "\t\tFM_MENUSCRIPTITEM ( \"\"Sharing...\"\", \"\"Sharing\"\", Disabled )\xB6\r\n"
        "\t}\xB6\r\n"
        "#END_IF\xB6\r\n"
        "}\xB6\r\n";
    const Generated generated = generate(MenuKind::MainMenu, smallMainMenu(), true);
    ASSERT_TRUE(generated.text.has_value());
    EXPECT_EQ(*generated.text, expected);
}

TEST(WriterText, EmptyMenusOfEachKind) {
    EXPECT_EQ(generate(MenuKind::MainMenu, {}).text, lines({"FM_MENUBAR ()", "{", "}"}));
    EXPECT_EQ(generate(MenuKind::ContextMenu, {}).text, lines({"FM_CONTEXTMENU ( )", "{", "}"}));
    EXPECT_EQ(generate(MenuKind::PopupMenu, {}).text, lines({"FM_POPUPMENU ( )", "{", "}"}));
}

struct ItemCase {
    const char* what;
    ItemSpec spec;
    const char* line;  // the item's line inside a context menu, without indent and line end
    Readable readable = Readable::Yes;
};

TEST(WriterText, ItemLines) {
    const ItemCase cases[] = {
        {"command shown with FileMaker's caption", {.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 2},
         "FM_MENUITEM ( FM_OPEN )"},
        {"command with an empty caption",
         {.platforms = 7, .kind = ItemSpecKind::FmCommand, .caption = "", .commandId = 4}, "FM_MENUITEM ( FM_CLOSE )"},
        {"command with its own caption",
         {.platforms = 7, .kind = ItemSpecKind::FmCommand, .caption = "Open File", .commandId = 2},
         "FM_MENUITEM ( \"Open File\", FM_OPEN )"},
        {"command id found only late in the table",
         {.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 146}, "FM_MENUITEM ( FM_DOC_MORE )"},
        {"command id the table lacks", {.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 198},
         "FM_MENUITEM ( FM_????? )", Readable::No},
        {"command never writes a check mark",
         {.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 39, .checkOn = 1}, "FM_MENUITEM ( FM_UNDO )"},
        {"command with every option",
         {.platforms = 7,
          .kind = ItemSpecKind::FmCommand,
          .caption = "Shut",
          .modifiers = kModCtrl,
          .key = 'W',
          .enabled = 0,
          .userString = "u 1",
          .commandId = 4},
         "FM_MENUITEM ( \"Shut\", FM_CLOSE, CTRL + \"W\", String:\"u 1\", Disabled )"},
        {"script item without caption",
         {.platforms = 7, .kind = ItemSpecKind::Script, .scriptName = "Run"}, "FM_MENUSCRIPTITEM ( \"\", \"Run\" )"},
        {"script item without script name", {.platforms = 7, .kind = ItemSpecKind::Script, .caption = "Run"},
         "FM_MENUSCRIPTITEM ( \"Run\", \"\" )"},
        {"script item with every option, options in fixed order",
         {.platforms = 7,
          .kind = ItemSpecKind::Script,
          .caption = "Go",
          .modifiers = kModCtrl | kModAlt,
          .key = -18,
          .enabled = 0,
          .userString = "x",
          .scriptName = "Go there",
          .checkOn = 1},
         "FM_MENUSCRIPTITEM ( \"Go\", \"Go there\", CTRL + ALT + \"F5\", String:\"x\", Check-On, Disabled )"},
        {"enabled item writes no enable word",
         {.platforms = 7, .kind = ItemSpecKind::Script, .caption = "a", .enabled = 1, .scriptName = "b"},
         "FM_MENUSCRIPTITEM ( \"a\", \"b\" )"},
        {"empty user string writes no option",
         {.platforms = 7, .kind = ItemSpecKind::Script, .caption = "a", .userString = "", .scriptName = "b"},
         "FM_MENUSCRIPTITEM ( \"a\", \"b\" )"},
        {"texts are written as they stand",
         {.platforms = 7,
          .kind = ItemSpecKind::Script,
          .caption = "Caf\xE9 ( , )",
          .userString = "a,b\tc",
          .scriptName = "{x}"},
         "FM_MENUSCRIPTITEM ( \"Caf\xE9 ( , )\", \"{x}\", String:\"a,b\tc\" )"},
        {"separator ignores every other field",
         {.platforms = 7,
          .kind = ItemSpecKind::Separator,
          .caption = "-Separator-",
          .modifiers = kModCtrl,
          .key = 'A',
          .enabled = 0,
          .userString = "u",
          .checkOn = 1},
         "FM_MENUITEMSEPARATOR ()"},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(generate(MenuKind::ContextMenu, {item(c.spec)}, false, c.readable).text,
                  contextMenu({std::string("\t") + c.line}));
    }
}

TEST(WriterText, MacItemsTakeOnlyCaptionScriptAndEnableWord) {
    const ItemSpec quit{.platforms = 4,
                        .kind = ItemSpecKind::MacQuit,
                        .caption = "Quit",
                        .modifiers = kModCtrl,
                        .key = 'Q',
                        .enabled = 0,
                        .userString = "u",
                        .scriptName = "Leave",
                        .checkOn = 1};
    const ItemSpec preferences{
        .platforms = 4, .kind = ItemSpecKind::MacPreferences, .caption = "", .userString = "u", .scriptName = "P"};
    EXPECT_EQ(generate(MenuKind::MainMenu, {appMenu("App", {item(preferences), item(quit)})}).text,
              mainMenu({"\tFM_APPMENU ( \"App\" )", "\t{", "\t\tFM_MACPREFERENCES ( \"\", \"P\" )",
                        "\t\tFM_MACQUITITEM ( \"Quit\", \"Leave\", Disabled )", "\t}"}));
}

TEST(WriterText, MenuHeaders) {
    struct MenuCase {
        const char* what;
        std::optional<std::string_view> caption;
        uint32_t fmMenuId;
        const char* header;
    };
    const MenuCase cases[] = {
        {"caption and standard menu", "File", 1, "FM_MENU ( \"File\" , FM_MENU_FILE )"},
        {"FileMaker's caption", std::nullopt, 5, "FM_MENU ( FM_MENU_EDIT )"},
        {"empty caption counts as none", "", 33, "FM_MENU ( FM_MENU_SEND )"},
        {"caption only", "Tools", 0, "FM_MENU ( \"Tools\" )"},
        // A menu id the table lacks writes no keyword and no comma in front of it.
        {"caption and an unknown id", "Tools", 34, "FM_MENU ( \"Tools\" )"},
        // Neither caption nor keyword: an empty caption keeps the header readable.
        {"neither caption nor id", std::nullopt, 0, "FM_MENU ( \"\" )"},
        {"no caption and an unknown id", std::nullopt, 34, "FM_MENU ( \"\" )"},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(generate(MenuKind::ContextMenu, {menu(7, c.caption, c.fmMenuId)}).text,
                  contextMenu({std::string("\t") + c.header, "\t{", "\t}"}));
    }
}

TEST(WriterText, ApplicationMenuCaptionIsAlwaysQuoted) {
    EXPECT_EQ(generate(MenuKind::MainMenu, {appMenu("")}).text,
              mainMenu({"\tFM_APPMENU ( \"\" )", "\t{", "\t}"}));
}

TEST(WriterText, NestingIndentsOneTabPerLevel) {
    const std::vector<Node> nodes = {
        menu(7, "A", 0, {menu(7, "B", 0, {menu(7, "C", 0, {script(7, "deep")})}), script(7, "back")})};
    EXPECT_EQ(generate(MenuKind::MainMenu, nodes).text,
              mainMenu({"\tFM_MENU ( \"A\" )", "\t{", "\t\tFM_MENU ( \"B\" )", "\t\t{", "\t\t\tFM_MENU ( \"C\" )",
                        "\t\t\t{", scriptLine("deep", 4), "\t\t\t}", "\t\t}", scriptLine("back", 2), "\t}"}));
}

struct ShortcutCase {
    int modifiers;
    int key;
    const char* option;  // what follows the script name, "" for no shortcut
};

TEST(WriterText, Shortcuts) {
    const ShortcutCase cases[] = {
        {0, 'P', ", \"P\""},
        {kModCtrl, 'P', ", CTRL + \"P\""},
        {kModAlt, 'P', ", ALT + \"P\""},
        {kModCtrl | kModAlt, 'P', ", CTRL + ALT + \"P\""},
        {kModCtrl, '7', ", CTRL + \"7\""},
        {kModCtrl, ' ', ", CTRL + \" \""},
        {kModCtrl, '\'', ", CTRL + \"'\""},
        {kModCtrl, '`', ", CTRL + \"`\""},
        {kModCtrl, -1, ", CTRL + \"LEFT\""},
        {kModAlt, -6, ", ALT + \"PAGE_DOWN\""},
        {kModCtrl, -10, ", CTRL + \"ENTER\""},
        {kModCtrl, -11, ", CTRL + \"RETURN\""},
        {kModCtrl | kModAlt, -12, ", CTRL + ALT + \"DEL\""},
        {kModCtrl, -13, ", CTRL + \"BACKSPACE\""},
        {0, -14, ", \"F1\""},
        {kModAlt, -25, ", ALT + \"F12\""},
        {0, 0, ""},
        // No key that reads back: the modifiers alone are not written.
        {kModCtrl, 0, ""},
        {kModCtrl | kModAlt, -26, ""},
        {kModCtrl, '"', ""},
        {kModCtrl, 127, ""},
        {kModCtrl, 300, ""},
    };
    for (const ShortcutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "modifiers " << c.modifiers << " key " << c.key);
        const ItemSpec spec{.platforms = 7,
                            .kind = ItemSpecKind::Script,
                            .caption = "a",
                            .modifiers = c.modifiers,
                            .key = c.key,
                            .scriptName = "b"};
        const std::string line = std::string("\tFM_MENUSCRIPTITEM ( \"a\", \"b\"") + c.option + " )";
        EXPECT_EQ(generate(MenuKind::ContextMenu, {item(spec)}).text, contextMenu({line}));
    }
}

TEST(WriterText, PopupMenusDropShortcuts) {
    const std::vector<Node> nodes = {
        item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::Script, .caption = "a", .modifiers = kModCtrl,
                      .key = 'P', .scriptName = "b"}),
        menu(7, "m", 0,
             {item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::FmCommand, .modifiers = kModAlt, .key = -14,
                            .userString = "kept", .commandId = 2})}),
    };
    EXPECT_EQ(generate(MenuKind::PopupMenu, nodes).text,
              lines({"FM_POPUPMENU ( )", "{", "\tFM_MENUSCRIPTITEM ( \"a\", \"b\" )", "\tFM_MENU ( \"m\" )", "\t{",
                     "\t\tFM_MENUITEM ( FM_OPEN, String:\"kept\" )", "\t}", "}"}));
    // A context menu keeps them.
    EXPECT_EQ(generate(MenuKind::ContextMenu, {nodes[0]}).text,
              contextMenu({"\tFM_MENUSCRIPTITEM ( \"a\", \"b\", CTRL + \"P\" )"}));
}

// The calculation form differs from the plain form only in its quotation
// marks (each doubled) and line ends (0xB6 before CR LF), wherever they stand:
// check that over menus that use every construct.
TEST(WriterText, CalculationFormDoublesQuotesAndMarksLineEnds) {
    const std::vector<std::pair<MenuKind, std::vector<Node>>> menus = {
        {MenuKind::MainMenu, smallMainMenu()},
        {MenuKind::MainMenu, {appMenu("A", {script(4, "x"), script(6, "y")}), menu(6, std::nullopt, 5)}},
        {MenuKind::ContextMenu, {script(1, "w"), menu(2, "c", 0, {script(2, "i")}), script(7, "z")}},
        {MenuKind::PopupMenu, {item(ItemSpec{.platforms = 7, .kind = ItemSpecKind::FmCommand, .commandId = 197})}},
    };
    for (const auto& [kind, nodes] : menus) {
        const Generated plain = generate(kind, nodes, false);
        const Generated calculation = generate(kind, nodes, true);
        ASSERT_TRUE(plain.text.has_value());
        ASSERT_TRUE(calculation.text.has_value());
        std::string converted;
        for (char c : *plain.text) {
            if (c == '"') converted += '"';
            if (c == '\r') converted += '\xB6';
            converted += c;
        }
        EXPECT_EQ(*calculation.text, converted);
    }
}

TEST(WriterText, CalculationFormOfOneMenuLine) {
    EXPECT_EQ(generate(MenuKind::ContextMenu, {menu(7, "File")}, true).text,
              "FM_CONTEXTMENU ( )\xB6\r\n{\xB6\r\n\tFM_MENU ( \"\"File\"\" )\xB6\r\n\t{\xB6\r\n\t}\xB6\r\n}\xB6\r\n");
}

}  // namespace
}  // namespace tessary
