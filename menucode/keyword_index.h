// An index of a keyword table for the parser's reading primitives. For each
// byte it holds the entries whose text begins with it (exactly and ignoring
// case) and the classes of the one-character entries it is, and it keeps each
// entry's text as up to three 64-bit words, so that asking whether an entry
// stands at a position looks only at the entries that can begin there and
// compares them a word at a time. Entries keep their table order: the lowest
// entry number is the first in the table.
//
// The index can be made while the program is compiled (the lexicon's table
// is such a constant) or at run time from any table.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "model/lexicon.h"

namespace tessary {

// A set of TokenClasses, one bit per class.
using TokenSet = uint32_t;

// A set of entries of the table, bit i for entry i.
using EntrySet = uint64_t;

class KeywordIndex {
public:
    static constexpr int kMaxEntries = 64;
    static constexpr uint32_t kMaxLength = 24;

    // Indexes `count` entries, entry i read as `at(i)`. A table with more
    // entries, longer or empty texts, or classes beyond 31 is not indexed
    // (usable() is false); the primitives then read it entry by entry.
    template <typename EntryAt>
    constexpr KeywordIndex(int count, EntryAt at) {
        if (count < 0 || count > kMaxEntries) {
            return;
        }
        TokenSet multiCharClasses = 0;
        TokenSet anyClasses = 0;
        for (int i = 0; i < count; ++i) {
            const KeywordEntry& source = at(i);
            const auto classNumber = static_cast<unsigned>(source.tokenClass);
            if (source.text == nullptr || source.length == 0 || source.length > kMaxLength || classNumber >= 32) {
                return;
            }
            add(i, source);
            const TokenSet classBit = TokenSet{1} << classNumber;
            multiCharClasses |= source.length > 1 ? classBit : 0;
            anyClasses |= classBit;
        }
        singleCharClasses_ = anyClasses & ~multiCharClasses;
        usable_ = true;
    }

    constexpr bool usable() const { return usable_; }

    constexpr EntrySet entriesOf(TokenSet classes) const {
        EntrySet entries = 0;
        while (classes != 0) {
            entries |= classEntries_[std::countr_zero(classes)];
            classes &= classes - 1;
        }
        return entries;
    }
    constexpr EntrySet startingWith(unsigned char c, bool caseInsensitive) const {
        return caseInsensitive ? firstFolded_[c] : firstExact_[c];
    }
    // The classes every entry of which is one character long.
    constexpr TokenSet singleCharClasses() const { return singleCharClasses_; }
    // The classes of the one-character entries that are this byte (exactly,
    // or ignoring case).
    constexpr TokenSet byteClasses(unsigned char c, bool caseInsensitive) const {
        return caseInsensitive ? byteClassesFolded_[c] : byteClasses_[c];
    }
    constexpr uint8_t length(int entry) const { return entries_[entry].length; }
    constexpr TokenClass tokenClass(int entry) const { return entries_[entry].tokenClass; }
    constexpr char firstByte(int entry) const { return static_cast<char>(entries_[entry].word[0] & 0xFF); }
    constexpr uint64_t word(int entry, int k) const { return entries_[entry].word[k]; }
    constexpr uint64_t mask(int entry, int k) const { return entries_[entry].mask[k]; }
    constexpr uint64_t fold(int entry, int k) const { return entries_[entry].fold[k]; }
    constexpr int words(int entry) const { return entries_[entry].words; }

    // Whether the entry stands at `at` of a text of `size` bytes, knowing that
    // its first byte does (the caller found it through startingWith with the
    // same case rule).
    bool matchesAt(int entry, const char* text, uint32_t at, uint32_t size, bool caseInsensitive) const {
        const Entry& e = entries_[entry];
        const uint32_t remaining = size - at;
        if (remaining < e.length) {
            return false;
        }
        if (e.length == 1) {
            return true;
        }
        if (remaining < kMaxLength) {
            return matchesNearEnd(e, text + at, caseInsensitive);
        }
        for (int k = 0; k < e.words; ++k) {
            if (!wordMatches(text + at + 8 * k, e.word[k], e.mask[k], caseInsensitive ? e.fold[k] : 0)) {
                return false;
            }
        }
        return true;
    }

