#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "documents/recent_files.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "resources/resource.h"
#include "shell/startup.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "win32_test_files.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::pumpUntil;
using test::ScratchFolder;

const std::string kContextCode = "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_COPY )\r\n}\r\n";

// The main window with the program's document objects over the real registry
// and files. The registry's company key is removed before and after.
class DocumentCommandsTest : public test::MainWindowFixture {
protected:
    // Opens a file the way the command line does, through Open Named Document.
    void openThroughCommandLine(const std::string& path) {
        applyStartupCommandLine(*window, ("\"" + path + "\"").c_str());
        test::pumpPending();
    }

    static HMENU recentSubmenu(HWND w) { return GetSubMenu(GetSubMenu(GetMenu(w), 0), 4); }

    static std::string recentItems(HWND w) {
        HMENU file = GetSubMenu(GetMenu(w), 0);
        std::string text = (GetMenuState(file, 4, MF_BYPOSITION) & MF_GRAYED) ? "grayed:" : "enabled:";
        HMENU submenu = GetSubMenu(file, 4);
        for (int i = 0; submenu && i < GetMenuItemCount(submenu); ++i) {
            char item[300] = {};
            GetMenuStringA(submenu, i, item, sizeof item, MF_BYPOSITION);
            // Each entry carries the command of its position.
            const bool ownCommand = GetMenuItemID(submenu, i) == static_cast<UINT>(ID_FILE_RECENT_FIRST + i);
            text += std::string(item) + (ownCommand ? ";" : "(wrong command);");
        }
        return text;
    }

    static bool hasQuit() {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    }
};

TEST_F(DocumentCommandsTest, ContextMenuInATsmbFileOpensAsAContextMenu) {
    ScratchFolder folder;
    std::string path = folder.file("Ctx.tsmb");
    ASSERT_TRUE(ScratchFolder::write(path, kContextCode));

    openThroughCommandLine(path);

    EXPECT_EQ(title(), "Tessary - Ctx.tsmb  (Context Menu)");
    EXPECT_EQ(document().documentFolder, folder.path());
    EXPECT_EQ(tree().nodeCount(), 1u);
    EXPECT_EQ(readRecentFiles(program.settings), std::vector<std::string>{path});
    ASSERT_TRUE(pumpUntil([&] { return recentItems(hwnd()) == "enabled:&1 Ctx.tsmb;"; })) << recentItems(hwnd());
}

// Add Script and Add Separator follow the kind of each document the window
// comes to hold, with nothing selected: on for a context menu, off for a menu
// bar (its top level takes menus only), on the side buttons and in the menu
// alike, and Add Script does what it shows.
TEST_F(DocumentCommandsTest, AddingItemsFollowsTheKindOfEveryNewOrOpenedDocument) {
    ScratchFolder folder;
    const std::string bar = folder.file("Bar.tsmb");
    const std::string context = folder.file("Ctx.tsmn");
    const std::string pattern = folder.file("Pattern.qxtf");
    ASSERT_TRUE(ScratchFolder::write(bar, "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n"));
    ASSERT_TRUE(ScratchFolder::write(context, kContextCode));
    ASSERT_TRUE(ScratchFolder::write(pattern, "FM_MENUBAR ()\r\n{\r\n}\r\n"));
    const struct {
        const char* how;
        std::function<void()> act;
        const std::string* picked;  // the path the file dialog is answered with
        bool itemsOn;
    } steps[] = {
        {"command line, context menu", [&] { openThroughCommandLine(context); }, nullptr, true},
        {"command line, menu bar", [&] { openThroughCommandLine(bar); }, nullptr, false},
        {"New, context menu", [&] { command(ID_FILE_NEW_CONTEXT); }, nullptr, true},
        {"New From Template", [&] { command(ID_FILE_NEW_FROM_TEMPLATE); }, &pattern, false},
        {"Open..., context menu", [&] { command(ID_FILE_OPEN); }, &context, true},
        {"Open Recent, menu bar", [&] { command(ID_FILE_RECENT_FIRST + 1); }, nullptr, false},
    };
    HMENU menu = GetMenu(hwnd());
    for (const auto& step : steps) {
        {
            DialogDriver driver;
            if (step.picked) {
                driver.next([path = *step.picked](HWND dialog) {
                    SetWindowTextA(GetDlgItem(dialog, 0x47C), path.c_str());  // the name box
                    DialogDriver::press(dialog, IDOK);
                });
            }
            step.act();
            test::pumpPending();
        }
        ASSERT_EQ(tree().selected(), kNoNode) << step.how;
        for (UINT id : {ID_MENU_ADD_SCRIPT, ID_MENU_ADD_SEPARATOR}) {
            EXPECT_EQ(IsWindowEnabled(window->sideButton(id)) != FALSE, step.itemsOn) << step.how << " " << id;
            EXPECT_EQ((GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) == 0, step.itemsOn) << step.how << " " << id;
        }
        DialogDriver driver;
        std::string caption;
        driver.next([&](HWND dialog) {
            caption = DialogDriver::windowText(dialog);
            DialogDriver::press(dialog, IDCANCEL);
        });
        command(ID_MENU_ADD_SCRIPT);
        EXPECT_EQ(caption, step.itemsOn ? "Script Properties" : "") << step.how;
    }
    EXPECT_TRUE(launched.empty());
}

