#include "desktop_platform.h"

#include "app/program_directory.h"
#include "app/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <optional>

namespace anagrove::ui {

namespace {

constexpr int kQueryTimeoutMs = 5000;

// The desktop's handler for an address, as xdg-mime names it; empty when none
// is registered. Nothing when xdg-mime cannot tell.
std::optional<QString> RegisteredHandler(const QString& address) {
    const QUrl url(address);
    QStringList args{"query", "default"};
    if (url.isLocalFile())
        args << "text/html";
    else
        args << "x-scheme-handler/" + url.scheme();
    QProcess query;
    query.start("xdg-mime", args);
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
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
    if (auto handler = RegisteredHandler(address); handler && handler->isEmpty()) {
        done({OpenResult::Outcome::no_association, 0});
        return;
    }
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) {
        done({OpenResult::Outcome::failure, ENOENT});
        return;
    }
    // Without a parent: a browser that xdg-open keeps in the foreground must
    // outlive this program, and deleting a running QProcess would kill it.
    auto* process = new QProcess;
    process->setWorkingDirectory(programDirectory());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, done](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         done({OpenResult::Outcome::failure, EACCES});
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, done](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit)
                             done({OpenResult::Outcome::failure, exitCode ? exitCode : EINTR});
                         else if (exitCode != 0)
                             done({OpenResult::Outcome::failure, exitCode});
                         else
                             done({OpenResult::Outcome::success, 0});
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
