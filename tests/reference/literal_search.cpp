#include "reference/literal_search.h"

#include <algorithm>
#include <utility>

namespace literal {

namespace {

constexpr std::string_view kTestOrder = "aeioustcdnprfgbhjklmvwxyzq";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Scores and lengths compare as the numbers of their texts (" 7" is 7); words
// by their bytes as unsigned codes, a proper prefix first.
int CompareNumbers(const std::string& a, const std::string& b) {
    const long long x = std::stoll(a), y = std::stoll(b);
    return x < y ? -1 : x > y ? 1 : 0;
}
int CompareWords(const std::string& a, const std::string& b) {
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

// The one quicksort of the three routines: the partition step by step. The
// pending ranges never overlap, so the order they are taken in changes nothing;
// the shorter part is sorted first, which keeps the nesting shallow.
void QuickSortOn(TextTable& arr, std::int32_t L, std::int32_t R, bool descending,
                 std::string TextRow::*field,
                 int (*compare)(const std::string&, const std::string&)) {
    auto row = [&arr](std::int32_t r) -> TextRow& { return arr.at(static_cast<std::size_t>(r)); };
    // Whether row r's key against the pivot key v stops the i scan (sign 1) or the j scan (-1).
    auto stops = [&](std::int32_t r, const std::string& v, int sign) {
        return sign * (descending ? -1 : 1) * compare(row(r).*field, v) >= 0;
    };
    while (R > L) {
        const std::string v = row(R).*field;
        std::int32_t i = L - 1, j = R;
        do {
            do
                ++i;
            while (!stops(i, v, 1));
            do
                --j;
            while (!(j == L || stops(j, v, -1)));
            std::swap(row(i), row(j));
        } while (!(j <= i));
        TextRow aside = row(j);
        row(j) = row(i);
        row(i) = row(R);
        row(R) = aside;
        if (i - L > R - i) {
            QuickSortOn(arr, i + 1, R, descending, field, compare);
            R = i - 1;
        } else {
            QuickSortOn(arr, L, i - 1, descending, field, compare);
            L = i + 1;
        }
    }
}

} // namespace

std::int32_t CharCount(std::string_view OrigString, std::string_view Chars, bool CaseSensitive) {
    if (OrigString.empty())
        return 0;
    std::int32_t count = 0;
    for (std::size_t p = 0; p + Chars.size() <= OrigString.size(); ++p) {
        bool equal = true;
        for (std::size_t q = 0; q < Chars.size(); ++q) {
            const char a = OrigString[p + q], b = Chars[q];
            equal = equal && (CaseSensitive ? a == b : Lower(a) == Lower(b));
        }
        count += equal ? 1 : 0;
    }
    return count;
}

std::vector<std::string> CutLines(std::string_view fileText) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < fileText.size(); start = end + 1) {
        end = std::min(fileText.find('\n', start), fileText.size());
        std::string_view line = fileText.substr(start, end - start);
        if (end < fileText.size() && line.ends_with('\r'))
            line.remove_suffix(1); // the CR of a CR LF line end
        lines.emplace_back(line);
    }
    return lines;
}

Found findwords(std::string_view letters, const Limits& limits,
                const std::vector<std::string>& WordList,
                const std::array<std::int32_t, 26>& LetterPoints) {
    std::array<std::int32_t, 26> LetterCount{};
    for (char x = 'a'; x <= 'z'; ++x)
        LetterCount[static_cast<std::size_t>(x - 'a')] = CharCount(letters, std::string(1, x));
    Found found;
    for (const std::string& w : WordList) {
        std::int32_t BlankCount = CharCount(letters, "*");
        const auto L = static_cast<double>(w.size());
        if (!limits.anagram && limits.minimum > L)
            continue;
        if (!limits.nomax && !limits.anagram && limits.maximum < L)
            continue;
        if (limits.anagram && w.size() != letters.size())
            continue;
        const bool withBlanks = BlankCount >= 1;
        bool rejected = false;
        for (std::size_t n = 0; n < kTestOrder.size() && !rejected; ++n) {
            const std::int32_t c = CharCount(w, kTestOrder.substr(n, 1));
            const std::int32_t t = LetterCount[static_cast<std::size_t>(kTestOrder[n] - 'a')];
            if (!withBlanks) // step 5
                rejected = c > t;
            else if (c > t + BlankCount) // step 6
                rejected = true;
            else if (c > t)
                BlankCount -= c - t;
        }
        if (rejected)
            continue;
        std::int64_t WordScore = 0;
        for (char x = 'a'; x <= 'z'; ++x)
            WordScore += std::int64_t{LetterPoints[static_cast<std::size_t>(x - 'a')]} *
                         CharCount(w, std::string(1, x));
        ++found.matched;
        if (found.rows.size() < static_cast<std::size_t>(kTableRows))
            found.rows.push_back({w, std::to_string(WordScore), " " + std::to_string(w.size())});
    }
    return found;
}

void QuickSort(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, 0, numEls, descending, &TextRow::word, CompareWords);
}
void QuickSort2(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, 0, numEls, descending, &TextRow::score, CompareNumbers);
}
void QuickSort3(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, 0, numEls, descending, &TextRow::length, CompareNumbers);
}

void SortByOption(TextTable& arr, int sortOption) {
    (sortOption == 1 ? QuickSort
     : sortOption == 2
         ? QuickSort2
         : QuickSort3)(arr, static_cast<std::int32_t>(arr.size()) - 1, sortOption != 1);
}

} // namespace literal
