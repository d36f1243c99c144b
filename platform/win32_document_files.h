// Document files on the real file system: whole-file reads with a size limit,
// saves that replace the previous file only once the new text was written
// whole, folder listings and the program folder.
#pragma once

#include <windows.h>

#include "documents/document_files.h"

namespace tessary {

class Win32DocumentFiles : public DocumentFiles {
public:
    ReadStatus readFile(const std::string& path, size_t limit, std::string& bytes, std::string& reason) override;
    std::string writeFile(const std::string& path, std::string_view bytes) override;
    bool fileExists(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) override;
    std::string programFolder() override;

protected:
    // Writes all bytes to an open file; false with the error in GetLastError.
    // (A seam for tests that need a write to fail half-way.)
    virtual bool writeAll(HANDLE file, std::string_view bytes);
};

// The system's text for an error code, without a trailing line break;
// "Error N." when the system has none.
std::string systemErrorText(DWORD error);

}  // namespace tessary
