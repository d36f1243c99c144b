#include "documents/recent_files.h"

#include <algorithm>

#include "documents/document_state.h"

namespace tessary {

namespace {

void writeRecentFiles(SettingsStore& store, const std::vector<std::string>& entries) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        store.writeRecentFile(i, i < static_cast<int>(entries.size()) ? std::string_view(entries[i]) : "");
    }
}

}  // namespace

std::vector<std::string> readRecentFiles(SettingsStore& store) {
    std::vector<std::string> entries;
    for (int i = 0; i < kRecentFileCount; ++i) {
        std::string path;
        if (!store.readRecentFile(i, path) || path.empty()) {
            break;
        }
        // A list written by hand or by a faulty copy may repeat a path: it is listed once.
        if (std::find(entries.begin(), entries.end(), path) == entries.end()) {
            entries.push_back(std::move(path));
        }
    }
    return entries;
}

std::vector<std::string> withRecentPath(std::vector<std::string> entries, std::string_view path) {
    auto found = std::find(entries.begin(), entries.end(), path);
    if (found != entries.end()) {
        entries.erase(found);
    }
    entries.insert(entries.begin(), std::string(path));
    if (entries.size() > static_cast<size_t>(kRecentFileCount)) {
        entries.resize(kRecentFileCount);
    }
    return entries;
}

void addRecentFile(SettingsStore& store, std::string_view path) {
    if (path.empty() || path.size() > kMaxPathLength) {
        return;
    }
    writeRecentFiles(store, withRecentPath(readRecentFiles(store), path));
}

bool removeRecentFile(SettingsStore& store, std::string_view path) {
    std::vector<std::string> entries = readRecentFiles(store);
    auto found = std::find(entries.begin(), entries.end(), path);
    if (found == entries.end()) {
        return false;
    }
    entries.erase(found);
    store.clearRecentFiles();
    for (size_t i = 0; i < entries.size(); ++i) {
        store.writeRecentFile(static_cast<int>(i), entries[i]);
    }
    return true;
}

std::string recentMenuText(int index, std::string_view path) {
    std::string text = "&";
    text += std::to_string(index + 1);
    text += ' ';
    text += fileNameOf(path);
    return text;
}

}  // namespace tessary
