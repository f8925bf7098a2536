// Any bytes read as a word-list file in an alphabet with multi-letter tiles,
// aliases and folds: every line is a word kept or a word counted as left out,
// and each kept word holds 1 to 63 letter tiles, its mask, and splits back
// from its playing form into the same tiles. Its tile file gives it back, and
// the same bytes read as a tile file are refused or hold only letter tiles.

#include "alphabet/alphabet_file.h"
#include "alphabet/tile_split.h"
#include "mixed_alphabet.h"
#include "word_list/tile_file.h"
#include "word_list/tile_list.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

namespace {

// The text after its first line.
std::string_view AfterFirstLine(std::string_view text) {
    const std::size_t end = text.find('\n');
    return end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
}

// The lines of the file after its "#alphabet" line, if any.
std::int64_t CountLines(std::string_view text) {
    if (anagrove::NamedAlphabet(text))
        text = AfterFirstLine(text);
    std::int64_t lines = 0;
    for (; !text.empty(); text = AfterFirstLine(text))
        ++lines;
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    static const auto alphabet =
        std::make_shared<const Alphabet>(*ReadAlphabet(anagrove::fuzz::kMixedAlphabet));
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TileWordList list = ReadTileWordList(text, alphabet);
    if (list.WordCount() + list.LeftOut().Total() != CountLines(text))
        std::abort();
    for (std::int32_t i = 0; i < list.WordCount(); ++i) {
        const auto tiles = list.WordTiles(i);
        std::uint64_t mask = 0;
        for (const TileIndex t : tiles)
            mask |= t == kBlankTile || t >= alphabet->tiles.size() ? ~std::uint64_t{0}
                                                                   : std::uint64_t{1} << t;
        if (tiles.empty() || tiles.size() > kMostWordTiles || mask != list.Mask(i))
            std::abort();
        const auto again = SplitWord(*alphabet, list.PlayingForm(i));
        if (!again || !std::ranges::equal(*again, tiles))
            std::abort();
    }
    std::stringstream file;
    if (!TileFile::Write(list, file))
        std::abort();
    const std::uint64_t fileBytes = file.str().size();
    const auto back = TileFile::Read(file, fileBytes, alphabet);
    if (!back || back->WordCount() != list.WordCount() ||
        back->LeftOut().Total() != list.LeftOut().Total())
        std::abort();
    for (std::int32_t i = 0; i < list.WordCount(); ++i)
        if (!std::ranges::equal(back->WordTiles(i), list.WordTiles(i)) ||
            back->Mask(i) != list.Mask(i) || back->Spelling(i) != list.Spelling(i))
            std::abort();
    std::istringstream raw{std::string(text)};
    if (const auto read = TileFile::Read(raw, size, alphabet))
        for (std::int32_t i = 0; i < read->WordCount(); ++i)
            for (const TileIndex t : read->WordTiles(i))
                if (t == kBlankTile || t >= alphabet->tiles.size())
                    std::abort();
    return 0;
}
