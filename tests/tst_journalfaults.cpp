// The journal's writes failed at every system call in turn (counted
// failures, journal/faults.h): a record is committed under its seq or
// refused, and said either way; no seq is reused; a shipping cursor never
// passes what it stored; the journal still verifies.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

#include "journal/faults.h"
#include "journal/journal.h"
#include "journal/journalexport.h"
#include "journal/journalreader.h"
#include "journal/shippingledger.h"
#include "journal/verifier.h"
#include "samplerecord.h"

Q_DECLARE_METATYPE(faults::Call)

class JournalFaultsTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  QString journalPath() const { return dir.filePath("journal.sqlite"); }
  QString keyPath() const { return dir.filePath("journal.key"); }

  static void addCalls() {
    QTest::addColumn<faults::Call>("call");
    QTest::addColumn<bool>("forGood");
    const std::pair<const char *, faults::Call> calls[] = {{"open", faults::Call::Open},
                                                           {"write", faults::Call::Write},
                                                           {"fsync", faults::Call::Fsync},
                                                           {"ftruncate", faults::Call::Ftruncate}};
    for (const auto &[name, call] : calls) {
      QTest::addRow("%s once", name) << call << false;
      QTest::addRow("%s for good", name) << call << true;
    }
  }

 private Q_SLOTS:
  void initTestCase() {
    // The sample records' day (2026-12-07), as the keys' first epoch.
    RecordJournal::defaultClock() = [] { return qint64(1796601600); };
  }
  void init() {
    faults::disarm();
    for (const QString &name : QDir(dir.path()).entryList({"journal.*"}, QDir::Files))
      QFile::remove(dir.filePath(name));
  }
  void cleanup() { faults::disarm(); }

  void aFailureAtEveryCallOfARecord_data() { addCalls(); }
  void aFailureAtEveryCallOfARecord() {
    QFETCH(faults::Call, call);
    QFETCH(bool, forGood);
    qint64 committed = 0;
    {
      RecordJournal writer(journalPath(), keyPath(), "faults-first");
      for (int n = 1; n <= 2; ++n) {
        JournalRecord record = sampleRecord(n);
        Failure failure;
        QCOMPARE(writer.append(record, &failure), qint64(n));
        committed = n;
      }
    }
    qint64 failed = 0;
    for (qint64 nth = 1;; ++nth) {
      QVERIFY2(nth < 500, "the record's calls never end");
      JournalRecord record = sampleRecord(committed + 1);
      Failure failure;
      qint64 seq = 0;
      qint64 calls = 0;
      {
        RecordJournal writer(journalPath(), keyPath(), "faults-writer");
        faults::arm(call, nth, nth % 2 ? EIO : ENOSPC, forGood);
        seq = writer.append(record, &failure);
        calls = faults::count(call);
        faults::disarm();
      }
      if (calls < nth) {
        // The nth call never came: every call of this kind failed once.
        QVERIFY2(!failure.failed(), qPrintable(failure.text()));
        QCOMPARE(seq, committed + 1);
        committed = seq;
        break;
      }
      ++failed;
      // Said, whether or not the record was committed.
      QVERIFY2(failure.failed(), qPrintable(QStringLiteral("call %1 failed unsaid").arg(nth)));
      if (seq != 0) {
        QCOMPARE(seq, committed + 1);  // never a seq reused
        committed = seq;
      }
    }
    QVERIFY(failed > 0 || call == faults::Call::Ftruncate);
    // A record after all of it follows the last one committed.
    RecordJournal writer(journalPath(), keyPath(), "faults-after");
    JournalRecord record = sampleRecord(committed + 1);
    Failure failure;
    QCOMPARE(writer.append(record, &failure), committed + 1);
    const VerifyReport report = verifyJournal(VerifyOptions::of(journalPath(), keyPath()));
    QVERIFY2(report.outcome == VerifyReport::Outcome::Intact,
             qPrintable(report.problems.value(0).text + report.failure.text()));
    QCOMPARE(report.lastSeq, committed + 1);
  }

  // A shipping cursor acknowledged through a failure at every call: it is
  // where it was or where it was told to go, never elsewhere, and a failed
  // acknowledgement is said.
  void aFailureAtEveryCallOfAnAcknowledgement_data() { addCalls(); }
  void aFailureAtEveryCallOfAnAcknowledgement() {
    QFETCH(faults::Call, call);
    QFETCH(bool, forGood);
    {
      RecordJournal writer(journalPath(), keyPath(), "faults-records");
      for (int n = 1; n <= 40; ++n) {
        JournalRecord record = sampleRecord(n);
        Failure failure;
        QCOMPARE(writer.append(record, &failure), qint64(n));
      }
    }
    qint64 cursor = 0;
    for (qint64 nth = 1;; ++nth) {
      QVERIFY2(nth < 500 && cursor < 40, "the acknowledgement's calls never end");
      Failure failure;
      bool acknowledged = false;
      qint64 calls = 0;
      {
        ShippingLedger ledger(journalPath(), "postgresql://central/test", "faults-ledger");
        faults::arm(call, nth, EIO, forGood);
        acknowledged = ledger.open(&failure) && ledger.acknowledge(cursor + 1, &failure);
        calls = faults::count(call);
        faults::disarm();
      }
      ShippingLedger reader(journalPath(), "postgresql://central/test", "faults-check");
      Failure unread;
      QVERIFY2(reader.open(&unread), qPrintable(unread.text()));
      const qint64 stored = reader.acknowledged(&unread);
      QVERIFY2(stored == cursor || stored == cursor + 1, qPrintable(QString::number(stored)));
      if (acknowledged)
        QCOMPARE(stored, cursor + 1);  // said done: stored
      else
        QVERIFY2(failure.failed(), "a failed acknowledgement unsaid");
      cursor = stored;
      if (calls < nth)
        break;
    }
  }

  // An export through a failed sync or open of its file: said, and its name
  // still holds the old file, never a part of the new one.
  void aFailureAtEveryCallOfAnExport_data() {
    QTest::addColumn<faults::Call>("call");
    QTest::newRow("fsync") << faults::Call::Fsync;
    QTest::newRow("open") << faults::Call::Open;
  }
  void aFailureAtEveryCallOfAnExport() {
    QFETCH(faults::Call, call);
    for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Xlsx}) {
      {
        RecordJournal writer(journalPath(), keyPath(), "faults-export");
        JournalRecord record = sampleRecord(1);
        Failure failure;
        writer.append(record, &failure);
      }
      const QString output = dir.filePath(format == ExportFormat::Csv ? "out.csv" : "out.xlsx");
      for (qint64 nth = 1;; ++nth) {
        QVERIFY2(nth < 50, "the export's calls never end");
        QFile old(output);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        JournalReader reader(journalPath(), "faults-export-reader");
        Failure failure;
        QVERIFY(reader.open(&failure));
        ExportOptions options;
        options.format = format;
        options.path = output;
        faults::arm(call, nth, EIO, false);
        const qint64 rows = journalexport::write(reader, options, &failure);
        const qint64 calls = faults::count(call);
        faults::disarm();
        QFile written(output);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray content = written.readAll();
        if (rows < 0) {
          QVERIFY(failure.failed());
          QCOMPARE(content, QByteArray("old"));
        } else {
          QCOMPARE(rows, qint64(1));
          QVERIFY(content != "old");
        }
        if (calls < nth)
          break;
      }
      init();
    }
  }
};

QTEST_GUILESS_MAIN(JournalFaultsTest)
#include "tst_journalfaults.moc"
