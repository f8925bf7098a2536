// Start-up from the settings file, the loading window, the word lists, and the
// settings written at close.

#include "form3.h"
#include "points/letter_points.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// The selected option of a group, by objectName.
QString Selected(const Form1& window, const QStringList& group) {
    for (const QString& name : group)
        if (Child<QRadioButton>(window, qPrintable(name)).isChecked())
            return name;
    return {};
}

const QStringList kSortGroup = {"optAlpha", "optLength", "optScore"};
const QStringList kDictionaryGroup = {"optStandard", "optExtended"};
const QStringList kPointsGroup = {"optPoints1", "optPoints2", "optPoints3", "optPoints4"};

QStringList WithOption(int index, const QString& value) {
    QStringList options = kInitialOptions;
    options[index] = value;
    return options;
}

} // namespace

class Form1StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void missingSettingsGiveTheDesignedState();
    void eachFieldSetsItsControl_data();
    void eachFieldSetsItsControl();
    void extendedListIsLoadedOnceByTheTimer();
    void bothLengthBoxesChecked();
    void pointsOffWithScoreOrder();
    void customSchemeWithAndWithoutValues();
    void missingWordListLeavesTheProgramUsable();
    void closingWritesTheSettings();
    void closingWritesChangedControls();
    void failedWriteNamesThePathAndEnds();
};

void Form1StartupTest::missingSettingsGiveTheDesignedState() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform, false);

    QVERIFY(window->loader() && window->loader()->isVisible());
    QCOMPARE(Child<QLabel>(*window->loader(), "Label1").text(), "Loading Standard Dictionary");
    QCOMPARE(Child<QLabel>(*window->loader(), "Label2").text(), "Please wait...");
    QCOMPARE(window->state().wordList->WordCount(), 0); // nothing loads before the timer
    QCOMPARE(Child<QTimer>(*window, "tmrAddwordstodb").interval(), 101);
    QCOMPARE(window->loader()->ontopTimer().interval(), 10);

    QTRY_VERIFY(window->state().StartupDone);
    QVERIFY(!window->loader()->isVisible());
    QVERIFY(!window->loader()->ontopTimer().isActive());
    QCOMPARE(window->windowTitle(), "Anagrove");
    QCOMPARE(Selected(*window, kSortGroup), "optAlpha");
    QCOMPARE(Child<QLineEdit>(*window, "txtMinletters").text(), "2");
    QCOMPARE(Child<QLineEdit>(*window, "txtMaxletters").text(), "8");
    QVERIFY(!Child<QCheckBox>(*window, "chkNomax").isChecked());
    QVERIFY(!Child<QCheckBox>(*window, "chkAnagram").isChecked());
    QCOMPARE(Selected(*window, kDictionaryGroup), "optStandard");
    QVERIFY(Child<QCheckBox>(*window, "chkUsepoints").isChecked());
    QCOMPARE(Selected(*window, kPointsGroup), "optPoints1");
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::scrabble));
    QCOMPARE(window->state().wordList->WordCount(), kStandardWords.size());
    QCOMPARE(StatusText(*window), "Please enter letters to begin search");
    QVERIFY(platform.messages.empty());

    const QStringList focusOrder = {"txtWord",    "cmdStart",   "cmdClear",      "optAlpha",
                                    "optLength",  "optScore",   "txtMinletters", "txtMaxletters",
                                    "chkNomax",   "chkAnagram", "optStandard",   "optExtended",
                                    "lstWords",   "cmdNote1",   "chkUsepoints",  "cmdNote2",
                                    "optPoints1", "cmdDict",    "cmdThes",       "optPoints2",
                                    "optPoints3", "optPoints4"};
    QStringList chain;
    QWidget* first = &Child<QWidget>(*window, "txtWord");
    for (QWidget* w = first; chain.size() < focusOrder.size(); w = w->nextInFocusChain())
        if (focusOrder.contains(w->objectName()))
            chain << w->objectName();
    QCOMPARE(chain, focusOrder);
}

