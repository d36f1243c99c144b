#include "cli/cli_file.h"

#include <cstring>
#include <fstream>

namespace tessary::cli {

bool ReadDocumentFile(const std::string& path, std::string& text, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open the file";
        return false;
    }
    // One byte more than the limit tells a file at the limit from a larger one.
    std::string bytes(kDocumentBufferSize + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        error = "cannot read the file";
        return false;
    }
    const size_t read = static_cast<size_t>(file.gcount());
    if (read > kDocumentBufferSize) {
        error = "the file is larger than " + std::to_string(kDocumentBufferSize) + " bytes";
        return false;
    }
    const void* nul = std::memchr(bytes.data(), '\0', read);
    bytes.resize(nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()) : read);
    text = std::move(bytes);
    return true;
}

}  // namespace tessary::cli
