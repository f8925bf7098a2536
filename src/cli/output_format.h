#pragma once
// The forms anagrove-find writes its results and word checks in.

#include "base/word_table.h"

#include <optional>
#include <span>
#include <string_view>

namespace anagrove::cli {

enum class OutputFormat { text, tsv, json };

// The word of a format on the command line ("text", "tsv", "json").
[[nodiscard]] const char* OutputFormatWord(OutputFormat format);
// The format of a word; nothing for any other word (exact, case-sensitive).
[[nodiscard]] std::optional<OutputFormat> OutputFormatFromWord(std::string_view word);
// Every format with its word.
[[nodiscard]] std::span<const NamedValue<OutputFormat>> OutputFormatWords();

} // namespace anagrove::cli
