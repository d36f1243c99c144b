#include "documents/document_files.h"

namespace tessary {

std::string_view documentText(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace tessary
