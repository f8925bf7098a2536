#include "custom_points_editor.h"

#include "accelerator.h"
#include "accessible_texts.h"
#include "app/texts.h"
#include "desktop.h"
#include "latin1_text.h"
#include "points/custom_points.h"
#include "twips.h"
#include "window_font.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <variant>

namespace anagrove::ui {

namespace {

constexpr int kGridRows = 9;       // A-I, J-R, S-Z
constexpr int kGridTop = 1200;     // twips, inside the frame
constexpr int kRowPitch = 480;     // twips between rows
constexpr int kColumnPitch = 2040; // twips between columns
constexpr int kLabelLeft = 735;    // twips, first column
constexpr int kLabelWidth = 495;   // room for "W =" in Verdana
constexpr int kBoxSize = 375;      // the boxes' height
constexpr int kBoxWidth = 495;     // wide enough for a blank and three digits

} // namespace

CustomPointsEditor::CustomPointsEditor(ProgramState& state, Desktop& desktop, QWidget* mainWindow)
    : QWidget(nullptr), state_(state), desktop_(desktop), mainWindow_(mainWindow) {
    setObjectName("Form2");
    setWindowTitle(kProgramTitle);
    setFont(VerdanaFont(font()));
    setFixedSize(Twips(*this).size(7080, 8370));
    createFrame();
    createLetterGrid();
    createButtons();
    createKeyboard();
    setFocusOrder();
    showStoredValues();
}

void CustomPointsEditor::createFrame() {
    frame_ = new QGroupBox("Define Custom Letter Point Values", this);
    frame_->setObjectName("Frame1");
    PlaceAt(*frame_, Twips(*this), 240, 240, 6600, 7890);
}

void CustomPointsEditor::createLetterGrid() {
    const Twips tw(*this);
    for (int i = 0; i < 26; ++i) {
        const QChar letter(static_cast<char16_t>(u'A' + i));
        const int left = kLabelLeft + (i / kGridRows) * kColumnPitch;
        const int top = kGridTop + (i % kGridRows) * kRowPitch;

        auto* label = new QLabel(QString(letter) + " =", frame_);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        PlaceAt(*label, tw, left, top + (kBoxSize - 255) / 2, kLabelWidth, 255);

        auto* box = new QLineEdit(frame_);
        box->setObjectName(QString("txt") + letter);
        PlaceAt(*box, tw, left + kLabelWidth + 60, top, kBoxWidth, kBoxSize);
        label->setBuddy(box);
        box->setAccessibleName(LetterPointsName(letter));
        letterBoxes_[static_cast<std::size_t>(i)] = box;
    }
}

void CustomPointsEditor::createButtons() {
    const Twips tw(*this);
    setButton_ = new QPushButton("Set Custom Values", frame_);
    setButton_->setObjectName("cmdSet");
    PlaceAt(*setButton_, tw, 780, 6480, 2400, 495);
    connect(setButton_, &QPushButton::clicked, this, &CustomPointsEditor::setValues);

    cancelButton_ = new QPushButton("Cancel", frame_);
    cancelButton_->setObjectName("cmdCancel");
    PlaceAt(*cancelButton_, tw, 3420, 6480, 2400, 495);
    connect(cancelButton_, &QPushButton::clicked, this, &CustomPointsEditor::cancel);
}

void CustomPointsEditor::createKeyboard() {
    // Enter in a letter box sets the values, as in a dialog; Escape cancels.
    setButton_->setDefault(true);
    cancelButton_->setAutoDefault(true); // Enter on it cancels
    for (QLineEdit* box : letterBoxes_)
        connect(box, &QLineEdit::returnPressed, setButton_, &QPushButton::click);
    AddAccelerator(*this, QKeySequence(QStringLiteral("Alt+S")), *setButton_);
    AddAccelerator(*this, QKeySequence(QStringLiteral("Alt+C")), *cancelButton_);
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, cancelButton_, &QPushButton::click);
}

void CustomPointsEditor::setFocusOrder() {
    QWidget* previous = letterBoxes_[0];
    for (QWidget* next : letterBoxes_) {
        if (next != previous)
            setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, setButton_);
    setTabOrder(setButton_, cancelButton_);
}

void CustomPointsEditor::showStoredValues() {
    for (std::size_t i = 0; i < 26; ++i)
        letterBoxes_[i]->setText(FromLatin1(state_.settings.customPoints[i]));
}

void CustomPointsEditor::setValues() {
    state_.keepLoaderOnTop = false;
    std::array<std::string, 26> entries;
    for (std::size_t i = 0; i < 26; ++i)
        entries[i] = ToLatin1(letterBoxes_[i]->text());
    const auto converted = ConvertCustomValues(entries);
    if (!converted) {
        const CustomValueError& error = converted.error();
        desktop_.showMessage(this, kProgramTitle, FromLatin1(error.message), MessageIcon::none);
        letterBoxes_[static_cast<std::size_t>(error.letter)]->setFocus();
        return;
    }
    const CustomValues& values = *converted;
    state_.settings.customPoints = values.stored; // every stored text before any active value
    state_.letterPoints = values.active;
    returnToMainWindow();
}

void CustomPointsEditor::cancel() {
    state_.keepLoaderOnTop = false;
    returnToMainWindow();
}

void CustomPointsEditor::returnToMainWindow() {
    mainWindow_->move(pos());
    mainWindow_->show();
    hide();
}

void CustomPointsEditor::closeEvent(QCloseEvent* event) {
    // Closing the editor itself ends the program, and nothing of the run is saved.
    event->accept();
    desktop_.endProgram();
}

} // namespace anagrove::ui
