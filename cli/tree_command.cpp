// tree: the MenuTree a file loads into, as JSON on standard output. A file that
// does not load gives the tree as far as it was built, and exit code 1.
#include "cli/cli_file.h"
#include "cli/commands.h"
#include "cli/json_out.h"
#include "cli/menu_loading.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::cli {

int TreeCommand(const Args& args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view kName = "tree";
    LoadOptions options;
    int exitCode = kExitOk;
    if (!ParseLoadOptions(kName, args, false, options, err, exitCode)) {
        return exitCode;
    }
    if (options.files.size() != 1) {
        return UsageError(kName, err, "one FILE only");
    }
    const std::string& file = options.files.front();
    std::string text;
    std::string error;
    if (!ReadDocumentFile(file, text, error)) {
        err << file << ": error: " << error << '\n';
        return kExitUsage;
    }
    MenuTree tree;
    MenuKind kind = MenuKind::MainMenu;
    const int result = LoadAsDocument(tree, text, options.kind, kind);
    out << TreeJson(tree, kind) << '\n';
    if (result != kLoadAccepted) {
        err << LoadFailureMessage(file, result, kind) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tessary::cli
