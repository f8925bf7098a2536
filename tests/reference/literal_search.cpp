#include "reference/literal_search.h"

#include <stdexcept>

namespace literal {

namespace {

constexpr std::string_view kTestOrder = "aeioustcdnprfgbhjklmvwxyzq";
static_assert(kTestOrder.size() == 26);

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The number of a key text: blanks skipped, an optional minus sign, digits.
std::int64_t NumberOfText(const std::string& text) {
    std::size_t p = text.find_first_not_of(' ');
    if (p == std::string::npos)
        return 0;
    const bool negative = text[p] == '-';
    std::int64_t n = 0;
    for (p += negative ? 1 : 0; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        n = n * 10 + (text[p] - '0');
    return negative ? -n : n;
}

int CompareNumbers(const std::string& a, const std::string& b) {
    const std::int64_t x = NumberOfText(a), y = NumberOfText(b);
    return x < y ? -1 : x > y ? 1 : 0;
}

// Character codes one by one; a proper prefix sorts first.
int CompareWords(const std::string& a, const std::string& b) {
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k)
        if (a[k] != b[k])
            return static_cast<unsigned char>(a[k]) < static_cast<unsigned char>(b[k]) ? -1 : 1;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

using Compare = int (*)(const std::string&, const std::string&);

// The one quicksort of the three routines, step by step.
void QuickSortOn(TextTable& arr, std::int32_t numEls, bool descending, std::string TextRow::*field,
                 Compare compare) {
    auto row = [&arr](std::int32_t r) -> TextRow& { return arr.at(static_cast<std::size_t>(r)); };
    auto key = [&](std::int32_t r) -> const std::string& { return row(r).*field; };
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
                while (!(descending ? compare(key(i), v) <= 0 : compare(key(i), v) >= 0));
                do
                    --j;
                while (
                    !(j == L || (descending ? compare(key(j), v) >= 0 : compare(key(j), v) <= 0)));
                TextRow held = row(i);
                row(i) = row(j);
                row(j) = held;
            } while (!(j <= i));
            TextRow aside = row(j);
            row(j) = row(i);
            row(i) = row(R);
            row(R) = aside;
            if (++top > 32)
                throw std::logic_error("pending-range stack exhausted");
            if (i - L > R - i) {
                lowRow[static_cast<std::size_t>(top)] = L;
                highRow[static_cast<std::size_t>(top)] = i - 1;
                L = i + 1;
            } else {
                lowRow[static_cast<std::size_t>(top)] = i + 1;
                highRow[static_cast<std::size_t>(top)] = R;
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
    const auto n = static_cast<std::int64_t>(OrigString.size());
    const auto k = static_cast<std::int64_t>(Chars.size());
    std::int32_t count = 0;
    for (std::int64_t p = 1; p <= n - k + 1; ++p) {
        bool equal = true;
        for (std::int64_t q = 0; q < k; ++q) {
            const char a = OrigString[static_cast<std::size_t>(p - 1 + q)];
            const char b = Chars[static_cast<std::size_t>(q)];
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
        lines.push_back(piece);
        piece.clear();
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
        std::int64_t WordScore = 0;
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
        for (char x = 'a'; x <= 'z'; ++x)
            WordScore += std::int64_t{LetterPoints[static_cast<std::size_t>(x - 'a')]} *
                         CharCount(w, std::string(1, x));
        ++found.matched;
        if (found.rows.size() < static_cast<std::size_t>(kTableRows))
            found.rows.push_back(
                TextRow{w, std::to_string(WordScore), " " + std::to_string(w.size())});
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
