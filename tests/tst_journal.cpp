// The record journal checked: tampering of every kind detected with the right
// seq, values sealed as stored, rows outside the sequence, schema changes, and
// every bit flip that changes the tables.
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

#include "journalcase.h"

class JournalTest : public QObject, JournalCase {
  Q_OBJECT
 private Q_SLOTS:
  // The records are dated 2026-12-07: the journals' keys start that day.
  void initTestCase() { startTheClockOnTheRecordsDay(); }
  // Each case starts a journal of its own, with a key of its own.
  void init() { startAJournal(); }

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
    // The head witnesses the last note: the newest one removed is seen.
    QTest::newRow("the newest note removed")
        << QStringList{"DELETE FROM deliveries WHERE seq = 6"} << qint64(6);
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
    Failure error;
    QVERIFY2(signingkeys::SigningKeys::commission(
                 signingkeys::signingPathFor(other), signingkeys::verificationKeyPathFor(other),
                 "bridge-1", RecordJournal::defaultClock()(), 86400, &error),
             qPrintable(error.text()));
    const VerifyReport report = verify(other);
    QCOMPARE(report.firstBadSeq(), qint64(1));
    QVERIFY2(report.problems.first().text.startsWith("epoch key 0 is not certified by the "
                                                     "verification key"),
             qPrintable(report.problems.first().text));
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
    QTest::newRow("format 2, a later run of keys") << "journal-format-2-runs" << kFixtureRunsHead;
    QTest::newRow("format 2, with transactions")
        << "journal-format-2-transactions" << kFixtureTransactionsHead;
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
};

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_journal.moc"
