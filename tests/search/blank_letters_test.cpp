// The letters that blanks stand for, and scores with those letters at zero.

#include "search/blank_letters.h"

#include <gtest/gtest.h>

namespace {

using namespace anagrove;

TEST(BlankLetters, RackTilesGoBeforeBlanks) {
    struct Row {
        const char* name;
        const char* word;
        const char* rackPart; // nullptr: the whole word comes from the rack
        const char* rack;
        const char* blanks;
        std::int64_t scoreBlanksZero; // Scrabble values
    };
    const Row rows[] = {
        {"one_blank_supplies_z", "quiz", nullptr, "qui*", "z", 12},
        {"capitals_anywhere", "QuIz", nullptr, "qUI*", "z", 12},
        {"second_copy_from_a_blank", "teat", nullptr, "tea*", "t", 3},
        {"no_blank_needed", "tea", nullptr, "tea**", "", 3},
        {"several_in_alphabetical_order", "zebra", nullptr, "eb***", "arz", 4},
        {"same_letter_twice", "eee", nullptr, "**e", "ee", 1},
        {"characters_that_need_no_tile", "t-e'", nullptr, "t*", "e", 1},
        {"only_blanks", "fix", nullptr, "***", "fix", 0},
        {"board_letter_keeps_its_value", "teat", "tea", "ea*", "t", 3},
        {"board_letter_not_taken_from_rack", "quiz", "qui", "qui", "", 22},
        {"board_and_blank_same_letter", "eerie", "erie", "ri**", "ee", 3},
    };
    const LetterPoints& points = PresetTable(PointScheme::scrabble);
    for (const Row& row : rows) {
        const LetterCounts typed = CountTypedLetters(row.rack);
        const BlankUse use =
            BlankUseOf(row.word, row.rackPart ? row.rackPart : row.word, typed, points);
        EXPECT_EQ(use.letters, row.blanks) << row.name;
        EXPECT_EQ(use.scoreBlanksZero, row.scoreBlanksZero) << row.name;
    }
}

} // namespace
