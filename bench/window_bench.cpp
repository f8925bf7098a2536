// A whole "Find Words" in the real main window, offscreen: from the click to
// the filled, painted result list. Run from the build's bin directory, where
// the word lists lie:  anagrove-window-bench --benchmark_repetitions=5

#include "desktop.h"
#include "main_window.h"
#include "reference/literal_search.h"

#include "app/data_files.h"
#include "app/texts.h"
#include "platform/program_directory.h"
#include "platform/whole_file.h"
#include "points/letter_points.h"
#include "word_list/texts.h"
#include "word_list/word_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace {

using namespace anagrove;

// The desktop, without message boxes or a browser; the settings go to a
// temporary folder and name the extended list.
class BenchDesktop final : public ui::Desktop {
  public:
    BenchDesktop() {
        std::ofstream(settingsPath().toStdString(), std::ios::binary)
            << R"("alpha","2","8","1","1","extended","true","scrabble")"
            << "\r\n";
    }
    [[nodiscard]] QString programDirectory() const override {
        return QString::fromStdString(ExecutableDirectory());
    }
    [[nodiscard]] QString settingsPath() const override { return settings_.filePath("data.dat"); }
    void showMessage(QWidget*, const QString&, const QString&, ui::MessageIcon) override {}
    void openDocument(const QString&, std::function<void(ui::OpenResult)>) override {}
    [[nodiscard]] QString chooseWordListFile(QWidget*, const QString&) override { return {}; }
    void endProgram() override {}

  private:
    QTemporaryDir settings_;
};

// The main window after its start-up load.
struct Window {
    BenchDesktop desktop;
    ui::MainWindow form{desktop};

    Window() {
        form.show();
        QElapsedTimer waited;
        waited.start();
        while (!form.state().startupDone && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!form.state().startupDone)
            throw std::runtime_error("the start-up load did not finish");
    }
    template <class T> T* control(const char* name) { return form.findChild<T*>(name); }
};

Window& TheWindow() {
    static Window window;
    return window;
}

// Types the letters, sets the options as a user would, then measures the
// click of "Find Words" up to the painted list.
void FindWords(benchmark::State& state, const char* letters, bool noMaximum, const char* order) {
    Window& w = TheWindow();
    w.control<QLineEdit>("txtWord")->setText(letters);
    w.control<QCheckBox>("chkNomax")->setChecked(noMaximum);
    w.control<QRadioButton>(order)->setChecked(true);
    QListView* list = w.control<QListView>("lstWords");
    QAbstractButton* findWords = w.control<QAbstractButton>("cmdStart");
    for (auto _ : state) {
        findWords->click();
        list->viewport()->repaint();
        QApplication::processEvents();
    }
    state.counters["items"] = list->model()->rowCount();
}

// The literal search and sort of the same letters, and the item texts made
// for every row, as a list that holds one text per item would need them.
void FindWordsLiteral(benchmark::State& state, const char* letters, int order) {
    static const std::vector<std::string> words = [] {
        FileText file = ReadWholeFile(WordListPath(ExecutableDirectory(), WordListKind::extended));
        return literal::CutLines(*file);
    }();
    for (auto _ : state) {
        literal::Found found = literal::findwords(letters, literal::Limits{2, 8, false, false},
                                                  words, PresetTable(PointScheme::scrabble));
        literal::SortByOption(found.rows, order);
        QStringList items;
        for (const auto& row : found.rows)
            items << QString::fromLatin1(row.word + " (" + row.score + ")");
        benchmark::DoNotOptimize(items);
    }
}

// From creating the main window to the end of its start-up load of the
// extended list (the start-up timer waits about 101 ms before loading).
void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        Window window;
        benchmark::DoNotOptimize(window.form.state().wordList->WordCount());
    }
}

// Switching the dictionary: from the click on an option to the status text
// that says the list is ready, beside the core's load of the same list in the
// same run. Each switch to the measured list follows an untimed one away.
void Switch(const char* to, const char* away) {
    Window& w = TheWindow();
    w.control<QRadioButton>(to)->click();
    if (w.control<QStatusBar>("statusbar")->currentMessage() != kReadyStatusText)
        throw std::runtime_error("the list did not load");
    benchmark::DoNotOptimize(away);
}

void SwitchDictionary(benchmark::State& state, const char* to, const char* away) {
    for (auto _ : state) {
        state.PauseTiming();
        Switch(away, to);
        state.ResumeTiming();
        Switch(to, away);
    }
}

// Switching to another language: from the choice in the menu to the status
// that says its list is ready (loaded on the loader's thread while the event
// loop runs), then one search in it, as anagrove-find --language loads and
// searches in one process. Each switch follows an untimed one back to English.
void SwitchLanguage(benchmark::State& state, const char* code, const char* letters) {
    Window& w = TheWindow();
    QStatusBar* status = w.control<QStatusBar>("statusbar");
    QAbstractButton* findWords = w.control<QAbstractButton>("cmdStart");
    for (auto _ : state) {
        state.PauseTiming();
        w.form.languageChosen("en");
        w.control<QLineEdit>("txtWord")->setText(QString::fromUtf8(letters));
        state.ResumeTiming();
        w.form.languageChosen(code);
        while (w.form.languageLoading()) // asleep until the loader's result comes
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (status->currentMessage() != kReadyStatusText)
            throw std::runtime_error("the language did not load");
        findWords->click();
        QApplication::processEvents();
    }
    state.counters["items"] = w.control<QListView>("lstWords")->model()->rowCount();
    w.form.languageChosen("en");
}

void LoadInCore(benchmark::State& state, WordListKind kind) {
    const std::string path = WordListPath(ExecutableDirectory(), kind);
    for (auto _ : state) {
        FileText file = ReadWholeFile(path);
        WordList list = TakeWordList(std::move(*file));
        benchmark::DoNotOptimize(list);
    }
}

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(SwitchDictionary, to_extended, "optExtended", "optStandard")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadInCore, extended, WordListKind::extended)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SwitchDictionary, to_standard, "optStandard", "optExtended")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadInCore, standard, WordListKind::standard)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SwitchLanguage, polish, "pl", "\u017c\u00f3\u0142w*")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(FindWords, retains_alpha, "retains*", false, "optAlpha")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, retains_score, "retains*", false, "optScore")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, retains_length, "retains*", false, "optLength")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWordsLiteral, retains_alpha, "retains*", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWordsLiteral, retains_score, "retains*", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWordsLiteral, retains_length, "retains*", 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, ten_blanks_nomax_alpha, "**********", true, "optAlpha")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, ten_blanks_nomax_score, "**********", true, "optScore")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindWords, ten_blanks_nomax_length, "**********", true, "optLength")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
