// Worked examples of the search, the scores, the sorts and the result texts,
// and the limits of the word list and the result table.

#include "dictionary/whole_file.h"
#include "points/custom_points.h"
#include "search/letter_score.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace {

using namespace anagrove;
using testing_support::TestData;
using testing_support::TextTableOf;

std::shared_ptr<const WordList> ListOf(std::string_view fileText) {
    return std::make_shared<const WordList>(LoadWordList(fileText));
}

// a at ate eat eta tae tea teas tee tree teat set quiz fix
std::shared_ptr<const WordList> TeaList() {
    static auto list = ListOf(ReadWholeFile(TestData("tea.txt")).text);
    return list;
}

std::vector<std::string> Items(const FoundWords& found, const ResultListing& listing) {
    std::vector<std::string> items;
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r)
        items.push_back(ItemText(found.rows[static_cast<std::size_t>(r)], listing.form));
    return items;
}

SearchOutcome Search(const SearchRequest& request, std::shared_ptr<const WordList> list = TeaList(),
                     const LetterPoints& points = PresetTable(PointScheme::scrabble)) {
    auto limits = ReadSearchLimits(request);
    EXPECT_TRUE(std::holds_alternative<SearchLimits>(limits)) << std::get<std::string>(limits);
    return RunSearch(request, std::get<SearchLimits>(limits), list, points);
}

struct SearchExample {
    const char* name;
    SearchRequest request; // letters, minimum, maximum, nomax, anagram, order, points shown
    std::vector<std::string> items;
};

TEST(SearchExamples, FindTheWordsTheRulesAdmit) {
    const auto alpha = SortMode::alpha;
    const std::vector<std::string> teaWords = {"a (1)",   "at (2)",  "ate (3)", "eat (3)",
                                               "eta (3)", "tae (3)", "tea (3)"};
    const SearchExample examples[] = {
        {"tea_up_to_three", {"tea", "1", "3", false, false, alpha, true}, teaWords},
        {"upper_case_rack", {"TEA", "1", "3", false, false, alpha, true}, teaWords},
        {"teas_teat_tee_need_more", {"tea", "1", "4", false, false, alpha, true}, teaWords},
        {"blank_gives_second_e_not_r_and_e",
         {"te*", "1", "4", false, false, alpha, true},
         {"a (1)", "at (2)", "ate (3)", "eat (3)", "eta (3)", "set (3)", "tae (3)", "tea (3)",
          "tee (3)"}},
        {"two_blanks_any_short_word",
         {"**", "1", "2", false, false, alpha, true},
         {"a (1)", "at (2)"}},
        {"anagram",
         {"tea", "9", "0", false, true, alpha, true},
         {"ate (3)", "eat (3)", "eta (3)", "tae (3)", "tea (3)"}},
        {"anagram_with_blank",
         {"tea*", "2", "8", false, true, alpha, true},
         {"teas (4)", "teat (4)"}},
        {"anagram_space_counts_in_length", {"tea ", "2", "8", false, true, alpha, true}, {}},
        {"fraction_limits",
         {"teas*", "2.5", "4.5", false, false, alpha, true},
         {"ate (3)", "eat (3)", "eta (3)", "set (3)", "tae (3)", "tea (3)", "teas (4)", "teat (4)",
          "tee (3)"}},
        {"no_maximum", {"tea*", "4", "1", true, false, alpha, true}, {"teas (4)", "teat (4)"}},
        {"minimum_above_maximum", {"tea", "3", "2", false, false, alpha, true}, {}},
        {"blank_scores_full_value", {"QUI*", "4", "8", false, false, alpha, true}, {"quiz (22)"}},
        {"no_points", {"fix", "1", "8", false, false, alpha, false}, {"fix "}},
        {"score_order",
         {"tea", "1", "3", false, false, SortMode::score, true},
         {"eta 3", "eat 3", "tae 3", "tea 3", "ate 3", "at 2", "a 1"}},
        {"length_order_no_points",
         {"tea", "1", "3", false, false, SortMode::length, false},
         {"eta ", "eat ", "tae ", "tea ", "ate ", "at ", "a "}},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.name);
        SearchOutcome outcome = Search(example.request);
        EXPECT_EQ(Items(outcome.found, outcome.listing), example.items);
        const std::string count = " " + std::to_string(example.items.size());
        EXPECT_EQ(outcome.caption, count + " words found");
        EXPECT_EQ(outcome.status, count + " words found out of 14 total words.");
    }
}

