#pragma once
// A plain, literal rendering of the search and the three sorts for the tests and
// the benchmarks: the written steps one by one over rows of three texts, trading
// speed for obviousness. It shares no code with the program.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace literal {

// A result row: the word, the score text ("-3") and the length text (" 7").
struct TextRow {
    std::string word, score, length;
    bool operator==(const TextRow&) const = default;
};
using TextTable = std::vector<TextRow>;
inline constexpr std::int32_t kTableRows = 200001;

std::int32_t CharCount(std::string_view OrigString, std::string_view Chars,
                       bool CaseSensitive = false);

// The words of a list file: a line ends at LF, a CR before the LF belongs to the
// line end, and a last line without a line end is a word unless it is empty.
std::vector<std::string> CutLines(std::string_view fileText);

struct Limits {
    double minimum = 2, maximum = 8;
    bool noMaximum = false, anagram = false;
};
struct Found {
    TextTable rows;           // at most kTableRows, in list order
    std::int64_t matched = 0; // every accepted word
};
Found findwords(std::string_view letters, const Limits& limits,
                const std::vector<std::string>& WordList,
                const std::array<std::int32_t, 26>& LetterPoints);

// Letters already on the board, lower case, each empty when not given.
struct Board {
    std::string starts, ends, contains, pattern;
};
// What the blanks stand for in a found word, and its score with them at zero.
struct BlankRow {
    std::string blanks;
    std::int64_t scoreBlanksZero = 0;
    bool operator==(const BlankRow&) const = default;
};
struct BoardFound {
    Found found;
    std::vector<BlankRow> blankRows; // one per row of found
};
// The search with board letters: every placement of the board texts in the
// word is tried, and the rest of the word is laid from the rack by the steps
// of the search; the placement needing the fewest blanks, the leftmost among
// equals, gives the blank row. With an empty board this is findwords.
BoardFound findwordsOnBoard(std::string_view letters, const Limits& limits, const Board& board,
                            const std::vector<std::string>& WordList,
                            const std::array<std::int32_t, 26>& LetterPoints);

// Rows 0 to numEls of arr by word, by score and by length; SortByOption sorts
// the whole table as sort option 1 (by word, ascending), 2 or 3 (descending).
void QuickSort(TextTable& arr, std::int32_t numEls, bool descending = false);
void QuickSort2(TextTable& arr, std::int32_t numEls, bool descending = false);
void QuickSort3(TextTable& arr, std::int32_t numEls, bool descending = false);
void SortByOption(TextTable& arr, int sortOption);

} // namespace literal
