#pragma once
// The settings file data.dat: one line of 34 double-quoted, comma-separated fields.

#include "base/expected.h"
#include "dictionary/word_list.h"
#include "points/letter_points.h"
#include "results/sort_mode.h"

#include <string>
#include <string_view>

namespace anagrove {

inline constexpr const char* kSettingsFileName = "data.dat";
inline constexpr int kSettingsFieldCount = 34;

// The option fields hold the initial choices until a file says otherwise.
struct Settings {
    std::string SortSetting = SortModeWord(SortMode::alpha);
    std::string MinLettersSetting = "2";
    std::string MaxLettersSetting = "8";
    std::string NomaxSetting = "1";
    std::string AnagramSetting = "1";
    std::string DictionarySetting = DictionaryWord(DictionaryKind::standard);
    std::string UsepointsSetting = "true";
    std::string PointsSetting = PointSchemeWord(PointScheme::scrabble);
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
