#pragma once
// What the result list offers besides selecting and scrolling: a context menu
// (right button, the Menu key or Shift+F10) with copying, the two lookups and
// saving the list; Enter to look the selected word up; Ctrl+S to save the list.

#include <QObject>
#include <QString>

class QAction;
class QListView;
class QMenu;
class QPoint;

namespace anagrove::ui {

class MainWindow;
class Desktop;
class ResultListModel;

class ResultListActions final : public QObject {
    Q_OBJECT
  public:
    // Lives as long as the list, its parent.
    ResultListActions(MainWindow& window, QListView& list, const ResultListModel& model,
                      Desktop& desktop);

    // Asks for a file in the platform's file dialog and saves the list to it.
    void saveListAs();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenu();
    void updateActions();
    void popUp(const QPoint& globalPos);
    void popUpAtSelection();
    void copyAllWords();
    void save(const QString& path, bool csv);

    MainWindow& window_;
    QListView& list_;
    const ResultListModel& model_;
    Desktop& desktop_;
    QString lastFolder_; // where the last list was saved, for this session only

    QMenu* menu_ = nullptr;
    QAction* copyWord_ = nullptr;
    QAction* copyAll_ = nullptr;
    QAction* dictionaryLookup_ = nullptr;
    QAction* thesaurusLookup_ = nullptr;
    QAction* saveList_ = nullptr;
};

} // namespace anagrove::ui
