// The main window under the keyboard and the mouse alone: the Tab cycle, the
// arrow keys in each option group, every accelerator, and disabled controls.

#include "ui_test_support.h"

#include "form2.h"

#include <QMetaType>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

QStringList With(QStringList options, int field, const QString& word) {
    options[field] = word;
    return options;
}

// The option groups of the main window, in their designed order.
const QStringList kSortGroup{"optAlpha", "optLength", "optScore"};
const QStringList kDictionaryGroup{"optStandard", "optExtended"};
const QStringList kPointsGroup{"optPoints1", "optPoints2", "optPoints3", "optPoints4"};

// Gives a control the focus without clicking it: the button goes down on it
// and comes up outside it, as when a user changes their mind.
void PressAndSlideOff(QWidget& control) {
    QTest::mousePress(&control, Qt::LeftButton, {}, control.rect().center());
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(-50, -50));
}

// Back from the custom point editor, if an input opened it: Escape cancels.
bool CloseEditor(const Program& p) {
    Form2* editor = p.window->editor();
    if (!editor || !editor->isVisible())
        return false;
    if (!QTest::qWaitForWindowActive(editor))
        qFatal("the editor is not active");
    Press(Qt::Key_Escape);
    if (!QTest::qWaitForWindowActive(p.window.get()))
        qFatal("the main window did not come back");
    return true;
}

// Letters typed through the letters box's accelerator and searched with
// "Find Words"'s: how many results the list shows.
int SearchByKeys(const Program& p, const QString& letters) {
    Press(Qt::Key_L, Qt::AltModifier);
    Type(letters);
    Press(Qt::Key_F, Qt::AltModifier);
    return p.get<QListView>("lstWords").model()->rowCount();
}

struct TabRow {
    const char* name;
    QStringList options;
    const char* letters; // searched, and the first result selected; none: nothing
    const char* stops;   // one cycle from the letters box
};

struct ArrowRow {
    const char* name;
    const char* selected; // clicked first
    const char* focused;  // then given the focus, when not the selected one
    // For Up, Down, Left and Right: the focused option, then the selected
    // option of the group, and "editor" when the custom point editor opened.
    const char* up;
    const char* down;
    const char* left;
    const char* right;
};

struct AcceleratorRow {
    const char* name;
    Qt::Key key;         // with Alt
    const char* before;  // clicked first, so that the control is (un)selected
    const char* focus;   // the focused control afterwards
    const char* checked; // the checked buttons afterwards
    bool editor;         // whether the custom point editor opened
};

struct DisabledRow {
    const char* name;
    QStringList options;
    const char* control;
    Qt::Key key; // the control's accelerator
};

} // namespace

Q_DECLARE_METATYPE(TabRow)
Q_DECLARE_METATYPE(ArrowRow)
Q_DECLARE_METATYPE(AcceleratorRow)
Q_DECLARE_METATYPE(DisabledRow)

class Form1InputTest : public QObject {
    Q_OBJECT
  private slots:
    void tabCycles_data();
    void tabCycles();
    void arrowKeysStayInTheirGroup_data();
    void arrowKeysStayInTheirGroup();
    void acceleratorsThenSearch_data();
    void acceleratorsThenSearch();
    void disabledControlsTakeNoInput_data();
    void disabledControlsTakeNoInput();
};

void Form1InputTest::tabCycles_data() {
    QTest::addColumn<TabRow>("row");
    const QString head = "txtWord cmdStart cmdClear ";
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
        {"anagrams, points off, a result selected",
         {"length", "1", "8", "1", "2", "standard", "false", "literati"},
         "tea",
         "txtWord cmdStart cmdClear optLength chkAnagram optStandard lstWords cmdNote1 "
         "chkUsepoints cmdNote2 cmdDict cmdThes"},
    };
    for (const TabRow& row : rows)
        QTest::newRow(row.name) << row;
}

