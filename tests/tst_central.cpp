// Central records against a real PostgreSQL 15 (run under pg_virtualenv,
// which sets PGHOST, PGPORT, PGUSER, PGPASSWORD and PGDATABASE): records
// taken while the server is down, a restart in a backlog, the monitor
// killed while shipping, two stations, a row altered centrally, and a
// server out of reach.
#include <signal.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include "central/centraldb.h"
#include "central/shipper.h"
#include "central/shippingstate.h"
#include "journal/journal.h"
#include "recordscommand.h"
#include "simulator.h"

namespace {
QString serverUri() {
  return QStringLiteral("postgresql://%1@%2:%3/%4")
      .arg(qEnvironmentVariable("PGUSER"), qEnvironmentVariable("PGHOST"),
           qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE"));
}

void server(const char *action) {
  QProcess::execute(QStringLiteral("pg_ctlcluster"),
                    {QStringLiteral("15"), QStringLiteral("regress"), QString::fromLatin1(action)});
}

// SQL on the central database through a connection of its own.
QList<QVariantList> central(const QString &sql) {
  QList<QVariantList> rows;
  {
    QString error;
    QSqlDatabase db = centraldb::connect(serverUri(), QStringLiteral("test-central"), &error);
    QSqlQuery query(db);
    if (db.isOpen() && query.exec(sql)) {
      while (query.next()) {
        QVariantList row;
        for (int c = 0; c < query.record().count(); ++c)
          row << query.value(c);
        rows << row;
      }
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("test-central"));
  return rows;
}

// count, min(seq), max(seq) of a station's central rows.
QVariantList rowsOf(const QString &station) {
  return central(QStringLiteral("SELECT count(*), min(seq), max(seq) FROM weigh_records WHERE "
                                "station = '%1'")
                     .arg(station))
      .value(0);
}

// A journal of `count` records of `station`, taken `minutesAgo` minutes ago.
void writeJournal(const QString &path, const QString &key, const QString &station, int count,
                  int minutesAgo = 0) {
  RecordJournal journal(path, key, QStringLiteral("test-writer"));
  QString error;
  journal.setBulk(count > 100);
  for (int n = 1; n <= count; ++n) {
    JournalRecord r;
    r.takenAt =
        QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo).toString(Qt::ISODateWithMs);
    r.timeText = QStringLiteral("1:00:00 pm");
    r.dateText = QStringLiteral("12/08/2026");
    r.station = station;
    r.total = 100.0003 + n;
    r.totalSign = QStringLiteral("+");
    r.totalUnit = QStringLiteral("lbs");
    r.netGross = QStringLiteral("GROSS");
    r.totalLine = QStringLiteral("GROSS TOTAL, lbs, %1").arg(100 + n);
    r.block = "\r\nblock " + QByteArray::number(n) + "\r\n";
    r.scales[0] = {true, QStringLiteral("ttyUSB0"), 1, 100.0001 + n, 0, 100.0001 + n, 0};
    r.program = QStringLiteral("weighstation");
    r.version = QStringLiteral("1.0.0");
    journal.append(r, &error);
  }
  journal.setBulk(false);
}
}  // namespace

class CentralTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;

 private Q_SLOTS:
  void initTestCase() {
    if (qEnvironmentVariable("PGPORT").isEmpty())
      QSKIP("run under pg_virtualenv (ctest does)");
  }

