#include "alphabet/rack.h"

#include "alphabet/tile_split.h"
#include "alphabet/utf8.h"

namespace anagrove {

Expected<Tiles, TextFault> ReadRack(const Alphabet& alphabet, std::string_view utf8) {
    auto text = ReadTypedText(alphabet, utf8);
    if (!text)
        return Failure{text.error()};
    const std::u32string_view typed = text->typed, lowered = text->lowered;
    Tiles tiles;
    for (std::size_t at = 0; at < lowered.size();) {
        if (lowered[at] == U'*') {
            tiles.push_back(kBlankTile);
            ++at;
        } else if (lowered[at] == U'[') {
            const std::size_t close = lowered.find(U']', at);
            if (close == std::u32string_view::npos)
                return Failure{
                    TextFault{TileFault::bracketNotClosed, EncodeUtf8(typed.substr(at))}};
            const TypedForm* form = FindForm(alphabet, lowered.substr(at + 1, close - at - 1));
            if (!form || form->tiles.size() != 1)
                return Failure{TextFault{TileFault::notATileInBrackets,
                                         EncodeUtf8(typed.substr(at, close + 1 - at))}};
            tiles.push_back(form->tiles.front());
            at = close + 1;
        } else if (const TypedForm* form = LongestForm(alphabet, lowered.substr(at), false)) {
            tiles.insert(tiles.end(), form->tiles.begin(), form->tiles.end());
            at += form->text.size();
        } else {
            return Failure{TextFault{TileFault::notATile, EncodeUtf8(typed.substr(at, 1))}};
        }
    }
    return tiles;
}

} // namespace anagrove
