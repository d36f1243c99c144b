// The one open document of a running copy: its name, folder, unsaved-changes
// flag and menu kind, and the main window's title made from them. Also the
// small path rules every document command shares.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

// Paths handed to the file system hold at most 259 characters plus the NUL.
constexpr size_t kMaxPathLength = 259;

// The folder part of a path, up to and including its last backslash; empty
// when the path has no backslash.
std::string_view folderOf(std::string_view path);
// The file name part, after the last backslash (the whole path without one).
std::string_view fileNameOf(std::string_view path);

class DocumentState {
public:
    // The file name with extension and without folder; kUntitledName for a new
    // document; may be empty.
    std::string documentName;
    // The document's folder, ending in a backslash; empty when it has none.
    std::string documentFolder;
    bool modified = false;
    MenuKind menuKind = MenuKind::MainMenu;

    // Receives the title whenever updateTitle runs (the main window's caption).
    std::function<void(const std::string&)> titleSink;

    // Folder + name; empty unless both are set.
    std::string fullPath() const;
    // Takes a path's folder and name as the document's.
    void setPath(std::string_view path);

    std::string title() const;
    void updateTitle() const;
    // Stores the flag; refreshes the title when the value changed.
    void setModified(bool flag);
};

}  // namespace tessary
