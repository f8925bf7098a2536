#include "search/letter_score.h"

namespace anagrove {

std::int64_t WordScore(std::string_view word, const LetterPoints& points) {
    std::int64_t score = 0;
    for (char c : word) {
        if (c >= 'a' && c <= 'z')
            score += points[static_cast<std::size_t>(c - 'a')];
        else if (c >= 'A' && c <= 'Z')
            score += points[static_cast<std::size_t>(c - 'A')];
    }
    return score;
}

} // namespace anagrove
