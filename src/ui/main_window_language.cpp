// Other languages and word lists of the player's own: the menu of the
// dictionary options, the chosen list loaded on a thread of its own, the
// options' captions, and the row of tiles under the letters box.

#include "main_window.h"

#include "accessible_texts.h"
#include "alphabet/utf8.h"
#include "app/languages.h"
#include "app/texts.h"
#include "desktop.h"
#include "loading_window.h"
#include "platform/whole_file.h"
#include "texts.h"
#include "twips.h"
#include "word_list/texts.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QThread>

#include <algorithm>

namespace anagrove::ui {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A tile that a Latin keyboard has no key for: more than one letter, or a
// letter beyond ASCII.
bool NeedsAButton(const Tile& tile) {
    const auto letters = DecodeUtf8(tile.lower);
    return !letters || letters->size() > 1 ||
           std::ranges::any_of(tile.lower, [](char c) { return (c & 0x80) != 0; });
}

// What a tile's button types: the letter, or a multi-letter tile in brackets.
QString TypedTile(const Tile& tile) {
    const auto letters = DecodeUtf8(tile.lower);
    const QString text = FromUtf8(tile.lower);
    return letters && letters->size() > 1 ? "[" + text + "]" : text;
}

// A player's own list read in its alphabet, or why not.
Expected<LanguageFiles> ReadOwnList(const std::string& programDirectory, const std::string& path,
                                    const std::string& language) {
    const FileText file = ReadWholeFile(path);
    if (!file)
        return FailureText("cannot read " + path + ": " + file.error());
    return ReadLanguageList(programDirectory, *file, language);
}

} // namespace

void MainWindow::createLanguageMenu() {
    languageMenu_ = new QMenu(this);
    languageMenu_->setObjectName("mnuLanguages");
    languageMenu_->setAccessibleName(kLanguageMenuName);
    for (QRadioButton* option : {standardList_, extendedList_})
        option->installEventFilter(this); // for the right button, the Menu key and Shift+F10
}

void MainWindow::popUpLanguageMenu(QWidget& option) {
    languageMenu_->clear();
    auto* group = new QActionGroup(languageMenu_);
    const std::string directory = desktop_.programDirectory().toStdString();
    const auto& chosen = state_.languages;
    for (const ShippedLanguage& language : ShippedLanguages()) {
        const std::string code = language.code;
        // Each language by its own name, as its alphabet gives it.
        const auto alphabet = LoadAlphabet(directory, code);
        QAction* action = languageMenu_->addAction(alphabet ? FromUtf8((*alphabet)->name)
                                                            : QString::fromStdString(code));
        action->setObjectName(QString::fromStdString("mnuLanguage-" + code));
        action->setCheckable(true);
        action->setChecked(!chosen.listFile && chosen.language == code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { languageChosen(code); });
    }
    languageMenu_->addSeparator();
    QAction* own = languageMenu_->addAction(kOpenWordListItem);
    own->setObjectName("mnuOpenWordList");
    own->setCheckable(true);
    own->setChecked(chosen.listFile.has_value());
    group->addAction(own);
    connect(own, &QAction::triggered, this, &MainWindow::openOwnWordList);
    languageMenu_->popup(option.mapToGlobal(QPoint(0, option.height())));
}

void MainWindow::keepEnglishChoice() {
    if (state_.InTiles())
        return;
    if (const auto kind = SelectedValue(choices_.wordLists))
        state_.settings.wordList = *kind;
}

void MainWindow::languageChosen(const std::string& code) {
    keepEnglishChoice();
    state_.languages.language = code;
    state_.languages.listFile.reset();
    if (code != kEnglishCode) {
        showLanguageChoice();
        loadLanguage();
        return;
    }
    // Back to English: its list as the options chose it before.
    ++loads_; // a language still loading no longer counts
    loading_ = false;
    state_.languageFiles = {};
    showLanguageChoice();
    const WordListKind kind = Known(state_.settings.wordList).value_or(WordListKind::standard);
    for (const auto& [value, button] : choices_.wordLists)
        if (value == kind) {
            const QSignalBlocker quiet(button); // loaded below, whichever was selected
            button->setChecked(true);
        }
    if (auto failure = loadWordList(kind))
        showMessage(*failure);
}

void MainWindow::openOwnWordList() {
    const QString folder =
        state_.languages.listFile
            ? QFileInfo(QString::fromStdString(*state_.languages.listFile)).path()
            : QDir::homePath();
    const QString path = desktop_.chooseWordListFile(this, folder);
    if (path.isEmpty())
        return;
    keepEnglishChoice();
    state_.languages.listFile = path.toStdString();
    showLanguageChoice();
    loadLanguage();
}

void MainWindow::loadLanguage() {
    const int load = ++loads_;
    loading_ = true;
    state_.wordListReady = false;
    statusBar_->showMessage(QString(kLoadingLanguageStatus).arg(languageTitle()));
    const std::string directory = desktop_.programDirectory().toStdString();
    // The window stays responsive while the list loads: the largest take longer
    // than a user would wait for a frame.
    QThread* loader = QThread::create([this, load, directory, choice = state_.languages] {
        Expected<LanguageFiles> files =
            choice.listFile ? ReadOwnList(directory, *choice.listFile, choice.language)
                            : LoadShippedLanguage(directory, choice.language);
        QMetaObject::invokeMethod(
            this, [this, load, files] { languageLoaded(load, files); }, Qt::QueuedConnection);
    });
    loader->setParent(this);
    connect(loader, &QThread::finished, loader, &QObject::deleteLater);
    loader->start();
}

