#pragma once
// The two shipped word lists: their words and their files.

#include "base/word_table.h"

namespace anagrove {

enum class WordListKind { standard, extended };

// The word of a list in the settings file and on the command line.
template <> struct EnumWords<WordListKind> {
    static constexpr WordTable<WordListKind, 2> table{
        {{WordListKind::standard, "standard"}, {WordListKind::extended, "extended"}}};
};

// "standard.txt" or "extended.txt".
[[nodiscard]] constexpr const char* WordListFileName(WordListKind kind) {
    return kind == WordListKind::standard ? "standard.txt" : "extended.txt";
}

} // namespace anagrove
