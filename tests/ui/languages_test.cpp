// The window in other languages, reached only through key presses and mouse
// clicks: the command line's --language and --word-list, the menu of the
// dictionary options, the search in tiles with its sorts, tooltips and
// lookups, the tile row, the custom values per language, and all of it kept
// over a restart. The lists are the small ones of tests/data/languages.

#include "command_line.h"
#include "loading_window.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolTip>
#include <QWindow>

#include <sstream>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// Spanish words that "[ch]a*" lays, added to the small Spanish list.
const QByteArray kSpanishWords = "cha\nchal\nacha\nhacha\nllama\n";

Setup Languages(Setup setup = {}) {
    setup.languages = true;
    return setup;
}

// Adds words to a language's list in the program's directory.
void AddWords(const Program& p, const QString& code, const QByteArray& words) {
    QFile list(p.dir.filePath("languages/" + code + ".txt"));
    if (!list.open(QIODevice::Append) || list.write(words) != words.size())
        qFatal("cannot add to the %s list", qPrintable(code));
}

// Letters typed one key each, as a keyboard layout that has them types them;
// beyond Latin-1 too, where QTest::keyClicks stops.
void TypeLetters(QWidget& box, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Waits until the chosen language's list has loaded.
bool Loaded(const Program& p) {
    return QTest::qWaitFor([&p] { return !p.window->languageLoading(); }, 20000);
}

// The menu of the dictionary options, opened by the Menu key on the selected
// option; the arrow key pressed `down` times then Enter chooses an entry
// (English is first, then es, fr, de, pl, ...).
void ChooseFromMenu(const Program& p, int down) {
    ClickOn(p.get(p.get<QRadioButton>("optStandard").isChecked() ? "optStandard" : "optExtended"));
    Press(Qt::Key_Menu);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
        qFatal("the language menu did not open");
    for (int i = 0; i < down; ++i)
        Press(down > 0 ? Qt::Key_Down : Qt::Key_Up);
    for (int i = 0; i > down; --i)
        Press(Qt::Key_Up);
    Press(Qt::Key_Return);
    // The window beneath a closed menu takes the keyboard again, as a window
    // manager hands it back.
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }))
        qFatal("the language menu did not close");
    p.window->activateWindow();
    if (!QTest::qWaitForWindowActive(p.window.get()))
        qFatal("the main window did not come back");
}

// The option captions and enabled states, the tile row's buttons and the note.
QString Options(const Program& p) {
    QStringList tiles;
    for (const auto* button : p.get("tileRow").findChildren<QPushButton*>())
        tiles << button->accessibleName();
    const auto& standard = p.get<QRadioButton>("optStandard");
    const auto& extended = p.get<QRadioButton>("optExtended");
    return QString("%1%2|%3%4|%5|%6")
        .arg(standard.text(), standard.isChecked() ? "*" : "", extended.text(),
             extended.isEnabled() ? "" : " (off)",
             p.get("tileRow").isVisible() ? tiles.join(',') : QString("no row"),
             p.get("Label6").isVisible() ? "note" : "no note");
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLine();
    void spanishByTheMenuThenEnglish();
    void searchSortLookUpInTiles();
    void tileRowTypesTiles();
    void customValuesPerLanguage();
    void keptOverARestart();
    void ownWordList();
    void polishSearches();
    void laterChoiceStands();
    void unreadableLanguage();
};

