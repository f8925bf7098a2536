// Any bytes split as a word, or read as a rack, of an alphabet with
// multi-letter tiles, aliases and folds: the tiles are those of the plain
// longest match (every form tried at every place), and the word the tiles
// spell splits into the same tiles again.

#include "alphabet/alphabet_file.h"
#include "alphabet/rack.h"
#include "alphabet/tile_split.h"
#include "mixed_alphabet.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The plain longest match: every form tried at every place.
bool PlainSplit(const anagrove::Alphabet& alphabet, std::u32string_view text,
                anagrove::Tiles& tiles) {
    for (std::size_t at = 0; at < text.size();) {
        const anagrove::TypedForm* longest = nullptr;
        for (const anagrove::TypedForm& form : alphabet.forms)
            if (text.substr(at).starts_with(form.text) &&
                (!longest || form.text.size() > longest->text.size()))
                longest = &form;
        if (!longest)
            return false;
        tiles.insert(tiles.end(), longest->tiles.begin(), longest->tiles.end());
        at += longest->text.size();
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    static const Alphabet alphabet = *ReadAlphabet(anagrove::fuzz::kMixedAlphabet);
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto tiles = SplitWord(alphabet, text);
    const auto typed = ReadTypedText(alphabet, text);
    if (tiles.ok() && !typed.ok())
        std::abort();
    if (typed) {
        Tiles plain;
        if (PlainSplit(alphabet, typed->lowered, plain) != tiles.ok() || (tiles && *tiles != plain))
            std::abort();
    }
    if (tiles) {
        const auto again = SplitWord(alphabet, TileText(alphabet, *tiles));
        if (!again || *again != *tiles)
            std::abort();
    }

    const auto rack = ReadRack(alphabet, text);
    if (rack) {
        for (const TileIndex t : *rack)
            if (t >= alphabet.tiles.size())
                std::abort();
    } else if (rack.error().kind == TileFault::notUtf8 && typed) {
        std::abort();
    }
    return 0;
}
