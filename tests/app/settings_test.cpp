// The settings file: any text reads, every line written reads back, and a
// failed write leaves the old file whole.

#include "app/settings.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

using namespace anagrove;
using namespace std::literals;
using namespace testing_support;

// The settings line of the fields given from field at on, the others initial.
std::string Line(const std::vector<std::string>& given, std::size_t at = 0) {
    std::vector<std::string> fields = {"alpha", "2", "8", "1", "1", "standard", "true", "scrabble"};
    fields.resize(34);
    std::ranges::copy(given, fields.begin() + static_cast<std::ptrdiff_t>(at));
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "\"" : ",\"") + field + "\"";
    return line + "\r\n";
}

TEST(SettingsText, ReadsTheFieldsItCanAndKeepsTheRest) {
    const std::string big(10 << 20, 'x');
    std::string fields35;
    std::vector<std::string> numbers;
    for (int f = 1; f <= 35; ++f) {
        fields35.append("\"").append(std::to_string(f)).append("\","); // not "\"" + ...: -Wrestrict
        numbers.push_back(std::to_string(f));
    }
    numbers.pop_back();
    // The check boxes write their own words.
    for (const auto& [field, written] : {std::pair{3, "1"}, {4, "1"}, {6, "true"}})
        numbers[field] = written;
    const std::string fields33 = fields35.substr(0, fields35.find("\"34\""));
    struct Row {
        const char* name;
        std::string text;                // the settings text read
        std::vector<std::string> fields; // the first fields it gives; the rest stay initial
    };
    const Row rows[] = {
        {"empty", "", {"alpha"}},
        {"line_end_only", "\r\n", {"alpha"}},
        {"one_field", "\"score\"", {"score"}},
        {"thirty_three_fields", fields33, {numbers.begin(), numbers.begin() + 33}},
        {"thirty_five_fields", fields35, numbers},
        {"unquoted_and_unbalanced",
         "\"a,b\",  \"3\" ,plain text  ,,\"x\",\"no end",
         {"a,b", "3", "plain text", "1", "1", "no end"}},
        {"quote_inside_a_field", "\"a\"b\"c\",d", {"a", "d"}},
        {"non_latin1_and_nul_bytes",
         "\"\xe2\x82\xac\",\"\xff\0\x01\""s,
         {"\xe2\x82\xac", "\xff\0\x01"s}},
        {"ten_megabyte_line", big, {big}},
        {"ten_megabyte_quote_never_closed", "\"" + big, {big}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatSettings(ParseSettings(row.text)), Line(row.fields)) << row.name;

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
        typed.order = typed.customPoints[n % 26] = garbage;
        std::erase_if(garbage, [](char c) { return c == '"' || c == '\r' || c == '\n'; });
        cleaned.order = cleaned.customPoints[n % 26] = garbage;
        ASSERT_EQ(ParseSettings(FormatSettings(typed)), cleaned);
    }
}

// Each choice at its place: the settings with one choice changed give the
// initial line with that field changed, and read back from it. Words that
// name no value are kept; the check boxes read any other word as one of theirs.
TEST(SettingsText, EachChoiceInItsFieldWithItsWords) {
    struct Row {
        std::size_t field;
        std::string word;
        void (*change)(Settings&);
    };
    const Row rows[] = {
        {0, "score", [](Settings& s) { s.order = SortOrder::score; }},
        {0, "length", [](Settings& s) { s.order = SortOrder::length; }},
        {0, "Score", [](Settings& s) { s.order = "Score"; }},
        {1, "", [](Settings& s) { s.minimumText = ""; }},
        {2, "x9", [](Settings& s) { s.maximumText = "x9"; }},
        {3, "2", [](Settings& s) { s.noMaximum = true; }},
        {4, "2", [](Settings& s) { s.anagram = true; }},
        {5, "extended", [](Settings& s) { s.wordList = WordListKind::extended; }},
        {5, "", [](Settings& s) { s.wordList = ""; }},
        {6, "false", [](Settings& s) { s.usePoints = false; }},
        {7, "literati", [](Settings& s) { s.scheme = PointScheme::literati; }},
        {7, "wordmojo", [](Settings& s) { s.scheme = PointScheme::wordmojo; }},
        {7, "custom", [](Settings& s) { s.scheme = PointScheme::custom; }},
        {7, "Custom", [](Settings& s) { s.scheme = "Custom"; }},
        {8, " 1", [](Settings& s) { s.customPoints[0] = " 1"; }},
        {33, "-7", [](Settings& s) { s.customPoints[25] = "-7"; }},
    };
    for (const Row& row : rows) {
        Settings changed;
        row.change(changed);
        EXPECT_EQ(FormatSettings(changed), Line({row.word}, row.field)) << row.word;
        EXPECT_EQ(ParseSettings(Line({row.word}, row.field)), changed) << row.word;
    }
    const std::tuple<std::size_t, const char*, const char*> read_written[] = {
        {3, "7", "1"},   {3, "", "1"},         {4, "true", "1"},
        {6, "", "true"}, {6, "False", "true"}, {6, "0", "true"}};
    for (const auto& [field, read, written] : read_written)
        EXPECT_EQ(FormatSettings(ParseSettings(Line({read}, field))), Line({written}, field))
            << field << read;
}

TEST(SettingsFile, ReadsWhatItCanAndReportsWhatItCannotWrite) {
    const ScratchDir dir;
    const std::string path = dir.File(kSettingsFileName, std::string(5000, 'x')); // older, longer
    Settings settings;
    settings.minimumText = "\xe2\x82\xac"; // typed text beyond Latin-1 stays as it was
    ASSERT_TRUE(WriteSettings(path, settings).ok());
    EXPECT_EQ(FileBytes(path), FormatSettings(settings));
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_read | perms::group_read | perms::others_read);
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
        const auto failed = WriteSettings(bad, Settings{});
        EXPECT_TRUE(!failed.ok() && !failed.error().empty()) << bad;
    }
    EXPECT_EQ(FileBytes(path), FormatSettings(settings));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path / "isdir" / kSettingsFileName));
}

} // namespace
