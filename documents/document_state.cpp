#include "documents/document_state.h"

#include "documents/document_title.h"

namespace tessary {

std::string_view folderOf(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string_view fileNameOf(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string DocumentState::fullPath() const {
    if (documentFolder.empty() || documentName.empty()) {
        return {};
    }
    return documentFolder + documentName;
}

void DocumentState::setPath(std::string_view path) {
    documentFolder = folderOf(path);
    documentName = fileNameOf(path);
}

std::string DocumentState::title() const {
    return formatTitle(documentName, modified, menuKind);
}

void DocumentState::updateTitle() const {
    if (titleSink) {
        titleSink(title());
    }
}

void DocumentState::setModified(bool flag) {
    if (modified == flag) {
        return;
    }
    modified = flag;
    updateTitle();
}

}  // namespace tessary
