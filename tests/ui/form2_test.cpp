// The custom point editor: opening it, Set, Cancel, where the windows stand,
// and closing it.

#include "form2.h"
#include "ui_test_support.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

QLineEdit& LetterBox(const Form2& editor, char letter) {
    return Child<QLineEdit>(editor, qPrintable(QString("txt%1").arg(letter)));
}

void TypeValues(const Form2& editor, const QStringList& values) {
    for (int i = 0; i < 26; ++i)
        LetterBox(editor, static_cast<char>('A' + i)).setText(values.value(i, "0"));
}

Form2& OpenEditor(Form1& window) {
    Child<QRadioButton>(window, "optPoints4").setChecked(true);
    if (!window.editor())
        qFatal("the editor did not open");
    return *window.editor();
}

void Click(const QWidget& window, const char* name) {
    QTest::mouseClick(&Child<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT
  private slots:
    void opensOnlyAfterStartup();
    void layoutAndFilling();
    void setStoresTextsAndValues();
    void badValueNamesTheLetter();
    void cancelKeepsTypedValues();
    void closingEndsWithoutSaving();
};

void Form2Test::opensOnlyAfterStartup() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform, false);
    Child<QRadioButton>(*window, "optPoints4").setChecked(true);
    QVERIFY(window->editor() == nullptr);
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::scrabble));

    QTRY_VERIFY(window->state().StartupDone);
    window->move(40, 30);
    window->optPoints4_DblClick(); // the selected option opens it again
    QVERIFY(window->editor() && window->editor()->isVisible());
    QVERIFY(!window->isVisible());
    QCOMPARE(window->editor()->pos(), window->pos());
}

void Form2Test::layoutAndFilling() {
    QStringList custom;
    for (int i = 0; i < 26; ++i)
        custom << QString(" %1").arg(26 - i);
    ProgramDirectory dir;
    dir.writeSettings(kInitialOptions, custom);
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    Form2& editor = OpenEditor(*window);

    QCOMPARE(editor.windowTitle(), "Anagrove");
    QCOMPARE(Child<QGroupBox>(editor, "Frame1").title(), "Define Custom Letter Point Values");
    QCOMPARE(Child<QPushButton>(editor, "cmdSet").text(), "Set Custom Values");
    QCOMPARE(Child<QPushButton>(editor, "cmdCancel").text(), "Cancel");
    QCOMPARE(LetterBox(editor, 'A').text(), " 26");
    QCOMPARE(LetterBox(editor, 'Z').text(), " 1");

    // Three columns filled top to bottom: A-I, J-R, S-Z.
    const auto at = [&](char letter) { return LetterBox(editor, letter).pos(); };
    QCOMPARE(at('I').x(), at('A').x());
    QVERIFY(at('I').y() > at('A').y());
    QCOMPARE(at('J').y(), at('A').y());
    QVERIFY(at('S').x() > at('J').x());
    QCOMPARE(at('Z').y(), at('H').y());
}

void Form2Test::setStoresTextsAndValues() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    Form2& editor = OpenEditor(*window);
    QStringList values{"5", "07", "2.5", "-3", " 4 "};
    TypeValues(editor, values);
    editor.move(70, 50);
    Click(editor, "cmdSet");

    QVERIFY(!editor.isVisible());
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), QPoint(70, 50));
    QCOMPARE(window->state().KeepLoaderOnTop, "no");
    const auto& state = window->state();
    QCOMPARE(state.settings.customPoints[0], " 5");
    QCOMPARE(state.settings.customPoints[1], " 7");
    QCOMPARE(state.settings.customPoints[2], " 2.5");
    QCOMPARE(state.settings.customPoints[3], "-3");
    QCOMPARE(state.settings.customPoints[4], " 4");
    QCOMPARE(state.settings.customPoints[25], " 0");
    QVERIFY((state.letterPoints == LetterPoints{5, 7, 2, -3, 4}));
    QVERIFY(Child<QRadioButton>(*window, "optPoints4").isChecked());

    Child<QLineEdit>(*window, "txtMinletters").setText("1");
    FindWords(*window, "ate");
    QVERIFY(ListedItems(*window).contains("ate (9)"));

    window->close(); // the stored texts reach the settings file
    QStringList stored{" 5", " 7", " 2.5", "-3", " 4"};
    while (stored.size() < 26)
        stored << " 0";
    QCOMPARE(dir.readFile("data.dat"),
             SettingsLine({"alpha", "1", "8", "1", "1", "standard", "true", "custom"}, stored));
}

void Form2Test::badValueNamesTheLetter() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    Form2& editor = OpenEditor(*window);
    TypeValues(editor, {"1", "2", "x"});
    Click(editor, "cmdSet");
    TypeValues(editor, {"1", "2", "3", "2147483648"});
    Click(editor, "cmdSet");

    QCOMPARE(platform.messages.size(), 2u);
    QCOMPARE(platform.messages[0].title, "Anagrove");
    QVERIFY(platform.messages[0].text.contains(" C."));
    QVERIFY(platform.messages[1].text.contains(" D."));
    QVERIFY(editor.isVisible());
    QVERIFY(!window->isVisible());
    QVERIFY(window->state().settings.customPoints == CustomPoints{});
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::scrabble));
}

void Form2Test::cancelKeepsTypedValues() {
    ProgramDirectory dir;
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    Form2& editor = OpenEditor(*window);
    TypeValues(editor, {"9", "8"});
    editor.move(90, 60);
    Click(editor, "cmdCancel");

    QVERIFY(window->isVisible() && !editor.isVisible());
    QCOMPARE(window->pos(), QPoint(90, 60));
    QCOMPARE(window->state().KeepLoaderOnTop, "no");
    QVERIFY(window->state().settings.customPoints == CustomPoints{});
    QVERIFY(window->state().letterPoints == PresetTable(PointScheme::scrabble));
    QVERIFY(Child<QRadioButton>(*window, "optPoints4").isChecked());

    window->optPoints4_DblClick();
    QCOMPARE(window->editor(), &editor);
    QCOMPARE(LetterBox(editor, 'A').text(), "9");
    QCOMPARE(LetterBox(editor, 'B').text(), "8");
}

void Form2Test::closingEndsWithoutSaving() {
    ProgramDirectory dir;
    dir.writeSettings(kInitialOptions);
    const QByteArray before = dir.readFile("data.dat");
    FakePlatform platform(dir.path());
    auto window = StartProgram(platform);
    Child<QRadioButton>(*window, "optLength").setChecked(true);
    Form2& editor = OpenEditor(*window);
    TypeValues(editor, {"5"});
    editor.close();

    QCOMPARE(platform.endCount, 1);
    QCOMPARE(dir.readFile("data.dat"), before);
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
