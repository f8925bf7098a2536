// The main window's controls: where each one stands, its caption and its
// initial state, and which handler each event runs.

#include "main_window.h"

#include "app/texts.h"
#include "custom_points_editor.h"
#include "loading_window.h"
#include "option_group.h"
#include "result_list_model.h"
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
#include <QTimer>

namespace anagrove::ui {

namespace {

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

bool IsPressOrDoubleClick(const QEvent& event) {
    return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
}

} // namespace

MainWindow::MainWindow(Platform& platform) : QWidget(nullptr), platform_(platform) {
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
    createDictionaryFrame();
    createPointsFrame();
    createResultsFrame();
    createLookupArea();
    createStatusBar();
    createTimers();
    connectHandlers();
    createKeyboard();
    setFocusOrder();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::createLettersArea() {
    const Twips tw(*this);
    Frame2 = Make<QGroupBox>("Frame2", tw, {120, 60, 4455, 780}, "Letters", this);
    txtWord = Make<QLineEdit>("txtWord", tw, {120, 330, 4215, 330}, Frame2);
    cmdStart = Make<QPushButton>("cmdStart", tw, {4695, 180, 1155, 585}, "Find Words", this);
    cmdClear = Make<QPushButton>("cmdClear", tw, {5940, 180, 1050, 585}, "Clear", this);
    Label6 = MakeLabel("Label6", tw, {180, 870, 4395, 255}, "Note: Use * for blank tiles", this);
}

void MainWindow::createSortOptions() {
    const Twips tw(*this);
    optAlpha = Make<WholeAreaButton<QRadioButton>>("optAlpha", tw, {120, 1170, 3600, 270},
                                                   "Sort found words alphabetically", this);
    optLength = Make<WholeAreaButton<QRadioButton>>("optLength", tw, {120, 1440, 3600, 270},
                                                    "Sort found words by length", this);
    optScore = Make<WholeAreaButton<QRadioButton>>("optScore", tw, {120, 1710, 3600, 270},
                                                   "Sort found words by score", this);
    MakeOptionGroup(*this, "sortGroup", {optAlpha, optLength, optScore});
    optAlpha->setChecked(true);
    Label4 = MakeLabel("Label4", tw, {4080, 1320, 2910, 510},
                       "<< To reorder list, click 'sort found words'", this);
    Label4->setTextFormat(Qt::PlainText);
}

void MainWindow::createLengthFrame() {
    const Twips tw(*this);
    Frame3 = Make<QGroupBox>("Frame3", tw, {120, 2070, 3840, 2610},
                             "Specify word length to search for:", this);
    lblMinletters =
        MakeLabel("lblMinletters", tw, {180, 360, 1620, 270}, "Minimum letters:", Frame3);
    txtMinletters = Make<QLineEdit>("txtMinletters", tw, {1860, 330, 600, 330}, "2", Frame3);
    lblMaxletters =
        MakeLabel("lblMaxletters", tw, {180, 750, 1620, 270}, "Maximum letters:", Frame3);
    txtMaxletters = Make<QLineEdit>("txtMaxletters", tw, {1860, 720, 600, 330}, "8", Frame3);
    RefuseQuotes(*txtMinletters);
    RefuseQuotes(*txtMaxletters);
    chkNomax = Make<WholeAreaButton<QCheckBox>>("chkNomax", tw, {180, 1110, 3300, 270},
                                                "(no maximum limit)", Frame3);
    Label1 = MakeLabel("Label1", tw, {180, 1410, 3300, 240}, "-or-", Frame3);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    chkAnagram = Make<WholeAreaButton<QCheckBox>>("chkAnagram", tw, {180, 1680, 3300, 270},
                                                  "Find only exact anagrams", Frame3);
    Label2 = MakeLabel("Label2", tw, {180, 1980, 3300, 510},
                       "(only find words containing all typed letters)", Frame3);
}

void MainWindow::createDictionaryFrame() {
    const Twips tw(*this);
    Frame4 = Make<QGroupBox>("Frame4", tw, {120, 4770, 3840, 990}, "Dictionary to use:", this);
    optStandard = Make<WholeAreaButton<QRadioButton>>("optStandard", tw, {180, 330, 2700, 270},
                                                      "Standard English", Frame4);
    optExtended = Make<WholeAreaButton<QRadioButton>>("optExtended", tw, {180, 630, 2700, 270},
                                                      "Extended English", Frame4);
    MakeOptionGroup(*this, "dictionaryGroup", {optStandard, optExtended});
    optStandard->setChecked(true);
    cmdNote1 = Make<QPushButton>("cmdNote1", tw, {3360, 585, 375, 345}, "?", Frame4);
}

void MainWindow::createPointsFrame() {
    const Twips tw(*this);
    Frame5 =
        Make<QGroupBox>("Frame5", tw, {120, 5850, 3840, 2460}, "Letter point associations:", this);
    chkUsepoints =
        Make<WholeAreaButton<QCheckBox>>("chkUsepoints", tw, {180, 360, 3180, 270},
                                         "Calculate points when displaying words", Frame5);
    chkUsepoints->setChecked(true);
    cmdNote2 = Make<QPushButton>("cmdNote2", tw, {3360, 315, 375, 345}, "?", Frame5);
    optPoints1 = Make<WholeAreaButton<QRadioButton>>(
        "optPoints1", tw, {180, 870, 3300, 270}, "Use Scrabble\u00AE point associations", Frame5);
    optPoints2 = Make<WholeAreaButton<QRadioButton>>(
        "optPoints2", tw, {180, 1200, 3300, 270}, "Use Literati\u00AE point associations", Frame5);
    optPoints3 = Make<WholeAreaButton<QRadioButton>>(
        "optPoints3", tw, {180, 1530, 3300, 270}, "Use Wordmojo\u00AE point associations", Frame5);
    optPoints4 = Make<WholeAreaButton<QRadioButton>>("optPoints4", tw, {180, 1860, 3300, 270},
                                                     "Use custom point associations", Frame5);
    MakeOptionGroup(*this, "pointsGroup", {optPoints1, optPoints2, optPoints3, optPoints4});
    optPoints1->setChecked(true);
    optPoints4->installEventFilter(this); // for its double-click
}

void MainWindow::createResultsFrame() {
    const Twips tw(*this);
    Frame1 = Make<QGroupBox>("Frame1", tw, {4080, 2070, 2910, 5190}, " Words Found ", this);
    lstWords = Make<QListView>("lstWords", tw, {120, 300, 2670, 4770}, Frame1);
    results_ = new ResultListModel(lstWords);
    lstWords->setModel(results_);
    lstWords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstWords->setUniformItemSizes(true);
    lstWords->viewport()->installEventFilter(this); // for clicks below the last item
}

void MainWindow::createLookupArea() {
    const Twips tw(*this);
    Label3 = MakeLabel("Label3", tw, {4080, 7350, 2910, 255}, "Lookup word in:", this);
    cmdDict = Make<QPushButton>("cmdDict", tw, {4080, 7620, 1380, 420}, "Dictionary", this);
    cmdThes = Make<QPushButton>("cmdThes", tw, {5610, 7620, 1380, 420}, "Thesaurus", this);
    cmdDict->setEnabled(false);
    cmdThes->setEnabled(false);
    lblQues = MakeLabel("lblQues", tw, {4080, 8160, 2910, 255}, "Questions or Comments?", this);
    link = Make<QLabel>("link", tw, {4080, 8415, 2910, 255}, "<a href=\"#\">Anagrove help page</a>",
                        this);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setCursor(Qt::PointingHandCursor);
}

void MainWindow::createStatusBar() {
    const Twips tw(*this);
    statusbar = Make<QStatusBar>("statusbar", tw, {0, 8895, 7110, 330}, this);
    statusbar->setSizeGripEnabled(false);
}

void MainWindow::createTimers() {
    tmrAddwordstodb = new QTimer(this);
    tmrAddwordstodb->setObjectName("tmrAddwordstodb");
    tmrAddwordstodb->setInterval(kStartupLoadIntervalMs);
    tmrAddwordstodb->start();

    tmrListclick = new QTimer(this);
    tmrListclick->setObjectName("tmrListclick");
    tmrListclick->setInterval(kListClickIntervalMs);
    tmrListclick->start();
}

void MainWindow::connectHandlers() {
    // Option buttons act when they become selected, check boxes on every change:
    // whether the user or the program makes it.
    auto onSelected = [this](QRadioButton* option, void (MainWindow::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    };
    onSelected(optAlpha, &MainWindow::optAlpha_Click);
    onSelected(optLength, &MainWindow::optLength_Click);
    onSelected(optScore, &MainWindow::optScore_Click);
    onSelected(optStandard, &MainWindow::optStandard_Click);
    onSelected(optExtended, &MainWindow::optExtended_Click);
    onSelected(optPoints1, &MainWindow::optPoints1_Click);
    onSelected(optPoints2, &MainWindow::optPoints2_Click);
    onSelected(optPoints3, &MainWindow::optPoints3_Click);
    onSelected(optPoints4, &MainWindow::optPoints4_Click);
    connect(chkNomax, &QCheckBox::toggled, this, &MainWindow::chkNomax_Click);
    connect(chkAnagram, &QCheckBox::toggled, this, &MainWindow::chkAnagram_Click);
    connect(chkUsepoints, &QCheckBox::toggled, this, &MainWindow::chkUsepoints_Click);

    connect(cmdStart, &QPushButton::clicked, this, &MainWindow::cmdStart_Click);
    connect(cmdClear, &QPushButton::clicked, this, &MainWindow::cmdClear_Click);
    connect(cmdNote1, &QPushButton::clicked, this, &MainWindow::cmdNote1_Click);
    connect(cmdNote2, &QPushButton::clicked, this, &MainWindow::cmdNote2_Click);
    connect(cmdDict, &QPushButton::clicked, this, &MainWindow::cmdDict_Click);
    connect(cmdThes, &QPushButton::clicked, this, &MainWindow::cmdThes_Click);
    connect(link, &QLabel::linkActivated, this, &MainWindow::link_Click);

    connect(tmrAddwordstodb, &QTimer::timeout, this, &MainWindow::tmrAddwordstodb_Timer);
    connect(tmrListclick, &QTimer::timeout, this, &MainWindow::tmrListclick_Timer);
}

void MainWindow::setFocusOrder() {
    QWidget* const order[] = {txtWord,     cmdStart,      cmdClear,      optAlpha, optLength,
                              optScore,    txtMinletters, txtMaxletters, chkNomax, chkAnagram,
                              optStandard, optExtended,   lstWords,      cmdNote1, chkUsepoints,
                              cmdNote2,    optPoints1,    cmdDict,       cmdThes,  optPoints2,
                              optPoints3,  optPoints4};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QLabel* label : findChildren<QLabel*>())
        label->setFocusPolicy(Qt::NoFocus);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A greyed option takes no double-click, as it takes no click.
    if (watched == optPoints4 && event->type() == QEvent::MouseButtonDblClick &&
        optPoints4->isEnabled())
        optPoints4_DblClick();
    // A click below the last result keeps the selection, where the view
    // would clear it.
    if (watched == lstWords->viewport() && IsPressOrDoubleClick(*event) &&
        !lstWords->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid())
        return true;
    if (watched == lstWords && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copySelectedWord(); // the word alone, where the list would copy the whole item
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace anagrove::ui
