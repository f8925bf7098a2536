#include "cli/option_table.h"

#include "app/languages.h"
#include "base/latin1.h"
#include "base/letters.h"

#include <algorithm>
#include <iterator>

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

// Sets a board text, given once and not empty, as the search reads it.
Complaint TakeBoard(std::string& text, std::string_view name, const std::string& value,
                    BoardBox box) {
    const std::string option(name);
    if (!text.empty())
        return option + " may be given only once";
    auto read = ReadBoardText(value, box);
    if (value.empty() || !read)
        return option + " must be letters a-z" + (box == BoardBox::pattern ? " and dots" : "") +
               ", not \"" + value + "\"";
    text = std::move(*read);
    return std::nullopt;
}

using Read = OptionsRead;
using Name = std::string_view;
using Value = const std::string&;
using Action = ParsedCommandLine::Action;
constexpr Complaint kNoComplaint = std::nullopt;

// The takes of the rows: set a field of the options to a value, to the value
// of the option's word, or to its text in Latin-1; set a board text; answer
// instead of searching.
template <auto field, auto value> Complaint Set(Read& r, Name, Value) {
    r.parsed.options.*field = value;
    return kNoComplaint;
}
template <auto field, auto fromWord> Complaint SetWord(Read& r, Name, Value v) {
    r.parsed.options.*field = *fromWord(v);
    return kNoComplaint;
}
template <auto field> Complaint SetText(Read& r, Name, Value v) {
    r.parsed.options.*field = Latin1FromUtf8(v);
    return kNoComplaint;
}
// An English refusal; with a list that may name another alphabet, kept until
// the list shows which.
Complaint Defer(Read& r, Complaint complaint) {
    if (!complaint || !r.listMayNameAlphabet)
        return complaint;
    if (!r.parsed.options.englishRefusal)
        r.parsed.options.englishRefusal = std::move(complaint);
    return kNoComplaint;
}
template <auto board, BoardBox box> Complaint SetBoard(Read& r, Name name, Value v) {
    std::string& typed = r.parsed.options.typedBoard.*board;
    const bool again = !typed.empty();
    if (!again)
        typed = v;
    if (r.inTiles) {
        if (again || v.empty())
            return std::string(name) + (v.empty() ? " needs tiles" : " may be given only once");
        return kNoComplaint;
    }
    Complaint complaint = TakeBoard(r.parsed.options.board.*board, name, v, box);
    if (complaint && (again || v.empty())) // refused in any alphabet
        return complaint;
    return Defer(r, std::move(complaint));
}
template <Action action> Complaint Answer(Read& r, Name, Value) {
    r.parsed.action = action;
    return kNoComplaint;
}

std::vector<std::string_view> LanguageCodes() {
    std::vector<std::string_view> codes;
    for (const ShippedLanguage& language : ShippedLanguages())
        codes.push_back(language.code);
    return codes;
}

constexpr const char* kBoardHeading =
    "Board letters (letters a-z already on the board, taken from no tile; the rest\n"
    "of the word is laid from LETTERS; the length limits apply to the whole word):";

using enum OptionValue;
using enum OptionUse;
using O = FindOptions;
using B = BoardLetters;

