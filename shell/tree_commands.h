// The tree editing commands: Delete Item, Move Up and Down, Cut, Copy and
// Paste of nodes (and of text in the code edit).
#pragma once

#include <windows.h>

namespace tessary {

class MainWindow;

void deleteItem(MainWindow& window, UINT commandId);
void moveItemUp(MainWindow& window, UINT commandId);
void moveItemDown(MainWindow& window, UINT commandId);
void cutItem(MainWindow& window, UINT commandId);
void copyItem(MainWindow& window, UINT commandId);
void pasteItem(MainWindow& window, UINT commandId);

// The edit box that has the focus (the code edit, or the box of a caption
// being typed in the tree), which the text commands go to; null when none.
HWND focusedEditBox();
// Sends the message to that box; false when no edit box has the focus.
bool sendToFocusedEdit(UINT message);

}  // namespace tessary
