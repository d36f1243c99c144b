// The preview's entries as native Windows menus.
#pragma once

#include <windows.h>

#include "editor/preview_menu.h"

namespace tessary {

// The native menu of a preview: a menu bar (CreateMenu) for a main menu, else
// a pop-up menu (CreatePopupMenu), holding one item per entry in order, every
// item with command id 0. Null when the preview has no menu or the menu cannot
// be made. When a native call fails, the menu keeps the entries appended
// before it, as when the code stopped there; a submenu whose entries failed is
// left out whole.
HMENU createPreviewMenu(const PreviewMenu& preview);

}  // namespace tessary
