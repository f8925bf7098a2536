#pragma once
// The message that refuses a custom letter value.

#include <string>

namespace anagrove {

// "Please enter a number from -2147483648 to 2147483647 for C." for letter 'C'.
[[nodiscard]] std::string CustomValueRangeText(char letter);

} // namespace anagrove
