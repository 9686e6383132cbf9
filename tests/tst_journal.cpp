// The record journal: tampering of every kind detected with the right seq,
// the records command's exit codes, two writers on one journal, and a
// journal that fails its check left alone.
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cmath>
#include <memory>

#include "journal/journal.h"
#include "journal/journalexport.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/recordseal.h"
#include "journal/seals.h"
#include "journal/shown.h"
#include "journal/ticketcode.h"
#include "journal/verifier.h"
#include "logging/recordlines.h"
#include "readout/readoutmath.h"
#include "readoutrows.h"
#include "recordscommand.h"
#include "samplerecord.h"
#include "smallfilesystem.h"
#include "viewer/qrcode.h"
#include "xlsxreader.h"

namespace {
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

  static constexpr const char *kFixtureHead = "journal.key.c2c4f57524c097aa86c032574a964a0e.head";
  // The fixture's files in `copy` (opened in place, the journal would gain
  // its -wal and -shm), the key readable by its owner alone.
  static constexpr const char *kFixture2Head = "journal.key.bce4122854f1b4af429e63106b436290.head";
  static bool copyFixture(const QTemporaryDir &copy,
                          const QString &name = QStringLiteral("journal-format-1")) {
    const QString fixture = QFINDTESTDATA("fixtures/" + name);
    const QStringList names = QDir(fixture).entryList(QDir::Files);
    for (const QString &name : names) {
      if (!QFile::copy(fixture + '/' + name, copy.filePath(name)))
        return false;
    }
    return !names.isEmpty() &&
           (!QFile::exists(copy.filePath("journal.key")) ||
            QFile::setPermissions(copy.filePath("journal.key"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  }

  static JournalRecord firstOf(const JournalReader &reader) {
    JournalRecord first;
    Failure failure;
    reader.forEach(
        {},
        [&](const JournalRecord &r) {
          first = r;
          return false;
        },
        &failure);
    return first;
  }

  void write(int from, int to, const QString &connection = QStringLiteral("writer")) {
    RecordJournal journal(journalPath(), keyPath(), connection);
    Failure error;
    for (int n = from; n <= to; ++n) {
      JournalRecord record = sampleRecord(n);
      QCOMPARE(journal.append(record, &error), qint64(n));
      if (n % 2 == 0)
        QVERIFY(journal.noteTextLog(record, n % 4 == 0, QStringLiteral("disk full"), &error));
      if (n % 3 == 0)
        journal.checkpoint();  // as the monitor folds the log between records
    }
  }
  VerifyReport verify(const QString &key = QString()) {
    VerifyOptions options;
    options.journalPath = journalPath();
    options.keyPath = key.isEmpty() ? keyPath() : key;
    return verifyJournal(options);
  }
  // The journal of records 1..6 changed by `statements` verifies broken,
  // with a problem that says `problem`.
  void brokenBy(const QStringList &statements, const QString &problem) {
    write(1, 6);
    tamper(journalPath(), statements);
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Broken);
    QVERIFY2(std::any_of(report.problems.begin(), report.problems.end(),
                         [&](const VerifyProblem &p) { return p.text.contains(problem); }),
             qPrintable(report.problems.value(0).text));
  }

 private Q_SLOTS:
  // The records are dated 2026-12-07: the journals' keys start that day.
  void initTestCase() {
    RecordJournal::defaultClock() = [] { return qint64(1796601600); };
  }
  // Each case starts a journal of its own, with a key of its own.
  void init() {
    for (const QString &name :
         QDir(dir.path()).entryList({"journal.*"}, QDir::Files | QDir::System))
      QFile::remove(dir.filePath(name));
  }

  void anIntactJournalVerifies() {
    write(1, 6);
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
    QCOMPARE(report.intactLine(), QString("journal intact: 6 records, seq 1..6, "
                                          "2026-12-07T10:01:00.000Z to 2026-12-07T10:06:00.000Z"));
    const RecordsRun run = runRecords({"verify", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.section('\n', 0, 0), report.intactLine());
    QVERIFY2(
        run.out.section('\n', 1, 1).startsWith("seq 1..6: format 2, with the verification key "),
        qPrintable(run.out));
  }

  // Values at the edges of what each column holds are sealed as SQLite
  // stores them: the writer's canonical bytes (from the record) and the
  // verifier's (from the stored values) agree.
  void unusualValuesAreSealedAsStored_data() {
    QTest::addColumn<int>("variant");
    QTest::newRow("texts in other scripts, empty texts") << 0;
    QTest::newRow("reals far from one") << 1;
    QTest::newRow("nullable columns empty, not null") << 2;
    QTest::newRow("negative and fractional reals") << 3;
  }
  void unusualValuesAreSealedAsStored() {
    QFETCH(int, variant);
    RecordJournal writer(journalPath(), keyPath(), "unusual");
    Failure failure;
    for (int n = 1; n <= 3; ++n) {
      JournalRecord record = sampleRecord(n);
      switch (variant) {
        case 0:
          record.station = QString::fromUtf8("W\xc3\xa4geplatz \xe5\x8c\x97 %1").arg(n);
          record.totalLine = QString();
          record.scales[1].port = QStringLiteral("");
          record.block = QByteArray("\0\xff\xfe tail", 9);
          break;
        case 1:
          record.total = n == 1 ? 1e-7 : 123456789.123456789;
          record.scales[1].tare = n == 2 ? 1e21 : -1e-300;
          record.scales[0].weight = 5e-324;  // the smallest double
          record.scales[0].gross = 1.7976931348623157e308;
          break;
        case 2:
          record.textLogFile = QStringLiteral("");
          record.workbookFile = QStringLiteral("");
          record.workbookSession = QStringLiteral("");
          record.workbookRow = n;
          break;
        default:
          record.total = -(0.1 + 0.2) * n;
          record.scales[2] = {false, QStringLiteral("ttyUSB2"), 2, -0.001, -12.5, -12.501, 3};
          break;
      }
      QCOMPARE(writer.append(record, &failure), qint64(n));
      QVERIFY2(!failure, qPrintable(failure.text()));
      if (!record.textLogFile.isNull())  // a note is due
        QVERIFY(writer.noteTextLog(record, true, QString(), &failure));
    }
    // A total beyond any display shows as the largest number, not an overflow.
    QCOMPARE(shown::of(-1e21, 2).text(), QString("-92233720368547758.07"));
    const VerifyReport report = verify();
    QVERIFY2(report.problems.isEmpty(), qPrintable(report.problems.value(0).text));
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.records, qint64(3));
  }

  // A seal and a record's time are read only as the journal writes them.
  void sealsAndTimesAreReadAsWritten_data() {
    QTest::addColumn<QString>("text");
    const QString seal = "2.7." + QString(64, 'a') + '.' + QString(128, '0');
    QTest::newRow("seal") << seal;
    QTest::newRow("seal, epoch with a leading zero") << QString(seal).replace("2.7.", "2.07.");
    QTest::newRow("seal, epoch with a plus") << QString(seal).replace("2.7.", "2.+7.");
    QTest::newRow("seal, empty epoch") << QString(seal).replace("2.7.", "2..");
    QTest::newRow("seal, capital hex") << QString(seal).replace(5, 1, "A");
    QTest::newRow("seal, a digit short") << seal.chopped(1);
    QTest::newRow("seal, a digit more") << seal + '0';
    QTest::newRow("seal, not hex") << QString(seal).replace(10, 1, "g");
    QTest::newRow("seal of format 1") << QString(64, 'a');
    for (const char *time :
         {"2026-12-07T10:01:00.000Z", "2024-02-29T23:59:59.999Z", "2026-02-29T10:00:00.000Z",
          "2026-12-07T24:00:00.000Z", "2026-12-07T10:60:00.000Z", "2026-13-07T10:00:00.000Z",
          "0000-01-01T00:00:00.000Z", "1969-12-31T23:59:59.000Z", "2026-12-07T10:01:00Z",
          "2026-12-07T10:01:00.000+01:00", "2026-12-07 10:01:00.000Z", "2026-12-07T10:01:00.000"})
      QTest::newRow(time) << QString(time);
  }
  void sealsAndTimesAreReadAsWritten() {
    QFETCH(QString, text);
    if (QTest::currentDataTag() == QLatin1String("seal") || text.startsWith("2.") ||
        text.size() == 64) {
      recordseal::Seal seal;
      const bool read = recordseal::parse(text, &seal);
      QCOMPARE(read, QTest::currentDataTag() == QLatin1String("seal"));
      if (read)
        QCOMPARE(recordseal::text(seal), text);
      return;
    }
    // As Qt reads an ISO date and time, whichever way it is spelt.
    const QDateTime qt = QDateTime::fromString(text, Qt::ISODateWithMs);
    qint64 seconds = -1;
    QCOMPARE(recordseal::secondsOf(text, &seconds), qt.isValid());
    if (qt.isValid())
      QCOMPARE(seconds, qt.toSecsSinceEpoch());
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
    // Values the record's fields would read back as the same.
    QTest::newRow("a flag set to another true value")
        << QStringList{"UPDATE records SET s1_connected = 2 WHERE seq = 4"} << qint64(4);
    QTest::newRow("a unit beyond the field's range")
        << QStringList{"UPDATE records SET s2_unit = s2_unit + 4294967296 WHERE seq = 5"}
        << qint64(5);
    QTest::newRow("a text log note changed")
        << QStringList{"UPDATE deliveries SET text_log_ok = 1 - text_log_ok WHERE seq = 2"}
        << qint64(2);
    QTest::newRow("a written note's missing failure made empty")
        << QStringList{"UPDATE deliveries SET text_log_error = '' WHERE seq = 4"} << qint64(4);
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

  // Rows below seq 1 are outside every chain: the check names each, and
  // no reader shows, exports or sums them.
  void rowsOutsideTheSequence_data() {
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a record copied to seq 0")
        << QStringList{"CREATE TEMP TABLE t AS SELECT * FROM records WHERE seq = 3",
                       "UPDATE t SET seq = 0, total = 9999.0003, total_line = 'GROSS TOTAL, lbs, "
                       "9999'",
                       "INSERT INTO records SELECT * FROM t"}
        << "a row of records outside the journal's sequence, at seq 0";
    QTest::newRow("a record at seq -7")
        << QStringList{"CREATE TEMP TABLE t AS SELECT * FROM records WHERE seq = 3",
                       "UPDATE t SET seq = -7, total = 9999.0003, total_line = 'GROSS TOTAL, lbs, "
                       "9999'",
                       "INSERT INTO records SELECT * FROM t"}
        << "a row of records outside the journal's sequence, at seq -7";
    QTest::newRow("a note at seq 0")
        << QStringList{"INSERT INTO deliveries VALUES (0, 1, NULL, (SELECT mac FROM records WHERE "
                       "seq = 3))"}
        << "a row of deliveries outside the journal's sequence, at seq 0";
  }
  void rowsOutsideTheSequence() {
    QFETCH(QStringList, statements);
    QFETCH(QString, problem);
    brokenBy(statements, problem);
    const RecordsRun listed = runRecords({"list", "--journal", journalPath()});
    QVERIFY2(!listed.out.contains("9999") && listed.out.count('\n') == 6, qPrintable(listed.out));
  }

  // The file's schema is the journal's, exactly: what changes what a reader
  // sees without touching a sealed value is a problem naming the object.
  void schemaChangesAreDetected_data() {
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a view in the records' place")
        << QStringList{"ALTER TABLE records RENAME TO records_t",
                       "CREATE VIEW records AS SELECT * FROM records_t"}
        << "holds a table records_t that is not a journal's";
    QTest::newRow("an extra column") << QStringList{"ALTER TABLE records ADD COLUMN x DEFAULT 'y'"}
                                     << "defines the table records otherwise";
    QTest::newRow("a trigger")
        << QStringList{"CREATE TRIGGER t AFTER INSERT ON records BEGIN SELECT 1; END"}
        << "holds a trigger t that is not a journal's";
    QTest::newRow("a declaration changed in place")
        << QStringList{"PRAGMA writable_schema = ON",
                       "UPDATE sqlite_master SET sql = replace(sql, 'PRIMARY KEY', 'PRIMARQ KEY') "
                       "WHERE name = 'deliveries'"}
        << "defines the table deliveries otherwise";
  }
  void schemaChangesAreDetected() {
    QFETCH(QStringList, statements);
    QFETCH(QString, problem);
    brokenBy(statements, problem);
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
    Failure error;
    JournalRecord record = sampleRecord(7);
    QCOMPARE(journal.append(record, &error), qint64(0));
    QVERIFY2(error.text().contains("witnessed seq 6"), qPrintable(error.text()));
  }

  // Notes that cannot be read are a broken journal, never "no notes".
  void unreadableNotesAreBroken() {
    write(1, 4);
    tamper(journalPath(), {"DROP TABLE deliveries"});
    const RecordsRun run = runRecords({"verify", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.startsWith("the text log notes cannot be read: no such table: deliveries"),
             qPrintable(run.out));
  }

  void aMissingOrOtherKey() {
    write(1, 3);
    QCOMPARE(verify(dir.filePath("no-such.key")).outcome, VerifyReport::Outcome::CannotCheck);
    QCOMPARE(
        runRecords({"verify", "--journal", journalPath(), "--key", dir.filePath("no-such.key")})
            .exitCode,
        2);
    // Another station's verification key certifies none of its epoch keys.
    const QString other = dir.filePath("other.key");
    QString error;
    QVERIFY2(signingkeys::SigningKeys::commission(
                 signingkeys::signingPathFor(other), signingkeys::verificationKeyPathFor(other),
                 "bridge-1", RecordJournal::defaultClock()(), 86400, &error),
             qPrintable(error));
    const VerifyReport report = verify(other);
    QCOMPARE(report.firstBadSeq(), qint64(1));
    QVERIFY2(report.problems.first().text.startsWith("epoch key 0 is not certified by the "
                                                     "verification key"),
             qPrintable(report.problems.first().text));
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
    QVERIFY(lines[0].startsWith(
        "seq,taken_at,taken_at_utc,station,total,unit,net_gross,s1_unit,s1_gross,s1_net,s1_tare"));
    QVERIFY(lines[0].contains(",total_stored,s1_gross_stored,"));
    QVERIFY(lines[0].trimmed().endsWith(",seal,verified"));
    // The numbers the text log and the list showed, then the stored ones.
    const QString local =
        journaldates::localTime("2026-12-07T10:01:00.000Z").toString("yyyy-MM-dd HH:mm:ss.zzz");
    QVERIFY2(lines[1].startsWith(
                 QString("1,%1,2026-12-07T10:01:00.000Z,bridge-1,101,lbs,GROSS,lbs,101,101,0,")
                     .arg(local)
                     .toUtf8()),
             lines[1].constData());
    QVERIFY(lines[1].contains(",101.0003,101.0001,101.0001,0,"));
    // The record's seal, as the journal holds it.
    QVERIFY2(QRegularExpression(",2\\.0\\.[0-9a-f]{64}\\.[0-9a-f]{128},UNVERIFIED\r?$")
                 .match(QString::fromUtf8(lines[1]))
                 .hasMatch(),
             lines[1].constData());
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
        Failure error;
        for (int n = 0; n < 25; ++n) {
          if (reopen) {
            journal.reset();
            journal = std::make_unique<RecordJournal>(journalPath(), keyPath(), connection);
          }
          JournalRecord record = sampleRecord(n);
          if (journal->append(record, &error) == 0)
            qWarning("%s", qPrintable(error.text()));
          if (!reopen)
            journal->checkpoint();  // while the other writes
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

  // An output that is one of the journal's files, by its name or through a
  // link, is refused before anything is written; a temporary file left by
  // an export that was killed is removed by the next one.
  void outputsOntoTheJournalAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("csv onto the journal") << QStringList{"export", "--csv", "$journal"};
    QTest::newRow("xlsx onto its -wal") << QStringList{"export", "--xlsx", "$journal-wal"};
    QTest::newRow("csv onto the key") << QStringList{"export", "--csv", "$key"};
    QTest::newRow("csv onto the head") << QStringList{"export", "--csv", "$head"};
    QTest::newRow("csv through a link") << QStringList{"export", "--csv", "$link"};
    QTest::newRow("workbook onto the journal")
        << QStringList{"recover-workbook", "weights.xlsx", "--output", "$journal"};
    QTest::newRow("csv onto the signing keys")
        << QStringList{"export", "--csv", "$folder/journal.signing"};
    QTest::newRow("ticket onto the verification key")
        << QStringList{"ticket", "--seq", "1", "--pdf", "$folder/journal.verification-key"};
    QTest::newRow("report under a retired key's name")
        << QStringList{"report", "--pdf", "$folder/journal.key.3f2a"};
    QTest::newRow("csv under a retired journal's name")
        << QStringList{"export", "--csv", "$folder/journal.3f2a.sqlite"};
    QTest::newRow("the verification key onto the journal")
        << QStringList{"verification-key", "--out", "$journal"};
  }
  void outputsOntoTheJournalAreRefused() {
    QFETCH(QStringList, arguments);
    write(1, 4);
    const QString head = QDir(dir.path()).entryList({"journal.key.*.head"}).value(0);
    QVERIFY(!head.isEmpty());
    QFile::link(journalPath(), dir.filePath("journal.link.csv"));
    auto digests = [&] {
      QStringList sums;
      for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        sums << name + (file.open(QIODevice::ReadOnly)
                            ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                  .toHex()
                            : QByteArray("?"));
      }
      return sums;
    };
    for (QString &argument : arguments) {
      argument.replace("$folder", dir.path())
          .replace("$journal", journalPath())
          .replace("$key", keyPath())
          .replace("$head", dir.filePath(head))
          .replace("$folder", dir.path())
          .replace("$link", dir.filePath("journal.link.csv"));
    }
    const QStringList before = digests();
    const RecordsRun run =
        runRecords(arguments + QStringList{"--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.count("weighstation-records: "), 1);
    QVERIFY2(run.err.contains("refused, it "), qPrintable(run.err));
    QCOMPARE(digests(), before);
    QCOMPARE(verify().outcome, VerifyReport::Outcome::Intact);

    // A killed export's temporary file: its process is gone.
    QProcess gone;
    gone.start("true", {});
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString stale = dir.filePath(QStringLiteral(".weighstation-partial-%1-abcdef").arg(pid));
    QFile(stale).open(QIODevice::WriteOnly);
    QCOMPARE(runRecords({"export", "--journal", journalPath(), "--key", keyPath(), "--csv",
                         dir.filePath("out.csv")})
                 .exitCode,
             0);
    QVERIFY(!QFile::exists(stale));
    QCOMPARE(QDir(dir.path()).entryList({".weighstation-partial-*"}, QDir::Hidden | QDir::Files),
             QStringList());
  }

  // A journal of this key removed, emptied or replaced is never started
  // again at seq 1: the writer refuses, verify names the journal the key
  // sealed, and only new-journal (which keeps the old files) starts anew.
  void aLostJournalIsNeverStartedAgain_data() {
    QTest::addColumn<QString>("loss");
    QTest::addColumn<QString>("state");
    QTest::newRow("removed") << "removed"
                             << "is missing";
    QTest::newRow("emptied") << "emptied"
                             << "is empty";
    QTest::newRow("another journal") << "replaced"
                                     << "is another journal";
  }
  void aLostJournalIsNeverStartedAgain() {
    QFETCH(QString, loss);
    QFETCH(QString, state);
    write(1, 5);
    const QString oldId =
        QDir(dir.path()).entryList({"journal.key.*.head"}).value(0).section('.', 2, 2);
    for (const char *suffix : {"", "-wal", "-shm"})
      QFile::remove(journalPath() + suffix);
    if (loss == "emptied") {
      QFile empty(journalPath());
      QVERIFY(empty.open(QIODevice::WriteOnly));
    } else if (loss == "replaced") {
      const QString otherKey = dir.filePath("other.key");
      RecordJournal other(journalPath(), otherKey, "other");
      JournalRecord record = sampleRecord(1);
      Failure error;
      QCOMPARE(other.append(record, &error), qint64(1));
      QFile::remove(otherKey);
      for (const QString &name : QDir(dir.path()).entryList({"other.key.*"}))
        QFile::copy(dir.filePath(name), dir.filePath(name).replace("other.key", "journal.key"));
    }
    {
      RecordJournal journal(journalPath(), keyPath(), "again");
      JournalRecord record = sampleRecord(6);
      Failure error;
      QCOMPARE(journal.append(record, &error), qint64(0));
      QVERIFY2(error.text().startsWith("the journal " + journalPath() + ' ' + state),
               qPrintable(error.text()));
      QVERIFY2(error.text().endsWith("; its key sealed 5 records of journal " + oldId),
               qPrintable(error.text()));
    }
    QCOMPARE(QFile::exists(journalPath()), loss != "removed");
    if (loss == "replaced") {
      const RecordsRun run = runRecords({"verify", "--journal", journalPath(), "--key", keyPath()});
      QCOMPARE(run.exitCode, 1);
      QVERIFY2(run.out.contains("the key also sealed 5 records of journal " + oldId),
               qPrintable(run.out));
    }

    const RecordsRun retired =
        runRecords({"new-journal", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(retired.exitCode, 0);
    QVERIFY(!QFile::exists(keyPath()));
    write(1, 2);  // a new journal, a new key
    QCOMPARE(verify().lastSeq, qint64(2));
    // The retired key and the heads it sealed are kept under the retired id.
    const QString id = retired.out.section(' ', 2, 2).section(':', 0, 0);
    const QStringList kept = QDir(dir.path()).entryList({"journal.key." + id + '*'});
    QVERIFY2(kept.contains(QStringLiteral("journal.key.%1.%2.head").arg(id, oldId)),
             qPrintable(retired.out + kept.join(' ')));
    QVERIFY(QFile::exists(dir.filePath("journal.verification-key." + id)));
    // The retired signing keys keep their certificates, and no secret: the
    // retired journal's future epochs cannot be sealed by whoever copies it.
    signingkeys::SigningKeys retiredKeys;
    QString why;
    QVERIFY2(retiredKeys.load(dir.filePath("journal.signing." + id), &why), qPrintable(why));
    QCOMPARE(retiredKeys.epochs(), qint64(signingkeys::kEpochsInARun));
    QCOMPARE(retiredKeys.firstKeptEpoch(), retiredKeys.epochs());
  }

  // A journal retired by new-journal is checked alone, as the station left
  // it: its key, verification key and head are found by the names they were
  // retired under.
  void aRetiredJournalIsCheckedWithItsCompanions() {
    write(1, 5);
    const RecordsRun retired =
        runRecords({"new-journal", "--journal", journalPath(), "--key", keyPath()});
    QCOMPARE(retired.exitCode, 0);
    const QString id = retired.out.section(' ', 2, 2).section(':', 0, 0);
    QProcessEnvironment station = QProcessEnvironment::systemEnvironment();
    station.insert("WEIGHSTATION_JOURNAL_KEY", keyPath());
    const RecordsRun checked = runRecords(
        {"verify", "--journal", dir.filePath(QStringLiteral("journal.%1.sqlite").arg(id))},
        station);
    QVERIFY2(checked.exitCode == 0 && checked.out.startsWith("journal intact: 5 records"),
             qPrintable(checked.out + checked.err));
    QVERIFY2(checked.out.contains("with the verification key"), qPrintable(checked.out));
  }

  // The state folder is shared by every key of a user: a head there of
  // another key with the same file name is not this key's.
  void anotherKeysHeadOfTheSameNameIsNotThisKeys() {
    QTemporaryDir state, other;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    {
      RecordJournal journal(other.filePath("journal.sqlite"), other.filePath("journal.key"), "o");
      JournalRecord record = sampleRecord(1);
      Failure error;
      QCOMPARE(journal.append(record, &error), qint64(1));
    }
    const QString head = QDir(other.path()).entryList({"journal.key.*.head"}).value(0);
    QVERIFY(QDir().mkpath(state.filePath("weighstation")));
    QVERIFY(QFile::copy(other.filePath(head), state.filePath("weighstation/" + head)));
    write(1, 2);
    const VerifyReport report = verify();
    qunsetenv("XDG_STATE_HOME");
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
  }

  // An auditor whose own account runs a station checks another station's
  // copied journal with its verification key and head: the heads of the
  // auditor's own station (at the default key's place) are not that
  // journal's, so they cannot make it broken.
  void theAuditorsOwnStationsHeadsAreNotTheJournals() {
    write(1, 3);  // the auditor's own station, at the default key's place
    QTemporaryDir other;
    {
      RecordJournal journal(other.filePath("journal.sqlite"), other.filePath("journal.key"), "o");
      for (int n = 1; n <= 4; ++n) {
        JournalRecord record = sampleRecord(n);
        Failure error;
        QCOMPARE(journal.append(record, &error), qint64(n));
      }
    }
    VerifyOptions options = VerifyOptions::of(other.filePath("journal.sqlite"), keyPath());
    options.verificationKeyPath = other.filePath("journal.verification-key");
    options.headPath =
        other.filePath(QDir(other.path()).entryList({"journal.key.*.head"}).value(0));
    const VerifyReport report = verifyJournal(options);
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text + report.failure.text()));
    QCOMPARE(report.lastSeq, qint64(4));
  }

  // The monitor's own process opening and closing the journal's files
  // (a file dialog sniffing their type does) drops no lock of its
  // connections: another process never finds the journal unlocked and
  // rebuilds its shared memory under the writer (SIGBUS, or records lost).
  void aFileSniffedInTheWritersProcessKeepsItsLocks() {
    RecordJournal journal(journalPath(), keyPath(), "sniffed");
    JournalRecord first = sampleRecord(1);
    Failure error;
    QCOMPARE(journal.append(first, &error), qint64(1));
    JournalReader reader(journalPath(), "sniffed-reader");  // as the shipper holds one
    QVERIFY(reader.open(&error));
    QCOMPARE(reader.count({}, &error), qint64(1));
    for (const char *suffix : {"", "-wal", "-shm"}) {
      QMimeDatabase().mimeTypeForFile(journalPath() + suffix);
      QFile file(journalPath() + suffix);
      QVERIFY(file.open(QIODevice::ReadOnly));
      file.read(16);
    }
    // The lock SQLite's first connection takes to rebuild the shared memory.
    const QString probe =
        "import fcntl, sys\n"
        "f = open(sys.argv[1], 'r+b')\n"
        "try:\n"
        "    fcntl.lockf(f, fcntl.LOCK_EX | fcntl.LOCK_NB, 1, 128)\n"
        "    print('alone')\n"
        "except OSError:\n"
        "    print('held')\n";
    QProcess python;
    python.start("python3", {"-c", probe, journalPath() + "-shm"});
    QVERIFY(python.waitForFinished());
    QCOMPARE(python.readAllStandardOutput().trimmed(), QByteArray("held"));
    for (int n = 2; n <= 6; ++n) {
      QCOMPARE(runRecords({"list", "--journal", journalPath(), "--last", "1"}).exitCode, 0);
      JournalRecord record = sampleRecord(n);
      QCOMPARE(journal.append(record, &error), qint64(n));
      QCOMPARE(reader.count({}, &error), qint64(n));
    }
    QCOMPARE(verify().lastSeq, qint64(6));
  }

  // Records beyond a sheet's rows go on further sheets, each with the
  // header, none dropped.
  void xlsxExportsContinueOnFurtherSheets() {
    write(1, 10);
    JournalReader reader(journalPath(), "sheets");
    Failure error;
    QVERIFY(reader.open(&error));
    ExportOptions options;
    options.format = ExportFormat::Xlsx;
    options.path = dir.filePath("sheets.xlsx");
    options.recordsPerSheet = 4;
    int sheets = 0;
    QCOMPARE(journalexport::write(reader, options, &error, &sheets), qint64(10));
    QCOMPARE(sheets, 3);
    const QJsonArray book = readWorkbook(options.path);
    QStringList names;
    QList<int> seqs;
    for (const QJsonValue &sheet : book) {
      names << sheet["name"].toString();
      const QJsonObject cells = sheet["cells"].toObject();
      QCOMPARE(cells["A1"].toArray()[0].toString(), QString("seq"));
      for (int row = 2; cells.contains(QStringLiteral("A%1").arg(row)); ++row)
        seqs << cells[QStringLiteral("A%1").arg(row)].toArray()[0].toInt();
    }
    QCOMPARE(names, (QStringList{"Records 1", "Records 2", "Records 3"}));
    QCOMPARE(seqs, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // A real local time, shown values with their decimals, every column
    // wide enough for what it holds.
    const QJsonObject first = book[0]["cells"].toObject();
    QCOMPARE(first["B2"].toArray()[1].toString(), QString("datetime"));
    QCOMPARE(first["B2"].toArray()[0].toString().left(19),
             journaldates::localTime("2026-12-07T10:01:00.000Z").toString(Qt::ISODate).left(19));
    QCOMPARE(first["E2"].toArray()[0].toDouble(), 101.0);
    QCOMPARE(first["E2"].toArray()[2].toString(), QString("0"));
    const QJsonObject widths = book[0]["widths"].toObject();
    QVERIFY(widths["B"].toDouble() >= 19 && widths["C"].toDouble() >= 24);
    QCOMPARE(widths.size(), journalexport::header(false).size());
  }

  // A journal on a medium that cannot be written (and so has no shared
  // memory file) is checked as anywhere else; one whose write-ahead log
  // holds records says what to do.
  void aJournalOnReadOnlyMedia_data() {
    QTest::addColumn<QString>("wal");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("the journal alone") << "none" << 0;
    QTest::newRow("with an empty -wal") << "empty" << 0;
    QTest::newRow("with records in its -wal") << "records" << 2;
  }
  void aJournalOnReadOnlyMedia() {
    QFETCH(QString, wal);
    QFETCH(int, exitCode);
    SmallFilesystem medium;
    QString cannotMount;
    if (!medium.start(2048, &cannotMount))
      QSKIP(qPrintable(cannotMount));
    Failure why;
    write(1, 4);
    auto copyJournal = [&] {
      for (const QString &name : QDir(dir.path()).entryList({"journal.*"}, QDir::Files)) {
        if (!name.endsWith("-shm"))
          QVERIFY(QFile::copy(dir.filePath(name), medium.filePath(name)));
      }
    };
    {  // copied while the writer's last record is still in its log, or after
      RecordJournal journal(journalPath(), keyPath(), "last");
      JournalRecord record = sampleRecord(5);
      QCOMPARE(journal.append(record, &why), qint64(5));
      if (wal == "records")
        copyJournal();
    }
    if (wal != "records")
      copyJournal();
    QFile log(medium.filePath("journal.sqlite-wal"));
    QCOMPARE(log.exists(), wal == "records");
    if (wal == "empty")
      QVERIFY(log.open(QIODevice::WriteOnly));
    log.close();
    QVERIFY(medium.setReadOnly());
    const QString copy = medium.filePath("journal.sqlite");
    const RecordsRun run =
        runRecords({"verify", "--journal", copy, "--key", medium.filePath("journal.key")});
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 2) {
      QVERIFY2(run.err.contains("write-ahead log") && run.err.contains("-wal"),
               qPrintable(run.err));
      return;
    }
    QVERIFY2(run.out.startsWith("journal intact: 5 records"), qPrintable(run.out + run.err));
    QCOMPARE(runRecords({"list", "--journal", copy, "--last", "1"}).out.section('\t', 0, 0),
             QString("5"));
    QCOMPARE(runRecords({"export", "--journal", copy, "--key", medium.filePath("journal.key"),
                         "--csv", dir.filePath("copy.csv")})
                 .exitCode,
             0);
  }

  // A key in a folder its writer can only read: the head goes to the state
  // folder, records are taken and verify finds it there.
  void aKeyInAFolderTheWriterCannotWrite() {
    SmallFilesystem keys;
    QString cannotMount;
    if (!keys.start(2048, &cannotMount))
      QSKIP(qPrintable(cannotMount));
    Failure why;
    const QString key = keys.filePath("journal.key");
    QString error;
    QVERIFY2(signingkeys::SigningKeys::commission(
                 signingkeys::signingPathFor(key), signingkeys::verificationKeyPathFor(key),
                 "bridge-1", RecordJournal::defaultClock()(), 86400, &error),
             qPrintable(error));
    QVERIFY(keys.setReadOnly());
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    {
      RecordJournal journal(journalPath(), key, "readonly-key");
      for (int n = 1; n <= 3; ++n) {
        JournalRecord record = sampleRecord(n);
        QCOMPARE(journal.append(record, &why), qint64(n));
      }
    }
    const QStringList heads =
        QDir(state.filePath("weighstation")).entryList({"journal.key.*.head"});
    QCOMPARE(heads.size(), 1);
    const VerifyReport report = verify(key);
    qunsetenv("XDG_STATE_HOME");
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
    QCOMPARE(report.lastSeq, qint64(3));
  }

  // A record committed while its head cannot be written (the key's disk
  // full) keeps its seq: the writer says it is in the journal, and why its
  // end is not witnessed; the next record, the disk freed, witnesses both.
  void aCommittedRecordWhoseHeadCannotBeAdvanced() {
    SmallFilesystem keys;
    QString cannotMount;
    if (!keys.start(2048, &cannotMount))
      QSKIP(qPrintable(cannotMount));
    RecordJournal journal(journalPath(), keys.filePath("journal.key"), "head-on-a-full-disk");
    Failure failure;
    QVERIFY2(journal.open(&failure), qPrintable(failure.text()));
    keys.fill();
    JournalRecord record = sampleRecord(1);
    QCOMPARE(journal.append(record, &failure), qint64(1));
    QCOMPARE(failure.kind(), Failure::Kind::Io);
    QCOMPARE(failure.seq(), qint64(1));
    QVERIFY2(failure.text().startsWith("its head was not advanced to seq 1: "),
             qPrintable(failure.text()));
    keys.free();
    failure = Failure();
    record = sampleRecord(2);
    QCOMPARE(journal.append(record, &failure), qint64(2));
    QVERIFY2(!failure, qPrintable(failure.text()));
    QCOMPARE(verify(keys.filePath("journal.key")).outcome, VerifyReport::Outcome::Intact);
  }

  // What a reader meets, by kind: a person is told differently that a file
  // is missing, is not a journal, or is one of another format.
  void readersTellTheKindOfFailure_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind");
    QTest::newRow("missing") << QByteArray() << int(Failure::Kind::CannotOpen);
    QTest::newRow("not a database") << QByteArray(8192, 'x') << int(Failure::Kind::Corrupt);
    QTest::newRow("a database of another program")
        << QByteArray("CREATE TABLE other (a)") << int(Failure::Kind::Corrupt);
    QTest::newRow("another format")
        << QByteArray(
               "CREATE TABLE journal_meta (name TEXT PRIMARY KEY, value TEXT);"
               "INSERT INTO journal_meta VALUES ('format', '9'), ('id', 'x')")
        << int(Failure::Kind::Corrupt);
  }
  void readersTellTheKindOfFailure() {
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    const QString path = dir.filePath("journal.other");
    QFile::remove(path);
    if (content.startsWith("CREATE")) {
      tamper(path, QString::fromLatin1(content).split(u';'));
    } else if (!content.isEmpty()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    JournalReader reader(path, QStringLiteral("kind-%1").arg(QTest::currentDataTag()));
    Failure failure;
    QVERIFY(!reader.open(&failure));
    QCOMPARE(int(failure.kind()), kind);
    QVERIFY2(failure.text().contains(path), qPrintable(failure.text()));
  }

  // Tickets and reports printed by the command, without a display: what
  // the journal's check said is on the paper.
  void printoutsFromTheCommandLine_data() {
    QTest::addColumn<QString>("tampered");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");  // empty: no file written
    const QString intact = "Journal checked: intact, seq 1..4";
    const QString broken = "UNVERIFIED: the journal fails its check at seq 3";
    const QString tamper = "UPDATE records SET total = 1 WHERE seq = 3";
    QTest::newRow("ticket") << QString() << QStringList{"ticket", "--seq", "2"} << 0 << intact;
    QTest::newRow("ticket on A6") << QString()
                                  << QStringList{"ticket", "--seq", "2", "--page-size", "A6"} << 0
                                  << intact;
    QTest::newRow("report") << QString() << QStringList{"report"} << 0 << intact;
    QTest::newRow("ticket before the bad record")
        << tamper << QStringList{"ticket", "--seq", "2"} << 1 << broken;
    QTest::newRow("ticket of the bad record")
        << tamper << QStringList{"ticket", "--seq", "3"} << 1 << QString();
    QTest::newRow("ticket of the bad record on purpose")
        << tamper << QStringList{"ticket", "--seq", "3", "--unverified"} << 1 << broken;
    QTest::newRow("report of a tampered journal") << tamper << QStringList{"report"} << 1 << broken;
    QTest::newRow("no such record")
        << QString() << QStringList{"ticket", "--seq", "9"} << 2 << QString();
  }
  void printoutsFromTheCommandLine() {
    QFETCH(QString, tampered);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    write(1, 4);
    if (!tampered.isEmpty())
      tamper(journalPath(), {tampered});
    const QString pdf = dir.filePath("printout.pdf");
    QFile::remove(pdf);
    QProcessEnvironment screenless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      screenless.remove(name);
    const RecordsRun run = runRecords(
        arguments + QStringList{"--journal", journalPath(), "--key", keyPath(), "--pdf", pdf},
        screenless);
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
    QCOMPARE(QFile::exists(pdf), !printed.isEmpty());
    if (printed.isEmpty())
      return;
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(words.contains(printed), qPrintable(words));
  }

  // A list says how its records' check came out, and marks the records the
  // check does not trust.
  void listSaysWhetherItsRecordsWereChecked_data() {
    QTest::addColumn<QString>("tampered");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("marked");  // seqs marked UNVERIFIED
    const QString tamper = "UPDATE records SET total = 1 WHERE seq = 3";
    QTest::newRow("intact") << QString() << QStringList() << 0
                            << "Journal checked: intact, seq 1..4"
                            << "";
    QTest::newRow("changed at seq 3")
        << tamper << QStringList() << 1 << "UNVERIFIED: the journal fails its check at seq 3"
        << "3 4";
    QTest::newRow("unchecked") << QString() << QStringList{"--unchecked"} << 0
                               << "UNVERIFIED: not checked (--unchecked)"
                               << "1 2 3 4";
    QTest::newRow("no verification key")
        << QString() << QStringList{"--verification-key", "/nonexistent"} << 0
        << "UNVERIFIED: cannot check the journal ("
        << "1 2 3 4";
  }
  void listSaysWhetherItsRecordsWereChecked() {
    QFETCH(QString, tampered);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(QString, marked);
    write(1, 4);
    if (!tampered.isEmpty())
      tamper(journalPath(), {tampered});
    const RecordsRun run =
        runRecords(QStringList{"list", "--journal", journalPath(), "--key", keyPath()} + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(said), qPrintable(run.err));
    QStringList markedSeqs;
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    for (const QString &line : lines) {
      if (line.endsWith("\tUNVERIFIED"))
        markedSeqs << line.section('\t', 0, 0);
    }
    QCOMPARE(markedSeqs.join(' '), marked);
  }

  // The public commands check with what an auditor holds: the station's
  // signing secrets are never opened (a pipe in their place holds whoever
  // opens it until the test gives up).
  void publicCommandsNeverOpenTheSigningSecrets_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("verify") << QStringList{"verify"} << 0;
    QTest::newRow("list") << QStringList{"list"} << 0;
    QTest::newRow("ticket") << QStringList{"ticket", "--seq", "1", "--pdf", "$folder/t.pdf"} << 0;
    QTest::newRow("report") << QStringList{"report", "--pdf", "$folder/r.pdf"} << 0;
    QTest::newRow("export") << QStringList{"export", "--csv", "$folder/e.csv"} << 0;
  }
  void publicCommandsNeverOpenTheSigningSecrets() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    write(1, 3);
    const QString signing = dir.filePath("journal.signing");
    QVERIFY(QFile::remove(signing));
    QCOMPARE(::mkfifo(QFile::encodeName(signing).constData(), 0600), 0);
    arguments.replaceInStrings("$folder", dir.path());
    QProcessEnvironment screenless = QProcessEnvironment::systemEnvironment();
    screenless.remove("DISPLAY");
    QProcess run;
    run.setProcessEnvironment(screenless);
    run.start(qEnvironmentVariable("TEST_RECORDS_BIN"),
              arguments + QStringList{"--journal", journalPath(), "--key", keyPath()});
    const bool finished = run.waitForFinished(20000);
    if (!finished) {
      run.kill();
      run.waitForFinished();
    }
    QVERIFY2(finished, "the command opened the signing secrets");
    QVERIFY2(run.exitCode() == exitCode, run.readAllStandardError().constData());
  }

  // One message style, and no toolkit abort without a display.
  // The journal of format 1 the monitor wrote at 1.0.0 (tests/fixtures, never
  // made again): every later version reads it, verifies it, and seals a
  // record into the same bytes (the test vector: the canonical bytes of its
  // seq 1, whose HMAC under its key is the mac the monitor stored).
  void theFormat1FixtureVerifies() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy));
    const QString head = copy.filePath(kFixtureHead);

    VerifyOptions options =
        VerifyOptions::of(copy.filePath("journal.sqlite"), copy.filePath("journal.key"));
    options.headPath = head;
    const VerifyReport report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.intactLine(), QString("journal intact: 2 records, seq 1..2, "
                                          "2026-12-08T22:26:59.085Z to 2026-12-08T22:26:59.174Z"));

    JournalReader reader(copy.filePath("journal.sqlite"), "fixture");
    Failure failure;
    QVERIFY(reader.open(&failure));
    QList<JournalRecord> records;
    QVERIFY(reader.forEach(
        {},
        [&](const JournalRecord &r) {
          records << r;
          return true;
        },
        &failure));
    QCOMPARE(records.size(), 2);
    const JournalRecord &first = records[0];
    QCOMPARE(first.station, QString("fixture-1"));
    QCOMPARE(first.totalLine, QString("GROSS TOTAL, lbs, 111"));
    QCOMPARE(shown::total(first).text(), QString("111"));
    // The records' blocks are the text log, byte for byte.
    QFile log(copy.filePath("station.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), records[0].block + records[1].block);
    const QByteArray canonical = journalcolumns::canonicalBytes(first, QString());
    QCOMPARE(QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex(),
             QByteArray("7f2c24bfdf2607dab3915a6500db35412610b6e44eea3b822946b28d6bada44c"));
    QByteArray key;
    QString why;
    QVERIFY2(journalfiles::loadKey(copy.filePath("journal.key"), false, &key, &why),
             qPrintable(why));
    QCOMPARE(journalfiles::sealOf(key, canonical), first.mac);
    QCOMPARE(first.mac,
             QString("9fa980f97d9a00336fd4d9d2dbab919dc08d87325287cf3c9c7a7b8d2b008766"));
  }

  // Checked with public files only: the verification key, no secret.
  // An auditor with only the public files (the journal and its
  // verification key, no head): every record intact, the end not
  // witnessed, an outcome and exit status of its own, never "broken".
  void onlyThePublicFilesLeaveTheEndUnwitnessed() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    QVERIFY(QFile::remove(copy.filePath(kFixture2Head)));
    const RecordsRun run = runRecords(
        {"verify", "--journal", copy.filePath("journal.sqlite"), "--verification-key",
         copy.filePath("journal.verification-key"), "--key", copy.filePath("journal.key")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.out.startsWith("records intact, end not witnessed: 2 records, seq 1..2, "),
             qPrintable(run.out + run.err));
    // Removing the newest record is what it cannot see; changing one it sees.
    tamper(copy.filePath("journal.sqlite"), {"UPDATE records SET total = 1 WHERE seq = 1"});
    QCOMPARE(runRecords({"verify", "--journal", copy.filePath("journal.sqlite"), "--key",
                         copy.filePath("journal.key")})
                 .exitCode,
             1);
  }

  void theFormat2FixtureVerifies() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    VerifyOptions options =
        VerifyOptions::of(copy.filePath("journal.sqlite"), copy.filePath("journal.key"));
    options.headPath = copy.filePath(kFixture2Head);
    const VerifyReport report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.intactLine(), QString("journal intact: 2 records, seq 1..2, "
                                          "2026-12-09T00:49:35.376Z to 2026-12-09T00:49:38.303Z"));
    QCOMPARE(report.checkedWith, QStringList{"seq 1..2: format 2, with the verification key "
                                             "0304-38AC-38E7-F8B1 (station fixture-2)"});

    JournalReader reader(copy.filePath("journal.sqlite"), "fixture-2");
    Failure failure;
    QVERIFY(reader.open(&failure));
    const JournalRecord first = firstOf(reader);
    QFile log(copy.filePath("station.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().startsWith(first.block));
    // The test vector: the canonical bytes' hash and the epoch key's
    // signature over what a ticket shows.
    recordseal::Seal seal;
    QVERIFY(recordseal::parse(first.mac, &seal));
    QCOMPARE(seal.hash.toHex(),
             QByteArray("4fd396b628a410945da16375b1a9839aa8b22238184d61f272e9711cef626976"));
    QCOMPARE(recordseal::recordHash(first, QString()), seal.hash);
    QCOMPARE(recordseal::totalShown(first), QString("111 lbs GROSS"));
    QVERIFY(seals::verify(
        QByteArray::fromHex("85923a741bf2d208a1b4e05a4bc145fbef2dad277561fc8307a10c4ac133a8ca"),
        recordseal::recordMessage(first, seal.hash), seal.signature));
    const RecordsRun run = runRecords(
        {"verify", "--journal", copy.filePath("journal.sqlite"), "--verification-key",
         copy.filePath("journal.verification-key"), "--head", copy.filePath(kFixture2Head)});
    QCOMPARE(run.exitCode, 0);
  }

  // A ticket's code is checked offline with the verification key alone:
  // as printed, through a picture of its QR code, and refused cut, changed,
  // of another format or against another station's key.
  void ticketCodesAreCheckedOffline_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("otherStation");
    QTest::addColumn<QString>("said");
    QTest::newRow("as printed") << ""
                                << "" << false << "ticket genuine: station fixture-2, seq 1, ";
    QTest::newRow("cut") << "|"
                         << "" << false << "ticket NOT genuine: the code is cut";
    QTest::newRow("a changed seq")
        << "|1|2026"
        << "|7|2026" << false << "ticket NOT genuine: its signature does not match";
    QTest::newRow("a changed total")
        << "|111 lbs"
        << "|118 lbs" << false << "ticket NOT genuine: its signature does not match";
    QTest::newRow("a changed character") << "WS2|fixture-2|1|2026-12-09T00:49:35.376Z"
                                         << "WS2|fixture-2|1|2026-12-09T00:49:3x.376Z" << false
                                         << "ticket NOT genuine: a part of the code";
    QTest::newRow("another format")
        << "WS2|"
        << "WS1|" << false << "ticket NOT genuine: not a weighstation ticket code";
    QTest::newRow("another station's key")
        << ""
        << "" << true << "ticket NOT genuine: its epoch key is not certified";
  }
  void ticketCodesAreCheckedOffline() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, otherStation);
    QFETCH(QString, said);
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    JournalReader reader(copy.filePath("journal.sqlite"), "ticket-reader");
    Failure failure;
    QVERIFY(reader.open(&failure));
    const JournalRecord first = firstOf(reader);
    QList<signingkeys::EpochCertificate> epochKeys;
    QVERIFY(reader.epochKeys(&epochKeys, &failure));
    QString code = ticketcode::of(first, epochKeys);
    QVERIFY(code.startsWith("WS2|fixture-2|1|2026-12-09T00:49:35.376Z|111 lbs GROSS|0|"));
    if (from == "|")
      code.chop(100);  // the signature and part of the hash
    else if (!from.isEmpty())
      code.replace(from, to);
    QString key = copy.filePath("journal.verification-key");
    if (otherStation) {
      key = copy.filePath("other.verification-key");
      QString error;
      QVERIFY2(signingkeys::SigningKeys::commission(copy.filePath("other.signing"), key,
                                                    "fixture-2", 1796774400, 86400, &error),
               qPrintable(error));
    }
    const RecordsRun run = runRecords({"check-ticket", code, "--verification-key", key});
    QCOMPARE(run.exitCode, said.contains("NOT") ? 1 : 0);
    QVERIFY2(run.out.startsWith(said), qPrintable(run.out + run.err));
    if (said.contains("NOT"))
      return;
    QVERIFY2(run.out.trimmed().endsWith(", 111 lbs GROSS"), qPrintable(run.out));
    // Through a picture: the QR code drawn, saved as PNG, read back by ZBar.
    const QString picture = copy.filePath("ticket.png");
    QVERIFY(qrcode::of(code).scaled(600, 600).save(picture));
    const RecordsRun scanned =
        runRecords({"check-ticket", "--image", picture, "--verification-key", key});
    QCOMPARE(scanned.exitCode, 0);
    QCOMPARE(scanned.out, run.out);
    QImage blank(200, 200, QImage::Format_Grayscale8);
    blank.fill(255);
    QVERIFY(blank.save(copy.filePath("blank.png")));
    const RecordsRun nothing = runRecords(
        {"check-ticket", "--image", copy.filePath("blank.png"), "--verification-key", key});
    QCOMPARE(nothing.exitCode, 2);
    QVERIFY2(nothing.err.contains("no QR code found in"), qPrintable(nothing.err));
  }
  // A printed ticket's code scans where tickets are printed: each page size
  // rendered at a ticket printer's 203 dpi decodes and checks genuine.
  void ticketsScanAtAPrintersResolution_data() {
    QTest::addColumn<QString>("pageSize");
    for (const char *size : {"A4", "A5", "A6", "Roll80"})
      QTest::newRow(size) << size;
  }
  void ticketsScanAtAPrintersResolution() {
    QFETCH(QString, pageSize);
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    const QString pdf = copy.filePath("ticket.pdf");
    const RecordsRun printed =
        runRecords({"ticket", "--journal", copy.filePath("journal.sqlite"), "--key",
                    copy.filePath("journal.key"), "--head", copy.filePath(kFixture2Head), "--seq",
                    "1", "--pdf", pdf, "--page-size", pageSize});
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
    QCOMPARE(QProcess::execute("pdftoppm",
                               {"-r", "203", "-png", "-singlefile", pdf, copy.filePath("ticket")}),
             0);
    const RecordsRun checked =
        runRecords({"check-ticket", "--image", copy.filePath("ticket.png"), "--verification-key",
                    copy.filePath("journal.verification-key")});
    QCOMPARE(checked.exitCode, 0);
    QVERIFY2(checked.out.startsWith("ticket genuine: station fixture-2, seq 1,"),
             qPrintable(checked.out + checked.err));
  }

  // A monitor stopped between a record and its text log's note: the next
  // start notes it as not known, and the journal stays intact.
  void aNoteLeftDueIsWrittenAtTheNextStart() {
    for (int n = 1; n <= 2; ++n) {
      RecordJournal writer(journalPath(), keyPath(), "unnoted");
      JournalRecord record = sampleRecord(n);
      record.textLogFile = dir.filePath("station.txt");
      Failure failure;
      QCOMPARE(writer.append(record, &failure), qint64(n));
    }
    {
      RecordJournal writer(journalPath(), keyPath(), "restarted");
      Failure failure;
      QVERIFY2(writer.open(&failure), qPrintable(failure.text()));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "notes");
    db.setDatabaseName(journalPath());
    QVERIFY(db.open());
    QSqlQuery query(db);
    QVERIFY(query.exec("SELECT seq, text_log_ok, text_log_error FROM deliveries ORDER BY seq"));
    QStringList notes;
    while (query.next())
      notes << QString("%1 %2 %3")
                   .arg(query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toString());
    query = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("notes");
    // Each start noted the record its monitor left without a note.
    QCOMPARE(notes, (QStringList{"1 0 not known: the monitor stopped before it was noted",
                                 "2 0 not known: the monitor stopped before it was noted"}));
    QCOMPARE(int(verify().outcome), int(VerifyReport::Outcome::Intact));
  }

  // Signing keys that others may read, or that were cut short, seal
  // nothing: the record is not committed and the reason is one line. A
  // clock gone back across an epoch's start seals in the epoch in force,
  // says so, and verify reports the record.
  void badSigningKeysAndAClockGoneBack_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<qint64>("committed");
    QTest::addColumn<QString>("said");
    QTest::newRow("readable by others")
        << "mode" << qint64(0)
        << "signing keys " + signingkeys::signingPathFor(keyPath()) +
               " may be read by others (mode 0644)";
    QTest::newRow("cut short") << "cut" << qint64(0) << "are damaged";
    QTest::newRow("an epoch key its root does not certify")
        << "certificate" << qint64(0) << "are damaged: epoch 1 is not certified by its root";
    QTest::newRow("the clock gone back")
        << "clock" << qint64(2)
        << "it is dated 2026-12-07T10:02:00.000Z, before its sealing "
           "epoch 1 began";
  }
  void badSigningKeysAndAClockGoneBack() {
    QFETCH(QString, fault);
    QFETCH(qint64, committed);
    QFETCH(QString, said);
    qint64 now = 1796601600;  // 2026-12-07
    RecordJournal writer(journalPath(), keyPath(), "faults");
    writer.setClock([&now] { return now; });
    JournalRecord record = sampleRecord(1);
    Failure failure;
    QCOMPARE(writer.append(record, &failure), qint64(1));
    const QString signing = signingkeys::signingPathFor(keyPath());
    if (fault == "mode") {
      QVERIFY(QFile::setPermissions(signing, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::ReadOther));
    } else if (fault == "cut") {
      QVERIFY(QFile::resize(signing, QFileInfo(signing).size() / 2));
    } else if (fault == "certificate") {
      QFile file(signing);
      QVERIFY(file.open(QIODevice::ReadWrite));
      QList<QByteArray> lines = file.readAll().split('\n');
      QList<QByteArray> epoch1 = lines[4].split(' ');  // e 1 starts ends public-key ...
      QCOMPARE(epoch1[1].toInt(), 1);
      epoch1[4][0] = epoch1[4][0] == '0' ? '1' : '0';
      lines[4] = epoch1.join(' ');
      QVERIFY(file.seek(0) && file.write(lines.join('\n')) > 0);
      file.close();
      now += 86400;  // into epoch 1
    } else {
      now += 86400;  // the next day's epoch, then the clock set back a day
      writer.evolve();
    }
    RecordJournal again(journalPath(), keyPath(), "faults-again");
    again.setClock([&now] { return now; });
    record = sampleRecord(2);
    failure = Failure();
    QCOMPARE(again.append(record, &failure), committed);
    QVERIFY2(failure.text().contains(said), qPrintable(failure.text()));
    if (fault == "clock") {
      const VerifyReport report = verify();
      QCOMPARE(report.firstBadSeq(), qint64(2));
      QVERIFY2(report.problems.first().text.contains("outside its sealing epoch 1"),
               qPrintable(report.problems.first().text));
    }
  }

  // A clock set far ahead erases no secret and seals nothing in its epochs
  // (it would end the journal's sealing); once a person confirms the clock
  // the station seals on. A run's end is told ahead.
  void aClockFarAheadSealsNothingUntilConfirmed() {
    const qint64 realNow = QDateTime::currentSecsSinceEpoch();
    auto append = [this](const QString &name, int n, qint64 at, Failure *failure) {
      RecordJournal writer(journalPath(), keyPath(), name);
      writer.setClock([at] { return at; });
      JournalRecord record = sampleRecord(n);
      record.takenAt = QDateTime::fromSecsSinceEpoch(at, Qt::UTC).toString(Qt::ISODateWithMs);
      return writer.append(record, failure);
    };
    Failure failure;
    QCOMPARE(append("made", 1, realNow - 20 * 86400, &failure), qint64(1));  // 20 epochs ago
    const QString signing = signingkeys::signingPathFor(keyPath());
    const signingkeys::StartWarnings said = signingkeys::erasePastEpochsAtStart(signing, realNow);
    QVERIFY2(said.clockJumped.startsWith("the station's clock is 20 epochs ahead"),
             qPrintable(said.clockJumped));
    QVERIFY(said.runEnding.isEmpty());
    QCOMPARE(append("ahead", 2, realNow, &failure), qint64(0));
    QVERIFY2(failure.text().contains("weighstation-records confirm-clock"),
             qPrintable(failure.text()));
    signingkeys::SigningKeys keys;
    QString why;
    QVERIFY2(keys.load(signing, &why), qPrintable(why));
    QCOMPARE(keys.firstKeptEpoch(), qint64(0));  // nothing erased
    // The clock set back right: the station seals on.
    failure = Failure();
    QCOMPARE(append("set-right", 2, realNow - 20 * 86400 + 60, &failure), qint64(2));

    const RecordsRun confirmed = runRecords({"confirm-clock", "--key", keyPath()});
    QCOMPARE(confirmed.exitCode, 0);
    QVERIFY2(confirmed.out.contains("erased the secrets of 20 past epochs"),
             qPrintable(confirmed.out + confirmed.err));
    failure = Failure();
    QCOMPARE(append("confirmed", 3, realNow, &failure), qint64(3));
    QCOMPARE(verify().outcome, VerifyReport::Outcome::Intact);

    // Keys whose run ends in ten days.
    const QString ending = dir.filePath("ending.signing");
    QVERIFY2(
        signingkeys::SigningKeys::commission(
            ending, dir.filePath("ending.verification-key"), "s",
            signingkeys::SigningKeys::boundaryBefore(realNow - 1014 * 86400, 86400), 86400, &why),
        qPrintable(why));
    QVERIFY(signingkeys::erasePastEpochsAtStart(ending, realNow)
                .runEnding.startsWith("the signing keys end on "));
  }

  // A station that upgrades keeps its journal: format 1's records stay
  // checked with its key, those after the transition with the new
  // verification key; a transition that names another key is caught.
  void aFormat1JournalGoesOnInFormat2() {
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy));
    qputenv("WEIGHSTATION_JOURNAL_HEADS", QFile::encodeName(copy.path()));
    const QString journal = copy.filePath("journal.sqlite");
    const QString key = copy.filePath("journal.key");
    {
      RecordJournal writer(journal, key, "upgrade");
      writer.setClock([] { return qint64(1796774400); });  // 2026-12-09
      JournalRecord record = sampleRecord(3);
      record.takenAt = "2026-12-09T10:00:00.000Z";
      Failure failure;
      QCOMPARE(writer.append(record, &failure), qint64(3));
      QVERIFY2(!failure, qPrintable(failure.text()));
    }
    qunsetenv("WEIGHSTATION_JOURNAL_HEADS");
    VerifyOptions options = VerifyOptions::of(journal, key);
    options.headPath = copy.filePath(kFixtureHead);
    VerifyReport report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Intact));
    QCOMPARE(report.checkedWith.size(), 2);
    QCOMPARE(report.checkedWith[0], "seq 1..2: format 1, with the key " + key);
    QVERIFY2(report.checkedWith[1].startsWith("seq 3: format 2, with the verification key "),
             qPrintable(report.checkedWith[1]));
    // The upgrade's seq is bound in the new verification key: a transition
    // moved earlier (format-2 records forged after it) is the file's word.
    signingkeys::VerificationKey bound;
    QString unread;
    QVERIFY(signingkeys::readVerificationKey(options.verificationKeyPath.isEmpty()
                                                 ? signingkeys::verificationKeyPathFor(key)
                                                 : options.verificationKeyPath,
                                             &bound, &unread));
    QCOMPARE(bound.format2After, qint64(2));
    tamper(journal, {"UPDATE format_transition SET after_seq = 1"});
    const VerifyReport moved = verifyJournal(options);
    QVERIFY(std::any_of(moved.problems.cbegin(), moved.problems.cend(), [](const VerifyProblem &p) {
      return p.text.contains(
          "transition from format 1 is after seq 1, but its verification "
          "key binds it after seq 2");
    }));
    tamper(journal, {"UPDATE format_transition SET after_seq = 2"});
    // Without format 1's key its records cannot be checked.
    QVERIFY(QFile::rename(key, key + ".away"));
    QCOMPARE(int(verifyJournal(options).outcome), int(VerifyReport::Outcome::CannotCheck));
    QVERIFY(QFile::rename(key + ".away", key));
    // Another station's verification key put in the transition.
    const QString other = copy.filePath("other.key");
    QString error;
    QVERIFY2(signingkeys::SigningKeys::commission(signingkeys::signingPathFor(other),
                                                  signingkeys::verificationKeyPathFor(other),
                                                  "fixture-1", 1796774400, 86400, &error),
             qPrintable(error));
    QFile otherKey(signingkeys::verificationKeyPathFor(other));
    QVERIFY(otherKey.open(QIODevice::ReadOnly));
    tamper(journal, {QString("UPDATE format_transition SET verification_key = '%1'")
                         .arg(QString::fromUtf8(otherKey.readAll()))});
    report = verifyJournal(options);
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Broken));
    QCOMPARE(report.firstBadSeq(), qint64(3));
  }

  // Where format 2 begins is signed into the verification key by its root
  // when the key is made: the journal's format marker and its transition
  // row, which whoever writes the file (and holds format 1's key) can set,
  // cannot move it.
  void theVerificationKeyDecidesWhereFormat2Begins_data() {
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("problem");
    QTest::newRow("the format marker set to 1")
        << QStringList{"UPDATE journal_meta SET value = '1' WHERE name = 'format'"}
        << "seq 1: the journal says it is of format 1, but its verification key seals every "
           "record after seq 0 in format 2";
    QTest::newRow("a transition after seq 3")
        << QStringList{"INSERT INTO format_transition SELECT 3, value, 'x' FROM journal_meta "
                       "WHERE name = 'verification_key'"}
        << "the journal's transition from format 1 is after seq 3, but its verification key "
           "binds it after seq 0";
  }
  void theVerificationKeyDecidesWhereFormat2Begins() {
    QFETCH(QStringList, statements);
    QFETCH(QString, problem);
    brokenBy(statements, problem);
    signingkeys::VerificationKey key;
    QString why;
    QVERIFY2(signingkeys::readVerificationKey(signingkeys::verificationKeyPathFor(keyPath()), &key,
                                              &why),
             qPrintable(why));
    QCOMPARE(key.format2After, qint64(0));
    // The line itself cannot be changed without the root.
    QFile file(signingkeys::verificationKeyPathFor(keyPath()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    text.replace("format-2-after 0 ", "format-2-after 4 ");
    QVERIFY(!signingkeys::parseVerificationKey(text, &key, &why));
    QCOMPARE(why, QString("its format line is not signed by its root (changed)"));
  }

  // A thief who copies every file of the station after an epoch ended
  // holds no secret of that epoch: whatever they reseal of its records
  // is reported.
  void aThiefWithEveryFileCannotResealThePast() {
    qint64 now = 1796601600;  // 2026-12-07, the records' day
    {
      RecordJournal writer(journalPath(), keyPath(), "thief");
      writer.setClock([&now] { return now; });
      Failure failure;
      for (int n = 1; n <= 3; ++n) {
        JournalRecord record = sampleRecord(n);
        QCOMPARE(writer.append(record, &failure), qint64(n));
      }
      now += 86400;  // the next day: its epoch begins, the last one's secret goes
      writer.evolve();
      JournalRecord record = sampleRecord(4);
      record.takenAt = "2026-12-08T09:00:00.000Z";
      QCOMPARE(writer.append(record, &failure), qint64(4));
    }
    signingkeys::SigningKeys stolen;
    QString why;
    QVERIFY2(stolen.load(signingkeys::signingPathFor(keyPath()), &why), qPrintable(why));
    QVERIFY(!stolen.hasSecret(0));
    QVERIFY(stolen.sign(0, "anything").isEmpty());
    QVERIFY(stolen.hasSecret(1));
    // Seq 2's total changed and every record resealed with the secret held.
    QList<JournalRecord> records;
    {
      JournalReader reader(journalPath(), "thief-reader");
      Failure failure;
      QVERIFY(reader.open(&failure));
      QVERIFY(reader.forEach(
          {},
          [&](const JournalRecord &r) {
            records << r;
            return true;
          },
          &failure));
    }
    records[1].total += 1000;
    QString previous;
    QStringList statements;
    for (JournalRecord &record : records) {
      record.mac = recordseal::sealRecord(stolen, 1, record, previous);
      QVERIFY(!record.mac.isEmpty());
      previous = record.mac;
      statements << QString("UPDATE records SET total = %1, mac = '%2' WHERE seq = %3")
                        .arg(journalcolumns::realText(record.total), record.mac)
                        .arg(record.seq);
    }
    tamper(journalPath(), statements);
    const VerifyReport report = verify();
    QCOMPARE(int(report.outcome), int(VerifyReport::Outcome::Broken));
    QCOMPARE(report.firstBadSeq(), qint64(1));
    QVERIFY2(std::any_of(report.problems.begin(), report.problems.end(),
                         [](const VerifyProblem &problem) {
                           return problem.seq == 1 &&
                                  problem.text.contains("outside its sealing epoch 1");
                         }),
             qPrintable(report.problems.first().text));
  }

  // The run's last epoch goes like any other when it ends: a copy of the
  // signing keys taken after it seals nothing.
  void theLastEpochsSecretGoesWhenItEnds() {
    qint64 now = 1796601600;
    RecordJournal writer(journalPath(), keyPath(), "last-epoch");
    writer.setClock([&now] { return now; });
    JournalRecord record = sampleRecord(1);
    Failure failure;
    QCOMPARE(writer.append(record, &failure), qint64(1));
    auto keptEpoch = [this] {
      signingkeys::SigningKeys keys;
      QString why;
      return keys.load(signingkeys::signingPathFor(keyPath()), &why) ? keys.firstKeptEpoch()
                                                                     : qint64(-1);
    };
    signingkeys::SigningKeys keys;
    QString why;
    QVERIFY2(keys.load(signingkeys::signingPathFor(keyPath()), &why), qPrintable(why));
    const qint64 lastEpoch = keys.epochs() - 1;
    // A week at a time, as a running station's clock goes (a clock far
    // ahead at once erases nothing).
    for (; now < keys.certificate(lastEpoch).starts; now += 7 * 86400)
      writer.evolve();
    now = keys.certificate(lastEpoch).ends - 10;  // within the last epoch
    writer.evolve();
    QCOMPARE(keptEpoch(), lastEpoch);
    now = keys.certificate(lastEpoch).ends + 1;
    writer.evolve();
    QCOMPARE(keptEpoch(), keys.epochs());
  }

  // Every single-bit change of the fixture that changes what SQLite reads
  // from the journal's tables (a value, its storage class, a row, or a read
  // that fails) is reported by verify: every bit of a sample of the records'
  // and the notes' pages, and of the whole file.
  void everyBitFlipThatChangesTheTablesIsReported_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("head");
    QTest::newRow("format 1") << "journal-format-1" << kFixtureHead;
    QTest::newRow("format 2") << "journal-format-2" << kFixture2Head;
  }
  void everyBitFlipThatChangesTheTablesIsReported() {
    QFETCH(QString, fixture);
    QFETCH(QString, head);
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, fixture));
    QFile original(copy.filePath("journal.sqlite"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    const QString journal = copy.filePath("flipped.sqlite");
    VerifyOptions options = VerifyOptions::of(journal, copy.filePath("journal.key"));
    options.headPath = copy.filePath(head);
    // Every table of the journal, and the pages where its sealed rows are.
    QStringList tables;
    QList<int> pages;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "flip-tables");
      db.setDatabaseName(copy.filePath("journal.sqlite"));
      db.setConnectOptions("QSQLITE_OPEN_READONLY");
      QVERIFY(db.open());
      QSqlQuery query(db);
      QVERIFY(query.exec("SELECT name, rootpage FROM sqlite_master WHERE type = 'table'"));
      while (query.next()) {
        tables << query.value(0).toString();
        if (query.value(0).toString() != "journal_meta")
          pages << query.value(1).toInt();
      }
    }
    QSqlDatabase::removeDatabase("flip-tables");

    auto write = [&](const QByteArray &content) {
      for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(journal + suffix);
      QFile file(journal);
      return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    };
    // What an SQLite reader sees in the tables: every value with its class.
    auto view = [&]() -> QString {
      QString seen;
      {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "flip-view");
        db.setDatabaseName(journal);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (!db.open())
          seen = "cannot open";
        QSqlQuery schema(db);
        if (schema.exec("SELECT type || name || tbl_name || coalesce(sql, '') FROM sqlite_master "
                        "ORDER BY rowid"))
          while (schema.next())
            seen += '\n' + schema.value(0).toString();
        else
          seen += "\nschema: unreadable";
        for (const QString &table : tables) {
          QSqlQuery columns(db);
          QStringList shown;
          if (columns.exec(QString("SELECT name FROM pragma_table_info('%1')").arg(table)))
            while (columns.next())
              shown << QString("typeof(%1) || ':' || quote(%1)").arg(columns.value(0).toString());
          QSqlQuery rows(db);
          if (shown.isEmpty() || !rows.exec(QString("SELECT %1 FROM %2 ORDER BY rowid")
                                                .arg(shown.join(" || '|' || "), table))) {
            seen += QString("\n%1: unreadable").arg(table);
            continue;
          }
          while (rows.next())
            seen += '\n' + rows.value(0).toString();
          if (rows.lastError().isValid())
            seen += QString("\n%1: read failed").arg(table);
        }
      }
      QSqlDatabase::removeDatabase("flip-view");
      return seen;
    };
    QVERIFY(write(bytes));
    const QString unchanged = view();
    QVERIFY(!unchanged.contains("unreadable") && unchanged.contains("CREATE TABLE records"));
    QCOMPARE(int(verifyJournal(options).outcome), int(VerifyReport::Outcome::Intact));

    constexpr int kPage = 4096;
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // Under the sanitizers the sweep looks for memory and thread faults on
    // damaged files, which a fifth of the sample meets as well.
    constexpr int kShare = 5;
