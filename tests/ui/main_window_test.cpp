// The main window, reached only through key presses and mouse clicks: start-up
// from the settings file and the settings written at close; the handlers of
// its controls; the Tab cycle, the arrow keys in each option group, every
// accelerator, and input on disabled controls.

#include "loading_window.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMetaType>
#include <QTimer>
#include <QUrl>

#include <utility>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// The window in one line: the checked and the disabled controls (the lookups
// aside), the length boxes, the loaded list, the score of
// quiz and the caption of the loading window.
QString Describe(const Program& p) {
    QString on, off;
    for (const auto* control : p.window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (button && button->isChecked())
            on += button->objectName() + ' ';
        if (!control->isEnabled() && !control->objectName().startsWith("cmd"))
            off += ' ' + control->objectName();
    }
    const ProgramState& s = p.state();
    const auto& points = s.letterPoints; // Q U I Z
    return QString::asprintf(
        "%s| off:%s | %s-%s | %d words | quiz %d | %s", qPrintable(on), qPrintable(off),
        qPrintable(p.get<QLineEdit>("txtMinletters").text()),
        qPrintable(p.get<QLineEdit>("txtMaxletters").text()), s.wordList->WordCount(),
        points[16] + points[20] + points[8] + points[25],
        qPrintable(Child<QLabel>(*p.window->loadingWindow(), "Label1").text()));
}

// Records, in order, each change of the watched controls' enabled state.
struct EnableRecorder : QObject {
    QStringList changes;
    EnableRecorder(const Program& p, const QStringList& names) {
        for (const QString& name : names)
            p.get(name).installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            changes << watched->objectName() +
                           (qobject_cast<QWidget*>(watched)->isEnabled() ? "+" : "-");
        return false;
    }
    QString take() { return std::exchange(changes, {}).join(' '); }
};

QString Caption(const Program& p) {
    return p.get<QGroupBox>("Frame1").title();
}

// Both lookup buttons' enabled states.
QString Lookups(const Program& p) {
    return QString("%1 %2").arg(p.get("cmdDict").isEnabled()).arg(p.get("cmdThes").isEnabled());
}

// A click on the link's text, at its left end.
void ClickLink(const Program& p) {
    QWidget& link = p.get("link");
    ClickAt(*p.window, link.mapTo(p.window.get(), QPoint(8, link.height() / 2)));
}

// The option groups of the main window, each in its order on the window.
const QStringList kSortGroup{"optAlpha", "optLength", "optScore"};
const QStringList kDictionaryGroup{"optStandard", "optExtended"};
const QStringList kPointsGroup{"optPoints1", "optPoints2", "optPoints3", "optPoints4"};

// Letters typed through the letters box's accelerator and searched with
// "Find Words"'s: how many results the list shows.
int SearchByKeys(const Program& p, const QString& letters) {
    Press(Qt::Key_L, Qt::AltModifier);
    Type(letters);
    Press(Qt::Key_F, Qt::AltModifier);
    return p.get<QListView>("lstWords").model()->rowCount();
}

struct AreaRow {
    const char* name;    // the control
    const char* checked; // the checked buttons after a click at its right end
};

struct EnterRow {
    const char* name;
    const char* control; // given the focus
    Qt::Key key;
    const char* effect; // as Effects gives it
};

// What the buttons of the main window have done so far.
QString Effects(const Program& p) {
    return QString("%1 searches, %2 messages, %3 opened, letters '%4'")
        .arg(p.statuses.filter("Searching...").size())
        .arg(p.platform.messages.size())
        .arg(p.platform.opened.size())
        .arg(p.get<QLineEdit>("txtWord").text());
}

struct SettingsRow {
    const char* name;
    QStringList options; // none: no settings file
    QStringList custom;
    QString expected; // as Describe gives it
};

struct FindRow {
    const char* name;
    const char* order; // the sort option clicked
    bool points;
    const char* letters;
    const char* items;
};

struct TabRow {
    const char* name;
    QStringList options;
    const char* letters; // searched, and the first result selected; none: nothing
    const char* stops;   // one cycle from the letters box
};

struct ArrowRow {
    QStringList group;
    QString selected; // clicked first
    QString focused;  // then given the focus, when not the selected one
};

struct AcceleratorRow {
    const char* name;
    Qt::Key key;         // with Alt
    const char* before;  // clicked first, so that the control is (un)selected
    const char* focus;   // the focused control afterwards
    const char* checked; // the checked buttons afterwards
};

struct DisabledRow {
    const char* name;
    QStringList options;
    const char* control;
    Qt::Key key; // the control's accelerator
};

} // namespace

