// The commands that open the item property dialogs: the four Add commands and
// Item Properties (Enter, a double click) for the selected node's kind.
#pragma once

#include <windows.h>

namespace tessary {

class MainWindow;

void addMenu(MainWindow& window, UINT commandId);
void addScript(MainWindow& window, UINT commandId);
void addFmItem(MainWindow& window, UINT commandId);
void addSeparator(MainWindow& window, UINT commandId);
void editItemProperties(MainWindow& window, UINT commandId);

}  // namespace tessary
