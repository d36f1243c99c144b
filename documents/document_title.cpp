#include "documents/document_title.h"

namespace tessary {

const char* menuKindName(int menuKind) {
    switch (menuKind) {
        case 1:
            return "Context Menu";
        case 2:
            return "Pop-Up Menu";
        default:
            return "Main Menu";
    }
}

std::string formatTitle(std::string_view documentName, bool modified, int menuKind) {
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
