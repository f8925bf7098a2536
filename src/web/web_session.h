#pragma once
// One page's worth of Anagrove: its two word lists, the request being typed,
// and the results of its last search, as the page's module interface drives them.

#include "app/blank_tiles_text.h"
#include "app/search_request.h"
#include "points/letter_points.h"
#include "search/board_letters.h"
#include "search/tile_search.h"
#include "word_list/tile_list.h"
#include "word_list/word_list.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace anagrove::web {

// The request's texts, as typed. Custom values are custom_a + 0 (A) to + 25 (Z)
// in English, and custom_a + tile - 1 for the tiles of another alphabet.
enum class TextField : int {
    letters,
    minimum,
    maximum,
    starts,
    ends,
    contains,
    pattern,
    custom_a,
};
inline constexpr int kTextFieldCount =
    static_cast<int>(TextField::custom_a) + static_cast<int>(kMostLetterTiles);

// The request's choices; each value is a small whole number (see Choose).
// tiles: 1 searches the list of the alphabet loaded last, 0 the English lists.
enum class Choice : int { no_maximum, anagram, use_points, list, scheme, order, tiles };

// The texts the page reads; row is used by the texts of one row.
enum class TextKind : int {
    item,            // the row's item, as the window lists it
    caption,         // " 12 words found"
    status,          // the status bar's text after a search
    message,         // why the last search was refused
    blank_letters,   // the letters the blanks stand for in the row's word
    blank_squares,   // one character a square of the row's word: '*' from a blank, '.' on the board
    blank_note,      // the window's note on the row's blanks and its score with them at zero
    dictionary_link, // the row's lookup addresses
    thesaurus_link,
    listed_items, // every listed item, one a line
    listed_csv,   // the list as CSV, as the window saves it
    ready_status, // the status once a list is loaded
    loading_standard_status,
    loading_extended_status,
    searching_status,
    listed_words,   // every listed word, one a line
    word,           // the row's word alone
    no_list_status, // the status when a list could not be loaded
    tiles,          // the row's tiles apart ("c a ll e")
    spelling,       // the row's spelling as its list gives it ("Häuser"), or nothing
    tile,           // row: a tile's index; its text ("CH")
    language_name,  // the loaded alphabet's language, by its own name ("Español")
};

class Session {
  public:
    Session();

    // A buffer of size bytes for the page to fill before it calls LoadList or SetText.
    char* Input(std::size_t size);
    // Takes the input as the word-list file of a list; gives its word count.
    std::int32_t LoadList(WordListKind kind);
    // Takes the input, UTF-8, as the text of a field.
    void SetText(int field);
    void Choose(Choice choice, int value);

    // Takes the input as an alphabet file; gives its letter tiles, or -1 with
    // Text(TextKind::message) saying why. The list read before is dropped.
    std::int32_t LoadAlphabet();
    // Starts the alphabet's list, about lines and bytes long (0: not known);
    // false without an alphabet.
    bool BeginTileList(std::size_t lines, std::size_t bytes);
    // Takes the input as the next piece of the list; gives the words so far.
    std::int32_t ReadTileList();
    // Takes the last line; gives the list's word count.
    std::int32_t EndTileList();
    // The words of the list read last that were left out: not the alphabet's
    // tiles (why 0), or over the most tiles a word has (why 1).
    [[nodiscard]] std::int64_t LeftOut(int why) const;
    // A tile's value in the alphabet's standard set (0 for none).
    [[nodiscard]] std::int32_t TileValue(std::int32_t tile) const;

    // Runs the request. Gives nothing when it ran, or the field whose text
    // refused it; Text(TextKind::message) then says why.
    std::optional<int> Search();
    // The same, without running it.
    std::optional<int> Check();
    // Puts the shown results in another order, as picking a sort option does.
    void Resort(SortOrder order);

    [[nodiscard]] std::int32_t ListedCount() const { return listing_.rowCount; }
    // UTF-8.
    [[nodiscard]] std::string Text(TextKind kind, std::int32_t row) const;
    // The row's score under a scheme (custom: the values of the last search),
    // and with the blanks' letters at zero under the search's own values.
    [[nodiscard]] double SchemeScore(std::int32_t row, PointScheme scheme) const;
    [[nodiscard]] double BlankZeroScore(std::int32_t row) const;

  private:
    // What a search runs with, once the request has passed its checks.
    struct CheckedRequest {
        SearchRequest request;
        SearchLimits limits;
        LetterPoints points{};
        std::optional<LetterPoints> custom;
        BoardLetters board;
    };
    // The same in the tiles of the loaded alphabet.
    struct CheckedTiles {
        SearchRequest request;
        SearchLimits limits;
        Tiles rack;
        TileValues values{};
        TileBoard board;
    };
    [[nodiscard]] Expected<CheckedRequest, int> Checked();
    [[nodiscard]] Expected<CheckedTiles, int> CheckedInTiles();
    [[nodiscard]] std::optional<int> SearchInTiles();
    [[nodiscard]] std::string TileRowText(TextKind kind, std::int32_t row) const;
    [[nodiscard]] const FoundRow& Row(std::int32_t row) const;
    [[nodiscard]] std::string_view Field(TextField field, int offset = 0) const;
    Failure<int> Refuse(TextField field, std::string message, int offset = 0);
    // The limit box that a refusal of the length limits points at.
    [[nodiscard]] static TextField LimitsFaultField(const SearchRequest& request);

    std::string input_;
    std::array<std::shared_ptr<const WordList>, 2> lists_;
    std::array<std::string, kTextFieldCount> texts_; // Latin-1, for English
    std::array<std::string, kTextFieldCount> typed_; // UTF-8 as typed, for tiles
    SearchRequest request_;
    WordListKind list_ = InitialChoice<WordListKind>(SettingKey::word_list);
    PointScheme scheme_ = InitialChoice<PointScheme>(SettingKey::scheme);
    std::string message_;

    // Another language: its alphabet, its list as it is read, then read.
    bool inTiles_ = false;
    std::shared_ptr<const Alphabet> alphabet_;
    std::optional<TileListReader> reader_;
    std::shared_ptr<const TileWordList> tileList_;

    // The last search; in tiles, its rack, board, values and words' places.
    bool searchedTiles_ = false;
    CheckedTiles tileSearch_;
    std::vector<std::int32_t> listIndex_;
    SearchRack rack_;
    std::optional<LetterPoints> custom_;
    SearchOutcome outcome_;
    ResultListing listing_;
};

} // namespace anagrove::web
