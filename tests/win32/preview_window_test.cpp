// Preview Menu as a user meets it: real preview windows, their native menus
// read back item by item, the kept pop-up menu, and the keys and clicks of a
// preview window.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "menucode/code_tree.h"
#include "platform/window_protocol.h"
#include "resources/resource.h"
#include "shell/message_loop.h"
#include "shell/preview_window.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;

// The example menu of the writer: an application menu, then File and, for
// Windows only, Tools.
const std::string kExample =
    "FM_MENUBAR ()\r\n{\r\n\tFM_APPMENU ( \"FileMaker Pro\" )\r\n\t{\r\n"
    "\t\tFM_MACPREFERENCES ( \"Preferences...\", \"Preferences\" )\r\n\t}\r\n"
    "\tFM_MENU ( \"File\" , FM_MENU_FILE )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n"
    "\t\tFM_MENUITEMSEPARATOR ()\r\n"
    "\t\tFM_MENUSCRIPTITEM ( \"Print One\", \"Print\", CTRL + \"P\", String:\"Print\", Check-On )\r\n\t}\r\n"
    "#IF_WIN\r\n\tFM_MENU ( \"Tools\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Sharing...\", \"Sharing\", Disabled )\r\n"
    "\t}\r\n#END_IF\r\n}\r\n";

// A menu's items as "Text", "-" for a separator, [grayed] and [checked] after
// the text, "#id" for a command id other than 0, a submenu's items in
// parentheses: File(Open...,-,Print One\tCtrl+P[checked]).
std::string flat(HMENU menu) {
    std::string text;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[256] = {};
        MENUITEMINFOA info = {sizeof info};
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = sizeof caption;
        EXPECT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        text += i ? "," : "";
        if (info.fType & MFT_SEPARATOR) {
            text += "-";
        } else {
            text.append(caption)
                .append(info.fState & MFS_GRAYED ? "[grayed]" : "")
                .append(info.fState & MFS_CHECKED ? "[checked]" : "");
        }
        if (info.wID) {
            text.append("#").append(std::to_string(info.wID));
        }
        if (info.hSubMenu) {
            text.append("(").append(flat(info.hSubMenu)).append(")");
        }
    }
    return text;
}

BOOL CALLBACK collectPreview(HWND window, LPARAM list) {
    char name[32] = {};
    if (GetClassNameA(window, name, sizeof name) && std::string(name) == kPreviewWindowClass) {
        reinterpret_cast<std::set<HWND>*>(list)->insert(window);
    }
    return TRUE;
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

// The menu that releasing a button in a preview's client area opens; null
// when none opens.
HMENU menuOpenedBy(HWND preview, UINT buttonUp) {
    openedMenu = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, closeOpenMenu);
    SendMessageA(preview, buttonUp, 0, MAKELPARAM(30, 30));
    KillTimer(nullptr, timer);
    return openedMenu;
}

class PreviewWindowTest : public test::MainWindowFixture {
protected:
    // Runs Preview Menu; the window it opened, or null.
    HWND preview() {
        std::set<HWND> before;
        EnumThreadWindows(GetCurrentThreadId(), collectPreview, reinterpret_cast<LPARAM>(&before));
        command(ID_MENU_PREVIEW);
        std::set<HWND> after;
        EnumThreadWindows(GetCurrentThreadId(), collectPreview, reinterpret_cast<LPARAM>(&after));
        for (HWND window : after) {
            if (!before.count(window)) {
                return window;
            }
        }
        return nullptr;
    }

    // The code as typed in the "Menu Code" tab of a document of the kind.
    void typeCode(MenuKind kind, const std::string& code) {
        document().menuKind = kind;
        clickTab(EditorTab::MenuCode);
        SetWindowTextA(controls().codeEdit, code.c_str());
    }

    DialogDriver unexpected{5000};
};

