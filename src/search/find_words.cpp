#include "search/find_words.h"

#include "base/bit_set.h"
#include "base/letters.h"
#include "search/letter_score.h"
#include "search/match_rules.h"
#include "search/word_scan.h"
#include "word_list/letter_profile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace anagrove {

namespace {

// The sum of the values of the letters of a mask, looked up in three parts of
// nine letters, for scoring words from their masks.
class MaskPoints {
  public:
    explicit MaskPoints(const LetterPoints& points) {
        for (std::size_t part = 0; part < 3; ++part) {
            sums_[part][0] = 0;
            for (std::uint32_t m = 1; m < kPartSize; ++m) {
                const auto x = part * kPartBits + static_cast<std::size_t>(std::countr_zero(m));
                sums_[part][m] = sums_[part][m & (m - 1)] + (x < 26 ? points[x] : 0);
            }
        }
    }
    std::int64_t operator()(std::uint32_t mask) const {
        return sums_[0][mask & (kPartSize - 1)] + sums_[1][(mask >> kPartBits) & (kPartSize - 1)] +
               sums_[2][(mask >> (2 * kPartBits)) & (kPartSize - 1)];
    }

  private:
    static constexpr unsigned kPartBits = 9;
    static constexpr std::uint32_t kPartSize = 1u << kPartBits;
    std::array<std::array<std::int64_t, kPartSize>, 3> sums_;
};

// Marks the words of a list that pass one search's tests.
class Matcher {
  public:
    Matcher(std::string_view letters, const SearchLimits& limits, const WordList& list)
        : list_(list), repeats_(list.Repeats().data()), rule_(letters, limits),
          matches_(BitBlocks(static_cast<std::size_t>(list.WordCount()))) {
        // kLongWord stands for every longer length, checked on the word itself.
        for (std::uint32_t length = 0; length <= kLongWord; ++length)
            lengthPasses_[length] = length == kLongWord || rule_.LengthPasses(length);
    }

    // Words of lengths that fail are ruled out 64 at a time, and with few
    // blanks also the words that use more letters that were not typed than
    // there are blanks; the others are tested one by one.
    std::vector<std::uint64_t> Run() {
        const std::int32_t blanks = rule_.Blanks();
        if (blanks == 0)
            MarkByLetters<0>();
        else if (blanks == 1)
            MarkByLetters<1>();
        else if (blanks == 2)
            MarkByLetters<2>();
        else if (blanks == 3)
            MarkByLetters<3>();
        else
            MarkByLength();
        return std::move(matches_);
    }

  private:
    void MarkByLength() {
        const std::vector<std::uint64_t> lengths = LengthsThatPass();
        const std::uint32_t* signatures = list_.Signatures().data();
        for (std::size_t b = 0; b < lengths.size(); ++b) {
            for (std::uint64_t candidates = lengths[b]; candidates != 0;
                 candidates &= candidates - 1) {
                const auto i = static_cast<std::uint32_t>(
                    b * 64 + static_cast<unsigned>(std::countr_zero(candidates)));
                if (rule_.LettersPass(CountBits(signatures[i] & rule_.Untyped()), repeats_[i],
                                      list_, static_cast<std::int32_t>(i)) &&
                    (SignatureLength(signatures[i]) != kLongWord || LongWordPasses(i)))
                    Mark(i);
            }
        }
    }

    template <std::size_t Blanks> void MarkByLetters() {
        const std::size_t blocks = matches_.size();
        // level[k]: the words that use more than k letters that were not typed.
        std::vector<std::uint64_t> levels((Blanks + 1) * blocks);
        std::array<std::uint64_t*, Blanks + 1> level{};
        for (std::size_t k = 0; k <= Blanks; ++k)
            level[k] = levels.data() + k * blocks;
        for (std::uint32_t letters = rule_.Untyped(); letters != 0; letters &= letters - 1) {
            const std::uint64_t* uses =
                list_.WordsWithLetter(static_cast<std::uint32_t>(std::countr_zero(letters)));
            for (std::size_t b = 0; b < blocks; ++b) {
                for (std::size_t k = Blanks; k > 0; --k)
                    level[k][b] |= level[k - 1][b] & uses[b];
                level[0][b] |= uses[b];
            }
        }
        const std::vector<std::uint64_t> lengths = LengthsThatPass();
        const std::uint32_t* signatures = list_.Signatures().data();
        for (std::size_t b = 0; b < blocks; ++b) {
            for (std::uint64_t candidates = lengths[b] & ~level[Blanks][b]; candidates != 0;
                 candidates &= candidates - 1) {
                const auto bit = static_cast<unsigned>(std::countr_zero(candidates));
                const auto i = static_cast<std::uint32_t>(b * 64 + bit);
                if (SignatureLength(signatures[i]) == kLongWord && !LongWordPasses(i))
                    continue;
                std::int32_t missing = 0;
                for (std::size_t k = 0; k < Blanks; ++k)
                    missing += static_cast<std::int32_t>((level[k][b] >> bit) & 1);
                // The words with more missing letters than blanks are out already.
                if (rule_.RepeatsPass(missing, repeats_[i], list_, static_cast<std::int32_t>(i)))
                    Mark(i);
            }
        }
    }

