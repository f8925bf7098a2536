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

class Desktop;

class CustomPointsEditor final : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and fills the boxes from the stored values. The buttons store into state
    // and bring mainWindow back where this window stands.
    CustomPointsEditor(ProgramState& state, Desktop& desktop, QWidget* mainWindow);

    void showStoredValues();
    void setValues();
    void cancel();

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
    Desktop& desktop_;
    QWidget* mainWindow_;

    QGroupBox* frame_ = nullptr;
    std::array<QLineEdit*, 26> letterBoxes_{}; // txtA to txtZ
    QPushButton* setButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace anagrove::ui
