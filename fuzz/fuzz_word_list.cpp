// Any bytes load as a word list: the words are those of the plain line cutter,
// at most the capacity, and a search over them finds exactly the words that
// pass the plain test.

#include "points/letter_points.h"
#include "reference/literal_search.h"
#include "search/find_words.h"
#include "word_list/word_list.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace anagrove;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first bytes, up to a NUL, are the typed letters; the rest is the list.
    const std::size_t nul = text.find('\0');
    const std::string_view letters = nul == std::string_view::npos ? "" : text.substr(0, nul);
    const std::string_view file = nul == std::string_view::npos ? text : text.substr(nul + 1);

    auto list = std::make_shared<const WordList>(TakeWordList(std::string(file)));
    const std::vector<std::string> lines = literal::CutLines(file);
    if (static_cast<std::size_t>(list->WordCount()) > lines.size())
        std::abort();
    for (std::int32_t i = 0; i < list->WordCount(); ++i)
        if ((*list)[i] != lines[static_cast<std::size_t>(i)])
            std::abort();
    if (list->WordCount() + list->DroppedWords() != static_cast<std::int64_t>(lines.size()))
        std::abort();

    const SearchLimits limits{0, 6.5, letters.size() % 3 == 0, letters.size() % 5 == 4};
    const LetterPoints& points = PresetTable(PointScheme::wordmojo);
    const FoundWords found = FindWords(letters, limits, list, points);
    const literal::Found expected = literal::findwords(
        letters, literal::Limits{limits.minimum, limits.maximum, limits.noMaximum, limits.anagram},
        lines, points);
    if (found.matched != expected.matched || found.rows.size() != expected.rows.size())
        std::abort();
    for (std::size_t r = 0; r < found.rows.size(); ++r)
        if (found.rows[r].word != expected.rows[r].word ||
            ScoreField(found.rows[r]) != expected.rows[r].score ||
            LengthField(found.rows[r]) != expected.rows[r].length)
            std::abort();
    return 0;
}
