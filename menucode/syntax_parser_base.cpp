// Reading primitives of FMSyntaxParserBase. Matching goes through an index of
// the keyword table by first character, so that each attempt looks at the few
// entries that can begin at the position rather than the whole table, and
// every scan ahead is done once, so reading stays linear in the text.
#include <bit>
#include <cstring>

#include "menucode/syntax_parser.h"

namespace tessary {

namespace {

constexpr unsigned char foldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

constexpr bool isLineBreakByte(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

FMSyntaxParserBase::FMSyntaxParserBase(const char* text, uint32_t length) : text_(text), length_(text ? length : 0) {}

void FMSyntaxParserBase::buildIndex() {
    indexed_ = true;
    entryCount_ = TokenCount();
    if (entryCount_ > kIndexedEntries) {
        slowTable_ = true;
        return;
    }
    for (int i = 0; i < entryCount_; ++i) {
        const KeywordEntry& entry = TokenAt(i);
        if (entry.length == 0 || entry.text == nullptr) {
            slowTable_ = true;
            return;
        }
        entryText_[i] = entry.text;
        entryLength_[i] = entry.length;
        const uint64_t bit = uint64_t{1} << i;
        const unsigned char first = static_cast<unsigned char>(entry.text[0]);
        firstExact_[first] |= bit;
        for (int c = 0; c < 256; ++c) {
            if (foldAscii(static_cast<unsigned char>(c)) == foldAscii(first)) {
                firstFolded_[c] |= bit;
            }
        }
        classEntries_[static_cast<unsigned>(entry.tokenClass) & 31] |= bit;
    }
}

uint64_t FMSyntaxParserBase::entriesOf(TokenSet classes) const {
    uint64_t entries = 0;
    while (classes != 0) {
        entries |= classEntries_[std::countr_zero(classes)];
        classes &= classes - 1;
    }
    return entries;
}

bool FMSyntaxParserBase::matchesAt(int entry, uint32_t at, bool caseInsensitive) const {
    const uint32_t len = entryLength_[entry];
    if (length_ - at < len) {
        return false;
    }
    const char* word = entryText_[entry];
    const char* here = text_ + at;
    if (!caseInsensitive) {
        return std::memcmp(here, word, len) == 0;
    }
    for (uint32_t i = 0; i < len; ++i) {
        if (foldAscii(static_cast<unsigned char>(here[i])) != foldAscii(static_cast<unsigned char>(word[i]))) {
            return false;
        }
    }
    return true;
}

// The plain reading: every entry in table order. Used only for tables the
// index cannot hold; ours never is one.
uint32_t FMSyntaxParserBase::matchSlow(TokenSet classes, bool caseInsensitive, uint32_t at, int* entry) const {
    const uint32_t remaining = length_ - at;
    for (int i = 0; i < entryCount_; ++i) {
        const KeywordEntry& candidate = TokenAt(i);
        if ((classes & tokenBit(candidate.tokenClass)) == 0 || remaining < candidate.length) {
            continue;
        }
        bool equal = true;
        for (uint32_t k = 0; k < candidate.length && equal; ++k) {
            unsigned char a = static_cast<unsigned char>(text_[at + k]);
            unsigned char b = static_cast<unsigned char>(candidate.text[k]);
            equal = caseInsensitive ? foldAscii(a) == foldAscii(b) : a == b;
        }
        if (equal) {
            if (entry) {
                *entry = i;
            }
            return kParseOk;
        }
    }
    return kParseMissingToken;
}

uint32_t FMSyntaxParserBase::MatchToken(TokenSet classes, bool caseInsensitive, int* entry) {
    if (!indexed_) {
        buildIndex();
    }
    if (slowTable_) {
        return matchSlow(classes, caseInsensitive, pos_, entry);
    }
    if (pos_ >= length_) {
        return kParseMissingToken;
    }
    const unsigned char first = static_cast<unsigned char>(text_[pos_]);
    uint64_t candidates = (caseInsensitive ? firstFolded_[first] : firstExact_[first]) & entriesOf(classes);
    while (candidates != 0) {
        const int i = std::countr_zero(candidates);
        candidates &= candidates - 1;
        if (matchesAt(i, pos_, caseInsensitive)) {
            if (entry) {
                *entry = i;
            }
            return kParseOk;
        }
    }
    return kParseMissingToken;
}

uint32_t FMSyntaxParserBase::MatchToken(const TokenClass* classes, int count, bool caseInsensitive, int* entry) {
    TokenSet set = 0;
    for (int i = 0; i < count; ++i) {
        set |= tokenBit(classes[i]);
    }
    return MatchToken(set, caseInsensitive, entry);
}

void FMSyntaxParserBase::SkipWhitespace() {
    constexpr TokenSet kWhite = tokenSet(TokenClass::Blank, TokenClass::LineBreak);
    int entry = 0;
    while (MatchToken(kWhite, false, &entry) == kParseOk) {
        pos_ += TokenAt(entry).length;
    }
}

uint32_t FMSyntaxParserBase::expect(TokenSet classes, bool caseInsensitive, int* entry) {
    SkipWhitespace();
    int found = 0;
    if (MatchToken(classes, caseInsensitive, &found) != kParseOk) {
        return kParseMissingToken;
    }
    pos_ += TokenAt(found).length;
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

uint32_t FMSyntaxParserBase::ExpectLineBreak(bool consumeAll) {
    int entry = 0;
    while (MatchToken(tokenBit(TokenClass::Blank), false, &entry) == kParseOk) {
        pos_ += TokenAt(entry).length;
    }
    if (MatchToken(tokenBit(TokenClass::LineBreak), false, &entry) != kParseOk) {
        return kParseMissingToken;
    }
    if (consumeAll) {
        while (MatchToken(tokenBit(TokenClass::LineBreak), false, &entry) == kParseOk) {
            pos_ += TokenAt(entry).length;
        }
    }
    return kParseOk;
}

// Offset of the first match at or after the position, or kNotFound.
uint32_t FMSyntaxParserBase::scanFor(TokenSet classes) const {
    if (slowTable_) {
        // Unindexed table: try the match at every character.
        for (uint32_t at = pos_; at < length_; ++at) {
            if (matchSlow(classes, false, at, nullptr) == kParseOk) {
                return at;
            }
        }
        return kNotFound;
    }
    const uint64_t entries = entriesOf(classes);
    if (entries == 0 || pos_ >= length_) {
        return kNotFound;
    }
    if (std::has_single_bit(entries) && entryLength_[std::countr_zero(entries)] == 1) {
        // A one-character token, such as the closing quote: a plain memchr.
        const char* hit = static_cast<const char*>(
            std::memchr(text_ + pos_, entryText_[std::countr_zero(entries)][0], length_ - pos_));
        return hit ? static_cast<uint32_t>(hit - text_) : kNotFound;
    }
    for (uint32_t at = pos_; at < length_; ++at) {
        uint64_t candidates = firstExact_[static_cast<unsigned char>(text_[at])] & entries;
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            candidates &= candidates - 1;
            if (matchesAt(i, at, false)) {
                return at;
            }
        }
    }
    return kNotFound;
}

uint32_t FMSyntaxParserBase::distanceToAny(TokenSet classes, uint32_t& distance) {
    if (!indexed_) {
        buildIndex();
    }
    ScanMemo* memo = nullptr;
    for (ScanMemo& m : memo_) {
        if (m.classes == classes) {
            memo = &m;
        }
    }
    // A scan from `from` that met its first match at `found` (or none up to the
    // end) answers every later position up to `found` the same way.
    const bool known = memo && pos_ >= memo->from && (memo->found == kNotFound || pos_ <= memo->found);
    if (!known) {
        if (!memo) {
            memo = &memo_[nextMemo_];
            nextMemo_ = (nextMemo_ + 1) % 2;
        }
        *memo = ScanMemo{classes, pos_, scanFor(classes)};
    }
    if (memo->found == kNotFound) {
        return kParseUnclosed;
    }
    distance = memo->found - pos_;
    return kParseOk;
}

uint32_t FMSyntaxParserBase::DistanceToToken(TokenClass tokenClass, uint32_t& distance) {
    return distanceToAny(tokenBit(tokenClass), distance);
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

uint32_t FMSyntaxParserBase::ReadQuoted(std::string_view& quoted) {
    if (expect(tokenBit(TokenClass::OpeningQuote)) != kParseOk) {
        return kParseMissingToken;
    }
    const uint32_t begin = pos_;
    uint32_t distance = 0;
    if (DistanceToToken(TokenClass::ClosingQuote, distance) != kParseOk) {
        return kParseUnclosed;
    }
    quoted = std::string_view(text_ + begin, distance);
    pos_ = begin + distance;
    int entry = 0;
    MatchToken(tokenBit(TokenClass::ClosingQuote), false, &entry);
    pos_ += TokenAt(entry).length;
    return kParseOk;
}

// Lines are the runs between runs of CR and LF; a leading run is skipped, so
// empty lines never count.
uint32_t FMSyntaxParserBase::CurrentLineIndex() const {
    uint32_t i = 0;
    while (i < length_ && isLineBreakByte(text_[i])) {
        ++i;
    }
    uint32_t index = 0;
    while (i < length_) {
        while (i < length_ && !isLineBreakByte(text_[i])) {
            ++i;
        }
        while (i < length_ && isLineBreakByte(text_[i])) {
            ++i;
        }
        if (pos_ < i) {
            return index;
        }
        ++index;
    }
    return index;
}

}  // namespace tessary
