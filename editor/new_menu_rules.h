// The "New menu" dialog: it opens on the current document's kind, and OK gives
// the kind of the first ticked button, tested in the order Main menu, Context
// menu, Pop-Up menu.
#pragma once

#include "model/menu_item_record.h"

namespace tessary {

struct NewMenuFields {
    MenuKind kind = MenuKind::MainMenu;  // in: the current document's kind; out: the chosen kind
};

struct NewMenuButtons {
    bool mainMenu = false;
    bool contextMenu = false;
    bool popupMenu = false;
};

// The buttons ticked when the dialog opens.
NewMenuButtons newMenuButtonsFor(MenuKind current);
// The kind OK chooses.
MenuKind newMenuKindOf(const NewMenuButtons& buttons);

}  // namespace tessary
