#pragma once
// Words into tiles: the longest form at each place, left to right.

#include "alphabet/alphabet.h"
#include "alphabet/texts.h"
#include "base/expected.h"

#include <string>
#include <string_view>

namespace anagrove {

// UTF-8 text as typed, composed (NFC), and the same in the alphabet's lower
// case, character for character.
struct TypedText {
    std::u32string typed, lowered;
};
[[nodiscard]] Expected<TypedText, TextFault> ReadTypedText(const Alphabet& alphabet,
                                                           std::string_view utf8);

// The tiles of a word in UTF-8, in any case, composed or not: at each place
// the longest tile text, alias or fold, so that Catalan "col·legi" holds L·L
// and "nyap" NY. Refuses bytes that are not UTF-8 and a character no form
// begins with.
[[nodiscard]] Expected<Tiles, TextFault> SplitWord(const Alphabet& alphabet, std::string_view utf8);

} // namespace anagrove
