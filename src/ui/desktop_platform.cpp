#include "desktop_platform.h"

#include "app/data_files.h"
#include "app/settings.h"
#include "platform/program_directory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>

namespace anagrove::ui {

namespace {

// xdg-open's exit status when it found no way to open the address: no handler
// registered for its type, and none of its fallbacks ($BROWSER,
// x-www-browser, ...) present either.
constexpr int kOpenerFoundNoHandler = 3;
// xdg-open may run the browser in the foreground and end only with it. An end
// later than this is the browser's own, after it has shown the page.
constexpr qint64 kOpenerSettleMs = 5000;

// What xdg-open's end tells of the address.
OpenResult OpenerOutcome(QProcess::ExitStatus status, int exitCode) {
    if (status != QProcess::NormalExit)
        return {OpenResult::Outcome::failure, exitCode ? exitCode : EINTR};
    if (exitCode == kOpenerFoundNoHandler)
        return {OpenResult::Outcome::no_association, 0};
    if (exitCode != 0)
        return {OpenResult::Outcome::failure, exitCode};
    return {OpenResult::Outcome::success, 0};
}

} // namespace

QString DesktopPlatform::programDirectory() const {
    return QString::fromStdString(ExecutableDirectory());
}

QString DesktopPlatform::settingsPath() const {
    const QString beside = programDirectory();
    // An installed copy keeps the user's settings in the user's folder even
    // where the program's directory can be written, as by root or in a prefix
    // of the user's own.
    if (!IsInstalledCopy(QFile::encodeName(beside).toStdString()) && QFileInfo(beside).isWritable())
        return QDir(beside).filePath(kSettingsFileName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(kSettingsFileName);
}

void DesktopPlatform::showMessage(QWidget* owner, const QString& title, const QString& text,
                                  MessageIcon icon) {
    // The program's texts break lines with CR LF; Qt's labels want LF alone.
    QString shown = text;
    shown.replace("\r\n", "\n");
    QMessageBox box(icon == MessageIcon::warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, shown, QMessageBox::Ok, owner);
    box.exec();
}

void DesktopPlatform::openDocument(const QString& address, std::function<void(OpenResult)> done) {
    // Whether a handler exists is left to xdg-open, which also opens addresses
    // that no handler is registered for, through its fallbacks. The window does
    // not wait: the outcome arrives when xdg-open ends.
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) {
        done({OpenResult::Outcome::failure, ENOENT});
        return;
    }
    // Without a parent: a browser that xdg-open keeps in the foreground must
    // outlive this program, and deleting a running QProcess would kill it.
    auto* process = new QProcess;
    process->setWorkingDirectory(programDirectory());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, done](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         done({OpenResult::Outcome::failure, EACCES});
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, done, running](int exitCode, QProcess::ExitStatus status) {
                         if (running.elapsed() < kOpenerSettleMs)
                             done(OpenerOutcome(status, exitCode));
                         process->deleteLater();
                     });
    process->start(opener, {address});
}

void DesktopPlatform::endProgram() {
    // Leaves the event loop; main() returns and the windows go with it, without
    // their close handlers running again.
    QApplication::exit(0);
}

} // namespace anagrove::ui
