// trace: runs the parser over a file with callbacks that accept everything and
// prints one line per callback, then "status S line L".
#include <charconv>
#include <optional>

#include "cli/cli_file.h"
#include "cli/commands.h"
#include "menucode/parse_trace.h"

namespace tessary::cli {

namespace {

std::optional<MenuKind> kindNamed(std::string_view name) {
    if (name == "main") {
        return MenuKind::MainMenu;
    }
    if (name == "context") {
        return MenuKind::ContextMenu;
    }
    if (name == "popup") {
        return MenuKind::PopupMenu;
    }
    return std::nullopt;
}

std::optional<uint32_t> platformsNamed(std::string_view text) {
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int TraceCommand(const Args& args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view kName = "trace";
    MenuKind kind = MenuKind::MainMenu;
    uint32_t platforms = 7;
    std::optional<std::string> path;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string_view value;
        const bool isKind = arg == "--kind" || arg.starts_with("--kind=");
        const bool isPlatforms = arg == "--platforms" || arg.starts_with("--platforms=");
        if (isKind || isPlatforms) {
            const size_t equals = arg.find('=');
            if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return UsageError(kName, err, std::string(arg) + " needs a value");
            }
            if (isKind) {
                const std::optional<MenuKind> named = kindNamed(value);
                if (!named) {
                    return UsageError(kName, err, "unknown kind '" + std::string(value) + "'");
                }
                kind = *named;
            } else {
                const std::optional<uint32_t> named = platformsNamed(value);
                if (!named) {
                    return UsageError(kName, err, "--platforms takes a number, not '" + std::string(value) + "'");
                }
                platforms = *named;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(kName, err, "unknown option '" + std::string(arg) + "'");
        } else if (path) {
            return UsageError(kName, err, "one FILE only");
        } else {
            path = std::string(arg);
        }
    }
    if (!path) {
        return UsageError(kName, err, "no FILE given");
    }

    std::string text;
    std::string error;
    if (!ReadDocumentFile(*path, text, error)) {
        err << *path << ": error: " << error << '\n';
        return kExitUsage;
    }
    ParseTracer tracer;
    const TraceResult result = TraceParse(kind, text.data(), static_cast<uint32_t>(text.size()), platforms, tracer);
    for (const std::string& line : result.lines) {
        out << line << '\n';
    }
    return result.status == 0 ? kExitOk : kExitFailed;
}

}  // namespace tessary::cli
