#include "reference/literal_search.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace literal {

namespace {

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
            (!limits.nomax && !limits.anagram && limits.maximum < L) ||
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
            found.rows.push_back({w, std::to_string(WordScore), " " + std::to_string(w.size())});
    }
    return found;
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
