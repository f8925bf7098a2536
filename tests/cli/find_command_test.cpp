// anagrove-find run as a user runs it: its output, its status text and its
// exit status, against the literal search over the shipped lists.

#include "points/letter_points.h"
#include "support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Outcome Find(const std::vector<std::string>& args) {
    static const fs::path errFile =
        fs::temp_directory_path() / ("anagrove-find-err-" + std::to_string(::getpid()));
    std::string command = ShellQuoted(std::string(ANAGROVE_BIN_DIR) + "/anagrove-find");
    for (const auto& arg : args)
        command += " " + ShellQuoted(arg);
    command += " 2>" + ShellQuoted(errFile.string()) + " </dev/null";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    std::array<char, 65536> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        outcome.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    outcome.err = testing_support::FileBytes(errFile.string());
    fs::remove(errFile);
    return outcome;
}

const std::vector<std::string>& ShippedWords(const std::string& dictionary) {
    static std::map<std::string, std::vector<std::string>> cache;
    auto& words = cache[dictionary];
    if (words.empty())
        words = literal::CutLines(
            testing_support::FileBytes(std::string(ANAGROVE_BIN_DIR) + "/" + dictionary + ".txt"));
    return words;
}

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
Outcome Expected(const Expectation& e) {
    const auto& words = ShippedWords(e.dictionary);
    literal::Found found =
        literal::findwords(e.letters, e.limits, words, anagrove::PresetTable(e.points));
    literal::SortByOption(found.rows, e.order);
    for (int then : e.thens)
        literal::SortByOption(found.rows, then);
    Outcome expected{0, "",
                     " " + std::to_string(found.rows.size()) + " words found out of " +
                         std::to_string(words.size()) + " total words.\n"};
    for (const auto& row : found.rows) {
        if (!e.thens.empty()) // a re-sort lists every row with its score
            expected.out += row.word + " " + row.score + "\n";
        else if (e.order != 1 || !row.word.empty())
            expected.out += row.word +
                            (!e.usePoints   ? " "
                             : e.order == 1 ? " (" + row.score + ")"
                                            : " " + row.score) +
                            "\n";
    }
    return expected;
}

TEST(FindCommand, PrintsWhatTheWindowLists) {
    using anagrove::PointScheme;
    const std::pair<std::vector<std::string>, Expectation> rows[] = {
        {{"tea*"}, {.letters = "tea*"}},
        {{"--dictionary", "extended", "tea*"}, {.dictionary = "extended", .letters = "tea*"}},
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
        {{"--no-points", "--then", "alpha", "stone"},
         {.letters = "stone", .usePoints = false, .thens = {1}}},
        // The golden listing below.
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
        std::string command;
        for (const auto& arg : args)
            command += arg + " ";
        SCOPED_TRACE(command);
        const Outcome run = Find(args), expected = Expected(expectation);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, expected.out);
        EXPECT_EQ(run.err, expected.err);
        EXPECT_FALSE(expected.out.empty());
    }
    // Custom values as typed, negative ones included.
    const Outcome custom = Find({"--custom",
                                 "-1,2,3,4,-5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,"
                                 "22,23,24,25,26",
                                 "--anagram", "--sort", "score", "tea"});
    EXPECT_EQ(custom.out, "eat 14\neta 14\ntea 14\nate 14\naet 14\n");
}

TEST(FindCommand, ReadsAnyWordListAndWritesUtf8) {
    Outcome run = Find({"--word-list", testing_support::TestData("adversarial_lf.txt"), "--min",
                        "1", "--max", "3", "t"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\xc3\xa9t\xc3\xa9 (1)\n\xc3\xbf (0)\n");
    EXPECT_EQ(run.err, " 2 words found out of 24 total words.\n");
}

TEST(FindCommand, RefusesBadInputWithOneLine) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* mentions;
    } rows[] = {
        {"unknown_option", {"--bogus", "tea"}, "--bogus"},
        {"minimum_not_a_number", {"--min", "abc", "tea"}, "Minimum"},
        {"maximum_not_a_number", {"--max", "", "tea"}, "Maximum"},
        {"twenty_five_custom_values",
         {"--custom", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25", "tea"},
         "26"},
        {"custom_value_too_large",
         {"--custom", "1,1,2147483648,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", "tea"},
         " C"},
        {"score_order_without_points", {"--sort", "score", "--no-points", "tea"}, "score"},
        {"resort_by_score_without_points", {"--no-points", "--then", "score", "tea"}, "score"},
        {"unknown_dictionary", {"--dictionary", "medium", "tea"}, "medium"},
        {"unknown_scheme", {"--points", "chess", "tea"}, "chess"},
        {"missing_value", {"tea", "--min"}, "--min"},
        {"no_letters", {"--sort", "alpha"}, "LETTERS"},
        {"empty_letters", {""}, "letters"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Outcome run = Find(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.ends_with("\n"));
        EXPECT_NE(run.err.find(row.mentions), std::string::npos) << run.err;
    }
}

TEST(FindCommand, HelpNamesEveryOption) {
    Outcome run = Find({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* option :
         {"--dictionary", "--word-list", "--min", "--max", "--no-max", "--anagram", "--sort",
          "--points", "--custom", "--no-points", "--then", "LETTERS"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

// A longer scored and re-sorted listing, kept as it was once checked by hand.
// ANAGROVE_RECORD_GOLDEN=1 writes the current output as the new golden file.
TEST(FindCommand, MatchesGoldenListing) {
    const std::string golden = testing_support::TestData("golden/extended_wordmojo_quixotic.txt");
    Outcome run = Find({"--dictionary", "extended", "--points", "wordmojo", "--sort", "score",
                        "--min", "4", "--then", "length", "quixotic*"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = run.out + "--- status ---\n" + run.err;
    if (const char* record = std::getenv("ANAGROVE_RECORD_GOLDEN"); record && *record == '1') {
        std::ofstream(golden, std::ios::binary) << text;
        GTEST_SKIP() << "recorded " << golden;
    }
    EXPECT_EQ(text, testing_support::FileBytes(golden));
}

} // namespace
