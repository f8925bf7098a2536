#pragma once
// The custom point editor: one box per letter for the user's own values, or
// one per tile of another language's alphabet. It takes the main window's
// place while it is open.

#include "program_state.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

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
    // Shows the boxes of the language the main window searches in (the 26
    // letters for English), filled with its kept values, when it is not the
    // one shown already.
    void followLanguage();
    void setValues();
    void cancel();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createFrame();
    void createLetterGrid();
    void createTileGrid();
    void setTileValues();
    void createButtons();
    void createKeyboard();
    void setFocusOrder();
    void returnToMainWindow();

    ProgramState& state_;
    Desktop& desktop_;
    QWidget* mainWindow_;

    QGroupBox* frame_ = nullptr;
    std::array<QLineEdit*, 26> letterBoxes_{}; // txtA to txtZ
    std::array<QLabel*, 26> letterLabels_{};
    // Another language's boxes, by tile from tile 1 on, under their own widget.
    QWidget* tileGrid_ = nullptr;
    std::shared_ptr<const Alphabet> tileAlphabet_; // whose tiles the grid shows
    std::vector<QLineEdit*> tileBoxes_;
    QPushButton* setButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace anagrove::ui
