// Reading a document file as the editor does.
#pragma once

#include <cstddef>
#include <string>

#include "menucode/code_tree.h"

namespace tessary::cli {

// The file's bytes up to its first NUL. A file that cannot be read, or one
// larger than kDocumentBufferSize bytes, gives false and a reason in `error`.
bool ReadDocumentFile(const std::string& path, std::string& text, std::string& error);

}  // namespace tessary::cli
