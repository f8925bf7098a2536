#include "points/texts.h"

namespace anagrove {

std::string CustomValueRangeText(char letter) {
    return CustomValueRangeText(std::string_view(&letter, 1));
}

std::string CustomValueRangeText(std::string_view tile) {
    return "Please enter a number from -2147483648 to 2147483647 for " + std::string(tile) + ".";
}

} // namespace anagrove
