#include "result_list_actions.h"

#include "app/listed_words.h"
#include "app/texts.h"
#include "desktop.h"
#include "latin1_text.h"
#include "main_window.h"
#include "platform/line_end.h"
#include "result_list_model.h"
#include "texts.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QSaveFile>

namespace anagrove::ui {

namespace {

const QString kTextFilter = QStringLiteral("Plain text (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV, comma-separated values (*.csv)");

bool IsMenuKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

bool IsEnterKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

ResultListActions::ResultListActions(MainWindow& window, QListView& list,
                                     const ResultListModel& model, Desktop& desktop)
    : QObject(&list), window_(window), list_(list), model_(model), desktop_(desktop),
      lastFolder_(QDir::homePath()) {
    setObjectName("resultListActions");
    createMenu();
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QListView::customContextMenuRequested, this,
            [this](const QPoint& pos) { popUp(list_.viewport()->mapToGlobal(pos)); });
    connect(&model_, &QAbstractItemModel::modelReset, this, &ResultListActions::updateActions);
    list_.installEventFilter(this); // for the Menu key, Shift+F10 and Enter
    updateActions();
}

void ResultListActions::createMenu() {
    menu_ = new QMenu(&list_);
    menu_->setObjectName("mnuResults");
    auto add = [this](const char* name, const QString& text, auto handler) {
        QAction* action = menu_->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    copyWord_ = add("mnuCopyWord", "&Copy Word", [this] { window_.copySelectedWord(); });
    copyAll_ = add("mnuCopyAllWords", "Copy &All Words", [this] { copyAllWords(); });
    menu_->addSeparator();
    dictionaryLookup_ =
        add("mnuDictionary", "Look Up in &Dictionary", [this] { window_.lookUpInDictionary(); });
    thesaurusLookup_ =
        add("mnuThesaurus", "Look Up in &Thesaurus", [this] { window_.lookUpInThesaurus(); });
    menu_->addSeparator();
    saveList_ = add("mnuSaveList", QStringLiteral("&Save List As\u2026"), [this] { saveListAs(); });

    // Ctrl+C keeps its own handling on the list; the menu shows it as a reminder.
    copyWord_->setShortcut(QKeySequence::Copy);
    // Ctrl+S saves the list from anywhere in the window.
    saveList_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveList_->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(saveList_);
    connect(menu_, &QMenu::aboutToShow, this, &ResultListActions::updateActions);
}

void ResultListActions::updateActions() {
    const bool selected = !window_.selectedItemText().isEmpty();
    const bool listed = model_.rowCount() > 0;
    for (QAction* action : {copyWord_, dictionaryLookup_, thesaurusLookup_})
        action->setEnabled(selected);
    for (QAction* action : {copyAll_, saveList_})
        action->setEnabled(listed);
}

void ResultListActions::popUp(const QPoint& globalPos) {
    updateActions();
    menu_->popup(globalPos);
}

void ResultListActions::popUpAtSelection() {
    const QModelIndexList selected = list_.selectionModel()->selectedIndexes();
    QPoint place = list_.viewport()->rect().topLeft();
    if (!selected.isEmpty())
        place = list_.visualRect(selected.first()).bottomLeft();
    popUp(list_.viewport()->mapToGlobal(place));
}

bool ResultListActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &list_)
        return QObject::eventFilter(watched, event);
    // The desktop may turn the Menu key into a request of its own; the menu
    // then opens at the selected word, not in the middle of the list.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<const QContextMenuEvent&>(*event).reason() == QContextMenuEvent::Keyboard) {
        popUpAtSelection();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsMenuKey(key)) {
        popUpAtSelection();
        return true;
    }
    if (IsEnterKey(key) && !window_.selectedItemText().isEmpty()) {
        window_.lookUpInDictionary(); // as a double-click does
        return true;
    }
    return false;
}

void ResultListActions::copyAllWords() {
    QGuiApplication::clipboard()->setText(
        model_.fromTableText(ListedWordsText(model_.found(), model_.listing())));
}

void ResultListActions::saveListAs() {
    if (model_.rowCount() == 0)
        return;
    auto* dialog = new QFileDialog(&window_, "Save List As", lastFolder_);
    dialog->setObjectName("dlgSaveList");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({kTextFilter, kCsvFilter});
    dialog->setDefaultSuffix("txt");
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(filter == kCsvFilter ? "csv" : "txt");
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& path) {
        save(path, dialog->selectedNameFilter() == kCsvFilter);
    });
    dialog->open();
}

void ResultListActions::save(const QString& path, bool csv) {
    lastFolder_ = QFileInfo(path).absolutePath();
    const std::string text = csv ? window_.listedCsvText()
                                 : ListedItemsText(model_.found(), model_.listing(), kTextLineEnd);
    const QByteArray bytes = model_.fromTableText(text).toUtf8();
    // The file appears whole, or not at all: QSaveFile writes beside it and
    // renames only once everything is written.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    desktop_.showMessage(
        &window_, kProgramTitle,
        QString(kListNotSavedText).arg(QDir::toNativeSeparators(path), file.errorString()),
        MessageIcon::none);
}

} // namespace anagrove::ui
