// Speed of the search, the sorts and loading, each beside the literal
// reference on the same input. Run from the build's bin directory, where the
// word lists lie:  anagrove-bench --benchmark_repetitions=5
//                      --benchmark_report_aggregates_only=true

#include "app/data_files.h"
#include "platform/program_directory.h"
#include "platform/whole_file.h"
#include "points/letter_points.h"
#include "reference/literal_search.h"
#include "search/board_letters.h"
#include "search/find_words.h"
#include "sort/sort_found.h"
#include "word_list/word_check.h"
#include "word_list/word_list.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace anagrove;

// The extended list, read once for all benchmarks.
struct ExtendedList {
    std::string text;
    std::shared_ptr<const WordList> list;
    std::vector<std::string> literalList;

    ExtendedList() {
        FileText file = ReadWholeFile(WordListPath(ExecutableDirectory(), WordListKind::extended));
        if (!file)
            throw std::runtime_error("extended.txt not found beside the benchmark: " +
                                     file.error());
        text = std::move(*file);
        list = std::make_shared<const WordList>(TakeWordList(std::string(text)));
        literalList = literal::CutLines(text);
    }
};

const ExtendedList& Extended() {
    static const ExtendedList extended;
    return extended;
}

const LetterPoints& Scrabble() {
    return PresetTable(PointScheme::scrabble);
}

SearchLimits Limits(double minimum, double maximum, bool noMaximum) {
    return SearchLimits{minimum, maximum, noMaximum, false};
}

literal::Limits LiteralLimits(const SearchLimits& l) {
    return literal::Limits{l.minimum, l.maximum, l.noMaximum, l.anagram};
}

// ---- matching --------------------------------------------------------------

// A later search of a list: its index is built before the first measured one.
void Match(benchmark::State& state, const char* letters, SearchLimits limits) {
    const auto& data = Extended();
    benchmark::DoNotOptimize(data.list->Index());
    std::int64_t found = 0;
    for (auto _ : state) {
        FoundWords result = FindWords(letters, limits, data.list, Scrabble());
        found = result.matched;
        benchmark::DoNotOptimize(result);
    }
    state.counters["matches"] = static_cast<double>(found);
}

void MatchLiteral(benchmark::State& state, const char* letters, SearchLimits limits) {
    const auto& data = Extended();
    for (auto _ : state) {
        auto result =
            literal::findwords(letters, LiteralLimits(limits), data.literalList, Scrabble());
        benchmark::DoNotOptimize(result);
    }
}

// A list's first search, which reads the words themselves: each time on a
// list just loaded from the same text.
void FirstMatch(benchmark::State& state, const char* letters, SearchLimits limits) {
    const auto& data = Extended();
    std::int64_t found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_shared<const WordList>(TakeWordList(std::string(data.text)));
        state.ResumeTiming();
        FoundWords result = FindWords(letters, limits, list, Scrabble());
        found = result.matched;
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        result = FoundWords{};
        list.reset();
        state.ResumeTiming();
    }
    state.counters["matches"] = static_cast<double>(found);
}

BENCHMARK_CAPTURE(FirstMatch, retains_blank, "retains*", Limits(2, 8, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstMatch, ten_blanks_nomax, "**********", Limits(2, 8, true))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstMatch, no_match_qzjx, "qzjx", Limits(2, 8, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Match, retains_blank, "retains*", Limits(2, 8, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchLiteral, retains_blank, "retains*", Limits(2, 8, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Match, ten_blanks_nomax, "**********", Limits(2, 8, true))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchLiteral, ten_blanks_nomax, "**********", Limits(2, 8, true))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Match, no_match_qzjx, "qzjx", Limits(2, 8, false))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchLiteral, no_match_qzjx, "qzjx", Limits(2, 8, false))
    ->Unit(benchmark::kMillisecond);

// ---- board letters and word checks -------------------------------------------

// The same rack with board letters; "retains*" alone is Match/retains_blank.
void MatchOnBoard(benchmark::State& state, const char* letters, BoardLetters board) {
    const auto& data = Extended();
    std::int64_t found = 0;
    for (auto _ : state) {
        FoundWords result =
            FindWithBoard(letters, Limits(2, 15, false), board, data.list, Scrabble());
        found = result.matched;
        benchmark::DoNotOptimize(result);
    }
    state.counters["matches"] = static_cast<double>(found);
}

BENCHMARK_CAPTURE(Match, retains_blank_to_15, "retains*", Limits(2, 15, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchOnBoard, retains_blank_starts_un, "retains*", BoardLetters{"un", "", "", ""})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchOnBoard, retains_blank_ends_s, "retains*", BoardLetters{"", "s", "", ""})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchOnBoard, retains_blank_contains_ing, "retains*",
                  BoardLetters{"", "", "ing", ""})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchOnBoard, retains_blank_pattern, "retains*",
                  BoardLetters{"", "", "", "..a...e.."})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Match, ten_blanks_to_15, "**********", Limits(2, 15, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MatchOnBoard, ten_blanks_contains_e, "**********", BoardLetters{"", "", "e", ""})
    ->Unit(benchmark::kMillisecond);

