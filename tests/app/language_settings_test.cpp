// The side file of the window's languages: what it keeps, what it passes
// over, and that it reads back what it wrote.

#include "app/language_settings.h"

#include <gtest/gtest.h>

namespace {

using namespace anagrove;

TEST(LanguageSettings, ReadsBackWhatItWrote) {
    LanguageSettings s;
    s.language = "pl";
    s.listFile = "/home/ala/Moje listy/klub 2026.txt";
    s.customValues["es"] = {"", "1", "3", "0", "999"};
    s.customValues["pl"] = {"", "7"};
    const std::string text = FormatLanguageSettings(s);
    EXPECT_EQ(text, "language pl\nlist /home/ala/Moje listy/klub 2026.txt\n"
                    "custom es 1 3 0 999\ncustom pl 7\n");
    EXPECT_EQ(ParseLanguageSettings(text), s);
    EXPECT_TRUE(ParseLanguageSettings("").IsInitial());
    EXPECT_TRUE(ParseLanguageSettings(FormatLanguageSettings({})).IsInitial());
}

// A file written by a later version, or by hand, spoils nothing that is known.
TEST(LanguageSettings, PassesOverWhatItDoesNotKnow) {
    const LanguageSettings s = ParseLanguageSettings(
        "colour blue\r\nlanguage xx\r\nlanguage es\r\ncustom xx 1 2\r\ncustom en 1 2\r\n"
        "custom ca 4  5\r\nlist\r\n");
    EXPECT_EQ(s.language, "es");
    EXPECT_FALSE(s.listFile);
    ASSERT_EQ(s.customValues.size(), 1u);
    // Two blanks in a row keep the tile's place: an empty value, refused when applied.
    EXPECT_EQ(s.customValues.at("ca"), (std::vector<std::string>{"", "4", "", "5"}));
}

// Values and paths are written so that each line reads back whole.
TEST(LanguageSettings, BlanksAndLineBreaksCannotSplitALine) {
    LanguageSettings s;
    s.listFile = "/tmp/a\nlanguage pl";
    s.customValues["es"] = {"", " 1 2", "3\r\n"};
    const LanguageSettings back = ParseLanguageSettings(FormatLanguageSettings(s));
    EXPECT_EQ(back.language, "en");
    EXPECT_EQ(back.listFile, "/tmp/alanguage pl");
    EXPECT_EQ(back.customValues.at("es"), (std::vector<std::string>{"", "12", "3"}));
}

TEST(LanguageSettings, LiesBesideTheSettingsFile) {
    EXPECT_EQ(LanguageSettingsPath("/home/ala/.config/anagrove/data.dat"),
              "/home/ala/.config/anagrove/languages.dat");
    EXPECT_EQ(LanguageSettingsPath("C:\\Anagrove\\data.dat"), "C:\\Anagrove\\languages.dat");
    EXPECT_EQ(LanguageSettingsPath("data.dat"), "languages.dat");
}

} // namespace
