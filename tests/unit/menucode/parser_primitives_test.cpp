// The reading primitives on their own: what they match, where they leave the
// position, and their statuses.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "menucode/syntax_parser.h"

namespace tessary {
namespace {

using TC = TokenClass;

struct Reader {
    explicit Reader(std::string t, uint32_t requested = 7)
        : text(std::move(t)), parser(callbacks, text.data(), static_cast<uint32_t>(text.size()), requested, false) {}
    std::string text;
    ParseCallbacks callbacks;
    FMSyntaxParser parser;
};

struct MatchCase {
    const char* text;
    TokenSet classes;
    bool caseInsensitive;
    int entry;  // -1: no match
};

TEST(ParserPrimitives, MatchTokenTriesEntriesInTableOrderByPrefix) {
    const MatchCase cases[] = {
        {"FM_MENUITEMSEPARATOR ()", tokenSet(TC::SeparatorItem, TC::CommandItem, TC::Menu), false, 0},
        {"FM_MENUITEMS", tokenSet(TC::CommandItem, TC::Menu), false, 9},  // the S is left for later
        {"FM_MENUITEM", tokenBit(TC::Menu), false, 15},
        {"FM_MENUITE", tokenBit(TC::CommandItem), false, -1},  // shorter than the keyword
        {"FM_APPLEMENU", tokenBit(TC::AppMenu), false, 8},
        {"FM_APPMENU", tokenBit(TC::AppMenu), false, 10},
        {"DISABLED", tokenBit(TC::DisableOption), false, 13},
        {"Disable,", tokenBit(TC::DisableOption), false, -1},
        {"Disable,", tokenBit(TC::DisableOption), true, 20},
        {"dIsAbLeD", tokenSet(TC::DisableOption, TC::EnableOption), true, 13},
        {"enable", tokenSet(TC::DisableOption, TC::EnableOption), true, 21},
        {"fm_menu", tokenBit(TC::Menu), true, 15},
        {"\"", tokenBit(TC::ClosingQuote), false, 35},
        {"\"", tokenSet(TC::OpeningQuote, TC::ClosingQuote), false, 34},
        {"\r\n", tokenSet(TC::Blank, TC::LineBreak), false, 30},
        {" FM_MENU", tokenBit(TC::Menu), false, -1},  // no white space is skipped
        {"", tokenBit(TC::Blank), false, -1},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.text);
        Reader r(c.text);
        int entry = -1;
        const uint32_t status = r.parser.MatchToken(c.classes, c.caseInsensitive, &entry);
        EXPECT_EQ(c.entry < 0 ? kParseMissingToken : kParseOk, status);
        if (c.entry >= 0) {
            EXPECT_EQ(c.entry, entry);
        }
        EXPECT_EQ(0u, r.parser.position());
    }
}

TEST(ParserPrimitives, MatchTokenTakesAListOfClasses) {
    Reader r("#IF_MACCARBON");
    const TokenClass classes[] = {TC::PlatformMac, TC::PlatformMacX};
    int entry = -1;
    EXPECT_EQ(kParseOk, r.parser.MatchToken(classes, 2, false, &entry));
    EXPECT_EQ(6, entry);
    EXPECT_EQ(kParseOk, r.parser.MatchToken(classes, 1, false, &entry));  // #IF_MAC alone: its prefix
    EXPECT_EQ(18, entry);
}

TEST(ParserPrimitives, ExpectSkipsWhiteSpaceEvenWhenAbsent) {
    Reader r(" \t\r\n FM_MENU (");
    EXPECT_EQ(kParseMissingToken, r.parser.expect(tokenBit(TC::OpenBody)));
    EXPECT_EQ(5u, r.parser.position());
    EXPECT_EQ(kParseOk, r.parser.expect(tokenBit(TC::Menu)));
    EXPECT_EQ(12u, r.parser.position());
    EXPECT_EQ(kParseOk, r.parser.expect(tokenBit(TC::OpenArguments)));
    EXPECT_EQ(14u, r.parser.position());
    EXPECT_EQ(kParseMissingToken, r.parser.expect(tokenBit(TC::CloseArguments)));
    EXPECT_EQ(14u, r.parser.position());
}

TEST(ParserPrimitives, ExpectLineBreak) {
    struct Case {
        const char* text;
        bool consumeAll;
        uint32_t status;
        uint32_t position;
    };
    const Case cases[] = {
        {" \t\r\n\r\n\tX", true, kParseOk, 6},    {" \t\r\n\r\n\tX", false, kParseOk, 2},
        {"  X\r\n", true, kParseMissingToken, 2}, {"\n", true, kParseOk, 1},
        {"   ", false, kParseMissingToken, 3},    {"", true, kParseMissingToken, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Reader r(c.text);
        EXPECT_EQ(c.status, r.parser.ExpectLineBreak(c.consumeAll));
        EXPECT_EQ(c.position, r.parser.position());
    }
}

TEST(ParserPrimitives, DistanceToTokenLeavesThePosition) {
    Reader r("abc, d)");
    uint32_t distance = 99;
    EXPECT_EQ(kParseOk, r.parser.DistanceToToken(TC::Comma, distance));
    EXPECT_EQ(3u, distance);
    r.parser.setPosition(4);
    EXPECT_EQ(kParseUnclosed, r.parser.DistanceToToken(TC::Comma, distance));  // after the only comma
    EXPECT_EQ(kParseOk, r.parser.DistanceToToken(TC::CloseArguments, distance));
    EXPECT_EQ(2u, distance);
    EXPECT_EQ(4u, r.parser.position());
    r.parser.setPosition(0);  // a remembered scan never answers for an earlier position
    EXPECT_EQ(kParseOk, r.parser.DistanceToToken(TC::Comma, distance));
    EXPECT_EQ(3u, distance);
}

TEST(ParserPrimitives, ReadQuoted) {
    struct Case {
        const char* text;
        uint32_t status;
        const char* quoted;
        uint32_t position;
    };
    const Case cases[] = {
        {"  \"ab\r\nc\" rest", kParseOk, "ab\r\nc", 9},
        {"\"\"", kParseOk, "", 2},
        {"\"a,b)\"", kParseOk, "a,b)", 6},
        {" x \"a\"", kParseMissingToken, nullptr, 1},
        {"\"abc", kParseUnclosed, nullptr, 1},
        {" \"", kParseUnclosed, nullptr, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Reader r(c.text);
        std::string_view text = "unchanged";
        EXPECT_EQ(c.status, r.parser.ReadQuoted(text));
        EXPECT_EQ(c.quoted ? std::string_view(c.quoted) : std::string_view("unchanged"), text);
        EXPECT_EQ(c.position, r.parser.position());
    }
}

TEST(ParserPrimitives, ReadTableKeywordStopsAtTheNearerOfCommaAndParenthesis) {
    using Table = FMSyntaxParser::FmTable;
    struct Case {
        const char* text;
        Table table;
        uint32_t status;
        uint32_t id;
        uint32_t position;
    };
    const Case cases[] = {
        {"FM_OPEN )", Table::Commands, kParseOk, 2, 8},
        {" \tfm_open \t, x)", Table::Commands, kParseOk, 2, 11},
        {"FM_CLOSE) , x", Table::Commands, kParseOk, 4, 8},
        {"FM_MENU_EDIT,", Table::Menus, kParseOk, 5, 12},
        {"FM_OPEN\r\n)", Table::Commands, kParseUnknownCommand, 0, 0},  // line breaks are not cut
        {"  )", Table::Commands, kParseUnknownCommand, 0, 2},
        {"FM_OPEN )", Table::Menus, kParseUnknownMenu, 0, 0},
        {"FM_MENU_FILE_ )", Table::Menus, kParseUnknownMenu, 0, 0},
        {"FM_OPEN", Table::Commands, kParseMissingToken, 0, 0},
        {"FM_OPEN }", Table::Commands, kParseMissingToken, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Reader r(c.text);
        uint32_t id = 0;
        EXPECT_EQ(c.status, r.parser.ReadTableKeyword(c.table, id));
        EXPECT_EQ(c.id, id);
        EXPECT_EQ(c.position, r.parser.position());
    }
}

TEST(ParserPrimitives, KeywordLongerThanAnyRowIsUnknown) {
    Reader r("FM_OPEN" + std::string(5000, 'x') + ")");
    uint32_t id = 0;
    EXPECT_EQ(kParseUnknownCommand, r.parser.ReadTableKeyword(FMSyntaxParser::FmTable::Commands, id));
}

TEST(ParserPrimitives, ProcessDirectiveOpensAndClosesBlocks) {
    struct Step {
        uint32_t status;
        uint32_t platformBlock;
        bool inBlock;
    };
    struct Case {
        const char* text;
        std::vector<Step> steps;  // one ProcessDirective call each
    };
    const Case cases[] = {
        {"\r\n#IF_WIN\r\n#END_IF\r\n", {{kParseOk, 1, true}, {kParseOk, 7, false}, {kParseOk, 7, false}}},
        {"\r\n#IF_MAC \r\n#IF_MACCLASSIC\r\n", {{kParseOk, 6, true}, {kParseNestedIf, 6, true}}},
        {"\n\n  #IF_MACCLASSIC\t\n", {{kParseOk, 2, true}}},
        {"\r#IF_MACCARBON\r", {{kParseOk, 4, true}}},
        {"\r\n#END_IF\r\n", {{kParseEndIfOutsideBlock, 7, false}}},
        {"\r\n#IF_WIN", {{kParseMissingToken, 1, true}}},  // no line break after it
        {"\r\n#IF_WIN FM_MENU", {{kParseMissingToken, 1, true}}},
        {"#IF_WIN\r\n", {{kParseOk, 7, false}}},  // no line break before it: not a directive here
        {"\r\n#if_win\r\n", {{kParseOk, 7, false}}},
        {"\r\nFM_MENU\r\n", {{kParseOk, 7, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Reader r(c.text);
        for (const Step& step : c.steps) {
            EXPECT_EQ(step.status, r.parser.ProcessDirective());
            EXPECT_EQ(step.platformBlock, r.parser.platformBlock());
            EXPECT_EQ(step.inBlock, r.parser.inPlatformBlock());
        }
    }
}

TEST(ParserPrimitives, CurrentLineIndexCountsNonEmptyLines) {
    struct Case {
        const char* text;
        uint32_t position;
        uint32_t index;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"abc", 0, 0},
        {"abc", 3, 1},  // the very end: the line after the last
        {"abc\r\n", 3, 0},
        {"abc\r\n", 5, 1},
        {"\r\n\r\nabc\r\ndef", 0, 0},
        {"\r\n\r\nabc\r\ndef", 9, 1},
        {"a\r\r\n\n\rb\nc", 6, 1},
        {"a\r\r\n\n\rb\nc", 8, 2},
        {"a\r\n \r\nb", 6, 2},  // a line of blanks is not empty
        {"\n\n\n", 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" at " << c.position);
        Reader r(c.text);
        r.parser.setPosition(c.position);
        EXPECT_EQ(c.index, r.parser.CurrentLineIndex());
    }
}

// The line of a position, against a count of its own: the lines are the runs
// of other bytes between runs of CR and LF, and a position belongs to the last
// line that starts at or before it (a position at the end: one line more).
TEST(ParserPrimitives, CurrentLineIndexOfRandomTexts) {
    auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    auto expected = [&](const std::string& text, size_t position) -> uint32_t {
        std::vector<size_t> starts;
        for (size_t i = 0; i < text.size(); ++i) {
            if (!isBreak(text[i]) && (i == 0 || isBreak(text[i - 1]))) {
                starts.push_back(i);
            }
        }
        if (position >= text.size()) {
            return static_cast<uint32_t>(starts.size());
        }
        size_t started = 0;
        while (started < starts.size() && starts[started] <= position) {
            ++started;
        }
        return started == 0 ? 0 : static_cast<uint32_t>(started - 1);
    };
    std::mt19937 random(7);
    const char kBytes[] = {'a', ' ', '\r', '\n', '\n', '\t', '\xD', '\xFF'};
    for (int run = 0; run < 300; ++run) {
        const size_t size = run < 40 ? static_cast<size_t>(run) : random() % (run % 10 == 0 ? 9000 : 200);
        std::string text;
        const bool longLines = run % 3 == 0;
        for (size_t i = 0; i < size; ++i) {
            text += longLines && random() % 8 != 0 ? 'x' : kBytes[random() % sizeof kBytes];
        }
        Reader r(text);
        const auto length = static_cast<uint32_t>(text.size());
        for (int probe = 0; probe < 12; ++probe) {
            const uint32_t position = probe == 0 ? length : random() % (length + 1);
            r.parser.setPosition(position);
            ASSERT_EQ(r.parser.CurrentLineIndex(), expected(text, position)) << "run " << run << ", at " << position;
        }
    }
}

}  // namespace
}  // namespace tessary
