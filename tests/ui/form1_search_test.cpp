// The main window's search: the length boxes, "Find Words", the counts, the
// orders, the point schemes and switching word lists.

#include "points/letter_points.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// Records, in order, which of the watched controls changed their enabled state.
class EnableRecorder : public QObject {
  public:
    EnableRecorder(const QWidget& window, const QStringList& names) {
        for (const QString& name : names)
            Child<QWidget>(window, qPrintable(name)).installEventFilter(this);
    }
    QStringList changes;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            changes << QString("%1 %2").arg(
                watched->objectName(), static_cast<QWidget*>(watched)->isEnabled() ? "on" : "off");
        return false;
    }
};

QStringList Changes(const QStringList& names, const char* how) {
    QStringList changes;
    for (const QString& name : names)
        changes << name + " " + how;
    return changes;
}

void Click(Form1& window, const char* name) {
    QTest::mouseClick(&Child<QPushButton>(window, name), Qt::LeftButton);
}

// A started window whose searches take words from one letter up.
std::unique_ptr<Form1> StartWithShortWords(FakePlatform& platform) {
    auto window = StartProgram(platform);
    Child<QLineEdit>(*window, "txtMinletters").setText("1");
    return window;
}

const QStringList kLengthControls = {"txtMaxletters", "txtMinletters", "chkNomax", "lblMaxletters",
                                     "lblMinletters"};
const QStringList kPointControls = {"optScore", "optPoints1", "optPoints2", "optPoints3",
                                    "optPoints4"};

} // namespace

class Form1SearchTest : public QObject {
    Q_OBJECT
  private slots:
    void lengthBoxesEnableInOrder();
    void clearAndHelpMessages();
    void emptyLettersAreRefused();
    void findWordsInEachOrder_data();
    void findWordsInEachOrder();
    void limitsThatAreNotNumbers();
    void resortingKeepsTheTableOrder();
    void pointSchemesScoreTheNextSearch();
    void switchingPointsOffAndOn();
    void switchingListsKeepsTheResults();
};

void Form1SearchTest::lengthBoxesEnableInOrder() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    auto& nomax = Child<QCheckBox>(*window, "chkNomax");
    auto& anagram = Child<QCheckBox>(*window, "chkAnagram");
    EnableRecorder recorder(*window, kLengthControls);

    nomax.setChecked(true);
    QCOMPARE(recorder.changes, QStringList{"txtMaxletters off"});
    QCOMPARE(window->state().NomaxState, 2);

    recorder.changes.clear();
    anagram.setChecked(true);
    QCOMPARE(recorder.changes, Changes(kLengthControls.mid(1), "off"));
    QCOMPARE(window->state().AnagramState, 2);

    // Unchecking the anagram box enables all five, the maximum box too.
    recorder.changes.clear();
    anagram.setChecked(false);
    QCOMPARE(recorder.changes, Changes(kLengthControls, "on"));
    QCOMPARE(window->state().AnagramState, 1);
    QVERIFY(nomax.isChecked());

    recorder.changes.clear();
    nomax.setChecked(false);
    QVERIFY(recorder.changes.isEmpty()); // the maximum box was enabled already
    QCOMPARE(window->state().NomaxState, 1);
}

void Form1SearchTest::clearAndHelpMessages() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    FindWords(*window, "tea");
    const QStringList items = ListedItems(*window);
    const QString status = StatusText(*window);

    Click(*window, "cmdClear");
    QCOMPARE(Child<QLineEdit>(*window, "txtWord").text(), "");
    QCOMPARE(ListedItems(*window), items);
    QCOMPARE(StatusText(*window), status);

    Click(*window, "cmdNote1");
    Click(*window, "cmdNote2");
    QCOMPARE(platform.messages.size(), 2u);
    for (const auto& message : platform.messages) {
        QCOMPARE(message.title, "Anagrove");
        QCOMPARE(message.icon, MessageIcon::none);
    }
    QCOMPARE(platform.messages[0].text,
             "If words in the extended dictionary are found to be ineligible in your game, you "
             "will have to use the standard dictionary.");
    QCOMPARE(platform.messages[1].text,
             "Many word games, such as scrabble, give points in relation to individual letters in "
             "your word.\r\n\r\nWith this option, you can specify the point value of each letter "
             "to make sure you find the highest scoring word possible.");
}

