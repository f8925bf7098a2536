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
#include <QUrl>

#include <utility>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// The greyed controls, the lookup buttons aside, in the window's order.
QString Greyed(const Program& p) {
    QString off;
    for (const auto* control : p.window->findChildren<QWidget*>())
        if (!control->isEnabled() && !control->objectName().startsWith("cmd"))
            off += ' ' + control->objectName();
    return off;
}

// The window in one line: the checked and the greyed controls, the length
// boxes, the loaded list, the score of quiz and the loading window's caption.
QString Describe(const Program& p) {
    QString on;
    for (const auto* control : p.window->findChildren<QAbstractButton*>())
        if (control->isChecked())
            on += control->objectName() + ' ';
    const ProgramState& s = p.state();
    const auto& points = s.letterPoints; // Q U I Z
    return QString::asprintf(
        "%s| off:%s | %s-%s | %d words | quiz %d | %s", qPrintable(on), qPrintable(Greyed(p)),
        qPrintable(p.get<QLineEdit>("txtMinletters").text()),
        qPrintable(p.get<QLineEdit>("txtMaxletters").text()), s.wordList->WordCount(),
        points[16] + points[20] + points[8] + points[25],
        qPrintable(Child<QLabel>(*p.window->loadingWindow(), "Label1").text()));
}

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

// The controls with an accelerator, and its key (with Alt).
const std::pair<const char*, Qt::Key> kAccelerators[] = {
    {"txtWord", Qt::Key_L},       {"cmdStart", Qt::Key_F},      {"cmdClear", Qt::Key_C},
    {"optAlpha", Qt::Key_A},      {"optLength", Qt::Key_G},     {"optScore", Qt::Key_S},
    {"txtMinletters", Qt::Key_M}, {"txtMaxletters", Qt::Key_X}, {"chkNomax", Qt::Key_N},
    {"chkAnagram", Qt::Key_E},    {"optStandard", Qt::Key_R},   {"optExtended", Qt::Key_T},
    {"lstWords", Qt::Key_W},      {"chkUsepoints", Qt::Key_P},  {"optPoints1", Qt::Key_B},
    {"optPoints2", Qt::Key_I},    {"optPoints3", Qt::Key_O},    {"optPoints4", Qt::Key_U},
    {"cmdDict", Qt::Key_D},       {"cmdThes", Qt::Key_H}};

Qt::Key AcceleratorOf(const QString& control) {
    for (const auto& [name, key] : kAccelerators)
        if (control == name)
            return key;
    qFatal("no accelerator for %s", qPrintable(control));
}

// Every control that can take the focus, in the window's focus order.
const QStringList kFocusOrder =
    QString("txtWord cmdStart cmdClear optAlpha optLength optScore txtMinletters txtMaxletters "
            "chkNomax chkAnagram optStandard optExtended lstWords cmdNote1 chkUsepoints cmdNote2 "
            "optPoints1 cmdDict cmdThes optPoints2 optPoints3 optPoints4")
        .split(' ');

// The checked buttons after the user has acted on a control: an option takes
// the place of its group's selected one, a check box changes.
QString Acted(const Program& p, const QString& control) {
    QStringList checked = p.checked().split(' ', Qt::SkipEmptyParts);
    if (control.startsWith("chk") && !checked.removeOne(control))
        checked << control;
    for (const QStringList& group : {kSortGroup, kDictionaryGroup, kPointsGroup})
        if (group.contains(control)) {
            checked.removeIf([&](const QString& name) { return group.contains(name); });
            checked << control;
        }
    checked.sort();
    return checked.join(' ');
}

// Letters typed through the letters box's accelerator and searched with
// "Find Words"'s: how many results the list shows.
int SearchByKeys(const Program& p, const QString& letters) {
    Press(Qt::Key_L, Qt::AltModifier);
    Type(letters);
    Press(Qt::Key_F, Qt::AltModifier);
    return p.get<QListView>("lstWords").model()->rowCount();
}

// What the buttons of the main window have done so far.
QString Effects(const Program& p) {
    return QString("%1 searches, %2 messages, %3 opened, letters '%4'")
        .arg(p.statuses.filter("Searching...").size())
        .arg(p.desktop.messages.size())
        .arg(p.desktop.opened.size())
        .arg(p.get<QLineEdit>("txtWord").text());
}

struct SettingsRow {
    const char* name;
    QStringList options; // none: no settings file
    const char* changes; // from the initial window, as Describe gives it: "from>to|from>to"
    QStringList custom = {};
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
};

struct ArrowRow {
    QStringList group;
    QString selected; // clicked first
    QString focused;  // then given the focus, when not the selected one
};

} // namespace

