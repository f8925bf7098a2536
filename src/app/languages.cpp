#include "app/languages.h"

#include "app/data_files.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace anagrove {

namespace {

constexpr ShippedLanguage kLanguages[] = {
    {"en", "ENABLE and SCOWL (Debian scowl)", "public domain; SCOWL's notice"},
    {"es", "Debian tanglet-data: Loren Brichter's word-game list", "CC0-1.0"},
    {"fr", "Debian tanglet-data: Loren Brichter's French list", "CC0-1.0"},
    {"de", "Debian tanglet-data: german-wordlist", "CC0-1.0"},
    {"pl", "Debian tanglet-data: the Polish game list", "CC-BY-4.0 or GPL-2.0"},
    {"ca", "Debian tanglet-data: Catalan list", "CC-BY-SA-3.0 or GPL-3.0"},
    {"nl", "Debian tanglet-data: Dutch list", "LGPL-3.0+"},
    {"pt", "Debian tanglet-data: Portuguese list", "GPL-2.0+"},
    {"pt-BR", "Debian tanglet-data: Brazilian Portuguese list", "GPL-2.0+"},
    {"it", "Debian witalian", "GPL-3.0+"},
};

std::optional<std::int64_t> LastNumber(std::string_view line) {
    const std::size_t tab = line.rfind('\t');
    if (tab == std::string_view::npos)
        return std::nullopt;
    std::int64_t n = 0;
    const char* end = line.data() + line.size();
    const auto [at, error] = std::from_chars(line.data() + tab + 1, end, n);
    return error == std::errc() && at == end ? std::optional(n) : std::nullopt;
}

} // namespace

std::span<const ShippedLanguage> ShippedLanguages() {
    return kLanguages;
}

const ShippedLanguage* FindShippedLanguage(std::string_view code) {
    const auto at = std::ranges::find(kLanguages, code, &ShippedLanguage::code);
    return at == std::end(kLanguages) ? nullptr : at;
}

std::string AlphabetPath(const std::string& programDirectory, std::string_view code) {
    return DataFilePath(programDirectory, "alphabets/" + std::string(code) + ".txt");
}

std::string LanguageListPath(const std::string& programDirectory, std::string_view code) {
    return DataFilePath(programDirectory, "languages/" + std::string(code) + ".txt");
}

std::string LanguageTilesPath(const std::string& programDirectory, std::string_view code) {
    return DataFilePath(programDirectory, "languages/" + std::string(code) + ".tiles");
}

std::string LanguageSummaryPath(const std::string& programDirectory, std::string_view code) {
    return DataFilePath(programDirectory, "languages/" + std::string(code) + ".summary");
}

std::optional<ListSummary> ReadListSummary(std::string_view text) {
    std::optional<ListSummary> summary;
    std::int64_t leftOut = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const auto n = LastNumber(line);
        if (!n)
            continue;
        if (line.starts_with("words\t"))
            summary = ListSummary{*n, 0};
        else if (line.starts_with("left out: "))
            leftOut += *n;
    }
    if (summary)
        summary->leftOut = leftOut;
    return summary;
}

} // namespace anagrove
