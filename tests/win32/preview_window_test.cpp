// Preview Menu as a user meets it: real preview windows, their native menus
// read back item by item, the kept pop-up menu, and the preview's keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "menucode/code_tree.h"
#include "platform/window_protocol.h"
#include "resources/resource.h"
#include "shell/message_loop.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;

// The example menu of the writer: an application menu, File, and Tools for Windows only.
const std::string kExample =
    "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"FileMaker Pro\" )\r\n\t{\r\n"
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )\r\n\t}\r\n"
    "\tFM_MENU ( \"File\" , FM_MENU_FILE )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n\t\tFM_MENUITEMSEPARATOR ()\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Print One\", \"Print\", CTRL + \"P\", String:\"Print\", Check-On )\r\n\t}\r\n"
    "#IF_WIN\r\n\tFM_MENU ( \"Tools\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Sharing...\", \"Sharing\", Disabled )\r\n"
    "\t}\r\n#END_IF\r\n}\r\n";

// A menu's items: "Text", "-" for a separator, [grayed] and [checked] after
// the text, "#id" for a command id other than 0, a submenu's items in
// parentheses: File(Open...,-,Print One\tCtrl+P[checked]). "none" for no menu.
std::string flat(HMENU menu) {
    std::string text = menu ? "" : "none";
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[256] = {};
        MENUITEMINFOA info = {sizeof info, MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING};
        info.dwTypeData = caption;
        info.cch = sizeof caption;
        EXPECT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        const bool separator = info.fType & MFT_SEPARATOR;
        text += i ? "," : "";
        text += separator ? "-" : caption;
        text += !separator && (info.fState & MFS_GRAYED) ? "[grayed]" : "";
        text += !separator && (info.fState & MFS_CHECKED) ? "[checked]" : "";
        if (info.wID) {
            text.append("#").append(std::to_string(info.wID));
        }
        if (info.hSubMenu) {
            text.append("(").append(flat(info.hSubMenu)).append(")");
        }
    }
    return text;
}

HMENU openedMenu = nullptr;

// Timer: notes the menu that is open and closes it.
void CALLBACK closeOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (menuWindow && IsWindowVisible(menuWindow)) {
        openedMenu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        EndMenu();
    }
}

// The menu that releasing a button in a preview's client area opens, or null.
HMENU menuOpenedBy(HWND preview, UINT buttonUp) {
    openedMenu = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, closeOpenMenu);
    SendMessageA(preview, buttonUp, 0, MAKELPARAM(30, 30));
    KillTimer(nullptr, timer);
    return openedMenu;
}

class PreviewWindowTest : public test::MainWindowFixture {
protected:
    // Runs Preview Menu; the window it opened comes to the top.
    HWND preview() {
        command(ID_MENU_PREVIEW);
        return FindWindowA(kPreviewWindowClass, nullptr);
    }
    // Previews the code as typed in the "Menu Code" tab of a document of the kind.
    HWND preview(MenuKind kind, const std::string& code) {
        document().menuKind = kind;
        clickTab(EditorTab::MenuCode);
        SetWindowTextA(controls().codeEdit, code.c_str());
        return preview();
    }

    DialogDriver unexpected{5000};
};

TEST_F(PreviewWindowTest, MainMenuIsTheMenuBarOfAWindowOfItsOwn) {
    ASSERT_EQ(LoadCodeIntoTree(tree(), kExample, MenuKind::MainMenu), LoadResult::accepted());
    HWND window = preview();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(DialogDriver::windowText(window), "Menu Preview");
    EXPECT_EQ(GetWindow(window, GW_OWNER), hwnd());
    // Windows has no application menu; nothing in the preview is a command.
    EXPECT_EQ(flat(GetMenu(window)), "File(Open...,-,Print One\tCtrl+P[checked]),Tools(Sharing...[grayed])");
    EXPECT_EQ(menuOpenedBy(window, WM_RBUTTONUP), nullptr);
}

