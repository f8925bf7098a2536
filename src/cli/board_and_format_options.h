#pragma once
// anagrove-find's options for board letters, output formats and word checks.

#include "cli/find_options.h"

#include <optional>
#include <string>
#include <string_view>

namespace anagrove::cli {

// --starts, --ends, --contains, --pattern and --format, which take a value.
[[nodiscard]] bool IsBoardOrFormatOption(std::string_view arg);

// Sets the option from its value; gives the complaint when the value is
// refused or the option was given before.
[[nodiscard]] std::optional<std::string>
TakeBoardOrFormatOption(const std::string& option, const std::string& value, FindOptions& o);

// The complaint about options that cannot go together, once all are read.
// searchOption names the first option given that only a search uses, if any.
[[nodiscard]] std::optional<std::string> RefuseConflicts(const FindOptions& o,
                                                         const std::string& searchOption);

} // namespace anagrove::cli