Q_DECLARE_METATYPE(AreaRow)
Q_DECLARE_METATYPE(EnterRow)
Q_DECLARE_METATYPE(SettingsRow)
Q_DECLARE_METATYPE(FindRow)
Q_DECLARE_METATYPE(TabRow)
Q_DECLARE_METATYPE(ArrowRow)
Q_DECLARE_METATYPE(AcceleratorRow)
Q_DECLARE_METATYPE(DisabledRow)

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void settingsSetTheControls_data();
    void settingsSetTheControls();
    void wordLists();
    void closingWritesTheSettings();
    void checkBoxesAndPointSchemes();
    void clearAndHelp();
    void findWords_data();
    void findWords();
    void limitsThatAreNotNumbers();
    void resortingKeepsTheTableOrder();
    void lookups();
    void keyboard();
    void clicksAnywhereOnAnOptionOrBox_data();
    void clicksAnywhereOnAnOptionOrBox();
    void keysOnAFocusedButton_data();
    void keysOnAFocusedButton();
    void clickBelowTheResultsKeepsTheSelection();
    void tabCycles_data();
    void tabCycles();
    void arrowKeysStayInTheirGroup_data();
    void arrowKeysStayInTheirGroup();
    void acceleratorsThenSearch_data();
    void acceleratorsThenSearch();
    void disabledControlsTakeNoInput_data();
    void disabledControlsTakeNoInput();
};

void MainWindowTest::settingsSetTheControls_data() {
    const QString initial = "optAlpha optStandard chkUsepoints optPoints1 | off: | 2-8 | 9 words | "
                            "quiz 22 | Loading Standard Dictionary";
    const auto as = [&](std::initializer_list<std::pair<const char*, const char*>> changes) {
        QString expected = initial;
        for (const auto& [from, to] : changes)
            expected.replace(from, to);
        return expected;
    };
    QStringList values; // A is 0, B 1 ... Z 25
    for (int i = 0; i < 26; ++i)
        values << QString(" %1").arg(i);
    const SettingsRow rows[] = {
        {"no settings file", {}, {}, initial},
        {"sort length", With(kInitial, 0, "length"), {}, as({{"optAlpha", "optLength"}})},
        {"sort score", With(kInitial, 0, "score"), {}, as({{"optAlpha", "optScore"}})},
        {"sort Score is no word", With(kInitial, 0, "Score"), {}, initial},
        {"empty minimum stays empty", With(kInitial, 1, ""), {}, as({{"2-8", "-8"}})},
        {"anagram true is no word", With(kInitial, 4, "true"), {}, initial},
        {"extended",
         With(kInitial, 5, "extended"),
         {},
         as({{"Standard", "Extended"}, {" 9 words", " 12 words"}})},
        {"Extended is no word", With(kInitial, 5, "Extended"), {}, initial},
        {"points False stay on", With(kInitial, 6, "False"), {}, initial},
        {"literati",
         With(kInitial, 7, "literati"),
         {},
         as({{"optPoints1", "optPoints2"}, {"quiz 22", "quiz 12"}})},
        {"wordmojo",
         With(kInitial, 7, "wordmojo"),
         {},
         as({{"optPoints1", "optPoints3"}, {"quiz 22", "quiz 120"}})},
        {"Literati is no scheme", With(kInitial, 7, "Literati"), {}, initial},
        {"custom without values",
         With(kInitial, 7, "custom"),
         {},
         as({{"optPoints1", "optPoints4"}, {"quiz 22", "quiz 0"}})},
        {"custom with values", With(kInitial, 7, "custom"), values,
         as({{"optPoints1", "optPoints4"}, {"quiz 22", "quiz 69"}})},
        {"both boxes, points off with score order",
         {"score", "3", "5", "2", "2", "standard", "false", "wordmojo"},
         {},
         "optAlpha chkNomax chkAnagram optStandard optPoints3 | off: optScore lblMinletters "
         "txtMinletters lblMaxletters txtMaxletters chkNomax optPoints1 optPoints2 optPoints3 "
         "optPoints4 | 3-5 | 9 words | quiz 120 | Loading Standard Dictionary"},
    };
    AddRows(rows);
}

void MainWindowTest::settingsSetTheControls() {
    QFETCH(SettingsRow, row);
    Program p({.options = row.options, .custom = row.custom});
    QCOMPARE(Describe(p), row.expected);
    QVERIFY(!p.window->pointsEditor() && p.platform.messages.empty());
}

