// The lexicon's KeywordTable as the parser reads it: indexed while the
// program is compiled, with the bytes of its one-character classes as
// constants for the scans of byte_scan.h. Internal to menucode/.
#pragma once

#include <bit>
#include <cstdint>

#include "menucode/byte_scan.h"
#include "menucode/keyword_index.h"
#include "model/keyword_table.h"
#include "model/lexicon.h"

namespace tessary {

// The lexicon's KeywordTable, indexed while the program is compiled.
inline constexpr KeywordIndex kLexiconIndex(kKeywordCount,
                                            [](int i) -> const KeywordEntry& { return kKeywordTable[i]; });
static_assert(kLexiconIndex.usable(), "the lexicon's keyword table must fit the index");

// The bytes that are one-character entries of the classes in the lexicon's table.
struct ClassBytes {
    unsigned char values[8] = {};
    int count = 0;
};
template <TokenSet Classes>
inline constexpr ClassBytes kClassBytes = [] {
    ClassBytes bytes;
    for (int c = 0; c < 256; ++c) {
        if ((kLexiconIndex.byteClasses(static_cast<unsigned char>(c), false) & Classes) != 0) {
            if (bytes.count < 8) {
                bytes.values[bytes.count] = static_cast<unsigned char>(c);
            }
            ++bytes.count;
        }
    }
    return bytes;
}();

// The bytes that are one-character entries of the classes as bits of a
// word, bit c for byte c, when all of them are below 64; else 0.
template <TokenSet Classes>
inline constexpr uint64_t kLowBytesOf = [] {
    uint64_t bits = 0;
    for (int c = 0; c < 256; ++c) {
        if ((kLexiconIndex.byteClasses(static_cast<unsigned char>(c), false) & Classes) != 0) {
            if (c >= 64) {
                return uint64_t{0};
            }
            bits |= uint64_t{1} << c;
        }
    }
    return bits;
}();

// The lanes of a word (see byte_scan.h) whose bytes are one-character entries of the classes.
template <TokenSet Classes>
inline uint64_t lanesOf(uint64_t word) {
    constexpr ClassBytes kBytes = kClassBytes<Classes>;
    static_assert(kBytes.count > 0 && kBytes.count <= 8, "a few bytes stand for these classes");
    uint64_t lanes = 0;
    for (int i = 0; i < kBytes.count; ++i) {
        lanes |= byte_scan::lanesEqual(word, kBytes.values[i]);
    }
    return lanes;
}

// The first byte that every one of the entries begins with, or -1 when they
// begin with different bytes.
constexpr int sharedFirstByte(EntrySet entries) {
    int shared = -1;
    for (; entries != 0; entries &= entries - 1) {
        const int first = static_cast<unsigned char>(kLexiconIndex.firstByte(std::countr_zero(entries)));
        if (shared >= 0 && first != shared) {
            return -1;
        }
        shared = first;
    }
    return shared;
}

// The mask of sixteen bytes (see byte_scan.h) that are one-character entries of the classes.
template <TokenSet Classes>
inline uint32_t maskOf16(const char* at) {
    constexpr ClassBytes kBytes = kClassBytes<Classes>;
    return byte_scan::maskOfBytes16(at, kBytes.values, kBytes.count);
}

}  // namespace tessary
