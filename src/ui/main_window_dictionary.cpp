// The word lists: loading the chosen one, and the help about them.

#include "main_window.h"

#include "app/data_files.h"
#include "dictionary/texts.h"
#include "platform.h"
#include "platform/whole_file.h"

#include <QStatusBar>

namespace anagrove::ui {

namespace {
constexpr const char* kNoWordListStatusText = "No word list is loaded";
} // namespace

void MainWindow::optStandard_Click() {
    if (auto failure = LoadWordList(DictionaryKind::standard))
        showMessage(*failure);
}

void MainWindow::optExtended_Click() {
    if (!state_.DictionaryReady)
        return;
    if (auto failure = LoadWordList(DictionaryKind::extended, true))
        showMessage(*failure);
}

std::optional<QString> MainWindow::LoadWordList(DictionaryKind kind, bool chosenByUser) {
    // The loading text is set but not painted: a list loads in a few
    // milliseconds, less than a frame, and painting it would take a good part
    // of that.
    setStatusText(LoadingStatusText(kind));
    if (chosenByUser)
        state_.DictionaryReady = false;

    const std::string path = WordListPath(platform_.programDirectory().toStdString(), kind);
    FileText file = ReadWholeFile(path);
    if (!file) {
        // Searches find nothing until a list loads; either list may be chosen.
        state_.wordList = std::make_shared<const WordList>();
        state_.DictionaryReady = true;
        setStatusText(kNoWordListStatusText);
        return QString("The word list %1 could not be read: %2")
            .arg(QString::fromStdString(path), QString::fromLocal8Bit(file.error().c_str()));
    }
    state_.wordList = std::make_shared<const WordList>(TakeWordList(std::move(*file)));
    state_.DictionaryReady = true;
    setStatusText(kReadyStatusText);
    if (const std::int64_t dropped = state_.wordList->DroppedWords(); dropped > 0)
        return QString::fromStdString(LeftOutWordsText(path, dropped));
    return std::nullopt;
}

void MainWindow::cmdNote1_Click() {
    showMessage("If words in the extended dictionary are found to be ineligible in your game, you "
                "will have to use the standard dictionary.");
}

} // namespace anagrove::ui
