// The parser reads through an index of the keyword table and through rules'
// primitives fixed when it is compiled; the plain reading tries the table
// entry by entry at every position, as the table is written. Both readings of
// the same text must make the same callbacks and end with the same status,
// position and line: checked on generated menus of every kind and on many
// damaged copies of them (bytes dropped, doubled or changed, keywords and
// punctuation put in, letters in the other case, the text cut short, so that
// keywords also stand right at its end).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "code_tree_test_support.h"
#include "menucode/parse_trace.h"
#include "menucode/syntax_parser.h"
#include "model/lexicon.h"
#include "random_menu_tree.h"

namespace tessary {
namespace {

using codetree_test::generated;
using codetree_test::RandomMenuTree;

struct Reading {
    uint32_t status = 0;
    uint32_t position = 0;
    uint32_t line = 0;
    std::vector<std::string> calls;
};

// One parse as the entry points run it, without their catching of exceptions.
Reading read(CodeKind kind, const std::string& text, uint32_t requested, bool plainly) {
    ParseTracer tracer;
    FMSyntaxParser parser(tracer.callbacks(), text.data(), static_cast<uint32_t>(text.size()), requested, false);
    if (plainly) {
        parser.readPlainly();
    }
    MenuHandle top = 0;
    Reading reading;
    reading.status =
        kind == CodeKind::Main ? parser.ParseMenuBarText(&top) : parser.ParseMenuText(kind == CodeKind::Popup, &top);
    reading.position = parser.position();
    reading.line = parser.CurrentLineIndex() + 1;
    reading.calls = tracer.lines();
    return reading;
}

// The fast reading's status, once it agreed with the plain reading.
uint32_t expectSameReading(CodeKind kind, const std::string& text, uint32_t requested) {
    const Reading fast = read(kind, text, requested, false);
    const Reading plain = read(kind, text, requested, true);
    SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + ", platforms " + std::to_string(requested) +
                 ", text:\n" + text);
    EXPECT_EQ(fast.status, plain.status);
    EXPECT_EQ(fast.position, plain.position);
    EXPECT_EQ(fast.line, plain.line);
    EXPECT_EQ(fast.calls, plain.calls);
    return fast.status;
}

// Damages a copy of the text in one of several ways.
class Damage {
public:
    explicit Damage(uint32_t run) : random_(run) {}

