// Where things stand in a menu code text, for the diagnostics of tessary-cli:
// the lines of the file as editors count them, and, for a text that loads,
// the line of every node the loader makes from it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "model/menu_item_record.h"

namespace tessary::cli {

// Lines as editors number them: from 1, every line break (CR LF, LF or a
// lone CR) ending one, empty lines included. The editor's own messages
// ("Syntax incorrect in line N") count only non-empty lines instead.
class LineIndex {
public:
    explicit LineIndex(std::string_view text);

    // The line holding the byte at `offset`; an offset at the end of the text
    // is on the line after the last line break.
    int lineOf(size_t offset) const;
    // The line of the file that the editor's line `editorLine` is.
    int lineOfEditorLine(int editorLine) const;

private:
    std::string_view text_;
    std::vector<size_t> starts_;  // offset of each line's first byte
};

// One node the loader makes, as the text writes it.
struct NodeSource {
    NodeKind kind = NodeKind::None;
    int line = 1;  // the line of the node's keyword
    // The platform block it stands in as read (7 outside any block); the
    // loader keeps only what its parent also has.
    PlatformMask platforms = kPlatformAll;
};

// A caption, script name or user string longer than a record holds.
struct LongText {
    int line = 1;
    const char* what = "";  // "caption", "script name", "user string"
    size_t length = 0;
};

struct CodeSources {
    // One entry for each node LoadCodeIntoTree makes from the text, in tree
    // order (the order of nodesInTreeOrder on the loaded tree).
    std::vector<NodeSource> nodes;
    std::vector<LongText> longTexts;
};

// Reads a text that loads as `kind` once more, with callbacks that note each
// node's keyword position and platform block. For a text that does not load
// the entries stop where reading stopped.
CodeSources readCodeSources(std::string_view text, MenuKind kind, const LineIndex& lines);

}  // namespace tessary::cli
