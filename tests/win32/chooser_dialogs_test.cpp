// The two chooser dialogs opened from "Script Properties" and "Menu Item
// Properties" on a real main window: "Select Script" against the FileMaker
// stand-in, the standard-menu chooser against a "FileMaker Menus" folder of
// the test's own beside the test program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "menucode/code_tree.h"
#include "model/tree_flatten.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "support/fm_standin.h"
#include "support/main_window_fixture.h"
#include "support/ready_made_folder.h"

namespace tessary {
namespace {

using test::DialogDriver;
using test::FmStandIn;
using test::ScratchFolder;

constexpr const char* kMenuBarWithFile = "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t}\r\n}\r\n";
constexpr const char* kEditMenu =
    "\tFM_MENU ( FM_MENU_EDIT )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_UNDO )\r\n\t\tFM_MENUITEM ( FM_RECENT_FILES )\r\n"
    "\t\tFM_MENUITEMSEPARATOR ()\r\n\t\tFM_MENUITEM ( FM_COPY )\r\n\t}\r\n";

// Standard menus of two versions beside the test program, removed afterwards:
// "Alpha 1" shows an Edit menu (5 items), "Beta 2" also a File menu (7 items).
class StandardMenus {
public:
    StandardMenus() {
        const std::string file = "\tFM_MENU ( FM_MENU_FILE )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n\t}\r\n";
        for (const char* name : {"Alpha 1,Browse", "Alpha 1,Find", "Beta 2,Layout", "Beta 2,Browse"}) {
            const bool beta = name[0] == 'B';
            folder_.addStandardMenu(name,
                                    std::string("FM_MENUBAR ()\r\n{\r\n") + kEditMenu + (beta ? file : "") + "}\r\n");
        }
    }

private:
    test::ReadyMadeFolder folder_;
};

class ChooserDialogsTest : public test::MainWindowFixture {
protected:
    void loadMenu(const char* code, bool selectFirst) {
        ASSERT_EQ(LoadCodeIntoTree(tree(), code, MenuKind::MainMenu), LoadResult::accepted());
        tree().selectNode(selectFirst ? tree().firstTopLevel() : kNoNode);
    }

    uint32_t setting(const char* name) { return readSettingOr(program.settings, name, 99); }

    static std::string text(HWND dialog, int id) { return DialogDriver::windowText(GetDlgItem(dialog, id)); }
    static bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    static bool visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

    static std::string rows(HWND list) {
        std::string out;
        const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char row[256] = {};
            LVITEMA item = {};
            item.pszText = row;
            item.cchTextMax = sizeof row;
            SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
            out += std::string(i ? "," : "") + row;
        }
        return out;
    }

    static int selectRow(HWND list, const char* text) {
        LVFINDINFOA find = {LVFI_STRING, text};
        const int row = static_cast<int>(SendMessageA(list, LVM_FINDITEMA, -1, reinterpret_cast<LPARAM>(&find)));
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
        return row;
    }

    static bool selectItem(HWND tree, HTREEITEM first, const std::string& wanted) {
        for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
            char caption[256] = {};
            TVITEMA info = {TVIF_TEXT, item, 0, 0, caption, sizeof caption};
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
            if (wanted == caption) {
                return TreeView_SelectItem(tree, item);
            }
            if (selectItem(tree, TreeView_GetChild(tree, item), wanted)) {
                return true;
            }
        }
        return false;
    }
    static bool selectItem(HWND chooser, const std::string& wanted) {
        HWND tree = GetDlgItem(chooser, IDC_CHOOSEFM_TREE);
        return selectItem(tree, TreeView_GetRoot(tree), wanted);
    }

