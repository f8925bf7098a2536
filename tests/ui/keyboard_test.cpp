// The keyboard and the mouse beyond clicks: Enter searches once, accelerators
// reach the controls, arrow keys walk the results, Ctrl+C copies the word, a
// double-click looks it up; Enter and Escape in the custom point editor.

#include "form2.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// A started, active window whose searches take words from one letter up.
std::unique_ptr<Form1> StartActive(FakePlatform& platform) {
    auto window = StartProgram(platform);
    Child<QLineEdit>(*window, "txtMinletters").setText("1");
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the window did not become active");
    return window;
}

// How many searches began while the spy watched the status bar.
qsizetype Searches(const QSignalSpy& statusSpy) {
    return std::count_if(statusSpy.begin(), statusSpy.end(), [](const QList<QVariant>& args) {
        return args.at(0).toString() == "Searching...";
    });
}

// A double-click as Qt delivers it: press, release, press, double-click, release.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void enterSearchesOnce();
    void acceleratorsKeepTheCaptions();
    void arrowKeysCopyAndDoubleClick();
    void editorEnterAndEscape();
};

void KeyboardTest::enterSearchesOnce() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartActive(platform);
    auto& letters = Child<QLineEdit>(*window, "txtWord");
    QSignalSpy status(&Child<QStatusBar>(*window, "statusbar"), &QStatusBar::messageChanged);

    QTest::keyClicks(&letters, "tea");
    QTest::keyClick(&letters, Qt::Key_Return);
    QCOMPARE(Searches(status), 1);
    QCOMPARE(ListedItems(*window).size(), 7);

    // The keypad's Enter, Enter in a length box and Enter on the focused button.
    QTest::keyClick(&letters, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&Child<QLineEdit>(*window, "txtMaxletters"), Qt::Key_Return);
    QTest::keyClick(&Child<QPushButton>(*window, "cmdStart"), Qt::Key_Return);
    QCOMPARE(Searches(status), 4);
    QVERIFY(platform.messages.empty());
}

void KeyboardTest::acceleratorsKeepTheCaptions() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartActive(platform);
    auto& anagram = Child<QCheckBox>(*window, "chkAnagram");

    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    QVERIFY(Child<QLineEdit>(*window, "txtWord").hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "eat");
    QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
    QVERIFY(anagram.isChecked() && anagram.hasFocus());
    QCOMPARE(window->state().AnagramState, 2);
    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    QVERIFY(Child<QRadioButton>(*window, "optLength").isChecked());
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QCOMPARE(ListedItems(*window).size(), 5); // ate eat eta tae tea

    // A disabled control ignores its key; F1 opens the help page.
    QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
    QVERIFY(!Child<QLineEdit>(*window, "txtMinletters").hasFocus());
    QTest::keyClick(window.get(), Qt::Key_F1);
    QCOMPARE(platform.openedAddresses.size(), 1);
    QVERIFY(platform.openedAddresses[0].endsWith("/anagrove-help.html"));

    // The captions read as the user sees them, without mnemonic marks.
    QCOMPARE(Child<QPushButton>(*window, "cmdStart").text(), "Find Words");
    QCOMPARE(anagram.text(), "Find only exact anagrams");
}

void KeyboardTest::arrowKeysCopyAndDoubleClick() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartActive(platform);
    FindWords(*window, "tea");
    auto& list = Child<QListView>(*window, "lstWords");
    list.setFocus();
    QApplication::clipboard()->setText("unchanged");

    // Focus makes the first item current, not selected; arrows select as they move.
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "unchanged");
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(window->selectedItemText(), "ate (3)");
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(window->selectedItemText(), "at (2)");
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "at");

    const QPoint last = list.visualRect(list.model()->index(6, 0)).center();
    DoubleClick(list.viewport(), last);
    QCOMPARE(window->selectedItemText(), "tea (3)");
    QCOMPARE(platform.openedAddresses, QStringList{"https://www.dictionary.com/search?q=tea"});
    DoubleClick(list.viewport(), QPoint(2, list.viewport()->height() - 4));
    QCOMPARE(platform.openedAddresses.size(), 1); // below the items: nothing to look up
}

void KeyboardTest::editorEnterAndEscape() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartActive(platform);
    Child<QRadioButton>(*window, "optPoints4").setChecked(true);
    Form2& editor = *window->editor();
    QVERIFY(QTest::qWaitForWindowActive(&editor));

    auto& a = Child<QLineEdit>(editor, "txtA");
    a.setText("7");
    QTest::keyClick(&editor, Qt::Key_Escape);
    QVERIFY(window->isVisible() && !editor.isVisible());
    QCOMPARE(window->state().letterPoints[0], 1); // cancelled: Scrabble's A stays

    window->optPoints4_DblClick();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        Child<QLineEdit>(editor, qPrintable(QString("txt%1").arg(letter))).setText("2");
    QTest::keyClick(&a, Qt::Key_Return);
    QVERIFY(window->isVisible() && !editor.isVisible());
    QCOMPARE(window->state().letterPoints[0], 2);
    QVERIFY(platform.messages.empty());
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