void Form1StartupTest::eachFieldSetsItsControl_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("loaderCaption");
    QTest::addColumn<bool>("usePoints");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("quizScore");

    auto row = [](const char* name, const QStringList& options) -> QTestData& {
        return QTest::newRow(name) << options;
    };
    const QString standard = "Loading Standard Dictionary";
    row("sort length", WithOption(0, "length"))
        << "optLength"
        << "optStandard" << standard << true << "optPoints1" << 22;
    row("sort score", WithOption(0, "score"))
        << "optScore"
        << "optStandard" << standard << true << "optPoints1" << 22;
    row("sort Score is not a word", WithOption(0, "Score"))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints1" << 22;
    row("dictionary extended", WithOption(5, "extended"))
        << "optAlpha"
        << "optExtended"
        << "Loading Extended Dictionary" << true << "optPoints1" << 22;
    row("dictionary unknown means standard", WithOption(5, "Extended"))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints1" << 22;
    row("dictionary empty means standard", WithOption(5, ""))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints1" << 22;
    row("points off", WithOption(6, "false"))
        << "optAlpha"
        << "optStandard" << standard << false << "optPoints1" << 22;
    row("points False keeps them on", WithOption(6, "False"))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints1" << 22;
    row("literati", WithOption(7, "literati"))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints2" << 12;
    row("wordmojo", WithOption(7, "wordmojo"))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints3" << 120;
    row("unknown scheme means scrabble", WithOption(7, "Literati"))
        << "optAlpha"
        << "optStandard" << standard << true << "optPoints1" << 22;
}

void Form1StartupTest::eachFieldSetsItsControl() {
    QFETCH(QStringList, options);
    QFETCH(QString, sort);
    QFETCH(QString, dictionary);
    QFETCH(QString, loaderCaption);
    QFETCH(bool, usePoints);
    QFETCH(QString, scheme);
    QFETCH(int, quizScore);

    ProgramDirectory dir;
    dir.writeSettings(options);
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);

    QCOMPARE(Selected(*window, kSortGroup), sort);
    QCOMPARE(Selected(*window, kDictionaryGroup), dictionary);
    QCOMPARE(Child<QLabel>(*window->loader(), "Label1").text(), loaderCaption);
    QCOMPARE(Child<QCheckBox>(*window, "chkUsepoints").isChecked(), usePoints);
    QCOMPARE(Selected(*window, kPointsGroup), scheme);
    const auto& points = window->state().letterPoints;
    QCOMPARE(points['Q' - 'A'] + points['U' - 'A'] + points['I' - 'A'] + points['Z' - 'A'],
             quizScore);
    const qsizetype words =
        dictionary == "optExtended" ? kExtendedWords.size() : kStandardWords.size();
    QCOMPARE(window->state().wordList->WordCount(), words);
}

void Form1StartupTest::extendedListIsLoadedOnceByTheTimer() {
    ProgramDirectory dir;
    dir.writeSettings(WithOption(5, "extended"));
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform, false);
    QSignalSpy status(&Child<QStatusBar>(*window, "statusbar"), &QStatusBar::messageChanged);

    QVERIFY(Child<QRadioButton>(*window, "optExtended").isChecked());
    QCOMPARE(window->state().wordList->WordCount(), 0);
    QTRY_VERIFY(window->state().StartupDone);
    QTest::qWait(250); // the start-up timer must not tick again

    QStringList texts;
    for (const auto& args : status)
        texts << args.at(0).toString();
    QCOMPARE(texts.count("Loading extended dictionary... please wait"), 1);
    QCOMPARE(texts.count("Loading standard dictionary... please wait"), 0);
    QCOMPARE(window->state().wordList->WordCount(), kExtendedWords.size());
}

void Form1StartupTest::bothLengthBoxesChecked() {
    ProgramDirectory dir;
    dir.writeSettings({"alpha", "3", "5", "2", "2", "standard", "true", "scrabble"});
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);

    QVERIFY(Child<QCheckBox>(*window, "chkNomax").isChecked());
    QVERIFY(Child<QCheckBox>(*window, "chkAnagram").isChecked());
    for (const char* name :
         {"txtMinletters", "txtMaxletters", "lblMinletters", "lblMaxletters", "chkNomax"})
        QVERIFY2(!Child<QWidget>(*window, name).isEnabled(), name);
    QCOMPARE(window->state().NomaxState, 2);
    QCOMPARE(window->state().AnagramState, 2);
    QCOMPARE(Child<QLineEdit>(*window, "txtMinletters").text(), "3");
    QCOMPARE(Child<QLineEdit>(*window, "txtMaxletters").text(), "5");

    // "1" and "true" check neither box.
    ProgramDirectory other;
    other.writeSettings({"alpha", "", "", "1", "true", "standard", "true", "scrabble"});
    FakePlatform otherPlatform(other.path());
    auto second = StartProgram(otherPlatform);
    QVERIFY(!Child<QCheckBox>(*second, "chkNomax").isChecked());
    QVERIFY(!Child<QCheckBox>(*second, "chkAnagram").isChecked());
    QVERIFY(Child<QLineEdit>(*second, "txtMaxletters").isEnabled());
    QCOMPARE(Child<QLineEdit>(*second, "txtMinletters").text(), "");
    QCOMPARE(Child<QLineEdit>(*second, "txtMaxletters").text(), "");
}