    static void chooseEntry(HWND dialog, int id, int entry) {
        SendDlgItemMessageA(dialog, id, CB_SETCURSEL, entry, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
};

TEST_F(ChooserDialogsTest, SelectScriptListsSortedScriptsRefreshesAndFillsScriptProperties) {
    FmStandIn fm("Orders\nalpha\nInvoices\n", "");
    ASSERT_TRUE(fm.ready());
    loadMenu(kMenuBarWithFile, true);
    DialogDriver driver;
    std::string before;
    std::string after;
    bool okAtStart = true;
    bool okWithRow = false;
    driver.next([](HWND properties) { DialogDriver::press(properties, IDC_SCRIPT_CHOOSE); });
    driver.next([&](HWND chooser) {
        HWND list = GetDlgItem(chooser, IDC_SELSCRIPT_LIST);
        before = rows(list);
        okAtStart = enabled(chooser, IDOK);
        fm.setScripts("Orders\nalpha\nInvoices\nCustomers\n");
        SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDC_SELSCRIPT_REFRESH, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDC_SELSCRIPT_REFRESH)));
        after = rows(list);
        NMITEMACTIVATE doubleClick = {};
        doubleClick.hdr = {list, IDC_SELSCRIPT_LIST, static_cast<UINT>(NM_DBLCLK)};
        doubleClick.iItem = selectRow(list, "Customers");
        okWithRow = enabled(chooser, IDOK);
        SendMessageA(chooser, WM_NOTIFY, IDC_SELSCRIPT_LIST, reinterpret_cast<LPARAM>(&doubleClick));
        DialogDriver::press(GetWindow(chooser, GW_OWNER), IDOK);
    });
    command(ID_MENU_ADD_SCRIPT);
    EXPECT_EQ(before, "alpha,Invoices,Orders");
    EXPECT_EQ(after, "alpha,Customers,Invoices,Orders");
    EXPECT_FALSE(okAtStart);
    EXPECT_TRUE(okWithRow);
    // The script and the empty name took the chosen script.
    const NodeHandle script = tree().firstChild(tree().firstTopLevel());
    char scriptName[250] = {};
    tree().getScriptName(script, scriptName, sizeof scriptName);
    EXPECT_EQ(tree().caption(script) + "|" + scriptName, "Customers|Customers");
}

// A message that Refresh brings (the plug-in has gone) belongs to Select
// Script: closing it leaves Script Properties disabled behind the open chooser.
TEST_F(ChooserDialogsTest, AMessageAfterRefreshKeepsSelectScriptInFront) {
    FmStandIn fm("Orders\n", "");
    ASSERT_TRUE(fm.ready());
    loadMenu(kMenuBarWithFile, true);
    DialogDriver driver;
    HWND chooserWindow = nullptr;
    HWND messageOwner = nullptr;
    std::string message;
    bool propertiesEnabled = true;
    driver.next([](HWND properties) { DialogDriver::press(properties, IDC_SCRIPT_CHOOSE); });
    driver.next([&](HWND chooser) {
        chooserWindow = chooser;
        fm.close();
        PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDC_SELSCRIPT_REFRESH, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDC_SELSCRIPT_REFRESH)));
    });
    driver.next([&](HWND box) {
        messageOwner = GetWindow(box, GW_OWNER);
        message = DialogDriver::messageText(box);
        DialogDriver::press(box, IDOK);
        driver.later([&] {
            propertiesEnabled = IsWindowEnabled(GetWindow(chooserWindow, GW_OWNER)) != FALSE;
            HWND properties = GetWindow(chooserWindow, GW_OWNER);
            DialogDriver::press(chooserWindow, IDCANCEL);
            driver.later([properties] { DialogDriver::press(properties, IDCANCEL); });
        });
    });
    command(ID_MENU_ADD_SCRIPT);
    EXPECT_EQ(message, loadString(IDS_NO_PLUGIN_LINK));
    EXPECT_EQ(messageOwner, chooserWindow);
    EXPECT_FALSE(propertiesEnabled);
    EXPECT_EQ(driver.dialogsSeen(), 3);
}

