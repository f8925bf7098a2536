#pragma once
// The web page's own refusals, beside those it shares with the window: the
// letters box takes only letters and blanks, and the board letters have boxes
// of their own.

#include <string>

namespace anagrove::web {

inline constexpr const char* kLettersOnlyMessage =
    "Please enter letters a-z, and * for blank tiles, in the box \"Letters\".";
inline constexpr const char* kPatternAloneMessage =
    "Please leave \"Starts with:\", \"Ends with:\" and \"Contains:\" empty with a \"Pattern:\".";

// The captions of the board letters' boxes: starts, ends, contains, pattern.
inline constexpr const char* kBoardBoxes[] = {
    "Starts with:", "Ends with:", "Contains:", "Pattern:"};

// "Please enter letters a-z in the box "Starts with:"."; with dots, for the pattern.
[[nodiscard]] inline std::string BoardLettersMessage(const char* box, bool dots) {
    return std::string("Please enter letters a-z") + (dots ? " and dots" : "") + " in the box \"" +
           box + "\".";
}

// In another language: "Please enter tiles of Español in the box "Starts with:"."; with dots, for
// the pattern.
[[nodiscard]] inline std::string BoardTilesMessage(const char* box, const std::string& language,
                                                   bool dots) {
    return "Please enter tiles of " + language + (dots ? " and dots" : "") + " in the box \"" +
           box + "\".";
}

// Literati and Wordmojo chosen in another language.
[[nodiscard]] inline std::string EnglishSchemeMessage(const std::string& language) {
    return "Literati\u00ae and Wordmojo\u00ae have English values only; " + language +
           " scores its standard tile values.";
}

} // namespace anagrove::web