    std::string apply(std::string text) {
        const int edits = 1 + pick(4);
        for (int i = 0; i < edits; ++i) {
            text = once(std::move(text));
        }
        return text;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    size_t at(const std::string& text) {
        return text.empty() ? 0 : static_cast<size_t>(pick(static_cast<int>(text.size())));
    }

    std::string once(std::string text) {
        static const std::string kBytes = "(){},\"+ \t\r\n#:-xA1";
        switch (pick(8)) {
            case 0:  // a byte dropped
                if (!text.empty()) {
                    text.erase(at(text), 1);
                }
                break;
            case 1:  // a significant byte put in
                text.insert(at(text), 1, kBytes[static_cast<size_t>(pick(static_cast<int>(kBytes.size())))]);
                break;
            case 2: {  // a keyword put in
                const KeywordEntry& entry = KeywordAt(pick(kKeywordCount));
                text.insert(at(text), std::string(entry.text, entry.length));
                break;
            }
            case 3:  // cut short
                text.resize(at(text));
                break;
            case 4: {  // letters in the other case
                const size_t from = at(text);
                for (size_t i = from; i < text.size() && i < from + 12; ++i) {
                    const char c = text[i];
                    if (c >= 'a' && c <= 'z') {
                        text[i] = static_cast<char>(c - 'a' + 'A');
                    } else if (c >= 'A' && c <= 'Z') {
                        text[i] = static_cast<char>(c - 'A' + 'a');
                    }
                }
                break;
            }
            case 5: {  // a piece doubled
                const size_t from = at(text);
                text.insert(from, text.substr(from, static_cast<size_t>(pick(40))));
                break;
            }
            case 6:  // a byte changed to any value
                if (!text.empty()) {
                    text[at(text)] = static_cast<char>(pick(256));
                }
                break;
            default: {  // a platform line put in at a line start
                static const char* const kLines[] = {"#IF_WIN\r\n", "#IF_MAC\r\n", "#END_IF\r\n", "#IF_MACCARBON\r\n",
                                                     "\r\n\r\n"};
                const size_t line = text.find('\n', at(text));
                text.insert(line == std::string::npos ? text.size() : line + 1, kLines[pick(5)]);
                break;
            }
        }
        return text;
    }

    std::mt19937 random_;
};

constexpr MenuKind kKinds[] = {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu};
constexpr CodeKind kCodeKinds[] = {CodeKind::Main, CodeKind::Context, CodeKind::Popup};

// A generated menu of the run's kind, in plain or calculation form.
std::string menuText(uint32_t run) {
    MenuTree tree;
    RandomMenuTree(run, kKinds[run % 3], run % 4 == 0).build(tree, 1 + static_cast<int>(run % 40));
    std::string text = generated(tree, kKinds[run % 3], run % 7 == 0);
    return text == "<refused>" ? std::string() : text;
}

TEST(ParserReading, GeneratedMenusReadAlikeBothWays) {
    int accepted = 0;
    for (uint32_t run = 1; run <= 600; ++run) {
        const std::string text = menuText(run);
        for (CodeKind kind : kCodeKinds) {
            const uint32_t status = expectSameReading(kind, text, 7);
            accepted += kind == kCodeKinds[run % 3] && status == kParseOk;
        }
        expectSameReading(kCodeKinds[run % 3], text, run % 2 ? 1 : 6);
        if (HasFailure()) {
            return;
        }
    }
    // Most generated menus read as their kind: the readings were compared on
    // whole menus, not only on texts refused at once.
    EXPECT_GT(accepted, 400);
}

TEST(ParserReading, DamagedMenusReadAlikeBothWays) {
    for (uint32_t run = 1; run <= 4000; ++run) {
        const std::string text = Damage(run).apply(menuText(run % 500 + 1));
        expectSameReading(kCodeKinds[(run % 500 + 1) % 3], text, 7);
        if (run % 5 == 0) {
            expectSameReading(kCodeKinds[run % 3], text, run % 2 ? 1 : 6);
        }
        if (HasFailure()) {
            return;
        }
    }
}

// Keywords and punctuation in the last bytes of a text, where a keyword can no
// longer be compared a word at a time.
TEST(ParserReading, TextsEndingInsideKeywordsReadAlikeBothWays) {
    const std::string whole =
        "FM_MENUBAR ( \"Bar\" )\r\n{\r\n\tFM_APPMENU ( \"App\" )\r\n\t{\r\n\t\tFM_MACQUITITEM ( \"Quit\", \"Q\", "
        "Enable )\r\n\t\tFM_MACPREFERENCES ( \"Prefs\", \"P\" )\r\n\t}\r\n#IF_MACCLASSIC\r\n\tFM_MENU ( \"File\" , "
        "fm_menu_file )\r\n\t{\r\n\t\tFM_MENUITEMSEPARATOR ()\r\n\t\tFM_MENUSCRIPTITEM ( \"A\", \"B\", CTRL + ALT + "
        "\"F5\", string:\"u\", check-on, DISABLED )\r\n\t\tFM_MENUITEM ( FM_OPEN , NONE )\r\n\t}\r\n#END_IF\r\n}\r\n";
    ASSERT_EQ(expectSameReading(CodeKind::Main, whole, 7), kParseOk);
    for (size_t size = 0; size < whole.size(); ++size) {
        expectSameReading(CodeKind::Main, whole.substr(0, size), 7);
        expectSameReading(CodeKind::Main, whole.substr(0, size), 2);
    }
}

}  // namespace
}  // namespace tessary
