// Number texts, the settings file, the lookup addresses and the launcher's messages.

#include "app/number_text.h"
#include "app/settings.h"
#include "lookup/lookup_address.h"
#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using namespace anagrove;
namespace fs = std::filesystem;

TEST(NumberTexts, CountsCanonicalValuesAndWholeNumbers) {
    EXPECT_EQ(CountText(12), " 12");
    EXPECT_EQ(CountText(0), " 0");
    EXPECT_EQ(CountText(-3), "-3");
    const std::pair<const char*, std::optional<std::string>> canonical[] = {
        {"5", " 5"}, {"07", " 7"}, {"2.50", " 2.5"}, {"-3", "-3"}, {" 4 ", " 4"}, {"-0", " 0"},
        {"", {}},    {"abc", {}},  {"1,5", {}},      {"5x", {}},   {"inf", {}},   {"nan", {}},
    };
    for (const auto& [text, expected] : canonical)
        EXPECT_EQ(CanonicalNumberText(text), expected) << '"' << text << '"';
    const std::pair<const char*, std::optional<std::int32_t>> whole[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-1.5", -2},
        {"-2.5", -2},
        {"0.5", 0},
        {"2.51", 3},
        {" 7 ", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", {}},
        {"-2147483649", {}},
        {"seven", {}},
    };
    for (const auto& [text, expected] : whole)
        EXPECT_EQ(ParseWholeNumber(text), expected) << '"' << text << '"';
}

// The written line of the given fields, the others as they are initially.
std::string Line(std::vector<std::string> fields) {
    const char* initial[] = {"alpha", "2", "8", "1", "1", "standard", "true", "scrabble"};
    for (std::size_t f = fields.size(); f < 34; ++f)
        fields.push_back(f < 8 ? initial[f] : "");
    std::string line;
    for (const auto& field : fields)
        line += (line.empty() ? "\"" : ",\"") + field + "\"";
    return line + "\r\n";
}

TEST(SettingsFile, ReadsTheFieldsItCanAndKeepsTheRest) {
    const std::string example =
        Line({"score", "2", "8", "1", "1", "extended", "false", "custom", "", "", " 5"});
    EXPECT_TRUE(example.starts_with("\"score\",\"2\",\"8\",\"1\",\"1\",\"extended\","));
    const std::pair<std::string, std::string> rows[] = {
        {example, example},
        {"\"a,b\",  \"3\" ,plain text  ,,\"x\",\"no end", // quoted, unquoted, unterminated
         Line({"a,b", "3", "plain text", "", "x", "no end"})},
        {"\"length\",\"4\"\r\n", Line({"length", "4"})}, // short
        {"", Line({})},
        {"\r\n", Line({})},
    };
    for (const auto& [text, line] : rows)
        EXPECT_EQ(FormatSettings(ParseSettings(text)), line) << text;

    std::mt19937 rng(5); // binary garbage never fails
    for (int n = 0; n < 200; ++n) {
        std::string garbage(rng() % 300, '\0');
        for (char& c : garbage)
            c = static_cast<char>(rng() % 4 == 0 ? "\",\r\n "[rng() % 5] : rng() % 256);
        (void)ParseSettings(garbage);
    }
}

// Field f of the 34, in file order.
std::string& FieldOf(Settings& s, std::size_t f) {
    std::string* options[] = {&s.SortSetting,      &s.MinLettersSetting, &s.MaxLettersSetting,
                              &s.NomaxSetting,     &s.AnagramSetting,    &s.DictionarySetting,
                              &s.UsepointsSetting, &s.PointsSetting};
    return f < 8 ? *options[f] : s.customPoints[f - 8];
}

TEST(SettingsFile, WrittenLineReadsBackFieldForField) {
    std::mt19937 rng(11);
    for (int n = 0; n < 300; ++n) {
        Settings settings, cleaned;
        for (std::size_t f = 0; f < 34; ++f) {
            FieldOf(settings, f).clear();
            FieldOf(cleaned, f).clear();
            for (std::size_t k = rng() % 6; k > 0; --k) {
                const char c = rng() % 2 ? "\", \r\n5-.a"[rng() % 10] : static_cast<char>(rng());
                FieldOf(settings, f) += c;
                if (c != '"' && c != '\r' && c != '\n') // dropped on writing
                    FieldOf(cleaned, f) += c;
            }
        }
        const std::string line = FormatSettings(settings);
        ASSERT_EQ(ParseSettings(line), cleaned) << line;
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
    const WriteResult written = WriteSettings(path, settings);
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_EQ(testing_support::FileBytes(path), FormatSettings(settings));
    EXPECT_EQ(ReadSettings(path), settings);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "a temporary file was left behind";

    std::ofstream(dir / "plain-file") << "x"; // the tests run as root: only paths fail
    for (const fs::path& bad :
         {dir / "missing" / kSettingsFileName, dir / "plain-file" / kSettingsFileName, dir}) {
        const WriteResult failed = WriteSettings(bad.string(), settings);
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
        {"quiz", {}}, // no blank: nothing to look up
        {"", {}},
        {" 0", {}},
    };
    for (const auto& [item, word] : rows)
        EXPECT_EQ(LookupAddress(prefix, item), word ? std::optional(prefix + *word) : std::nullopt)
            << item;
}

TEST(Lookup, LauncherFailureTexts) {
    EXPECT_EQ(BrowserProblemText(2), "Anagrove had a problem running your web browser.You should "
                                     "check that your browser is correctly installed.(Error2)");
    const std::string document = "http://example.invalid/search?q=quiz";
    EXPECT_EQ(AssociationText(document),
              "Anagrove could not find a file association for " + document +
                  " on your system. You should check that your browseris correctly installed and "
                  "associated with this type of file.");
}

} // namespace
