// anagrove-find in the other languages: words counted in tiles, UTF-8 in and
// out, and the refusals that name what was typed.

#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::Find;
using testing_support::FindRun;
using testing_support::Status;

const std::string kSpanish = "#alphabet es\r\ncalle\r\ncalles\r\nchorizo\r\nhola\r\nllama\r\n"
                             "niño\tNiño\r\nola\r\n";

std::vector<std::string> Args(std::vector<std::string> args) {
    args.insert(args.begin(), {"--word-list", "-"});
    return args;
}

TEST(FindLanguage, SearchesTheListInItsTilesAndWritesUtf8) {
    // [ll] is one tile, the blank stands for the S; "ll" typed apart is L L.
    EXPECT_EQ(Find(Args({"ca[ll]e*"}), kSpanish),
              (FindRun{0, "calle (13)\ncalles (13)\n", Status(2, 7)}));
    EXPECT_EQ(Find(Args({"calle"}), kSpanish).out, "");
    EXPECT_EQ(Find(Args({"calle*"}), kSpanish).out, "calle (5)\nola (2)\n");
    // Upper case and NFD input are read as the alphabet reads them.
    EXPECT_EQ(Find(Args({"NIN\xcc\x83O", "--sort", "length"}), kSpanish).out, "niño 11\n");
    EXPECT_EQ(Find(Args({"[ch]orizo", "--format", "tsv", "--anagram"}), kSpanish).out,
              "word\tlength\tscore\tblanks\ttiles\tspelling\n"
              "chorizo\t6\t19\t\tch o r i z o\t\n");
    EXPECT_EQ(Find(Args({"niñ*", "--format", "json", "--no-points"}), kSpanish).out,
              "[\n{\"word\":\"niño\",\"length\":4,\"score\":null,\"blanks\":\"o\","
              "\"tiles\":\"n i ñ o\",\"spelling\":\"Niño\"}\n]\n");
    // --language names the alphabet of a list that does not.
    EXPECT_EQ(Find({"--word-list", "-", "--language", "pl", "żółw"}, "żółw\nwół\n").out,
              "wół (9)\nżółw (14)\n");
    // English stays English: a first line that names no alphabet is a word.
    EXPECT_EQ(
        Find({"--word-list", "-", "--language", "en", "--check", "#alphabet"}, "#alphabet es\n")
            .status,
        3);
}

TEST(FindLanguage, ReadsBoardLettersAsTilesOfTheLanguage) {
    // The board's tiles take no tile of the rack but score; a dot is one tile.
    // A list that names its alphabet has them read through it, as --language does.
    EXPECT_EQ(Find(Args({"--starts", "[ll]", "ama"}), kSpanish).out, "llama (13)\n");
    EXPECT_EQ(Find(Args({"--starts", "LL", "ama", "--language", "es"}), kSpanish).out, "");
    // An English list refuses what English cannot read, once the list shows it is English.
    EXPECT_EQ(Find({"--word-list", "-", "--starts", "\xc5\x82", "ab"}, "ab\n").err,
              "anagrove-find: --starts must be letters a-z, not \"\xc5\x82\"\n");
    EXPECT_EQ(Find({"--word-list", "-", "--custom", "a=1", "ab"}, "ab\n").err,
              "anagrove-find: --custom needs 26 values, A to Z, separated by commas (1 given)\n");
    EXPECT_EQ(Find(Args({"--starts", "a", "--starts", "c", "ola"}), kSpanish).status, 2);
    EXPECT_EQ(
        Find(Args({"--language", "es", "--starts", "[LL]", "ama", "--anagram"}), kSpanish).out,
        "llama (13)\n");
    EXPECT_EQ(
        Find(Args({"--pattern", "ca[ll].", "*", "--format", "tsv", "--language", "es"}), kSpanish)
            .out,
        "word\tlength\tscore\tblanks\ttiles\tspelling\n"
        "calle\t4\t12\te\tc a ll e\t\n");
    EXPECT_EQ(Find(Args({"--contains", "[ch]", "ori*o", "--language", "es"}), kSpanish).out,
              "chorizo (9)\n");
    EXPECT_EQ(Find(Args({"--ends", "ño", "ni", "--language", "es"}), kSpanish).out, "niño (11)\n");
    EXPECT_EQ(Find(Args({"--starts", "k", "ola", "--language", "es"}), kSpanish).err,
              "anagrove-find: --starts must be tiles of Español, not \"k\": \"k\" is not a "
              "letter of Español.\n");
    EXPECT_EQ(
        Find(Args({"--starts", "c", "--pattern", "c.", "ola", "--language", "es"}), kSpanish).err,
        "anagrove-find: --pattern cannot go with --starts, --ends or --contains\n");
}