TEST_F(PreviewWindowTest, MainMenuFromTheTreeIsTheMenuBarOfAWindowOfItsOwn) {
    ASSERT_EQ(LoadCodeIntoTree(tree(), kExample, MenuKind::MainMenu), kLoadAccepted);
    HWND window = preview();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(DialogDriver::windowText(window), "Menu Preview");
    EXPECT_EQ(GetWindow(window, GW_OWNER), hwnd());
    RECT own;
    RECT main;
    GetWindowRect(window, &own);
    GetWindowRect(hwnd(), &main);
    EXPECT_EQ(own.right - own.left, 500);
    EXPECT_EQ(own.bottom - own.top, 450);
    EXPECT_NEAR(own.left + own.right, main.left + main.right, 1);
    EXPECT_NEAR(own.top + own.bottom, main.top + main.bottom, 1);
    // No application menu: Windows has none.
    EXPECT_EQ(flat(GetMenu(window)), "File(Open...,-,Print One\tCtrl+P[checked]),Tools(Sharing...[grayed])");
    EXPECT_EQ(menuOpenedBy(window, WM_RBUTTONUP), nullptr);
    EXPECT_EQ(menuOpenedBy(window, WM_LBUTTONUP), nullptr);

    // "Close Preview" stands centred below the middle, also after a resize.
    HWND button = GetDlgItem(window, IDOK);
    EXPECT_EQ(DialogDriver::windowText(button), "Close Preview");
    for (SIZE size : {SIZE{500, 450}, SIZE{640, 380}}) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        RECT rect;
        GetClientRect(window, &client);
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, (client.right - 100) / 2);
        EXPECT_EQ(rect.top, client.bottom / 2 + 45);
        EXPECT_EQ(rect.right - rect.left, 100);
        EXPECT_EQ(rect.bottom - rect.top, 20);
    }
}

TEST_F(PreviewWindowTest, MainMenuFromTheCodeTabIsTheCodeAsTyped) {
    const struct {
        std::string code;
        bool hasBar;
        std::string bar;
    } cases[] = {
        {"FM_MENUBAR ()\r\n{\r\n#IF_MAC\r\nFM_MENU ( \"A\" )\r\n{\r\n}\r\nFM_MENU ( \"B\" "
         ")\r\n{\r\n}\r\n#END_IF\r\n}\r\n",
         true, ""},
        {"FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"Go\" )\r\n{\r\nFM_MENUSCRIPTITEM ( \"Next\", \"n\", ALT + \"F5\" "
         ")\r\n}\r\n}\r\n",
         true, "Go(Next\tAlt+F5)"},
        // Code that does not parse: what was read before the error, or nothing.
        {"FM_MENUBAR ()\r\n{\r\nFM_MENU ( FM_MENU_EDIT )\r\n{\r\nFM_MENUITEM ( FM_OPEN )\r\n}\r\nFM_MENU ( \"B\" )\r\n"
         "{\r\nFM_MENUITEM ( FM_NOPE )\r\n}\r\n}\r\n",
         true, "Edit(Open...)"},
        {"FM_MENUBAR ()\r\n{\r\nFM_MENU ( \"A\" )\r\n{\r\n}\r\n", false, ""},
    };
    for (const auto& c : cases) {
        typeCode(MenuKind::MainMenu, c.code);
        HWND window = preview();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetMenu(window) != nullptr, c.hasBar) << c.code;
        EXPECT_EQ(flat(GetMenu(window)), c.bar) << c.code;
    }
}

// Each context or pop-up preview replaces the kept pop-up menu, which every
// such window opens on its own click.
TEST_F(PreviewWindowTest, ContextAndPopupPreviewsOpenTheKeptPopupMenu) {
    typeCode(MenuKind::ContextMenu, "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_OPEN )\r\n}\r\n");
    HWND first = preview();
    const HMENU replaced = program.keptPreviewMenu;
    ASSERT_TRUE(IsMenu(replaced));

    typeCode(MenuKind::ContextMenu,
             "FM_CONTEXTMENU ( )\r\n{\r\nFM_MENUITEM ( FM_OPEN, CTRL + \"O\" )\r\nFM_MENUITEMSEPARATOR ()\r\n"
             "FM_MENU ( \"More\" )\r\n{\r\nFM_MENUSCRIPTITEM ( \"Go\", \"go\", Check-On, Disabled )\r\n}\r\n}\r\n");
    HWND second = preview();
    const HMENU kept = program.keptPreviewMenu;
    EXPECT_FALSE(IsMenu(replaced));
    EXPECT_EQ(GetMenu(second), nullptr);
    EXPECT_EQ(flat(kept), "Open...\tCtrl+O,-,More(Go[grayed][checked])");
    EXPECT_EQ(menuOpenedBy(first, WM_RBUTTONUP), kept);
    EXPECT_EQ(menuOpenedBy(second, WM_RBUTTONUP), kept);
    EXPECT_EQ(menuOpenedBy(second, WM_LBUTTONUP), nullptr);

    typeCode(MenuKind::PopupMenu, "FM_POPUPMENU ( )\r\n{\r\nFM_MENUITEM ( FM_CLOSE )\r\n}\r\n");
    HWND third = preview();
    EXPECT_EQ(flat(program.keptPreviewMenu), "Close");
    EXPECT_EQ(menuOpenedBy(third, WM_LBUTTONUP), program.keptPreviewMenu);
    EXPECT_EQ(menuOpenedBy(third, WM_RBUTTONUP), nullptr);
    // Closing a preview leaves the kept menu to the others.
    SendMessageA(third, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(third));
    EXPECT_TRUE(IsMenu(program.keptPreviewMenu));
}

