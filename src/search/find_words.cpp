#include "search/find_words.h"

#include "search/char_count.h"
#include "search/letter_score.h"

#include <bit>

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
    WordSignature typedLetters = 0;
    for (std::size_t x = 0; x < 26; ++x)
        if (typed[x] > 0)
            typedLetters |= 1u << x;

    // The signature rejects most words without looking at them: by length,
    // and by the letters they use that were not typed (each needs a blank).
    const std::vector<WordSignature>& signatures = list->Signatures();
    const std::int32_t count = list->WordCount();
    for (std::int32_t i = 0; i < count; ++i) {
        const WordSignature signature = signatures[static_cast<std::size_t>(i)];
        const auto untyped = std::popcount(signature & kLetterBits & ~typedLetters);
        if (untyped > blanks && untyped > 0)
            continue;
        std::int64_t length = SignatureLength(signature);
        if (length == kLongWord)
            length = static_cast<std::int64_t>((*list)[i].size());
        if (!WithinLength(length, typedLength, limits))
            continue;
        std::string_view word = (*list)[i];
        if (!CanLay(word, typed, blanks))
            continue;
        ++found.matched;
        if (found.FoundCount() < kFoundWordsCapacity)
            found.rows.push_back(
                FoundRow{word, i, static_cast<std::int32_t>(length), WordScore(word, points)});
    }
    return found;
}

} // namespace anagrove
