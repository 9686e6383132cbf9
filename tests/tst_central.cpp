// Central records against a real PostgreSQL 15 (run under pg_virtualenv,
// which sets PGHOST, PGPORT, PGUSER, PGPASSWORD and PGDATABASE): records
// taken while the server is down, a restart in a backlog, the monitor
// killed while shipping, two stations, a row altered centrally, and a
// server out of reach.
#include <pwd.h>
#include <unistd.h>

#include <signal.h>

#include <QElapsedTimer>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "central/centralcopy.h"
#include "central/centraldb.h"
#include "central/shipper.h"
#include "desk/weighingdesk.h"
#include "journal/journal.h"
#include "journal/journalreader.h"
#include "journalloader.h"
#include "recordscommand.h"
#include "simulator.h"

namespace {
QString serverUri(const QString &database = qEnvironmentVariable("PGDATABASE")) {
  return QStringLiteral("postgresql://%1@%2:%3/%4")
      .arg(qEnvironmentVariable("PGUSER"), qEnvironmentVariable("PGHOST"),
           qEnvironmentVariable("PGPORT"), database);
}

void server(const char *action) {
  QProcess::execute(QStringLiteral("pg_ctlcluster"),
                    {QStringLiteral("15"), QStringLiteral("regress"), QString::fromLatin1(action)});
}

// SQL on the central database through a connection of its own.
QList<QVariantList> central(const QString &sql, const QString &uri = serverUri()) {
  QList<QVariantList> rows;
  {
    Failure error;
    QSqlDatabase db = centraldb::connect(uri, QStringLiteral("test-central"), &error);
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

// The id of the journal at `path`.
QString journalIdOf(const QString &path) {
  JournalReader reader(path, QStringLiteral("test-id"));
  Failure error;
  return reader.open(&error) ? reader.journalId() : error.text();
}

// SQL on the journal, as an SQLite shell would run it: the first value it
// gives.
QVariant tamperJournal(const QString &path, const QString &sql) {
  QVariant first;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-tamper");
    db.setDatabaseName(path);
    db.open();
    QSqlQuery query(db);
    if (query.exec(sql) && query.next())
      first = query.value(0);
  }
  QSqlDatabase::removeDatabase("test-tamper");
  return first;
}

// count, min(seq), max(seq) of a station's central rows.
QVariantList rowsOf(const QString &station) {
  return central(QStringLiteral("SELECT count(*), min(seq), max(seq) FROM weigh_records WHERE "
                                "station = '%1'")
                     .arg(station))
      .value(0);
}

// The monitor driven by the operator driver's `scenario` against the
// simulator, its files in `run`, shipping to `central` as `station`.
QProcessEnvironment monitorEnvironment(const Simulator &sim, const QTemporaryDir &run,
                                       const QString &scenario, const QString &station,
                                       const QString &central) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("WEIGHSTATION_ADAPTERS", sim.adapters());
  env.insert("LD_PRELOAD", qEnvironmentVariable("E2E_DRIVER"));
  env.insert("E2E_SCENARIO", scenario);
  env.insert("E2E_TEXT_LOG", run.filePath("station.txt"));
  env.insert("E2E_REPORT", run.filePath("report.json"));
  env.insert("WEIGHSTATION_JOURNAL", run.filePath("journal.sqlite"));
  env.insert("WEIGHSTATION_JOURNAL_KEY", run.filePath("journal.key"));
  env.insert("WEIGHSTATION_STATION", station);
  env.insert("WEIGHSTATION_CENTRAL", central);
  return env;
}

// A journal of `count` records of `station`, taken `minutesAgo` minutes ago.
// A new key names `keyStation` (empty: this machine).
void writeJournal(const QString &path, const QString &key, const QString &station, int count,
                  int minutesAgo = 0, const QString &renamedTo = QString(), int renamedAt = 0,
                  const QString &keyStation = QString()) {
  QString error;
  QVERIFY2(loadJournal(
               path, key, count,
               [&](qint64 index) {
                 const qint64 n = index + 1;
                 JournalRecord r;
                 r.takenAt = QDateTime::currentDateTimeUtc()
                                 .addSecs(-60 * minutesAgo)
                                 .toString(Qt::ISODateWithMs);
                 r.timeText = QStringLiteral("1:00:00 pm");
                 r.dateText = QStringLiteral("12/08/2026");
                 r.station = renamedAt > 0 && n >= renamedAt ? renamedTo : station;
                 r.total = 100.0003 + n;
                 r.totalSign = QStringLiteral("+");
                 r.totalUnit = QStringLiteral("lbs");
                 r.netGross = QStringLiteral("GROSS");
                 r.totalLine = QStringLiteral("GROSS TOTAL, lbs, %1").arg(100 + n);
                 r.block = "\r\nblock " + QByteArray::number(n) + "\r\n";
                 r.scales[0] = {true, QStringLiteral("ttyUSB0"), 1, 100.0001 + n, 0, 100.0001 + n,
                                0};
                 r.program = QStringLiteral("weighstation");
                 r.version = QStringLiteral("1.0.0");
                 return r;
               },
               &error, keyStation),
           qPrintable(error));
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
    // The database's owner makes the tables; no station does.
    for (const QString &statement : centraldb::schemaSql())
      central(statement);
    QCOMPARE(central("SELECT max(version) FROM weigh_schema_version").value(0).value(0).toInt(),
             centraldb::kSchemaVersion);
  }

