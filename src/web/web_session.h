#pragma once
// One page's worth of Anagrove: its two word lists, the request being typed,
// and the results of its last search, as the page's module interface drives them.

#include "app/blank_tiles_text.h"
#include "app/search_request.h"
#include "points/letter_points.h"
#include "search/board_letters.h"
#include "word_list/word_list.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace anagrove::web {

// The request's texts, as typed. Custom values are kCustomA + 0 (A) to + 25 (Z).
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
inline constexpr int kTextFieldCount = static_cast<int>(TextField::custom_a) + 26;

// The request's choices; each value is a small whole number (see Choose).
enum class Choice : int { no_maximum, anagram, use_points, list, scheme, order };

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
    [[nodiscard]] Expected<CheckedRequest, int> Checked();
    [[nodiscard]] const FoundRow& Row(std::int32_t row) const;

    std::string input_;
    std::array<std::shared_ptr<const WordList>, 2> lists_;
    std::array<std::string, kTextFieldCount> texts_;
    SearchRequest request_;
    WordListKind list_ = InitialChoice<WordListKind>(SettingKey::word_list);
    PointScheme scheme_ = InitialChoice<PointScheme>(SettingKey::scheme);
    std::string message_;

    // The last search.
    SearchRack rack_;
    std::optional<LetterPoints> custom_;
    SearchOutcome outcome_;
    ResultListing listing_;
};

} // namespace anagrove::web
