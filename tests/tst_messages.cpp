// What the programs say is one line a message, counted as a person counts,
// and needs no display when it shows nothing: the records command's counts
// and a report's scope, the monitor's version and its missing display.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "journal/journal.h"
#include "journal/journalfiles.h"
#include "recordscommand.h"
#include "samplerecord.h"

class MessagesTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  static QProcessEnvironment withoutADisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
      environment.remove(name);
    return environment;
  }

 private Q_SLOTS:
  void initTestCase() {
    RecordJournal::defaultClock() = [] { return qint64(1796601600); };
    for (const QString &path : {journalfiles::defaultJournalPath(), journalfiles::defaultKeyPath()})
      QDir(QFileInfo(path).path()).removeRecursively();
    RecordJournal writer(journalfiles::defaultJournalPath(), journalfiles::defaultKeyPath(),
                         "messages-writer");
    for (qint64 n = 1; n <= 2; ++n) {
      JournalRecord record = sampleRecord(n);
      Failure failure;
      QCOMPARE(writer.append(record, &failure), n);
    }
  }

  void theRecordsCommandsWords_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    const QString pdf = dir.filePath("report.pdf");
    QTest::newRow("one record exported")
        << QStringList{"export", "--csv", dir.filePath("one.csv"), "--seq", "1-1"} << 0
        << QString("exported 1 record to %1\n").arg(dir.filePath("one.csv"));
    QTest::newRow("a station with no records")
        << QStringList{"report", "--station", "nosuch", "--pdf", pdf} << 0
        << QString("printed the report (all records; station nosuch: 0 records) to %1\n").arg(pdf);
    QTest::newRow("a period")
        << QStringList{"report", "--from", "2026-12-07", "--pdf", pdf} << 0
        << QString("printed the report (from 2026-12-07: 2 records) to %1\n").arg(pdf);
  }
  void theRecordsCommandsWords() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    const RecordsRun run = runRecords(arguments, withoutADisplay());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    // Nothing else said: no toolkit's note of a runtime folder.
    QVERIFY2(!run.err.contains("QStandardPaths"), qPrintable(run.err));
  }

  void theMonitorWithoutADisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("its version") << QStringList{"--version"} << 0
                                 << QString("weighstation %1\n").arg(WEIGHSTATION_VERSION);
    QTest::newRow("no display")
        << QStringList() << 2
        << QString(
               "weighstation: needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not "
               "set)\n");
  }
  void theMonitorWithoutADisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QProcess monitor;
    monitor.setProcessEnvironment(withoutADisplay());
    monitor.start(qEnvironmentVariable("TEST_MONITOR_BIN"), arguments);
    QVERIFY(monitor.waitForFinished(10000));
    QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor.exitCode(), exitCode);
    QCOMPARE(
        QString::fromLocal8Bit(monitor.readAllStandardOutput() + monitor.readAllStandardError()),
        said);
  }
};

QTEST_GUILESS_MAIN(MessagesTest)
#include "tst_messages.moc"
