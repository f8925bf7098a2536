#pragma once
// How a line of text ends on this system.

#include <string_view>

namespace anagrove {

// "\r\n" on Windows, "\n" elsewhere. Standard output and standard error, text
// streams on Windows, turn each '\n' written into it; a text file saved for
// the user is written with it.
#ifdef _WIN32
inline constexpr std::string_view kTextLineEnd = "\r\n";
#else
inline constexpr std::string_view kTextLineEnd = "\n";
#endif

} // namespace anagrove
