// Live publishing figures, each a ratio to its limit or a baseline measured
// in the same run, against a mosquitto broker this program starts: a
// reading's way from the display to a subscriber, a record's from the
// journal's commit to a subscriber, the drain of a backlog against a raw
// client publishing the same payloads, and the monitor's processor time
// with three streaming scales, publishing or not.
#include <mosquitto.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <csignal>
#include <vector>

#include "figureline.h"
#include "journal/journal.h"
#include "journal/journalreader.h"
#include "journalloader.h"
#include "mosquittobroker.h"
#include "publishing/livepayloads.h"
#include "publishing/mqttpublisher.h"

namespace {
qint64 nowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void phase(const char *what) {
  std::fprintf(stderr, "mqtt figures: %s\n", what);
}

JournalRecord benchRecord(qint64 n) {
  JournalRecord r;
  r.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
  r.timeText = QStringLiteral("1:00:00 pm");
  r.dateText = QStringLiteral("12/08/2026");
  r.station = QStringLiteral("bench");
  r.total = 1000.0002 + double(n);
  r.totalSign = QStringLiteral("+");
  r.totalUnit = QStringLiteral("kg");
  r.netGross = QStringLiteral("GROSS");
  r.totalLine = QStringLiteral("GROSS TOTAL, kg, %1").arg(1000 + n);
  r.block = "\r\nblock\r\n";
  r.scales[0] = {true, QStringLiteral("ttyUSB0"), 0, 1000.0001 + double(n),
                 0,    1000.0001 + double(n),     0};
  r.program = QStringLiteral("weighstation");
  r.version = QStringLiteral("1.0.0");
  return r;
}

// A subscriber inside this process (libmosquitto's own thread): when each
// message arrived, by a key taken from its payload.
class Listener {
 public:
  Listener(int port, const QString &topic, const char *key) : key_(key) {
    client_ = mosquitto_new(nullptr, true, this);
    mosquitto_message_callback_set(client_, [](mosquitto *, void *self,
                                               const mosquitto_message *m) {
      auto *listener = static_cast<Listener *>(self);
      const qint64 at = nowUs();
      const QJsonDocument json =
          QJsonDocument::fromJson(QByteArray(static_cast<const char *>(m->payload), m->payloadlen));
      QMutexLocker lock(&listener->lock_);
      listener->arrived_.insert(json[listener->key_].toInteger(), at);
    });
    mosquitto_connect(client_, "127.0.0.1", port, 30);
    mosquitto_subscribe(client_, nullptr, topic.toUtf8().constData(), 1);
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
  QHash<qint64, qint64> arrived() {
    QMutexLocker lock(&lock_);
    return arrived_;
  }

 private:
  const char *key_;
  mosquitto *client_ = nullptr;
  QMutex lock_;
  QHash<qint64, qint64> arrived_;
};

bool waitFor(const std::function<bool()> &done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms)
      return false;
    QCoreApplication::processEvents();
    QThread::msleep(2);
  }
  return true;
}

MqttTarget targetOf(int port, const QString &prefix) {
  MqttTarget target;
  target.host = QStringLiteral("127.0.0.1");
  target.port = port;
  target.prefix = prefix;
  return target;
}

// Milliseconds from offering a reading (as the tick does) to a subscriber.
std::vector<double> readingLatencies(int port, const QString &journal) {
  Listener listener(port, QStringLiteral("bench/readings/scale/1/reading"), "value");
  MqttPublisher publisher(targetOf(port, QStringLiteral("bench/readings")), journal);
  publisher.start();
  QThread::msleep(500);
  QHash<qint64, qint64> offered;
  for (int n = 1; n <= 300; ++n) {
    LiveReadings readings;
    std::array<int, 7> digits{};
    for (int k = 6, v = n; k >= 0; --k, v /= 10)
      digits[size_t(k)] = v % 10;
    readings.scales[0] = livepayloads::scaleReading(true, "+", digits, 0, "kg", "GROSS");
    offered.insert(n, nowUs());
    publisher.offerReadings(readings);
    QThread::msleep(30);  // a tick
  }
  waitFor([&] { return listener.count() >= 300; }, 5000);
  publisher.stop();
  std::vector<double> ms;
  const QHash<qint64, qint64> arrived = listener.arrived();
  for (auto at = arrived.cbegin(); at != arrived.cend(); ++at) {
    if (offered.contains(at.key()))
      ms.push_back(double(at.value() - offered.value(at.key())) / 1000.0);
  }
  return ms;
}

