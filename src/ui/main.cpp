// anagrove: the desktop word finder.

#include "command_line.h"
#include "main_window.h"
#include "platform/terminal.h"
#include "system_desktop.h"

#include <QApplication>
#include <QIcon>

#include <sstream>

int main(int argc, char** argv) {
    const std::vector<std::string> args = anagrove::CommandLineArguments(argc, argv);
    std::ostringstream answer;
    if (auto status = anagrove::ui::AnswerCommandLine(args, answer)) {
        anagrove::PrintFromWindowedProgram(answer.str());
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("anagrove");
    // The desktop entry and the icon that an installed copy brings along.
    QGuiApplication::setDesktopFileName("org.anagrove.Anagrove");
    QApplication::setWindowIcon(QIcon::fromTheme("org.anagrove.Anagrove"));
    anagrove::ui::SystemDesktop desktop;
    anagrove::ui::MainWindow window(desktop, anagrove::ui::ReadStartChoice(args));
    window.show();
    return QApplication::exec();
}
