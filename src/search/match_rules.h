#pragma once
// What decides that a word is found: its length within the limits, and its
// letters laid with the typed letters and blanks. A list's first search and
// the indexed searches ask these same questions, each in its own loop.

#include "search/find_words.h"
#include "word_list/letter_profile.h"
#include "word_list/word_list.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace anagrove {

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

// The tests of one search: the length limits, and the typed letters as masks
// of the letters typed once or more, twice or more and three times or more.
class MatchRule {
  public:
    MatchRule(std::string_view letters, const SearchLimits& limits);

    [[nodiscard]] std::int32_t Blanks() const { return blanks_; }
    // The letters a-z that were not typed: each of them a word uses takes a blank.
    [[nodiscard]] std::uint32_t Untyped() const { return kLetterBits & ~once_; }

    // Whether a word of this length is within the limits.
    [[nodiscard]] bool LengthPasses(std::size_t length) const {
        return length < kLongWord ? shortLengths_[length]
                                  : WithinLength(static_cast<std::int64_t>(length));
    }

    // Whether word i of the list can be laid: the copies of letters it needs
    // beyond those typed are no more than the blanks. missing is the number of
    // its letters that were not typed at all (CountBits(signature &
    // Untyped()), which the index also counts 64 words at a time), repeats its
    // repeat masks (LetterProfile::Repeats()). Characters other than a-z and
    // A-Z take no tile.
    [[nodiscard]] bool LettersPass(std::int32_t missing, std::uint64_t repeats,
                                   const WordList& list, std::int32_t i) const {
        return missing <= blanks_ && RepeatsPass(missing, repeats, list, i);
    }
    [[nodiscard]] bool LettersPass(const LetterProfile& p, const WordList& list,
                                   std::int32_t i) const {
        return LettersPass(CountBits(p.signature & Untyped()), p.Repeats(), list, i);
    }
    // The part of LettersPass left once missing is known to be no more than the
    // blanks: whether the blanks left cover the further copies. A further copy
    // is a letter the word uses k times that was typed fewer than k times,
    // counted from the masks for k = 2 and 3, and from the text for a word that
    // uses a letter four times or more.
    [[nodiscard]] bool RepeatsPass(std::int32_t missing, std::uint64_t repeats,
                                   const WordList& list, std::int32_t i) const {
        const auto twice = static_cast<std::uint32_t>(repeats);
        if (twice == 0)
            return true;
        if (twice & kFourTimes)
            return CanLayText(list[i]);
        const auto thrice = static_cast<std::uint32_t>(repeats >> 32);
        return missing + CountBits(twice & ~twice_) + CountBits(thrice & ~thrice_) <= blanks_;
    }

  private:
    [[nodiscard]] bool WithinLength(std::int64_t length) const {
        if (limits_.anagram)
            return length == typedLength_;
        if (limits_.minimum > static_cast<double>(length))
            return false;
        return limits_.noMaximum || !(limits_.maximum < static_cast<double>(length));
    }
    [[nodiscard]] bool CanLayText(std::string_view word) const {
        const LetterCounts need = CountTypedLetters(word);
        std::int64_t missing = 0;
        for (std::size_t x = 0; x < 26; ++x)
            if (need[x] > typed_[x])
                missing += need[x] - typed_[x];
        return missing <= blanks_;
    }

    SearchLimits limits_;
    LetterCounts typed_;
    std::int32_t blanks_;
    std::int64_t typedLength_;
    std::uint32_t once_ = 0, twice_ = 0, thrice_ = 0;
    std::array<bool, kLongWord> shortLengths_{};
};

} // namespace anagrove
