#include "command_line.h"

#include "anagrove_version.h"

#include <algorithm>

namespace anagrove::ui {

namespace {

constexpr const char* kUsage = R"usage(Usage: anagrove [--version] [--help] [Qt options]

Opens the Anagrove window: type the letter tiles you hold and press "Find
Words" to list every word that can be laid with them. anagrove-find runs the
same search from a terminal (see anagrove-find --help).

Options:
  --version    show the version of anagrove
  -h, --help   show this text
Qt's own options, such as -platform NAME or -style NAME, are understood too.
)usage";

bool Has(const std::vector<std::string>& args, const char* option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

} // namespace

std::optional<int> AnswerCommandLine(const std::vector<std::string>& args, std::ostream& out) {
    if (Has(args, "--help") || Has(args, "-h")) {
        out << kUsage;
        return 0;
    }
    if (Has(args, "--version")) {
        out << "anagrove " << kVersion << '\n';
        return 0;
    }
    return std::nullopt;
}

} // namespace anagrove::ui
