#include "dictionary/letter_profile.h"

#include "base/bit_set.h"
#include "base/letters.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace anagrove {

namespace {

// The letters that a word uses at least n times, from its letter counts.
class CountMasks {
  public:
    explicit CountMasks(const std::array<std::uint8_t, 32>& count) : count_(count) {}
    std::uint32_t AtLeast(std::uint8_t n) const {
#if defined(__SSE2__)
        const __m128i low = _mm_load_si128(reinterpret_cast<const __m128i*>(count_.data()));
        const __m128i high = _mm_load_si128(reinterpret_cast<const __m128i*>(count_.data() + 16));
        const __m128i less = _mm_set1_epi8(static_cast<char>(n - 1));
        const auto lowBits =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpgt_epi8(low, less)));
        const auto highBits =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpgt_epi8(high, less)));
        return (lowBits | highBits << 16) & kLetterBits;
#else
        std::uint32_t letters = 0;
        for (std::size_t x = 0; x < 26; ++x)
            letters |= count_[x] >= n ? 1u << x : 0u;
        return letters;
#endif
    }

  private:
    const std::array<std::uint8_t, 32>& count_;
};

} // namespace

LetterProfile ProfileOf(std::string_view word) {
    // The counts are compared as signed bytes: longer words are counted in
    // full ints, letter by letter.
    alignas(16) std::array<std::uint8_t, 32> count{};
    if (word.size() <= 127) {
        for (char c : word)
            ++count[LetterIndex(c)];
    } else {
        std::array<std::size_t, 27> full{};
        for (char c : word)
            ++full[LetterIndex(c)];
        for (std::size_t x = 0; x < 26; ++x)
            count[x] = static_cast<std::uint8_t>(std::min<std::size_t>(full[x], 4));
    }
    const CountMasks masks(count);
    const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(word.size(), kLongWord));
    LetterProfile profile{masks.AtLeast(1) | length << 26, masks.AtLeast(2), 0};
    if (profile.twice != 0) { // most words use no letter twice
        profile.thrice = masks.AtLeast(3);
        if (profile.thrice != 0 && masks.AtLeast(4) != 0)
            profile.twice |= kFourTimes;
    }
    return profile;
}

void MarkLetterSets(const std::vector<std::uint32_t>& signatures, std::size_t blocks,
                    std::uint64_t* letterWords) {
#if defined(__SSE2__)
    // Sixteen words at a time: for each byte of the signatures, the sixteen
    // bytes side by side, whose bit j each movemask gathers once shifted to
    // the top of its byte.
    const __m128i byteMask = _mm_set1_epi32(0xFF);
    for (std::size_t first = 0; first < signatures.size(); first += 16) {
        alignas(16) std::array<std::uint32_t, 16> sixteen{};
        std::copy_n(signatures.begin() + static_cast<std::ptrdiff_t>(first),
                    std::min<std::size_t>(16, signatures.size() - first), sixteen.begin());
        __m128i words[4];
        for (std::size_t k = 0; k < 4; ++k)
            words[k] = _mm_load_si128(reinterpret_cast<const __m128i*>(sixteen.data() + 4 * k));
        const std::size_t block = first / 64;
        const auto shift = static_cast<unsigned>(first % 64);
        for (int plane = 0; plane < 4; ++plane) {
            const __m128i count = _mm_cvtsi32_si128(8 * plane);
            __m128i bytes[4];
            for (std::size_t k = 0; k < 4; ++k)
                bytes[k] = _mm_and_si128(_mm_srl_epi32(words[k], count), byteMask);
            const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(bytes[0], bytes[1]),
                                                    _mm_packs_epi32(bytes[2], bytes[3]));
            for (int bit = 0; bit < 8 && 8 * plane + bit < 26; ++bit) {
                const __m128i top = _mm_sll_epi16(packed, _mm_cvtsi32_si128(7 - bit));
                const auto marks =
                    static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(top)));
                letterWords[static_cast<std::size_t>(8 * plane + bit) * blocks + block] |= marks
                                                                                           << shift;
            }
        }
    }
#else
    for (std::size_t i = 0; i < signatures.size(); ++i)
        for (std::uint32_t letters = signatures[i] & kLetterBits; letters != 0;
             letters &= letters - 1)
            BitSet(letterWords + static_cast<std::size_t>(std::countr_zero(letters)) * blocks)
                .Mark(i);
#endif
}

} // namespace anagrove
