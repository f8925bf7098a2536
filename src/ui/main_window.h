#pragma once
// The main window: the letters, the search options, the result list, the
// point schemes and the lookups. It owns the state that the windows share.

#include "dictionary/word_list.h"
#include "program_state.h"
#include "results/sort_mode.h"

#include <QWidget>

#include <initializer_list>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace anagrove::ui {

class CustomPointsEditor;
class LoadingWindow;
class Platform;
class ResultListModel;

class MainWindow final : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs Form_Load; the caller shows it.
    explicit MainWindow(Platform& platform);
    ~MainWindow() override;

    [[nodiscard]] const ProgramState& state() const { return state_; }
    // The loading window and the custom point editor, once created.
    [[nodiscard]] LoadingWindow* loader() const { return loader_; }
    [[nodiscard]] CustomPointsEditor* editor() const { return editor_.get(); }
    // The text of the selected result, empty when none is selected.
    [[nodiscard]] QString selectedItemText() const;
    // Copies the selected result's word, without its points, as Ctrl+C does.
    void copySelectedWord();

    // Start-up and shutdown.
    void Form_Load();
    void Form_Unload();
    void tmrAddwordstodb_Timer();

    // Word lengths, letters and help.
    void chkNomax_Click();
    void chkAnagram_Click();
    void cmdClear_Click();
    void cmdNote1_Click();
    void cmdNote2_Click();

    // Dictionary.
    void optStandard_Click();
    void optExtended_Click();

    // Search and order.
    void cmdStart_Click();
    void optAlpha_Click();
    void optScore_Click();
    void optLength_Click();

    // Points.
    void optPoints1_Click();
    void optPoints2_Click();
    void optPoints3_Click();
    void optPoints4_Click();
    void optPoints4_DblClick();
    void chkUsepoints_Click();

    // Lookups.
    void tmrListclick_Timer();
    void cmdDict_Click();
    void cmdThes_Click();
    void link_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createLettersArea();
    void createSortOptions();
    void createLengthFrame();
    void createDictionaryFrame();
    void createPointsFrame();
    void createResultsFrame();
    void createLookupArea();
    void createStatusBar();
    void createTimers();
    void connectHandlers();
    void createKeyboard();
    void setFocusOrder();

    void applyStartupSettings();
    void showLoader();
    void setStatusText(const std::string& text);
    // Loads a word list; gives the message to show when it cannot be read.
    [[nodiscard]] std::optional<QString> LoadWordList(DictionaryKind kind,
                                                      bool chosenByUser = false);
    void resortShown(SortMode mode);
    void lookUp(const char* prefix);
    void OpenWebAddress(const QString& address);
    void LaunchDocument(const QString& document);
    void showMessage(const QString& text);
    static void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled);
    [[nodiscard]] QRadioButton* sortOption(SortMode mode) const;
    [[nodiscard]] std::string SortWord() const;
    [[nodiscard]] std::string DictionaryWord() const;
    [[nodiscard]] std::string PointsWord() const;

    Platform& platform_;
    ProgramState state_;
    ResultListModel* results_ = nullptr;
    LoadingWindow* loader_ = nullptr;
    std::unique_ptr<CustomPointsEditor> editor_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLineEdit* txtWord = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdClear = nullptr;
    QLabel* Label6 = nullptr;
    QRadioButton* optAlpha = nullptr;
    QRadioButton* optLength = nullptr;
    QRadioButton* optScore = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblMinletters = nullptr;
    QLineEdit* txtMinletters = nullptr;
    QLabel* lblMaxletters = nullptr;
    QLineEdit* txtMaxletters = nullptr;
    QCheckBox* chkNomax = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* chkAnagram = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* optStandard = nullptr;
    QRadioButton* optExtended = nullptr;
    QPushButton* cmdNote1 = nullptr;
    QListView* lstWords = nullptr;
    QCheckBox* chkUsepoints = nullptr;
    QPushButton* cmdNote2 = nullptr;
    QRadioButton* optPoints1 = nullptr;
    QRadioButton* optPoints2 = nullptr;
    QRadioButton* optPoints3 = nullptr;
    QRadioButton* optPoints4 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdDict = nullptr;
    QPushButton* cmdThes = nullptr;
    QLabel* lblQues = nullptr;
    QLabel* link = nullptr;
    QStatusBar* statusbar = nullptr;
    QTimer* tmrAddwordstodb = nullptr;
    QTimer* tmrListclick = nullptr;
};

} // namespace anagrove::ui
