#pragma once
// anagrove-find's arguments read as options, each with its value, and words.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove::cli {

struct Argument {
    std::string text; // the option, or the word
    bool option = false;
    // The value of an option that takes one; nothing when the arguments end
    // before it.
    std::optional<std::string> value;
};

// Whether the option takes the argument after it as its value.
[[nodiscard]] bool TakesValue(std::string_view option);

// The arguments in order. An option that takes a value takes the next
// argument, whatever it looks like. "-", an argument that does not begin with
// "-", and every argument after "--" are words; "--" itself is left out.
[[nodiscard]] std::vector<Argument> SplitArguments(const std::vector<std::string>& args);

} // namespace anagrove::cli
