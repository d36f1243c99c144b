// The tree editing commands on a real main window: Delete with its question,
// Move Up, Cut/Copy/Paste, a drag and drop made of mouse messages, Undo and
// Redo, and the enabling of the buttons and menu items.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "menucode/code_tree.h"
#include "model/tree_flatten.h"
#include "resources/resource.h"
#include "shell/message_loop.h"
#include "shell/startup.h"
#include "shell/tree_control.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::DialogDriver;

const char* kMenu =
    "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\" )\r\n"
    "\t\tFM_MENUITEMSEPARATOR ()\r\n\t}\r\n\tFM_MENU ( \"Edit\" )\r\n\t{\r\n\t}\r\n}\r\n";

class TreeEditingTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_EQ(LoadCodeIntoTree(tree(), kMenu, MenuKind::MainMenu), LoadResult::accepted());
    }

    NodeHandle find(const std::string& caption, NodeHandle from = kRootNode) {
        for (NodeHandle n = tree().firstChild(from); n != kNoNode; n = tree().nextSibling(n)) {
            if (tree().caption(n) == caption) {
                return n;
            }
            if (NodeHandle below = find(caption, n); below != kNoNode) {
                return below;
            }
        }
        return kNoNode;
    }

    // Selects a node and gives the tree the focus, as a click does. (A tree
    // control that gets the focus with nothing selected selects its first item.)
    void select(const std::string& caption) {
        if (caption.empty()) {
            tree().selectNode(kNoNode);
            return;
        }
        tree().selectNode(find(caption));
        SetFocus(controls().tree);
    }

    bool menuEnabled(UINT id) { return !(GetMenuState(GetMenu(hwnd()), id, MF_BYCOMMAND) & MF_GRAYED); }

    // The client point of the main window at the middle of a node's caption.
    LPARAM pointOf(const std::string& caption) {
        RECT rect = {};
        TreeView_GetItemRect(controls().tree, window->mirror().itemOf(find(caption)), &rect, TRUE);
        POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        MapWindowPoints(controls().tree, hwnd(), &point, 1);
        return MAKELPARAM(point.x, point.y);
    }

    std::string menuText(UINT id) {
        char text[128] = {};
        GetMenuStringA(GetMenu(hwnd()), id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }

    // A key with Ctrl (and Shift) held, through the program's accelerators.
    void pressCtrl(UINT key, bool shift = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg = {controls().tree, WM_KEYDOWN, key, 0x00000001, 0, {}};
        EXPECT_TRUE(translateEditorAccelerators(program, msg));
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    DialogDriver unexpected{8000};
};

TEST_F(TreeEditingTest, DeleteKeyAsksForAMenuWithChildrenAndNotForAnItem) {
    for (int answer : {IDNO, IDYES}) {
        select("File");
        DialogDriver driver;
        std::string question;
        driver.answerMessageBox(answer, &question);
        MSG key = {controls().tree, WM_KEYDOWN, VK_DELETE, 0x00530001, 0, {}};
        ASSERT_TRUE(translateEditorAccelerators(program, key));
        EXPECT_EQ(question, "Are you sure you want to delete \"File\"?");
        EXPECT_EQ(flattenTree(tree()), answer == IDYES ? "Edit" : "File[Run,-Separator-],Edit");
    }
    EXPECT_TRUE(document().modified);
    select("Edit");
    command(ID_MENU_DELETE);  // no children: no question
    EXPECT_EQ(flattenTree(tree()), "");
}

TEST_F(TreeEditingTest, CtrlZAfterDeleteBringsTheMenuBackSelectedAndTheTitleLosesItsMark) {
    test::ScratchFolder folder;
    const std::string path = folder.file("Undo.tsmb");
    ASSERT_TRUE(test::ScratchFolder::write(path, kMenu));
    applyStartupCommandLine(*window, ("\"" + path + "\"").c_str());
    test::pumpPending();
    EXPECT_FALSE(menuEnabled(ID_EDIT_UNDO));
    select("File");
    DialogDriver driver;
    driver.answerMessageBox(IDYES);
    command(ID_MENU_DELETE);
    EXPECT_EQ(flattenTree(tree()), "Edit");
    EXPECT_EQ(menuText(ID_EDIT_UNDO), "&Undo Delete \"File\"\tCtrl+Z");
    SendMessageA(hwnd(), WM_MENUSELECT, MAKEWPARAM(ID_EDIT_UNDO, MF_HILITE), 0);
    EXPECT_EQ(statusText(), "Undoes the last change: Delete \"File\"");
    EXPECT_EQ(title(), "Tessary - Undo.tsmb* (Main Menu)");

    pressCtrl('Z');
    EXPECT_EQ(flattenTree(tree()), "File[Run,-Separator-],Edit");
    EXPECT_EQ(tree().selected(), find("File"));
    EXPECT_EQ(window->mirror().nodeOf(TreeView_GetSelection(controls().tree)), find("File"));
    EXPECT_EQ(TreeView_GetCount(controls().tree), 4u);
    EXPECT_EQ(title(), "Tessary - Undo.tsmb  (Main Menu)");
    EXPECT_EQ(menuText(ID_EDIT_UNDO), "&Undo\tCtrl+Z");
    EXPECT_FALSE(menuEnabled(ID_EDIT_UNDO));
    EXPECT_EQ(menuText(ID_EDIT_REDO), "&Redo Delete \"File\"\tCtrl+Y");

    pressCtrl('Z', true);
    EXPECT_EQ(flattenTree(tree()), "Edit");
    EXPECT_EQ(title(), "Tessary - Undo.tsmb* (Main Menu)");
    EXPECT_FALSE(menuEnabled(ID_EDIT_REDO));
}

TEST_F(TreeEditingTest, MoveUpAtTheFirstPlaceStaysAndMarksTheDocument) {
    select("Run");
    command(ID_MENU_MOVE_UP);
    EXPECT_EQ(flattenTree(tree()), "File[Run,-Separator-],Edit");
    EXPECT_TRUE(document().modified);
    command(ID_MENU_MOVE_DOWN);
    EXPECT_EQ(flattenTree(tree()), "File[-Separator-,Run],Edit");
}

TEST_F(TreeEditingTest, CutMovesOnPasteAndCopyPastesAgain) {
    select("Run");
    command(ID_EDIT_CUT);
    EXPECT_TRUE(menuEnabled(ID_EDIT_PASTE));
    select("Edit");
    command(ID_EDIT_PASTE);
    EXPECT_EQ(flattenTree(tree()), "File[-Separator-],Edit[Run]");
    EXPECT_FALSE(menuEnabled(ID_EDIT_PASTE));

    select("-Separator-");
    command(ID_EDIT_COPY);
    select("Edit");
    command(ID_EDIT_PASTE);
    command(ID_EDIT_PASTE);
    EXPECT_EQ(flattenTree(tree()), "File[-Separator-],Edit[Run,-Separator-,-Separator-]");
    EXPECT_TRUE(menuEnabled(ID_EDIT_PASTE));
    // Deleting the copied node empties the clipboard.
    select("File");
    DialogDriver driver;
    driver.answerMessageBox(IDYES);
    command(ID_MENU_DELETE);
    EXPECT_FALSE(menuEnabled(ID_EDIT_PASTE));
}

TEST_F(TreeEditingTest, ACommandThatIsOffDoesNothingWhenItArrivesAnyway) {
    tree().clearTree();
    ASSERT_EQ(LoadCodeIntoTree(tree(),
                               "FM_MENUBAR ()\r\n{\r\nFM_APPMENU ( \"App\" )\r\n{\r\n}\r\n"
                               "FM_MENU ( \"File\" )\r\n{\r\n}\r\n}\r\n",
                               MenuKind::MainMenu),
              LoadResult::accepted());
    select("App");
    command(ID_MENU_MOVE_DOWN);  // off for the application menu, which stays first
    EXPECT_EQ(flattenTree(tree()), "App,File");
    EXPECT_FALSE(document().modified);
}

TEST_F(TreeEditingTest, ADragOfMouseMessagesMovesAnItemIntoAnotherMenu) {
    NMTREEVIEWA begin = {};
    begin.hdr = {controls().tree, 0, static_cast<UINT>(TVN_BEGINDRAGA)};
    begin.itemNew.hItem = window->mirror().itemOf(find("Run"));
    SendMessageA(hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&begin));
    ASSERT_TRUE(window->drag().active());
    POINT at = {};
    POINT hotSpot = {};
    EXPECT_NE(ImageList_GetDragImage(&at, &hotSpot), nullptr);  // the image follows the cursor
    SendMessageA(hwnd(), WM_MOUSEMOVE, 0, pointOf("Edit"));
    EXPECT_EQ(tree().dropHighlight(), find("Edit"));
    SendMessageA(hwnd(), WM_LBUTTONUP, 0, pointOf("Edit"));
    EXPECT_FALSE(window->drag().active());
    EXPECT_EQ(flattenTree(tree()), "File[-Separator-],Edit[Run]");
    EXPECT_EQ(tree().dropHighlight(), kNoNode);
    EXPECT_TRUE(document().modified);
    EXPECT_EQ(GetFocus(), controls().tree);  // Cut and Copy act there again

    // Esc cancels a drag and the tree stays.
    begin.itemNew.hItem = window->mirror().itemOf(find("-Separator-"));
    SendMessageA(hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&begin));
    SendMessageA(hwnd(), WM_MOUSEMOVE, 0, pointOf("Edit"));
    command(ID_CANCEL_DRAG);
    EXPECT_FALSE(window->drag().active());
    EXPECT_EQ(flattenTree(tree()), "File[-Separator-],Edit[Run]");
    EXPECT_EQ(GetFocus(), controls().tree);
}

