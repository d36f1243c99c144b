#include "cli/commands.h"

namespace tessary::cli {

namespace {

constexpr std::string_view kKindOption =
    "  --kind KIND          read FILE as KIND of menu code: main (a menu bar),\n"
    "                       context or popup; auto (the default) takes the first of\n"
    "                       the three that the code is, as the editor's Open does\n";
constexpr std::string_view kHelpOption = "  -h, --help           show this help and exit\n";

constexpr Command kCommands[] = {
    {"trace", TraceCommand, "[--kind main|context|popup] [--platforms N] FILE",
     "print the parser's callbacks for a file",
     "Run the menu code parser over FILE with callbacks that accept everything, and\n"
     "print one line per callback, then \"status S line L\". Handles are numbered 1,\n"
     "2, 3, ... in the order in which the menu bar and the menus are begun.\n",
     false,
     "  --kind KIND          main (the default), context or popup: the parser's entry\n"
     "                       point\n"
     "  --platforms N        the platforms to read: 1 Windows, 2 MacOS Classic,\n"
     "                       4 MacOS X, added together (default 7, all)\n",
     "the parser's status is 0", "it is not"},
    {"check", CheckCommand, "[--kind main|context|popup|auto] FILE...", "say whether each file's syntax is correct",
     "Load each FILE as the editor opens it and say whether its syntax is correct:\n"
     "\"FILE: Syntax is correct (Main Menu)\" on standard output, or on standard error\n"
     "\"FILE:N: error: Syntax incorrect in line N\", where N counts only non-empty\n"
     "lines, as the editor does.\n",
     true, "", "every file is correct", "a file is not"},
    {"format", FormatCommand, "[--kind main|context|popup|auto] [--string [--filemaker=6|7]] FILE",
     "write a file's menu code as the editor saves it",
     "Load FILE as the editor opens it and write its menu code to standard output,\n"
     "byte for byte as the editor saves it.\n",
     true,
     "  --string             write the calculation form, as Copy String Code puts it\n"
     "                       on the clipboard: the text inside a FileMaker text\n"
     "                       constant, with the paragraph mark (byte 0xB6) before\n"
     "                       every line break\n"
     "  --filemaker=7        the form of FileMaker 7 and later (the default):\n"
     "                       \\\" for a quotation mark, \\\\ for a backslash and \\ before\n"
     "                       a paragraph mark that is part of a text\n"
     "  --filemaker=6        the form of FileMaker 5 to 6: every quotation mark\n"
     "                       doubled\n",
     "the code was written", "FILE does not load, or its menu cannot be written as menu code"},
    {"tree", TreeCommand, "[--kind main|context|popup|auto] FILE", "print the menu tree a file loads into, as JSON",
     "Load FILE as the editor opens it and print its menu tree as one line of JSON:\n"
     "{\"kind\":\"main|context|popup\",\"nodes\":[NODE,...]}, each NODE with the caption,\n"
     "type, platforms, shortcut, fmId, enabled, checkOn, useLocalCaption, scriptName,\n"
     "userString and children that its record holds. Texts are converted from\n"
     "Windows-1252 to UTF-8. A file that does not load gives the tree as far as it\n"
     "was built.\n",
     true, "", "FILE loads", "it does not"},
    {"preview", PreviewCommand, "[--kind main|context|popup|auto] [--platform windows|macclassic|macx] FILE",
     "print a file's menu as one platform shows it",
     "Print FILE's menu as PLATFORM gets it: the code is read for that platform\n"
     "only, as the editor's Preview Menu reads it for Windows. Each entry stands on\n"
     "a line of its own, indented by two blanks for each level of submenus: its\n"
     "caption (the English caption of a FileMaker command or menu written without\n"
     "one), for a shortcut a tab and the shortcut (\"Open<TAB>Ctrl+O\"), then\n"
     "\" [disabled]\" and \" [checked]\" where they apply; a separator is a line of\n"
     "dashes. The top level of a main menu is its menu bar; for MacOS Classic and\n"
     "MacOS X the application menu is the bar's first menu. A file that does not\n"
     "load gives the menu as far as it was built.\n",
     true, "  --platform PLATFORM  windows (the default), macclassic or macx\n", "FILE reads to its end",
     "it does not"},
    {"lint", LintCommand, "[--kind main|context|popup|auto] [--quiet] [--format=text|json] FILE...",
     "warn of what the editor would refuse or a user would regret",
     "Check each FILE for what the editor would refuse or a user would regret, and\n"
     "report each finding on standard error as \"FILE:LINE: warning: MESSAGE [RULE]\".\n"
     "A file that does not load is reported as \"FILE:LINE: error: MESSAGE\". LINE\n"
     "counts every line of the file; the editor's \"Syntax incorrect in line N\"\n"
     "counts only non-empty lines.\n"
     "\n"
     "Rules:\n"
     "  duplicate-shortcut    a shortcut that a script item before it already has\n"
     "                        (FileMaker items may share one among themselves)\n"
     "  popup-shortcut        a shortcut on an item of a pop-up menu, which takes none\n"
     "  no-platform           a node that shows on no platform\n"
     "  wider-platforms       a node for platforms that its menu is not for\n"
     "  unwritable-platforms  platforms that menu code cannot write where they stand\n"
     "  mac-item-place        a Mac quit or preferences item outside the application\n"
     "                        menu\n"
     "  mac-item-twice        a second Mac quit or preferences item\n"
     "  app-menu-first        an application menu that is not the bar's first menu\n"
     "  empty-script-name     a script item that names no script\n"
     "  empty-menu            a menu without items\n"
     "  long-text             a caption, script name or user string over 249\n"
     "                        characters, which loading cuts\n"
     "  format                a layout that 'tessary-cli format' would change\n",
     true,
     "  -q, --quiet          report errors only; warnings still set the exit status\n"
     "  --format=FORMAT      text (the default), or json: one line on standard output,\n"
     "                       {\"diagnostics\":[{\"file\":S,\"line\":N,\"severity\":S,\n"
     "                       \"rule\":S,\"message\":S},...]}, severity \"warning\" or\n"
     "                       \"error\" (rule \"syntax\", or \"file\" with line 0)\n",
     "no file has a finding", "a file has one"},
};

constexpr std::string_view kProgramHelp =
    "Check, format, inspect and preview the menu code of Tessary documents\n"
    "(.tsmb, .tsmn, .qxtf) without the editor.\n";

constexpr std::string_view kProgramNotes =
    "\n"
    "Options:\n"
    "  -h, --help   show this help and exit; 'tessary-cli COMMAND --help' shows the\n"
    "               help of a command\n"
    "\n"
    "Texts are bytes of the Windows ANSI code page (1252), as in the documents.\n"
    "Diagnostics go to standard error as FILE:LINE: error: MESSAGE.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  the input does not load (or lint found something)\n"
    "  2  a usage or I/O error\n";

void writeCommandList(std::ostream& err) {
    err << "usage: tessary-cli COMMAND [OPTIONS] FILE...\ncommands:\n";
    for (const Command& command : kCommands) {
        err << "  " << command.name << ' ' << command.usage << '\n';
    }
}

void writeProgramHelp(std::ostream& out) {
    out << "Usage: tessary-cli COMMAND [OPTIONS] FILE...\n\n" << kProgramHelp << "\nCommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << std::string(10 - command.name.size(), ' ') << command.summary << '\n';
    }
    out << kProgramNotes;
}

void writeCommandHelp(const Command& command, std::ostream& out) {
    out << "Usage: tessary-cli " << command.name << ' ' << command.usage << "\n\n"
        << command.description << "\nOptions:\n";
    if (command.opensAsDocument) {
        out << kKindOption;
    }
    out << command.options << kHelpOption << "\nExit status:\n  0  " << command.exitOk << "\n  1  "
        << command.exitFailed << "\n  2  a usage or I/O error\n";
}

bool asksForHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
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
    if (!args.empty() && asksForHelp(args[0])) {
        writeProgramHelp(out);
        return kExitOk;
    }
    if (args.empty()) {
        writeCommandList(err);
        return kExitUsage;
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        err << "tessary-cli: unknown command '" << args[0] << "'\n";
        writeCommandList(err);
        return kExitUsage;
    }
    const Args rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
        if (asksForHelp(arg)) {
            writeCommandHelp(*command, out);
            return kExitOk;
        }
    }
    return command->run(rest, out, err);
}

}  // namespace tessary::cli
