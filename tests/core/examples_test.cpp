// The worked examples of the search, the scores, the sorts, the result texts,
// the settings line and the launcher's messages.

#include "app/settings.h"
#include "lookup/lookup_address.h"
#include "search/letter_score.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace anagrove;

const std::string kTea = "a\r\nat\r\nate\r\neat\r\neta\r\ntae\r\ntea\r\nteas\r\ntee\r\ntree\r\n"
                         "teat\r\nset\r\nquiz\r\nfix\r\n";

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

SearchOutcome Search(const SearchRequest& request, std::string_view file = kTea,
                     const LetterPoints& points = PresetTable(PointScheme::scrabble)) {
    return RunSearch(request, std::get<SearchLimits>(ReadSearchLimits(request)),
                     std::make_shared<const WordList>(LoadWordList(file)), points);
}

// The listed items, joined by ", ".
std::string Listed(const FoundWords& found, const ResultListing& listing) {
    std::string items;
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r)
        items += (items.empty() ? "" : ", ") +
                 ItemText(found.rows[static_cast<std::size_t>(r)], listing.form);
    return items;
}

TEST(SearchExamples, ListsCaptionAndStatus) {
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
        {"anagram_ignores_limits", Request("tea", "9", "x", "anagram"),
         "ate (3), eat (3), eta (3), tae (3), tea (3)", 5},
        {"anagram_with_blank", Request("tea*", "2", "8", "anagram"), "teas (4), teat (4)", 2},
        {"anagram_space_counts", Request("tea ", "2", "8", "anagram"), "", 0},
        {"fraction_limits", Request("teas*", "2.5", "4.5"),
         "ate (3), eat (3), eta (3), set (3), tae (3), tea (3), teas (4), teat (4), tee (3)", 9},
        {"no_maximum", Request("tea*", "4", "x", "nomax"), "teas (4), teat (4)", 2},
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
        {"empty_word_no_maximum", Request("at", "0", "-1", "score nomax"), "at 2,  0", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const bool emptyLine = std::string_view(row.name).starts_with("empty_word");
        SearchOutcome outcome = Search(row.request, emptyLine ? "\r\nat\r\n" : kTea);
        EXPECT_EQ(Listed(outcome.found, outcome.listing), row.items);
        const std::string count = " " + std::to_string(row.count);
        EXPECT_EQ(outcome.caption, count + " words found");
        EXPECT_EQ(outcome.status,
                  count + " words found out of " + (emptyLine ? "2" : "14") + " total words.");
    }
}

TEST(SearchExamples, WordScoresUnderEachPreset) {
    const std::tuple<const char*, PointScheme, std::int64_t> rows[] = {
        {"quiz", PointScheme::scrabble, 22},  {"QuIz", PointScheme::scrabble, 22},
        {"fix", PointScheme::scrabble, 13},   {"qu-i'z\xe9", PointScheme::scrabble, 22},
        {"quiz", PointScheme::literati, 12},  {"cdmpvw", PointScheme::literati, 13},
        {"quiz", PointScheme::wordmojo, 120}, {"ghln", PointScheme::wordmojo, 100},
    };
    for (const auto& [word, scheme, score] : rows)
        EXPECT_EQ(WordScore(word, PresetTable(scheme)), score) << word << " " << int(scheme);
}

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
        {"bytes_above_127_last", 1, false, -2, "\xe9 z Z", {}, "Z z \xe9"},
        {"no_rows", 2, true, -1, "b a", {1, 2}, "b a"},
        {"one_row", 2, true, 0, "b a", {1, 2}, "b a"},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.words);
        const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
        std::vector<FoundRow> table(words.size());
        for (std::size_t r = 0; r < words.size(); ++r) {
            table[r].word = words[r];
            table[r].score = row.routine == 2 ? row.keys[r] : 0;
            table[r].length =
                static_cast<std::int32_t>(row.routine == 3 ? row.keys[r] : words[r].size());
        }
        const auto numEls = row.numEls == -2 ? std::int32_t(words.size()) - 1 : row.numEls;
        (row.routine == 1   ? QuickSort
         : row.routine == 2 ? QuickSort2
                            : QuickSort3)(table, numEls, row.descending);
        std::string sorted;
        for (const FoundRow& r : table)
            sorted += (sorted.empty() ? "" : " ") + std::string(r.word);
        EXPECT_EQ(sorted, row.sorted) << row.name;
    }
}

TEST(SortExamples, ResortsStartFromTheOrderShown) {
    SearchOutcome outcome = Search(Request("tea", "1", "3", "score"));
    const std::pair<SortMode, const char*> steps[] = {
        {SortMode::length, "tae 3, tea 3, ate 3, eat 3, eta 3, at 2, a 1"},
        {SortMode::score, "ate 3, eat 3, eta 3, tea 3, tae 3, at 2, a 1"},
        {SortMode::alpha, "a 1, at 2, ate 3, eat 3, eta 3, tae 3, tea 3"},
    };
    for (const auto& [mode, items] : steps)
        EXPECT_EQ(Listed(outcome.found, Resort(outcome.found, mode)), items);
    // A re-sort shows scores also when the search did not, and every row.
    SearchOutcome plain = Search(Request("at", "0", "2", "nopoints"), "\r\nat\r\n");
    EXPECT_EQ(Listed(plain.found, Resort(plain.found, SortMode::alpha)), " 0, at 2");
}

TEST(SettingsExamples, LineOfThirtyFourQuotedFields) {
    Settings settings;
    settings.SortSetting = "score";
    settings.DictionarySetting = "extended";
    settings.customPoints[25] = " 5";
    std::string empties; // custom values never set
    for (int f = 0; f < 25; ++f)
        empties += "\"\",";
    const std::string line = FormatSettings(settings);
    EXPECT_EQ(line, "\"score\",\"2\",\"8\",\"1\",\"1\",\"extended\",\"true\",\"scrabble\"," +
                        empties + "\" 5\"\r\n");
    EXPECT_EQ(ParseSettings(line), settings);
    EXPECT_EQ(Settings{}, ParseSettings(FormatSettings(Settings{})));
}

TEST(LauncherExamples, FailureTexts) {
    EXPECT_EQ(BrowserProblemText(2), "Anagrove had a problem running your web browser.You should "
                                     "check that your browser is correctly installed.(Error2)");
    const std::string document = "http://example.invalid/search?q=quiz";
    EXPECT_EQ(AssociationText(document),
              "Anagrove could not find a file association for " + document +
                  " on your system. You should check that your browseris correctly installed and "
                  "associated with this type of file.");
}

} // namespace
