// Document files on the real file system: whole-file reads with a size limit,
// saves that replace the previous file only once the new text was written
// whole, folder listings and the program folder.
#pragma once

#include <windows.h>

#include <functional>

#include "documents/document_files.h"

namespace tessary {

// The system calls a save makes, one slot each, so that tests can make any
// step of a save fail: opening the document, naming, opening, writing,
// flushing and closing the new text's file, and putting it in the document's
// place. Each slot behaves as the Win32 function it names.
struct SaveCalls {
    std::function<HANDLE(const char* path, DWORD access, DWORD share, DWORD disposition)> createFile;
    std::function<UINT(const char* folder, char* name)> tempFileName;
    std::function<BOOL(HANDLE file, const void* data, DWORD size, DWORD* written)> writeFile;
    std::function<BOOL(HANDLE file)> flushFileBuffers;
    std::function<BOOL(HANDLE file)> closeHandle;
    std::function<BOOL(const char* from, const char* to)> moveFile;

    // The real calls.
    SaveCalls();
};

// A save writes its text in pieces of at most this many bytes.
constexpr DWORD kSaveChunkSize = 64 * 1024;

class Win32DocumentFiles : public DocumentFiles {
public:
    ReadStatus readFile(const std::string& path, size_t limit, std::string& bytes, std::string& reason) override;
    std::string writeFile(const std::string& path, std::string_view bytes) override;
    bool fileExists(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) override;
    std::string programFolder() override;

    SaveCalls saveCalls;

private:
    // Writes all bytes to an open file; false with the error in GetLastError.
    bool writeAll(HANDLE file, std::string_view bytes);
};

// The system's text for an error code, without a trailing line break;
// "Error N." when the system has none.
std::string systemErrorText(DWORD error);

}  // namespace tessary
