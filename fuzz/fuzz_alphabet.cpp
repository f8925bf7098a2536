// Any bytes read as an alphabet file give an alphabet or a message, never a
// crash; an alphabet that reads has at most 63 letters, forms in order that
// stand for tiles it has, and each tile's own text splits into that tile.

#include "alphabet/alphabet_file.h"
#include "alphabet/rack.h"
#include "alphabet/tile_split.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto alphabet = ReadAlphabet(text);
    if (!alphabet) {
        if (alphabet.error().empty())
            std::abort();
        return 0;
    }
    if (alphabet->tiles.size() < 2 || alphabet->tiles.size() > kMostLetterTiles + 1)
        std::abort();
    for (std::size_t f = 0; f < alphabet->forms.size(); ++f) {
        const TypedForm& form = alphabet->forms[f];
        if (form.text.empty() || form.text.size() > alphabet->longestForm || form.tiles.empty() ||
            (f > 0 && alphabet->forms[f - 1].text >= form.text))
            std::abort();
        if (std::ranges::any_of(form.tiles, [&](TileIndex t) {
                return t == kBlankTile || t >= alphabet->tiles.size();
            }))
            std::abort();
    }
    for (std::size_t t = 1; t < alphabet->tiles.size(); ++t) {
        const Tile& tile = alphabet->tiles[t];
        for (const std::string& typed : {tile.lower, tile.upper}) {
            const auto tiles = SplitWord(*alphabet, typed);
            if (!tiles || *tiles != Tiles{static_cast<TileIndex>(t)})
                std::abort();
        }
        const auto bracketed = ReadRack(*alphabet, "[" + tile.upper + "]*");
        if (!bracketed || *bracketed != Tiles{static_cast<TileIndex>(t), kBlankTile})
            std::abort();
    }
    return 0;
}
