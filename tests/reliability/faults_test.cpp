// Bad input, faults and hostile files: nothing crashes, hangs or is lost.

#include "app/settings.h"
#include "lookup/lookup_address.h"
#include "points/custom_points.h"
#include "app/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace anagrove;
using namespace std::literals;
using namespace testing_support;

// The cells of a table row written "a|b|c".
std::vector<std::string> Split(const std::string& row) {
    std::vector<std::string> cells;
    std::istringstream in(row + "|");
    for (std::string cell; std::getline(in, cell, '|');)
        cells.push_back(cell);
    return cells;
}

// The settings line of the first fields given ("a|b|c"), the others initial.
std::string Line(const std::string& given) {
    std::vector<std::string> fields = {"alpha", "2", "8", "1", "1", "standard", "true", "scrabble"};
    fields.resize(34);
    std::ranges::copy(Split(given), fields.begin());
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "\"" : ",\"") + field + "\"";
    return line + "\r\n";
}

TEST(SettingsText, ReadsTheFieldsItCanAndKeepsTheRest) {
    const std::string big(10 << 20, 'x');
    std::string fields35, numbers;
    for (int f = 1; f <= 35; ++f) {
        fields35 += "\"" + std::to_string(f) + "\",";
        numbers += f > 34 ? "" : (f > 1 ? "|" : "") + std::to_string(f);
    }
    const std::string fields33 = fields35.substr(0, fields35.find("\"34\""));
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"empty", "", "alpha"},
        {"line_end_only", "\r\n", "alpha"},
        {"one_field", "\"score\"", "score"},
        {"thirty_three_fields", fields33, numbers.substr(0, numbers.find("|34"))},
        {"thirty_five_fields", fields35, numbers},
        {"unquoted_and_unbalanced", "\"a,b\",  \"3\" ,plain text  ,,\"x\",\"no end",
         "a,b|3|plain text||x|no end"},
        {"quote_inside_a_field", "\"a\"b\"c\",d", "a|d"},
        {"non_latin1_and_nul_bytes", "\"\xe2\x82\xac\",\"\xff\0\x01\""s,
         "\xe2\x82\xac|\xff\0\x01"s},
        {"ten_megabyte_line", big, big},
        {"ten_megabyte_quote_never_closed", "\"" + big, big},
    };
    for (const auto& [name, text, fields] : rows)
        EXPECT_EQ(FormatSettings(ParseSettings(text)), Line(fields)) << name;

    // Binary garbage, read or typed into a box: no failure, and one line written
    // without quotes and line breaks that reads back field for field.
    std::mt19937 rng(5);
    for (int n = 0; n < 200; ++n) {
        std::string garbage(rng() % 300, '\0');
        for (char& c : garbage)
            c = static_cast<char>(rng() % 4 == 0 ? "\",\r\n "[rng() % 5] : rng() % 256);
        const std::string line = FormatSettings(ParseSettings(garbage));
        ASSERT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << garbage;
        ASSERT_EQ(FormatSettings(ParseSettings(line)), line) << garbage;
        Settings typed, cleaned;
        typed.SortSetting = typed.customPoints[n % 26] = garbage;
        std::erase_if(garbage, [](char c) { return c == '"' || c == '\r' || c == '\n'; });
        cleaned.SortSetting = cleaned.customPoints[n % 26] = garbage;
        ASSERT_EQ(ParseSettings(FormatSettings(typed)), cleaned);
    }
}

TEST(SettingsFile, ReadsWhatItCanAndReportsWhatItCannotWrite) {
    const ScratchDir dir;
    const std::string path = dir.File(kSettingsFileName, std::string(5000, 'x')); // older, longer
    Settings settings;
    settings.MinLettersSetting = "\xe2\x82\xac"; // typed text beyond Latin-1 stays as it was
    ASSERT_TRUE(WriteSettings(path, settings).ok);
    EXPECT_EQ(FileBytes(path), FormatSettings(settings));
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(ReadSettings(path), settings) << "a read-only file is still read";
    EXPECT_EQ(ReadSettings((dir.path / "missing").string()), Settings{});
    EXPECT_EQ(ReadSettings(dir.path.string()), Settings{}) << "a directory reads as no file";
    // Writing fails, with a reason, where the directory is missing or a plain
    // file, the file is a directory, or the temporary file cannot be made (the
    // tests run as root, so only paths fail); the old file stays whole.
    std::filesystem::create_directories(dir.path / "isdir" / kSettingsFileName);
    std::filesystem::create_directories(path + ".new");
    for (const std::string& bad : {(dir.path / "missing" / kSettingsFileName).string(),
                                   dir.File("plain", "x") + "/" + kSettingsFileName,
                                   (dir.path / "isdir" / kSettingsFileName).string(), path}) {
        const WriteResult failed = WriteSettings(bad, Settings{});
        EXPECT_TRUE(!failed.ok && !failed.error.empty()) << bad;
    }
    EXPECT_EQ(FileBytes(path), FormatSettings(settings));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path / "isdir" / kSettingsFileName));
}

