// The recursive-descent reader behind the three entry points of parser.h.
// There is no token stream: each rule asks whether one of a few KeywordTable
// entries stands at the current position. Internal to menucode/ and its tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "menucode/byte_scan.h"
#include "menucode/keyword_index.h"
#include "menucode/lexicon_index.h"
#include "menucode/parse_types.h"
#include "model/keyword_table.h"
#include "model/lexicon.h"

namespace tessary {

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
// Matching goes through a KeywordIndex of the table: a derived class whose
// table never changes hands in one index shared by all its parsers
// (useIndex); otherwise the base indexes the table on first use. The
// primitives every rule calls are defined inline below.
class FMSyntaxParserBase {
public:
    FMSyntaxParserBase(const char* text, uint32_t length);
    virtual ~FMSyntaxParserBase();
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
    // when none follows. Does not move.
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
    // Makes the primitives use `index`, which must index this parser's table
    // and outlive the parser.
    void useIndex(const KeywordIndex& index);
    // Makes the primitives read the table entry by entry, as it is written,
    // without any index: the plain reading the index must agree with.
    void readEntryByEntry();
    // DistanceToToken for the nearest entry of any of `classes`: one scan,
    // remembered so that asking again from a later position before the match
    // costs nothing.
    uint32_t distanceToAny(TokenSet classes, uint32_t& distance);
    // Offset of the first of the blanks (space, tab) that end at `end`, not
    // before `begin`; remembered like the scans.
    uint32_t trimBlanksBefore(uint32_t begin, uint32_t end);
    uint8_t entryLength(int entry) { return fast_ ? index_->length(entry) : entryLengthSlow(entry); }
    TokenClass entryClass(int entry) { return fast_ ? index_->tokenClass(entry) : entryClassSlow(entry); }

    const char* text_;
    uint32_t length_;
    uint32_t pos_ = 0;

private:
    static constexpr uint32_t kNotFound = UINT32_MAX;
    static constexpr TokenSet kWhite = tokenSet(TokenClass::Blank, TokenClass::LineBreak);

    // The fast primitives: the table is indexed and its white space is one
    // byte per entry (always so for the lexicon's table).
    bool isOneOf(uint32_t at, TokenSet classes) const {
        return (index_->byteClasses(static_cast<unsigned char>(text_[at]), false) & classes) != 0;
    }
    uint32_t skipFrom(uint32_t at, TokenSet classes) const {
        while (at < length_ && isOneOf(at, classes)) {
            ++at;
        }
        return at;
    }
    // The entry MatchToken finds at the position, -1 for none.
    int matchHere(TokenSet classes, bool caseInsensitive) const;

    // The same primitives for any table: index it on first use, or read it
    // entry by entry when it does not fit an index.
    bool indexed();
    void buildIndex();
    uint32_t matchTokenSlow(TokenSet classes, bool caseInsensitive, int* entry);
    void skipWhitespaceSlow();
    uint32_t expectSlow(TokenSet classes, bool caseInsensitive, int* entry);
    uint32_t expectLineBreakSlow(bool consumeAll);
    uint8_t entryLengthSlow(int entry);
    TokenClass entryClassSlow(int entry);
    uint32_t scanFor(TokenSet classes) const;
    uint32_t matchSlow(TokenSet classes, bool caseInsensitive, uint32_t at, int* entry) const;

    const KeywordIndex* index_ = nullptr;
    std::unique_ptr<KeywordIndex> ownIndex_;
    bool fast_ = false;
    bool entryByEntry_ = false;
    TokenSet singleCharClasses_ = 0;

