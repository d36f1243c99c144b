// The main window as a user meets it: its controls and layout, the two views
// and the conversions between them, the copy commands, accelerators and
// dropped files.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "documents/document_state.h"
#include "documents/settings_store.h"
#include "menucode/calculation_text.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "model/tree_flatten.h"
#include "platform/clipboard.h"
#include "resources/resource.h"
#include "shell/message_loop.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::pumpUntil;

const std::string kExample =
    "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"FileMaker Pro\" )\r\n\t{\r\n"
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )\r\n\t}\r\n"
    "\tFM_MENU ( \"File\" , FM_MENU_FILE )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n"
    "\t\tFM_MENUITEMSEPARATOR ()\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Print One\", \"Print\", CTRL + \"P\", String:\"Print\", Check-On )\r\n\t}\r\n"
    "#IF_WIN\r\n\tFM_MENU ( \"Tools\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Sharing...\", \"Sharing\", Disabled )\r\n"
    "\t}\r\n#END_IF\r\n}\r\n";

std::string textOf(HWND window) {
    return DialogDriver::windowText(window);
}

RECT childRect(HWND parent, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class MainWindowViewsTest : public test::MainWindowFixture {
protected:
    void loadExample() {
        tree().clearTree();
        ASSERT_EQ(LoadCodeIntoTree(tree(), kExample, MenuKind::MainMenu), LoadResult::accepted());
    }

    // Any dialog no test expects is closed by the watchdog and fails the test.
    DialogDriver unexpected{5000};
};

TEST_F(MainWindowViewsTest, ChildControlsCarryTheirTextsAndStyles) {
    ASSERT_NE(controls().statusBar, nullptr);
    ASSERT_NE(controls().toolbar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(controls().toolbar), 1);
    EXPECT_EQ(SendMessageA(controls().toolbar, TB_BUTTONCOUNT, 0, 0), 5);
    TBBUTTON button = {};
    const int toolbarIds[] = {ID_FILE_NEW, 0, ID_FILE_OPEN, 0, ID_FILE_SAVE};
    const int toolbarImages[] = {0, -1, 1, -1, 2};  // the bitmap's images New, Open, Save; separators
    for (int i = 0; i < 5; ++i) {
        SendMessageA(controls().toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, toolbarIds[i]) << i;
        EXPECT_EQ(button.fsStyle == BTNS_SEP ? -1 : button.iBitmap, toolbarImages[i]) << i;
    }

    ASSERT_EQ(SendMessageA(controls().tabControl, TCM_GETITEMCOUNT, 0, 0), 2);
    char tabText[32] = {};
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = tabText;
    tab.cchTextMax = sizeof tabText;
    SendMessageA(controls().tabControl, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&tab));
    EXPECT_STREQ(tabText, "Menu Code");

    EXPECT_EQ(textOf(controls().tree), "Tree");
    EXPECT_TRUE(GetWindowLongA(controls().tree, GWL_STYLE) & TVS_EDITLABELS);
    HIMAGELIST images = TreeView_GetImageList(controls().tree, TVSIL_NORMAL);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 7);

    EXPECT_FALSE(IsWindowVisible(controls().codeEdit));
    EXPECT_EQ(GetDlgCtrlID(controls().codeEdit), 0);
    EXPECT_GE(SendMessageA(controls().codeEdit, EM_GETLIMITTEXT, 0, 0), kDocumentBufferSize - 1);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(controls().codeEdit, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Courier New");

    const char* texts[] = {" Add Menu",    " Add Script", " Add FM Item",     " Add Separator", " Properties",
                           " Delete Item", "Preview",     "Copy String Code", "Copy Code"};
    const UINT ids[] = {ID_MENU_ADD_MENU,      ID_MENU_ADD_SCRIPT,       ID_MENU_ADD_FM_ITEM,
                        ID_MENU_ADD_SEPARATOR, ID_MENU_PROPERTIES,       ID_MENU_DELETE,
                        ID_MENU_PREVIEW,       ID_MENU_COPY_STRING_CODE, ID_MENU_COPY_CODE};
    for (int i = 0; i < kSideButtonCount; ++i) {
        HWND side = controls().sideButtons[i];
        ASSERT_NE(side, nullptr) << i;
        EXPECT_EQ(side, window->sideButton(ids[i]));
        EXPECT_EQ(textOf(side), texts[i]);
        EXPECT_EQ(static_cast<UINT>(GetDlgCtrlID(side)), ids[i]);
    }
}

