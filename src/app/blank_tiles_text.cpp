#include "app/blank_tiles_text.h"

#include "search/blank_letters.h"

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

std::string BlankTilesText(const FoundRow& row, const SearchRack& rack, bool showScore) {
    if (std::count(rack.letters.begin(), rack.letters.end(), '*') == 0)
        return "No blank tiles in the rack";
    const BlankUse use = BlankUseOf(row.word, CountTypedLetters(rack.letters), rack.points);
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
