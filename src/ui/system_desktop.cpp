#include "system_desktop.h"

#include "app/data_files.h"
#include "platform/program_directory.h"
#include "texts.h"

#ifdef Q_OS_WIN
#include "platform/shell_open.h"

#include <QThread>
#endif

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>

namespace anagrove::ui {

#ifndef Q_OS_WIN
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
#endif

QString SystemDesktop::programDirectory() const {
    return QString::fromStdString(ExecutableDirectory());
}

QString SystemDesktop::settingsPath() const {
    return QString::fromStdString(SettingsFilePath(ExecutableDirectory()));
}

void SystemDesktop::showMessage(QWidget* owner, const QString& title, const QString& text,
                                MessageIcon icon) {
    // The program's texts break lines with CR LF; Qt's labels want LF alone.
    QString shown = text;
    shown.replace("\r\n", "\n");
    QMessageBox box(icon == MessageIcon::warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, shown, QMessageBox::Ok, owner);
    box.exec();
}

#ifdef Q_OS_WIN
void SystemDesktop::openDocument(const QString& address, std::function<void(OpenResult)> done) {
    // ShellExecuteW may wait for the handler to start, so it runs on a thread
    // of its own and the window does not wait: the outcome comes back through
    // the event loop of the thread that asked.
    auto* receiver = new QObject;
    QThread* worker = QThread::create([document = address.toStdString(), receiver, done] {
        const OpenResult result = ShellOpen(document);
        QMetaObject::invokeMethod(
            receiver,
            [receiver, done, result] {
                done(result);
                receiver->deleteLater();
            },
            Qt::QueuedConnection);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}
#else
void SystemDesktop::openDocument(const QString& address, std::function<void(OpenResult)> done) {
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
#endif

QString SystemDesktop::chooseWordListFile(QWidget* owner, const QString& folder) {
    return QFileDialog::getOpenFileName(owner, kOpenWordListTitle, folder, kWordListFilter);
}

void SystemDesktop::endProgram() {
    // Leaves the event loop; main() returns and the windows go with it, without
    // their close handlers running again.
    QApplication::exit(0);
}

} // namespace anagrove::ui
