#include "cli/output_format.h"

#include "base/word_table.h"

namespace anagrove::cli {

namespace {
constexpr WordTable<OutputFormat, 3> kFormatWords{
    {{OutputFormat::text, "text"}, {OutputFormat::tsv, "tsv"}, {OutputFormat::json, "json"}}};
} // namespace

const char* OutputFormatWord(OutputFormat format) {
    return WordOf(kFormatWords, format);
}

std::optional<OutputFormat> OutputFormatFromWord(std::string_view word) {
    return ValueOf(kFormatWords, word);
}

std::span<const NamedValue<OutputFormat>> OutputFormatWords() {
    return kFormatWords;
}

} // namespace anagrove::cli
