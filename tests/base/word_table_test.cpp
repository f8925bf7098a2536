// The settings and option words: each value's word reads back as the value,
// and only the exact word does.

#include "cli/output_format.h"
#include "dictionary/word_list.h"
#include "points/letter_points.h"
#include "results/sort_mode.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace anagrove;

template <class Enum> struct Row {
    Enum value;
    std::string word;
};

template <class Enum, class ToWord, class FromWord>
void ExpectWords(std::initializer_list<Row<Enum>> rows, ToWord toWord, FromWord fromWord) {
    for (const Row<Enum>& row : rows) {
        EXPECT_EQ(toWord(row.value), row.word);
        EXPECT_EQ(fromWord(row.word), std::optional(row.value)) << row.word;
        for (const std::string& near :
             {row.word + " ", " " + row.word, std::string(1, 'X') + row.word.substr(1)})
            EXPECT_EQ(fromWord(near), std::nullopt) << near;
    }
    EXPECT_EQ(fromWord(""), std::nullopt);
}

TEST(SettingsWords, EachValueHasOneWord) {
    ExpectWords<SortMode>(
        {{SortMode::alpha, "alpha"}, {SortMode::score, "score"}, {SortMode::length, "length"}},
        SortModeWord, SortModeFromWord);
    ExpectWords<DictionaryKind>(
        {{DictionaryKind::standard, "standard"}, {DictionaryKind::extended, "extended"}},
        DictionaryWord, DictionaryFromWord);
    ExpectWords<PointScheme>({{PointScheme::scrabble, "scrabble"},
                              {PointScheme::literati, "literati"},
                              {PointScheme::wordmojo, "wordmojo"},
                              {PointScheme::custom, "custom"}},
                             PointSchemeWord, PointSchemeFromWord);
    ExpectWords<cli::OutputFormat>({{cli::OutputFormat::text, "text"},
                                    {cli::OutputFormat::tsv, "tsv"},
                                    {cli::OutputFormat::json, "json"}},
                                   cli::OutputFormatWord, cli::OutputFormatFromWord);
}

} // namespace
