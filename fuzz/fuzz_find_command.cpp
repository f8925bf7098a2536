// anagrove-find with any arguments, over two small word lists or one read
// from standard input: it never crashes, it answers with exit status 0 to 3,
// and what it writes as JSON is JSON.

#include "cli/find_command.h"
#include "cli/find_options.h"
#include "cli/json_reader.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ProgramDirectory() {
    static const std::string directory = [] {
        namespace fs = std::filesystem;
        std::random_device device;
        fs::path made;
        do
            made = fs::temp_directory_path() / ("anagrove-fuzz-" + std::to_string(device()));
        while (!fs::create_directory(made));
        std::ofstream(made / "standard.txt", std::ios::binary)
            << "a\r\nat\r\nate\r\neat\r\neta\r\ntae\r\ntea\r\nTeA\r\n\r\nquiz\r\nit's\r\n";
        std::ofstream(made / "extended.txt", std::ios::binary)
            << "zzz\nfuzz\nbuzz\xe9\nrestrain\nretains\nstainer\nretinas\n";
        return made.string();
    }();
    return directory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Arguments are separated by NUL bytes. A named word list could be any
    // file of the machine, so --word-list always reads standard input, which
    // holds the last argument.
    std::vector<std::string> args(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[k]);
    }
    std::istringstream in(args.back());
    for (std::size_t k = 0; k + 1 < args.size(); ++k)
        if (args[k] == "--word-list")
            args[k + 1].assign(1, '-'); // not = "-": GCC 12 warns wrongly (-Wrestrict) at -O3
    std::ostringstream out;
    std::ostringstream err;
    const int status = anagrove::cli::RunFindCommand(args, ProgramDirectory(), in, out, err);
    if (status < 0 || status > 3 || (status != 0 && status != 3 && err.str().empty()))
        std::abort();
    // JSON output parses, whatever the list holds.
    const auto parsed = anagrove::cli::ParseFindArguments(args);
    if (parsed && parsed->action == anagrove::cli::ParsedCommandLine::Action::search &&
        parsed->options.format == anagrove::cli::OutputFormat::json &&
        (status == 0 || status == 3) && !testing_support::JsonReader::Read(out.str()))
        std::abort();
    return 0;
}