Q_DECLARE_METATYPE(SettingsRow)
Q_DECLARE_METATYPE(FindRow)
Q_DECLARE_METATYPE(TabRow)
Q_DECLARE_METATYPE(ArrowRow)

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
    QStringList values; // A is 0, B 1 ... Z 25
    for (int i = 0; i < 26; ++i)
        values << QString(" %1").arg(i);
    const SettingsRow rows[] = {
        {"no settings file", {}, ""},
        {"sort length", With(kInitial, 0, "length"), "optAlpha>optLength"},
        {"sort score", With(kInitial, 0, "score"), "optAlpha>optScore"},
        {"sort Score is no word", With(kInitial, 0, "Score"), ""},
        {"empty minimum stays empty", With(kInitial, 1, ""), "2-8>-8"},
        {"extended", With(kInitial, 5, "extended"), "Standard>Extended| 9 words> 12 words"},
        {"Extended is no word", With(kInitial, 5, "Extended"), ""},
        {"literati", With(kInitial, 7, "literati"), "optPoints1>optPoints2|quiz 22>quiz 12"},
        {"wordmojo", With(kInitial, 7, "wordmojo"), "optPoints1>optPoints3|quiz 22>quiz 120"},
        {"Literati is no scheme", With(kInitial, 7, "Literati"), ""},
        {"custom without values", With(kInitial, 7, "custom"),
         "optPoints1>optPoints4|quiz 22>quiz 0"},
        {"custom with values", With(kInitial, 7, "custom"), "optPoints1>optPoints4|quiz 22>quiz 69",
         values},
        {"both boxes, points off with score order",
         {"score", "3", "5", "2", "2", "standard", "false", "wordmojo"},
         "optAlpha >optAlpha chkNomax chkAnagram |chkUsepoints optPoints1>optPoints3|off:>off: "
         "optScore lblMinletters txtMinletters lblMaxletters txtMaxletters chkNomax optPoints1 "
         "optPoints2 optPoints3 optPoints4|2-8>3-5|quiz 22>quiz 120"},
    };
    AddRows(rows);
}

void MainWindowTest::settingsSetTheControls() {
    QFETCH(SettingsRow, row);
    QString expected = "optAlpha optStandard chkUsepoints optPoints1 | off: | 2-8 | 9 words | "
                       "quiz 22 | Loading Standard Dictionary";
    for (const QString& change : QString(row.changes).split('|', Qt::SkipEmptyParts))
        expected.replace(change.section('>', 0, 0), change.section('>', 1));
    Program p({.options = row.options, .custom = row.custom});
    QCOMPARE(Describe(p), expected);
    QVERIFY(!p.window->pointsEditor() && p.desktop.messages.empty());
}

void MainWindowTest::wordLists() {
    Program p({.standardList = false});
    const QStringList& messages = p.desktop.messages; // not under the loading window
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
    QVERIFY(p.items() == items && p.desktop.messages.size() == 2);
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
    // The maximum box and the anagram box, which the start-up values do not hide.
    Program anagram;
    anagram.retype("txtMaxletters", "9");
    anagram.set("chkAnagram");
    anagram.window->close();
    QCOMPARE(anagram.read("data.dat"),
             SettingsLine({"alpha", "1", "9", "1", "2", "standard", "true", "scrabble"}));

    // A settings file that cannot be written: a message naming it, then the end.
    Program failed;
    failed.desktop.settings = failed.dir.filePath("no such folder/data.dat");
    failed.window->close();
    QVERIFY(failed.messages().startsWith("Anagrove: ") &&
            failed.messages().contains(failed.desktop.settings) && failed.desktop.ends == 1);
}

