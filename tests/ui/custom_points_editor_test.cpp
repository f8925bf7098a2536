// The custom point editor, reached only through key presses and mouse clicks:
// what its buttons store, how it refuses values, and how it takes the main
// window's place and gives it back.

#include "ui_test_support.h"

#include <QMetaType>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

QLineEdit& Box(const CustomPointsEditor& editor, char letter) {
    return Child<QLineEdit>(editor, QString("txt") + letter);
}

// Types values into the boxes from A on, 0 into the rest.
void Type(const CustomPointsEditor& editor, const QStringList& values) {
    for (int i = 0; i < 26; ++i)
        Retype(Box(editor, static_cast<char>('A' + i)), values.value(i, "0"));
}

CustomPointsEditor& Open(const Program& p, Mouse how = Mouse::click) {
    CustomPointsEditor* editor = p.openEditor(how);
    if (!editor)
        qFatal("the editor did not open");
    return *editor;
}

struct LeaveRow {
    const char* name;
    const char* focus; // the control given the focus
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool stores;
};

} // namespace

Q_DECLARE_METATYPE(LeaveRow)

class CustomPointsEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void setStoresTextsAndValues();
    void refusesBadValues();
    void opensAfterStartupAndCancelKeepsTypedValues();
    void tabCycle();
    void keysThatLeave_data();
    void keysThatLeave();
};

void CustomPointsEditorTest::setStoresTextsAndValues() {
    Program p({.custom = {" 26", "", "", "", "", "", "", "", "", " 17"}});
    CustomPointsEditor& editor = Open(p);
    QCOMPARE(Box(editor, 'A').text() + Box(editor, 'J').text(), " 26 17");

    Type(editor, {"5", "07", "2.5", "-3", " 4 "});
    editor.move(70, 50);
    ClickOn(Box(editor, 'A'));
    Press(Qt::Key_Return); // Enter presses "Set Custom Values"
    QVERIFY(!editor.isVisible() && p.window->isVisible());
    QCOMPARE(p.window->pos(), QPoint(70, 50));
    QVERIFY(!p.state().keepLoaderOnTop);
    QVERIFY((p.state().letterPoints == LetterPoints{5, 7, 2, -3, 4}));
    p.find("ate");
    QVERIFY(p.items().contains("ate (9)"));

    p.window->close(); // the stored texts reach the settings file
    const QStringList stored = QStringList{" 5", " 7", " 2.5", "-3", " 4"} + QStringList(21, " 0");
    QCOMPARE(p.read("data.dat"), SettingsLine(With(kShortWords, 7, "custom"), stored));
}

void CustomPointsEditorTest::refusesBadValues() {
    Program p;
    p.set("optLength");
    CustomPointsEditor& editor = Open(p);
    for (const QStringList& values : {QStringList{"1", "2", "x"}, {"1", "2", "3", "2147483648"}}) {
        Type(editor, values);
        ClickOn(Child<QWidget>(editor, "cmdSet"));
    }
    QCOMPARE(p.messages(), "Anagrove: Please enter a number from -2147483648 to 2147483647 for C.\n"
                           "Anagrove: Please enter a number from -2147483648 to 2147483647 for D.");
    QCOMPARE(FocusName(), "txtD"); // the box to mend
    QVERIFY(editor.isVisible() && !p.window->isVisible());
    QVERIFY(p.state().settings.customPoints == CustomPoints{});
    QVERIFY(p.state().letterPoints == PresetTable(PointScheme::scrabble));

    const QByteArray before = p.read("data.dat"); // closing the editor ends without saving
    editor.close();
    QVERIFY(p.desktop.ends == 1 && p.read("data.dat") == before);
}

void CustomPointsEditorTest::opensAfterStartupAndCancelKeepsTypedValues() {
    Program p({.wait = false});
    p.clickOn("optPoints4");
    QVERIFY(!p.window->pointsEditor()); // not before the start-up load
    QTRY_VERIFY(p.state().startupDone);
    p.window->move(40, 30);
    CustomPointsEditor& editor = Open(p, Mouse::doubleClick); // the selected option opens it
    QVERIFY(!p.window->isVisible() && editor.pos() == p.window->pos());

    Type(editor, {"9", "8"});
    Press(Qt::Key_Escape); // Escape presses "Cancel"
    QVERIFY(p.window->isVisible() && !editor.isVisible());
    QVERIFY(!p.state().keepLoaderOnTop);
    QVERIFY(p.state().settings.customPoints == CustomPoints{});
    QVERIFY(p.state().letterPoints == PresetTable(PointScheme::scrabble));
    QVERIFY(p.get<QAbstractButton>("optPoints4").isChecked());

    QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
    QCOMPARE(&Open(p, Mouse::doubleClick), &editor);
    QCOMPARE(Box(editor, 'A').text() + Box(editor, 'B').text(), "98");
    editor.move(90, 60);
    ClickOn(Child<QWidget>(editor, "cmdCancel"));
    QVERIFY(p.window->isVisible() && !editor.isVisible());
    QCOMPARE(p.window->pos(), QPoint(90, 60));
}

void CustomPointsEditorTest::tabCycle() {
    Program p;
    CustomPointsEditor& editor = Open(p);
    ClickOn(Box(editor, 'A'));
    QStringList stops;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        stops << QString("txt") + letter;
    stops << "cmdSet"
          << "cmdCancel";
    const auto [forward, backward] = TabCyclesBothWays(static_cast<int>(stops.size()));
    const QString twice = (stops + stops + QStringList{"txtA"}).join(' ');
    QCOMPARE(forward, twice);
    QCOMPARE(backward, twice);
}

void CustomPointsEditorTest::keysThatLeave_data() {
    const LeaveRow rows[] = {
        {"Enter in a box sets", "txtA", Qt::Key_Return, Qt::NoModifier, true},
        {"Alt+S sets", "txtA", Qt::Key_S, Qt::AltModifier, true},
        {"Escape cancels", "txtA", Qt::Key_Escape, Qt::NoModifier, false},
        {"Alt+C cancels", "txtA", Qt::Key_C, Qt::AltModifier, false},
        {"Enter on Set sets", "cmdSet", Qt::Key_Return, Qt::NoModifier, true},
        {"Enter on Cancel cancels", "cmdCancel", Qt::Key_Return, Qt::NoModifier, false},
        {"Space on Cancel cancels", "cmdCancel", Qt::Key_Space, Qt::NoModifier, false},
    };
    AddRows(rows);
}

void CustomPointsEditorTest::keysThatLeave() {
    QFETCH(LeaveRow, row);
    Program p;
    CustomPointsEditor& editor = Open(p);
    Type(editor, {"3"});
    PressAndSlideOff(Child<QWidget>(editor, row.focus));
    QCOMPARE(FocusName(), row.focus);
    Press(row.key, row.modifiers);
    QVERIFY(!editor.isVisible() && QTest::qWaitForWindowActive(p.window.get()));
    QCOMPARE(p.state().letterPoints[0], row.stores ? 3 : 1);
    // Back at the keyboard in the main window, where it was left.
    QCOMPARE(FocusName(), "optPoints4");
    Press(Qt::Key_L, Qt::AltModifier);
    Type("at");
    Press(Qt::Key_Return);
    QCOMPARE(p.items(), row.stores ? "a (3)|at (3)" : "a (1)|at (2)");
}

QTEST_MAIN(CustomPointsEditorTest)
#include "custom_points_editor_test.moc"
