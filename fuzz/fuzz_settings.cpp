// Whatever a settings file holds, reading it never fails, and writing what was
// read and reading that again gives the same fields (without the double quotes
// and line breaks that a field cannot hold; a word without them may then name
// a value).

#include "app/settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string WithoutQuotesAndBreaks(const std::string& text) {
    std::string clean;
    for (char c : text)
        if (c != '"' && c != '\r' && c != '\n')
            clean += c;
    return clean;
}

template <class Value>
void Clean(anagrove::StoredChoice<Value>& choice,
           std::optional<Value> (*fromWord)(std::string_view)) {
    if (auto* word = std::get_if<std::string>(&choice)) {
        *word = WithoutQuotesAndBreaks(*word);
        if (const auto value = fromWord(*word))
            choice = *value;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    const Settings read =
        ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string line = FormatSettings(read);
    const Settings again = ParseSettings(line);

    Settings expected = read;
    Clean(expected.order, ValueOf<SortOrder>);
    Clean(expected.wordList, ValueOf<WordListKind>);
    Clean(expected.scheme, ValueOf<PointScheme>);
    for (std::string* text : {&expected.minimumText, &expected.maximumText})
        *text = WithoutQuotesAndBreaks(*text);
    for (std::string& value : expected.customPoints)
        value = WithoutQuotesAndBreaks(value);
    if (!(again == expected) || FormatSettings(again) != line)
        std::abort();
    return 0;
}
