#include "search/blank_letters.h"

#include "search/letter_score.h"

namespace anagrove {

std::string BlankLetters(std::string_view rackPart, const LetterCounts& typed) {
    const LetterCounts need = CountTypedLetters(rackPart);
    std::string letters;
    for (std::size_t x = 0; x < 26; ++x)
        if (need[x] > typed[x])
            letters.append(static_cast<std::size_t>(need[x] - typed[x]),
                           static_cast<char>('a' + x));
    return letters;
}

BlankUse BlankUseOf(std::string_view word, std::string_view rackPart, const LetterCounts& typed,
                    const LetterPoints& points) {
    BlankUse use{BlankLetters(rackPart, typed), WordScore(word, points)};
    use.scoreBlanksZero -= WordScore(use.letters, points);
    return use;
}

} // namespace anagrove