// Milliseconds from each record's commit to a subscriber.
std::vector<double> recordLatencies(int port, const QString &journal) {
  Listener listener(port, QStringLiteral("bench/live/record"), "seq");
  RecordJournal writer(journal, journal + QStringLiteral(".key"), QStringLiteral("bench-live"));
  Failure failure;
  JournalRecord first = benchRecord(0);
  writer.append(first, &failure);
  MqttPublisher publisher(targetOf(port, QStringLiteral("bench/live")), journal);
  publisher.start();
  waitFor([&] { return listener.count() >= 1; }, 10000);
  QHash<qint64, qint64> committed;
  for (int n = 1; n <= 200; ++n) {
    JournalRecord record = benchRecord(n);
    const qint64 seq = writer.append(record, &failure);
    committed.insert(seq, nowUs());
    QThread::msleep(50);
  }
  waitFor([&] { return listener.count() >= 201; }, 20000);
  publisher.stop();
  std::vector<double> ms;
  const QHash<qint64, qint64> arrived = listener.arrived();
  for (auto at = committed.cbegin(); at != committed.cend(); ++at) {
    if (arrived.contains(at.key()))
      ms.push_back(double(arrived.value(at.key()) - at.value()) / 1000.0);
  }
  return ms;
}

// Seconds for the publisher to bring a backlog of `records` to a subscriber.
double drainSeconds(int port, const QString &journal, qint64 records) {
  Listener listener(port, QStringLiteral("bench/backlog/record"), "seq");
  MqttPublisher publisher(targetOf(port, QStringLiteral("bench/backlog")), journal);
  QElapsedTimer clock;
  clock.start();
  publisher.start();
  waitFor([&] { return listener.count() >= records; }, 600000);
  const double seconds = clock.nsecsElapsed() / 1e9;
  publisher.stop();
  return seconds;
}

// The same payloads published by a bare libmosquitto client at QoS 1, to
// the same subscriber.
double rawSeconds(int port, const QString &journal, qint64 records) {
  std::vector<QByteArray> payloads;
  {
    JournalReader reader(journal, QStringLiteral("bench-raw"));
    Failure failure;
    reader.open(&failure);
    reader.forEach(
        {},
        [&](const JournalRecord &record) {
          payloads.push_back(livepayloads::record(record, reader.journalId()));
          return true;
        },
        &failure);
  }
  Listener listener(port, QStringLiteral("bench/raw/record"), "seq");
  // Timed from its start, connection included, as the publisher is.
  QElapsedTimer clock;
  clock.start();
  mosquitto *client = mosquitto_new(nullptr, true, nullptr);
  mosquitto_int_option(client, MOSQ_OPT_SEND_MAXIMUM, MqttPublisher::kInFlight);
  mosquitto_connect(client, "127.0.0.1", port, 30);
  mosquitto_loop_start(client);
  for (const QByteArray &payload : payloads)
    mosquitto_publish(client, nullptr, "bench/raw/record", int(payload.size()), payload.constData(),
                      1, false);
  waitFor([&] { return listener.count() >= records; }, 600000);
  const double seconds = clock.nsecsElapsed() / 1e9;
  mosquitto_disconnect(client);
  mosquitto_loop_stop(client, false);
  mosquitto_destroy(client);
  return seconds;
}

// A monitor with three streaming scales of its own, with WEIGHSTATION_MQTT
// or without.
class StreamingMonitor {
 public:
  StreamingMonitor(const QString &uri, const QString &folder) {
    const QString bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../");
    sim_.start(bin + QStringLiteral("scale-sim"),
               {"--link-dir", folder, "--scale", "profile=lively,weight=1250", "--scale",
                "profile=lively,weight=830", "--scale", "profile=lively,weight=75,seed=3"});
    sim_.waitForStarted();
    waitFor([&] { return sim_.canReadLine() && QFile::exists(folder + "/scale3"); }, 5000);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("WEIGHSTATION_ADAPTERS",
                       QStringLiteral("%1/scale1,%1/scale2,%1/scale3").arg(folder));
    environment.insert("WEIGHSTATION_JOURNAL", folder + QStringLiteral("/journal.sqlite"));
    environment.insert("WEIGHSTATION_JOURNAL_KEY", folder + QStringLiteral("/journal.key"));
    environment.insert("LD_PRELOAD", bin + QStringLiteral("tests/libe2edriver.so"));
    environment.insert("E2E_SCENARIO", "connect");
    environment.insert("E2E_REPORT", folder + QStringLiteral("/report.json"));
    if (!uri.isEmpty())
      environment.insert("WEIGHSTATION_MQTT", uri);
    monitor_.setProcessEnvironment(environment);
    monitor_.start(bin + QStringLiteral("weighstation"), {});
    monitor_.waitForStarted();
  }
  ~StreamingMonitor() {
    monitor_.kill();
    monitor_.waitForFinished();
    sim_.kill();
    sim_.waitForFinished();
  }
  // User and system time so far, in seconds.
  double cpuSeconds() const {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(monitor_.processId()));
    if (!stat.open(QIODevice::ReadOnly))
      return 0;
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).trimmed().split(' ');
    return double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) /
           double(sysconf(_SC_CLK_TCK));
  }

 private:
  QProcess sim_;
  QProcess monitor_;
};

