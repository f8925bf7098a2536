#include "sort/sort_found.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace anagrove {

namespace {

// Anagrove's own quicksort, step by step, over rows and an integer key per
// row. Not std::sort: equal keys must end in the places this sort has always
// given them, which the window, anagrove-find's goldens and the web page show.
// A row's key and the row's place before the sort; the sort moves these
// instead of whole rows.
template <class Key> struct Entry {
    Key key;
    std::uint32_t row;
};

// Anagrove's quicksort, step by step: the last row of a range is the pivot,
// a key equal to it stops both scans, and the shorter part is stored while the
// longer goes on.
template <class Key> void ExactQuickSort(std::vector<Entry<Key>>& entries, bool descending) {
    auto key = [&](std::int32_t r) { return entries[static_cast<std::size_t>(r)].key; };
    auto exchange = [&](std::int32_t a, std::int32_t b) {
        std::swap(entries[static_cast<std::size_t>(a)], entries[static_cast<std::size_t>(b)]);
    };
    // Each stored part is at least as long as the part that goes on, so the
    // stack stays within 1 + log2(rows) entries.
    std::array<std::int32_t, 33> low{};
    std::array<std::int32_t, 33> high{};
    std::int32_t L = 0;
    std::int32_t R = static_cast<std::int32_t>(entries.size()) - 1;
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

// When no two keys are equal, every correct sort gives the one order, and a
// fast sort may stand in for the quicksort (which takes quadratic time on keys
// that are in order already). Sorts entries and returns true in that case;
// leaves them as they are otherwise. More keys than values between the
// smallest and the largest key rule it out at once.
template <class Key> bool SortDifferentKeys(std::vector<Entry<Key>>& entries, bool descending) {
    auto before = [descending](const auto& a, const auto& b) {
        return descending ? a.key > b.key : a.key < b.key;
    };
    auto [least, most] = std::minmax_element(
        entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.key < b.key; });
    const auto span = static_cast<long double>(most->key) - static_cast<long double>(least->key);
    if (span + 1 < static_cast<long double>(entries.size()))
        return false;
    auto equal = [](const auto& a, const auto& b) { return a.key == b.key; };
    std::vector<Entry<Key>> sorted = entries;
    if (!std::is_sorted(sorted.begin(), sorted.end(), before))
        std::sort(sorted.begin(), sorted.end(), before);
    if (std::adjacent_find(sorted.begin(), sorted.end(), equal) != sorted.end())
        return false;
    entries = std::move(sorted);
    return true;
}

template <class KeyOf>
void SortByKey(std::vector<FoundRow>& rows, std::int32_t lastRow, bool descending, KeyOf keyOf) {
    if (lastRow < 1)
        return;
    using Key = decltype(keyOf(rows[0]));
    const auto count = static_cast<std::size_t>(lastRow) + 1;
    std::vector<Entry<Key>> entries(count);
    for (std::size_t r = 0; r < count; ++r)
        entries[r] = Entry<Key>{keyOf(rows[r]), static_cast<std::uint32_t>(r)};
    if (!SortDifferentKeys(entries, descending))
        ExactQuickSort(entries, descending);
    std::vector<FoundRow> sorted(count);
    for (std::size_t r = 0; r < count; ++r)
        sorted[r] = rows[entries[r].row];
    std::copy(sorted.begin(), sorted.end(), rows.begin());
}

// The alphabetical order through the list's ranks: integer comparisons instead
// of text ones, and no work at all for rows that are in list order already
// when the list is sorted. Until the ranks are worked out, a few rows are
// compared by their words, which costs less than ranking the whole list.
void SortByRank(std::vector<FoundRow>& rows, const WordList& list) {
    if (!list.Ranked() && rows.size() < static_cast<std::size_t>(list.WordCount()) / 8) {
        auto byWord = [](const FoundRow& a, const FoundRow& b) { return a.word < b.word; };
        if (!std::is_sorted(rows.begin(), rows.end(), byWord))
            std::sort(rows.begin(), rows.end(), byWord);
        return;
    }
    const std::vector<std::uint32_t>& ranks = list.Ranks();
    auto before = [&ranks](const FoundRow& a, const FoundRow& b) {
        return ranks.empty() ? a.index < b.index
                             : ranks[static_cast<std::size_t>(a.index)] <
                                   ranks[static_cast<std::size_t>(b.index)];
    };
    if (!std::is_sorted(rows.begin(), rows.end(), before))
        std::sort(rows.begin(), rows.end(), before);
}

} // namespace

void SortByScore(std::vector<FoundRow>& rows, std::int32_t lastRow, bool descending) {
    SortByKey(rows, lastRow, descending, [](const FoundRow& row) { return row.score; });
}

void SortByLength(std::vector<FoundRow>& rows, std::int32_t lastRow, bool descending) {
    SortByKey(rows, lastRow, descending, [](const FoundRow& row) { return row.length; });
}

void SortFound(FoundWords& found, SortOrder order) {
    const std::int32_t lastRow = found.FoundCount() - 1;
    switch (order) {
    case SortOrder::alpha:
        // Only a table that was never searched has no list, and it has no rows.
        if (found.source)
            SortByRank(found.rows, *found.source);
        break;
    case SortOrder::score:
        SortByScore(found.rows, lastRow, true);
        break;
    case SortOrder::length:
        SortByLength(found.rows, lastRow, true);
        break;
    }
}

} // namespace anagrove
