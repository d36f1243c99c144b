#include "editor/new_menu_rules.h"

namespace tessary {

NewMenuButtons newMenuButtonsFor(MenuKind current) {
    NewMenuButtons buttons;
    switch (current) {
        case MenuKind::ContextMenu:
            buttons.contextMenu = true;
            break;
        case MenuKind::PopupMenu:
            buttons.popupMenu = true;
            break;
        default:
            buttons.mainMenu = true;
            break;
    }
    return buttons;
}

MenuKind newMenuKindOf(const NewMenuButtons& buttons) {
    if (buttons.mainMenu) {
        return MenuKind::MainMenu;
    }
    return buttons.contextMenu ? MenuKind::ContextMenu : MenuKind::PopupMenu;
}

}  // namespace tessary
