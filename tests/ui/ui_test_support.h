#pragma once
// What the window tests share: a program directory with two tiny word lists, a
// desktop that records instead of acting, the main window started on them, and
// a user's hands: keys go to the control that has the focus, clicks to the
// control that stands at the place clicked.

#include "custom_points_editor.h"
#include "desktop.h"
#include "main_window.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

namespace anagrove::ui::test {

struct RecordingDesktop final : Desktop {
    QString directory, settings = QDir(directory).filePath("data.dat");
    OpenResult answer;    // what the shell answers
    QStringList messages; // each shown: the title, (!) for a warning, the text
    QStringList opened;   // every address handed to the shell
    QString listFile;     // the file dialog's answer; empty: the user cancels
    int fileDialogs = 0;  // how often a file was asked for
    int ends = 0;         // how often the program was ended

    explicit RecordingDesktop(QString dir) : directory(std::move(dir)) {}
    QString programDirectory() const override { return directory; }
    QString settingsPath() const override { return settings; }
    void showMessage(QWidget*, const QString& title, const QString& text,
                     MessageIcon icon) override {
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "Form3" && window->isVisible())
                messages << "(under the loading window)";
        messages << title + (icon == MessageIcon::warning ? " (!): " : ": ") + text;
    }
    void openDocument(const QString& address, std::function<void(OpenResult)> done) override {
        opened << address;
        done(answer);
    }
    QString chooseWordListFile(QWidget*, const QString&) override {
        ++fileDialogs;
        return listFile;
    }
    void endProgram() override { ++ends; }
};

// Searching "tea" finds a, at, ate, eat, eta, tae, tea in the standard list,
// each letter one Scrabble point; the extended list adds teas.
inline const QStringList kStandard = QString("a at ate eat eta tae tea quiz zebra").split(' ');
inline const QStringList kExtended = kStandard + QStringList{"teas", "qi", "za"};
// The initial option fields, and the same with words from one letter up.
inline const QStringList kInitial = {"alpha", "2", "8", "1", "1", "standard", "true", "scrabble"};
inline const QStringList kShortWords = QStringList(kInitial).replaceInStrings("2", "1");

// The settings line of eight option fields and up to 26 custom values.
inline QByteArray SettingsLine(QStringList fields, const QStringList& custom = {}) {
    for (int i = 0; i < 26; ++i)
        fields << custom.value(i);
    return "\"" + fields.join("\",\"").toLatin1() + "\"\r\n";
}

template <typename Widget = QWidget> Widget& Child(const QWidget& window, const QString& name) {
    auto* child = window.findChild<Widget*>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return *child;
}

// The option fields with one of them changed.
inline QStringList With(QStringList options, int field, const QString& word) {
    options[field] = word;
    return options;
}

// The name of the control that has the keyboard focus, "-" when none has.
inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString("-");
}

// A key pressed and released on the keyboard: it reaches the open menu, else
// the focused control, else the active window. The window's shortcuts see it
// first, as they do for a real key.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = nullptr;
    const auto keyboardTaken = [&target] {
        target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        return target != nullptr;
    };
    // Right after a dialog closes, a busy machine may not have activated the
    // window beneath it yet: wait for it as a user would.
    if (!QTest::qWaitFor(keyboardTaken, 2000)) {
        // The offscreen platform has no window manager, which would hand the
        // activation back to the window beneath a closed dialog; at times,
        // under load, none comes. Do what a window manager does.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowType() == Qt::Window)
                window->activateWindow();
        if (!QTest::qWaitFor(keyboardTaken))
            qFatal("no window takes the keyboard");
    }
    QTest::keyClick(target, key, modifiers);
}

// Text typed on the keyboard into the focused control.
inline void Type(const QString& text) {
    if (QWidget* target = QApplication::focusWidget())
        QTest::keyClicks(target, text);
}

// The Tab stops of two whole cycles from the focused control, back to it,
// once pressing Tab and once Shift+Tab; both lists in forward order.
inline std::pair<QString, QString> TabCyclesBothWays(int stops) {
    QStringList forward{FocusName()}, backward{FocusName()};
    for (int i = 0; i < 2 * stops; ++i) {
        Press(Qt::Key_Tab);
        forward << FocusName();
    }
    for (int i = 0; i < 2 * stops; ++i) {
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(FocusName());
    }
    return {forward.join(' '), backward.join(' ')};
}

enum class Mouse { click, doubleClick };

// A click with the left button at a point of a window, in the window's
// coordinates: it goes to whatever control stands there, enabled or not.
inline void ClickAt(QWidget& window, QPoint point, Mouse how = Mouse::click) {
    QWidget* target = window.childAt(point);
    if (!target)
        target = &window;
    const QPoint local = target->mapFrom(&window, point);
    if (how == Mouse::click) {
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
    } else { // the first click of a double-click comes as a click
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
        QTest::mouseDClick(target, Qt::LeftButton, {}, local);
    }
}

// A click on the middle of a control, sent to its window at that place.
inline void ClickOn(QWidget& control, Mouse how = Mouse::click) {
    QWidget& window = *control.window();
    ClickAt(window, control.mapTo(&window, control.rect().center()), how);
}

// Gives a control the focus without clicking it: the button goes down on it
// and comes up outside it, as when a user changes their mind.
inline void PressAndSlideOff(QWidget& control) {
    QTest::mousePress(&control, Qt::LeftButton, {}, control.rect().center());
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(-50, -50));
}

// Replaces a text box's text as a user does: a click into it, all selected,
// then the new text typed (or the old one deleted).
inline void Retype(QWidget& box, const QString& text) {
    ClickOn(box);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else
        QTest::keyClicks(&box, text);
}

