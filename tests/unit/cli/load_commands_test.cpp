// tessary-cli check, format and tree: the exact lines, bytes and JSON they
// write, their exit codes, and format settling after one pass.
#include <gtest/gtest.h>

#include <random>

#include "cli/commands.h"
#include "cli/json_out.h"
#include "cli_test_support.h"
#include "menucode/code_tree.h"
#include "menucode/random_menu_tree.h"

namespace tessary::cli {
namespace {

using LoadCommandsTest = CliTest;

const std::string kMain =
    crlf({"FM_MENUBAR ()", "{", "FM_MENU ( FM_MENU_FILE )", "{", "FM_MENUITEM ( FM_OPEN )", "}", "}"});
const std::string kContext = crlf({"FM_CONTEXTMENU ( )", "{", "FM_MENUITEM ( FM_COPY )", "}"});
const std::string kPopup = crlf({"FM_POPUPMENU ( )", "{", "}"});
const std::string kBroken = crlf({"FM_MENUBAR ()", "{", "FM_MENU ( \"A\" )", "{", "FM_MENUITEM ( FM_NOPE )", "}", "}"});

TEST_F(LoadCommandsTest, CheckNamesTheKindOrTheLine) {
    const std::string main = write("main.tsmb", kMain);
    const std::string context = write("context.tsmn", kContext);
    const std::string popup = write("popup.tsmn", kPopup);
    const std::string broken = write("broken.tsmb", kBroken);

    EXPECT_EQ(run({"check", main, context, popup}), kExitOk);
    EXPECT_EQ(out_.str(), main + ": Syntax is correct (Main Menu)\n" + context +
                              ": Syntax is correct (Context Menu)\n" + popup + ": Syntax is correct (Pop-Up Menu)\n");
    EXPECT_EQ(err_.str(), "");

    EXPECT_EQ(run({"check", broken}), kExitFailed);
    EXPECT_EQ(err_.str(), broken + ":5: error: Syntax incorrect in line 5\n");

    EXPECT_EQ(run({"check", "--kind", "context", main}), kExitFailed);
    EXPECT_EQ(err_.str(), main + ":1: error: the code is of another menu kind, not a Context Menu\n");
    EXPECT_EQ(run({"check", "--kind=popup", popup}), kExitOk);
}

// Every file gets its line; the worst outcome decides the exit code.
TEST_F(LoadCommandsTest, CheckExitCodes) {
    const std::string main = write("main.tsmb", kMain);
    const std::string broken = write("broken.tsmb", kBroken);
    const std::string missing = (dir_ / "missing.tsmb").string();
    const std::string large = write("large.tsmb", std::string(0x80001, ' '));
    struct Case {
        Args args;
        int exitCode;
    };
    const Case cases[] = {
        {{"check", main, broken}, kExitFailed},
        {{"check", broken, missing, main}, kExitUsage},
        {{"check", large}, kExitUsage},
        {{"check"}, kExitUsage},
        {{"check", "--kind", "menubar", main}, kExitUsage},
        {{"check", "--kind"}, kExitUsage},
        {{"check", "--strict", main}, kExitUsage},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), c.exitCode) << c.args.back();
    }
    EXPECT_EQ(run({"check", large}), kExitUsage);
    EXPECT_EQ(err_.str(), large + ": error: the file is larger than 524288 bytes\n");
    EXPECT_EQ(run({"check", broken, missing, main}), kExitUsage);
    EXPECT_EQ(out_.str(), main + ": Syntax is correct (Main Menu)\n");
}

// Code as people write it, and the code the editor would save for it.
TEST_F(LoadCommandsTest, FormatWritesTheEditorsBytes) {
    const std::string messy = write(
        "messy.tsmn", crlf({"FM_CONTEXTMENU()", "{", "#IF_WIN", "FM_MENUSCRIPTITEM(\"Go\",\"go\",\"RETURN\",disable)",
                            "#END_IF", "FM_MENU(\"\xC9tat\",fm_menu_edit){FM_MENUITEMSEPARATOR()",
                            "FM_MENUITEM(FM_UNDO ,"
                            " string:\"u\")}",
                            "}"}));
    const std::string expected = crlf({"FM_CONTEXTMENU ( )", "{", "#IF_WIN",
                                       "\tFM_MENUSCRIPTITEM ( \"Go\", \"go\", CTRL + \"ENTER\", Disabled )", "#END_IF",
                                       "\tFM_MENU ( \"\xC9tat\" , FM_MENU_EDIT )", "\t{", "\t\tFM_MENUITEMSEPARATOR ()",
                                       "\t\tFM_MENUITEM ( FM_UNDO, String:\"u\" )", "\t}", "}"});
    EXPECT_EQ(run({"format", messy}), kExitOk) << err_.str();
    EXPECT_EQ(out_.str(), expected);

    // The calculation form: 0xB6 before each line end, and the quotation marks
    // of FileMaker 7 and later (the default) or of FileMaker 5 to 6.
    auto calculation = [&](const std::string& quote) {
        std::string text;
        for (char c : expected) {
            text += c == '"' ? quote : c == '\r' ? std::string("\xB6\r") : std::string(1, c);
        }
        return text;
    };
    const std::pair<Args, std::string> forms[] = {
        {{"format", "--string", messy}, calculation("\\\"")},
        {{"format", "--string", "--filemaker=7", messy}, calculation("\\\"")},
        {{"format", "--filemaker", "6", "--string", messy}, calculation("\"\"")},
    };
    for (const auto& [args, text] : forms) {
        EXPECT_EQ(run(args), kExitOk) << args[1];
        EXPECT_EQ(out_.str(), text) << args[1];
    }

    const std::string formatted = write("formatted.tsmn", expected);
    EXPECT_EQ(run({"format", "--kind", "context", formatted}), kExitOk);
    EXPECT_EQ(out_.str(), expected);
}

