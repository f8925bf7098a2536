#include "platform/terminal.h"

namespace anagrove {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

TerminalStreams::TerminalStreams() = default;
TerminalStreams::~TerminalStreams() = default;

} // namespace anagrove
