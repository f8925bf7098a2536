#include "alphabet/shipped_alphabet.h"
#include "word_list/tile_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using anagrove::ReadTileWordList;
using testing_support::ShippedAlphabet;
using testing_support::TileNames;

std::shared_ptr<const anagrove::Alphabet> Shared(const std::string& code) {
    return std::make_shared<const anagrove::Alphabet>(ShippedAlphabet(code));
}

std::string Words(const anagrove::TileWordList& list) {
    std::string words;
    for (std::int32_t i = 0; i < list.WordCount(); ++i)
        words += (i == 0 ? "" : ",") + list.PlayingForm(i);
    return words;
}

TEST(TileWordList, SplitsEachWordOnceAndKeepsItsSpellings) {
    const auto list =
        ReadTileWordList("#alphabet es\ncalle\r\nchorizo\nniño\tNiño\n", Shared("es"));
    ASSERT_EQ(list.WordCount(), 3);
    EXPECT_EQ(TileNames(list.Letters(), {list.WordTiles(0).begin(), list.WordTiles(0).end()}),
              "C A LL E");
    EXPECT_EQ(list.WordTiles(1).size(), 6u); // CH O R I Z O
    EXPECT_EQ(list.PlayingForm(2), "niño");
    EXPECT_EQ(list.Spelling(2), "Niño");
    EXPECT_EQ(list.Spelling(0), "");
    EXPECT_EQ(list.LeftOut().Total(), 0);
    // The mask holds each tile of a word once.
    const auto& es = list.Letters();
    std::uint64_t calle = 0;
    for (const auto t : list.WordTiles(0))
        calle |= std::uint64_t{1} << t;
    EXPECT_EQ(list.Mask(0), calle);
    EXPECT_EQ(std::popcount(list.Mask(0)), 4);
    EXPECT_EQ(es.code, "es");
}

TEST(TileWordList, LeavesOutAndCountsWhatDoesNotSplit) {
    const std::string longWord(64, 'a');
    const std::string text = "kilo\n" // no K in Spanish
                             "ca\xff" // not UTF-8
                             "sa\n" +
                             std::string("ab\0c\n", 5) +      // a NUL byte
                             "\n" + longWord + "\n" +         // an empty line, 64 tiles
                             std::string(63, 'a') + "\ncasa"; // 63 tiles, no last line end
    const auto list = ReadTileWordList(text, Shared("es"));
    EXPECT_EQ(Words(list), std::string(63, 'a') + ",casa");
    EXPECT_EQ(list.LeftOut().notTiles, 3);
    EXPECT_EQ(list.LeftOut().tooLong, 1);
    EXPECT_EQ(list.LeftOut().empty, 1);
    EXPECT_EQ(list.LeftOut().Total(), 5);

    EXPECT_EQ(ReadTileWordList("", Shared("es")).WordCount(), 0);
    EXPECT_EQ(ReadTileWordList("#alphabet es\r\n", Shared("es")).WordCount(), 0);
    // The alphabet's line with no line end is no word left out.
    EXPECT_EQ(ReadTileWordList("#alphabet es", Shared("es")).LeftOut().Total(), 0);
}

TEST(TileWordList, ReadsTheAlphabetLineAndMultiLetterTiles) {
    EXPECT_EQ(anagrove::NamedAlphabet("#alphabet pt-BR\r\nabc\n"), "pt-BR");
    EXPECT_EQ(anagrove::NamedAlphabet("abc\n#alphabet es\n"), std::nullopt);
    const auto ca = ReadTileWordList("col·legi\nnyap\n", Shared("ca"));
    ASSERT_EQ(ca.WordCount(), 2);
    EXPECT_EQ(TileNames(ca.Letters(), {ca.WordTiles(0).begin(), ca.WordTiles(0).end()}),
              "C O L·L E G I");
    EXPECT_EQ(TileNames(ca.Letters(), {ca.WordTiles(1).begin(), ca.WordTiles(1).end()}), "NY A P");
    // Upper case and combining marks split as lower-case composed words do.
    const auto es = ReadTileWordList("CALLE\nnin\xcc\x83o\nNIÑO\n", Shared("es"));
    EXPECT_EQ(Words(es), "calle,niño,niño");
    EXPECT_EQ(es.WordTiles(0).size(), 4u);
    const auto pl = ReadTileWordList("źdźbło\nżółw\n", Shared("pl"));
    EXPECT_EQ(Words(pl), "źdźbło,żółw");
    EXPECT_EQ(pl.WordTiles(0).size(), 6u);
}

// A list read piece by piece, cut at every place (inside a line, a CR LF, a
// UTF-8 character or the alphabet line), holds the words of the whole text.
TEST(TileWordList, ReadsTheSameWordsInPiecesCutAnywhere) {
    const std::string text = "#alphabet ca\r\ncol·legi\tCol·legi\r\n\nnyap\nkilo\nqueixal";
    const auto whole = ReadTileWordList(text, Shared("ca"));
    ASSERT_EQ(Words(whole), "col·legi,nyap,queixal");
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        for (std::size_t second = cut; second <= text.size(); second += 3) {
            anagrove::TileListReader reader(Shared("ca"));
            reader.Read(std::string_view(text).substr(0, cut));
            reader.Read(std::string_view(text).substr(cut, second - cut));
            reader.Read(std::string_view(text).substr(second));
            const auto list = reader.Finish();
            const std::string where =
                "cut at " + std::to_string(cut) + ", " + std::to_string(second);
            EXPECT_EQ(Words(list), Words(whole)) << where;
            EXPECT_EQ(list.Spelling(0), "Col·legi") << where;
            EXPECT_EQ(list.LeftOut().notTiles, 1) << where;
            EXPECT_EQ(list.LeftOut().empty, 1) << where;
        }
    }
    // Without the alphabet line, the first line is a word like any other.
    anagrove::TileListReader reader(Shared("ca"));
    reader.Read("ny");
    EXPECT_EQ(reader.WordCount(), 0);
    reader.Read("ap\n");
    EXPECT_EQ(reader.WordCount(), 1);
    EXPECT_EQ(Words(reader.Finish()), "nyap");
}

} // namespace
