#include "cli/option_arguments.h"

#include "cli/option_table.h"

namespace anagrove::cli {

bool TakesValue(std::string_view option) {
    const FindOption* row = FindOptionNamed(option);
    return row && row->value != OptionValue::none;
}

std::vector<Argument> SplitArguments(const std::vector<std::string>& args) {
    std::vector<Argument> split;
    bool onlyWords = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyWords || arg.empty() || arg[0] != '-' || arg == "-") {
            split.push_back({arg, false, std::nullopt});
        } else if (arg == "--") {
            onlyWords = true;
        } else {
            split.push_back({arg, true, std::nullopt});
            if (TakesValue(arg) && i + 1 < args.size())
                split.back().value = args[++i];
        }
    }
    return split;
}

} // namespace anagrove::cli