void MainWindowTest::checkBoxesAndPointSchemes() {
    Program p;
    p.set("chkNomax");
    QCOMPARE(Greyed(p), " txtMaxletters");
    p.set("chkAnagram");
    QCOMPARE(Greyed(p), " lblMinletters txtMinletters lblMaxletters txtMaxletters chkNomax");
    p.set("chkAnagram", false); // all five, the maximum box too
    QCOMPARE(Greyed(p), "");
    p.set("chkNomax", false);
    QCOMPARE(Greyed(p), "");

    // Points off with score order: the results come back alphabetically, with
    // the scores after a blank.
    p.set("optPoints2");
    p.set("optScore");
    p.find("at");
    p.set("chkUsepoints", false);
    QCOMPARE(Greyed(p), " optScore optPoints1 optPoints2 optPoints3 optPoints4");
    QVERIFY(p.get<QAbstractButton>("optAlpha").isChecked());
    QCOMPARE(p.items(), "a 1|at 2");
    p.set("chkUsepoints");
    QCOMPARE(Greyed(p), "");

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
    const QStringList& messages = p.desktop.messages;
    QVERIFY(messages.size() == 2 && messages[0].startsWith("Anagrove: If words in the extended") &&
            messages[1].startsWith("Anagrove: Many word games") &&
            messages[1].endsWith("the highest scoring word possible."));
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
    QVERIFY(p.items() == items && p.status() == status && Caption(p) == " 7 words found");
    p.find(""); // without letters, that is the message
    QCOMPARE(p.messages(), "Anagrove: Please enter a number in the box \"Minimum letters:\".\n"
                           "Anagrove: Please enter a number in the box \"Maximum letters:\".\n"
                           "Anagrove: Please enter some letters to begin");
    p.set("chkNomax"); // the maximum box is not read
    p.find("zebra");
    QCOMPARE(p.items(), "a (1)|zebra (16)");
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
    QCOMPARE(p.desktop.opened, (QStringList{"https://www.dictionary.com/search?q=quiz",
                                            "https://www.thesaurus.com/search?q=quiz"}));
    ClickLink(p); // the help page beside the program
    QCOMPARE(QUrl(p.desktop.opened.value(2)).toLocalFile(), p.dir.filePath("anagrove-help.html"));

    p.desktop.answer = {OpenResult::Outcome::no_association, 0};
    p.clickOn("cmdThes");
    p.desktop.answer = {OpenResult::Outcome::failure, 2};
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
    p.desktop.answer = {};
    p.desktop.messages.clear();
    p.find("quiz");
    p.clickOn("cmdDict");
    QVERIFY(p.desktop.opened.size() == 5 && p.desktop.messages.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "0 0", 300);

    // A word of the user's own with a letter above 127 goes as UTF-8.
    p.find("caf*");
    QCOMPARE(p.items().split('|').value(2), "caf\u00E9 (8)");
    p.select(2); // after a and at
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "1 1", 300);
    p.clickOn("cmdDict");
    QCOMPARE(p.desktop.opened.last(), "https://www.dictionary.com/search?q=caf%C3%A9");
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
    QCOMPARE(p.statuses.size(), 6); // three searches, each "Searching..." and the counts

    Press(Qt::Key_L, Qt::AltModifier);
    Type("eat"); // in the letters box
    Press(Qt::Key_E, Qt::AltModifier);
    Press(Qt::Key_G, Qt::AltModifier);
    Press(Qt::Key_F, Qt::AltModifier);
    QVERIFY(p.items().count('|') == 4 && p.items().count(" 3") == 5); // by length, anagrams only
    Press(Qt::Key_F1);
    QCOMPARE(QUrl(p.desktop.opened.value(0)).toLocalFile(), p.dir.filePath("anagrove-help.html"));
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
    QCOMPARE(p.desktop.opened.last(), "https://www.dictionary.com/search?q=tea");
}

void MainWindowTest::keysOnAFocusedButton_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    const std::pair<const char*, Qt::Key> rows[] = {
        {"cmdStart", Qt::Key_Return}, {"cmdClear", Qt::Key_Return}, {"cmdClear", Qt::Key_Space},
        {"cmdNote1", Qt::Key_Return}, {"cmdNote2", Qt::Key_Return}, {"cmdDict", Qt::Key_Return},
        {"cmdThes", Qt::Key_Enter},   {"cmdThes", Qt::Key_Space}};
    for (const auto& [control, key] : rows)
        QTest::addRow("%s %x", control, key) << QString(control) << int(key);
}

void MainWindowTest::keysOnAFocusedButton() {
    // Enter presses the button that has the focus, as Space does: Find Words
    // searches, Clear empties the letters, a "?" shows its message, a lookup
    // opens the word.
    QFETCH(QString, control);
    QFETCH(int, key);
    Program p;
    p.statuses.clear();
    p.find("quiz");
    p.select(0);
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "1 1", 300);
    PressAndSlideOff(p.get(control));
    QCOMPARE(FocusName(), control);
    Press(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(Effects(p), QString("%1 searches, %2 messages, %3 opened, letters '%4'")
                             .arg(control == "cmdStart" ? 2 : 1)
                             .arg(control.startsWith("cmdNote"))
                             .arg(control == "cmdDict" || control == "cmdThes")
                             .arg(control == "cmdClear" ? "" : "quiz"));
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
        {"points on", kShortWords, nullptr},
        {"points off", With(kShortWords, 6, "false"), nullptr},
        {"other options, a result selected",
         {"score", "1", "8", "2", "1", "extended", "true", "wordmojo"},
         "tea"},
        {"literati, a result selected", With(kShortWords, 7, "literati"), "tea"},
        {"custom", With(kShortWords, 7, "custom"), nullptr},
        {"anagrams, points off, a result selected",
         {"length", "1", "8", "1", "2", "standard", "false", "literati"},
         "tea"},
    };
    AddRows(rows);
}

