// tessary-cli preview, lint and --help: exact output and exit codes. The lint
// of a file breaking every rule is compared byte for byte in tests/cli_output,
// natively and under Wine.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "cli_test_support.h"

namespace tessary::cli {
namespace {

using PreviewLintTest = CliTest;

// In the writer's layout, and sound: lint finds nothing.
const std::string kContext =
    crlf({"FM_CONTEXTMENU ( )", "{", "\tFM_MENUITEM ( FM_COPY, CTRL + \"C\" )", "\tFM_MENUITEMSEPARATOR ()",
          "\tFM_MENU ( \"More\" )", "\t{",
          "\t\tFM_MENUSCRIPTITEM ( \"Go\", \"go\", ALT + \"HOME\", Check-On, Disabled )", "\t}", "}"});

TEST_F(PreviewLintTest, PreviewPrintsTheOutline) {
    const std::string context = write("context.tsmn", kContext);
    EXPECT_EQ(run({"preview", context}), kExitOk);
    EXPECT_EQ(out_.str(), "Copy\tCtrl+C\n--------\nMore\n  Go\tAlt+Home [disabled] [checked]\n");
    EXPECT_EQ(err_.str(), "");

    const std::string main = write(
        "main.tsmb", crlf({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"Orders\" )", "{", "FM_MACQUITITEM ( \"Quit\", \"q\" )",
                           "}", "#IF_WIN", "FM_MENU ( \"Win\" )", "{", "}", "#END_IF", "}"}));
    EXPECT_EQ(run({"preview", main}), kExitOk);
    EXPECT_EQ(out_.str(), "Win\n");
    EXPECT_EQ(run({"preview", "--platform=macx", main}), kExitOk);
    EXPECT_EQ(out_.str(), "Orders\n  Quit\n");
}

// The menu as far as it was built, and the error on the file's own line (the
// blank line counts there, not in the editor's message).
TEST_F(PreviewLintTest, PreviewOfATextThatDoesNotParse) {
    const std::string broken =
        write("broken.tsmn",
              crlf({"FM_CONTEXTMENU ( )", "", "{", "FM_MENUITEM ( FM_OPEN )", "FM_MENUITEM ( FM_NOPE )", "}"}));
    EXPECT_EQ(run({"preview", broken}), kExitFailed);
    EXPECT_EQ(out_.str(), "Open...\n");
    EXPECT_EQ(err_.str(), broken + ":5: error: Syntax incorrect in line 4\n");

    EXPECT_EQ(run({"preview", "--kind", "popup", write("context.tsmn", kContext)}), kExitFailed);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(),
              dir_.string() + "/context.tsmn:1: error: the code is of another menu kind, not a Pop-Up Menu\n");
}

TEST_F(PreviewLintTest, LintExitCodes) {
    const std::string clean = write("clean.tsmn", kContext);
    const std::string warned =
        write("warned.tsmn", crlf({"FM_CONTEXTMENU ( )", "{", "\tFM_MENU ( \"E\" )", "\t{", "\t}", "}"}));
    const std::string broken = write("broken.tsmn", "FM_CONTEXTMENU ( )\r\n{\r\n");
    const std::string missing = (dir_ / "missing.tsmn").string();
    const struct {
        Args args;
        int exitCode;
    } cases[] = {
        {{"lint", clean}, kExitOk},
        {{"lint", clean, warned}, kExitFailed},
        {{"lint", "--quiet", warned}, kExitFailed},
        {{"lint", broken}, kExitFailed},
        {{"lint", broken, missing, clean}, kExitUsage},
        {{"lint", "--format=xml", clean}, kExitUsage},
        {{"lint", "--format"}, kExitUsage},
        {{"lint"}, kExitUsage},
        {{"preview", "--platform", "linux", clean}, kExitUsage},
        {{"preview", clean, clean}, kExitUsage},
        {{"preview", missing}, kExitUsage},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), c.exitCode) << c.args[1];
    }
    EXPECT_EQ(run({"lint", clean}), kExitOk);
    EXPECT_EQ(err_.str() + out_.str(), "");
    EXPECT_EQ(run({"lint", "--quiet", warned, broken}), kExitFailed);
    EXPECT_EQ(err_.str(), broken + ":3: error: Syntax incorrect in line 3\n");
}

// A node's line is its keyword's, counting blank lines, past keywords inside
// quoted texts and beside other nodes on the same line.
TEST_F(PreviewLintTest, LintFindsEachNodesLine) {
    const std::string file =
        write("lines.tsmn",
              "FM_CONTEXTMENU ( )\n{\nFM_MENUSCRIPTITEM ( \"FM_MENU ( x\", \"FM_MENU (\" )\n"
              "FM_MENUITEMSEPARATOR ()  FM_MENUITEMSEPARATOR ()\n\n\nFM_MENU ( FM_MENU_EDIT )\n{\n}\n"
              "FM_MENU ( \"a\" ) { FM_MENU ( FM_MENU_FILE ) { } }\n}\n");
    EXPECT_EQ(run({"lint", file}), kExitFailed);
    EXPECT_EQ(err_.str(), file +
                              ":1: warning: the layout differs from what format writes, from this line on [format]\n" +
                              file + ":7: warning: menu \"Edit\" holds no items [empty-menu]\n" + file +
                              ":10: warning: menu \"File\" holds no items [empty-menu]\n");
}

