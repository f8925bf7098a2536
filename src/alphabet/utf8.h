#pragma once
// UTF-8 to code points and back, refusing bytes that are not UTF-8.

#include "base/expected.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace anagrove {

// Where a text stops being UTF-8: the offset of the first bad byte.
struct Utf8Fault {
    std::size_t offset = 0;
};

// The code points of UTF-8 text; refuses overlong forms, surrogates, code
// points past U+10FFFF, stray continuation bytes and a cut-off last character.
[[nodiscard]] Expected<std::u32string, Utf8Fault> DecodeUtf8(std::string_view text);
// The UTF-8 bytes of code points (each a valid scalar value).
[[nodiscard]] std::string EncodeUtf8(std::u32string_view text);

} // namespace anagrove
