#pragma once
// The web addresses of the word lookups.

#include <optional>
#include <string>
#include <string_view>

namespace anagrove {

inline constexpr const char* kDictionaryAddress = "https://www.dictionary.com/search?q=";
inline constexpr const char* kThesaurusAddress = "https://www.thesaurus.com/search?q=";

// The word of a result-list item: the text before its first blank. Nothing when
// the item has no blank or begins with one.
[[nodiscard]] std::optional<std::string> LookupWord(std::string_view item);

// The lookup address for an item: prefix followed by the word. Characters that
// would change the meaning of the address (blanks, '#', '%', '&', '?', '+' and
// control characters) are percent-encoded; a Latin-1 character above 127 is
// sent as its UTF-8 bytes, percent-encoded, since lookup sites read addresses
// as UTF-8 (é is %C3%A9). ASCII letters pass unchanged. Nothing when the item
// holds no word.
[[nodiscard]] std::optional<std::string> LookupAddress(std::string_view prefix,
                                                       std::string_view item);

// A language's lookup address: pattern with its "%s" replaced by the word
// (UTF-8), whose bytes beyond ASCII and those that would change the meaning of
// the address are percent-encoded ("mère" is m%C3%A8re).
[[nodiscard]] std::string WordAddress(std::string_view pattern, std::string_view utf8Word);

} // namespace anagrove
