#include "points/custom_points.h"

#include "base/number_text.h"
#include "points/texts.h"

namespace anagrove {

Expected<CustomValues, CustomValueError>
ConvertCustomValues(const std::array<std::string, 26>& entries) {
    CustomValues values;
    for (int i = 0; i < 26; ++i) {
        auto whole = ParseWholeNumber(entries[static_cast<std::size_t>(i)]);
        auto text = CanonicalNumberText(entries[static_cast<std::size_t>(i)]);
        if (!whole || !text) {
            return Failure{CustomValueError{i, CustomValueRangeText(static_cast<char>('A' + i))}};
        }
        values.stored[static_cast<std::size_t>(i)] = *text;
        values.active[static_cast<std::size_t>(i)] = *whole;
    }
    return values;
}

std::optional<LetterPoints> LetterPointsFromCustom(const CustomPoints& stored) {
    LetterPoints points{};
    for (std::size_t i = 0; i < 26; ++i) {
        auto whole = ParseWholeNumber(stored[i]);
        if (!whole)
            return std::nullopt;
        points[i] = *whole;
    }
    return points;
}

} // namespace anagrove
