// Whatever a settings file holds, reading it never fails, and writing what was
// read and reading that again gives the same fields (without the double quotes
// and line breaks that a field cannot hold).

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    const Settings read = ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string line = FormatSettings(read);
    const Settings again = ParseSettings(line);

    Settings expected = read;
    for (std::string* field :
         {&expected.SortSetting, &expected.MinLettersSetting, &expected.MaxLettersSetting,
          &expected.NomaxSetting, &expected.AnagramSetting, &expected.DictionarySetting,
          &expected.UsepointsSetting, &expected.PointsSetting})
        *field = WithoutQuotesAndBreaks(*field);
    for (std::string& value : expected.customPoints)
        value = WithoutQuotesAndBreaks(value);
    if (!(again == expected) || FormatSettings(again) != line)
        std::abort();
    return 0;
}
