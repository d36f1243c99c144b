// The document commands as the main window dispatches them: New, Open, Save,
// recent files, Exit. Implemented over the document room's rules.
#pragma once

#include <windows.h>

namespace tessary {

// Handles a document command (File menu, toolbar, Open Named Document, Open
// Recent, Exit); false when the id is not a document command.
bool handleDocumentCommand(HWND mainWindow, UINT commandId);

}  // namespace tessary
