#pragma once
// A rack as typed: letters, multi-letter tiles in brackets, blanks.

#include "alphabet/alphabet.h"
#include "alphabet/texts.h"
#include "base/expected.h"

#include <string_view>

namespace anagrove {

// The tiles of a typed rack (UTF-8, any case, composed or not): "*" is a blank,
// "[ch]" the one tile CH, "ch" the two tiles C and H; an alias or a fold
// counts outside brackets too ("l.l" is L·L, "ß" is S S), and so does a
// multi-letter tile that no other tiles spell ("qu" in Catalan). Refuses "["
// not closed, brackets round anything but one tile, and characters that are
// not letters of the alphabet.
[[nodiscard]] Expected<Tiles, TextFault> ReadRack(const Alphabet& alphabet, std::string_view utf8);

} // namespace anagrove
