#pragma once
// The texts that only the windows show: captions, messages and notes. The
// texts shared with anagrove-find and the web page are in app/texts.h.

#include "word_list/word_list_kind.h"

#include <string_view>
#include <utility>

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
    "to use the standard dictionary.\r\n\r\nTo search another language, or a word list of your "
    "own, right-click either dictionary option (or press the Menu key or Shift+F10 on it) and "
    "choose from its menu.";

// A shipped language's name in English ("Spanish"), for the window's English
// captions; the language menu names each in its own language.
[[nodiscard]] constexpr const char* LanguageInEnglish(std::string_view code) {
    constexpr std::pair<std::string_view, const char*> kNames[] = {
        {"en", "English"}, {"es", "Spanish"},    {"fr", "French"},
        {"de", "German"},  {"pl", "Polish"},     {"ca", "Catalan"},
        {"nl", "Dutch"},   {"pt", "Portuguese"}, {"pt-BR", "Brazilian Portuguese"},
        {"it", "Italian"}};
    for (const auto& [known, name] : kNames)
        if (known == code)
            return name;
    return "";
}

inline constexpr const char* kStandardEnglishCaption = "Standard English";
inline constexpr const char* kExtendedEnglishCaption = "Extended English";
// The dictionary options' captions in another language: %1 its English name.
inline constexpr const char* kStandardLanguageCaption = "Standard %1";
inline constexpr const char* kExtendedLanguageCaption = "Extended %1";
// The first option's caption for a word list of the player's own: %1 its file name.
inline constexpr const char* kOwnListCaption = "Own list: %1";
// The loading window's caption and the status while another language's list
// loads: %1 its English name, or the own list's file name.
inline constexpr const char* kLoadingLanguageCaption = "Loading %1 Dictionary";
inline constexpr const char* kLoadingLanguageStatus = "Loading %1 dictionary... please wait";
// %1 the language's English name or the list's path, %2 why it could not be loaded.
inline constexpr const char* kLanguageNotLoadedText = "The word list of %1 could not be loaded: %2";

// The language menu of the dictionary options.
inline constexpr const char* kOpenWordListItem = "Open Word List\u2026";
inline constexpr const char* kOpenWordListTitle = "Open Word List";
inline constexpr const char* kWordListFilter = "Word lists (*.txt);;All files (*)";
inline constexpr const char* kAboutPointsText =
    "Many word games, such as scrabble, give points in relation to individual letters in your "
    "word.\r\n\r\nWith this option, you can specify the point value of each letter to make "
    "sure you find the highest scoring word possible.";

} // namespace anagrove::ui
