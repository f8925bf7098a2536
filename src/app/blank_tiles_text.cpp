#include "app/blank_tiles_text.h"

#include <algorithm>

namespace anagrove {

namespace {

constexpr char kMiddleDot = '\xB7'; // Latin-1

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
    if (std::count(rack.letters.begin(), rack.letters.end(), '*') == 0)
        return "No blank tiles in the rack";
    const BlankUse use = RowBlankUse(row, rack);
    if (use.letters.empty())
        return "No blank tiles used";
    std::string text = use.letters.size() == 1 ? "Blank tile: " : "Blank tiles: ";
    text += LetterList(use.letters);
    if (showScore) {
        text += std::string(" ") + kMiddleDot + " " + std::to_string(use.scoreBlanksZero);
        text += use.scoreBlanksZero == 1 ? " point" : " points";
        text += " with blanks at zero";
    }
    return text;
}

} // namespace anagrove
