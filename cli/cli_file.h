// Reading a document file as the editor does.
#pragma once

#include <cstddef>
#include <string>

namespace tessary::cli {

constexpr size_t kMaxDocumentBytes = 0x80000;

// The file's bytes up to its first NUL. A file that cannot be read, or one
// larger than kMaxDocumentBytes, gives false and a reason in `error`.
bool ReadDocumentFile(const std::string& path, std::string& text, std::string& error);

}  // namespace tessary::cli
