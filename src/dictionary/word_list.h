#pragma once
// The loaded word list: every word of one word-list file, in file order.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// The most words a list holds; the rest of a longer file is left out.
inline constexpr std::int32_t kWordListCapacity = 265062;

enum class DictionaryKind { standard, extended };

// "standard.txt" or "extended.txt".
[[nodiscard]] const char* WordListFileName(DictionaryKind kind);
// The status text shown while a list loads.
[[nodiscard]] const char* LoadingStatusText(DictionaryKind kind);
inline constexpr const char* kReadyStatusText = "Please enter letters to begin search";

// The words live in one buffer; each word is a slice of it, exactly as it stood
// in the file (no trimming, no change of case).
class WordList {
  public:
    WordList() = default;

    [[nodiscard]] std::int32_t WordCount() const { return static_cast<std::int32_t>(ends_.size()); }
    [[nodiscard]] std::string_view operator[](std::int32_t i) const {
        std::uint32_t begin = i == 0 ? 0 : ends_[static_cast<std::size_t>(i) - 1];
        return std::string_view(text_).substr(begin, ends_[static_cast<std::size_t>(i)] - begin);
    }
    // Words of the file beyond the capacity that were left out.
    [[nodiscard]] std::int64_t DroppedWords() const { return dropped_; }

    friend WordList LoadWordList(std::string_view fileText);

  private:
    std::string text_;                // the words, back to back
    std::vector<std::uint32_t> ends_; // end offset of each word in text_
    std::int64_t dropped_ = 0;
};

// Cuts the text of a word-list file into words. A line ends at LF, with or
// without a CR before it; a last line without a line end is a word unless it
// is empty. Empty lines are empty words. At most kWordListCapacity words are
// kept; the number left out is DroppedWords().
[[nodiscard]] WordList LoadWordList(std::string_view fileText);

} // namespace anagrove
