// The result list's context menu, saving the list, the tooltips of the results
// and Enter on the list, each reached through keys, clicks and pointer moves.

#include "ui_test_support.h"

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

// A key pressed and released: it goes to the open menu, else to the focused
// control, else to the active window.
void KeyOn(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
}

// A click at the middle of a control.
void LeftClick(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center());
}

// A press of the pointer's right button at a place of the list, through the
// window system as a real click comes, so that it asks for the context menu.
void RightClick(const Program& p, QPoint viewportPoint) {
    const auto& list = p.get<QListView>("lstWords");
    QWindow* window = p.window->windowHandle();
    const QPoint at = window->mapFromGlobal(list.viewport()->mapToGlobal(viewportPoint));
    QTest::mouseClick(window, Qt::RightButton, {}, at);
}

// The pointer moved over a place of the list, through the window system.
void Hover(const Program& p, QPoint viewportPoint) {
    const auto& list = p.get<QListView>("lstWords");
    QWindow* window = p.window->windowHandle();
    QTest::mouseMove(window, window->mapFromGlobal(list.viewport()->mapToGlobal(viewportPoint)));
}

QPoint ItemCenter(const Program& p, int row) {
    const auto& list = p.get<QListView>("lstWords");
    return list.visualRect(list.model()->index(row, 0)).center();
}

// The letters typed into the letters box and "Find Words" clicked.
void Search(const Program& p, const QString& letters) {
    auto& box = p.get<QLineEdit>("txtWord");
    LeftClick(box);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, letters);
    LeftClick(p.get("cmdStart"));
}

void SelectRow(const Program& p, int row) {
    QTest::mouseClick(p.get<QListView>("lstWords").viewport(), Qt::LeftButton, {},
                      ItemCenter(p, row));
}

