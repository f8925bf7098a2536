// Worked examples of the search, the scores, the sorts and the result texts,
// and the limits of the word list and the result table.

#include "dictionary/whole_file.h"
#include "points/custom_points.h"
#include "search/letter_score.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace anagrove;
using testing_support::TestData;
using testing_support::TextTableOf;

std::shared_ptr<const WordList> ListOf(std::string_view fileText) {
    return std::make_shared<const WordList>(LoadWordList(fileText));
}

// a at ate eat eta tae tea teas tee tree teat set quiz fix
const std::string& TeaFile() {
    static const std::string text = ReadWholeFile(TestData("tea.txt")).text;
    return text;
}

// options: any of "nomax", "anagram", "score", "length", "nopoints".
SearchRequest Request(const char* letters, const char* minimum, const char* maximum,
                      std::string_view options = "") {
    auto has = [options](std::string_view word) { return options.find(word) != options.npos; };
    return {letters,
            minimum,
            maximum,
            has("nomax"),
            has("anagram"),
            has("score")    ? SortMode::score
            : has("length") ? SortMode::length
                            : SortMode::alpha,
            !has("nopoints")};
}

SearchOutcome Search(const SearchRequest& request, std::string_view file = TeaFile(),
                     const LetterPoints& points = PresetTable(PointScheme::scrabble)) {
    return RunSearch(request, std::get<SearchLimits>(ReadSearchLimits(request)), ListOf(file),
                     points);
}

// The listed items, joined by ", ".
std::string Listed(const FoundWords& found, const ResultListing& listing) {
    std::string items;
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r)
        items += (items.empty() ? "" : ", ") +
                 ItemText(found.rows[static_cast<std::size_t>(r)], listing.form);
    return items;
}