void MainWindowTest::tabCycles() {
    // A stop for each enabled control in the focus order, for an option only
    // when it is the selected one of its group.
    QFETCH(TabRow, row);
    Program p({.options = row.options});
    if (row.letters) {
        p.find(row.letters);
        p.select(0);
        QTRY_VERIFY_WITH_TIMEOUT(p.get("cmdDict").isEnabled(), 300);
    }
    QStringList stops;
    for (const QString& name : kFocusOrder)
        if (const auto* option = qobject_cast<const QRadioButton*>(&p.get(name));
            p.get(name).isEnabled() && (!option || option->isChecked()))
            stops << name;
    p.clickOn("txtWord");
    const auto [forward, backward] = TabCyclesBothWays(static_cast<int>(stops.size()));
    const QString twice = (stops + stops + QStringList{stops.first()}).join(' ');
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
    // Each option and check box once selected (checked) beforehand and once
    // not; the lookup buttons are greyed with nothing selected.
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("on");
    for (const auto& [control, key] : kAccelerators) {
        const QString name = control;
        if (name == "cmdDict" || name == "cmdThes")
            continue;
        for (const bool on : {false, true})
            if (!on || name.startsWith("opt") || name.startsWith("chk"))
                QTest::addRow("Alt+%c %s%s", key, control, on ? " on" : "")
                    << name << int(key) << on;
    }
}

void MainWindowTest::acceleratorsThenSearch() {
    // An accelerator gives its control the focus, selects an option and
    // changes a check box; only selecting the custom option opens its editor.
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, on);
    Program p;
    // Set up by clicks at the right end of the controls: the whole of a
    // control's place takes the click, not only its caption.
    const auto clickRightEnd = [&](const QString& name) {
        QWidget& clicked = p.get(name);
        ClickAt(*p.window,
                clicked.mapTo(p.window.get(), QPoint(clicked.width() - 3, clicked.height() / 2)));
        p.closeEditor();
    };
    for (const QStringList& group : {kSortGroup, kDictionaryGroup, kPointsGroup})
        if (!on && group.contains(control) && p.get<QAbstractButton>(control).isChecked())
            clickRightEnd(group[(group.indexOf(control) + 1) % group.size()]);
    if (auto* button = qobject_cast<QAbstractButton*>(&p.get(control));
        button && button->isCheckable()) {
        if (button->isChecked() != on)
            clickRightEnd(control);
        QCOMPARE(button->isChecked(), on);
    }
    const QString checked = Acted(p, control);
    Press(Qt::Key(key), Qt::AltModifier);
    const bool opened = p.closeEditor();
    QCOMPARE(opened, control == "optPoints4" && !on);
    if (!opened) // the editor takes the focus; coming back, the window gives it where it was
        QCOMPARE(FocusName(), control);
    QCOMPARE(p.checked(), checked);
    QVERIFY2(SearchByKeys(p, "tea") >= 5, qPrintable(p.status()));
    QVERIFY(p.status().contains("words found out of"));
    QCOMPARE(p.checked(), checked); // the search changed no option
}

void MainWindowTest::disabledControlsTakeNoInput_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("control");
    const std::pair<QStringList, const char*> rows[] = {
        {With(kShortWords, 6, "false"), "optScore optPoints1 optPoints2 optPoints3 optPoints4"},
        {With(kShortWords, 3, "2"), "txtMaxletters"},
        {With(kShortWords, 4, "2"), "txtMinletters chkNomax"},
        {kShortWords, "cmdDict cmdThes"}, // nothing selected
    };
    for (const auto& [options, controls] : rows)
        for (const QString& control : QString(controls).split(' '))
            QTest::newRow(qPrintable(control)) << options << control;
}

void MainWindowTest::disabledControlsTakeNoInput() {
    QFETCH(QStringList, options);
    QFETCH(QString, control);
    Program p({.options = options});
    p.find("tea");
    QVERIFY(!p.get(control).isEnabled());
    const QString checked = p.checked(), items = p.items(),
                  text = p.get<QLineEdit>("txtWord").text();
    const LetterPoints points = p.state().letterPoints;
    p.clickOn("txtWord");
    p.clickOn(control);
    p.clickOn(control, Mouse::doubleClick);
    Press(AcceleratorOf(control), Qt::AltModifier);
    QCOMPARE(FocusName(), "txtWord");
    QCOMPARE(p.checked(), checked);
    QVERIFY(p.window->isVisible() && !p.window->pointsEditor());
    QVERIFY(p.items() == items && p.get<QLineEdit>("txtWord").text() == text);
    QVERIFY(p.state().letterPoints == points);
    QVERIFY(p.desktop.opened.isEmpty() && p.desktop.messages.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
