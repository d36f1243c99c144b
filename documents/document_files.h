// The file side of documents as the document rules see it: reading a whole
// document, saving one without ever losing the previous file, and the folders
// of ready-made menus. The platform implements it over the real file system;
// tests use a fake.
//
// The document file format is exactly the menu code text: single-byte ANSI
// characters, no byte-order mark, no header, no length field, no NUL. Every
// whole-document transfer goes through a buffer of kDocumentBufferSize bytes,
// so a document holds at most kDocumentBufferSize - 1 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "menucode/code_tree.h"
#include "model/menu_item_record.h"

namespace tessary {

class MenuTree;

// The tree's menu code as a document holds it. False, with `text` empty, when
// the writer refuses a node or the code would not fit the document buffer.
bool generateDocumentCode(const MenuTree& tree, MenuKind kind, std::string& text);

enum class ReadStatus {
    Ok,
    CannotOpen,  // missing, locked, a folder, no rights...
    TooLarge,    // limit bytes or more
};

class DocumentFiles {
public:
    virtual ~DocumentFiles() = default;

    // Reads the whole file into bytes (shared read). A file of limit bytes or
    // more is not read: TooLarge. reason describes a failure.
    virtual ReadStatus readFile(const std::string& path, size_t limit, std::string& bytes, std::string& reason) = 0;

    // Replaces the file's content with exactly bytes, creating it when missing.
    // The new content is written beside the file first and takes its place only
    // once it was written whole, so a failure leaves the previous file as it
    // was. Returns an empty string on success, else the reason.
    virtual std::string writeFile(const std::string& path, std::string_view bytes) = 0;

    // Whether the path names something whose attributes can be read.
    virtual bool fileExists(const std::string& path) = 0;

    // The names of the files (not folders) in folder that match a pattern like
    // "*.qxtf", in the order the file system returns them.
    virtual std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) = 0;

    // The folder of the running program, ending in a backslash; empty when it
    // cannot be found.
    virtual std::string programFolder() = 0;
};

// The document text held in a file's bytes: everything before the first NUL.
std::string_view documentText(std::string_view bytes);

}  // namespace tessary