void MainWindowTest::wordLists() {
    Program p({.standardList = false});
    const QStringList& messages = p.platform.messages; // not under the loading window
    QVERIFY(messages.size() == 1 && messages[0].startsWith("Anagrove: ") &&
            messages[0].contains(p.dir.filePath("standard.txt")));
    QCOMPARE(p.status(), "No word list is loaded");
    p.find("tea");
    QCOMPARE(p.status(), " 0 words found out of 0 total words.");
    p.set("optExtended"); // the other list can still be chosen
    p.find("teas");
    QCOMPARE(p.status(), " 8 words found out of 12 total words.");
    const QString items = p.items();
    p.set("optStandard"); // the shown results stay
    QVERIFY(p.items() == items && p.platform.messages.size() == 2);
}

void MainWindowTest::closingWritesTheSettings() {
    // Unchanged: the fields come back normalised, the custom texts as read.
    QStringList custom;
    for (int i = 0; i < 26; i += 2)
        custom << "" << QString(" %1").arg(i);
    Program read({.options = {"sideways", "", "12", "7", "2", "extended", "False", "literati"},
                  .custom = custom});
    read.window->close();
    QCOMPARE(read.read("data.dat"),
             SettingsLine({"alpha", "", "12", "1", "2", "extended", "true", "literati"}, custom));

    // Changed controls; a double quote cannot be typed into a length box.
    Program changed;
    changed.set("optLength");
    changed.retype("txtMinletters", "3\"4");
    changed.set("chkNomax");
    changed.set("optExtended");
    changed.set("chkUsepoints", false);
    changed.window->close();
    QCOMPARE(changed.read("data.dat"),
             SettingsLine({"length", "34", "8", "2", "1", "extended", "false", "scrabble"}));

    // A settings file that cannot be written: a message naming it, then the end.
    Program failed;
    failed.platform.settings = failed.dir.filePath("no such folder/data.dat");
    failed.window->close();
    QVERIFY(failed.messages().startsWith("Anagrove: ") &&
            failed.messages().contains(failed.platform.settings) && failed.platform.ends == 1);
}

void MainWindowTest::checkBoxesAndPointSchemes() {
    Program p;
    EnableRecorder recorder(p, {"txtMaxletters", "txtMinletters", "chkNomax", "lblMaxletters",
                                "lblMinletters", "optScore", "optPoints1", "optPoints2",
                                "optPoints3", "optPoints4"});
    p.set("chkNomax");
    QCOMPARE(recorder.take(), "txtMaxletters-");
    p.set("chkAnagram");
    QCOMPARE(recorder.take(), "txtMinletters- chkNomax- lblMaxletters- lblMinletters-");
    p.set("chkAnagram", false); // all five, the maximum box too
    QCOMPARE(recorder.take(),
             "txtMaxletters+ txtMinletters+ chkNomax+ lblMaxletters+ lblMinletters+");
    p.set("chkNomax", false);
    QCOMPARE(recorder.take(), "");

    // Points off with score order: the results come back alphabetically, with
    // the scores after a blank.
    p.set("optPoints2");
    p.set("optScore");
    p.find("at");
    p.set("chkUsepoints", false);
    QCOMPARE(recorder.take(), "optScore- optPoints1- optPoints2- optPoints3- optPoints4-");
    QVERIFY(p.get<QAbstractButton>("optAlpha").isChecked());
    QCOMPARE(p.items(), "a 1|at 2");
    p.set("chkUsepoints");
    QCOMPARE(recorder.take(), "optScore+ optPoints1+ optPoints2+ optPoints3+ optPoints4+");

    // Each scheme scores the next search, not the shown one; Literati is still on.
    const std::pair<const char*, const char*> schemes[] = {
        {"optPoints2", "quiz (12)"}, {"optPoints3", "quiz (120)"}, {"optPoints1", "quiz (22)"}};
    for (const auto& [option, item] : schemes) {
        const QString shown = p.items();
        p.set(option);
        QCOMPARE(p.items(), shown);
        p.find("quiz");
        QCOMPARE(p.items(), item);
    }
}

void MainWindowTest::clearAndHelp() {
    Program p;
    p.find("tea");
    const QString items = p.items(), status = p.status();
    p.clickOn("cmdClear");
    QCOMPARE(p.get<QLineEdit>("txtWord").text(), "");
    QVERIFY(p.items() == items && p.status() == status);
    p.clickOn("cmdNote1");
    p.clickOn("cmdNote2");
    QCOMPARE(p.messages(),
             "Anagrove: If words in the extended dictionary are found to be ineligible in your "
             "game, you will have to use the standard dictionary.\n"
             "Anagrove: Many word games, such as scrabble, give points in relation to individual "
             "letters in your word.\r\n\r\nWith this option, you can specify the point value of "
             "each letter to make sure you find the highest scoring word possible.");
}