void Form1InputTest::tabCycles() {
    QFETCH(TabRow, row);
    Program p({.options = row.options});
    if (row.letters) {
        p.find(row.letters);

        p.select(0);
        QTRY_VERIFY_WITH_TIMEOUT(p.get("cmdDict").isEnabled(), 300);
    }
    const QStringList stops = QString(row.stops).split(' ');
    p.click("txtWord");
    QStringList forward{FocusName()}, backward{FocusName()};
    for (int i = 0; i < 2 * stops.size(); ++i) {
        Press(Qt::Key_Tab);
        forward << FocusName();
    }
    for (int i = 0; i < 2 * stops.size(); ++i) {
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(FocusName());
    }
    const QString twice = QString(row.stops) + ' ' + row.stops + ' ' + stops.first();
    QCOMPARE(forward.join(' '), twice);
    QCOMPARE(backward.join(' '), twice);
}

void Form1InputTest::arrowKeysStayInTheirGroup_data() {
    QTest::addColumn<ArrowRow>("row");
    // From the selected option an arrow selects its neighbour in the group; at
    // either end it stays. From an unselected option it moves the focus only.
    const ArrowRow rows[] = {
        {"sort, optAlpha selected", "optAlpha", nullptr, "optAlpha optAlpha", "optLength optLength",
         "optAlpha optAlpha", "optLength optLength"},
        {"sort, optLength selected", "optLength", nullptr, "optAlpha optAlpha", "optScore optScore",
         "optAlpha optAlpha", "optScore optScore"},
        {"sort, optScore selected", "optScore", nullptr, "optLength optLength", "optScore optScore",
         "optLength optLength", "optScore optScore"},
        {"sort, on optAlpha, optScore selected", "optScore", "optAlpha", "optAlpha optScore",
         "optLength optScore", "optAlpha optScore", "optLength optScore"},
        {"sort, on optLength, optAlpha selected", "optAlpha", "optLength", "optAlpha optAlpha",
         "optScore optAlpha", "optAlpha optAlpha", "optScore optAlpha"},
        {"sort, on optScore, optLength selected", "optLength", "optScore", "optLength optLength",
         "optScore optLength", "optLength optLength", "optScore optLength"},
        {"dictionary, optStandard selected", "optStandard", nullptr, "optStandard optStandard",
         "optExtended optExtended", "optStandard optStandard", "optExtended optExtended"},
        {"dictionary, optExtended selected", "optExtended", nullptr, "optStandard optStandard",
         "optExtended optExtended", "optStandard optStandard", "optExtended optExtended"},
        {"dictionary, on optStandard, optExtended selected", "optExtended", "optStandard",
         "optStandard optExtended", "optExtended optExtended", "optStandard optExtended",
         "optExtended optExtended"},
        {"dictionary, on optExtended, optStandard selected", "optStandard", "optExtended",
         "optStandard optStandard", "optExtended optStandard", "optStandard optStandard",
         "optExtended optStandard"},
        {"points, optPoints1 selected", "optPoints1", nullptr, "optPoints1 optPoints1",
         "optPoints2 optPoints2", "optPoints1 optPoints1", "optPoints2 optPoints2"},
        {"points, optPoints2 selected", "optPoints2", nullptr, "optPoints1 optPoints1",
         "optPoints3 optPoints3", "optPoints1 optPoints1", "optPoints3 optPoints3"},
        {"points, optPoints3 selected", "optPoints3", nullptr, "optPoints2 optPoints2",
         "optPoints4 optPoints4 editor", "optPoints2 optPoints2", "optPoints4 optPoints4 editor"},
        {"points, optPoints4 selected", "optPoints4", nullptr, "optPoints3 optPoints3",
         "optPoints4 optPoints4", "optPoints3 optPoints3", "optPoints4 optPoints4"},
        {"points, on optPoints1, optPoints2 selected", "optPoints2", "optPoints1",
         "optPoints1 optPoints2", "optPoints2 optPoints2", "optPoints1 optPoints2",
         "optPoints2 optPoints2"},
        {"points, on optPoints2, optPoints1 selected", "optPoints1", "optPoints2",
         "optPoints1 optPoints1", "optPoints3 optPoints1", "optPoints1 optPoints1",
         "optPoints3 optPoints1"},
        {"points, on optPoints3, optPoints1 selected", "optPoints1", "optPoints3",
         "optPoints2 optPoints1", "optPoints4 optPoints1", "optPoints2 optPoints1",
         "optPoints4 optPoints1"},
        {"points, on optPoints4, optPoints1 selected", "optPoints1", "optPoints4",
         "optPoints3 optPoints1", "optPoints4 optPoints1", "optPoints3 optPoints1",
         "optPoints4 optPoints1"},
    };
    for (const ArrowRow& row : rows)
        QTest::newRow(row.name) << row;
}

