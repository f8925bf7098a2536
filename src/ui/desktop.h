#pragma once
// What the windows need from the desktop: where the program lives, message
// boxes, the shell's "open" operation and the end of the program. Tests put a
// recorder in its place.

#include "platform/open_result.h"

#include <QString>

#include <functional>

class QWidget;

namespace anagrove::ui {

using anagrove::OpenResult;

enum class MessageIcon { none, warning };

class Desktop {
  public:
    virtual ~Desktop() = default;

    // The directory that holds the program and its word lists.
    [[nodiscard]] virtual QString programDirectory() const = 0;
    // Where the settings file is read and written.
    [[nodiscard]] virtual QString settingsPath() const = 0;
    // A modal message with an OK button only; returns when the user has closed it.
    virtual void showMessage(QWidget* owner, const QString& title, const QString& text,
                             MessageIcon icon) = 0;
    // Hands an address to the desktop's default handler without waiting for the
    // browser; done receives the outcome, possibly later.
    virtual void openDocument(const QString& address, std::function<void(OpenResult)> done) = 0;
    // Asks for a word list file to open, starting in folder; empty when the user
    // cancels.
    [[nodiscard]] virtual QString chooseWordListFile(QWidget* owner, const QString& folder) = 0;
    // Ends the program at once: no window handler runs afterwards.
    virtual void endProgram() = 0;
};

} // namespace anagrove::ui
