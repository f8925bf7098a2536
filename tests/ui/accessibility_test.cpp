// What a screen reader reads of the windows: every focusable control's name,
// the result list's name and count, and a message box's title and text.

#include "loading_window.h"
#include "system_desktop.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTimer>

#include <map>

using namespace anagrove;
using namespace anagrove::ui;
using namespace anagrove::ui::test;

namespace {

// The names of a window's focusable controls, by object name.
std::map<QString, QString> FocusableNames(QWidget& window) {
    std::map<QString, QString> names;
    const auto walk = [&names](auto& self, QAccessibleInterface* node) -> void {
        if (!node)
            return;
        if (auto* widget = qobject_cast<QWidget*>(node->object());
            widget && node->state().focusable && widget->focusPolicy() != Qt::NoFocus)
            names[widget->objectName()] = node->text(QAccessible::Name);
        for (int i = 0; i < node->childCount(); ++i)
            self(self, node->child(i));
    };
    walk(walk, QAccessible::queryAccessibleInterface(&window));
    return names;
}

// Fails unless every name is non-empty and unique, and the named controls
// have the names given.
void CheckNames(const std::map<QString, QString>& names,
                const std::map<QString, QString>& expected) {
    QStringList seen;
    for (const auto& [control, name] : names) {
        QVERIFY2(!name.isEmpty(), qPrintable(control + " has no name"));
        QVERIFY2(!seen.contains(name), qPrintable("two controls are named " + name));
        seen << name;
    }
    for (const auto& [control, name] : expected)
        QCOMPARE(names.count(control) ? names.at(control) : "(not focusable)", name);
}

QString Description(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyControlHasItsOwnName();
    void resultListReadsItsCount();
    void messageBoxReadsTitleAndText();
};

void AccessibilityTest::everyControlHasItsOwnName() {
    Program p({.options = With(kShortWords, 7, "custom"), .wait = false});
    LoadingWindow& loader = *p.window->loadingWindow();
    QCOMPARE(QAccessible::queryAccessibleInterface(&loader)->text(QAccessible::Name),
             "Loading Standard Dictionary");
    QTRY_VERIFY(p.state().startupDone);

    CheckNames(FocusableNames(*p.window), {{"txtWord", "Letters"},
                                           {"txtMinletters", "Minimum letters:"},
                                           {"txtMaxletters", "Maximum letters:"},
                                           {"cmdNote1", "About the word lists"},
                                           {"cmdNote2", "About letter points"},
                                           {"lstWords", "Words found"},
                                           {"cmdStart", "Find Words"},
                                           {"optScore", "Sort found words by score"}});
    QCOMPARE(Child(*p.window, "cmdNote1").property("text").toString(), "?"); // seen as before

    CustomPointsEditor* editor = p.openEditor(Mouse::doubleClick);
    QVERIFY(editor);
    CheckNames(FocusableNames(*editor), {{"txtA", "A points"},
                                         {"txtZ", "Z points"},
                                         {"cmdSet", "Set Custom Values"},
                                         {"cmdCancel", "Cancel"}});
}

void AccessibilityTest::resultListReadsItsCount() {
    Program p;
    auto& list = p.get<QListView>("lstWords");
    QCOMPARE(Description(list), "Alt+W");
    p.find("tea");
    QCOMPARE(Description(list), "7 words found, Alt+W");
    // That a screen reader hears of the change is checked from outside, in the
    // smoke test: without a desktop the windows send no accessibility events.
    // Each item reads as its text.
    QCOMPARE(QAccessible::queryAccessibleInterface(&list)->child(0)->text(QAccessible::Name),
             list.model()->index(0, 0).data().toString());
}

void AccessibilityTest::messageBoxReadsTitleAndText() {
    QString title, text;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
        title = node->text(QAccessible::Name);
        // Its text is read from the label inside it.
        for (int i = 0; i < node->childCount(); ++i)
            if (node->child(i)->role() == QAccessible::StaticText)
                text += node->child(i)->text(QAccessible::Name);
        QTest::keyClick(box, Qt::Key_Return);
    });
    SystemDesktop desktop;
    QWidget owner;
    desktop.showMessage(&owner, "Anagrove", "Please enter letters to search for.",
                        MessageIcon::none);
    QCOMPARE(title, "Anagrove");
    QCOMPARE(text, "Please enter letters to search for.");
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
