#include "reference/literal_search.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace literal {

namespace {

// " 7": a number after one blank, appended piece by piece; GCC 12 warns
// falsely (-Wrestrict) about " " + std::to_string(n) in optimised builds.
std::string Spaced(std::size_t n) {
    std::string text(1, ' ');
    text += std::to_string(n);
    return text;
}

constexpr std::string_view kTestOrder = "aeioustcdnprfgbhjklmvwxyzq";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The one quicksort of the three routines, step by step with its stack of
// pending ranges. key(row) is the word (compared by unsigned bytes) or the
// number of the score or length text (" 7" is 7).
template <class Key>
void QuickSortOn(TextTable& arr, std::int32_t numEls, bool descending, Key key) {
    auto row = [&arr](std::int32_t r) -> TextRow& { return arr.at(static_cast<std::size_t>(r)); };
    auto before = [descending](const auto& a, const auto& b) { return descending ? b < a : a < b; };
    std::int32_t L = 0, R = numEls;
    std::vector<std::pair<std::int32_t, std::int32_t>> stack = {{L, R}};
    do {
        while (R > L) {
            const auto v = key(row(R));
            std::int32_t i = L - 1, j = R;
            do {
                do
                    ++i;
                while (before(key(row(i)), v));
                do
                    --j;
                while (j != L && before(v, key(row(j))));
                std::swap(row(i), row(j));
            } while (j > i);
            std::swap(row(i), row(j)); // undo the last exchange, then put the pivot row at i
            std::swap(row(i), row(R));
            if (i - L > R - i) {
                stack.emplace_back(L, i - 1);
                L = i + 1;
            } else {
                stack.emplace_back(i + 1, R);
                R = i - 1;
            }
        }
        std::tie(L, R) = stack.back();
        stack.pop_back();
    } while (!stack.empty());
}

} // namespace

std::int32_t CharCount(std::string_view OrigString, std::string_view Chars, bool CaseSensitive) {
    if (OrigString.empty())
        return 0;
    std::int32_t count = 0;
    for (std::size_t p = 0; p + Chars.size() <= OrigString.size(); ++p)
        count +=
            std::equal(Chars.begin(), Chars.end(), OrigString.begin() + p, [&](char a, char b) {
                return CaseSensitive ? a == b : Lower(a) == Lower(b);
            });
    return count;
}

std::vector<std::string> CutLines(std::string_view fileText) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < fileText.size(); start = end + 1) {
        end = std::min(fileText.find('\n', start), fileText.size());
        const std::string_view line = fileText.substr(start, end - start);
        const bool crlf = end < fileText.size() && line.ends_with('\r');
        lines.emplace_back(line.substr(0, line.size() - (crlf ? 1 : 0)));
    }
    return lines;
}

Found findwords(std::string_view letters, const Limits& limits,
                const std::vector<std::string>& WordList,
                const std::array<std::int32_t, 26>& LetterPoints) {
    auto at = [](char x) { return static_cast<std::size_t>(x - 'a'); };
    std::array<std::int32_t, 26> LetterCount{};
    for (char x = 'a'; x <= 'z'; ++x)
        LetterCount[at(x)] = CharCount(letters, {&x, 1});
    Found found;
    for (const std::string& w : WordList) {
        std::int32_t BlankCount = CharCount(letters, "*");
        const auto L = static_cast<double>(w.size());
        if ((!limits.anagram && limits.minimum > L) ||
            (!limits.noMaximum && !limits.anagram && limits.maximum < L) ||
            (limits.anagram && w.size() != letters.size()))
            continue; // steps 2 to 4
        const bool withBlanks = BlankCount >= 1;
        const bool laid = std::ranges::all_of(kTestOrder, [&](char x) { // steps 5 and 6
            const std::int32_t c = CharCount(w, {&x, 1}), t = LetterCount[at(x)];
            if (withBlanks ? c > t + BlankCount : c > t)
                return false;
            if (c > t)
                BlankCount -= c - t;
            return true;
        });
        if (!laid)
            continue;
        std::int64_t WordScore = 0;
        for (char x = 'a'; x <= 'z'; ++x)
            WordScore += std::int64_t{LetterPoints[at(x)]} * CharCount(w, {&x, 1});
        ++found.matched;
        if (found.rows.size() < static_cast<std::size_t>(kTableRows))
            found.rows.push_back({w, std::to_string(WordScore), Spaced(w.size())});
    }
    return found;
}

