#include "shell/command_dispatch.h"

#include <commctrl.h>

#include <string>

#include "shell/command_table.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/recent_menu.h"

namespace tessary {
namespace {

void setStatusText(MainWindow& window, const std::string& text) {
    if (HWND status = window.controls().statusBar) {
        SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void setMenuItemText(HMENU menu, UINT id, const std::string& text) {
    MENUITEMINFOA info = {sizeof info};
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu, id, FALSE, &info);
}

void enableMenuItem(HMENU menu, UINT id, bool enabled) {
    if (menu) {
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

EnablingContext enablingContext(MainWindow& window) {
    EnablingContext context;
    context.tab = window.currentTab();
    context.menuKind = window.document().menuKind;
    MenuTree& tree = window.tree();
    context.selectedKind = tree.getKind(tree.selected());
    context.clipboardHoldsNode = window.clipboard.holdsNode(tree);
    context.canUndo = window.history().canUndo();
    context.canRedo = window.history().canRedo();
    return context;
}

}  // namespace

void dispatchCommand(MainWindow& window, UINT commandId, UINT notifyCode, HWND control) {
    // The code edit has no id: its change notification marks the document modified.
    if (notifyCode == EN_CHANGE) {
        if (control && control == window.controls().codeEdit) {
            window.document().setModified(true);
        }
        return;
    }
    const Command* command = findCommand(commandId);
    if (!command || !command->handler) {
        return;
    }
    // A command that is off does nothing however it arrives (posted, or from a
    // control not yet updated): its rule keeps, for example, the application
    // menu from being moved below the menus.
    if (!isEnabled(command->enabling, enablingContext(window))) {
        return;
    }
    command->handler(window, commandId);
}

void showCommandHint(MainWindow& window, UINT commandId, UINT menuFlags) {
    const Command* command = (menuFlags & MF_POPUP) ? nullptr : findCommand(commandId);
    if (!command) {
        setStatusText(window, {});
    } else if (command->places & kInRecentMenu) {
        setStatusText(window, recentMenuPath(GetMenu(window.hwnd()), commandId));
    } else {
        const bool codeTab = window.currentTab() == EditorTab::MenuCode;
        std::string named = !codeTab && command->texts ? command->texts->treeHint(window) : std::string();
        const UINT text = codeTab ? command->hint.codeTab : command->hint.treeTab;
        setStatusText(window, !named.empty() ? named : text ? loadString(text) : std::string());
    }
}

void clearStatusHint(MainWindow& window) {
    setStatusText(window, {});
}

void applyCommandEnabling(MainWindow& window) {
    const EnablingContext context = enablingContext(window);
    HMENU mainMenu = GetMenu(window.hwnd());
    for (const Command& command : commandTable()) {
        if (command.enabling == Enabling::Always) {
            continue;
        }
        const bool enabled = isEnabled(command.enabling, context);
        enableMenuItem(mainMenu, command.id, enabled);
        enableMenuItem(window.controls().contextMenu, command.id, enabled);
        if (HWND button = window.sideButton(command.id)) {
            EnableWindow(button, enabled);
        }
        if (command.texts && mainMenu) {
            setMenuItemText(mainMenu, command.id, command.texts->menuItem(window));
        }
    }
}

}  // namespace tessary
