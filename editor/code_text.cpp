#include "editor/code_text.h"

namespace tessary {
namespace {

constexpr int kLoadAccepted = -1;
constexpr int kLoadOtherKind = -2;
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

TabLeaveOutcome tabLeaveOutcome(int loadResult) {
    if (loadResult == kLoadAccepted) {
        return {true, 0, 0};
    }
    if (loadResult == kLoadOtherKind) {
        return {false, kKindCannotChange, 0};
    }
    return {false, kSyntaxIncorrect, loadResult};
}

TabLeaveOutcome checkSyntaxOutcome(int loadResult) {
    if (loadResult == kLoadAccepted) {
        return {true, kSyntaxCorrect, 0};
    }
    return tabLeaveOutcome(loadResult);
}

}  // namespace tessary
