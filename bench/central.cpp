// Figures of shipping records to the site's central PostgreSQL, each as a
// ratio measured in the same run, against a real server; run it under
// pg_virtualenv, which starts a throwaway one:
//
//   pg_virtualenv -v 15 build/bench/central [RECORDS]    (default 100,000)
//
// - a backlog of RECORDS journal records drained by the shipper, in records
//   a second, against a plain COPY of the same rows by this process
//   (target at least 0.2 of it);
// - the same backlog drained while the monitor takes a record every 100 ms,
//   against the drain above (target at least 0.8 of it: progress does not
//   hang on the record rate);
// - with the server up, the time from a record's commit in the journal to
//   its commit centrally, median and 99th percentile (target p99 under 50 ms:
//   the shipper wakes on the journal's commit).
#include <libpq-fe.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <vector>

#include "central/centraldb.h"
#include "central/shipper.h"
#include "figureline.h"
#include "journalbuilder.h"

namespace {
QString serverUri() {
  return QStringLiteral("postgresql://%1@%2:%3/%4")
      .arg(qEnvironmentVariable("PGUSER"), qEnvironmentVariable("PGHOST"),
           qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE"));
}

// One connection for the counting, made once.
qint64 centralCount(const QString &station) {
  static QSqlDatabase db;
  if (!db.isOpen()) {
    Failure error;
    db = centraldb::connect(serverUri(), QStringLiteral("bench-count"), &error);
  }
  QSqlQuery query(db);
  if (query.exec(
          QStringLiteral("SELECT max(seq) FROM weigh_records WHERE station = '%1'").arg(station)) &&
      query.next())
    return query.value(0).toLongLong();
  return 0;
}

// Seconds of a COPY of the journal's rows into a table shaped like the
// central one, by this process through libpq.
double copySeconds(const QString &journal) {
  JournalReader reader(journal, QStringLiteral("bench-copy-read"));
  Failure error;
  reader.open(&error);
  QByteArray payload;
  reader.forEach(
      {},
      [&payload](const JournalRecord &record) {
        payload += centraldb::copyLine(record, QStringLiteral("bench-copy"));
        return true;
      },
      &error);
  PGconn *conn = PQconnectdb("");  // the PG* variables of pg_virtualenv
  PQclear(PQexec(conn, "SET client_min_messages TO warning"));
  PQclear(PQexec(conn, "DROP TABLE IF EXISTS weigh_copy"));
  PQclear(PQexec(conn, "CREATE TABLE weigh_copy (LIKE weigh_records INCLUDING ALL)"));
  QElapsedTimer clock;
  clock.start();
  const QByteArray copy = "COPY weigh_copy (" + centraldb::columnList().toUtf8() + ") FROM STDIN";
  PQclear(PQexec(conn, copy.constData()));
  PQputCopyData(conn, payload.constData(), int(payload.size()));
  PQputCopyEnd(conn, nullptr);
  PGresult *result = PQgetResult(conn);
  const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
  PQclear(result);
  const double seconds = clock.nsecsElapsed() / 1e9;
  if (!ok)
    std::fprintf(stderr, "COPY failed: %s\n", PQerrorMessage(conn));
  PQfinish(conn);
  return seconds;
}

// Seconds the shipper takes to drain a backlog of `records` records of
// `station` from the journal at `path` while, with `recordEveryMs`, this
// thread takes a record that often, as the monitor would.
double drainSeconds(const QString &path, const QString &key, const QString &station, qint64 records,
                    int recordEveryMs) {
  fillJournal(path, key, records, station);
  RecordJournal live(path, key, QStringLiteral("bench-live"));
  QElapsedTimer clock;
  clock.start();
  CentralShipper shipper(serverUri(), path);
  shipper.start();
  Failure error;
  qint64 taken = 0;
  while (centralCount(station) < records) {
    if (recordEveryMs > 0) {
      JournalRecord record = benchRecord(records + ++taken);
      record.station = station;
      live.append(record, &error);
      QThread::msleep(recordEveryMs);
    } else {
      QThread::msleep(200);
    }
  }
  const double seconds = clock.nsecsElapsed() / 1e9;
  shipper.stop();
  return seconds;
}

// Milliseconds from each record's commit in the journal to its commit
// centrally (the central row's received_at), with the shipper running.
std::vector<double> latenciesMs(const QString &journalPath, const QString &key, int records) {
  RecordJournal journal(journalPath, key, QStringLiteral("bench-latency"));
  CentralShipper shipper(serverUri(), journalPath);
  Failure error;
  JournalRecord first = benchRecord(0);
  first.station = QStringLiteral("latency");
  journal.append(first, &error);
  shipper.start();
  // Timed from the first record's arrival on: the shipper has connected.
  QElapsedTimer connecting;
  connecting.start();
  while (centralCount(QStringLiteral("latency")) < 1 && connecting.elapsed() < 30000)
    QThread::msleep(10);
  std::vector<std::pair<qint64, qint64>> committed;  // seq, ms since the epoch
  for (int n = 1; n <= records; ++n) {
    JournalRecord record = benchRecord(n);
    record.station = QStringLiteral("latency");
    const qint64 seq = journal.append(record, &error);
    committed.push_back({seq, QDateTime::currentMSecsSinceEpoch()});
    QThread::msleep(50);
  }
  QElapsedTimer wait;
  wait.start();
  while (centralCount(QStringLiteral("latency")) < records + 1 && wait.elapsed() < 60000)
    QThread::msleep(100);
  shipper.stop();
  std::vector<double> ms;
  {
    QSqlDatabase db = centraldb::connect(serverUri(), QStringLiteral("bench-latency-read"), &error);
    QSqlQuery query(db);
    query.exec(
        QStringLiteral("SELECT seq, extract(epoch FROM received_at) * 1000 FROM weigh_records "
                       "WHERE station = 'latency'"));
    QHash<qint64, double> received;
    while (query.next())
      received.insert(query.value(0).toLongLong(), query.value(1).toDouble());
    for (const auto &[seq, at] : committed) {
      if (received.contains(seq))
        ms.push_back(std::max(0.0, received.value(seq) - double(at)));
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("bench-latency-read"));
  return ms;
}
}  // namespace

int main(int argc, char **argv) {
  QCoreApplication application(argc, argv);
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  if (qEnvironmentVariable("PGPORT").isEmpty()) {
    std::fprintf(stderr, "run under pg_virtualenv -v 15, which starts a server\n");
    return 2;
  }
  const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
  {
    // The database's owner makes the tables (an error: they are there).
    PGconn *owner = PQconnectdb("");
    PQclear(PQexec(owner, "SET client_min_messages TO warning"));
    for (const QString &statement : centraldb::schemaSql())
      PQclear(PQexec(owner, statement.toUtf8().constData()));
    PQfinish(owner);
  }
  QTemporaryDir dir;
  // A key seals one journal: each journal here has its own.
  const QString backlog = dir.filePath(QStringLiteral("backlog.sqlite"));
  const double drainIdle =
      drainSeconds(backlog, backlog + QStringLiteral(".key"), QStringLiteral("bench"), records, 0);
  const QString busy = dir.filePath(QStringLiteral("busy.sqlite"));
  const double drainBusy =
      drainSeconds(busy, busy + QStringLiteral(".key"), QStringLiteral("busy"), records, 100);
  const double copy = copySeconds(backlog);
  const std::vector<double> latency = latenciesMs(dir.filePath(QStringLiteral("live.sqlite")),
                                                  dir.filePath(QStringLiteral("live.key")), 200);

  std::printf("weighstation central records figures (%lld records, PostgreSQL on %s:%s)\n",
              static_cast<long long>(records), qPrintable(qEnvironmentVariable("PGHOST")),
              qPrintable(qEnvironmentVariable("PGPORT")));
  line("backlog drained by the shipper", records / drainIdle, "/s", 0.2 * records / copy,
       "0.2 x a plain COPY of the same rows");
  line("backlog drained while a record is taken every 100 ms", records / drainBusy, "/s",
       0.8 * records / drainIdle, "0.8 x the drain without records");
  line("journal commit to central commit, median", percentile(latency, 0.5), "ms", 50, "50 ms");
  line("journal commit to central commit, p99", percentile(latency, 0.99), "ms", 50, "50 ms");
  std::printf("(%zu latency samples; COPY took %.2f s)\n", latency.size(), copy);
  return 0;
}
