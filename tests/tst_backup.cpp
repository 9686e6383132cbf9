// The journal's backup and its restore through the records command, while
// a writer keeps the journal open: a backup is checked before it replaces
// the last one, never made from a journal that does not check or into a
// folder that is not there, and put back only where no journal is, saying
// what the station sealed after it.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "journal/journal.h"
#include "journal/journalbackup.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "recordscommand.h"
#include "samplerecord.h"

class BackupTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  std::unique_ptr<RecordJournal> writer;
  qint64 taken = 0;

  QString journal() const { return journalfiles::defaultJournalPath(); }
  QString backups() const { return dir.filePath("backups"); }
  void take(int count) {
    for (int i = 0; i < count; ++i) {
      JournalRecord record = sampleRecord(taken + 1);
      Failure failure;
      QCOMPARE(writer->append(record, &failure), taken + 1);
      ++taken;
    }
  }
  QString journalId() {
    JournalReader reader(journal(), "backup-test-id");
    Failure failure;
    return reader.open(&failure) ? reader.journalId() : QString();
  }
  qint64 backedUpRecords() {
    journalbackup::Manifest manifest;
    return journalbackup::lastBackup(backups(), journalId(), &manifest) ? manifest.records : -1;
  }
  // The journal and its companions moved away, as a lost disk would.
  void loseTheJournal(const QString &to) {
    writer.reset();
    QDir().mkpath(to);
    for (const char *suffix : {"", "-wal", "-shm"})
      if (QFile::exists(journal() + suffix))
        QVERIFY(QFile::rename(journal() + suffix, to + "/journal.sqlite" + QString(suffix)));
  }

 private Q_SLOTS:
  void initTestCase() {
    // The sample records' day (2026-12-07), as the keys' first epoch.
    RecordJournal::defaultClock() = [] { return qint64(1796601600); };
    // A run of its own: nothing of an earlier run's journal or keys.
    for (const QString &path : {journal(), journalfiles::defaultKeyPath()})
      QDir(QFileInfo(path).path()).removeRecursively();
    writer =
        std::make_unique<RecordJournal>(journal(), journalfiles::defaultKeyPath(), "backup-writer");
    take(5);
    QVERIFY(QDir().mkpath(backups()));
  }

  void aBackupIsCheckedAndReplacesTheLastOne() {
    const RecordsRun first = runRecords({"backup", "--to", backups()});
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const QString folder = QDir(backups()).filePath(journalId());
    QCOMPARE(first.out, QString("backed up journal %1 (5 records, checked intact) to %2\n")
                            .arg(journalId(), folder));
    take(2);
    const RecordsRun second = runRecords({"backup", "--to", backups()});
    QVERIFY2(second.exitCode == 0, qPrintable(second.err));
    QCOMPARE(backedUpRecords(), qint64(7));
    // Nothing that seals is in it, and nothing half made.
    QCOMPARE(
        QDir(folder).entryList(QDir::Files | QDir::Hidden),
        (QStringList{"backup.txt", "journal.head", "journal.sqlite", "journal.verification-key"}));
    // The backup checks on its own, with what it holds.
    const RecordsRun check = runRecords({"verify", "--journal", folder + "/journal.sqlite",
                                         "--head", folder + "/journal.head", "--verification-key",
                                         folder + "/journal.verification-key"});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    QVERIFY2(check.out.startsWith("journal intact: 7 records"), qPrintable(check.out));
  }

  // The monitor's warning: the last good backup (or, without one, the
  // first record) older than the days allowed, or the folder not there.
  void whenABackupIsOverdue_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("secondsAfterTheFirstRecord");
    QTest::addColumn<QString>("said");
    const qint64 day = 86400;
    QTest::newRow("none yet, the journal a day old") << "empty" << day << QString();
    QTest::newRow("none, the journal three days old")
        << "empty" << 3 * day << "has no good backup in";
    QTest::newRow("the backup's folder missing") << "not-mounted" << day << "is missing";
  }
  void whenABackupIsOverdue() {
    QFETCH(QString, folder);
    QFETCH(qint64, secondsAfterTheFirstRecord);
    QFETCH(QString, said);
    QVERIFY(QDir().mkpath(dir.filePath("empty")));
    const QDateTime first = QDateTime::fromString(sampleRecord(1).takenAt, Qt::ISODateWithMs);
    const QString why = journalbackup::overdue(dir.filePath(folder), journal(), 2,
                                               first.addSecs(secondsAfterTheFirstRecord));
    QVERIFY2(said.isEmpty() ? why.isEmpty() : why.contains(said), qPrintable(why));
    // The backup made just now is good for two days, not three.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QCOMPARE(journalbackup::overdue(backups(), journal(), 2, now.addDays(1)), QString());
    QVERIFY(journalbackup::overdue(backups(), journal(), 2, now.addDays(3))
                .contains("the last good backup of journal"));
  }

  // Refused: the manifest and the copy of the last backup stay as they are.
  void aBackupThatCannotBeMadeChangesNothing_data() {
    QTest::addColumn<QString>("tampering");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("said");
    QTest::newRow("a record changed") << "UPDATE records SET total = total + 1 WHERE seq = 3"
                                      << QString() << "the copy does not check intact (seq 3:";
    QTest::newRow("the folder's disk not mounted") << QString() << "not-mounted"
                                                   << "is missing (is its disk mounted?)";
  }
  void aBackupThatCannotBeMadeChangesNothing() {
    QFETCH(QString, tampering);
    QFETCH(QString, folder);
    QFETCH(QString, said);
    const QString copy = QDir(backups()).filePath(journalId() + "/journal.sqlite");
    QFile before(copy);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    QString untampering;
    if (!tampering.isEmpty()) {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "backup-tamper");
      db.setDatabaseName(journal());
      QVERIFY(db.open());
      QVERIFY(QSqlQuery(db).exec(tampering));
      untampering = QString(tampering).replace("+ 1", "- 1");
    }
    const QString to = folder.isEmpty() ? backups() : dir.filePath(folder);
    const RecordsRun run = runRecords({"backup", "--to", to});
    if (!untampering.isEmpty()) {
      QVERIFY(QSqlQuery(QSqlDatabase::database("backup-tamper")).exec(untampering));
      QSqlDatabase::database("backup-tamper").close();
    }
    QSqlDatabase::removeDatabase("backup-tamper");
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(backedUpRecords(), qint64(7));
    QFile after(copy);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QVERIFY(after.readAll() == bytes);
    QCOMPARE(QDir(QFileInfo(copy).path()).entryList({".*partial*"}, QDir::Files | QDir::Hidden),
             QStringList());
    QVERIFY(!QFileInfo::exists(dir.filePath("not-mounted")));
  }

  // A last backup whose manifest is there but cannot be read is never taken
  // for no backup: nothing replaces it until a person looks.
  void anUnreadableManifestKeepsTheLastBackup() {
    const QString manifest = QDir(backups()).filePath(journalId() + "/backup.txt");
    QFile file(manifest);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray kept = file.readAll();
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x00\x01 not a manifest");
    file.close();
    const RecordsRun run = runRecords({"backup", "--to", backups()});
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
    file.write(kept);
    file.close();
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(
        run.err.contains("is not a backup's manifest") && run.err.contains("last backup is kept"),
        qPrintable(run.err));
    QCOMPARE(backedUpRecords(), qint64(7));
  }

  // Never over a journal; where none is, the backup goes back, checks, and
  // the station records on after it.
  void aBackupGoesBackOnlyWhereNoJournalIs() {
    const QString folder = QDir(backups()).filePath(journalId());
    const RecordsRun over = runRecords({"restore", "--from", folder});
    QCOMPARE(over.exitCode, 2);
    QVERIFY2(over.err.contains("a journal is never replaced"), qPrintable(over.err));
    QCOMPARE(taken, qint64(7));

    loseTheJournal(dir.filePath("lost"));
    const RecordsRun back = runRecords({"restore", "--from", folder});
    QVERIFY2(back.exitCode == 0, qPrintable(back.out + back.err));
    QVERIFY2(back.out.startsWith(QString("restored journal %1 (7 records").arg(journalId())),
             qPrintable(back.out));
    QCOMPARE(runRecords({"verify"}).exitCode, 0);
    writer = std::make_unique<RecordJournal>(journal(), journalfiles::defaultKeyPath(),
                                             "backup-writer-after");
    take(1);
    QCOMPARE(runRecords({"verify"}).exitCode, 0);
  }

  // An older backup put back says what the station sealed after it.
  void anOlderBackupSaysWhatItLacks() {
    const QString folder = QDir(backups()).filePath(journalId());
    take(3);  // 11 records; the backup holds 7
    loseTheJournal(dir.filePath("lost-again"));
    const RecordsRun back = runRecords({"restore", "--from", folder});
    QCOMPARE(back.exitCode, 1);
    QVERIFY2(back.out.contains("the station's key sealed 4 records after the backup"),
             qPrintable(back.out));
  }

  // Records taken on another connection while the copy runs: the backup is
  // one state of the journal that checks intact, whichever.
  void aBackupWhileRecordsAreTaken() {
    const QString busy = dir.filePath("busy/journal.sqlite");
    const QString key = dir.filePath("busy/journal.key");
    {
      RecordJournal first(busy, key, "backup-busy-first");
      Failure failure;
      JournalRecord record = sampleRecord(1);
      QCOMPARE(first.append(record, &failure), qint64(1));
    }
    std::atomic<bool> failed{false};
    std::thread recorder([&] {
      RecordJournal live(busy, key, "backup-busy-live");
      for (qint64 n = 2; n <= 60; ++n) {
        JournalRecord record = sampleRecord(n);
        Failure failure;
        if (live.append(record, &failure) != n)
          failed = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    });
    const RecordsRun run =
        runRecords({"backup", "--journal", busy, "--key", key, "--to", backups()});
    recorder.join();
    QVERIFY(!failed);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const qint64 records =
        QRegularExpression("\\((\\d+) records").match(run.out).captured(1).toLongLong();
    QVERIFY2(records >= 1 && records <= 60, qPrintable(run.out));
  }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "tst_backup.moc"
