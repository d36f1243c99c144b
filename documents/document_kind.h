// The menu kind of a document file: what its text tells, or for a text that
// tells none, what its file name does. Open reads every document this way, so
// a file saved with a syntax error opens again, as the kind it was saved as.
#pragma once

#include <functional>
#include <string_view>

#include "menucode/code_tree.h"
#include "model/menu_item_record.h"

namespace tessary {

// The kind a document's file name stands for: a context menu for ".tsmn", a
// main menu for any other name (".tsmb", ".qxtf"). The extension is compared
// without regard to case, as Windows compares file names.
MenuKind menuKindOfFileName(std::string_view fileName);

// The kind a document's text was read as, and that load's result.
struct DocumentReading {
    MenuKind kind;
    LoadResult result;
};

// Reads a document's text with `load`, which loads it as the kind it is given:
// the kinds are tried in the order main, context, pop-up menu, and the first
// whose load does not report code of another kind is the document's kind (a
// text names its kind by its first word). When that load fails and the text
// names no kind at all (it would be read as a main menu, and the context
// menu's load does not report another kind either), the file name's kind is
// taken, with that kind's result. An empty file name lends no kind: the text
// alone decides, as the command line's --kind auto has it.
DocumentReading readDocumentKind(std::string_view fileName, const std::function<LoadResult(MenuKind)>& load);

}  // namespace tessary
