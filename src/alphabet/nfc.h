#pragma once
// Canonical composition (NFC) of the Latin letters that alphabets hold.

#include <string>
#include <string_view>

namespace anagrove {

// The text with each letter and the combining marks after it composed into one
// character where Unicode has one (e + U+0301 is é, u + U+0308 + U+0304 is ǖ),
// for the Latin letters U+00C0-U+024F and U+1E00-U+1EFF; other text is kept.
[[nodiscard]] std::u32string ComposeNfc(std::u32string_view text);

} // namespace anagrove
