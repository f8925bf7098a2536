#pragma once
// The program works on Latin-1 text, one byte per character; terminals speak UTF-8.

#include <string>
#include <string_view>

namespace anagrove {

// Latin-1 text of UTF-8 input: each character above U+00FF becomes '?'. Input
// that is not valid UTF-8 is taken as Latin-1 already.
[[nodiscard]] std::string Latin1FromUtf8(std::string_view text);
// UTF-8 text of Latin-1 text.
[[nodiscard]] std::string Utf8FromLatin1(std::string_view text);

} // namespace anagrove
