// Start-up from the settings file, and shutdown.

#include "main_window.h"

#include "app/texts.h"
#include "latin1_text.h"
#include "loading_window.h"
#include "platform.h"
#include "points/custom_points.h"
#include "result_list_model.h"
#include "twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace anagrove::ui {

namespace {

// A settings word that names neither list means the standard list, and one
// that names no scheme means Scrabble, so that the window always shows the list
// and the scheme in use.
void MendUnknownWords(Settings& settings) {
    if (!DictionaryFromWord(settings.DictionarySetting))
        settings.DictionarySetting = DictionaryWord(DictionaryKind::standard);
    if (!PointSchemeFromWord(settings.PointsSetting))
        settings.PointsSetting = PointSchemeWord(PointScheme::scrabble);
}

} // namespace

void MainWindow::startUp() {
    state_.startupDone = false;
    state_.NomaxState = 1;
    state_.AnagramState = 1;
    state_.UsepointsState = 1;
    if (state_.keepLoaderOnTop != "no") {
        state_.settings = ReadSettings(platform_.settingsPath().toStdString());
        MendUnknownWords(state_.settings);
    }
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
    // An unknown word checks no sort option, and is written back as it was read.
    if (const auto mode = SortModeFromWord(s.SortSetting))
        sortOption(*mode)->setChecked(true);

    minimumBox_->setText(FromLatin1(s.MinLettersSetting));
    maximumBox_->setText(FromLatin1(s.MaxLettersSetting));

    if (s.NomaxSetting == "2") {
        noMaximum_->setChecked(true);
        maximumBox_->setEnabled(false);
        state_.NomaxState = 2;
    }
    if (s.AnagramSetting == "2") {
        anagramsOnly_->setChecked(true);
        state_.AnagramState = 2;
        setAllEnabled({maximumBox_, minimumBox_, noMaximum_, maximumLabel_, minimumLabel_}, false);
    }

    showLoadingWindow();

    if (s.UsepointsSetting == "false") {
        usePoints_->setChecked(false);
        setAllEnabled(
            {sortByScore_, scrabbleScheme_, literatiScheme_, wordmojoScheme_, customScheme_},
            false);
        state_.UsepointsState = 2;
    }

    switch (*PointSchemeFromWord(s.PointsSetting)) {
    case PointScheme::scrabble:
        scrabbleScheme_->setChecked(true);
        state_.letterPoints = PresetTable(PointScheme::scrabble);
        break;
    case PointScheme::literati:
        literatiScheme_->setChecked(true);
        state_.letterPoints = PresetTable(PointScheme::literati);
        break;
    case PointScheme::wordmojo:
        wordmojoScheme_->setChecked(true);
        state_.letterPoints = PresetTable(PointScheme::wordmojo);
        break;
    case PointScheme::custom:
        customScheme_->setChecked(true);
        // Values that do not convert leave the scores as they were.
        if (!s.customPoints[0].empty())
            if (auto points = LetterPointsFromCustom(s.customPoints))
                state_.letterPoints = *points;
        break;
    }
}

void MainWindow::showLoadingWindow() {
    if (!loadingWindow_)
        loadingWindow_ = new LoadingWindow(this, [this] { return state_.keepLoaderOnTop != "no"; });
    const Twips tw(*this);
    loadingWindow_->move(x() + tw.px(130), y() + (height() - loadingWindow_->height()) / 2);
    const auto kind = DictionaryFromWord(state_.settings.DictionarySetting);
    if (kind == DictionaryKind::standard) {
        standardDictionary_->setChecked(true);
        loadingWindow_->setCaption("Loading Standard Dictionary");
        loadingWindow_->show();
    } else if (kind == DictionaryKind::extended) {
        loadingWindow_->setCaption("Loading Extended Dictionary");
        loadingWindow_->show();
        extendedDictionary_->setChecked(true);
    }
}

void MainWindow::loadStartupDictionary() {
    auto failure = loadDictionary(DictionaryFromWord(state_.settings.DictionarySetting) ==
                                          DictionaryKind::standard
                                      ? DictionaryKind::standard
                                      : DictionaryKind::extended);
    // The start-up timer ticks once only.
    startupTimer_->stop();
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
    s.SortSetting = chosenSortWord();
    s.MinLettersSetting = ToLatin1(minimumBox_->text());
    s.MaxLettersSetting = ToLatin1(maximumBox_->text());
    s.NomaxSetting = noMaximum_->isChecked() ? "2" : "1";
    s.AnagramSetting = anagramsOnly_->isChecked() ? "2" : "1";
    s.DictionarySetting = chosenDictionaryWord();
    s.UsepointsSetting = usePoints_->isChecked() ? "true" : "false";
    s.PointsSetting = chosenPointsWord();

    const QString path = platform_.settingsPath();
    if (const auto written = WriteSettings(path.toStdString(), s); !written)
        showMessage(QString("The settings could not be saved to %1: %2")
                        .arg(path, QString::fromLocal8Bit(written.error().c_str())));
    platform_.endProgram();
}

QRadioButton* MainWindow::sortOption(SortMode mode) const {
    switch (mode) {
    case SortMode::alpha:
        return sortAlphabetically_;
    case SortMode::score:
        return sortByScore_;
    case SortMode::length:
        break;
    }
    return sortByLength_;
}

std::string MainWindow::chosenSortWord() const {
    std::string word = state_.settings.SortSetting;
    for (SortMode mode : {SortMode::alpha, SortMode::length, SortMode::score})
        if (sortOption(mode)->isChecked())
            word = SortModeWord(mode);
    return word;
}

std::string MainWindow::chosenDictionaryWord() const {
    std::string word = state_.settings.DictionarySetting;
    if (standardDictionary_->isChecked())
        word = DictionaryWord(DictionaryKind::standard);
    if (extendedDictionary_->isChecked())
        word = DictionaryWord(DictionaryKind::extended);
    return word;
}

std::string MainWindow::chosenPointsWord() const {
    const QRadioButton* options[] = {scrabbleScheme_, literatiScheme_, wordmojoScheme_,
                                     customScheme_};
    const PointScheme schemes[] = {PointScheme::scrabble, PointScheme::literati,
                                   PointScheme::wordmojo, PointScheme::custom};
    std::string word = state_.settings.PointsSetting;
    for (std::size_t i = 0; i < std::size(options); ++i)
        if (options[i]->isChecked())
            word = PointSchemeWord(schemes[i]);
    return word;
}

void MainWindow::setStatusText(const std::string& text) {
    statusBar_->showMessage(FromLatin1(text));
}

void MainWindow::showMessage(const QString& text) {
    platform_.showMessage(this, kProgramTitle, text, MessageIcon::none);
}

void MainWindow::setAllEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

} // namespace anagrove::ui
