#include "documents/standard_files.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "documents/document_state.h"

namespace tessary {

namespace {

constexpr std::string_view kTemplateFolderName = "Templates";
constexpr std::string_view kStandardMenuFolderName = "FileMaker Menus";

std::string_view displayName(std::string_view fileName, bool filtered, bool templatesOnly) {
    if (filtered) {
        size_t comma = fileName.find(',');
        if (comma == std::string_view::npos) {
            return {};
        }
        std::string_view mode = fileName.substr(comma + 1);
        return mode.substr(0, mode.find('.'));
    }
    return fileName.substr(0, fileName.find(templatesOnly ? '.' : ','));
}

std::string lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

std::string templateFolder(std::string_view programFolder, bool templatesOnly) {
    if (programFolder.empty() ||
        programFolder.size() + kTemplateFolderName.size() + kStandardMenuFolderName.size() + 2 > kMaxPathLength) {
        return {};
    }
    std::string folder(programFolder);
    folder += kTemplateFolderName;
    folder += '\\';
    if (!templatesOnly) {
        folder += kStandardMenuFolderName;
        folder += '\\';
    }
    return folder;
}

int StandardFileList::listStandardFiles(std::string_view filter, bool templatesOnly) {
    names_.clear();
    used_ = 0;
    position_ = 0;
    std::string folder = templateFolder(files_.programFolder(), templatesOnly);
    if (folder.empty()) {
        return 0;
    }
    int count = 0;
    for (const std::string& fileName : files_.listFiles(folder, std::string("*") + kReadyMadeExtension)) {
        if (fileName == "." || fileName == "..") {
            continue;
        }
        if (!filter.empty() && fileName.find(filter) == std::string::npos) {
            continue;
        }
        ++count;
        std::string_view name = displayName(fileName, !filter.empty(), templatesOnly);
        if (name.empty() || std::find(names_.begin(), names_.end(), name) != names_.end()) {
            continue;
        }
        // Each name takes its separator; the buffer keeps a byte for its NUL.
        if (used_ + name.size() + 1 >= kStandardListCapacity) {
            continue;
        }
        used_ += name.size() + 1;
        names_.emplace_back(name);
    }
    return count;
}

std::vector<std::string> StandardFileList::sortedNames() const {
    std::vector<std::string> names = names_;
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowered(a);
        const std::string lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

size_t StandardFileList::nextStandardName(char* buffer, size_t size) {
    if (position_ >= names_.size() || size == 0) {
        return 0;
    }
    const std::string& name = names_[position_++];
    size_t length = std::min(name.size(), size - 1);
    std::memcpy(buffer, name.data(), length);
    buffer[length] = '\0';
    return length;
}

bool loadStandardFile(DocumentFiles& files, TreeLoader& tree, bool templatesOnly, std::string_view name,
                      std::string_view mode) {
    std::string path = templateFolder(files.programFolder(), templatesOnly);
    tree.clearTree();
    if (path.empty() || name.empty()) {
        return false;
    }
    path += name;
    if (!mode.empty()) {
        path += ',';
        path += mode;
    }
    path += kReadyMadeExtension;
    std::string bytes;
    std::string reason;
    if (files.readFile(path, kDocumentBufferSize, bytes, reason) != ReadStatus::Ok) {
        return false;
    }
    tree.loadText(documentText(bytes), MenuKind::MainMenu, false);
    tree.collapseAll();
    return true;
}

}  // namespace tessary