// The processor seconds of a monitor without and one with publishing, run
// side by side over the same `seconds` (so that the machine's other work
// falls on both alike).
std::pair<double, double> pairedCpuSeconds(const QString &uri, const QString &folder, int seconds) {
  QDir().mkpath(folder + QStringLiteral("/plain"));
  QDir().mkpath(folder + QStringLiteral("/publishing"));
  const StreamingMonitor plain(QString(), folder + QStringLiteral("/plain"));
  const StreamingMonitor publishing(uri, folder + QStringLiteral("/publishing"));
  QThread::sleep(3);  // connected, streaming
  const double plainBefore = plain.cpuSeconds();
  const double publishingBefore = publishing.cpuSeconds();
  QThread::sleep(seconds);
  return {plain.cpuSeconds() - plainBefore, publishing.cpuSeconds() - publishingBefore};
}
}  // namespace

int main(int argc, char **argv) {
  QCoreApplication application(argc, argv);
  qputenv("QT_LOGGING_RULES", "*.debug=false");
  mosquitto_lib_init();
  const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20000;
  MosquittoBroker broker;
  QString why;
  if (!broker.start(MosquittoBroker::Access::Anonymous, &why)) {
    std::fprintf(stderr, "cannot start a broker: %s\n", qPrintable(why));
    return 2;
  }
  QTemporaryDir dir;
  const QString backlog = dir.filePath(QStringLiteral("backlog.sqlite"));
  if (!loadJournal(backlog, backlog + QStringLiteral(".key"), records, benchRecord, &why)) {
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 2;
  }
  phase("readings");
  const std::vector<double> readings =
      readingLatencies(broker.port(), dir.filePath(QStringLiteral("readings.sqlite")));
  phase("records as they are taken");
  const std::vector<double> live =
      recordLatencies(broker.port(), dir.filePath(QStringLiteral("live.sqlite")));
  phase("the backlog, published by the monitor's publisher");
  const double drain = drainSeconds(broker.port(), backlog, records);
  phase("the backlog, published by a bare client");
  const double raw = rawSeconds(broker.port(), backlog, records);
  // One run varies by more than the difference sought: three pairs, side by
  // side, and the median of each.
  phase("the monitor with three scales, without and with publishing (3 x 13 s)");
  std::vector<double> plainRuns;
  std::vector<double> publishingRuns;
  for (int run = 0; run < 3; ++run) {
    const auto [plain, publishing] =
        pairedCpuSeconds(QStringLiteral("mqtt://127.0.0.1:%1/bench/monitor").arg(broker.port()),
                         dir.filePath(QStringLiteral("monitors-%1").arg(run)), 10);
    plainRuns.push_back(plain);
    publishingRuns.push_back(publishing);
  }
  const double cpuPlain = percentile(plainRuns, 0.5);
  const double cpuPublishing = percentile(publishingRuns, 0.5);

  std::printf("weighstation live publishing figures (%lld records, mosquitto on 127.0.0.1:%d)\n",
              static_cast<long long>(records), broker.port());
  line("reading, display to subscriber, median", percentile(readings, 0.5), "ms", 30,
       "one 30 ms tick");
  line("reading, display to subscriber, p99", percentile(readings, 0.99), "ms", 30,
       "one 30 ms tick");
  line("record, journal commit to subscriber, p99", percentile(live, 0.99), "ms", 200, "200 ms");
  line("backlog drained to a subscriber", records / drain, "/s", 0.3 * records / raw,
       "0.3 x a bare client publishing the same at QoS 1");
  line("monitor's processor, three scales, publishing", cpuPublishing, "s", 1.5 * cpuPlain,
       "1.5 x the same without MQTT");
  std::printf(
      "(%zu reading and %zu record samples; the bare client took %.2f s, the monitor "
      "without MQTT %.2f s of processor in 10 s, the median of three runs)\n",
      readings.size(), live.size(), raw, cpuPlain);
  return 0;
}
