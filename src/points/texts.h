#pragma once
// The message that refuses a custom letter value.

#include <string>
#include <string_view>

namespace anagrove {

// "Please enter a number from -2147483648 to 2147483647 for C." for letter 'C'.
[[nodiscard]] std::string CustomValueRangeText(char letter);
// The same for a tile named by its text ("CH").
[[nodiscard]] std::string CustomValueRangeText(std::string_view tile);

} // namespace anagrove