    // The words whose signature length passes the limits, as a bit set.
    std::vector<std::uint64_t> LengthsThatPass() const {
        const std::size_t blocks = matches_.size();
        std::vector<std::uint64_t> words(blocks);
        const auto passing =
            static_cast<std::size_t>(std::count(lengthPasses_.begin(), lengthPasses_.end(), true));
        // Join the passing lengths, or the failing ones when they are fewer.
        const bool joinPassing = passing * 2 <= lengthPasses_.size();
        for (std::uint32_t length = 0; length <= kLongWord; ++length) {
            if (lengthPasses_[length] != joinPassing)
                continue;
            const std::uint64_t* ofLength = list_.WordsOfLength(length);
            for (std::size_t b = 0; b < blocks; ++b)
                words[b] |= ofLength[b];
        }
        if (!joinPassing) {
            for (std::uint64_t& block : words)
                block = ~block;
            if (const auto tail = static_cast<unsigned>(list_.WordCount() % 64); tail != 0)
                words.back() &= (std::uint64_t{1} << tail) - 1;
        }
        return words;
    }

    bool LongWordPasses(std::uint32_t i) const {
        return rule_.LengthPasses(list_[static_cast<std::int32_t>(i)].size());
    }

    void Mark(std::uint32_t i) { BitSet(matches_.data()).Mark(i); }

    const WordList& list_;
    const std::uint64_t* const repeats_;
    const MatchRule rule_;
    std::array<bool, kLongWord + 1> lengthPasses_{};
    std::vector<std::uint64_t> matches_;
};

} // namespace

std::vector<std::uint64_t> MatchingWords(std::string_view letters, const SearchLimits& limits,
                                         const WordList& list) {
    return Matcher(letters, limits, list).Run();
}

namespace {

// Adds the accepted words in list order, each scored from its letter masks, or
// from its text when it uses a letter four times or more. Words beyond the
// table's capacity are counted only.
class RowAdder {
  public:
    RowAdder(FoundWords& found, const WordList& list, const LetterPoints& points,
             std::int64_t matched)
        : found_(found), list_(list), points_(points), maskPoints_(points) {
        found.matched = matched;
        found.rows.reserve(
            static_cast<std::size_t>(std::min<std::int64_t>(matched, kFoundWordsCapacity)));
    }
    // False once the table is full.
    bool Add(std::int32_t i, std::uint32_t signature, std::uint64_t repeat) {
        if (found_.FoundCount() >= kFoundWordsCapacity)
            return false;
        const std::string_view word = list_[i];
        const auto twice = static_cast<std::uint32_t>(repeat);
        const std::int64_t score = (twice & kFourTimes)
                                       ? WordScore(word, points_)
                                       : maskPoints_(signature & kLetterBits) + maskPoints_(twice) +
                                             maskPoints_(static_cast<std::uint32_t>(repeat >> 32));
        found_.rows.push_back(FoundRow{word, i, static_cast<std::int32_t>(word.size()), score});
        return true;
    }

  private:
    FoundWords& found_;
    const WordList& list_;
    const LetterPoints& points_;
    const MaskPoints maskPoints_;
};

} // namespace

FoundWords FindWords(std::string_view letters, const SearchLimits& limits,
                     const std::shared_ptr<const WordList>& list, const LetterPoints& points) {
    if (!list)
        return FoundWords{list, {}, 0};
    // A list's first search reads the words themselves, which costs less
    // than building the index; the index serves every later search.
    if (!list->Indexed() && list->ClaimFirstSearch()) {
        FoundWords found;
        found.source = list;
        const std::vector<ScannedWord> passed = ScanWords(letters, limits, *list);
        RowAdder adder(found, *list, points, static_cast<std::int64_t>(passed.size()));
        for (const ScannedWord& w : passed)
            if (!adder.Add(w.index, w.profile.signature, w.profile.Repeats()))
                break;
        return found;
    }
    return RecordMatches(MatchingWords(letters, limits, *list), list, points);
}

FoundWords RecordMatches(const std::vector<std::uint64_t>& matches,
                         const std::shared_ptr<const WordList>& list, const LetterPoints& points) {
    FoundWords found;
    found.source = list;
    std::int64_t total = 0;
    for (std::uint64_t bits : matches)
        total += std::popcount(bits);
    RowAdder adder(found, *list, points, total);
    const std::uint32_t* signatures = list->Signatures().data();
    const std::uint64_t* repeats = list->Repeats().data();
    for (std::size_t block = 0; block < matches.size(); ++block) {
        for (std::uint64_t bits = matches[block]; bits != 0; bits &= bits - 1) {
            const auto i = static_cast<std::int32_t>(
                block * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            if (!adder.Add(i, signatures[i], repeats[i]))
                return found;
        }
    }
    return found;
}

} // namespace anagrove
