#include "reference/literal_search.h"

#include <stdexcept>

namespace literal {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::string_view kTestOrder = "aeioustcdnprfgbhjklmvwxyzq";
static_assert(kTestOrder.size() == 26);

// The text of a number: digits, a minus sign before a negative one.
std::string DecimalText(std::int64_t n) {
    return std::to_string(n);
}

// The number of a key text: blanks skipped, an optional minus sign, digits.
std::int64_t NumberOfText(std::string_view text) {
    std::size_t p = 0;
    while (p < text.size() && text[p] == ' ')
        ++p;
    bool negative = p < text.size() && text[p] == '-';
    if (negative)
        ++p;
    std::int64_t n = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        n = n * 10 + (text[p] - '0');
    return negative ? -n : n;
}

// Ordinal text comparison: character codes one by one, a proper prefix first.
int CompareWords(const std::string& a, const std::string& b) {
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        auto ca = static_cast<unsigned char>(a[k]);
        auto cb = static_cast<unsigned char>(b[k]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareNumbers(const std::string& a, const std::string& b) {
    std::int64_t x = NumberOfText(a);
    std::int64_t y = NumberOfText(b);
    return x < y ? -1 : x > y ? 1 : 0;
}

// The one quicksort of the three routines, step by step.
void QuickSortOn(TextTable& arr, std::int32_t numEls, bool descending, std::string TextRow::*field,
                 int (*compare)(const std::string&, const std::string&)) {
    auto key = [&](std::int32_t r) -> const std::string& {
        return arr.at(static_cast<std::size_t>(r)).*field;
    };
    std::array<std::int32_t, 33> lowRow{};
    std::array<std::int32_t, 33> highRow{};
    std::int16_t stackPointer = 1;
    std::int32_t L = 0;
    std::int32_t R = numEls;
    lowRow[1] = L;
    highRow[1] = R;
    for (;;) {
        if (R > L) {
            const std::string v = key(R);
            std::int32_t i = L - 1;
            std::int32_t j = R;
            do {
                do
                    ++i;
                while (!(descending ? compare(key(i), v) <= 0 : compare(key(i), v) >= 0));
                do
                    --j;
                while (
                    !(j == L || (descending ? compare(key(j), v) >= 0 : compare(key(j), v) <= 0)));
                TextRow held = arr.at(static_cast<std::size_t>(i));
                arr.at(static_cast<std::size_t>(i)) = arr.at(static_cast<std::size_t>(j));
                arr.at(static_cast<std::size_t>(j)) = held;
            } while (!(j <= i));
            TextRow aside = arr.at(static_cast<std::size_t>(j));
            arr.at(static_cast<std::size_t>(j)) = arr.at(static_cast<std::size_t>(i));
            arr.at(static_cast<std::size_t>(i)) = arr.at(static_cast<std::size_t>(R));
            arr.at(static_cast<std::size_t>(R)) = aside;
            ++stackPointer;
            if (stackPointer > 32)
                throw std::logic_error("pending-range stack exhausted");
            auto top = static_cast<std::size_t>(stackPointer);
            if (i - L > R - i) {
                lowRow[top] = L;
                highRow[top] = i - 1;
                L = i + 1;
            } else {
                lowRow[top] = i + 1;
                highRow[top] = R;
                R = i - 1;
            }
        } else {
            L = lowRow[static_cast<std::size_t>(stackPointer)];
            R = highRow[static_cast<std::size_t>(stackPointer)];
            --stackPointer;
            if (stackPointer == 0)
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
            char a = OrigString[static_cast<std::size_t>(p - 1 + q)];
            char b = Chars[static_cast<std::size_t>(q)];
            if (CaseSensitive ? a != b : Lower(a) != Lower(b))
                equal = false;
        }
        if (equal)
            ++count;
    }
    return count;
}

std::vector<std::string> CutLines(std::string_view fileText) {
    std::vector<std::string> lines;
    std::string piece;
    for (char c : fileText) {
        if (c == '\n') {
            if (!piece.empty() && piece.back() == '\r')
                piece.pop_back();
            lines.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
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
        const auto L = static_cast<std::int64_t>(w.size());
        if (!limits.anagram && limits.minimum > static_cast<double>(L))
            continue;
        if (!limits.nomax && !limits.anagram && limits.maximum < static_cast<double>(L))
            continue;
        if (limits.anagram && L != static_cast<std::int64_t>(letters.size()))
            continue;
        const bool withBlanks = BlankCount >= 1;
        bool rejected = false;
        for (char x : kTestOrder) {
            std::int32_t c = CharCount(w, std::string(1, x));
            std::int32_t t = LetterCount[static_cast<std::size_t>(x - 'a')];
            if (!withBlanks) {
                rejected = c > t;
            } else if (c > t + BlankCount) {
                rejected = true;
            } else if (c > t) {
                BlankCount -= c - t;
            }
            if (rejected)
                break;
        }
        if (rejected)
            continue;
        for (char x = 'a'; x <= 'z'; ++x)
            WordScore += std::int64_t{LetterPoints[static_cast<std::size_t>(x - 'a')]} *
                         CharCount(w, std::string(1, x));
        ++found.matched;
        if (static_cast<std::int64_t>(found.rows.size()) < kTableRows)
            found.rows.push_back(TextRow{w, DecimalText(WordScore), " " + DecimalText(L)});
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
