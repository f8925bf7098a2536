#include "word_list/tile_list.h"

#include "alphabet/tile_split.h"

#include <algorithm>

namespace anagrove {

namespace {

constexpr std::string_view kAlphabetLine = "#alphabet ";

std::string_view FirstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string TileWordList::PlayingForm(std::int32_t i) const {
    std::string text;
    for (const TileIndex t : WordTiles(i))
        text += alphabet_->tiles[t].lower;
    return text;
}

std::string_view TileWordList::Spelling(std::int32_t i) const {
    const auto at =
        std::ranges::lower_bound(spellings_, i, {}, &decltype(spellings_)::value_type::first);
    return at != spellings_.end() && at->first == i ? std::string_view(at->second)
                                                    : std::string_view();
}

std::optional<std::string> NamedAlphabet(std::string_view fileText) {
    const std::string_view line = FirstLine(fileText);
    if (!line.starts_with(kAlphabetLine))
        return std::nullopt;
    return std::string(line.substr(kAlphabetLine.size()));
}

TileWordList ReadTileWordList(std::string_view fileText, std::shared_ptr<const Alphabet> alphabet) {
    TileWordList list;
    list.alphabet_ = std::move(alphabet);
    std::string_view rest = fileText;
    if (NamedAlphabet(fileText))
        rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
    std::string previous;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = FirstLine(rest);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::size_t tab = line.find('\t');
        const std::string_view playing = line.substr(0, tab);
        if (playing.empty()) {
            ++list.leftOut_.empty;
            continue;
        }
        auto tiles = SplitWord(*list.alphabet_, playing);
        if (!tiles || tiles->empty() || std::ranges::count(*tiles, kBlankTile) > 0) {
            ++list.leftOut_.notTiles;
            continue;
        }
        if (tiles->size() > kMostWordTiles) {
            ++list.leftOut_.tooLong;
            continue;
        }
        std::uint64_t mask = 0;
        for (const TileIndex t : *tiles)
            mask |= std::uint64_t{1} << t;
        const auto index = list.WordCount();
        if (tab != std::string_view::npos)
            list.spellings_.emplace_back(index, std::string(line.substr(tab + 1)));
        list.tiles_.insert(list.tiles_.end(), tiles->begin(), tiles->end());
        list.starts_.push_back(static_cast<std::uint32_t>(list.tiles_.size()));
        list.masks_.push_back(mask);
        std::string form = list.PlayingForm(index);
        list.inByteOrder_ = list.inByteOrder_ && !(form < previous);
        previous = std::move(form);
    }
    list.tiles_.shrink_to_fit();
    list.starts_.shrink_to_fit();
    list.masks_.shrink_to_fit();
    return list;
}

} // namespace anagrove
