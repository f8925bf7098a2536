// anagrove-find: each option as the window control it stands for, its refusals,
// and the built executable's streams and exit status.

#include "support.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using namespace std::literals;

// The worked examples: each option acts as the window control it stands for.
// The shipped lists are searched as the differential test checks.
TEST(FindCommand, WorkedExamples) {
    const ScratchDir dir;
    const std::string tea = dir.File("tea", "a\n\nat\nate\neat\neta\ntae\ntea\nteas\ntee\ntree\n"
                                            "teat\nset\nquiz\nfix\ncdmpvw\nghln\n");
    std::string wide = "-2147483648"; // custom values A to Z
    for (int letter = 1; letter < 26; ++letter)
        wide += ",2147483647";
    struct Row {
        std::string options;
        std::vector<std::string> items;
        std::size_t found; // words found out of the list's 17
    };
    const Row rows[] = {
        {"--min 1 --max 4 TEA", // not teas, teat or tee
         {"a (1)", "at (2)", "ate (3)", "eat (3)", "eta (3)", "tae (3)", "tea (3)"},
         7},
        {"--min 1 --max 4 te*",
         {"a (1)", "at (2)", "ate (3)", "eat (3)", "eta (3)", "set (3)", "tae (3)", "tea (3)",
          "tee (3)"},
         9},
        {"--min 1 --max 2 --no-points **", {"a ", "at "}, 2},
        {"--min 9 --max x --anagram tea",
         {"ate (3)", "eat (3)", "eta (3)", "tae (3)", "tea (3)"},
         5},
        {"--anagram tea*", {"teas (4)", "teat (4)"}, 2},
        {"--min 2.5 --max 4.5 teas*",
         {"ate (3)", "eat (3)", "eta (3)", "set (3)", "tae (3)", "tea (3)", "teas (4)", "teat (4)",
          "tee (3)"},
         9},
        {"--min 4 --max x --no-max tea*", {"teas (4)", "teat (4)"}, 2},
        {"--min 4 --max 8 QUI*", {"quiz (22)"}, 1},
        {"--min 1 fix", {"fix (13)"}, 1},
        {"--min 1 --max 3 --sort score tea",
         {"eta 3", "eat 3", "tae 3", "tea 3", "ate 3", "at 2", "a 1"},
         7},
        {"--min 1 --max 3 --sort length --no-points tea",
         {"eta ", "eat ", "tae ", "tea ", "ate ", "at ", "a "},
         7},
        {"--min 1 --max 3 --sort score --then length tea",
         {"tae 3", "tea 3", "ate 3", "eat 3", "eta 3", "at 2", "a 1"},
         7},
        {"--min 1 --max 3 --sort score --then length --then score tea",
         {"ate 3", "eat 3", "eta 3", "tea 3", "tae 3", "at 2", "a 1"},
         7},
        // quiz under each preset, and the letters where the presets part
        {"--points literati --sort score --min 4 quizcdmpvw", {"cdmpvw 13", "quiz 12"}, 2},
        {"--points wordmojo --min 4 quizghln", {"ghln (100)", "quiz (120)"}, 2},
        {"--custom " + wide + " --points custom --sort score --min 1 --max 4 quiz*",
         {"quiz 8589934588", "a -2147483648"},
         2},
        // The empty line is an empty word, never listed alphabetically after a search.
        {"--min 0 --max 2 at", {"a (1)", "at (2)"}, 3},
        {"--min 0 --max 2 --sort length --no-points at", {"at ", "a ", " "}, 3},
        {"--min 0 --max 2 --no-points --then alpha at", {" 0", "a 1", "at 2"}, 3},
    };
    for (const Row& row : rows) {
        std::string items;
        for (const std::string& item : row.items)
            items += item + '\n';
        EXPECT_EQ(Find(ListArgs(tea, row.options)), (FindRun{0, items, Status(row.found, 17)}))
            << row.options;
    }
    // The blank counts; the shipped lists.
    EXPECT_EQ(Find({"--word-list", tea, "--anagram", "tea "}).err, Status(0, 17));
    for (const std::string dictionary : {"standard", "extended"})
        EXPECT_EQ(Find({"--dictionary", dictionary, "--anagram", "qqqq"}).err,
                  Status(0, literal::CutLines(Shipped(dictionary)).size()));
}