void MainWindow::languageLoaded(int load, Expected<LanguageFiles> files) {
    if (load != loads_)
        return; // another choice came after this one
    loading_ = false;
    state_.wordListReady = true;
    std::optional<QString> failure;
    if (files) {
        state_.languageFiles = *files;
        // An own list names its alphabet: the captions and custom values follow it.
        state_.languages.language = files->alphabet->code;
        statusBar_->showMessage(kReadyStatusText);
        // A list of the player's own may hold words that are no tiles of its alphabet.
        if (const std::string left = TileWordsLeftOutText(
                languageTitle().toStdString(), files->list->LeftOut(), files->alphabet->name);
            !left.empty())
            failure = FromUtf8(left + ".");
    } else {
        state_.languageFiles = {};
        statusBar_->showMessage(kNoWordListStatusText);
        failure = QString(kLanguageNotLoadedText).arg(languageTitle(), FromUtf8(files.error()));
    }
    showLanguageChoice();
    if (!state_.startupDone)
        finishStartup(failure);
    else if (failure)
        showMessage(*failure);
}

QString MainWindow::languageTitle() const {
    if (state_.languages.listFile)
        return QFileInfo(QString::fromStdString(*state_.languages.listFile)).fileName();
    return LanguageInEnglish(state_.languages.language);
}

void MainWindow::showLanguageChoice() {
    const bool tiles = state_.InTiles();
    const QString language = LanguageInEnglish(state_.languages.language);
    if (!tiles) {
        standardList_->setText(kStandardEnglishCaption);
        extendedList_->setText(kExtendedEnglishCaption);
    } else {
        standardList_->setText(state_.languages.listFile
                                   ? QString(kOwnListCaption).arg(languageTitle())
                                   : QString(kStandardLanguageCaption).arg(language));
        extendedList_->setText(QString(kExtendedLanguageCaption).arg(language));
        standardList_->setChecked(true); // the one list there is
    }
    extendedList_->setEnabled(!tiles);
    // Literati and Wordmojo have English values only: the language's standard
    // values stand in, until English chooses the scheme again.
    if (tiles && (literatiScheme_->isChecked() || wordmojoScheme_->isChecked())) {
        state_.englishOnlyScheme =
            literatiScheme_->isChecked() ? PointScheme::literati : PointScheme::wordmojo;
        scrabbleScheme_->setChecked(true);
    } else if (!tiles && state_.englishOnlyScheme) {
        if (scrabbleScheme_->isChecked())
            (*state_.englishOnlyScheme == PointScheme::literati ? literatiScheme_ : wordmojoScheme_)
                ->setChecked(true);
        state_.englishOnlyScheme.reset();
    }
    enableSchemes();
    showTileRow();
}

void MainWindow::enableSchemes() {
    const bool on = usePoints_->isChecked();
    for (const auto& option : choices_.schemes)
        option.button->setEnabled(on);
    if (state_.InTiles()) {
        literatiScheme_->setEnabled(false);
        wordmojoScheme_->setEnabled(false);
    }
}

void MainWindow::createTileRow() {
    tileRow_ = new QWidget(this);
    tileRow_->setObjectName("tileRow");
    tileRow_->setAccessibleName(kTileRowName);
    PlaceAt(*tileRow_, Twips(*this), 120, 855, 4455, 300);
    auto* layout = new QHBoxLayout(tileRow_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    tileRow_->hide();
}

void MainWindow::showTileRow() {
    for (QPushButton* button : tileRow_->findChildren<QPushButton*>())
        delete button;
    auto* layout = static_cast<QHBoxLayout*>(tileRow_->layout());
    while (QLayoutItem* item = layout->takeAt(0))
        delete item;
    const Alphabet* alphabet = state_.InTiles() ? state_.languageFiles.alphabet.get() : nullptr;
    if (alphabet)
        for (std::size_t t = 1; t < alphabet->tiles.size(); ++t) {
            const Tile& tile = alphabet->tiles[t];
            if (!NeedsAButton(tile))
                continue;
            const QString name = FromUtf8(tile.upper);
            auto* button = new QPushButton(name, tileRow_);
            button->setObjectName("cmdTile" + name);
            button->setAccessibleName(TileButtonName(name));
            button->setFocusPolicy(Qt::NoFocus); // the letters box keeps the focus
            // As narrow as its text: a row holds the nine Polish letters.
            const int height = tileRow_->height();
            button->setFixedSize(
                std::max(height * 3 / 2,
                         button->fontMetrics().horizontalAdvance(name) + height / 2),
                height);
            const QString typed = TypedTile(tile);
            button->setToolTip(typed);
            connect(button, &QPushButton::clicked, this,
                    [this, typed] { lettersBox_->insert(typed); });
            layout->addWidget(button);
        }
    layout->addStretch();
    const bool shown = !tileRow_->findChildren<QPushButton*>().isEmpty();
    tileRow_->setVisible(shown);
    blankTileNote_->setVisible(!shown); // the row stands in the note's place
}

} // namespace anagrove::ui
