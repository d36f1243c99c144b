// Whole texts in, the callback trace, status and line out.
#include "parser_test_support.h"

namespace tessary {
namespace {

using parser_test::runTraceCase;
using parser_test::TraceCase;

constexpr MenuKind kMain = MenuKind::MainMenu;
constexpr MenuKind kContext = MenuKind::ContextMenu;
constexpr MenuKind kPopup = MenuKind::PopupMenu;

// Tables keep one case per row group; the formatter would put every field on its own line.
// clang-format off
// The top level: which kind the text is, what may stand before it, the menu bar's own text.
const TraceCase kTopLevelCases[] = {
    {"empty context menu", kContext, 7, "FM_CONTEXTMENU ( )|{|}",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1", "status 0 line 4"}},
    {"context menu given to the pop-up reader", kPopup, 7, "FM_CONTEXTMENU ( )|{|}", {"status 18 line 1"}},
    {"context menu given to the main reader", kMain, 7, "FM_CONTEXTMENU ( )|{|}", {"status 18 line 1"}},
    {"pop-up menu given to the context reader", kContext, 7, "||FM_POPUPMENU ( )|{|}", {"status 18 line 1"}},
    {"main menu given to the pop-up reader", kPopup, 7, "FM_MENUBAR ()|{|}", {"status 18 line 1"}},
    {"empty pop-up menu", kPopup, 7, "FM_POPUPMENU()|{}",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1", "status 0 line 3"}},
    {"blank lines before the keyword", kMain, 7, "||  FM_MENUBAR ()|{|}|", {"BeginMenuBar -> 1", "status 0 line 4"}},
    {"everything on one line", kMain, 7, "FM_MENUBAR(){}", {"BeginMenuBar -> 1", "status 0 line 2"}},
    {"the menu bar's own text is ignored", kMain, 7, "FM_MENUBAR ( \"Main\" )|{|}|",
     {"BeginMenuBar -> 1", "status 0 line 4"}},
    {"a directive on the first line is not read", kMain, 7, "#IF_WIN|FM_MENUBAR ()|{|}|#END_IF|",
     {"status 1 line 1"}},
    {"text without a menu keyword", kMain, 7, "|FM_MENU ( 'x' )|{|}", {"status 1 line 1"}},
    {"only white space", kContext, 7, "| \t |", {"status 1 line 1"}},
    {"empty text", kPopup, 7, "", {"status 7 line 1"}},
    {"quoted text in the context menu's parentheses", kContext, 7, "FM_CONTEXTMENU ( \"x\" )|{|}",
     {"status 8 line 1"}},
    {"quoted text in the pop-up menu's parentheses", kPopup, 7, "FM_POPUPMENU ( \"x\" )|{|}",
     {"status 8 line 1"}},
    {"no platform requested: the context menu is never begun", kContext, 0, "FM_CONTEXTMENU ( )|{|}",
     {"status 8 line 4"}},
    {"context menu without its closing brace", kContext, 7,
     "FM_CONTEXTMENU ( )|{|\tFM_MENUITEMSEPARATOR ()|",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1",
      "AddItem 1 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "DiscardMenu 1", "status 8 line 4"}},
    {"text after the context menu is not read", kContext, 7, "FM_CONTEXTMENU ( )|{|}|garbage",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1", "status 0 line 3"}},
};

// The forms of FM_MENU inside a menu bar, nesting, and what a missing brace does.
const TraceCase kMenuCases[] = {
    {"keyword alone", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( FM_MENU_FILE )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption=none fmMenuId=1 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption=none fmMenuId=1 -> 1", "status 0 line 7"}},
    {"caption alone", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"Tools\" )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='Tools' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption='Tools' fmMenuId=0 -> 1", "status 0 line 7"}},
    {"caption and lower-case keyword", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"File\" , fm_menu_file )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='File' fmMenuId=1 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption='File' fmMenuId=1 -> 1", "status 0 line 7"}},
    {"blanks and tabs after the keyword are cut", kMain, 7, "FM_MENUBAR(){FM_MENU(FM_MENU_EDIT \t ){}}",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption=none fmMenuId=5 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption=none fmMenuId=5 -> 1", "status 0 line 2"}},
    {"empty caption", kMain, 7, "FM_MENUBAR(){FM_MENU(\"\"){}}",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption='' fmMenuId=0 -> 1", "status 0 line 2"}},
    {"empty parentheses", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "status 17 line 3"}},
    {"unknown menu keyword", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"F\", FM_MENU_FIEL )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "status 17 line 3"}},
    {"line break after the menu keyword", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( FM_MENU_FILE|\t)|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "status 17 line 3"}},
    {"caption without closing quote", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"File )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "status 2 line 3"}},
    {"submenu with separator", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_MENU ( \"File\" )|\t{|\t\tFM_MENU ( \"Recent\" , FM_MENU_OPEN_RECENT )|\t\t{|"
     "\t\t\tFM_MENUITEMSEPARATOR ()|\t\t}|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='File' fmMenuId=0 -> 2",
      "BeginMenu platforms=7 caption='Recent' fmMenuId=25 -> 3",
      "AddItem 3 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "AttachSubmenu 2 3 platforms=7 caption='Recent' fmMenuId=25 -> 1",
      "AttachMenuToBar 1 2 platforms=7 caption='File' fmMenuId=0 -> 1", "status 0 line 11"}},
    {"missing final brace of the menu bar", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption='A' fmMenuId=0 -> 1", "AbortMenuBar 1", "status 1 line 6"}},
    {"missing brace of a menu", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUITEMSEPARATOR ()|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AddItem 2 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "DiscardMenu 2", "AbortMenuBar 1", "status 1 line 6"}},
    // A menu whose header fails with a missing token only ends the menu bar's loop.
    {"unfinished menu header before the final brace", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\"|}|",
     {"BeginMenuBar -> 1", "status 0 line 5"}},
    {"application menu after a menu", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t}|\tFM_APPMENU ( \"X\" )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption='A' fmMenuId=0 -> 1", "AbortMenuBar 1", "status 1 line 6"}},
    {"item directly in the menu bar", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENUITEM ( FM_OPEN )|}|",
     {"BeginMenuBar -> 1", "AbortMenuBar 1", "status 1 line 3"}},
};

// Platform lines: which constructs are reported for the requested platforms, and the block errors.
const std::string kTwoBlocks =
    "FM_MENUBAR ()|{|\tFM_MENU ( \"File\" )|\t{|#IF_WIN|\t\tFM_MENUITEM ( FM_OPEN )|#END_IF|#IF_MAC|"
    "\t\tFM_MENUITEM ( FM_CLOSE )|#END_IF|\t}|}|";
const std::string kMacMenu =
    "FM_MENUBAR ()|{|#IF_MAC|\tFM_MENU ( \"Mac\" )|\t{|\t\tFM_MENUITEM ( FM_OPEN )|\t}|#END_IF|"
    "\tFM_MENU ( \"All\" )|\t{|\t}|}|";

const TraceCase kDirectiveCases[] = {
    {"Windows block, Windows requested", kMain, 1, kTwoBlocks,
     {"BeginMenuBar -> 1", "BeginMenu platforms=1 caption='File' fmMenuId=0 -> 2",
      "AddItem 2 platforms=1 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0 -> 1",
      "AttachMenuToBar 1 2 platforms=1 caption='File' fmMenuId=0 -> 1", "status 0 line 13"}},
    {"Windows block, Mac requested", kMain, 6, kTwoBlocks,
     {"BeginMenuBar -> 1", "BeginMenu platforms=6 caption='File' fmMenuId=0 -> 2",
      "AddItem 2 platforms=6 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=4 checkOn=0 -> 1",
      "AttachMenuToBar 1 2 platforms=6 caption='File' fmMenuId=0 -> 1", "status 0 line 13"}},
    {"both blocks, all requested", kMain, 7, kTwoBlocks,
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='File' fmMenuId=0 -> 2",
      "AddItem 2 platforms=1 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0 -> 1",
      "AddItem 2 platforms=6 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=4 checkOn=0 -> 1",
      "AttachMenuToBar 1 2 platforms=7 caption='File' fmMenuId=0 -> 1", "status 0 line 13"}},
    {"menu for platforms not requested is read, not reported", kMain, 1, kMacMenu,
     {"BeginMenuBar -> 1", "BeginMenu platforms=1 caption='All' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=1 caption='All' fmMenuId=0 -> 1", "status 0 line 13"}},
    {"menu for requested platforms", kMain, 2, kMacMenu,
     {"BeginMenuBar -> 1", "BeginMenu platforms=2 caption='Mac' fmMenuId=0 -> 2",
      "AddItem 2 platforms=2 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0 -> 1",
      "AttachMenuToBar 1 2 platforms=2 caption='Mac' fmMenuId=0 -> 1",
      "BeginMenu platforms=2 caption='All' fmMenuId=0 -> 3",
      "AttachMenuToBar 1 3 platforms=2 caption='All' fmMenuId=0 -> 1", "status 0 line 13"}},
    {"block right after the context menu's brace", kContext, 7,
     "FM_CONTEXTMENU ( )|{|#IF_MACCARBON|\tFM_MENUITEMSEPARATOR ()|#END_IF|#IF_MACCLASSIC|"
     "\tFM_MENUITEMSEPARATOR ()|#END_IF|}",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1",
      "AddItem 1 platforms=4 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "AddItem 1 platforms=2 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "status 0 line 10"}},
    // An #IF inside a block leaves the block open, and the open block is what the top level reports.
    {"#IF inside a block", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|#IF_WIN|#IF_MAC|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "status 2 line 6"}},
    {"#END_IF outside a block", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|#END_IF|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "status 3 line 5"}},
    {"block still open at the end", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|#IF_WIN|\t\tFM_MENUITEM ( FM_OPEN )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AddItem 2 platforms=1 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0 -> 1",
      "AttachMenuToBar 1 2 platforms=7 caption='A' fmMenuId=0 -> 1", "status 2 line 9"}},
    {"#END_IF after the final brace ending the text", kMain, 7,
     "FM_MENUBAR ()|{|#IF_WIN|\tFM_MENU ( \"W\" )|\t{|\t}|}|#END_IF",
     {"BeginMenuBar -> 1", "BeginMenu platforms=1 caption='W' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=1 caption='W' fmMenuId=0 -> 1", "status 1 line 9"}},
    {"#END_IF after the final brace with its line break", kMain, 7,
     "FM_MENUBAR ()|{|#IF_WIN|\tFM_MENU ( \"W\" )|\t{|\t}|}|#END_IF \t|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=1 caption='W' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=1 caption='W' fmMenuId=0 -> 1", "status 0 line 8"}},
    {"text after the directive line is not read", kMain, 7, "FM_MENUBAR (){}|#IF_WIN|#END_IF|garbage",
     {"BeginMenuBar -> 1", "status 2 line 2"}},
    {"directive followed by more on its line", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|#IF_WIN x|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "AbortMenuBar 1",
      "status 2 line 5"}},
    {"a third directive line in a row is not read", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUITEMSEPARATOR ()|#IF_WIN|#END_IF|#IF_MAC|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AddItem 2 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "DiscardMenu 2", "AbortMenuBar 1", "status 1 line 8"}},
    {"directive on a construct's line", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUITEMSEPARATOR () #IF_WIN|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AddItem 2 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "DiscardMenu 2", "AbortMenuBar 1", "status 1 line 5"}},
};

// Lines count the non-empty lines only, whatever mix of CR and LF separates them.
const TraceCase kLineCases[] = {
    {"error on the fifth line after two blank lines", kMain, 7,
     "||FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUITEM ( FM_BOGUS )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "status 16 line 5"}},
    {"blank lines between, bare CR and LF", kMain, 7,
     "FM_MENUBAR ()\r\r\n\n{\n\n\tFM_MENU ( \"A\" )\r\r\t{||\t\tFM_MENUITEM ( FM_BOGUS )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "status 16 line 5"}},
    {"a line of blanks counts", kMain, 7,
     "FM_MENUBAR ()| \t |{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUITEM ( FM_BOGUS )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "status 16 line 6"}},
};

// The application menu, its retry loop, and running without slots 8 and 9.
const std::string kAppMenu =
    "FM_MENUBAR ()|{|\tFM_APPMENU ( \"FileMaker Pro\" )|\t{|"
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Prefs\", Disabled )|\t\tFM_MENUITEMSEPARATOR ()|"
    "\t\tFM_MENU ( \"Services\" )|\t\t{|\t\t}|"
    "\t\tFM_MACQUITITEM ( \"Quit\", \"Quit script\" )|\t}|"
    "\tFM_MENU ( \"File\" , FM_MENU_FILE )|\t{|\t\tFM_MENUITEM ( FM_OPEN )|\t}|}|";
// The quit item lacks its comma and stops before the separator keyword.
const std::string kRecovering = "FM_MENUBAR ()|{|\tFM_APPLEMENU ( )|\t{|\t\tFM_MACQUITITEM ( \"Quit\" FM_MENUITEMSEPARATOR ()|\t}|}|";
// The command item stops before the separator keyword, which FM_MENU matches first.
const std::string kUncounted = "FM_MENUBAR ()|{|\tFM_APPMENU ( )|\t{|\t\tFM_MENUITEM ( \"Cap\" FM_MENUITEMSEPARATOR ()|\t}|}|";

const TraceCase kAppMenuCases[] = {
    {"application menu with every kind of entry", kMain, 7, kAppMenu,
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2",
      "AddItem 2 platforms=7 kind=5 caption='Preferences...' modifiers=0 key=0 enabled=0 userString=none "
      "target='Prefs' checkOn=0 -> 1",
      "AddItem 2 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "BeginMenu platforms=7 caption='Services' fmMenuId=0 -> 3",
      "AttachSubmenu 2 3 platforms=7 caption='Services' fmMenuId=0 -> 1",
      "AddItem 2 platforms=7 kind=4 caption='Quit' modifiers=0 key=0 enabled=1 userString=none "
      "target='Quit script' checkOn=0 -> 1",
      "NameAppMenu 1 2 'FileMaker Pro' -> 1", "BeginMenu platforms=7 caption='File' fmMenuId=1 -> 4",
      "AddItem 4 platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=1 userString='' target=2 checkOn=0 -> 1",
      "AttachMenuToBar 1 4 platforms=7 caption='File' fmMenuId=1 -> 1", "status 0 line 17"}},
    {"failing entry followed by a keyword is passed over", kMain, 7, kRecovering,
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2",
      "AddItem 2 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "NameAppMenu 1 2 '' -> 1", "status 0 line 8"}},
    {"failing entry before no keyword", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_APPMENU ( )|\t{|\t\tFM_MACQUITITEM ( \"Quit\" )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2", "DiscardMenu 2", "status 1 line 5"}},
    {"failure inside is not counted without slots 8 and 9", kMain, 7, kUncounted,
     {"BeginMenuBar -> 1",
      "AddItem 0 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "status 0 line 8"},
     {.appMenuSlots = false}},
    {"the same failure with slots 8 and 9", kMain, 7, kUncounted,
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2", "DiscardMenu 2", "status 1 line 5"}},
    {"shortcut on a Mac item", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_APPMENU ( )|\t{|\t\tFM_MACPREFERENCES ( \"P\", \"S\", CTRL + \"P\" )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2", "DiscardMenu 2", "status 1 line 5"}},
    {"Mac item takes one enable word, then anything between commas", kMain, 7,
     "FM_MENUBAR(){FM_APPMENU(){FM_MACQUITITEM(\"Q\",\"S\",enable,,)}}",
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2",
      "AddItem 2 platforms=7 kind=4 caption='Q' modifiers=0 key=0 enabled=1 userString=none target='S' checkOn=0 -> 1",
      "NameAppMenu 1 2 '' -> 1", "status 0 line 2"}},
    {"Mac items outside the application menu", kContext, 7, "FM_CONTEXTMENU ( )|{|\tFM_MACQUITITEM ( \"Q\", \"S\" )|}",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 1", "DiscardMenu 1", "status 8 line 3"}},
};

// Callbacks that refuse: 11 inside a main menu; at the top of a context menu the missing menu gives 8.
const std::string kSubmenu =
    "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENU ( \"B\" )|\t\t{|\t\t\tFM_MENUITEMSEPARATOR ()|\t\t}|\t}|}|";

const TraceCase kRefusalCases[] = {
    {"BeginMenuBar refuses", kMain, 7, kSubmenu, {"BeginMenuBar -> 0", "status 8 line 3"}, {.refuse = "BeginMenuBar"}},
    {"BeginMenu refuses in a menu bar", kMain, 7, kSubmenu,
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "BeginMenu platforms=7 caption='B' fmMenuId=0 -> 0", "status 11 line 6"},
     {.refuse = "BeginMenu", .refuseAt = 2}},
    {"AddItem refuses", kMain, 7, kSubmenu,
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "BeginMenu platforms=7 caption='B' fmMenuId=0 -> 3",
      "AddItem 3 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 0",
      "status 11 line 7"},
     {.refuse = "AddItem"}},
    {"AttachSubmenu refuses", kMain, 7, kSubmenu,
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "BeginMenu platforms=7 caption='B' fmMenuId=0 -> 3",
      "AddItem 3 platforms=7 kind=3 caption=none modifiers=0 key=0 enabled=1 userString=none target=0 checkOn=0 -> 1",
      "AttachSubmenu 2 3 platforms=7 caption='B' fmMenuId=0 -> 0", "DiscardMenu 3", "status 11 line 8"},
     {.refuse = "AttachSubmenu"}},
    {"AttachMenuToBar refuses", kMain, 7, "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2",
      "AttachMenuToBar 1 2 platforms=7 caption='A' fmMenuId=0 -> 0", "DiscardMenu 2", "status 11 line 5"},
     {.refuse = "AttachMenuToBar"}},
    {"BeginAppMenu refuses", kMain, 7, "FM_MENUBAR ()|{|\tFM_APPMENU ( \"X\" )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginAppMenu -> 0", "status 11 line 4"}, {.refuse = "BeginAppMenu"}},
    {"NameAppMenu refuses", kMain, 7, "FM_MENUBAR ()|{|\tFM_APPMENU ( \"X\" )|\t{|\t}|}|",
     {"BeginMenuBar -> 1", "BeginAppMenu -> 2", "NameAppMenu 1 2 'X' -> 0", "DiscardMenu 2", "status 11 line 5"},
     {.refuse = "NameAppMenu"}},
    {"BeginMenu refuses the context menu", kContext, 7, "FM_CONTEXTMENU ( )|{|}",
     {"BeginMenu platforms=7 caption=none fmMenuId=0 -> 0", "status 8 line 2"}, {.refuse = "BeginMenu"}},
    {"script items forbidden", kMain, 7,
     "FM_MENUBAR ()|{|\tFM_MENU ( \"A\" )|\t{|\t\tFM_MENUSCRIPTITEM ( \"P\", \"S\" )|\t}|}|",
     {"BeginMenuBar -> 1", "BeginMenu platforms=7 caption='A' fmMenuId=0 -> 2", "status 15 line 5"}, {}, true},
};

// clang-format on

class ParserTraceTest : public ::testing::TestWithParam<TraceCase> {};

TEST_P(ParserTraceTest, TraceStatusAndLine) {
    parser_test::runTraceCase(GetParam());
}

std::string caseName(const ::testing::TestParamInfo<TraceCase>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (const char* p = info.param.name; *p; ++p) {
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(TopLevel, ParserTraceTest, ::testing::ValuesIn(kTopLevelCases), caseName);
INSTANTIATE_TEST_SUITE_P(Menus, ParserTraceTest, ::testing::ValuesIn(kMenuCases), caseName);
INSTANTIATE_TEST_SUITE_P(Directives, ParserTraceTest, ::testing::ValuesIn(kDirectiveCases), caseName);
INSTANTIATE_TEST_SUITE_P(Lines, ParserTraceTest, ::testing::ValuesIn(kLineCases), caseName);
INSTANTIATE_TEST_SUITE_P(AppMenu, ParserTraceTest, ::testing::ValuesIn(kAppMenuCases), caseName);
INSTANTIATE_TEST_SUITE_P(Refusals, ParserTraceTest, ::testing::ValuesIn(kRefusalCases), caseName);

}  // namespace
}  // namespace tessary
