#pragma once
// The counting primitive of the search.

#include <cstdint>
#include <string_view>

namespace anagrove {

// The number of positions at which Chars occurs in OrigString (occurrences may
// overlap). Without CaseSensitive, a-z and A-Z compare without regard to case.
[[nodiscard]] std::int32_t CharCount(std::string_view OrigString, std::string_view Chars,
                                     bool CaseSensitive = false);

} // namespace anagrove
