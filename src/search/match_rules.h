#pragma once
// The tests a word must pass, on lengths and on letter masks.

#include "search/find_words.h"

#include <array>
#include <cstdint>

namespace anagrove {

[[nodiscard]] inline bool WithinLength(std::int64_t length, std::int64_t typedLength,
                                       const SearchLimits& limits) {
    if (limits.anagram)
        return length == typedLength;
    if (limits.minimum > static_cast<double>(length))
        return false;
    return limits.nomax || !(limits.maximum < static_cast<double>(length));
}

// The typed letters as masks: letters typed once or more, twice or more, three
// times or more. With the word's masks of the same kind, the copies a word
// needs beyond those typed are the letters it uses k times but that were typed
// fewer than k times, summed over k: exact for words that use no letter more
// than three times.
struct TypedMasks {
    std::uint32_t once = 0, twice = 0, thrice = 0;
    explicit TypedMasks(const LetterCounts& typed) {
        for (std::size_t x = 0; x < 26; ++x) {
            once |= typed[x] >= 1 ? 1u << x : 0u;
            twice |= typed[x] >= 2 ? 1u << x : 0u;
            thrice |= typed[x] >= 3 ? 1u << x : 0u;
        }
    }
};

// Letter masks are looked up in two halves of 13 bits.
inline constexpr unsigned kHalfBits = 13;
inline constexpr std::uint32_t kHalfMask = (1u << kHalfBits) - 1;

// The number of bits set in each half mask, that is of letters in it (the
// processor's own count is not part of the baseline instruction set).
inline constexpr std::array<std::uint8_t, 1u << kHalfBits> kBitsInHalf = [] {
    std::array<std::uint8_t, 1u << kHalfBits> counts{};
    for (std::uint32_t m = 1; m < counts.size(); ++m)
        counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
    return counts;
}();

[[nodiscard]] inline std::int32_t CountBits(std::uint32_t mask) {
    return kBitsInHalf[mask & kHalfMask] + kBitsInHalf[(mask >> kHalfBits) & kHalfMask];
}

} // namespace anagrove
