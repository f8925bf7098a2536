// The keyboard: Enter searches, accelerators reach the controls, Ctrl+C copies
// the selected word; a double-click looks a result up; and the result list's
// menu and tooltips.

#include "main_window.h"

#include "accelerator.h"
#include "latin1_text.h"
#include "lookup/lookup_address.h"
#include "result_list_actions.h"
#include "result_tooltip.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <utility>

namespace anagrove::ui {

void MainWindow::createKeyboard() {
    // Enter in a text box presses "Find Words", as in a dialog with a default button.
    cmdStart->setDefault(true);
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    for (QLineEdit* box : {txtWord, txtMinletters, txtMaxletters})
        connect(box, &QLineEdit::returnPressed, cmdStart, &QPushButton::click);

    const std::pair<const char*, QWidget*> accelerators[] = {
        {"Alt+L", txtWord},       {"Alt+F", cmdStart},      {"Alt+C", cmdClear},
        {"Alt+A", optAlpha},      {"Alt+G", optLength},     {"Alt+S", optScore},
        {"Alt+M", txtMinletters}, {"Alt+X", txtMaxletters}, {"Alt+N", chkNomax},
        {"Alt+E", chkAnagram},    {"Alt+R", optStandard},   {"Alt+T", optExtended},
        {"Alt+W", lstWords},      {"Alt+P", chkUsepoints},  {"Alt+B", optPoints1},
        {"Alt+I", optPoints2},    {"Alt+O", optPoints3},    {"Alt+U", optPoints4},
        {"Alt+D", cmdDict},       {"Alt+H", cmdThes},
    };
    for (const auto& [keys, control] : accelerators)
        AddAccelerator(*this, QKeySequence(QString::fromLatin1(keys)), *control);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &MainWindow::link_Click);
    link->setToolTip(help->key().toString(QKeySequence::NativeText));

    connect(lstWords, &QListView::doubleClicked, this, &MainWindow::cmdDict_Click);
    lstWords->installEventFilter(this); // for Ctrl+C

    // The list's context menu, Enter, Ctrl+S and the tooltips of its items.
    new ResultListActions(*this, *lstWords, *results_, platform_);
    new ResultToolTip(*lstWords, *results_, state_.rack, *chkUsepoints);
}

void MainWindow::copySelectedWord() {
    if (auto word = LookupWord(ToLatin1(selectedItemText())))
        QGuiApplication::clipboard()->setText(FromLatin1(*word));
}

} // namespace anagrove::ui
