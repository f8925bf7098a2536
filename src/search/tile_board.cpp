#include "search/tile_board.h"

#include "alphabet/rack.h"

#include <algorithm>

namespace anagrove {

Expected<Tiles, BoardTextFault> ReadBoardTiles(const Alphabet& alphabet, std::string_view text,
                                               bool pattern) {
    Tiles tiles;
    while (true) {
        const std::size_t dot = pattern ? text.find('.') : std::string_view::npos;
        const std::string_view piece = text.substr(0, dot);
        if (!piece.empty()) {
            const auto read = ReadRack(alphabet, piece);
            if (!read)
                return Failure{BoardTextFault(read.error())};
            if (std::ranges::count(*read, kBlankTile) > 0)
                return Failure{BoardTextFault()};
            tiles.insert(tiles.end(), read->begin(), read->end());
        }
        if (dot == std::string_view::npos)
            return tiles;
        tiles.push_back(kBlankTile);
        text.remove_prefix(dot + 1);
    }
}

Tiles RackPartTiles(std::span<const TileIndex> word, const TileBoard& board) {
    const auto squares = TileRackSquares(word, board);
    Tiles part;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (!squares || (*squares)[k])
            part.push_back(word[k]);
    return part;
}

} // namespace anagrove