    // The first entry of `entries`, in table order, that stands at `at`; -1 if none.
    int firstMatch(EntrySet entries, const char* text, uint32_t at, uint32_t size, bool caseInsensitive) const {
        if (at >= size) {
            return -1;
        }
        EntrySet candidates = startingWith(static_cast<unsigned char>(text[at]), caseInsensitive) & entries;
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            if (matchesAt(i, text, at, size, caseInsensitive)) {
                return i;
            }
            candidates &= candidates - 1;
        }
        return -1;
    }

    // Whether the eight bytes at `here` hold `word` in the bytes of `mask`;
    // where `fold` has 0x20, upper and lower case compare equal.
    static bool wordMatches(const char* here, uint64_t word, uint64_t mask, uint64_t fold) {
        uint64_t text;
        std::memcpy(&text, here, sizeof text);
        return (((text | fold) ^ (word | fold)) & mask) == 0;
    }

    static constexpr unsigned char foldAscii(unsigned char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
    }

private:
    struct Entry {
        uint64_t word[3] = {};  // the text, little-endian, zero after its end
        uint64_t mask[3] = {};  // the bytes of each word that belong to the text
        uint64_t fold[3] = {};  // 0x20 at the letters: set in both, upper and lower case compare equal
        uint8_t length = 0;
        uint8_t words = 0;
        TokenClass tokenClass = TokenClass::SeparatorItem;
    };

    static constexpr bool isAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    constexpr void add(int i, const KeywordEntry& source) {
        Entry& entry = entries_[i];
        entry.length = source.length;
        entry.words = static_cast<uint8_t>((source.length + 7) / 8);
        entry.tokenClass = source.tokenClass;
        for (uint32_t k = 0; k < source.length; ++k) {
            const auto c = static_cast<unsigned char>(source.text[k]);
            const int shift = static_cast<int>(8 * (k % 8));
            entry.word[k / 8] |= uint64_t{c} << shift;
            entry.mask[k / 8] |= uint64_t{0xFF} << shift;
            if (isAsciiLetter(c)) {
                entry.fold[k / 8] |= uint64_t{0x20} << shift;
            }
        }
        const EntrySet bit = EntrySet{1} << i;
        const TokenSet classBit = TokenSet{1} << static_cast<unsigned>(source.tokenClass);
        const auto first = static_cast<unsigned char>(source.text[0]);
        firstExact_[first] |= bit;
        if (source.length == 1) {
            byteClasses_[first] |= classBit;
        }
        for (int c = 0; c < 256; ++c) {
            if (foldAscii(static_cast<unsigned char>(c)) == foldAscii(first)) {
                firstFolded_[c] |= bit;
                if (source.length == 1) {
                    byteClassesFolded_[c] |= classBit;
                }
            }
        }
        classEntries_[static_cast<unsigned>(source.tokenClass)] |= bit;
    }

    static bool matchesNearEnd(const Entry& e, const char* here, bool caseInsensitive) {
        for (uint32_t k = 0; k < e.length; ++k) {
            const auto a = static_cast<unsigned char>(here[k]);
            const auto b = static_cast<unsigned char>((e.word[k / 8] >> (8 * (k % 8))) & 0xFF);
            if (caseInsensitive ? foldAscii(a) != foldAscii(b) : a != b) {
                return false;
            }
        }
        return true;
    }

    bool usable_ = false;
    TokenSet singleCharClasses_ = 0;
    EntrySet firstExact_[256] = {};
    EntrySet firstFolded_[256] = {};
    TokenSet byteClasses_[256] = {};
    TokenSet byteClassesFolded_[256] = {};
    EntrySet classEntries_[32] = {};
    Entry entries_[kMaxEntries] = {};
};

}  // namespace tessary
