// anagrove-find: its listing and status against the literal search over the
// shipped lists, its refusals, and the real executable's streams and exit status.

#include "points/letter_points.h"
#include "support.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/wait.h>

namespace {

using testing_support::Find;
using testing_support::FindRun;

struct Expectation {
    std::string dictionary = "standard";
    std::string letters;
    literal::Limits limits{2, 8};
    anagrove::PointScheme points = anagrove::PointScheme::scrabble;
    int order = 1; // 1 alpha, 2 score, 3 length
    bool usePoints = true;
    std::vector<int> thens = {};
};

// The listing and the status text the window would show, from the literal search and sorts.
FindRun Expected(const Expectation& e) {
    static std::map<std::string, std::vector<std::string>> lists;
    auto& words = lists[e.dictionary];
    if (words.empty())
        words = literal::CutLines(testing_support::FileBytes(std::string(ANAGROVE_BIN_DIR) + "/" +
                                                             e.dictionary + ".txt"));
    literal::Found found =
        literal::findwords(e.letters, e.limits, words, anagrove::PresetTable(e.points));
    literal::SortByOption(found.rows, e.order);
    for (int then : e.thens)
        literal::SortByOption(found.rows, then);
    FindRun expected{0, "",
                     " " + std::to_string(found.rows.size()) + " words found out of " +
                         std::to_string(words.size()) + " total words.\n"};
    for (const auto& row : found.rows)
        if (!e.thens.empty()) // a re-sort lists every row with its score
            expected.out += row.word + " " + row.score + "\n";
        else if (e.order != 1 || !row.word.empty())
            expected.out += row.word +
                            (!e.usePoints   ? " "
                             : e.order == 1 ? " (" + row.score + ")"
                                            : " " + row.score) +
                            "\n";
    return expected;
}

TEST(FindCommand, PrintsWhatTheWindowLists) {
    using anagrove::PointScheme;
    const std::pair<std::vector<std::string>, Expectation> rows[] = {
        {{"tea*"}, {.letters = "tea*"}},
        {{"--dictionary", "extended", "--sort", "score", "--min", "1", "--max", "3.5", "TEA*"},
         {.dictionary = "extended", .letters = "TEA*", .limits = {1, 3.5}, .order = 2}},
        {{"--sort", "length", "--no-points", "--min", "2.5", "retains"},
         {.letters = "retains", .limits = {2.5, 8}, .order = 3, .usePoints = false}},
        {{"--dictionary", "extended", "--anagram", "--then", "length", "--then", "score", "tea*"},
         {.dictionary = "extended",
          .letters = "tea*",
          .limits = {2, 8, false, true},
          .thens = {3, 2}}},
        {{"--points", "literati", "--sort", "score", "--min", "4", "--no-max", "quiz**"},
         {.letters = "quiz**",
          .limits = {4, 8, true},
          .points = PointScheme::literati,
          .order = 2}},
        {{"--dictionary", "extended", "--points", "wordmojo", "--sort", "score", "--min", "4",
          "--then", "length", "quixotic*"},
         {.dictionary = "extended",
          .letters = "quixotic*",
          .limits = {4, 8},
          .points = PointScheme::wordmojo,
          .order = 2,
          .thens = {3}}},
    };
    for (const auto& [args, expectation] : rows) {
        const FindRun run = Find(args), expected = Expected(expectation);
        EXPECT_EQ(run.status, 0) << args.back();
        EXPECT_EQ(run.out, expected.out) << args.back();
        EXPECT_EQ(run.err, expected.err) << args.back();
        EXPECT_FALSE(expected.out.empty());
    }
    // Custom values as typed, negative ones included.
    const FindRun custom = Find({"--custom",
                                 "-1,2,3,4,-5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,"
                                 "22,23,24,25,26",
                                 "--anagram", "--sort", "score", "tea"});
    EXPECT_EQ(custom.out, "eat 14\neta 14\ntea 14\nate 14\naet 14\n");
}

TEST(FindCommand, RefusesBadInputWithOneLine) {
    const std::string c25 = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25";
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* mentions;
    } rows[] = {
        {"unknown_option", {"--bogus", "tea"}, "--bogus"},
        {"minimum_not_a_number", {"--min", "abc", "tea"}, "Minimum"},
        {"maximum_empty", {"--max", "", "tea"}, "Maximum"},
        {"twenty_five_custom_values", {"--custom", c25, "tea"}, "26"},
        {"twenty_seven_custom_values", {"--custom", c25 + ",1,1", "tea"}, "26"},
        {"custom_value_too_large",
         {"--custom", "1,2,2147483648" + c25.substr(5) + ",1", "tea"},
         " C"},
        {"score_order_without_points", {"--sort", "score", "--no-points", "tea"}, "score"},
        {"resort_by_score_without_points", {"--no-points", "--then", "score", "tea"}, "score"},
        {"unknown_dictionary", {"--dictionary", "medium", "tea"}, "medium"},
        {"unknown_scheme", {"--points", "chess", "tea"}, "chess"},
        {"custom_with_a_preset",
         {"--points", "literati", "--custom", c25 + ",1", "tea"},
         "--custom"},
        {"missing_value", {"tea", "--min"}, "--min"},
        {"two_letters_arguments", {"tea", "eat"}, "one LETTERS"},
        {"no_letters", {"--sort", "alpha"}, "LETTERS"},
        {"empty_letters", {""}, "letters"},
    };
    for (const auto& row : rows) {
        const FindRun run = Find(row.args);
        EXPECT_EQ(run.status, 2) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << row.name << run.err;
        EXPECT_TRUE(run.err.ends_with("\n")) << row.name;
        EXPECT_NE(run.err.find(row.mentions), std::string::npos) << row.name << run.err;
    }
    const FindRun help = Find({"tea", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--dictionary", "--word-list", "--min", "--max", "--no-max", "--anagram", "--sort",
          "--points", "--custom", "--no-points", "--then", "LETTERS"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

// The built executable: items on standard output, the status or the complaint on
// standard error, and the exit status.
TEST(FindCommand, RealExecutableSplitsItsStreams) {
    const testing_support::ScratchDir dir;
    const std::string tea = testing_support::TestData("tea.txt");
    const struct {
        std::string args;
        int status;
        std::string out, err;
    } rows[] = {
        {"--word-list " + tea + " --min 1 --max 3 tea", 0,
         "a (1)\nat (2)\nate (3)\neat (3)\neta (3)\ntae (3)\ntea (3)\n",
         " 7 words found out of 14 total words.\n"},
        {"--min abc tea", 2, "",
         "anagrove-find: Please enter a number in the box \"Minimum letters:\".\n"},
        {"--word-list " + tea + ".missing tea", 1, "",
         "anagrove-find: cannot read the word list " + tea +
             ".missing: No such file or directory\n"},
    };
    for (const auto& row : rows) {
        const std::string out = (dir.path / "out").string(), err = (dir.path / "err").string();
        const int raw = std::system((std::string(ANAGROVE_BIN_DIR) + "/anagrove-find " + row.args +
                                     " >" + out + " 2>" + err + " </dev/null")
                                        .c_str());
        EXPECT_TRUE(WIFEXITED(raw)) << row.args;
        EXPECT_EQ(WEXITSTATUS(raw), row.status) << row.args;
        EXPECT_EQ(testing_support::FileBytes(out), row.out) << row.args;
        EXPECT_EQ(testing_support::FileBytes(err), row.err) << row.args;
    }
}

} // namespace
