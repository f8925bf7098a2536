#pragma once
// The loading window: a small window without a title bar that covers the main
// window while the first word list loads.

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QTimer;

namespace anagrove::ui {

class LoadingWindow final : public QWidget {
    Q_OBJECT
  public:
    // keepOnTop tells each tick of its on-top timer whether to bring the window to the
    // front; mainWindow is the window it covers.
    LoadingWindow(QWidget* mainWindow, std::function<bool()> keepOnTop);

    void setCaption(const QString& caption); // the large line above "Please wait..."
    [[nodiscard]] QTimer& onTopTimer() const { return *onTopTimer_; }

    void stayOnTop();

  private:
    void createFrame();
    void createTimer();

    std::function<bool()> keepOnTop_;
    QGroupBox* frame_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* pleaseWait_ = nullptr;
    QTimer* onTopTimer_ = nullptr;
};

} // namespace anagrove::ui
