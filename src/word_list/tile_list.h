#pragma once
// A word list of any alphabet, each word held as its tiles.

#include "alphabet/alphabet.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// The most tiles a word of a tile list has; longer words are left out.
inline constexpr std::size_t kMostWordTiles = 63;

// Why words of a list file were left out.
struct LeftOutWords {
    std::int64_t notTiles = 0; // a character no form of the alphabet begins with, or not UTF-8
    std::int64_t tooLong = 0;  // more than kMostWordTiles tiles
    std::int64_t empty = 0;    // an empty line
    [[nodiscard]] std::int64_t Total() const { return notTiles + tooLong + empty; }
};

// The words of a list file split into tiles once, at load. A word is kept as
// its tiles (one byte each) and its letter mask: bit t for each tile t it
// holds; its playing form is the tiles' lower-case texts. No cap on the words.
class TileWordList {
  public:
    [[nodiscard]] std::int32_t WordCount() const {
        return static_cast<std::int32_t>(masks_.size());
    }
    [[nodiscard]] std::span<const TileIndex> WordTiles(std::int32_t i) const {
        const auto k = static_cast<std::size_t>(i);
        return std::span(tiles_).subspan(starts_[k], starts_[k + 1] - starts_[k]);
    }
    [[nodiscard]] std::uint64_t Mask(std::int32_t i) const {
        return masks_[static_cast<std::size_t>(i)];
    }
    // The word in lower case as its tiles spell it ("calle").
    [[nodiscard]] std::string PlayingForm(std::int32_t i) const;
    // The spellings the file gave after the playing form ("Häuser"), tab-separated;
    // empty when it gave none.
    [[nodiscard]] std::string_view Spelling(std::int32_t i) const;
    [[nodiscard]] const Alphabet& Letters() const { return *alphabet_; }
    [[nodiscard]] const LeftOutWords& LeftOut() const { return leftOut_; }

    friend class TileListReader;
    friend class TileFile;

  private:
    void AddSpelling(std::string_view spelling);

    std::shared_ptr<const Alphabet> alphabet_;
    std::vector<TileIndex> tiles_;
    std::vector<std::uint32_t> starts_{0}; // word i is tiles_[starts_[i], starts_[i + 1])
    std::vector<std::uint64_t> masks_;
    // The words that have spellings, ascending; the k-th one's spelling is
    // spellingText_[spellingStarts_[k], spellingStarts_[k + 1]).
    std::vector<std::int32_t> spelled_;
    std::vector<std::uint32_t> spellingStarts_{0};
    std::string spellingText_;
    LeftOutWords leftOut_;
};

// The alphabet code that a list file names on its first line ("#alphabet es"),
// if it names one.
[[nodiscard]] std::optional<std::string> NamedAlphabet(std::string_view fileText);

class ByteForms;

// Reads a list file piece by piece as it arrives, cut anywhere: the same words
// as ReadTileWordList of the whole text. The expected lines and bytes, when
// known, size the list once.
class TileListReader {
  public:
    explicit TileListReader(std::shared_ptr<const Alphabet> alphabet, std::size_t expectedLines = 0,
                            std::size_t expectedBytes = 0);
    TileListReader(TileListReader&&) noexcept;
    TileListReader& operator=(TileListReader&&) noexcept;
    ~TileListReader();

    void Read(std::string_view piece);
    // The words read so far, the unfinished last line aside.
    [[nodiscard]] std::int32_t WordCount() const { return list_.WordCount(); }
    // The list, with the last line read whether or not a line end closed it.
    [[nodiscard]] TileWordList Finish();

  private:
    void ReadLine(std::string_view line);

    TileWordList list_;
    std::unique_ptr<const ByteForms> forms_;
    std::string unfinished_; // the start of a line that the next piece ends
    bool firstLine_ = true;
    Tiles tiles_;
};

// Reads a list file: an optional "#alphabet CODE" first line, then a word a
// line (LF or CR LF), its playing form and after a tab its spellings. Words
// that do not split into the alphabet's tiles are counted in LeftOut(), never
// guessed.
[[nodiscard]] TileWordList ReadTileWordList(std::string_view fileText,
                                            std::shared_ptr<const Alphabet> alphabet);

} // namespace anagrove