void Form1StartupTest::pointsOffWithScoreOrder() {
    ProgramDirectory dir;
    dir.writeSettings({"score", "2", "8", "1", "1", "standard", "false", "wordmojo"});
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);

    QCOMPARE(Selected(*window, kSortGroup), "optAlpha");
    for (const char* name : {"optScore", "optPoints1", "optPoints2", "optPoints3", "optPoints4"})
        QVERIFY2(!Child<QWidget>(*window, name).isEnabled(), name);
    QCOMPARE(Selected(*window, kPointsGroup), "optPoints3"); // greyed, still selected
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::wordmojo));
    QCOMPARE(window->state().UsepointsState, 2);
}

void Form1StartupTest::customSchemeWithAndWithoutValues() {
    QStringList custom;
    for (int i = 0; i < 26; ++i)
        custom << QString(" %1").arg(i);
    custom[1] = " 2.5";
    custom[2] = "-3";
    ProgramDirectory dir;
    dir.writeSettings(WithOption(7, "custom"), custom);
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);

    QVERIFY(Child<QRadioButton>(*window, "optPoints4").isChecked());
    QVERIFY(window->editor() == nullptr); // restoring the scheme opens no editor
    QVERIFY(window->isVisible());
    const auto& points = window->state().letterPoints;
    QCOMPARE(points[0], 0);
    QCOMPARE(points[1], 2); // 2.5 goes to the even neighbour
    QCOMPARE(points[2], -3);
    QCOMPARE(points[25], 25);
    QCOMPARE(window->state().settings.customPoints[1], " 2.5");

    ProgramDirectory empty;
    empty.writeSettings(WithOption(7, "custom"));
    FakePlatform emptyPlatform(empty.path());
    auto second = StartProgram(emptyPlatform);
    QVERIFY(Child<QRadioButton>(*second, "optPoints4").isChecked());
    QVERIFY(second->state().letterPoints == LetterPoints{});
}

void Form1StartupTest::missingWordListLeavesTheProgramUsable() {
    ProgramDirectory dir;
    QVERIFY(QFile::remove(dir.filePath("standard.txt")));
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);

    QCOMPARE(platform.messages.size(), 1u);
    QCOMPARE(platform.messages[0].title, "Anagrove");
    QVERIFY(platform.messages[0].text.contains(dir.filePath("standard.txt")));
    QVERIFY(!platform.messages[0].visibleWindows.contains("Form3"));
    QCOMPARE(StatusText(*window), "No word list is loaded");
    QVERIFY(!window->loader()->isVisible());

    FindWords(*window, "tea");
    QCOMPARE(StatusText(*window), " 0 words found out of 0 total words.");

    Child<QRadioButton>(*window, "optExtended").setChecked(true);
    QCOMPARE(window->state().wordList->WordCount(), kExtendedWords.size());
    QCOMPARE(StatusText(*window), "Please enter letters to begin search");
}

void Form1StartupTest::closingWritesTheSettings() {
    QStringList custom;
    for (int i = 0; i < 26; ++i)
        custom << (i % 2 ? QString(" %1").arg(i) : QString());
    ProgramDirectory dir;
    dir.writeSettings({"sideways", "", "12", "7", "2", "extended", "False", "literati"}, custom);
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    window->close();

    QCOMPARE(platform.endCount, 1);
    QCOMPARE(dir.readFile("data.dat"),
             SettingsLine({"alpha", "", "12", "1", "2", "extended", "true", "literati"}, custom));
}

void Form1StartupTest::closingWritesChangedControls() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    Child<QRadioButton>(*window, "optLength").setChecked(true);
    auto& minimum = Child<QLineEdit>(*window, "txtMinletters");
    minimum.clear();
    QTest::keyClicks(&minimum, "3\"4"); // a double quote cannot be typed
    QCOMPARE(minimum.text(), "34");
    Child<QCheckBox>(*window, "chkNomax").setChecked(true);
    Child<QRadioButton>(*window, "optExtended").setChecked(true);
    Child<QCheckBox>(*window, "chkUsepoints").setChecked(false);
    window->close();

    QCOMPARE(dir.readFile("data.dat"),
             SettingsLine({"length", "34", "8", "2", "1", "extended", "false", "scrabble"}));
}

void Form1StartupTest::failedWriteNamesThePathAndEnds() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    platform.settingsPathOverride = dir.filePath("no such folder/data.dat");
    auto window = StartProgram(platform);
    window->close();

    QCOMPARE(platform.messages.size(), 1u);
    QCOMPARE(platform.messages[0].title, "Anagrove");
    QVERIFY(platform.messages[0].text.contains(platform.settingsPathOverride));
    QCOMPARE(platform.endCount, 1);
}

QTEST_MAIN(Form1StartupTest)
#include "form1_startup_test.moc"
