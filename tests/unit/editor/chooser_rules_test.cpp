#include <gtest/gtest.h>

#include <string>

#include "documents/document_fakes.h"
#include "editor/script_chooser_rules.h"
#include "editor/standard_menu_chooser_rules.h"
#include "menucode/code_tree.h"
#include "model/tree_flatten.h"

namespace tessary {
namespace {

constexpr const char* kStandard = "C:\\Tessary\\Templates\\FileMaker Menus\\";
constexpr const char* kStandardMenu =
    "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( FM_MENU_EDIT )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_UNDO )\r\n"
    "\t\tFM_MENUITEM ( FM_RECENT_FILES )\r\n\t\tFM_MENU ( \"Custom\" )\r\n\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n";

TEST(ScriptChooserRules, OkHandsTheSelectedScriptToScriptProperties) {
    MenuTree tree;
    ASSERT_EQ(LoadCodeIntoTree(tree, "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n", MenuKind::ContextMenu), kLoadAccepted);
    auto owner = ScriptPropertiesRules::forAdd(tree, MenuKind::ContextMenu);
    ScriptChooserRules chooser(*owner);
    PluginAnswer answer;
    answer.take("Print\nExport\n");
    chooser.fill(answer);
    EXPECT_EQ(chooser.rows(), (std::vector<std::string>{"Print", "Export"}));
    EXPECT_FALSE(chooser.ok());  // nothing selected
    chooser.select("Export");
    ASSERT_TRUE(chooser.ok());
    EXPECT_EQ(owner->view().script, "Export");
    EXPECT_EQ(owner->view().name, "Export");  // the empty name takes it too
    chooser.select("Print");
    chooser.ok();
    EXPECT_EQ(owner->view().script, "Print");
    EXPECT_EQ(owner->view().name, "Export");
}

class StandardMenuChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"FileMaker 8.5,Find.qxtf", "FileMaker 8,Layout.qxtf", "FileMaker 8,Browse.qxtf",
                                 "filemaker 10,Browse.qxtf"}) {
            files.add(std::string(kStandard) + name, kStandardMenu);
        }
        ASSERT_EQ(LoadCodeIntoTree(tree, "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n",
                                   MenuKind::MainMenu),
                  kLoadAccepted);
    }

    std::string modes(const StandardMenuChooserRules& chooser) {
        std::string out;
        for (const std::string& mode : chooser.modes()) {
            out += mode + ";";
        }
        return out;
    }

    NodeHandle find(StandardMenuChooserRules& chooser, std::string_view caption) {
        MenuTree& t = chooser.tree();
        const NodeHandle edit = t.firstTopLevel();
        if (t.caption(edit) == caption) {
            return edit;
        }
        for (NodeHandle n = t.firstChild(edit); n != kNoNode; n = t.nextSibling(n)) {
            if (t.caption(n) == caption) {
                return n;
            }
        }
        return kNoNode;
    }

    test::FakeFiles files;
    MemorySettingsStore settings;
    MenuTree tree;
};

TEST_F(StandardMenuChooserTest, VersionsAndModesAreSortedAndRemembered) {
    settings.settings[kSettingChooseFmMode] = 1;
    auto owner = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    StandardMenuChooserRules chooser(files, settings, *owner);
    chooser.open();
    ASSERT_EQ(chooser.versions(), (std::vector<std::string>{"filemaker 10", "FileMaker 8", "FileMaker 8.5"}));
    EXPECT_EQ(chooser.versionIndex(), 0);
    EXPECT_EQ(chooser.tree().nodeCount(), 4u);

    // The second version: its own modes only, the first chosen and stored.
    chooser.chooseVersion(1);
    EXPECT_EQ(modes(chooser), "Browse;Layout;");
    EXPECT_EQ(chooser.modeIndex(), 0);
    EXPECT_EQ(settings.settings[kSettingChooseFmVersion], 1u);
    EXPECT_EQ(settings.settings[kSettingChooseFmMode], 0u);
    chooser.chooseMode(1);
    EXPECT_EQ(settings.settings[kSettingChooseFmMode], 1u);
    EXPECT_FALSE(chooser.tree().isExpanded(chooser.tree().firstTopLevel()));  // loaded collapsed

    // A stored version beyond the list chooses nothing; an unreadable mode file leaves the tree empty.
    settings.settings[kSettingChooseFmVersion] = 3;
    StandardMenuChooserRules beyond(files, settings, *owner);
    beyond.open();
    EXPECT_EQ(beyond.versionIndex(), -1);
    EXPECT_EQ(modes(beyond), "");
    files.files.erase(std::string(kStandard) + "FileMaker 8.5,Find.qxtf");
    beyond.chooseVersion(2);
    EXPECT_TRUE(beyond.tree().empty());
    EXPECT_FALSE(beyond.okEnabled());
}

TEST_F(StandardMenuChooserTest, OkTakesKnownCommandsWhereAllowedAndKnownMenus) {
    // Nothing selected in a menu bar: a command may not stand at its top level.
    auto topLevel = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    StandardMenuChooserRules chooser(files, settings, *topLevel);
    chooser.open();
    struct Case {
        const char* caption;
        bool okAtTopLevel;
    } cases[] = {{"Undo", false}, {"Edit", true}, {"Custom", false}};  // a menu with no FileMaker id is no pick
    for (const Case& c : cases) {
        chooser.select(find(chooser, c.caption));
        EXPECT_EQ(chooser.okEnabled(), c.okAtTopLevel) << c.caption;
    }
    chooser.select(kNoNode);
    EXPECT_EQ(chooser.ok(), StandardMenuChooserRules::Pick::Nothing);

    tree.selectNode(tree.firstTopLevel());
    auto inFile = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    StandardMenuChooserRules commands(files, settings, *inFile);
    commands.open();
    commands.select(find(commands, "Recent Files"));
    ASSERT_EQ(commands.ok(), StandardMenuChooserRules::Pick::Command);
    EXPECT_EQ(inFile->view().keyword, "FM_RECENT_FILES");
    EXPECT_TRUE(inFile->view().severalItemsShown);
    EXPECT_FALSE(commands.heldByOwner());
}

TEST_F(StandardMenuChooserTest, TheTreeLivesWhileTheOwnerHoldsAChosenMenu) {
    tree.selectNode(tree.firstTopLevel());
    auto owner = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    StandardMenuChooserRules chooser(files, settings, *owner);
    chooser.open();
    std::weak_ptr<MenuTree> chooserTree = chooser.sharedTree();
    chooser.select(find(chooser, "Edit"));
    ASSERT_EQ(chooser.ok(), StandardMenuChooserRules::Pick::Menu);
    EXPECT_TRUE(chooser.heldByOwner());
    EXPECT_EQ(owner->view().name, "Equivalent of: 'Edit'");
    chooser.close();
    ASSERT_FALSE(chooserTree.expired());
    owner->clickPlatform(PlatformBox::Windows);
    owner->apply();
    EXPECT_EQ(flattenTree(tree, kFlattenKinds | kFlattenPlatforms),
              "File{Menu 7}[Edit{Menu 6}[Undo{FmItem 6},Recent Files{FmItem 6},Custom{Menu 6}]]");

    // Once the owner lets go (here: a command taken instead), the tree is freed.
    owner->takeChosenCommand("FM_UNDO", "Undo");
    EXPECT_TRUE(chooserTree.expired());
    StandardMenuChooserRules unheld(files, settings, *owner);
    unheld.open();
    chooserTree = unheld.sharedTree();
    unheld.close();
    EXPECT_TRUE(chooserTree.expired());
}

}  // namespace
}  // namespace tessary
