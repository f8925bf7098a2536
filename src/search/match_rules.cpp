#include "search/match_rules.h"

namespace anagrove {

MatchRule::MatchRule(std::string_view letters, const SearchLimits& limits)
    : limits_(limits), typed_(CountTypedLetters(letters)), blanks_(CountBlanks(letters)),
      typedLength_(static_cast<std::int64_t>(letters.size())) {
    for (std::size_t x = 0; x < 26; ++x) {
        once_ |= typed_[x] >= 1 ? 1u << x : 0u;
        twice_ |= typed_[x] >= 2 ? 1u << x : 0u;
        thrice_ |= typed_[x] >= 3 ? 1u << x : 0u;
    }
    for (std::uint32_t length = 0; length < kLongWord; ++length)
        shortLengths_[length] = WithinLength(length);
}

} // namespace anagrove
