// Words into tiles: the longest match where a shorter one would be wrong, case
// from the alphabet, folds, and what does not split.

#include "alphabet/tile_split.h"
#include "shipped_alphabet.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ShippedAlphabet;
using testing_support::TileNames;

// The word's tiles by name, or the message that refuses it.
std::string Split(const std::string& code, const std::string& word) {
    const anagrove::Alphabet& alphabet = ShippedAlphabet(code);
    const auto tiles = anagrove::SplitWord(alphabet, word);
    return tiles ? TileNames(alphabet, *tiles)
                 : anagrove::TextFaultText(tiles.error(), alphabet.name);
}

TEST(SplitWord, TakesTheLongestTileAtEachPlace) {
    struct Row {
        const char* code;
        std::string word, tiles;
    };
    const Row rows[] = {
        // Catalan: L·L and NY where L and N would leave "·" and a Y that is no tile.
        {"ca", "col·legi", "C O L·L E G I"},
        {"ca", "COL·LEGI", "C O L·L E G I"},
        {"ca", "col.legi", "C O L·L E G I"},
        {"ca", "coŀlegi", "C O L·L E G I"},
        {"ca", "CoĿLegi", "C O L·L E G I"},
        {"ca", "nyap", "NY A P"},
        {"ca", "anys", "A NY S"},
        {"ca", "quinze", "QU I N Z E"},
        {"ca", "Ç", "Ç"},
        {"ca", "coll", "C O L L"},
        // Spanish: CH, LL, RR before C, L, R; a lone letter after them.
        {"es", "chorizo", "CH O R I Z O"},
        {"es", "calle", "C A LL E"},
        {"es", "perro", "P E RR O"},
        {"es", "lll", "LL L"},
        {"es", "Niño", "N I Ñ O"},
        {"es", "cancion", "C A N C I O N"},
        {"es", "canción", "C A N C I O N"},
        // Decomposed (NFD) letters read as the composed ones.
        {"es", "nin\xCC\x83o", "N I Ñ O"},
        {"pl",
         "z\xCC\x81"
         "dz\xCC\x81"
         "b\xC5\x82o",
         "Ź D Ź B Ł O"},
        {"pl", "ŻÓŁW", "Ż Ó Ł W"},
        {"fr", "garçon", "G A R C O N"},
        {"fr", "Œuvre", "O E U V R E"},
        {"fr", "ÉTÉ", "E T E"},
        // German: Ä, Ö, Ü tiles; ß (either case) is S S.
        {"de", "Häuser", "H Ä U S E R"},
        {"de", "Straße", "S T R A S S E"},
        {"de", "STRAẞE", "S T R A S S E"},
        {"nl", "ijs", "I J S"},
        {"it", "perché", "P E R C H E"},
        {"pt", "coração", "C O R A Ç A O"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Split(row.code, row.word), row.tiles) << row.code << " " << row.word;
}

TEST(SplitWord, RefusesWhatTheAlphabetDoesNotHold) {
    struct Row {
        const char* code;
        std::string word, message;
    };
    const Row rows[] = {
        // Dotted and dotless I are not I in any of these alphabets: no locale folds them.
        {"en", "\xC4\xB0stanbul", "\"\xC4\xB0\" is not a letter of English."},
        {"en", "k\xC4\xB1z", "\"\xC4\xB1\" is not a letter of English."},
        {"es", "kilo", "\"k\" is not a letter of Español."},
        {"ca", "yoga", "\"y\" is not a letter of Català."},
        {"ca", "qatar", "\"q\" is not a letter of Català."},
        {"ca", "col·", "\"·\" is not a letter of Català."},
        {"pl", "Quiz", "\"Q\" is not a letter of Polski."},
        {"de", "Øl", "\"Ø\" is not a letter of Deutsch."},
        {"en", "one two", "\" \" is not a letter of English."},
        {"en", "caf\xE9", "The text is not UTF-8 at byte 4."},
        {"en", std::string("a\0b", 3), std::string("\"\0\" is not a letter of English.", 31)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Split(row.code, row.word), row.message) << row.code << " " << row.word;
    }
}

} // namespace
