// The calculation form of Copy String Code for both FileMaker generations:
// exact bytes for each kind of byte, and, read back by FileMaker's own rules
// for a text constant, the very menu code it was made from.
#include "menucode/calculation_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "code_tree_test_support.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;
using codetree_test::codeLines;
using codetree_test::generated;
using codetree_test::kSmallMainMenuCode;

constexpr FileMakerGeneration kFm6 = FileMakerGeneration::FileMaker5To6;
constexpr FileMakerGeneration kFm7 = FileMakerGeneration::FileMaker7AndLater;

// What FileMaker makes of `calculation` standing between the two quotation
// marks of a text constant, written from FileMaker's rules and apart from the
// conversion under test. None when it is no such inside: a quotation mark that
// would end the constant, or (7 and later) a backslash before nothing it
// escapes.
//   5 to 6:       two quotation marks stand for one.
//   7 and later:  \" \\ and \¶ stand for the second character.
//   Both:         ¶ is a line break, given here as CR LF as menu code writes
//                 it. A line break typed into the calculation is left out:
//                 FileMaker keeps it, but it only adds an empty line, which
//                 readers of menu code skip, so the ¶ alone decide where the
//                 lines of the code break.
std::optional<std::string> readTextConstant(std::string_view calculation, FileMakerGeneration generation) {
    std::string text;
    for (size_t i = 0; i < calculation.size(); ++i) {
        const char c = calculation[i];
        const char next = i + 1 < calculation.size() ? calculation[i + 1] : '\0';
        if (generation == kFm6 && c == '"') {
            if (next != '"') {
                return std::nullopt;
            }
            text += c;
            ++i;
        } else if (generation == kFm7 && c == '\\') {
            if (next != '"' && next != '\\' && next != '\xB6') {
                return std::nullopt;
            }
            text += next;
            ++i;
        } else if (generation == kFm7 && c == '"') {
            return std::nullopt;
        } else if (c == '\xB6') {
            text += "\r\n";
        } else if (c != '\r' && c != '\n') {
            text += c;
        }
    }
    return text;
}

TEST(CalculationText, EachKindOfByte) {
    struct Case {
        std::string code;
        std::string fm6;
        std::string fm7;
    } cases[] = {
        {"", "", ""},
        {"\"a\"", "\"\"a\"\"", "\\\"a\\\""},
        {"a\\b", "a\\b", "a\\\\b"},
        {"a\xB6z", "a\xB6z", "a\\\xB6z"},
        // Line breaks as typed: CR LF, lone CR and LF, an empty line, and none at the end.
        {"a\r\nb\rc\nd\r\r\ne", "a\xB6\r\nb\xB6\rc\xB6\nd\xB6\r\xB6\r\ne", "a\xB6\r\nb\xB6\rc\xB6\nd\xB6\r\xB6\r\ne"},
        {"\x80\xFF\t\x01", "\x80\xFF\t\x01", "\x80\xFF\t\x01"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calculationText(c.code, kFm6), c.fm6) << c.code;
        EXPECT_EQ(calculationText(c.code, kFm7), c.fm7) << c.code;
    }
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The menu code of a main menu whose texts hold backslashes, paragraph marks
// and bytes above 127, as the writer writes it.
std::string oddTextsMenu(bool withParagraphMarks) {
    const std::string odd = withParagraphMarks ? "C:\\Data\\ \xB6 \xE9t\xE9 \xFF" : "C:\\Data\\ \xE9t\xE9 \xFF\\";
    const std::string code = codeLines({
        "FM_MENUBAR ( )",
        "{",
        "FM_MENU ( \"" + odd + "\" )",
        "{",
        "FM_MENUSCRIPTITEM ( \"" + odd + "\", \"" + odd + "\", CTRL + \"\\\", String:\"" + odd + "\" )",
        "FM_MENUITEM ( \"" + odd + "\", FM_OPEN )",
        "}",
        "}",
    });
    MenuTree tree;
    EXPECT_EQ(LoadCodeIntoTree(tree, code, MenuKind::MainMenu), LoadResult::accepted());
    return generated(tree, MenuKind::MainMenu);
}

// FileMaker reads the calculation back into exactly the menu code it was made
// from: the writer's example, every ready-made file that ships, and texts with
// the bytes the forms treat specially. FileMaker 5 to 6 cannot write a ¶ that
// is part of a text, so that menu is read back under 7 and later only.
TEST(CalculationText, FileMakerReadsBackThePlainCode) {
    std::vector<std::pair<std::string, std::string>> codes = {
        {"writer's example", kSmallMainMenuCode},
        {"odd texts", oddTextsMenu(false)},
        {"paragraph marks", oddTextsMenu(true)},
    };
    const fs::path templates = fs::path(TESSARY_SOURCE_DIR) / "content" / "Templates";
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(templates)) {
        if (entry.is_regular_file()) {
            codes.emplace_back(entry.path().string(), readBytes(entry.path()));
        }
    }
    ASSERT_GT(codes.size(), 20u);
    for (const auto& [name, code] : codes) {
        ASSERT_NE(code.find("FM_MENU"), std::string::npos) << name;
        for (const FileMakerGeneration generation : {kFm6, kFm7}) {
            if (generation == kFm6 && code.find('\xB6') != std::string::npos) {
                continue;
            }
            EXPECT_EQ(readTextConstant(calculationText(code, generation), generation), code)
                << name << " for FileMaker " << static_cast<int>(generation);
        }
    }
}

}  // namespace
}  // namespace tessary