TEST(FindCommand, RefusesBadInputWithOneLine) {
    const std::string c25 = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25",
                      c26 = c25 + ",1";
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* mentions; // a part of the complaint
    };
    const Row rows[] = {
        {"unknown_option", {"--bogus", "tea"}, "--bogus"},
        {"minimum_not_a_number", {"--min", "abc", "tea"}, "Minimum"},
        {"twenty_five_custom_values", {"--custom", c25, "tea"}, "26"},
        {"custom_value_too_large", {"--custom", "2147483648" + c26.substr(1), "tea"}, " A."},
        {"score_order_without_points", {"--sort", "score", "--no-points", "tea"}, "score"},
        {"resort_by_score_without_points", {"--no-points", "--then", "score", "tea"}, "score"},
        {"unknown_dictionary", {"--dictionary", "medium", "tea"}, "medium"},
        {"unknown_scheme", {"--points", "chess", "tea"}, "chess"},
        {"custom_with_a_preset", {"--points", "literati", "--custom", c26, "tea"}, "--custom"},
        {"missing_value", {"tea", "--min"}, "--min"},
        {"two_letters_arguments", {"tea", "eat"}, "one LETTERS"},
        {"no_letters", {"--sort", "alpha"}, "LETTERS"},
        {"empty_letters", {""}, "letters"},
        {"board_text_not_letters", {"--starts", "t3", "tea"}, "--starts"},
        {"board_text_empty", {"--contains", "", "tea"}, "--contains"},
        {"board_text_twice", {"--ends", "a", "--ends", "b", "tea"}, "once"},
        {"pattern_with_blank", {"--pattern", "t*a", "tea"}, "--pattern"},
        {"pattern_and_starts", {"--pattern", "t.a", "--starts", "t", "tea"}, "--pattern"},
        {"unknown_format", {"--format", "xml", "tea"}, "xml"},
        {"all_schemes_as_text", {"--all-schemes", "tea"}, "--all-schemes"},
        {"check_with_search_option", {"--check", "--sort", "score", "tea"}, "--sort"},
        {"check_without_words", {"--check"}, "WORD"},
        {"format_without_value", {"tea", "--format"}, "--format"},
        // An option's value is never read as an option, nor a word after "--".
        {"check_as_a_value", {"--min", "--check", "tea"}, "Minimum"},
        {"check_after_words_end", {"tea", "--", "--check"}, "one LETTERS"},
    };
    for (const Row& row : rows) {
        const FindRun run = Find(row.args);
        EXPECT_TRUE(run.status == 2 && run.out.empty() && run.err.starts_with("anagrove-find: ") &&
                    run.err.find('\n') == run.err.size() - 1 &&
                    run.err.find(row.mentions) != std::string::npos)
            << row.name << ": " << run.status << " " << run.err;
    }
    const FindRun help = Find({"tea", "--help"}); // every option explained, and in an example
    const std::size_t examples = help.out.find("Examples:");
    EXPECT_TRUE(help.status == 0 && help.out.find("LETTERS") < examples);
    for (const char* option :
         {"--dictionary", "--word-list",   "--min",    "--max",         "--no-max",
          "--anagram",    "--sort",        "--points", "--custom",      "--no-points",
          "--then",       "--starts",      "--ends",   "--contains",    "--pattern",
          "--format",     "--all-schemes", "--check",  "--word-list -", "--version"})
        EXPECT_TRUE(help.out.find(option) < examples &&
                    help.out.find(option, examples) != std::string::npos)
            << option;
    // --version answers instead of a search, as --help does: one line.
    const FindRun version = Find({"tea", "--no-points", "--version", "--help"});
    EXPECT_TRUE(version.status == 0 && version.err.empty() &&
                version.out.starts_with("anagrove-find ") &&
                version.out.find('\n') == version.out.size() - 1)
        << version.status << " " << version.out << version.err;
}

// The built executable, which finds the standard list beside itself: items on
// standard output, the status or the complaint on standard error, and the exit
// status.
TEST(FindCommand, BuiltExecutableSplitsItsStreams) {
    const ScratchDir dir;
    EXPECT_EQ(
        FindBuilt(dir, "--anagram quiz"),
        (FindRun{0, "quiz (22)\n", Status(1, literal::CutLines(Shipped("standard")).size())}));
    const std::string missing = (dir.path / "missing").string();
    EXPECT_EQ(FindBuilt(dir, "--word-list " + missing + " tea"),
              (FindRun{1, "",
                       "anagrove-find: cannot read the word list " + missing +
                           ": No such file or directory\n"}));
    // A word list whose name is an option is searched, not taken for the option.
    dir.File("--check", "tea\neat\n");
    EXPECT_EQ(FindBuilt(dir, "--word-list --check tea"),
              (FindRun{0, "eat (3)\ntea (3)\n", Status(2, 2)}));
    EXPECT_EQ(FindBuilt(dir, "--word-list --check --check tea"),
              (FindRun{0, "tea: in the list; front hooks: (none); back hooks: (none)\n", ""}));
}

} // namespace
