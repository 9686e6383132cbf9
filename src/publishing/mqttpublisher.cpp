#include "publishing/mqttpublisher.h"

#include <algorithm>

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace {
QString libraryError(int rc) {
  if (rc == MOSQ_ERR_ERRNO)
    return QString::fromLocal8Bit(std::strerror(errno));
  return QString::fromUtf8(mosquitto_strerror(rc));
}
}  // namespace

MqttPublisher::MqttPublisher(const MqttTarget &target, const QString &journalPath)
    : target_(target) {
  follower_ = std::make_unique<JournalFollower>(
      journalPath, target_.shown(), QStringLiteral("mqtt-journal"), ShippingLedger::Kind::Mqtt,
      static_cast<FollowerDestination *>(this));
  connect(follower_.get(), &JournalFollower::status, this, [this](const FollowerStatus &now) {
    Q_EMIT published(now.acknowledged, now.waiting, now.reached);
  });
  connect(follower_.get(), &JournalFollower::outage, this, &MqttPublisher::outage);
}

MqttPublisher::~MqttPublisher() {
  stop(-1);
}

void MqttPublisher::start() {
  setObjectName(QStringLiteral("mqtt publishing"));
  follower_->start(objectName(), this);
}

bool MqttPublisher::stop(int waitMs) {
  return follower_->stop(waitMs);
}

void MqttPublisher::begin() {
  static std::once_flag initialised;
  std::call_once(initialised, [] { mosquitto_lib_init(); });
  // Stable for the station and its journal (a persistent identity the
  // broker can tell apart from every other station's), never cut short.
  const QByteArray id = mqtttarget::clientId(target_.station, follower_->ledger().journalId(),
                                             follower_->ledger().path())
                            .toUtf8();
  client_ = mosquitto_new(id.constData(), true, this);
  // MQTT 5: the broker says in each acknowledgement whether it took the
  // message (a size limit, a permission), which 3.1.1 cannot.
  mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
  mosquitto_connect_v5_callback_set(client_, &MqttPublisher::onConnect);
  mosquitto_disconnect_v5_callback_set(client_, &MqttPublisher::onDisconnect);
  mosquitto_publish_v5_callback_set(client_, &MqttPublisher::onPublish);
  mosquitto_log_callback_set(client_, &MqttPublisher::onLog);
  if (!target_.user.isEmpty())
    mosquitto_username_pw_set(
        client_, target_.user.toUtf8().constData(),
        target_.password.isEmpty() ? nullptr : target_.password.toUtf8().constData());
  const QByteArray offline = livepayloads::status(false);
  mosquitto_will_set(client_, topic(QStringLiteral("status")).toUtf8().constData(),
                     int(offline.size()), offline.constData(), 1, true);
  // TLS that cannot be set up as configured means no connection at all:
  // never the same login in clear.
  if (target_.tls && !applyTls())
    return;
  loop_ = new QTimer(this);
  connect(loop_, &QTimer::timeout, this, &MqttPublisher::loop);
  flush_ = new QTimer(this);
  flush_->setSingleShot(true);
  flush_->setInterval(1);
  connect(flush_, &QTimer::timeout, this, &MqttPublisher::loop);
  connectNow();
}

bool MqttPublisher::applyTls() {
  const QByteArray ca = QFile::encodeName(target_.caFile);
  const QByteArray cert = QFile::encodeName(target_.certFile);
  const QByteArray key = QFile::encodeName(target_.keyFile);
  const int rc = mosquitto_tls_set(client_, ca.isEmpty() ? nullptr : ca.constData(),
                                   ca.isEmpty() ? "/etc/ssl/certs" : nullptr,
                                   cert.isEmpty() ? nullptr : cert.constData(),
                                   key.isEmpty() ? nullptr : key.constData(), nullptr);
  if (rc == MOSQ_ERR_SUCCESS)
    return true;
  const Failure failure(Failure::Kind::Refused,
                        QStringLiteral("TLS settings: %1; nothing is sent to %2")
                            .arg(libraryError(rc), target_.shown()));
  follower_->refusedForGood(failure);
  Q_EMIT refused(failure);
  return false;
}

