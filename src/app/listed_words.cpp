#include "app/listed_words.h"

#include "app/texts.h"

#include <string_view>

namespace anagrove {

namespace {

// Calls each(row) for the listed rows, in list order.
template <typename Each>
void ForEachListed(const FoundWords& found, const ResultListing& listing, Each each) {
    for (std::int32_t i = 0; i < listing.rowCount; ++i)
        each(found.rows[static_cast<std::size_t>(listing.firstRow + i)]);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string ListedWordsText(const FoundWords& found, const ResultListing& listing) {
    std::string text;
    ForEachListed(found, listing, [&](const FoundRow& row) { (text += row.word) += '\n'; });
    return text;
}

std::string ListedItemsText(const FoundWords& found, const ResultListing& listing,
                            std::string_view lineEnd) {
    std::string text;
    ForEachListed(found, listing,
                  [&](const FoundRow& row) { (text += ItemText(row, listing.form)) += lineEnd; });
    return text;
}

std::string ListedCsvText(const FoundWords& found, const ResultListing& listing,
                          const SearchRack& rack) {
    return ListedCsvText(found, listing,
                         [&rack](const FoundRow& row) { return RowBlankUse(row, rack); });
}

std::string ListedCsvText(const FoundWords& found, const ResultListing& listing,
                          const std::function<BlankUse(const FoundRow&)>& blanksOf) {
    std::string text = kCsvHeaderLine;
    ForEachListed(found, listing, [&](const FoundRow& row) {
        const BlankUse use = blanksOf(row);
        text += CsvField(row.word) + ',' + std::to_string(row.length) + ',' +
                std::to_string(row.score) + ',' + CsvField(use.letters) + ',' +
                std::to_string(use.scoreBlanksZero) + "\r\n";
    });
    return text;
}

} // namespace anagrove