TEST_F(LoadCommandsTest, FormatRefusals) {
    const std::string broken = write("broken.tsmb", kBroken);
    // Loads, but a Classic item below a menu for both Mac platforms has no
    // place in the language.
    const std::string unwritable =
        write("unwritable.tsmb",
              crlf({"FM_MENUBAR ()", "{", "#IF_MAC", "FM_MENU ( \"Mac\" )", "{", "#END_IF", "#IF_MACCLASSIC",
                    "FM_MENUITEM ( FM_OPEN )", "#END_IF", "#IF_MAC", "}", "#END_IF", "}"}));
    const std::string main = write("main.tsmb", kMain);
    struct Case {
        Args args;
        int exitCode;
        std::string error;
    };
    const Case cases[] = {
        {{"format", broken}, kExitFailed, broken + ":5: error: Syntax incorrect in line 5\n"},
        {{"format", unwritable},
         kExitFailed,
         unwritable + ": error: the menu cannot be written as menu code: a node does not fit where it stands\n"},
        {{"format", "--kind", "popup", main},
         kExitFailed,
         main + ":1: error: the code is of another menu kind, not a Pop-Up Menu\n"},
        {{"format", main, main},
         kExitUsage,
         "tessary-cli format: one FILE only\n"
         "usage: tessary-cli format [--kind main|context|popup|auto] [--string [--filemaker=6|7]] "
         "FILE\n"},
        {{"format", "--string", "--filemaker=5", main},
         kExitUsage,
         "tessary-cli format: --filemaker takes 6 or 7\n"
         "usage: tessary-cli format [--kind main|context|popup|auto] [--string [--filemaker=6|7]] "
         "FILE\n"},
        {{"format", "--filemaker=6", main},
         kExitUsage,
         "tessary-cli format: --filemaker applies to --string only\n"
         "usage: tessary-cli format [--kind main|context|popup|auto] [--string [--filemaker=6|7]] "
         "FILE\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), c.exitCode) << c.error;
        EXPECT_EQ(out_.str(), "") << c.error;
        EXPECT_EQ(err_.str(), c.error);
    }
}

// Text that fits a document may be written longer than a document holds
// (indentation, spelled-out defaults); format says so instead of cutting it.
TEST_F(LoadCommandsTest, FormatRefusesCodeLargerThanADocument) {
    std::string text = "FM_CONTEXTMENU()\n{\n";
    while (text.size() < kDocumentBufferSize - 40) {
        text += "FM_MENUITEM(FM_OPEN)\n";
    }
    text += "}\n";
    const std::string file = write("big.tsmn", text);
    EXPECT_EQ(run({"check", file}), kExitOk);
    EXPECT_EQ(run({"format", file}), kExitFailed);
    EXPECT_EQ(out_.str(), "");
    EXPECT_NE(err_.str().find("more than the 524287 bytes a document holds"), std::string::npos) << err_.str();
}

// Formatting formatted code changes nothing, for random menus of every kind
// written with the spacing, spelling and blank lines people use.
TEST_F(LoadCommandsTest, FormatOfFormatIsFormat) {
    const MenuKind kinds[] = {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu};
    std::mt19937 spacing(7);
    int formatted = 0;
    for (uint32_t number = 1; number <= 300; ++number) {
        const MenuKind kind = kinds[number % 3];
        MenuTree tree;
        codetree_test::RandomMenuTree(number, kind, true).build(tree, 1 + static_cast<int>(number % 30));
        std::string code;
        if (!generateMenuCodeText(tree, kind, code)) {
            continue;
        }
        // Respace: drop the indentation, double some line ends, add blanks.
        std::string messy;
        for (char c : code) {
            if (c == '\t') {
                continue;
            }
            messy += c;
            if (c == '\n' && spacing() % 4 == 0) {
                messy += "  \r\n";
            }
        }
        const std::string input = write("in" + std::to_string(number), messy);
        ASSERT_EQ(run({"format", input}), kExitOk) << messy << err_.str();
        const std::string once = out_.str();
        const std::string output = write("out" + std::to_string(number), once);
        ASSERT_EQ(run({"format", output}), kExitOk) << once << err_.str();
        ASSERT_EQ(out_.str(), once);
        ASSERT_EQ(run({"format", "--string", output}), kExitOk);
        ++formatted;
    }
    EXPECT_GT(formatted, 100);
}

TEST_F(LoadCommandsTest, TreeJsonOfAFile) {
    const std::string file =
        write("app.tsmb",
              crlf({"FM_MENUBAR ()", "{", "FM_APPMENU ( \"Orders\" )", "{", "FM_MACQUITITEM ( \"Quit\", \"Bye\" )", "}",
                    "FM_MENU ( \"File\" , FM_MENU_FILE )", "{",
                    "FM_MENUSCRIPTITEM ( \"Print\", \"Print It\", CTRL + \"P\", String:\"u\", Check-On, Disabled )",
                    "}", "}"}));
    EXPECT_EQ(run({"tree", file}), kExitOk);
    EXPECT_EQ(out_.str(),
              "{\"kind\":\"main\",\"nodes\":["
              "{\"caption\":\"Orders\",\"type\":\"AppMenu\",\"platforms\":6,\"shortcut\":0,\"fmId\":0,\"enabled\":1,"
              "\"checkOn\":0,\"useLocalCaption\":0,\"scriptName\":\"\",\"userString\":\"\",\"children\":["
              "{\"caption\":\"Quit\",\"type\":\"MacQuitItem\",\"platforms\":4,\"shortcut\":0,\"fmId\":0,\"enabled\":1,"
              "\"checkOn\":0,\"useLocalCaption\":0,\"scriptName\":\"Bye\",\"userString\":\"\",\"children\":[]}]},"
              "{\"caption\":\"File\",\"type\":\"Menu\",\"platforms\":7,\"shortcut\":0,\"fmId\":1,\"enabled\":1,"
              "\"checkOn\":0,\"useLocalCaption\":0,\"scriptName\":\"\",\"userString\":\"\",\"children\":["
              "{\"caption\":\"Print\",\"type\":\"ScriptItem\",\"platforms\":7,\"shortcut\":592,\"fmId\":0,"
              "\"enabled\":0,\"checkOn\":1,\"useLocalCaption\":0,\"scriptName\":\"Print It\",\"userString\":\"u\","
              "\"children\":[]}]}]}\n");
}

// A file that fails shows the tree as far as it was built.
TEST_F(LoadCommandsTest, TreeOfAFailingFile) {
    const std::string file = write("broken.tsmb", kBroken);
    EXPECT_EQ(run({"tree", file}), kExitFailed);
    EXPECT_EQ(out_.str(),
              "{\"kind\":\"main\",\"nodes\":[{\"caption\":\"A\",\"type\":\"Menu\",\"platforms\":7,\"shortcut\":0,"
              "\"fmId\":0,\"enabled\":1,\"checkOn\":0,\"useLocalCaption\":0,\"scriptName\":\"\",\"userString\":\"\","
              "\"children\":[]}]}\n");
    EXPECT_EQ(err_.str(), file + ":5: error: Syntax incorrect in line 5\n");

    const std::string main = write("main.tsmb", kMain);
    EXPECT_EQ(run({"tree", "--kind", "context", main}), kExitFailed);
    EXPECT_EQ(out_.str(), "{\"kind\":\"context\",\"nodes\":[]}\n");
}

TEST(JsonOut, StringsAreUtf8AndEscaped) {
    struct Case {
        std::string bytes;
        std::string json;
    };
    const Case cases[] = {
        {"plain", "\"plain\""},
        {"", "\"\""},
        {"a\"b\\c/d", "\"a\\\"b\\\\c/d\""},
        {"\r\n\t\b\f", "\"\\r\\n\\t\\b\\f\""},
        {std::string("\x01\x1F\x7F", 3), "\"\\u0001\\u001f\\u007f\""},
        {"\xE9t\xE9", "\"\xC3\xA9t\xC3\xA9\""},                    // é
        {"\x80", "\"\xE2\x82\xAC\""},                              // euro sign
        {"\x85\x99\x9F", "\"\xE2\x80\xA6\xE2\x84\xA2\xC5\xB8\""},  // … ™ Ÿ
        {"\x81\x8D\x8F\x90\x9D", "\"\\u0081\\u008d\\u008f\\u0090\\u009d\""},
        {"\xA0\xFF", "\"\xC2\xA0\xC3\xBF\""},
    };
    for (const Case& c : cases) {
        std::string out;
        AppendJsonString(out, c.bytes);
        EXPECT_EQ(out, c.json) << c.json;
    }
}

// The whole upper half of the code page comes out as well-formed UTF-8 of
// two or three bytes.
TEST(JsonOut, EveryByteConverts) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        std::string out;
        AppendWindows1252AsUtf8(out, std::string(1, static_cast<char>(byte)));
        ASSERT_GE(out.size(), 2u) << byte;
        const auto lead = static_cast<unsigned char>(out[0]);
        EXPECT_EQ(out.size(), lead >= 0xE0 ? 3u : 2u) << byte;
        for (size_t i = 1; i < out.size(); ++i) {
            EXPECT_EQ(static_cast<unsigned char>(out[i]) & 0xC0, 0x80) << byte;
        }
    }
}

}  // namespace
}  // namespace tessary::cli
