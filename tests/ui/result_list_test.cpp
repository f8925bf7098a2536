// The result list's context menu, saving the list, the tooltips of the results
// and Enter on the list, each reached through keys, clicks and pointer moves.

#include "ui_test_support.h"

#include "app/texts.h"
#include "lookup/lookup_address.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// Searching "te*" in the standard test list: one blank stands for the a.
const QString kTeItems = "a (1)|at (2)|ate (3)|eat (3)|eta (3)|tae (3)|tea (3)";
const QString kDictionaryAt = QString(kDictionaryAddress) + "at";
const QString kThesaurusAt = QString(kThesaurusAddress) + "at";

// The pointer at a place of the list, through the window system as real input
// comes: moved there, or its right button clicked, which asks for the menu.
void Pointer(const Program& p, QPoint viewportPoint, bool rightClick) {
    QWindow* window = p.window->windowHandle();
    const QPoint at =
        window->mapFromGlobal(p.get<QListView>("lstWords").viewport()->mapToGlobal(viewportPoint));
    if (rightClick)
        QTest::mouseClick(window, Qt::RightButton, {}, at);
    else
        QTest::mouseMove(window, at);
}

// Searches "te*" and selects the result in the given row, or, for -1, gives
// the list the focus with nothing selected.
void SearchAndSelect(const Program& p, int row) {
    p.find("te*");
    QCOMPARE(p.items(), kTeItems);
    if (row >= 0)
        p.select(row);
    else
        Press(Qt::Key_W, Qt::AltModifier);
    QCOMPARE(FocusName(), "lstWords");
}

// The result list's menu once it is open.
QMenu* OpenMenu() {
    QMenu* menu = nullptr;
    (void)QTest::qWaitFor([&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr;
    });
    return menu;
}

QMenu* ShiftF10() {
    Press(Qt::Key_F10, Qt::ShiftModifier);
    return OpenMenu();
}

// The menu's items, "|" between them, each followed by "-" when greyed.
QString MenuItems(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator())
            items << QString(action->text()).remove('&') + (action->isEnabled() ? "" : "-");
    return items.join('|');
}

QFileDialog* SaveDialog(const Program& p) {
    QFileDialog* dialog = nullptr;
    (void)QTest::qWaitFor([&] {
        dialog = nullptr; // a closed one may linger until it is deleted
        for (auto* open : p.window->findChildren<QFileDialog*>("dlgSaveList"))
            if (open->isVisible())
                dialog = open;
        return dialog != nullptr;
    });
    return dialog;
}

// Types a path into the save dialog, picks a type with the arrow keys on the
// type box, and presses Enter.
void SaveAs(QFileDialog& dialog, const QString& path, bool csv) {
    if (csv)
        QTest::keyClick(dialog.findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    Retype(*name, path);
    // The name box's completer may show its list, which takes the first
    // Enter; Escape closes it, as for a user.
    for (int tries = 0; tries < 3 && dialog.isVisible(); ++tries) {
        if (QApplication::activePopupWidget())
            Press(Qt::Key_Escape);
        QTest::keyClick(name, Qt::Key_Return);
        (void)QTest::qWaitFor([&] { return !dialog.isVisible(); }, 1000);
    }
}

QString Files(const Program& p) {
    return QDir(p.dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).join(' ');
}

} // namespace

class ResultListTest : public QObject {
    Q_OBJECT
  private slots:
    void menuOpensWithMouseAndKeyboard();
    void eachActionWithAndWithoutSelection();
    void lookupsTakeTheButtonsPath();
    void savesBothFormatsByteForByte();
    void failedSaveLeavesNothingBehind();
    void tooltipTellsTheBlankLetters();
    void enterLooksTheWordUp();
};

