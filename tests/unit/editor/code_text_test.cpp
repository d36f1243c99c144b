#include "editor/code_text.h"

#include <gtest/gtest.h>

#include "editor/command_hints.h"

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
    EXPECT_TRUE(tabLeaveOutcome(kLoadAccepted).accepted);
    TabLeaveOutcome other = tabLeaveOutcome(kLoadOtherKind);
    EXPECT_FALSE(other.accepted);
    EXPECT_EQ(other.messageId, 413u);
    TabLeaveOutcome line = tabLeaveOutcome(LoadResult::failedAt(7));
    EXPECT_FALSE(line.accepted);
    EXPECT_EQ(line.messageId, 409u);
    EXPECT_EQ(line.line, 7);
    EXPECT_EQ(checkSyntaxOutcome(kLoadAccepted).messageId, 410u);
    EXPECT_EQ(checkSyntaxOutcome(kLoadOtherKind).messageId, 413u);
    EXPECT_EQ(checkSyntaxOutcome(LoadResult::failedAt(3)).line, 3);
}

TEST(CommandHints, CutCopyPasteDependOnTheTab) {
    EXPECT_EQ(hintStringId(57634, EditorTab::MenuTree), 327u);
    EXPECT_EQ(hintStringId(57634, EditorTab::MenuCode), 328u);
    EXPECT_EQ(hintStringId(57635, EditorTab::MenuTree), 329u);
    EXPECT_EQ(hintStringId(57637, EditorTab::MenuCode), 332u);
}

TEST(CommandHints, EachCommandHasItsOwnText) {
    struct Case {
        unsigned command;
        unsigned string;
    } cases[] = {{57600, 300}, {32775, 341}, {32799, 313}, {32800, 317}, {32793, 318},
                 {32808, 337}, {32810, 339}, {32826, 348}, {57643, 344}, {32797, 351}};
    for (const Case& c : cases) {
        EXPECT_EQ(hintStringId(c.command, EditorTab::MenuTree), c.string) << c.command;
        EXPECT_EQ(hintStringId(c.command, EditorTab::MenuCode), c.string) << c.command;
    }
    // Commands without a text clear the status line.
    EXPECT_EQ(hintStringId(32805, EditorTab::MenuTree), 0u);
    EXPECT_EQ(hintStringId(32817, EditorTab::MenuTree), 0u);
    EXPECT_TRUE(isRecentFileCommand(32817));
    EXPECT_TRUE(isRecentFileCommand(32820));
    EXPECT_FALSE(isRecentFileCommand(32821));
}

}  // namespace
}  // namespace tessary
