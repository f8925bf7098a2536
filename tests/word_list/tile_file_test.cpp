// A list's tile file: the same words come back, and a file that was made for
// other tiles, cut short or damaged is not read.

#include "alphabet/shipped_alphabet.h"
#include "word_list/tile_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using anagrove::TileFile;
using anagrove::TileWordList;
using testing_support::ScratchDir;
using testing_support::ShippedAlphabet;

std::shared_ptr<const anagrove::Alphabet> Shared(const std::string& code) {
    return std::make_shared<const anagrove::Alphabet>(ShippedAlphabet(code));
}

std::string Bytes(const TileWordList& list) {
    std::ostringstream out;
    EXPECT_TRUE(TileFile::Write(list, out));
    return out.str();
}

// Everything a search or a listing reads of a list, word by word.
std::string Described(const TileWordList& list) {
    std::string text;
    for (std::int32_t i = 0; i < list.WordCount(); ++i)
        text += list.PlayingForm(i) + "|" + std::to_string(list.Mask(i)) + "|" +
                std::to_string(list.WordTiles(i).size()) + "|" + std::string(list.Spelling(i)) +
                "\n";
    const auto& left = list.LeftOut();
    return text + std::to_string(left.notTiles) + " " + std::to_string(left.tooLong) + " " +
           std::to_string(left.empty);
}

TEST(TileFile, GivesBackTheWordsTheirTilesSpellingsAndWhatWasLeftOut) {
    const auto list = anagrove::ReadTileWordList(
        "#alphabet es\ncalle\n\nchorizo\nkilo\nni\xc3\xb1o\tNi\xc3\xb1o\tNI\xc3\x91O\nrr\n",
        Shared("es"));
    const ScratchDir dir;
    const auto read = TileFile::Read(dir.File("es.tiles", Bytes(list)), Shared("es"));
    ASSERT_TRUE(read);
    EXPECT_EQ(Described(*read), Described(list));
    EXPECT_EQ(read->Spelling(2), "Ni\xc3\xb1o\tNI\xc3\x91O");
    EXPECT_EQ(read->LeftOut().notTiles, 1); // kilo: Spanish has no K
    // An empty list too.
    const auto empty = anagrove::ReadTileWordList("", Shared("es"));
    EXPECT_TRUE(TileFile::Read(dir.File("empty.tiles", Bytes(empty)), Shared("es")));
}

TEST(TileFile, RefusesOtherTilesAndDamagedFiles) {
    const auto list =
        anagrove::ReadTileWordList("calle\nchorizo\nni\xc3\xb1o\tNi\xc3\xb1o\n", Shared("es"));
    const std::string good = Bytes(list);
    const ScratchDir dir;
    const auto read = [&dir](std::string bytes) {
        return TileFile::Read(dir.File("x.tiles", bytes), Shared("es")).has_value();
    };
    ASSERT_TRUE(read(good));
    EXPECT_FALSE(TileFile::Read(dir.File("ca.tiles", good), Shared("ca")));
    EXPECT_FALSE(TileFile::Read((dir.path / "missing.tiles").string(), Shared("es")));
    EXPECT_FALSE(read(good.substr(0, good.size() - 1)));
    EXPECT_FALSE(read(good + "x"));
    EXPECT_FALSE(read(""));
    // The header (80 bytes), then the lengths (3), the masks (24), the tiles.
    const std::size_t lengths = 80, tiles = lengths + 3 + 24;
    for (const auto& [at, byte] : std::initializer_list<std::pair<std::size_t, char>>{
             {0, 'X'},         // the magic
             {lengths, 0},     // a word of no tiles
             {lengths, 64},    // longer than any word may be
             {lengths + 1, 7}, // the lengths no longer add up
             {tiles, 0},       // a blank inside a word
             {tiles + 3, 64},  // past the alphabet's tiles
             {tiles + 4, static_cast<char>(ShippedAlphabet("es").tiles.size())},
             {tiles + 5, static_cast<char>(200)}}) {
        std::string bad = good;
        bad[at] = byte;
        EXPECT_FALSE(read(bad)) << "byte " << at << " set to " << int(byte);
    }
    // The spelled word's index past the list.
    std::string bad = good;
    bad[tiles + list.WordTiles(0).size() + list.WordTiles(1).size() + list.WordTiles(2).size()] = 9;
    EXPECT_FALSE(read(bad));
}

} // namespace
