#include "cli/find_options.h"

#include "base/latin1.h"
#include "cli/board_and_format_options.h"
#include "cli/option_arguments.h"

#include <algorithm>
#include <optional>

namespace anagrove::cli {

namespace {

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

Failure<std::string> Error(std::string message) {
    return FailureText(std::move(message));
}

} // namespace

Expected<ParsedCommandLine> ParseFindArguments(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    FindOptions& o = parsed.options;
    std::optional<std::string> letters;
    bool pointsGiven = false;
    const std::vector<Argument> arguments = SplitArguments(args);
    // With --check every word is a word to check; the options that only a
    // search uses cannot go with it.
    const bool checking = std::ranges::any_of(
        arguments, [](const Argument& a) { return a.option && a.text == "--check"; });
    std::vector<std::string> words;
    std::string searchOption;

    for (const Argument& argument : arguments) {
        const std::string& arg = argument.text;
        if (!argument.option) {
            if (checking) {
                words.push_back(Latin1FromUtf8(arg));
                continue;
            }
            if (letters)
                return Error(
                    "only one LETTERS argument may be given (quote letters that hold blanks)");
            letters = arg;
            continue;
        }
        if (searchOption.empty() && arg.starts_with("--") && arg != "--dictionary" &&
            arg != "--word-list" && arg != "--format" && arg != "--check")
            searchOption = arg;
        if (TakesValue(arg) && !argument.value)
            return Error(arg + " needs a value");
        const std::string v = argument.value.value_or("");
        if (arg == "--help" || arg == "-h") {
            parsed.action = ParsedCommandLine::Action::help;
            return parsed;
        } else if (arg == "--version") {
            parsed.action = ParsedCommandLine::Action::version;
            return parsed;
        } else if (arg == "--no-max") {
            o.nomax = true;
        } else if (arg == "--anagram") {
            o.anagram = true;
        } else if (arg == "--no-points") {
            o.usePoints = false;
        } else if (arg == "--all-schemes") {
            o.allSchemes = true;
        } else if (arg == "--check") {
            o.check = true;
        } else if (IsBoardOrFormatOption(arg)) {
            if (auto complaint = TakeBoardOrFormatOption(arg, v, o))
                return Error(*complaint);
        } else if (TakesValue(arg)) {
            if (arg == "--dictionary") {
                auto kind = DictionaryFromWord(v);
                if (!kind)
                    return Error("--dictionary must be standard or extended, not \"" + v + "\"");
                o.dictionary = *kind;
            } else if (arg == "--word-list") {
                o.wordListFile = v;
            } else if (arg == "--min") {
                o.minimumText = Latin1FromUtf8(v);
            } else if (arg == "--max") {
                o.maximumText = Latin1FromUtf8(v);
            } else if (arg == "--sort" || arg == "--then") {
                auto mode = SortModeFromWord(v);
                if (!mode)
                    return Error(arg + " must be alpha, score or length, not \"" + v + "\"");
                if (arg == "--sort")
                    o.sort = *mode;
                else
                    o.thenSorts.push_back(*mode);
            } else if (arg == "--points") {
                auto scheme = PointSchemeFromWord(v);
                if (!scheme)
                    return Error("--points must be scrabble, literati, wordmojo or custom, not \"" +
                                 v + "\"");
                o.points = *scheme;
                pointsGiven = true;
            } else {
                auto entries = SplitCommas(Latin1FromUtf8(v));
                if (entries.size() != 26)
                    return Error("--custom needs 26 values, A to Z, separated by commas (" +
                                 std::to_string(entries.size()) + " given)");
                o.customEntries = entries;
            }
        } else {
            return Error("unknown option " + arg + " (see --help)");
        }
    }

    if (auto complaint = RefuseConflicts(o, searchOption))
        return Error(*complaint);
    if (o.check) {
        if (words.empty())
            return Error("--check needs at least one WORD");
        o.checkWords = std::move(words);
        return parsed;
    }
    if (!letters)
        return Error("no LETTERS given (see --help)");
    o.letters = Latin1FromUtf8(*letters);
    if (o.customEntries) {
        if (pointsGiven && o.points != PointScheme::custom)
            return Error("--custom goes with --points custom");
        o.points = PointScheme::custom;
    }
    if (!o.usePoints) {
        bool scoreOrder = o.sort == SortMode::score;
        for (SortMode mode : o.thenSorts)
            scoreOrder = scoreOrder || mode == SortMode::score;
        if (scoreOrder)
            return Error("sorting by score needs points; it cannot go with --no-points");
    }
    return parsed;
}

std::string FindUsageText() {
    return R"usage(Usage: anagrove-find [options] LETTERS
       anagrove-find --check [--dictionary NAME | --word-list FILE] [--format F] WORD...

Lists every word of a word list that can be laid with LETTERS, exactly as the
Anagrove window lists it after "Find Words". Use * for a blank tile (quote it
in the shell: 'retains*'). Items go to standard output, one per line; the
status text goes to standard error.

Options:
  --dictionary standard|extended   which shipped word list (default standard)
  --word-list FILE                 search any word-list file of the same format
                                   (one word per line) instead;
                                   --word-list - reads standard input
  --min TEXT, --max TEXT           the length limits as typed into their boxes
                                   (default 2 and 8; fractions allowed)
  --no-max                         "(no maximum limit)": no upper length limit
  --anagram                        "Find only exact anagrams": words exactly as
                                   long as LETTERS (the limits do not apply);
                                   with board letters, the part of the word
                                   laid from LETTERS uses every tile
  --sort alpha|score|length        the order of the search (default alpha)
  --points scrabble|literati|wordmojo|custom
                                   the letter values (default scrabble)
  --custom V1,...,V26              the custom values A to Z, as typed into the
                                   custom point editor (implies --points custom)
  --no-points                      items without points, as with "Calculate
                                   points when displaying words" unchecked
  --then alpha|score|length        afterwards choose that sort option, re-sorting
                                   the shown results; may be repeated

Board letters (letters a-z already on the board, taken from no tile; the rest
of the word is laid from LETTERS; the length limits apply to the whole word):
  --starts TEXT                    the word begins with TEXT
  --ends TEXT                      the word ends with TEXT
  --contains TEXT                  the word holds TEXT as one run of letters;
                                   starts, ends and contains may not overlap
  --pattern PAT                    letters and dots, as long as the word: a
                                   letter is a board letter in that place, a
                                   dot a square filled from LETTERS (not with
                                   --starts, --ends or --contains)

Output:
  --format text|tsv|json           text: the list's items (default); tsv: a
                                   header line and a row per word; json: an
                                   array of objects. Columns: word, length,
                                   score (empty or null with --no-points),
                                   blanks (the letters the blanks stand for),
                                   score_blanks_zero (the score with those
                                   letters counted as zero). In tsv, \, tab,
                                   line feed and carriage return in a word are
                                   written \\, \t, \n and \r
  --all-schemes                    with tsv or json: add the columns scrabble,
                                   literati and wordmojo, and custom when
                                   --custom is given
  --check WORD...                  check each WORD against the list instead of
                                   searching: whether it is in the list, and
                                   its front and back hooks (letters that make
                                   a word of the list put before or after it)
  -h, --help                       show this text
  --version                        show the version of anagrove-find

Examples:
  anagrove-find --dictionary extended 'retains*'
  anagrove-find --word-list words.txt --min 3 --max 5 tea
  grep -v x words.txt | anagrove-find --word-list - tea
  anagrove-find --no-max --min 7 'stare**'
  anagrove-find --anagram 'tea*'
  anagrove-find --sort score --then length quiz
  anagrove-find --points custom --custom 1,3,3,2,1,4,2,4,1,8,5,1,3,1,1,3,10,1,1,1,1,4,4,8,4,10 tea
  anagrove-find --points literati --no-points tea
  anagrove-find --starts re --ends s 'tain*'
  anagrove-find --contains qu 'ite*'
  anagrove-find --anagram --pattern 'q...k' 'uic'
  anagrove-find --format tsv --all-schemes 'qui*'
  anagrove-find --format json --sort score 'tea*'
  anagrove-find --check qi za && echo all valid
  anagrove-find --check --format json --dictionary extended qat
  anagrove-find --version

Exit status: 0 after a search, and after --check when every WORD is in the
list; 1 when the word list cannot be read; 2 for bad input; 3 after --check
when some WORD is not in the list.
)usage";
}

} // namespace anagrove::cli
