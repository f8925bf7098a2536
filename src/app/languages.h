#pragma once
// The languages the program ships word lists for, and where their files lie.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace anagrove {

// A shipped language: its code, and the source and licence of its word list.
struct ShippedLanguage {
    const char* code;
    const char* source;
    const char* licence;
};
// English first, then the others in the order the lists were added.
[[nodiscard]] std::span<const ShippedLanguage> ShippedLanguages();
// The language of that code, or nullptr.
[[nodiscard]] const ShippedLanguage* FindShippedLanguage(std::string_view code);
inline constexpr std::string_view kEnglishCode = "en";

// The paths of a language's alphabet file and of its word list (not for English,
// whose lists are WordListPath's), found as DataFilePath finds any data file.
[[nodiscard]] std::string AlphabetPath(const std::string& programDirectory, std::string_view code);
[[nodiscard]] std::string LanguageListPath(const std::string& programDirectory,
                                           std::string_view code);
// The list as tiles, made beside its text at build time (word_list/tile_file.h).
[[nodiscard]] std::string LanguageTilesPath(const std::string& programDirectory,
                                            std::string_view code);
[[nodiscard]] std::string LanguageSummaryPath(const std::string& programDirectory,
                                              std::string_view code);

// What a list's summary file says: the words kept, and those left out for any reason.
struct ListSummary {
    std::int64_t words = 0;
    std::int64_t leftOut = 0;
};
// The "words N" and "left out: WHY N" lines of a summary; nothing when it has no words line.
[[nodiscard]] std::optional<ListSummary> ReadListSummary(std::string_view text);

} // namespace anagrove
