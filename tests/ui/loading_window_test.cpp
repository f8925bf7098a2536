// The loading window: shown over the main window until the start-up load has
// finished, while the keyboard stays with the main window.

#include "loading_window.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QTimer>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

class LoadingWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void coversTheStartupLoadOnly();
};

void LoadingWindowTest::coversTheStartupLoadOnly() {
    Program p({.options = With(kInitial, 5, "extended"), .wait = false});
    LoadingWindow& loader = *p.window->loadingWindow();
    QVERIFY(loader.isVisible());
    QCOMPARE(Child<QLabel>(loader, "Label1").text(), "Loading Extended Dictionary");
    QCOMPARE(p.state().wordList->WordCount(), 0); // nothing loads before the timer
    // Keys typed meanwhile reach the main window's letters box.
    QCOMPARE(QApplication::activeWindow(), p.window.get());
    Press(Qt::Key_L, Qt::AltModifier);
    Type("tea");
    QTRY_VERIFY(p.state().startupDone);
    QVERIFY(!loader.isVisible() && !loader.onTopTimer().isActive());
    QTest::qWait(250); // the start-up timer does not tick again
    QCOMPARE(p.statuses.join('|'),
             "Loading extended dictionary... please wait|Please enter letters to begin search");
    QCOMPARE(p.get<QLineEdit>("txtWord").text(), "tea");
    Press(Qt::Key_Return);
    QCOMPARE(p.status(), " 6 words found out of 12 total words.");
}

QTEST_MAIN(LoadingWindowTest)
#include "loading_window_test.moc"
