// anagrove-find's JSON over lists of every byte; the command lines of
// cases.txt hold the rest of its output to cases.golden.

#include "cli/json_reader.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using namespace std::literals;

// Lists of every byte the word lists can hold parse back as JSON, each word
// exactly as the text output shows it.
TEST(FindJson, JsonParsesBackOverHostileLists) {
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
