#include "app/tile_search_request.h"

#include "alphabet/rack.h"
#include "app/blank_tiles_text.h"
#include "base/number_text.h"
#include "results/result_text.h"

#include <algorithm>

namespace anagrove {

namespace {

constexpr int kMostTileValue = 999;

std::string TileList(const Alphabet& alphabet, const Tiles& tiles) {
    std::string list;
    for (const TileIndex t : tiles)
        list.append(list.empty() ? "" : ", ").append(alphabet.tiles[t].lower);
    return list;
}

} // namespace

Expected<TileSearchOutcome> RunTileSearch(const SearchRequest& request, const SearchLimits& limits,
                                          std::shared_ptr<const TileWordList> list,
                                          const TileValues& values) {
    const Alphabet& alphabet = list->Letters();
    auto rack = ReadRack(alphabet, request.letters);
    if (!rack)
        return FailureText(TextFaultText(rack.error(), alphabet.name));
    TileMatches matches = FindTileWords(*rack, limits, *list, values);
    TileSearchOutcome result{ListFound(request, std::move(matches.found)),
                             {std::move(list), std::move(*rack), std::move(matches.listIndex)}};
    result.outcome.status = FoundStatusText(result.outcome.found, result.rack.list->WordCount());
    return result;
}

std::span<const TileIndex> RowTiles(const FoundRow& row, const TileRack& rack) {
    return rack.list->WordTiles(rack.listIndex[static_cast<std::size_t>(row.index)]);
}

std::string TileBlanksText(const FoundRow& row, const TileRack& rack, bool showScore) {
    BlanksUsed used;
    used.rackHasBlanks = std::ranges::count(rack.rack, kBlankTile) > 0;
    const Tiles blanks =
        used.rackHasBlanks ? BlankTilesOf(RowTiles(row, rack), rack.rack) : Tiles{};
    used.list = TileList(rack.list->Letters(), blanks);
    used.count = blanks.size();
    if (showScore) // a search in tiles already scores the blanks' tiles at zero
        used.scoreBlanksZero = row.score;
    return BlanksSentence(used, "\u00b7");
}

BlankUse TileBlankUse(const FoundRow& row, const TileRack& rack) {
    std::string tiles;
    for (const TileIndex t : BlankTilesOf(RowTiles(row, rack), rack.rack))
        tiles.append(tiles.empty() ? "" : " ").append(rack.list->Letters().tiles[t].lower);
    return {tiles, row.score};
}

std::string RowSpelling(const FoundRow& row, const TileRack& rack) {
    const std::int32_t i = rack.listIndex[static_cast<std::size_t>(row.index)];
    const std::string_view spellings = rack.list->Spelling(i);
    if (spellings.empty())
        return rack.list->PlayingForm(i);
    return std::string(spellings.substr(0, spellings.find('\t')));
}

Expected<TileValues, TileValueError> ReadTileValueTexts(const Alphabet& alphabet,
                                                        const std::vector<std::string>& texts) {
    TileValues values{};
    for (std::size_t t = 1; t < alphabet.tiles.size() && t < values.size(); ++t) {
        const auto value = ParseWholeNumber(t < texts.size() ? texts[t] : std::string());
        if (!value || *value < 0 || *value > kMostTileValue)
            return Failure{TileValueError{t, "Please enter a number from 0 to 999 for " +
                                                 alphabet.tiles[t].upper + "."}};
        values[t] = *value;
    }
    return values;
}

} // namespace anagrove
