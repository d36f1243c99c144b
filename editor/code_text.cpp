#include "editor/code_text.h"

namespace tessary {
namespace {

constexpr unsigned kSyntaxIncorrect = 409;
constexpr unsigned kSyntaxCorrect = 410;
constexpr unsigned kKindCannotChange = 413;

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

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
        return {false, kKindCannotChange, 0};
    }
    return {false, kSyntaxIncorrect, loadResult.failingLine()};
}

TabLeaveOutcome checkSyntaxOutcome(LoadResult loadResult) {
    if (loadResult.isAccepted()) {
        return {true, kSyntaxCorrect, 0};
    }
    return tabLeaveOutcome(loadResult);
}

}  // namespace tessary
