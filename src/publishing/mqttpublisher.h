// Publishes the monitor's live data to the site's MQTT broker through
// libmosquitto, on a thread of its own: the readouts and the grand total
// (retained, QoS 0, dropped while the broker is out of reach, the newest
// published on reconnect), every journal record (QoS 1, store and forward:
// the last seq the broker acknowledged is kept in the journal's MQTT
// ledger, and every record after it is published in order after an outage,
// a crash or a restart), the weighing desk's transactions behind the
// records they bind (QoS 1, a cursor of their own), and the monitor's status (retained, with the
// broker's last will saying "offline"). The refresh tick never waits on it.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <memory>
#include <mutex>

#include "failure/failure.h"
#include "following/journalfollower.h"
#include "publishing/livepayloads.h"
#include "publishing/mqtttarget.h"

class QSocketNotifier;
class QTimer;
struct mosquitto;
struct mosquitto_message;

// The journal is followed, retried and warned about as every destination is
// (`following/journalfollower.h`); this is what is particular to a broker:
// the client's connection, its window of records in flight, the readings.
class MqttPublisher : public QObject, private FollowerDestination {
  Q_OBJECT
 public:
  static constexpr int kInFlight = 100;  // records published, not yet acknowledged
  // While connecting the loop turns often; connected, the socket wakes it
  // and the turns only keep the connection alive and send what waits.
  static constexpr int kConnectingLoopMs = 5;
  static constexpr int kConnectedLoopMs = 100;
  static constexpr int kPacketsATurn = 500;
  // The broker says "offline" (the last will) about one and a half times
  // this after a monitor stopped answering.
  static constexpr int kKeepAliveSeconds = 10;

  static constexpr int kStopWaitMs = 1000;

  MqttPublisher(const MqttTarget &target, const QString &journalPath);
  // Waits for the thread whatever it takes: callers that cannot wait use
  // stop() first.
  ~MqttPublisher() override;

  void start();
  // Publishes "offline", disconnects and waits up to `waitMs` (-1: for
  // ever) for the thread; false when it is still inside a call that does
  // not return (the owner may leave it to the process's end: the journal
  // holds every record).
  bool stop(int waitMs = -1);
  // Any thread: the readouts of this tick. Only the newest waits to be
  // published; an older one not yet published is dropped.
  void offerReadings(const LiveReadings &readings);

 Q_SIGNALS:
  // Once per outage, when records have waited five minutes.
  void outage(const Failure &failure, qint64 waiting);
  // The broker refused the login, its certificate was not trusted, or the
  // TLS settings cannot be applied (then nothing is ever sent).
  void refused(const Failure &failure);
  // The broker did not take record `refusal.seq()` (a size limit, a
  // permission): no record from it on counts as published; it is sent
  // again each minute. Said once per run and record.
  void recordRefused(const Failure &refusal);
  void published(qint64 acknowledgedSeq, qint64 waiting, bool connected);

 private:
  static void onConnect(mosquitto *client, void *self, int rc, int flags,
                        const struct mqtt5__property *properties);
  static void onDisconnect(mosquitto *client, void *self, int rc,
                           const struct mqtt5__property *properties);
  static void onPublish(mosquitto *client, void *self, int mid, int reason,
                        const struct mqtt5__property *properties);
  static void onLog(mosquitto *client, void *self, int level, const char *text);

  // The destination's part, on the follower's thread.
  void begin() override;
  void end() override;
  void reconnect() override;
  int room() override;
  void send(const QList<JournalRecord> &records) override;

  void connectNow();
  void loop();
  void watchSocket();
  void unwatchSocket();
  void flushSoon();
  void lost(const Failure &failure);
  void connected();
  void publishReadings();
  QList<int> publishOfflineReadings();
  // How long a clean end waits for the broker to take the offline state.
  static constexpr int kOfflineWaitMs = 500;
  void acknowledged(int mid, int reason);
  void caughtUp() override;
  void transactionAcknowledged(int mid, int reason);
  void refuseRecord(qint64 seq, const QString &why);
  bool applyTls();
  // libmosquitto's result.
  int publish(const QString &topic, const QByteArray &payload, int qos, bool retain,
              int *mid = nullptr);
  QString topic(const QString &leaf) const { return target_.prefix + u'/' + leaf; }

  MqttTarget target_;
  std::unique_ptr<JournalFollower> follower_;
  mosquitto *client_ = nullptr;
  QTimer *loop_ = nullptr;
  QTimer *flush_ = nullptr;
  QSocketNotifier *reading_ = nullptr;
  bool connecting_ = false;
  bool connected_ = false;
  bool publishFailed_ = false;  // until the next connection
  QDateTime since_;
  QString lastLogError_;
  QSet<QString> refusalsSaid_;

  // Records published and not yet acknowledged, by message id (0: the
  // status, at the end).
  QHash<int, qint64> inFlight_;
  qint64 acknowledgements_ = 0;
  QSet<qint64> recordRefusalsSaid_;
  // The desk's transactions: one batch in flight at a time, published
  // behind the records they bind; its message ids, and its last seq.
  QHash<int, qint64> transactionsInFlight_;
  qint64 transactionBatchLast_ = 0;
  QString transactionRefusalSaid_;

  // Readings: the newest offered, and what the broker last got.
  // Protects offered_ and offeredWaits_. A standard mutex, which
  // ThreadSanitizer sees, not Qt's.
  std::mutex readingsLock_;
  LiveReadings offered_;
  bool offeredWaits_ = false;
  bool hasReadings_ = false;
  LiveReadings latest_;
  LiveReadings published_;
  bool publishedAny_ = false;
};