QMenu* OpenMenu() {
    QMenu* menu = nullptr;
    (void)QTest::qWaitFor([&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr;
    });
    return menu;
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
    if (csv) {
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        QTest::keyClick(types, Qt::Key_Down);
    }
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    LeftClick(*name);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, path);
    // The name box's completer may show its list, which takes the first
    // Enter; Escape closes it, as for a user.
    for (int tries = 0; tries < 3 && dialog.isVisible(); ++tries) {
        if (QApplication::activePopupWidget())
            KeyOn(Qt::Key_Escape);
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
    enum class How { right_click_item, right_click_below, menu_key, shift_f10 };
    struct Row {
        const char* name;
        How how;
        int selected; // the row clicked first, -1 for none
        const char* items;
    };
    const char* all = "Copy Word|Copy All Words|Look Up in Dictionary|Look Up in "
                      "Thesaurus|Save List As\u2026";
    const char* noWord = "Copy Word-|Copy All Words|Look Up in Dictionary-|Look Up in "
                         "Thesaurus-|Save List As\u2026";
    const Row rows[] = {
        {"right_click_selects_the_item", How::right_click_item, -1, all},
        {"right_click_below_the_items", How::right_click_below, -1, noWord},
        {"menu_key_with_a_selection", How::menu_key, 2, all},
        {"menu_key_without_one", How::menu_key, -1, noWord},
        {"shift_f10_with_a_selection", How::shift_f10, 4, all},
        {"shift_f10_without_one", How::shift_f10, -1, noWord},
    };
    for (const Row& row : rows) {
        Program p;
        Search(p, "te*");
        QCOMPARE(p.items(), kTeItems);
        if (row.selected >= 0)
            SelectRow(p, row.selected);
        else
            KeyOn(Qt::Key_W, Qt::AltModifier); // the list takes the focus, nothing selected
        QCOMPARE(QApplication::focusWidget()->objectName(), "lstWords");
        switch (row.how) {
        case How::right_click_item:
            RightClick(p, ItemCenter(p, 1));
            break;
        case How::right_click_below:
            RightClick(p, ItemCenter(p, 6) + QPoint(0, 40));
            break;
        case How::menu_key:
            KeyOn(Qt::Key_Menu);
            break;
        case How::shift_f10:
            KeyOn(Qt::Key_F10, Qt::ShiftModifier);
            break;
        }
        QMenu* menu = OpenMenu();
        QVERIFY2(menu, row.name);
        QCOMPARE(menu->objectName(), "mnuResults");
        QCOMPARE(MenuItems(*menu), QString(row.items));
        KeyOn(Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QVERIFY(p.platform.opened.isEmpty() && p.platform.messages.isEmpty());
    }

    Program empty; // before any search the list offers nothing but lookups of nothing
    KeyOn(Qt::Key_W, Qt::AltModifier);
    KeyOn(Qt::Key_Menu);
    QMenu* menu = OpenMenu();
    QVERIFY(menu);
    QCOMPARE(MenuItems(*menu), "Copy Word-|Copy All Words-|Look Up in Dictionary-|Look Up in "
                               "Thesaurus-|Save List As\u2026-");
    KeyOn(Qt::Key_Escape);
}

void ResultListTest::eachActionWithAndWithoutSelection() {
    enum class Via { accelerator, click };
    struct Row {
        const char* name;
        const char* action;
        Qt::Key accelerator;
        Via via;
        int selected; // -1: none
        QString clipboard;
        QString opened;
        bool dialog;
    };
    const QString words = "a\nat\nate\neat\neta\ntae\ntea\n";
    const Row rows[] = {
        {"copy_word", "mnuCopyWord", Qt::Key_C, Via::accelerator, 1, "at", "", false},
        {"copy_word_by_click", "mnuCopyWord", Qt::Key_C, Via::click, 1, "at", "", false},
        {"copy_word_greyed", "mnuCopyWord", Qt::Key_C, Via::accelerator, -1, "unchanged", "",
         false},
        {"copy_all", "mnuCopyAllWords", Qt::Key_A, Via::accelerator, 1, words, "", false},
        {"copy_all_unselected", "mnuCopyAllWords", Qt::Key_A, Via::click, -1, words, "", false},
        {"dictionary", "mnuDictionary", Qt::Key_D, Via::accelerator, 1, "unchanged", kDictionaryAt,
         false},
        {"dictionary_greyed", "mnuDictionary", Qt::Key_D, Via::click, -1, "unchanged", "", false},
        {"thesaurus", "mnuThesaurus", Qt::Key_T, Via::click, 1, "unchanged", kThesaurusAt, false},
        {"thesaurus_greyed", "mnuThesaurus", Qt::Key_T, Via::accelerator, -1, "unchanged", "",
         false},
        {"save", "mnuSaveList", Qt::Key_S, Via::accelerator, 1, "unchanged", "", true},
        {"save_unselected", "mnuSaveList", Qt::Key_S, Via::click, -1, "unchanged", "", true},
    };
    for (const Row& row : rows) {
        Program p;
        Search(p, "te*");
        if (row.selected >= 0)
            SelectRow(p, row.selected);
        else
            KeyOn(Qt::Key_W, Qt::AltModifier);
        QApplication::clipboard()->setText("unchanged");
        KeyOn(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenMenu();
        QVERIFY2(menu, row.name);
        auto* action = menu->findChild<QAction*>(row.action);
        QVERIFY2(action, row.name);
        if (row.via == Via::accelerator)
            KeyOn(row.accelerator);
        else
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (menu->isVisible()) { // a greyed item leaves the menu open
            QVERIFY2(!action->isEnabled(), row.name);
            KeyOn(Qt::Key_Escape);
        }
        QCOMPARE(QApplication::clipboard()->text(), row.clipboard);
        QCOMPARE(p.platform.opened.join(' '), row.opened);
        QFileDialog* dialog = row.dialog ? SaveDialog(p) : nullptr;
        QCOMPARE(dialog != nullptr, row.dialog);
        if (dialog)
            KeyOn(Qt::Key_Escape);
        QCOMPARE(p.items(), kTeItems); // nothing of the list changes
        QCOMPARE(p.messages(), "");
    }
}

void ResultListTest::lookupsTakeTheButtonsPath() {
    const OpenResult::Outcome outcomes[] = {OpenResult::Outcome::no_association,
                                            OpenResult::Outcome::failure};
    for (const auto outcome : outcomes) {
        QStringList opened[2], messages[2]; // by the buttons, by the menu
        for (const bool byMenu : {false, true}) {
            Program p;
            p.platform.answer = {outcome, 2};
            Search(p, "te*");
            SelectRow(p, 1);
            if (byMenu) {
                for (Qt::Key key : {Qt::Key_D, Qt::Key_T}) {
                    KeyOn(Qt::Key_F10, Qt::ShiftModifier);
                    QVERIFY(OpenMenu());
                    KeyOn(key);
                }
            } else {
                QTRY_VERIFY(p.get("cmdThes").isEnabled());
                LeftClick(p.get("cmdDict"));
                LeftClick(p.get("cmdThes"));
            }
            QCOMPARE(p.state().LookupWord, "at");
            opened[byMenu] = p.platform.opened;
            messages[byMenu] = p.platform.messages;
        }
        QCOMPARE(opened[1], QStringList({kDictionaryAt, kThesaurusAt}));
        QCOMPARE(opened[1], opened[0]);
        QCOMPARE(messages[1], messages[0]);
        QVERIFY(messages[1].join('\n').contains(kBrowserUnavailableTitle));
    }
}

void ResultListTest::savesBothFormatsByteForByte() {
    struct Row {
        const char* name;
        bool csv;
        bool byMenu; // else Ctrl+S
        QString file;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"text_by_ctrl_s", false, false, "list.txt",
         "a (1)\nat (2)\nate (3)\neat (3)\neta (3)\ntae (3)\ntea (3)\n"},
        {"text_suffix_added", false, true, "words",
         "a (1)\nat (2)\nate (3)\neat (3)\neta (3)\ntae (3)\ntea (3)\n"},
        {"csv_by_menu", true, true, "list.csv",
         "word,length,score,blank letters,score with blanks at zero\r\n"
         "a,1,1,a,0\r\nat,2,2,a,1\r\nate,3,3,a,2\r\neat,3,3,a,2\r\neta,3,3,a,2\r\n"
         "tae,3,3,a,2\r\ntea,3,3,a,2\r\n"},
        {"csv_suffix_added", true, false, "table", ""},
    };
    Program p;
    Search(p, "te*");
    SelectRow(p, 0);
    QTemporaryDir folder;
    for (const Row& row : rows) {
        if (row.byMenu) {
            KeyOn(Qt::Key_F10, Qt::ShiftModifier);
            QVERIFY(OpenMenu());
            KeyOn(Qt::Key_S);
        } else {
            KeyOn(Qt::Key_S, Qt::ControlModifier);
        }
        QFileDialog* dialog = SaveDialog(p);
        QVERIFY2(dialog, row.name);
        SaveAs(*dialog, folder.filePath(row.file), row.csv);
        const QString saved = folder.filePath(row.file + (row.file.contains('.') ? ""
                                                          : row.csv              ? ".csv"
                                                                                 : ".txt"));
        QFile file(saved);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(saved));
        if (!row.bytes.isEmpty())
            QCOMPARE(file.readAll(), row.bytes);
    }
    QCOMPARE(p.messages(), "");

    // The next dialog opens in the folder saved to last.
    KeyOn(Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = SaveDialog(p);
    QVERIFY(dialog);
    QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    KeyOn(Qt::Key_Escape);

    // The settings file keeps its one line of 34 fields.
    p.window->close();
    const QByteArray settings = p.read("data.dat");
    QCOMPARE(settings.count("\",\""), 33);
    QVERIFY(settings.endsWith("\"\r\n") && settings.count('\n') == 1);
}

void ResultListTest::failedSaveLeavesNothingBehind() {
    Program p;
    Search(p, "te*");
    QFile blocker(p.dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString before = Files(p);
    const QString path = p.dir.filePath("blocker/list.txt");
    KeyOn(Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = SaveDialog(p);
    QVERIFY(dialog);
    SaveAs(*dialog, path, false);
    QTRY_VERIFY(!p.platform.messages.isEmpty());
    QVERIFY2(p.messages().startsWith("Anagrove: The list could not be saved to " + path + ": "),
             qPrintable(p.messages()));
    QVERIFY(p.messages().size() > QString("Anagrove: The list could not be saved to : ").size() +
                                      path.size()); // with a reason
    QCOMPARE(Files(p), before);
    QCOMPARE(p.items(), kTeItems);
}

void ResultListTest::tooltipTellsTheBlankLetters() {
    struct Row {
        const char* name;
        const char* letters;
        bool points;
        int row;
        const char* text;
    };
    const Row rows[] = {
        {"no_blanks", "tea", true, 0, "No blank tiles in the rack"},
        {"blank_not_used", "tea*", true, 6, "No blank tiles used"},
        {"one_blank", "te*", true, 0, "Blank tile: a \u00B7 0 points with blanks at zero"},
        {"two_blanks", "qu**", true, 2, "Blank tiles: i, z \u00B7 11 points with blanks at zero"},
        {"long_word", "zebr*", true, 1, "Blank tile: a \u00B7 15 points with blanks at zero"},
        {"points_off", "te*", false, 1, "Blank tile: a"},
    };
    for (const Row& row : rows) {
        Program p;
        if (!row.points)
            LeftClick(p.get("chkUsepoints"));
        Search(p, row.letters);
        QVERIFY2(p.get<QListView>("lstWords").model()->rowCount() > row.row, row.name);
        Hover(p, QPoint(1, 1)); // the pointer comes from elsewhere
        Hover(p, ItemCenter(p, row.row));
        QTRY_VERIFY2(QToolTip::isVisible(), row.name);
        QCOMPARE(QToolTip::text(), QString(row.text));
        QToolTip::hideText();
    }
}

void ResultListTest::enterLooksTheWordUp() {
    Program p;
    Search(p, "te*");
    KeyOn(Qt::Key_W, Qt::AltModifier); // focus, no selection: Enter does nothing
    KeyOn(Qt::Key_Return);
    QCOMPARE(p.platform.opened.join(' '), "");
    QCOMPARE(p.items(), kTeItems);

    SelectRow(p, 1);
    KeyOn(Qt::Key_Return);
    QCOMPARE(p.platform.opened.join(' '), kDictionaryAt);
    KeyOn(Qt::Key_Down);
    KeyOn(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(p.platform.opened.join(' '), kDictionaryAt + ' ' + kDictionaryAddress + "ate");
    QCOMPARE(p.items(), kTeItems);
    QCOMPARE(p.messages(), "");
}

QTEST_MAIN(ResultListTest)
#include "result_list_test.moc"
