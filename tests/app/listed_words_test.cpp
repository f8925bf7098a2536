// The shown results as copied and saved text, and the note on a result's blank tiles.

#include "app/listed_words.h"
#include "app/search_request.h"
#include "search/letter_score.h"

#include <gtest/gtest.h>

namespace {

using namespace anagrove;

const LetterPoints& kScrabble = PresetTable(PointScheme::scrabble);

TEST(BlankTilesText, LettersOfTheBlanksAndTheScoreWithoutThem) {
    struct Row {
        const char* name;
        const char* rack;
        const char* word;
        bool showScore;
        const char* text;
    };
    const Row rows[] = {
        {"no_blanks_in_the_rack", "tea", "tea", true, "No blank tiles in the rack"},
        {"blanks_not_needed", "tea**", "tea", true, "No blank tiles used"},
        {"one_blank", "qui*", "quiz", true, "Blank tile: z \xB7 12 points with blanks at zero"},
        {"two_blanks", "ta**", "teas", true, "Blank tiles: e, s \xB7 2 points with blanks at zero"},
        {"rack_tile_and_blank_same_letter", "te*", "tee", true,
         "Blank tile: e \xB7 2 points with blanks at zero"},
        {"one_point_left", "a*", "at", true, "Blank tile: t \xB7 1 point with blanks at zero"},
        {"nothing_left", "**", "at", true, "Blank tiles: a, t \xB7 0 points with blanks at zero"},
        {"capitals_in_rack_and_word", "QUI*", "QuiZ", true,
         "Blank tile: z \xB7 12 points with blanks at zero"},
        {"points_off", "ta**", "teas", false, "Blank tiles: e, s"},
        {"points_off_no_blanks", "tea", "tea", false, "No blank tiles in the rack"},
    };
    for (const Row& row : rows) {
        const FoundRow found{row.word, 0, 0, WordScore(row.word, kScrabble)};
        EXPECT_EQ(BlankTilesText(found, {row.rack, kScrabble}, row.showScore), row.text)
            << row.name;
    }
}

// "te*" over a small list, alphabetical, points shown: all rows, then only the listed ones.
TEST(ListedWords, WordsItemsAndTableByteForByte) {
    const SearchRack rack{"te*", kScrabble};
    SearchRequest request;
    request.letters = rack.letters;
    const SearchOutcome outcome =
        RunSearch(request, SearchLimits{1, 8},
                  std::make_shared<const WordList>(TakeWordList(
                      std::string("a\r\nat\r\neat\r\nquiz\r\nt,e\r\nt\"e\r\ntee\r\n"))),
                  kScrabble);
    const std::string header = "word,length,score,blank letters,score with blanks at zero\r\n";
    EXPECT_EQ(ListedWordsText(outcome.found, outcome.listing), "a\nat\neat\nt\"e\nt,e\ntee\n");
    EXPECT_EQ(ListedItemsText(outcome.found, outcome.listing),
              "a (1)\nat (2)\neat (3)\nt\"e (2)\nt,e (2)\ntee (3)\n");
    EXPECT_EQ(ListedCsvText(outcome.found, outcome.listing, rack), header + "a,1,1,a,0\r\n"
                                                                            "at,2,2,a,1\r\n"
                                                                            "eat,3,3,a,2\r\n"
                                                                            "\"t\"\"e\",3,2,,2\r\n"
                                                                            "\"t,e\",3,2,,2\r\n"
                                                                            "tee,3,3,e,2\r\n");
    const ResultListing middle{1, 2, ItemForm::score_after_space};
    EXPECT_EQ(ListedWordsText(outcome.found, middle), "at\neat\n");
    EXPECT_EQ(ListedItemsText(outcome.found, middle), "at 2\neat 3\n");
    EXPECT_EQ(ListedItemsText(outcome.found, middle, "\r\n"), "at 2\r\neat 3\r\n");
    EXPECT_EQ(ListedWordsText(outcome.found, ResultListing{}), "");
    EXPECT_EQ(ListedCsvText(outcome.found, ResultListing{}, rack), header);
}

} // namespace