TEST_F(ChooserDialogsTest, TheStandardMenuChooserGivesCommandsOfTheChosenVersion) {
    StandardMenus menus;
    program.settings.writeSetting(kSettingChooseFmMode, 1);
    loadMenu(kMenuBarWithFile, true);
    DialogDriver driver;
    std::string shown;
    std::string switched;
    std::string recent;
    std::string reopened;
    std::string copy;
    HWND first = nullptr;
    driver.next([](HWND properties) { DialogDriver::press(properties, IDC_FMITEM_CHOOSE); });
    driver.next([&](HWND chooser) {
        first = chooser;
        auto showing = [chooser] {
            return text(chooser, IDC_CHOOSEFM_VERSION) + "/" + text(chooser, IDC_CHOOSEFM_MODE) + ":" +
                   std::to_string(SendDlgItemMessageA(chooser, IDC_CHOOSEFM_TREE, TVM_GETCOUNT, 0, 0));
        };
        shown = showing();
        chooseEntry(chooser, IDC_CHOOSEFM_VERSION, 1);
        switched = showing();
        selectItem(chooser, "Recent Files");
        PostMessageA(chooser, WM_COMMAND, IDOK, 0);
        driver.later([&, properties = GetWindow(chooser, GW_OWNER)] {
            recent = text(properties, IDC_FMITEM_KEYWORD) + "|" + text(properties, IDC_FMITEM_SEVERAL) + "|" +
                     std::to_string(visible(properties, IDC_FMITEM_SEVERAL)) +
                     std::to_string(visible(properties, IDC_ITEM_NAME)) + std::to_string(IsWindow(first) != 0);
            DialogDriver::press(properties, IDC_FMITEM_CHOOSE);
        });
    });
    driver.next([&](HWND chooser) {
        reopened = text(chooser, IDC_CHOOSEFM_VERSION);
        selectItem(chooser, "Copy");
        PostMessageA(chooser, WM_COMMAND, IDOK, 0);
        driver.later([&, properties = GetWindow(chooser, GW_OWNER)] {
            copy = text(properties, IDC_ITEM_NAME) + "|" + text(properties, IDC_FMITEM_KEYWORD) + "|" +
                   std::to_string(visible(properties, IDC_ITEM_NAME)) +
                   std::to_string(visible(properties, IDC_FMITEM_SEVERAL));
            DialogDriver::press(properties, IDOK);
        });
    });
    command(ID_MENU_ADD_FM_ITEM);
    EXPECT_EQ(shown, "Alpha 1/Browse:5");
    // The second version resets the mode to its first and stores index 1.
    EXPECT_EQ(switched, "Beta 2/Browse:7");
    EXPECT_EQ(setting(kSettingChooseFmVersion), 1u);
    EXPECT_EQ(setting(kSettingChooseFmMode), 0u);
    EXPECT_EQ(recent, "FM_RECENT_FILES|Recent Files\nWill be represented by several items in FileMaker.|100");
    EXPECT_EQ(reopened, "Beta 2");
    EXPECT_EQ(copy, "Equivalent of: 'Copy'|FM_COPY|10");
    EXPECT_EQ(flattenTree(tree(), kFlattenKinds), "File{Menu}[Copy{FmItem}]");
    EXPECT_EQ(driver.dialogsSeen(), 3);
}

TEST_F(ChooserDialogsTest, AWholeStandardMenuIsHeldHiddenAndAddedWithoutTheUntickedPlatform) {
    StandardMenus menus;
    loadMenu(kMenuBarWithFile, false);  // nothing selected: no command at the top level of a menu bar
    DialogDriver driver;
    bool okOnCommand = true;
    bool escapeClosed = false;
    bool okOnMenu = false;
    std::string held;
    HWND chooserWindow = nullptr;
    driver.next([](HWND properties) { DialogDriver::press(properties, IDC_FMITEM_CHOOSE); });
    driver.next([&](HWND chooser) {
        selectItem(chooser, "Copy");
        okOnCommand = enabled(chooser, IDOK);
        PostMessageA(GetDlgItem(chooser, IDC_CHOOSEFM_TREE), WM_KEYDOWN, VK_ESCAPE, 0);
        driver.later([&, chooser, properties = GetWindow(chooser, GW_OWNER)] {
            escapeClosed = !IsWindow(chooser);
            DialogDriver::press(properties, IDC_FMITEM_CHOOSE);
        });
    });
    driver.next([&](HWND chooser) {
        chooserWindow = chooser;
        selectItem(chooser, "Edit");
        okOnMenu = enabled(chooser, IDOK);
        PostMessageA(GetDlgItem(chooser, IDC_CHOOSEFM_TREE), WM_KEYDOWN, VK_RETURN, 0);
        driver.later([&, chooser, properties = GetWindow(chooser, GW_OWNER)] {
            held = std::to_string(IsWindow(chooser) && !IsWindowVisible(chooser)) + "|" +
                   text(properties, IDC_FMITEM_KEYWORD) + "|" + std::to_string(enabled(properties, IDC_ITEM_ENABLED));
            SendMessageA(properties, WM_COMMAND, MAKEWPARAM(IDC_ITEM_WINDOWS, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(properties, IDC_ITEM_WINDOWS)));
            DialogDriver::press(properties, IDOK);
        });
    });
    command(ID_MENU_ADD_FM_ITEM);
    EXPECT_FALSE(okOnCommand);
    EXPECT_TRUE(escapeClosed);
    EXPECT_TRUE(okOnMenu);
    EXPECT_EQ(held, "1|FM_MENU_EDIT|0");
    EXPECT_FALSE(IsWindow(chooserWindow));  // the owner's OK closed it
    EXPECT_EQ(
        flattenTree(tree(), kFlattenKinds | kFlattenPlatforms),
        "File{Menu 7},Edit{Menu 6}[Undo{FmItem 6},Recent Files{FmItem 6},-Separator-{Separator 6},Copy{FmItem 6}]");
}

}  // namespace
}  // namespace tessary
