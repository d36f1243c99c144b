// The recursive-descent reader behind the three entry points of parser.h.
// There is no token stream: each rule asks whether one of a few KeywordTable
// entries stands at the current position. Internal to menucode/ and its tests.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "menucode/parse_types.h"
#include "model/keyword_table.h"
#include "model/lexicon.h"

namespace tessary {

// A set of TokenClasses, one bit per class.
using TokenSet = uint32_t;

constexpr TokenSet tokenBit(TokenClass c) {
    return TokenSet{1} << static_cast<unsigned>(c);
}

template <typename... Classes>
constexpr TokenSet tokenSet(Classes... classes) {
    return (tokenBit(classes) | ...);
}

// The reading primitives over a text and a keyword table supplied by the
// derived class. Positions are offsets into the text; nothing reads at or
// beyond `length`, and the text need not end with a NUL.
//
// Matching tries the entries in table order, as the table is written, and
// that is all the primitives know of the table. They are inline, and the loop
// over the entries is unrolled: where a rule asks for classes fixed in its
// code and the table is a constant (FMSyntaxParser is final and its table
// constexpr), the compiler keeps only the entries of those classes and
// compares their texts in place, so no index of the table is needed. Every
// scan ahead is remembered, so reading stays linear in the text.
class FMSyntaxParserBase {
public:
    FMSyntaxParserBase(const char* text, uint32_t length);
    virtual ~FMSyntaxParserBase() = default;
    FMSyntaxParserBase(const FMSyntaxParserBase&) = delete;
    FMSyntaxParserBase& operator=(const FMSyntaxParserBase&) = delete;

    virtual int TokenCount() const = 0;
    virtual const KeywordEntry& TokenAt(int index) const = 0;
    // Index of the non-empty line holding the position; a position at the
    // very end counts as the line after the last.
    virtual uint32_t CurrentLineIndex() const;

    // The first entry, in table order, of one of `classes` whose text begins at
    // the position. Status 0 and its index in `*entry`, or 1. Does not move.
    uint32_t MatchToken(TokenSet classes, bool caseInsensitive, int* entry = nullptr);
    uint32_t MatchToken(const TokenClass* classes, int count, bool caseInsensitive, int* entry = nullptr);
    // Moves past blanks and line breaks.
    void SkipWhitespace();
    // SkipWhitespace, then MatchToken and move past the match; 1 when absent.
    uint32_t expect(TokenSet classes, bool caseInsensitive = false, int* entry = nullptr);
    // Moves past blanks; 1 unless a line break follows them. With `consumeAll`
    // also moves past every consecutive line break character.
    uint32_t ExpectLineBreak(bool consumeAll);
    // Characters from the position to the next entry of `tokenClass`; status 2
    // when none follows. Does not move. The scan is remembered, so that asking
    // again from a later position before its match costs nothing.
    uint32_t DistanceToToken(TokenClass tokenClass, uint32_t& distance);
    // A double-quoted text, taken unchanged (no escapes, line breaks allowed).
    // 1 when no opening quote follows; 2 when the closing quote is missing (the
    // position then stands after the opening quote).
    uint32_t ReadQuoted(std::string_view& quoted);

    uint32_t position() const { return pos_; }
    void setPosition(uint32_t pos) { pos_ = pos < length_ ? pos : length_; }
    uint32_t length() const { return length_; }
    const char* text() const { return text_; }

protected:
    // DistanceToToken for the nearest entry of any of `classes`.
    uint32_t distanceToAny(TokenSet classes, uint32_t& distance);
    // Offset of the first of the blanks (space, tab) that end at `end`, not
    // before `begin`; remembered like the scans.
    uint32_t trimBlanksBefore(uint32_t begin, uint32_t end);
    uint8_t entryLength(int entry) const { return TokenAt(entry).length; }
    TokenClass entryClass(int entry) const { return TokenAt(entry).tokenClass; }

    const char* text_;
    uint32_t length_;
    uint32_t pos_ = 0;

private:
    static constexpr uint32_t kNotFound = UINT32_MAX;

    static constexpr unsigned char foldAscii(unsigned char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
    }
    // The first entry of `classes`, in table order, whose text stands at
    // `at`; -1 for none.
    int matchAt(uint32_t at, TokenSet classes, bool caseInsensitive) const;
    // The first offset from `at` on where no entry of `classes` stands.
    uint32_t skipFrom(uint32_t at, TokenSet classes) const;

