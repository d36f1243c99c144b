// The Open Recent submenu of the File menu (position 4): one item per entry of
// the recent-file list, "&1 Orders.tsmn" and so on, commands ID_FILE_RECENT_FIRST to _LAST,
// each holding its full path.
#pragma once

#include <windows.h>

#include <string>

namespace tessary {

class SettingsStore;

// Rebuilds the submenu from the stored list: enabled with one item per entry,
// or grayed and empty when the list is empty. Runs when the main window is
// created and on every recent-list broadcast (kRecentListChangedMessage).
void loadRecentMenu(HMENU mainMenu, SettingsStore& settings);

// The full path held by an Open Recent item; empty when there is none.
std::string recentMenuPath(HMENU mainMenu, UINT commandId);

// Releases the paths the items hold; call before the menu is destroyed.
void releaseRecentMenu(HMENU mainMenu);

}  // namespace tessary
