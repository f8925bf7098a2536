#include "app/blank_tiles_text.h"

#include <algorithm>

namespace anagrove {

namespace {

constexpr std::string_view kMiddleDot = "\xB7"; // Latin-1

std::string LetterList(const std::string& letters) {
    std::string list;
    for (const char letter : letters) {
        if (!list.empty())
            list += ", ";
        list += letter;
    }
    return list;
}

} // namespace

BlankUse RowBlankUse(const FoundRow& row, const SearchRack& rack) {
    const std::string_view word = row.word;
    return BlankUseOf(word, RackPart(word, rack.board).value_or(std::string(word)),
                      CountTypedLetters(rack.letters), rack.points);
}

std::string BlankTilesText(const FoundRow& row, const SearchRack& rack, bool showScore) {
    const bool rackHasBlanks = std::count(rack.letters.begin(), rack.letters.end(), '*') > 0;
    const BlankUse use = rackHasBlanks ? RowBlankUse(row, rack) : BlankUse{};
    return BlanksSentence({rackHasBlanks, LetterList(use.letters), use.letters.size(),
                           showScore ? std::optional(use.scoreBlanksZero) : std::nullopt},
                          kMiddleDot);
}

std::string BlanksSentence(const BlanksUsed& used, std::string_view middleDot) {
    if (!used.rackHasBlanks)
        return "No blank tiles in the rack";
    if (used.count == 0)
        return "No blank tiles used";
    std::string text = used.count == 1 ? "Blank tile: " : "Blank tiles: ";
    text += used.list;
    if (used.scoreBlanksZero) {
        const std::int64_t score = *used.scoreBlanksZero;
        text.append(" ").append(middleDot).append(" ").append(std::to_string(score));
        text += score == 1 ? " point" : " points";
        text += " with blanks at zero";
    }
    return text;
}

} // namespace anagrove
