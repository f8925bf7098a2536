// The windows: start-up from the settings file and the settings written at
// close; the main window's handlers and keyboard; the custom point editor.

#include "form2.h"
#include "form3.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QUrl>

#include <utility>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

QStringList With(QStringList options, int field, const QString& word) {
    options[field] = word;
    return options;
}

// The window in one line: the checked and the disabled controls (the lookups
// aside), the length boxes, the toggle states, the loaded list, the score of
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
        "%s| off:%s | %s-%s | states %d%d%d | %d words | quiz %d | %s", qPrintable(on),
        qPrintable(off), qPrintable(p.get<QLineEdit>("txtMinletters").text()),
        qPrintable(p.get<QLineEdit>("txtMaxletters").text()), s.NomaxState, s.AnagramState,
        s.UsepointsState, s.wordList->WordCount(), points[16] + points[20] + points[8] + points[25],
        qPrintable(Child<QLabel>(*p.window->loader(), "Label1").text()));
}

QLineEdit& Box(const Form2& editor, char letter) {
    return Child<QLineEdit>(editor, QString("txt") + letter);
}

// Types values from A on, 0 for the rest.
void Type(const Form2& editor, const QStringList& values) {
    for (int i = 0; i < 26; ++i)
        Box(editor, static_cast<char>('A' + i)).setText(values.value(i, "0"));
}

// Opens the editor by selecting the custom scheme.
Form2& Open(const Program& p) {
    p.set("optPoints4");
    if (!p.window->editor() || !QTest::qWaitForWindowActive(p.window->editor()))
        qFatal("the editor did not open");
    return *p.window->editor();
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

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void settingsSetTheControls_data();
    void settingsSetTheControls();
    void loadingWindowAndFocusOrder();
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
    void editorSetStoresTextsAndValues();
    void editorRefusesBadValues();
    void editorOpensAfterStartupAndCancelKeepsTypedValues();
};

void WindowTest::settingsSetTheControls_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("custom");
    QTest::addColumn<QString>("expected");
    const QString initial = "optAlpha optStandard chkUsepoints optPoints1 | off: | 2-8 | states "
                            "111 | 9 words | quiz 22 | Loading Standard Dictionary";
    const auto as = [&](std::initializer_list<std::pair<const char*, const char*>> changes) {
        QString expected = initial;
        for (const auto& [from, to] : changes)
            expected.replace(from, to);
        return expected;
    };
    const auto row = [](const char* name, int field, const QString& word, const QString& expected,
                        const QStringList& custom = {}) {
        QTest::newRow(name) << With(kInitial, field, word) << custom << expected;
    };
    QTest::newRow("no settings file") << QStringList{} << QStringList{} << initial;
    row("sort length", 0, "length", as({{"optAlpha", "optLength"}}));
    row("sort score", 0, "score", as({{"optAlpha", "optScore"}}));
    row("sort Score is no word", 0, "Score", initial);
    row("empty minimum stays empty", 1, "", as({{"2-8", "-8"}}));
    row("anagram true is no word", 4, "true", initial);
    row("extended", 5, "extended", as({{"Standard", "Extended"}, {" 9 words", " 12 words"}}));
    row("Extended is no word", 5, "Extended", initial);
    row("points False stay on", 6, "False", initial);
    row("literati", 7, "literati", as({{"optPoints1", "optPoints2"}, {"quiz 22", "quiz 12"}}));
    row("wordmojo", 7, "wordmojo", as({{"optPoints1", "optPoints3"}, {"quiz 22", "quiz 120"}}));
    row("Literati is no scheme", 7, "Literati", initial);
    row("custom without values", 7, "custom",
        as({{"optPoints1", "optPoints4"}, {"quiz 22", "quiz 0"}}));
    QStringList values; // A is 0, B 1 ... Z 25
    for (int i = 0; i < 26; ++i)
        values << QString(" %1").arg(i);
    row("custom with values", 7, "custom",
        as({{"optPoints1", "optPoints4"}, {"quiz 22", "quiz 69"}}), values);
    QTest::newRow("both boxes, points off with score order")
        << QStringList{"score", "3", "5", "2", "2", "standard", "false", "wordmojo"}
        << QStringList{}
        << "optAlpha chkNomax chkAnagram optStandard optPoints3 | off: optScore lblMinletters "
           "txtMinletters lblMaxletters txtMaxletters chkNomax optPoints1 optPoints2 optPoints3 "
           "optPoints4 | 3-5 | states 222 | 9 words | quiz 120 | Loading Standard "
           "Dictionary";
}

