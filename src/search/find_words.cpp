#include "search/find_words.h"

#include "search/char_count.h"
#include "search/letter_score.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace anagrove {

LetterCounts CountTypedLetters(std::string_view letters) {
    LetterCounts counts{};
    for (char c : letters) {
        if (c >= 'a' && c <= 'z')
            ++counts[static_cast<std::size_t>(c - 'a')];
        else if (c >= 'A' && c <= 'Z')
            ++counts[static_cast<std::size_t>(c - 'A')];
    }
    return counts;
}

bool CanLay(std::string_view word, const LetterCounts& typed, std::int32_t blanks) {
    LetterCounts need{};
    for (char c : word) {
        if (c >= 'a' && c <= 'z')
            ++need[static_cast<std::size_t>(c - 'a')];
        else if (c >= 'A' && c <= 'Z')
            ++need[static_cast<std::size_t>(c - 'A')];
    }
    std::int64_t missing = 0;
    for (std::size_t x = 0; x < 26; ++x)
        if (need[x] > typed[x])
            missing += need[x] - typed[x];
    return missing <= (blanks > 0 ? blanks : 0);
}

namespace {

bool WithinLength(std::int64_t length, std::int64_t typedLength, const SearchLimits& limits) {
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
constexpr unsigned kHalfBits = 13;
constexpr std::uint32_t kHalfMask = (1u << kHalfBits) - 1;

// The number of letters in each half mask (the processor's own count is not
// part of the baseline instruction set).
constexpr std::array<std::uint8_t, 1u << kHalfBits> kLettersInHalf = [] {
    std::array<std::uint8_t, 1u << kHalfBits> counts{};
    for (std::uint32_t m = 1; m < counts.size(); ++m)
        counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
    return counts;
}();

inline std::int32_t LettersIn(std::uint32_t mask) {
    return kLettersInHalf[mask & kHalfMask] + kLettersInHalf[(mask >> kHalfBits) & kHalfMask];
}

// The sum of the values of the letters in each half mask, for scoring words
// from their masks.
struct MaskPoints {
    std::vector<std::int64_t> low, high;
    explicit MaskPoints(const LetterPoints& points) : low(1u << kHalfBits), high(1u << kHalfBits) {
        for (std::uint32_t m = 1; m < low.size(); ++m) {
            const auto x = static_cast<std::size_t>(std::countr_zero(m));
            low[m] = low[m & (m - 1)] + points[x];
            high[m] = high[m & (m - 1)] + points[x + kHalfBits];
        }
    }
    std::int64_t operator()(std::uint32_t mask) const {
        return low[mask & kHalfMask] + high[(mask >> kHalfBits) & kHalfMask];
    }
};

// Scores by byte, so that scoring a word is one table look-up per character.
std::array<std::int64_t, 256> PointsByByte(const LetterPoints& points) {
    std::array<std::int64_t, 256> table{};
    for (std::size_t x = 0; x < 26; ++x) {
        table['a' + x] = points[x];
        table['A' + x] = points[x];
    }
    return table;
}

} // namespace

FoundWords findwords(std::string_view letters, const SearchLimits& limits,
                     const std::shared_ptr<const WordList>& list, const LetterPoints& points) {
    FoundWords found;
    found.source = list;
    if (!list)
        return found;
    const LetterCounts typed = CountTypedLetters(letters);
    const std::int32_t blanks = CharCount(letters, "*");
    const auto typedLength = static_cast<std::int64_t>(letters.size());
    const TypedMasks masks(typed);
    const auto pointsByByte = PointsByByte(points);
    const MaskPoints maskPoints(points);

    // Which signature lengths pass the limits; kLongWord stands for every
    // longer length, which is checked on the word itself.
    std::array<bool, kLongWord + 1> lengthPasses{};
    for (std::uint32_t length = 0; length < kLongWord; ++length)
        lengthPasses[length] = WithinLength(length, typedLength, limits);
    lengthPasses[kLongWord] = true;

    // Words are tested group by group of one length, only in the groups that
    // pass; the matches are marked and then taken in list order.
    const std::int32_t count = list->WordCount();
    std::vector<std::uint64_t> matches((static_cast<std::size_t>(count) + 63) / 64);
    const std::uint32_t* byLength = list->ByLength().data();
    const std::uint32_t* signatures = list->SignaturesByLength().data();
    const std::uint32_t* wordSignatures = list->Signatures().data();
    const std::uint64_t* repeats = list->Repeats().data();
    for (std::uint32_t length = 0; length <= kLongWord; ++length) {
        if (!lengthPasses[length])
            continue;
        const WordList::Group group = list->LengthGroup(length);
        for (std::uint32_t k = group.begin; k < group.end; ++k) {
            std::int32_t missing = LettersIn(signatures[k] & kLetterBits & ~masks.once);
            if (missing > blanks)
                continue;
            const std::uint32_t i = byLength[k];
            if (const std::uint64_t repeat = repeats[i]; repeat != 0) {
                const auto twice = static_cast<std::uint32_t>(repeat);
                const auto thrice = static_cast<std::uint32_t>(repeat >> 32);
                if (twice & kFourTimes) {
                    if (!CanLay((*list)[static_cast<std::int32_t>(i)], typed, blanks))
                        continue;
                } else {
                    missing += LettersIn(twice & ~masks.twice) + LettersIn(thrice & ~masks.thrice);
                    if (missing > blanks)
                        continue;
                }
            }
            matches[i / 64] |= std::uint64_t{1} << (i % 64);
        }
    }

    std::int64_t total = 0;
    for (std::uint64_t bits : matches)
        total += std::popcount(bits);
    found.rows.reserve(
        static_cast<std::size_t>(std::min<std::int64_t>(total, kFoundWordsCapacity)));
    for (std::size_t block = 0; block < matches.size(); ++block) {
        for (std::uint64_t bits = matches[block]; bits != 0; bits &= bits - 1) {
            ++found.matched;
            if (found.FoundCount() >= kFoundWordsCapacity)
                continue;
            const auto i = static_cast<std::int32_t>(
                block * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            const std::string_view word = (*list)[i];
            const std::uint64_t repeat = repeats[i];
            const auto twice = static_cast<std::uint32_t>(repeat);
            std::int64_t score = 0;
            if (twice & kFourTimes) {
                for (char c : word)
                    score += pointsByByte[static_cast<unsigned char>(c)];
            } else {
                score = maskPoints(wordSignatures[i] & kLetterBits) + maskPoints(twice) +
                        maskPoints(static_cast<std::uint32_t>(repeat >> 32));
            }
            found.rows.push_back(FoundRow{word, i, static_cast<std::int32_t>(word.size()), score});
        }
    }
    return found;
}

} // namespace anagrove
