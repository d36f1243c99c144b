// Reading primitives of FMSyntaxParserBase that are not inline: the index,
// the scans ahead, the quoted texts and the line count. Matching goes through
// the KeywordIndex, so that each attempt looks at the few entries that can
// begin at the position rather than the whole table, and every scan ahead is
// done once, so reading stays linear in the text.
#include <cstring>

#include "menucode/syntax_parser.h"

namespace tessary {

namespace {

constexpr unsigned char foldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

constexpr bool isLineBreakByte(unsigned char c) {
    return c == '\r' || c == '\n';
}

// The places k, from 0 on, where before[k] is a line break and at[k] is not,
// counted sixteen at a time in byte-wide counters that are added up before
// they can overflow. `done` is where the caller goes on a byte at a time.
#if defined(__GNUC__) && (defined(__SSE2__) || defined(__ARM_NEON))
using ByteLanes = unsigned char __attribute__((vector_size(16)));

inline ByteLanes loadLanes(const unsigned char* at) {
    ByteLanes lanes;
    std::memcpy(&lanes, at, sizeof lanes);
    return lanes;
}

inline ByteLanes breakLanes(ByteLanes bytes) {
    return (ByteLanes)((bytes == '\r') | (bytes == '\n'));  // 0xFF where a line break is
}

uint32_t countLineEnds(const unsigned char* before, const unsigned char* at, size_t count, size_t& done) {
    constexpr size_t kLanes = sizeof(ByteLanes);
    constexpr size_t kRounds = 255;  // a byte counter holds this many ones
    uint32_t total = 0;
    size_t k = 0;
    while (count - k >= kLanes) {
        ByteLanes counters = {};
        for (size_t round = 0; round < kRounds && count - k >= kLanes; ++round, k += kLanes) {
            counters -= breakLanes(loadLanes(before + k)) & ~breakLanes(loadLanes(at + k));
        }
        for (size_t lane = 0; lane < kLanes; ++lane) {
            total += counters[lane];
        }
    }
    done = k;
    return total;
}
#else
uint32_t countLineEnds(const unsigned char*, const unsigned char*, size_t, size_t& done) {
    done = 0;
    return 0;
}
#endif

}  // namespace

FMSyntaxParserBase::FMSyntaxParserBase(const char* text, uint32_t length) : text_(text), length_(text ? length : 0) {}

FMSyntaxParserBase::~FMSyntaxParserBase() = default;

void FMSyntaxParserBase::useIndex(const KeywordIndex& index) {
    index_ = &index;
    singleCharClasses_ = index.singleCharClasses();
    fast_ = !entryByEntry_ && index.usable() && (kWhite & ~singleCharClasses_) == 0;
}

void FMSyntaxParserBase::buildIndex() {
    ownIndex_ =
        std::make_unique<KeywordIndex>(TokenCount(), [this](int i) -> const KeywordEntry& { return TokenAt(i); });
    useIndex(*ownIndex_);
}

void FMSyntaxParserBase::readEntryByEntry() {
    entryByEntry_ = true;
    fast_ = false;
}

bool FMSyntaxParserBase::indexed() {
    if (entryByEntry_) {
        return false;
    }
    if (index_ == nullptr) {
        buildIndex();
    }
    return index_->usable();
}

uint32_t FMSyntaxParserBase::matchTokenSlow(TokenSet classes, bool caseInsensitive, int* entry) {
    if (!indexed()) {
        return matchSlow(classes, caseInsensitive, pos_, entry);
    }
    const int found = index_->firstMatch(index_->entriesOf(classes), text_, pos_, length_, caseInsensitive);
    if (found < 0) {
        return kParseMissingToken;
    }
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

uint8_t FMSyntaxParserBase::entryLengthSlow(int entry) {
    return indexed() ? index_->length(entry) : TokenAt(entry).length;
}

TokenClass FMSyntaxParserBase::entryClassSlow(int entry) {
    return indexed() ? index_->tokenClass(entry) : TokenAt(entry).tokenClass;
}

void FMSyntaxParserBase::skipWhitespaceSlow() {
    int entry = 0;
    while (matchTokenSlow(kWhite, false, &entry) == kParseOk) {
        pos_ += entryLengthSlow(entry);
    }
}

uint32_t FMSyntaxParserBase::expectSlow(TokenSet classes, bool caseInsensitive, int* entry) {
    skipWhitespaceSlow();
    int found = 0;
    if (matchTokenSlow(classes, caseInsensitive, &found) != kParseOk) {
        return kParseMissingToken;
    }
    pos_ += entryLengthSlow(found);
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

uint32_t FMSyntaxParserBase::expectLineBreakSlow(bool consumeAll) {
    int entry = 0;
    while (matchTokenSlow(tokenBit(TokenClass::Blank), false, &entry) == kParseOk) {
        pos_ += entryLengthSlow(entry);
    }
    if (matchTokenSlow(tokenBit(TokenClass::LineBreak), false, &entry) != kParseOk) {
        return kParseMissingToken;
    }
    while (consumeAll && matchTokenSlow(tokenBit(TokenClass::LineBreak), false, &entry) == kParseOk) {
        pos_ += entryLengthSlow(entry);
    }
    return kParseOk;
}

// The plain reading: every entry in table order. Used only for tables the
// index cannot hold; ours never is one.
uint32_t FMSyntaxParserBase::matchSlow(TokenSet classes, bool caseInsensitive, uint32_t at, int* entry) const {
    const uint32_t remaining = length_ - at;
    const int count = TokenCount();
    for (int i = 0; i < count; ++i) {
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

uint32_t FMSyntaxParserBase::MatchToken(const TokenClass* classes, int count, bool caseInsensitive, int* entry) {
    TokenSet set = 0;
    for (int i = 0; i < count; ++i) {
        set |= tokenBit(classes[i]);
    }
    return MatchToken(set, caseInsensitive, entry);
}

// Offset of the first match at or after the position, or kNotFound.
uint32_t FMSyntaxParserBase::scanFor(TokenSet classes) const {
    if (entryByEntry_ || !index_->usable()) {
        // Unindexed table: try the match at every character.
        for (uint32_t at = pos_; at < length_; ++at) {
            if (matchSlow(classes, false, at, nullptr) == kParseOk) {
                return at;
            }
        }
        return kNotFound;
    }
    const EntrySet entries = index_->entriesOf(classes);
    if (entries == 0 || pos_ >= length_) {
        return kNotFound;
    }
    if ((classes & ~index_->singleCharClasses()) == 0 && (entries & (entries - 1)) != 0) {
        // Several one-character tokens, such as a comma or a closing parenthesis.
        uint32_t at = pos_;
        while (at < length_ && (index_->byteClasses(static_cast<unsigned char>(text_[at]), false) & classes) == 0) {
            ++at;
        }
        return at < length_ ? at : kNotFound;
    }
    if ((entries & (entries - 1)) == 0 && index_->length(std::countr_zero(entries)) == 1) {
        // A one-character token, such as the closing quote: a plain memchr.
        const void* hit = std::memchr(text_ + pos_, index_->firstByte(std::countr_zero(entries)), length_ - pos_);
        return hit ? static_cast<uint32_t>(static_cast<const char*>(hit) - text_) : kNotFound;
    }
    for (uint32_t at = pos_; at < length_; ++at) {
        EntrySet candidates = index_->startingWith(static_cast<unsigned char>(text_[at]), false) & entries;
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            if (index_->matchesAt(i, text_, at, length_, false)) {
                return at;
            }
            candidates &= candidates - 1;
        }
    }
    return kNotFound;
}

uint32_t FMSyntaxParserBase::distanceToAny(TokenSet classes, uint32_t& distance) {
    indexed();
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
    pos_ += entryLength(entry);
    return kParseOk;
}

// Lines are the runs between runs of CR and LF; a leading run is skipped, so
// empty lines never count. The index of the line holding a position is the
// number of lines that end at or before it: every place where a run of line
// breaks gives way to another character ends one (but the end of the leading
// run), and the end of the text ends the last. Counted branch-free, sixteen
// bytes at a time where the compiler offers vectors of bytes.
uint32_t FMSyntaxParserBase::CurrentLineIndex() const {
    return LineIndexAt(text_, length_, pos_);
}

uint32_t LineIndexAt(const char* text, uint32_t length, uint32_t position) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    uint32_t first = 0;
    while (first < length && isLineBreakByte(bytes[first])) {
        ++first;
    }
    if (first == length) {
        return 0;
    }
    // Line ends at first + 1 ... last, the byte before each being bytes[e - 1].
    const uint32_t last = position < length ? position : length - 1;
    const size_t count = last > first ? last - first : 0;
    const unsigned char* before = bytes + first;
    const unsigned char* at = bytes + first + 1;
    size_t k = 0;
    uint32_t index = countLineEnds(before, at, count, k);
    for (; k < count; ++k) {
        index += static_cast<uint32_t>(isLineBreakByte(before[k])) & static_cast<uint32_t>(!isLineBreakByte(at[k]));
    }
    if (position >= length) {
        ++index;
    }
    return index;
}

}  // namespace tessary