void WindowTest::settingsSetTheControls() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, custom);
    QFETCH(QString, expected);
    Program p({.options = options, .custom = custom});
    QCOMPARE(Describe(p), expected);
    QVERIFY(!p.window->editor() && p.platform.messages.empty());
}

void WindowTest::loadingWindowAndFocusOrder() {
    Program p({.options = With(kInitial, 5, "extended"), .wait = false});
    Form3& loader = *p.window->loader();
    QVERIFY(loader.isVisible());
    QCOMPARE(p.state().wordList->WordCount(), 0); // nothing loads before the timer
    QTRY_VERIFY(p.state().StartupDone);
    QVERIFY(!loader.isVisible() && !loader.ontopTimer().isActive());
    QTest::qWait(250); // the start-up timer does not tick again
    QCOMPARE(p.statuses.join('|'),
             "Loading extended dictionary... please wait|Please enter letters to begin search");

    const QString order = "txtWord cmdStart cmdClear optAlpha optLength optScore txtMinletters "
                          "txtMaxletters chkNomax chkAnagram optStandard optExtended lstWords "
                          "cmdNote1 chkUsepoints cmdNote2 optPoints1 cmdDict cmdThes optPoints2 "
                          "optPoints3 optPoints4";
    QStringList chain;
    for (QWidget* w = &p.get("txtWord"); chain.size() < 22; w = w->nextInFocusChain())
        if (order.split(' ').contains(w->objectName()))
            chain << w->objectName();
    QCOMPARE(chain.join(' '), order);
}