void Form1SearchTest::emptyLettersAreRefused() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    QCOMPARE(Child<QGroupBox>(*window, "Frame1").title(), " Words Found ");
    FindWords(*window, "tea");
    QVERIFY(!ListedItems(*window).isEmpty());

    FindWords(*window, "");
    QCOMPARE(platform.messages.size(), 1u);
    QCOMPARE(platform.messages[0].title, "Anagrove");
    QCOMPARE(platform.messages[0].text, "Please enter some letters to begin");
    QVERIFY(ListedItems(*window).isEmpty());
    QCOMPARE(StatusText(*window), "Searching...");

    FindWords(*window, "  "); // blanks are letters enough to search, and find nothing
    QCOMPARE(platform.messages.size(), 1u);
    QVERIFY(ListedItems(*window).isEmpty());
    QCOMPARE(Child<QGroupBox>(*window, "Frame1").title(), " 0 words found");
    QCOMPARE(StatusText(*window), " 0 words found out of 9 total words.");
}

void Form1SearchTest::findWordsInEachOrder_data() {
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("usePoints");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("alphabetical with points")
        << "optAlpha" << true
        << QStringList{"a (1)", "at (2)", "ate (3)", "eat (3)", "eta (3)", "tae (3)", "tea (3)"};
    QTest::newRow("alphabetical without points")
        << "optAlpha" << false << QStringList{"a ", "at ", "ate ", "eat ", "eta ", "tae ", "tea "};
    QTest::newRow("score") << "optScore" << true << QStringList{"eta 3", "eat 3", "tae 3", "tea 3",
                                                                "ate 3", "at 2",  "a 1"};
    QTest::newRow("length with points")
        << "optLength" << true
        << QStringList{"eta 3", "eat 3", "tae 3", "tea 3", "ate 3", "at 2", "a 1"};
    QTest::newRow("length without points")
        << "optLength" << false << QStringList{"eta ", "eat ", "tae ", "tea ", "ate ", "at ", "a "};
}

void Form1SearchTest::findWordsInEachOrder() {
    QFETCH(QString, order);
    QFETCH(bool, usePoints);
    QFETCH(QStringList, items);

    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    Child<QCheckBox>(*window, "chkUsepoints").setChecked(usePoints);
    Child<QRadioButton>(*window, qPrintable(order)).setChecked(true);

    FindWords(*window, "tea");
    QCOMPARE(ListedItems(*window), items);
    QCOMPARE(Child<QGroupBox>(*window, "Frame1").title(), " 7 words found");
    QCOMPARE(StatusText(*window), " 7 words found out of 9 total words.");

    FindWords(*window, "tea"); // the same input gives the same list
    QCOMPARE(ListedItems(*window), items);
    QVERIFY(platform.messages.empty());
}

void Form1SearchTest::limitsThatAreNotNumbers() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    FindWords(*window, "tea");
    const QStringList items = ListedItems(*window);
    const QString status = StatusText(*window);
    auto& minimum = Child<QLineEdit>(*window, "txtMinletters");
    auto& maximum = Child<QLineEdit>(*window, "txtMaxletters");

    minimum.setText("two");
    FindWords(*window, "zebra");
    maximum.setText("");
    minimum.setText("1");
    FindWords(*window, "zebra");
    QCOMPARE(platform.messages.size(), 2u);
    QCOMPARE(platform.messages[0].title, "Anagrove");
    QVERIFY(platform.messages[0].text.contains("\"Minimum letters:\""));
    QVERIFY(platform.messages[1].text.contains("\"Maximum letters:\""));
    QCOMPARE(ListedItems(*window), items);
    QCOMPARE(StatusText(*window), status);
    QCOMPARE(Child<QGroupBox>(*window, "Frame1").title(), " 7 words found");

    // The limits not in play are not read.
    Child<QCheckBox>(*window, "chkNomax").setChecked(true);
    FindWords(*window, "zebra");
    QCOMPARE(ListedItems(*window), (QStringList{"a (1)", "zebra (16)"}));
    minimum.setText("");
    Child<QCheckBox>(*window, "chkAnagram").setChecked(true);
    FindWords(*window, "tae");
    QCOMPARE(ListedItems(*window).size(), 5);
    QCOMPARE(platform.messages.size(), 2u);
}

