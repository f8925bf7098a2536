#pragma once
// A terminal program's command line and standard streams.

#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// The arguments after the program's name, in UTF-8 whatever the system's code
// page: on Windows they are taken from the wide command line, not from argv.
[[nodiscard]] std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Readies the standard streams while it lives: standard input gives its bytes
// unchanged (Windows would otherwise drop a CR before LF and stop at Ctrl+Z),
// and a Windows console shows UTF-8 output as such. Made once, in main, before
// the streams are used; puts the console back as it found it.
class TerminalStreams {
  public:
    TerminalStreams();
    TerminalStreams(const TerminalStreams&) = delete;
    TerminalStreams& operator=(const TerminalStreams&) = delete;
    ~TerminalStreams();

  private:
    unsigned consoleCodePage_ = 0; // to put back; 0: none was changed
};

// Writes a windowed program's answer (its --help or --version) to standard
// output. A Windows program without a console of its own has no standard
// output unless it was redirected; it then writes to the console it was
// started from, if there is one.
void PrintFromWindowedProgram(std::string_view text);

} // namespace anagrove
