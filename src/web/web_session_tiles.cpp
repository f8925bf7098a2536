// The session in the tiles of another alphabet than English: its alphabet and
// list as the page hands them over, the request read into tiles, and the
// texts of the found rows, all in UTF-8.

#include "web/web_session.h"

#include "alphabet/alphabet_file.h"
#include "alphabet/rack.h"
#include "app/blank_tiles_text.h"
#include "app/listed_words.h"
#include "app/texts.h"
#include "app/tile_search_request.h"
#include "base/number_text.h"
#include "lookup/lookup_address.h"
#include "results/result_text.h"
#include "search/tile_board.h"
#include "web/texts.h"

#include <algorithm>

namespace anagrove::web {

namespace {

constexpr std::string_view kMiddleDot = "\u00b7";

} // namespace

std::string_view Session::Field(TextField field, int offset) const {
    return typed_[static_cast<std::size_t>(static_cast<int>(field) + offset)];
}

Failure<int> Session::Refuse(TextField field, std::string message, int offset) {
    message_ = std::move(message);
    return Failure{static_cast<int>(field) + offset};
}

TextField Session::LimitsFaultField(const SearchRequest& request) {
    // The maximum is at fault once the minimum reads, or when the anagram rule ignores it.
    return request.anagram || ParseDecimal(request.minimumText) ? TextField::maximum
                                                                : TextField::minimum;
}

std::int32_t Session::LoadAlphabet() {
    reader_.reset();
    tileList_.reset();
    auto alphabet = ReadAlphabet(input_);
    input_.clear();
    if (!alphabet) {
        alphabet_.reset();
        message_ = alphabet.error();
        return -1;
    }
    alphabet_ = std::make_shared<const Alphabet>(std::move(*alphabet));
    return static_cast<std::int32_t>(alphabet_->tiles.size()) - 1;
}

bool Session::BeginTileList(std::size_t lines, std::size_t bytes) {
    tileList_.reset();
    if (!alphabet_)
        return false;
    reader_.emplace(alphabet_, lines, bytes);
    return true;
}

std::int32_t Session::ReadTileList() {
    if (!reader_)
        return 0;
    reader_->Read(input_);
    input_.clear();
    return reader_->WordCount();
}

std::int32_t Session::EndTileList() {
    if (!reader_)
        return tileList_ ? tileList_->WordCount() : 0;
    tileList_ = std::make_shared<const TileWordList>(reader_->Finish());
    reader_.reset();
    return tileList_->WordCount();
}

std::int64_t Session::LeftOut(int why) const {
    if (!tileList_)
        return 0;
    return why == 0 ? tileList_->LeftOut().notTiles : tileList_->LeftOut().tooLong;
}

std::int32_t Session::TileValue(std::int32_t tile) const {
    if (!alphabet_ || tile < 1 || static_cast<std::size_t>(tile) >= alphabet_->tiles.size())
        return 0;
    return alphabet_->tiles[static_cast<std::size_t>(tile)].value;
}

Expected<Session::CheckedTiles, int> Session::CheckedInTiles() {
    CheckedTiles c;
    c.request = request_;
    c.request.letters = Field(TextField::letters);
    c.request.minimumText = Field(TextField::minimum);
    c.request.maximumText = Field(TextField::maximum);
    if (!alphabet_)
        return Refuse(TextField::letters, kNoWordListStatusText);
    const Alphabet& alphabet = *alphabet_;
    if (c.request.letters.empty())
        return Refuse(TextField::letters, kNoLettersMessage);
    auto rack = ReadRack(alphabet, c.request.letters);
    if (!rack)
        return Refuse(TextField::letters, TextFaultText(rack.error(), alphabet.name));
    c.rack = std::move(*rack);
    const auto limits = ReadSearchLimits(c.request);
    if (!limits)
        return Refuse(LimitsFaultField(c.request), limits.error());
    c.limits = *limits;
    if (scheme_ == PointScheme::literati || scheme_ == PointScheme::wordmojo)
        return Refuse(TextField::letters, EnglishSchemeMessage(alphabet.name));
    c.values = StandardTileValues(alphabet);
    if (scheme_ == PointScheme::custom) {
        std::vector<std::string> texts(alphabet.tiles.size());
        for (std::size_t t = 1; t < texts.size(); ++t)
            texts[t] = Field(TextField::custom_a, static_cast<int>(t) - 1);
        auto values = ReadTileValueTexts(alphabet, texts);
        if (!values)
            return Refuse(TextField::custom_a, values.error().message,
                          static_cast<int>(values.error().tile) - 1);
        c.values = *values;
    }
    const struct {
        TextField field;
        Tiles& tiles;
    } boxes[] = {{TextField::starts, c.board.starts},
                 {TextField::ends, c.board.ends},
                 {TextField::contains, c.board.contains},
                 {TextField::pattern, c.board.pattern}};
    for (const auto& [field, tiles] : boxes) {
        const bool pattern = field == TextField::pattern;
        auto read = ReadBoardTiles(alphabet, Field(field), pattern);
        const auto box =
            static_cast<std::size_t>(field) - static_cast<std::size_t>(TextField::starts);
        if (!read)
            return Refuse(field, BoardTilesMessage(kBoardBoxes[box], alphabet.name, pattern));
        tiles = std::move(*read);
    }
    if (!c.board.pattern.empty() &&
        (!c.board.starts.empty() || !c.board.ends.empty() || !c.board.contains.empty()))
        return Refuse(TextField::pattern, kPatternAloneMessage);
    message_.clear();
    return c;
}

std::optional<int> Session::SearchInTiles() {
    auto checked = CheckedInTiles();
    if (!checked)
        return checked.error();
    if (!tileList_)
        return Refuse(TextField::letters, kNoWordListStatusText).reason;
    tileSearch_ = std::move(*checked);
    const CheckedTiles& c = tileSearch_;
    TileMatches matches = FindTileWords(c.rack, c.limits, *tileList_, c.values, c.board);
    listIndex_ = std::move(matches.listIndex);
    outcome_ = ListFound(c.request, std::move(matches.found));
    outcome_.status = FoundStatusText(outcome_.found, tileList_->WordCount());
    listing_ = outcome_.listing;
    custom_.reset();
    searchedTiles_ = true;
    return std::nullopt;
}

std::string Session::TileRowText(TextKind kind, std::int32_t row) const {
    const FoundRow& found = Row(row);
    const Alphabet& alphabet = tileList_->Letters();
    const bool listed = row >= 0 && row < listing_.rowCount;
    const std::int32_t index = listed ? listIndex_[static_cast<std::size_t>(found.index)] : -1;
    const auto tiles = listed ? tileList_->WordTiles(index) : std::span<const TileIndex>();
    const CheckedTiles& c = tileSearch_;
    const auto blankTiles = [&](std::span<const TileIndex> word) {
        return BlankTilesOf(RackPartTiles(word, c.board), c.rack);
    };
    switch (kind) {
    case TextKind::tiles:
        return TileTextsApart(alphabet, tiles);
    case TextKind::spelling:
        return listed ? std::string(tileList_->Spelling(index)) : std::string();
    case TextKind::blank_letters:
        return TileTextsApart(alphabet, blankTiles(tiles));
    case TextKind::blank_squares: {
        // One character a tile: '.' on the board, '*' laid by a blank (the
        // tiles the rack runs out of, in order), ' ' from the rack.
        const auto squares = TileRackSquares(tiles, c.board);
        std::array<int, kMostLetterTiles + 1> left{};
        for (const TileIndex t : c.rack)
            ++left[t];
        std::string text;
        for (std::size_t k = 0; k < tiles.size(); ++k)
            text += squares && !(*squares)[k] ? '.' : left[tiles[k]]-- > 0 ? ' ' : '*';
        return text;
    }
    case TextKind::blank_note: {
        BlanksUsed used;
        used.rackHasBlanks = std::ranges::count(c.rack, kBlankTile) > 0;
        const Tiles blanks = used.rackHasBlanks ? blankTiles(tiles) : Tiles{};
        for (const TileIndex t : blanks)
            used.list.append(used.list.empty() ? "" : ", ").append(alphabet.tiles[t].lower);
        used.count = blanks.size();
        if (c.request.usePoints) // blanks score nothing in tiles
            used.scoreBlanksZero = found.score;
        return BlanksSentence(used, kMiddleDot);
    }
    case TextKind::dictionary_link: {
        const std::string_view spelling = listed ? tileList_->Spelling(index) : "";
        const std::string_view word =
            spelling.empty() ? found.word : spelling.substr(0, spelling.find('\t'));
        return listed ? WordAddress(alphabet.lookup, word) : "";
    }
    case TextKind::thesaurus_link:
        return "";
    case TextKind::listed_csv:
        return ListedCsvText(outcome_.found, listing_, [&](const FoundRow& r) {
            const auto word = tileList_->WordTiles(listIndex_[static_cast<std::size_t>(r.index)]);
            return BlankUse{TileTextsApart(alphabet, blankTiles(word)), r.score};
        });
    default:
        return "";
    }
}

} // namespace anagrove::web