void ResultListTest::menuOpensWithMouseAndKeyboard() {
    struct Row {
        const char* name;
        char how;     // right click on an item, right click below the items, Menu key, Shift+F10
        int selected; // the row clicked first, -1 for none
    };
    const Row rows[] = {
        {"right click selects the item", 'i', -1}, {"right click below the items", 'b', -1},
        {"menu key with a selection", 'm', 2},     {"menu key without one", 'm', -1},
        {"shift+F10 with a selection", 'f', 4},    {"shift+F10 without one", 'f', -1},
    };
    for (const Row& row : rows) {
        Program p;
        SearchAndSelect(p, row.selected);
        if (row.how == 'i' || row.how == 'b')
            Pointer(p, row.how == 'i' ? p.itemCenter(1) : p.itemCenter(6) + QPoint(0, 40), true);
        else if (row.how == 'm')
            Press(Qt::Key_Menu);
        else
            Press(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenMenu();
        QVERIFY2(menu, row.name);
        QCOMPARE(menu->objectName(), "mnuResults");
        const bool word = row.selected >= 0 || row.how == 'i';
        QCOMPARE(MenuItems(*menu), word ? "Copy Word|Copy All Words|Look Up in Dictionary|Look Up "
                                          "in Thesaurus|Save List As\u2026"
                                        : "Copy Word-|Copy All Words|Look Up in Dictionary-|Look "
                                          "Up in Thesaurus-|Save List As\u2026");
        Press(Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QVERIFY(p.desktop.opened.isEmpty() && p.desktop.messages.isEmpty());
    }

    Program empty; // before any search the list offers nothing but lookups of nothing
    Press(Qt::Key_W, Qt::AltModifier);
    Press(Qt::Key_Menu);
    QMenu* menu = OpenMenu();
    QVERIFY(menu);
    QCOMPARE(MenuItems(*menu), "Copy Word-|Copy All Words-|Look Up in Dictionary-|Look Up in "
                               "Thesaurus-|Save List As\u2026-");
    Press(Qt::Key_Escape);
}

void ResultListTest::eachActionWithAndWithoutSelection() {
    // Each item with "at" selected and with nothing selected, one of the two
    // chosen by a click and the other by its accelerator. What an item does
    // with the selection (the clipboard or the address opened), it does not
    // do without one unless it is about the whole list.
    struct Item {
        const char* action;
        Qt::Key accelerator;
        bool wholeList;
        QString clipboard; // with the selection; else unchanged
        QString opened;
    };
    const QString same = "unchanged";
    const Item items[] = {
        {"mnuCopyWord", Qt::Key_C, false, "at", ""},
        {"mnuCopyAllWords", Qt::Key_A, true, "a\nat\nate\neat\neta\ntae\ntea\n", ""},
        {"mnuDictionary", Qt::Key_D, false, same, kDictionaryAt},
        {"mnuThesaurus", Qt::Key_T, false, same, kThesaurusAt},
        {"mnuSaveList", Qt::Key_S, true, same, ""},
    };
    for (std::size_t i = 0; i < std::size(items); ++i)
        for (const int selected : {1, -1}) {
            const Item& row = items[i];
            const bool byClick = (i % 2 == 1) == (selected >= 0),
                       acts = selected >= 0 || row.wholeList;
            const QString name = QString("%1 by %2, row %3")
                                     .arg(row.action, byClick ? "click" : "key")
                                     .arg(selected);
            Program p;
            SearchAndSelect(p, selected);
            QApplication::clipboard()->setText(same);
            QMenu* menu = ShiftF10();
            QVERIFY2(menu, qPrintable(name));
            auto* action = menu->findChild<QAction*>(row.action);
            QVERIFY2(action, qPrintable(name));
            if (byClick)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            else
                Press(row.accelerator);
            if (menu->isVisible()) { // a greyed item leaves the menu open
                QVERIFY2(!action->isEnabled(), qPrintable(name));
                Press(Qt::Key_Escape);
            }
            QCOMPARE(QApplication::clipboard()->text(), acts ? row.clipboard : same);
            QCOMPARE(p.desktop.opened.join(' '), acts ? row.opened : "");
            const bool save = QString(row.action) == "mnuSaveList";
            QFileDialog* dialog = save ? SaveDialog(p) : nullptr;
            QVERIFY2((dialog != nullptr) == save, qPrintable(name));
            if (dialog)
                Press(Qt::Key_Escape);
            QCOMPARE(p.items(), kTeItems); // nothing of the list changes
            QCOMPARE(p.messages(), "");
        }
}

void ResultListTest::lookupsTakeTheButtonsPath() {
    for (const auto outcome : {OpenResult::Outcome::no_association, OpenResult::Outcome::failure}) {
        QStringList opened[2], messages[2]; // by the buttons, by the menu
        for (const bool byMenu : {false, true}) {
            Program p;
            p.desktop.answer = {outcome, 2};
            SearchAndSelect(p, 1);
            if (byMenu) {
                for (Qt::Key key : {Qt::Key_D, Qt::Key_T}) {
                    QVERIFY(ShiftF10());
                    Press(key);
                }
            } else {
                QTRY_VERIFY(p.get("cmdThes").isEnabled());
                p.clickOn("cmdDict");
                p.clickOn("cmdThes");
            }
            opened[byMenu] = p.desktop.opened;
            messages[byMenu] = p.desktop.messages;
        }
        QCOMPARE(opened[1], QStringList({kDictionaryAt, kThesaurusAt}));
        QCOMPARE(opened[1], opened[0]);
        QCOMPARE(messages[1], messages[0]);
        QVERIFY(messages[1].join('\n').contains(kBrowserUnavailableTitle));
    }
}

void ResultListTest::savesBothFormatsByteForByte() {
    struct Row {
        bool csv;
        bool byMenu; // else Ctrl+S
        QString file;
        QString saved; // the name written
        QByteArray bytes;
    };
    const QByteArray text = "a (1)\nat (2)\nate (3)\neat (3)\neta (3)\ntae (3)\ntea (3)\n";
    const QByteArray csv = "word,length,score,blank letters,score with blanks at zero\r\n"
                           "a,1,1,a,0\r\nat,2,2,a,1\r\nate,3,3,a,2\r\neat,3,3,a,2\r\n"
                           "eta,3,3,a,2\r\ntae,3,3,a,2\r\ntea,3,3,a,2\r\n";
    const Row rows[] = {
        {false, false, "list.txt", "list.txt", text},
        {false, true, "words", "words.txt", text},
        {true, true, "list.csv", "list.csv", csv},
        {true, false, "table", "table.csv", csv},
    };
    Program p;
    SearchAndSelect(p, 0);
    QTemporaryDir folder;
    for (const Row& row : rows) {
        if (row.byMenu)
            QVERIFY(ShiftF10());
        Press(Qt::Key_S, row.byMenu ? Qt::NoModifier : Qt::ControlModifier);
        QFileDialog* dialog = SaveDialog(p);
        QVERIFY2(dialog, qPrintable(row.file));
        SaveAs(*dialog, folder.filePath(row.file), row.csv);
        QFile file(folder.filePath(row.saved));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(row.saved));
        QCOMPARE(file.readAll(), row.bytes);
    }
    QCOMPARE(p.messages(), "");

    // The next dialog opens in the folder saved to last.
    Press(Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = SaveDialog(p);
    QVERIFY(dialog);
    QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    Press(Qt::Key_Escape);
}

void ResultListTest::failedSaveLeavesNothingBehind() {
    Program p;
    p.find("te*");
    QFile blocker(p.dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString before = Files(p), path = p.dir.filePath("blocker/list.txt");
    Press(Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = SaveDialog(p);
    QVERIFY(dialog);
    SaveAs(*dialog, path, false);
    QTRY_VERIFY(!p.desktop.messages.isEmpty());
    const QString start = "Anagrove: The list could not be saved to " + path + ": ";
    QVERIFY2(p.messages().startsWith(start) && p.messages().size() > start.size(), // a reason
             qPrintable(p.messages()));
    QCOMPARE(Files(p), before);
    QCOMPARE(p.items(), kTeItems);
}

void ResultListTest::tooltipTellsTheBlankLetters() {
    struct Row {
        const char* letters;
        bool points;
        int row;
        const char* text;
    };
    const Row rows[] = {
        {"tea", true, 0, "No blank tiles in the rack"},
        {"tea*", true, 6, "No blank tiles used"},
        {"te*", true, 0, "Blank tile: a \u00B7 0 points with blanks at zero"},
        {"qu**", true, 2, "Blank tiles: i, z \u00B7 11 points with blanks at zero"},
        {"zebr*", true, 1, "Blank tile: a \u00B7 15 points with blanks at zero"},
        {"te*", false, 1, "Blank tile: a"},
    };
    for (const Row& row : rows) {
        Program p;
        p.set("chkUsepoints", row.points);
        p.find(row.letters);
        QVERIFY2(p.get<QListView>("lstWords").model()->rowCount() > row.row, row.letters);
        Pointer(p, QPoint(1, 1), false); // the pointer comes from elsewhere
        Pointer(p, p.itemCenter(row.row), false);
        QTRY_VERIFY2(QToolTip::isVisible(), row.letters);
        QCOMPARE(QToolTip::text(), QString(row.text));
        QToolTip::hideText();
    }
}

void ResultListTest::enterLooksTheWordUp() {
    Program p;
    SearchAndSelect(p, -1); // focus, no selection: Enter does nothing
    Press(Qt::Key_Return);
    QCOMPARE(p.desktop.opened.join(' '), "");
    QCOMPARE(p.items(), kTeItems);

    p.select(1);
    Press(Qt::Key_Return);
    QCOMPARE(p.desktop.opened.join(' '), kDictionaryAt);
    Press(Qt::Key_Down);
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(p.desktop.opened.join(' '), kDictionaryAt + ' ' + kDictionaryAddress + "ate");
    QCOMPARE(p.items(), kTeItems);
    QCOMPARE(p.messages(), "");
}

QTEST_MAIN(ResultListTest)
#include "result_list_test.moc"
