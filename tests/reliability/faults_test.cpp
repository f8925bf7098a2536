// Bad input, faults and hostile files: nothing crashes, hangs or is lost.

#include "app/number_text.h"
#include "app/settings.h"
#include "lookup/lookup_address.h"
#include "points/custom_points.h"
#include "search/letter_score.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace anagrove;
using testing_support::FileBytes;
using testing_support::ScratchDir;
using namespace std::literals;

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

// The quoted fields "1" to "n" and the fields that read from them.
std::pair<std::string, std::vector<std::string>> Numbered(int n) {
    std::string text;
    std::vector<std::string> read;
    for (int f = 1; f <= n; ++f) {
        text += (f > 1 ? ",\"" : "\"") + std::to_string(f) + "\"";
        if (f <= 34)
            read.push_back(std::to_string(f));
    }
    return {text + "\r\n", read};
}

TEST(SettingsText, ReadsTheFieldsItCanAndKeepsTheRest) {
    const std::string big(10 << 20, 'x');
    const std::pair<const char*, std::pair<std::string, std::vector<std::string>>> rows[] = {
        {"empty", {"", {}}},
        {"line_end_only", {"\r\n", {}}},
        {"one_field", {"\"score\"", {"score"}}},
        {"thirty_three_fields", Numbered(33)},
        {"thirty_five_fields", Numbered(35)},
        {"unquoted_and_unbalanced",
         {"\"a,b\",  \"3\" ,plain text  ,,\"x\",\"no end",
          {"a,b", "3", "plain text", "", "x", "no end"}}},
        {"quote_inside_a_field", {"\"a\"b\"c\",d", {"a", "d"}}},
        {"non_latin1_and_nul_bytes",
         {"\"\xe2\x82\xac\",\"\xff\0\x01\""s, {"\xe2\x82\xac", "\xff\0\x01"s}}},
        {"ten_megabyte_line", {big, {big}}},
        {"ten_megabyte_quote_never_closed", {"\"" + big, {big}}},
    };
    for (const auto& [name, row] : rows)
        EXPECT_EQ(FormatSettings(ParseSettings(row.first)), Line(row.second)) << name;

    std::mt19937 rng(5); // binary garbage: no failure, and one line written
    for (int n = 0; n < 200; ++n) {
        std::string garbage(rng() % 300, '\0');
        for (char& c : garbage)
            c = static_cast<char>(rng() % 4 == 0 ? "\",\r\n "[rng() % 5] : rng() % 256);
        const std::string line = FormatSettings(ParseSettings(garbage));
        ASSERT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << garbage;
        ASSERT_EQ(ParseSettings(line), ParseSettings(FormatSettings(ParseSettings(line))));
    }
}

// Field f of the 34, in file order.
std::string& FieldOf(Settings& s, std::size_t f) {
    std::string* options[] = {&s.SortSetting,      &s.MinLettersSetting, &s.MaxLettersSetting,
                              &s.NomaxSetting,     &s.AnagramSetting,    &s.DictionarySetting,
                              &s.UsepointsSetting, &s.PointsSetting};
    return f < 8 ? *options[f] : s.customPoints[f - 8];
}

// Whatever the boxes held, quotes, commas and line breaks included, the line
// reads back field for field, less the quotes and line breaks.
TEST(SettingsText, WrittenLineReadsBackFieldForField) {
    std::mt19937 rng(11);
    for (int n = 0; n < 300; ++n) {
        Settings settings, cleaned;
        for (std::size_t f = 0; f < 34; ++f) {
            FieldOf(settings, f).clear();
            FieldOf(cleaned, f).clear();
            for (std::size_t k = rng() % 6; k > 0; --k) {
                const char c = rng() % 2 ? "\", \r\n5-.a"[rng() % 10] : static_cast<char>(rng());
                FieldOf(settings, f) += c;
                if (c != '"' && c != '\r' && c != '\n')
                    FieldOf(cleaned, f) += c;
            }
        }
        ASSERT_EQ(ParseSettings(FormatSettings(settings)), cleaned) << FormatSettings(settings);
    }
}