void MqttPublisher::end() {
  if (loop_ && connected_) {
    // The readings kept on the broker say they are no longer live, then
    // "offline" is said by the monitor itself, waited for a moment.
    QList<int> mids = publishOfflineReadings();
    int mid = 0;
    if (publish(topic(QStringLiteral("status")), livepayloads::status(false), 1, true, &mid) ==
        MOSQ_ERR_SUCCESS)
      mids << mid;
    for (const int sent : std::as_const(mids))
      inFlight_.insert(sent, 0);
    auto waiting = [&] {
      return std::any_of(mids.cbegin(), mids.cend(),
                         [this](int sent) { return inFlight_.contains(sent); });
    };
    QElapsedTimer waited;
    waited.start();
    while (connected_ && waiting() && waited.elapsed() < kOfflineWaitMs)
      mosquitto_loop(client_, 10, 1);
    mosquitto_disconnect(client_);
    mosquitto_loop(client_, 10, 1);
  }
  // What is still queued for this thread (a wake, readings) finds it ended.
  connected_ = connecting_ = false;
  delete reading_;
  reading_ = nullptr;
  mosquitto_destroy(client_);
  client_ = nullptr;
  // The timers belong to this thread: they go on it.
  delete loop_;
  delete flush_;
  loop_ = flush_ = nullptr;
}

// At a clean end: each retained reading published again as not connected,
// so that a dashboard never shows the last weight as live.
QList<int> MqttPublisher::publishOfflineReadings() {
  QList<int> mids;
  if (!publishedAny_)
    return mids;
  const QDateTime at = QDateTime::currentDateTimeUtc();
  auto offline = [&](const QString &leaf, LiveReading reading) {
    reading.connected = false;
    int mid = 0;
    if (publish(topic(leaf), livepayloads::reading(reading, at), 1, true, &mid) == MOSQ_ERR_SUCCESS)
      mids << mid;
  };
  for (int n = 0; n < int(published_.scales.size()); ++n)
    offline(QStringLiteral("scale/%1/reading").arg(n + 1), published_.scales[size_t(n)]);
  offline(QStringLiteral("total"), published_.total);
  return mids;
}

void MqttPublisher::connectNow() {
  const int rc = mosquitto_connect_async(client_, target_.host.toUtf8().constData(), target_.port,
                                         kKeepAliveSeconds);
  if (rc != MOSQ_ERR_SUCCESS) {
    lost(Failure(Failure::Kind::Unreachable,
                 QStringLiteral("%1: %2").arg(target_.shown(), libraryError(rc))));
    return;
  }
  connecting_ = true;
  loop_->start(kConnectingLoopMs);
}

void MqttPublisher::loop() {
  // The library reads a packet a call: while acknowledgements keep coming,
  // they are all taken now, not one a turn.
  int rc = MOSQ_ERR_SUCCESS;
  for (int turn = 0; turn < kPacketsATurn && rc == MOSQ_ERR_SUCCESS; ++turn) {
    const qint64 before = acknowledgements_;
    rc = mosquitto_loop(client_, 0, 1);
    if (acknowledgements_ == before && !mosquitto_want_write(client_))
      break;
  }
  if (rc == MOSQ_ERR_SUCCESS) {
    flushSoon();
    return;
  }
  if (rc == MOSQ_ERR_TLS) {
    const Failure failure(
        Failure::Kind::Refused,
        QStringLiteral("%1: TLS: %2")
            .arg(target_.shown(), lastLogError_.isEmpty() ? libraryError(rc) : lastLogError_));
    if (!refusalsSaid_.contains(failure.reason())) {
      refusalsSaid_.insert(failure.reason());
      Q_EMIT refused(failure);
    }
    lost(failure);
    return;
  }
  lost(Failure(Failure::Kind::Unreachable,
               QStringLiteral("%1: %2").arg(target_.shown(), libraryError(rc))));
}

// The broker's answers wake the loop as they arrive; the timer keeps the
// connection alive and sends what could not go at once.
void MqttPublisher::watchSocket() {
  unwatchSocket();
  const int socket = mosquitto_socket(client_);
  if (socket < 0)
    return;
  reading_ = new QSocketNotifier(socket, QSocketNotifier::Read, this);
  connect(reading_, &QSocketNotifier::activated, this, &MqttPublisher::loop);
}

// The socket goes with the connection: the notifier lets go of its number
// at once (the next connection may get it), and goes itself once its
// signal has returned.
void MqttPublisher::unwatchSocket() {
  if (!reading_)
    return;
  reading_->setEnabled(false);
  reading_->deleteLater();
  reading_ = nullptr;
}

// What the socket could not take at once goes a moment later.
void MqttPublisher::flushSoon() {
  if (client_ && connected_ && !flush_->isActive() && mosquitto_want_write(client_))
    flush_->start();
}

