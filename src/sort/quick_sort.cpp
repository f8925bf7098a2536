#include "sort/quick_sort.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace anagrove {

namespace {

// The program's quicksort, step by step, over rows and an integer key per row.
template <class Key>
void ExactQuickSort(std::span<FoundRow> rows, std::span<Key> keys, bool descending) {
    const auto numEls = static_cast<std::int32_t>(rows.size()) - 1;
    auto exchange = [&](std::int32_t a, std::int32_t b) {
        std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
        std::swap(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
    };
    auto key = [&](std::int32_t r) { return keys[static_cast<std::size_t>(r)]; };
    // The part that goes on is never longer than the stored one, so the stack
    // stays within 1 + log2(rows) entries.
    std::array<std::int32_t, 33> low{};
    std::array<std::int32_t, 33> high{};
    std::int32_t L = 0;
    std::int32_t R = numEls;
    int sp = 1;
    low[1] = L;
    high[1] = R;
    for (;;) {
        if (R > L) {
            const Key v = key(R);
            std::int32_t i = L - 1;
            std::int32_t j = R;
            do {
                if (!descending) {
                    do
                        ++i;
                    while (key(i) < v);
                    do
                        --j;
                    while (j != L && key(j) > v);
                } else {
                    do
                        ++i;
                    while (key(i) > v);
                    do
                        --j;
                    while (j != L && key(j) < v);
                }
                exchange(i, j);
            } while (j > i);
            // Undo the last exchange, then put the pivot row at i.
            exchange(i, j);
            exchange(i, R);
            ++sp;
            if (i - L > R - i) {
                low[static_cast<std::size_t>(sp)] = L;
                high[static_cast<std::size_t>(sp)] = i - 1;
                L = i + 1;
            } else {
                low[static_cast<std::size_t>(sp)] = i + 1;
                high[static_cast<std::size_t>(sp)] = R;
                R = i - 1;
            }
        } else {
            L = low[static_cast<std::size_t>(sp)];
            R = high[static_cast<std::size_t>(sp)];
            if (--sp == 0)
                return;
        }
    }
}

// When no two keys are equal, every correct sort gives the one order, so a
// fast sort may stand in for the quicksort (which takes quadratic time on rows
// that are already in order).
template <class Key> bool AllKeysDifferent(std::span<const Key> keys) {
    std::vector<Key> sorted(keys.begin(), keys.end());
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}

template <class KeyOf>
void SortByKey(std::vector<FoundRow>& arr, std::int32_t numEls, bool descending, KeyOf keyOf) {
    if (numEls < 1)
        return;
    std::span<FoundRow> rows(arr.data(), static_cast<std::size_t>(numEls) + 1);
    using Key = decltype(keyOf(rows[0]));
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows)
        keys.push_back(keyOf(row));
    if (AllKeysDifferent<Key>(keys)) {
        auto before = [&](const FoundRow& a, const FoundRow& b) {
            return descending ? keyOf(a) > keyOf(b) : keyOf(a) < keyOf(b);
        };
        std::sort(rows.begin(), rows.end(), before);
        return;
    }
    ExactQuickSort<Key>(rows, keys, descending);
}

// The alphabetical order through the list's ranks: integer comparisons instead
// of text ones, and no work at all for rows that are in list order already
// when the list is sorted.
void SortByRank(std::vector<FoundRow>& rows, const WordList& list) {
    auto before = [&list](const FoundRow& a, const FoundRow& b) {
        return list.Rank(a.index) < list.Rank(b.index);
    };
    if (!std::is_sorted(rows.begin(), rows.end(), before))
        std::sort(rows.begin(), rows.end(), before);
}

} // namespace

void QuickSort(std::vector<FoundRow>& arr, std::int32_t numEls, bool descending) {
    if (numEls < 1)
        return;
    auto end = arr.begin() + numEls + 1;
    if (descending)
        std::sort(arr.begin(), end,
                  [](const FoundRow& a, const FoundRow& b) { return a.word > b.word; });
    else
        std::sort(arr.begin(), end,
                  [](const FoundRow& a, const FoundRow& b) { return a.word < b.word; });
}

void QuickSort2(std::vector<FoundRow>& arr, std::int32_t numEls, bool descending) {
    SortByKey(arr, numEls, descending, [](const FoundRow& row) { return row.score; });
}

void QuickSort3(std::vector<FoundRow>& arr, std::int32_t numEls, bool descending) {
    SortByKey(arr, numEls, descending, [](const FoundRow& row) { return row.length; });
}

void SortFound(FoundWords& found, SortMode mode) {
    const std::int32_t numEls = found.FoundCount() - 1;
    switch (mode) {
    case SortMode::alpha:
        if (found.source)
            SortByRank(found.rows, *found.source);
        else
            QuickSort(found.rows, numEls, false);
        break;
    case SortMode::score:
        QuickSort2(found.rows, numEls, true);
        break;
    case SortMode::length:
        QuickSort3(found.rows, numEls, true);
        break;
    }
}

} // namespace anagrove
