// The journal's writers and files: two writers sharing one sequence, outputs
// refused onto the journal, a lost journal never started again, read-only
// media, a head that cannot advance, and failures told by kind.
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

class JournalWritersTest : public QObject, JournalCase {
  Q_OBJECT
 private Q_SLOTS:
  // The records are dated 2026-12-07: the journals' keys start that day.
  void initTestCase() { startTheClockOnTheRecordsDay(); }
  // Each case starts a journal of its own, with a key of its own.
  void init() { startAJournal(); }

  // Two writers (two monitors) on one journal: one gap-free sequence. The
  // second opens the journal anew for each record, so its check at open
  // runs while the first commits and notes.
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
          // The first notes its text log too: each head names the last
          // note of either writer, never one a check could miss.
          if (journal->append(record, &error) == 0 ||
              (!reopen && !journal->noteTextLog(record, true, QString(), &error)))
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
    Failure why;
    QVERIFY2(retiredKeys.load(dir.filePath("journal.signing." + id), &why), qPrintable(why.text()));
    QCOMPARE(retiredKeys.epochs(), qint64(signingkeys::kEpochsInARun));
    QCOMPARE(retiredKeys.firstKeptEpoch(), retiredKeys.epochs());
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
    Failure error;
    QVERIFY2(signingkeys::SigningKeys::commission(
                 signingkeys::signingPathFor(key), signingkeys::verificationKeyPathFor(key),
                 "bridge-1", RecordJournal::defaultClock()(), 86400, &error),
             qPrintable(error.text()));
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
};

QTEST_GUILESS_MAIN(JournalWritersTest)
#include "tst_journalwriters.moc"
