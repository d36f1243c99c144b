// check: loads each file as the editor opens it and says whether its syntax is
// correct, with errors in the FILE:LINE: form that editors and CI jump to.
#include <algorithm>

#include "cli/cli_file.h"
#include "cli/commands.h"
#include "cli/menu_loading.h"
#include "documents/document_title.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::cli {

int CheckCommand(const Args& args, std::ostream& out, std::ostream& err) {
    LoadOptions options;
    int exitCode = kExitOk;
    if (!ParseLoadOptions("check", args, false, options, err, exitCode)) {
        return exitCode;
    }
    for (const std::string& file : options.files) {
        std::string text;
        std::string error;
        if (!ReadDocumentFile(file, text, error)) {
            err << file << ": error: " << error << '\n';
            exitCode = std::max(exitCode, kExitUsage);
            continue;
        }
        MenuTree tree;
        MenuKind kind = MenuKind::MainMenu;
        const LoadResult result = LoadAsDocument(tree, text, options.kind, kind);
        if (result.isAccepted()) {
            out << file << ": Syntax is correct (" << menuKindName(kind) << ")\n";
        } else {
            err << LoadFailureMessage(file, result, kind) << '\n';
            exitCode = std::max(exitCode, kExitFailed);
        }
    }
    return exitCode;
}

}  // namespace tessary::cli
