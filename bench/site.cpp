// A site's figures: many stations shipping to one PostgreSQL and
// publishing to one broker at once, each figure a ratio to its goal or to
// one station alone measured in the same run. Run it under pg_virtualenv,
// which starts the server (the broker it starts itself):
//
//   pg_virtualenv -v 15 build/bench/site [STATIONS [RECORDS]]   (default 50 and 20,000)
//
// - a backlog of RECORDS records in each of STATIONS journals, drained by
//   as many shippers and publishers in this process at once, while every
//   station takes a record a second: the central ingest rate against one
//   station's drain alone (a floor of 0.5: fifty stations share the
//   server without falling below half of one station's rate);
// - then, the backlogs in, every station taking a record a second for 20 s:
//   each record's way from its journal commit to its central commit (p99,
//   goal 100 ms) and to an MQTT subscriber (p99, goal 200 ms);
// - `verify --central` of every journal in the central copy at once, each
//   by its station's registered key, against a plain SELECT * of the same
//   rows (a floor of 0.5).
#include <libpq-fe.h>
#include <mosquitto.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QJsonDocument>
#include <QMutex>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <vector>

#include "central/centraldb.h"
#include "central/shipper.h"
#include "failure/failure.h"
#include "figureline.h"
#include "journal/signingkeys.h"
#include "journalbuilder.h"
#include "mosquittobroker.h"
#include "publishing/mqttpublisher.h"

