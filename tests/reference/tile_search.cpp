#include "tile_search.h"

#include <map>
#include <sstream>

namespace literal {

std::vector<PlainTile> ReadPlainTiles(std::string_view alphabetFile) {
    std::vector<PlainTile> tiles;
    std::istringstream in{std::string(alphabetFile)};
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string key, upper, lower;
        int value = 0;
        if (fields >> key >> upper >> lower >> value && key == "tile")
            tiles.push_back({lower, value});
    }
    return tiles;
}

std::vector<std::string> PlainTileSplit(const std::vector<PlainTile>& tiles,
                                        std::string_view word) {
    std::vector<std::string> split;
    std::size_t at = 0;
    while (at < word.size()) {
        const PlainTile* longest = nullptr;
        for (const PlainTile& tile : tiles)
            if (word.substr(at).starts_with(tile.text) &&
                (longest == nullptr || tile.text.size() > longest->text.size()))
                longest = &tile;
        if (longest == nullptr)
            return {};
        split.push_back(longest->text);
        at += longest->text.size();
    }
    return split;
}

std::vector<TileRow> FindTileWords(const std::vector<PlainTile>& tiles,
                                   const std::vector<std::string>& rack, const TileLimits& limits,
                                   std::string_view listText) {
    std::map<std::string, int> values;
    for (const PlainTile& tile : tiles)
        values[tile.text] = tile.value;
    std::vector<TileRow> found;
    std::istringstream in{std::string(listText)};
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::string word = line.substr(0, line.find('\t'));
        const std::vector<std::string> split = PlainTileSplit(tiles, word);
        if (split.empty() || split.size() < limits.minimum || split.size() > limits.maximum ||
            split.size() > rack.size() || (limits.anagram && split.size() != rack.size()))
            continue;
        std::vector<std::string> left = rack;
        TileRow row{word, {}, 0};
        for (const std::string& tile : split) {
            bool fromRack = false;
            for (std::string& r : left)
                if (r == tile) {
                    r.clear();
                    fromRack = true;
                    break;
                }
            if (fromRack) {
                row.score += values[tile];
                continue;
            }
            bool blank = false;
            for (std::string& r : left)
                if (r == "*") {
                    r.clear();
                    blank = true;
                    break;
                }
            if (!blank) {
                row.score = -1;
                break;
            }
            row.blanks.push_back(tile);
        }
        if (row.score >= 0)
            found.push_back(row);
    }
    return found;
}

} // namespace literal