TEST_F(MainWindowViewsTest, LayoutFollowsTheClientSize) {
    for (int round = 0; round < 2; ++round) {
        if (round == 1) {
            SetWindowPos(hwnd(), nullptr, 0, 0, 760, 600, SWP_NOMOVE | SWP_NOZORDER);
        }
        RECT client;
        GetClientRect(hwnd(), &client);
        const int w = client.right;
        const int h = client.bottom;
        RECT tabRect = childRect(hwnd(), controls().tabControl);
        EXPECT_EQ(tabRect.left, 5);
        EXPECT_EQ(tabRect.top, 15);
        EXPECT_EQ(tabRect.right - tabRect.left, w - 118);
        EXPECT_EQ(tabRect.bottom - tabRect.top, h - 41);
        RECT treeRect = childRect(hwnd(), controls().tree);
        EXPECT_EQ(treeRect.left, 10);
        EXPECT_EQ(treeRect.top, 40);
        EXPECT_EQ(treeRect.right - treeRect.left, w - 128);
        EXPECT_EQ(treeRect.bottom - treeRect.top, h - 71);
        RECT toolbarRect = childRect(hwnd(), controls().toolbar);
        EXPECT_EQ(toolbarRect.left, w - 108);
        EXPECT_EQ(toolbarRect.top, 35);
        RECT addMenu = childRect(hwnd(), window->sideButton(ID_MENU_ADD_MENU));
        EXPECT_EQ(addMenu.left, w - 106);
        EXPECT_EQ(addMenu.top, 75);
        EXPECT_EQ(addMenu.right - addMenu.left, 100);
        EXPECT_EQ(addMenu.bottom - addMenu.top, 23);
        EXPECT_EQ(childRect(hwnd(), window->sideButton(ID_MENU_DELETE)).top, 230);
        EXPECT_EQ(childRect(hwnd(), window->sideButton(ID_MENU_COPY_CODE)).top, h - 50);
        EXPECT_EQ(childRect(hwnd(), window->sideButton(ID_MENU_PREVIEW)).top, h - 110);
        RECT status = childRect(hwnd(), controls().statusBar);
        EXPECT_EQ(status.bottom, h);
        EXPECT_EQ(status.right - status.left, w);
        if (round == 1) {
            // What moved paints anew: moved controls kept blank pixels.
            for (HWND moved : {controls().toolbar, controls().statusBar, controls().buttonLine}) {
                EXPECT_TRUE(GetUpdateRect(moved, nullptr, FALSE));
            }
            for (HWND side : controls().sideButtons) {
                EXPECT_TRUE(GetUpdateRect(side, nullptr, FALSE)) << textOf(side);
            }
        }
    }
}

TEST_F(MainWindowViewsTest, TabChangeConvertsBetweenTreeAndCode) {
    loadExample();
    clickTab(EditorTab::MenuCode);
    EXPECT_TRUE(IsWindowVisible(controls().codeEdit));
    EXPECT_FALSE(IsWindowVisible(controls().tree));
    EXPECT_FALSE(window->treeKeysActive);
    EXPECT_EQ(codeText(), kExample);
    // Code mode: Check Syntax on, the tree's add commands off.
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd()), ID_MENU_CHECK_SYNTAX, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(IsWindowEnabled(window->sideButton(ID_MENU_ADD_MENU)));

    std::string edited = kExample;
    edited.replace(edited.find("Tools"), 5, "Extras");
    SetWindowTextA(controls().codeEdit, edited.c_str());
    clickTab(EditorTab::MenuTree);
    EXPECT_TRUE(IsWindowVisible(controls().tree));
    EXPECT_FALSE(IsWindowVisible(controls().codeEdit));
    EXPECT_TRUE(window->treeKeysActive);
    EXPECT_EQ(flattenTree(tree()),
              "FileMaker Pro[Preferences...],File[Open...,-Separator-,Print One],Extras[Sharing...]");
    EXPECT_TRUE(IsWindowEnabled(window->sideButton(ID_MENU_ADD_MENU)));
}

