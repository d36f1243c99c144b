#include "documents/document_files.h"

#include "menucode/code_generator.h"

namespace tessary {

std::string_view documentText(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

bool generateDocumentCode(const MenuTree& tree, MenuKind kind, std::string& text) {
    if (!generateMenuCodeText(tree, kind, text) || text.size() >= kDocumentBufferSize) {
        text.clear();
        return false;
    }
    return true;
}

}  // namespace tessary