// One file, one editor: opening a file that a main window holds, however its
// path is spelled, brings that window forward and opens it nowhere else; a
// window with changes does not open its own file in a second copy either.
TEST_F(DocumentCommandsTest, AFileHeldByAWindowBringsThatWindowForward) {
    ScratchFolder folder;
    const std::string path = folder.file("Held.tsmn");
    ASSERT_TRUE(ScratchFolder::write(path, kContextCode));
    openThroughCommandLine(path);
    document().setModified(true);
    window->session().openRecent(path);
    test::pumpPending();
    EXPECT_TRUE(launched.empty());

    MainWindow& other = otherWindow(true);
    applyStartupCommandLine(other, ("\"" + folder.path() + "gone\\..\\HELD.TSMN\"").c_str());
    test::pumpPending();
    EXPECT_EQ(DialogDriver::windowText(other.hwnd()), "Tessary - Untitled Menu Project  (Main Menu)");
    EXPECT_TRUE(launched.empty());
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == hwnd(); }));
}

TEST_F(DocumentCommandsTest, FilesThatCannotBeOpenedAreReportedAndChangeNothing) {
    ScratchFolder folder;
    std::string good = folder.file("Good.tsmn");
    ASSERT_TRUE(ScratchFolder::write(good, kContextCode));
    ASSERT_TRUE(ScratchFolder::write(folder.file("Binary.tsmb"), std::string("MZ\x90\0\x03\0\0\0", 8)));
    ASSERT_TRUE(ScratchFolder::write(folder.file("Huge.tsmb"), std::string(kDocumentBufferSize, ' ')));
    openThroughCommandLine(good);
    ASSERT_EQ(title(), "Tessary - Good.tsmn  (Context Menu)");

    struct Case {
        const char* name;
        std::string message;
    } cases[] = {
        // No text: it holds NUL bytes.
        {"Binary.tsmb", "Error parsing file content!"},
        {"Huge.tsmb", "Can not open file \"" + folder.file("Huge.tsmb") +
                          "\" - file is too large! Menu files must be smaller than 512 KB."},
        // The system's reason follows.
        {"Missing.tsmb", "Can not open file \"" + folder.file("Missing.tsmb") + "\" - "},
    };
    for (const Case& c : cases) {
        DialogDriver driver;
        std::string text;
        std::string caption;
        driver.answerMessageBox(IDOK, &text, &caption);
        openThroughCommandLine(folder.file(c.name));
        EXPECT_EQ(driver.dialogsSeen(), 1) << c.name;
        EXPECT_EQ(text.substr(0, c.message.size()), c.message);
        EXPECT_EQ(caption, "Quorix Tessary");
        EXPECT_EQ(title(), "Tessary - Good.tsmn  (Context Menu)") << c.name;
        EXPECT_EQ(tree().nodeCount(), 1u) << c.name;
    }
}