struct Setup {
    QStringList options = kShortWords, custom{}; // no options: no settings file
    bool wait = true;                            // until the start-up load has finished
    bool standardList = true;                    // whether standard.txt exists
    QStringList standard = kStandard;            // its words
    // The alphabets and the small lists of tests/data/languages beside the program.
    bool languages = false;
    QByteArray languageSettings{}; // languages.dat; empty: none
    StartChoice start{};           // what the command line names
};

// Copies every file of a source folder into a folder of the program directory.
inline void CopyFolder(const QString& from, const QDir& program, const QString& folder) {
    if (!program.mkpath(folder))
        qFatal("cannot make %s", qPrintable(folder));
    for (const QString& name : QDir(from).entryList(QDir::Files))
        if (!QFile::copy(QDir(from).filePath(name), program.filePath(folder + "/" + name)))
            qFatal("cannot copy %s", qPrintable(name));
}

// The main window, shown, over a fresh program directory.
struct Program {
    QTemporaryDir dir;
    RecordingDesktop desktop{dir.path()};
    std::unique_ptr<MainWindow> window;
    QStringList statuses; // every text the status bar has shown

    explicit Program(const Setup& setup = {}) {
        const auto write = [this](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(name));
        };
        write("extended.txt", kExtended.join("\r\n").toLatin1() + "\r\n");
        if (setup.standardList)
            write("standard.txt", setup.standard.join("\r\n").toLatin1() + "\r\n");
        if (!setup.options.isEmpty())
            write("data.dat", SettingsLine(setup.options, setup.custom));
        if (setup.languages) {
            const QDir program(dir.path());
            CopyFolder(ANAGROVE_SOURCE_DIR "/data/alphabets", program, "alphabets");
            CopyFolder(ANAGROVE_SOURCE_DIR "/tests/data/languages", program, "languages");
        }
        if (!setup.languageSettings.isEmpty())
            write("languages.dat", setup.languageSettings);
        window = std::make_unique<MainWindow>(desktop, setup.start);
        // Qt's own checks of the result list's model, after every search,
        // re-sort and clearing.
        new QAbstractItemModelTester(get<QListView>("lstWords").model(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     window.get());
        QObject::connect(&get<QStatusBar>("statusbar"), &QStatusBar::messageChanged,
                         [this](const QString& text) { statuses << text; });
        window->show();
        window->activateWindow(); // as for a user at the keyboard
        if (!QTest::qWaitForWindowActive(window.get()) ||
            (setup.wait && !QTest::qWaitFor([this] { return state().startupDone; }, 20000)))
            qFatal("the window did not start");
    }

    template <typename Widget = QWidget> Widget& get(const QString& name) const {
        return Child<Widget>(*window, name);
    }
    const ProgramState& state() const { return window->state(); }
    // Checks or unchecks a box, or selects an option, with a mouse click on it.
    void set(const QString& name, bool on = true) const {
        if (get<QAbstractButton>(name).isChecked() != on)
            clickOn(name);
    }
    void clickOn(const QString& name, Mouse how = Mouse::click) const { ClickOn(get(name), how); }
    void retype(const QString& name, const QString& text) const { Retype(get(name), text); }
    // Types the letters and clicks "Find Words".
    void find(const QString& letters) const {
        retype("txtWord", letters);
        clickOn("cmdStart");
    }
    // The middle of the result in the given row, in the list's viewport.
    QPoint itemCenter(int row) const {
        const auto& list = get<QListView>("lstWords");
        return list.visualRect(list.model()->index(row, 0)).center();
    }
    // Clicks the result in the given row, which selects it.
    void select(int row) const {
        QTest::mouseClick(get<QListView>("lstWords").viewport(), Qt::LeftButton, {},
                          itemCenter(row));
    }
    // The names of the selected option buttons and checked check boxes, sorted.
    QString checked() const {
        QStringList names;
        for (const auto* button : window->findChildren<QAbstractButton*>())
            if (button->isChecked())
                names << button->objectName();
        names.sort();
        return names.join(' ');
    }
    // The list's items, joined by "|".
    QString items() const {
        const auto* model = get<QListView>("lstWords").model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, 0).data().toString();
        return texts.join('|');
    }
    // The custom point editor once it is open and active, after a click on
    // the custom option; nothing when it did not open.
    CustomPointsEditor* openEditor(Mouse how = Mouse::click) const {
        clickOn("optPoints4", how);
        CustomPointsEditor* editor = window->pointsEditor();
        return editor && editor->isVisible() && QTest::qWaitForWindowActive(editor) ? editor
                                                                                    : nullptr;
    }
    // Back from the custom point editor, if an input opened it: Escape cancels.
    bool closeEditor() const {
        CustomPointsEditor* editor = window->pointsEditor();
        if (!editor || !editor->isVisible())
            return false;
        if (!QTest::qWaitForWindowActive(editor))
            qFatal("the editor is not active");
        Press(Qt::Key_Escape);
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the main window did not come back");
        return true;
    }
    QString messages() const { return desktop.messages.join('\n'); }
    QString status() const { return get<QStatusBar>("statusbar").currentMessage(); }
    QByteArray read(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The columns of a data-driven test: one row struct, each named by its name.
template <typename Row, std::size_t N> void AddRows(const Row (&rows)[N]) {
    QTest::addColumn<Row>("row");
    for (const Row& row : rows)
        QTest::newRow(row.name) << row;
}

} // namespace anagrove::ui::test
