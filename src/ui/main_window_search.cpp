// The search: the letters, the length limits, "Find Words" and the orders.

#include "main_window.h"

#include "accessible_texts.h"
#include "app/search_request.h"
#include "app/texts.h"
#include "latin1_text.h"
#include "result_list_model.h"
#include "texts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStatusBar>

namespace anagrove::ui {

void MainWindow::noMaximumToggled() {
    maximumBox_->setEnabled(!noMaximum_->isChecked());
}

// Unchecked, it enables the maximum box too, even beside "no maximum".
void MainWindow::anagramsOnlyToggled() {
    setAllEnabled({maximumBox_, minimumBox_, noMaximum_, maximumLabel_, minimumLabel_},
                  !anagramsOnly_->isChecked());
}

void MainWindow::clearLetters() {
    lettersBox_->setText(QString());
}

void MainWindow::findWords() {
    SearchRequest request;
    const bool tiles = state_.InTiles(); // typed in the alphabet's letters, any of Unicode
    request.letters = tiles ? lettersBox_->text().toStdString() : ToLatin1(lettersBox_->text());
    request.minimumText = ToLatin1(minimumBox_->text());
    request.maximumText = ToLatin1(maximumBox_->text());
    request.noMaximum = noMaximum_->isChecked();
    request.anagram = anagramsOnly_->isChecked();
    request.usePoints = usePoints_->isChecked();

    // Limits that are not numbers refuse the search before anything changes.
    auto limits = ReadSearchLimits(request);
    if (!limits && !request.letters.empty()) {
        showMessage(FromLatin1(limits.error()));
        return;
    }

    resultModel_->clear();
    setStatusText(kSearchingStatusText);
    if (request.letters.empty()) {
        showMessage(kNoLettersMessage);
        return;
    }
    const auto order = SelectedValue(choices_.orders);
    if (!order)
        return;
    request.order = *order;
    statusBar_->repaint();
    if (tiles) {
        findTileWords(request, *limits);
        return;
    }

    SearchOutcome outcome = RunSearch(request, *limits, state_.wordList, state_.letterPoints);
    state_.found = std::move(outcome.found);
    state_.rack = {request.letters, state_.letterPoints};
    state_.tileResults = false;
    resultModel_->show(state_.found, outcome.listing);
    resultsFrame_->setTitle(FromLatin1(outcome.caption));
    describeResultList();
    setStatusText(outcome.status);
}

void MainWindow::findTileWords(const SearchRequest& request, const SearchLimits& limits) {
    const auto& list = state_.languageFiles.list;
    if (!list) {
        statusBar_->showMessage(loading_ ? QString(kLoadingLanguageStatus).arg(languageTitle())
                                         : QString(kNoWordListStatusText));
        return;
    }
    const Alphabet& alphabet = list->Letters();
    // Custom values that were never set, or no longer read, score nothing.
    TileValues values = StandardTileValues(alphabet);
    if (SelectedValue(choices_.schemes) == PointScheme::custom) {
        values = TileValues{};
        const auto& kept = state_.languages.customValues;
        if (const auto texts = kept.find(alphabet.code); texts != kept.end())
            if (const auto read = ReadTileValueTexts(alphabet, texts->second))
                values = *read;
    }
    auto searched = RunTileSearch(request, limits, list, values);
    if (!searched) {
        setStatusText(kReadyStatusText); // nothing was searched
        showMessage(QString::fromStdString(searched.error()));
        return;
    }
    state_.found = std::move(searched->outcome.found);
    state_.tileRack = std::move(searched->rack);
    state_.tileResults = true;
    resultModel_->show(state_.found, searched->outcome.listing, true);
    resultsFrame_->setTitle(FromLatin1(searched->outcome.caption));
    describeResultList();
    setStatusText(searched->outcome.status);
}

void MainWindow::describeResultList() {
    // Setting the description tells a screen reader that the count changed.
    resultList_->setAccessibleDescription(
        ResultListDescription(resultsFrame_->title(), resultList_->toolTip()));
}

void MainWindow::resortShown(SortOrder order) {
    resultModel_->clear();
    const ResultListing listing = Resort(state_.found, order);
    resultModel_->show(state_.found, listing, state_.tileResults);
}

} // namespace anagrove::ui