TEST(SettingsFile, ReadsWhatItCanAndReportsWhatItCannotWrite) {
    const ScratchDir dir;
    const std::string path = dir.File(kSettingsFileName, std::string(5000, 'x')); // older, longer
    Settings settings;
    settings.SortSetting = "length";
    settings.MinLettersSetting = "\xe2\x82\xac"; // typed text beyond Latin-1 stays as it was
    const WriteResult written = WriteSettings(path, settings);
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_EQ(FileBytes(path), FormatSettings(settings));
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(ReadSettings(path), settings) << "a read-only file is still read";
    EXPECT_EQ(ReadSettings((dir.path / "missing.dat").string()), Settings{});
    EXPECT_EQ(ReadSettings(dir.path.string()), Settings{}) << "a directory reads as no file";

    // Writing fails, with a reason, where the file cannot be replaced: its
    // directory is missing or a plain file, it is a directory itself, or the
    // temporary file cannot be made. The tests run as root, so only paths fail.
    const std::string plain = dir.File("plain", "x");
    std::filesystem::create_directories(dir.path / "isdir" / kSettingsFileName);
    std::filesystem::create_directories(dir.path / (std::string(kSettingsFileName) + ".new"));
    for (const std::string& bad :
         {(dir.path / "missing" / kSettingsFileName).string(), plain + "/" + kSettingsFileName,
          (dir.path / "isdir" / kSettingsFileName).string(), path}) {
        const WriteResult failed = WriteSettings(bad, Settings{});
        EXPECT_FALSE(failed.ok) << bad;
        EXPECT_FALSE(failed.error.empty()) << bad;
    }
    EXPECT_EQ(FileBytes(path), FormatSettings(settings)) << "a failed write lost the old file";
    EXPECT_TRUE(std::filesystem::is_directory(dir.path / "isdir" / kSettingsFileName));
}

// A writer killed at random moments leaves the old or the new complete line.
TEST(SettingsFile, KilledWriterLeavesOneCompleteLine) {
    const ScratchDir dir;
    const std::string path = (dir.path / kSettingsFileName).string();
    Settings a, b;
    b.SortSetting = "score";
    b.customPoints.fill(std::string(300, '7'));
    const std::string lines[] = {FormatSettings(a), FormatSettings(b)};
    ASSERT_TRUE(WriteSettings(path, a).ok);
    std::mt19937 rng(7);
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int n = 0;; ++n)
                (void)WriteSettings(path, n % 2 ? a : b);
        ::usleep(static_cast<useconds_t>(rng() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string now = FileBytes(path);
        ASSERT_TRUE(now == lines[0] || now == lines[1]) << "after kill " << kill << ": " << now;
    }
}

