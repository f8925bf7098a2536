#pragma once
// UTF-8 and UTF-16 for the wide Windows calls, and the texts of their errors.
// Used only by the Windows implementations in this folder.

#include <string>
#include <string_view>

namespace anagrove {

// A UTF-8 text as UTF-16; a byte that is not UTF-8 becomes U+FFFD.
[[nodiscard]] std::wstring WideFromUtf8(std::string_view text);
// A UTF-16 text as UTF-8; a lone surrogate becomes U+FFFD.
[[nodiscard]] std::string Utf8FromWide(std::wstring_view text);

// The reason for a Windows error code (GetLastError()): for the failures that
// the C library knows too, its text, so that a missing file reads as it does
// on Linux; for the others Windows' own text, without its final full stop.
[[nodiscard]] std::string WindowsErrorText(unsigned long error);

} // namespace anagrove
