// Looking up the selected word on the web, and the help page link.

#include "main_window.h"

#include "app/data_files.h"
#include "app/listed_words.h"
#include "app/texts.h"
#include "desktop.h"
#include "latin1_text.h"
#include "lookup/lookup_address.h"
#include "result_list_model.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace anagrove::ui {

namespace {

constexpr const char* kHelpPageName = "anagrove-help.html";

QString HelpPagePath(const QString& programDirectory) {
    return QFile::decodeName(
        DataFilePath(QFile::encodeName(programDirectory).toStdString(), kHelpPageName).c_str());
}

} // namespace

QString MainWindow::selectedItemText() const {
    const QModelIndexList selected = resultList_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void MainWindow::updateLookupButtons() {
    const bool selected = !selectedItemText().isEmpty();
    dictionaryLookupButton_->setEnabled(selected);
    thesaurusLookupButton_->setEnabled(selected);
}

void MainWindow::lookUpInDictionary() {
    lookUp(kDictionaryAddress);
}
void MainWindow::lookUpInThesaurus() {
    lookUp(kThesaurusAddress);
}

void MainWindow::lookUp(const char* prefix) {
    if (state_.tileResults) { // the language's own dictionary, with the word's spelling
        const QModelIndexList selected = resultList_->selectionModel()->selectedIndexes();
        if (selected.isEmpty())
            return;
        const FoundRow& row = resultModel_->foundRow(selected.first().row());
        openAddress(QString::fromStdString(WordAddress(state_.tileRack.list->Letters().lookup,
                                                       RowSpelling(row, state_.tileRack))));
        return;
    }
    if (auto address = LookupAddress(prefix, ToLatin1(selectedItemText()))) // else none selected
        openAddress(FromLatin1(*address));
}

std::string MainWindow::listedCsvText() const {
    if (state_.tileResults)
        return ListedCsvText(
            resultModel_->found(), resultModel_->listing(),
            [this](const FoundRow& row) { return TileBlankUse(row, state_.tileRack); });
    return ListedCsvText(resultModel_->found(), resultModel_->listing(), state_.rack);
}

void MainWindow::openHelpPage() {
    openAddress(QUrl::fromLocalFile(HelpPagePath(desktop_.programDirectory())).toString());
}

void MainWindow::openAddress(const QString& address) {
    // The outcome may come after the window is gone.
    QPointer<QWidget> guard(this);
    desktop_.openDocument(address, [this, guard, address](OpenResult result) {
        if (!guard || result.outcome == OpenResult::Outcome::success)
            return;
        const std::string text = result.outcome == OpenResult::Outcome::no_association
                                     ? AssociationText(ToLatin1(address))
                                     : BrowserProblemText(result.code);
        desktop_.showMessage(guard, kBrowserUnavailableTitle, FromLatin1(text),
                             MessageIcon::warning);
    });
}

} // namespace anagrove::ui