TEST_F(MainWindowViewsTest, LeavingTheCodeWithAnErrorStaysAndSelectsTheLine) {
    loadExample();
    clickTab(EditorTab::MenuCode);
    // Line 7 of the non-empty lines is broken; blank lines before it do not count.
    std::string broken = "\r\n\r\n" + kExample;
    size_t open = broken.find("FM_MENUITEM ( FM_OPEN )");
    broken.replace(open, std::strlen("FM_MENUITEM ( FM_OPEN )"), "FM_MENUITEM ( FM_NO_SUCH_COMMAND )");
    SetWindowTextA(controls().codeEdit, broken.c_str());

    DialogDriver driver;
    std::string message;
    std::string caption;
    driver.answerMessageBox(IDOK, &message, &caption);
    clickTab(EditorTab::MenuTree);
    EXPECT_EQ(driver.dialogsSeen(), 1);
    // The message names the line of the text too, which the two blank lines make two more.
    EXPECT_EQ(message, "Syntax incorrect in line 9 (line 11 of the text)");
    EXPECT_EQ(caption, "Quorix Tessary");
    EXPECT_EQ(window->currentTab(), EditorTab::MenuCode);
    EXPECT_TRUE(IsWindowVisible(controls().codeEdit));
    EXPECT_FALSE(window->treeKeysActive);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(controls().codeEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(codeText().substr(start, end - start), "\t\tFM_MENUITEM ( FM_NO_SUCH_COMMAND )");
    // The user's text stays as typed.
    EXPECT_EQ(codeText(), broken);
}

TEST_F(MainWindowViewsTest, AnEmptyCodeTextKeepsTheTree) {
    loadExample();
    clickTab(EditorTab::MenuCode);
    SetWindowTextA(controls().codeEdit, "");
    clickTab(EditorTab::MenuTree);
    EXPECT_EQ(tree().nodeCount(), 8u);
    EXPECT_TRUE(IsWindowVisible(controls().tree));
}

TEST_F(MainWindowViewsTest, CheckSyntaxReportsEachOutcome) {
    struct Case {
        MenuKind kind;
        std::string code;
        std::string message;
    } cases[] = {
        {MenuKind::MainMenu, kExample, "Syntax is correct"},
        {MenuKind::MainMenu, "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"A\" )\r\n\t{\r\n", "Syntax incorrect in line 5"},
        // Blank lines: the line of the text is named too, unless the failing line lies past the text's end.
        {MenuKind::MainMenu, "FM_MENUBAR ()\r\n\r\n{\r\n\r\n\tFM_NOPE\r\n}\r\n",
         "Syntax incorrect in line 3 (line 5 of the text)"},
        {MenuKind::MainMenu, "FM_MENUBAR ()\r\n\r\n{", "Syntax incorrect in line 3"},
        {MenuKind::ContextMenu, kExample,
         "Menu type can not be changed. Create a new menu of a different type to change the menu type."},
    };
    clickTab(EditorTab::MenuCode);
    for (const Case& c : cases) {
        document().menuKind = c.kind;
        SetWindowTextA(controls().codeEdit, c.code.c_str());
        DialogDriver driver;
        std::string message;
        driver.answerMessageBox(IDOK, &message);
        command(ID_MENU_CHECK_SYNTAX);
        EXPECT_EQ(message, c.message);
    }
}

TEST_F(MainWindowViewsTest, CopyCommandsPutTheCodeOnTheClipboard) {
    loadExample();
    DialogDriver driver;
    std::string hint;
    // The hint dialog: read its line, then OK.
    auto readHint = [&](HWND dialog) {
        hint = DialogDriver::windowText(GetDlgItem(dialog, IDC_HINT_TEXT));
        DialogDriver::press(dialog, IDOK);
    };
    driver.next(readHint);
    command(ID_MENU_COPY_CODE);
    EXPECT_EQ(clipboardTextContent(), kExample);
    EXPECT_EQ(hint, "The menu code can now be pasted into a FileMaker field.");

    // Copy String Code writes the calculation of the FileMaker version the
    // preferences name, the same from either tab, and its hint names the version.
    struct Case {
        FileMakerGeneration generation;
        const char* hint;
    } cases[] = {
        {FileMakerGeneration::FileMaker5To6,
         "The menu code can now be pasted into a FileMaker calculation (FileMaker 5 to 6)."},
        {FileMakerGeneration::FileMaker7AndLater,
         "The menu code can now be pasted into a FileMaker calculation (FileMaker 7 and later)."},
    };
    for (const Case& c : cases) {
        writeUseFmSetting(program.settings, c.generation);
        for (const EditorTab tab : {EditorTab::MenuTree, EditorTab::MenuCode}) {
            clickTab(tab);
            hint.clear();
            driver.next(readHint);
            command(ID_MENU_COPY_STRING_CODE);
            EXPECT_EQ(clipboardTextContent(), calculationText(kExample, c.generation)) << c.hint;
            EXPECT_EQ(hint, c.hint);
        }
    }

    // In the code tab the typed text is copied as it stands, less trailing CRs,
    // by Copy Code, and converted as it stands, error and all, by Copy String Code.
    SetWindowTextA(controls().codeEdit, "typed \"C:\\\"\r\nFM_MENU (\r\r");
    driver.next(readHint);
    command(ID_MENU_COPY_CODE);
    EXPECT_EQ(clipboardTextContent(), "typed \"C:\\\"\r\nFM_MENU (");
    driver.next(readHint);
    command(ID_MENU_COPY_STRING_CODE);
    EXPECT_EQ(clipboardTextContent(), "typed \\\"C:\\\\\\\"\xB6\r\nFM_MENU (");
    writeUseFmSetting(program.settings, FileMakerGeneration::FileMaker5To6);
    driver.next(readHint);
    command(ID_MENU_COPY_STRING_CODE);
    EXPECT_EQ(clipboardTextContent(), "typed \"\"C:\\\"\"\xB6\r\nFM_MENU (");
    EXPECT_EQ(driver.pending(), 0);
}

TEST_F(MainWindowViewsTest, CopyOfATreeThatCannotBeWrittenSaysSoAndKeepsTheClipboard) {
    tree().clearTree();
    NodeHandle menu = tree().insertNode(kRootNode, Position::Last, {"Mac", NodeKind::Menu, kPlatformMac});
    ASSERT_NE(
        tree().insertNode(menu, Position::Last,
                          {.caption = "Classic", .kind = NodeKind::ScriptItem, .platforms = 2, .scriptName = "S"}),
        kNoNode);
    ASSERT_TRUE(setClipboardText("before"));

    DialogDriver driver;
    std::string message;
    driver.answerMessageBox(IDOK, &message);
    command(ID_MENU_COPY_CODE);
    EXPECT_EQ(driver.dialogsSeen(), 1);
    EXPECT_NE(message.find("can not be written as menu code"), std::string::npos) << message;
    EXPECT_EQ(clipboardTextContent(), "before");

    // Entering the code tab does not show stale text that would overwrite the tree.
    SetWindowTextA(controls().codeEdit, "FM_MENUBAR ()\r\n{\r\n}\r\n");
    driver.answerMessageBox(IDOK, &message);
    clickTab(EditorTab::MenuCode);
    EXPECT_EQ(window->currentTab(), EditorTab::MenuTree);
    EXPECT_TRUE(IsWindowVisible(controls().tree));
    EXPECT_EQ(flattenTree(tree()), "Mac[Classic]");
}

TEST_F(MainWindowViewsTest, TreeKeysAreRoutedOnlyWhileTheTreeIsShown) {
    MSG msg = {controls().tree, WM_KEYDOWN, VK_DELETE, 0x00530001, 0, {}};
    clickTab(EditorTab::MenuTree);
    EXPECT_TRUE(translateEditorAccelerators(program, msg));
    clickTab(EditorTab::MenuCode);
    msg.hwnd = controls().codeEdit;
    EXPECT_FALSE(translateEditorAccelerators(program, msg));
    // Table 220 applies in both tabs: Ctrl+D is Check Syntax.
    MSG ctrlD = {controls().codeEdit, WM_KEYDOWN, 'D', 0x00200001, 0, {}};
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    DialogDriver driver;
    driver.answerMessageBox(IDOK);
    EXPECT_TRUE(translateEditorAccelerators(program, ctrlD));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_F(MainWindowViewsTest, CodeTabTellsTheCaretPlaceAndGoesToALine) {
    HWND edit = controls().codeEdit;
    auto caretPlace = [this] {
        char text[64] = {};
        SendMessageA(controls().statusBar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    clickTab(EditorTab::MenuCode);
    const std::string code = "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"A\" )\r\n\t{\r\n\t}\r\n}\r\n";
    SetWindowTextA(edit, code.c_str());
    SetFocus(edit);
    const size_t afterFm = code.find("FM_MENU (") + 2;
    SendMessageA(edit, EM_SETSEL, afterFm, afterFm);
    EXPECT_EQ(caretPlace(), "Ln 3, Col 7");  // the tab reaches column 5

    // Ctrl+G: a line past the text is refused, and the dialog stays for another.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG ctrlG = {edit, WM_KEYDOWN, 'G', 0x00220001, 0, {}};
    DialogDriver driver;
    HWND goTo = nullptr;
    std::string opened;
    std::string refusal;
    driver.next([&](HWND dialog) {
        goTo = dialog;
        opened = DialogDriver::windowText(GetDlgItem(dialog, IDC_GOTO_NUMBER));
        SetDlgItemTextA(dialog, IDC_GOTO_NUMBER, "99");
        DialogDriver::press(dialog, IDOK);
    });
    driver.next([&](HWND box) {
        refusal = DialogDriver::messageText(box);
        DialogDriver::press(box, IDOK);
        SetDlgItemTextA(goTo, IDC_GOTO_NUMBER, "5");
        DialogDriver::press(goTo, IDOK);
    });
    EXPECT_TRUE(translateEditorAccelerators(program, ctrlG));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(driver.dialogsSeen(), 2);
    EXPECT_EQ(opened, "3");
    EXPECT_EQ(refusal, "Please type a line number from 1 to 7.");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, code.find("\t}"));
    EXPECT_EQ(end, start);
    EXPECT_EQ(caretPlace(), "Ln 5, Col 1");

    SetWindowTextA(edit, "");
    clickTab(EditorTab::MenuTree);
    EXPECT_EQ(caretPlace(), "");
}

TEST_F(MainWindowViewsTest, TabTypesATabCharacterOnlyInTheCode) {
    clickTab(EditorTab::MenuCode);
    SetWindowTextA(controls().codeEdit, "ab");
    SendMessageA(controls().codeEdit, EM_SETSEL, 1, 1);
    command(ID_CODE_TAB);
    EXPECT_EQ(codeText(), "a\tb");
    SetWindowTextA(controls().codeEdit, "");  // an empty text leaves the code tab without a load
    document().modified = false;

    clickTab(EditorTab::MenuTree);
    std::string before = codeText();
    command(ID_CODE_TAB);
    EXPECT_EQ(codeText(), before);
}

// Paste is on in the code tab wherever the focus is, and pastes into the code.
TEST_F(MainWindowViewsTest, PasteInTheCodeTabGoesToTheCode) {
    clickTab(EditorTab::MenuCode);
    SetWindowTextA(controls().codeEdit, "");
    ASSERT_TRUE(setClipboardText("FM_MENUBAR ()"));
    SetFocus(controls().tabControl);  // as a click on the tab leaves it
    command(ID_EDIT_PASTE);
    EXPECT_EQ(codeText(), "FM_MENUBAR ()");
    EXPECT_EQ(GetFocus(), controls().codeEdit);
}

TEST_F(MainWindowViewsTest, TypingInTheCodeMarksTheDocumentModified) {
    clickTab(EditorTab::MenuCode);
    document().setModified(false);
    SendMessageA(controls().codeEdit, WM_CHAR, 'x', 0);
    EXPECT_TRUE(document().modified);
    EXPECT_NE(textOf(hwnd()).find('*'), std::string::npos);
}

HDROP makeDrop(const std::vector<std::string>& paths) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) {
        size += path.size() + 1;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    char* names = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        std::memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

TEST_F(MainWindowViewsTest, DroppedFilesOpenTheFirstAndStartCopiesForTheRest) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    std::string first = std::string(folder) + "dropped_first.tsmb";
    HANDLE file = CreateFileA(first.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, kExample.data(), static_cast<DWORD>(kExample.size()), &written, nullptr);
    CloseHandle(file);

    std::vector<std::string> paths = {first, std::string(folder) + "second.tsmn", std::string(folder) + "third.qxtf"};
    SendMessageA(controls().tree, WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop(paths)), 0);
    ASSERT_TRUE(pumpUntil([&] { return textOf(hwnd()).find("dropped_first.tsmb") != std::string::npos; }));
    EXPECT_EQ(textOf(hwnd()), "Tessary - dropped_first.tsmb  (Main Menu)");
    EXPECT_EQ(tree().nodeCount(), 8u);
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[0], paths[1]);
    EXPECT_EQ(launched[1], paths[2]);

    // With unsaved changes even the first file goes to a copy of its own.
    launched.clear();
    document().setModified(true);
    SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop({paths[1]})), 0);
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0], paths[1]);
    DeleteFileA(first.c_str());
}