namespace {
void phase(const QString &what) {
  std::fprintf(stderr, "site figures: %s\n", qPrintable(what));
}

QString serverUri() {
  return QStringLiteral("postgresql://%1@%2:%3/%4")
      .arg(qEnvironmentVariable("PGUSER"), qEnvironmentVariable("PGHOST"),
           qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE"));
}

QString stationName(int n) {
  return QStringLiteral("site-%1").arg(n, 2, 10, QLatin1Char('0'));
}

// One libpq connection for the counting.
qint64 centralRows(const char *where = "true") {
  static PGconn *conn = PQconnectdb("");
  const QByteArray sql = QByteArray("SELECT count(*) FROM weigh_records WHERE ") + where;
  PGresult *result = PQexec(conn, sql.constData());
  const qint64 rows = PQresultStatus(result) == PGRES_TUPLES_OK
                          ? QByteArray(PQgetvalue(result, 0, 0)).toLongLong()
                          : -1;
  PQclear(result);
  return rows;
}

// A subscriber of every station's records: when each arrived, by
// "<station>/<seq>".
class Listener {
 public:
  explicit Listener(int port) {
    client_ = mosquitto_new(nullptr, true, this);
    mosquitto_message_callback_set(client_, [](mosquitto *, void *self,
                                               const mosquitto_message *m) {
      auto *listener = static_cast<Listener *>(self);
      const qint64 at = QDateTime::currentMSecsSinceEpoch();
      const QJsonDocument json =
          QJsonDocument::fromJson(QByteArray(static_cast<const char *>(m->payload), m->payloadlen));
      const QString key =
          QStringLiteral("%1/%2").arg(json["station"].toString()).arg(json["seq"].toInteger());
      QMutexLocker lock(&listener->lock_);
      listener->arrived_.insert(key, at);
    });
    mosquitto_connect(client_, "127.0.0.1", port, 30);
    mosquitto_subscribe(client_, nullptr, "site/+/record", 1);
    mosquitto_loop_start(client_);
    QThread::msleep(200);
  }
  ~Listener() {
    mosquitto_disconnect(client_);
    mosquitto_loop_stop(client_, false);
    mosquitto_destroy(client_);
  }
  qint64 count() {
    QMutexLocker lock(&lock_);
    return arrived_.size();
  }
  qint64 at(const QString &key) {
    QMutexLocker lock(&lock_);
    return arrived_.value(key, -1);
  }

 private:
  mosquitto *client_ = nullptr;
  QMutex lock_;  // protects arrived_
  QHash<QString, qint64> arrived_;
};

// A station of the run: its journal (a copy of a kept one), its live
// writer, its shipper and publisher.
struct Station {
  QString name;
  QString journal;
  QString key;
  std::unique_ptr<RecordJournal> live;
  std::unique_ptr<CentralShipper> shipper;
  std::unique_ptr<MqttPublisher> publisher;
  qint64 next = 0;
};

// The site's journals, each with its own key, filled with a backlog of
// `records` by the tests' loader (fast, the head advanced once at the end).
void prepare(const QString &runDir, int stations, qint64 records, std::vector<Station> *site) {
  for (int n = 0; n < stations; ++n) {
    Station station;
    station.name = stationName(n);
    const QString folder = QStringLiteral("%1/%2").arg(runDir, station.name);
    QDir().mkpath(folder);
    station.journal = folder + QStringLiteral("/journal.sqlite");
    station.key = folder + QStringLiteral("/journal.key");
    fillJournal(station.journal, station.key, records, station.name);
    station.next = records + 1;
    site->push_back(std::move(station));
  }
}

MqttTarget targetOf(int port, const QString &station) {
  MqttTarget target;
  target.host = QStringLiteral("127.0.0.1");
  target.port = port;
  target.prefix = QStringLiteral("site/") + station;
  target.station = station;
  return target;
}

// How long every station takes a record a second once the backlogs are in.
constexpr int kSteadySeconds = 20;

struct Drained {
  double seconds = 0;
  std::vector<double> centralMs;
  std::vector<double> mqttMs;
};

// Every station's backlog drained to the server and the broker while each
// takes a record a second; the live records' ways timed.
Drained drain(std::vector<Station> &site, qint64 records, int port, Listener &listener) {
  const qint64 backlog = records * qint64(site.size());
  std::vector<std::pair<QString, qint64>> committed;  // "<station>/<seq>", ms
  QElapsedTimer clock;
  clock.start();
  for (Station &station : site) {
    station.live = std::make_unique<RecordJournal>(station.journal, station.key,
                                                   QStringLiteral("site-live-") + station.name);
    station.shipper = std::make_unique<CentralShipper>(serverUri(), station.journal);
    station.publisher =
        std::make_unique<MqttPublisher>(targetOf(port, station.name), station.journal);
    station.shipper->start();
    station.publisher->start();
  }
  // A record a second a station, spread over the second: first while the
  // backlog drains (its rate), then for kSteadySeconds with nothing else
  // waiting (the live records' ways are timed there).
  const int gapMs = qMax(1, 1000 / int(site.size()));
  size_t turn = 0;
  qint64 live = 0;
  Failure failure;
  auto takeOne = [&](bool timed) {
    Station &station = site[turn++ % site.size()];
    JournalRecord record = benchRecord(station.next);
    record.station = station.name;
    const qint64 seq = station.live->append(record, &failure);
    if (seq <= 0)
      return;
    if (timed)
      committed.push_back({QStringLiteral("%1/%2").arg(station.name).arg(seq),
                           QDateTime::currentMSecsSinceEpoch()});
    ++station.next;
    ++live;
  };
  auto allArrived = [&] {
    return centralRows() >= backlog + live && listener.count() >= backlog + live;
  };
  // Looked at every 10 ms; a record taken whenever one is due.
  qint64 due = 0;
  while (!allArrived() && clock.elapsed() < 30 * 60 * 1000) {
    for (; due <= clock.elapsed(); due += gapMs)
      takeOne(false);
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  const double drainSeconds = clock.nsecsElapsed() / 1e9;
  QElapsedTimer steady;
  steady.start();
  for (due = 0; steady.elapsed() < kSteadySeconds * 1000;) {
    for (; due <= steady.elapsed(); due += gapMs)
      takeOne(true);
    QCoreApplication::processEvents();
    QThread::msleep(2);
  }
  while (!allArrived() && steady.elapsed() < (kSteadySeconds + 30) * 1000) {
    QCoreApplication::processEvents();
    QThread::msleep(20);
  }
  Drained drained;
  drained.seconds = drainSeconds;
  // The live records' central commits, by received_at.
  QHash<QString, double> received;
  {
    PGconn *conn = PQconnectdb("");
    PGresult *result = PQexec(
        conn, QStringLiteral("SELECT station || '/' || seq, extract(epoch FROM received_at) * 1000 "
                             "FROM weigh_records WHERE seq > %1")
                  .arg(records)
                  .toUtf8()
                  .constData());
    for (int row = 0; row < PQntuples(result); ++row)
      received.insert(QString::fromUtf8(PQgetvalue(result, row, 0)),
                      QByteArray(PQgetvalue(result, row, 1)).toDouble());
    PQclear(result);
    PQfinish(conn);
  }
  for (const auto &[key, at] : committed) {
    if (received.contains(key))
      drained.centralMs.push_back(std::max(0.0, received.value(key) - double(at)));
    if (const qint64 arrived = listener.at(key); arrived >= 0)
      drained.mqttMs.push_back(std::max(0.0, double(arrived - at)));
  }
  for (Station &station : site) {
    station.shipper->stop();
    station.publisher->stop();
  }
  return drained;
}

// Seconds of the records command checking every journal in the central
// copy at once, as a site's auditor does, each by the verification key
// registered for its station (registered first, as a person would).
double verifySeconds(const std::vector<Station> &site, const QString &records) {
  {
    Failure failure;
    QSqlDatabase db = centraldb::connect(serverUri(), QStringLiteral("site-register"), &failure);
    for (const Station &station : site) {
      signingkeys::VerificationKey key;
      Failure why;
      if (!signingkeys::readVerificationKey(signingkeys::verificationKeyPathFor(station.key), &key,
                                            &why) ||
          !centraldb::registerFingerprint(db, station.name, key.fingerprint(), &failure))
        std::fprintf(stderr, "cannot register %s: %s%s\n", qPrintable(station.name),
                     qPrintable(why.text()), qPrintable(failure.text()));
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("site-register"));
  QElapsedTimer clock;
  clock.start();
  QProcess verify;
  verify.start(records, {QStringLiteral("verify"), QStringLiteral("--central"), serverUri()});
  verify.waitForFinished(-1);
  const double seconds = clock.nsecsElapsed() / 1e9;
  if (verify.exitCode() != 0)
    std::fprintf(stderr, "verify --central: exit %d: %s%s\n", verify.exitCode(),
                 verify.readAllStandardOutput().left(600).constData(),
                 verify.readAllStandardError().left(300).constData());
  return seconds;
}

// Seconds of a plain SELECT * of every central row, read to the end.
double selectSeconds() {
  PGconn *conn = PQconnectdb("");
  QElapsedTimer clock;
  clock.start();
  PQsendQuery(conn, "SELECT * FROM weigh_records");
  PQsetSingleRowMode(conn);
  while (PGresult *result = PQgetResult(conn))
    PQclear(result);
  const double seconds = clock.nsecsElapsed() / 1e9;
  PQfinish(conn);
  return seconds;
}

void emptyTheServer() {
  PGconn *owner = PQconnectdb("");
  PQclear(PQexec(owner, "SET client_min_messages TO warning"));
  PQclear(PQexec(owner,
                 "DROP TABLE IF EXISTS weigh_records, weigh_epoch_keys, "
                 "weigh_journal_owners, weigh_registered_keys, weigh_schema_version CASCADE"));
  for (const QString &statement : centraldb::schemaSql())
    PQclear(PQexec(owner, statement.toUtf8().constData()));
  PQfinish(owner);
}
}  // namespace

int main(int argc, char **argv) {
  QCoreApplication application(argc, argv);
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  if (qEnvironmentVariable("PGPORT").isEmpty()) {
    std::fprintf(stderr, "run under pg_virtualenv -v 15, which starts a server\n");
    return 2;
  }
  const int stations = argc > 1 ? QByteArray(argv[1]).toInt() : 50;
  const qint64 records = argc > 2 ? QByteArray(argv[2]).toLongLong() : 20000;
  const QString benchDir = QCoreApplication::applicationDirPath();
  const QString recordsCommand = benchDir + QStringLiteral("/../weighstation-records");
  mosquitto_lib_init();
  MosquittoBroker broker;
  QString why;
  if (!broker.start(MosquittoBroker::Access::Anonymous, &why,
                    QStringLiteral("max_queued_messages 0\nmax_inflight_messages 0\n"))) {
    std::fprintf(stderr, "cannot start mosquitto: %s\n", qPrintable(why));
    return 2;
  }
  QTemporaryDir dir;

  phase(QStringLiteral("one station alone"));
  emptyTheServer();
  std::vector<Station> alone;
  prepare(dir.filePath(QStringLiteral("alone")), 1, records, &alone);
  Drained one;
  {
    Listener aloneListener(broker.port());
    one = drain(alone, records, broker.port(), aloneListener);
  }
  alone.clear();

  phase(QStringLiteral("%1 stations at once").arg(stations));
  emptyTheServer();
  phase(QStringLiteral("building %1 journals of %2 records").arg(stations).arg(records));
  std::vector<Station> site;
  prepare(dir.filePath(QStringLiteral("site")), stations, records, &site);
  Listener siteListener(broker.port());
  const Drained all = drain(site, records, broker.port(), siteListener);

  phase(QStringLiteral("verify --central of every journal, and a plain SELECT *"));
  const double verify = verifySeconds(site, recordsCommand);
  const double select = selectSeconds();
  const qint64 rows = centralRows();

  std::printf(
      "weighstation site figures (%d stations x %lld records, PostgreSQL on %s:%s, "
      "mosquitto on 127.0.0.1:%d)\n",
      stations, static_cast<long long>(records), qPrintable(qEnvironmentVariable("PGHOST")),
      qPrintable(qEnvironmentVariable("PGPORT")), broker.port());
  const double oneRate = double(records) / one.seconds;
  const double siteRate = double(records) * stations / all.seconds;
  line("central ingest, all stations at once", siteRate, "/s", 0.5 * oneRate,
       "0.5 x one station's drain alone");
  line("journal commit to central commit, p99, one station", percentile(one.centralMs, 0.99), "ms",
       100, "100 ms");
  line("journal commit to central commit, p99, all stations", percentile(all.centralMs, 0.99), "ms",
       100, "100 ms");
  line("journal commit to MQTT subscriber, p99, all stations", percentile(all.mqttMs, 0.99), "ms",
       200, "200 ms");
  line("verify --central of every journal", double(rows) / verify, "/s", 0.5 * rows / select,
       "0.5 x a plain SELECT * of the same rows");
  std::printf(
      "(%zu and %zu live records timed; one station drained in %.1f s, all in %.1f s; "
      "verify took %.1f s, SELECT * %.2f s over %lld rows)\n",
      all.centralMs.size(), all.mqttMs.size(), one.seconds, all.seconds, verify, select,
      static_cast<long long>(rows));
  mosquitto_lib_cleanup();
  return 0;
}