void MainWindowTest::findWords_data() {
    const char* byScore = "eta 3|eat 3|tae 3|tea 3|ate 3|at 2|a 1";
    const FindRow rows[] = {
        {"alphabetical", "optAlpha", true, "tea",
         "a (1)|at (2)|ate (3)|eat (3)|eta (3)|tae (3)|tea (3)"},
        {"alphabetical, no points", "optAlpha", false, "tea", "a |at |ate |eat |eta |tae |tea "},
        {"score", "optScore", true, "tea", byScore},
        {"length", "optLength", true, "tea", byScore},
        {"length, no points", "optLength", false, "tea", "eta |eat |tae |tea |ate |at |a "},
        {"blanks find nothing", "optAlpha", true, "  ", ""},
    };
    AddRows(rows);
}

void MainWindowTest::findWords() {
    QFETCH(FindRow, row);
    const QString items = row.items;
    const QString count = QString(" %1").arg(items.isEmpty() ? 0 : items.count('|') + 1);
    Program p;
    p.set("chkUsepoints", row.points);
    p.set(row.order);
    for (int i = 0; i < 2; ++i) { // the same input gives the same list
        p.find(row.letters);
        QCOMPARE(p.items(), items);
        QCOMPARE(Caption(p), count + " words found");
        QCOMPARE(p.status(), count + " words found out of 9 total words.");
    }
    p.find(""); // empty letters: the list is emptied and nothing searched
    QVERIFY(p.items().isEmpty() && Caption(p) == count + " words found");
    QCOMPARE(p.status(), "Searching...");
    QCOMPARE(p.messages(), "Anagrove: Please enter some letters to begin");
}

void MainWindowTest::limitsThatAreNotNumbers() {
    Program p;
    p.find("tea");
    const QString items = p.items(), status = p.status();
    p.retype("txtMinletters", "two");
    p.find("zebra");
    p.retype("txtMinletters", "1");
    p.retype("txtMaxletters", "");
    p.find("zebra");
    QCOMPARE(p.messages(), "Anagrove: Please enter a number in the box \"Minimum letters:\".\n"
                           "Anagrove: Please enter a number in the box \"Maximum letters:\".");
    QVERIFY(p.items() == items && p.status() == status && Caption(p) == " 7 words found");
}

void MainWindowTest::resortingKeepsTheTableOrder() {
    Program p;
    p.set("optScore");
    p.find("tea");
    // Each re-sort starts from the order the one before left; the items always
    // carry the score after a blank.
    const std::pair<const char*, const char*> steps[] = {
        {"optLength", "tae 3|tea 3|ate 3|eat 3|eta 3|at 2|a 1"},
        {"optScore", "ate 3|eat 3|eta 3|tea 3|tae 3|at 2|a 1"},
        {"optAlpha", "a 1|at 2|ate 3|eat 3|eta 3|tae 3|tea 3"}};
    for (const auto& [option, items] : steps) {
        p.set(option);
        QCOMPARE(p.items(), items);
    }
    QVERIFY(Caption(p) == " 7 words found" && p.status().startsWith(" 7 words found out of"));
}

void MainWindowTest::lookups() {
    Program p({.standard = kStandard + QStringList{"caf\u00E9"}});
    p.find("quiz");
    QCOMPARE(Lookups(p), "0 0");
    p.select(0);
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "1 1", 300);
    p.clickOn("cmdDict");
    p.clickOn("cmdThes");
    QCOMPARE(p.platform.opened, (QStringList{"https://www.dictionary.com/search?q=quiz",
                                             "https://www.thesaurus.com/search?q=quiz"}));
    ClickLink(p); // the help page beside the program
    QCOMPARE(QUrl(p.platform.opened.value(2)).toLocalFile(), p.dir.filePath("anagrove-help.html"));

    p.platform.answer = {OpenResult::Outcome::no_association, 0};
    p.clickOn("cmdThes");
    p.platform.answer = {OpenResult::Outcome::failure, 2};
    p.clickOn("cmdDict");
    QCOMPARE(p.messages(),
             "Browser Unavailable (!): Anagrove could not find a file association for "
             "https://www.thesaurus.com/search?q=quiz on your system. You should check that your "
             "browseris correctly installed and associated with this type of file.\n"
             "Browser Unavailable (!): Anagrove had a problem running your web browser.You should "
             "check that your browser is correctly installed.(Error2)");
    QCOMPARE(p.window->selectedItemText(), "quiz (22)"); // the selection stays

    // A click in the moment between a new search, which leaves nothing
    // selected, and the next tick that disables the buttons looks up nothing.
    p.platform.answer = {};
    p.platform.messages.clear();
    p.find("quiz");
    p.clickOn("cmdDict");
    QVERIFY(p.platform.opened.size() == 5 && p.platform.messages.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "0 0", 300);

    // A word of the user's own with a letter above 127 goes as UTF-8.
    p.find("caf*");
    QCOMPARE(p.items().split('|').value(2), "caf\u00E9 (8)");
    p.select(2); // after a and at
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "1 1", 300);
    p.clickOn("cmdDict");
    QCOMPARE(p.platform.opened.last(), "https://www.dictionary.com/search?q=caf%C3%A9");
}

