// Fuzzes the command-line handling with arbitrary text: what a command line
// asks for, whether the wizard opens, and the parameters of a second copy,
// which must ask the second copy for the very path they were made from.
#include <cstdint>
#include <string>
#include <string_view>

#include "documents/command_line.h"

namespace {

using namespace tessary;

void check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

bool isSwitch(std::string_view text) {
    return text == "-menubar" || text == "-context" || text == "-popup";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);

    check(wizardOpensAtStart(line, true) == (line.empty() || line == "-wizard"));
    check(wizardOpensAtStart(line, false) == (line == "-wizard"));

    // One trailing and then one leading double quote are dropped.
    std::string_view text = line;
    if (!text.empty() && text.back() == '"') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '"') {
        text.remove_prefix(1);
    }
    const CommandLineAction action = parseCommandLine(line);
    switch (action.kind) {
        case CommandLineAction::Kind::Nothing:
            check(line.size() >= kCommandLineBufferSize || text.empty());
            break;
        case CommandLineAction::Kind::MenuKind:
            check(line.size() < kCommandLineBufferSize && isSwitch(text));
            break;
        case CommandLineAction::Kind::OpenPath:
            check(line.size() < kCommandLineBufferSize && !text.empty() && !isSwitch(text));
            check(action.folder + action.name == text);
            check(action.folder.empty() || action.folder.back() == '\\');
            check(action.name.find('\\') == std::string::npos);
            break;
    }

    // A second copy started for a path opens exactly that path.
    const std::string parameters = launchParameters(LaunchRequest::openPath(line));
    check(parameters == line);
    if (!line.empty() && line.size() < kCommandLineBufferSize && line.front() != '"' && line.back() != '"' &&
        !isSwitch(line)) {
        const CommandLineAction again = parseCommandLine(parameters);
        check(again.kind == CommandLineAction::Kind::OpenPath && again.folder + again.name == line);
    }
    check(wizardOpensAtStart(launchParameters(LaunchRequest::wizard()), false));
    for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        const CommandLineAction started = parseCommandLine(launchParameters(LaunchRequest::newMenu(kind)));
        check(started.kind == CommandLineAction::Kind::MenuKind && started.menuKind == kind);
    }
    return 0;
}
