#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "documents/document_files.h"
#include "editor/fm_item_properties_rules.h"
#include "editor/menu_properties_rules.h"
#include "editor/platform_boxes.h"
#include "editor/script_properties_rules.h"
#include "editor/separator_properties_rules.h"
#include "editor/shortcut_controls.h"
#include "menucode/code_tree.h"
#include "model/lexicon.h"
#include "model/tree_flatten.h"
#include "resources/resource.h"

namespace tessary {
namespace {

constexpr unsigned kDetail = kFlattenKinds | kFlattenPlatforms;

// A main menu with the application menu holding both Mac items.
const char* kAppMenuBar =
    "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"Orders\" )\r\n\t{\r\n"
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Prefs\" )\r\n\t\tFM_MACQUITITEM ( \"Quit\", \"Quit\" )\r\n\t}\r\n"
    "\tFM_MENU ( \"File\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Print\", \"Print\", CTRL + \"S\" )\r\n"
    "#IF_WIN\r\n\t\tFM_MENUSCRIPTITEM ( \"Win\", \"Win\" )\r\n#END_IF\r\n\t}\r\n}\r\n";

void load(MenuTree& tree, const char* code, MenuKind kind = MenuKind::MainMenu) {
    tree.clearTree();
    ASSERT_EQ(LoadCodeIntoTree(tree, code, kind), LoadResult::accepted()) << code;
}

NodeHandle find(const MenuTree& tree, std::string_view caption) {
    for (NodeHandle n = tree.firstTopLevel(); n != kNoNode;) {
        if (tree.caption(n) == caption) {
            return n;
        }
        NodeHandle next = tree.firstChild(n);
        while (next == kNoNode && n != kNoNode && n != kRootNode) {
            next = tree.nextSibling(n);
            if (next == kNoNode) {
                n = tree.parent(n);
            }
        }
        if (n == kRootNode) {
            return kNoNode;
        }
        n = next;
    }
    return kNoNode;
}

int entryOf(std::string_view name) {
    for (int i = 0; i < kShortcutKeyListCount; ++i) {
        if (name == ShortcutKeyListAt(i)) {
            return i;
        }
    }
    return -1;
}

std::string messages(const OkChecks& checks) {
    std::string out;
    for (const OkCheck& check : checks) {
        out += (check.kind == OkCheck::Kind::Refusal ? "refuse " : "ask ") + std::to_string(check.messageId) + ";";
    }
    return out;
}

// The tree writes as menu code that loads back into the same tree.
void expectRoundTrip(const MenuTree& tree, MenuKind kind) {
    std::string code;
    ASSERT_TRUE(generateDocumentCode(tree, kind, code)) << flattenTree(tree, kDetail);
    MenuTree again;
    ASSERT_EQ(LoadCodeIntoTree(again, code, kind), LoadResult::accepted()) << code;
    EXPECT_EQ(flattenTree(again, kDetail), flattenTree(tree, kDetail)) << code;
}

TEST(PlatformBoxes, KeepAValidSetAfterEveryClick) {
    using B = PlatformBox;
    struct Case {
        PlatformMask before;
        B clicked;
        PlatformMask after;
    } cases[] = {
        {kPlatformMacX, B::MacX, kPlatformMacX},  // the only ticked box stays ticked
        {kPlatformWindows, B::Windows, kPlatformWindows},
        {kPlatformMacX, B::Windows, kPlatformAll},        // Windows with a Mac box ticks both
        {kPlatformAll, B::MacClassic, kPlatformWindows},  // unticking one Mac box leaves Windows alone
        {kPlatformAll, B::MacX, kPlatformWindows},
        {kPlatformWindows, B::MacClassic, kPlatformAll},
        {kPlatformAll, B::Windows, kPlatformMac},
        {kPlatformMac, B::MacClassic, kPlatformMacX},  // without Windows the Mac boxes are free
        {kPlatformMacClassic, B::MacX, kPlatformMac},
    };
    for (const Case& c : cases) {
        PlatformBoxes boxes(c.before);
        boxes.click(c.clicked);
        EXPECT_EQ(boxes.mask(), c.after) << c.before << " click " << static_cast<int>(c.clicked);
    }
}

const PlatformBoxes& boxesOf(const SeparatorPropertiesRules& rules) {
    return rules.platforms();
}
template <class Rules>
const PlatformBoxes& boxesOf(const Rules& rules) {
    return rules.view().platforms;
}

// An edit dialog shows the platforms and, confirmed without a change, raises no question.
template <class Rules>
void confirmUnchanged(std::optional<Rules> rules, PlatformMask shown, bool enabled, const char* caption) {
    ASSERT_TRUE(rules) << caption;
    EXPECT_EQ(boxesOf(*rules).mask(), shown) << caption;
    EXPECT_EQ(boxesOf(*rules).anyEnabled(), enabled) << caption;
    EXPECT_EQ(messages(rules->okChecks()), "") << caption;
    rules->apply();
}

// Every item dialog opened for editing shows the node's own platforms (a Mac
// system item MacOS X alone), and OK without a change leaves the code byte for
// byte as it was; the boxes are off below a parent that is not for all platforms.
TEST(ItemDialogs, EditingShowsAndKeepsTheNodesOwnPlatforms) {
    MenuTree tree;
    load(tree,
         "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"Orders\" )\r\n\t{\r\n"
         "#IF_MACCARBON\r\n\t\tFM_MENUSCRIPTITEM ( \"About\", \"About\" )\r\n\t\tFM_MENUITEM ( FM_UNDO )\r\n"
         "#END_IF\r\n#IF_MACCLASSIC\r\n\t\tFM_MENUITEMSEPARATOR ()\r\n#END_IF\r\n"
         "\t\tFM_MACQUITITEM ( \"Quit\", \"Quit\" )\r\n\t}\r\n"
         "\tFM_MENU ( \"File\" )\r\n\t{\r\n"
         "#IF_WIN\r\n\t\tFM_MENUSCRIPTITEM ( \"Win\", \"Win\" )\r\n#END_IF\r\n\t}\r\n}\r\n");
    std::string before;
    ASSERT_TRUE(generateDocumentCode(tree, MenuKind::MainMenu, before));
    const struct {
        const char* caption;
        PlatformMask shown;
        bool enabled;
    } cases[] = {
        {"Orders", kPlatformMac, false}, {"About", kPlatformMacX, false},
        {"Undo", kPlatformMacX, false},  {"-Separator-", kPlatformMacClassic, false},
        {"Quit", kPlatformMacX, false},  {"File", kPlatformAll, true},
        {"Win", kPlatformWindows, true},
    };
    for (const auto& c : cases) {
        const NodeHandle node = find(tree, c.caption);
        tree.selectNode(node);
        const MenuKind kind = MenuKind::MainMenu;
        switch (tree.getKind(node)) {
            case NodeKind::AppMenu:
            case NodeKind::Menu:
                confirmUnchanged(MenuPropertiesRules::forEdit(tree, kind, node), c.shown, c.enabled, c.caption);
                break;
            case NodeKind::FmItem:
                confirmUnchanged(FmItemPropertiesRules::forEdit(tree, kind, node), c.shown, c.enabled, c.caption);
                break;
            case NodeKind::Separator:
                confirmUnchanged(SeparatorPropertiesRules::forEdit(tree, kind, node), c.shown, c.enabled, c.caption);
                break;
            default:
                confirmUnchanged(ScriptPropertiesRules::forEdit(tree, kind, node), c.shown, c.enabled, c.caption);
        }
        std::string after;
        ASSERT_TRUE(generateDocumentCode(tree, MenuKind::MainMenu, after));
        EXPECT_EQ(after, before) << c.caption;
    }
}

TEST(ShortcutControls, KeysPastF12NeedAModifier) {
    const int a = entryOf("B");
    ShortcutControls keys = ShortcutControls::filled();
    keys.choose(a);
    EXPECT_EQ(keys.entry(), 0);  // back to "-none-"
    keys.choose(5);              // F5 is always choosable
    EXPECT_EQ(keys.entry(), 5);
    EXPECT_EQ(keys.value(), DisplayNameToVirtualKey("F5"));
    keys.setCtrl(true);
    keys.choose(a);
    EXPECT_EQ(keys.entry(), a);
    EXPECT_EQ(keys.value(), kShortcutCtrl | 'B');
    keys.setAlt(true);
    keys.setCtrl(false);
    EXPECT_EQ(keys.entry(), a);  // Alt still ticked
    keys.setAlt(false);
    EXPECT_EQ(keys.entry(), 0);
    EXPECT_EQ(keys.value(), 0);

    ShortcutControls stored = ShortcutControls::showing(kShortcutAlt | 'B');
    EXPECT_EQ(stored.entry(), a);
    EXPECT_TRUE(stored.alt());
    EXPECT_EQ(ShortcutControls::showing(0).entry(), ShortcutControls::kNoEntry);
    EXPECT_EQ(ShortcutControls::showing(0).value(), 0);
}

TEST(ScriptPropertiesRules, ShortcutsAreUniqueAmongScriptItemsOnly) {
    MenuTree tree;
    load(tree, kAppMenuBar);
    const uint16_t ctrlS = kShortcutCtrl | 'S';
    const int s = entryOf("S");

    // Editing the script that holds Ctrl+S without changing it is accepted.
    tree.selectNode(find(tree, "Print"));
    auto edit = ScriptPropertiesRules::forEdit(tree, MenuKind::MainMenu, find(tree, "Print"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->view().shortcut.value(), ctrlS);
    EXPECT_EQ(messages(edit->okChecks()), "");

    // A second script item may not take it.
    auto add = ScriptPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    ASSERT_TRUE(add);
    add->setName("Save");
    add->setScript("Save");
    add->tickCtrl(true);
    add->chooseKey(s);
    EXPECT_EQ(messages(add->okChecks()), "refuse " + std::to_string(IDS_SHORTCUT_USED) + ";");

    // A FileMaker item with Ctrl+S is refused next to the script, but two FileMaker items may share it.
    auto fm = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    ASSERT_TRUE(fm);
    fm->setKeyword("FM_SAVE_COPY");
    fm->tickCtrl(true);
    fm->chooseKey(s);
    EXPECT_EQ(messages(fm->okChecks()), "refuse " + std::to_string(IDS_SHORTCUT_USED) + ";");
    tree.setShortcut(find(tree, "Print"), 0);
    fm->apply();
    auto second = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    second->setKeyword("FM_OPEN");
    second->tickCtrl(true);
    second->chooseKey(s);
    EXPECT_EQ(messages(second->okChecks()), "");
}

TEST(ItemDialogs, NewNodesInTheApplicationMenuStayAboveTheMacItems) {
    MenuTree tree;
    load(tree, kAppMenuBar);
    tree.selectNode(find(tree, "Quit"));  // a Mac item selected: its menu is the parent
    auto script = ScriptPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->view().platforms.mask(), kPlatformMac);
    script->setName("About");
    script->setScript("About");
    script->apply();
    auto menu = MenuPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    menu->setName("Services");
    menu->apply();
    auto separator = SeparatorPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    separator->apply();
    EXPECT_EQ(flattenSubtree(tree, find(tree, "Orders")), "Orders[About,Preferences...,Services,-Separator-,Quit]");
    expectRoundTrip(tree, MenuKind::MainMenu);

    // The taken Mac items are grey for every other script node.
    tree.selectNode(find(tree, "About"));
    auto about = ScriptPropertiesRules::forEdit(tree, MenuKind::MainMenu, find(tree, "About"));
    EXPECT_TRUE(about->view().macItemGrey[1] && about->view().macItemGrey[2]);
    about->chooseMacItem(MacSystemItem::Quit);
    EXPECT_EQ(about->view().macItem, MacSystemItem::None);
    auto quit = ScriptPropertiesRules::forEdit(tree, MenuKind::MainMenu, find(tree, "Quit"));
    EXPECT_FALSE(quit->view().macItemGrey[1]);
    EXPECT_TRUE(quit->view().macItemGrey[2]);
}

TEST(MenuPropertiesRules, AMenuMadeTheApplicationMenuLosesWindowsOnlyItemsAndMovesFirst) {
    MenuTree tree;
    load(tree,
         "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n\tFM_MENU ( \"Tools\" )\r\n\t{\r\n"
         "\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\" )\r\n#IF_WIN\r\n\t\tFM_MENUSCRIPTITEM ( \"Win\", \"Win\" )\r\n"
         "#END_IF\r\n\t}\r\n}\r\n");
    const NodeHandle tools = find(tree, "Tools");
    auto rules = MenuPropertiesRules::forEdit(tree, MenuKind::MainMenu, tools);
    ASSERT_TRUE(rules);
    ASSERT_TRUE(rules->view().appMenuEnabled);
    rules->tickAppMenu(true);
    EXPECT_FALSE(rules->view().platforms.anyEnabled());
    EXPECT_EQ(messages(rules->okChecks()), "ask " + std::to_string(IDS_WINDOWS_ONLY_ITEMS) + ";");
    rules->apply();
    EXPECT_EQ(flattenTree(tree, kDetail), "Tools{AppMenu 6}[Run{ScriptItem 6}],File{Menu 7}");
    expectRoundTrip(tree, MenuKind::MainMenu);
}

TEST(MenuPropertiesRules, PlatformChangesAskBeforeReachingChildren) {
    MenuTree tree;
    load(tree,
         "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n"
         "\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\" )\r\n\t}\r\n}\r\n");
    auto rules = MenuPropertiesRules::forEdit(tree, MenuKind::MainMenu, find(tree, "File"));
    rules->clickPlatform(PlatformBox::Windows);  // all three -> both Mac platforms
    rules->setName("Datei");
    EXPECT_EQ(messages(rules->okChecks()), "ask " + std::to_string(IDS_PLATFORMS_TO_SUBITEMS) + ";");
    rules->apply();
    EXPECT_EQ(flattenTree(tree, kDetail), "Datei{Menu 6}[Run{ScriptItem 6}]");
    expectRoundTrip(tree, MenuKind::MainMenu);
}

TEST(FmItemPropertiesRules, DynamicListsAndStandardMenusKeepFileMakersCaptions) {
    MenuTree tree;
    load(tree, "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n");
    tree.selectNode(find(tree, "File"));
    auto recent = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    recent->takeChosenCommand("FM_RECENT_FILES", "Recent Files");
    EXPECT_FALSE(recent->view().nameShown);
    EXPECT_EQ(recent->view().severalItemsText, "Recent Files\nWill be represented by several items in FileMaker.");
    EXPECT_FALSE(recent->view().shortcut.enabled());
    recent->apply();

    // A standard menu with its items, Windows unticked: the copies lose the Windows bit.
    MenuTree standard;
    load(standard,
         "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( FM_MENU_EDIT )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_UNDO )\r\n"
         "\t\tFM_MENUITEMSEPARATOR ()\r\n\t\tFM_MENUITEM ( FM_COPY )\r\n\t}\r\n}\r\n");
    tree.selectNode(kNoNode);
    auto edit = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    edit->takeChosenMenu("FM_MENU_EDIT", &standard, standard.firstTopLevel());
    EXPECT_FALSE(edit->view().enabledEnabled);
    edit->clickPlatform(PlatformBox::Windows);
    edit->apply();
    EXPECT_EQ(flattenTree(tree, kDetail),
              "File{Menu 7}[Recent Files{FmItem 7}],"
              "Edit{Menu 6}[Undo{FmItem 6},-Separator-{Separator 6},Copy{FmItem 6}]");
    const NodeHandle recentNode = find(tree, "Recent Files");
    EXPECT_EQ(tree.getUseLocalCaption(recentNode), 1);
    EXPECT_EQ(tree.getUseLocalCaption(find(tree, "Copy")), 1);
    expectRoundTrip(tree, MenuKind::MainMenu);
}

TEST(ItemDialogs, RefuseWhatMenuCodeCouldNotReadBack) {
    MenuTree tree;
    load(tree, kAppMenuBar);
    tree.selectNode(find(tree, "File"));
    auto script = ScriptPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    script->setName("Say \"hi\"");
    script->setScript("a\"b");
    script->setUserString("\"");
    EXPECT_EQ(messages(script->okChecks()), "refuse " + std::to_string(IDS_QUOTE_IN_NAME) + ";refuse " +
                                                std::to_string(IDS_QUOTE_IN_SCRIPT) + ";refuse " +
                                                std::to_string(IDS_QUOTE_IN_USER_STRING) + ";");
    auto menu = MenuPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    menu->setName("\"");
    EXPECT_EQ(messages(menu->okChecks()), "refuse " + std::to_string(IDS_QUOTE_IN_NAME) + ";");

    // Ctrl puts FileMaker items and separators at the top level, which a menu bar refuses.
    auto fm = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    fm->setKeyword("FM_OPEN");
    EXPECT_EQ(messages(fm->okChecks()), "");
    fm->setCtrlHeld(true);
    EXPECT_EQ(messages(fm->okChecks()), "refuse " + std::to_string(IDS_MENU_BAR_HOLDS_MENUS) + ";");
    auto separator = SeparatorPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    separator->setCtrlHeld(true);
    EXPECT_EQ(messages(separator->okChecks()), "refuse " + std::to_string(IDS_MENU_BAR_HOLDS_MENUS) + ";");

    // Nothing selected in a menu bar: the script and separator dialogs do not open.
    tree.selectNode(kNoNode);
    EXPECT_FALSE(ScriptPropertiesRules::forAdd(tree, MenuKind::MainMenu));
    EXPECT_FALSE(SeparatorPropertiesRules::forAdd(tree, MenuKind::MainMenu));
    EXPECT_TRUE(ScriptPropertiesRules::forAdd(tree, MenuKind::ContextMenu));
    // And a dialog opens only on a node of its own kind.
    EXPECT_FALSE(SeparatorPropertiesRules::forEdit(tree, MenuKind::MainMenu, find(tree, "File")));
    EXPECT_FALSE(MenuPropertiesRules::forEdit(tree, MenuKind::MainMenu, find(tree, "Print")));
}

}  // namespace
}  // namespace tessary