void MainWindowTest::keyboard() {
    Program p;
    p.statuses.clear();
    p.clickOn("txtWord");
    Type("at");
    Press(Qt::Key_Return);
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    p.clickOn("txtMaxletters");
    Press(Qt::Key_Return);
    p.clickOn("txtWord");
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), "cmdStart");
    Press(Qt::Key_Return);
    QCOMPARE(p.statuses.size(), 8); // four searches, each "Searching..." and the counts

    Press(Qt::Key_L, Qt::AltModifier);
    Type("eat"); // in the letters box
    Press(Qt::Key_E, Qt::AltModifier);
    Press(Qt::Key_G, Qt::AltModifier);
    Press(Qt::Key_F, Qt::AltModifier);
    QVERIFY(p.items().count('|') == 4 && p.items().count(" 3") == 5); // by length, anagrams only
    Press(Qt::Key_F1);
    QCOMPARE(QUrl(p.platform.opened.value(0)).toLocalFile(), p.dir.filePath("anagrove-help.html"));
    for (const auto* button : p.window->findChildren<QAbstractButton*>()) // captions as shown
        QVERIFY2(!button->text().contains('&'), qPrintable(button->text()));

    // The results: focus makes the first item current, not selected; the
    // arrows select; Ctrl+C copies the word alone; a double-click looks it up.
    p.set("chkAnagram", false);
    p.set("optAlpha");
    p.find("tea");
    Press(Qt::Key_W, Qt::AltModifier);
    QCOMPARE(FocusName(), "lstWords");
    QApplication::clipboard()->setText("unchanged");
    Press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "unchanged");
    for (auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        Press(key);
    Press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "at");
    auto& list = p.get<QListView>("lstWords");
    const QPoint last = list.visualRect(list.model()->index(6, 0)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, last);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, last);
    QCOMPARE(p.window->selectedItemText(), "tea (3)");
    QCOMPARE(p.platform.opened.last(), "https://www.dictionary.com/search?q=tea");
}

void MainWindowTest::clicksAnywhereOnAnOptionOrBox_data() {
    const AreaRow rows[] = {
        {"optLength", "optLength optStandard chkUsepoints optPoints1"},
        {"optScore", "optScore optStandard chkUsepoints optPoints1"},
        {"optExtended", "optAlpha optExtended chkUsepoints optPoints1"},
        {"optPoints3", "optAlpha optStandard chkUsepoints optPoints3"},
        {"chkNomax", "optAlpha chkNomax optStandard chkUsepoints optPoints1"},
        {"chkAnagram", "optAlpha chkAnagram optStandard chkUsepoints optPoints1"},
        {"chkUsepoints", "optAlpha optStandard optPoints1"},
    };
    AddRows(rows);
}

void MainWindowTest::clicksAnywhereOnAnOptionOrBox() {
    // The whole of a control's place takes the click, not only its caption.
    QFETCH(AreaRow, row);
    Program p;
    QWidget& control = p.get(row.name);
    ClickAt(*p.window,
            control.mapTo(p.window.get(), QPoint(control.width() - 3, control.height() / 2)));
    QCOMPARE(p.checked(), row.checked);
}

void MainWindowTest::keysOnAFocusedButton_data() {
    const EnterRow rows[] = {
        {"Enter on Find Words", "cmdStart", Qt::Key_Return,
         "2 searches, 0 messages, 0 opened, letters 'quiz'"},
        {"Enter on Clear", "cmdClear", Qt::Key_Return,
         "1 searches, 0 messages, 0 opened, letters ''"},
        {"Space on Clear", "cmdClear", Qt::Key_Space,
         "1 searches, 0 messages, 0 opened, letters ''"},
        {"Enter on the first ?", "cmdNote1", Qt::Key_Return,
         "1 searches, 1 messages, 0 opened, letters 'quiz'"},
        {"Enter on the second ?", "cmdNote2", Qt::Key_Return,
         "1 searches, 1 messages, 0 opened, letters 'quiz'"},
        {"Enter on Dictionary", "cmdDict", Qt::Key_Return,
         "1 searches, 0 messages, 1 opened, letters 'quiz'"},
        {"Enter on Thesaurus", "cmdThes", Qt::Key_Enter,
         "1 searches, 0 messages, 1 opened, letters 'quiz'"},
        {"Space on Thesaurus", "cmdThes", Qt::Key_Space,
         "1 searches, 0 messages, 1 opened, letters 'quiz'"},
    };
    AddRows(rows);
}

