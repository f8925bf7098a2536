#include "loading_window.h"

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
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    PlaceAt(*Frame1, tw, 120, 60, 6735, 1830);

    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    Label1 = new QLabel("Loading Standard Dictionary", Frame1);
    Label1->setObjectName("Label1");
    Label1->setFont(large);
    Label1->setAlignment(Qt::AlignCenter);
    PlaceAt(*Label1, tw, 120, 360, 6495, 600);

    Label2 = new QLabel("Please wait...", Frame1);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    PlaceAt(*Label2, tw, 120, 1080, 6495, 375);
}

void LoadingWindow::createTimer() {
    tmrOntop = new QTimer(this);
    tmrOntop->setObjectName("tmrOntop");
    tmrOntop->setInterval(kOntopIntervalMs);
    connect(tmrOntop, &QTimer::timeout, this, &LoadingWindow::tmrOntop_Timer);
    tmrOntop->start();
}

void LoadingWindow::setCaption(const QString& caption) {
    Label1->setText(caption);
}

void LoadingWindow::tmrOntop_Timer() {
    if (!keepOnTop_())
        return;
    raise();
    // The main window, this window's owner, already stays beneath it; lowering
    // it further would put it behind every other program's windows.
}

} // namespace anagrove::ui
