#include "shell/document_commands.h"

#include "documents/document_session.h"
#include "resources/resource.h"
#include "shell/document_host.h"
#include "shell/recent_menu.h"

namespace tessary {

bool handleDocumentCommand(HWND mainWindow, UINT commandId) {
    DocumentSession& session = documentSession();
    switch (commandId) {
        case ID_FILE_NEW:
            session.newDocument(std::nullopt);
            return true;
        case ID_FILE_NEW_MAIN:
        case ID_FILE_NEW_CONTEXT:
        case ID_FILE_NEW_POPUP:
            session.newDocument(static_cast<MenuKind>(commandId - ID_FILE_NEW_MAIN));
            return true;
        case ID_FILE_NEW_FROM_TEMPLATE:
            session.newFromTemplate();
            return true;
        case ID_FILE_OPEN:
            session.openDocument(false);
            return true;
        case ID_FILE_OPEN_NAMED:
            session.openDocument(true);
            return true;
        case ID_FILE_SAVE:
            session.saveDocument(false, false);
            return true;
        case ID_FILE_SAVE_AS:
            session.saveDocument(true, false);
            return true;
        case ID_FILE_SAVE_AS_TEMPLATE:
            session.saveDocument(true, true);
            return true;
        case ID_FILE_EXIT:
            session.confirmExit();
            return true;
        default:
            break;
    }
    if (commandId >= ID_FILE_RECENT_FIRST && commandId <= ID_FILE_RECENT_LAST) {
        session.openRecent(recentMenuPath(GetMenu(mainWindow), commandId));
        return true;
    }
    return false;
}

}  // namespace tessary
