#include "points/custom_points.h"

#include "base/number_text.h"
#include "points/texts.h"

namespace anagrove {

namespace {

Failure<CustomValueError> Refuse(int letter) {
    return Failure{CustomValueError{letter, CustomValueRangeText(static_cast<char>('A' + letter))}};
}

} // namespace

Expected<LetterPoints, CustomValueError>
ActiveCustomValues(const std::array<std::string, 26>& entries) {
    LetterPoints points{};
    for (int i = 0; i < 26; ++i) {
        auto whole = ParseWholeNumber(entries[static_cast<std::size_t>(i)]);
        if (!whole)
            return Refuse(i);
        points[static_cast<std::size_t>(i)] = *whole;
    }
    return points;
}

Expected<CustomValues, CustomValueError>
ConvertCustomValues(const std::array<std::string, 26>& entries) {
    auto active = ActiveCustomValues(entries);
    if (!active)
        return Failure{active.error()};
    CustomValues values{{}, *active};
    for (int i = 0; i < 26; ++i) {
        auto text = CanonicalNumberText(entries[static_cast<std::size_t>(i)]);
        if (!text)
            return Refuse(i);
        values.stored[static_cast<std::size_t>(i)] = *text;
    }
    return values;
}

} // namespace anagrove
