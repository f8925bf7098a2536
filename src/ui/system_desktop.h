#pragma once
// The real desktop: the executable's directory, Qt message
// boxes, and xdg-open (the shell's "open" on Windows).

#include "desktop.h"

namespace anagrove::ui {

class SystemDesktop final : public Desktop {
  public:
    [[nodiscard]] QString programDirectory() const override;
    // data.dat beside a built or portable copy; in the user's settings folder
    // for an installed copy, or when the program's directory cannot be written.
    [[nodiscard]] QString settingsPath() const override;
    void showMessage(QWidget* owner, const QString& title, const QString& text,
                     MessageIcon icon) override;
    void openDocument(const QString& address, std::function<void(OpenResult)> done) override;
    [[nodiscard]] QString chooseWordListFile(QWidget* owner, const QString& folder) override;
    void endProgram() override;
};

} // namespace anagrove::ui
