// Items and their options: one item per row, in a context menu when it reads
// and in a main menu's menu when it does not (there the status is not hidden
// behind the context menu's "no menu made").
#include "parser_test_support.h"

namespace tessary {
namespace {

using parser_test::crlf;
using parser_test::quoted;

struct ItemCase {
    const char* item;
    const char* itemSpec;  // ITEMSPEC of the one AddItem, ' for "
};

const ItemCase kAcceptedItems[] = {
    // The command item of the writer's own examples, with every option it takes.
    {"FM_MENUITEM ( FM_OPEN, CTRL + \"O\", DiSaBlEd, String: \"x\" )",
     "platforms=7 kind=1 caption=none modifiers=1 key=79 enabled=0 userString='x' target=2 checkOn=0"},
    {"FM_MENUITEM ( \"Open file\", fm_open )",
     "platforms=7 kind=1 caption='Open file' modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0"},
    {"FM_MENUITEM(FM_CLOSE,Enable)",
     "platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=4 checkOn=0"},
    {"FM_MENUITEM ( FM_CLOSE , disable )",
     "platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=0 userString='' target=4 checkOn=0"},
    {"FM_MENUITEM ( FM_CLOSE, NONE )",
     "platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=4 checkOn=0"},
    // Once all options are seen, an empty place between commas reads as nothing.
    {"FM_MENUITEM ( FM_OPEN, Disabled, String:\"s\", NONE, , )",
     "platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=0 userString='s' target=2 checkOn=0"},
    // A caption without its closing quote leaves the keyword to be read after the quote.
    {"FM_MENUITEM ( \"FM_OPEN )",
     "platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"Print\", \"Print script\", Check-On )",
     "platforms=7 kind=2 caption='Print' modifiers=0 key=0 enabled=1 userString='' target='Print script' checkOn=1"},
    {"FM_MENUSCRIPTITEM ( \"\", \"\" )",
     "platforms=7 kind=2 caption='' modifiers=0 key=0 enabled=1 userString='' target='' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"a, (b) {c}\", \"FM_MENU\" )",
     "platforms=7 kind=2 caption='a, (b) {c}' modifiers=0 key=0 enabled=1 userString='' target='FM_MENU' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", String:\"u\", CHECK-ON, ENABLED, CTRL + \"1\" )",
     "platforms=7 kind=2 caption='P' modifiers=1 key=49 enabled=1 userString='u' target='S' checkOn=1"},
    // Shortcuts: Ctrl is implied except for F1-F12; a key that names nothing drops the modifiers.
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", \"A\" )",
     "platforms=7 kind=2 caption='P' modifiers=1 key=65 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", \"F5\" )",
     "platforms=7 kind=2 caption='P' modifiers=0 key=-18 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", ALT + \"F5\" )",
     "platforms=7 kind=2 caption='P' modifiers=2 key=-18 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", CTRL+ALT+\"f\" )",
     "platforms=7 kind=2 caption='P' modifiers=3 key=70 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", ALT + \"!\" )",
     "platforms=7 kind=2 caption='P' modifiers=0 key=0 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", \"RETURN\" )",
     "platforms=7 kind=2 caption='P' modifiers=1 key=-11 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", CTRL + CTRL + \"F12\" )",
     "platforms=7 kind=2 caption='P' modifiers=1 key=-25 enabled=1 userString='' target='S' checkOn=0"},
    {"FM_MENUITEMSEPARATOR()",
     "platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0"},
};

TEST(ParserItems, AcceptedItemsInAContextMenu) {
    for (const ItemCase& c : kAcceptedItems) {
        SCOPED_TRACE(c.item);
        const TraceResult r =
            TraceParse(MenuKind::ContextMenu, crlf(std::string("FM_CONTEXTMENU ( )|{|\t") + c.item + "|}"));
        EXPECT_EQ(quoted({"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1",
                          std::string("AddItem 1 ") + c.itemSpec + " -> 1", "status 0 line 5"}),
                  r.lines);
    }
}

struct RefusedItem {
    const char* item;
    uint32_t status;
};

const RefusedItem kRefusedItems[] = {
    {"FM_MENUITEM ( FM_OPEN, Check-On )", kParseMissingToken},  // CHECK-ON is for script items
    {"FM_MENUITEM ( FM_OPEN, CTRL + ALT + CTRL + \"A\" )", kParseMissingToken},
    {"FM_MENUITEM ( FM_OPEN, Disabled, Disabled )", kParseMissingToken},
    {"FM_MENUITEM ( \"Open\" FM_OPEN )", kParseMissingToken},
    {"FM_MENUITEM ( FM_OPEN, String: x )", kParseMissingToken},
    {"FM_MENUITEM ( FM_OPEN, CTRL \"O\" )", kParseMissingToken},
    {"FM_MENUITEMS ( FM_OPEN )", kParseMissingToken},
    {"FM_MENUSCRIPTITEM ( \"P\" )", kParseMissingToken},
    {"FM_MENUSCRIPTITEM ( P, \"S\" )", kParseMissingToken},
    {"FM_MENUITEMSEPARATOR ( x )", kParseMissingToken},
    {"FM_MACQUITITEM ( \"Quit\", \"Q\" )", kParseMissingToken},  // Mac items stand only in the application menu
    // An unknown key name is reported only when no other option is left to try there.
    {"FM_MENUITEM ( FM_OPEN, \"F13\" )", kParseMissingToken},
    {"FM_MENUITEM ( FM_OPEN, Disabled, String:\"s\", \"F13\" )", kParseUnknownKeyName},
    {"FM_MENUSCRIPTITEM ( \"P\", \"S\", Disabled, String:\"s\", Check-On, \"left\" )", kParseUnknownKeyName},
    {"FM_MENUITEM ( FM_OPEN, Disabled, String:\"s\", CTRL + NONE )", kParseMisplaced},
    {"FM_MENUITEM ( FM_NOPE )", kParseUnknownCommand},
    {"FM_MENUITEM ( )", kParseUnknownCommand},
    {"FM_MENUITEM ( FM_OPEN|\t\t)", kParseUnknownCommand},  // the line break is part of the keyword
    {"FM_MENUSCRIPTITEM ( \"P\", \"S )", kParseUnclosed},
};

TEST(ParserItems, RefusedItemsInAMainMenu) {
    for (const RefusedItem& c : kRefusedItems) {
        SCOPED_TRACE(c.item);
        const TraceResult r = TraceParse(
            MenuKind::MainMenu, crlf(std::string("FM_MENUBAR ()|{|\tFM_MENU ( \"M\" )|\t{|\t\t") + c.item + "|\t}|}|"));
        std::vector<std::string> expected = {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='M' fmMenuId=0 -> 2"};
        if (c.status == kParseMissingToken) {
            // The menu's and the menu bar's closing braces are then missing where reading stopped.
            expected.insert(expected.end(), {"DiscardMenu 2", "AbortMenuBar 1"});
        }
        expected.push_back("status " + std::to_string(c.status) + " line 5");
        EXPECT_EQ(quoted(expected), r.lines);
    }
}

// Pop-up menus take no shortcut on any item; a context menu takes them.
TEST(ParserItems, ShortcutsInPopupAndContextMenus) {
    const char* withShortcut[] = {
        "FM_MENUITEM ( FM_OPEN, CTRL + \"O\" )",
        "FM_MENUSCRIPTITEM ( \"P\", \"S\", \"F5\" )",
        "FM_MENUSCRIPTITEM ( \"P\", \"S\", NONE )",
    };
    for (const char* item : withShortcut) {
        SCOPED_TRACE(item);
        const std::string body = std::string("|{|\t") + item + "|}";
        const TraceResult popup = TraceParse(MenuKind::PopupMenu, crlf("FM_POPUPMENU ( )" + body));
        EXPECT_EQ(quoted({"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1", "DiscardMenu 1", "status 8 line 3"}),
                  popup.lines);
        const TraceResult context = TraceParse(MenuKind::ContextMenu, crlf("FM_CONTEXTMENU ( )" + body));
        EXPECT_EQ(0u, context.status);
        EXPECT_EQ(3u, context.lines.size());
    }
    const TraceResult plain =
        TraceParse(MenuKind::PopupMenu, crlf("FM_POPUPMENU ( )|{|\tFM_MENUSCRIPTITEM ( \"P\", \"S\", disabled, "
                                             "string:\"u\", check-on )|}"));
    EXPECT_EQ(quoted({"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1",
                      "AddItem 1 platforms=7 kind=2 caption='P' modifiers=0 key=0 enabled=0 userString='u' "
                      "target='S' checkOn=1 -> 1",
                      "status 0 line 5"}),
              plain.lines);
}

}  // namespace
}  // namespace tessary
