// Finding bytes eight at a time: a 64-bit word of the text is compared with a
// byte value in all its lanes at once, and the first lane that matches is the
// lowest set bit. Exact (no lane is reported that does not match) and used on
// little-endian machines; elsewhere, and for the last bytes of a text, the
// scan goes a byte at a time.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessary::byte_scan {

constexpr uint64_t kOnes = 0x0101010101010101u;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;
constexpr bool kWordScan = std::endian::native == std::endian::little;

// The high bit of each lane of the result is set where the lane of `word` is `byte`.
constexpr uint64_t lanesEqual(uint64_t word, unsigned char byte) {
    const uint64_t x = word ^ (kOnes * byte);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

inline uint64_t load(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The first offset from `at` on, before `stop`, whose byte `isWanted` accepts,
// or `stop`. `wantedLanes(word)` marks the wanted lanes of a word as lanesEqual does.
template <typename WantedLanes, typename IsWanted>
inline uint32_t findFirst(const char* text, uint32_t at, uint32_t stop, WantedLanes wantedLanes, IsWanted isWanted) {
    if constexpr (kWordScan) {
        while (stop - at >= 8) {
            if (const uint64_t lanes = wantedLanes(load(text + at))) {
                return at + static_cast<uint32_t>(std::countr_zero(lanes) / 8);
            }
            at += 8;
        }
    }
    while (at < stop && !isWanted(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    return at;
}

// Sixteen bytes at a time where the machine compares that many at once (SSE2):
// bit i of a mask stands for byte i.
#if defined(__SSE2__)
constexpr bool kVectorScan = true;

// The mask of the sixteen bytes at `at` that are one of the first `count` values.
template <size_t N>
inline uint32_t maskOfBytes16(const char* at, const unsigned char (&values)[N], int count) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    __m128i equal = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(values[0])));
    for (int i = 1; i < count; ++i) {
        equal = _mm_or_si128(equal, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(values[i]))));
    }
    return static_cast<uint32_t>(_mm_movemask_epi8(equal));
}
#else
constexpr bool kVectorScan = false;

template <size_t N>
inline uint32_t maskOfBytes16(const char* at, const unsigned char (&values)[N], int count) {
    uint32_t mask = 0;
    for (int k = 0; k < 16; ++k) {
        for (int i = 0; i < count; ++i) {
            mask |= static_cast<uint32_t>(static_cast<unsigned char>(at[k]) == values[i]) << k;
        }
    }
    return mask;
}
#endif

// findFirst, sixteen bytes at a time first where the machine allows:
// `wantedMask16(at)` marks the wanted bytes of the sixteen at `at` (see maskOfBytes16).
template <typename WantedMask16, typename WantedLanes, typename IsWanted>
inline uint32_t findFirst(const char* text,
                          uint32_t at,
                          uint32_t stop,
                          WantedMask16 wantedMask16,
                          WantedLanes wantedLanes,
                          IsWanted isWanted) {
    if constexpr (kVectorScan) {
        while (stop - at >= 16) {
            if (const uint32_t mask = wantedMask16(text + at)) {
                return at + static_cast<uint32_t>(std::countr_zero(mask));
            }
            at += 16;
        }
    }
    return findFirst(text, at, stop, wantedLanes, isWanted);
}

}  // namespace tessary::byte_scan