// A file saved from the code tab with a syntax error opens again, in the code
// tab, and typed code with an error is saved only when the user says so.
TEST_F(DocumentCommandsTest, CodeWithASyntaxErrorOpensInTheCodeTabAndIsSavedOnlyWhenAsked) {
    ScratchFolder folder;
    const std::string path = folder.file("Broken.tsmn");
    const std::string broken = "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_NOPE )\r\n}\r\n";
    ASSERT_TRUE(ScratchFolder::write(path, broken));
    // The selection of the code edit, as "start-end".
    auto selection = [&] {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(controls().codeEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::to_string(start) + "-" + std::to_string(end);
    };
    DialogDriver driver;
    std::string text;
    driver.answerMessageBox(IDOK, &text);
    openThroughCommandLine(path);
    EXPECT_EQ(text, "Syntax incorrect in line 3");
    EXPECT_EQ(title(), "Tessary - Broken.tsmn  (Context Menu)");
    EXPECT_EQ(window->currentTab(), EditorTab::MenuCode);
    EXPECT_TRUE(IsWindowVisible(controls().codeEdit));
    EXPECT_FALSE(IsWindowVisible(controls().tree));
    EXPECT_EQ(codeText(), broken);
    EXPECT_EQ(selection(), "23-46");  // FM_MENUITEM ( FM_NOPE )
    EXPECT_EQ(GetFocus(), controls().codeEdit);
    EXPECT_FALSE(document().modified);
    EXPECT_EQ(readRecentFiles(program.settings), std::vector<std::string>{path});

    // The tree is refused until the code reads.
    driver.answerMessageBox(IDOK, &text);
    clickTab(EditorTab::MenuTree);
    EXPECT_EQ(text, "Syntax incorrect in line 3");
    EXPECT_EQ(window->currentTab(), EditorTab::MenuCode);

    // Typed code with an error in line 4: No writes nothing and selects the line.
    const std::string typed = "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_COPY )\r\nFM_MENUITEM ( FM_NOPE )\r\n}\r\n";
    // Pasted over the whole text, as a user would.
    SendMessageA(controls().codeEdit, EM_SETSEL, 0, -1);
    SendMessageA(controls().codeEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
    ASSERT_TRUE(document().modified);
    struct Case {
        int button;
        std::string file;
        bool modified;
    } cases[] = {{IDNO, broken, true}, {IDYES, typed, false}};
    for (const Case& c : cases) {
        SendMessageA(controls().codeEdit, EM_SETSEL, 0, 0);
        driver.answerMessageBox(c.button, &text);
        command(ID_FILE_SAVE);
        EXPECT_EQ(text, "The menu code has a syntax error in line 4. Save it anyway?");
        EXPECT_EQ(ScratchFolder::read(path), c.file) << c.button;
        EXPECT_EQ(document().modified, c.modified) << c.button;
        EXPECT_EQ(selection(), c.modified ? "48-71" : "0-0") << c.button;
    }
    EXPECT_EQ(title(), "Tessary - Broken.tsmn  (Context Menu)");

    // Exit: Yes to saving, No to saving the error: the program stays.
    document().setModified(true);
    std::string question;
    driver.answerMessageBox(IDYES, &question);
    driver.answerMessageBox(IDNO, &text);
    command(ID_FILE_EXIT);
    EXPECT_EQ(question, "Save changes to Broken.tsmn?");
    EXPECT_EQ(text, "The menu code has a syntax error in line 4. Save it anyway?");
    EXPECT_FALSE(hasQuit());
    EXPECT_EQ(driver.pending(), 0);
}

TEST_F(DocumentCommandsTest, SavingToAReadOnlyFileIsReportedAndKeepsTheChanges) {
    ScratchFolder folder;
    std::string path = folder.file("Orders.tsmn");
    ASSERT_TRUE(ScratchFolder::write(path, kContextCode));
    openThroughCommandLine(path);
    tree().deleteSubtree(tree().firstTopLevel());
    document().setModified(true);
    ASSERT_EQ(title(), "Tessary - Orders.tsmn* (Context Menu)");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

    {
        DialogDriver driver;
        std::string text;
        driver.answerMessageBox(IDOK, &text);
        command(ID_FILE_SAVE);
        EXPECT_EQ(driver.dialogsSeen(), 1);
        EXPECT_EQ(text.find("Can not save file \"" + path + "\" - "), 0u) << text;
        EXPECT_NE(text.find("The file was not changed."), std::string::npos) << text;
    }
    EXPECT_TRUE(document().modified);
    EXPECT_EQ(title(), "Tessary - Orders.tsmn* (Context Menu)");
    EXPECT_EQ(ScratchFolder::read(path), kContextCode);

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    command(ID_FILE_SAVE);
    EXPECT_FALSE(document().modified);
    EXPECT_EQ(title(), "Tessary - Orders.tsmn  (Context Menu)");
    EXPECT_EQ(ScratchFolder::read(path), "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Orders.tsmn"});
}

TEST_F(DocumentCommandsTest, RecentListIsSharedByEveryMainWindow) {
    HWND other = otherWindow(false).hwnd();
    EXPECT_EQ(recentItems(hwnd()), "grayed:");
    EXPECT_EQ(recentItems(other), "grayed:");

    ScratchFolder folder;
    for (const char* name : {"A.tsmn", "B.tsmn", "C.tsmn", "D.tsmn", "E.tsmn"}) {
        window->session().addRecentFile(folder.file(name));
    }
    const std::string full = "enabled:&1 E.tsmn;&2 D.tsmn;&3 C.tsmn;&4 B.tsmn;";
    EXPECT_TRUE(pumpUntil([&] { return recentItems(hwnd()) == full && recentItems(other) == full; }))
        << recentItems(hwnd()) << " / " << recentItems(other);

    // D's file does not exist: choosing it in one window reports it and drops it everywhere.
    DialogDriver driver;
    std::string text;
    driver.answerMessageBox(IDOK, &text);
    command(ID_FILE_RECENT_FIRST + 1, other);
    EXPECT_EQ(text, "Can not open file \"" + folder.file("D.tsmn") + "\" - file does not exist!");
    const std::string three = "enabled:&1 E.tsmn;&2 C.tsmn;&3 B.tsmn;";
    EXPECT_TRUE(pumpUntil([&] { return recentItems(hwnd()) == three && recentItems(other) == three; }))
        << recentItems(hwnd()) << " / " << recentItems(other);

    // An entry whose file exists opens in the window whose menu it was chosen from.
    ASSERT_TRUE(ScratchFolder::write(folder.file("C.tsmn"), kContextCode));
    command(ID_FILE_RECENT_FIRST + 1, other);
    EXPECT_TRUE(pumpUntil([&] { return DialogDriver::windowText(other) == "Tessary - C.tsmn  (Context Menu)"; }))
        << DialogDriver::windowText(other);
    const std::string moved = "enabled:&1 C.tsmn;&2 E.tsmn;&3 B.tsmn;";
    EXPECT_TRUE(pumpUntil([&] { return recentItems(hwnd()) == moved && recentItems(other) == moved; }));
}

TEST_F(DocumentCommandsTest, ExitAsksToSaveUnsavedChanges) {
    EXPECT_FALSE(hasQuit());
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(hasQuit());

    document().setModified(true);
    struct Case {
        int button;
        bool quits;
    } cases[] = {{IDCANCEL, false}, {IDNO, true}};
    for (const Case& c : cases) {
        DialogDriver driver;
        std::string text;
        driver.answerMessageBox(c.button, &text);
        command(ID_FILE_EXIT);
        EXPECT_EQ(text, "Save changes to Untitled Menu Project?");
        EXPECT_EQ(hasQuit(), c.quits) << c.button;
        EXPECT_TRUE(IsWindow(hwnd()));
    }
}

TEST_F(DocumentCommandsTest, SaveOfANewDocumentAsksForTheFileInTheCommonDialog) {
    ScratchFolder folder;
    command(ID_FILE_NEW_CONTEXT);
    document().setModified(true);
    DialogDriver driver;
    std::string dialogTitle;
    std::string proposed;
    driver.next([&](HWND dialog) {
        dialogTitle = DialogDriver::windowText(dialog);
        // The file name box: a combo box in the Explorer-style dialog.
        HWND name = GetDlgItem(dialog, 0x47C);
        proposed = DialogDriver::windowText(name);
        SetWindowTextA(name, folder.file("Picked").c_str());
        DialogDriver::press(dialog, IDOK);
    });
    command(ID_FILE_SAVE);
    EXPECT_EQ(driver.dialogsSeen(), 1);
    EXPECT_EQ(dialogTitle, "Save file as...");
    EXPECT_EQ(proposed, "Untitled Menu Project");
    // The default extension follows the kind.
    EXPECT_EQ(ScratchFolder::read(folder.file("Picked.tsmn")), "FM_CONTEXTMENU ( )\r\n{\r\n}\r\n");
    EXPECT_EQ(title(), "Tessary - Picked.tsmn  (Context Menu)");
    EXPECT_EQ(document().documentFolder, folder.path());
}

}  // namespace
}  // namespace tessary
