// Rules for the menu code text as the editor shows and copies it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "menucode/code_tree.h"

namespace tessary {

// The text put on the clipboard: trailing carriage returns are dropped.
std::string_view clipboardText(std::string_view text);

struct TextSpan {
    size_t start = 0;
    size_t length = 0;
};

// Where the line that an error message names stands in the text. Error lines
// are counted over non-empty lines (a run of CR and LF characters of any length
// separates two lines), so the span is found the same way; a line past the end
// gives an empty span at the end of the text.
TextSpan errorLineSpan(std::string_view text, int line);

// The outcome of leaving the "Menu Code" tab, from the loader's result.
struct TabLeaveOutcome {
    bool accepted = false;   // the tree now holds the text
    unsigned messageId = 0;  // string to show when not accepted
    int line = 0;            // the failing line for "Syntax incorrect in line %d"
};
TabLeaveOutcome tabLeaveOutcome(LoadResult loadResult);

// The message of Check Syntax for a loader result: the string number and, for a
// failing line, the line.
TabLeaveOutcome checkSyntaxOutcome(LoadResult loadResult);

// The code edit's tab stops, in characters.
constexpr int kCodeTabWidth = 4;

// The column the caret stands in (from 1), given the text of its line before
// it: each tab moves on to the next tab stop, every other character one column.
int caretColumn(std::string_view lineBeforeCaret);
// The caret's place as the status line shows it: "Ln 12, Col 5".
std::string caretPlaceText(int line, int column);

// Go to Line: the dialog opens on the caret's line; OK takes the typed line
// when goToLineTarget accepts it.
struct GoToLineFields {
    int lineCount = 1;  // lines of the code edit's text
    int line = 1;       // from 1
};
// The line typed into the dialog, when it is a whole number from 1
// to lineCount (blanks around it allowed); none otherwise.
std::optional<int> goToLineTarget(std::string_view typed, int lineCount);

}  // namespace tessary
