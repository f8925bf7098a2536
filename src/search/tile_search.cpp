#include "search/tile_search.h"

#include <algorithm>
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

// Whether the mask holds more than n tiles: n of them cleared, one is left.
// Quicker than counting them all where the target has no instruction for it.
bool MoreTilesThan(std::uint64_t mask, std::int32_t n) {
    for (std::int32_t k = 0; k < n && mask != 0; ++k)
        mask &= mask - 1;
    return mask != 0;
}

} // namespace

std::optional<std::vector<bool>> TileRackSquares(std::span<const TileIndex> word,
                                                 const TileBoard& board) {
    const std::size_t n = word.size();
    std::vector<bool> rack(n, true);
    if (!board.pattern.empty()) {
        if (n != board.pattern.size())
            return std::nullopt;
        for (std::size_t k = 0; k < n; ++k) {
            if (board.pattern[k] == kBlankTile)
                continue;
            if (word[k] != board.pattern[k])
                return std::nullopt;
            rack[k] = false;
        }
        return rack;
    }
    const std::size_t front = board.starts.size(), back = board.ends.size();
    const std::size_t inner = board.contains.size();
    if (front + inner + back > n || !std::ranges::equal(word.first(front), board.starts) ||
        !std::ranges::equal(word.last(back), board.ends))
        return std::nullopt;
    std::fill_n(rack.begin(), front, false);
    std::fill_n(rack.end() - static_cast<std::ptrdiff_t>(back), back, false);
    if (inner == 0)
        return rack;
    for (std::size_t at = front; at + inner + back <= n; ++at)
        if (std::ranges::equal(word.subspan(at, inner), board.contains)) {
            std::fill_n(rack.begin() + static_cast<std::ptrdiff_t>(at), inner, false);
            return rack;
        }
    return std::nullopt;
}

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
                          const TileValues& values, const TileBoard& board) {
    const RackCounts r = CountRack(rack);
    std::uint64_t boardMask = 0;
    for (const Tiles* tiles : {&board.starts, &board.ends, &board.contains, &board.pattern})
        for (const TileIndex t : *tiles)
            boardMask |= t == kBlankTile ? 0 : std::uint64_t{1} << t;
    std::array<std::int32_t, kMostLetterTiles + 1> used{};
    std::vector<Match> matches;
    std::int64_t matched = 0;
    const std::uint64_t held = r.mask | boardMask;
    for (std::int32_t i = 0; i < list.WordCount(); ++i) {
        const std::uint64_t mask = list.Mask(i);
        const std::uint64_t lacking = mask & ~held; // tiles only blanks can stand for
        if (MoreTilesThan(lacking, r.blanks) || (mask & boardMask) != boardMask)
            continue;
        const std::span<const TileIndex> word = list.WordTiles(i);
        std::optional<std::vector<bool>> squares;
        if (board.Any()) {
            squares = TileRackSquares(word, board);
            if (!squares)
                continue;
            const auto laid = static_cast<std::size_t>(std::ranges::count(*squares, true));
            if (limits.anagram ? laid != rack.size() : !WithinLimits(word.size(), 0, limits))
                continue;
        } else if (!WithinLimits(word.size(), rack.size(), limits)) {
            continue;
        }
        std::int32_t fromBlanks = 0;
        std::int64_t score = 0;
        for (std::size_t k = 0; k < word.size(); ++k) {
            const TileIndex t = word[k];
            if (squares && !(*squares)[k])
                score += values[t];
            else if (++used[t] > r.counts[t])
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
