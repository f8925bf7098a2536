#pragma once
// The desktop program's own options, answered before any window opens, so that
// they work without a display. Qt reads the rest (-platform, -style, ...).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace anagrove::ui {

// What the window opens with when the command line says: a shipped language by
// its code, or a player's own word list file (read in the alphabet its first
// line names, else in the language given). Neither: the choice kept from the last run.
struct StartChoice {
    std::optional<std::string> language;
    std::optional<std::string> wordListFile;
    bool operator==(const StartChoice&) const = default;
};

// --version, -h/--help, or a --language or --word-list that cannot be used,
// among the arguments after the program name: writes the answer (or the
// complaint) to out and returns the exit status. Otherwise nothing, and the
// window opens.
[[nodiscard]] std::optional<int> AnswerCommandLine(const std::vector<std::string>& args,
                                                   std::ostream& out);

// The language and the list file the arguments name ("--language es",
// "--language=es", "--word-list FILE"); the last of each counts.
[[nodiscard]] StartChoice ReadStartChoice(const std::vector<std::string>& args);

} // namespace anagrove::ui
