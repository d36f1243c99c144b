// The tree editing commands: Delete Item, Move Up and Down, Cut, Copy and
// Paste of nodes (and of text in the code edit), Undo.
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
void undoText(MainWindow& window, UINT commandId);

}  // namespace tessary
