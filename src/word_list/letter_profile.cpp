#include "word_list/letter_profile.h"

#include "base/bit_set.h"
#include "word_list/line_cutter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace anagrove {

void ProfileWords(std::string_view text, const std::vector<std::uint32_t>& lineEnds,
                  std::uint32_t* signatures, std::uint64_t* repeats) {
    std::uint32_t begin = 0;
    for (std::size_t i = 0; i < lineEnds.size(); ++i) {
        const LetterProfile p =
            ProfileOf(std::string_view(text.data() + begin, WordEnd(lineEnds[i]) - begin));
        begin = NextLine(lineEnds[i]);
        signatures[i] = p.signature;
        repeats[i] = p.Repeats();
    }
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
