#include "cli/commands.h"

namespace tessary::cli {

namespace {

constexpr Command kCommands[] = {
    {"trace", TraceCommand, "[--kind main|context|popup] [--platforms N] FILE"},
    {"check", CheckCommand, "[--kind main|context|popup|auto] FILE..."},
    {"format", FormatCommand, "[--kind main|context|popup|auto] [--string] FILE"},
    {"tree", TreeCommand, "[--kind main|context|popup|auto] FILE"},
};

void writeCommandList(std::ostream& err) {
    err << "usage: tessary-cli COMMAND [OPTIONS] FILE...\ncommands:\n";
    for (const Command& command : kCommands) {
        err << "  " << command.name << ' ' << command.usage << '\n';
    }
}

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

const Command* FindCommand(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

int UsageError(std::string_view name, std::ostream& err, std::string_view problem) {
    if (!problem.empty()) {
        err << "tessary-cli " << name << ": " << problem << '\n';
    }
    const Command* command = FindCommand(name);
    err << "usage: tessary-cli " << name;
    if (command) {
        err << ' ' << command->usage;
    }
    err << '\n';
    return kExitUsage;
}

int RunCli(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        writeCommandList(err);
        return kExitUsage;
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        err << "tessary-cli: unknown command '" << args[0] << "'\n";
        writeCommandList(err);
        return kExitUsage;
    }
    return command->run(Args(args.begin() + 1, args.end()), out, err);
}

}  // namespace tessary::cli
