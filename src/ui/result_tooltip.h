#pragma once
// The tooltip of each result: which letters the blank tiles stand for in that
// word and, while points are shown, its score with those letters at zero.
// It is worked out only when the tooltip is asked for.

#include <QObject>

class QCheckBox;
class QListView;
class QWidget;

namespace anagrove {
struct SearchRack;
}

namespace anagrove::ui {

class ResultListModel;

class ResultToolTip final : public QObject {
    Q_OBJECT
  public:
    // rack is the letters and values of the search whose rows the model shows.
    ResultToolTip(QListView& list, const ResultListModel& model, const SearchRack& rack,
                  const QCheckBox& usePoints);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListView& list_;
    QWidget& viewport_;
    const ResultListModel& model_;
    const SearchRack& rack_;
    const QCheckBox& usePoints_;
};

} // namespace anagrove::ui
