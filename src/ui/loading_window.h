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
    // keepOnTop tells each tick of tmrOntop whether to bring the window to the
    // front; mainWindow is the window it covers.
    LoadingWindow(QWidget* mainWindow, std::function<bool()> keepOnTop);

    void setCaption(const QString& caption); // Label1's text
    [[nodiscard]] QTimer& ontopTimer() const { return *tmrOntop; }

    void tmrOntop_Timer();

  private:
    void createFrame();
    void createTimer();

    std::function<bool()> keepOnTop_;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTimer* tmrOntop = nullptr;
};

} // namespace anagrove::ui
