#include "menucode/calculation_text.h"

namespace tessary {

std::string calculationText(std::string_view code, FileMakerGeneration generation) {
    const bool escapes = generation == FileMakerGeneration::FileMaker7AndLater;
    std::string out;
    out.reserve(code.size());
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        switch (c) {
            case '"':
                out += escapes ? "\\\"" : "\"\"";
                break;
            case '\\':
            case kParagraphMark:
                if (escapes) {
                    out += '\\';
                }
                out += c;
                break;
            case '\r':
            case '\n':
                out += kParagraphMark;
                out += c;
                // CR LF is one line break.
                if (c == '\r' && i + 1 < code.size() && code[i + 1] == '\n') {
                    out += code[++i];
                }
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

}  // namespace tessary