void MqttPublisher::lost(const Failure &failure) {
  loop_->stop();
  flush_->stop();
  unwatchSocket();
  if (connected_ || connecting_)
    mosquitto_disconnect(client_);
  connected_ = false;
  connecting_ = false;
  inFlight_.clear();
  transactionsInFlight_.clear();  // the batch goes again
  transactionBatchLast_ = 0;
  follower_->unreachable(failure);
}

void MqttPublisher::reconnect() {
  if (client_ && loop_ && !connected_ && !connecting_)
    connectNow();
}

void MqttPublisher::onConnect(mosquitto *, void *self, int rc, int, const mosquitto_property *) {
  auto *publisher = static_cast<MqttPublisher *>(self);
  if (rc == 0) {
    publisher->connected();
    return;
  }
  const Failure failure(Failure::Kind::Refused,
                        QStringLiteral("%1: Connection Refused: %2")
                            .arg(publisher->target_.shown(),
                                 QString::fromUtf8(mosquitto_reason_string(rc)).toLower()));
  if (!publisher->refusalsSaid_.contains(failure.reason())) {
    publisher->refusalsSaid_.insert(failure.reason());
    Q_EMIT publisher->refused(failure);
  }
  publisher->lost(failure);
}

void MqttPublisher::onDisconnect(mosquitto *, void *self, int rc, const mosquitto_property *) {
  auto *publisher = static_cast<MqttPublisher *>(self);
  if (rc != 0 && publisher->connected_)
    publisher->lost(
        Failure(Failure::Kind::Unreachable,
                QCoreApplication::translate("Publishing", "%1: the connection was lost (%2)")
                    .arg(publisher->target_.shown(), libraryError(rc))));
}

void MqttPublisher::onPublish(mosquitto *, void *self, int mid, int reason,
                              const mosquitto_property *) {
  static_cast<MqttPublisher *>(self)->acknowledged(mid, reason);
}

void MqttPublisher::onLog(mosquitto *, void *self, int level, const char *text) {
  if (level & (MOSQ_LOG_ERR | MOSQ_LOG_WARNING))
    static_cast<MqttPublisher *>(self)->lastLogError_ = QString::fromUtf8(text);
}

void MqttPublisher::connected() {
  connecting_ = false;
  connected_ = true;
  publishFailed_ = false;
  watchSocket();
  loop_->setInterval(kConnectedLoopMs);
  if (!since_.isValid())
    since_ = QDateTime::currentDateTimeUtc();
  publish(topic(QStringLiteral("status")), livepayloads::status(true, since_), 1, true);
  publishedAny_ = false;
  publishReadings();
  follower_->reached();  // the records after the cursor follow
}

int MqttPublisher::publish(const QString &topic, const QByteArray &payload, int qos, bool retain,
                           int *mid) {
  const int rc = mosquitto_publish(client_, mid, topic.toUtf8().constData(), int(payload.size()),
                                   payload.constData(), qos, retain);
  flushSoon();
  return rc;
}

void MqttPublisher::offerReadings(const LiveReadings &readings) {
  const std::lock_guard<std::mutex> lock(readingsLock_);
  offered_ = readings;
  if (offeredWaits_)
    return;
  offeredWaits_ = true;
  QMetaObject::invokeMethod(this, &MqttPublisher::publishReadings, Qt::QueuedConnection);
}

void MqttPublisher::publishReadings() {
  {
    const std::lock_guard<std::mutex> lock(readingsLock_);
    if (offeredWaits_) {
      latest_ = offered_;
      hasReadings_ = true;
      offeredWaits_ = false;
    }
  }
  if (!connected_ || !client_ || !hasReadings_)
    return;
  const QDateTime at = QDateTime::currentDateTimeUtc();
  for (int n = 0; n < 3; ++n) {
    if (publishedAny_ && latest_.scales[size_t(n)] == published_.scales[size_t(n)])
      continue;
    publish(topic(QStringLiteral("scale/%1/reading").arg(n + 1)),
            livepayloads::reading(latest_.scales[size_t(n)], at), 0, true);
  }
  if (!publishedAny_ || latest_.total != published_.total)
    publish(topic(QStringLiteral("total")), livepayloads::reading(latest_.total, at), 0, true);
  published_ = latest_;
  publishedAny_ = true;
}

// Refilled by half a window at a time, not a query an acknowledgement.
int MqttPublisher::room() {
  if (!connected_ || !client_ || publishFailed_)
    return 0;
  const int inFlight = int(inFlight_.size());
  return inFlight <= kInFlight / 2 ? kInFlight - inFlight : 0;
}

