#pragma once
// Turning the custom point editor's 26 entries into stored and active values.

#include "base/expected.h"
#include "points/letter_points.h"

#include <array>
#include <string>

namespace anagrove {

struct CustomValues {
    CustomPoints stored; // canonical texts for the settings file
    LetterPoints active; // whole numbers for scoring
};

struct CustomValueError {
    int letter = 0;      // 0 = A ... 25 = Z
    std::string message; // names the letter
};

// The whole-number values of the entries A to Z, as scoring uses them, or the
// refusal of the first entry that is not a number, or whose whole number lies
// outside the signed 32-bit range.
[[nodiscard]] Expected<LetterPoints, CustomValueError>
ActiveCustomValues(const std::array<std::string, 26>& entries);

// Converts the entries A to Z. The first entry that is not a number, or whose
// whole number lies outside the signed 32-bit range, is refused.
[[nodiscard]] Expected<CustomValues, CustomValueError>
ConvertCustomValues(const std::array<std::string, 26>& entries);

} // namespace anagrove
