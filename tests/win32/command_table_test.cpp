// The command table agrees with the program's resources: every command of the
// menus, accelerators and side buttons has its row, marked where it
// appears, and every hint and button text exists.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "resources/resource.h"
#include "shell/command_table.h"
#include "shell/message_box.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

void menuCommands(HMENU menu, std::set<UINT>& ids) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info = {sizeof info};
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            continue;
        }
        if (info.hSubMenu) {
            menuCommands(info.hSubMenu, ids);  // a submenu's own item carries no command
        } else {
            ids.insert(info.wID);
        }
    }
}

std::set<UINT> menuResourceCommands(UINT resource) {
    std::set<UINT> ids;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource));
    menuCommands(menu, ids);
    DestroyMenu(menu);
    return ids;
}

std::set<UINT> acceleratorCommands(UINT resource) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource));
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    DestroyAcceleratorTable(table);
    std::set<UINT> ids;
    for (const ACCEL& entry : entries) {
        ids.insert(entry.cmd);
    }
    return ids;
}

// The ids of the rows marked with the place.
std::set<UINT> rowsAt(unsigned place) {
    std::set<UINT> ids;
    for (const Command& command : commandTable()) {
        if (command.places & place) {
            ids.insert(command.id);
        }
    }
    return ids;
}

using CommandTableTest = test::MainWindowFixture;

TEST_F(CommandTableTest, AgreesWithTheMenusKeysAndButtons) {
    std::set<UINT> rows;
    for (const Command& command : commandTable()) {
        EXPECT_TRUE(rows.insert(command.id).second) << "two rows for " << command.id;
        for (UINT text : {command.hint.treeTab, command.hint.codeTab, command.button.text}) {
            EXPECT_TRUE(text == 0 || !loadString(text).empty()) << command.id << " names string " << text;
        }
        EXPECT_EQ(command.button.position != 0, (command.places & kOnSideButton) != 0) << command.id;
    }

    EXPECT_EQ(rowsAt(kInMainMenu), menuResourceCommands(IDR_MAIN_MENU));
    EXPECT_EQ(rowsAt(kInContextMenu), menuResourceCommands(IDR_TREE_CONTEXT_MENU));
    EXPECT_EQ(rowsAt(kMainKey), acceleratorCommands(IDR_ACCEL_MAIN));
    EXPECT_EQ(rowsAt(kTreeKey), acceleratorCommands(IDR_ACCEL_TREE));

    std::set<UINT> buttons;
    for (HWND button : controls().sideButtons) {
        buttons.insert(static_cast<UINT>(GetDlgCtrlID(button)));
    }
    EXPECT_EQ(rowsAt(kOnSideButton), buttons);
    EXPECT_EQ(rowsAt(kInRecentMenu), (std::set<UINT>{ID_FILE_RECENT_FIRST, ID_FILE_RECENT_FIRST + 1,
                                                     ID_FILE_RECENT_FIRST + 2, ID_FILE_RECENT_LAST}));
}

}  // namespace
}  // namespace tessary