void MainWindowTest::keysOnAFocusedButton() {
    // Enter presses the button that has the focus, as Space does.
    QFETCH(EnterRow, row);
    Program p;
    p.statuses.clear();
    p.find("quiz");
    p.select(0);
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "1 1", 300);
    PressAndSlideOff(p.get(row.control));
    QCOMPARE(FocusName(), row.control);
    Press(row.key, row.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(Effects(p), row.effect);
}

void MainWindowTest::clickBelowTheResultsKeepsTheSelection() {
    Program p;
    p.find("at");
    p.select(1);
    auto& list = p.get<QListView>("lstWords");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(20, list.viewport()->height() - 5));
    QCOMPARE(p.window->selectedItemText(), "at (2)");
    QTest::qWait(150); // a tick of the lookup timer
    QCOMPARE(Lookups(p), "1 1");
}

void MainWindowTest::tabCycles_data() {
    const TabRow rows[] = {
        {"points on", kShortWords, nullptr,
         "txtWord cmdStart cmdClear optAlpha txtMinletters txtMaxletters chkNomax chkAnagram "
         "optStandard lstWords cmdNote1 chkUsepoints cmdNote2 optPoints1"},
        {"points off", With(kShortWords, 6, "false"), nullptr,
         "txtWord cmdStart cmdClear optAlpha txtMinletters txtMaxletters chkNomax chkAnagram "
         "optStandard lstWords cmdNote1 chkUsepoints cmdNote2"},
        {"other options, a result selected",
         {"score", "1", "8", "2", "1", "extended", "true", "wordmojo"},
         "tea",
         "txtWord cmdStart cmdClear optScore txtMinletters chkNomax chkAnagram optExtended "
         "lstWords cmdNote1 chkUsepoints cmdNote2 cmdDict cmdThes optPoints3"},
        {"literati, a result selected", With(kShortWords, 7, "literati"), "tea",
         "txtWord cmdStart cmdClear optAlpha txtMinletters txtMaxletters chkNomax chkAnagram "
         "optStandard lstWords cmdNote1 chkUsepoints cmdNote2 cmdDict cmdThes optPoints2"},
        {"custom", With(kShortWords, 7, "custom"), nullptr,
         "txtWord cmdStart cmdClear optAlpha txtMinletters txtMaxletters chkNomax chkAnagram "
         "optStandard lstWords cmdNote1 chkUsepoints cmdNote2 optPoints4"},
        {"anagrams, points off, a result selected",
         {"length", "1", "8", "1", "2", "standard", "false", "literati"},
         "tea",
         "txtWord cmdStart cmdClear optLength chkAnagram optStandard lstWords cmdNote1 "
         "chkUsepoints cmdNote2 cmdDict cmdThes"},
    };
    AddRows(rows);
}

void MainWindowTest::tabCycles() {
    QFETCH(TabRow, row);
    Program p({.options = row.options});
    if (row.letters) {
        p.find(row.letters);
        p.select(0);
        QTRY_VERIFY_WITH_TIMEOUT(p.get("cmdDict").isEnabled(), 300);
    }
    const QStringList stops = QString(row.stops).split(' ');
    p.clickOn("txtWord");
    const auto [forward, backward] = TabCyclesBothWays(static_cast<int>(stops.size()));
    const QString twice = QString(row.stops) + ' ' + row.stops + ' ' + stops.first();
    QCOMPARE(forward, twice);
    QCOMPARE(backward, twice);
}

void MainWindowTest::arrowKeysStayInTheirGroup_data() {
    // Each option of each group focused, once selected and once with its
    // neighbour before it (the last for the first) selected.
    QTest::addColumn<ArrowRow>("row");
    for (const QStringList& group : {kSortGroup, kDictionaryGroup, kPointsGroup})
        for (qsizetype i = 0; i < group.size(); ++i)
            for (const QString& selected : {group[i], group[(i + group.size() - 1) % group.size()]})
                QTest::addRow("on %s, %s selected", qPrintable(group[i]), qPrintable(selected))
                    << ArrowRow{group, selected, group[i]};
}

