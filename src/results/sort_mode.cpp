#include "results/sort_mode.h"

#include "base/word_table.h"

namespace anagrove {

namespace {
constexpr WordTable<SortMode, 3> kSortWords{
    {{SortMode::alpha, "alpha"}, {SortMode::score, "score"}, {SortMode::length, "length"}}};
} // namespace

const char* SortModeWord(SortMode mode) {
    return WordOf(kSortWords, mode);
}

std::optional<SortMode> SortModeFromWord(std::string_view word) {
    return ValueOf(kSortWords, word);
}

std::span<const NamedValue<SortMode>> SortModeWords() {
    return kSortWords;
}

} // namespace anagrove
