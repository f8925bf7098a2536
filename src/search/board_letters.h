#pragma once
// Letters already on the board: the word must hold them in their place, and
// only the rest of the word is laid from the rack.

#include "base/expected.h"
#include "points/letter_points.h"
#include "search/find_words.h"
#include "word_list/word_list.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// Each text is lower-case a-z and empty when not given; the pattern holds
// lower-case letters and dots and is never given with the other three.
struct BoardLetters {
    std::string starts;   // the word begins with it
    std::string ends;     // the word ends with it
    std::string contains; // the word holds it as one run of adjacent letters
    std::string pattern;  // as long as the word: a letter in place, or a dot for a rack square

    [[nodiscard]] bool Any() const {
        return !starts.empty() || !ends.empty() || !contains.empty() || !pattern.empty();
    }
};

// The four board texts, in the order the front ends show them.
enum class BoardBox { starts, ends, contains, pattern };

// Why board texts as typed cannot be taken, and which text is at fault.
struct BoardFault {
    enum class Kind {
        not_letters,        // not letters a-z (and, in the pattern, dots)
        pattern_with_others // the pattern is given with another text (box: pattern)
    };
    Kind kind;
    BoardBox box;
};

// One board text as typed: lower case, or a fault when it holds anything but
// letters a-z (either case) and, in the pattern, dots.
[[nodiscard]] Expected<std::string, BoardFault> ReadBoardText(std::string_view text, BoardBox box);

// The board letters of the four texts as typed (empty: not given), or the
// first fault: a text's characters, then a pattern given with another text.
[[nodiscard]] Expected<BoardLetters, BoardFault>
ReadBoardLetters(const std::array<std::string_view, 4>& texts);

// The squares of the word that are laid from the rack once the board letters
// are placed (true) and those the board letters take (false), or nothing when
// they cannot be placed without overlapping. Letters compare without regard to
// case. Every placement covers the same letters and so needs the same blanks;
// of several, the leftmost is taken.
[[nodiscard]] std::optional<std::vector<bool>> RackSquares(std::string_view word,
                                                           const BoardLetters& board);
// The characters of the word on its rack squares, in order.
[[nodiscard]] std::optional<std::string> RackPart(std::string_view word, const BoardLetters& board);

// The number of tiles of the typed rack: its letters and its blanks.
[[nodiscard]] std::int64_t RackTiles(std::string_view letters);

// The words of the list that hold the board letters and whose rack part can be
// laid from the typed letters, recorded in list order as FindWords records
// them. The length limits apply to the whole word; with the anagram rule the
// rack part must instead use every tile: its letters are as many as the tiles.
[[nodiscard]] FoundWords FindWithBoard(std::string_view letters, const SearchLimits& limits,
                                       const BoardLetters& board,
                                       const std::shared_ptr<const WordList>& list,
                                       const LetterPoints& points);

} // namespace anagrove