TEST(SearchExamples, EmptyEntryOfTheList) {
    const auto list = ListOf("\r\nat\r\n"); // an empty line, then "at"
    struct Row {
        const char* name;
        SearchRequest request;
        std::int32_t found;
        std::vector<std::string> items;
    } rows[] = {
        {"alpha_leaves_it_out",
         {"at", "0", "2", false, false, SortMode::alpha, true},
         2,
         {"at (2)"}},
        {"score_lists_it",
         {"at", "0", "2", false, false, SortMode::score, true},
         2,
         {"at 2", " 0"}},
        {"length_lists_it",
         {"at", "-1", "2", false, false, SortMode::length, false},
         2,
         {"at ", " "}},
        {"minimum_above_zero",
         {"at", "0.5", "2", false, false, SortMode::score, true},
         1,
         {"at 2"}},
        {"maximum_below_zero", {"at", "0", "-1", false, false, SortMode::score, true}, 0, {}},
        {"no_maximum", {"at", "0", "-1", true, false, SortMode::score, true}, 2, {"at 2", " 0"}},
        {"anagram", {"at", "0", "2", false, true, SortMode::score, true}, 1, {"at 2"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SearchOutcome outcome = Search(row.request, list);
        EXPECT_EQ(outcome.found.FoundCount(), row.found);
        EXPECT_EQ(Items(outcome.found, outcome.listing), row.items);
        EXPECT_EQ(outcome.caption, " " + std::to_string(row.found) + " words found");
    }
}

TEST(SearchExamples, WordScoresUnderEachPreset) {
    struct Row {
        const char* word;
        PointScheme scheme;
        std::int64_t score;
    } rows[] = {
        {"quiz", PointScheme::scrabble, 22},  {"quiz", PointScheme::literati, 12},
        {"quiz", PointScheme::wordmojo, 120}, {"fix", PointScheme::scrabble, 13},
        {"QuIz", PointScheme::scrabble, 22},  {"qu-i'z\xe9", PointScheme::scrabble, 22},
        {"", PointScheme::wordmojo, 0},       {"cdmp", PointScheme::literati, 5},
        {"ghln", PointScheme::wordmojo, 100}, {"vw", PointScheme::literati, 8},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WordScore(row.word, PresetTable(row.scheme)), row.score)
            << row.word << " " << PointSchemeWord(row.scheme);
}

struct SortExample {
    const char* name;
    std::vector<std::tuple<const char*, std::int64_t, std::int32_t>> rows; // word, score, length
    int routine;                                                           // 1, 2 or 3
    bool descending;
    std::int32_t numEls; // -2: every row
    std::vector<std::string> words;
};

// Each example is run through the program's routines and the literal ones.
TEST(SortExamples, TiesFallWhereTheStepsPutThem) {
    const std::vector<std::tuple<const char*, std::int64_t, std::int32_t>> seven = {
        {"a", 1, 1},   {"at", 2, 2},  {"ate", 3, 3}, {"eat", 3, 3},
        {"eta", 3, 3}, {"tae", 3, 3}, {"tea", 3, 3}};
    const std::vector<std::string> byScore = {"eta", "eat", "tae", "tea", "ate", "at", "a"};
    const SortExample examples[] = {
        {"two_equal_scores_exchange", {{"b", 1, 1}, {"a", 1, 1}}, 2, true, -2, {"a", "b"}},
        {"three_equal_scores",
         {{"x", 2, 1}, {"y", 2, 1}, {"z", 2, 1}},
         2,
         true,
         -2,
         {"y", "z", "x"}},
        {"seven_alpha", seven, 1, false, -2, {"a", "at", "ate", "eat", "eta", "tae", "tea"}},
        {"seven_score", seven, 2, true, -2, byScore},
        {"seven_length", seven, 3, true, -2, byScore},
        {"five_score",
         {{"dog", 5, 3}, {"cat", 5, 3}, {"emu", 5, 3}, {"ox", 9, 2}, {"bee", 5, 3}},
         2,
         true,
         -2,
         {"ox", "emu", "bee", "cat", "dog"}},
        {"five_length",
         {{"dog", 5, 3}, {"cat", 5, 3}, {"emu", 5, 3}, {"ox", 9, 2}, {"bee", 5, 3}},
         3,
         true,
         -2,
         {"emu", "bee", "cat", "dog", "ox"}},
        {"scores_as_numbers",
         {{"m", -3, 1}, {"z", 0, 1}, {"t", 12, 1}, {"n", 9, 1}},
         2,
         true,
         -2,
         {"t", "n", "z", "m"}},
        {"ascending_scores",
         {{"t", 12, 1}, {"n", 9, 1}, {"m", -3, 1}},
         2,
         false,
         -2,
         {"m", "n", "t"}},
        {"bytes_above_127_last",
         {{"\xe9", 1, 1}, {"z", 1, 1}, {"Z", 1, 1}},
         1,
         false,
         -2,
         {"Z", "z", "\xe9"}},
        {"no_rows", {{"b", 1, 1}, {"a", 2, 1}}, 2, true, -1, {"b", "a"}},
        {"one_row", {{"b", 1, 1}, {"a", 2, 1}}, 2, true, 0, {"b", "a"}},
        {"rows_beyond_untouched",
         {{"c", 1, 1}, {"b", 2, 1}, {"a", 3, 1}},
         2,
         true,
         1,
         {"b", "c", "a"}},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.name);
        std::vector<FoundRow> program;
        for (const auto& [word, score, length] : example.rows) {
            FoundRow row;
            row.word = word;
            row.score = score;
            row.length = length;
            program.push_back(row);
        }
        literal::TextTable reference = TextTableOf(FoundWords{nullptr, program, 0});
        const std::int32_t numEls =
            example.numEls == -2 ? static_cast<std::int32_t>(program.size()) - 1 : example.numEls;
        (example.routine == 1   ? QuickSort
         : example.routine == 2 ? QuickSort2
                                : QuickSort3)(program, numEls, example.descending);
        (example.routine == 1   ? literal::QuickSort
         : example.routine == 2 ? literal::QuickSort2
                                : literal::QuickSort3)(reference, numEls, example.descending);
        std::map<std::string, std::int64_t> scoreOf;
        for (const auto& [word, score, length] : example.rows)
            scoreOf[word] = score;
        std::vector<std::string> words, literalWords;
        for (std::size_t r = 0; r < program.size(); ++r) {
            words.emplace_back(program[r].word);
            literalWords.push_back(reference[r].word);
            EXPECT_EQ(program[r].score, scoreOf[words.back()]) << "a row lost its own score";
        }
        EXPECT_EQ(words, example.words);
        EXPECT_EQ(literalWords, example.words);
    }
}

TEST(SortExamples, ResortsStartFromTheOrderShown) {
    SearchOutcome outcome = Search({"tea", "1", "3", false, false, SortMode::score, true});
    EXPECT_EQ(
        Items(outcome.found, outcome.listing),
        (std::vector<std::string>{"eta 3", "eat 3", "tae 3", "tea 3", "ate 3", "at 2", "a 1"}));
    const std::pair<SortMode, std::vector<std::string>> steps[] = {
        {SortMode::length, {"tae 3", "tea 3", "ate 3", "eat 3", "eta 3", "at 2", "a 1"}},
        {SortMode::score, {"ate 3", "eat 3", "eta 3", "tea 3", "tae 3", "at 2", "a 1"}},
        {SortMode::alpha, {"a 1", "at 2", "ate 3", "eat 3", "eta 3", "tae 3", "tea 3"}},
    };
    for (const auto& [mode, items] : steps) {
        ResultListing listing = Resort(outcome.found, mode);
        EXPECT_EQ(Items(outcome.found, listing), items) << static_cast<int>(mode);
    }
    // Re-sorting shows the score even when the search showed none, and keeps the counts.
    SearchOutcome plain = Search({"tea", "1", "3", false, false, SortMode::alpha, false});
    EXPECT_EQ(Items(plain.found, plain.listing).front(), "a ");
    EXPECT_EQ(Items(plain.found, Resort(plain.found, SortMode::alpha)).front(), "a 1");
    EXPECT_EQ(plain.caption, " 7 words found");
}

TEST(ResultTexts, CountsCaptionAndStatus) {
    FoundWords twelve;
    twelve.rows.resize(12);
    twelve.matched = 12;
    EXPECT_EQ(FoundCaptionText(twelve), " 12 words found");
    EXPECT_EQ(FoundStatusText(twelve, 80000), " 12 words found out of 80000 total words.");
    EXPECT_EQ(FoundStatusText(FoundWords{}, 0), " 0 words found out of 0 total words.");
    FoundRow tea;
    tea.word = "tea";
    tea.score = -3;
    EXPECT_EQ(ItemText(tea, ItemForm::score_in_brackets), "tea (-3)");
    EXPECT_EQ(ItemText(tea, ItemForm::score_after_space), "tea -3");
    EXPECT_EQ(ItemText(tea, ItemForm::word_only), "tea ");
}

TEST(WordListLoading, LineEndsAndLastLines) {
    const struct {
        const char* name;
        std::string_view file;
        std::vector<std::string> words;
    } rows[] = {
        {"crlf_with_final_end", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"crlf_without_final_end", "a\r\nb", {"a", "b"}},
        {"lf_only", "a\nb\n", {"a", "b"}},
        {"lf_only_without_final_end", "a\n\nb", {"a", "", "b"}},
        {"mixed", "a\r\nb\nc", {"a", "b", "c"}},
        {"empty_file", "", {}},
        {"one_empty_line", "\r\n", {""}},
        {"lone_cr_stays_in_word", "a\rb\r\n", {"a\rb"}},
        {"blanks_and_case_kept", " Tea \r\ntea\r\n", {" Tea ", "tea"}},
    };
    for (const auto& row : rows) {
        WordList list = LoadWordList(row.file);
        std::vector<std::string> words;
        for (std::int32_t i = 0; i < list.WordCount(); ++i)
            words.emplace_back(list[i]);
        EXPECT_EQ(words, row.words) << row.name;
        EXPECT_EQ(list.DroppedWords(), 0) << row.name;
    }
    // The same words saved with either line end, the last line without one.
    FileText crlf = ReadWholeFile(TestData("adversarial_crlf.txt"));
    FileText lf = ReadWholeFile(TestData("adversarial_lf.txt"));
    ASSERT_TRUE(crlf.ok && lf.ok);
    WordList fromCrlf = LoadWordList(crlf.text);
    WordList fromLf = LoadWordList(lf.text);
    ASSERT_EQ(fromCrlf.WordCount(), 24);
    ASSERT_EQ(fromLf.WordCount(), 24);
    for (std::int32_t i = 0; i < 24; ++i)
        EXPECT_EQ(fromCrlf[i], fromLf[i]) << i;
    EXPECT_EQ(fromCrlf[23], "zzz");
    EXPECT_FALSE(ReadWholeFile(TestData("no-such-list.txt")).ok);
}

TEST(Capacity, LongListKeepsItsFirstWordsAndCountsTheRest) {
    std::string file;
    for (int i = 0; i < kWordListCapacity + 38; ++i) {
        char word[16];
        std::snprintf(word, sizeof word, "w%07d\r\n", i);
        file += word;
    }
    WordList list = LoadWordList(file);
    EXPECT_EQ(list.WordCount(), 265062);
    EXPECT_EQ(list.DroppedWords(), 38);
    EXPECT_EQ(list[265061], "w0265061");
}

TEST(Capacity, ManyMatchesKeepTheFirstRowsAndSaySo) {
    std::string file;
    for (int i = 0; i < 200000; ++i)
        file += "a\r\n";
    file += std::string("at\r\n").append(std::string("ta\r\n")).append("at\r\n");
    const auto list = ListOf(file);
    SearchOutcome outcome = Search({"at", "1", "2", false, false, SortMode::alpha, true}, list);
    EXPECT_EQ(outcome.found.FoundCount(), 200001);
    EXPECT_EQ(outcome.found.matched, 200003);
    EXPECT_EQ(outcome.found.rows.back().word, "at"); // the first 200,001 in list order
    EXPECT_EQ(outcome.caption, " 200001 words found");
    EXPECT_EQ(outcome.status.rfind(" 200001 words found out of 200003 total words.", 0), 0u)
        << outcome.status;
    EXPECT_NE(outcome.status.find("200003 matching"), std::string::npos) << outcome.status;
    literal::Found expected = literal::findwords(
        "at", {1, 2, false, false}, literal::CutLines(file), PresetTable(PointScheme::scrabble));
    EXPECT_EQ(expected.rows.size(), 200001u);
    EXPECT_EQ(expected.rows.back().word, "at");
}

TEST(Capacity, ScoresNeedSixtyFourBits) {
    std::array<std::string, 26> entries;
    entries.fill("2147483647");
    entries[0] = "-2147483648"; // A
    auto converted = ConvertCustomValues(entries);
    ASSERT_TRUE(std::holds_alternative<CustomValues>(converted));
    const LetterPoints points = std::get<CustomValues>(converted).active;
    EXPECT_EQ(WordScore("quiz", points), 8589934588);
    EXPECT_EQ(WordScore("at", points), -1);

    SearchOutcome outcome =
        Search({"*****", "1", "4", false, false, SortMode::score, true}, TeaList(), points);
    std::vector<std::string> items = Items(outcome.found, outcome.listing);
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(items.front().substr(items.front().find(' ')), " 8589934588");
    EXPECT_EQ(items.back(), "a -2147483648");
    literal::Found expected =
        literal::findwords("*****", {1, 4, false, false},
                           literal::CutLines(ReadWholeFile(TestData("tea.txt")).text), points);
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
        auto converted = ConvertCustomValues(entries);
        auto* error = std::get_if<CustomValueError>(&converted);
        ASSERT_EQ(error == nullptr, row.accepted) << row.entry;
        if (error) {
            EXPECT_EQ(error->letter, row.letter);
            const std::string named = std::string(" ") + static_cast<char>('A' + row.letter);
            EXPECT_NE(error->message.find(named), std::string::npos) << error->message;
        }
    }
}

} // namespace
