#pragma once
// anagrove-find's options, one row each. The parser, --help and the bash
// completion are all made from this table.

#include "cli/find_options.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove::cli {

// What an option takes from the argument after it.
enum class OptionValue {
    none, // nothing: the option stands alone
    text, // a text: one of the option's words, when it has words
    file, // a file name
};

// Which command lines an option belongs to.
enum class OptionUse {
    search, // only a search's, so --check refuses it
    any,    // a search's and --check's, or one that answers instead of either
};

// What the options read so far have set.
struct OptionsRead {
    ParsedCommandLine parsed;
    bool pointsGiven = false; // --points was given
    // --language names a language other than English: board texts are kept
    // as typed, to be read through its alphabet.
    bool inTiles = false;
    // --word-list without --language: the list's first line may name another
    // alphabet, so the English refusals of board texts and custom values wait
    // until it is read.
    bool listMayNameAlphabet = false;
};

// A refusal of an option, as its one line.
using Complaint = std::optional<std::string>;

struct FindOption {
    const char* name; // as given: "--sort", or a short name such as "-h"
    OptionValue value;
    std::vector<std::string_view> (*words)(); // the values allowed, or nullptr for any
    OptionUse use;
    const char* shown; // what follows the name in --help, unless its words
    const char* help;  // its lines in --help; empty when it shares the next row's
    // The line that --help puts before it (a group's heading), or nullptr.
    const char* heading;
    // Applies the option with its value, which is one of its words when it
    // has words.
    Complaint (*take)(OptionsRead& read, std::string_view name, const std::string& value);
};

// Every option, in the order --help lists them.
[[nodiscard]] std::span<const FindOption> FindOptionTable();
// The option of that name; nullptr for an unknown one.
[[nodiscard]] const FindOption* FindOptionNamed(std::string_view name);

// The words of an enumeration, in its table's order.
template <class Enum> [[nodiscard]] std::vector<std::string_view> WordsOf() {
    std::vector<std::string_view> words;
    for (const NamedValue<Enum>& entry : NamedValues<Enum>())
        words.push_back(entry.word);
    return words;
}

// The words joined as a list to choose from: "a, b or c".
[[nodiscard]] std::string OneOf(const std::vector<std::string_view>& words);

} // namespace anagrove::cli