void LanguagesTest::commandLine() {
    const auto answer = [](std::vector<std::string> args) {
        std::ostringstream out;
        const auto status = AnswerCommandLine(args, out);
        return QString::fromStdString((status ? std::to_string(*status) : "-") + ":" + out.str());
    };
    QCOMPARE(answer({"--language", "es"}), "-:");
    QCOMPARE(answer({"--language=pt-BR", "-platform", "offscreen"}), "-:");
    QCOMPARE(answer({"--word-list", "my list.txt"}), "-:");
    QVERIFY(answer({"--language", "xx"}).startsWith("2:anagrove: --language takes one of en, es"));
    QVERIFY(answer({"--language"}).startsWith("2:anagrove: --language needs a value"));
    QVERIFY(answer({"--word-list="}).startsWith("2:anagrove: --word-list needs a value"));
    const QString help = answer({"--help"});
    QVERIFY(help.startsWith("0:Usage: anagrove [--language CODE] [--word-list FILE]"));
    QVERIFY(help.contains("es, fr, de, pl, ca, nl, pt, pt-BR, it"));

    QCOMPARE(ReadStartChoice({"-style", "fusion", "--language", "pl"}),
             (StartChoice{"pl", std::nullopt}));
    QCOMPARE(ReadStartChoice({"--word-list=/a b.txt", "--language=es", "--language", "de"}),
             (StartChoice{"de", "/a b.txt"}));
    QCOMPARE(ReadStartChoice({"--word-list"}), StartChoice{});

    // The window opens in the language the command line names.
    Program p(Languages({.start = {"es", std::nullopt}}));
    QVERIFY(Loaded(p));
    QCOMPARE(Child<QLabel>(*p.window->loadingWindow(), "Label1").text(),
             "Loading Spanish Dictionary");
    QVERIFY(p.statuses.contains("Loading Spanish dictionary... please wait"));
    QCOMPARE(p.status(), "Please enter letters to begin search");
    QCOMPARE(
        Options(p),
        "Standard Spanish*|Extended Spanish (off)|Tile CH,Tile LL,Tile \u00d1,Tile RR|no note");
    QVERIFY(p.state().startupDone && p.state().wordList->WordCount() == 0);
}

