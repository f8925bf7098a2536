// anagrove-find: the search of the "Find Words" button, from a terminal.

#include "cli/find_command.h"
#include "platform/program_directory.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return anagrove::cli::RunFindCommand(args, anagrove::ExecutableDirectory(), std::cin, std::cout,
                                         std::cerr);
}