// A pop-up menu that fails for its shortcuts names each of them.
TEST_F(PreviewLintTest, LintNamesShortcutsOfPopupMenus) {
    const std::string popup = write(
        "popup.tsmn", crlf({"FM_POPUPMENU ( )", "{", "\tFM_MENUITEM ( FM_OPEN, CTRL + \"O\" )",
                            "\tFM_MENUITEMSEPARATOR ()", "\tFM_MENUSCRIPTITEM ( \"Go\", \"go\", ALT + \"F5\" )", "}"}));
    EXPECT_EQ(run({"lint", popup}), kExitFailed);
    EXPECT_EQ(err_.str(), popup + ":3: error: Syntax incorrect in line 3\n" + popup +
                              ":3: warning: FileMaker item \"Open...\" has the shortcut Ctrl+O, but items of a pop-up "
                              "menu take no shortcut [popup-shortcut]\n" +
                              popup +
                              ":5: warning: script item \"Go\" has the shortcut Alt+F5, but items of a pop-up menu "
                              "take no shortcut [popup-shortcut]\n");
}

// Platforms that menu code cannot write below their menu: format refuses the
// menu, and the node is named on its line.
TEST_F(PreviewLintTest, LintOfAMenuThatFormatCannotWrite) {
    const std::string file =
        write("unwritable.tsmb",
              crlf({"FM_MENUBAR ()", "{", "#IF_MAC", "\tFM_MENU ( \"Mac\" )", "\t{", "#END_IF", "#IF_MACCLASSIC",
                    "\t\tFM_MENUITEM ( FM_OPEN )", "#END_IF", "#IF_MAC", "\t}", "#END_IF", "}"}));
    EXPECT_EQ(run({"lint", file}), kExitFailed);
    EXPECT_EQ(err_.str(), file +
                              ":8: warning: format cannot write this menu: the platforms of FileMaker item \"Open...\" "
                              "have no place there [format]\n" +
                              file +
                              ":8: warning: FileMaker item \"Open...\" is for MacOS Classic inside menu \"Mac\" for "
                              "MacOS Classic and MacOS X, which menu code cannot write [unwritable-platforms]\n");
}

TEST_F(PreviewLintTest, LintAsJson) {
    const std::string warned =
        write("w\xE9.tsmn", crlf({"FM_CONTEXTMENU ( )", "{", "\tFM_MENU ( \"\xC9tat\" )", "\t{", "\t}", "}"}));
    const std::string missing = (dir_ / "missing.tsmn").string();
    EXPECT_EQ(run({"lint", "--format", "json", warned, missing}), kExitUsage);
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(out_.str(), "{\"diagnostics\":[{\"file\":\"" + dir_.string() +
                              "/w\xC3\xA9.tsmn\",\"line\":3,\"severity\":\"warning\",\"rule\":\"empty-menu\","
                              "\"message\":\"menu \\\"\xC3\x89tat\\\" holds no items\"},{\"file\":\"" +
                              missing +
                              "\",\"line\":0,\"severity\":\"error\",\"rule\":\"file\",\"message\":\"cannot open the "
                              "file\"}]}\n");
}

// Help goes to standard output with exit code 0, in lines that fit 80 columns
// (the usage lines aside), each command's after its own usage line.
TEST_F(PreviewLintTest, HelpOfTheProgramAndOfEachCommand) {
    auto checkLines = [](const std::string& text) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_TRUE(line.size() <= 80 || line.starts_with("Usage: ")) << line;
        }
        EXPECT_TRUE(text.ends_with("\n"));
    };
    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_TRUE(out_.str().starts_with("Usage: tessary-cli COMMAND [OPTIONS] FILE...\n")) << out_.str();
    checkLines(out_.str());
    for (const Command& command : Commands()) {
        EXPECT_NE(out_.str().find("\n  " + std::string(command.name) + " "), std::string::npos) << command.name;
    }
    for (const Command& command : Commands()) {
        const std::string name(command.name);
        EXPECT_EQ(run({name, "some.tsmb", "-h"}), kExitOk) << name;
        EXPECT_TRUE(out_.str().starts_with("Usage: tessary-cli " + name + " " + std::string(command.usage) + "\n\n"));
        EXPECT_NE(out_.str().find("\nExit status:\n  0  "), std::string::npos) << name;
        EXPECT_EQ(err_.str(), "");
        checkLines(out_.str());
    }
}

}  // namespace
}  // namespace tessary::cli
