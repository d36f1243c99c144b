#include "documents/document_title.h"

namespace tessary {

const char* menuKindName(MenuKind menuKind) {
    switch (menuKind) {
        case MenuKind::ContextMenu:
            return "Context Menu";
        case MenuKind::PopupMenu:
            return "Pop-Up Menu";
        default:
            return "Main Menu";
    }
}

std::string formatTitle(std::string_view documentName, bool modified, MenuKind menuKind) {
    // Same layout as "%s - %s%c (%s)".
    std::string title = kProgramName;
    title += " - ";
    title += documentName;
    title += modified ? '*' : ' ';
    title += " (";
    title += menuKindName(menuKind);
    title += ')';
    return title;
}

}  // namespace tessary
