// The search: the letters, the length limits, "Find Words" and the orders.

#include "main_window.h"

#include "app/search_request.h"
#include "app/texts.h"
#include "latin1_text.h"
#include "result_list_model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>

namespace anagrove::ui {

void MainWindow::chkNomax_Click() {
    txtMaxletters->setEnabled(state_.NomaxState != 1);
    state_.NomaxState = state_.NomaxState == 1 ? 2 : 1;
}

void MainWindow::chkAnagram_Click() {
    SetEnabled({txtMaxletters, txtMinletters, chkNomax, lblMaxletters, lblMinletters},
               state_.AnagramState != 1);
    state_.AnagramState = state_.AnagramState == 1 ? 2 : 1;
}

void MainWindow::cmdClear_Click() {
    txtWord->setText(QString());
}

void MainWindow::cmdStart_Click() {
    SearchRequest request;
    request.letters = ToLatin1(txtWord->text());
    request.minimumText = ToLatin1(txtMinletters->text());
    request.maximumText = ToLatin1(txtMaxletters->text());
    request.nomax = chkNomax->isChecked();
    request.anagram = chkAnagram->isChecked();
    request.usePoints = chkUsepoints->isChecked();

    // Limits that are not numbers refuse the search before anything changes.
    auto limits = ReadSearchLimits(request);
    if (!limits && !request.letters.empty()) {
        showMessage(FromLatin1(limits.error()));
        return;
    }

    results_->clear();
    setStatusText(kSearchingStatusText);
    if (request.letters.empty()) {
        showMessage(kNoLettersMessage);
        return;
    }
    if (optAlpha->isChecked())
        request.mode = SortMode::alpha;
    else if (optScore->isChecked())
        request.mode = SortMode::score;
    else if (optLength->isChecked())
        request.mode = SortMode::length;
    else
        return;
    statusbar->repaint();

    SearchOutcome outcome = RunSearch(request, *limits, state_.wordList, state_.letterPoints);
    state_.found = std::move(outcome.found);
    state_.rack = {request.letters, state_.letterPoints};
    results_->show(state_.found, outcome.listing);
    Frame1->setTitle(FromLatin1(outcome.caption));
    setStatusText(outcome.status);
}

void MainWindow::optAlpha_Click() {
    resortShown(SortMode::alpha);
}
void MainWindow::optScore_Click() {
    resortShown(SortMode::score);
}
void MainWindow::optLength_Click() {
    resortShown(SortMode::length);
}

void MainWindow::resortShown(SortMode mode) {
    results_->clear();
    const ResultListing listing = Resort(state_.found, mode);
    results_->show(state_.found, listing);
}

} // namespace anagrove::ui
