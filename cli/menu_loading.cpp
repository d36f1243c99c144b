#include "cli/menu_loading.h"

#include "documents/document_kind.h"
#include "documents/document_title.h"

#include <ostream>

#include "cli/cli_file.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::cli {

bool ParseLoadOptions(std::string_view command,
                      const Args& args,
                      bool takesString,
                      LoadOptions& options,
                      std::ostream& err,
                      int& exitCode) {
    auto usage = [&](const std::string& problem) {
        exitCode = UsageError(command, err, problem);
        return false;
    };
    // The value of an option written `--name V` or `--name=V`; false when arg is another option.
    auto optionValue = [&](size_t& i, std::string_view name, std::string_view& value) {
        const std::string_view arg = args[i];
        if (arg == name) {
            value = i + 1 < args.size() ? std::string_view(args[++i]) : std::string_view();
            return true;
        }
        if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=') {
            value = arg.substr(name.size() + 1);
            return true;
        }
        return false;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view value;
        if (optionValue(i, "--kind", value)) {
            if (value.empty()) {
                return usage("--kind needs a value");
            }
            if (value == "auto") {
                options.kind.reset();
            } else if (value == "main") {
                options.kind = MenuKind::MainMenu;
            } else if (value == "context") {
                options.kind = MenuKind::ContextMenu;
            } else if (value == "popup") {
                options.kind = MenuKind::PopupMenu;
            } else {
                return usage("unknown kind '" + std::string(value) + "'");
            }
        } else if (takesString && arg == "--string") {
            options.calculationForm = true;
        } else if (takesString && optionValue(i, "--filemaker", value)) {
            if (value == "6") {
                options.fileMaker = FileMakerGeneration::FileMaker5To6;
            } else if (value == "7") {
                options.fileMaker = FileMakerGeneration::FileMaker7AndLater;
            } else {
                return usage("--filemaker takes 6 or 7");
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage("unknown option '" + std::string(arg) + "'");
        } else {
            options.files.emplace_back(arg);
        }
    }
    if (options.files.empty()) {
        return usage("no FILE given");
    }
    if (options.fileMaker && !options.calculationForm) {
        return usage("--filemaker applies to --string only");
    }
    return true;
}

LoadResult LoadAsDocument(MenuTree& tree, std::string_view text, std::optional<MenuKind> kind, MenuKind& loadedKind) {
    if (kind) {
        tree.clearTree();
        loadedKind = *kind;
        return LoadCodeIntoTree(tree, text, *kind);
    }
    // The text alone decides: no file name lends it a kind.
    const DocumentReading reading = readDocumentKind({}, [&](MenuKind candidate) {
        tree.clearTree();
        return LoadCodeIntoTree(tree, text, candidate);
    });
    loadedKind = reading.kind;
    return reading.result;
}

bool LoadOneFile(std::string_view command,
                 const Args& args,
                 bool takesString,
                 LoadOptions& options,
                 MenuTree& tree,
                 MenuKind& loadedKind,
                 LoadResult& result,
                 std::ostream& err,
                 int& exitCode) {
    if (!ParseLoadOptions(command, args, takesString, options, err, exitCode)) {
        return false;
    }
    if (options.files.size() != 1) {
        exitCode = UsageError(command, err, "one FILE only");
        return false;
    }
    const std::string& file = options.files.front();
    std::string text;
    std::string error;
    if (!ReadDocumentFile(file, text, error)) {
        err << file << ": error: " << error << '\n';
        exitCode = kExitUsage;
        return false;
    }
    result = LoadAsDocument(tree, text, options.kind, loadedKind);
    return true;
}

std::string_view MenuKindWord(MenuKind kind) {
    switch (kind) {
        case MenuKind::MainMenu:
            return "main";
        case MenuKind::ContextMenu:
            return "context";
        case MenuKind::PopupMenu:
            return "popup";
    }
    return "main";
}

std::string LoadFailureMessage(const std::string& file, LoadResult result, MenuKind kind) {
    if (result.isOtherKind()) {
        return file + ":1: error: the code is of another menu kind, not a " + std::string(menuKindName(kind));
    }
    const std::string line = std::to_string(result.failingLine());
    return file + ":" + line + ": error: Syntax incorrect in line " + line;
}

}  // namespace tessary::cli