// While a caption is edited in place its keys are the edit box's: the main
// window's tables take none of them, and Esc cancels the edit.
TEST_F(TreeEditingTest, KeysWhileRenamingGoToTheEditBox) {
    select("Run");
    command(ID_EDIT_RENAME);
    HWND edit = TreeView_GetEditControl(controls().tree);
    ASSERT_NE(edit, nullptr);
    BYTE keys[256] = {};
    const struct {
        UINT key;
        bool ctrl;
    } cases[] = {{VK_ESCAPE, false}, {'A', true},        {VK_LEFT, true},
                 {VK_RIGHT, true},   {VK_DELETE, false}, {VK_RETURN, false}};
    for (const auto& c : cases) {
        keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG key = {edit, WM_KEYDOWN, c.key, 1, 0, {}};
        EXPECT_FALSE(translateEditorAccelerators(program, key)) << c.key;
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    SetWindowTextA(edit, "Renamed");
    MSG escape = {edit, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    processLoopMessage(program, escape);
    EXPECT_EQ(TreeView_GetEditControl(controls().tree), nullptr);
    EXPECT_EQ(flattenTree(tree()), "File[Run,-Separator-],Edit");
    EXPECT_FALSE(document().modified);
}

// An edit in place that would start while Delete's question is shown (the
// tree starts one after a click on the selected item, once the double-click
// time is out) does not start, and the keys are the tree's after the answer.
TEST_F(TreeEditingTest, NoEditInPlaceStartsWhileAQuestionIsShown) {
    select("File");
    DialogDriver driver;
    driver.next([&](HWND box) {
        SendMessageA(controls().tree, TVM_EDITLABELA, 0,
                     reinterpret_cast<LPARAM>(window->mirror().itemOf(find("File"))));
        DialogDriver::press(box, IDNO);
    });
    command(ID_MENU_DELETE);
    EXPECT_EQ(TreeView_GetEditControl(controls().tree), nullptr);
    driver.answerMessageBox(IDYES);
    MSG key = {controls().tree, WM_KEYDOWN, VK_DELETE, 0x00530001, 0, {}};
    EXPECT_TRUE(translateEditorAccelerators(program, key));
    EXPECT_EQ(flattenTree(tree()), "Edit");
}

TEST_F(TreeEditingTest, ButtonsAndMenuItemsFollowTheTabAndTheSelection) {
    struct Case {
        const char* selected;
        EditorTab tab;
        const char* states;  // Add Script, Properties, Delete, Move Up, Check Syntax ('1' on)
    } cases[] = {
        {"", EditorTab::MenuTree, "00000"},
        {"Run", EditorTab::MenuTree, "11110"},
        {"File", EditorTab::MenuTree, "11110"},
        {"", EditorTab::MenuCode, "00001"},
    };
    for (const Case& c : cases) {
        clickTab(c.tab);
        select(c.selected);
        std::string states;
        for (UINT id :
             {ID_MENU_ADD_SCRIPT, ID_MENU_PROPERTIES, ID_MENU_DELETE, ID_MENU_MOVE_UP, ID_MENU_CHECK_SYNTAX}) {
            const bool onMenu = menuEnabled(id);
            const bool onContext = !(GetMenuState(controls().contextMenu, id, MF_BYCOMMAND) & MF_GRAYED);
            HWND button = window->sideButton(id);
            if (button) {
                EXPECT_EQ(IsWindowEnabled(button) != 0, onMenu) << id;
            }
            if (id != ID_MENU_CHECK_SYNTAX) {
                EXPECT_EQ(onContext, onMenu) << id;
            }
            states += onMenu ? '1' : '0';
        }
        EXPECT_EQ(states, c.states) << c.selected << " tab " << static_cast<int>(c.tab);
    }
}

}  // namespace
}  // namespace tessary
