// The conversions of typed numbers agree with one another: the canonical text
// of a number reads back as the same number and the same whole number, and
// whole numbers stay within the signed 32-bit range.

#include "base/number_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = ParseDecimal(text);
    const auto whole = ParseWholeNumber(text);
    const auto canonical = CanonicalNumberText(text);
    if (value.has_value() != canonical.has_value() || (whole && !value))
        std::abort();
    if (canonical) {
        if (canonical->empty() || (*value >= 0) != ((*canonical)[0] == ' '))
            std::abort();
        if (ParseDecimal(*canonical) != value || ParseWholeNumber(*canonical) != whole)
            std::abort();
    }
    if (whole && (*whole - *value > 0.5 || *value - *whole > 0.5))
        std::abort();
    return 0;
}