void Form1SearchTest::resortingKeepsTheTableOrder() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    auto& alpha = Child<QRadioButton>(*window, "optAlpha");
    auto& score = Child<QRadioButton>(*window, "optScore");
    auto& length = Child<QRadioButton>(*window, "optLength");

    score.setChecked(true); // before any search: nothing to show
    QVERIFY(ListedItems(*window).isEmpty());

    FindWords(*window, "tea");
    QCOMPARE(ListedItems(*window),
             (QStringList{"eta 3", "eat 3", "tae 3", "tea 3", "ate 3", "at 2", "a 1"}));
    length.setChecked(true);
    QCOMPARE(ListedItems(*window),
             (QStringList{"tae 3", "tea 3", "ate 3", "eat 3", "eta 3", "at 2", "a 1"}));
    score.setChecked(true);
    QCOMPARE(ListedItems(*window),
             (QStringList{"ate 3", "eat 3", "eta 3", "tea 3", "tae 3", "at 2", "a 1"}));
    alpha.setChecked(true); // re-sorted items always carry the score after a blank
    QCOMPARE(ListedItems(*window),
             (QStringList{"a 1", "at 2", "ate 3", "eat 3", "eta 3", "tae 3", "tea 3"}));
    QCOMPARE(Child<QGroupBox>(*window, "Frame1").title(), " 7 words found");
    QCOMPARE(StatusText(*window), " 7 words found out of 9 total words.");

    // A smaller search shows only its own rows.
    FindWords(*window, "at");
    length.setChecked(true);
    QCOMPARE(ListedItems(*window), (QStringList{"at 2", "a 1"}));
}

void Form1SearchTest::pointSchemesScoreTheNextSearch() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    FindWords(*window, "quiz");
    QCOMPARE(ListedItems(*window), QStringList{"quiz (22)"});

    Child<QRadioButton>(*window, "optPoints2").setChecked(true);
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::literati));
    QCOMPARE(ListedItems(*window), QStringList{"quiz (22)"}); // shown scores stay
    FindWords(*window, "quiz");
    QCOMPARE(ListedItems(*window), QStringList{"quiz (12)"});

    Child<QRadioButton>(*window, "optPoints3").setChecked(true);
    FindWords(*window, "quiz");
    QCOMPARE(ListedItems(*window), QStringList{"quiz (120)"});

    Child<QRadioButton>(*window, "optPoints1").setChecked(true);
    FindWords(*window, "QUIZ");
    QCOMPARE(ListedItems(*window), QStringList{"quiz (22)"});
}

void Form1SearchTest::switchingPointsOffAndOn() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartWithShortWords(platform);
    Child<QRadioButton>(*window, "optPoints2").setChecked(true);
    Child<QRadioButton>(*window, "optScore").setChecked(true);
    FindWords(*window, "at");
    auto& usePoints = Child<QCheckBox>(*window, "chkUsepoints");
    EnableRecorder recorder(*window, kPointControls);

    // Off with score order: greyed in order, and re-sorted alphabetically with scores.
    usePoints.setChecked(false);
    QCOMPARE(recorder.changes, Changes(kPointControls, "off"));
    QVERIFY(Child<QRadioButton>(*window, "optAlpha").isChecked());
    QCOMPARE(ListedItems(*window), (QStringList{"a 1", "at 2"}));
    QCOMPARE(window->state().UsepointsState, 2);

    recorder.changes.clear();
    usePoints.setChecked(true);
    QCOMPARE(recorder.changes, Changes(kPointControls, "on"));
    QVERIFY(Child<QRadioButton>(*window, "optAlpha").isChecked());
    QVERIFY(Child<QRadioButton>(*window, "optPoints2").isChecked());
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::literati));
    QCOMPARE(window->state().UsepointsState, 1);
}

void Form1SearchTest::switchingListsKeepsTheResults() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform, false);
    auto& standard = Child<QRadioButton>(*window, "optStandard");
    auto& extended = Child<QRadioButton>(*window, "optExtended");

    // Before the start-up load, "Extended English" loads nothing and
    // "Standard English" loads at once; the start-up tick still loads its list.
    QSignalSpy status(&Child<QStatusBar>(*window, "statusbar"), &QStatusBar::messageChanged);
    extended.setChecked(true);
    QCOMPARE(window->state().wordList->WordCount(), 0);
    standard.setChecked(true);
    QCOMPARE(window->state().wordList->WordCount(), kStandardWords.size());
    QTRY_VERIFY(window->state().StartupDone);
    QCOMPARE(status.count(), 4);

    Child<QLineEdit>(*window, "txtMinletters").setText("1");
    FindWords(*window, "teas");
    const QStringList items = ListedItems(*window);
    extended.setChecked(true);
    QCOMPARE(window->state().wordList->WordCount(), kExtendedWords.size());
    QCOMPARE(ListedItems(*window), items);
    QCOMPARE(StatusText(*window), "Please enter letters to begin search");
    FindWords(*window, "teas");
    QCOMPARE(ListedItems(*window).size(), items.size() + 1); // "teas"
    QCOMPARE(StatusText(*window), " 8 words found out of 13 total words.");
}

QTEST_MAIN(Form1SearchTest)
#include "form1_search_test.moc"