    struct ScanMemo {
        TokenSet classes = 0;
        uint32_t from = 0;
        uint32_t found = kNotFound;
    };
    ScanMemo memo_[2];
    int nextMemo_ = 0;
    struct TrimMemo {
        uint32_t end = kNotFound;
        uint32_t begin = 0;
        uint32_t start = 0;
    };
    TrimMemo trim_;
};

inline int FMSyntaxParserBase::matchHere(TokenSet classes, bool caseInsensitive) const {
    if (pos_ >= length_) {
        return -1;
    }
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if ((classes & ~singleCharClasses_) == 0) {
        // One-character entries only: the byte tells.
        if ((index_->byteClasses(c, caseInsensitive) & classes) == 0) {
            return -1;
        }
        return std::countr_zero(index_->startingWith(c, caseInsensitive) & index_->entriesOf(classes));
    }
    return index_->firstMatch(index_->entriesOf(classes), text_, pos_, length_, caseInsensitive);
}

inline uint32_t FMSyntaxParserBase::MatchToken(TokenSet classes, bool caseInsensitive, int* entry) {
    if (!fast_) {
        return matchTokenSlow(classes, caseInsensitive, entry);
    }
    const int found = matchHere(classes, caseInsensitive);
    if (found < 0) {
        return kParseMissingToken;
    }
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

inline void FMSyntaxParserBase::SkipWhitespace() {
    if (!fast_) {
        skipWhitespaceSlow();
        return;
    }
    pos_ = skipFrom(pos_, kWhite);
}

inline uint32_t FMSyntaxParserBase::expect(TokenSet classes, bool caseInsensitive, int* entry) {
    if (!fast_) {
        return expectSlow(classes, caseInsensitive, entry);
    }
    pos_ = skipFrom(pos_, kWhite);
    const int found = matchHere(classes, caseInsensitive);
    if (found < 0) {
        return kParseMissingToken;
    }
    pos_ += index_->length(found);
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

inline uint32_t FMSyntaxParserBase::ExpectLineBreak(bool consumeAll) {
    if (!fast_) {
        return expectLineBreakSlow(consumeAll);
    }
    constexpr TokenSet kBlank = tokenBit(TokenClass::Blank);
    constexpr TokenSet kBreak = tokenBit(TokenClass::LineBreak);
    pos_ = skipFrom(pos_, kBlank);
    if (pos_ >= length_ || !isOneOf(pos_, kBreak)) {
        return kParseMissingToken;
    }
    if (consumeAll) {
        pos_ = skipFrom(pos_, kBreak);
    }
    return kParseOk;
}

// The index (from 0) of the non-empty line of the text holding the position;
// a position at the very end counts as the line after the last. The entry
// points report it plus 1.
uint32_t LineIndexAt(const char* text, uint32_t length, uint32_t position);

// The entry points of parser.h without the line: a reader that needs the
// line only when the text fails works it out from where reading stopped.
enum class MenuCodeEntry : uint8_t { MenuBar, Context, Popup };
struct ParseOutcome {
    uint32_t status = 0;
    uint32_t stopped = 0;      // the position where reading stopped
    bool leftByThrow = false;  // an exception left the parse (status 11, no position)
};
ParseOutcome RunMenuCodeParse(MenuCodeEntry entry,
                              const ParseCallbacks& callbacks,
                              const char* text,
                              uint32_t length,
                              uint32_t requestedPlatforms,
                              bool noScriptItems,
                              MenuHandle* topHandle);

// The grammar of menu code over the KeywordTable of the lexicon.
//
// The rules read through primitives of their own that do what the base's
// primitives do, with the classes they ask for fixed when the program is
// compiled: a punctuation mark becomes a compare of one byte, a keyword a
// compare of a word or three. readPlainly() sends them to the base's
// primitives reading the table entry by entry instead, so that tests can
// check that both readings agree.
class FMSyntaxParser : public FMSyntaxParserBase {
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

    int TokenCount() const override;
    const KeywordEntry& TokenAt(int index) const override;

    // Every primitive, the rules' own included, reads the table entry by entry
    // from now on. Call before reading.
    void readPlainly();

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
    uint32_t ProcessDirective();
    uint32_t ReadTableKeyword(FmTable table, uint32_t& id);

    // (The key stands apart from the modifiers: copied together, the two
    // would be read back in one load from the two stores that wrote them,
    // which the processor cannot forward.)
    struct ItemOptions {
        int modifiers = 0;
        bool seenShortcut = false;
        bool seenEnable = false;
        bool seenUserString = false;
        bool seenCheckOn = false;
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
    struct BodyStep;
    // A menu ReadMenu has open: what its heading read, and the menu as the
    // parent of what its body holds.
    struct MenuFrame {
        MenuSpec menuSpec;
        ParentState self;
    };

    static constexpr TokenSet kWhiteSpace = tokenSet(TokenClass::Blank, TokenClass::LineBreak);
    static_assert((kWhiteSpace & ~kLexiconIndex.singleCharClasses()) == 0,
                  "the rules skip white space a byte at a time");

    // The rules' primitives: MatchToken (the entry, -1 for none), expect,
    // SkipWhitespace, ExpectLineBreak and ReadQuoted for classes fixed at compile time.
    template <TokenSet Classes, bool CaseInsensitive = false>
    int match() const;
    template <TokenSet Classes, bool CaseInsensitive = false>
    uint32_t take(int* entry = nullptr);
    template <TokenClass Class>
    uint32_t takeOne() {
        return take<tokenBit(Class)>();
    }
    void skipWhiteSpace();
    uint32_t lineBreak(bool consumeAll);
    [[gnu::always_inline]] uint32_t quoted(std::string_view& text);
    // The first offset from `at` on whose byte is no one-character entry of
    // the classes (the length at the end of the text).
    template <TokenSet Classes>
    uint32_t skipOver(uint32_t at) const;
    // Whether the byte at `at` is a one-character entry of `classes`. Blanks
    // and line breaks, asked for before every token, are told by a compare
    // and a bit of a constant rather than a look in the table.
    template <TokenSet Classes>
    bool byteIsOneOf(uint32_t at) const {
        const auto c = static_cast<unsigned char>(text_[at]);
        if constexpr (kLowBytesOf<Classes> != 0) {
            return c < 64 && ((kLowBytesOf<Classes> >> c) & 1) != 0;
        } else {
            return (kLexiconIndex.byteClasses(c, false) & Classes) != 0;
        }
    }
    // Whether the keyword entry stands at the position (its first byte does).
    template <int Entry, bool CaseInsensitive>
    bool entryStandsHere() const;

    // ProcessDirective once a line break was passed: the directive, if one follows.
    uint32_t readDirective();

    uint32_t platforms() const { return platformBlock_ & requestedPlatforms_; }
    // Tries the constructs of a body at the position, in the order given.
    template <TokenClass... Keywords>
    BodyStep readBodyStep(ParentState& self, bool appMenuBody);
    template <TokenClass Keyword>
    uint32_t tryConstruct(ParentState& self, bool appMenuBody, bool standsHere);
    static constexpr uint32_t kNotHere = UINT32_MAX;
    static constexpr uint32_t kPassOver = UINT32_MAX - 1;
    template <TokenClass Keyword>
    uint32_t readConstruct(ParentState& parent);
    uint32_t readOptionList(ItemOptions& options);
    uint32_t openMenu(MenuFrame& frame, bool topLevelForm);
    uint32_t readMenuHeading(MenuFrame& frame, bool topLevelForm);
    uint32_t closeMenu(MenuFrame& frame, ParentState& parent);
    uint32_t report(const ParentState& parent, const ItemSpec& itemSpec);
    uint32_t probeKind(TokenClass wanted);
    // The distance ReadTableKeyword reads up to: the next comma or closing parenthesis.
    uint32_t distanceToKeywordEnd(uint32_t& distance);

    const ParseCallbacks& callbacks_;
    uint32_t requestedPlatforms_;
    uint32_t platformBlock_ = 7;
    uint32_t inPlatformBlock_ = 0;
    bool noScriptItems_;
    bool popupMode_ = false;
    bool plain_ = false;
    int depth_ = 0;
    bool depthExceeded_ = false;
    // The open menus of ReadMenu, one more than can be open at once.
    std::unique_ptr<MenuFrame[]> menuFrames_;
};

template <int Entry, bool CaseInsensitive>
inline bool FMSyntaxParser::entryStandsHere() const {
    constexpr uint32_t kLength = kLexiconIndex.length(Entry);
    const uint32_t remaining = length_ - pos_;
    if (remaining < kLength) {
        return false;
    }
    if constexpr (kLength == 1) {
        return true;
    } else {
        if (remaining < KeywordIndex::kMaxLength) {
            return kLexiconIndex.matchesAt(Entry, text_, pos_, length_, CaseInsensitive);
        }
        constexpr int kWords = kLexiconIndex.words(Entry);
        constexpr uint64_t kFold0 = CaseInsensitive ? kLexiconIndex.fold(Entry, 0) : 0;
        if (!KeywordIndex::wordMatches(text_ + pos_, kLexiconIndex.word(Entry, 0), kLexiconIndex.mask(Entry, 0),
                                       kFold0)) {
            return false;
        }
        if constexpr (kWords > 1) {
            constexpr uint64_t kFold1 = CaseInsensitive ? kLexiconIndex.fold(Entry, 1) : 0;
            if (!KeywordIndex::wordMatches(text_ + pos_ + 8, kLexiconIndex.word(Entry, 1), kLexiconIndex.mask(Entry, 1),
                                           kFold1)) {
                return false;
            }
        }
        if constexpr (kWords > 2) {
            constexpr uint64_t kFold2 = CaseInsensitive ? kLexiconIndex.fold(Entry, 2) : 0;
            if (!KeywordIndex::wordMatches(text_ + pos_ + 16, kLexiconIndex.word(Entry, 2),
                                           kLexiconIndex.mask(Entry, 2), kFold2)) {
                return false;
            }
        }
        return true;
    }
}

template <TokenSet Classes, bool CaseInsensitive>
inline int FMSyntaxParser::match() const {
    constexpr EntrySet kEntries = kLexiconIndex.entriesOf(Classes);
    static_assert(kEntries != 0, "a class without entries never matches");
    if (pos_ >= length_) {
        return -1;
    }
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if constexpr ((Classes & ~kLexiconIndex.singleCharClasses()) == 0 && std::has_single_bit(kEntries) &&
                  !CaseInsensitive) {
        // One punctuation mark: its byte.
        constexpr int kEntry = std::countr_zero(kEntries);
        return c == static_cast<unsigned char>(kLexiconIndex.firstByte(kEntry)) ? kEntry : -1;
    } else if constexpr ((Classes & ~kLexiconIndex.singleCharClasses()) == 0) {
        if ((kLexiconIndex.byteClasses(c, CaseInsensitive) & Classes) == 0) {
            return -1;
        }
        return std::countr_zero(kLexiconIndex.startingWith(c, CaseInsensitive) & kEntries);
    } else if constexpr (std::has_single_bit(kEntries)) {
        // One keyword: its first byte (compared, or in either case from the
        // table), then its words.
        constexpr int kEntry = std::countr_zero(kEntries);
        const bool first = CaseInsensitive ? (kLexiconIndex.startingWith(c, true) & kEntries) != 0
                                           : c == static_cast<unsigned char>(kLexiconIndex.firstByte(kEntry));
        return first && entryStandsHere<kEntry, CaseInsensitive>() ? kEntry : -1;
    } else {
        // Entries that all begin with one byte (the directives with '#'):
        // that byte first, without the table.
        constexpr int kShared = sharedFirstByte(kEntries);
        if constexpr (kShared >= 0 && !CaseInsensitive) {
            if (c != kShared) {
                return -1;
            }
        }
        EntrySet candidates = kLexiconIndex.startingWith(c, CaseInsensitive) & kEntries;
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            if (kLexiconIndex.matchesAt(i, text_, pos_, length_, CaseInsensitive)) {
                return i;
            }
            candidates &= candidates - 1;
        }
        return -1;
    }
}

inline void FMSyntaxParser::skipWhiteSpace() {
    if (plain_) {
        SkipWhitespace();
        return;
    }
    pos_ = skipOver<kWhiteSpace>(pos_);
}

template <TokenSet Classes>
inline uint32_t FMSyntaxParser::skipOver(uint32_t at) const {
    // Mostly one blank or none, or the two bytes of a CR LF; longer runs
    // (indentation, empty lines) sixteen or eight bytes at a time.
    if (at >= length_ || !byteIsOneOf<Classes>(at) || ++at >= length_ || !byteIsOneOf<Classes>(at) || ++at >= length_ ||
        !byteIsOneOf<Classes>(at)) {
        return at;
    }
    constexpr uint64_t kHigh = ~byte_scan::kLow7;
    return byte_scan::findFirst(
        text_, at, length_, [](const char* here) { return ~maskOf16<Classes>(here) & 0xFFFFu; },
        [](uint64_t word) { return ~lanesOf<Classes>(word) & kHigh; },
        [](unsigned char c) { return (kLexiconIndex.byteClasses(c, false) & Classes) == 0; });
}

template <TokenSet Classes, bool CaseInsensitive>
inline uint32_t FMSyntaxParser::take(int* entry) {
    if (plain_) {
        return expect(Classes, CaseInsensitive, entry);
    }
    skipWhiteSpace();
    const int found = match<Classes, CaseInsensitive>();
    if (found < 0) {
        return kParseMissingToken;
    }
    pos_ += kLexiconIndex.length(found);
    if (entry) {
        *entry = found;
    }
    return kParseOk;
}

inline uint32_t FMSyntaxParser::quoted(std::string_view& text) {
    if (plain_) {
        return ReadQuoted(text);
    }
    if (takeOne<TokenClass::OpeningQuote>() != kParseOk) {
        return kParseMissingToken;
    }
    const uint32_t begin = pos_;
    constexpr int kClosingQuote = std::countr_zero(kLexiconIndex.entriesOf(tokenBit(TokenClass::ClosingQuote)));
    static_assert(kLexiconIndex.length(kClosingQuote) == 1, "a quoted text ends at one byte");
    // Quoted texts are short: a look a little way ahead mostly finds the end
    // without the remembered scan. Inline, so that the text found reaches the
    // caller in registers rather than through memory.
    constexpr uint32_t kLookAhead = 256;
    constexpr auto kQuote = static_cast<unsigned char>(kLexiconIndex.firstByte(kClosingQuote));
    const uint32_t stop = length_ - begin < kLookAhead ? length_ : begin + kLookAhead;
    const uint32_t end = byte_scan::findFirst(
        text_, begin, stop, [](const char* here) { return byte_scan::maskOfBytes16(here, {kQuote}, 1); },
        [](uint64_t word) { return byte_scan::lanesEqual(word, kQuote); }, [](unsigned char c) { return c == kQuote; });
    uint32_t distance = 0;
    if (end < stop) {
        distance = end - begin;
    } else if (distanceToAny(tokenBit(TokenClass::ClosingQuote), distance) != kParseOk) {
        return kParseUnclosed;
    }
    text = std::string_view(text_ + begin, distance);
    pos_ = begin + distance + kLexiconIndex.length(kClosingQuote);
    return kParseOk;
}

inline uint32_t FMSyntaxParser::lineBreak(bool consumeAll) {
    if (plain_) {
        return ExpectLineBreak(consumeAll);
    }
    constexpr TokenSet kBlank = tokenBit(TokenClass::Blank);
    constexpr TokenSet kBreak = tokenBit(TokenClass::LineBreak);
    const uint32_t at = skipOver<kBlank>(pos_);
    pos_ = at;
    if (at >= length_ || !byteIsOneOf<kBreak>(at)) {
        return kParseMissingToken;
    }
    if (consumeAll) {
        pos_ = skipOver<kBreak>(at);
    }
    return kParseOk;
}

inline uint32_t FMSyntaxParser::ProcessDirective() {
    if (lineBreak(true) != kParseOk) {
        return kParseOk;
    }
    return readDirective();
}

}  // namespace tessary