const FindOption kOptions[] = {
    {"--dictionary", text, WordsOf<WordListKind>, any, "",
     "which shipped word list (default {word_list})", "Options:",
     [](Read& r, Name, Value v) {
         r.parsed.options.wordList = *ValueOf<WordListKind>(v);
         r.parsed.options.dictionaryGiven = true;
         return kNoComplaint;
     }},
    {"--word-list", file, nullptr, any, "FILE",
     "search any word-list file of the same format\n(one word per line) instead;\n"
     "--word-list - reads standard input",
     nullptr,
     [](Read& r, Name, Value v) {
         r.parsed.options.wordListFile = v;
         return kNoComplaint;
     }},
    {"--language", text, LanguageCodes, any, "",
     "the language: its shipped word list, its tiles\nand their values (default en); with\n"
     "--word-list, the alphabet of a file whose first\nline does not name one (#alphabet CODE);\n"
     "there, --custom names its tiles' values:\n--custom a=1,ch=5,rr=8 (others score nothing)",
     nullptr,
     [](Read& r, Name, Value v) {
         r.parsed.options.language = v;
         return kNoComplaint;
     }},
    {"--list-languages", none, nullptr, any, "",
     "list the languages: code, name, words, words\nleft out, source and licence", nullptr,
     Answer<Action::listLanguages>},
    {"--min", text, nullptr, search, "TEXT", "", nullptr, SetText<&O::minimumText>},
    {"--max", text, nullptr, search, "TEXT",
     "the length limits as typed into their boxes\n(default {minimum} and {maximum}; fractions "
     "allowed)",
     nullptr, SetText<&O::maximumText>},
    {"--no-max", none, nullptr, search, "", "\"(no maximum limit)\": no upper length limit",
     nullptr, Set<&O::noMaximum, true>},
    {"--anagram", none, nullptr, search, "",
     "\"Find only exact anagrams\": words exactly as\nlong as LETTERS (the limits do not apply);\n"
     "with board letters, the part of the word\nlaid from LETTERS uses every tile",
     nullptr, Set<&O::anagram, true>},
    {"--sort", text, WordsOf<SortOrder>, search, "", "the order of the search (default {order})",
     nullptr, SetWord<&O::order, ValueOf<SortOrder>>},
    {"--points", text, WordsOf<PointScheme>, search, "", "the letter values (default {scheme})",
     nullptr,
     [](Read& r, Name, Value v) {
         r.parsed.options.scheme = *ValueOf<PointScheme>(v);
         r.pointsGiven = true;
         return kNoComplaint;
     }},
    {"--custom", text, nullptr, search, "V1,...,V26",
     "the custom values A to Z, as typed into the\ncustom point editor (implies --points custom)",
     nullptr,
     [](Read& r, Name, Value v) -> Complaint {
         // Values per named tile, for another alphabet, are read through it later.
         r.parsed.options.customTiles = v;
         r.parsed.options.customEntries.emplace();
         if (r.inTiles)
             return kNoComplaint;
         auto entries = SplitCommas(Latin1FromUtf8(v));
         if (entries.size() != 26)
             return Defer(r, "--custom needs 26 values, A to Z, separated by commas (" +
                                 std::to_string(entries.size()) + " given)");
         r.parsed.options.customEntries = std::move(entries);
         return kNoComplaint;
     }},
    {"--no-points", none, nullptr, search, "",
     "items without points, as with \"Calculate\npoints when displaying words\" unchecked", nullptr,
     Set<&O::usePoints, false>},
    {"--then", text, WordsOf<SortOrder>, search, "",
     "afterwards choose that sort option, re-sorting\nthe shown results; may be repeated", nullptr,
     [](Read& r, Name, Value v) {
         r.parsed.options.thenOrders.push_back(*ValueOf<SortOrder>(v));
         return kNoComplaint;
     }},
    {"--starts", text, nullptr, search, "TEXT", "the word begins with TEXT", kBoardHeading,
     SetBoard<&B::starts, BoardBox::starts>},
    {"--ends", text, nullptr, search, "TEXT", "the word ends with TEXT", nullptr,
     SetBoard<&B::ends, BoardBox::ends>},
    {"--contains", text, nullptr, search, "TEXT",
     "the word holds TEXT as one run of letters;\nstarts, ends and contains may not overlap",
     nullptr, SetBoard<&B::contains, BoardBox::contains>},
    {"--pattern", text, nullptr, search, "PAT",
     "letters and dots, as long as the word: a\nletter is a board letter in that place, a\n"
     "dot a square filled from LETTERS (not with\n--starts, --ends or --contains)",
     nullptr, SetBoard<&B::pattern, BoardBox::pattern>},
    {"--format", text, WordsOf<OutputFormat>, any, "",
     "text: the list's items (default); tsv: a\nheader line and a row per word; json: an\n"
     "array of objects. Columns: word, length,\nscore (empty or null with --no-points),\n"
     "blanks (the letters the blanks stand for),\nscore_blanks_zero (the score with those\n"
     "letters counted as zero). In tsv, \\, tab,\nline feed and carriage return in a word are\n"
     "written \\\\, \\t, \\n and \\r",
     "Output:", SetWord<&O::format, ValueOf<OutputFormat>>},
    {"--all-schemes", none, nullptr, search, "",
     "with tsv or json: add the columns scrabble,\nliterati and wordmojo, and custom when\n"
     "--custom is given",
     nullptr, Set<&O::allSchemes, true>},
    {"--check", none, nullptr, any, "WORD...",
     "check each WORD against the list instead of\nsearching: whether it is in the list, and\n"
     "its front and back hooks (letters that make\na word of the list put before or after it)",
     nullptr, Set<&O::check, true>},
    {"-h", none, nullptr, any, "", "", nullptr, Answer<Action::help>},
    {"--help", none, nullptr, any, "", "show this text", nullptr, Answer<Action::help>},
    {"--version", none, nullptr, any, "", "show the version of anagrove-find", nullptr,
     Answer<Action::version>},
};

} // namespace

std::span<const FindOption> FindOptionTable() {
    return kOptions;
}

const FindOption* FindOptionNamed(std::string_view name) {
    const auto row = std::ranges::find(kOptions, name, &FindOption::name);
    return row == std::end(kOptions) ? nullptr : row;
}

std::string OneOf(const std::vector<std::string_view>& words) {
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i)
        list.append(i == 0 ? "" : i + 1 == words.size() ? " or " : ", ").append(words[i]);
    return list;
}

} // namespace anagrove::cli
