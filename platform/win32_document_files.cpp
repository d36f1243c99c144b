#include "platform/win32_document_files.h"

#include <algorithm>

#include "documents/document_state.h"
#include "platform/program_instance.h"

namespace tessary {

namespace {

// Owns a file handle.
class File {
public:
    explicit File(HANDLE handle) : handle_(handle) {}
    ~File() { close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        bool closed = true;
        if (valid()) {
            closed = CloseHandle(handle_) != 0;
            handle_ = INVALID_HANDLE_VALUE;
        }
        return closed;
    }

private:
    HANDLE handle_;
};

std::string failure(const std::string& what, DWORD error) {
    return what + systemErrorText(error);
}

}  // namespace

std::string systemErrorText(DWORD error) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, buffer,
                                  sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text.empty() ? "Error " + std::to_string(error) + "." : text;
}

ReadStatus Win32DocumentFiles::readFile(const std::string& path,
                                        size_t limit,
                                        std::string& bytes,
                                        std::string& reason) {
    bytes.clear();
    if (path.empty() || path.size() > kMaxPathLength) {
        reason = "The path is too long.";
        return ReadStatus::CannotOpen;
    }
    File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr));
    if (!file.valid()) {
        reason = systemErrorText(GetLastError());
        return ReadStatus::CannotOpen;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) {
        reason = systemErrorText(GetLastError());
        return ReadStatus::CannotOpen;
    }
    if (static_cast<unsigned long long>(size.QuadPart) >= limit) {
        return ReadStatus::TooLarge;
    }
    // Read to the end (the file may have changed since its size was taken), but
    // never to the limit.
    bytes.resize(limit);
    size_t total = 0;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(limit - total), &read, nullptr)) {
            reason = systemErrorText(GetLastError());
            bytes.clear();
            return ReadStatus::CannotOpen;
        }
        if (read == 0) {
            break;
        }
        total += read;
        if (total >= limit) {
            bytes.clear();
            return ReadStatus::TooLarge;
        }
    }
    bytes.resize(total);
    return ReadStatus::Ok;
}

SaveCalls::SaveCalls()
    : createFile([](const char* path, DWORD access, DWORD share, DWORD disposition) {
          return CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
      }),
      tempFileName([](const char* folder, char* name) { return GetTempFileNameA(folder, "tsy", 0, name); }),
      writeFile([](HANDLE file, const void* data, DWORD size, DWORD* written) {
          return WriteFile(file, data, size, written, nullptr);
      }),
      flushFileBuffers([](HANDLE file) { return FlushFileBuffers(file); }),
      closeHandle([](HANDLE file) { return CloseHandle(file); }),
      moveFile([](const char* from, const char* to) {
          return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
      }) {}

bool Win32DocumentFiles::writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), kSaveChunkSize));
        DWORD written = 0;
        if (!saveCalls.writeFile(file, bytes.data(), chunk, &written)) {
            return false;
        }
        if (written == 0 || written > chunk) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

std::string Win32DocumentFiles::writeFile(const std::string& path, std::string_view bytes) {
    std::string folder(folderOf(path));
    if (folder.empty() || fileNameOf(path).empty()) {
        return "The path names no file in a folder.";
    }
    if (path.size() > kMaxPathLength) {
        return "The path is too long.";
    }
    // A read-only document is never replaced, whoever runs the program.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return failure("", ERROR_ACCESS_DENIED);
    }
    // The document itself is opened for writing first, with exclusive access: a
    // read-only or locked file, or a folder that is gone, is refused before
    // anything is written.
    bool existed = true;
    {
        HANDLE target = saveCalls.createFile(path.c_str(), GENERIC_WRITE, 0, OPEN_ALWAYS);
        if (target == INVALID_HANDLE_VALUE) {
            return failure("", GetLastError());
        }
        existed = GetLastError() == ERROR_ALREADY_EXISTS;
        CloseHandle(target);
    }
    auto dropCreated = [&] {
        if (!existed) {
            DeleteFileA(path.c_str());
        }
    };

    // The new text goes to a file of its own beside the document.
    char temporary[MAX_PATH] = {};
    if (folder.size() > MAX_PATH - 14 || !saveCalls.tempFileName(folder.c_str(), temporary)) {
        DWORD error = GetLastError();
        dropCreated();
        return failure("Cannot create a file beside the document: ", error);
    }
    HANDLE file = saveCalls.createFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
    bool written = file != INVALID_HANDLE_VALUE && writeAll(file, bytes) && saveCalls.flushFileBuffers(file);
    DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE && !saveCalls.closeHandle(file) && written) {
        written = false;
        error = GetLastError();
    }
    if (!written) {
        DeleteFileA(temporary);
        dropCreated();
        return failure("", error);
    }
    // Only the complete text replaces the document.
    if (!saveCalls.moveFile(temporary, path.c_str())) {
        error = GetLastError();
        DeleteFileA(temporary);
        dropCreated();
        return failure("", error);
    }
    return {};
}

bool Win32DocumentFiles::fileExists(const std::string& path) {
    return !path.empty() && path.size() <= kMaxPathLength &&
           GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> Win32DocumentFiles::listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::string search = folder + pattern;
    if (folder.empty() || search.size() > kMaxPathLength) {
        return names;
    }
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(search.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

std::string Win32DocumentFiles::programFolder() {
    return tessary::programFolder();
}

}  // namespace tessary