TEST(WordListFiles, EveryFileLoadsOrIsRefusedWithAReason) {
    const ScratchDir dir;
    ASSERT_EQ(::mkfifo((dir.path / "fifo").c_str(), 0644), 0);
    std::string many, full;
    for (int i = 0; i < 300000; ++i)
        many += i == 200000 ? "at\r\n" : "a\r\n";
    for (int i = 0; i < kWordListCapacity; ++i)
        full += "a\r\n";
    const std::string over =
        " 200001 words found out of 265062 total words. (the first 200001 of 265062 matches)\n";
    const struct {
        const char* name;
        std::string path, letters;
        int status;
        std::string out, err; // the end of each
    } rows[] = {
        {"missing", (dir.path / "missing").string(), "tea", 1, "", "No such file or directory\n"},
        {"directory", dir.path.string(), "tea", 1, "", "Is a directory\n"},
        {"fifo", (dir.path / "fifo").string(), "tea", 1, "", "not a regular file\n"},
        {"device", "/dev/zero", "tea", 1, "", "not a regular file\n"},
        {"empty", dir.File("empty", ""), "tea", 0, "", " 0 words found out of 0 total words.\n"},
        {"crlf", dir.File("crlf", "tea\r\n\r\nx\r\n"), "tea", 0, "tea (3)\n",
         "of 3 total words.\n"},
        {"lf_only", dir.File("lf", "tea\n\nx\n"), "tea", 0, "tea (3)\n", "of 3 total words.\n"},
        {"no_final_line_end", dir.File("last", "x\r\n\ntea"), "tea", 0, "tea (3)\n",
         "of 3 total words.\n"},
        {"cr_only_is_one_line", dir.File("cr", "tea\r\rx\r"), "tea", 0, "", "of 1 total words.\n"},
        {"nul_and_latin1_bytes", dir.File("bytes", "t\0e\r\n\xe9t\xe9\r\n"s), "te", 0,
         "t\0e (2)\n\xc3\xa9t\xc3\xa9 (1)\n"s, " 2 words found out of 2 total words.\n"},
        {"one_megabyte_line", dir.File("long", std::string(1 << 20, 'e') + "\r\ntea\r\n"), "tea", 0,
         "tea (3)\n", "of 2 total words.\n"},
        {"three_hundred_thousand_lines", dir.File("many", many), "at", 0, "a (1)\nat (2)\n",
         "34938 more were left out.\n" + over},
        {"exactly_at_capacity", dir.File("full", full), "a", 0, "a (1)\na (1)\n", over},
    };
    for (const auto& row : rows) {
        const auto run =
            testing_support::Find({"--word-list", row.path, "--min", "1", row.letters});
        EXPECT_EQ(run.status, row.status) << row.name << ": " << run.err;
        EXPECT_TRUE(run.out.ends_with(row.out)) << row.name << ": " << run.out.substr(0, 100);
        EXPECT_TRUE(run.err.ends_with(row.err)) << row.name << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'),
                  1 + (row.err.find("left out") != std::string::npos))
            << row.name;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'),
                  row.err.ends_with(over) ? 200001
                                          : std::count(row.out.begin(), row.out.end(), '\n'))
            << row.name;
    }
}

TEST(SearchInput, LimitTextsAndHostileLetters) {
    const std::pair<const char*, std::optional<double>> limits[] = {
        {"", {}},       {" ", {}},
        {"abc", {}},    {"1e400", {}},
        {"-1e400", {}}, {"nan", {}},
        {"inf", {}},    {"2,5", {}},
        {"2.5", 2.5},   {" 3 ", 3},
        {"-0", 0},      {"+4", 4},
        {"1e1", 10},    {"99999999999", 99999999999.0},
    };
    for (const auto& [text, value] : limits) {
        const auto asMinimum = ReadSearchLimits({"tea", text, "8"});
        const auto asMaximum = ReadSearchLimits({"tea", "2", text});
        EXPECT_EQ(value.has_value(), std::holds_alternative<SearchLimits>(asMinimum)) << text;
        EXPECT_EQ(value.has_value(), std::holds_alternative<SearchLimits>(asMaximum)) << text;
        if (value) {
            EXPECT_EQ(std::get<SearchLimits>(asMinimum).minimum, *value) << text;
            EXPECT_EQ(std::get<SearchLimits>(asMaximum).maximum, *value) << text;
        } else {
            EXPECT_NE(std::get<std::string>(asMinimum).find("Minimum"), std::string::npos);
            EXPECT_NE(std::get<std::string>(asMaximum).find("Maximum"), std::string::npos);
            EXPECT_TRUE(std::holds_alternative<SearchLimits>(
                ReadSearchLimits({"tea", text, text, false, true})));
        }
    }
    std::string everyByte, tenThousand;
    for (int c = 1; c < 256; ++c)
        everyByte += static_cast<char>(c);
    for (int n = 0; n < 10000; ++n)
        tenThousand += "abcdefghijklmnopqrstuvwxyz*"[n % 27];
    const auto list = std::make_shared<const WordList>(
        LoadWordList("tea\r\nteat\r\nquiz\r\nzzzz\r\nfix\r\nbookkeeper\r\n"));
    // Every letter twice and one blank leave zzzz out; many blanks admit it.
    for (const auto& [letters, found] : {std::pair(everyByte, 5), std::pair(tenThousand, 6)}) {
        for (bool anagram : {false, true}) {
            const SearchRequest request{letters, "0", "8", true, anagram};
            const SearchOutcome outcome =
                RunSearch(request, std::get<SearchLimits>(ReadSearchLimits(request)), list,
                          PresetTable(PointScheme::scrabble));
            EXPECT_EQ(outcome.status, " " + std::to_string(anagram ? 0 : found) +
                                          " words found out of 6 total words.")
                << letters.size();
        }
    }
}

