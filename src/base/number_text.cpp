#include "base/number_text.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace anagrove {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// True when text is [sign] digits [. digits] [e [sign] digits] with at least one
// digit in the mantissa.
bool IsDecimalSyntax(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

// For a number out of the range of a double, whether it is too small rather
// than too large: its first significant digit stands below the decimal point.
bool TooSmallForDouble(std::string_view text) {
    std::size_t i = text.front() == '-' ? 1 : 0;
    long long place = 0; // the power of ten of the first significant digit, plus one
    bool significant = false;
    for (bool fraction = false; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            fraction = true;
        } else if (!significant && text[i] == '0') {
            place -= fraction ? 1 : 0;
        } else if (!significant) {
            significant = true;
            place += fraction ? 0 : 1;
        } else if (!fraction) {
            ++place;
        }
    }
    long long exponent = 0;
    if (i < text.size()) {
        bool negative = text[i + 1] == '-';
        for (std::size_t k = i + 1; k < text.size(); ++k)
            if (IsDigit(text[k]) && exponent < 100000)
                exponent = exponent * 10 + (text[k] - '0');
        exponent = negative ? -exponent : exponent;
    }
    return place + exponent <= 0;
}

// Reads text that IsDecimalSyntax accepted, without a leading '+', as
// from_chars reads it: the nearest double, or result_out_of_range (and value
// untouched) when the number is too large or too small for a double.
std::errc ReadDouble(std::string_view text, double& value) {
#if defined(__cpp_lib_to_chars)
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return end == text.data() + text.size() ? ec : std::errc::invalid_argument;
#else
    // A standard library without floating-point from_chars (the WebAssembly
    // build's): strtod rounds the same way, and there the only locale is "C",
    // so the decimal point is '.'. It also reports subnormal results as out of
    // range, which from_chars reads.
    const std::string terminated(text);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(terminated.c_str(), &end);
    if (end != terminated.c_str() + terminated.size())
        return std::errc::invalid_argument;
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return std::errc::result_out_of_range;
    value = read;
    return std::errc();
#endif
}

} // namespace

std::string ScoreText(std::int64_t n) {
    return std::to_string(n);
}

std::string CountText(std::int64_t n) {
    std::string text = n < 0 ? std::string() : std::string(" ");
    text += std::to_string(n);
    return text;
}

std::optional<double> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    if (!IsDecimalSyntax(text))
        return std::nullopt;
    // from_chars does not take a leading '+'.
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const std::errc ec = ReadDouble(text, value);
    if (ec == std::errc::result_out_of_range && TooSmallForDouble(text))
        return text.front() == '-' ? -0.0 : 0.0;
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    auto value = ParseDecimal(text);
    if (!value)
        return std::nullopt;
    double rounded = std::nearbyint(*value); // the default mode rounds halves to even
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::string> CanonicalNumberText(std::string_view text) {
    auto value = ParseDecimal(text);
    if (!value)
        return std::nullopt;
    double v = *value == 0 ? 0.0 : *value; // no "-0"
    std::array<char, 400> buffer{};
    auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed);
    if (ec != std::errc())
        return std::nullopt;
    std::string digits(buffer.data(), end);
    return v < 0 ? digits : " " + digits;
}

} // namespace anagrove
