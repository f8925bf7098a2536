// anagrove-find's board letters, output formats, word checks and word lists
// from standard input.

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

// Each format's exact bytes on a small list; the status stays on standard error.
TEST(FindBoard, FormatsExactBytes) {
    const ScratchDir dir;
    const std::string list = dir.File("list", "tea\nquiz\n\xe9t\xe9\nzz\n");
    std::string custom = "--custom 1";
    for (int letter = 1; letter < 26; ++letter)
        custom += ",2";
    struct Row {
        std::string options;
        std::string bytes; // standard output
    };
    const Row rows[] = {
        {"--min 1 --format text ta*", "tea (3)\n\xc3\xa9t\xc3\xa9 (1)\n"},
        {"--min 1 --format tsv --sort score ta*", "word\tlength\tscore\tblanks\tscore_blanks_zero\n"
                                                  "tea\t3\t3\te\t2\n"
                                                  "\xc3\xa9t\xc3\xa9\t3\t1\t\t1\n"},
        {"--min 4 --format tsv --no-points qui*", "word\tlength\tscore\tblanks\tscore_blanks_zero\n"
                                                  "quiz\t4\t\tz\t\n"},
        {"--min 4 --format json --all-schemes qui*",
         "[\n{\"word\":\"quiz\",\"length\":4,\"score\":22,\"blanks\":\"z\","
         "\"score_blanks_zero\":12,\"scrabble\":22,\"literati\":12,\"wordmojo\":120}\n]\n"},
        {"--min 4 --format json --no-points --then length qui*",
         "[\n{\"word\":\"quiz\",\"length\":4,\"score\":null,\"blanks\":\"z\","
         "\"score_blanks_zero\":null}\n]\n"},
        {"--min 1 --format tsv --all-schemes --sort length --pattern .z z " + custom,
         "word\tlength\tscore\tblanks\tscore_blanks_zero\tscrabble\tliterati\twordmojo\tcustom\n"
         "zz\t2\t4\t\t4\t20\t10\t100\t4\n"},
        {"--format json qqq", "[]\n"},
        {"--format tsv qqq", ""},
    };
    for (const Row& row : rows) {
        const FindRun run = Find(ListArgs(list, row.options));
        EXPECT_EQ(run.status, 0) << row.options;
        EXPECT_EQ(run.out, row.bytes) << row.options;
        EXPECT_TRUE(run.err.ends_with(" total words.\n")) << row.options << run.err;
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

// --check: the line per word, the JSON object per word and the exit status.
TEST(FindBoard, CheckStatusesAndHooks) {
    const ScratchDir dir;
    const std::string list = dir.File("list", "at\nAte\nbat\nmat\nats\nate\nrate\n\xe9t\xe9\n");
    struct Row {
        const char* name;
        std::vector<std::string> words;
        int status;
        std::string out;
    };
    const Row rows[] = {
        {"in_the_list_with_hooks", {"at"}, 0, "at: in the list; front hooks: bm; back hooks: es\n"},
        {"any_case", {"aTE"}, 0, "aTE: in the list; front hooks: r; back hooks: (none)\n"},
        {"not_in_the_list_but_hooked",
         {"te"},
         3,
         "te: not in the list; front hooks: a; back hooks: (none)\n"},
        {"one_missing_of_two",
         {"bat", "zzz"},
         3,
         "bat: in the list; front hooks: (none); back hooks: (none)\n"
         "zzz: not in the list; front hooks: (none); back hooks: (none)\n"},
        {"latin1_word",
         {"\xc3\xa9t\xc3\xa9"},
         0,
         "\xc3\xa9t\xc3\xa9: in the list; front hooks: (none); back hooks: (none)\n"},
        {"json",
         {"--format", "json", "at", "a\"t"},
         3,
         "[\n{\"word\":\"at\",\"in_list\":true,\"front_hooks\":\"bm\",\"back_hooks\":\"es\"},\n"
         "{\"word\":\"a\\\"t\",\"in_list\":false,\"front_hooks\":\"\",\"back_hooks\":\"\"}\n]\n"},
        {"tsv",
         {"--format", "tsv", "ate"},
         0,
         "word\tin_list\tfront_hooks\tback_hooks\nate\ttrue\tr\t\n"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"--word-list", list, "--check"};
        args.insert(args.end(), row.words.begin(), row.words.end());
        EXPECT_EQ(Find(args), (FindRun{row.status, row.out, ""})) << row.name;
    }
}

// A list named "-" is read from standard input, in-process and by the built
// program, under the same rules as a file.
TEST(FindBoard, StandardInput) {
    EXPECT_EQ(Find({"--word-list", "-", "--min", "1", "tea"}, "tea\r\neat\nteat\n"),
              (FindRun{0, "eat (3)\ntea (3)\n", Status(2, 3)}));
    EXPECT_EQ(Find({"--word-list", "-", "--check", "tea"}).status, 3);
    const ScratchDir dir;
    EXPECT_EQ(FindBuilt(dir, "--word-list - --check teat --format tsv", "tea\\nteat\\n"),
              (FindRun{0, "word\tin_list\tfront_hooks\tback_hooks\nteat\ttrue\t\t\n", ""}));
}

} // namespace
