// The reading primitives of FMSyntaxParserBase, the scans ahead and the line
// count.
#include "menucode/syntax_parser.h"

namespace tessary {

namespace {

constexpr bool isLineBreakByte(unsigned char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

FMSyntaxParserBase::FMSyntaxParserBase(const char* text, uint32_t length) : text_(text), length_(text ? length : 0) {}

uint32_t FMSyntaxParserBase::MatchToken(const TokenClass* classes, int count, bool caseInsensitive, int* entry) {
    TokenSet set = 0;
    for (int i = 0; i < count; ++i) {
        set |= tokenBit(classes[i]);
    }
    return MatchToken(set, caseInsensitive, entry);
}

uint32_t FMSyntaxParserBase::trimBlanksBefore(uint32_t begin, uint32_t end) {
    // The walk back from `end` stopped either at a non-blank (then `start` holds
    // for any later begin) or at the begin it was given.
    if (trim_.end == end && begin >= trim_.begin) {
        return begin > trim_.start ? begin : trim_.start;
    }
    uint32_t start = end;
    while (start > begin && (text_[start - 1] == ' ' || text_[start - 1] == '\t')) {
        --start;
    }
    trim_ = TrimMemo{end, begin, start};
    return start;
}

// Lines are the runs between runs of CR and LF; a leading run is skipped, so
// empty lines never count. The index of the line holding a position is the
// number of lines that end at or before it: every place where a run of line
// breaks gives way to another character ends one (but the end of the leading
// run), and the end of the text ends the last.
uint32_t FMSyntaxParserBase::CurrentLineIndex() const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text_);
    uint32_t first = 0;
    while (first < length_ && isLineBreakByte(bytes[first])) {
        ++first;
    }
    if (first == length_) {
        return 0;
    }
    // Lines end at first + 1 ... last, the byte before each being line[k].
    const uint32_t last = pos_ < length_ ? pos_ : length_ - 1;
    const unsigned char* line = bytes + first;
    const uint32_t count = last > first ? last - first : 0;
    uint32_t index = 0;
    for (uint32_t k = 0; k < count; ++k) {
        const bool breakBefore = isLineBreakByte(line[k]);
        const bool breakHere = isLineBreakByte(line[k + 1]);
        index += breakBefore && !breakHere;
    }
    return pos_ >= length_ ? index + 1 : index;
}

}  // namespace tessary
