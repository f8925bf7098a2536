#pragma once
// The texts that only the windows show: captions, messages and notes. The
// texts shared with anagrove-find and the web page are in app/texts.h.

#include "word_list/word_list_kind.h"

namespace anagrove::ui {

// %1 the word list's path, %2 the system's reason.
inline constexpr const char* kWordListUnreadableText = "The word list %1 could not be read: %2";
// %1 the chosen file, %2 the system's reason.
inline constexpr const char* kListNotSavedText = "The list could not be saved to %1: %2";
// %1 the settings file's path, %2 the system's reason.
inline constexpr const char* kSettingsNotSavedText = "The settings could not be saved to %1: %2";

// The loading window's caption while a list loads.
[[nodiscard]] constexpr const char* LoadingCaption(WordListKind kind) {
    return kind == WordListKind::standard ? "Loading Standard Dictionary"
                                          : "Loading Extended Dictionary";
}

inline constexpr const char* kAboutWordListsText =
    "If words in the extended dictionary are found to be ineligible in your game, you will have "
    "to use the standard dictionary.";
inline constexpr const char* kAboutPointsText =
    "Many word games, such as scrabble, give points in relation to individual letters in your "
    "word.\r\n\r\nWith this option, you can specify the point value of each letter to make "
    "sure you find the highest scoring word possible.";

} // namespace anagrove::ui
