#pragma once
// The settings file data.dat: one line of 34 double-quoted, comma-separated fields.

#include "app/setting_fields.h"
#include "base/expected.h"
#include "points/letter_points.h"
#include "results/sort_order.h"
#include "word_list/word_list.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace anagrove {

inline constexpr const char* kSettingsFileName = "data.dat";
inline constexpr std::size_t kSettingsFieldCount = 34;

// A choice as the settings file holds it: one of its values, or the word as
// read when it names none, so that the word is written back unchanged.
template <class Value> using StoredChoice = std::variant<Value, std::string>;

// The value of a choice; nothing when its word names none.
template <class Value> [[nodiscard]] std::optional<Value> Known(const StoredChoice<Value>& choice) {
    if (const Value* value = std::get_if<Value>(&choice))
        return *value;
    return std::nullopt;
}

// The fields of the file in their order (kSettingFields), each at its initial
// value until a file says otherwise. A check box reads as checked from
// kCheckedWord only, points are shown unless the field says kFalseWord; the
// limits and the custom values are the texts as typed.
struct Settings {
    StoredChoice<SortOrder> order = InitialChoice<SortOrder>(SettingKey::order);
    std::string minimumText = InitialWord(SettingKey::minimum);
    std::string maximumText = InitialWord(SettingKey::maximum);
    bool noMaximum = InitiallyOn(SettingKey::no_maximum);
    bool anagram = InitiallyOn(SettingKey::anagram);
    StoredChoice<WordListKind> wordList = InitialChoice<WordListKind>(SettingKey::word_list);
    bool usePoints = InitiallyOn(SettingKey::use_points);
    StoredChoice<PointScheme> scheme = InitialChoice<PointScheme>(SettingKey::scheme);
    CustomPoints customPoints; // fields 9 to 34, A to Z

    bool operator==(const Settings&) const = default;
};

// The fields of a settings text, in file order. Fields that the text does not
// hold keep their initial values; no text makes it fail.
[[nodiscard]] Settings ParseSettings(std::string_view text);
// The one line written for the settings, CR LF included. Double quotes and line
// breaks are dropped from the field texts, so the line reads back field for field.
[[nodiscard]] std::string FormatSettings(const Settings& settings);

// Reads the file at path; a missing or unreadable file gives the initial settings.
[[nodiscard]] Settings ReadSettings(const std::string& path);

// Writes the file at path through a temporary file that replaces it in one step,
// so the file is always either the old or the new complete line.
// On failure, the reason is the system's text for the error.
[[nodiscard]] Expected<Done> WriteSettings(const std::string& path, const Settings& settings);

} // namespace anagrove