// The code tab's text as typed, also when it does not parse.
TEST_F(PreviewWindowTest, MainMenuShowsTheCodeAsTyped) {
    const struct {
        std::string code;
        std::string bar;
    } cases[] = {
        {"FM_MENUBAR ()\r\n{\r\n#IF_MAC\r\nFM_MENU ( \"A\" )\r\n{\r\n}\r\n#END_IF\r\n}\r\n", ""},
        {"FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"Go\" )\r\n{\r\nFM_MENUSCRIPTITEM ( \"Next\", \"n\", ALT + \"F5\" "
         ")\r\n}\r\n}\r\n",
         "Go(Next\tAlt+F5)"},
        {"FM_MENUBAR ()\r\n{\r\nFM_MENU ( FM_MENU_EDIT )\r\n{\r\n}\r\nFM_MENU ( \"B\" )\r\n{\r\nFM_MENUITEM ( FM_NO "
         ")\r\n",
         "Edit()"},
        {"FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"A\" )\r\n{\r\n}\r\n", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(flat(GetMenu(preview(MenuKind::MainMenu, c.code))), c.bar) << c.code;
    }
}

// Each context or pop-up preview replaces the kept pop-up menu, which every
// such window opens on its own button.
TEST_F(PreviewWindowTest, ContextAndPopupPreviewsOpenTheKeptPopupMenu) {
    HWND first = preview(MenuKind::ContextMenu, "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_OPEN )\r\n}\r\n");
    const HMENU replaced = program.keptPreviewMenu;
    ASSERT_TRUE(IsMenu(replaced));
    HWND second = preview(MenuKind::ContextMenu,
                          "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEMSEPARATOR ()\r\nFM_MENU ( \"More\" )\r\n{\r\n"
                          "FM_MENUSCRIPTITEM ( \"Go\", \"go\", Check-On, Disabled )\r\n}\r\n}\r\n");
    EXPECT_FALSE(IsMenu(replaced));
    EXPECT_EQ(GetMenu(second), nullptr);
    EXPECT_EQ(flat(program.keptPreviewMenu), "-,More(Go[grayed][checked])");
    EXPECT_EQ(menuOpenedBy(first, WM_RBUTTONUP), program.keptPreviewMenu);
    EXPECT_EQ(menuOpenedBy(second, WM_LBUTTONUP), nullptr);

    HWND third = preview(MenuKind::PopupMenu, "FM_POPUPMENU ( )\r\n{\r\nFM_MENUITEM ( FM_CLOSE )\r\n}\r\n");
    EXPECT_EQ(menuOpenedBy(third, WM_LBUTTONUP), program.keptPreviewMenu);
    SendMessageA(third, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsMenu(program.keptPreviewMenu));  // it stays for the other windows
}

// The button, Esc, Enter and Alt+F4 close the preview and its menu bar, and
// none reaches the editor, whose Alt+F4 would ask to save the changed document.
TEST_F(PreviewWindowTest, ButtonAndKeysCloseOnlyThePreview) {
    ASSERT_EQ(LoadCodeIntoTree(tree(), kExample, MenuKind::MainMenu), LoadResult::accepted());
    document().modified = true;
    const MSG keys[] = {{nullptr, 0, 0, 0, 0, {}},
                        {nullptr, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}},
                        {nullptr, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}},
                        {nullptr, WM_SYSKEYDOWN, VK_F4, 0x203E0001, 0, {}}};
    for (MSG msg : keys) {
        HWND window = preview();
        const HMENU bar = GetMenu(window);
        ASSERT_TRUE(IsMenu(bar)) << msg.wParam;
        if (msg.message) {
            BYTE state[256] = {};  // Alt is down for a system key, as accelerator tables read it
            state[VK_MENU] = msg.message == WM_SYSKEYDOWN ? 0x80 : 0;
            SetKeyboardState(state);
            msg.hwnd = window;
            processLoopMessage(program, msg);
            state[VK_MENU] = 0;
            SetKeyboardState(state);
        } else {
            PostMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
        }
        EXPECT_TRUE(test::pumpUntil([&] { return !IsWindow(window); })) << msg.wParam;
        EXPECT_FALSE(IsMenu(bar)) << msg.wParam;
    }
    EXPECT_EQ(unexpected.dialogsSeen(), 0);
}

// "Close Preview" stands centred below the middle however the window is
// sized, and the pointer crossing it clears the editor's status line.
TEST_F(PreviewWindowTest, CloseButtonKeepsItsPlaceAndClearsTheHint) {
    HWND window = preview();
    HWND button = GetDlgItem(window, IDOK);
    for (int width : {500, 640}) {
        SetWindowPos(window, nullptr, 0, 0, width, width - 50, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(window, &client);
        RECT place;
        GetWindowRect(button, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, (client.right - 100) / 2) << width;
        EXPECT_EQ(place.top, client.bottom / 2 + 45) << width;
    }
    SendMessageA(hwnd(), WM_MENUSELECT, MAKEWPARAM(ID_EDIT_COPY, 0), 0);
    ASSERT_NE(statusText(), "");
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    test::pumpPending();
    EXPECT_EQ(statusText(), "");
}

}  // namespace
}  // namespace tessary
