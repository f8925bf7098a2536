#pragma once
// The state that the windows share, owned by the main window.

#include "app/blank_tiles_text.h"
#include "app/language_files.h"
#include "app/language_settings.h"
#include "app/settings.h"
#include "app/tile_search_request.h"
#include "points/letter_points.h"
#include "results/found_words.h"
#include "word_list/word_list.h"

#include <memory>
#include <optional>
#include <string>

namespace anagrove::ui {

struct ProgramState {
    // The loaded list (its WordCount() is the number of words); empty until the first load.
    std::shared_ptr<const WordList> wordList = std::make_shared<const WordList>();
    bool wordListReady = false; // a list is loaded and no user-started load is running
    bool startupDone = false;   // the start-up load has finished

    Settings settings;           // the choices read at start-up, and the custom values
    FoundWords found;            // the last search's rows
    SearchRack rack;             // the letters and values that found was found with
    LetterPoints letterPoints{}; // the active values, all 0 until a scheme is applied
    bool keepLoaderOnTop = true; // false once the custom point editor has been used

    // Another language, or a list of the player's own: searched in tiles.
    LanguageSettings languages;  // the choices kept in languages.dat
    LanguageFiles languageFiles; // the chosen one's alphabet and list, once loaded
    TileRack tileRack;           // what found was found with, when tileResults
    bool tileResults = false;    // found holds a search in tiles (UTF-8 words)
    // The English-only scheme (Literati, Wordmojo) that another language's
    // standard values stand in for, chosen again back in English.
    std::optional<PointScheme> englishOnlyScheme;

    [[nodiscard]] bool InTiles() const {
        return languages.language != kEnglishCode || languages.listFile.has_value();
    }
};

} // namespace anagrove::ui
