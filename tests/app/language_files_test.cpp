// A language's files as the window and anagrove-find load them: which alphabet
// a list is read with, and what is said when a file is missing.

#include "app/language_files.h"

#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>

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

} // namespace
} // namespace anagrove