TEST(SearchExamples, FindTheWordsTheRulesAdmit) {
    const std::string tea = "a (1), at (2), ate (3), eat (3), eta (3), tae (3), tea (3)";
    const struct {
        const char* name;
        SearchRequest request;
        std::string items;
        int count;
    } rows[] = {
        {"tea_up_to_three", Request("tea", "1", "3"), tea, 7},
        {"upper_case_rack", Request("TEA", "1", "3"), tea, 7},
        {"teas_teat_tee_need_more", Request("tea", "1", "4"), tea, 7},
        {"blank_gives_second_e_not_r_and_e", Request("te*", "1", "4"),
         "a (1), at (2), ate (3), eat (3), eta (3), set (3), tae (3), tea (3), tee (3)", 9},
        {"two_blanks_any_short_word", Request("**", "1", "2"), "a (1), at (2)", 2},
        {"anagram_ignores_limits", Request("tea", "9", "0", "anagram"),
         "ate (3), eat (3), eta (3), tae (3), tea (3)", 5},
        {"anagram_with_blank", Request("tea*", "2", "8", "anagram"), "teas (4), teat (4)", 2},
        {"anagram_space_counts", Request("tea ", "2", "8", "anagram"), "", 0},
        {"fraction_limits", Request("teas*", "2.5", "4.5"),
         "ate (3), eat (3), eta (3), set (3), tae (3), tea (3), teas (4), teat (4), tee (3)", 9},
        {"no_maximum", Request("tea*", "4", "1", "nomax"), "teas (4), teat (4)", 2},
        {"minimum_above_maximum", Request("tea", "3", "2"), "", 0},
        {"blank_scores_full_value", Request("QUI*", "4", "8"), "quiz (22)", 1},
        {"no_points", Request("fix", "1", "8", "nopoints"), "fix ", 1},
        {"score_order", Request("tea", "1", "3", "score"),
         "eta 3, eat 3, tae 3, tea 3, ate 3, at 2, a 1", 7},
        {"length_order_no_points", Request("tea", "1", "3", "length nopoints"),
         "eta , eat , tae , tea , ate , at , a ", 7},
        // An empty line of the list: an empty word, never listed alphabetically.
        {"empty_word_counted", Request("at", "0", "2"), "at (2)", 2},
        {"empty_word_by_score", Request("at", "-1", "2", "score"), "at 2,  0", 2},
        {"empty_word_by_length", Request("at", "0", "2", "length nopoints"), "at ,  ", 2},
        {"empty_word_too_short", Request("at", "0.5", "2", "score"), "at 2", 1},
        {"empty_word_too_long", Request("at", "0", "-1", "score"), "", 0},
        {"empty_word_no_maximum", Request("at", "0", "-1", "score nomax"), "at 2,  0", 2},
        {"empty_word_no_anagram", Request("at", "0", "2", "anagram"), "at (2)", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const bool emptyLine = std::string_view(row.name).starts_with("empty_word");
        SearchOutcome outcome = Search(row.request, emptyLine ? "\r\nat\r\n" : TeaFile());
        EXPECT_EQ(Listed(outcome.found, outcome.listing), row.items);
        const std::string count = " " + std::to_string(row.count);
        EXPECT_EQ(outcome.caption, count + " words found");
        EXPECT_EQ(outcome.status,
                  count + " words found out of " + (emptyLine ? "2" : "14") + " total words.");
    }
    EXPECT_EQ(FoundStatusText(FoundWords{nullptr, std::vector<FoundRow>(12), 12}, 80000),
              " 12 words found out of 80000 total words.");
}

TEST(SearchExamples, WordScoresUnderEachPreset) {
    const struct {
        const char* word;
        PointScheme scheme;
        std::int64_t score;
    } rows[] = {
        {"quiz", PointScheme::scrabble, 22},  {"quiz", PointScheme::literati, 12},
        {"quiz", PointScheme::wordmojo, 120}, {"fix", PointScheme::scrabble, 13},
        {"QuIz", PointScheme::scrabble, 22},  {"qu-i'z\xe9", PointScheme::scrabble, 22},
        {"", PointScheme::wordmojo, 0},       {"cdmpvw", PointScheme::literati, 13},
        {"ghln", PointScheme::wordmojo, 100},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WordScore(row.word, PresetTable(row.scheme)), row.score)
            << row.word << " " << PointSchemeWord(row.scheme);
}

std::vector<std::string> Split(const std::string& words) {
    std::istringstream in(words);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Each example runs through the program's routines and the literal ones.
TEST(SortExamples, TiesFallWhereTheStepsPutThem) {
    const std::string seven = "a at ate eat eta tae tea";
    const std::vector<std::int64_t> sevenKeys = {1, 2, 3, 3, 3, 3, 3};
    const struct {
        const char* name;
        int routine; // keys are scores for 2 and lengths for 3
        bool descending;
        std::int32_t numEls; // -2: every row
        std::string words;
        std::vector<std::int64_t> keys;
        std::string sorted;
    } rows[] = {
        {"two_equal_scores", 2, true, -2, "b a", {1, 1}, "a b"},
        {"three_equal_scores", 2, true, -2, "x y z", {2, 2, 2}, "y z x"},
        {"seven_alpha", 1, false, -2, seven, {}, seven},
        {"seven_score", 2, true, -2, seven, sevenKeys, "eta eat tae tea ate at a"},
        {"seven_length", 3, true, -2, seven, sevenKeys, "eta eat tae tea ate at a"},
        {"five_score", 2, true, -2, "dog cat emu ox bee", {5, 5, 5, 9, 5}, "ox emu bee cat dog"},
        {"five_length", 3, true, -2, "dog cat emu ox bee", {3, 3, 3, 2, 3}, "emu bee cat dog ox"},
        {"scores_as_numbers", 2, true, -2, "m z t n", {-3, 0, 12, 9}, "t n z m"},
        {"ascending", 2, false, -2, "t n m", {12, 9, -3}, "m n t"},
        {"bytes_above_127_last", 1, false, -2, "\xe9 z Z", {}, "Z z \xe9"},
        {"no_rows", 2, true, -1, "b a", {1, 2}, "b a"},
        {"one_row", 2, true, 0, "b a", {1, 2}, "b a"},
        {"rows_beyond_untouched", 2, true, 1, "c b a", {1, 2, 3}, "b c a"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> words = Split(row.words);
        std::vector<FoundRow> program(words.size());
        for (std::size_t r = 0; r < words.size(); ++r) {
            program[r].word = words[r];
            program[r].score = row.routine == 2 ? row.keys[r] : 0;
            program[r].length =
                static_cast<std::int32_t>(row.routine == 3 ? row.keys[r] : words[r].size());
        }
        literal::TextTable reference = TextTableOf(FoundWords{nullptr, program, 0});
        const std::int32_t numEls =
            row.numEls == -2 ? static_cast<std::int32_t>(words.size()) - 1 : row.numEls;
        (row.routine == 1   ? QuickSort
         : row.routine == 2 ? QuickSort2
                            : QuickSort3)(program, numEls, row.descending);
        (row.routine == 1   ? literal::QuickSort
         : row.routine == 2 ? literal::QuickSort2
                            : literal::QuickSort3)(reference, numEls, row.descending);
        std::string sorted, literalSorted;
        for (std::size_t r = 0; r < words.size(); ++r) {
            sorted += (r ? " " : "") + std::string(program[r].word);
            literalSorted += (r ? " " : "") + reference[r].word;
        }
        EXPECT_EQ(sorted, row.sorted);
        EXPECT_EQ(literalSorted, row.sorted);
        EXPECT_TRUE(
            testing_support::SameTable(TextTableOf(FoundWords{nullptr, program, 0}), reference));
    }
}

TEST(SortExamples, ResortsStartFromTheOrderShown) {
    SearchOutcome outcome = Search(Request("tea", "1", "3", "score"));
    EXPECT_EQ(Listed(outcome.found, outcome.listing),
              "eta 3, eat 3, tae 3, tea 3, ate 3, at 2, a 1");
    const std::pair<SortMode, const char*> steps[] = {
        {SortMode::length, "tae 3, tea 3, ate 3, eat 3, eta 3, at 2, a 1"},
        {SortMode::score, "ate 3, eat 3, eta 3, tea 3, tae 3, at 2, a 1"},
        {SortMode::alpha, "a 1, at 2, ate 3, eat 3, eta 3, tae 3, tea 3"},
    };
    for (const auto& [mode, items] : steps)
        EXPECT_EQ(Listed(outcome.found, Resort(outcome.found, mode)), items);
    // A re-sort shows scores also when the search did not, and every row.
    SearchOutcome plain = Search(Request("at", "0", "2", "nopoints"), "\r\nat\r\n");
    EXPECT_EQ(Listed(plain.found, plain.listing), "at ");
    EXPECT_EQ(Listed(plain.found, Resort(plain.found, SortMode::alpha)), " 0, at 2");
}

TEST(WordListLoading, LineEndsAndLastLines) {
    const std::pair<std::string_view, std::vector<std::string>> rows[] = {
        {"a\r\n\r\nb\r\n", {"a", "", "b"}}, // CR LF: empty lines are words, the end is not
        {"a\r\nb", {"a", "b"}},             // no final line end
        {"a\nb\n", {"a", "b"}},             // LF only
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a\rb"}},   // a lone CR is part of the word
        {" Tea \r\n", {" Tea "}}, // kept as it stands
    };
    for (const auto& [file, expected] : rows) {
        const WordList list = LoadWordList(file);
        std::vector<std::string> words;
        for (std::int32_t i = 0; i < list.WordCount(); ++i)
            words.emplace_back(list[i]);
        EXPECT_EQ(words, expected) << '"' << file << '"';
    }
    // The same words saved with either line end.
    const WordList crlf = LoadWordList(ReadWholeFile(TestData("adversarial_crlf.txt")).text);
    const WordList lf = LoadWordList(ReadWholeFile(TestData("adversarial_lf.txt")).text);
    ASSERT_EQ(crlf.WordCount(), 24);
    ASSERT_EQ(lf.WordCount(), 24);
    for (std::int32_t i = 0; i < 24; ++i)
        EXPECT_EQ(crlf[i], lf[i]) << i;
    EXPECT_FALSE(ReadWholeFile(TestData("no-such-list.txt")).ok);
}

TEST(Capacity, LongListKeepsItsFirstWordsAndCountsTheRest) {
    std::string file;
    for (int i = 0; i < kWordListCapacity; ++i)
        file += "w" + std::to_string(1000000 + i) + "\r\n";
    EXPECT_EQ(LoadWordList(file).DroppedWords(), 0); // full, and nothing after the last line end
    for (int i = 0; i < 37; ++i)
        file += "x\r\n";
    const WordList list = LoadWordList(file + "y"); // the last line has no line end
    EXPECT_EQ(list.WordCount(), 265062);
    EXPECT_EQ(list.DroppedWords(), 38);
    EXPECT_EQ(list[265061], "w1265061");
}

TEST(Capacity, ManyMatchesKeepTheFirstRowsAndSaySo) {
    std::string file;
    for (int i = 0; i < 200000; ++i)
        file += "a\r\n";
    file += "at\r\nta\r\nat\r\n";
    SearchOutcome outcome = Search(Request("at", "1", "2"), file);
    EXPECT_EQ(outcome.found.FoundCount(), 200001);
    EXPECT_EQ(outcome.found.matched, 200003);
    EXPECT_EQ(outcome.found.rows.back().word, "at"); // the first 200,001 in list order
    EXPECT_EQ(outcome.caption, " 200001 words found");
    EXPECT_TRUE(outcome.status.starts_with(" 200001 words found out of 200003 total words."));
    EXPECT_NE(outcome.status.find("200003 matching"), std::string::npos) << outcome.status;
}

TEST(Capacity, ScoresNeedSixtyFourBits) {
    std::array<std::string, 26> entries;
    entries.fill("2147483647");
    entries[0] = "-2147483648"; // A
    const auto points = std::get<CustomValues>(ConvertCustomValues(entries)).active;
    EXPECT_EQ(WordScore("quiz", points), 8589934588);
    EXPECT_EQ(WordScore("at", points), -1);
    SearchOutcome outcome = Search(Request("*****", "1", "4", "score"), TeaFile(), points);
    const std::string items = Listed(outcome.found, outcome.listing);
    EXPECT_TRUE(items.starts_with("quiz 8589934588, tree 8589934588, ") ||
                items.starts_with("tree 8589934588, quiz 8589934588, "))
        << items;
    EXPECT_TRUE(items.ends_with(", at -1, a -2147483648")) << items;
    literal::Found expected =
        literal::findwords("*****", {1, 4}, literal::CutLines(TeaFile()), points);
    literal::SortByOption(expected.rows, 2);
    EXPECT_TRUE(testing_support::SameTable(TextTableOf(outcome.found), expected.rows));
}

TEST(Capacity, CustomValuesOutsideThirtyTwoBitsAreRefused) {
    const struct {
        const char* entry;
        int letter;
        bool accepted;
    } rows[] = {
        {"2147483647", 0, true},  {"-2147483648", 1, true},  {"-2147483648.5", 2, true},
        {"2147483648", 2, false}, {"-2147483649", 3, false}, {"2147483647.5", 25, false},
        {"1e10", 16, false},      {"abc", 16, false},        {"", 4, false},
    };
    for (const auto& row : rows) {
        std::array<std::string, 26> entries;
        entries.fill("1");
        entries[static_cast<std::size_t>(row.letter)] = row.entry;
        const auto converted = ConvertCustomValues(entries);
        const auto* error = std::get_if<CustomValueError>(&converted);
        ASSERT_EQ(error == nullptr, row.accepted) << row.entry;
        if (error) {
            EXPECT_EQ(error->letter, row.letter);
            EXPECT_NE(error->message.find(std::string(" ") + static_cast<char>('A' + row.letter)),
                      std::string::npos)
                << error->message;
        }
    }
}

} // namespace
