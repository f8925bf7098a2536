#pragma once
// The custom point editor: one box per letter for the user's own values. It
// takes the main window's place while it is open.

#include "program_state.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace anagrove::ui {

class Platform;

class CustomPointsEditor final : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs Form_Load. The buttons store into state and
    // bring mainWindow back where this window stands.
    CustomPointsEditor(ProgramState& state, Platform& platform, QWidget* mainWindow);

    void Form_Load();
    void cmdSet_Click();
    void cmdCancel_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createFrame();
    void createLetterGrid();
    void createButtons();
    void createKeyboard();
    void setFocusOrder();
    void returnToMainWindow();

    ProgramState& state_;
    Platform& platform_;
    QWidget* mainWindow_;

    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 26> letterBoxes_{}; // txtA to txtZ
    QPushButton* cmdSet = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace anagrove::ui
