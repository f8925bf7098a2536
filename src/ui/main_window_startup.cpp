// Start-up from the settings file, and shutdown.

#include "main_window.h"

#include "app/texts.h"
#include "desktop.h"
#include "latin1_text.h"
#include "loading_window.h"
#include "points/custom_points.h"
#include "result_list_model.h"
#include "texts.h"
#include "twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

namespace anagrove::ui {

namespace {

// A settings word that names neither list means the standard list, and one
// that names no scheme means Scrabble, so that the window always shows the list
// and the scheme in use.
void MendUnknownWords(Settings& settings) {
    if (!Known(settings.wordList))
        settings.wordList = WordListKind::standard;
    if (!Known(settings.scheme))
        settings.scheme = PointScheme::scrabble;
}

} // namespace

void MainWindow::startUp() {
    state_.startupDone = false;
    if (state_.keepLoaderOnTop) {
        const std::string path = desktop_.settingsPath().toStdString();
        state_.settings = ReadSettings(path);
        MendUnknownWords(state_.settings);
        state_.languages = ReadLanguageSettings(LanguageSettingsPath(path));
    }
    // The command line's choice stands for this run and is kept for the next.
    if (start_.wordListFile) // kept as a path that a run from elsewhere finds
        state_.languages.listFile = QFileInfo(QString::fromStdString(*start_.wordListFile))
                                        .absoluteFilePath()
                                        .toStdString();
    else if (start_.language)
        state_.languages.listFile.reset();
    if (start_.language)
        state_.languages.language = *start_.language;
    start_ = {};
    applyStartupSettings();
    // The timer already runs from the window's creation. Starting it again
    // counts its interval afresh, so that its one tick comes a full interval
    // after this handler has returned, however long reading the settings took.
    startupTimer_->start();
    resultModel_->clear();
    state_.found = FoundWords{};
}

void MainWindow::applyStartupSettings() {
    const Settings& s = state_.settings;
    ShowSettings(choices_, s);
    if (state_.InTiles())
        showLanguageChoice();
    showLoadingWindow();

    const PointScheme scheme = *Known(s.scheme);
    if (scheme != PointScheme::custom)
        state_.letterPoints = PresetTable(scheme);
    else if (!s.customPoints[0].empty())
        // Values that do not convert leave the scores as they were.
        if (auto points = ActiveCustomValues(s.customPoints))
            state_.letterPoints = *points;
}

void MainWindow::showLoadingWindow() {
    if (!loadingWindow_)
        loadingWindow_ = new LoadingWindow(this, [this] { return state_.keepLoaderOnTop; });
    const Twips tw(*this);
    loadingWindow_->move(x() + tw.px(130), y() + (height() - loadingWindow_->height()) / 2);
    loadingWindow_->setCaption(state_.InTiles()
                                   ? QString(kLoadingLanguageCaption).arg(languageTitle())
                                   : LoadingCaption(*Known(state_.settings.wordList)));
    loadingWindow_->show();
}

void MainWindow::loadStartupWordList() {
    // The start-up timer ticks once only.
    startupTimer_->stop();
    if (state_.InTiles()) {
        loadLanguage(); // start-up ends when it has loaded
        return;
    }
    finishStartup(loadWordList(*Known(state_.settings.wordList)));
}

void MainWindow::finishStartup(const std::optional<QString>& failure) {
    loadingWindow_->hide();
    loadingWindow_->onTopTimer().stop();
    state_.startupDone = true;
    // Shown once the loading window is gone, so that it cannot cover the message.
    if (failure)
        showMessage(*failure);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
}

void MainWindow::shutDown() {
    Settings& s = state_.settings;
    // Another language's options stand for its list; the English choice stays.
    const StoredChoice<WordListKind> englishList = s.wordList;
    TakeSettings(choices_, s);
    if (state_.InTiles()) {
        s.wordList = englishList;
        if (state_.englishOnlyScheme && Known(s.scheme) == PointScheme::scrabble)
            s.scheme = *state_.englishOnlyScheme;
    }

    const QString path = desktop_.settingsPath();
    if (const auto written = WriteSettings(path.toStdString(), s); !written)
        showMessage(QString(kSettingsNotSavedText)
                        .arg(path, QString::fromLocal8Bit(written.error().c_str())));
    // Written only once there is something beyond English to keep.
    const std::string languagesPath = LanguageSettingsPath(path.toStdString());
    if (!state_.languages.IsInitial() || QFile::exists(QString::fromStdString(languagesPath)))
        if (const auto written = WriteLanguageSettings(languagesPath, state_.languages); !written)
            showMessage(QString(kSettingsNotSavedText)
                            .arg(QString::fromStdString(languagesPath),
                                 QString::fromLocal8Bit(written.error().c_str())));
    desktop_.endProgram();
}

void MainWindow::setStatusText(const std::string& text) {
    statusBar_->showMessage(FromLatin1(text));
}

void MainWindow::showMessage(const QString& text) {
    desktop_.showMessage(this, kProgramTitle, text, MessageIcon::none);
}

void MainWindow::setAllEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

} // namespace anagrove::ui
