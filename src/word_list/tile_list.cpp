#include "word_list/tile_list.h"

#include "alphabet/tile_split.h"
#include "alphabet/utf8.h"

#include <algorithm>
#include <array>
#include <utility>

namespace anagrove {

namespace {

constexpr std::string_view kAlphabetLine = "#alphabet ";

std::string_view FirstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

} // namespace

// The alphabet's forms as UTF-8 bytes, by their first byte, longest first: a
// word already in lower case and composed splits on its bytes alone, as
// SplitWord would split it.
class ByteForms {
  public:
    explicit ByteForms(const Alphabet& alphabet) {
        for (const TypedForm& form : alphabet.forms) {
            const std::string bytes = EncodeUtf8(form.text);
            if (bytes.empty())
                continue;
            auto& forms = byFirst_[static_cast<unsigned char>(bytes[0])];
            forms.push_back({bytes, &form.tiles});
            std::ranges::stable_sort(forms, std::greater<>(),
                                     [](const Form& f) { return f.bytes.size(); });
        }
        // A first byte with one one-byte form and no other is one tile at once.
        for (std::size_t b = 0; b < byFirst_.size(); ++b) {
            const auto& forms = byFirst_[b];
            if (forms.size() == 1 && forms[0].bytes.size() == 1 && forms[0].tiles->size() == 1)
                single_[b] = forms[0].tiles->front();
        }
    }
    // Appends the word's tiles; false when a place matches no form.
    bool Split(std::string_view word, Tiles& tiles) const {
        std::size_t at = 0;
        while (at < word.size()) {
            const auto first = static_cast<unsigned char>(word[at]);
            if (single_[first] != kBlankTile) {
                tiles.push_back(single_[first]);
                ++at;
                continue;
            }
            const Form* found = nullptr;
            for (const Form& form : byFirst_[first])
                if (Matches(word, at, form.bytes)) {
                    found = &form;
                    break;
                }
            if (!found)
                return false;
            tiles.insert(tiles.end(), found->tiles->begin(), found->tiles->end());
            at += found->bytes.size();
        }
        return true;
    }

  private:
    struct Form {
        std::string bytes;
        const Tiles* tiles;
    };
    static bool Matches(std::string_view word, std::size_t at, const std::string& bytes) {
        if (word.size() - at < bytes.size())
            return false;
        for (std::size_t k = 1; k < bytes.size(); ++k)
            if (word[at + k] != bytes[k])
                return false;
        return true;
    }
    std::array<std::vector<Form>, 256> byFirst_;
    std::array<TileIndex, 256> single_{}; // kBlankTile: look through byFirst_
};

std::string TileWordList::PlayingForm(std::int32_t i) const {
    std::string text;
    for (const TileIndex t : WordTiles(i))
        text += alphabet_->tiles[t].lower;
    return text;
}

std::string_view TileWordList::Spelling(std::int32_t i) const {
    const auto at = std::ranges::lower_bound(spelled_, i);
    if (at == spelled_.end() || *at != i)
        return {};
    const auto k = static_cast<std::size_t>(at - spelled_.begin());
    return std::string_view(spellingText_)
        .substr(spellingStarts_[k], spellingStarts_[k + 1] - spellingStarts_[k]);
}

void TileWordList::AddSpelling(std::string_view spelling) {
    spelled_.push_back(WordCount());
    spellingText_ += spelling;
    spellingStarts_.push_back(static_cast<std::uint32_t>(spellingText_.size()));
}

std::optional<std::string> NamedAlphabet(std::string_view fileText) {
    const std::string_view line = FirstLine(fileText);
    if (!line.starts_with(kAlphabetLine))
        return std::nullopt;
    return std::string(line.substr(kAlphabetLine.size()));
}

TileListReader::TileListReader(std::shared_ptr<const Alphabet> alphabet, std::size_t expectedLines,
                               std::size_t expectedBytes)
    : forms_(std::make_unique<const ByteForms>(*alphabet)) {
    list_.alphabet_ = std::move(alphabet);
    list_.masks_.reserve(expectedLines);
    list_.starts_.reserve(expectedLines + 1);
    list_.tiles_.reserve(expectedBytes - std::min(expectedBytes, expectedLines));
}

TileListReader::TileListReader(TileListReader&&) noexcept = default;
TileListReader& TileListReader::operator=(TileListReader&&) noexcept = default;
TileListReader::~TileListReader() = default;

void TileListReader::Read(std::string_view piece) {
    if (!unfinished_.empty()) {
        const std::size_t end = piece.find('\n');
        unfinished_.append(piece.substr(0, end));
        if (end == std::string_view::npos)
            return;
        ReadLine(unfinished_);
        unfinished_.clear();
        piece.remove_prefix(end + 1);
    }
    for (std::size_t end = piece.find('\n'); end != std::string_view::npos;
         end = piece.find('\n')) {
        ReadLine(piece.substr(0, end));
        piece.remove_prefix(end + 1);
    }
    unfinished_.assign(piece);
}

TileWordList TileListReader::Finish() {
    if (!unfinished_.empty())
        ReadLine(unfinished_);
    unfinished_.clear();
    return std::move(list_);
}

void TileListReader::ReadLine(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    if (std::exchange(firstLine_, false) && line.starts_with(kAlphabetLine))
        return;
    TileWordList& list = list_;
    const std::size_t tab = line.find('\t');
    const std::string_view playing = line.substr(0, tab);
    if (playing.empty()) {
        ++list.leftOut_.empty;
        return;
    }
    Tiles& tiles = tiles_;
    tiles.clear();
    if (!forms_->Split(playing, tiles)) {
        auto split = SplitWord(*list.alphabet_, playing);
        tiles = split ? std::move(*split) : Tiles{};
    }
    if (tiles.empty() || std::ranges::count(tiles, kBlankTile) > 0) {
        ++list.leftOut_.notTiles;
        return;
    }
    if (tiles.size() > kMostWordTiles) {
        ++list.leftOut_.tooLong;
        return;
    }
    std::uint64_t mask = 0;
    for (const TileIndex t : tiles)
        mask |= std::uint64_t{1} << t;
    if (tab != std::string_view::npos)
        list.AddSpelling(line.substr(tab + 1));
    list.tiles_.insert(list.tiles_.end(), tiles.begin(), tiles.end());
    list.starts_.push_back(static_cast<std::uint32_t>(list.tiles_.size()));
    list.masks_.push_back(mask);
}

TileWordList ReadTileWordList(std::string_view fileText, std::shared_ptr<const Alphabet> alphabet) {
    const auto lines = static_cast<std::size_t>(std::ranges::count(fileText, '\n')) + 1;
    TileListReader reader(std::move(alphabet), lines, fileText.size());
    reader.Read(fileText);
    return reader.Finish();
}

} // namespace anagrove