#else
    constexpr int kShare = 1;
#endif
    QList<qint64> bits;
    QRandomGenerator random(20261208);
    for (const int page : pages)  // the sealed tables' pages
      for (int i = 0; i < 3000 / kShare / int(pages.size()); ++i)
        bits << qint64(page - 1) * kPage * 8 + random.bounded(kPage * 8);
    for (int i = 0; i < 1000 / kShare; ++i)
      bits << random.bounded(qint64(bytes.size()) * 8);
    for (int i = 0; i < 1500 / kShare; ++i)  // the schema's page
      bits << random.bounded(qint64(kPage) * 8);
    int changed = 0;
    QStringList missed;
    for (const qint64 bit : bits) {
      QByteArray flipped = bytes;
      flipped[int(bit / 8)] = char(flipped[int(bit / 8)] ^ (1 << (bit % 8)));
      QVERIFY(write(flipped));
      if (view() == unchanged)
        continue;
      ++changed;
      if (verifyJournal(options).outcome == VerifyReport::Outcome::Intact)
        missed << QString("byte %1 bit %2").arg(bit / 8).arg(bit % 8);
    }
    QVERIFY2(changed > 100 / kShare, qPrintable(QString::number(changed)));

    // Each column of seq 1 (and of its note) as each storage class, and as a
    // neighbouring value of its own class.
    const QStringList edits{
        "NULL",
        "CAST(%1 AS INTEGER)",
        "CAST(%1 AS REAL)",
        "CAST(%1 AS TEXT)",
        "CAST(%1 AS BLOB)",
        "CASE typeof(%1) WHEN 'integer' THEN %1 + 1 WHEN 'real' THEN %1 + 0.001 "
        "WHEN 'text' THEN %1 || 'x' WHEN 'blob' THEN %1 || x'00' ELSE 0 END"};
    int edited = 0;
    for (const char *table : {"records", "deliveries"}) {
      QVERIFY(write(bytes));
      QStringList names;
      {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "flip-edit");
        db.setDatabaseName(journal);
        QVERIFY(db.open());
        QSqlQuery columns(db);
        QVERIFY(columns.exec(QString("SELECT name FROM pragma_table_info('%1')").arg(table)));
        while (columns.next())
          names << columns.value(0).toString();
      }
      QSqlDatabase::removeDatabase("flip-edit");
      for (const QString &name : names) {
        for (const QString &edit : edits) {
          QVERIFY(write(bytes));
          bool applied = false;
          {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "flip-edit");
            db.setDatabaseName(journal);
            QVERIFY(db.open());
            QSqlQuery update(db);
            applied = update.exec(
                QString("UPDATE %1 SET %2 = %3 WHERE seq = 1").arg(table, name, edit.arg(name)));
          }
          QSqlDatabase::removeDatabase("flip-edit");
          if (!applied || view() == unchanged)
            continue;  // refused by a constraint, or the same value and class
          ++edited;
          if (verifyJournal(options).outcome == VerifyReport::Outcome::Intact)
            missed << QString("%1.%2 = %3").arg(table, name, edit.arg(name));
        }
      }
    }
    QVERIFY2(edited > 100, qPrintable(QString::number(edited)));
    QVERIFY2(missed.isEmpty(), qPrintable(QString("%1 of %2 changes called intact: %3")
                                              .arg(missed.size())
                                              .arg(changed + edited)
                                              .arg(missed.mid(0, 10).join(", "))));
  }

  void commandLineMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("language");  // empty: the C locale's English
    QTest::newRow("no display")
        << QStringList{}
        << "weighstation-records: view needs a graphical display (DISPLAY or "
           "WAYLAND_DISPLAY is not set)"
        << "";
    QTest::newRow("--from after --to")
        << QStringList{"list", "--from", "2026-12-08", "--to", "2026-12-01"}
        << "weighstation-records: list: --from 2026-12-08 is not before --to 2026-12-01"
        << "";
    QTest::newRow("unknown option")
        << QStringList{"list", "--form", "x"} << "weighstation-records: list: unknown option 'form'"
        << "";
    QTest::newRow("an option of another command")
        << QStringList{"central-sql", "--journal", "x"}
        << "weighstation-records: central-sql: unknown option 'journal'"
        << "";
    // The desktop's language reaches the messages; the command's name and
    // what it was given stay as they are.
    QTest::newRow("in German") << QStringList{"list", "--last", "0"}
                               << "weighstation-records: list: --last nimmt eine Zahl über 0"
                               << "de";
    QTest::newRow("in a language without a translation")
        << QStringList{"list", "--last", "0"}
        << "weighstation-records: list: --last takes a number above 0"
        << "nl";
  }
  void commandLineMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QFETCH(QString, language);
    QProcessEnvironment screenless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LANG"})
      screenless.remove(name);
    if (!language.isEmpty())
      screenless.insert("LANGUAGE", language);
    const RecordsRun run = runRecords(arguments, screenless);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.trimmed(), message);
  }

  // The numbers that leave the journal are the text log's, for every
  // reading the readout can show: the table's and the ticket's shown
  // values, and a CSV export's main columns.
  void exportsShowTheLoggedNumbers_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < readingRows().size(); ++i)
      QTest::newRow(readingRows()[i].name) << i;
  }
  void exportsShowTheLoggedNumbers() {
    QFETCH(int, row);
    const ReadingRow &reading = readingRows()[row];
    const double weight = readout::scaleWeight(reading.digits, reading.pointCode, reading.sign);
    const double tare = readout::scaleWeight({0, 0, 0, 0, 0, 1, 0}, reading.pointCode, 0);
    const readout::TotalLayout layout =
        readout::totalLayout({reading.pointCode, reading.pointCode, reading.pointCode});
    PointLabels points;
    const QString point = QStringLiteral(".");
    switch (readout::litTotalPointLabel(layout)) {
      case 0:
        points.threePlaces = point;
        break;
      case 1:
        points.twoPlaces = point;
        break;
      case 2:
        points.onePlace = point;
        break;
      default:
        break;
    }
    // Two scales showing the reading, the first over a tare: the total
    // adds both readings' biases.
    const double sum = weight + weight;
    JournalRecord record = sampleRecord(1);
    record.total = std::fabs(sum);
    record.totalSign = sum < 0 ? QStringLiteral("-") : QStringLiteral("+");
    record.totalLine = RecordLines::totalLine("GROSS", 1, record.totalSign, record.total, points);
    for (int n = 0; n < 3; ++n)
      record.scales[n] = {n < 2,
                          QStringLiteral("ttyUSB%1").arg(n),
                          1,
                          weight,
                          n == 0 ? tare : 0.0,
                          weight + (n == 0 ? tare : 0.0),
                          reading.pointCode};
    const QStringList logged =
        QStringList{record.totalLine.section(", ", 2)} +
        RecordLines::channelLine(0, 1, weight, tare, points).split(", ").mid(2);
    const QStringList shownTexts{shown::total(record).text(), shown::gross(record, 0).text(),
                                 shown::net(record, 0).text(), shown::tare(record, 0).text()};
    for (int i = 0; i < logged.size(); ++i)
      QCOMPARE(shownTexts[i].toDouble(), logged[i].toDouble());
    QCOMPARE(shownTexts[0].section('.', 1).size(), shown::decimalsOf(record));

    {
      RecordJournal journal(journalPath(), keyPath(), "logged-numbers");
      Failure failure;
      QCOMPARE(journal.append(record, &failure), qint64(1));
    }
    const QString csv = dir.filePath("logged.csv");
    QFile::remove(csv);
    QCOMPARE(runRecords({"export", "--journal", journalPath(), "--key", keyPath(), "--csv", csv})
                 .exitCode,
             0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QStringList names = QString::fromUtf8(lines[0].trimmed()).split(',');
    const QStringList values = QString::fromUtf8(lines[1].trimmed()).split(',');
    const QStringList columns{"total", "s1_gross", "s1_net", "s1_tare"};
    for (int i = 0; i < columns.size(); ++i)
      QCOMPARE(values[names.indexOf(columns[i])].toDouble(), logged[i].toDouble());
  }
};

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_journal.moc"
