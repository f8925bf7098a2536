#include "search/tile_search.h"

#include <bit>

namespace anagrove {

namespace {

struct RackCounts {
    std::array<std::int32_t, kMostLetterTiles + 1> counts{};
    std::uint64_t mask = 0; // the letter tiles the rack holds
    std::int32_t blanks = 0;
};

RackCounts CountRack(const Tiles& rack) {
    RackCounts r;
    for (const TileIndex t : rack) {
        ++r.counts[t];
        r.mask |= t == kBlankTile ? 0 : std::uint64_t{1} << t;
    }
    r.blanks = r.counts[kBlankTile];
    return r;
}

bool WithinLimits(std::size_t length, std::size_t rackSize, const SearchLimits& limits) {
    if (limits.anagram)
        return length == rackSize;
    const auto tiles = static_cast<double>(length);
    return !(limits.minimum > tiles) && (limits.noMaximum || !(limits.maximum < tiles));
}

struct Match {
    std::int32_t index;
    std::int32_t length;
    std::int64_t score;
};

} // namespace

TileValues StandardTileValues(const Alphabet& alphabet) {
    TileValues values{};
    for (std::size_t t = 1; t < alphabet.tiles.size() && t < values.size(); ++t)
        values[t] = alphabet.tiles[t].value;
    return values;
}

Tiles BlankTilesOf(std::span<const TileIndex> word, const Tiles& rack) {
    RackCounts left = CountRack(rack);
    Tiles blanks;
    for (const TileIndex t : word) {
        if (left.counts[t] > 0)
            --left.counts[t];
        else
            blanks.push_back(t);
    }
    return blanks;
}

TileMatches FindTileWords(const Tiles& rack, const SearchLimits& limits, const TileWordList& list,
                          const TileValues& values) {
    const RackCounts r = CountRack(rack);
    std::array<std::int32_t, kMostLetterTiles + 1> used{};
    std::vector<Match> matches;
    std::int64_t matched = 0;
    for (std::int32_t i = 0; i < list.WordCount(); ++i) {
        if (std::popcount(list.Mask(i) & ~r.mask) > r.blanks)
            continue;
        const std::span<const TileIndex> word = list.WordTiles(i);
        if (!WithinLimits(word.size(), rack.size(), limits))
            continue;
        std::int32_t fromBlanks = 0;
        std::int64_t score = 0;
        for (const TileIndex t : word) {
            if (++used[t] > r.counts[t])
                ++fromBlanks;
            else
                score += values[t];
        }
        for (const TileIndex t : word)
            used[t] = 0;
        if (fromBlanks > r.blanks)
            continue;
        ++matched;
        if (matches.size() < static_cast<std::size_t>(kFoundWordsCapacity))
            matches.push_back({i, static_cast<std::int32_t>(word.size()), score});
    }

    std::string text;
    for (const Match& m : matches)
        text.append(list.PlayingForm(m.index)).push_back('\n');
    auto forms = std::make_shared<const WordList>(TakeWordList(std::move(text)));
    TileMatches result{{forms, {}, matched}, {}};
    result.found.rows.reserve(matches.size());
    result.listIndex.reserve(matches.size());
    for (std::size_t k = 0; k < matches.size(); ++k) {
        const auto row = static_cast<std::int32_t>(k);
        result.found.rows.push_back({(*forms)[row], row, matches[k].length, matches[k].score});
        result.listIndex.push_back(matches[k].index);
    }
    return result;
}

} // namespace anagrove
