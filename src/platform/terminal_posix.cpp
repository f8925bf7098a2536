#include "platform/terminal.h"

#include <cstdio>

namespace anagrove {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

TerminalStreams::TerminalStreams() = default;
TerminalStreams::~TerminalStreams() = default;

void PrintFromWindowedProgram(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

} // namespace anagrove
