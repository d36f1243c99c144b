#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/message_box.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;

using MainWindowTest = test::MainWindowFixture;

std::string menuText(HMENU menu, UINT position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(MainWindowTest, HasItsClassTitleAndSize) {
    char className[64] = {};
    GetClassNameA(hwnd(), className, sizeof className);
    EXPECT_STREQ(className, "VarnexMain");
    EXPECT_EQ(title(), "Tessary - Untitled Menu Project  (Main Menu)");

    RECT rect;
    GetWindowRect(hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 500);
    EXPECT_EQ(rect.bottom - rect.top, 450);
    EXPECT_TRUE(GetWindowLongA(hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(MainWindowTest, MenuBarHoldsTheFourMenusWithTheirCommands) {
    HMENU bar = GetMenu(hwnd());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(menuText(bar, 0), "&File");
    EXPECT_EQ(menuText(bar, 1), "&Edit");
    EXPECT_EQ(menuText(bar, 2), "&Menu");
    EXPECT_EQ(menuText(bar, 3), "&Help");

    HMENU file = GetSubMenu(bar, 0);
    // Open Recent sits at position 4, where the recent-file list goes.
    EXPECT_EQ(menuText(file, 4), "Open &Recent");
    MENUITEMINFOA recent = {sizeof recent};
    recent.fMask = MIIM_ID | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfoA(file, 4, TRUE, &recent));
    EXPECT_EQ(recent.wID, static_cast<UINT>(ID_FILE_OPEN_RECENT));
    // It carries the recent-file submenu from the start, empty and grayed while the list is.
    ASSERT_NE(recent.hSubMenu, nullptr);
    EXPECT_EQ(GetMenuItemCount(recent.hSubMenu), 0);
    EXPECT_TRUE(GetMenuState(file, 4, MF_BYPOSITION) & MF_GRAYED);
    HMENU newMenu = GetSubMenu(file, 0);
    ASSERT_NE(newMenu, nullptr);
    EXPECT_EQ(GetMenuItemID(newMenu, 2), static_cast<UINT>(ID_FILE_NEW_POPUP));

    HMENU menu = GetSubMenu(bar, 2);
    EXPECT_EQ(menuText(menu, 0), "Add &Menu...\tCtrl+Shift+M");
    EXPECT_TRUE(GetMenuState(menu, ID_MENU_CHECK_SYNTAX, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, ID_MENU_COPY_CODE, MF_BYCOMMAND) & MF_GRAYED);

    HMENU help = GetSubMenu(bar, 3);
    EXPECT_EQ(GetMenuItemCount(help), 6);
    EXPECT_EQ(GetMenuItemID(help, 5), static_cast<UINT>(ID_HELP_ABOUT));
}

TEST_F(MainWindowTest, CannotBeMadeSmallerThanItsMinimum) {
    SetWindowPos(hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 500);
    EXPECT_EQ(rect.bottom - rect.top, 450);

    SetWindowPos(hwnd(), nullptr, 0, 0, 700, 300, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 700);
    EXPECT_EQ(rect.bottom - rect.top, 450);
}

TEST_F(MainWindowTest, MessageBoxIsCaptionedAndDrivenToItsAnswer) {
    DialogDriver driver;
    std::string text;
    std::string caption;
    driver.answerMessageBox(IDNO, &text, &caption);
    int answer = showStringMessageText(hwnd(), IDS_SAVE_CHANGES, "Orders.tsmn", MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(text, "Save changes to Orders.tsmn?");
    EXPECT_EQ(caption, "Quorix Tessary");
    EXPECT_EQ(driver.dialogsSeen(), 1);
    EXPECT_FALSE(driver.watchdogFired());
}

}  // namespace
}  // namespace tessary

namespace tessary {
namespace {

// Every number of the message ranges has its text, and the numbered messages
// read as the program shows them.
TEST(StringTable, EveryMessageNumberHasItsText) {
    for (UINT id = 300; id <= 354; ++id) {
        EXPECT_FALSE(loadString(id).empty()) << id;
    }
    for (UINT id = 400; id <= 414; ++id) {
        EXPECT_FALSE(loadString(id).empty()) << id;
    }
    EXPECT_EQ(loadString(IDS_PARSE_ERROR), "Error parsing file content!");
    EXPECT_EQ(loadString(IDS_SYNTAX_INCORRECT), "Syntax incorrect in line %d");
    EXPECT_EQ(loadString(IDS_RECENT_MISSING), "Can not open file \"%s\" - file does not exist!");
    EXPECT_EQ(loadString(IDS_NO_PLUGIN_LINK),
              "Tessary can not establish connection to Varnex plug-in.\nPlease check that:\n1. Plug-in is installed\n"
              "2. FileMaker is started");
}

}  // namespace
}  // namespace tessary