void LanguagesTest::spanishByTheMenuThenEnglish() {
    Program p(Languages({.options = With(kShortWords, 7, "literati")}));
    const QString english = Options(p);
    QCOMPARE(english, "Standard English*|Extended English|no row|note");
    // Shift+F10 opens the menu too; Escape closes it and nothing changes.
    ClickOn(p.get("optStandard"));
    Press(Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << (action->isSeparator() ? "-" : action->text());
    QCOMPARE(entries.join('|'), "English|Espa\u00f1ol|Fran\u00e7ais|Deutsch|Polski|Catal\u00e0|"
                                "Nederlands|Portugu\u00eas|Portugu\u00eas do Brasil|Italiano|-|"
                                "Open Word List\u2026");
    Press(Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QCOMPARE(Options(p), english);
    // The right button on the other option opens it too, through the window
    // system as a real click comes, and selects nothing.
    QWidget& extended = p.get("optExtended");
    QTest::mouseClick(p.window->windowHandle(), Qt::RightButton, {},
                      extended.mapTo(p.window.get(), extended.rect().center()));
    QVERIFY(QTest::qWaitFor([] {
        return QApplication::activePopupWidget() &&
               QApplication::activePopupWidget()->objectName() == "mnuLanguages";
    }));
    Press(Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QCOMPARE(Options(p), english);
    // The "?" beside the options says how.
    p.clickOn("cmdNote1");
    QVERIFY(p.messages().endsWith("To search another language, or a word list of your own, "
                                  "right-click either dictionary option (or press the Menu key or "
                                  "Shift+F10 on it) and choose from its menu."));

    ChooseFromMenu(p, 2); // Español
    QVERIFY(p.statuses.contains("Loading Spanish dictionary... please wait"));
    QVERIFY(Loaded(p));
    QCOMPARE(
        Options(p),
        "Standard Spanish*|Extended Spanish (off)|Tile CH,Tile LL,Tile \u00d1,Tile RR|no note");
    // Literati has English values only: the standard values score instead.
    QVERIFY(p.get<QRadioButton>("optPoints1").isChecked() && !p.get("optPoints2").isEnabled() &&
            !p.get("optPoints3").isEnabled());
    p.find("casa");
    QVERIFY(p.status().endsWith(" total words.") && p.status().contains("out of 300 total"));

    // Back to English: its list and options as they were, the Spanish results still shown.
    const QString spanishItems = p.items();
    ChooseFromMenu(p, 1);
    QCOMPARE(Options(p), english);
    QCOMPARE(p.items(), spanishItems);
    QCOMPARE(p.state().wordList->WordCount(), kStandard.size());
    QVERIFY(p.get("optPoints2").isEnabled());
    QVERIFY(p.get<QRadioButton>("optPoints2").isChecked()); // Literati again
    p.find("tea");
    QCOMPARE(p.items(), "a (1)|at (2)|ate (3)|eat (3)|eta (3)|tae (3)|tea (3)");
}

void LanguagesTest::searchSortLookUpInTiles() {
    Program p(Languages({.start = {"es", std::nullopt}}));
    AddWords(p, "es", kSpanishWords);
    ChooseFromMenu(p, 2); // loads the list again, with the added words
    QVERIFY(Loaded(p));
    p.find("[ch]A*");
    QCOMPARE(p.items(), "acha (6)|cha (6)|chal (6)");
    QCOMPARE(p.get<QGroupBox>("Frame1").title(), " 3 words found");
    QCOMPARE(p.status(), " 3 words found out of 305 total words.");
    // Typed in capitals and decomposed: the same rack.
    p.retype("txtWord", "");
    TypeLetters(p.get("txtWord"), "[CH]A\u0301*");
    p.clickOn("cmdStart");
    QCOMPARE(p.items(), "acha (6)|cha (6)|chal (6)");
    // Sorting by score and by length with the keys.
    p.find("[ch]a**");
    Press(Qt::Key_S, Qt::AltModifier);
    const QStringList byScore = p.items().split('|');
    QCOMPARE(byScore.size(), 5); // acha, cha, chal, hacha, racho: all 6 points
    QCOMPARE(byScore.filter(QRegularExpression("^\\w+ 6$")).size(), 5);
    Press(Qt::Key_G, Qt::AltModifier);
    QVERIFY(p.items().endsWith("|chal 6|cha 6"));

    // Tooltips name the blanks' tiles; lookups go to the language's dictionary
    // with the word's spelling.
    Press(Qt::Key_A, Qt::AltModifier);
    p.find("[ch]a*");
    p.select(2); // chal
    QVERIFY(QTest::qWaitFor([&p] { return p.get("cmdDict").isEnabled(); }));
    p.clickOn("cmdDict");
    p.clickOn("cmdThes");
    QCOMPARE(p.desktop.opened.join(' '),
             "https://es.wiktionary.org/wiki/chal https://es.wiktionary.org/wiki/chal");
    auto* list = &p.get<QListView>("lstWords");
    QHelpEvent tip(QEvent::ToolTip, p.itemCenter(2),
                   list->viewport()->mapToGlobal(p.itemCenter(2)));
    QApplication::sendEvent(list->viewport(), &tip);
    QVERIFY(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    QCOMPARE(QToolTip::text(), "Blank tile: l \u00b7 6 points with blanks at zero");
    QToolTip::hideText();
    p.select(2); // the list takes the focus
    Press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "chal");

    // A rack that is not Spanish tiles is refused with a message.
    p.find("[xx]");
    QVERIFY(p.messages().contains("[xx]"));
    QCOMPARE(p.items(), "");
}

void LanguagesTest::tileRowTypesTiles() {
    Program p(Languages({.start = {"es", std::nullopt}}));
    QVERIFY(Loaded(p));
    p.retype("txtWord", "a");
    p.clickOn("cmdTileCH");
    p.clickOn("cmdTile\u00d1");
    p.clickOn("cmdTileRR");
    QCOMPARE(p.get<QLineEdit>("txtWord").text(), "a[ch]\u00f1[rr]");
    QCOMPARE(FocusName(), "txtWord"); // the row takes no focus
    Type("*");
    QCOMPARE(p.get<QLineEdit>("txtWord").text(), "a[ch]\u00f1[rr]*");
    // French has no tile a Latin keyboard lacks: no row, the note stays.
    ChooseFromMenu(p, 3);
    QVERIFY(Loaded(p));
    QCOMPARE(Options(p), "Standard French*|Extended French (off)|no row|note");
    // Catalan's row types L·L and NY in brackets.
    ChooseFromMenu(p, 6);
    QVERIFY(Loaded(p));
    p.retype("txtWord", "");
    p.clickOn("cmdTileL\u00b7L");
    p.clickOn("cmdTile\u00c7");
    QCOMPARE(p.get<QLineEdit>("txtWord").text(), "[l\u00b7l]\u00e7");
}

void LanguagesTest::customValuesPerLanguage() {
    Program p(Languages({.start = {"es", std::nullopt}}));
    AddWords(p, "es", kSpanishWords);
    ChooseFromMenu(p, 2);
    QVERIFY(Loaded(p));
    CustomPointsEditor* editor = p.openEditor();
    QVERIFY(editor);
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : editor->findChildren<QLineEdit*>())
        if (box->isVisible())
            boxes << box;
    QCOMPARE(boxes.size(), 28); // one per Spanish tile, A to Z with CH, LL, Ñ, RR
    auto& ch = Child<QLineEdit>(*editor, "tileCH");
    QVERIFY(ch.accessibleName() == "CH points" && ch.text() == "5");
    QVERIFY(!Child<QLineEdit>(*editor, "txtA").isVisible());
    // A value beyond 999 is refused, naming the tile; then CH = 9 is set with Enter.
    Retype(ch, "1000");
    Press(Qt::Key_Return);
    QVERIFY(p.messages().endsWith("Please enter a number from 0 to 999 for CH."));
    QVERIFY(editor->isVisible() && FocusName() == "tileCH");
    Retype(ch, "9");
    Retype(Child<QLineEdit>(*editor, "tileA"), "0");
    Press(Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
    p.find("[ch]a");
    QCOMPARE(p.items(), "cha (9)");

    // English keeps its 26 boxes and its own values.
    ChooseFromMenu(p, 1);
    QVERIFY(p.openEditor(Mouse::doubleClick));
    QVERIFY(Child<QLineEdit>(*editor, "txtA").isVisible() &&
            !Child<QWidget>(*editor, "tileGrid").isVisible());
    QVERIFY(p.closeEditor());
    // Polish values of its own; Spanish keeps the values set before.
    ChooseFromMenu(p, 5);
    QVERIFY(Loaded(p));
    p.set("optPoints1");
    QVERIFY(p.openEditor());
    QCOMPARE(Child<QLineEdit>(*editor, "tile\u0104").text(), "5");
    Retype(Child<QLineEdit>(*editor, "tile\u0104"), "2");
    Press(Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
    ChooseFromMenu(p, 2);
    QVERIFY(Loaded(p));
    p.set("optPoints1");
    QVERIFY(p.openEditor());
    QCOMPARE(Child<QLineEdit>(*editor, "tileCH").text(), "9");
    QVERIFY(p.closeEditor());
    ChooseFromMenu(p, 5);
    QVERIFY(Loaded(p));
    QVERIFY(p.openEditor(Mouse::doubleClick));
    QCOMPARE(Child<QLineEdit>(*editor, "tile\u0104").text(), "2");
}

void LanguagesTest::keptOverARestart() {
    QByteArray kept, settings;
    {
        Program p(Languages());
        AddWords(p, "es", kSpanishWords);
        p.set("optExtended");
        ChooseFromMenu(p, 2);
        QVERIFY(Loaded(p));
        // Spanish takes the options, and loads no English list through them.
        QCOMPARE(p.state().wordList->WordCount(), kExtended.size());
        CustomPointsEditor* editor = p.openEditor();
        QVERIFY(editor);
        Retype(Child<QLineEdit>(*editor, "tileCH"), "7");
        Press(Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
        p.window->close();
        kept = p.read("languages.dat");
        settings = p.read("data.dat");
    }
    // data.dat is as English wrote it: the extended list, 34 fields.
    QCOMPARE(settings, SettingsLine(With(With(kShortWords, 5, "extended"), 7, "custom")));
    QVERIFY(kept.startsWith("language es\ncustom es 1 3 3 7 "));

    Program again(Languages({.options = With(With(kShortWords, 5, "extended"), 7, "custom"),
                             .languageSettings = kept}));
    AddWords(again, "es", kSpanishWords);
    QVERIFY(Loaded(again));
    QCOMPARE(Child<QLabel>(*again.window->loadingWindow(), "Label1").text(),
             "Loading Spanish Dictionary");
    QVERIFY(Options(again).startsWith("Standard Spanish*|Extended Spanish (off)"));
    ChooseFromMenu(again, 2); // the added words
    QVERIFY(Loaded(again));
    again.find("[ch]a");
    QCOMPARE(again.items(), "cha (8)");
    // Back in English, the extended list the settings keep.
    ChooseFromMenu(again, 1);
    QVERIFY(again.get<QRadioButton>("optExtended").isChecked());
    QCOMPARE(again.state().wordList->WordCount(), kExtended.size());

    // Literati, chosen in English, is kept when the program closes in Spanish.
    {
        Program p(Languages({.options = With(kShortWords, 7, "literati")}));
        ChooseFromMenu(p, 2);
        QVERIFY(Loaded(p));
        QVERIFY(p.get<QRadioButton>("optPoints1").isChecked());
        p.window->close();
        QCOMPARE(p.read("data.dat"), SettingsLine(With(kShortWords, 7, "literati")));
    }

    // An English user who never chose a language gets no languages.dat.
    Program english(Languages());
    english.window->close();
    QVERIFY(!QFile::exists(english.dir.filePath("languages.dat")));
}

void LanguagesTest::ownWordList() {
    Program p(Languages());
    const QString path = p.dir.filePath("club list.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#alphabet ca\nal\u00b7la\nl\u00b7l\u00e0s\nnyap\nkiwi\nnia\n"); // no K in Catalan
    file.close();
    // Cancelled: nothing changes.
    ChooseFromMenu(p, -1); // the last entry
    QCOMPARE(p.desktop.fileDialogs, 1);
    QCOMPARE(Options(p), "Standard English*|Extended English|no row|note");

    p.desktop.listFile = path;
    ChooseFromMenu(p, -1);
    QVERIFY(Loaded(p));
    QCOMPARE(Options(p).section('|', 0, 1), "Own list: club list.txt*|Extended Catalan (off)");
    QVERIFY(p.messages().endsWith("1 words of the list club list.txt were left out: 1 not "
                                  "Catal\u00e0 tiles, 0 over 63 tiles."));
    p.find("a[L\u00b7L]a*");
    QCOMPARE(p.items(), "al\u00b7la (12)|l\u00b7las (11)"); // L·L is 10 points
    p.find("nyap");
    QCOMPARE(p.items(), "nyap (14)"); // NY is one tile of 10
    QCOMPARE(p.status(), " 1 words found out of 4 total words.");

    // A file that names no language the program has: a message, and no list.
    file.open(QIODevice::WriteOnly);
    file.write("#alphabet tlh\nqapla\n");
    file.close();
    ChooseFromMenu(p, -1);
    QVERIFY(Loaded(p));
    QVERIFY(p.messages().contains("\"tlh\", which is not one of the languages"));
    QCOMPARE(p.status(), "No word list is loaded");
}

void LanguagesTest::polishSearches() {
    Program p(Languages());
    ChooseFromMenu(p, 5);
    QVERIFY(Loaded(p));
    QVERIFY(
        Options(p).startsWith("Standard Polish*|Extended Polish (off)|Tile \u0104,Tile \u0106"));
    p.retype("txtWord", "szw");
    p.clickOn("cmdTile\u0104");
    p.clickOn("cmdStart");
    QCOMPARE(p.items(), "szw\u0105 (8)");
    Press(Qt::Key_G, Qt::AltModifier); // reordered, in the same letters
    QCOMPARE(p.items(), "szw\u0105 8");
    p.select(0);
    QVERIFY(QTest::qWaitFor([&p] { return p.get("cmdDict").isEnabled(); }));
    p.clickOn("cmdDict");
    QCOMPARE(p.desktop.opened.last(), "https://pl.wiktionary.org/wiki/szw%C4%85");
}

// A choice made while another language still loads: the later one stands,
// whenever the earlier load ends.
void LanguagesTest::laterChoiceStands() {
    Program p(Languages());
    ClickOn(p.get("optStandard"));
    // Each key is handled at once: the Polish result waits for the event loop.
    Press(Qt::Key_Menu);
    for (int i = 0; i < 5; ++i)
        Press(Qt::Key_Down);
    Press(Qt::Key_Return); // Polski: its load starts
    QVERIFY(p.window->languageLoading() && FocusName() == "optStandard");
    Press(Qt::Key_Menu);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return); // English
    QVERIFY(Loaded(p));
    QTest::qWait(50); // room for the Polish result, had it been taken
    QCOMPARE(Options(p), "Standard English*|Extended English|no row|note");
    p.find("tea");
    QCOMPARE(p.items(), "a (1)|at (2)|ate (3)|eat (3)|eta (3)|tae (3)|tea (3)");
}

void LanguagesTest::unreadableLanguage() {
    Program p(Languages());
    QVERIFY(QFile::remove(p.dir.filePath("languages/de.txt")));
    ChooseFromMenu(p, 3 + 1); // Deutsch is the fourth
    QVERIFY(Loaded(p));
    QVERIFY(p.messages().startsWith("Anagrove: The word list of German could not be loaded: "));
    QCOMPARE(p.status(), "No word list is loaded");
    p.find("abc");
    QCOMPARE(p.items(), "");
    QCOMPARE(p.status(), "No word list is loaded");
}

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
