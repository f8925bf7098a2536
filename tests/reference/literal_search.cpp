#include "reference/literal_search.h"

#include <stdexcept>
#include <utility>

namespace literal {

namespace {

constexpr std::string_view kTestOrder = "aeioustcdnprfgbhjklmvwxyzq";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Scores and lengths compare as the numbers of their texts (" 7" is 7); words
// compare by their bytes as unsigned codes, a proper prefix first.
int CompareNumbers(const std::string& a, const std::string& b) {
    const long long x = std::stoll(a), y = std::stoll(b);
    return x < y ? -1 : x > y ? 1 : 0;
}
int CompareWords(const std::string& a, const std::string& b) {
    return a.compare(b);
}

// The one quicksort of the three routines, step by step.
void QuickSortOn(TextTable& arr, std::int32_t numEls, bool descending, std::string TextRow::*field,
                 int (*compare)(const std::string&, const std::string&)) {
    auto row = [&arr](std::int32_t r) -> TextRow& { return arr.at(static_cast<std::size_t>(r)); };
    auto key = [&](std::int32_t r) -> const std::string& { return row(r).*field; };
    auto before = [&](std::int32_t r, const std::string& v) { // key(r) stops the i scan
        return descending ? compare(key(r), v) <= 0 : compare(key(r), v) >= 0;
    };
    auto after = [&](std::int32_t r, const std::string& v) { // key(r) stops the j scan
        return descending ? compare(key(r), v) >= 0 : compare(key(r), v) <= 0;
    };
    std::array<std::int32_t, 33> lowRow{}, highRow{};
    std::int16_t top = 1;
    std::int32_t L = 0, R = numEls;
    lowRow[1] = L;
    highRow[1] = R;
    for (;;) {
        if (R > L) {
            const std::string v = key(R);
            std::int32_t i = L - 1, j = R;
            do {
                do
                    ++i;
                while (!before(i, v));
                do
                    --j;
                while (!(j == L || after(j, v)));
                std::swap(row(i), row(j));
            } while (!(j <= i));
            TextRow aside = row(j);
            row(j) = row(i);
            row(i) = row(R);
            row(R) = aside;
            if (++top > 32)
                throw std::logic_error("pending-range stack exhausted");
            const auto t = static_cast<std::size_t>(top);
            if (i - L > R - i) {
                lowRow[t] = L;
                highRow[t] = i - 1;
                L = i + 1;
            } else {
                lowRow[t] = i + 1;
                highRow[t] = R;
                R = i - 1;
            }
        } else {
            L = lowRow[static_cast<std::size_t>(top)];
            R = highRow[static_cast<std::size_t>(top)];
            if (--top == 0)
                return;
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
    std::string piece;
    for (char c : fileText) {
        if (c != '\n') {
            piece += c;
            continue;
        }
        if (!piece.empty() && piece.back() == '\r')
            piece.pop_back();
        lines.push_back(std::exchange(piece, {}));
    }
    if (!piece.empty())
        lines.push_back(piece);
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
    QuickSortOn(arr, numEls, descending, &TextRow::word, CompareWords);
}
void QuickSort2(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, numEls, descending, &TextRow::score, CompareNumbers);
}
void QuickSort3(TextTable& arr, std::int32_t numEls, bool descending) {
    QuickSortOn(arr, numEls, descending, &TextRow::length, CompareNumbers);
}

void SortByOption(TextTable& arr, int sortOption) {
    const auto numEls = static_cast<std::int32_t>(arr.size()) - 1;
    if (sortOption == 1)
        QuickSort(arr, numEls, false);
    else if (sortOption == 2)
        QuickSort2(arr, numEls, true);
    else
        QuickSort3(arr, numEls, true);
}

} // namespace literal
