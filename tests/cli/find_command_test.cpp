// anagrove-find: each option as the window control it stands for, its refusals,
// and the built executable's streams and exit status.

#include "support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace {

using testing_support::Find;
using testing_support::FindRun;

// The worked examples: each option acts as the window control it stands for.
// Rows: options, the items ("|" ends one), found and total words. The shipped
// lists are searched as the differential test checks.
TEST(FindCommand, WorkedExamples) {
    const testing_support::ScratchDir dir;
    const std::string tea = dir.File("tea", "a\nat\nate\neat\neta\ntae\ntea\nteas\ntee\ntree\n"
                                            "teat\nset\nquiz\nfix\n"),
                      emptyLine = dir.File("empty", "\r\nat\r\n");
    std::string small = "-1,2,3", wide = "-2147483648"; // custom values A to Z
    for (int letter = 1; letter < 26; ++letter)
        wide += ",2147483647";
    for (int letter = 3; letter < 26; ++letter)
        small += ",1";
    const std::string seven = "a (1)|at (2)|ate (3)|eat (3)|eta (3)|tae (3)|tea (3)|";
    const std::tuple<std::string, std::string, const char*> rows[] = {
        {"--min 1 --max 3 tea", seven, "7/14"},
        {"--min 1 --max 4 TEA", seven, "7/14"}, // not teas, teat or tee
        {"--min 1 --max 4 te*",
         "a (1)|at (2)|ate (3)|eat (3)|eta (3)|set (3)|tae (3)|tea (3)|tee (3)|", "9/14"},
        {"--min 1 --max 2 **", "a (1)|at (2)|", "2/14"},
        {"--min 9 --max x --anagram tea", "ate (3)|eat (3)|eta (3)|tae (3)|tea (3)|", "5/14"},
        {"--anagram tea*", "teas (4)|teat (4)|", "2/14"},
        {"--min 2.5 --max 4.5 teas*",
         "ate (3)|eat (3)|eta (3)|set (3)|tae (3)|tea (3)|teas (4)|teat (4)|tee (3)|", "9/14"},
        {"--min 4 --max x --no-max tea*", "teas (4)|teat (4)|", "2/14"},
        {"--min 3 --max 2 tea", "", "0/14"},
        {"--min 4 --max 8 QUI*", "quiz (22)|", "1/14"},
        {"--min 1 --no-points fix", "fix |", "1/14"},
        {"--min 1 --max 3 --sort score tea", "eta 3|eat 3|tae 3|tea 3|ate 3|at 2|a 1|", "7/14"},
        {"--min 1 --max 3 --sort length --no-points tea", "eta |eat |tae |tea |ate |at |a |",
         "7/14"},
        {"--min 1 --max 3 --sort score --then length tea",
         "tae 3|tea 3|ate 3|eat 3|eta 3|at 2|a 1|", "7/14"},
        {"--min 1 --max 3 --sort score --then length --then score tea",
         "ate 3|eat 3|eta 3|tea 3|tae 3|at 2|a 1|", "7/14"},
        {"--min 1 --max 3 --sort score --then alpha tea", "a 1|at 2|ate 3|eat 3|eta 3|tae 3|tea 3|",
         "7/14"},
        {"--points literati --sort score quiz", "quiz 12|", "1/14"},
        {"--points wordmojo --min 4 quiz", "quiz (120)|", "1/14"},
        {"--custom " + small + " --sort score --min 1 --max 2 tea", "at 0|a -1|", "2/14"},
        {"--custom " + wide + " --points custom --sort score --min 1 --max 4 quiz*",
         "quiz 8589934588|a -2147483648|", "2/14"},
        // An empty line of the list is an empty word, never listed alphabetically.
        {"--word-list " + emptyLine + " --min 0 --max 2 at", "at (2)|", "2/2"},
        {"--word-list " + emptyLine + " --min -1 --max 2 --sort score at", "at 2| 0|", "2/2"},
        {"--word-list " + emptyLine + " --min 0 --sort length --no-points at", "at | |", "2/2"},
        {"--word-list " + emptyLine + " --min 0.5 --max 2 --sort score at", "at 2|", "1/2"},
        {"--word-list " + emptyLine + " --min 0 --max -1 --no-max --sort score at", "at 2| 0|",
         "2/2"},
        {"--word-list " + emptyLine + " --min 0 --no-points --then alpha at", " 0|at 2|", "2/2"},
    };
    for (const auto& [options, items, counts] : rows) {
        std::vector<std::string> args = {"--word-list", tea};
        std::istringstream in(options);
        for (std::string arg; in >> arg;)
            args.push_back(arg);
        const FindRun run = Find(args);
        std::string out = items, count = counts;
        std::replace(out.begin(), out.end(), '|', '\n');
        EXPECT_EQ(run.out, out) << options;
        EXPECT_EQ(run.err, " " + count.replace(count.find('/'), 1, " words found out of ") +
                               " total words.\n")
            << options;
        EXPECT_EQ(run.status, 0) << options;
    }
    EXPECT_EQ(Find({"--word-list", tea, "--anagram", "tea "}).err, // the blank counts
              " 0 words found out of 14 total words.\n");
    for (const std::string dictionary : {"standard", "extended"}) {
        const auto words = literal::CutLines(
            testing_support::FileBytes(std::string(ANAGROVE_BIN_DIR) + "/" + dictionary + ".txt"));
        EXPECT_EQ(Find({"--dictionary", dictionary, "--anagram", "qqqq"}).err,
                  " 0 words found out of " + std::to_string(words.size()) + " total words.\n");
        EXPECT_GT(words.size(), 100000u);
    }
    EXPECT_EQ(Find({"--anagram", "qqqq"}).err,
              Find({"--dictionary", "standard", "--anagram", "qqqq"}).err);
}

