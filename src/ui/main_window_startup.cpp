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

void MainWindow::Form_Load() {
    state_.StartupDone = false;
    state_.NomaxState = 1;
    state_.AnagramState = 1;
    state_.UsepointsState = 1;
    if (state_.KeepLoaderOnTop != "no") {
        state_.settings = ReadSettings(platform_.settingsPath().toStdString());
        MendUnknownWords(state_.settings);
    }
    applyStartupSettings();
    // The timer already runs from the window's creation. Starting it again
    // counts its interval afresh, so that its one tick comes a full interval
    // after this handler has returned, however long reading the settings took.
    tmrAddwordstodb->start();
    results_->clear();
    state_.found = FoundWords{};
}

void MainWindow::applyStartupSettings() {
    const Settings& s = state_.settings;
    // An unknown word checks no sort option, and is written back as it was read.
    if (const auto mode = SortModeFromWord(s.SortSetting))
        sortOption(*mode)->setChecked(true);

    txtMinletters->setText(FromLatin1(s.MinLettersSetting));
    txtMaxletters->setText(FromLatin1(s.MaxLettersSetting));

    if (s.NomaxSetting == "2") {
        chkNomax->setChecked(true);
        txtMaxletters->setEnabled(false);
        state_.NomaxState = 2;
    }
    if (s.AnagramSetting == "2") {
        chkAnagram->setChecked(true);
        state_.AnagramState = 2;
        SetEnabled({txtMaxletters, txtMinletters, chkNomax, lblMaxletters, lblMinletters}, false);
    }

    showLoader();

    if (s.UsepointsSetting == "false") {
        chkUsepoints->setChecked(false);
        SetEnabled({optScore, optPoints1, optPoints2, optPoints3, optPoints4}, false);
        state_.UsepointsState = 2;
    }

    switch (*PointSchemeFromWord(s.PointsSetting)) {
    case PointScheme::scrabble:
        optPoints1->setChecked(true);
        state_.letterPoints = PresetTable(PointScheme::scrabble);
        break;
    case PointScheme::literati:
        optPoints2->setChecked(true);
        state_.letterPoints = PresetTable(PointScheme::literati);
        break;
    case PointScheme::wordmojo:
        optPoints3->setChecked(true);
        state_.letterPoints = PresetTable(PointScheme::wordmojo);
        break;
    case PointScheme::custom:
        optPoints4->setChecked(true);
        // Values that do not convert leave the scores as they were.
        if (!s.customPoints[0].empty())
            if (auto points = LetterPointsFromCustom(s.customPoints))
                state_.letterPoints = *points;
        break;
    }
}

void MainWindow::showLoader() {
    if (!loader_)
        loader_ = new LoadingWindow(this, [this] { return state_.KeepLoaderOnTop != "no"; });
    const Twips tw(*this);
    loader_->move(x() + tw.px(130), y() + (height() - loader_->height()) / 2);
    const auto kind = DictionaryFromWord(state_.settings.DictionarySetting);
    if (kind == DictionaryKind::standard) {
        optStandard->setChecked(true);
        loader_->setCaption("Loading Standard Dictionary");
        loader_->show();
    } else if (kind == DictionaryKind::extended) {
        loader_->setCaption("Loading Extended Dictionary");
        loader_->show();
        optExtended->setChecked(true);
    }
}

void MainWindow::tmrAddwordstodb_Timer() {
    auto failure = LoadWordList(DictionaryFromWord(state_.settings.DictionarySetting) ==
                                        DictionaryKind::standard
                                    ? DictionaryKind::standard
                                    : DictionaryKind::extended);
    // The second hide and the second stop look redundant, and are: stopping a
    // stopped timer and hiding a hidden window change nothing. They are kept so
    // that the start-up ends in exactly the documented steps, in their order,
    // each of which the window tests can observe.
    tmrAddwordstodb->stop();
    loader_->hide();
    loader_->ontopTimer().stop();
    loader_->hide();
    state_.StartupDone = true;
    tmrAddwordstodb->stop();
    // Shown once the loading window is gone, so that it cannot cover the message.
    if (failure)
        showMessage(*failure);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload() {
    Settings& s = state_.settings;
    s.SortSetting = SortWord();
    s.MinLettersSetting = ToLatin1(txtMinletters->text());
    s.MaxLettersSetting = ToLatin1(txtMaxletters->text());
    s.NomaxSetting = chkNomax->isChecked() ? "2" : "1";
    s.AnagramSetting = chkAnagram->isChecked() ? "2" : "1";
    s.DictionarySetting = DictionaryWord();
    s.UsepointsSetting = chkUsepoints->isChecked() ? "true" : "false";
    s.PointsSetting = PointsWord();

    const QString path = platform_.settingsPath();
    if (const auto written = WriteSettings(path.toStdString(), s); !written)
        showMessage(QString("The settings could not be saved to %1: %2")
                        .arg(path, QString::fromLocal8Bit(written.error().c_str())));
    platform_.endProgram();
}

QRadioButton* MainWindow::sortOption(SortMode mode) const {
    switch (mode) {
    case SortMode::alpha:
        return optAlpha;
    case SortMode::score:
        return optScore;
    case SortMode::length:
        break;
    }
    return optLength;
}

std::string MainWindow::SortWord() const {
    std::string word = state_.settings.SortSetting;
    for (SortMode mode : {SortMode::alpha, SortMode::length, SortMode::score})
        if (sortOption(mode)->isChecked())
            word = SortModeWord(mode);
    return word;
}

std::string MainWindow::DictionaryWord() const {
    std::string word = state_.settings.DictionarySetting;
    if (optStandard->isChecked())
        word = anagrove::DictionaryWord(DictionaryKind::standard);
    if (optExtended->isChecked())
        word = anagrove::DictionaryWord(DictionaryKind::extended);
    return word;
}

std::string MainWindow::PointsWord() const {
    const QRadioButton* options[] = {optPoints1, optPoints2, optPoints3, optPoints4};
    const PointScheme schemes[] = {PointScheme::scrabble, PointScheme::literati,
                                   PointScheme::wordmojo, PointScheme::custom};
    std::string word = state_.settings.PointsSetting;
    for (std::size_t i = 0; i < std::size(options); ++i)
        if (options[i]->isChecked())
            word = PointSchemeWord(schemes[i]);
    return word;
}

void MainWindow::setStatusText(const std::string& text) {
    statusbar->showMessage(FromLatin1(text));
}

void MainWindow::showMessage(const QString& text) {
    platform_.showMessage(this, kProgramTitle, text, MessageIcon::none);
}

void MainWindow::SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

} // namespace anagrove::ui
