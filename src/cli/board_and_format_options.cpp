#include "cli/board_and_format_options.h"

#include "base/letters.h"

namespace anagrove::cli {

namespace {

// The text in lower case, or nothing when it is empty or holds anything but
// letters a-z (either case) and, where allowed, dots.
std::optional<std::string> BoardText(const std::string& value, bool dots) {
    std::string text;
    for (char c : value) {
        if (!IsLetter(c) && !(dots && c == '.'))
            return std::nullopt;
        text += LowerLetter(c);
    }
    if (text.empty())
        return std::nullopt;
    return text;
}

} // namespace

bool IsBoardOrFormatOption(std::string_view arg) {
    return arg == "--starts" || arg == "--ends" || arg == "--contains" || arg == "--pattern" ||
           arg == "--format";
}

std::optional<std::string> TakeBoardOrFormatOption(const std::string& option,
                                                   const std::string& value, FindOptions& o) {
    if (option == "--format") {
        const auto format = OutputFormatFromWord(value);
        if (!format)
            return "--format must be text, tsv or json, not \"" + value + "\"";
        o.format = *format;
        return std::nullopt;
    }
    const bool pattern = option == "--pattern";
    std::string& text = pattern                ? o.board.pattern
                        : option == "--ends"   ? o.board.ends
                        : option == "--starts" ? o.board.starts
                                               : o.board.contains;
    if (!text.empty())
        return option + " may be given only once";
    const auto board = BoardText(value, pattern);
    if (!board)
        return pattern ? "--pattern must be letters a-z and dots, not \"" + value + "\""
                       : option + " must be letters a-z, not \"" + value + "\"";
    text = *board;
    return std::nullopt;
}

std::optional<std::string> RefuseConflicts(const FindOptions& o, const std::string& searchOption) {
    const BoardLetters& b = o.board;
    if (!b.pattern.empty() && (!b.starts.empty() || !b.ends.empty() || !b.contains.empty()))
        return "--pattern cannot go with --starts, --ends or --contains";
    if (o.allSchemes && o.format == OutputFormat::text)
        return "--all-schemes needs --format tsv or json";
    if (o.check && !searchOption.empty())
        return "--check cannot go with " + searchOption + ", which only a search uses";
    return std::nullopt;
}

} // namespace anagrove::cli
