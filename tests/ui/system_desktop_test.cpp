// The desktop's "open" operation through xdg-open: the outcome comes from what
// the opener reports when it ends, and the caller never waits for it.

#include "system_desktop.h"

#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <optional>

using namespace anagrove::ui;

namespace {

QString Describe(const OpenResult& result) {
    const char* outcomes[] = {"success", "no association", "failure"};
    return QString("%1 %2").arg(outcomes[static_cast<int>(result.outcome)]).arg(result.code);
}

struct OpenerRow {
    const char* name;
    const char* opener; // the stand-in xdg-open's script; none: no xdg-open at all
    const char* outcome;
};

// A directory that stands first on PATH while the test runs, with stand-ins
// for the desktop's tools.
struct StandIns {
    QTemporaryDir dir;
    QByteArray oldPath = qgetenv("PATH");

    StandIns() { qputenv("PATH", dir.path().toLocal8Bit() + ":" + oldPath); }
    ~StandIns() { qputenv("PATH", oldPath); }
    void add(const QString& name, const QByteArray& script) const {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n" + script + "\n") < 0 ||
            !file.setPermissions(file.permissions() | QFileDevice::ExeOwner))
            qFatal("cannot write %s", qPrintable(name));
    }
};

} // namespace

Q_DECLARE_METATYPE(OpenerRow)

class SystemDesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void outcomeIsWhatTheOpenerReports_data();
    void outcomeIsWhatTheOpenerReports();
    void callerDoesNotWaitForTheOpener();
};

void SystemDesktopTest::outcomeIsWhatTheOpenerReports_data() {
    QTest::addColumn<OpenerRow>("row");
    const OpenerRow rows[] = {
        {"opened", "exit 0", "success 0"},
        {"no method available", "echo \"no method available for opening '$1'\" >&2; exit 3",
         "no association 0"},
        {"the action failed", "exit 4", "failure 4"},
        {"a bad command line", "exit 1", "failure 1"},
        {"no xdg-open", nullptr, "failure 2"},
    };
    for (const OpenerRow& row : rows)
        QTest::newRow(row.name) << row;
}

void SystemDesktopTest::outcomeIsWhatTheOpenerReports() {
    QFETCH(OpenerRow, row);
    StandIns path;
    if (!row.opener) // and none of the system's either
        qputenv("PATH", path.dir.path().toLocal8Bit());
    else
        path.add("xdg-open",
                 QByteArray("echo \"$1\" >\"$(dirname \"$0\")/opened\"\n") + row.opener);
    SystemDesktop desktop;
    std::optional<OpenResult> result;
    desktop.openDocument("https://www.dictionary.com/search?q=caf%C3%A9",
                         [&result](OpenResult r) { result = r; });
    QTRY_VERIFY(result.has_value());
    QCOMPARE(Describe(*result), row.outcome);
    QFile opened(path.dir.filePath("opened"));
    if (row.opener && opened.open(QIODevice::ReadOnly))
        QCOMPARE(opened.readAll(), "https://www.dictionary.com/search?q=caf%C3%A9\n");
    else
        QVERIFY(!row.opener);
}

void SystemDesktopTest::callerDoesNotWaitForTheOpener() {
    StandIns path;
    // The opener ends only when the test lets it.
    path.add("xdg-open", "while [ ! -e \"$(dirname \"$0\")/go\" ]; do sleep 0.02; done; exit 4");
    SystemDesktop desktop;
    std::optional<OpenResult> result;
    desktop.openDocument("https://example.org/", [&result](OpenResult r) { result = r; });
    QVERIFY(!result.has_value()); // back while the opener still runs
    QFile go(path.dir.filePath("go"));
    QVERIFY(go.open(QIODevice::WriteOnly));
    go.close();
    QTRY_VERIFY(result.has_value());
    QCOMPARE(Describe(*result), "failure 4");
}

QTEST_GUILESS_MAIN(SystemDesktopTest)
#include "system_desktop_test.moc"
