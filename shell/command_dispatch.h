// What the main window does with the command table: runs a command's handler,
// shows its status-line hint, and applies the enabling of every command.
#pragma once

#include <windows.h>

namespace tessary {

class MainWindow;

// WM_COMMAND: the code edit's change notification marks the document modified;
// any other command runs its row's handler.
void dispatchCommand(MainWindow& window, UINT commandId, UINT notifyCode, HWND control);

// The hint of a command in status bar part 0 (from a menu highlight, a side
// button or a toolbar tooltip request); menuFlags are WM_MENUSELECT's flags (0
// otherwise). A submenu or a command without a hint empties the status line.
void showCommandHint(MainWindow& window, UINT commandId, UINT menuFlags);
void clearStatusHint(MainWindow& window);

// Enables or disables every command that follows an enabling rule, for the tab
// shown and, in the tree tab, the selected node: its side button, its main menu
// item and its context menu item.
void applyCommandEnabling(MainWindow& window);

}  // namespace tessary
