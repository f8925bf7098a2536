#pragma once
// Building the letter profiles of words and the per-letter word sets of a list.

#include "dictionary/word_list.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace anagrove {

// Marks, for each letter x, the words whose signature uses it: bit i % 64 of
// letterWords[x * blocks + i / 64]. letterWords holds 26 * blocks zeros.
void MarkLetterSets(const std::vector<std::uint32_t>& signatures, std::size_t blocks,
                    std::uint64_t* letterWords);

} // namespace anagrove
