// anagrove-find: the search of the "Find Words" button, from a terminal.

#include "app/latin1.h"
#include "app/program_directory.h"
#include "cli/find_options.h"
#include "dictionary/whole_file.h"
#include "points/custom_points.h"
#include "search/search_request.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace anagrove;

constexpr int kBadInput = 2;
constexpr int kNoWordList = 1;

int Refuse(const std::string& message) {
    std::cerr << "anagrove-find: " << message << '\n';
    return kBadInput;
}

std::variant<LetterPoints, std::string> ChooseLetterPoints(const cli::FindOptions& o) {
    if (o.points != PointScheme::custom)
        return PresetTable(o.points);
    if (!o.customEntries)
        return LetterPoints{}; // custom values never set score nothing
    std::array<std::string, 26> entries;
    std::copy(o.customEntries->begin(), o.customEntries->end(), entries.begin());
    auto converted = ConvertCustomValues(entries);
    if (auto* error = std::get_if<CustomValueError>(&converted))
        return error->message;
    return std::get<CustomValues>(converted).active;
}

void PrintListing(const FoundWords& found, const ResultListing& listing) {
    std::string out;
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r) {
        out += Utf8FromLatin1(ItemText(found.rows[static_cast<std::size_t>(r)], listing.form));
        out += '\n';
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int Run(const cli::FindOptions& o) {
    auto points = ChooseLetterPoints(o);
    if (auto* message = std::get_if<std::string>(&points))
        return Refuse(*message);

    SearchRequest request{o.letters, o.minimumText, o.maximumText, o.nomax,
                          o.anagram, o.sort,        o.usePoints};
    if (request.letters.empty())
        return Refuse(kNoLettersMessage);
    auto limits = ReadSearchLimits(request);
    if (auto* message = std::get_if<std::string>(&limits))
        return Refuse(*message);

    const std::string path =
        o.wordListFile ? *o.wordListFile
                       : WordListPath(ExecutableDirectory(), o.dictionary == "extended"
                                                                 ? DictionaryKind::extended
                                                                 : DictionaryKind::standard);
    FileText file = ReadWholeFile(path);
    if (!file.ok) {
        std::cerr << "anagrove-find: cannot read the word list " << path << ": " << file.error
                  << '\n';
        return kNoWordList;
    }
    auto list = std::make_shared<const WordList>(TakeWordList(std::move(file.text)));
    if (list->DroppedWords() > 0)
        std::cerr << "anagrove-find: only the first " << kWordListCapacity << " words of " << path
                  << " were loaded; " << list->DroppedWords() << " more were left out\n";

    SearchOutcome outcome =
        RunSearch(request, std::get<SearchLimits>(limits), list, std::get<LetterPoints>(points));
    ResultListing listing = outcome.listing;
    for (SortMode mode : o.thenSorts)
        listing = Resort(outcome.found, mode);
    PrintListing(outcome.found, listing);
    std::fflush(stdout);
    std::cerr << Utf8FromLatin1(outcome.status) << '\n';
    return std::ferror(stdout) ? kNoWordList : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        cli::ParsedCommandLine parsed = cli::ParseFindArguments(args);
        switch (parsed.kind) {
        case cli::ParsedCommandLine::Kind::help:
            std::cout << cli::FindUsageText();
            return 0;
        case cli::ParsedCommandLine::Kind::error:
            return Refuse(parsed.error);
        case cli::ParsedCommandLine::Kind::run:
            break;
        }
        return Run(parsed.options);
    } catch (const std::exception& e) {
        std::cerr << "anagrove-find: " << e.what() << '\n';
        return kNoWordList;
    }
}
