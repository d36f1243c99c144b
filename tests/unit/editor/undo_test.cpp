// Undo and redo of every kind of change the editor makes to the tree, made as
// the commands and dialogs make them, and the texts that name the change.
#include "editor/undo_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "documents/document_files.h"
#include "editor/fm_item_properties_rules.h"
#include "editor/menu_properties_rules.h"
#include "editor/script_properties_rules.h"
#include "editor/tree_editing.h"
#include "menucode/code_tree.h"
#include "menucode/tree_dump.h"
#include "model/tree_history.h"

namespace tessary {
namespace {

// Reports[Run, Win (Windows only), Sub[Open, -Separator-]], Orders[Key]
const char* kCode =
    "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"Reports\" )\r\n\t{\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\", String:\"u1\" )\r\n#IF_WIN\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Win\", \"W\" )\r\n#END_IF\r\n\t\tFM_MENU ( \"Sub\" )\r\n\t\t{\r\n"
    "\t\t\tFM_MENUITEM ( FM_OPEN )\r\n\t\t\tFM_MENUITEMSEPARATOR ()\r\n\t\t}\r\n\t}\r\n"
    "\tFM_MENU ( \"Orders\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Key\", \"K\", CTRL + \"K\", Disabled, Check-On )\r\n"
    "\t}\r\n}\r\n";

struct Document {
    MenuTree tree;
    NodeClipboard clipboard;
    NodeHandle find(const std::string& caption) const {
        const std::string dump = codetree_test::dumpTree(tree);
        for (NodeHandle at = tree.firstTopLevel(); at != kNoNode;) {
            if (tree.caption(at) == caption) {
                return at;
            }
            NodeHandle next = tree.firstChild(at);
            while (next == kNoNode && at != kRootNode) {
                next = tree.nextSibling(at);
                at = next == kNoNode ? tree.parent(at) : at;
            }
            at = at == kRootNode ? kNoNode : next;
        }
        ADD_FAILURE() << "no " << caption << " in\n" << dump;
        return kNoNode;
    }
    void paste(const char* source, NodeClipboard::Mode mode, const char* into) {
        clipboard.take(tree, find(source), mode);
        tree.selectNode(find(into));
        pasteNode(tree, clipboard, *pasteTarget(tree, clipboard, MenuKind::MainMenu));
    }
};

// The records field by field and the code they write.
std::string state(const MenuTree& tree) {
    std::string code;
    generateDocumentCode(tree, MenuKind::MainMenu, code);
    return codetree_test::dumpTree(tree, codetree_test::kDumpRecords) + code;
}

TEST(Undo, GivesBackTheTreeBeforeEachKindOfChangeAndRedoTheTreeAfter) {
    struct Row {
        const char* change;
        std::function<void(Document&)> make;
    };
    const Row rows[] = {
        {"add a script", [](Document& d) {
             d.tree.selectNode(d.find("Orders"));
             auto rules = ScriptPropertiesRules::forAdd(d.tree, MenuKind::MainMenu);
             rules->setName("Print");
             rules->setScript("P");
             rules->apply();
         }},
        {"add a standard menu from the chooser", [](Document& d) {
             auto source = std::make_shared<MenuTree>();
             LoadCodeIntoTree(*source, kCode, MenuKind::MainMenu);
             auto rules = FmItemPropertiesRules::forAdd(d.tree, MenuKind::MainMenu);
             rules->takeChosenMenu("FM_MENU_FILE", source, source->firstTopLevel());
             rules->setName("File");
             rules->apply();
         }},
        {"a menu made the application menu", [](Document& d) {
             auto rules = MenuPropertiesRules::forEdit(d.tree, MenuKind::MainMenu, d.find("Orders"));
             rules->tickAppMenu(true);
             rules->apply();
         }},
        {"delete", [](Document& d) { d.tree.deleteSubtree(d.find("Reports")); }},
        {"move up", [](Document& d) { d.tree.moveNodeUp(d.find("Sub")); }},
        {"move down", [](Document& d) { d.tree.moveNodeDown(d.find("Reports")); }},
        {"paste a copy", [](Document& d) { d.paste("Sub", NodeClipboard::Mode::Copy, "Orders"); }},
        {"paste a cut", [](Document& d) { d.paste("Sub", NodeClipboard::Mode::Cut, "Key"); }},
        {"drop moving", [](Document& d) { dropNode(d.tree, d.find("Win"), d.find("Sub"), true); }},
        {"drop copying", [](Document& d) { dropNode(d.tree, d.find("Sub"), d.find("Orders"), false); }},
        {"rename", [](Document& d) { d.tree.setCaption(d.find("Run"), "Run \xE9t\xE9"); }},
        {"reload from the code", [](Document& d) {
             d.tree.clearTree();
             LoadCodeIntoTree(d.tree, std::string(kCode).replace(std::string(kCode).find("Key"), 3, "Lock"),
                              MenuKind::MainMenu);
         }},
    };
    for (const Row& row : rows) {
        Document document;
        ASSERT_TRUE(LoadCodeIntoTree(document.tree, kCode, MenuKind::MainMenu).isAccepted());
        TreeHistory history(document.tree);
        const std::string before = state(document.tree);
        history.begin();
        row.make(document);
        ASSERT_TRUE(history.commit(row.change)) << row.change;
        const std::string after = state(document.tree);

        history.undo();
        EXPECT_EQ(state(document.tree), before) << row.change;
        history.redo();
        EXPECT_EQ(state(document.tree), after) << row.change;
    }
}

TEST(UndoTexts, NameTheChangeInTheMenuAndTheHint) {
    struct Row {
        ChangeKind change;
        NodeKind kind;
        const char* caption;
        const char* label;
    };
    const Row rows[] = {
        {ChangeKind::Delete, NodeKind::Menu, "Reports", "Delete \"Reports\""},
        {ChangeKind::Add, NodeKind::MacQuitItem, "Quit", "Add Script \"Quit\""},
        {ChangeKind::Add, NodeKind::Separator, "-Separator-", "Add Separator"},
        {ChangeKind::Drop, NodeKind::FmItem, "Tab\there", "Drop \"Tab here\""},
        {ChangeKind::Rename, NodeKind::ScriptItem, "A caption much longer than the menu holds",
         "Rename \"A caption much longer than the m...\""},
        {ChangeKind::Paste, NodeKind::Menu, "Reports", "Paste"},
        {ChangeKind::CodeEdit, NodeKind::None, "", "Menu Code Edit"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(changeLabel(row.change, row.kind, row.caption), row.label);
    }
    EXPECT_EQ(undoItemText("Rename \"R&D\""), "&Undo Rename \"R&&D\"\tCtrl+Z");
    EXPECT_EQ(redoItemText(""), "&Redo\tCtrl+Y");
    EXPECT_EQ(undoHint("Paste"), "Undoes the last change: Paste");
    EXPECT_EQ(redoHint(""), "");
}

}  // namespace
}  // namespace tessary
