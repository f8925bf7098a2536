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

// What a search needs to know of a word at a glance, in one 32-bit value: bits
// 0-25 tell which letters a-z (either case) it uses, bits 26-31 its length,
// kLongWord for 63 characters or more.
using WordSignature = std::uint32_t;
inline constexpr WordSignature kLetterBits = (1u << 26) - 1;
inline constexpr std::uint32_t kLongWord = 63;
[[nodiscard]] WordSignature SignatureOf(std::string_view word);
[[nodiscard]] inline std::uint32_t SignatureLength(WordSignature s) { return s >> 26; }

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

    [[nodiscard]] const std::vector<WordSignature>& Signatures() const { return signatures_; }
    // The place of word i in byte order; equal words may take either place.
    [[nodiscard]] std::uint32_t Rank(std::int32_t i) const {
        return ranks_.empty() ? static_cast<std::uint32_t>(i) : ranks_[static_cast<std::size_t>(i)];
    }

    friend WordList LoadWordList(std::string_view fileText);

  private:
    std::string text_;                // the words, back to back
    std::vector<std::uint32_t> ends_; // end offset of each word in text_
    std::int64_t dropped_ = 0;
    std::vector<WordSignature> signatures_; // one per word
    std::vector<std::uint32_t> ranks_;      // empty when the file is in byte order
};

// Cuts the text of a word-list file into words. A line ends at LF, with or
// without a CR before it; a last line without a line end is a word unless it
// is empty. Empty lines are empty words. At most kWordListCapacity words are
// kept; the number left out is DroppedWords().
[[nodiscard]] WordList LoadWordList(std::string_view fileText);

} // namespace anagrove