void Form1InputTest::arrowKeysStayInTheirGroup() {
    QFETCH(ArrowRow, row);
    Program p;
    p.find("tea");
    const QStringList& group = kSortGroup.contains(row.selected)         ? kSortGroup
                               : kDictionaryGroup.contains(row.selected) ? kDictionaryGroup
                                                                         : kPointsGroup;
    const QRegularExpression inGroup("^(" + group.join('|') + ")$");
    const auto othersChecked = [&] {
        QStringList names = p.checked().split(' ');
        names.removeIf([&](const QString& name) { return inGroup.match(name).hasMatch(); });
        return names.join(' ');
    };
    QStringList outcomes, expected;
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        p.click(row.selected);
        CloseEditor(p);
        if (row.focused)
            PressAndSlideOff(p.get(row.focused));
        QCOMPARE(FocusName(), row.focused ? row.focused : row.selected);
        const QString others = othersChecked();
        const int loads = p.statuses.filter("Loading").size();
        const QString items = p.items();

        Press(key);
        const QString selected = p.checked().split(' ').filter(inGroup).join(' ');
        const bool changed = !p.get<QAbstractButton>(row.selected).isChecked();
        const bool editor = CloseEditor(p); // the focus comes back where it was
        outcomes << FocusName() + ' ' + selected + (editor ? " editor" : "");
        QCOMPARE(othersChecked(), others);
        // Only a change of dictionary loads a list, and only a change of order
        // rewrites the results.
        QCOMPARE(p.statuses.filter("Loading").size() - loads,
                 changed && group == kDictionaryGroup ? 1 : 0);
        if (!changed || group != kSortGroup)
            QCOMPARE(p.items(), items);
    }
    QCOMPARE(outcomes.join(" | "),
             QStringList({row.up, row.down, row.left, row.right}).join(" | "));
}

