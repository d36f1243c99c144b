// The preview's reading of menu code: the texts of its entries, what each
// platform gets, and what a text that does not parse leaves.
#include "editor/preview_menu.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/lexicon.h"

namespace tessary {
namespace {

std::string lines(std::initializer_list<std::string_view> list) {
    std::string text;
    for (std::string_view line : list) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Entries as "Text", "-" for a separator, [grayed] / [checked] after the
// text and a submenu's entries in parentheses: File(Open...,-,Go[checked]).
std::string flat(const std::vector<PreviewItem>& items) {
    std::string text;
    for (const PreviewItem& item : items) {
        text += text.empty() ? "" : ",";
        text += item.separator ? "-" : item.text;
        text += item.grayed ? "[grayed]" : "";
        text += item.checked ? "[checked]" : "";
        if (item.submenu) {
            text += "(" + flat(item.children) + ")";
        }
    }
    return text;
}

ItemSpec item(ItemSpecKind kind,
              std::optional<std::string_view> caption,
              int modifiers,
              int key,
              uint32_t command = 0) {
    ItemSpec spec;
    spec.kind = kind;
    spec.caption = caption;
    spec.modifiers = modifiers;
    spec.key = key;
    spec.commandId = command;
    return spec;
}

TEST(PreviewText, ShortcutsAndEnglishCaptions) {
    constexpr int kCtrlAlt = kModCtrl | kModAlt;
    const struct {
        ItemSpec spec;
        std::string text;
    } cases[] = {
        {item(ItemSpecKind::Script, "Open", 0, -18), "Open\tF5"},
        {item(ItemSpecKind::Script, "Open", kModCtrl, 'O'), "Open\tCtrl+O"},
        {item(ItemSpecKind::Script, "Open", kModAlt, 'O'), "Open\tAlt+O"},
        {item(ItemSpecKind::Script, "Open", kCtrlAlt, 'O'), "Open\tCtrl+Alt+O"},
        {item(ItemSpecKind::Script, "Open", kModCtrl, -7), "Open\tCtrl+Home"},
        {item(ItemSpecKind::Script, "Open", kCtrlAlt, -11), "Open\tCtrl+Alt+Enter"},
        {item(ItemSpecKind::Script, "Open", kModAlt, ' '), "Open\tAlt+Space"},
        {item(ItemSpecKind::Script, "Open", kModCtrl, 0), "Open"},
        {item(ItemSpecKind::FmCommand, std::nullopt, 0, 0, 2), "Open..."},
        {item(ItemSpecKind::FmCommand, std::nullopt, kModCtrl, 'W', 4), "Close\tCtrl+W"},
        {item(ItemSpecKind::FmCommand, "", 0, 0, 2), ""},
        {item(ItemSpecKind::MacQuit, "Quit", 0, 0), "Quit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(previewItemText(c.spec), c.text);
    }
    EXPECT_EQ(previewMenuText(MenuSpec{7, std::nullopt, 1}), "File");
    EXPECT_EQ(previewMenuText(MenuSpec{7, "Tools", 0}), "Tools");
    EXPECT_EQ(previewMenuText(MenuSpec{7, "", 1}), "");

    // A text holds 249 characters; a long caption gives way to the shortcut.
    const std::string longCaption(300, 'x');
    EXPECT_EQ(previewItemText(item(ItemSpecKind::Script, longCaption, kModCtrl, 'O')),
              std::string(242, 'x') + "\tCtrl+O");
    EXPECT_EQ(previewMenuText(MenuSpec{7, longCaption, 0}), std::string(249, 'x'));
}

const std::string kMainMenu = lines({
    "FM_MENUBAR ()",
    "{",
    "FM_APPMENU ( \"Orders\" )",
    "{",
    "FM_MACQUITITEM ( \"Quit\", \"Bye\" )",
    "}",
    "FM_MENU ( FM_MENU_FILE )",
    "{",
    "FM_MENUITEM ( FM_OPEN, CTRL + \"O\" )",
    "FM_MENUITEMSEPARATOR ()",
    "FM_MENUSCRIPTITEM ( \"Go\", \"go\", Check-On, Disabled )",
    "FM_MENU ( \"More\" )",
    "{",
    "#IF_WIN",
    "FM_MENUSCRIPTITEM ( \"Win\", \"w\", ALT + \"F5\" )",
    "#END_IF",
    "}",
    "}",
    "#IF_MAC",
    "FM_MENU ( \"Mac\" )",
    "{",
    "#END_IF",
    "#IF_WIN",
    "FM_MENUSCRIPTITEM ( \"Win in Mac\", \"x\" )",
    "FM_MENU ( \"Sub\" )",
    "{",
    "}",
    "#END_IF",
    "}",
    "FM_MENU ( \"Edit\" , FM_MENU_EDIT )",
    "{",
    "}",
    "}",
});

// Windows gets no application menu, nor the menus for the Mac and what they
// hold; the Mac platforms get the application menu first.
TEST(PreviewMenu, EachPlatformGetsItsOwnMenu) {
    const struct {
        PlatformMask platforms;
        bool showAppMenu;
        std::string bar;
    } cases[] = {
        {kPlatformWindows, false, "File(Open...\tCtrl+O,-,Go[grayed][checked],More(Win\tAlt+F5)),Edit()"},
        {kPlatformMacX, true, "Orders(Quit),File(Open...\tCtrl+O,-,Go[grayed][checked],More()),Mac(),Edit()"},
    };
    for (const auto& c : cases) {
        const PreviewOutcome outcome = buildPreviewMenu(kMainMenu, MenuKind::MainMenu, c.platforms, c.showAppMenu);
        EXPECT_EQ(outcome.status, kParseOk);
        EXPECT_TRUE(outcome.menu.exists);
        EXPECT_TRUE(outcome.menu.menuBar);
        EXPECT_EQ(flat(outcome.menu.items), c.bar);
    }

    const PreviewOutcome allMac = buildPreviewMenu(lines({"FM_MENUBAR ()", "{", "#IF_MAC", "FM_MENU ( \"A\" )", "{",
                                                          "}", "FM_MENU ( \"B\" )", "{", "}", "#END_IF", "}"}),
                                                   MenuKind::MainMenu);
    EXPECT_EQ(allMac.status, kParseOk);
    EXPECT_TRUE(allMac.menu.exists);
    EXPECT_EQ(flat(allMac.menu.items), "");
}

// What the callbacks built before the failure stays; a menu bar or a menu
// whose closing brace is missing is abandoned whole.
TEST(PreviewMenu, TextThatDoesNotParseKeepsWhatWasBuilt) {
    const struct {
        MenuKind kind;
        std::string code;
        bool exists;
        std::string items;
    } cases[] = {
        {MenuKind::MainMenu,
         lines({"FM_MENUBAR ()", "{", "FM_MENU ( \"A\" )", "{", "FM_MENUITEM ( FM_OPEN )", "}", "FM_MENU ( \"B\" )",
                "{", "FM_MENUITEM ( FM_NOPE )", "}", "}"}),
         true, "A(Open...)"},
        {MenuKind::MainMenu, lines({"FM_MENUBAR ()", "{", "FM_MENU ( \"A\" )", "{", "}"}), false, ""},
        {MenuKind::ContextMenu,
         lines({"FM_CONTEXTMENU ( )", "{", "FM_MENUITEMSEPARATOR ()", "FM_MENUITEM ( FM_OPEN, CTRL + \"O\" )",
                "FM_MENUITEM ( FM_NOPE )", "}"}),
         true, "-,Open...\tCtrl+O"},
        {MenuKind::PopupMenu, lines({"FM_POPUPMENU ( )", "{", "FM_MENUITEM ( FM_OPEN )"}), false, ""},
        {MenuKind::PopupMenu, lines({"FM_CONTEXTMENU ( )", "{", "}"}), false, ""},
    };
    for (const auto& c : cases) {
        const PreviewOutcome outcome = buildPreviewMenu(c.code, c.kind);
        EXPECT_NE(outcome.status, kParseOk) << c.code;
        EXPECT_EQ(outcome.menu.exists, c.exists) << c.code;
        EXPECT_EQ(flat(outcome.menu.items), c.items) << c.code;
    }
}

// The preview's explanation, and for a context or pop-up menu how its menu opens.
TEST(PreviewExplanation, EndsWithHowTheMenuOpens) {
    const std::string common =
        "This is a menu preview window.\nFileMaker scripts and FileMaker menu commands will not be triggered.\n"
        "Default keyboard shortcuts of FileMaker menu items\nare not shown in this preview menu.\n"
        "Local captions of FileMaker items will be shown in English.";
    EXPECT_EQ(previewExplanation(MenuKind::MainMenu), common);
    EXPECT_EQ(previewExplanation(MenuKind::ContextMenu), common + "\nRight-click to open menu.");
    EXPECT_EQ(previewExplanation(MenuKind::PopupMenu), common + "\nClick to open menu.");
}

}  // namespace
}  // namespace tessary
