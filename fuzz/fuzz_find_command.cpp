// anagrove-find with any arguments, over two small word lists: it never
// crashes, and it answers with exit status 0, 1 or 2.

#include "cli/find_command.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string ProgramDirectory() {
    static const std::string directory = [] {
        char pattern[] = "/tmp/anagrove-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr)
            std::abort();
        std::ofstream(std::string(made) + "/standard.txt", std::ios::binary)
            << "a\r\nat\r\nate\r\neat\r\neta\r\ntae\r\ntea\r\nTeA\r\n\r\nquiz\r\nit's\r\n";
        std::ofstream(std::string(made) + "/extended.txt", std::ios::binary)
            << "zzz\nfuzz\nbuzz\xe9\nrestrain\nretains\nstainer\nretinas\n";
        return std::string(made);
    }();
    return directory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Arguments are separated by NUL bytes. A named word list could be any
    // file of the machine, so that option is left out.
    std::vector<std::string> args(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[k]);
    }
    for (std::size_t k = 0; k < args.size(); ++k)
        if (args[k] == "--word-list")
            args[k] = "--anagram";
    std::ostringstream out;
    std::ostringstream err;
    const int status = anagrove::cli::RunFindCommand(args, ProgramDirectory(), out, err);
    if (status < 0 || status > 2 || (status != 0 && err.str().empty()))
        std::abort();
    return 0;
}
