#include "web/web_session.h"

#include "app/listed_words.h"
#include "app/texts.h"
#include "base/latin1.h"
#include "base/letters.h"
#include "base/number_text.h"
#include "lookup/lookup_address.h"
#include "points/custom_points.h"
#include "search/letter_score.h"
#include "web/texts.h"
#include "word_list/texts.h"

#include <algorithm>

namespace anagrove::web {

namespace {

int FieldNumber(TextField field) {
    return static_cast<int>(field);
}

} // namespace

Session::Session() {
    texts_[FieldNumber(TextField::minimum)] = request_.minimumText;
    texts_[FieldNumber(TextField::maximum)] = request_.maximumText;
    typed_ = texts_;
    outcome_.found.source = lists_[0] = std::make_shared<const WordList>();
    lists_[1] = lists_[0];
}

char* Session::Input(std::size_t size) {
    input_.assign(size, '\0');
    return input_.data();
}

std::int32_t Session::LoadList(WordListKind kind) {
    auto& list = lists_[kind == WordListKind::standard ? 0 : 1];
    list = std::make_shared<const WordList>(TakeWordList(std::move(input_)));
    input_.clear();
    return list->WordCount();
}

void Session::SetText(int field) {
    if (field >= 0 && field < kTextFieldCount) {
        texts_[static_cast<std::size_t>(field)] = Latin1FromUtf8(input_);
        typed_[static_cast<std::size_t>(field)] = input_;
    }
}

void Session::Choose(Choice choice, int value) {
    switch (choice) {
    case Choice::no_maximum:
        request_.noMaximum = value != 0;
        break;
    case Choice::anagram:
        request_.anagram = value != 0;
        break;
    case Choice::use_points:
        request_.usePoints = value != 0;
        break;
    case Choice::list:
        list_ = value == 1 ? WordListKind::extended : WordListKind::standard;
        break;
    case Choice::scheme:
        scheme_ =
            value >= 0 && value <= 3 ? static_cast<PointScheme>(value) : PointScheme::scrabble;
        break;
    case Choice::tiles:
        inTiles_ = value != 0;
        break;
    case Choice::order:
        request_.order = value == 2   ? SortOrder::score
                         : value == 3 ? SortOrder::length
                                      : SortOrder::alpha;
        break;
    }
}

Expected<Session::CheckedRequest, int> Session::Checked() {
    CheckedRequest c;
    c.request = request_;
    c.request.letters = texts_[FieldNumber(TextField::letters)];
    c.request.minimumText = texts_[FieldNumber(TextField::minimum)];
    c.request.maximumText = texts_[FieldNumber(TextField::maximum)];

    const std::string& letters = c.request.letters;
    if (letters.empty())
        return Refuse(TextField::letters, kNoLettersMessage);
    if (!std::ranges::all_of(letters, [](char x) { return IsLetter(x) || x == '*'; }))
        return Refuse(TextField::letters, kLettersOnlyMessage);
    const auto limits = ReadSearchLimits(c.request);
    if (!limits)
        return Refuse(LimitsFaultField(c.request), limits.error());
    c.limits = *limits;
    c.points = PresetTable(scheme_);
    if (scheme_ == PointScheme::custom) {
        std::array<std::string, 26> entries;
        std::copy_n(texts_.begin() + FieldNumber(TextField::custom_a), 26, entries.begin());
        const auto active = ActiveCustomValues(entries);
        if (!active)
            return Refuse(
                static_cast<TextField>(FieldNumber(TextField::custom_a) + active.error().letter),
                active.error().message);
        c.custom = c.points = *active;
    }
    const auto text = [this](TextField field) -> std::string_view {
        return texts_[static_cast<std::size_t>(FieldNumber(field))];
    };
    auto board = ReadBoardLetters({text(TextField::starts), text(TextField::ends),
                                   text(TextField::contains), text(TextField::pattern)});
    if (!board) {
        const BoardFault fault = board.error();
        const auto box = static_cast<std::size_t>(fault.box);
        if (fault.kind == BoardFault::Kind::pattern_with_others)
            return Refuse(TextField::pattern, kPatternAloneMessage);
        return Refuse(
            static_cast<TextField>(FieldNumber(TextField::starts) + static_cast<int>(box)),
            BoardLettersMessage(kBoardBoxes[box], fault.box == BoardBox::pattern));
    }
    c.board = std::move(*board);
    message_.clear();
    return c;
}

std::optional<int> Session::Check() {
    if (inTiles_) {
        const auto checked = CheckedInTiles();
        return checked ? std::nullopt : std::optional(checked.error());
    }
    const auto checked = Checked();
    return checked ? std::nullopt : std::optional(checked.error());
}

std::optional<int> Session::Search() {
    if (inTiles_)
        return SearchInTiles();
    const auto checked = Checked();
    if (!checked)
        return checked.error();
    const auto& [request, limits, points, custom, board] = *checked;
    const auto& list = lists_[list_ == WordListKind::standard ? 0 : 1];
    rack_ = {request.letters, points, board};
    custom_ = custom;
    outcome_ = board.Any()
                   ? ListFound(request, FindWithBoard(request.letters, limits, board, list, points))
                   : RunSearch(request, limits, list, points);
    listing_ = outcome_.listing;
    searchedTiles_ = false;
    return std::nullopt;
}

void Session::Resort(SortOrder order) {
    listing_ = anagrove::Resort(outcome_.found, order);
}

const FoundRow& Session::Row(std::int32_t row) const {
    static const FoundRow kNoRow;
    if (row < 0 || row >= listing_.rowCount)
        return kNoRow;
    return outcome_.found.rows[static_cast<std::size_t>(listing_.firstRow + row)];
}

std::string Session::Text(TextKind kind, std::int32_t row) const {
    switch (kind) {
    case TextKind::message: // UTF-8 already
        return message_;
    case TextKind::tile:
        return alphabet_ && row > 0 && static_cast<std::size_t>(row) < alphabet_->tiles.size()
                   ? alphabet_->tiles[static_cast<std::size_t>(row)].upper
                   : "";
    case TextKind::language_name:
        return alphabet_ ? alphabet_->name : "";
    case TextKind::tiles:
    case TextKind::spelling:
    case TextKind::blank_letters:
    case TextKind::blank_squares:
    case TextKind::blank_note:
    case TextKind::dictionary_link:
    case TextKind::thesaurus_link:
    case TextKind::listed_csv:
        if (searchedTiles_)
            return TileRowText(kind, row);
        break;
    default:
        break;
    }
    const FoundRow& found = Row(row);
    std::string text;
    switch (kind) {
    case TextKind::item:
        text = ItemText(found, listing_.form);
        break;
    case TextKind::caption:
        text = outcome_.caption;
        break;
    case TextKind::status:
        text = outcome_.status;
        break;
    case TextKind::blank_letters:
        text = RowBlankUse(found, rack_).letters;
        break;
    case TextKind::blank_squares: {
        const auto squares = RackSquares(found.word, rack_.board)
                                 .value_or(std::vector<bool>(found.word.size(), true));
        std::string left = RowBlankUse(found, rack_).letters; // given from the end of the word
        text.assign(found.word.size(), ' ');
        for (std::size_t k = found.word.size(); k-- > 0;) {
            const auto at = left.find(LowerLetter(found.word[k]));
            if (!squares[k])
                text[k] = '.';
            else if (at != std::string::npos) {
                text[k] = '*';
                left.erase(at, 1);
            }
        }
        break;
    }
    case TextKind::blank_note:
        text = BlankTilesText(found, rack_, request_.usePoints);
        break;
    case TextKind::dictionary_link:
        text = LookupAddress(kDictionaryAddress, ItemText(found, listing_.form)).value_or("");
        break;
    case TextKind::thesaurus_link:
        text = LookupAddress(kThesaurusAddress, ItemText(found, listing_.form)).value_or("");
        break;
    case TextKind::listed_items:
        text = ListedItemsText(outcome_.found, listing_);
        break;
    case TextKind::listed_words:
        text = ListedWordsText(outcome_.found, listing_);
        break;
    case TextKind::listed_csv:
        text = ListedCsvText(outcome_.found, listing_, rack_);
        break;
    case TextKind::ready_status:
        text = kReadyStatusText;
        break;
    case TextKind::loading_standard_status:
        text = LoadingStatusText(WordListKind::standard);
        break;
    case TextKind::loading_extended_status:
        text = LoadingStatusText(WordListKind::extended);
        break;
    case TextKind::searching_status:
        text = kSearchingStatusText;
        break;
    case TextKind::word:
        text = found.word;
        break;
    case TextKind::no_list_status:
        text = kNoWordListStatusText;
        break;
    case TextKind::tiles: // a letter is a tile
        for (const char letter : found.word)
            text.append(text.empty() ? "" : " ").append(1, letter);
        break;
    default:
        break;
    }
    // The words of a search in tiles are UTF-8 already.
    return searchedTiles_ ? text : Utf8FromLatin1(text);
}

double Session::SchemeScore(std::int32_t row, PointScheme scheme) const {
    if (searchedTiles_) // scored in the searched values only
        return scheme == scheme_ ? static_cast<double>(Row(row).score) : 0;
    if (scheme == PointScheme::custom)
        return custom_ ? static_cast<double>(WordScore(Row(row).word, *custom_)) : 0;
    return static_cast<double>(WordScore(Row(row).word, PresetTable(scheme)));
}

double Session::BlankZeroScore(std::int32_t row) const {
    if (searchedTiles_) // blanks score nothing in tiles
        return static_cast<double>(Row(row).score);
    return static_cast<double>(RowBlankUse(Row(row), rack_).scoreBlanksZero);
}

} // namespace anagrove::web
