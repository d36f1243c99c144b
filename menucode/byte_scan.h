// Finding bytes eight at a time: a 64-bit word of the text is compared with a
// byte value in all its lanes at once, and the first lane that matches is the
// lowest set bit. Exact (no lane is reported that does not match) and used on
// little-endian machines; elsewhere, and for the last bytes of a text, the
// scan goes a byte at a time.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

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

}  // namespace tessary::byte_scan
