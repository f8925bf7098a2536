// Looking words up: the buttons that follow the selection, the addresses, the
// shell's failures and the help page link.

#include "ui_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

bool LookupEnabled(const Form1& window) {
    const bool dictionary = Child<QPushButton>(window, "cmdDict").isEnabled();
    if (dictionary != Child<QPushButton>(window, "cmdThes").isEnabled())
        qFatal("the lookup buttons disagree");
    return dictionary;
}

} // namespace

class Form1LookupTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonsFollowTheSelection();
    void addressesOfTheSelectedWord();
    void nothingSelectedLooksUpNothing();
    void failuresOfTheShell();
    void linkOpensTheHelpPage();
};

void Form1LookupTest::buttonsFollowTheSelection() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    const auto& timer = Child<QTimer>(*window, "tmrListclick");
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 100);
    QVERIFY(!LookupEnabled(*window));

    FindWords(*window, "quiz");
    QTest::qWait(150);
    QVERIFY(!LookupEnabled(*window)); // a new list has nothing selected
    SelectItem(*window, "quiz (22)");
    QTRY_VERIFY_WITH_TIMEOUT(LookupEnabled(*window), 300);
    FindWords(*window, "quiz");
    QTRY_VERIFY_WITH_TIMEOUT(!LookupEnabled(*window), 300);
}

void Form1LookupTest::addressesOfTheSelectedWord() {
    ProgramDirectory dir;
    dir.writeSettings({"alpha", "1", "8", "1", "1", "extended", "true", "scrabble"});
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);

    FindWords(*window, "quiz");
    SelectItem(*window, "quiz (22)");
    window->tmrListclick_Timer();
    QTest::mouseClick(&Child<QPushButton>(*window, "cmdDict"), Qt::LeftButton);
    QTest::mouseClick(&Child<QPushButton>(*window, "cmdThes"), Qt::LeftButton);
    QCOMPARE(platform.openedAddresses, (QStringList{"https://www.dictionary.com/search?q=quiz",
                                                    "https://www.thesaurus.com/search?q=quiz"}));
    QCOMPARE(window->state().LookupWord, "quiz");
    QCOMPARE(window->state().LookupSpacePos, 5);
    QCOMPARE(window->selectedItemText(), "quiz (22)"); // the selection stays

    // Without points the item is the word and a blank; letters beyond ASCII are encoded.
    Child<QCheckBox>(*window, "chkUsepoints").setChecked(false);
    FindWords(*window, "\u00E9fac");
    SelectItem(*window, "caf\u00E9 ");
    window->cmdDict_Click();
    QCOMPARE(platform.openedAddresses.last(), "https://www.dictionary.com/search?q=caf%E9");
    QVERIFY(platform.messages.empty());
}

void Form1LookupTest::nothingSelectedLooksUpNothing() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    FindWords(*window, "quiz");
    window->cmdDict_Click();
    window->cmdThes_Click();
    QVERIFY(platform.openedAddresses.isEmpty());
    QVERIFY(platform.messages.empty());
}

void Form1LookupTest::failuresOfTheShell() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    FindWords(*window, "quiz");
    SelectItem(*window, "quiz (22)");

    platform.nextOpenResult = {OpenResult::Outcome::no_association, 0};
    window->cmdThes_Click();
    platform.nextOpenResult = {OpenResult::Outcome::failure, 2};
    window->cmdDict_Click();

    QCOMPARE(platform.messages.size(), 2u);
    for (const auto& message : platform.messages) {
        QCOMPARE(message.title, "Browser Unavailable");
        QCOMPARE(message.icon, MessageIcon::warning);
    }
    QCOMPARE(platform.messages[0].text,
             "Anagrove could not find a file association for "
             "https://www.thesaurus.com/search?q=quiz on your system. You should check that your "
             "browseris correctly installed and associated with this type of file.");
    QCOMPARE(platform.messages[1].text,
             "Anagrove had a problem running your web browser.You should check that your browser "
             "is correctly installed.(Error2)");
    QCOMPARE(window->selectedItemText(), "quiz (22)");
}

void Form1LookupTest::linkOpensTheHelpPage() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    auto& link = Child<QLabel>(*window, "link");
    QVERIFY(link.text().contains("Anagrove help page"));
    QCOMPARE(Child<QLabel>(*window, "lblQues").text(), "Questions or Comments?");

    emit link.linkActivated("#");
    QCOMPARE(platform.openedAddresses.size(), 1);
    const QUrl page(platform.openedAddresses[0]);
    QVERIFY(page.isLocalFile());
    QCOMPARE(page.toLocalFile(), dir.filePath("anagrove-help.html"));
}

QTEST_MAIN(Form1LookupTest)
#include "form1_lookup_test.moc"
