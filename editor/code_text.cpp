#include "editor/code_text.h"

#include <charconv>

#include "resources/resource.h"

namespace tessary {
namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::string_view clipboardText(std::string_view text) {
    while (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    return text;
}

TextSpan errorLineSpan(std::string_view text, int line) {
    size_t pos = 0;
    // Runs of line breaks at the start belong to no line.
    while (pos < text.size() && isLineBreak(text[pos])) {
        ++pos;
    }
    for (int current = 1; pos < text.size(); ++current) {
        size_t end = pos;
        while (end < text.size() && !isLineBreak(text[end])) {
            ++end;
        }
        if (current == line) {
            return {pos, end - pos};
        }
        pos = end;
        while (pos < text.size() && isLineBreak(text[pos])) {
            ++pos;
        }
    }
    return {text.size(), 0};
}

TabLeaveOutcome tabLeaveOutcome(LoadResult loadResult) {
    if (loadResult.isAccepted()) {
        return {true, 0, 0};
    }
    if (loadResult.isOtherKind()) {
        return {false, IDS_KIND_CANNOT_CHANGE, 0};
    }
    return {false, IDS_SYNTAX_INCORRECT, loadResult.failingLine()};
}

TabLeaveOutcome checkSyntaxOutcome(LoadResult loadResult) {
    if (loadResult.isAccepted()) {
        return {true, IDS_SYNTAX_CORRECT, 0};
    }
    return tabLeaveOutcome(loadResult);
}

int caretColumn(std::string_view lineBeforeCaret) {
    int column = 0;
    for (char c : lineBeforeCaret) {
        column = c == '\t' ? (column / kCodeTabWidth + 1) * kCodeTabWidth : column + 1;
    }
    return column + 1;
}

std::string caretPlaceText(int line, int column) {
    return "Ln " + std::to_string(line) + ", Col " + std::to_string(column);
}

std::optional<int> goToLineTarget(std::string_view typed, int lineCount) {
    while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t')) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t')) {
        typed.remove_suffix(1);
    }
    int line = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), line);
    if (typed.empty() || error != std::errc() || end != typed.data() + typed.size() || line < 1 ||
        line > lineCount) {
        return std::nullopt;
    }
    return line;
}

}  // namespace tessary
