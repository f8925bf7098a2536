#pragma once
// The command line of anagrove-find.

#include "base/expected.h"
#include "cli/output_format.h"
#include "points/letter_points.h"
#include "results/sort_order.h"
#include "search/board_letters.h"
#include "word_list/word_list.h"

#include "app/setting_fields.h"

#include <optional>
#include <string>
#include <vector>

namespace anagrove::cli {

struct FindOptions {
    std::string letters; // as typed into the letters box (Latin-1)
    WordListKind wordList = InitialChoice<WordListKind>(SettingKey::word_list);
    std::optional<std::string> wordListFile;
    std::string minimumText = InitialWord(SettingKey::minimum);
    std::string maximumText = InitialWord(SettingKey::maximum);
    bool noMaximum = InitiallyOn(SettingKey::no_maximum);
    bool anagram = InitiallyOn(SettingKey::anagram);
    SortOrder order = InitialChoice<SortOrder>(SettingKey::order);
    PointScheme scheme = InitialChoice<PointScheme>(SettingKey::scheme);
    std::optional<std::vector<std::string>> customEntries; // 26 entries A to Z
    std::optional<std::string> customTiles; // TILE=VALUE,... as typed, for another alphabet
    bool usePoints = InitiallyOn(SettingKey::use_points);
    std::vector<SortOrder> thenOrders;
    BoardLetters board;      // as the English search reads them
    BoardLetters typedBoard; // as typed (UTF-8), to be read through another alphabet
    // A refusal of an English board text or custom values that waits until the
    // word list shows whether it is English.
    std::optional<std::string> englishRefusal;
    bool dictionaryGiven = false; // --dictionary was given
    OutputFormat format = OutputFormat::text;
    bool allSchemes = false;
    bool check = false;                       // check words instead of searching
    std::vector<std::string> checkWords;      // Latin-1
    std::optional<std::string> language;      // --language: a shipped language's code
    std::string rack;                         // LETTERS as typed (UTF-8)
    std::vector<std::string> typedCheckWords; // the words to check as typed (UTF-8)
};

// The word-list file name that stands for standard input.
inline constexpr const char* kStandardInputName = "-";

struct ParsedCommandLine {
    // What the command does: search, or show its usage or its version instead.
    enum class Action { search, help, version, listLanguages } action = Action::search;
    FindOptions options;
};

// Reads the arguments after the program name; a refusal is one line. Never throws.
[[nodiscard]] Expected<ParsedCommandLine> ParseFindArguments(const std::vector<std::string>& args);

} // namespace anagrove::cli