void Form1InputTest::acceleratorsThenSearch_data() {
    QTest::addColumn<AcceleratorRow>("row");
    const char* initial = "optAlpha optStandard chkUsepoints optPoints1";
    const AcceleratorRow rows[] = {
        {"Alt+L letters", Qt::Key_L, "", "txtWord", initial, false},
        {"Alt+F find", Qt::Key_F, "", "cmdStart", initial, false},
        {"Alt+C clear", Qt::Key_C, "", "cmdClear", initial, false},
        {"Alt+A selected", Qt::Key_A, "", "optAlpha", initial, false},
        {"Alt+A unselected", Qt::Key_A, "optScore", "optAlpha", initial, false},
        {"Alt+G selected", Qt::Key_G, "optLength", "optLength",
         "optLength optStandard chkUsepoints optPoints1", false},
        {"Alt+G unselected", Qt::Key_G, "", "optLength",
         "optLength optStandard chkUsepoints optPoints1", false},
        {"Alt+S selected", Qt::Key_S, "optScore", "optScore",
         "optScore optStandard chkUsepoints optPoints1", false},
        {"Alt+S unselected", Qt::Key_S, "", "optScore",
         "optScore optStandard chkUsepoints optPoints1", false},
        {"Alt+M minimum", Qt::Key_M, "", "txtMinletters", initial, false},
        {"Alt+X maximum", Qt::Key_X, "", "txtMaxletters", initial, false},
        {"Alt+N checked", Qt::Key_N, "chkNomax", "chkNomax", initial, false},
        {"Alt+N unchecked", Qt::Key_N, "", "chkNomax",
         "optAlpha chkNomax optStandard chkUsepoints optPoints1", false},
        {"Alt+E checked", Qt::Key_E, "chkAnagram", "chkAnagram", initial, false},
        {"Alt+E unchecked", Qt::Key_E, "", "chkAnagram",
         "optAlpha chkAnagram optStandard chkUsepoints optPoints1", false},
        {"Alt+R selected", Qt::Key_R, "", "optStandard", initial, false},
        {"Alt+R unselected", Qt::Key_R, "optExtended", "optStandard", initial, false},
        {"Alt+T selected", Qt::Key_T, "optExtended", "optExtended",
         "optAlpha optExtended chkUsepoints optPoints1", false},
        {"Alt+T unselected", Qt::Key_T, "", "optExtended",
         "optAlpha optExtended chkUsepoints optPoints1", false},
        {"Alt+W results", Qt::Key_W, "", "lstWords", initial, false},
        {"Alt+P checked", Qt::Key_P, "", "chkUsepoints", "optAlpha optStandard optPoints1", false},
        {"Alt+P unchecked", Qt::Key_P, "chkUsepoints", "chkUsepoints", initial, false},
        {"Alt+B selected", Qt::Key_B, "", "optPoints1", initial, false},
        {"Alt+B unselected", Qt::Key_B, "optPoints3", "optPoints1", initial, false},
        {"Alt+I selected", Qt::Key_I, "optPoints2", "optPoints2",
         "optAlpha optStandard chkUsepoints optPoints2", false},
        {"Alt+I unselected", Qt::Key_I, "", "optPoints2",
         "optAlpha optStandard chkUsepoints optPoints2", false},
        {"Alt+O selected", Qt::Key_O, "optPoints3", "optPoints3",
         "optAlpha optStandard chkUsepoints optPoints3", false},
        {"Alt+O unselected", Qt::Key_O, "", "optPoints3",
         "optAlpha optStandard chkUsepoints optPoints3", false},
        {"Alt+U selected", Qt::Key_U, "optPoints4", "optPoints4",
         "optAlpha optStandard chkUsepoints optPoints4", false},
        {"Alt+U unselected", Qt::Key_U, "", "optPoints4",
         "optAlpha optStandard chkUsepoints optPoints4", true},
    };
    for (const AcceleratorRow& row : rows)
        QTest::newRow(row.name) << row;
}

void Form1InputTest::acceleratorsThenSearch() {
    QFETCH(AcceleratorRow, row);
    Program p;
    for (const QString& name : QString(row.before).split(' ', Qt::SkipEmptyParts)) {
        p.click(name);
        CloseEditor(p);
    }
    p.statuses.clear();
    Press(row.key, Qt::AltModifier);
    const bool opened = CloseEditor(p);
    QCOMPARE(opened, row.editor);
    if (!opened) // the editor takes the focus; coming back, the window gives it where it was
        QCOMPARE(FocusName(), row.focus);
    QCOMPARE(p.checked(), row.checked);
    QVERIFY2(SearchByKeys(p, "tea") >= 5, qPrintable(p.status()));
    QVERIFY(p.status().contains("words found out of"));
    QCOMPARE(p.checked(), row.checked); // the search changed no option
}

void Form1InputTest::disabledControlsTakeNoInput_data() {
    QTest::addColumn<DisabledRow>("row");
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
    for (const DisabledRow& row : rows)
        QTest::newRow(row.name) << row;
}

void Form1InputTest::disabledControlsTakeNoInput() {
    QFETCH(DisabledRow, row);
    Program p({.options = row.options});
    p.find("tea");
    QWidget& control = p.get(row.control);
    QVERIFY(!control.isEnabled());
    const QString checked = p.checked(), items = p.items(),
                  text = p.get<QLineEdit>("txtWord").text();
    const LetterPoints points = p.state().letterPoints;
    p.click("txtWord");
    p.click(row.control);
    p.click(row.control, Mouse::doubleClick);
    Press(row.key, Qt::AltModifier);
    QCOMPARE(FocusName(), "txtWord");
    QCOMPARE(p.checked(), checked);
    QVERIFY(p.window->isVisible() && !p.window->editor());
    QVERIFY(p.items() == items && p.get<QLineEdit>("txtWord").text() == text);
    QVERIFY(p.state().letterPoints == points);
    QVERIFY(p.platform.opened.isEmpty() && p.platform.messages.isEmpty());
}

QTEST_MAIN(Form1InputTest)
#include "form1_input_test.moc"