BoardFound findwordsOnBoard(std::string_view letters, const Limits& limits, const Board& board,
                            const std::vector<std::string>& WordList,
                            const std::array<std::int32_t, 26>& LetterPoints) {
    auto at = [](char x) { return static_cast<std::size_t>(x - 'a'); };
    std::array<std::int32_t, 26> LetterCount{};
    std::int64_t tiles = CharCount(letters, "*");
    for (char x = 'a'; x <= 'z'; ++x)
        tiles += LetterCount[at(x)] = CharCount(letters, {&x, 1});
    const bool noBoard = (board.starts + board.ends + board.contains + board.pattern).empty();
    BoardFound result;
    for (const std::string& w : WordList) {
        const std::size_t n = w.size();
        const auto L = static_cast<double>(n);
        if ((!limits.anagram && limits.minimum > L) ||
            (!limits.noMaximum && !limits.anagram && limits.maximum < L) ||
            (noBoard && limits.anagram && n != letters.size()))
            continue;
        // Every placement: a start for each text given (the contains text
        // anywhere), the texts in place and covering no square twice.
        std::vector<std::vector<bool>> placements;
        if (!board.pattern.empty()) {
            std::vector<bool> covered(n, false);
            bool fits = board.pattern.size() == n;
            for (std::size_t k = 0; fits && k < n; ++k) {
                covered[k] = board.pattern[k] != '.';
                fits = !covered[k] || CharCount(w.substr(k, 1), board.pattern.substr(k, 1)) == 1;
            }
            if (fits)
                placements.push_back(covered);
        } else {
            for (std::size_t c = 0;
                 c == 0 || (!board.contains.empty() && c + board.contains.size() <= n); ++c) {
                std::vector<bool> covered(n, false);
                bool fits = true;
                auto place = [&](const std::string& text, std::size_t start) {
                    if (text.empty())
                        return;
                    if (text.size() > n || start > n - text.size() ||
                        CharCount(w.substr(start, text.size()), text) != 1) {
                        fits = false;
                        return;
                    }
                    for (std::size_t k = start; k < start + text.size(); ++k) {
                        fits = fits && !covered[k];
                        covered[k] = true;
                    }
                };
                place(board.starts, 0);
                place(board.ends, n - std::min(n, board.ends.size()));
                place(board.contains, c);
                if (fits)
                    placements.push_back(covered);
            }
        }
        std::optional<std::pair<std::int32_t, std::string>> best; // blanks used, their letters
        for (const std::vector<bool>& covered : placements) {
            std::string part;
            for (std::size_t k = 0; k < n; ++k)
                if (!covered[k])
                    part += w[k];
            std::int32_t BlankCount = CharCount(letters, "*");
            const std::int32_t blanksAtStart = BlankCount;
            std::int64_t partLetters = 0;
            std::string blanks;
            bool laid = true;
            for (char x = 'a'; x <= 'z' && laid; ++x) {
                const std::int32_t c = CharCount(part, {&x, 1}), t = LetterCount[at(x)];
                partLetters += c;
                laid = c <= t + std::max(BlankCount, 0);
                if (c > t) {
                    BlankCount -= c - t;
                    blanks += std::string(static_cast<std::size_t>(c - t), x);
                }
            }
            if (laid && !noBoard && limits.anagram && partLetters != tiles)
                laid = false;
            if (laid && (!best || blanksAtStart - BlankCount < best->first))
                best.emplace(blanksAtStart - BlankCount, blanks);
        }
        if (!best)
            continue;
        std::int64_t WordScore = 0, blankPoints = 0;
        for (char x = 'a'; x <= 'z'; ++x) {
            WordScore += std::int64_t{LetterPoints[at(x)]} * CharCount(w, {&x, 1});
            blankPoints += std::int64_t{LetterPoints[at(x)]} * CharCount(best->second, {&x, 1});
        }
        ++result.found.matched;
        if (result.found.rows.size() < static_cast<std::size_t>(kTableRows)) {
            result.found.rows.push_back({w, std::to_string(WordScore), Spaced(n)});
            result.blankRows.push_back({best->second, WordScore - blankPoints});
        }
    }
    return result;
}

void QuickSort(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(
        arr, numEls, descending, [](const TextRow& r) -> auto& { return r.word; });
}
void QuickSort2(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, numEls, descending, [](const TextRow& r) { return std::stoll(r.score); });
}
void QuickSort3(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, numEls, descending, [](const TextRow& r) { return std::stoll(r.length); });
}

void SortByOption(TextTable& arr, int sortOption) {
    void (*const sorts[])(TextTable&, std::int32_t, bool) = {QuickSort, QuickSort2, QuickSort3};
    sorts[sortOption - 1](arr, static_cast<std::int32_t>(arr.size()) - 1, sortOption != 1);
}

} // namespace literal
