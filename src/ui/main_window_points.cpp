// The point schemes, the switch for showing points, and the custom point editor.

#include "main_window.h"

#include "custom_points_editor.h"

#include <QCheckBox>
#include <QRadioButton>

namespace anagrove::ui {

void MainWindow::scrabbleSchemeChosen() {
    state_.letterPoints = PresetTable(PointScheme::scrabble);
}
void MainWindow::literatiSchemeChosen() {
    state_.letterPoints = PresetTable(PointScheme::literati);
}
void MainWindow::wordmojoSchemeChosen() {
    state_.letterPoints = PresetTable(PointScheme::wordmojo);
}

void MainWindow::customSchemeChosen() {
    if (!state_.startupDone)
        return;
    if (!pointsEditor_)
        pointsEditor_ = std::make_unique<CustomPointsEditor>(state_, platform_, this);
    pointsEditor_->move(pos());
    pointsEditor_->show();
    hide();
}

void MainWindow::customSchemeDoubleClicked() {
    customSchemeChosen();
}

void MainWindow::usePointsToggled() {
    if (state_.UsepointsState == 1) {
        setAllEnabled(
            {sortByScore_, scrabbleScheme_, literatiScheme_, wordmojoScheme_, customScheme_},
            false);
        if (sortByScore_->isChecked())
            sortAlphabetically_->setChecked(true);
    } else {
        setAllEnabled(
            {sortByScore_, scrabbleScheme_, literatiScheme_, wordmojoScheme_, customScheme_}, true);
    }
    state_.UsepointsState = state_.UsepointsState == 1 ? 2 : 1;
}

void MainWindow::explainPoints() {
    showMessage("Many word games, such as scrabble, give points in relation to individual letters "
                "in your word.\r\n\r\nWith this option, you can specify the point value of each "
                "letter to make sure you find the highest scoring word possible.");
}

} // namespace anagrove::ui
