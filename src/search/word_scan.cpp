#include "search/word_scan.h"

#include "dictionary/letter_profile.h"
#include "search/match_rules.h"

namespace anagrove {

namespace {

// The profile of a word whose letters were all typed, or none when it uses a
// letter that was not: words are mostly ruled out at their first letters.
bool ProfileOfTypedOnly(std::string_view word, std::uint32_t untyped, LetterProfile& profile) {
    std::uint32_t once = 0, twice = 0, thrice = 0, more = 0;
    for (char c : word) {
        const std::uint32_t bit = kLetterBit[static_cast<unsigned char>(c)];
        if (bit & untyped)
            return false;
        more |= thrice & bit;
        thrice |= twice & bit;
        twice |= once & bit;
        once |= bit;
    }
    const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(word.size(), kLongWord));
    profile = LetterProfile{once | length << 26, twice | (more != 0 ? kFourTimes : 0), thrice};
    return true;
}

} // namespace

std::vector<ScannedWord> ScanWords(std::string_view letters, const SearchLimits& limits,
                                   const WordList& list) {
    const LetterCounts typed = CountTypedLetters(letters);
    const TypedMasks masks(typed);
    const std::int32_t blanks = CountBlanks(letters);
    const auto typedLength = static_cast<std::int64_t>(letters.size());
    std::array<bool, kLongWord> lengthOk{};
    for (std::uint32_t length = 0; length < kLongWord; ++length)
        lengthOk[length] = WithinLength(length, typedLength, limits);

    std::vector<ScannedWord> passed;
    for (std::int32_t i = 0; i < list.WordCount(); ++i) {
        const std::string_view word = list[i];
        auto lengthPasses = [&] {
            return word.size() < kLongWord
                       ? lengthOk[word.size()]
                       : WithinLength(static_cast<std::int64_t>(word.size()), typedLength, limits);
        };
        // Without blanks nearly every word fails at its first letter, so that
        // test comes first; with blanks the length spares reading long words.
        LetterProfile p;
        if (blanks == 0) {
            if (!ProfileOfTypedOnly(word, kLetterBits & ~masks.once, p) || !lengthPasses())
                continue;
        } else {
            if (!lengthPasses())
                continue;
            p = ProfileOf(word.data(), word.data() + word.size());
        }
        const bool pass = (p.twice & kFourTimes)
                              ? CanLay(word, typed, blanks)
                              : CountBits(p.signature & kLetterBits & ~masks.once) +
                                        CountBits(p.twice & ~masks.twice) +
                                        CountBits(p.thrice & ~masks.thrice) <=
                                    blanks;
        if (pass)
            passed.push_back(ScannedWord{i, p});
    }
    return passed;
}

} // namespace anagrove
