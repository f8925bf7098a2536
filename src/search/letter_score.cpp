#include "search/letter_score.h"

#include "base/letters.h"

namespace anagrove {

std::int64_t WordScore(std::string_view word, const LetterPoints& points) {
    std::int64_t score = 0;
    for (char c : word)
        if (const std::size_t x = LetterIndex(c); x != kNotALetter)
            score += points[x];
    return score;
}

} // namespace anagrove