// A writer killed at random moments leaves the old or the new complete line.
TEST(SettingsFile, KilledWriterLeavesOneCompleteLine) {
    const ScratchDir dir;
    const std::string path = (dir.path / kSettingsFileName).string();
    Settings a, b;
    b.customPoints.fill(std::string(300, '7'));
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
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        const std::string now = FileBytes(path);
        ASSERT_TRUE(now == FormatSettings(a) || now == FormatSettings(b)) << kill << ": " << now;
    }
}

// Word-list files and typed letters through anagrove-find, which loads and
// searches as the window does.
TEST(WordListFiles, EveryFileLoadsOrIsRefusedWithAReason) {
    const ScratchDir dir;
    ASSERT_EQ(::mkfifo((dir.path / "fifo").c_str(), 0644), 0);
    std::string many, full, listed, everyByte, tenThousand;
    for (int i = 0; i < 300000; ++i) {
        many += i == 200000 ? "at\r\n" : i < 299999 ? "a\r\n" : "a"; // no line end at the end
        full += i < kWordListCapacity ? "a\r\n" : "";
        listed += i < 200000 ? "a (1)\n" : "";
    }
    for (int c = 1; c < 256; ++c) // every letter twice and one blank
        everyByte += static_cast<char>(c);
    for (int n = 0; n < 10000; ++n)
        tenThousand += "abcdefghijklmnopqrstuvwxyz*"[n % 27];
    const std::string over =
        " 200001 words found out of 265062 total words. (the first 200001 of 265062 matches)\n";
    const std::string manyPath = dir.File("many", many), zzzz = dir.File("z", "zzzz\nbookkeeper");
    const std::tuple<const char*, std::string, std::string, int, std::string, std::string> rows[] =
        {
            // name, path, letters, exit status, standard output, standard error or why not read
            {"missing", (dir.path / "missing").string(), "tea", 1, "", "No such file or directory"},
            {"directory", dir.path.string(), "tea", 1, "", "Is a directory"},
            {"fifo", (dir.path / "fifo").string(), "tea", 1, "", "not a regular file"},
            {"device", "/dev/zero", "tea", 1, "", "not a regular file"},
            {"empty", dir.File("empty", ""), "tea", 0, "", Status(0, 0)},
            {"lf_crlf_and_no_final_line_end", dir.File("ends", "tea\n\r\nx\r\ntea"), "tea", 0,
             "tea (3)\ntea (3)\n", Status(2, 4)},
            {"cr_only_is_one_line", dir.File("cr", "tea\r\rx\r"), "tea", 0, "", Status(0, 1)},
            {"nul_and_latin1_bytes", dir.File("bytes", "t\0e\r\n\xe9t\xe9\r\n"s), "te", 0,
             "t\0e (2)\n\xc3\xa9t\xc3\xa9 (1)\n"s, Status(2, 2)},
            {"one_megabyte_line", dir.File("long", std::string(1 << 20, 'e') + "\r\ntea"), "tea", 0,
             "tea (3)\n", Status(1, 2)},
            {"three_hundred_thousand_lines", manyPath, "at", 0, listed + "at (2)\n",
             "anagrove-find: Only the first 265062 words of " + manyPath +
                 " were loaded; 34938 more were left out.\n" + over},
            {"exactly_at_capacity", dir.File("full", full), "a", 0, listed + "a (1)\n", over},
            {"letters_every_byte", zzzz, everyByte, 0, "bookkeeper (22)\n", Status(1, 2)},
            {"letters_ten_thousand", zzzz, tenThousand, 0, "bookkeeper (22)\nzzzz (40)\n",
             Status(2, 2)},
        };
    for (const auto& [name, path, letters, status, out, err] : rows) {
        const auto run = Find({"--word-list", path, "--min", "1", "--no-max", letters});
        EXPECT_EQ(run.status, status) << name;
        EXPECT_TRUE(run.out == out) << name << ": " << run.out.substr(0, 60);
        EXPECT_EQ(run.err,
                  status ? "anagrove-find: cannot read the word list " + path + ": " + err + "\n"
                         : err)
            << name;
    }
    EXPECT_EQ(Find({"--word-list", zzzz, "--anagram", tenThousand}).err, Status(0, 2));
}