void MainWindowTest::arrowKeysStayInTheirGroup() {
    QFETCH(ArrowRow, row);
    Program p;
    p.find("tea");
    const QStringList& group = row.group;
    const QRegularExpression inGroup("^(" + group.join('|') + ")$");
    const auto othersChecked = [&] {
        QStringList names = p.checked().split(' ');
        names.removeIf([&](const QString& name) { return inGroup.match(name).hasMatch(); });
        return names.join(' ');
    };
    QStringList outcomes, expected;
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        p.clickOn(row.selected);
        p.closeEditor();
        if (row.focused != row.selected)
            PressAndSlideOff(p.get(row.focused));
        QCOMPARE(FocusName(), row.focused);
        const QString others = othersChecked();
        const int loads = p.statuses.filter("Loading").size();
        const QString items = p.items();

        Press(key);
        const QString selected = p.checked().split(' ').filter(inGroup).join(' ');
        const bool changed = !p.get<QAbstractButton>(row.selected).isChecked();
        const bool editor = p.closeEditor(); // the focus comes back where it was
        outcomes << FocusName() + ' ' + selected + (editor ? " editor" : "");
        QCOMPARE(othersChecked(), others);
        // Only a change of dictionary loads a list, and only a change of order
        // rewrites the results.
        QCOMPARE(p.statuses.filter("Loading").size() - loads,
                 changed && group == kDictionaryGroup ? 1 : 0);
        if (!changed || group != kSortGroup)
            QCOMPARE(p.items(), items);
    }
    // Up and Left select the option before the focused one, Down and Right the
    // one after it, and the custom option opens its editor; at either end of
    // the group nothing changes.
    const qsizetype at = group.indexOf(row.focused);
    for (const qsizetype to : {at - 1, at + 1, at - 1, at + 1}) {
        const QString option = group.value(to);
        expected << (option.isEmpty()
                         ? row.focused + ' ' + row.selected
                         : option + ' ' + option + (option == "optPoints4" ? " editor" : ""));
    }
    QCOMPARE(outcomes.join(" | "), expected.join(" | "));
}

void MainWindowTest::acceleratorsThenSearch_data() {
    const char* initial = "optAlpha optStandard chkUsepoints optPoints1";
    const AcceleratorRow rows[] = {
        {"Alt+L letters", Qt::Key_L, "", "txtWord", initial},
        {"Alt+F find", Qt::Key_F, "", "cmdStart", initial},
        {"Alt+C clear", Qt::Key_C, "", "cmdClear", initial},
        {"Alt+A selected", Qt::Key_A, "", "optAlpha", initial},
        {"Alt+A unselected", Qt::Key_A, "optScore", "optAlpha", initial},
        {"Alt+G selected", Qt::Key_G, "optLength", "optLength",
         "optLength optStandard chkUsepoints optPoints1"},
        {"Alt+G unselected", Qt::Key_G, "", "optLength",
         "optLength optStandard chkUsepoints optPoints1"},
        {"Alt+S selected", Qt::Key_S, "optScore", "optScore",
         "optScore optStandard chkUsepoints optPoints1"},
        {"Alt+S unselected", Qt::Key_S, "", "optScore",
         "optScore optStandard chkUsepoints optPoints1"},
        {"Alt+M minimum", Qt::Key_M, "", "txtMinletters", initial},
        {"Alt+X maximum", Qt::Key_X, "", "txtMaxletters", initial},
        {"Alt+N checked", Qt::Key_N, "chkNomax", "chkNomax", initial},
        {"Alt+N unchecked", Qt::Key_N, "", "chkNomax",
         "optAlpha chkNomax optStandard chkUsepoints optPoints1"},
        {"Alt+E checked", Qt::Key_E, "chkAnagram", "chkAnagram", initial},
        {"Alt+E unchecked", Qt::Key_E, "", "chkAnagram",
         "optAlpha chkAnagram optStandard chkUsepoints optPoints1"},
        {"Alt+R selected", Qt::Key_R, "", "optStandard", initial},
        {"Alt+R unselected", Qt::Key_R, "optExtended", "optStandard", initial},
        {"Alt+T selected", Qt::Key_T, "optExtended", "optExtended",
         "optAlpha optExtended chkUsepoints optPoints1"},
        {"Alt+T unselected", Qt::Key_T, "", "optExtended",
         "optAlpha optExtended chkUsepoints optPoints1"},
        {"Alt+W results", Qt::Key_W, "", "lstWords", initial},
        {"Alt+P checked", Qt::Key_P, "", "chkUsepoints", "optAlpha optStandard optPoints1"},
        {"Alt+P unchecked", Qt::Key_P, "chkUsepoints", "chkUsepoints", initial},
        {"Alt+B selected", Qt::Key_B, "", "optPoints1", initial},
        {"Alt+B unselected", Qt::Key_B, "optPoints3", "optPoints1", initial},
        {"Alt+I selected", Qt::Key_I, "optPoints2", "optPoints2",
         "optAlpha optStandard chkUsepoints optPoints2"},
        {"Alt+I unselected", Qt::Key_I, "", "optPoints2",
         "optAlpha optStandard chkUsepoints optPoints2"},
        {"Alt+O selected", Qt::Key_O, "optPoints3", "optPoints3",
         "optAlpha optStandard chkUsepoints optPoints3"},
        {"Alt+O unselected", Qt::Key_O, "", "optPoints3",
         "optAlpha optStandard chkUsepoints optPoints3"},
        {"Alt+U selected", Qt::Key_U, "optPoints4", "optPoints4",
         "optAlpha optStandard chkUsepoints optPoints4"},
        {"Alt+U unselected", Qt::Key_U, "", "optPoints4",
         "optAlpha optStandard chkUsepoints optPoints4"},
    };
    AddRows(rows);
}

