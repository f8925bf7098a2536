#include "cli/tile_command.h"

#include "alphabet/alphabet_file.h"
#include "alphabet/rack.h"
#include "alphabet/tile_split.h"
#include "alphabet/utf8.h"
#include "app/data_files.h"
#include "app/language_files.h"
#include "app/languages.h"
#include "app/search_request.h"
#include "app/texts.h"
#include "cli/find_command.h"
#include "cli/result_formats.h"
#include "cli/word_list_source.h"
#include "platform/whole_file.h"
#include "search/tile_board.h"
#include "search/tile_search.h"
#include "word_list/texts.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <unordered_set>

namespace anagrove::cli {

namespace {

int Refuse(std::ostream& err, const std::string& message) {
    err << "anagrove-find: " << message << '\n';
    return kExitBadInput;
}

// The tiles as a rack types them: one-letter tiles as they are, longer ones in
// brackets ("a[ch]").
std::string TypedTiles(const Alphabet& alphabet, std::span<const TileIndex> tiles) {
    std::string text;
    for (const TileIndex t : tiles) {
        const std::string& lower = alphabet.tiles[t].lower;
        const auto characters = DecodeUtf8(lower);
        text += characters && characters->size() > 1 ? "[" + lower + "]" : lower;
    }
    return text;
}

std::string_view TileBytes(std::span<const TileIndex> tiles) {
    return {reinterpret_cast<const char*>(tiles.data()), tiles.size()};
}

// Values per named tile, "a=1,[ch]=5,ñ=8" (brackets optional round one tile);
// tiles not named score nothing.
Expected<TileValues> ReadCustomTileValues(std::string_view text, const Alphabet& alphabet) {
    TileValues values{};
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view entry = text.substr(0, comma);
        const std::size_t equals = entry.rfind('=');
        const std::string refusal = "--custom takes TILE=VALUE entries of " + alphabet.name +
                                    " apart by commas, not \"" + std::string(entry) + "\"";
        if (equals == std::string_view::npos)
            return FailureText(refusal);
        std::string_view name = entry.substr(0, equals);
        if (name.size() > 2 && name.front() == '[' && name.back() == ']')
            name = name.substr(1, name.size() - 2);
        const auto tile = ReadRack(alphabet, "[" + std::string(name) + "]");
        std::int32_t value = 0;
        const std::string_view number = entry.substr(equals + 1);
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        if (!tile || tile->size() != 1 || error != std::errc() ||
            end != number.data() + number.size() || value < 0 || value > 999)
            return FailureText(refusal);
        values[tile->front()] = value;
        if (comma == std::string_view::npos)
            return values;
        text.remove_prefix(comma + 1);
    }
}

// The scheme's values in the alphabet, or why it has none.
Expected<TileValues> ChooseTileValues(const FindOptions& o, const Alphabet& alphabet) {
    if (o.customTiles)
        return ReadCustomTileValues(*o.customTiles, alphabet);
    if (o.allSchemes)
        return FailureText("--all-schemes compares English schemes; it cannot go with --language " +
                           alphabet.code);
    switch (o.scheme) {
    case PointScheme::scrabble:
        return StandardTileValues(alphabet);
    case PointScheme::custom:
        return TileValues{}; // custom values never set score nothing
    default:
        return FailureText("--points " + std::string(WordOf(o.scheme)) +
                           " has English values only; " + alphabet.name +
                           " scores its standard tile values (--points " +
                           std::string(WordOf(PointScheme::scrabble)) + ")");
    }
}

using LoadedLanguage = LanguageFiles;

// Tells how many words of the list were left out, and why; passes the list on.
LoadedLanguage ReportLeftOut(LoadedLanguage loaded, const std::string& shown, std::ostream& err) {
    const std::string text =
        TileWordsLeftOutText(shown, loaded.list->LeftOut(), loaded.alphabet->name);
    if (!text.empty())
        err << "anagrove-find: " << text << '\n';
    return loaded;
}

// The alphabet and the list that the options name, or the exit status after a complaint.
Expected<LoadedLanguage, int> LoadLanguage(const FindOptions& o,
                                           const std::string& programDirectory,
                                           std::optional<std::string> listText, std::istream& in,
                                           std::ostream& err) {
    const auto complain = [&err](const std::string& why, int status) {
        err << "anagrove-find: " << why << '\n';
        return Failure{status};
    };
    if (!o.wordListFile) {
        auto shipped = LoadShippedLanguage(programDirectory, o.language.value());
        if (!shipped)
            return complain(shipped.error(), kExitNoWordList);
        return ReportLeftOut(*shipped, LanguageListPath(programDirectory, *o.language), err);
    }
    const std::string& path = *o.wordListFile;
    const std::string shown = path == kStandardInputName ? "from standard input" : path;
    if (!listText) {
        FileText file = ReadWordListSource(path, in);
        if (!file)
            return complain("cannot read the word list " + shown + ": " + file.error(),
                            kExitNoWordList);
        listText = std::move(*file);
    }
    const std::optional<std::string> named = NamedAlphabet(*listText);
    if (named && o.language && *named != *o.language)
        return Failure{Refuse(err, "the word list " + shown + " names the alphabet " + *named +
                                       ", not --language " + *o.language)};
    const std::string code = named ? *named : *o.language;
    if (!FindShippedLanguage(code))
        return Failure{Refuse(err, "the word list " + shown + " names the alphabet \"" + code +
                                       "\", which is not one of the languages")};
    auto alphabet = LoadAlphabet(programDirectory, code);
    if (!alphabet)
        return complain(alphabet.error(), kExitNoWordList);
    LoadedLanguage loaded{
        *alphabet, std::make_shared<const TileWordList>(ReadTileWordList(*listText, *alphabet))};
    listText.reset();
    return ReportLeftOut(loaded, shown, err);
}

WordCheck CheckTiles(const LoadedLanguage& l, const std::unordered_set<std::string_view>& words,
                     const std::string& typed) {
    WordCheck check;
    const auto tiles = SplitWord(*l.alphabet, typed);
    if (!tiles)
        return check;
    const std::string word = std::string(TileBytes(*tiles));
    check.inList = words.contains(word);
    for (std::size_t t = 1; t < l.alphabet->tiles.size(); ++t) {
        const char tile = static_cast<char>(t);
        const std::array<TileIndex, 1> one{static_cast<TileIndex>(t)};
        if (words.contains(tile + word))
            check.frontHooks += TypedTiles(*l.alphabet, one);
        if (words.contains(word + tile))
            check.backHooks += TypedTiles(*l.alphabet, one);
    }
    return check;
}

int Check(const FindOptions& o, const LoadedLanguage& l, std::ostream& out) {
    std::unordered_set<std::string_view> words;
    words.reserve(static_cast<std::size_t>(l.list->WordCount()));
    for (std::int32_t i = 0; i < l.list->WordCount(); ++i)
        words.insert(TileBytes(l.list->WordTiles(i)));
    std::vector<CheckedWord> checked;
    bool allInList = true;
    for (const std::string& typed : o.typedCheckWords) {
        checked.push_back({typed, CheckTiles(l, words, typed)});
        allInList = allInList && checked.back().check.inList;
    }
    WriteChecks(out, o.format, checked, true);
    out.flush();
    return !out ? kExitNotWritten : allInList ? kExitFound : kExitNotInList;
}

// One board text through the alphabet, or why not in anagrove-find's words.
Expected<Tiles> ReadBoardText(const Alphabet& alphabet, std::string_view name,
                              std::string_view text, bool pattern) {
    auto tiles = ReadBoardTiles(alphabet, text, pattern);
    if (tiles)
        return std::move(*tiles);
    const std::string refusal = std::string(name) + " must be tiles of " + alphabet.name +
                                (pattern ? " and dots" : "") + ", not \"" + std::string(text) +
                                "\"";
    if (!tiles.error())
        return FailureText(refusal);
    return FailureText(refusal + ": " + TextFaultText(*tiles.error(), alphabet.name));
}

Expected<TileBoard> ReadTileBoard(const Alphabet& alphabet, const BoardLetters& typed) {
    TileBoard board;
    const struct {
        const char* name;
        const std::string& text;
        Tiles& tiles;
    } boxes[] = {{"--starts", typed.starts, board.starts},
                 {"--ends", typed.ends, board.ends},
                 {"--contains", typed.contains, board.contains},
                 {"--pattern", typed.pattern, board.pattern}};
    for (const auto& box : boxes) {
        if (box.text.empty())
            continue;
        auto tiles = ReadBoardText(alphabet, box.name, box.text, &box.tiles == &board.pattern);
        if (!tiles)
            return FailureText(tiles.error());
        box.tiles = std::move(*tiles);
    }
    return board;
}

void PrintTileListing(std::ostream& out, const FoundWords& found, const ResultListing& listing) {
    std::string text;
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r) {
        text += ItemText(found.rows[static_cast<std::size_t>(r)], listing.form);
        text += '\n';
        if (text.size() > (1u << 16)) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

} // namespace

bool SearchesInTiles(const FindOptions& o, const std::string* listText) {
    if (o.language)
        return *o.language != kEnglishCode;
    return listText != nullptr && NamedAlphabet(*listText).has_value();
}

int RunInTiles(const FindOptions& o, const std::string& programDirectory,
               std::optional<std::string> listText, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (o.dictionaryGiven)
        return Refuse(err, "--dictionary chooses between the English lists; a list in "
                           "another language has no second list");
    SearchRequest request{o.rack,    o.minimumText, o.maximumText, o.noMaximum,
                          o.anagram, o.order,       o.usePoints};
    std::optional<SearchLimits> limits;
    if (!o.check) {
        if (request.letters.empty())
            return Refuse(err, kNoLettersMessage);
        auto read = ReadSearchLimits(request);
        if (!read)
            return Refuse(err, read.error());
        limits = *read;
    }

    auto loaded = LoadLanguage(o, programDirectory, std::move(listText), in, err);
    if (!loaded)
        return loaded.error();
    const Alphabet& alphabet = *loaded->alphabet;
    const TileWordList& list = *loaded->list;
    if (o.check)
        return Check(o, *loaded, out);

    const auto values = ChooseTileValues(o, alphabet);
    if (!values)
        return Refuse(err, values.error());
    const auto rack = ReadRack(alphabet, o.rack);
    if (!rack)
        return Refuse(err, TextFaultText(rack.error(), alphabet.name));

    const auto board = ReadTileBoard(alphabet, o.typedBoard);
    if (!board)
        return Refuse(err, board.error());

    TileMatches matches = FindTileWords(*rack, *limits, list, *values, *board);
    SearchOutcome outcome = ListFound(request, std::move(matches.found));
    ResultListing listing = outcome.listing;
    for (SortOrder order : o.thenOrders)
        listing = Resort(outcome.found, order);
    if (o.format == OutputFormat::text) {
        PrintTileListing(out, outcome.found, listing);
    } else {
        std::vector<TileResultRow> rows;
        for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r) {
            const FoundRow& row = outcome.found.rows[static_cast<std::size_t>(r)];
            const std::int32_t i = matches.listIndex[static_cast<std::size_t>(row.index)];
            const auto tiles = list.WordTiles(i);
            std::optional<std::int64_t> score;
            if (o.usePoints)
                score = row.score;
            rows.push_back(
                {std::string(row.word), row.length, score,
                 TileTextsApart(alphabet, BlankTilesOf(RackPartTiles(tiles, *board), *rack)),
                 TileTextsApart(alphabet, tiles), std::string(list.Spelling(i))});
        }
        WriteTileResults(out, o.format, rows);
    }
    out.flush();
    err << FoundStatusText(outcome.found, list.WordCount()) << '\n';
    return out ? kExitFound : kExitNotWritten;
}

