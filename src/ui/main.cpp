// anagrove: the desktop word finder.

#include "desktop_platform.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("anagrove");
    anagrove::ui::DesktopPlatform platform;
    anagrove::ui::Form1 window(platform);
    window.show();
    return QApplication::exec();
}