void MqttPublisher::send(const QList<JournalRecord> &records) {
  for (const JournalRecord &record : records) {
    int mid = 0;
    const int rc =
        publish(topic(QStringLiteral("record")),
                livepayloads::record(record, follower_->ledger().journalId()), 1, false, &mid);
    if (rc == MOSQ_ERR_OVERSIZE_PACKET || rc == MOSQ_ERR_PAYLOAD_SIZE) {
      // Larger than the broker said it takes (its maximum packet size).
      refuseRecord(record.seq, libraryError(rc));
      return;
    }
    if (rc != MOSQ_ERR_SUCCESS) {
      // The loop finds the connection lost, after the broker's answers
      // that came before it (an acknowledgement that refuses a record).
      publishFailed_ = true;
      follower_->notSent(record.seq);
      return;
    }
    inFlight_.insert(mid, record.seq);
  }
}

void MqttPublisher::acknowledged(int mid, int reason) {
  ++acknowledgements_;
  if (transactionsInFlight_.contains(mid)) {
    transactionAcknowledged(mid, reason);
    return;
  }
  const auto found = inFlight_.find(mid);
  if (found == inFlight_.end())
    return;
  const qint64 seq = found.value();
  inFlight_.erase(found);
  if (seq == 0)
    return;  // the status
  // 0x80 and above: the broker acknowledged the message without taking it.
  if (reason >= 0x80) {
    refuseRecord(seq, QString::fromUtf8(mosquitto_reason_string(reason)));
    return;
  }
  follower_->taken(seq);
}

// The desk's transactions go behind the records they bind, once the broker
// took those: a batch at a time, its cursor moved when the whole batch is
// taken.
void MqttPublisher::caughtUp() {
  if (!connected_ || !client_ || publishFailed_ || transactionBatchLast_ > 0)
    return;
  Failure failure;
  const qint64 after = follower_->ledger().transactionsAcknowledged(&failure);
  QList<Transaction> entries;
  if (after < 0 || !follower_->ledger().transactionsAfter(after, kInFlight, &entries, &failure))
    return;
  const qint64 published = follower_->acknowledgedSeq();
  for (const Transaction &entry : entries) {
    if (qMax(entry.firstRecord, entry.secondRecord) > published)
      break;
    int mid = 0;
    if (publish(topic(QStringLiteral("transaction")),
                livepayloads::transaction(entry, follower_->ledger().journalId()), 1, false,
                &mid) != MOSQ_ERR_SUCCESS) {
      publishFailed_ = true;
      break;
    }
    transactionsInFlight_.insert(mid, entry.seq);
    transactionBatchLast_ = entry.seq;
  }
}

void MqttPublisher::transactionAcknowledged(int mid, int reason) {
  const qint64 seq = transactionsInFlight_.take(mid);
  if (reason >= 0x80) {
    const QString why = QCoreApplication::translate(
                            "Publishing", "%1 did not take transaction %2 (%3); it is sent again")
                            .arg(target_.shown())
                            .arg(seq)
                            .arg(QString::fromUtf8(mosquitto_reason_string(reason)));
    if (why != transactionRefusalSaid_) {
      transactionRefusalSaid_ = why;
      Q_EMIT recordRefused(Failure(Failure::Kind::Refused, why));
    }
    transactionsInFlight_.clear();
    transactionBatchLast_ = 0;
    return;
  }
  if (!transactionsInFlight_.isEmpty())
    return;
  Failure failure;
  const qint64 last = transactionBatchLast_;
  transactionBatchLast_ = 0;
  if (follower_->ledger().acknowledgeTransactions(last, &failure))
    follower_->wake();  // the next batch, if any
}

// The cursor never passes a record the broker did not take: nothing after
// it counts as published until it is sent again and taken.
void MqttPublisher::refuseRecord(qint64 seq, const QString &why) {
  const Failure refusal(
      Failure::Kind::Refused,
      QCoreApplication::translate("Publishing",
                                  "%1 did not take record seq %2 (%3); the records from it "
                                  "on wait and are sent again every minute")
          .arg(target_.shown())
          .arg(seq)
          .arg(why),
      seq);
  follower_->held(seq, refusal);
  if (recordRefusalsSaid_.contains(seq))
    return;
  recordRefusalsSaid_.insert(seq);
  Q_EMIT recordRefused(refusal);
}
