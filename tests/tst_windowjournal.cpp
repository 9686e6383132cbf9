// The window and its record journal when the journal cannot take a record:
// a full disk, a journal that fails its check. The record is still taken,
// listed and logged, and the operator is told.
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "channelreset.h"
#include "journal/journalreader.h"
#include "journal/verifier.h"
#include "modalanswerer.h"
#include "smallfilesystem.h"

class WindowJournalTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  MainWindow *window = nullptr;

  // Starts the text log and takes a record of 42; returns the warnings the
  // tick left.
  QList<ModalAnswerer::Seen> record() {
    ModalAnswerer answerer;
    const int before = window->recordCycle().record_count;
    window->recordNow();
    for (int i = 0; i < 10 && window->recordCycle().record_count == before; ++i)
      window->processLCD();
    QTest::qWait(50);
    return answerer.seen;
  }
  // A key seals one journal: each case's journal has its own.
  QString key() const {
    return dir.filePath(QStringLiteral("%1.key").arg(QTest::currentTestFunction()));
  }
  QByteArray textLog() {
    QFile file(dir.filePath("station.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private Q_SLOTS:
  void init() {
    resetAllChannels();
    setChannelReading(0, {0, 0, 0, 0, 0, 4, 2}, 0);
    journalfiles::usePlaces({journalfiles::places().journal, key()});
    window = new MainWindow;
    window->refreshTimerObject()->stop();
    MainWindowForm *form = window->formRecord();
    form->sense_spinBox->setValue(1);
    ModalAnswerer answerer;
    answerer.chooseFile(dir.filePath("station.txt"));
    answerer.pressButton("&Yes");  // an earlier test's log is overwritten
    window->getPath();
    form->checkBox_datalog->click();
  }
  void cleanup() {
    delete window;
    window = nullptr;
    journalfiles::usePlaces({});
  }

  void aFullDiskUnderTheJournal() {
    SmallFilesystem disk;
    QString why;
    if (!disk.start(1024, &why))
      QSKIP(qPrintable(why));
    const QString journal = disk.filePath("journal.sqlite");
    journalfiles::usePlaces({journal, key()});
    window->setJournalSpaceWarningMb(100);

    QList<ModalAnswerer::Seen> seen = record();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QString("Record Journal Disk Almost Full (0 MB free)!!!"));

    disk.fill();
    seen = record();
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen[0].text.startsWith("Record Journal Write Failed ("), qPrintable(seen[0].text));
    QVERIFY2(seen[0].text.endsWith("), Record 2 Is Not in the Journal!!!"),
             qPrintable(seen[0].text));
    QCOMPARE(window->formRecord()->listdata->count(), 2);
    QCOMPARE(textLog().count("Scale#, Unit, Gross, Net, Tare"), 2);

    disk.free();
    QVERIFY(record().isEmpty());  // the space warning was given once
    QCOMPARE(window->recordJournal()->path(), journal);
    delete window;  // the journal's connection closes
    window = nullptr;
    const VerifyReport report = verifyJournal(VerifyOptions::of(journal, key()));
    QCOMPARE(report.outcome, VerifyReport::Outcome::Intact);
    QCOMPARE(report.lastSeq, qint64(2));
  }

  // A frame that arrives in the middle of every tick (here between the
  // readouts and the record: point code and unit flipped each time) reaches
  // none of that tick's record: the journal stores the point code and unit
  // its text log line shows.
  void aFrameMidTickDoesNotReachTheTicksRecord() {
    const QString journal = dir.filePath("mid-tick.sqlite");
    journalfiles::usePlaces({journal, key()});
    window->setReadingsSink([](const LiveReadings &) {
      ScaleChannel &channel = scaleChannels[0];
      channel.point_code = channel.point_code == 0 ? 3 : 0;  // none, one place
      channel.unit = channel.unit == 1 ? 0 : 1;              // pounds, kilograms
    });
    QVERIFY(record().isEmpty());
    window->setReadingsSink(nullptr);
    const QStringList line =
        QString::fromLatin1(textLog()).trimmed().split('\n').last().split(", ");
    JournalReader reader(journal, "mid-tick");
    Failure failure;
    QVERIFY2(reader.open(&failure), qPrintable(failure.text()));
    JournalRecord stored;
    QVERIFY(reader.forEach(
        {},
        [&](const JournalRecord &r) {
          stored = r;
          return true;
        },
        &failure));
    QCOMPARE(stored.seq, qint64(1));
    const int decimals = line.value(2).contains('.') ? line.value(2).section('.', 1).size() : 0;
    QCOMPARE(stored.scales[0].pointCode == 3 ? 1 : 0, decimals);
    QCOMPARE(QString(stored.scales[0].unit == 0 ? "kg" : "lbs"), line.value(1).trimmed());
  }

  // A journal removed under a key that sealed its records is not started
  // again at seq 1: each record says why it is not in the journal.
  void aRemovedJournalIsNotStartedAgain() {
    const QString journal = dir.filePath("removed.sqlite");
    journalfiles::usePlaces({journal, key()});
    QVERIFY(record().isEmpty());
    QVERIFY(record().isEmpty());
    delete window;
    window = nullptr;
    const QString id = QDir(dir.path())
                           .entryList({QFileInfo(key()).fileName() + ".*.head"})
                           .value(0)
                           .section('.', -2, -2);
    QVERIFY(!id.isEmpty());
    for (const char *suffix : {"", "-wal", "-shm"})
      QFile::remove(journal + suffix);
    init();
    const QList<ModalAnswerer::Seen> seen = record();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QStringLiteral("Record Journal Write Failed (the journal %1 is missing; "
                                          "its key sealed 2 records of journal %2), Record 1 Is "
                                          "Not in the Journal!!!")
                               .arg(journal, id));
    QVERIFY(!QFile::exists(journal));
  }

  // A journal that fails its own check is never written to, and each
  // record says it is not in it.
  void aJournalThatFailsItsCheckIsLeftAlone() {
    const QString journal = dir.filePath("checked.sqlite");
    journalfiles::usePlaces({journal, key()});
    QVERIFY(record().isEmpty());
    QVERIFY(record().isEmpty());
    delete window;
    window = nullptr;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "shell");
      db.setDatabaseName(journal);
      QVERIFY(db.open());
      QSqlQuery(db).exec("UPDATE records SET total = 1 WHERE seq = 2");
      QSqlQuery(db).exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    QSqlDatabase::removeDatabase("shell");
    auto digest = [&journal] {
      QFile file(journal);
      return file.open(QIODevice::ReadOnly)
                 ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                 : QByteArray();
    };
    const QByteArray before = digest();
    init();
    for (int n = 3; n <= 4; ++n) {
      const QList<ModalAnswerer::Seen> seen = record();
      QCOMPARE(seen.size(), 1);
      QVERIFY2(seen[0].text.contains("fails its check: seq 2: its seal does not match"),
               qPrintable(seen[0].text));
      QVERIFY(
          seen[0].text.endsWith(QStringLiteral("Record %1 Is Not in the Journal!!!").arg(n - 2)));
    }
    delete window;
    window = nullptr;
    QCOMPARE(digest(), before);
  }
};

QTEST_MAIN(WindowJournalTest)
#include "tst_windowjournal.moc"
