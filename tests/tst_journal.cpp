// The record journal: tampering of every kind detected with the right seq,
// the records command's exit codes, two writers on one journal, and a
// journal that fails its check left alone.
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>

#include "journal/journal.h"
#include "journal/verifier.h"
#include "recordscommand.h"

namespace {
JournalRecord sampleRecord(int n) {
  JournalRecord record;
  record.takenAt = QStringLiteral("2026-12-07T10:%1:00.000Z").arg(n % 60, 2, 10, QLatin1Char('0'));
  record.timeText = QStringLiteral("10:%1:00 am").arg(n % 60, 2, 10, QLatin1Char('0'));
  record.dateText = QStringLiteral("12/07/2026");
  record.station = QStringLiteral("bridge-1");
  record.total = 100.0003 + n;
  record.totalSign = QStringLiteral("+");
  record.totalUnit = QStringLiteral("lbs");
  record.netGross = QStringLiteral("GROSS");
  record.totalLine = QStringLiteral("GROSS TOTAL, lbs, %1").arg(100 + n);
  record.block = "\r\n10:00:00 am, 12/07/2026\r\nScale#, Unit, Gross, Net, Tare\r\n" +
                 record.totalLine.toLatin1() + "\r\n";
  record.scales[0] = {true, QStringLiteral("ttyUSB0"), 1, 100.0001 + n, 0.0, 100.0001 + n, 0};
  record.overLimit = QStringLiteral("10000");
  record.underLimit = QStringLiteral("0");
  record.sensitivity = 20;
  record.program = QStringLiteral("weighstation");
  record.version = QStringLiteral("1.0.0");
  return record;
}

// SQL as an SQLite shell would run it on the journal.
void tamper(const QString &journal, const QStringList &statements) {
  {
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
    db.setDatabaseName(journal);
    QVERIFY(db.open());
    QSqlQuery query(db);
    for (const QString &statement : statements)
      QVERIFY2(query.exec(statement), qPrintable(statement));
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
}
}  // namespace

class JournalTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  QString journalPath() const { return dir.filePath("journal.sqlite"); }
  QString keyPath() const { return dir.filePath("journal.key"); }

  void write(int from, int to, const QString &connection = QStringLiteral("writer")) {
    RecordJournal journal(journalPath(), keyPath(), connection);
    QString error;
    for (int n = from; n <= to; ++n) {
      JournalRecord record = sampleRecord(n);
      QCOMPARE(journal.append(record, &error), qint64(n));
      if (n % 2 == 0)
        QVERIFY(journal.noteTextLog(record, n % 4 == 0, QStringLiteral("disk full"), &error));
    }
  }
  VerifyReport verify(const QString &key = QString()) {
    VerifyOptions options;
    options.journalPath = journalPath();
    options.keyPath = key.isEmpty() ? keyPath() : key;
    return verifyJournal(options);
  }

 private Q_SLOTS:
  void init() {
    QFile::remove(journalPath());
    QFile::remove(journalPath() + "-wal");
    QFile::remove(journalPath() + "-shm");
  }

  void anIntactJournalVerifies() {
    write(1, 6);
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
    QCOMPARE(report.intactLine(), QString("journal intact: 6 records, seq 1..6, "
                                          "2026-12-07T10:01:00.000Z to 2026-12-07T10:06:00.000Z"));
    const RecordsRun run = runRecords({"verify", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), report.intactLine());
  }

  void tamperingIsDetected_data() {
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<qint64>("firstBadSeq");
    const QString otherColumns =
        "taken_at, time_text, date_text, station, total, total_sign, total_unit, net_gross, "
        "total_line, block, s1_weight, s1_gross, mac";
    QTest::newRow("a value changed in the middle")
        << QStringList{"UPDATE records SET total = 999 WHERE seq = 3"} << qint64(3);
    QTest::newRow("a text log block changed")
        << QStringList{"UPDATE records SET block = CAST('x' AS BLOB) WHERE seq = 2"} << qint64(2);
    QTest::newRow("the newest record changed")
        << QStringList{"UPDATE records SET total_line = 'GROSS TOTAL, lbs, 1' WHERE seq = 6"}
        << qint64(6);
    QTest::newRow("a row deleted in the middle")
        << QStringList{"DELETE FROM records WHERE seq = 3"} << qint64(3);
    QTest::newRow("rows deleted at the end")
        << QStringList{"DELETE FROM records WHERE seq >= 5"} << qint64(5);
    QTest::newRow("rows swapped")
        << QStringList{"CREATE TEMP TABLE t AS SELECT * FROM records WHERE seq IN (2, 3)",
                       "UPDATE records SET (" + otherColumns + ") = (SELECT " + otherColumns +
                           " FROM t WHERE t.seq = 5 - records.seq) WHERE seq IN (2, 3)"}
        << qint64(2);
    QTest::newRow("a row inserted")
        << QStringList{"UPDATE records SET seq = seq + 100 WHERE seq >= 4",
                       "UPDATE records SET seq = seq - 99 WHERE seq >= 100",
                       "INSERT INTO records SELECT 4, " +
                           QString(
                               "taken_at, time_text, date_text, "
                               "station, total, total_sign, total_unit, net_gross, total_line, "
                               "block, "
                               "s1_connected, s1_port, s1_unit, s1_weight, s1_tare, s1_gross, "
                               "s1_point_code, s2_connected, s2_port, s2_unit, s2_weight, s2_tare, "
                               "s2_gross, s2_point_code, s3_connected, s3_port, s3_unit, "
                               "s3_weight, "
                               "s3_tare, s3_gross, s3_point_code, over_limit, under_limit, "
                               "sensitivity, "
                               "text_log_file, workbook_file, workbook_session, workbook_row, "
                               "program, "
                               "version, mac FROM records WHERE seq = 3")}
        << qint64(4);
    QTest::newRow("a text log note changed")
        << QStringList{"UPDATE deliveries SET text_log_ok = 1 - text_log_ok WHERE seq = 2"}
        << qint64(2);
  }
  void tamperingIsDetected() {
    QFETCH(QStringList, statements);
    QFETCH(qint64, firstBadSeq);
    write(1, 6);
    tamper(journalPath(), statements);
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Broken);
    QCOMPARE(report.firstBadSeq(), firstBadSeq);
    const RecordsRun run = runRecords({"verify", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.startsWith(QStringLiteral("seq %1:").arg(firstBadSeq)) ||
                 run.out.contains(QStringLiteral("\nseq %1:").arg(firstBadSeq)),
             qPrintable(run.out));
  }

