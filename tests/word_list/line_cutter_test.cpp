// Cutting a word-list file into lines: line ends, 64-byte chunk edges and
// the capacity.

#include "word_list/line_cutter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace anagrove;

std::vector<std::string> Words(const std::string& text, std::size_t capacity) {
    const CutText cut = CutIntoLines(text, capacity);
    std::vector<std::string> words;
    std::uint32_t begin = 0;
    for (std::uint32_t lineEnd : cut.lineEnds) {
        words.push_back(text.substr(begin, WordEnd(lineEnd) - begin));
        begin = NextLine(lineEnd);
    }
    words.push_back("dropped " + std::to_string(cut.dropped));
    return words;
}

TEST(CutIntoLines, LineEndsAndCapacity) {
    const std::string long60(60, 'x');
    struct Row {
        const char* name;
        std::string text;
        std::size_t capacity;
        std::vector<std::string> words; // the last is the count left out
    };
    const Row rows[] = {
        {"empty", "", 9, {"dropped 0"}},
        {"one_empty_line", "\n", 9, {"", "dropped 0"}},
        {"crlf_and_lf", "tea\r\neat\nate\r\n", 9, {"tea", "eat", "ate", "dropped 0"}},
        {"open_last_line", "tea\r\neat", 9, {"tea", "eat", "dropped 0"}},
        {"cr_without_lf_stays", "te\ra\r", 9, {"te\ra\r", "dropped 0"}},
        {"lone_cr_line", "\r\n\r\r\n", 9, {"", "\r", "dropped 0"}},
        {"cr_lf_across_64_bytes", long60 + "abc\r\nz\n", 9, {long60 + "abc", "z", "dropped 0"}},
        {"lf_at_byte_64",
         long60 + "abc\n" + long60 + "\r\n",
         9,
         {long60 + "abc", long60, "dropped 0"}},
        {"full_at_a_line_end", "a\nb\nc\n", 2, {"a", "b", "dropped 1"}},
        {"full_then_open_line", "a\nb\nc\nd", 2, {"a", "b", "dropped 2"}},
        {"full_exactly", "a\nb\n", 2, {"a", "b", "dropped 0"}},
        {"full_exactly_open", "a\nb", 2, {"a", "b", "dropped 0"}},
        {"full_before_open_line", "a\nb\nc", 2, {"a", "b", "dropped 1"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Words(row.text, row.capacity), row.words) << row.name;
}

} // namespace
