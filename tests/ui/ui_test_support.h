#pragma once
// What the window tests share: a recording platform, a fresh program directory
// with tiny word lists, and a started main window.

#include "form1.h"
#include "platform.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace anagrove::ui::test {

struct RecordedMessage {
    QString title;
    QString text;
    MessageIcon icon;
    QStringList visibleWindows; // objectNames of the windows shown meanwhile
};

class FakePlatform final : public Platform {
  public:
    explicit FakePlatform(QString directory) : directory_(std::move(directory)) {}

    [[nodiscard]] QString programDirectory() const override { return directory_; }
    [[nodiscard]] QString settingsPath() const override;
    void showMessage(QWidget* owner, const QString& title, const QString& text,
                     MessageIcon icon) override;
    void openDocument(const QString& address, std::function<void(OpenResult)> done) override;
    void endProgram() override { ++endCount; }

    QString settingsPathOverride;          // when set, the settings live here
    OpenResult nextOpenResult;             // what the shell answers
    std::vector<RecordedMessage> messages; // every message shown, in order
    QStringList openedAddresses;           // every address handed to the shell
    int endCount = 0;                      // how often the program was ended

  private:
    QString directory_;
};

// The words of the two lists. Searching "tea" from length 1 finds in standard
// a, at, ate, eat, eta, tae, tea (one Scrabble point a letter).
inline const QStringList kStandardWords = {"a",   "at",  "ate",  "eat",  "eta",
                                           "tae", "tea", "quiz", "zebra"};
inline const QStringList kExtendedWords = {"a",    "at",   "ate",   "eat", "eta", "tae",      "tea",
                                           "teas", "quiz", "zebra", "qi",  "za",  "caf\u00E9"};

// A fresh program directory with both word lists (CR LF line ends) and, when
// given, a settings file.
class ProgramDirectory {
  public:
    ProgramDirectory();
    [[nodiscard]] QString path() const { return dir_.path(); }
    [[nodiscard]] QString filePath(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    [[nodiscard]] QByteArray readFile(const QString& name) const;
    // Writes data.dat from the eight option fields and up to 26 custom values.
    void writeSettings(const QStringList& options, const QStringList& custom = {}) const;

  private:
    QTemporaryDir dir_;
};

// The settings line for eight option fields and the custom values, as written.
[[nodiscard]] QByteArray SettingsLine(const QStringList& options, const QStringList& custom = {});

// The designed initial option fields.
inline const QStringList kInitialOptions = {"alpha", "2",        "8",    "1",
                                            "1",     "standard", "true", "scrabble"};

// A main window over the directory, shown; with waitForStartup it returns once
// the start-up load has finished.
[[nodiscard]] std::unique_ptr<Form1> StartProgram(FakePlatform& platform,
                                                  bool waitForStartup = true);

// The child of the window with this objectName, which must exist.
template <typename Widget> Widget& Child(const QWidget& window, const char* name) {
    auto* child = window.findChild<Widget*>(name);
    if (!child)
        qFatal("no control %s", name);
    return *child;
}

// The texts of the result list, in order.
[[nodiscard]] QStringList ListedItems(const Form1& window);
// The status bar's text.
[[nodiscard]] QString StatusText(const Form1& window);
// Types letters and presses "Find Words".
void FindWords(Form1& window, const QString& letters);
// Selects the list item with this text.
void SelectItem(Form1& window, const QString& text);

} // namespace anagrove::ui::test
