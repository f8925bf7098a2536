#pragma once
// The loaded word list: every word of one word-list file, in file order.

#include "base/bit_set.h"
#include "word_list/build_lock.h"
#include "word_list/line_cutter.h"
#include "word_list/word_index.h"
#include "word_list/word_list_kind.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// The most words a list holds; the rest of a longer file is left out. The
// word arrays have always held this many, and the shipped lists fit.
inline constexpr std::int32_t kWordListCapacity = 265062;

// The words are slices of the file's text, exactly as they stood in the file
// (no trimming, no change of case); line ends are not part of them. Loading
// only cuts the text into lines: the index that searches use and the byte
// order of the words are worked out the first time they are asked for, once,
// also when several threads ask at the same time.
class WordList {
  public:
    WordList() = default;

    [[nodiscard]] std::int32_t WordCount() const {
        return static_cast<std::int32_t>(lineEnds_.size());
    }
    [[nodiscard]] std::string_view operator[](std::int32_t i) const {
        const auto k = static_cast<std::size_t>(i);
        const std::uint32_t begin = k == 0 ? 0 : NextLine(lineEnds_[k - 1]);
        return std::string_view(text_).substr(begin, WordEnd(lineEnds_[k]) - begin);
    }
    // Words of the file beyond the capacity that were left out.
    [[nodiscard]] std::int64_t DroppedWords() const { return dropped_; }

    // The letter profiles and word sets of the list, built on first use.
    [[nodiscard]] const WordIndex& Index() const {
        if (!lazy_->indexed.load(std::memory_order_acquire))
            BuildIndex();
        return lazy_->index;
    }
    // Whether Index() has been built.
    [[nodiscard]] bool Indexed() const { return lazy_->indexed.load(std::memory_order_acquire); }
    // True for the first call only: whoever gets true runs the list's first search.
    [[nodiscard]] bool ClaimFirstSearch() const {
        return !lazy_->searched.exchange(true, std::memory_order_relaxed);
    }

    // One signature per word, and its repeat masks (LetterProfile::Repeats).
    [[nodiscard]] const std::vector<std::uint32_t>& Signatures() const {
        return Index().signatures;
    }
    [[nodiscard]] const std::vector<std::uint64_t>& Repeats() const { return Index().repeats; }
    // Sets of words as bit sets: word i is bit i % 64 of block i / 64.
    [[nodiscard]] std::size_t Blocks() const { return BitBlocks(lineEnds_.size()); }
    // The words that use letter x (0 = a); Blocks() blocks.
    [[nodiscard]] const std::uint64_t* WordsWithLetter(std::uint32_t x) const {
        return Index().letterWords.data() + x * Blocks();
    }
    // The words of a signature length (0 to kLongWord); Blocks() blocks.
    [[nodiscard]] const std::uint64_t* WordsOfLength(std::uint32_t length) const {
        return Index().lengthWords.data() + length * Blocks();
    }
    // Whether Ranks() has been worked out.
    [[nodiscard]] bool Ranked() const { return lazy_->ranked.load(std::memory_order_acquire); }
    // The place of each word in byte order (equal words may take either
    // place); empty when the list is in byte order already. Worked out on
    // first use.
    [[nodiscard]] const std::vector<std::uint32_t>& Ranks() const {
        if (!lazy_->ranked.load(std::memory_order_acquire))
            RankWords();
        return lazy_->ranks;
    }

    friend WordList TakeWordList(std::string&& fileText);

  private:
    void BuildIndex() const;
    void RankWords() const;

    // The parts worked out on first use, each under the lock and then
    // published through its flag.
    struct Lazy {
        BuildLock building;
        std::atomic<bool> indexed{false};
        WordIndex index;
        std::atomic<bool> ranked{false};
        std::atomic<bool> searched{false};
        std::vector<std::uint32_t> ranks; // empty when the file is in byte order
    };

    std::string text_;                    // the file's text
    std::vector<std::uint32_t> lineEnds_; // one per word (see CutIntoLines)
    std::int64_t dropped_ = 0;
    std::unique_ptr<Lazy> lazy_ = std::make_unique<Lazy>();
};

// Cuts the text of a word-list file into words. A line ends at LF, with or
// without a CR before it; a last line without a line end is a word unless it
// is empty. Empty lines are empty words. At most kWordListCapacity words are
// kept; the number left out is DroppedWords(). TakeWordList keeps the text it
// is given instead of copying it.
[[nodiscard]] WordList TakeWordList(std::string&& fileText);

} // namespace anagrove
