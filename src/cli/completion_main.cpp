// anagrove-find-completion FILE: writes anagrove-find's bash completion script,
// made from its option table, to FILE.

#include "cli/option_texts.h"

#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    std::ofstream out(argv[1], std::ios::binary);
    out << anagrove::cli::FindCompletionScript();
    return out.flush() ? 0 : 1;
}
