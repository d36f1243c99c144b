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
    LoadOptions options;
    MenuTree tree;
    MenuKind kind = MenuKind::MainMenu;
    LoadResult result = LoadResult::accepted();
    int exitCode = kExitOk;
    if (!LoadOneFile("tree", args, false, options, tree, kind, result, err, exitCode)) {
        return exitCode;
    }
    const std::string& file = options.files.front();
    out << TreeJson(tree, kind) << '\n';
    if (!result.isAccepted()) {
        err << LoadFailureMessage(file, result, kind) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tessary::cli
