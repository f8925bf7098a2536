// Typed racks: brackets, aliases, blanks, and the typed faults.

#include "alphabet/rack.h"
#include "shipped_alphabet.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ShippedAlphabet;
using testing_support::TileNames;

std::string Rack(const std::string& code, const std::string& typed) {
    const anagrove::Alphabet& alphabet = ShippedAlphabet(code);
    const auto tiles = anagrove::ReadRack(alphabet, typed);
    return tiles ? TileNames(alphabet, *tiles)
                 : anagrove::TextFaultText(tiles.error(), alphabet.name);
}

TEST(ReadRack, ReadsBracketsAliasesAndBlanks) {
    struct Row {
        const char* code;
        std::string typed, tiles;
    };
    const Row rows[] = {
        {"es", "ch", "C H"},
        {"es", "[ch]", "CH"},
        {"es", "[CH]a*", "CH A *"},
        {"es", "[Ll]ll", "LL L L"},
        {"es", "ñ[rr]", "Ñ RR"},
        {"es", "n\xCC\x83", "Ñ"},
        {"es", "**", "* *"},
        {"ca", "l.l", "L·L"},
        {"ca", "L.L", "L·L"},
        {"ca", "ŀl", "L·L"},
        {"ca", "l·l", "L·L"},
        {"ca", "[l·l]", "L·L"},
        {"es", "ll", "L L"},
        {"ca", "ny[ny]", "NY NY"},
        {"ca", "qu", "QU"},
        {"de", "ß", "S S"},
        {"de", "[ä]Ö", "Ä Ö"},
        {"fr", "[é]é", "E E"},
        {"pl", "ŹDŹBŁO", "Ź D Ź B Ł O"},
        {"en", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Rack(row.code, row.typed), row.tiles) << row.code << " " << row.typed;
}

TEST(ReadRack, RefusesWithTheTypedTextAtFault) {
    struct Row {
        const char* code;
        std::string typed, message;
    };
    const Row rows[] = {
        {"es", "ab[ch", "\"[ch\" has no closing \"]\"."},
        {"es", "[", "\"[\" has no closing \"]\"."},
        {"es", "a[xx]b", "\"[xx]\" is not a tile of Español."},
        {"es", "[CX]", "\"[CX]\" is not a tile of Español."},
        {"es", "[]", "\"[]\" is not a tile of Español."},
        {"es", "[c][h]]", "\"]\" is not a letter of Español."},
        {"de", "[ß]", "\"[ß]\" is not a tile of Deutsch."},
        {"es", "kilo", "\"k\" is not a letter of Español."},
        {"en", "a?b", "\"?\" is not a letter of English."},
        {"en", "\xC4\xB0", "\"\xC4\xB0\" is not a letter of English."},
        {"pl", "\xC5", "The text is not UTF-8 at byte 1."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Rack(row.code, row.typed), row.message) << row.code << " " << row.typed;
}

} // namespace
