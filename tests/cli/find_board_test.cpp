// anagrove-find's board letters, and its JSON over lists of every byte. The
// command lines of cases.txt hold the rest of its output to cases.golden.

#include "cli/json_reader.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using namespace std::literals;

const char* const kList = "tea\neat\nteat\ntete\ntee\nquiz\nquizzes\nit's\nsea\nseat\n";

// The words found, each with the letters its blanks stand for, from the
// tab-separated output.
TEST(FindBoard, PlacementsAnagramsAndLimits) {
    const ScratchDir dir;
    const std::string list = dir.File("list", kList);
    struct Found {
        std::string word, blanks;
        bool operator==(const Found&) const = default;
    };
    struct Row {
        const char* name;
        const char* options;
        std::vector<Found> found;
    };
    const Row rows[] = {
        {"text_twice_either_place_works",
         "--min 1 --contains te t*",
         {{"tea", "a"}, {"teat", "a"}, {"tee", "e"}, {"tete", "e"}}},
        {"contains_after_starts_takes_second_run",
         "--min 1 --starts te --contains te *",
         {{"tete", ""}}},
        {"contains_only_overlapping_starts", "--min 1 --starts te --contains ea t*", {}},
        {"starts_and_ends_side_by_side", "--starts te --ends at *", {{"teat", ""}}},
        {"starts_and_ends_would_overlap", "--starts tea --ends at *", {}},
        {"ends_alone", "--ends at ***", {{"eat", "e"}, {"seat", "es"}, {"teat", "et"}}},
        {"board_letters_any_case", "--starts TE --ends At *", {{"teat", ""}}},
        {"anagram_rack_part_uses_every_tile", "--anagram --starts t ea", {{"tea", ""}}},
        {"anagram_rack_part_of_three", "--anagram --starts t eat", {{"teat", ""}}},
        {"anagram_blank_in_rack_part", "--anagram --ends t ea*", {{"seat", "s"}, {"teat", "t"}}},
        {"anagram_too_few_rack_letters", "--anagram --starts t eats", {}},
        {"pattern_dots_from_rack", "--pattern .e.t s*", {{"seat", "a"}}},
        {"pattern_non_letter_needs_no_tile", "--pattern i... t*", {{"it's", "s"}}},
        {"limits_on_the_whole_word", "--starts quiz --max 6 ***", {{"quiz", ""}}},
        {"limits_admit_the_long_word",
         "--starts quiz --max 7 ***",
         {{"quiz", ""}, {"quizzes", "esz"}}},
    };
    for (const Row& row : rows) {
        const FindRun run = Find(ListArgs(list, "--format tsv "s + row.options));
        std::vector<Found> found;
        std::istringstream lines(run.out);
        std::string line;
        std::getline(lines, line); // the header
        while (std::getline(lines, line)) {
            std::vector<std::string> fields;
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, '\t');)
                fields.push_back(cell);
            found.push_back({fields.at(0), fields.at(3)});
        }
        EXPECT_EQ(run.status, 0) << row.name;
        EXPECT_TRUE(found == row.found) << row.name << ": " << run.out;
    }
}

// Lists of every byte the word lists can hold parse back as JSON, each word
// exactly as the text output shows it.
TEST(FindBoard, JsonParsesBackOverHostileLists) {
    const ScratchDir dir;
    std::string hostile = "\"quoted\"\nback\\slash\n\x7f\ndel\xff\n\"\\\"\\\n";
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '\n')
            hostile += "a" + std::string(1, static_cast<char>(byte)) + "z\n";
    const std::string list = dir.File("list", hostile);
    for (const char* order : {"alpha", "score", "length"}) {
        const std::string options =
            "--min 0 --no-max --sort "s + order + " --then " + order + " ********";
        const FindRun json = Find(ListArgs(list, "--format json --all-schemes " + options));
        const FindRun text = Find(ListArgs(list, options));
        const std::optional<Json> parsed = JsonReader::Read(json.out);
        ASSERT_TRUE(parsed && parsed->kind == '[') << order;
        std::string words;
        for (const Json& item : parsed->items) {
            ASSERT_EQ(item.keys.size(), 8u);
            words += item.Member("word")->text + "\n";
            EXPECT_EQ(item.Member("scrabble")->kind, '0');
        }
        std::string items; // from "word score" per line
        std::istringstream lines(text.out);
        for (std::string line; std::getline(lines, line);)
            items += line.substr(0, line.rfind(' ')) + "\n";
        EXPECT_GT(parsed->items.size(), 250u);
        EXPECT_EQ(words, items) << order;
    }
}

} // namespace
