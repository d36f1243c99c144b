#include "documents/document_kind.h"

#include <cctype>

namespace tessary {

MenuKind menuKindOfFileName(std::string_view fileName) {
    constexpr std::string_view kContextExtension = ".tsmn";
    if (fileName.size() < kContextExtension.size()) {
        return MenuKind::MainMenu;
    }
    const std::string_view extension = fileName.substr(fileName.size() - kContextExtension.size());
    for (size_t i = 0; i < extension.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(extension[i])) != kContextExtension[i]) {
            return MenuKind::MainMenu;
        }
    }
    return MenuKind::ContextMenu;
}

DocumentReading readDocumentKind(std::string_view fileName, const std::function<LoadResult(MenuKind)>& load) {
    DocumentReading reading{MenuKind::MainMenu, LoadResult::otherKind()};
    for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        reading = {kind, load(kind)};
        if (!reading.result.isOtherKind()) {
            break;
        }
    }
    if (reading.result.isAccepted() || reading.kind != MenuKind::MainMenu ||
        menuKindOfFileName(fileName) != MenuKind::ContextMenu) {
        return reading;
    }
    const LoadResult asContext = load(MenuKind::ContextMenu);
    return asContext.isOtherKind() ? reading : DocumentReading{MenuKind::ContextMenu, asContext};
}

}  // namespace tessary
