#pragma once
// The texts of alphabets: why an alphabet file, a word or a rack was refused.

#include <cstddef>
#include <string>

namespace anagrove {

// Why a text does not split into an alphabet's tiles.
enum class TileFault {
    notUtf8,            // bytes that are not UTF-8
    notATile,           // a character that no tile, alias or fold begins with
    bracketNotClosed,   // "[" without a "]" after it
    notATileInBrackets, // "[...]" that is not one tile
};
struct TextFault {
    TileFault kind = TileFault::notATile;
    std::string piece;      // what was typed at fault, UTF-8 ("ç", "[ch", "[xx]")
    std::size_t offset = 0; // for notUtf8: the first bad byte
};

// The message of a fault, naming the alphabet by its language's name.
[[nodiscard]] std::string TextFaultText(const TextFault& fault, const std::string& language);

// The messages of an alphabet file, after "line N: ".
[[nodiscard]] std::string AlphabetLineText(std::size_t line, const std::string& message);
inline constexpr const char* kAlphabetNotUtf8 = "not UTF-8";
inline constexpr const char* kAlphabetUnknownKey =
    "not one of language, name, lookup, blank, tile, case, fold";
inline constexpr const char* kAlphabetFieldCount = "wrong number of fields";
inline constexpr const char* kAlphabetRepeatedKey = "said twice";
inline constexpr const char* kAlphabetBadNumber = "not a number from 0 to 999";
inline constexpr const char* kAlphabetTooManyTiles = "more than 63 letter tiles";
inline constexpr const char* kAlphabetNotOneLetter = "a case pair is one character and another";
inline constexpr const char* kAlphabetWrongLowerCase = "the lower case differs from the case pairs";
inline constexpr const char* kAlphabetRepeatedForm = "a form that stands for another tile already";
inline constexpr const char* kAlphabetFoldNotTiles = "a fold to text that is not tiles";
inline constexpr const char* kAlphabetNoLookupWord = "a lookup address without %s";
inline constexpr const char* kAlphabetNotNfc = "text that is not composed (NFC) or not lower case";
inline constexpr const char* kAlphabetReservedCharacter = "a form with *, [ or ], which racks use";
inline constexpr const char* kAlphabetMissing = "no language, no name or no tile";

} // namespace anagrove
