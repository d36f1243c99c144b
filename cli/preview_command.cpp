// preview: a file's menu as one platform gets it, read as the editor's Preview
// Menu reads it, printed as an indented outline.
#include <optional>

#include "cli/cli_file.h"
#include "cli/commands.h"
#include "cli/menu_lint.h"
#include "cli/menu_loading.h"
#include "editor/preview_menu.h"

namespace tessary::cli {

namespace {

constexpr std::string_view kSeparatorLine = "--------";

std::optional<PlatformMask> platformNamed(std::string_view name) {
    if (name == "windows") {
        return kPlatformWindows;
    }
    if (name == "macclassic") {
        return kPlatformMacClassic;
    }
    if (name == "macx") {
        return kPlatformMacX;
    }
    return std::nullopt;
}

void writeOutline(const std::vector<PreviewItem>& items, size_t depth, std::string& out) {
    for (const PreviewItem& item : items) {
        out.append(2 * depth, ' ');
        if (item.separator) {
            out += kSeparatorLine;
        } else {
            out += item.text;
            if (item.grayed) {
                out += " [disabled]";
            }
            if (item.checked) {
                out += " [checked]";
            }
        }
        out += '\n';
        writeOutline(item.children, depth + 1, out);
    }
}

LoadResult resultOf(const PreviewOutcome& outcome) {
    if (outcome.status == kParseOk) {
        return LoadResult::accepted();
    }
    if (outcome.status == kParseOtherKind) {
        return LoadResult::otherKind();
    }
    return LoadResult::failedAt(static_cast<int>(outcome.line));
}

}  // namespace

int PreviewCommand(const Args& args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view kName = "preview";
    PlatformMask platform = kPlatformWindows;
    Args rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg != "--platform" && !arg.starts_with("--platform=")) {
            rest.push_back(args[i]);
            continue;
        }
        std::string_view value;
        if (arg.size() > 10) {
            value = arg.substr(11);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError(kName, err, "--platform needs a value");
        }
        const std::optional<PlatformMask> named = platformNamed(value);
        if (!named) {
            return UsageError(kName, err, "unknown platform '" + std::string(value) + "'");
        }
        platform = *named;
    }
    LoadOptions options;
    int exitCode = kExitOk;
    if (!ParseLoadOptions(kName, rest, false, options, err, exitCode)) {
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

    // Windows has no application menu; the Mac platforms show it first.
    const bool showAppMenu = platform != kPlatformWindows;
    PreviewOutcome outcome;
    MenuKind kind = MenuKind::MainMenu;
    for (MenuKind candidate : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        kind = options.kind.value_or(candidate);
        outcome = buildPreviewMenu(text, kind, platform, showAppMenu);
        if (options.kind || outcome.status != kParseOtherKind) {
            break;
        }
    }
    std::string outline;
    writeOutline(outcome.menu.items, 0, outline);
    out << outline;
    if (outcome.status != kParseOk) {
        const LintFinding failure = loadFailureFinding(text, resultOf(outcome), kind);
        err << file << ':' << failure.line << ": error: " << failure.message << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tessary::cli
