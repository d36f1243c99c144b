#include "cli/menu_loading.h"

#include "documents/document_title.h"

#include <ostream>

#include "cli/cli_file.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary::cli {

namespace {

constexpr MenuKind kOpenOrder[] = {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu};

}  // namespace

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
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--kind" || arg.starts_with("--kind=")) {
            std::string_view value;
            if (arg.size() > 6) {
                value = arg.substr(7);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
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
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage("unknown option '" + std::string(arg) + "'");
        } else {
            options.files.emplace_back(arg);
        }
    }
    if (options.files.empty()) {
        return usage("no FILE given");
    }
    return true;
}

LoadResult LoadAsDocument(MenuTree& tree, std::string_view text, std::optional<MenuKind> kind, MenuKind& loadedKind) {
    if (kind) {
        tree.clearTree();
        loadedKind = *kind;
        return LoadCodeIntoTree(tree, text, *kind);
    }
    LoadResult result = kLoadOtherKind;
    for (MenuKind candidate : kOpenOrder) {
        tree.clearTree();
        loadedKind = candidate;
        result = LoadCodeIntoTree(tree, text, candidate);
        if (result != kLoadOtherKind) {
            break;
        }
    }
    return result;
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
    if (result == kLoadOtherKind) {
        return file + ":1: error: the code is of another menu kind, not a " + std::string(menuKindName(kind));
    }
    const std::string line = std::to_string(result.failingLine());
    return file + ":" + line + ": error: Syntax incorrect in line " + line;
}

}  // namespace tessary::cli