    // The last two scans ahead (the rules ask for two kinds: the closing quote,
    // and the comma or closing parenthesis that ends a keyword): for which
    // classes, from where, and where they met one (kNotFound: nowhere up to
    // the end). A scan answers for every position from `from` up to `found`.
    struct ScanMemo {
        TokenSet classes = 0;
        uint32_t from = 0;
        uint32_t found = kNotFound;
    };
    ScanMemo scans_[2];
    int nextScan_ = 0;
    struct TrimMemo {
        uint32_t end = kNotFound;
        uint32_t begin = 0;
        uint32_t start = 0;
    };
    TrimMemo trim_;
};

// The primitives every rule calls, inline.

inline int FMSyntaxParserBase::matchAt(uint32_t at, TokenSet classes, bool caseInsensitive) const {
    const uint32_t remaining = at < length_ ? length_ - at : 0;
    const auto* here = reinterpret_cast<const unsigned char*>(text_ + at);
    const int count = TokenCount();
#pragma GCC unroll 64  // tables have a few dozen entries
    for (int i = 0; i < count; ++i) {
        const KeywordEntry& entry = TokenAt(i);
        if ((classes & tokenBit(entry.tokenClass)) == 0 || entry.length == 0 || entry.length > remaining) {
            continue;
        }
        const auto* word = reinterpret_cast<const unsigned char*>(entry.text);
        bool same = true;
        if (!caseInsensitive) {
            same = here[0] == word[0] && std::memcmp(here + 1, word + 1, entry.length - 1u) == 0;
        } else {
            for (uint32_t k = 0; k < entry.length && same; ++k) {
                same = foldAscii(here[k]) == foldAscii(word[k]);
            }
        }
        if (same) {
            return i;
        }
    }
    return -1;
}

inline uint32_t FMSyntaxParserBase::skipFrom(uint32_t at, TokenSet classes) const {
    for (int entry; (entry = matchAt(at, classes, false)) >= 0;) {
        at += entryLength(entry);
    }
    return at;
}

inline uint32_t FMSyntaxParserBase::MatchToken(TokenSet classes, bool caseInsensitive, int* entry) {
    const int found = matchAt(pos_, classes, caseInsensitive);
    if (found < 0) {
        return kParseMissingToken;
    }
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

inline void FMSyntaxParserBase::SkipWhitespace() {
    pos_ = skipFrom(pos_, tokenSet(TokenClass::Blank, TokenClass::LineBreak));
}

inline uint32_t FMSyntaxParserBase::ExpectLineBreak(bool consumeAll) {
    constexpr TokenSet kBreak = tokenBit(TokenClass::LineBreak);
    pos_ = skipFrom(pos_, tokenBit(TokenClass::Blank));
    if (matchAt(pos_, kBreak, false) < 0) {
        return kParseMissingToken;
    }
    if (consumeAll) {
        pos_ = skipFrom(pos_, kBreak);
    }
    return kParseOk;
}

inline uint32_t FMSyntaxParserBase::expect(TokenSet classes, bool caseInsensitive, int* entry) {
    SkipWhitespace();
    const int found = matchAt(pos_, classes, caseInsensitive);
    if (found < 0) {
        return kParseMissingToken;
    }
    pos_ += entryLength(found);
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

inline uint32_t FMSyntaxParserBase::DistanceToToken(TokenClass tokenClass, uint32_t& distance) {
    return distanceToAny(tokenBit(tokenClass), distance);
}

inline uint32_t FMSyntaxParserBase::distanceToAny(TokenSet classes, uint32_t& distance) {
    ScanMemo* scan = scans_[0].classes == classes ? &scans_[0] : scans_[1].classes == classes ? &scans_[1] : nullptr;
    if (scan == nullptr || pos_ < scan->from || (scan->found != kNotFound && pos_ > scan->found)) {
        if (scan == nullptr) {
            scan = &scans_[nextScan_];
            nextScan_ ^= 1;
        }
        uint32_t at = pos_;
        while (at < length_ && matchAt(at, classes, false) < 0) {
            ++at;
        }
        *scan = ScanMemo{classes, pos_, at < length_ ? at : kNotFound};
    }
    if (scan->found == kNotFound) {
        return kParseUnclosed;
    }
    distance = scan->found - pos_;
    return kParseOk;
}

inline uint32_t FMSyntaxParserBase::ReadQuoted(std::string_view& quoted) {
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
    pos_ += entryLength(matchAt(pos_, tokenBit(TokenClass::ClosingQuote), false));
    return kParseOk;
}

// The grammar of menu code over the KeywordTable of the lexicon.
class FMSyntaxParser final : public FMSyntaxParserBase {
public:
    enum class ParentKind : uint8_t { None, MenuBar, Menu };
    // What a rule knows of its container.
    struct ParentState {
        ParentKind kind = ParentKind::None;
        MenuHandle handle = 0;
    };
    enum class FmTable : uint8_t { Menus, Commands };

    FMSyntaxParser(const ParseCallbacks& callbacks,
                   const char* text,
                   uint32_t length,
                   uint32_t requestedPlatforms,
                   bool noScriptItems);

    int TokenCount() const override { return kKeywordCount; }
    const KeywordEntry& TokenAt(int index) const override { return kKeywordTable[index]; }

    // The top-level rules of the three entry points; the line is left to the
    // caller (CurrentLineIndex after the return).
    uint32_t ParseMenuBarText(MenuHandle* topHandle);
    uint32_t ParseMenuText(bool popup, MenuHandle* topHandle);

    // The grammar rules; each starts after its keyword.
    uint32_t ReadMenuBar(ParentState& parent);
    uint32_t ReadMenu(ParentState& parent, bool topLevelForm);
    uint32_t ReadAppMenu(const ParentState& parent);
    uint32_t ReadSeparator(const ParentState& parent);
    uint32_t ReadCommandItem(const ParentState& parent);
    uint32_t ReadScriptItem(const ParentState& parent);
    uint32_t ReadMacItem(const ParentState& parent, ItemSpecKind kind);
    uint32_t ReadShortcut(int& modifiers, int& key);
    // A platform line, if one follows the line break after the position.
    uint32_t ProcessDirective();
    uint32_t ReadTableKeyword(FmTable table, uint32_t& id);

    struct ItemOptions {
        bool seenShortcut = false;
        bool seenEnable = false;
        bool seenUserString = false;
        bool seenCheckOn = false;
        int modifiers = 0;
        int key = 0;
        uint8_t enabled = 1;
        uint8_t checkOn = 0;
        std::string_view userString;
    };
    // One option per call; options already seen are not tried again.
    uint32_t ReadItemOptions(ItemOptions& options);

    uint32_t platformBlock() const { return platformBlock_; }
    bool inPlatformBlock() const { return inPlatformBlock_ != 0; }
    void setPopupMode(bool popup) { popupMode_ = popup; }

private:
    class DepthGuard;

    uint32_t platforms() const { return platformBlock_ & requestedPlatforms_; }
    uint32_t expectOne(TokenClass c) { return expect(tokenBit(c)); }
    // expectOne for the keyword that opens a construct, noting where it stands
    // (keywordAt_) for the construct's callbacks.
    uint32_t expectKeyword(TokenClass c);
    // ProcessDirective once a line break was passed: the directive, if one follows.
    uint32_t readDirective();
    uint32_t readConstruct(TokenClass keyword, ParentState& parent);
    uint32_t readMenuHeading(MenuSpec& menuSpec, bool topLevelForm);
    uint32_t readOptionList(ItemOptions& options);
    uint32_t report(const ParentState& parent, const ItemSpec& itemSpec);
    uint32_t probeKind(TokenClass wanted);

    const ParseCallbacks& callbacks_;
    uint32_t requestedPlatforms_;
    uint32_t platformBlock_ = 7;
    uint32_t inPlatformBlock_ = 0;
    bool noScriptItems_;
    bool popupMode_ = false;
    int depth_ = 0;
    bool depthExceeded_ = false;
    uint32_t keywordAt_ = 0;  // offset of the last construct keyword read
};

inline uint32_t FMSyntaxParser::expectKeyword(TokenClass c) {
    int entry = 0;
    if (expect(tokenBit(c), false, &entry) != kParseOk) {
        return kParseMissingToken;
    }
    keywordAt_ = pos_ - entryLength(entry);
    return kParseOk;
}

// Most places it is asked for have no line break: inline, to say so at once.
inline uint32_t FMSyntaxParser::ProcessDirective() {
    if (ExpectLineBreak(true) != kParseOk) {
        return kParseOk;
    }
    return readDirective();
}

}  // namespace tessary
