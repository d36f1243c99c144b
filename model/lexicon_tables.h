// The constant tables behind lexicon.h, with the indexes that the lookups use.
// Only the lexicon's own sources include this; everyone else goes through
// the functions of lexicon.h.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/lexicon.h"

namespace tessary::lexicon_tables {

extern const KeywordEntry kKeywordTable[kKeywordCount];

// One of the two FileMaker tables with its indexes, all computed when the
// program is compiled.
struct FmTable {
    const FmTableRow* rows;
    int count;
    // Row numbers ordered by keyword under CompareFolded; keywords are unique
    // under that order.
    const uint8_t* rowsByKeyword;
    // rowOfId[id] is the first row with that id, kNoRow when none; ids above
    // maxId have no row.
    const uint8_t* rowOfId;
    uint32_t maxId;
};
constexpr uint8_t kNoRow = 0xFF;

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