  void anOlderCopyPutBackIsDetected() {
    write(1, 4);
    tamper(journalPath(), {"PRAGMA wal_checkpoint(TRUNCATE)"});
    QVERIFY(QFile::copy(journalPath(), dir.filePath("older.sqlite")));
    write(5, 6);
    for (const char *suffix : {"", "-wal", "-shm"})
      QFile::remove(journalPath() + suffix);
    QVERIFY(QFile::copy(dir.filePath("older.sqlite"), journalPath()));
    QCOMPARE(verify().firstBadSeq(), qint64(5));
    // The monitor will not write on after it either.
    RecordJournal journal(journalPath(), keyPath());
    QString error;
    JournalRecord record = sampleRecord(7);
    QCOMPARE(journal.append(record, &error), qint64(0));
    QVERIFY2(error.contains("witnessed seq 6"), qPrintable(error));
  }

  void aMissingOrOtherKey() {
    write(1, 3);
    QCOMPARE(verify(dir.filePath("no-such.key")).outcome, VerifyReport::Outcome::CannotCheck);
    QCOMPARE(
        runRecords({"verify", "--journal", journalPath(), "--key", dir.filePath("no-such.key")})
            .exitCode,
        2);
    QFile other(dir.filePath("other.key"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(QByteArray(32, '\x07').toHex());
    other.close();
    QCOMPARE(verify(other.fileName()).firstBadSeq(), qint64(1));
  }

  void exportOfAJournalThatDoesNotVerify() {
    write(1, 3);
    tamper(journalPath(), {"UPDATE records SET total = 1 WHERE seq = 2"});
    const QString csv = dir.filePath("out.csv");
    QFile::remove(csv);
    const QStringList base{"export", "--journal", journalPath(), "--key", keyPath(), "--csv", csv};
    QCOMPARE(runRecords(base).exitCode, 1);
    QVERIFY(!QFile::exists(csv));
    QCOMPARE(runRecords(base + QStringList{"--unverified"}).exitCode, 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines[0].startsWith("seq,taken_at,station,total,unit,net_gross,s1_unit"));
    QVERIFY(lines[0].trimmed().endsWith(",verified"));
    QVERIFY(lines[1].startsWith("1,2026-12-07T10:01:00.000Z,bridge-1,101.0003,lbs,GROSS,lbs,"));
    QVERIFY(lines[1].trimmed().endsWith(",UNVERIFIED"));
    QCOMPARE(runRecords({"export", "--journal", journalPath(), "--key", keyPath(), "--csv",
                         "/no-such-folder/out.csv"})
                 .exitCode,
             2);
  }

  // Two writers (two monitors) on one journal: one gap-free sequence. The
  // second opens the journal anew for each record, so its check at open
  // runs while the first commits.
  void twoWritersShareOneSequence() {
    write(1, 1);  // the journal and its key exist before both start
    auto writer = [this](const QString &connection, bool reopen) {
      return QThread::create([this, connection, reopen] {
        auto journal = std::make_unique<RecordJournal>(journalPath(), keyPath(), connection);
        QString error;
        for (int n = 0; n < 25; ++n) {
          if (reopen) {
            journal.reset();
            journal = std::make_unique<RecordJournal>(journalPath(), keyPath(), connection);
          }
          JournalRecord record = sampleRecord(n);
          if (journal->append(record, &error) == 0)
            qWarning("%s", qPrintable(error));
        }
      });
    };
    QThread *a = writer("a", false);
    QThread *b = writer("b", true);
    a->start();
    b->start();
    QVERIFY(a->wait(60000) && b->wait(60000));
    delete a;
    delete b;
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
    QCOMPARE(report.records, qint64(51));
    QCOMPARE(report.lastSeq, qint64(51));
  }
};

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_journal.moc"
