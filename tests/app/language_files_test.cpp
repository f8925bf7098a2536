// A language's files as the window and anagrove-find load them: which alphabet
// a list is read with, and what is said when a file is missing.

#include "app/language_files.h"
#include "word_list/tile_file.h"

#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace anagrove {
namespace {

using testing_support::BinDir;
using testing_support::ScratchDir;

TEST(LanguageFiles, ReadsAListWithTheAlphabetItNamesOrTheOneGiven) {
    // The first line's alphabet wins over the one given; without either, no guess.
    const auto named = ReadLanguageList(BinDir(), "#alphabet es\nllama\n", "ca");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->alphabet->code, "es");
    ASSERT_EQ(named->list->WordCount(), 1);
    EXPECT_EQ(named->list->WordTiles(0).size(), 4u); // LL is one tile
    const auto given = ReadLanguageList(BinDir(), "col\xc2\xb7legi\n", "ca");
    ASSERT_TRUE(given);
    EXPECT_EQ(given->list->WordTiles(0).size(), 6u); // L·L is one tile
    EXPECT_EQ(ReadLanguageList(BinDir(), "llama\n", std::nullopt).error(), "names no alphabet");
    EXPECT_EQ(ReadLanguageList(BinDir(), "#alphabet xx\nllama\n", "es").error(),
              "names the alphabet \"xx\", which is not one of the languages");
}

TEST(LanguageFiles, SaysWhichFileIsMissing) {
    // A program directory without the language's files: the list is named first.
    const ScratchDir empty;
    const auto shipped = LoadShippedLanguage(empty.path.string(), "es");
    ASSERT_FALSE(shipped);
    EXPECT_TRUE(shipped.error().starts_with("cannot read the word list ")) << shipped.error();
    EXPECT_NE(shipped.error().find("es.txt"), std::string::npos);
    std::filesystem::create_directory(empty.path / "languages");
    empty.File("languages/es.txt", "#alphabet es\nola\n");
    const auto noAlphabet = LoadShippedLanguage(empty.path.string(), "es");
    ASSERT_FALSE(noAlphabet);
    EXPECT_TRUE(noAlphabet.error().starts_with("cannot read the alphabet ")) << noAlphabet.error();
    EXPECT_FALSE(LoadAlphabet(empty.path.string(), "es"));
    EXPECT_EQ((*LoadAlphabet(BinDir(), "es"))->name, "Espa\xc3\xb1ol");
}

TEST(LanguageFiles, LoadsTheTilesMadeBesideTheTextAndTheTextWhenTheyDoNotFit) {
    const ScratchDir dir;
    std::filesystem::create_directory(dir.path / "alphabets");
    std::filesystem::create_directory(dir.path / "languages");
    std::filesystem::copy_file(std::filesystem::path(BinDir()) / "alphabets" / "es.txt",
                               dir.path / "alphabets" / "es.txt");
    const auto words = [&dir] {
        const auto files = LoadShippedLanguage(dir.path.string(), "es");
        return files ? files->list->PlayingForm(0) + "," + std::to_string(files->list->WordCount())
                     : files.error();
    };
    dir.File("languages/es.txt", "#alphabet es\nola\n");
    EXPECT_EQ(words(), "ola,1");
    // Tiles of other words show they are read first.
    auto alphabet = *LoadAlphabet(dir.path.string(), "es");
    std::ostringstream tiles;
    ASSERT_TRUE(TileFile::Write(ReadTileWordList("calle\nllama\n", alphabet), tiles));
    dir.File("languages/es.tiles", tiles.str());
    EXPECT_EQ(words(), "calle,2");
    // Tiles made for another alphabet, or damaged, give way to the text.
    std::ostringstream catalan;
    ASSERT_TRUE(
        TileFile::Write(ReadTileWordList("calle\n", *LoadAlphabet(BinDir(), "ca")), catalan));
    dir.File("languages/es.tiles", catalan.str());
    EXPECT_EQ(words(), "ola,1");
    dir.File("languages/es.tiles", tiles.str().substr(0, 90));
    EXPECT_EQ(words(), "ola,1");
}

} // namespace
} // namespace anagrove
