// The point schemes, the switch for showing points, and the custom point editor.

#include "main_window.h"

#include "custom_points_editor.h"

#include <QCheckBox>
#include <QRadioButton>

namespace anagrove::ui {

void MainWindow::optPoints1_Click() {
    state_.letterPoints = PresetTable(PointScheme::scrabble);
}
void MainWindow::optPoints2_Click() {
    state_.letterPoints = PresetTable(PointScheme::literati);
}
void MainWindow::optPoints3_Click() {
    state_.letterPoints = PresetTable(PointScheme::wordmojo);
}

void MainWindow::optPoints4_Click() {
    if (!state_.StartupDone)
        return;
    if (!editor_)
        editor_ = std::make_unique<CustomPointsEditor>(state_, platform_, this);
    editor_->move(pos());
    editor_->show();
    hide();
}

void MainWindow::optPoints4_DblClick() {
    optPoints4_Click();
}

void MainWindow::chkUsepoints_Click() {
    if (state_.UsepointsState == 1) {
        SetEnabled({optScore, optPoints1, optPoints2, optPoints3, optPoints4}, false);
        if (optScore->isChecked())
            optAlpha->setChecked(true);
    } else {
        SetEnabled({optScore, optPoints1, optPoints2, optPoints3, optPoints4}, true);
    }
    state_.UsepointsState = state_.UsepointsState == 1 ? 2 : 1;
}

void MainWindow::cmdNote2_Click() {
    showMessage("Many word games, such as scrabble, give points in relation to individual letters "
                "in your word.\r\n\r\nWith this option, you can specify the point value of each "
                "letter to make sure you find the highest scoring word possible.");
}

} // namespace anagrove::ui
