// The web page's session compiled natively: the searches whose times the page
// reports (bench/web-speed.mjs runs them in Chromium), for the ratio of the
// WebAssembly module to native code. Run from the build's bin directory:
//   anagrove-web-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "app/data_files.h"
#include "platform/program_directory.h"
#include "platform/whole_file.h"
#include "web/web_session.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using namespace anagrove;
using web::Choice;
using web::Session;
using web::TextField;

const std::string& ExtendedText() {
    static const std::string text = [] {
        FileText file = ReadWholeFile(WordListPath(ExecutableDirectory(), WordListKind::extended));
        if (!file)
            throw std::runtime_error("extended.txt not found beside the benchmark");
        return std::move(*file);
    }();
    return text;
}

// A session with the extended list loaded and the request typed, as the page
// has it before "Find Words".
std::unique_ptr<Session> Typed(const char* letters, bool noMaximum) {
    auto session = std::make_unique<Session>();
    const std::string& list = ExtendedText();
    std::memcpy(session->Input(list.size()), list.data(), list.size());
    session->LoadList(WordListKind::extended);
    session->Choose(Choice::list, 1);
    session->Choose(Choice::no_maximum, noMaximum ? 1 : 0);
    std::memcpy(session->Input(std::strlen(letters)), letters, std::strlen(letters));
    session->SetText(static_cast<int>(TextField::letters));
    return session;
}

// The first search of a freshly loaded list (it scans the words).
void FirstSearch(benchmark::State& state, const char* letters, bool noMaximum) {
    for (auto _ : state) {
        state.PauseTiming();
        auto session = Typed(letters, noMaximum);
        state.ResumeTiming();
        benchmark::DoNotOptimize(session->Search());
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}

// Later searches, once the second one has built the index.
void LaterSearch(benchmark::State& state, const char* letters, bool noMaximum) {
    auto session = Typed(letters, noMaximum);
    (void)session->Search();
    (void)session->Search();
    for (auto _ : state)
        benchmark::DoNotOptimize(session->Search());
}

BENCHMARK_CAPTURE(FirstSearch, retains_blank, "retains*", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LaterSearch, retains_blank, "retains*", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstSearch, ten_blanks_nomax, "**********", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LaterSearch, ten_blanks_nomax, "**********", true)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
