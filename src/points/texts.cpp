#include "points/texts.h"

namespace anagrove {

std::string CustomValueRangeText(char letter) {
    return std::string("Please enter a number from -2147483648 to 2147483647 for ") + letter + ".";
}

} // namespace anagrove