// Each text typed into both limit boxes and, for another letter each time, into
// the custom point editor: "text|limit|stored custom text|active value", where
// a missing cell is a refusal with a message naming the box or the letter.
TEST(NumberTexts, LimitsAndCustomValues) {
    std::size_t letter = 0;
    for (const auto& rows : // refused as custom values, then accepted
         {std::vector<std::string>{"", " ", "abc", "x", "1e400", "-1e400", "nan", "inf", "2,5",
                                   "1,5", "--1", "1e10|1e10", "2147483648|2147483648",
                                   "-2147483649|-2147483649", "2147483647.5|2147483647.5",
                                   "99999999999|99999999999"},
          {" 4 |4| 4|4", "+4|4| 4|4", "07|7| 7|7", "1e1|10| 10|10", "1e-400|0| 0|0",
           "-0.5e-330|0| 0|0", "-0|0| 0|0", "2.5|2.5| 2.5|2", "3.5|3.5| 3.5|4", "-2.5|-2.5|-2.5|-2",
           "2.51|2.51| 2.51|3", "2147483647|2147483647| 2147483647|2147483647",
           "-2147483648.5|-2147483648.5|-2147483648.5|-2147483648"}})
        for (const std::string& row : rows) {
            SCOPED_TRACE(row);
            const std::vector<std::string> cells = Split(row);
            const auto limits = ReadSearchLimits({"tea", cells[0], cells[0]});
            ASSERT_EQ(limits.index(), cells.size() == 1 ? 1u : 0u);
            if (cells.size() > 1)
                EXPECT_TRUE(std::get<0>(limits).minimum == std::stod(cells[1]) &&
                            std::get<0>(limits).maximum == std::stod(cells[1]));
            else
                EXPECT_EQ(std::get<1>(limits) +
                              std::get<1>(ReadSearchLimits({"tea", "2", cells[0]})),
                          "Please enter a number in the box \"Minimum letters:\"."
                          "Please enter a number in the box \"Maximum letters:\".");
            letter = (letter + 7) % 26;
            std::array<std::string, 26> entries;
            entries.fill("1");
            entries[letter] = cells[0];
            const auto converted = ConvertCustomValues(entries);
            ASSERT_EQ(converted.index(), cells.size() < 3 ? 1u : 0u);
            if (const auto* error = std::get_if<CustomValueError>(&converted)) {
                EXPECT_EQ(error->letter, int(letter));
                EXPECT_EQ(error->message,
                          "Please enter a number from -2147483648 to 2147483647 for "s +
                              char('A' + letter) + ".");
            } else {
                const auto& values = std::get<CustomValues>(converted);
                EXPECT_EQ(values.stored[letter], cells[2]);
                EXPECT_EQ(std::to_string(values.active[letter]), cells[3]);
                EXPECT_EQ(LetterPointsFromCustom(values.stored), values.active);
            }
        }
}

// The address is the fixed https prefix and the word, never an option, a path
// or a second query field. Rows: item => address after the prefix, where no
// blank (or nothing selected, or the empty word) gives nothing to look up.
TEST(Lookup, AddressIsTheFixedPrefixAndTheEncodedWord) {
    EXPECT_EQ(kThesaurusAddress, "https://www.thesaurus.com/search?q="s);
    for (const std::string row :
         {"quiz 22 => quiz", "quiz  => quiz", "quiz (22) => quiz", "ice cream (9) => ice",
          "o'er -3 => o'er", "a#b%c&d 3 => a%23b%25c%26d", "why?+ 1 => why%3F%2B",
          "a\tb\"<| 1 => a%09b%22%3C%7C", "caf\xe9\x01 5 => caf%E9%01", "-rf 3 => -rf",
          "/etc/passwd 1 => /etc/passwd", "quiz => ", " => ", " 0 => "}) {
        const std::string item = row.substr(0, row.find(" => ")),
                          word = row.substr(item.size() + 4);
        EXPECT_EQ(LookupAddress(kDictionaryAddress, item),
                  word.empty() ? std::nullopt
                               : std::optional("https://www.dictionary.com/search?q=" + word))
            << item;
    }
}

} // namespace
