#include "cli/find_options.h"

#include "base/latin1.h"
#include "cli/option_arguments.h"
#include "cli/option_table.h"

#include <algorithm>
#include <optional>

namespace anagrove::cli {

namespace {

Failure<std::string> Error(std::string message) {
    return FailureText(std::move(message));
}

// The complaint about options that cannot go together, once all are read.
// searchOption names the first option given that only a search uses, if any.
Complaint RefuseConflicts(const FindOptions& o, const std::string& searchOption, bool asTyped) {
    const BoardLetters& b = o.board;
    const BoardLetters& t = o.typedBoard;
    // Each text was read as it was given; what is left is the rule between them.
    const bool patternWithOthers =
        asTyped
            ? !t.pattern.empty() && (!t.starts.empty() || !t.ends.empty() || !t.contains.empty())
            : !ReadBoardLetters({b.starts, b.ends, b.contains, b.pattern});
    if (patternWithOthers)
        return "--pattern cannot go with --starts, --ends or --contains";
    if (o.allSchemes && o.format == OutputFormat::text) {
        std::vector<std::string_view> tables = WordsOf<OutputFormat>();
        std::erase(tables, WordOf(OutputFormat::text));
        return "--all-schemes needs --format " + OneOf(tables);
    }
    if (o.check && !searchOption.empty())
        return "--check cannot go with " + searchOption + ", which only a search uses";
    return std::nullopt;
}

} // namespace

Expected<ParsedCommandLine> ParseFindArguments(const std::vector<std::string>& args) {
    OptionsRead read;
    FindOptions& o = read.parsed.options;
    std::optional<std::string> letters;
    const std::vector<Argument> arguments = SplitArguments(args);
    // With --check every word is a word to check; the options that only a
    // search uses cannot go with it.
    const bool checking = std::ranges::any_of(
        arguments, [](const Argument& a) { return a.option && a.text == "--check"; });
    std::vector<std::string> words;
    std::string searchOption;
    // In another language the board texts are read later, through its alphabet.
    bool languageGiven = false, listGiven = false;
    for (const Argument& a : arguments) {
        if (a.option && a.text == "--language") {
            languageGiven = true;
            read.inTiles = a.value && *a.value != "en";
        }
        listGiven = listGiven || (a.option && a.text == "--word-list");
    }
    read.listMayNameAlphabet = listGiven && !languageGiven;

    for (const Argument& argument : arguments) {
        const std::string& arg = argument.text;
        if (!argument.option) {
            if (checking) {
                words.push_back(Latin1FromUtf8(arg));
                o.typedCheckWords.push_back(arg);
                continue;
            }
            if (letters)
                return Error(
                    "only one LETTERS argument may be given (quote letters that hold blanks)");
            letters = arg;
            continue;
        }
        const FindOption* option = FindOptionNamed(arg);
        if (!option)
            return Error("unknown option " + arg + " (see --help)");
        if (searchOption.empty() && option->use == OptionUse::search)
            searchOption = arg;
        if (option->value != OptionValue::none && !argument.value)
            return Error(arg + " needs a value");
        const std::string v = argument.value.value_or("");
        if (option->words) {
            const std::vector<std::string_view> allowed = option->words();
            if (std::ranges::find(allowed, v) == allowed.end())
                return Error(arg + " must be " + OneOf(allowed) + ", not \"" + v + "\"");
        }
        if (auto complaint = option->take(read, arg, v))
            return Error(*complaint);
        if (read.parsed.action != ParsedCommandLine::Action::search)
            return read.parsed;
    }

    if (auto complaint = RefuseConflicts(o, searchOption, read.inTiles || read.listMayNameAlphabet))
        return Error(*complaint);
    if (o.check) {
        if (words.empty())
            return Error("--check needs at least one WORD");
        o.checkWords = std::move(words);
        return read.parsed;
    }
    if (!letters)
        return Error("no LETTERS given (see --help)");
    o.letters = Latin1FromUtf8(*letters);
    o.rack = *letters;
    if (o.customEntries) {
        if (read.pointsGiven && o.scheme != PointScheme::custom)
            return Error("--custom goes with --points " + std::string(WordOf(PointScheme::custom)));
        o.scheme = PointScheme::custom;
    }
    if (!o.usePoints) {
        bool scoreOrder = o.order == SortOrder::score;
        for (SortOrder order : o.thenOrders)
            scoreOrder = scoreOrder || order == SortOrder::score;
        if (scoreOrder)
            return Error("sorting by score needs points; it cannot go with --no-points");
    }
    return read.parsed;
}

} // namespace anagrove::cli
