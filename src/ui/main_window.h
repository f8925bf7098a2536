#pragma once
// The main window: the letters, the search options, the result list, the
// point schemes and the lookups. It owns the state that the windows share.

#include "choice_controls.h"
#include "command_line.h"
#include "program_state.h"
#include "results/sort_order.h"
#include "word_list/word_list.h"

#include <QWidget>

#include <string>

#include <initializer_list>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace anagrove::ui {

class CustomPointsEditor;
class LoadingWindow;
class Desktop;
class ResultListModel;

class MainWindow final : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs startUp; the caller shows it. start names a
    // language or list to open with in place of the one kept from the last run.
    explicit MainWindow(Desktop& desktop, StartChoice start = {});
    ~MainWindow() override;

    [[nodiscard]] const ProgramState& state() const { return state_; }
    // The loading window and the custom point editor, once created.
    [[nodiscard]] LoadingWindow* loadingWindow() const { return loadingWindow_; }
    [[nodiscard]] CustomPointsEditor* pointsEditor() const { return pointsEditor_.get(); }
    // The text of the selected result, empty when none is selected.
    [[nodiscard]] QString selectedItemText() const;
    // Copies the selected result's word, without its points, as Ctrl+C does.
    void copySelectedWord();

    // Start-up and shutdown.
    void startUp();
    void shutDown();
    void loadStartupWordList();

    // Word lengths, letters and help.
    void noMaximumToggled();
    void anagramsOnlyToggled();
    void clearLetters();
    void explainWordLists();
    void explainPoints();

    // Word list.
    void wordListChosen(WordListKind kind);

    // Languages: the menu of the dictionary options, a language or an own list
    // chosen from it, and its load on a thread of its own.
    void popUpLanguageMenu(QWidget& option);
    void languageChosen(const std::string& code);
    void openOwnWordList();
    // Whether a language's list is loading.
    [[nodiscard]] bool languageLoading() const { return loading_; }
    // The shown results as a table of comma-separated values.
    [[nodiscard]] std::string listedCsvText() const;

    // Search and order.
    void findWords();
    void resortShown(SortOrder order);

    // Points.
    void schemeChosen(PointScheme scheme);
    void openPointsEditor();
    void usePointsToggled();

    // Lookups.
    void updateLookupButtons();
    void lookUpInDictionary();
    void lookUpInThesaurus();
    void openHelpPage();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createLettersArea();
    void createSortOptions();
    void createLengthFrame();
    void createWordListFrame();
    void createPointsFrame();
    void createResultsFrame();
    void createLookupArea();
    void createStatusBar();
    void createTimers();
    void collectChoices();
    void connectHandlers();
    void createKeyboard();
    void setFocusOrder();

    void applyStartupSettings();
    void finishStartup(const std::optional<QString>& failure);
    void createLanguageMenu();
    void createTileRow();
    // Starts loading the chosen language or own list; languageLoaded takes it.
    void loadLanguage();
    void languageLoaded(int load, Expected<LanguageFiles> files);
    // The dictionary options, the loading window and the tile row for the choice.
    void showLanguageChoice();
    void showTileRow();
    void enableSchemes();
    // Keeps the English list's option before another language takes the options.
    void keepEnglishChoice();
    [[nodiscard]] QString languageTitle() const;
    void findTileWords(const SearchRequest& request, const SearchLimits& limits);
    [[nodiscard]] QString rowNote(const FoundRow& row) const;
    void showLoadingWindow();
    void setStatusText(const std::string& text);
    // Gives the result list's description the count its frame shows.
    void describeResultList();
    // Loads a word list; gives the message to show when it cannot be read.
    [[nodiscard]] std::optional<QString> loadWordList(WordListKind kind, bool chosenByUser = false);
    void lookUp(const char* prefix);
    void openAddress(const QString& address);
    void showMessage(const QString& text);
    static void setAllEnabled(std::initializer_list<QWidget*> controls, bool enabled);

    Desktop& desktop_;
    ProgramState state_;
    ResultListModel* resultModel_ = nullptr;
    LoadingWindow* loadingWindow_ = nullptr;
    std::unique_ptr<CustomPointsEditor> pointsEditor_;
    StartChoice start_;
    QMenu* languageMenu_ = nullptr;
    QWidget* tileRow_ = nullptr;
    bool loading_ = false; // a language's list is loading
    int loads_ = 0;        // loads started; a load's result counts only if it is the last

    QGroupBox* resultsFrame_ = nullptr;
    QGroupBox* lettersFrame_ = nullptr;
    QGroupBox* lengthFrame_ = nullptr;
    QGroupBox* wordListFrame_ = nullptr;
    QGroupBox* pointsFrame_ = nullptr;
    QLineEdit* lettersBox_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QLabel* blankTileNote_ = nullptr;
    QRadioButton* sortAlphabetically_ = nullptr;
    QRadioButton* sortByLength_ = nullptr;
    QRadioButton* sortByScore_ = nullptr;
    QLabel* resortNote_ = nullptr;
    QLabel* minimumLabel_ = nullptr;
    QLineEdit* minimumBox_ = nullptr;
    QLabel* maximumLabel_ = nullptr;
    QLineEdit* maximumBox_ = nullptr;
    QCheckBox* noMaximum_ = nullptr;
    QLabel* orLabel_ = nullptr;
    QCheckBox* anagramsOnly_ = nullptr;
    QLabel* anagramNote_ = nullptr;
    QRadioButton* standardList_ = nullptr;
    QRadioButton* extendedList_ = nullptr;
    QPushButton* wordListHelpButton_ = nullptr;
    QListView* resultList_ = nullptr;
    QCheckBox* usePoints_ = nullptr;
    QPushButton* pointsHelpButton_ = nullptr;
    QRadioButton* scrabbleScheme_ = nullptr;
    QRadioButton* literatiScheme_ = nullptr;
    QRadioButton* wordmojoScheme_ = nullptr;
    QRadioButton* customScheme_ = nullptr;
    QLabel* lookupLabel_ = nullptr;
    QPushButton* dictionaryLookupButton_ = nullptr;
    QPushButton* thesaurusLookupButton_ = nullptr;
    QLabel* questionsLabel_ = nullptr;
    QLabel* helpLink_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QTimer* startupTimer_ = nullptr;
    QTimer* selectionTimer_ = nullptr;
    ChoiceControls choices_{};
};

} // namespace anagrove::ui
