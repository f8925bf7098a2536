#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace anagrove::ui::test {

namespace {

QByteArray ListBytes(const QStringList& words) {
    QByteArray bytes;
    for (const QString& word : words)
        bytes += word.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

QString FakePlatform::settingsPath() const {
    return settingsPathOverride.isEmpty() ? QDir(directory_).filePath("data.dat")
                                          : settingsPathOverride;
}

void FakePlatform::showMessage(QWidget*, const QString& title, const QString& text,
                               MessageIcon icon) {
    QStringList visible;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            visible << window->objectName();
    messages.push_back({title, text, icon, visible});
}

void FakePlatform::openDocument(const QString& address, std::function<void(OpenResult)> done) {
    openedAddresses << address;
    done(nextOpenResult);
}

ProgramDirectory::ProgramDirectory() {
    if (!dir_.isValid())
        qFatal("no temporary directory");
    writeFile("standard.txt", ListBytes(kStandardWords));
    writeFile("extended.txt", ListBytes(kExtendedWords));
}

void ProgramDirectory::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray ProgramDirectory::readFile(const QString& name) const {
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramDirectory::writeSettings(const QStringList& options, const QStringList& custom) const {
    writeFile("data.dat", SettingsLine(options, custom));
}

QByteArray SettingsLine(const QStringList& options, const QStringList& custom) {
    QStringList fields = options;
    for (int i = 0; i < 26; ++i)
        fields << custom.value(i);
    QByteArray line;
    for (const QString& field : fields)
        line += (line.isEmpty() ? "\"" : ",\"") + field.toLatin1() + "\"";
    return line + "\r\n";
}

namespace {

// The offscreen platform cannot raise windows, which the loading window asks
// for every 10 ms; the rest of Qt's messages go through.
QtMessageHandler previousHandler = nullptr;
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains("does not support raise()"))
        previousHandler(type, context, text);
}

} // namespace

std::unique_ptr<Form1> StartProgram(FakePlatform& platform, bool waitForStartup) {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(DropRaiseWarnings);
    auto window = std::make_unique<Form1>(platform);
    window->show();
    if (waitForStartup && !QTest::qWaitFor([&] { return window->state().StartupDone; }))
        qFatal("start-up did not finish");
    return window;
}

QStringList ListedItems(const Form1& window) {
    const auto* model = Child<QListView>(window, "lstWords").model();
    QStringList items;
    for (int row = 0; row < model->rowCount(); ++row)
        items << model->index(row, 0).data().toString();
    return items;
}

QString StatusText(const Form1& window) {
    return Child<QStatusBar>(window, "statusbar").currentMessage();
}

void FindWords(Form1& window, const QString& letters) {
    Child<QLineEdit>(window, "txtWord").setText(letters);
    QTest::mouseClick(&Child<QPushButton>(window, "cmdStart"), Qt::LeftButton);
}

void SelectItem(Form1& window, const QString& text) {
    auto& list = Child<QListView>(window, "lstWords");
    const int row = ListedItems(window).indexOf(text);
    if (row < 0)
        qFatal("no item %s", qPrintable(text));
    list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

} // namespace anagrove::ui::test
