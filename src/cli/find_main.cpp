// anagrove-find: the search of the "Find Words" button, from a terminal.

#include "cli/find_command.h"
#include "platform/program_directory.h"
#include "platform/terminal.h"

#include <iostream>

int main(int argc, char** argv) {
    const anagrove::TerminalStreams streams;
    std::ios::sync_with_stdio(false);
    const int status = anagrove::cli::RunFindCommand(anagrove::CommandLineArguments(argc, argv),
                                                     anagrove::ExecutableDirectory(), std::cin,
                                                     std::cout, std::cerr);
    // Out while the streams are still as they were readied.
    std::cout.flush();
    return status;
}
