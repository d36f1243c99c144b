// format: loads a file into a tree and writes the tree's menu code to standard
// output, byte for byte as the editor saves it (or, with --string, as Copy
// String Code puts it on the clipboard for the --filemaker generation).
#include "menucode/calculation_text.h"

#include "cli/cli_file.h"
#include "cli/commands.h"
#include "cli/menu_loading.h"
#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::cli {

int FormatCommand(const Args& args, std::ostream& out, std::ostream& err) {
    LoadOptions options;
    MenuTree tree;
    MenuKind kind = MenuKind::MainMenu;
    LoadResult result = LoadResult::accepted();
    int exitCode = kExitOk;
    if (!LoadOneFile("format", args, true, options, tree, kind, result, err, exitCode)) {
        return exitCode;
    }
    const std::string& file = options.files.front();
    if (!result.isAccepted()) {
        err << LoadFailureMessage(file, result, kind) << '\n';
        return kExitFailed;
    }
    std::string code;
    if (!generateMenuCodeText(tree, kind, code)) {
        err << file << ": error: the menu cannot be written as menu code: a node does not fit where it stands\n";
        return kExitFailed;
    }
    // The editor hands every text through a buffer of this size, its NUL included.
    if (code.size() >= kDocumentBufferSize) {
        err << file << ": error: the menu code would be " << code.size() << " bytes, more than the "
            << kDocumentBufferSize - 1 << " bytes a document holds\n";
        return kExitFailed;
    }
    if (options.calculationForm) {
        code = calculationText(code, options.fileMaker.value_or(FileMakerGeneration::FileMaker7AndLater));
    }
    out.write(code.data(), static_cast<std::streamsize>(code.size()));
    return kExitOk;
}

}  // namespace tessary::cli
