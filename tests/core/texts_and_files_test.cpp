// Number texts, the settings file and the lookup addresses and messages.

#include "app/number_text.h"
#include "app/settings.h"
#include "lookup/lookup_address.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

using namespace anagrove;
namespace fs = std::filesystem;

TEST(NumberTexts, CountsAndCanonicalValues) {
    EXPECT_EQ(CountText(12), " 12");
    EXPECT_EQ(CountText(0), " 0");
    EXPECT_EQ(CountText(-3), "-3");
    EXPECT_EQ(CountText(8589934588), " 8589934588");
    const std::pair<const char*, std::optional<std::string>> canonical[] = {
        {"5", " 5"},  {"07", " 7"}, {"2.50", " 2.5"}, {"-3", "-3"}, {" 4 ", " 4"},
        {"-0", " 0"}, {"+6", " 6"}, {"1e3", " 1000"}, {"", {}},     {"abc", {}},
        {"1,5", {}},  {"5x", {}},   {"inf", {}},      {"nan", {}},  {"-", {}},
    };
    for (const auto& [text, expected] : canonical)
        EXPECT_EQ(CanonicalNumberText(text), expected) << '"' << text << '"';
}

TEST(NumberTexts, WholeNumbersRoundHalvesToEven) {
    const std::pair<const char*, std::optional<std::int32_t>> rows[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-1.5", -2},
        {"-2.5", -2},
        {"0.5", 0},
        {"2.51", 3},
        {" 7 ", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", {}},
        {"-2147483649", {}},
        {"1e300", {}},
        {"seven", {}},
        {"", {}},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ParseWholeNumber(text), expected) << '"' << text << '"';
}

TEST(NumberTexts, LimitBoxesMustHoldNumbersOnlyWhenInPlay) {
    const struct {
        const char* name;
        SearchRequest request;
        bool accepted;
    } rows[] = {
        {"fractions", {"tea", "2.5", "4.5"}, true},
        {"minimum_not_a_number", {"tea", "abc", "8"}, false},
        {"empty_maximum", {"tea", "2", ""}, false},
        {"no_maximum_ignores_its_box", {"tea", "2", "", true}, true},
        {"anagram_ignores_both", {"tea", "x", "y", false, true}, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::holds_alternative<SearchLimits>(ReadSearchLimits(row.request)), row.accepted)
            << row.name;
}

std::string CleanedOf(std::string text) {
    std::erase_if(text, [](char c) { return c == '"' || c == '\r' || c == '\n'; });
    return text;
}

TEST(SettingsFile, ReadsTheFieldsItCanAndKeepsTheRest) {
    std::string custom;
    for (int i = 0; i < 26; ++i)
        custom += i == 2 ? ",\" 5\"" : ",\"\"";
    const Settings initial;
    Settings example = ParseSettings("\"score\",\"2\",\"8\",\"1\",\"1\",\"extended\",\"false\","
                                     "\"custom\"" +
                                     custom + "\r\n");
    EXPECT_EQ(example.SortSetting, "score");
    EXPECT_EQ(example.DictionarySetting, "extended");
    EXPECT_EQ(example.UsepointsSetting, "false");
    EXPECT_EQ(example.PointsSetting, "custom");
    EXPECT_EQ(example.customPoints[2], " 5");
    EXPECT_EQ(example.customPoints[25], "");

    Settings quoted = ParseSettings("\"a,b\",  \"3\" ,plain text  ,,\"x\"y,\"no end");
    EXPECT_EQ(quoted.SortSetting, "a,b");
    EXPECT_EQ(quoted.MinLettersSetting, "3");
    EXPECT_EQ(quoted.MaxLettersSetting, "plain text");
    EXPECT_EQ(quoted.NomaxSetting, "");
    EXPECT_EQ(quoted.AnagramSetting, "x");
    EXPECT_EQ(quoted.DictionarySetting, "no end");
    EXPECT_EQ(quoted.UsepointsSetting, initial.UsepointsSetting);

    for (std::string_view text :
         {std::string_view(""), std::string_view("\r\n"), std::string_view("\x00\xff\x01\"", 4)}) {
        Settings read = ParseSettings(text);
        EXPECT_EQ(read.MinLettersSetting, initial.MinLettersSetting);
        EXPECT_EQ(read.customPoints, initial.customPoints);
    }
    Settings shortLine = ParseSettings("\"length\",\"4\"\r\n");
    EXPECT_EQ(shortLine.SortSetting, "length");
    EXPECT_EQ(shortLine.MinLettersSetting, "4");
    EXPECT_EQ(shortLine.MaxLettersSetting, "8");
    EXPECT_EQ(shortLine.PointsSetting, "scrabble");

    std::mt19937 rng(5); // binary garbage never fails
    for (int n = 0; n < 200; ++n) {
        std::string garbage(static_cast<std::size_t>(rng() % 300), '\0');
        for (char& c : garbage)
            c = static_cast<char>(rng() % 4 == 0 ? "\",\r\n "[rng() % 5] : rng() % 256);
        (void)ParseSettings(garbage);
    }
}

TEST(SettingsFile, WrittenLineReadsBackFieldForField) {
    const Settings initial;
    std::string expected = "\"alpha\",\"2\",\"8\",\"1\",\"1\",\"standard\",\"true\",\"scrabble\"";
    for (int i = 0; i < 26; ++i)
        expected += ",\"\"";
    EXPECT_EQ(FormatSettings(initial), expected + "\r\n");

    std::mt19937 rng(11);
    for (int n = 0; n < 300; ++n) {
        Settings settings;
        std::vector<std::string*> fields = {
            &settings.SortSetting,      &settings.MinLettersSetting, &settings.MaxLettersSetting,
            &settings.NomaxSetting,     &settings.AnagramSetting,    &settings.DictionarySetting,
            &settings.UsepointsSetting, &settings.PointsSetting};
        for (auto& value : settings.customPoints)
            fields.push_back(&value);
        Settings cleaned;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            std::string text(rng() % 6, ' ');
            for (char& c : text)
                c = rng() % 2 ? "\", \r\n5-.a"[rng() % 10] : static_cast<char>(rng() % 256);
            *fields[f] = text;
        }
        const std::string line = FormatSettings(settings);
        Settings read = ParseSettings(line);
        for (std::size_t f = 0; f < fields.size(); ++f)
            *fields[f] = CleanedOf(*fields[f]);
        ASSERT_EQ(read, settings) << line;
        ASSERT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    }
}

TEST(SettingsFile, WriteReplacesTheFileOrReportsWhyNot) {
    char pattern[] = "/tmp/anagrove-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path dir = pattern;
    const std::string path = (dir / kSettingsFileName).string();
    std::ofstream(path) << std::string(5000, 'x'); // an older, longer file

    Settings settings;
    settings.SortSetting = "length";
    settings.customPoints[25] = "-3";
    WriteResult written = WriteSettings(path, settings);
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_EQ(testing_support::FileBytes(path), FormatSettings(settings));
    EXPECT_EQ(ReadSettings(path), settings);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "a temporary file was left behind";

    std::ofstream(dir / "plain-file") << "x";
    for (const fs::path& bad :
         {dir / "missing" / kSettingsFileName, dir / "plain-file" / kSettingsFileName, dir}) {
        WriteResult failed = WriteSettings(bad.string(), settings);
        EXPECT_FALSE(failed.ok) << bad;
        EXPECT_FALSE(failed.error.empty()) << bad;
    }
    EXPECT_EQ(ReadSettings((dir / "missing.dat").string()), Settings{});
    fs::remove_all(dir);
}

TEST(Lookup, AddressIsThePrefixAndTheWordBeforeTheFirstBlank) {
    const std::string prefix = kDictionaryAddress;
    EXPECT_TRUE(prefix.ends_with("/search?q="));
    EXPECT_TRUE(std::string(kThesaurusAddress).ends_with("/search?q="));
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"quiz 22", "quiz"},
        {"quiz ", "quiz"},
        {"quiz (22)", "quiz"},
        {"o'er -3", "o'er"},
        {"a#b%c&d 3", "a%23b%25c%26d"},
        {"why?+ 1", "why%3F%2B"},
        {"a\tb 1", "a%09b"},
        {"caf\xe9 5", "caf%E9"},
        {"\xff ", "%FF"},
        {"quiz", {}},
        {"", {}},
        {" 0", {}},
    };
    for (const auto& [item, word] : rows) {
        auto address = LookupAddress(prefix, item);
        EXPECT_EQ(address, word ? std::optional(prefix + *word) : std::nullopt) << item;
    }
}

TEST(Lookup, LauncherFailureTexts) {
    EXPECT_EQ(BrowserProblemText(2), "Anagrove had a problem running your web browser.You should "
                                     "check that your browser is correctly installed.(Error2)");
    const std::string document = "https://example.invalid/search?q=quiz";
    EXPECT_EQ(AssociationText(document),
              "Anagrove could not find a file association for " + document +
                  " on your system. You should check that your browseris correctly installed and "
                  "associated with this type of file.");
}

} // namespace
