#pragma once
// The platform of a real desktop: the executable's directory, Qt message
// boxes and xdg-open.

#include "platform.h"

namespace anagrove::ui {

class DesktopPlatform final : public Platform {
  public:
    [[nodiscard]] QString programDirectory() const override;
    // data.dat beside the program, or in the user's configuration folder when
    // the program's directory cannot be written (an installed copy).
    [[nodiscard]] QString settingsPath() const override;
    void showMessage(QWidget* owner, const QString& title, const QString& text,
                     MessageIcon icon) override;
    void openDocument(const QString& address, std::function<void(OpenResult)> done) override;
    void endProgram() override;
};

} // namespace anagrove::ui
