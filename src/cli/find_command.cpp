#include "cli/find_command.h"

#include "anagrove_version.h"
#include "app/data_files.h"
#include "app/search_request.h"
#include "app/texts.h"
#include "base/latin1.h"
#include "cli/find_options.h"
#include "cli/option_texts.h"
#include "cli/result_formats.h"
#include "cli/tile_command.h"
#include "cli/word_list_source.h"
#include "platform/whole_file.h"
#include "points/custom_points.h"
#include "search/board_letters.h"
#include "word_list/texts.h"
#include "word_list/word_check.h"

#include <array>
#include <exception>
#include <memory>
#include <sstream>

namespace anagrove::cli {

namespace {

int Refuse(std::ostream& err, const std::string& message) {
    err << "anagrove-find: " << message << '\n';
    return kExitBadInput;
}

Expected<LetterPoints> ChooseLetterPoints(const FindOptions& o) {
    if (o.scheme != PointScheme::custom)
        return PresetTable(o.scheme);
    if (!o.customEntries)
        return LetterPoints{}; // custom values never set score nothing
    std::array<std::string, 26> entries;
    std::copy(o.customEntries->begin(), o.customEntries->end(), entries.begin());
    auto converted = ConvertCustomValues(entries);
    if (!converted)
        return FailureText(converted.error().message);
    return converted->active;
}

void PrintListing(std::ostream& out, const FoundWords& found, const ResultListing& listing) {
    std::string text;
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r) {
        text += Utf8FromLatin1(ItemText(found.rows[static_cast<std::size_t>(r)], listing.form));
        text += '\n';
        if (text.size() > (1u << 16)) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

// The word list that the options name, or nothing after a complaint.
// preread is the file's text when it was read already.
std::shared_ptr<const WordList> LoadNamedList(const FindOptions& o,
                                              const std::string& programDirectory, std::istream& in,
                                              std::ostream& err,
                                              std::optional<FileText> preread = std::nullopt) {
    const std::string path =
        o.wordListFile ? *o.wordListFile : WordListPath(programDirectory, o.wordList);
    FileText file = preread ? std::move(*preread) : ReadWordListSource(path, in);
    if (!file) {
        err << "anagrove-find: cannot read the word list "
            << (path == kStandardInputName ? "from standard input" : path) << ": " << file.error()
            << '\n';
        return nullptr;
    }
    auto list = std::make_shared<const WordList>(TakeWordList(std::move(*file)));
    if (list->DroppedWords() > 0)
        err << "anagrove-find: " << LeftOutWordsText(path, list->DroppedWords()) << '\n';
    return list;
}

int Check(const FindOptions& o, const std::string& programDirectory, std::istream& in,
          std::ostream& out, std::ostream& err, std::optional<FileText> preread) {
    const auto list = LoadNamedList(o, programDirectory, in, err, std::move(preread));
    if (!list)
        return kExitNoWordList;
    const WordChecker checker(*list);
    std::vector<CheckedWord> checked;
    bool allInList = true;
    for (const std::string& word : o.checkWords) {
        checked.push_back({word, checker.Check(word)});
        allInList = allInList && checked.back().check.inList;
    }
    WriteChecks(out, o.format, checked);
    out.flush();
    return !out ? kExitNotWritten : allInList ? kExitFound : kExitNotInList;
}

int Run(const FindOptions& o, const std::string& programDirectory, std::istream& in,
        std::ostream& out, std::ostream& err) {
    // A word-list file without --language is read first: its first line may name its alphabet.
    std::optional<FileText> preread;
    if (o.wordListFile && !o.language)
        preread = ReadWordListSource(*o.wordListFile, in);
    if (SearchesInTiles(o, preread && *preread ? &**preread : nullptr)) {
        std::optional<std::string> listText;
        if (preread && *preread)
            listText = std::move(**preread);
        return RunInTiles(o, programDirectory, std::move(listText), in, out, err);
    }
    if (o.englishRefusal)
        return Refuse(err, *o.englishRefusal);
    if (o.check)
        return Check(o, programDirectory, in, out, err, std::move(preread));
    const auto points = ChooseLetterPoints(o);
    if (!points)
        return Refuse(err, points.error());

    SearchRequest request{o.letters, o.minimumText, o.maximumText, o.noMaximum,
                          o.anagram, o.order,       o.usePoints};
    if (request.letters.empty())
        return Refuse(err, kNoLettersMessage);
    const auto limits = ReadSearchLimits(request);
    if (!limits)
        return Refuse(err, limits.error());

    const auto list = LoadNamedList(o, programDirectory, in, err, std::move(preread));
    if (!list)
        return kExitNoWordList;

    const LetterPoints& letterPoints = *points;
    const SearchLimits& searchLimits = *limits;
    SearchOutcome outcome = o.board.Any()
                                ? ListFound(request, FindWithBoard(o.letters, searchLimits, o.board,
                                                                   list, letterPoints))
                                : RunSearch(request, searchLimits, list, letterPoints);
    ResultListing listing = outcome.listing;
    for (SortOrder order : o.thenOrders)
        listing = Resort(outcome.found, order);
    if (o.format == OutputFormat::text) {
        PrintListing(out, outcome.found, listing);
    } else {
        const ResultColumns columns{{o.letters, letterPoints, o.board},
                                    o.usePoints,
                                    o.allSchemes,
                                    o.customEntries ? std::optional(letterPoints) : std::nullopt};
        WriteResults(out, o.format, outcome.found, listing, columns);
    }
    out.flush();
    err << Utf8FromLatin1(outcome.status) << '\n';
    return out ? kExitFound : kExitNotWritten;
}

} // namespace

int RunFindCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::ostream& out, std::ostream& err) {
    std::istringstream none;
    return RunFindCommand(args, programDirectory, none, out, err);
}

int RunFindCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const auto parsed = ParseFindArguments(args);
        if (!parsed)
            return Refuse(err, parsed.error());
        switch (parsed->action) {
        case ParsedCommandLine::Action::help:
            out << FindUsageText();
            return kExitFound;
        case ParsedCommandLine::Action::version:
            out << "anagrove-find " << kVersion << '\n';
            return kExitFound;
        case ParsedCommandLine::Action::listLanguages:
            return ListLanguages(programDirectory, out, err);
        case ParsedCommandLine::Action::search:
            break;
        }
        return Run(parsed->options, programDirectory, in, out, err);
    } catch (const std::exception& e) {
        err << "anagrove-find: " << e.what() << '\n';
        return kExitNotWritten;
    }
}

} // namespace anagrove::cli
