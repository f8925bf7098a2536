#include "search/board_letters.h"

#include "search/char_count.h"

#include <bit>

namespace anagrove {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the word holds text (lower case) from position at on.
bool LettersAt(std::string_view word, std::size_t at, std::string_view text) {
    if (at > word.size() || text.size() > word.size() - at)
        return false;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (Lower(word[at + k]) != text[k])
            return false;
    return true;
}

std::int64_t LettersIn(std::string_view text) {
    std::int64_t letters = 0;
    for (char c : text)
        letters += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return letters;
}

std::optional<std::string> PatternRackPart(std::string_view word, std::string_view pattern) {
    if (word.size() != pattern.size())
        return std::nullopt;
    std::string part;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (pattern[k] == '.')
            part += word[k];
        else if (Lower(word[k]) != pattern[k])
            return std::nullopt;
    }
    return part;
}

} // namespace

std::optional<std::string> RackPart(std::string_view word, const BoardLetters& board) {
    if (!board.pattern.empty())
        return PatternRackPart(word, board.pattern);
    // The squares between the starting and the ending board letters are free.
    std::size_t front = 0, back = word.size();
    if (!board.starts.empty()) {
        if (!LettersAt(word, 0, board.starts))
            return std::nullopt;
        front = board.starts.size();
    }
    if (!board.ends.empty()) {
        if (board.ends.size() > word.size() ||
            !LettersAt(word, word.size() - board.ends.size(), board.ends))
            return std::nullopt;
        back = word.size() - board.ends.size();
    }
    if (front > back)
        return std::nullopt;
    std::size_t at = back;
    if (!board.contains.empty()) {
        at = front;
        while (at + board.contains.size() <= back && !LettersAt(word, at, board.contains))
            ++at;
        if (at + board.contains.size() > back)
            return std::nullopt;
    }
    std::string part(word.substr(front, at - front));
    const std::size_t after = std::min(back, at + board.contains.size());
    part += word.substr(after, back - after);
    return part;
}

std::int64_t RackTiles(std::string_view letters) {
    return LettersIn(letters) + CharCount(letters, "*");
}

FoundWords FindWithBoard(std::string_view letters, const SearchLimits& limits,
                         const BoardLetters& board, const std::shared_ptr<const WordList>& list,
                         const LetterPoints& points) {
    if (!list)
        return FoundWords{list, {}, 0};
    // A word that can be laid from the rack and the board letters together is
    // a candidate; the limits on the whole word rule out others at once.
    std::string rackAndBoard(letters);
    for (const std::string* text : {&board.starts, &board.ends, &board.contains, &board.pattern})
        rackAndBoard += *text;
    SearchLimits wholeWord = limits;
    if (limits.anagram)
        wholeWord = SearchLimits{0, 0, true, false};
    std::vector<std::uint64_t> matches = MatchingWords(rackAndBoard, wholeWord, *list);

    const LetterCounts typed = CountTypedLetters(letters);
    const std::int32_t blanks = CharCount(letters, "*");
    const std::int64_t tiles = RackTiles(letters);
    for (std::size_t block = 0; block < matches.size(); ++block) {
        for (std::uint64_t bits = matches[block]; bits != 0; bits &= bits - 1) {
            const auto bit = static_cast<unsigned>(std::countr_zero(bits));
            const std::optional<std::string> part =
                RackPart((*list)[static_cast<std::int32_t>(block * 64 + bit)], board);
            if (!part || !CanLay(*part, typed, blanks) ||
                (limits.anagram && LettersIn(*part) != tiles))
                matches[block] &= ~(std::uint64_t{1} << bit);
        }
    }
    return RecordMatches(matches, list, points);
}

} // namespace anagrove
