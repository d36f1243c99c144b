#include "editor/standard_menu_chooser_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/document_fakes.h"
#include "menucode/code_tree.h"
#include "model/tree_flatten.h"

namespace tessary {
namespace {

constexpr const char* kStandard = "C:\\Tessary\\Templates\\FileMaker Menus\\";
// Edit with a command and a submenu that FileMaker does not know.
constexpr const char* kStandardMenu =
    "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( FM_MENU_EDIT )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_UNDO )\r\n"
    "\t\tFM_MENU ( \"Custom\" )\r\n\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n";

class StandardMenuChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"FileMaker 8.5,Find", "FileMaker 8,Layout", "FileMaker 8,Browse", "filemaker 10,Browse"}) {
            files.add(std::string(kStandard) + name + ".qxtf", kStandardMenu);
        }
        ASSERT_EQ(LoadCodeIntoTree(tree, "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n",
                                   MenuKind::MainMenu),
                  LoadResult::accepted());
    }

    // A child of "Edit" by its caption; "Edit" itself for any other.
    static NodeHandle find(StandardMenuChooserRules& chooser, std::string_view caption) {
        const MenuTree& t = chooser.tree();
        const NodeHandle edit = t.firstTopLevel();
        for (NodeHandle n = t.firstChild(edit); n != kNoNode; n = t.nextSibling(n)) {
            if (t.caption(n) == caption) {
                return n;
            }
        }
        return edit;
    }

    test::FakeFiles files;
    MemorySettingsStore settings;
    MenuTree tree;
};

TEST_F(StandardMenuChooserTest, ListsEachVersionsOwnModesInListOrder) {
    auto owner = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    StandardMenuChooserRules chooser(files, settings, *owner);
    chooser.open();
    ASSERT_EQ(chooser.versions(), (std::vector<std::string>{"filemaker 10", "FileMaker 8", "FileMaker 8.5"}));
    chooser.chooseVersion(1);  // not the modes of "FileMaker 8.5"
    EXPECT_EQ(chooser.modes(), (std::vector<std::string>{"Browse", "Layout"}));
    EXPECT_FALSE(chooser.tree().isExpanded(chooser.tree().firstTopLevel()));  // loaded collapsed

    // A stored version beyond the list chooses nothing; an unreadable file leaves the tree empty.
    settings.settings[kSettingChooseFmVersion] = 3;
    StandardMenuChooserRules beyond(files, settings, *owner);
    beyond.open();
    EXPECT_EQ(beyond.versionIndex(), -1);
    EXPECT_TRUE(beyond.modes().empty());
    files.files.erase(std::string(kStandard) + "FileMaker 8.5,Find.qxtf");
    beyond.chooseVersion(2);
    EXPECT_TRUE(beyond.tree().empty());
    EXPECT_FALSE(beyond.okEnabled());
}

TEST_F(StandardMenuChooserTest, AChosenMenusTreeLivesUntilTheOwnerLetsGoAndOnlyKnownMenusArePicked) {
    tree.selectNode(tree.firstTopLevel());
    auto owner = FmItemPropertiesRules::forAdd(tree, MenuKind::MainMenu);
    StandardMenuChooserRules chooser(files, settings, *owner);
    chooser.open();
    chooser.select(find(chooser, "Custom"));
    EXPECT_EQ(chooser.ok(), StandardMenuChooserRules::Pick::Nothing);
    std::weak_ptr<MenuTree> chooserTree = chooser.sharedTree();
    chooser.select(find(chooser, "Edit"));
    ASSERT_EQ(chooser.ok(), StandardMenuChooserRules::Pick::Menu);
    EXPECT_TRUE(chooser.heldByOwner());
    chooser.close();
    ASSERT_FALSE(chooserTree.expired());
    owner->apply();
    EXPECT_EQ(flattenTree(tree), "File[Edit[Undo,Custom]]");

    // Once the owner lets go (here: a command taken instead), the tree is freed,
    // as a chooser's tree is at once when nobody else holds it.
    owner->takeChosenCommand("FM_UNDO", "Undo");
    EXPECT_TRUE(chooserTree.expired());
    StandardMenuChooserRules unheld(files, settings, *owner);
    chooserTree = unheld.sharedTree();
    unheld.close();
    EXPECT_TRUE(chooserTree.expired());
}

}  // namespace
}  // namespace tessary
