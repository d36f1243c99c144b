// What check, format and tree share: the --kind option, loading a file's text
// into a tree as Open does, and the words for the outcome.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "menucode/calculation_text.h"
#include "menucode/code_tree.h"
#include "model/menu_item_record.h"

namespace tessary {
class MenuTree;
}

namespace tessary::cli {

// The options of a command that loads one or more files.
struct LoadOptions {
    std::optional<MenuKind> kind;  // none: auto
    bool calculationForm = false;  // format --string
    // format --filemaker: the generation of the calculation form; none: 7 and later.
    std::optional<FileMakerGeneration> fileMaker;
    std::vector<std::string> files;
};

// Reads `--kind K` / `--kind=K` (main, context, popup, auto), `--string` and
// `--filemaker 6|7` (only with --string) when takesString, and the files. On a
// mistake writes the usage to err and returns false with `exitCode` set.
bool ParseLoadOptions(std::string_view command,
                      const Args& args,
                      bool takesString,
                      LoadOptions& options,
                      std::ostream& err,
                      int& exitCode);

// Empties the tree and loads the text as the kind, or, with no kind, as the
// first of main, context and pop-up menu whose load does not report another
// kind, as the editor's Open does. Returns LoadCodeIntoTree's result and the
// kind that was read.
LoadResult LoadAsDocument(MenuTree& tree, std::string_view text, std::optional<MenuKind> kind, MenuKind& loadedKind);

// What format and tree start with: the options for exactly one FILE, its text
// read as a document is, and the text loaded as LoadAsDocument does. False,
// with the diagnostic written and exitCode set, when the options or the file
// are wrong; otherwise true with the load's result in `result`.
bool LoadOneFile(std::string_view command,
                 const Args& args,
                 bool takesString,
                 LoadOptions& options,
                 MenuTree& tree,
                 MenuKind& loadedKind,
                 LoadResult& result,
                 std::ostream& err,
                 int& exitCode);

// "main", "context", "popup": the names of the --kind option and of the JSON.
std::string_view MenuKindWord(MenuKind kind);

// The diagnostic for a load that was not accepted, without the line's end:
// "FILE:N: error: Syntax incorrect in line N", or for code of another kind
// "FILE:1: error: ...".
std::string LoadFailureMessage(const std::string& file, LoadResult result, MenuKind kind);

}  // namespace tessary::cli
