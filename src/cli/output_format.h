#pragma once
// The forms anagrove-find writes its results and word checks in.

#include "base/word_table.h"

#include <optional>
#include <span>
#include <string_view>

namespace anagrove::cli {

enum class OutputFormat { text, tsv, json };

} // namespace anagrove::cli

// The word of a format on the command line.
template <> struct anagrove::EnumWords<anagrove::cli::OutputFormat> {
    using F = cli::OutputFormat;
    static constexpr WordTable<F, 3> table{{{F::text, "text"}, {F::tsv, "tsv"}, {F::json, "json"}}};
};
