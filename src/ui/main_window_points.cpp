// The point schemes, the switch for showing points, and the custom point editor.

#include "main_window.h"

#include "custom_points_editor.h"
#include "texts.h"

#include <QCheckBox>
#include <QRadioButton>

namespace anagrove::ui {

void MainWindow::schemeChosen(PointScheme scheme) {
    if (scheme == PointScheme::custom)
        openPointsEditor();
    else
        state_.letterPoints = PresetTable(scheme);
}

// Not before the start-up load has finished.
void MainWindow::openPointsEditor() {
    if (!state_.startupDone)
        return;
    if (!pointsEditor_)
        pointsEditor_ = std::make_unique<CustomPointsEditor>(state_, desktop_, this);
    pointsEditor_->followLanguage();
    pointsEditor_->move(pos());
    pointsEditor_->show();
    hide();
}

void MainWindow::usePointsToggled() {
    const bool on = usePoints_->isChecked();
    sortByScore_->setEnabled(on);
    enableSchemes();
    if (!on && sortByScore_->isChecked())
        sortAlphabetically_->setChecked(true);
}

void MainWindow::explainPoints() {
    showMessage(kAboutPointsText);
}

} // namespace anagrove::ui
