#include "editor/code_text.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace tessary {
namespace {

TEST(ClipboardText, DropsOnlyTrailingCarriageReturns) {
    EXPECT_EQ(clipboardText("FM_MENUBAR()\r\n{\r\n}\r\r"), "FM_MENUBAR()\r\n{\r\n}");
    EXPECT_EQ(clipboardText("a\r\n"), "a\r\n");  // a line feed ends the run
    EXPECT_EQ(clipboardText("\r\r"), "");
    EXPECT_EQ(clipboardText(""), "");
}

TEST(ErrorLineSpan, CountsOnlyNonEmptyLinesLikeTheParser) {
    const std::string text = "\r\n\r\nFM_MENUBAR()\r\n{\r\n\r\n\r\n  FM_MENU(\"A\")\r\n}";
    TextSpan first = errorLineSpan(text, 1);
    EXPECT_EQ(text.substr(first.start, first.length), "FM_MENUBAR()");
    TextSpan third = errorLineSpan(text, 3);
    EXPECT_EQ(text.substr(third.start, third.length), "  FM_MENU(\"A\")");
    TextSpan last = errorLineSpan(text, 4);
    EXPECT_EQ(text.substr(last.start, last.length), "}");
    // The line after the last (a missing closing brace) selects nothing at the end.
    TextSpan past = errorLineSpan(text, 5);
    EXPECT_EQ(past.start, text.size());
    EXPECT_EQ(past.length, 0u);
}

TEST(ErrorLineSpan, HandlesBareLineFeedsAndCarriageReturns) {
    const std::string text = "a\nbb\r\rccc";
    TextSpan span = errorLineSpan(text, 3);
    EXPECT_EQ(text.substr(span.start, span.length), "ccc");
    EXPECT_EQ(errorLineSpan("", 1).length, 0u);
}

TEST(LoaderOutcome, MapsResultsToMessages) {
    EXPECT_TRUE(tabLeaveOutcome(LoadResult::accepted()).accepted);
    TabLeaveOutcome other = tabLeaveOutcome(LoadResult::otherKind());
    EXPECT_FALSE(other.accepted);
    EXPECT_EQ(other.messageId, static_cast<unsigned>(IDS_KIND_CANNOT_CHANGE));
    TabLeaveOutcome line = tabLeaveOutcome(LoadResult::failedAt(7));
    EXPECT_FALSE(line.accepted);
    EXPECT_EQ(line.messageId, static_cast<unsigned>(IDS_SYNTAX_INCORRECT));
    EXPECT_EQ(line.line, 7);
    EXPECT_EQ(checkSyntaxOutcome(LoadResult::accepted()).messageId, static_cast<unsigned>(IDS_SYNTAX_CORRECT));
    EXPECT_EQ(checkSyntaxOutcome(LoadResult::otherKind()).messageId, static_cast<unsigned>(IDS_KIND_CANNOT_CHANGE));
    EXPECT_EQ(checkSyntaxOutcome(LoadResult::failedAt(3)).line, 3);
}

TEST(CaretPlace, ColumnsCountTabsToTheNextStopOfFour) {
    const struct {
        const char* before;
        int column;
    } cases[] = {
        {"", 1}, {"abc", 4}, {"\t", 5}, {"\t\t", 9}, {"ab\t", 5}, {"abcd\t", 9}, {"abc\tx", 6}, {"\t\tFM_MENU", 16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(caretColumn(c.before), c.column) << c.before;
    }
    EXPECT_EQ(caretPlaceText(12, 5), "Ln 12, Col 5");
}

TEST(GoToLine, TakesAWholeNumberWithinTheText) {
    const struct {
        const char* typed;
        std::optional<int> line;
    } cases[] = {
        {"1", 1}, {"40", 40}, {" 7 ", 7}, {"41", std::nullopt}, {"0", std::nullopt}, {"-3", std::nullopt},
        {"", std::nullopt}, {"  ", std::nullopt}, {"3x", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(goToLineTarget(c.typed, 40), c.line) << '"' << c.typed << '"';
    }
}

}  // namespace
}  // namespace tessary
