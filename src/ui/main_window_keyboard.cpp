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
    findButton_->setDefault(true);
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    for (QLineEdit* box : {lettersBox_, minimumBox_, maximumBox_})
        connect(box, &QLineEdit::returnPressed, findButton_, &QPushButton::click);

    const std::pair<const char*, QWidget*> accelerators[] = {
        {"Alt+L", lettersBox_},
        {"Alt+F", findButton_},
        {"Alt+C", clearButton_},
        {"Alt+A", sortAlphabetically_},
        {"Alt+G", sortByLength_},
        {"Alt+S", sortByScore_},
        {"Alt+M", minimumBox_},
        {"Alt+X", maximumBox_},
        {"Alt+N", noMaximum_},
        {"Alt+E", anagramsOnly_},
        {"Alt+R", standardList_},
        {"Alt+T", extendedList_},
        {"Alt+W", resultList_},
        {"Alt+P", usePoints_},
        {"Alt+B", scrabbleScheme_},
        {"Alt+I", literatiScheme_},
        {"Alt+O", wordmojoScheme_},
        {"Alt+U", customScheme_},
        {"Alt+D", dictionaryLookupButton_},
        {"Alt+H", thesaurusLookupButton_},
    };
    for (const auto& [keys, control] : accelerators)
        AddAccelerator(*this, QKeySequence(QString::fromLatin1(keys)), *control);
    describeResultList();

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &MainWindow::openHelpPage);
    helpLink_->setToolTip(help->key().toString(QKeySequence::NativeText));

    connect(resultList_, &QListView::doubleClicked, this, &MainWindow::lookUpInDictionary);
    resultList_->installEventFilter(this); // for Ctrl+C

    // The list's context menu, Enter, Ctrl+S and the tooltips of its items.
    new ResultListActions(*this, *resultList_, *resultModel_, desktop_);
    new ResultToolTip(*resultList_, *resultModel_,
                      [this](const FoundRow& row) { return rowNote(row); });
}

QString MainWindow::rowNote(const FoundRow& row) const {
    const bool showScore = usePoints_->isChecked();
    if (state_.tileResults)
        return QString::fromStdString(TileBlanksText(row, state_.tileRack, showScore));
    return FromLatin1(BlankTilesText(row, state_.rack, showScore));
}

void MainWindow::copySelectedWord() {
    if (state_.tileResults) { // the item up to its first blank
        const QString item = selectedItemText();
        if (const qsizetype blank = item.indexOf(' '); blank > 0)
            QGuiApplication::clipboard()->setText(item.left(blank));
        return;
    }
    if (auto word = LookupWord(ToLatin1(selectedItemText())))
        QGuiApplication::clipboard()->setText(FromLatin1(*word));
}

} // namespace anagrove::ui