void MainWindowTest::acceleratorsThenSearch() {
    QFETCH(AcceleratorRow, row);
    Program p;
    for (const QString& name : QString(row.before).split(' ', Qt::SkipEmptyParts)) {
        p.clickOn(name);
        p.closeEditor();
    }
    p.statuses.clear();
    Press(row.key, Qt::AltModifier);
    // Only selecting the custom option opens its editor.
    const bool opened = p.closeEditor();
    QCOMPARE(opened, QString(row.focus) == "optPoints4" && QString(row.before).isEmpty());
    if (!opened) // the editor takes the focus; coming back, the window gives it where it was
        QCOMPARE(FocusName(), row.focus);
    QCOMPARE(p.checked(), row.checked);
    QVERIFY2(SearchByKeys(p, "tea") >= 5, qPrintable(p.status()));
    QVERIFY(p.status().contains("words found out of"));
    QCOMPARE(p.checked(), row.checked); // the search changed no option
}

void MainWindowTest::disabledControlsTakeNoInput_data() {
    const QStringList pointsOff = With(kShortWords, 6, "false");
    const QStringList anagrams = With(kShortWords, 4, "2");
    const QStringList noMaximum = With(kShortWords, 3, "2");
    const DisabledRow rows[] = {
        {"optScore, points off", pointsOff, "optScore", Qt::Key_S},
        {"optPoints1, points off", pointsOff, "optPoints1", Qt::Key_B},
        {"optPoints2, points off", pointsOff, "optPoints2", Qt::Key_I},
        {"optPoints3, points off", pointsOff, "optPoints3", Qt::Key_O},
        {"optPoints4, points off", pointsOff, "optPoints4", Qt::Key_U},
        {"txtMaxletters, no maximum", noMaximum, "txtMaxletters", Qt::Key_X},
        {"txtMinletters, anagrams", anagrams, "txtMinletters", Qt::Key_M},
        {"chkNomax, anagrams", anagrams, "chkNomax", Qt::Key_N},
        {"cmdDict, nothing selected", kShortWords, "cmdDict", Qt::Key_D},
        {"cmdThes, nothing selected", kShortWords, "cmdThes", Qt::Key_H},
    };
    AddRows(rows);
}

void MainWindowTest::disabledControlsTakeNoInput() {
    QFETCH(DisabledRow, row);
    Program p({.options = row.options});
    p.find("tea");
    QWidget& control = p.get(row.control);
    QVERIFY(!control.isEnabled());
    const QString checked = p.checked(), items = p.items(),
                  text = p.get<QLineEdit>("txtWord").text();
    const LetterPoints points = p.state().letterPoints;
    p.clickOn("txtWord");
    p.clickOn(row.control);
    p.clickOn(row.control, Mouse::doubleClick);
    Press(row.key, Qt::AltModifier);
    QCOMPARE(FocusName(), "txtWord");
    QCOMPARE(p.checked(), checked);
    QVERIFY(p.window->isVisible() && !p.window->pointsEditor());
    QVERIFY(p.items() == items && p.get<QLineEdit>("txtWord").text() == text);
    QVERIFY(p.state().letterPoints == points);
    QVERIFY(p.platform.opened.isEmpty() && p.platform.messages.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
