#include "search/board_letters.h"

#include "base/bit_set.h"
#include "base/letters.h"

#include <algorithm>
#include <bit>

namespace anagrove {

Expected<std::string, BoardFault> ReadBoardText(std::string_view text, BoardBox box) {
    const bool dots = box == BoardBox::pattern;
    std::string lower;
    for (char c : text) {
        if (!IsLetter(c) && !(dots && c == '.'))
            return Failure{BoardFault{BoardFault::Kind::not_letters, box}};
        lower += LowerLetter(c);
    }
    return lower;
}

Expected<BoardLetters, BoardFault> ReadBoardLetters(const std::array<std::string_view, 4>& texts) {
    BoardLetters board;
    std::string* read[] = {&board.starts, &board.ends, &board.contains, &board.pattern};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        auto text = ReadBoardText(texts[k], static_cast<BoardBox>(k));
        if (!text)
            return Failure{text.error()};
        *read[k] = std::move(*text);
    }
    if (!board.pattern.empty() &&
        (!board.starts.empty() || !board.ends.empty() || !board.contains.empty()))
        return Failure{BoardFault{BoardFault::Kind::pattern_with_others, BoardBox::pattern}};
    return board;
}

namespace {

// Whether the word holds text (lower case) from position at on.
bool LettersAt(std::string_view word, std::size_t at, std::string_view text) {
    if (at > word.size() || text.size() > word.size() - at)
        return false;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (LowerLetter(word[at + k]) != text[k])
            return false;
    return true;
}

// The letters a-z and A-Z of a text.
std::int64_t CountLetters(std::string_view text) {
    std::int64_t letters = 0;
    for (char c : text)
        letters += IsLetter(c);
    return letters;
}

// Where the board letters lie in a word: the rack's squares are [front, back)
// but for the contains text at [at, at + its length); a pattern leaves the
// rack its dots.
struct Placement {
    std::size_t front = 0, at = 0, back = 0;
};

bool PatternFits(std::string_view word, std::string_view pattern) {
    if (word.size() != pattern.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (pattern[k] != '.' && LowerLetter(word[k]) != pattern[k])
            return false;
    return true;
}

std::optional<Placement> Place(std::string_view word, const BoardLetters& board) {
    // The squares between the starting and the ending board letters are free.
    Placement p{0, word.size(), word.size()};
    if (!board.starts.empty()) {
        if (!LettersAt(word, 0, board.starts))
            return std::nullopt;
        p.front = board.starts.size();
    }
    if (!board.ends.empty()) {
        if (board.ends.size() > word.size() ||
            !LettersAt(word, word.size() - board.ends.size(), board.ends))
            return std::nullopt;
        p.back = word.size() - board.ends.size();
    }
    if (p.front > p.back)
        return std::nullopt;
    p.at = p.back;
    if (!board.contains.empty()) {
        const std::size_t length = board.contains.size();
        p.at = p.front;
        while (p.at + length <= p.back && !LettersAt(word, p.at, board.contains))
            ++p.at;
        if (p.at + length > p.back)
            return std::nullopt;
    }
    return p;
}

bool Placeable(std::string_view word, const BoardLetters& board) {
    return board.pattern.empty() ? Place(word, board).has_value()
                                 : PatternFits(word, board.pattern);
}

} // namespace

std::optional<std::vector<bool>> RackSquares(std::string_view word, const BoardLetters& board) {
    std::vector<bool> rack(word.size(), false);
    if (!board.pattern.empty()) {
        if (!PatternFits(word, board.pattern))
            return std::nullopt;
        for (std::size_t k = 0; k < word.size(); ++k)
            rack[k] = board.pattern[k] == '.';
        return rack;
    }
    const std::optional<Placement> p = Place(word, board);
    if (!p)
        return std::nullopt;
    const std::size_t after = std::min(p->back, p->at + board.contains.size());
    std::fill(rack.begin() + static_cast<std::ptrdiff_t>(p->front),
              rack.begin() + static_cast<std::ptrdiff_t>(p->at), true);
    std::fill(rack.begin() + static_cast<std::ptrdiff_t>(after),
              rack.begin() + static_cast<std::ptrdiff_t>(p->back), true);
    return rack;
}

std::optional<std::string> RackPart(std::string_view word, const BoardLetters& board) {
    const std::optional<std::vector<bool>> squares = RackSquares(word, board);
    if (!squares)
        return std::nullopt;
    std::string part;
    for (std::size_t k = 0; k < word.size(); ++k)
        if ((*squares)[k])
            part += word[k];
    return part;
}

std::int64_t RackTiles(std::string_view letters) {
    return CountLetters(letters) + CountBlanks(letters);
}

FoundWords FindWithBoard(std::string_view letters, const SearchLimits& limits,
                         const BoardLetters& board, const std::shared_ptr<const WordList>& list,
                         const LetterPoints& points) {
    if (!list)
        return FoundWords{list, {}, 0};
    // A word is a candidate when it can be laid from the rack and the board
    // letters together, within the limits on the whole word,
    std::string rackAndBoard(letters);
    for (const std::string* text : {&board.starts, &board.ends, &board.contains, &board.pattern})
        rackAndBoard += *text;
    SearchLimits wholeWord = limits;
    if (limits.anagram)
        wholeWord = SearchLimits{0, 0, true, false};
    std::vector<std::uint64_t> matches = MatchingWords(rackAndBoard, wholeWord, *list);
    // and it uses every letter of the board, which rules words out 64 at a time.
    std::uint32_t boardMask = 0;
    for (char c : rackAndBoard.substr(letters.size()))
        boardMask |= LetterBit(c);
    for (; boardMask != 0; boardMask &= boardMask - 1) {
        const std::uint64_t* uses =
            list->WordsWithLetter(static_cast<std::uint32_t>(std::countr_zero(boardMask)));
        for (std::size_t block = 0; block < matches.size(); ++block)
            matches[block] &= uses[block];
    }

    // The board letters lie on letters of the word, so a word that holds
    // them needs from the rack exactly what it needs beyond the rack and the
    // board together: the candidates that can be placed are the words found.
    // With the anagram rule, the letters left to the rack must be the tiles.
    const std::int64_t boardLetters = CountLetters(rackAndBoard) - CountLetters(letters);
    const std::int64_t tiles = RackTiles(letters);
    BitSet found(matches.data());
    for (std::size_t block = 0; block < matches.size(); ++block) {
        for (std::uint64_t bits = matches[block]; bits != 0; bits &= bits - 1) {
            const std::size_t i = block * 64 + static_cast<std::size_t>(std::countr_zero(bits));
            const std::string_view word = (*list)[static_cast<std::int32_t>(i)];
            if (!Placeable(word, board) ||
                (limits.anagram && CountLetters(word) - boardLetters != tiles))
                found.Clear(i);
        }
    }
    return RecordMatches(matches, list, points);
}

} // namespace anagrove
