// The constant tables behind lexicon.h, with the indexes that the lookups use.
// Only the lexicon's own sources include this; everyone else goes through
// the functions of lexicon.h.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "model/lexicon.h"

namespace tessary::lexicon_tables {

// One of the two FileMaker tables with its indexes, all computed when the
// program is compiled.
struct FmTable {
    const FmTableRow* rows;
    int count;
    // Open addressing by HashFolded of the keyword: a row's keyword stands at
    // the slot of its hash or, when that is taken, at one of the slots after it
    // (wrapping around) before the next empty one. kNoRow marks an empty slot.
    // Keywords are unique when case is ignored.
    const uint8_t* rowsByHash;
    uint32_t hashMask;  // slots - 1; slots is a power of two
    const uint8_t* keywordLengths;
    // Row r's keyword at keywordText + r * kKeywordStride, padded with NULs,
    // so that a lookup compares it a word at a time without following a
    // pointer.
    const char* keywordText;
    const uint8_t* captionLengths;
    // rowOfId[id] is the first row with that id, kNoRow when none; ids above
    // maxId have no row.
    const uint8_t* rowOfId;
    uint32_t maxId;
};
constexpr uint8_t kNoRow = 0xFF;
constexpr size_t kKeywordStride = 40;  // the longest keyword (38) and room to read a word past it

extern const FmTable kFmCommands;
extern const FmTable kFmMenus;

// The case folding of keyword lookups: ASCII letters only, to lower case.
constexpr unsigned char FoldCase(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Orders texts by their folded bytes, a shorter text before the longer one it
// begins; 0 when they are equal but for case.
constexpr int CompareFolded(std::string_view a, std::string_view b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// `count` bytes (4 or 8) of a text from `at` on as one little-endian word.
constexpr uint64_t TextWord(std::string_view text, size_t at, size_t count) {
    if (!std::is_constant_evaluated() && std::endian::native == std::endian::little) {
        if (count == 8) {
            uint64_t word;
            std::memcpy(&word, text.data() + at, sizeof word);
            return word;
        }
        uint32_t half;
        std::memcpy(&half, text.data() + at, sizeof half);
        return half;
    }
    uint64_t word = 0;
    for (size_t k = 0; k < count; ++k) {
        word |= static_cast<uint64_t>(static_cast<unsigned char>(text[at + k])) << (8 * k);
    }
    return word;
}

// Eight bytes of a text from `at` on as one word, with bit 0x20 set in each,
// so that letters of either case read alike.
constexpr uint64_t FoldedWord(std::string_view text, size_t at) {
    return TextWord(text, at, 8) | 0x2020202020202020u;
}

// A hash of a text that ignores the case of ASCII letters: texts equal but
// for case hash alike. It mixes the length with the last eight bytes and the
// eight before them (or the bytes of a shorter text): the keywords share their
// beginnings ("FM_", "FM_MENU_") and differ towards the end.
constexpr uint32_t HashFolded(std::string_view text) {
    constexpr uint64_t kMix = 0x9E3779B97F4A7C15u;
    const size_t size = text.size();
    uint64_t hash = (size + 1) * kMix;
    if (size >= 8) {
        hash ^= FoldedWord(text, size - 8);
        hash *= kMix;
        if (size >= 16) {
            hash ^= FoldedWord(text, size - 16);
            hash *= kMix;
        }
    } else if (size >= 4) {
        // The first four bytes and the last four, which overlap.
        hash ^= (TextWord(text, 0, 4) | (TextWord(text, size - 4, 4) << 32)) | 0x2020202020202020u;
        hash *= kMix;
    } else {
        for (char c : text) {
            hash = (hash ^ (static_cast<unsigned char>(c) | 0x20u)) * kMix;
        }
    }
    return static_cast<uint32_t>(hash >> 32);
}

extern const KeyNameEntry kKeyNameTable[kKeyNameCount];

// KeyCode of a one-character key name, indexed by character code 0-127.
extern const std::array<uint8_t, 128> kCharKeyTable;

// The punctuation keys: their character (which is also their KeyCode) and
// their virtual key.
struct PunctuationKey {
    char character;
    uint8_t virtualKey;
};
constexpr int kPunctuationKeyCount = 11;
extern const PunctuationKey kPunctuationKeys[kPunctuationKeyCount];

extern const char* const kShortcutKeyList[kShortcutKeyListCount];

}  // namespace tessary::lexicon_tables
