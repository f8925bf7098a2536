#include "app/blank_tiles_text.h"

#include <algorithm>

namespace anagrove {

namespace {

constexpr char kMiddleDot = '\xB7'; // Latin-1

} // namespace

BlankUse RowBlankUse(const FoundRow& row, const SearchRack& rack) {
    const std::string_view word = row.word;
    return BlankUseOf(word, RackPart(word, rack.board).value_or(std::string(word)),
                      CountTypedLetters(rack.letters), rack.points);
}

std::string BlankTilesText(const FoundRow& row, const SearchRack& rack, bool showScore) {
    const bool rackHasBlanks = std::count(rack.letters.begin(), rack.letters.end(), '*') > 0;
    const BlankUse use = rackHasBlanks ? RowBlankUse(row, rack) : BlankUse{};
    std::vector<std::string> tiles;
    for (const char letter : use.letters)
        tiles.emplace_back(1, letter);
    return BlankNoteText(rackHasBlanks, tiles, use.scoreBlanksZero, showScore,
                         std::string_view(&kMiddleDot, 1));
}

std::string BlankNoteText(bool rackHasBlanks, const std::vector<std::string>& tiles,
                          std::int64_t scoreBlanksZero, bool showScore,
                          std::string_view middleDot) {
    if (!rackHasBlanks)
        return "No blank tiles in the rack";
    if (tiles.empty())
        return "No blank tiles used";
    std::string text = tiles.size() == 1 ? "Blank tile: " : "Blank tiles: ";
    for (std::size_t k = 0; k < tiles.size(); ++k)
        text.append(k == 0 ? "" : ", ").append(tiles[k]);
    if (showScore) {
        text.append(" ").append(middleDot).append(" ").append(std::to_string(scoreBlanksZero));
        text += scoreBlanksZero == 1 ? " point" : " points";
        text += " with blanks at zero";
    }
    return text;
}

} // namespace anagrove
