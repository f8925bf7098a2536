#include "search/find_words.h"

#include "search/char_count.h"
#include "search/letter_score.h"

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

    for (std::int32_t i = 0; i < list->WordCount(); ++i) {
        std::string_view word = (*list)[i];
        auto length = static_cast<std::int64_t>(word.size());
        if (!WithinLength(length, typedLength, limits) || !CanLay(word, typed, blanks))
            continue;
        ++found.matched;
        if (found.FoundCount() < kFoundWordsCapacity)
            found.rows.push_back(
                FoundRow{word, WordScore(word, points), static_cast<std::int32_t>(length)});
    }
    return found;
}

} // namespace anagrove
