#include "shell/recent_menu.h"

#include <cstring>

#include "documents/recent_files.h"
#include "documents/settings_store.h"
#include "resources/resource.h"

namespace tessary {

namespace {

constexpr UINT kFileMenuPosition = 0;
constexpr UINT kOpenRecentPosition = 4;

HMENU recentSubmenu(HMENU mainMenu, bool create) {
    HMENU file = mainMenu ? GetSubMenu(mainMenu, kFileMenuPosition) : nullptr;
    if (!file) {
        return nullptr;
    }
    HMENU submenu = GetSubMenu(file, kOpenRecentPosition);
    if (!submenu && create) {
        submenu = CreatePopupMenu();
        MENUITEMINFOA info = {sizeof info};
        info.fMask = MIIM_SUBMENU;
        info.hSubMenu = submenu;
        if (!SetMenuItemInfoA(file, kOpenRecentPosition, TRUE, &info)) {
            DestroyMenu(submenu);
            return nullptr;
        }
    }
    return submenu;
}

const char* itemPath(HMENU submenu, UINT position) {
    MENUITEMINFOA info = {sizeof info};
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(submenu, position, TRUE, &info)) {
        return nullptr;
    }
    return reinterpret_cast<const char*>(info.dwItemData);
}

void removeItems(HMENU submenu) {
    while (GetMenuItemCount(submenu) > 0) {
        delete[] itemPath(submenu, 0);
        DeleteMenu(submenu, 0, MF_BYPOSITION);
    }
}

}  // namespace

void loadRecentMenu(HMENU mainMenu, SettingsStore& settings) {
    HMENU submenu = recentSubmenu(mainMenu, true);
    if (!submenu) {
        return;
    }
    HMENU file = GetSubMenu(mainMenu, kFileMenuPosition);
    std::vector<std::string> entries = readRecentFiles(settings);
    removeItems(submenu);
    EnableMenuItem(file, kOpenRecentPosition, MF_BYPOSITION | (entries.empty() ? MF_GRAYED : MF_ENABLED));
    for (size_t i = 0; i < entries.size(); ++i) {
        char* path = new char[entries[i].size() + 1];
        std::memcpy(path, entries[i].c_str(), entries[i].size() + 1);
        std::string text = recentMenuText(static_cast<int>(i), entries[i]);
        MENUITEMINFOA info = {sizeof info};
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_DATA | MIIM_FTYPE;
        info.fType = MFT_STRING;
        info.wID = ID_FILE_RECENT_FIRST + static_cast<UINT>(i);
        info.dwTypeData = text.data();
        info.dwItemData = reinterpret_cast<ULONG_PTR>(path);
        if (!InsertMenuItemA(submenu, static_cast<UINT>(i), TRUE, &info)) {
            delete[] path;
        }
    }
}

std::string recentMenuPath(HMENU mainMenu, UINT commandId) {
    HMENU submenu = recentSubmenu(mainMenu, false);
    if (!submenu) {
        return {};
    }
    MENUITEMINFOA info = {sizeof info};
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(submenu, commandId, FALSE, &info) || !info.dwItemData) {
        return {};
    }
    return reinterpret_cast<const char*>(info.dwItemData);
}

void releaseRecentMenu(HMENU mainMenu) {
    if (HMENU submenu = recentSubmenu(mainMenu, false)) {
        removeItems(submenu);
    }
}

}  // namespace tessary
