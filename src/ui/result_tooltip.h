#pragma once
// The tooltip of each result: which letters the blank tiles stand for in that
// word and, while points are shown, its score with those letters at zero.
// It is worked out only when the tooltip is asked for.

#include <QObject>
#include <QString>

#include <functional>

class QListView;
class QWidget;

namespace anagrove {
struct FoundRow;
}

namespace anagrove::ui {

class ResultListModel;

class ResultToolTip final : public QObject {
    Q_OBJECT
  public:
    // noteOf gives a row's note, from the search whose rows the model shows.
    ResultToolTip(QListView& list, const ResultListModel& model,
                  std::function<QString(const FoundRow&)> noteOf);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListView& list_;
    QWidget& viewport_;
    const ResultListModel& model_;
    std::function<QString(const FoundRow&)> noteOf_;
};

} // namespace anagrove::ui
