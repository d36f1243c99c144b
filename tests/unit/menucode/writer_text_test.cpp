// The exact bytes the writer produces: the layout of every construct, the two
// text forms and the shortcut options.
#include <gtest/gtest.h>

#include "writer_test_support.h"

namespace tessary {
namespace {

using namespace writer_test;

constexpr ItemSpecKind kCommand = ItemSpecKind::FmCommand;
constexpr ItemSpecKind kScript = ItemSpecKind::Script;

// An application menu with a preferences item, a File menu with a command
// shown with FileMaker's caption, a separator and a script item with Ctrl+P,
// and a Windows-only menu with one disabled script item.
std::vector<Node> smallMainMenu() {
    return {
        appMenu("FileMaker Pro", {item({.platforms = 4,
                                        .kind = ItemSpecKind::MacPreferences,
                                        .caption = "Preferences...",
                                        .scriptName = "Preferences"})}),
        menu(7, "File", 1,
             {item({.platforms = 7, .kind = kCommand, .commandId = 2}),
              item({.platforms = 7, .kind = ItemSpecKind::Separator}),
              item({.platforms = 7,
                    .kind = kScript,
                    .caption = "Print One",
                    .modifiers = kModCtrl,
                    .key = 'P',
                    .userString = "Print",
                    .scriptName = "Print",
                    .checkOn = 1})}),
        menu(1, "Tools", 0,
             {item({.platforms = 1, .kind = kScript, .caption = "Sharing...", .enabled = 0, .scriptName = "Sharing"})}),
    };
}

TEST(WriterText, SmallMainMenu) {
    const std::string plain =
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
    EXPECT_EQ(generated.text, plain);
}

TEST(WriterText, EmptyMenusOfEachKind) {
    EXPECT_EQ(generate(MenuKind::MainMenu, {}).text, lines({"FM_MENUBAR ()", "{", "}"}));
    EXPECT_EQ(generate(MenuKind::ContextMenu, {}).text, lines({"FM_CONTEXTMENU ( )", "{", "}"}));
    EXPECT_EQ(generate(MenuKind::PopupMenu, {}).text, lines({"FM_POPUPMENU ( )", "{", "}"}));
}

struct ItemCase {
    ItemSpec itemSpec;
    const char* line;  // inside a context menu, without indent and line end
    Readable readable = Readable::Yes;
};

TEST(WriterText, ItemLines) {
    const ItemCase cases[] = {
        {{.platforms = 7, .kind = kCommand, .commandId = 2}, "FM_MENUITEM ( FM_OPEN )"},
        {{.platforms = 7, .kind = kCommand, .caption = "", .commandId = 146}, "FM_MENUITEM ( FM_DOC_MORE )"},
        {{.platforms = 7, .kind = kCommand, .caption = "Open File", .commandId = 2},
         "FM_MENUITEM ( \"Open File\", FM_OPEN )"},
        {{.platforms = 7, .kind = kCommand, .commandId = 198}, "FM_MENUITEM ( FM_????? )", Readable::No},
        {{.platforms = 7,
          .kind = kCommand,
          .caption = "Shut",
          .modifiers = kModCtrl,
          .key = 'W',
          .enabled = 0,
          .userString = "u 1",
          .commandId = 4,
          .checkOn = 1},
         "FM_MENUITEM ( \"Shut\", FM_CLOSE, CTRL + \"W\", String:\"u 1\", Disabled )"},
        {{.platforms = 7, .kind = kScript, .userString = "", .scriptName = "Run"},
         "FM_MENUSCRIPTITEM ( \"\", \"Run\" )"},
        {{.platforms = 7, .kind = kScript, .caption = "Run"}, "FM_MENUSCRIPTITEM ( \"Run\", \"\" )"},
        {{.platforms = 7,
          .kind = kScript,
          .caption = "Go",
          .modifiers = kModCtrl | kModAlt,
          .key = -18,
          .enabled = 0,
          .userString = "x",
          .scriptName = "Go there",
          .checkOn = 1},
         "FM_MENUSCRIPTITEM ( \"Go\", \"Go there\", CTRL + ALT + \"F5\", String:\"x\", Check-On, Disabled )"},
        // Texts are written as they stand.
        {{.platforms = 7, .kind = kScript, .caption = "Caf\xE9 ( , )", .userString = "a,b\tc", .scriptName = "{x}"},
         "FM_MENUSCRIPTITEM ( \"Caf\xE9 ( , )\", \"{x}\", String:\"a,b\tc\" )"},
        {{.platforms = 7,
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
        SCOPED_TRACE(c.line);
        EXPECT_EQ(generate(MenuKind::ContextMenu, {item(c.itemSpec)}, c.readable).text,
                  contextMenu({std::string("\t") + c.line}));
    }
}

TEST(WriterText, ApplicationMenuAndMacItems) {
    const ItemSpec quit{.platforms = 4,
                        .kind = ItemSpecKind::MacQuit,
                        .caption = "Quit",
                        .modifiers = kModCtrl,
                        .key = 'Q',
                        .enabled = 0,
                        .userString = "u",
                        .scriptName = "Leave",
                        .checkOn = 1};
    const ItemSpec preferences{.platforms = 4, .kind = ItemSpecKind::MacPreferences, .caption = "", .scriptName = "P"};
    EXPECT_EQ(generate(MenuKind::MainMenu, {appMenu("", {item(preferences), item(quit)})}).text,
              mainMenu({"\tFM_APPMENU ( \"\" )", "\t{", "\t\tFM_MACPREFERENCES ( \"\", \"P\" )",
                        "\t\tFM_MACQUITITEM ( \"Quit\", \"Leave\", Disabled )", "\t}"}));
}

TEST(WriterText, MenuHeaders) {
    struct MenuCase {
        std::optional<std::string_view> caption;
        uint32_t fmMenuId;
        const char* header;
    };
    const MenuCase cases[] = {
        {"File", 1, "FM_MENU ( \"File\" , FM_MENU_FILE )"},
        {std::nullopt, 5, "FM_MENU ( FM_MENU_EDIT )"},
        {"", 33, "FM_MENU ( FM_MENU_SEND )"},
        {"Tools", 0, "FM_MENU ( \"Tools\" )"},
        // An id the table lacks writes no keyword, and no comma in front of it.
        {"Tools", 34, "FM_MENU ( \"Tools\" )"},
        // Neither caption nor keyword: an empty caption keeps the header readable.
        {std::nullopt, 0, "FM_MENU ( \"\" )"},
        {std::nullopt, 34, "FM_MENU ( \"\" )"},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.header);
        EXPECT_EQ(generate(MenuKind::ContextMenu, {menu(7, c.caption, c.fmMenuId)}).text,
                  contextMenu({std::string("\t") + c.header, "\t{", "\t}"}));
    }
}

TEST(WriterText, Shortcuts) {
    const struct {
        int modifiers;
        int key;
        const char* option;  // what follows the script name
    } cases[] = {
        {0, 'P', ", \"P\""},
        {kModCtrl, 'P', ", CTRL + \"P\""},
        {kModAlt, '7', ", ALT + \"7\""},
        {kModCtrl | kModAlt, ' ', ", CTRL + ALT + \" \""},
        {kModCtrl, '\'', ", CTRL + \"'\""},
        {kModCtrl, -1, ", CTRL + \"LEFT\""},
        {kModAlt, -6, ", ALT + \"PAGE_DOWN\""},
        {kModCtrl, -11, ", CTRL + \"RETURN\""},
        {kModCtrl | kModAlt, -13, ", CTRL + ALT + \"BACKSPACE\""},
        {0, -14, ", \"F1\""},
        {kModAlt, -25, ", ALT + \"F12\""},
        {0, 0, ""},
        // Without a key that reads back the modifiers are not written alone.
        {kModCtrl, 0, ""},
        {kModCtrl | kModAlt, -26, ""},
        {kModCtrl, '"', ""},
        {kModCtrl, 127, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "modifiers " << c.modifiers << " key " << c.key);
        const ItemSpec itemSpec{
            .platforms = 7, .kind = kScript, .caption = "a", .modifiers = c.modifiers, .key = c.key, .scriptName = "b"};
        EXPECT_EQ(generate(MenuKind::ContextMenu, {item(itemSpec)}).text,
                  contextMenu({std::string("\tFM_MENUSCRIPTITEM ( \"a\", \"b\"") + c.option + " )"}));
        // Pop-up menus never carry shortcuts.
        EXPECT_EQ(generate(MenuKind::PopupMenu, {menu(7, "m", 0, {item(itemSpec)})}).text,
                  lines({"FM_POPUPMENU ( )", "{", "\tFM_MENU ( \"m\" )", "\t{",
                         "\t\tFM_MENUSCRIPTITEM ( \"a\", \"b\" )", "\t}", "}"}));
    }
}

}  // namespace
}  // namespace tessary
