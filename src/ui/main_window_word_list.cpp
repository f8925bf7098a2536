// The word lists: loading the chosen one, and the help about them.

#include "main_window.h"

#include "app/data_files.h"
#include "app/texts.h"
#include "desktop.h"
#include "platform/whole_file.h"
#include "texts.h"
#include "word_list/texts.h"

#include <QStatusBar>

namespace anagrove::ui {

// The standard list loads at once, as at start-up; the extended list only once
// a list has loaded, and it counts as the user's choice.
void MainWindow::wordListChosen(WordListKind kind) {
    if (state_.InTiles()) // the options stand for the language's list, loaded already
        return;
    const bool extended = kind == WordListKind::extended;
    if (extended && !state_.wordListReady)
        return;
    if (auto failure = loadWordList(kind, extended))
        showMessage(*failure);
}

std::optional<QString> MainWindow::loadWordList(WordListKind kind, bool chosenByUser) {
    // The loading text is set but not painted: a list loads in a few
    // milliseconds, less than a frame, and painting it would take a good part
    // of that.
    setStatusText(LoadingStatusText(kind));
    if (chosenByUser)
        state_.wordListReady = false;

    const std::string path = WordListPath(desktop_.programDirectory().toStdString(), kind);
    FileText file = ReadWholeFile(path);
    if (!file) {
        // Searches find nothing until a list loads; either list may be chosen.
        state_.wordList = std::make_shared<const WordList>();
        state_.wordListReady = true;
        setStatusText(kNoWordListStatusText);
        return QString(kWordListUnreadableText)
            .arg(QString::fromStdString(path), QString::fromLocal8Bit(file.error().c_str()));
    }
    state_.wordList = std::make_shared<const WordList>(TakeWordList(std::move(*file)));
    state_.wordListReady = true;
    setStatusText(kReadyStatusText);
    if (const std::int64_t dropped = state_.wordList->DroppedWords(); dropped > 0)
        return QString::fromStdString(LeftOutWordsText(path, dropped));
    return std::nullopt;
}

void MainWindow::explainWordLists() {
    showMessage(kAboutWordListsText);
}

} // namespace anagrove::ui
