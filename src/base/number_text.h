#pragma once
// Conversions between numbers and the texts the program shows, stores and reads.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace anagrove {

// A count as the program shows it: one blank before a number that is not
// negative, a minus sign before one that is (" 12", "-3"): the place of the
// sign is kept, so captions and lengths read as they always have.
[[nodiscard]] std::string CountText(std::int64_t n);

// A score as the result table holds it: plain digits, a minus sign if negative ("12").
[[nodiscard]] std::string ScoreText(std::int64_t n);

// A decimal number as typed into a box: blanks around it are ignored, then an
// optional sign, digits with an optional decimal point, and an optional
// exponent. Anything else, or a value that is not finite, gives nothing.
[[nodiscard]] std::optional<double> ParseDecimal(std::string_view text);

// The whole number of a typed value: a fraction goes to the nearest whole
// number, an exact half to the even neighbour. Gives nothing when the text is
// not a number or the result lies outside the signed 32-bit range.
[[nodiscard]] std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The canonical text of a typed number, as the custom values are stored: its
// plain decimal form after a blank, or after a minus sign when negative
// ("07" gives " 7", "2.50" gives " 2.5"). Gives nothing when it is not a number.
[[nodiscard]] std::optional<std::string> CanonicalNumberText(std::string_view text);

} // namespace anagrove
