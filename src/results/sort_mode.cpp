#include "results/sort_mode.h"

namespace anagrove {

const char* SortModeWord(SortMode mode) {
    switch (mode) {
    case SortMode::alpha:
        return "alpha";
    case SortMode::score:
        return "score";
    case SortMode::length:
        break;
    }
    return "length";
}

std::optional<SortMode> SortModeFromWord(std::string_view word) {
    for (auto mode : {SortMode::alpha, SortMode::score, SortMode::length})
        if (word == SortModeWord(mode))
            return mode;
    return std::nullopt;
}

} // namespace anagrove