// The button, Esc, Enter and Alt+F4 close the preview and its menu bar, and
// none reaches the editor: its Exit would ask to save the changed document.
TEST_F(PreviewWindowTest, ButtonAndKeysCloseOnlyThePreview) {
    ASSERT_EQ(LoadCodeIntoTree(tree(), kExample, MenuKind::MainMenu), kLoadAccepted);
    document().modified = true;
    const struct {
        const char* name;
        UINT message;
        WPARAM key;
        LPARAM keyData;
    } cases[] = {
        {"Close Preview", 0, 0, 0},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, 0x00010001},
        {"Enter", WM_KEYDOWN, VK_RETURN, 0x001C0001},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, 0x203E0001},
    };
    for (const auto& c : cases) {
        HWND window = preview();
        const HMENU bar = GetMenu(window);
        ASSERT_TRUE(IsMenu(bar)) << c.name;
        if (c.message) {
            // Alt is down for a system key, as the accelerator tables read it.
            BYTE keys[256] = {};
            keys[VK_MENU] = c.message == WM_SYSKEYDOWN ? 0x80 : 0;
            SetKeyboardState(keys);
            MSG msg = {window, c.message, c.key, c.keyData, 0, {}};
            processLoopMessage(program, msg);
            keys[VK_MENU] = 0;
            SetKeyboardState(keys);
        } else {
            PostMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
        }
        EXPECT_TRUE(test::pumpUntil([&] { return !IsWindow(window); })) << c.name;
        EXPECT_FALSE(IsMenu(bar)) << c.name;
    }
    EXPECT_EQ(unexpected.dialogsSeen(), 0);
    EXPECT_TRUE(IsWindowVisible(hwnd()));
}

// The largest code, 511 KB, gives a bar of some 2,100 menus, every one of them
// there. (Typing it into the code edit would take seconds of its own.)
TEST_F(PreviewWindowTest, LargestMenuPreviewsWhole) {
    std::string code = "FM_MENUBAR ()\r\n{\r\n";
    int menus = 0;
    for (;;) {
        const std::string menu =
            "\tFM_MENU ( \"Menu " + std::to_string(menus + 1) +
            "\" )\r\n\t{\r\n"
            "\t\tFM_MENUITEM ( FM_OPEN, CTRL + \"O\", String:\"open\" )\r\n"
            "\t\tFM_MENUSCRIPTITEM ( \"Report\", \"Report\", CTRL + ALT + \"F5\", Check-On )\r\n"
            "\t\tFM_MENUITEMSEPARATOR ()\r\n"
            "\t\tFM_MENU ( \"Sub\" )\r\n\t\t{\r\n\t\t\tFM_MENUITEM ( FM_CLOSE )\r\n\t\t}\r\n\t}\r\n";
        if (code.size() + menu.size() + 3 > 511 * 1024) {
            break;
        }
        code += menu;
        ++menus;
    }
    code += "}\r\n";
    HWND window = openMenuPreview(program, hwnd(), code, MenuKind::MainMenu);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetMenuItemCount(GetMenu(window)), menus);
    EXPECT_EQ(flat(GetSubMenu(GetMenu(window), menus - 1)),
              "Open...\tCtrl+O,Report\tCtrl+Alt+F5[checked],-,Sub(Close)");
}

}  // namespace
}  // namespace tessary