TEST_F(MainWindowViewsTest, HintsFollowTheCommandAndTheTab) {
    SendMessageA(hwnd(), WM_MENUSELECT, MAKEWPARAM(ID_EDIT_COPY, 0), 0);
    EXPECT_EQ(statusText(), "Copies selected item and all subitems");
    // An Open Recent item shows its file's full path.
    window->session().addRecentFile("C:\\Menus\\Orders.tsmn");
    test::pumpPending();
    SendMessageA(hwnd(), WM_MENUSELECT, MAKEWPARAM(ID_FILE_RECENT_FIRST, 0), 0);
    EXPECT_EQ(statusText(), "C:\\Menus\\Orders.tsmn");
    clickTab(EditorTab::MenuCode);
    SendMessageA(hwnd(), WM_MENUSELECT, MAKEWPARAM(ID_EDIT_COPY, 0), 0);
    EXPECT_EQ(statusText(), "Copies selected text");
    // A side button's mouse movement posts its hint.
    SendMessageA(window->sideButton(ID_MENU_PREVIEW), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    test::pumpPending();
    EXPECT_EQ(statusText(), "Previews current menu in a dummy window");
    SendMessageA(hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(statusText(), "");
}

}  // namespace
}  // namespace tessary

namespace tessary {
namespace {

TEST_F(MainWindowViewsTest, ManualMissingBesideTheProgramIsReported) {
    // No manual stands beside the test program: it runs from a folder of its
    // own, not from the program's folder, where the build puts the manual.
    DialogDriver driver;
    std::string message;
    driver.answerMessageBox(IDOK, &message);
    command(ID_HELP_MANUAL);
    EXPECT_EQ(message, "The Tessary manual can not be found in the Tessary folder.");
}

}  // namespace
}  // namespace tessary