  // A station's role writes only its own journals' rows, as the technician's
  // manual's grants set it up: another station's role can neither add records to
  // them, nor spoil their epoch keys, nor claim them; a row naming another
  // verification key does not change which key checks a journal.
  void aStationsRoleWritesOnlyItsOwnJournals() {
    // The manual's own recipe, as a database's owner runs it.
    QFile readme(qEnvironmentVariable("TEST_SOURCE_DIR") + "/docs/technician.md");
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const QRegularExpressionMatch recipe =
        QRegularExpression("    psql -d weighing <<'SQL'\n((?:    .*\n)*?)    SQL\n").match(text);
    QVERIFY2(recipe.hasMatch(), "the technician's manual's recipe for the stations' roles");
    QStringList statements = recipe.captured(1).split(';', Qt::SkipEmptyParts);
    statements.removeIf([](const QString &statement) { return statement.trimmed().isEmpty(); });
    QCOMPARE(statements.size(), 4);
    for (const QString &statement : statements)
      central(statement.simplified());
    QCOMPARE(central("SELECT count(*) FROM pg_roles WHERE rolname IN ('weigh_stations', "
                     "'station1')")
                 .value(0)
                 .value(0)
                 .toInt(),
             2);
    for (const char *role : {"east", "west"})
      central(
          QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%1' IN ROLE weigh_stations").arg(role));
    auto uriOf = [](const QString &role) {
      return QStringLiteral("postgresql://%1:%1@%2:%3/%4")
          .arg(role, qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT"),
               qEnvironmentVariable("PGDATABASE"));
    };
    for (const char *station : {"east", "west"}) {
      const QString journal = dir.filePath(QStringLiteral("%1.sqlite").arg(station));
      writeJournal(journal, dir.filePath(QStringLiteral("%1.key").arg(station)), station, 3);
      CentralShipper shipper(uriOf(station), journal);
      shipper.start();
      QTRY_COMPARE_WITH_TIMEOUT(rowsOf(station).value(0).toLongLong(), qint64(3), 30000);
    }
    const QString east = journalIdOf(dir.filePath("east.sqlite"));
    QCOMPARE(central(QStringLiteral("SELECT owner FROM weigh_journal_owners WHERE journal_id = "
                                    "'%1'")
                         .arg(east))
                 .value(0)
                 .value(0)
                 .toString(),
             QString("east"));
    {
      Failure error;
      QSqlDatabase west = centraldb::connect(uriOf("west"), "test-west", &error);
      QVERIFY2(west.isOpen(), qPrintable(error.text()));
      QSqlQuery query(west);
      QVERIFY(query.exec(QStringLiteral("CREATE TEMP TABLE forged AS SELECT * FROM weigh_records "
                                        "WHERE journal_id = '%1' AND seq = 3")
                             .arg(east)));
      QVERIFY(query.exec("UPDATE forged SET seq = 4, total = 9999"));
      for (const QString &statement :
           {QStringLiteral("INSERT INTO weigh_records SELECT * FROM forged"),
            QStringLiteral("INSERT INTO weigh_epoch_keys (journal_id, epoch, starts, ends, "
                           "public_key, certificate, verification_key) SELECT journal_id, 900, "
                           "starts, ends, public_key, certificate, 'forged' FROM "
                           "weigh_epoch_keys WHERE journal_id = '%1' AND epoch = 0")
                .arg(east),
            QStringLiteral("INSERT INTO weigh_journal_owners (journal_id, owner) VALUES ('%1x', "
                           "'east')")
                .arg(east)}) {
        QVERIFY2(!query.exec(statement), qPrintable(statement));
        QCOMPARE(query.lastError().nativeErrorCode(), QString("42501"));
      }
      // Claimed by east, the journal is not west's to ship.
      QVERIFY(!centraldb::claimJournal(west, east, &error));
      QVERIFY2(error.text().contains("belongs to the role east"), qPrintable(error.text()));
    }
    QSqlDatabase::removeDatabase("test-west");
    QCOMPARE(rowsOf("east").value(2).toLongLong(), qint64(3));

    // Rows the owner let in naming another verification key (at a later
    // epoch, so last in order) leave the registered one in charge.
    central(QStringLiteral("INSERT INTO weigh_epoch_keys (journal_id, epoch, starts, ends, "
                           "public_key, certificate, verification_key) SELECT journal_id, 900, "
                           "starts, ends, public_key, certificate, 'weighstation verification "
                           "key 1' FROM weigh_epoch_keys WHERE journal_id = '%1' AND epoch = 0")
                .arg(east));
    const RecordsRun shown =
        runRecords({"verification-key", "--journal", dir.filePath("east.sqlite"), "--key",
                    dir.filePath("east.key")});
    const QString fingerprint =
        QRegularExpression("fingerprint ([0-9A-F-]{19})").match(shown.out).captured(1);
    QCOMPARE(runRecords({"central-register", "--central", serverUri(), "--station", "east",
                         "--fingerprint", fingerprint})
                 .exitCode,
             0);
    const RecordsRun checked =
        runRecords({"verify", "--central", serverUri(), "--station", "east", "--journal",
                    dir.filePath("none.sqlite"), "--key", dir.filePath("none.key")});
    QVERIFY2(checked.exitCode == 0 && checked.out.startsWith("journal intact: 3 records"),
             qPrintable(checked.out + checked.err));
    // The same rule, asked directly: registered for east, not for west.
    {
      Failure error;
      QSqlDatabase db = centraldb::connect(serverUri(), "test-trust", &error);
      centralcopy::Trust trust;
      QVERIFY(trust.read(VerifyOptions::of(dir.filePath("none.sqlite"), dir.filePath("none.key")),
                         false, dir.filePath("none.sqlite"), &error));
      VerifyOptions chain;
      QVERIFY2(trust.of(db, east, "east", &chain, &error), qPrintable(error.text()));
      signingkeys::VerificationKey used;
      Failure why;
      QVERIFY(signingkeys::parseVerificationKey(chain.verificationKeyText, &used, &why));
      QCOMPARE(used.fingerprint(), fingerprint);
      QVERIFY(!trust.of(db, east, "west", &chain, &error));
      QVERIFY2(error.text().contains("is not registered for station west"),
               qPrintable(error.text()));
    }
    QSqlDatabase::removeDatabase("test-trust");
  }

  // PostgreSQL's own form of a URI for its Unix socket (the socket's
  // folder, percent-encoded, as the host) ships as written.
  void shipsThroughTheServersUnixSocket() {
    const QString folders =
        central("SHOW unix_socket_directories").value(0).value(0).toString().section(',', 0, 0);
    if (folders.isEmpty())
      QSKIP("the server listens on no Unix socket");
    // The socket takes its peer's own name: a role of this process's user.
    const QString user = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    central(QStringLiteral("CREATE ROLE \"%1\" LOGIN SUPERUSER").arg(user));
    const QString uri =
        QStringLiteral("postgresql://%1@%2:%3/%4")
            .arg(user, QString::fromLatin1(QUrl::toPercentEncoding(folders.trimmed())),
                 qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE"));
    const QString journal = dir.filePath("socket.sqlite");
    writeJournal(journal, dir.filePath("socket.key"), "socket", 3);
    CentralShipper shipper(uri, journal);
    shipper.start();
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf("socket").value(0).toLongLong(), qint64(3), 30000);
  }

  // A database without the tables is its owner's to set up: a station's
  // shipper never creates them (they would be its own, bound by nothing).
  void aStationNeverCreatesTheTables() {
    central("DROP DATABASE IF EXISTS bare");
    central("CREATE DATABASE bare");
    QString uri = serverUri();
    uri.replace(QRegularExpression("/[^/]*$"), "/bare");
    const QString journal = dir.filePath("bare.sqlite");
    writeJournal(journal, dir.filePath("bare.key"), "bare", 2);
    CentralShipper shipper(uri, journal);
    QString said;
    QObject::connect(&shipper, &CentralShipper::status,
                     [&](const ShippingStatus &status) { said = status.lastFailure.text(); });
    shipper.start();
    QTRY_VERIFY_WITH_TIMEOUT(said.contains("has no weigh_records table: its owner creates the "
                                           "tables with weighstation-records central-sql"),
                             10000);
    shipper.stop();
    Failure error;
    {
      QSqlDatabase db = centraldb::connect(uri, "test-bare", &error);
      QSqlQuery query(db);
      QVERIFY(query.exec("SELECT to_regclass('weigh_records') IS NULL") && query.next());
      QVERIFY(query.value(0).toBool());
    }
    QSqlDatabase::removeDatabase("test-bare");
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
    const Failure failure = outage.first().at(0).value<Failure>();
    QVERIFY(!failure.reason().isEmpty());
    QCOMPARE(failure.kind(), Failure::Kind::Unreachable);
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
                         dir.filePath(QStringLiteral("%1.key").arg(station)), "--journal",
                         dir.filePath(QStringLiteral("%1.sqlite").arg(station))});
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
                         "--journal", dir.filePath("south.sqlite"), "--csv", csv})
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
    writeJournal(journal, journal + ".key", "reach", 3, 10);
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
      QProcessEnvironment env = monitorEnvironment(sim, run, scenario, "killed", serverUri());
      env.insert("E2E_RECORDS", "200");
      process->setProcessEnvironment(env);
      process->start(qEnvironmentVariable("TEST_MONITOR_BIN"), {});
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
                         run.filePath("journal.key"), "--journal", run.filePath("journal.sqlite")})
                 .exitCode,
             0);
  }

  // The backlog drains while records are taken: an acknowledgement never
  // fails on the monitor's commits, and the status shows the drain batch by
  // batch, never going back.
  void aBacklogDrainsWhileRecordsAreTaken() {
    const QString journal = dir.filePath("busy.sqlite");
    writeJournal(journal, journal + ".key", "busy", 30000);
    RecordJournal live(journal, journal + ".key", "busy-live");
    CentralShipper shipper(serverUri(), journal);
    QList<qint64> shipped;
    QStringList failures;
    // Statuses still queued when the case ends go with this receiver, not
    // into a later case after `shipped` is gone.
    QObject receiver;
    connect(&shipper, &CentralShipper::status, &receiver,
            [&shipped, &failures](const ShippingStatus &status) {
              if (status.waiting > 0 && (shipped.isEmpty() || shipped.last() != status.shippedSeq))
                shipped << status.shippedSeq;
              if (status.lastFailure)
                failures << status.lastFailure.text();
            });
    shipper.start();
    QElapsedTimer clock;
    clock.start();
    Failure error;
    int taken = 0;
    while (rowsOf("busy").value(0).toLongLong() < 30000 && clock.elapsed() < 60000) {
      JournalRecord record;
      record.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
      record.station = "busy";
      record.block = "\r\nblock\r\n";
      record.totalSign = "+";
      QVERIFY2(live.append(record, &error) > 0, qPrintable(error.text()));
      ++taken;
      QTest::qWait(20);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf("busy").value(0).toLongLong(), qint64(30000 + taken), 30000);
    QVERIFY(shipped.size() >= 14);
    QCOMPARE(failures, QStringList());
    for (int i = 1; i < shipped.size(); ++i)
      QVERIFY2(
          shipped[i] > shipped[i - 1],
          qPrintable(QString("seq %1 shipped again after %2").arg(shipped[i]).arg(shipped[i - 1])));
  }

  // Central rows belong to their journal: a station's next journal (after
  // new-journal) and another station of the same name ship all their
  // records, each journal verifies on its own, and a station renamed within
  // a journal keeps one chain.
  void journalsOfOneStationNameNeverMeet() {
    const QString first = dir.filePath("same-a.sqlite");
    const QString second = dir.filePath("same-b.sqlite");
    writeJournal(first, first + ".key", "same", 40);
    writeJournal(second, second + ".key", "same", 3);
    const QString renamed = dir.filePath("renamed.sqlite");
    writeJournal(renamed, renamed + ".key", "before", 40, 0, "after", 21);
    for (const QString &journal : {first, second, renamed}) {
      CentralShipper shipper(serverUri(), journal);
      QSignalSpy conflicts(&shipper, &CentralShipper::conflict);
      shipper.start();
      const QString id = journalIdOf(journal);
      QTRY_COMPARE_WITH_TIMEOUT(
          central(QString("SELECT count(*) FROM weigh_records WHERE journal_id = '%1'").arg(id))
              .value(0)
              .value(0)
              .toLongLong(),
          qint64(journal == second ? 3 : 40), 30000);
      QCOMPARE(conflicts.size(), 0);
    }
    const RecordsRun one =
        runRecords({"verify", "--central", serverUri(), "--journal-id", journalIdOf(second),
                    "--key", second + ".key", "--journal", second});
    QCOMPARE(one.exitCode, 0);
    QVERIFY2(one.out.startsWith("journal intact: 3 records, seq 1..3"), qPrintable(one.out));
    const RecordsRun after = runRecords({"verify", "--central", serverUri(), "--station", "after",
                                         "--key", renamed + ".key", "--journal", renamed});
    QCOMPARE(after.exitCode, 0);
    QVERIFY2(after.out.startsWith("journal intact: 40 records, seq 1..40"),
             qPrintable(after.out + after.err));
  }

  // A row held differently centrally is never acknowledged: shipping stops
  // before it, and the operator hears of it once.
  void aConflictIsWarnedOnceAndNotAcknowledged() {
    const QString journal = dir.filePath("conflict.sqlite");
    writeJournal(journal, journal + ".key", "conflict", 12);
    const QString id = journalIdOf(journal);
    {
      CentralShipper shipper(serverUri(), journal);
      shipper.start();
      QTRY_COMPARE_WITH_TIMEOUT(rowsOf("conflict").value(0).toLongLong(), qint64(12), 30000);
    }
    central(QString("UPDATE weigh_records SET mac = 'altered' WHERE journal_id = '%1' AND seq = 5")
                .arg(id));
    tamperJournal(journal, "DELETE FROM central_shipping");  // as if never acknowledged
    CentralShipper shipper(serverUri(), journal);
    QSignalSpy conflicts(&shipper, &CentralShipper::conflict);
    QSignalSpy statuses(&shipper, &CentralShipper::status);
    shipper.start();
    QVERIFY(conflicts.wait(10000));
    QCOMPARE(conflicts.first(), (QVariantList{qint64(1), qint64(5)}));
    QTRY_VERIFY(!statuses.isEmpty());
    QCOMPARE(statuses.last().first().value<ShippingStatus>().shippedSeq, qint64(4));
    QTest::qWait(500);
    QCOMPARE(conflicts.size(), 1);
  }

  // The desk's transactions reach the central database behind the records
  // they bind, exactly once across a restart, and verify --central checks
  // them: a value changed centrally is found.
  void transactionsGoCentralOnceAndAreChecked() {
    const QString journal = dir.filePath("desk.sqlite");
    const QString key = journal + ".key";
    writeJournal(journal, key, "desk", 6);
    RecordJournal writer(journal, key, "test-desk-writer");
    masterdata::MasterData data(dir.filePath("desk-data.sqlite"));
    desk::Rules rules;
    rules.station = "desk";
    rules.supervisors = QStringList{"Sam"};
    desk::WeighingDesk weighingDesk(writer, data, rules);
    Failure failure;
    QVERIFY(weighingDesk.open(&failure));
    QCOMPARE(weighingDesk.single(1, {}, &failure), qint64(1));
    QCOMPARE(weighingDesk.single(2, {}, &failure), qint64(2));
    QCOMPARE(weighingDesk.voidTransaction(1, "weighed twice", "Sam", &failure), qint64(3));
    auto shipped = [&] {
      return central(QString("SELECT count(*), max(seq) FROM weigh_transactions WHERE "
                             "journal_id = (SELECT journal_id FROM weigh_records WHERE station = "
                             "'desk' LIMIT 1)"))
          .value(0);
    };
    {
      CentralShipper shipper(serverUri(), journal);
      shipper.start();
      QTRY_COMPARE_WITH_TIMEOUT(shipped().value(0).toLongLong(), qint64(3), 20000);
      // One sealed while the shipper follows the journal, no record after it.
      QCOMPARE(weighingDesk.single(3, {}, &failure), qint64(4));
      QTRY_COMPARE_WITH_TIMEOUT(shipped().value(1).toLongLong(), qint64(4), 20000);
      shipper.stop();
    }
    {
      CentralShipper again(serverUri(), journal);
      again.start();
      QTest::qWait(1500);
      again.stop();
    }
    QCOMPARE(shipped(), (QVariantList{4, 4}));
    const QStringList verify{"verify", "--central", serverUri(), "--station", "desk",
                             "--key",  key,         "--journal", journal};
    const RecordsRun intact = runRecords(verify);
    QVERIFY2(intact.exitCode == 0, qPrintable(intact.out + intact.err));
    central(
        "UPDATE weigh_transactions SET customer = 'Someone else' WHERE seq = 2 AND station = "
        "'desk'");
    const RecordsRun changed = runRecords(verify);
    QVERIFY2(changed.exitCode == 1 &&
                 changed.out.contains("transaction 2: its seal does not match its contents"),
             qPrintable(changed.out + changed.err));
  }

  // Central tables of version 1 (keyed by station and seq) are upgraded, and
  // their rows are claimed by the journal that holds them identically.
  void centralTablesOfVersion1AreUpgraded() {
    central("DROP DATABASE IF EXISTS version1");
    central("CREATE DATABASE version1");
    QString uri = serverUri();
    uri.replace(QRegularExpression("/[^/]*$"), "/version1");
    QFile fixture(QFINDTESTDATA("fixtures/central-schema-v1.sql"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QString journal = dir.filePath("legacy.sqlite");
    writeJournal(journal, journal + ".key", "legacy", 10);
    {
      Failure error;
      QSqlDatabase db = centraldb::connect(uri, "test-version1", &error);
      QVERIFY2(db.isOpen(), qPrintable(error.text()));
      QSqlQuery query(db);
      QStringList lines = QString::fromUtf8(fixture.readAll()).split('\n');
      lines.removeIf([](const QString &line) { return line.startsWith("--"); });
      for (const QString &statement : lines.join('\n').split(";\n")) {
        if (!statement.trimmed().isEmpty())
          QVERIFY2(query.exec(statement), qPrintable(statement + query.lastError().text()));
      }
      // Rows 1..6 as version 1's shipper sent them.
      JournalReader reader(journal, "test-legacy");
      QVERIFY(reader.open(&error));
      QStringList marks;
      for (size_t i = 0; i <= journalcolumns::columns().size(); ++i)
        marks << "?";
      QVERIFY(reader.forEach(
          JournalFilter{{}, {}, 1, 6, 0, {}, {}, {}},
          [&](const JournalRecord &record) {
            QSqlQuery insert(db);
            insert.prepare(QString("INSERT INTO weigh_records (%1) VALUES (%2)")
                               .arg(journalschema::columnList(), marks.join(", ")));
            for (const journalcolumns::Column &column : journalcolumns::columns())
              insert.addBindValue(column.get(record));
            insert.addBindValue(record.mac);
            return insert.exec();
          },
          &error));
    }
    QSqlDatabase::removeDatabase("test-version1");
    CentralShipper shipper(uri, journal);
    shipper.start();
    QTRY_COMPARE_WITH_TIMEOUT(runRecords({"verify", "--central", uri, "--station", "legacy",
                                          "--key", journal + ".key", "--journal", journal})
                                  .out.section(',', 0, 0),
                              QString("journal intact: 10 records"), 30000);
    shipper.stop();
    Failure error;
    {
      QSqlDatabase db = centraldb::connect(uri, "test-version1-check", &error);
      QSqlQuery query(db);
      QVERIFY(
          query.exec("SELECT max(version), (SELECT count(*) FROM weigh_records WHERE "
                     "journal_id LIKE 'unclaimed:%') FROM weigh_schema_version"));
      QVERIFY(query.next());
      QCOMPARE(query.value(0).toInt(), centraldb::kSchemaVersion);  // through 2 to 3
      QCOMPARE(query.value(1).toInt(), 0);
    }
    QSqlDatabase::removeDatabase("test-version1-check");
  }

  // The site office checks a station's records with no file of the station:
  // the verification key its shipper sent is trusted once a person has
  // registered its fingerprint. The station's journal is then compared with
  // its central copy.
  void centralChecksTrustOnlyRegisteredKeys() {
    const QString journal = dir.filePath("office.sqlite");
    const QString key = dir.filePath("office.key");
    writeJournal(journal, key, "office", 5);
    {
      CentralShipper shipper(serverUri(), journal);
      shipper.start();
      QTRY_COMPARE_WITH_TIMEOUT(rowsOf("office").value(0).toLongLong(), qint64(5), 30000);
    }
    const QStringList check{"verify",
                            "--central",
                            serverUri(),
                            "--station",
                            "office",
                            "--journal",
                            dir.filePath("none.sqlite"),
                            "--key",
                            dir.filePath("none.key")};
    const RecordsRun unregistered = runRecords(check);
    QCOMPARE(unregistered.exitCode, 2);
    QVERIFY2(unregistered.err.contains("is not registered"), qPrintable(unregistered.err));

    const RecordsRun shown = runRecords({"verification-key", "--journal", journal, "--key", key});
    QCOMPARE(shown.exitCode, 0);
    const QString station = QRegularExpression("\nstation (.*)\n").match(shown.out).captured(1);
    const QString fingerprint =
        QRegularExpression("fingerprint ([0-9A-F-]{19})").match(shown.out).captured(1);
    QVERIFY2(!fingerprint.isEmpty(), qPrintable(shown.out));
    auto registerFor = [](const QString &name, const QString &print) {
      return runRecords({"central-register", "--central", serverUri(), "--station", name,
                         "--fingerprint", print});
    };
    const RecordsRun mistyped = registerFor("office", "0000-0000-0000-0000");
    QCOMPARE(mistyped.exitCode, 0);
    QVERIFY2(mistyped.out.contains("no verification key sent for station office matches it yet "
                                   "(sent: " +
                                   fingerprint + ")"),
             qPrintable(mistyped.out));
    // Registered for the key's own station, it vouches for that station,
    // not for the station asked about.
    QCOMPARE(registerFor(station, fingerprint).exitCode, 0);
    const RecordsRun otherStation = runRecords(check);
    QCOMPARE(otherStation.exitCode, 2);
    QVERIFY2(otherStation.err.contains("is not registered for station office"),
             qPrintable(otherStation.err));
    const RecordsRun matched = registerFor("office", fingerprint);
    QCOMPARE(matched.exitCode, 0);
    QVERIFY2(matched.out.contains("it is the verification key sent with journal " +
                                  journalIdOf(journal)),
             qPrintable(matched.out));
    const RecordsRun registered = runRecords(check);
    QCOMPARE(registered.exitCode, 0);
    QVERIFY2(registered.out.startsWith("journal intact: 5 records, seq 1..5"),
             qPrintable(registered.out + registered.err));

    const QStringList against{
        "verify", "--against-central", serverUri(), "--journal", journal, "--key", key};
    RecordsRun compared = runRecords(against);
    QCOMPARE(compared.exitCode, 0);
    QVERIFY2(compared.out.contains("central copy agrees: 5 records"), qPrintable(compared.out));
    central("UPDATE weigh_records SET total = total + 1 WHERE station = 'office' AND seq = 3");
    compared = runRecords(against);
    QCOMPARE(compared.exitCode, 1);
    QVERIFY2(compared.out.contains("seq 3: differs from the central copy"),
             qPrintable(compared.out));
    // One station's records; a station the journal has no record of.
    compared = runRecords(against + QStringList{"--station", "office"});
    QCOMPARE(compared.exitCode, 1);
    QVERIFY2(compared.out.contains("seq 3: differs from the central copy"),
             qPrintable(compared.out));
    compared = runRecords(against + QStringList{"--station", "elsewhere"});
    QCOMPARE(compared.exitCode, 2);
    QVERIFY2(compared.err.contains("holds no record of station elsewhere"),
             qPrintable(compared.err));
  }

  // A site's auditor checks every journal in the central database at once,
  // each by the key registered for its station, read straight from the
  // server: a changed row and a column of another type are found.
  void theWholeSiteIsCheckedByRegisteredKeys() {
    central("CREATE DATABASE wholesite");
    const QString site = serverUri(QStringLiteral("wholesite"));
    for (const QString &statement : centraldb::schemaSql())
      central(statement, site);
    QHash<QString, QString> journalIds;
    for (const QString station : {"east", "west"}) {
      const QString journal = dir.filePath(station + "-site.sqlite");
      writeJournal(journal, dir.filePath(station + "-site.key"), station, 12, 0, QString(), 0,
                   station);
      journalIds[station] = journalIdOf(journal);
      CentralShipper shipper(site, journal);
      shipper.start();
      QTRY_COMPARE_WITH_TIMEOUT(
          central(QStringLiteral("SELECT count(*) FROM weigh_records WHERE station = '%1'")
                      .arg(station),
                  site)
              .value(0)
              .value(0)
              .toLongLong(),
          qint64(12), 30000);
    }
    auto registerKey = [&](const QString &station) {
      const RecordsRun shown =
          runRecords({"verification-key", "--journal", dir.filePath(station + "-site.sqlite"),
                      "--key", dir.filePath(station + "-site.key")});
      const QString fingerprint =
          QRegularExpression("fingerprint ([0-9A-F-]{19})").match(shown.out).captured(1);
      QCOMPARE(runRecords({"central-register", "--central", site, "--station", station,
                           "--fingerprint", fingerprint})
                   .exitCode,
               0);
    };
    registerKey("east");
    const QStringList check{"verify", "--central", site};
    RecordsRun checked = runRecords(check);
    QCOMPARE(checked.exitCode, 2);
    QVERIFY2(checked.out.contains(
                 QStringLiteral("journal %1: journal intact: 12 records").arg(journalIds["east"])),
             qPrintable(checked.out));
    QVERIFY2(checked.err.contains(QStringLiteral("journal %1: cannot check: the verification key")
                                      .arg(journalIds["west"])) &&
                 checked.err.contains("is not registered for station west"),
             qPrintable(checked.err));
    registerKey("west");
    QCOMPARE(runRecords(check).exitCode, 0);

    central("UPDATE weigh_records SET s1_weight = s1_weight + 0.0001 WHERE seq = 4", site);
    checked = runRecords(check);
    QCOMPARE(checked.exitCode, 1);
    QVERIFY2(
        checked.out.contains(
            QStringLiteral("journal %1: seq 4: its seal does not match").arg(journalIds["east"])),
        qPrintable(checked.out));
    central("ALTER TABLE weigh_records ALTER COLUMN total TYPE numeric", site);
    checked = runRecords(check);
    QVERIFY(checked.exitCode != 0);
    QVERIFY2(
        !checked.out.contains("intact") &&
            (checked.out + checked.err).contains("the central column total is not of the type"),
        qPrintable(checked.out + checked.err));
    // A key of one's own names one station's journals.
    checked = runRecords(check + QStringList{"--key", dir.filePath("east-site.key")});
    QCOMPARE(checked.exitCode, 2);
    QVERIFY2(checked.err.contains("takes --station NAME or --journal-id ID"),
             qPrintable(checked.err));
  }

  // The chain is read in a snapshot of its own, never inside a caller's
  // transaction, which its end would end too.
  void theChainIsNotReadInsideATransaction() {
    {
      Failure error;
      QSqlDatabase db = centraldb::connect(serverUri(), "test-chain", &error);
      QVERIFY2(db.isOpen(), qPrintable(error.text()));
      const QString journal =
          central("SELECT journal_id FROM weigh_records LIMIT 1").value(0).value(0).toString();
      QVERIFY(!journal.isEmpty());
      qint64 read = 0;
      const ChainVisit count = [&read](JournalRecord &&, const QByteArray &) { return ++read > 0; };
      QVERIFY2(centralcopy::chainOf(db, journal)(0, count, &error), qPrintable(error.text()));
      QVERIFY(read > 0);
      QVERIFY(db.transaction());
      QVERIFY(!centralcopy::chainOf(db, journal)(0, count, &error));
      QCOMPARE(error.kind(), Failure::Kind::Refused);
      QVERIFY(db.rollback());
    }
    QSqlDatabase::removeDatabase("test-chain");
  }

  // libpq's options reach the server whole, spaces and all.
  void uriOptionsWithSpaces() {
    Failure error;
    {
      QSqlDatabase db = centraldb::connect(
          serverUri() + "?application_name=weigh%20station&options=-c%20statement_timeout%3D5000",
          "test-options", &error);
      QVERIFY2(db.isOpen(), qPrintable(error.text()));
      QSqlQuery query(db);
      QVERIFY(
          query.exec("SELECT current_setting('application_name'), "
                     "current_setting('statement_timeout')"));
      QVERIFY(query.next());
      QCOMPARE(query.value(0).toString(), QString("weigh station"));
      QCOMPARE(query.value(1).toString(), QString("5s"));
    }
    QSqlDatabase::removeDatabase("test-options");
  }

  // A record the server refuses in the middle of a batch is found, tried a
  // few times, reported and left behind; the records around it arrive.
  void aRecordRefusedInTheMiddleOfABatch() {
    {
      Failure error;
      QSqlDatabase db = centraldb::connect(serverUri(), "test-schema", &error);
      QVERIFY2(centraldb::ensureSchema(db, &error), qPrintable(error.text()));
    }
    QSqlDatabase::removeDatabase("test-schema");
    central(
        "ALTER TABLE weigh_records ADD CONSTRAINT refuse_one CHECK (station <> 'refusal' OR "
        "total_line <> 'GROSS TOTAL, lbs, 105') NOT VALID");
    const QString journal = dir.filePath("refusal.sqlite");
    writeJournal(journal, journal + ".key", "refusal", 12);
    auto shipper = std::make_unique<CentralShipper>(serverUri(), journal);
    QSignalSpy problems(shipper.get(), &CentralShipper::problem);
    QSignalSpy refusedRecords(shipper.get(), &CentralShipper::refusedRecord);
    QSignalSpy statuses(shipper.get(), &CentralShipper::status);
    shipper->start();
    QTRY_VERIFY_WITH_TIMEOUT(
        !statuses.isEmpty() && statuses.last().first().value<ShippingStatus>().shippedSeq == 12,
        30000);
    central("ALTER TABLE weigh_records DROP CONSTRAINT refuse_one");
    const QString seqsSql =
        "SELECT count(*), string_agg(seq::text, ',' ORDER BY seq) FROM "
        "weigh_records WHERE station = 'refusal'";
    QCOMPARE(central(seqsSql).value(0), (QVariantList{qint64(11), "1,2,3,4,6,7,8,9,10,11,12"}));
    QCOMPARE(problems.size(), 1);
    const Failure refused = problems.first().first().value<Failure>();
    QVERIFY2(refused.text().startsWith("central records: seq 5 refused: "),
             qPrintable(refused.text()));
    QCOMPARE(refused.kind(), Failure::Kind::Refused);
    QCOMPARE(refused.seq(), qint64(5));
    // Said to the operator once, and named by the comparison with the copy.
    QCOMPARE(refusedRecords.size(), 1);
    QCOMPARE(refusedRecords.first().first().value<Failure>().seq(), qint64(5));
    const QStringList against{"verify", "--against-central", serverUri(), "--journal", journal,
                              "--key",  journal + ".key"};
    RecordsRun compared = runRecords(against);
    QCOMPARE(compared.exitCode, 1);
    QVERIFY2(compared.out.contains("seq 5: not in the central copy"), qPrintable(compared.out));
    // The central side mended: the next start ships it.
    QVERIFY(shipper->stop());
    shipper = std::make_unique<CentralShipper>(serverUri(), journal);
    shipper->start();
    QTRY_COMPARE_WITH_TIMEOUT(central(seqsSql).value(0).value(0).toLongLong(), qint64(12), 30000);
    QVERIFY(shipper->stop());
    QCOMPARE(tamperJournal(journal, "SELECT count(*) FROM central_set_aside"), QVariant(0));
    compared = runRecords(against);
    QCOMPARE(compared.exitCode, 0);
  }

  // A failure that passes (a statement timeout, a serialization failure)
  // is tried again until it goes: no record is ever given up for it.
  void passingFailuresAreTriedAgain_data() {
    QTest::addColumn<QString>("sqlState");
    QTest::newRow("statement timeout") << "57014";
    QTest::newRow("serialization failure") << "40001";
  }
  void passingFailuresAreTriedAgain() {
    QFETCH(QString, sqlState);
    {
      Failure error;
      QSqlDatabase db = centraldb::connect(serverUri(), "test-schema", &error);
      QVERIFY2(centraldb::ensureSchema(db, &error), qPrintable(error.text()));
    }
    QSqlDatabase::removeDatabase("test-schema");
    const QString station = QStringLiteral("passing-%1").arg(sqlState);
    central(
        "CREATE TABLE IF NOT EXISTS passing_until (station text PRIMARY KEY, until "
        "timestamptz NOT NULL, code text NOT NULL)");
    central(
        "CREATE OR REPLACE FUNCTION pass_later() RETURNS trigger AS $$ DECLARE failing text; "
        "BEGIN SELECT code INTO failing FROM passing_until WHERE station = NEW.station AND "
        "clock_timestamp() < until; IF NEW.seq = 4 AND failing IS NOT NULL THEN RAISE EXCEPTION "
        "'not now' USING ERRCODE = failing; END IF; RETURN NEW; END $$ LANGUAGE plpgsql");
    central("DROP TRIGGER IF EXISTS pass_later ON weigh_records");
    central(
        "CREATE TRIGGER pass_later BEFORE INSERT ON weigh_records FOR EACH ROW EXECUTE "
        "FUNCTION pass_later()");
    central(QStringLiteral("INSERT INTO passing_until VALUES ('%1', clock_timestamp() + interval "
                           "'4 seconds', '%2')")
                .arg(station, sqlState));
    const QString journal = dir.filePath(station + ".sqlite");
    writeJournal(journal, journal + ".key", station, 8);
    CentralShipper shipper(serverUri(), journal);
    QSignalSpy problems(&shipper, &CentralShipper::problem);
    QSignalSpy refusedRecords(&shipper, &CentralShipper::refusedRecord);
    shipper.start();
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf(station), (QVariantList{8, 1, 8}), 30000);
    QCOMPARE(problems.size(), 0);
    QCOMPARE(refusedRecords.size(), 0);
  }

  // A URI the shipper cannot use as written ships nothing, ever: not
  // without its TLS setting, not to libpq's default server.
  void aRefusedUriShipsNothing_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("station");
    QTest::newRow("a ';' beside TLS") << serverUri() + "?sslmode=verify-full&application_name=a%3Bb"
                                      << "refused-tls";
    QTest::newRow("another scheme, with libpq's defaults set") << "http://db.example.invalid/w"
                                                               << "refused-scheme";
  }
  void aRefusedUriShipsNothing() {
    QFETCH(QString, uri);
    QFETCH(QString, station);
    const QString journal = dir.filePath(station + ".sqlite");
    writeJournal(journal, journal + ".key", station, 5);
    CentralShipper shipper(uri, journal);
    QSignalSpy problems(&shipper, &CentralShipper::problem);
    shipper.start();
    QVERIFY(problems.wait(5000));
    QVERIFY2(problems.first().first().value<Failure>().text().startsWith("WEIGHSTATION_CENTRAL"),
             qPrintable(problems.first().first().value<Failure>().text()));
    QTest::qWait(2500);
    QCOMPARE(rowsOf(station).value(0).toLongLong(), qint64(0));
    // The settings command says so too.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WEIGHSTATION_CENTRAL", uri);
    const RecordsRun settings = runRecords({"settings"}, environment);
    QCOMPARE(settings.exitCode, 1);
    QVERIFY2(settings.err.contains("nothing is shipped"), qPrintable(settings.err));
  }

  // A server that stops answering in the middle of a statement does not
  // hold the monitor's exit: every record is in the journal all the same.
  void theMonitorEndsWhileTheServerDoesNotAnswer() {
    Simulator sim;
    QVERIFY(sim.start({"weight=111", "weight=222", "weight=333"}));
    QTemporaryDir run;
    QProcessEnvironment env = monitorEnvironment(sim, run, "records", "frozen",
                                                 serverUri() + "?application_name=frozen-monitor");
    env.insert("E2E_RECORDS", "30");
    env.insert("E2E_RECORD_GAP_MS", "150");
    QProcess monitor;
    monitor.setProcessEnvironment(env);
    monitor.start(qEnvironmentVariable("TEST_MONITOR_BIN"), {});
    QTRY_VERIFY_WITH_TIMEOUT(rowsOf("frozen").value(0).toLongLong() >= 3, 30000);
    const qint64 backend =
        central("SELECT pid FROM pg_stat_activity WHERE application_name = 'frozen-monitor'")
            .value(0)
            .value(0)
            .toLongLong();
    QVERIFY(backend > 0);
    ::kill(pid_t(backend), SIGSTOP);
    const bool ended = monitor.waitForFinished(40000);
    ::kill(pid_t(backend), SIGCONT);
    if (!ended) {
      monitor.kill();
      monitor.waitForFinished();
    }
    QVERIFY2(ended, "the monitor waited for a server that did not answer");
    QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor.exitCode(), 0);
    const RecordsRun local = runRecords({"verify", "--journal", run.filePath("journal.sqlite"),
                                         "--key", run.filePath("journal.key")});
    QCOMPARE(local.exitCode, 0);
    QVERIFY2(local.out.startsWith("journal intact: 30 records"), qPrintable(local.out));
  }

  // The monitor's process as the fault was met: records taken, a backlog
  // shipping, a file dialog sniffing the journal's files' types, and another
  // process listing the journal. With SQLite's plain record locks this
  // process died of SIGBUS within a second of the listing; it must live,
  // and every record must be in the journal and shipped.
  void sniffedJournalFilesWhileShippingAndListing() {
    const QString journal = dir.filePath("sniffed.sqlite");
    writeJournal(journal, journal + ".key", "sniffed", 50000);
    RecordJournal writer(journal, journal + ".key", "sniffed-writer");
    CentralShipper shipper(serverUri(), journal);
    shipper.start();
    Failure error;
    qint64 taken = 0;
    QTimer records, sniff;
    connect(&records, &QTimer::timeout, this, [&] {
      JournalRecord record;
      record.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
      record.station = "sniffed";
      record.block = "\r\nblock\r\n";
      record.totalSign = "+";
      if (writer.append(record, &error) > 0)
        ++taken;
    });
    connect(&sniff, &QTimer::timeout, this, [&] {
      for (const char *suffix : {"", "-wal", "-shm"})
        QMimeDatabase().mimeTypeForFile(journal + suffix);
    });
    records.start(100);
    sniff.start(50);
    for (int n = 0; n < 20; ++n) {
      QProcess list;
      list.start(qEnvironmentVariable("TEST_RECORDS_BIN"),
                 {"list", "--journal", journal, "--last", "1"});
      while (list.state() != QProcess::NotRunning)
        QTest::qWait(20);
      QCOMPARE(list.exitCode(), 0);
      QTest::qWait(300);
    }
    records.stop();
    sniff.stop();
    QVERIFY2(taken > 20, qPrintable(error.text()));
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf("sniffed").value(0).toLongLong(), qint64(50000 + taken),
                              60000);
  }
};

QTEST_GUILESS_MAIN(CentralTest)
#include "tst_central.moc"