  void shippingDecisions() {
    ShippingState state;
    QList<qint64> retries;
    for (int i = 0; i < 8; ++i)
      retries << state.unreachable(QStringLiteral("down"));
    QCOMPARE(retries, (QList<qint64>{1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    const qint64 now = 10 * 60 * 1000;
    QVERIFY(!state.warnNow(3, now - 4 * 60 * 1000, now));  // waited 4 minutes
    QVERIFY(state.warnNow(3, now - 6 * 60 * 1000, now));
    QVERIFY(!state.warnNow(3, now - 7 * 60 * 1000, now));  // once per outage
    state.shipped(0);
    QCOMPARE(state.unreachable(QStringLiteral("down")), qint64(1000));
    QVERIFY(state.warnNow(1, 0, now));  // the next outage
    QVERIFY(!state.refused(7) && !state.refused(7) && state.refused(7));
  }

  void recordsTakenWhileTheServerIsDownArriveWhenItStarts() {
    const QString journal = dir.filePath("down.sqlite");
    writeJournal(journal, dir.filePath("down.key"), "down", 20, 10);
    server("stop");
    CentralShipper shipper(serverUri(), journal);
    QSignalSpy outage(&shipper, &CentralShipper::outage);
    shipper.start();
    QVERIFY(outage.wait(10000));  // the records are ten minutes old
    QCOMPARE(outage.first().at(1).toLongLong(), qint64(20));
    QVERIFY(!outage.first().at(0).toString().isEmpty());
    server("start");
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf("down").value(0).toLongLong(), qint64(20), 30000);
    QCOMPARE(rowsOf("down"), (QVariantList{20, 1, 20}));
    QCOMPARE(outage.size(), 1);
  }

  void aServerRestartedInABacklog() {
    const QString journal = dir.filePath("restart.sqlite");
    writeJournal(journal, dir.filePath("restart.key"), "restart", 20000);
    CentralShipper shipper(serverUri(), journal);
    shipper.start();
    QTRY_VERIFY_WITH_TIMEOUT(rowsOf("restart").value(0).toLongLong() > 0, 30000);
    server("restart");
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf("restart").value(0).toLongLong(), qint64(20000), 120000);
    QCOMPARE(rowsOf("restart"), (QVariantList{20000, 1, 20000}));
  }

  void twoStationsAndARowAlteredCentrally() {
    for (const char *station : {"north", "south"}) {
      const QString journal = dir.filePath(QStringLiteral("%1.sqlite").arg(station));
      writeJournal(journal, dir.filePath(QStringLiteral("%1.key").arg(station)), station, 30);
      CentralShipper shipper(serverUri(), journal);
      shipper.start();
      QTRY_COMPARE_WITH_TIMEOUT(rowsOf(station).value(0).toLongLong(), qint64(30), 30000);
    }
    auto verify = [this](const char *station) {
      return runRecords({"verify", "--central", serverUri(), "--station", station, "--key",
                         dir.filePath(QStringLiteral("%1.key").arg(station))});
    };
    QCOMPARE(verify("north").exitCode, 0);
    QCOMPARE(verify("south").exitCode, 0);
    central("UPDATE weigh_records SET total = total + 1 WHERE station = 'north' AND seq = 5");
    const RecordsRun broken = verify("north");
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.out.startsWith("seq 5:"), qPrintable(broken.out));
    // Across stations each row says whether its station's chain checked
    // with the key given.
    const QString csv = dir.filePath("site.csv");
    QCOMPARE(runRecords({"export", "--central", serverUri(), "--key", dir.filePath("south.key"),
                         "--csv", csv})
                 .exitCode,
             0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(text.count(",north,"), 30);
    QCOMPARE(text.count(QRegularExpression(",south,.*,yes\r\n")), 30);
    QCOMPARE(text.count(QRegularExpression(",north,.*,UNVERIFIED\r\n")), 30);
  }

  void aServerOutOfReachWarnsWithoutHanging_data() {
    QTest::addColumn<QString>("uri");
    QTest::newRow("no server") << QStringLiteral("postgresql://postgres@127.0.0.1:1/postgres");
    QTest::newRow("wrong password")
        << QStringLiteral("postgresql://nobody:wrong@%1:%2/%3")
               .arg(qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT"),
                    qEnvironmentVariable("PGDATABASE"));
  }
  void aServerOutOfReachWarnsWithoutHanging() {
    QFETCH(QString, uri);
    const QString journal = dir.filePath(QStringLiteral("%1.sqlite").arg(QTest::currentDataTag()));
    writeJournal(journal, dir.filePath("reach.key"), "reach", 3, 10);
    CentralShipper shipper(uri, journal);
    QSignalSpy outage(&shipper, &CentralShipper::outage);
    QElapsedTimer clock;
    clock.start();
    shipper.start();
    QVERIFY(outage.wait(10000));
    QVERIFY(clock.elapsed() < 8000);
    QCOMPARE(outage.first().at(1).toLongLong(), qint64(3));
  }

  // The monitor killed while it ships, then started again: every record
  // central once, none missing, each the same as in the journal.
  void theMonitorKilledWhileShipping() {
    Simulator sim;
    QVERIFY(sim.start({"weight=111", "weight=222", "weight=333"}));
    QTemporaryDir run;
    auto monitor = [&](const QString &scenario) {
      auto *process = new QProcess;
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("QT_QPA_PLATFORM", "offscreen");
      env.insert("WEIGHSTATION_ADAPTERS", sim.adapters());
      env.insert("LD_PRELOAD", qEnvironmentVariable("E2E_DRIVER"));
      env.insert("E2E_SCENARIO", scenario);
      env.insert("E2E_RECORDS", "200");
      env.insert("E2E_TEXT_LOG", run.filePath("station.txt"));
      env.insert("E2E_REPORT", run.filePath("report.json"));
      env.insert("WEIGHSTATION_JOURNAL", run.filePath("journal.sqlite"));
      env.insert("WEIGHSTATION_JOURNAL_KEY", run.filePath("journal.key"));
      env.insert("WEIGHSTATION_STATION", "killed");
      env.insert("WEIGHSTATION_CENTRAL", serverUri());
      process->setProcessEnvironment(env);
      process->start(qEnvironmentVariable("WEIGHSTATION_BIN"), {});
      return process;
    };
    QProcess *first = monitor("records");
    QTRY_VERIFY_WITH_TIMEOUT(rowsOf("killed").value(0).toLongLong() >= 20, 30000);
    ::kill(first->processId(), SIGKILL);
    first->waitForFinished();
    delete first;
    const RecordsRun local = runRecords({"verify", "--journal", run.filePath("journal.sqlite"),
                                         "--key", run.filePath("journal.key")});
    QCOMPARE(local.exitCode, 0);
    const qint64 taken = local.out.section(' ', 2, 2).toLongLong();
    QVERIFY2(taken > 20, qPrintable(local.out));

    QProcess *second = monitor("idle");
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf("killed").value(0).toLongLong(), taken, 30000);
    second->terminate();
    second->waitForFinished();
    delete second;
    QCOMPARE(rowsOf("killed"), (QVariantList{taken, 1, taken}));
    QCOMPARE(runRecords({"verify", "--central", serverUri(), "--station", "killed", "--key",
                         run.filePath("journal.key")})
                 .exitCode,
             0);
  }
};

QTEST_GUILESS_MAIN(CentralTest)
#include "tst_central.moc"