TEST(FindLanguage, TakesCustomValuesForNamedTiles) {
    const auto custom = [](const std::string& values) {
        const FindRun run = Find(
            Args({"--language", "es", "--custom", values, "--sort", "score", "ca[ll]e"}), kSpanish);
        return run.status == 0 ? run.out : run.err.substr(0, run.err.find('\n'));
    };
    // Tiles not named score nothing; a multi-letter tile is named with or without brackets.
    EXPECT_EQ(custom("a=2,ll=10"), "calle 12\n");
    // The list's own alphabet names the tiles without --language too.
    EXPECT_EQ(Find(Args({"--custom", "a=2,ll=10", "--sort", "score", "ca[ll]e"}), kSpanish).out,
              "calle 12\n");
    // Spanish has one list: --dictionary has nothing to choose.
    EXPECT_EQ(Find(Args({"--dictionary", "extended", "ola"}), kSpanish).status, 2);
    EXPECT_EQ(Find(Args({"--dictionary", "standard", "--language", "es", "ola"}), kSpanish).err,
              "anagrove-find: --dictionary chooses between the English lists; a list in another "
              "language has no second list\n");
    EXPECT_EQ(custom("[LL]=1,c=0,e=4"), "calle 5\n");
    EXPECT_EQ(custom("a=2,k=1"),
              "anagrove-find: --custom takes TILE=VALUE entries of Español apart by commas, not "
              "\"k=1\"");
    EXPECT_EQ(custom("a=2,l=-1").substr(0, 30), "anagrove-find: --custom takes ");
    EXPECT_EQ(custom("a").substr(0, 30), "anagrove-find: --custom takes ");
}

TEST(FindLanguage, ChecksWordsAndNamesMultiLetterHooksInBrackets) {
    EXPECT_EQ(Find(Args({"--check", "ola", "ama", "LLAMA"}), kSpanish).out,
              "ola: in the list; front hooks: h; back hooks: (none)\n"
              "ama: not in the list; front hooks: [ll]; back hooks: (none)\n"
              "LLAMA: in the list; front hooks: (none); back hooks: (none)\n");
    EXPECT_EQ(Find(Args({"--check", "ola"}), kSpanish).status, 0);
    EXPECT_EQ(Find(Args({"--check", "ama"}), kSpanish).status, 3);
}

TEST(FindLanguage, RefusesWhatTheLanguageCannotDoAndEchoesTheTypedText) {
    const auto refused = [](std::vector<std::string> args, const std::string& list = kSpanish) {
        const FindRun run = Find(Args(std::move(args)), list);
        EXPECT_EQ(run.out, "");
        return std::to_string(run.status) + " " + run.err;
    };
    EXPECT_EQ(refused({"[xx]é"}), "2 anagrove-find: \"[xx]\" is not a tile of Español.\n");
    EXPECT_EQ(refused({"--points", "literati", "ola"}),
              "2 anagrove-find: --points literati has English values only; Español scores its "
              "standard tile values (--points scrabble)\n");
    EXPECT_EQ(refused({"--language", "pl", "ola"}),
              "2 anagrove-find: the word list from standard input names the alphabet es, not "
              "--language pl\n");
    EXPECT_EQ(refused({"ola"}, "#alphabet xx\nola\n"),
              "2 anagrove-find: the word list from standard input names the alphabet \"xx\", "
              "which is not one of the languages\n");
    // Words that do not split are left out and counted, never a crash.
    const FindRun run = Find(Args({"ola"}), "#alphabet es\nola\nkiwi\n" + std::string(64, 'a'));
    EXPECT_EQ(run.out, "ola (3)\n");
    EXPECT_EQ(run.err, "anagrove-find: 2 words of the list from standard input were left out: 1 "
                       "not Español tiles, 1 over 63 tiles\n" +
                           Status(1, 1));
}

} // namespace
