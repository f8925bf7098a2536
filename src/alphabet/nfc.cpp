#include "alphabet/nfc.h"

#include "alphabet/nfc_table.h"

#include <algorithm>

namespace anagrove {

namespace {

// The letter that base and mark compose, or 0.
char32_t Composed(char32_t base, char32_t mark) {
    const auto& table = nfc_table::kCompositions;
    const auto at = std::ranges::lower_bound(table, std::pair{base, mark}, {},
                                             [](const nfc_table::Composition& c) {
                                                 return std::pair{c.base, c.mark};
                                             });
    return at != table.end() && at->base == base && at->mark == mark ? at->composed : 0;
}

} // namespace

std::u32string ComposeNfc(std::u32string_view text) {
    std::u32string composed;
    composed.reserve(text.size());
    for (const char32_t c : text) {
        if (!composed.empty())
            if (const char32_t both = Composed(composed.back(), c)) {
                composed.back() = both;
                continue;
            }
        composed += c;
    }
    return composed;
}

} // namespace anagrove
