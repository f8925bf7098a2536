#include "results/found_words.h"

#include "base/number_text.h"

namespace anagrove {

std::string ScoreField(const FoundRow& row) {
    return ScoreText(row.score);
}

std::string LengthField(const FoundRow& row) {
    std::string text(" ");
    text += std::to_string(row.length);
    return text;
}

} // namespace anagrove