// --check: one word with its hooks, once the list is loaded and indexed.
void CheckWord(benchmark::State& state) {
    static const WordChecker checker(*Extended().list);
    for (auto _ : state) {
        WordCheck check = checker.Check("retains");
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(CheckWord)->Unit(benchmark::kMicrosecond);

void IndexForChecks(benchmark::State& state) {
    for (auto _ : state) {
        WordChecker checker(*Extended().list);
        benchmark::DoNotOptimize(checker);
    }
}
BENCHMARK(IndexForChecks)->Unit(benchmark::kMillisecond);

// ---- sorting ---------------------------------------------------------------

// 200,001 rows in list order: twenty blanks match nearly every word.
const FoundWords& FullTable() {
    static const FoundWords table =
        FindWords("********************", Limits(0, 0, true), Extended().list, Scrabble());
    return table;
}

literal::TextTable LiteralRows(const FoundWords& found, std::size_t rows) {
    literal::TextTable table;
    for (std::size_t r = 0; r < rows && r < found.rows.size(); ++r)
        table.push_back(literal::TextRow{std::string(found.rows[r].word), ScoreField(found.rows[r]),
                                         LengthField(found.rows[r])});
    return table;
}

// Sorts a copy of the full table in an order, starting from list order or, with
// fromOwnOrder, from the order it gives itself.
void Sort(benchmark::State& state, SortOrder order, bool fromOwnOrder) {
    FoundWords start = FullTable();
    if (fromOwnOrder)
        SortFound(start, order);
    for (auto _ : state) {
        state.PauseTiming();
        FoundWords rows = start;
        state.ResumeTiming();
        SortFound(rows, order);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(start.rows.size());
}

// The literal sort on the first state.range(0) rows of the same input.
void SortLiteral(benchmark::State& state, SortOrder order, bool fromOwnOrder) {
    literal::TextTable start = LiteralRows(FullTable(), static_cast<std::size_t>(state.range(0)));
    const int option = static_cast<int>(order);
    if (fromOwnOrder)
        literal::SortByOption(start, option);
    for (auto _ : state) {
        state.PauseTiming();
        literal::TextTable rows = start;
        state.ResumeTiming();
        literal::SortByOption(rows, option);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(start.size());
    state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(Sort, alpha_in_order, SortOrder::alpha, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortLiteral, alpha_in_order, SortOrder::alpha, true)
    ->RangeMultiplier(2)
    ->Range(1000, 8000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sort, score_from_list_order, SortOrder::score, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortLiteral, score_from_list_order, SortOrder::score, false)
    ->Arg(200001)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sort, score_from_own_order, SortOrder::score, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortLiteral, score_from_own_order, SortOrder::score, true)
    ->Arg(200001)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sort, length_from_list_order, SortOrder::length, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortLiteral, length_from_list_order, SortOrder::length, false)
    ->Arg(200001)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sort, length_from_own_order, SortOrder::length, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortLiteral, length_from_own_order, SortOrder::length, true)
    ->Arg(200001)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// 200,001 rows whose scores all differ, already highest first: the literal
// quicksort takes quadratic time here; it is measured on fewer rows.
FoundWords DistinctScores(std::size_t rows) {
    FoundWords table = FullTable();
    table.rows.resize(std::min(rows, table.rows.size()));
    const auto n = static_cast<std::int64_t>(table.rows.size());
    for (std::int64_t r = 0; r < n; ++r)
        table.rows[static_cast<std::size_t>(r)].score = (n - r) * 2;
    return table;
}

void ResortDistinctScores(benchmark::State& state) {
    const FoundWords start = DistinctScores(200001);
    for (auto _ : state) {
        state.PauseTiming();
        FoundWords rows = start;
        state.ResumeTiming();
        SortFound(rows, SortOrder::score);
        benchmark::DoNotOptimize(rows);
    }
}

void ResortDistinctScoresLiteral(benchmark::State& state) {
    const FoundWords distinct = DistinctScores(static_cast<std::size_t>(state.range(0)));
    const literal::TextTable start = LiteralRows(distinct, distinct.rows.size());
    for (auto _ : state) {
        state.PauseTiming();
        literal::TextTable rows = start;
        state.ResumeTiming();
        literal::SortByOption(rows, 2);
        benchmark::DoNotOptimize(rows);
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(ResortDistinctScores)->Unit(benchmark::kMillisecond);
BENCHMARK(ResortDistinctScoresLiteral)
    ->RangeMultiplier(2)
    ->Range(1000, 8000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// ---- loading ---------------------------------------------------------------

void Load(benchmark::State& state) {
    const std::string path = WordListPath(ExecutableDirectory(), WordListKind::extended);
    for (auto _ : state) {
        FileText file = ReadWholeFile(path);
        WordList list = TakeWordList(std::move(*file));
        benchmark::DoNotOptimize(list);
    }
}

void LoadLiteral(benchmark::State& state) {
    const std::string path = WordListPath(ExecutableDirectory(), WordListKind::extended);
    for (auto _ : state) {
        FileText file = ReadWholeFile(path);
        auto words = literal::CutLines(*file);
        benchmark::DoNotOptimize(words);
    }
}

// Loading, then what the first search of a list builds: the index, and the
// byte order that the alphabetical order asks for.
void LoadAndIndex(benchmark::State& state) {
    const std::string path = WordListPath(ExecutableDirectory(), WordListKind::extended);
    for (auto _ : state) {
        FileText file = ReadWholeFile(path);
        WordList list = TakeWordList(std::move(*file));
        benchmark::DoNotOptimize(list.Index());
        benchmark::DoNotOptimize(list.Ranks());
    }
}

// The three interleaved, so that a busy machine slows them alike.
BENCHMARK(Load)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAndIndex)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