TEST(FindCommand, RefusesBadInputWithOneLine) {
    const std::string c25 = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25";
    const std::tuple<const char*, std::vector<std::string>, const char*> rows[] = {
        {"unknown_option", {"--bogus", "tea"}, "--bogus"},
        {"minimum_not_a_number", {"--min", "abc", "tea"}, "Minimum"},
        {"maximum_empty", {"--max", "", "tea"}, "Maximum"},
        {"twenty_five_custom_values", {"--custom", c25, "tea"}, "26"},
        {"twenty_seven_custom_values", {"--custom", c25 + ",1,1", "tea"}, "26"},
        {"custom_value_too_large",
         {"--custom", "1,2,2147483648" + c25.substr(5) + ",1", "tea"},
         " C."},
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
    for (const auto& [name, args, mentions] : rows) {
        const FindRun run = Find(args);
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_TRUE(run.err.starts_with("anagrove-find: ") && run.err.ends_with("\n")) << name;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << name << run.err;
        EXPECT_NE(run.err.find(mentions), std::string::npos) << name << run.err;
    }
    const FindRun help = Find({"tea", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--dictionary", "--word-list", "--min", "--max", "--no-max", "--anagram", "--sort",
          "--points", "--custom", "--no-points", "--then", "LETTERS"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

// The built executable: items on standard output, the status or the complaint
// on standard error, and the exit status.
TEST(FindCommand, BuiltExecutableSplitsItsStreams) {
    const testing_support::ScratchDir dir;
    const std::string list = dir.File("list", "at\r\ntea\r\nt\xe9"), out = dir.File("out", ""),
                      err = dir.File("err", "");
    const std::tuple<std::string, int, std::string, std::string> rows[] = {
        {"--word-list " + list + " --min 1 tea", 0, "at (2)\ntea (3)\nt\xc3\xa9 (1)\n",
         " 3 words found out of 3 total words.\n"},
        {"--min abc tea", 2, "",
         "anagrove-find: Please enter a number in the box \"Minimum letters:\".\n"},
        {"--word-list " + out + ".missing tea", 1, "",
         "anagrove-find: cannot read the word list " + out +
             ".missing: No such file or directory\n"},
    };
    for (const auto& [args, status, stdOut, stdErr] : rows) {
        const int raw = std::system((std::string(ANAGROVE_BIN_DIR) + "/anagrove-find " + args +
                                     " >" + out + " 2>" + err + " </dev/null")
                                        .c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == status) << args << ": " << raw;
        EXPECT_EQ(testing_support::FileBytes(out), stdOut) << args;
        EXPECT_EQ(testing_support::FileBytes(err), stdErr) << args;
    }
}

} // namespace
