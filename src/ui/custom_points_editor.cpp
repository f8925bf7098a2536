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

constexpr int kGridRows = 9;           // A-I, J-R, S-Z
constexpr int kGridTop = 1200;         // twips, inside the frame
constexpr int kRowPitch = 480;         // twips between rows
constexpr int kColumnPitch = 2040;     // twips between columns
constexpr int kLabelLeft = 735;        // twips, first column
constexpr int kLabelWidth = 495;       // room for "W =" in Verdana
constexpr int kBoxSize = 375;          // the boxes' height
constexpr int kBoxWidth = 495;         // wide enough for a blank and three digits
constexpr int kFourColumnPitch = 1500; // twips between columns of another language's tiles
constexpr int kFourColumnLeft = 300;

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
        letterLabels_[static_cast<std::size_t>(i)] = label;
    }
}

// One box per tile, column by column: three columns as for English when they
// hold every tile, else four.
void CustomPointsEditor::createTileGrid() {
    delete tileGrid_;
    tileBoxes_.assign(1, nullptr); // the blank has no box
    tileGrid_ = new QWidget(frame_);
    tileGrid_->setObjectName("tileGrid");
    tileGrid_->setGeometry(frame_->rect());
    const Twips tw(*this);
    const Alphabet& alphabet = *tileAlphabet_;
    const int tiles = static_cast<int>(alphabet.tiles.size()) - 1;
    const int columns = tiles <= 3 * kGridRows ? 3 : 4;
    const int rows = (tiles + columns - 1) / columns;
    const int pitch = columns == 3 ? kColumnPitch : kFourColumnPitch;
    for (int i = 0; i < tiles; ++i) {
        const Tile& tile = alphabet.tiles[static_cast<std::size_t>(i + 1)];
        const QString name = QString::fromStdString(tile.upper);
        const int left = (columns == 3 ? kLabelLeft : kFourColumnLeft) + (i / rows) * pitch;
        const int top = kGridTop + (i % rows) * kRowPitch;

        auto* label = new QLabel(name + " =", tileGrid_);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        PlaceAt(*label, tw, left, top + (kBoxSize - 255) / 2, kLabelWidth, 255);
        auto* box = new QLineEdit(tileGrid_);
        box->setObjectName("tile" + name);
        PlaceAt(*box, tw, left + kLabelWidth + 60, top, kBoxWidth, kBoxSize);
        label->setBuddy(box);
        box->setAccessibleName(TilePointsName(name));
        connect(box, &QLineEdit::returnPressed, setButton_, &QPushButton::click);
        tileBoxes_.push_back(box);
    }
    for (std::size_t t = 2; t < tileBoxes_.size(); ++t)
        setTabOrder(tileBoxes_[t - 1], tileBoxes_[t]);
    if (tileBoxes_.size() > 1)
        setTabOrder(tileBoxes_.back(), setButton_);
}

void CustomPointsEditor::followLanguage() {
    const std::shared_ptr<const Alphabet> alphabet =
        state_.InTiles() ? state_.languageFiles.alphabet : nullptr;
    const bool english = alphabet == nullptr;
    for (std::size_t i = 0; i < 26; ++i) {
        letterBoxes_[i]->setVisible(english);
        letterLabels_[i]->setVisible(english);
    }
    if (english) {
        if (tileGrid_)
            tileGrid_->hide();
        if (tileAlphabet_) // the English boxes were hidden: show what they keep
            showStoredValues();
        tileAlphabet_.reset();
        return;
    }
    if (alphabet == tileAlphabet_) {
        tileBoxes_[1]->setFocus();
        return; // typed values stay, as in the English boxes
    }
    tileAlphabet_ = alphabet;
    createTileGrid();
    tileGrid_->show();
    // The kept values, else the alphabet's standard ones to start from.
    const auto kept = state_.languages.customValues.find(alphabet->code);
    for (std::size_t t = 1; t < tileBoxes_.size(); ++t) {
        const bool have = kept != state_.languages.customValues.end() && t < kept->second.size();
        tileBoxes_[t]->setText(have ? QString::fromStdString(kept->second[t])
                                    : QString::number(alphabet->tiles[t].value));
    }
    tileBoxes_[1]->setFocus();
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
    if (tileAlphabet_) {
        setTileValues();
        return;
    }
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

void CustomPointsEditor::setTileValues() {
    state_.keepLoaderOnTop = false;
    std::vector<std::string> texts(tileBoxes_.size());
    for (std::size_t t = 1; t < tileBoxes_.size(); ++t)
        texts[t] = tileBoxes_[t]->text().toStdString();
    const auto read = ReadTileValueTexts(*tileAlphabet_, texts);
    if (!read) {
        desktop_.showMessage(this, kProgramTitle, QString::fromStdString(read.error().message),
                             MessageIcon::none);
        tileBoxes_[read.error().tile]->setFocus();
        return;
    }
    for (std::size_t t = 1; t < texts.size(); ++t)
        texts[t] = std::to_string((*read)[t]);
    state_.languages.customValues[tileAlphabet_->code] = texts;
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
