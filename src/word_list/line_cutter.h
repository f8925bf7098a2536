#pragma once
// Cutting the text of a word-list file into lines.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace anagrove {

// Each line is kept as one 32-bit line end: where its word ends, and whether a
// CR LF (rather than an LF alone) follows the word. The next line begins after
// that line end; the first begins at 0.
inline constexpr std::uint32_t kCrLf = 1u << 31;
[[nodiscard]] inline std::uint32_t WordEnd(std::uint32_t lineEnd) {
    return lineEnd & ~kCrLf;
}
[[nodiscard]] inline std::uint32_t NextLine(std::uint32_t lineEnd) {
    return WordEnd(lineEnd) + 1 + (lineEnd >> 31);
}

struct CutText {
    std::vector<std::uint32_t> lineEnds;
    std::int64_t dropped = 0; // words beyond the capacity that were left out
};

// A line ends at LF, with or without a CR before it; a last line without a
// line end is a word unless it is empty. At most capacity words are kept.
// The text must be shorter than 2 GiB.
[[nodiscard]] CutText CutIntoLines(std::string_view text, std::size_t capacity);

} // namespace anagrove
