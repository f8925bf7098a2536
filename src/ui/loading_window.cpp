#include "loading_window.h"

#include "texts.h"
#include "twips.h"
#include "window_font.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace anagrove::ui {

namespace {
constexpr int kOntopIntervalMs = 10;
} // namespace

LoadingWindow::LoadingWindow(QWidget* mainWindow, std::function<bool()> keepOnTop)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint), keepOnTop_(std::move(keepOnTop)) {
    setObjectName("Form3");
    setFont(SansFont(font()));
    setFixedSize(Twips(*this).size(6975, 1980));
    createFrame();
    createTimer();
}

void LoadingWindow::createFrame() {
    const Twips tw(*this);
    frame_ = new QGroupBox(this);
    frame_->setObjectName("Frame1");
    PlaceAt(*frame_, tw, 120, 60, 6735, 1830);

    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    caption_ = new QLabel(LoadingCaption(WordListKind::standard), frame_);
    caption_->setObjectName("Label1");
    caption_->setFont(large);
    caption_->setAlignment(Qt::AlignCenter);
    PlaceAt(*caption_, tw, 120, 360, 6495, 600);
    setAccessibleName(caption_->text());

    pleaseWait_ = new QLabel("Please wait...", frame_);
    pleaseWait_->setObjectName("Label2");
    pleaseWait_->setAlignment(Qt::AlignCenter);
    PlaceAt(*pleaseWait_, tw, 120, 1080, 6495, 375);
}

void LoadingWindow::createTimer() {
    onTopTimer_ = new QTimer(this);
    onTopTimer_->setObjectName("tmrOntop");
    onTopTimer_->setInterval(kOntopIntervalMs);
    connect(onTopTimer_, &QTimer::timeout, this, &LoadingWindow::stayOnTop);
    onTopTimer_->start();
}

void LoadingWindow::setCaption(const QString& caption) {
    caption_->setText(caption);
    setAccessibleName(caption); // the window has no title bar to be read by
}

void LoadingWindow::stayOnTop() {
    if (!keepOnTop_())
        return;
    raise();
    // The main window, this window's owner, already stays beneath it; lowering
    // it further would put it behind every other program's windows.
}

} // namespace anagrove::ui