int ListLanguages(const std::string& programDirectory, std::ostream& out, std::ostream& err) {
    std::string text;
    for (const ShippedLanguage& language : ShippedLanguages()) {
        const std::string code = language.code;
        const FileText alphabetFile = ReadWholeFile(AlphabetPath(programDirectory, code));
        const auto alphabet = alphabetFile ? ReadAlphabet(*alphabetFile)
                                           : Expected<Alphabet>(FailureText(alphabetFile.error()));
        std::optional<ListSummary> summary;
        if (code == kEnglishCode) {
            std::int64_t words = 0;
            if (const FileText file = ReadWholeFile(WordListPath(
                    programDirectory, InitialChoice<WordListKind>(SettingKey::word_list))))
                words = std::ranges::count(*file, '\n');
            summary = ListSummary{words, 0};
        } else if (const FileText file =
                       ReadWholeFile(LanguageSummaryPath(programDirectory, code))) {
            summary = ReadListSummary(*file);
        }
        if (!alphabet)
            err << "anagrove-find: cannot read the alphabet of " << code << ": " << alphabet.error()
                << '\n';
        text += code + '\t' + (alphabet ? alphabet->name : "?") + '\t' +
                (summary ? std::to_string(summary->words) + '\t' + std::to_string(summary->leftOut)
                         : std::string("not built\t-")) +
                '\t' + language.source + '\t' + language.licence + '\n';
    }
    out << text;
    out.flush();
    return out ? kExitFound : kExitNotWritten;
}

} // namespace anagrove::cli
