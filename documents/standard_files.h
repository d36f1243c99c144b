// The ready-made menu files beside the program: the template folder
// ("Templates\") and, inside it, the standard-menu folder ("FileMaker
// Menus\"), all files ".qxtf". A template Invoice.qxtf is shown as "Invoice";
// a standard menu is named VERSION,MODE.qxtf ("FileMaker 7,Browse.qxtf") and
// listed by version, or, for one version, by mode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "documents/document_files.h"
#include "documents/document_host.h"

namespace tessary {

constexpr const char* kReadyMadeExtension = ".qxtf";
// The list of display names keeps to a buffer of this many bytes, each name
// followed by a separator; names that would not fit are left out.
constexpr size_t kStandardListCapacity = 4096;

// The template folder (templatesOnly) or the standard-menu folder of the
// program folder, ending in a backslash; empty when the program folder is
// unknown or the longer of the two would not fit a path.
std::string templateFolder(std::string_view programFolder, bool templatesOnly);

// The distinct display names of one folder's ready-made files, read one at a
// time.
class StandardFileList {
public:
    explicit StandardFileList(DocumentFiles& files) : files_(files) {}

    // Lists the template folder (templatesOnly) or the standard-menu folder.
    // Without a filter each file gives the part of its name before the first '.'
    // (templates) or ',' (standard menus); with a filter only files whose name
    // contains it (case-sensitive) count, each giving its mode (between the
    // first ',' and the next '.'). Returns the number of files that matched,
    // duplicates included, and starts reading from the first name.
    int listStandardFiles(std::string_view filter, bool templatesOnly);

    // Copies the next display name (cut to size - 1 characters) and a NUL into
    // buffer and returns its length; 0 when the list is exhausted.
    size_t nextStandardName(char* buffer, size_t size);

    const std::vector<std::string>& names() const { return names_; }
    // The names in the order of a sorted list: letter case ignored, then by
    // bytes. The wizard and the standard-menu chooser list versions in this
    // order and store the index of the chosen one, so both agree on it.
    std::vector<std::string> sortedNames() const;

private:
    DocumentFiles& files_;
    std::vector<std::string> names_;
    size_t used_ = 0;
    size_t position_ = 0;
};

// Loads a ready-made file into a tree as a main menu (loader flag 0) and
// collapses it: the template `name` (templatesOnly), or the standard menu
// name + "," + mode (or just name when mode is empty). The tree is emptied
// first; false when the file cannot be read.
bool loadStandardFile(DocumentFiles& files, TreeLoader& tree, bool templatesOnly, std::string_view name,
                      std::string_view mode);

}  // namespace tessary