void WindowTest::wordLists() {
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

void WindowTest::closingWritesTheSettings() {
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
    changed.get<QLineEdit>("txtMinletters").clear();
    QTest::keyClicks(&changed.get("txtMinletters"), "3\"4");
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

void WindowTest::checkBoxesAndPointSchemes() {
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

void WindowTest::clearAndHelp() {
    Program p;
    p.find("tea");
    const QString items = p.items(), status = p.status();
    p.click("cmdClear");
    QCOMPARE(p.get<QLineEdit>("txtWord").text(), "");
    QVERIFY(p.items() == items && p.status() == status);
    p.click("cmdNote1");
    p.click("cmdNote2");
    QCOMPARE(p.messages(),
             "Anagrove: If words in the extended dictionary are found to be ineligible in your "
             "game, you will have to use the standard dictionary.\n"
             "Anagrove: Many word games, such as scrabble, give points in relation to individual "
             "letters in your word.\r\n\r\nWith this option, you can specify the point value of "
             "each letter to make sure you find the highest scoring word possible.");
}

void WindowTest::findWords_data() {
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("points");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("items");
    const auto row = [](const char* name, const char* order, bool points, const char* letters,
                        const char* items) {
        QTest::newRow(name) << order << points << letters << items;
    };
    const char* byScore = "eta 3|eat 3|tae 3|tea 3|ate 3|at 2|a 1";
    row("alphabetical", "optAlpha", true, "tea",
        "a (1)|at (2)|ate (3)|eat (3)|eta (3)|tae (3)|tea (3)");
    row("alphabetical, no points", "optAlpha", false, "tea", "a |at |ate |eat |eta |tae |tea ");
    row("score", "optScore", true, "tea", byScore);
    row("length", "optLength", true, "tea", byScore);
    row("length, no points", "optLength", false, "tea", "eta |eat |tae |tea |ate |at |a ");
    row("blanks find nothing", "optAlpha", true, "  ", "");
}

void WindowTest::findWords() {
    QFETCH(QString, order);
    QFETCH(bool, points);
    QFETCH(QString, letters);
    QFETCH(QString, items);
    const QString count = QString(" %1").arg(items.isEmpty() ? 0 : items.count('|') + 1);
    Program p;
    p.set("chkUsepoints", points);
    p.set(qPrintable(order));
    for (int i = 0; i < 2; ++i) { // the same input gives the same list
        p.find(letters);
        QCOMPARE(p.items(), items);
        QCOMPARE(Caption(p), count + " words found");
        QCOMPARE(p.status(), count + " words found out of 9 total words.");
    }
    p.find(""); // empty letters: the list is emptied and nothing searched
    QVERIFY(p.items().isEmpty() && Caption(p) == count + " words found");
    QCOMPARE(p.status(), "Searching...");
    QCOMPARE(p.messages(), "Anagrove: Please enter some letters to begin");
}

void WindowTest::limitsThatAreNotNumbers() {
    Program p;
    p.find("tea");
    const QString items = p.items(), status = p.status();
    p.get<QLineEdit>("txtMinletters").setText("two");
    p.find("zebra");
    p.get<QLineEdit>("txtMinletters").setText("1");
    p.get<QLineEdit>("txtMaxletters").setText("");
    p.find("zebra");
    QCOMPARE(p.messages(), "Anagrove: Please enter a number in the box \"Minimum letters:\".\n"
                           "Anagrove: Please enter a number in the box \"Maximum letters:\".");
    QVERIFY(p.items() == items && p.status() == status && Caption(p) == " 7 words found");
}

void WindowTest::resortingKeepsTheTableOrder() {
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

void WindowTest::lookups() {
    Program p;
    p.find("quiz");
    p.window->cmdDict_Click(); // nothing selected: nothing looked up
    auto& list = p.get<QListView>("lstWords");
    list.setCurrentIndex(list.model()->index(0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "1 1", 300);
    p.click("cmdDict");
    p.click("cmdThes");
    QCOMPARE(p.platform.opened, (QStringList{"https://www.dictionary.com/search?q=quiz",
                                             "https://www.thesaurus.com/search?q=quiz"}));
    emit p.get<QLabel>("link").linkActivated("#"); // the help page beside the program
    QCOMPARE(QUrl(p.platform.opened.value(2)).toLocalFile(), p.dir.filePath("anagrove-help.html"));

    p.platform.answer = {OpenResult::Outcome::no_association, 0};
    p.window->cmdThes_Click();
    p.platform.answer = {OpenResult::Outcome::failure, 2};
    p.window->cmdDict_Click();
    QCOMPARE(p.messages(),
             "Browser Unavailable (!): Anagrove could not find a file association for "
             "https://www.thesaurus.com/search?q=quiz on your system. You should check that your "
             "browseris correctly installed and associated with this type of file.\n"
             "Browser Unavailable (!): Anagrove had a problem running your web browser.You should "
             "check that your browser is correctly installed.(Error2)");
    QCOMPARE(p.window->selectedItemText(), "quiz (22)"); // the selection stays
    p.find("quiz");                                      // a new list has nothing selected
    QTRY_COMPARE_WITH_TIMEOUT(Lookups(p), "0 0", 300);
}

void WindowTest::keyboard() {
    Program p;
    QWidget* window = p.window.get();
    p.statuses.clear();
    QTest::keyClicks(&p.get("txtWord"), "at");
    QTest::keyClick(&p.get("txtWord"), Qt::Key_Return);
    QTest::keyClick(&p.get("txtWord"), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&p.get("txtMaxletters"), Qt::Key_Return);
    QTest::keyClick(&p.get("cmdStart"), Qt::Key_Return);
    QCOMPARE(p.statuses.size(), 8); // four searches, each "Searching..." and the counts

    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), "eat"); // in the letters box
    QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    QVERIFY(p.items().count('|') == 4 && p.items().count(" 3") == 5); // by length, anagrams only
    QTest::keyClick(window, Qt::Key_F1);
    QCOMPARE(QUrl(p.platform.opened.value(0)).toLocalFile(), p.dir.filePath("anagrove-help.html"));
    for (const auto* button : window->findChildren<QAbstractButton*>()) // captions as shown
        QVERIFY2(!button->text().contains('&'), qPrintable(button->text()));

    // The results: focus makes the first item current, not selected; the
    // arrows select; Ctrl+C copies the word alone; a double-click looks it up.
    p.set("chkAnagram", false);
    p.set("optAlpha");
    p.find("tea");
    auto& list = p.get<QListView>("lstWords");
    list.setFocus();
    QApplication::clipboard()->setText("unchanged");
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "unchanged");
    for (auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(&list, key);
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "at");
    const QPoint last = list.visualRect(list.model()->index(6, 0)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, last);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, last);
    QCOMPARE(p.window->selectedItemText(), "tea (3)");
    QCOMPARE(p.platform.opened.last(), "https://www.dictionary.com/search?q=tea");
}

void WindowTest::editorSetStoresTextsAndValues() {
    Program p({.custom = {" 26", "", "", "", "", "", "", "", "", " 17"}});
    Form2& editor = Open(p);
    QCOMPARE(Box(editor, 'A').text() + Box(editor, 'J').text(), " 26 17");

    Type(editor, {"5", "07", "2.5", "-3", " 4 "});
    editor.move(70, 50);
    QTest::keyClick(&Box(editor, 'A'), Qt::Key_Return); // Enter presses "Set Custom Values"
    QVERIFY(!editor.isVisible() && p.window->isVisible());
    QCOMPARE(p.window->pos(), QPoint(70, 50));
    QCOMPARE(p.state().KeepLoaderOnTop, "no");
    QVERIFY((p.state().letterPoints == LetterPoints{5, 7, 2, -3, 4}));
    p.find("ate");
    QVERIFY(p.items().contains("ate (9)"));

    p.window->close(); // the stored texts reach the settings file
    const QStringList stored = QStringList{" 5", " 7", " 2.5", "-3", " 4"} + QStringList(21, " 0");
    QCOMPARE(p.read("data.dat"), SettingsLine(With(kShortWords, 7, "custom"), stored));
}

void WindowTest::editorRefusesBadValues() {
    Program p;
    p.set("optLength");
    Form2& editor = Open(p);
    for (const QStringList& values : {QStringList{"1", "2", "x"}, {"1", "2", "3", "2147483648"}}) {
        Type(editor, values);
        QTest::mouseClick(&Child<QAbstractButton>(editor, "cmdSet"), Qt::LeftButton);
    }
    QCOMPARE(p.messages(), "Anagrove: Please enter a number from -2147483648 to 2147483647 for C.\n"
                           "Anagrove: Please enter a number from -2147483648 to 2147483647 for D.");
    QVERIFY(editor.isVisible() && !p.window->isVisible());
    QVERIFY(p.state().settings.customPoints == CustomPoints{});
    QVERIFY(p.state().letterPoints == PresetTable(PointScheme::scrabble));

    const QByteArray before = p.read("data.dat"); // closing the editor ends without saving
    editor.close();
    QVERIFY(p.platform.ends == 1 && p.read("data.dat") == before);
}

void WindowTest::editorOpensAfterStartupAndCancelKeepsTypedValues() {
    Program p({.wait = false});
    p.set("optPoints4");
    QVERIFY(!p.window->editor()); // not before the start-up load
    QTRY_VERIFY(p.state().StartupDone);
    p.window->move(40, 30);
    QTest::mouseDClick(&p.get("optPoints4"), Qt::LeftButton); // the selected option opens it
    QVERIFY(p.window->editor() && QTest::qWaitForWindowActive(p.window->editor()));
    Form2& editor = *p.window->editor();
    QVERIFY(!p.window->isVisible() && editor.pos() == p.window->pos());

    Type(editor, {"9", "8"});
    QTest::keyClick(&editor, Qt::Key_Escape); // Escape presses "Cancel"
    QVERIFY(p.window->isVisible() && !editor.isVisible());
    QCOMPARE(p.state().KeepLoaderOnTop, "no");
    QVERIFY(p.state().settings.customPoints == CustomPoints{});
    QVERIFY(p.state().letterPoints == PresetTable(PointScheme::scrabble));
    QVERIFY(p.get<QAbstractButton>("optPoints4").isChecked());

    p.window->optPoints4_DblClick();
    QCOMPARE(Box(editor, 'A').text() + Box(editor, 'B').text(), "98");
    editor.move(90, 60);
    QTest::mouseClick(&Child<QAbstractButton>(editor, "cmdCancel"), Qt::LeftButton);
    QVERIFY(p.window->isVisible() && !editor.isVisible());
    QCOMPARE(p.window->pos(), QPoint(90, 60));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
