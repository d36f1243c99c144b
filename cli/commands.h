// The commands of tessary-cli. A command gets the arguments after its name
// and the two output streams, and returns the exit code. To add one, declare
// its function here and give it a row in the table in commands.cpp.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessary::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the input does not load (or lint warnings)
constexpr int kExitUsage = 2;   // usage or I/O error

using Args = std::vector<std::string>;
using CommandFunction = int (*)(const Args& args, std::ostream& out, std::ostream& err);

struct Command {
    std::string_view name;
    CommandFunction run;
    std::string_view usage;  // the options and operands after the name
    // What `tessary-cli NAME --help` writes after its usage line: the
    // description, the options (the shared --kind option first when the
    // command reads the kind as Open does, --help last) and what exit codes 0
    // and 1 mean.
    std::string_view summary;  // one line for the list of commands
    std::string_view description;
    bool opensAsDocument;  // takes --kind main|context|popup|auto
    std::string_view options;
    std::string_view exitOk;
    std::string_view exitFailed;
};

std::span<const Command> Commands();
const Command* FindCommand(std::string_view name);

// The whole program: `args` is argv without the program name. `--help` (or
// `-h`) alone writes the program's help, and after a command's name that
// command's help, to `out` with exit code 0.
int RunCli(const Args& args, std::ostream& out, std::ostream& err);

// Writes "usage: tessary-cli NAME USAGE" to `err` and returns kExitUsage.
int UsageError(std::string_view name, std::ostream& err, std::string_view problem = {});

// trace [--kind main|context|popup] [--platforms N] FILE
int TraceCommand(const Args& args, std::ostream& out, std::ostream& err);

// check [--kind main|context|popup|auto] FILE...
int CheckCommand(const Args& args, std::ostream& out, std::ostream& err);
// format [--kind main|context|popup|auto] [--string] FILE
int FormatCommand(const Args& args, std::ostream& out, std::ostream& err);
// tree [--kind main|context|popup|auto] FILE
int TreeCommand(const Args& args, std::ostream& out, std::ostream& err);
// preview [--kind main|context|popup|auto] [--platform windows|macclassic|macx] FILE
int PreviewCommand(const Args& args, std::ostream& out, std::ostream& err);
// lint [--kind main|context|popup|auto] [--quiet] [--format=text|json] FILE...
int LintCommand(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace tessary::cli
