// The main window's controls: where each one stands, its caption and its
// initial state, and which handler each event runs.

#include "main_window.h"

#include "accessible_texts.h"
#include "app/setting_fields.h"
#include "app/texts.h"
#include "custom_points_editor.h"
#include "loading_window.h"
#include "option_group.h"
#include "result_list_model.h"
#include "texts.h"
#include "twips.h"
#include "whole_area_button.h"
#include "window_font.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

namespace anagrove::ui {

namespace {

// The start-up load comes just after the window is first shown; the interval
// is the one the timer has always had.
constexpr int kStartupLoadIntervalMs = 101;
constexpr int kListClickIntervalMs = 100;

template <typename Widget, typename... Args>
Widget* Make(const char* name, const Twips& tw, QRect twipRect, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    PlaceAt(*widget, tw, twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height());
    return widget;
}

QLabel* MakeLabel(const char* name, const Twips& tw, QRect twipRect, const QString& caption,
                  QWidget* parent) {
    auto* label = Make<QLabel>(name, tw, twipRect, caption, parent);
    label->setWordWrap(true);
    return label;
}

// Length limits may hold any text but a double quote or a line break, which the
// settings line could not carry.
void RefuseQuotes(QLineEdit& box) {
    static const QRegularExpression kNoQuotes(QStringLiteral("[^\"\\r\\n]*"));
    box.setValidator(new QRegularExpressionValidator(kNoQuotes, &box));
}

bool IsMenuRequest(const QEvent& event) {
    if (event.type() == QEvent::ContextMenu)
        return true;
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

bool IsPressOrDoubleClick(const QEvent& event) {
    return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
}

} // namespace

MainWindow::MainWindow(Desktop& desktop, StartChoice start)
    : QWidget(nullptr), desktop_(desktop), start_(std::move(start)) {
    setObjectName("Form1");
    setWindowTitle(kProgramTitle);
    setFont(SansFont(font()));
    const Twips tw(*this);
    setFixedSize(tw.size(7110, 9225));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    createLettersArea();
    createSortOptions();
    createLengthFrame();
    createWordListFrame();
    createPointsFrame();
    createResultsFrame();
    createLookupArea();
    createStatusBar();
    createTimers();
    collectChoices();
    connectHandlers();
    createKeyboard();
    createLanguageMenu();
    createTileRow();
    setFocusOrder();
    startUp();
}

MainWindow::~MainWindow() {
    // A load still running hands its result to this window: wait for it. The
    // result it posts goes with the window.
    for (QThread* loader : findChildren<QThread*>())
        loader->wait();
}

void MainWindow::createLettersArea() {
    const Twips tw(*this);
    lettersFrame_ = Make<QGroupBox>("Frame2", tw, {120, 60, 4455, 780}, "Letters", this);
    lettersBox_ = Make<QLineEdit>("txtWord", tw, {120, 330, 4215, 330}, lettersFrame_);
    findButton_ = Make<QPushButton>("cmdStart", tw, {4695, 180, 1155, 585}, "Find Words", this);
    clearButton_ = Make<QPushButton>("cmdClear", tw, {5940, 180, 1050, 585}, "Clear", this);
    blankTileNote_ =
        MakeLabel("Label6", tw, {180, 870, 4395, 255}, "Note: Use * for blank tiles", this);
}

void MainWindow::createSortOptions() {
    const Twips tw(*this);
    sortAlphabetically_ = Make<WholeAreaButton<QRadioButton>>(
        "optAlpha", tw, {120, 1170, 3600, 270}, "Sort found words alphabetically", this);
    sortByLength_ = Make<WholeAreaButton<QRadioButton>>("optLength", tw, {120, 1440, 3600, 270},
                                                        "Sort found words by length", this);
    sortByScore_ = Make<WholeAreaButton<QRadioButton>>("optScore", tw, {120, 1710, 3600, 270},
                                                       "Sort found words by score", this);
    MakeOptionGroup(*this, "sortGroup", {sortAlphabetically_, sortByLength_, sortByScore_});
    sortAlphabetically_->setChecked(true);
    resortNote_ = MakeLabel("Label4", tw, {4080, 1320, 2910, 510},
                            "<< To reorder list, click 'sort found words'", this);
    resortNote_->setTextFormat(Qt::PlainText);
}

void MainWindow::createLengthFrame() {
    const Twips tw(*this);
    lengthFrame_ = Make<QGroupBox>("Frame3", tw, {120, 2070, 3840, 2610},
                                   "Specify word length to search for:", this);
    minimumLabel_ =
        MakeLabel("lblMinletters", tw, {180, 360, 1620, 270}, "Minimum letters:", lengthFrame_);
    minimumBox_ = Make<QLineEdit>("txtMinletters", tw, {1860, 330, 600, 330},
                                  InitialWord(SettingKey::minimum), lengthFrame_);
    maximumLabel_ =
        MakeLabel("lblMaxletters", tw, {180, 750, 1620, 270}, "Maximum letters:", lengthFrame_);
    maximumBox_ = Make<QLineEdit>("txtMaxletters", tw, {1860, 720, 600, 330},
                                  InitialWord(SettingKey::maximum), lengthFrame_);
    RefuseQuotes(*minimumBox_);
    RefuseQuotes(*maximumBox_);
    // Each box is read out by its own label, not by the frame's caption.
    minimumLabel_->setBuddy(minimumBox_);
    maximumLabel_->setBuddy(maximumBox_);
    noMaximum_ = Make<WholeAreaButton<QCheckBox>>("chkNomax", tw, {180, 1110, 3300, 270},
                                                  "(no maximum limit)", lengthFrame_);
    orLabel_ = MakeLabel("Label1", tw, {180, 1410, 3300, 240}, "-or-", lengthFrame_);
    orLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    anagramsOnly_ = Make<WholeAreaButton<QCheckBox>>("chkAnagram", tw, {180, 1680, 3300, 270},
                                                     "Find only exact anagrams", lengthFrame_);
    anagramNote_ = MakeLabel("Label2", tw, {180, 1980, 3300, 510},
                             "(only find words containing all typed letters)", lengthFrame_);
}

void MainWindow::createWordListFrame() {
    const Twips tw(*this);
    wordListFrame_ =
        Make<QGroupBox>("Frame4", tw, {120, 4770, 3840, 990}, "Dictionary to use:", this);
    standardList_ = Make<WholeAreaButton<QRadioButton>>("optStandard", tw, {180, 330, 2700, 270},
                                                        kStandardEnglishCaption, wordListFrame_);
    extendedList_ = Make<WholeAreaButton<QRadioButton>>("optExtended", tw, {180, 630, 2700, 270},
                                                        kExtendedEnglishCaption, wordListFrame_);
    MakeOptionGroup(*this, "dictionaryGroup", {standardList_, extendedList_});
    standardList_->setChecked(true);
    wordListHelpButton_ =
        Make<QPushButton>("cmdNote1", tw, {3360, 585, 375, 345}, "?", wordListFrame_);
    wordListHelpButton_->setAccessibleName(kAboutWordListsName);
}

void MainWindow::createPointsFrame() {
    const Twips tw(*this);
    pointsFrame_ =
        Make<QGroupBox>("Frame5", tw, {120, 5850, 3840, 2460}, "Letter point associations:", this);
    usePoints_ =
        Make<WholeAreaButton<QCheckBox>>("chkUsepoints", tw, {180, 360, 3180, 270},
                                         "Calculate points when displaying words", pointsFrame_);
    usePoints_->setChecked(true);
    pointsHelpButton_ = Make<QPushButton>("cmdNote2", tw, {3360, 315, 375, 345}, "?", pointsFrame_);
    pointsHelpButton_->setAccessibleName(kAboutPointsName);
    scrabbleScheme_ =
        Make<WholeAreaButton<QRadioButton>>("optPoints1", tw, {180, 870, 3300, 270},
                                            "Use Scrabble\u00AE point associations", pointsFrame_);
    literatiScheme_ =
        Make<WholeAreaButton<QRadioButton>>("optPoints2", tw, {180, 1200, 3300, 270},
                                            "Use Literati\u00AE point associations", pointsFrame_);
    wordmojoScheme_ =
        Make<WholeAreaButton<QRadioButton>>("optPoints3", tw, {180, 1530, 3300, 270},
                                            "Use Wordmojo\u00AE point associations", pointsFrame_);
    customScheme_ = Make<WholeAreaButton<QRadioButton>>(
        "optPoints4", tw, {180, 1860, 3300, 270}, "Use custom point associations", pointsFrame_);
    MakeOptionGroup(*this, "pointsGroup",
                    {scrabbleScheme_, literatiScheme_, wordmojoScheme_, customScheme_});
    scrabbleScheme_->setChecked(true);
    customScheme_->installEventFilter(this); // for its double-click
}

void MainWindow::createResultsFrame() {
    const Twips tw(*this);
    resultsFrame_ = Make<QGroupBox>("Frame1", tw, {4080, 2070, 2910, 5190}, " Words Found ", this);
    resultList_ = Make<QListView>("lstWords", tw, {120, 300, 2670, 4770}, resultsFrame_);
    resultModel_ = new ResultListModel(resultList_);
    resultList_->setModel(resultModel_);
    resultList_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultList_->setUniformItemSizes(true);
    resultList_->setAccessibleName(kResultListName);
    resultList_->viewport()->installEventFilter(this); // for clicks below the last item
}

void MainWindow::createLookupArea() {
    const Twips tw(*this);
    lookupLabel_ = MakeLabel("Label3", tw, {4080, 7350, 2910, 255}, "Lookup word in:", this);
    dictionaryLookupButton_ =
        Make<QPushButton>("cmdDict", tw, {4080, 7620, 1380, 420}, "Dictionary", this);
    thesaurusLookupButton_ =
        Make<QPushButton>("cmdThes", tw, {5610, 7620, 1380, 420}, "Thesaurus", this);
    dictionaryLookupButton_->setEnabled(false);
    thesaurusLookupButton_->setEnabled(false);
    questionsLabel_ =
        MakeLabel("lblQues", tw, {4080, 8160, 2910, 255}, "Questions or Comments?", this);
    helpLink_ = Make<QLabel>("link", tw, {4080, 8415, 2910, 255},
                             "<a href=\"#\">Anagrove help page</a>", this);
    helpLink_->setTextFormat(Qt::RichText);
    helpLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    helpLink_->setCursor(Qt::PointingHandCursor);
}

void MainWindow::createStatusBar() {
    const Twips tw(*this);
    statusBar_ = Make<QStatusBar>("statusbar", tw, {0, 8895, 7110, 330}, this);
    statusBar_->setSizeGripEnabled(false);
}

void MainWindow::createTimers() {
    startupTimer_ = new QTimer(this);
    startupTimer_->setObjectName("tmrAddwordstodb");
    startupTimer_->setInterval(kStartupLoadIntervalMs);
    startupTimer_->start();

    selectionTimer_ = new QTimer(this);
    selectionTimer_->setObjectName("tmrListclick");
    selectionTimer_->setInterval(kListClickIntervalMs);
    selectionTimer_->start();
}

void MainWindow::collectChoices() {
    choices_ = {
        .orders = {{{SortOrder::alpha, sortAlphabetically_},
                    {SortOrder::length, sortByLength_},
                    {SortOrder::score, sortByScore_}}},
        .wordLists = {{{WordListKind::standard, standardList_},
                       {WordListKind::extended, extendedList_}}},
        .schemes = {{{PointScheme::scrabble, scrabbleScheme_},
                     {PointScheme::literati, literatiScheme_},
                     {PointScheme::wordmojo, wordmojoScheme_},
                     {PointScheme::custom, customScheme_}}},
        .limits = {{{&Settings::minimumText, minimumBox_}, {&Settings::maximumText, maximumBox_}}},
        .checkBoxes = {{{&Settings::noMaximum, noMaximum_},
                        {&Settings::anagram, anagramsOnly_},
                        {&Settings::usePoints, usePoints_}}},
    };
}

void MainWindow::connectHandlers() {
    // Option buttons act when they become selected, check boxes on every change:
    // whether the user or the program makes it.
    auto onSelected = [this](const auto& options, auto handler) {
        for (const auto& [value, option] : options)
            connect(option, &QRadioButton::toggled, this, [this, handler, value](bool selected) {
                if (selected)
                    (this->*handler)(value);
            });
    };
    onSelected(choices_.orders, &MainWindow::resortShown);
    onSelected(choices_.wordLists, &MainWindow::wordListChosen);
    onSelected(choices_.schemes, &MainWindow::schemeChosen);
    connect(noMaximum_, &QCheckBox::toggled, this, &MainWindow::noMaximumToggled);
    connect(anagramsOnly_, &QCheckBox::toggled, this, &MainWindow::anagramsOnlyToggled);
    connect(usePoints_, &QCheckBox::toggled, this, &MainWindow::usePointsToggled);

    connect(findButton_, &QPushButton::clicked, this, &MainWindow::findWords);
    connect(clearButton_, &QPushButton::clicked, this, &MainWindow::clearLetters);
    connect(wordListHelpButton_, &QPushButton::clicked, this, &MainWindow::explainWordLists);
    connect(pointsHelpButton_, &QPushButton::clicked, this, &MainWindow::explainPoints);
    connect(dictionaryLookupButton_, &QPushButton::clicked, this, &MainWindow::lookUpInDictionary);
    connect(thesaurusLookupButton_, &QPushButton::clicked, this, &MainWindow::lookUpInThesaurus);
    connect(helpLink_, &QLabel::linkActivated, this, &MainWindow::openHelpPage);

    connect(startupTimer_, &QTimer::timeout, this, &MainWindow::loadStartupWordList);
    connect(selectionTimer_, &QTimer::timeout, this, &MainWindow::updateLookupButtons);
}

void MainWindow::setFocusOrder() {
    QWidget* const order[] = {lettersBox_,
                              findButton_,
                              clearButton_,
                              sortAlphabetically_,
                              sortByLength_,
                              sortByScore_,
                              minimumBox_,
                              maximumBox_,
                              noMaximum_,
                              anagramsOnly_,
                              standardList_,
                              extendedList_,
                              resultList_,
                              wordListHelpButton_,
                              usePoints_,
                              pointsHelpButton_,
                              scrabbleScheme_,
                              dictionaryLookupButton_,
                              thesaurusLookupButton_,
                              literatiScheme_,
                              wordmojoScheme_,
                              customScheme_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QLabel* label : findChildren<QLabel*>())
        label->setFocusPolicy(Qt::NoFocus);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The dictionary options' menu: the right button, the Menu key, Shift+F10.
    if ((watched == standardList_ || watched == extendedList_) && IsMenuRequest(*event)) {
        popUpLanguageMenu(*static_cast<QWidget*>(watched));
        return true;
    }
    // A greyed option takes no double-click, as it takes no click.
    if (watched == customScheme_ && event->type() == QEvent::MouseButtonDblClick &&
        customScheme_->isEnabled())
        openPointsEditor();
    // A click below the last result keeps the selection, where the view
    // would clear it.
    if (watched == resultList_->viewport() && IsPressOrDoubleClick(*event) &&
        !resultList_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid())
        return true;
    if (watched == resultList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copySelectedWord(); // the word alone, where the list would copy the whole item
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace anagrove::ui
