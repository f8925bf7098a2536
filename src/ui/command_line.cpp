#include "command_line.h"

#include "anagrove_version.h"
#include "app/languages.h"

#include <algorithm>

namespace anagrove::ui {

namespace {

constexpr int kExitBadOption = 2;

constexpr const char* kUsage =
    R"usage(Usage: anagrove [--language CODE] [--word-list FILE] [--version] [--help] [Qt options]

Opens the Anagrove window: type the letter tiles you hold and press "Find
Words" to list every word that can be laid with them. anagrove-find runs the
same search from a terminal (see anagrove-find --help).

Options:
  --language CODE   open with the word list of that language: )usage";

constexpr const char* kUsageEnd = R"usage(
                    (anagrove-find --list-languages lists them)
  --word-list FILE  open with your own word list, a UTF-8 file of one word a
                    line whose first line may name its alphabet ("#alphabet es")
  --version         show the version of anagrove
  -h, --help        show this text
A language or list chosen here is kept for the next run, as one chosen from
the menu of "Dictionary to use" (right-click one of its options).
Qt's own options, such as -platform NAME or -style NAME, are understood too.
)usage";

bool Has(const std::vector<std::string>& args, const char* option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

std::string LanguageCodes() {
    std::string codes;
    for (const ShippedLanguage& language : ShippedLanguages())
        codes.append(codes.empty() ? "" : ", ").append(language.code);
    return codes;
}

// The value of an option given as "--name VALUE" or "--name=VALUE" at args[i],
// and how many arguments it took; nothing when args[i] is not that option.
struct OptionValue {
    std::optional<std::string> value; // none when the option ends the line
    std::size_t taken = 1;
};
std::optional<OptionValue> ValueOf(const std::vector<std::string>& args, std::size_t i,
                                   const std::string& name) {
    const std::string& arg = args[i];
    if (arg == name)
        return i + 1 < args.size() ? OptionValue{args[i + 1], 2} : OptionValue{};
    if (arg.starts_with(name + "="))
        return OptionValue{arg.substr(name.size() + 1), 1};
    return std::nullopt;
}

} // namespace

std::optional<int> AnswerCommandLine(const std::vector<std::string>& args, std::ostream& out) {
    if (Has(args, "--help") || Has(args, "-h")) {
        out << kUsage << LanguageCodes() << kUsageEnd;
        return 0;
    }
    if (Has(args, "--version")) {
        out << "anagrove " << kVersion << '\n';
        return 0;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        for (const char* name : {"--language", "--word-list"}) {
            const auto given = ValueOf(args, i, name);
            if (!given)
                continue;
            if (!given->value || given->value->empty()) {
                out << "anagrove: " << name << " needs a value (see anagrove --help)\n";
                return kExitBadOption;
            }
            if (std::string_view(name) == "--language" && !FindShippedLanguage(*given->value)) {
                out << "anagrove: --language takes one of " << LanguageCodes() << ", not \""
                    << *given->value << "\"\n";
                return kExitBadOption;
            }
        }
    }
    return std::nullopt;
}

StartChoice ReadStartChoice(const std::vector<std::string>& args) {
    StartChoice choice;
    for (std::size_t i = 0; i < args.size();) {
        std::size_t taken = 1;
        if (const auto language = ValueOf(args, i, "--language")) {
            choice.language = language->value;
            taken = language->taken;
        } else if (const auto list = ValueOf(args, i, "--word-list")) {
            choice.wordListFile = list->value;
            taken = list->taken;
        }
        i += taken;
    }
    return choice;
}

} // namespace anagrove::ui