TEST(CustomValues, EntriesAreNumbersWithinThirtyTwoBits) {
    const struct {
        const char* entry;
        int letter;
        std::optional<std::string> stored;
        std::int32_t active;
    } rows[] = {
        {"", 4, {}, 0},
        {"x", 16, {}, 0},
        {"1e10", 16, {}, 0},
        {"2147483648", 2, {}, 0},
        {"-2147483649", 3, {}, 0},
        {"2147483647.5", 25, {}, 0},
        {"1,5", 0, {}, 0},
        {"5x", 0, {}, 0},
        {"inf", 0, {}, 0},
        {"nan", 0, {}, 0},
        {" 4 ", 1, " 4", 4},
        {"07", 1, " 7", 7},
        {"2.5", 2, " 2.5", 2},
        {"3.5", 2, " 3.5", 4},
        {"-2.5", 2, "-2.5", -2},
        {"2.51", 2, " 2.51", 3},
        {"-0", 5, " 0", 0},
        {"2147483647", 0, " 2147483647", 2147483647},
        {"-2147483648.5", 25, "-2147483648.5", -2147483647 - 1},
    };
    for (const auto& row : rows) {
        std::array<std::string, 26> entries;
        entries.fill("1");
        entries[static_cast<std::size_t>(row.letter)] = row.entry;
        const auto converted = ConvertCustomValues(entries);
        if (const auto* error = std::get_if<CustomValueError>(&converted)) {
            EXPECT_FALSE(row.stored) << row.entry << ": " << error->message;
            EXPECT_EQ(error->letter, row.letter) << row.entry;
            EXPECT_TRUE(error->message.ends_with(std::string(" ") + char('A' + row.letter) + "."))
                << error->message;
        } else {
            const auto& values = std::get<CustomValues>(converted);
            ASSERT_TRUE(row.stored) << row.entry;
            EXPECT_EQ(values.stored[static_cast<std::size_t>(row.letter)], *row.stored);
            EXPECT_EQ(values.active[static_cast<std::size_t>(row.letter)], row.active) << row.entry;
            EXPECT_EQ(LetterPointsFromCustom(values.stored), values.active) << row.entry;
        }
    }
    LetterPoints extreme; // word sums beyond 32 bits
    extreme.fill(2147483647);
    extreme[0] = -2147483647 - 1;
    EXPECT_EQ(WordScore("quiz", extreme), 8589934588);
    EXPECT_EQ(WordScore("aAa", extreme), -6442450944);
}

TEST(Lookup, AddressIsAlwaysTheFixedHostWithTheWordEncoded) {
    const std::string prefix = kDictionaryAddress;
    EXPECT_TRUE(prefix.starts_with("https://www.dictionary.com/search?q="));
    EXPECT_TRUE(std::string(kThesaurusAddress).starts_with("https://www.thesaurus.com/search?q="));
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"quiz 22", "quiz"},
        {"quiz ", "quiz"},
        {"quiz (22)", "quiz"},
        {"ice cream (9)", "ice"}, // a word with a space: the text before the first blank
        {"o'er -3", "o'er"},
        {"a#b%c&d 3", "a%23b%25c%26d"},
        {"why?+ 1", "why%3F%2B"},
        {"a\tb\"<| 1", "a%09b%22%3C%7C"},
        {"caf\xe9\x01 5", "caf%E9%01"},
        {"-rf 3", "-rf"},                 // after the prefix, never an option
        {"/etc/passwd 1", "/etc/passwd"}, // after the prefix, never a local path
        {"quiz", {}},                     // no blank: nothing to look up
        {"", {}},                         // nothing selected
        {" 0", {}},                       // the empty word
    };
    for (const auto& [item, word] : rows)
        EXPECT_EQ(LookupAddress(prefix, item), word ? std::optional(prefix + *word) : std::nullopt)
            << item;
}

} // namespace
