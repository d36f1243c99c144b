#include "editor/code_text.h"

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

}  // namespace tessary
