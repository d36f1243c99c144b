#include "shell/preview_menu_builder.h"

namespace tessary {
namespace {

bool appendEntries(HMENU menu, const std::vector<PreviewItem>& items);

// Appends one item at the end of the menu; a submenu item carries id 0 too.
bool appendEntry(HMENU menu, UINT position, const PreviewItem& item) {
    MENUITEMINFOA info = {sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
    if (item.separator) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = MFT_STRING;
        info.fState = (item.grayed ? MFS_GRAYED : 0) | (item.checked ? MFS_CHECKED : 0);
        info.dwTypeData = const_cast<char*>(item.text.c_str());
    }
    if (item.submenu) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = CreatePopupMenu();
        if (!info.hSubMenu || !appendEntries(info.hSubMenu, item.children)) {
            if (info.hSubMenu) {
                DestroyMenu(info.hSubMenu);
            }
            return false;
        }
    }
    if (!InsertMenuItemA(menu, position, TRUE, &info)) {
        if (info.hSubMenu) {
            DestroyMenu(info.hSubMenu);
        }
        return false;
    }
    return true;
}

bool appendEntries(HMENU menu, const std::vector<PreviewItem>& items) {
    UINT position = 0;
    for (const PreviewItem& item : items) {
        if (!appendEntry(menu, position++, item)) {
            return false;
        }
    }
    return true;
}

}  // namespace

HMENU createPreviewMenu(const PreviewMenu& preview) {
    if (!preview.exists) {
        return nullptr;
    }
    HMENU menu = preview.menuBar ? CreateMenu() : CreatePopupMenu();
    if (menu) {
        appendEntries(menu, preview.items);
    }
    return menu;
}

}  // namespace tessary
