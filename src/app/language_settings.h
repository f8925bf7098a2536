#pragma once
// The window's choices beyond English, kept in a file of their own beside the
// settings file (languages.dat), so that data.dat stays as every Anagrove
// reads it: the language, the player's own word list, and the custom tile
// values of each language.

#include "app/languages.h"
#include "base/expected.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

inline constexpr const char* kLanguageSettingsFileName = "languages.dat";

struct LanguageSettings {
    std::string language{kEnglishCode};  // a shipped language's code
    std::optional<std::string> listFile; // a player's own list, searched in place of the language's
    // By language code: the custom values as typed, one text per tile from tile 1 on.
    std::map<std::string, std::vector<std::string>, std::less<>> customValues;

    [[nodiscard]] bool IsInitial() const { return *this == LanguageSettings{}; }
    bool operator==(const LanguageSettings&) const = default;
};

// The settings a file's text gives: "language CODE", "list PATH" and
// "custom CODE V1 V2 ..." lines, UTF-8; lines it does not know, and a code
// that is not a shipped language, are passed over.
[[nodiscard]] LanguageSettings ParseLanguageSettings(std::string_view text);
// The file's text for the settings; values hold no blank or line break.
[[nodiscard]] std::string FormatLanguageSettings(const LanguageSettings& settings);

// Where the file lies: beside the settings file at settingsPath.
[[nodiscard]] std::string LanguageSettingsPath(const std::string& settingsPath);
// Reads the file; a missing or unreadable one gives the initial settings.
[[nodiscard]] LanguageSettings ReadLanguageSettings(const std::string& path);
// Writes the file as durably as the settings file is written.
[[nodiscard]] Expected<Done> WriteLanguageSettings(const std::string& path,
                                                   const LanguageSettings& settings);

} // namespace anagrove
