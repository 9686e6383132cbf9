#include "publishing/mqttpublisher.h"

#include <algorithm>

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "journal/shippingledger.h"

void PublishingState::connected() {
  downSinceMs_ = -1;
  retryMs_ = 0;
  warned_ = false;
}

qint64 PublishingState::unreachable(qint64 nowMs) {
  if (downSinceMs_ < 0)
    downSinceMs_ = nowMs;
  retryMs_ = retryMs_ == 0 ? kFirstRetryMs : qMin(2 * retryMs_, kLastRetryMs);
  return retryMs_;
}

bool PublishingState::warnNow(qint64 waiting, qint64 nowMs) {
  if (warned_ || waiting <= 0 || downSinceMs_ < 0 || nowMs - downSinceMs_ < kWarnAfterMs)
    return false;
  warned_ = true;
  return true;
}

namespace {
QString libraryError(int rc) {
  if (rc == MOSQ_ERR_ERRNO)
    return QString::fromLocal8Bit(std::strerror(errno));
  return QString::fromUtf8(mosquitto_strerror(rc));
}

qint64 nowMs() {
  return QDateTime::currentMSecsSinceEpoch();
}
}  // namespace

MqttPublisher::MqttPublisher(const MqttTarget &target, const QString &journalPath)
    : target_(target), journalPath_(journalPath) {}

MqttPublisher::~MqttPublisher() {
  stop(-1);
}

void MqttPublisher::start() {
  qRegisterMetaType<Failure>();
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("mqtt publishing"));
  setObjectName(thread_->objectName());
  moveToThread(thread_);
  connect(thread_, &QThread::started, this, &MqttPublisher::begin);
  thread_->start();
}

bool MqttPublisher::stop(int waitMs) {
  if (!thread_)
    return true;
  if (!stopping_.exchange(true)) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          end();
          thread()->quit();
        },
        Qt::QueuedConnection);
  }
  if (!thread_->wait(waitMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(waitMs)))
    return false;
  delete thread_;
  thread_ = nullptr;
  return true;
}

void MqttPublisher::begin() {
  static std::once_flag initialised;
  std::call_once(initialised, [] { mosquitto_lib_init(); });
  ledger_ = std::make_unique<ShippingLedger>(
      journalPath_, target_.shown(), QStringLiteral("mqtt-journal"), ShippingLedger::Kind::Mqtt);
  // Stable for the station and its journal (a persistent identity the
  // broker can tell apart from every other station's), never cut short.
  Failure noJournal;
  const QString journal = ledger_->open(&noJournal) ? ledger_->journalId() : QString();
  const QByteArray id = mqtttarget::clientId(target_.station, journal, journalPath_).toUtf8();
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
  retry_ = new QTimer(this);
  retry_->setSingleShot(true);
  connect(retry_, &QTimer::timeout, this, &MqttPublisher::connectNow);
  save_ = new QTimer(this);
  save_->setSingleShot(true);
  save_->setInterval(100);
  connect(save_, &QTimer::timeout, this, &MqttPublisher::saveCursor);
  blocked_ = new QTimer(this);
  blocked_->setSingleShot(true);
  connect(blocked_, &QTimer::timeout, this, &MqttPublisher::unblock);
  poll_ = new QTimer(this);
  poll_->setInterval(kPollMs);
  connect(poll_, &QTimer::timeout, this, &MqttPublisher::check);
  poll_->start();
  // A commit of the monitor (or of any process) changes the journal's
  // write-ahead log; it is seen a moment after the change.
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
    for (const int ms : {1, 5, 20, 60})
      QTimer::singleShot(ms, this, &MqttPublisher::publishRecords);
  });
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
  lastFailure_ = failure;
  Q_EMIT refused(failure);
  return false;
}

void MqttPublisher::end() {
  if (!loop_) {
    // Never connected (the TLS settings were refused).
    mosquitto_destroy(client_);
    client_ = nullptr;
    ledger_.reset();
    return;
  }
  poll_->stop();
  retry_->stop();
  if (connected_) {
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
  saveCursor();
  // What is still queued for this thread (a wake, readings) finds it ended.
  connected_ = connecting_ = false;
  delete reading_;
  reading_ = nullptr;
  mosquitto_destroy(client_);
  client_ = nullptr;
  ledger_.reset();
  // The timers and the watch belong to this thread: they go on it.
  for (QObject *part :
       std::initializer_list<QObject *>{loop_, flush_, retry_, save_, poll_, blocked_, watcher_})
    delete part;
  loop_ = flush_ = retry_ = save_ = poll_ = blocked_ = nullptr;
  watcher_ = nullptr;
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
  ackedAhead_.clear();
  sent_ = qMax<qint64>(cursor_, 0);
  blockedAt_ = 0;
  lastFailure_ = failure;
  retry_->start(int(state_.unreachable(nowMs())));
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
    publisher->lost(Failure(Failure::Kind::Unreachable,
                            QStringLiteral("%1: the connection was lost (%2)")
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
  watchSocket();
  loop_->setInterval(kConnectedLoopMs);
  state_.connected();
  lastFailure_ = Failure();
  if (!since_.isValid())
    since_ = QDateTime::currentDateTimeUtc();
  publish(topic(QStringLiteral("status")), livepayloads::status(true, since_), 1, true);
  publishedAny_ = false;
  publishReadings();
  publishRecords();
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

void MqttPublisher::publishRecords() {
  if (!connected_ || !client_ || blockedAt_ > 0)
    return;
  Failure failure;
  if (cursor_ < 0) {
    if (!ledger_->open(&failure))
      return;  // no journal yet: the poll looks again
    const qint64 acked = ledger_->acknowledged(&failure);
    if (acked < 0) {
      qWarning("mqtt publishing: %s", qPrintable(failure.text()));
      ledger_->close();
      return;
    }
    cursor_ = savedCursor_ = sent_ = acked;
  }
  const QString log = journalPath_ + QStringLiteral("-wal");
  if (watcher_->files().isEmpty() && QFileInfo::exists(log))
    watcher_->addPath(log);
  while (inFlight_.size() < kInFlight) {
    QList<JournalRecord> records;
    if (!ledger_->recordsAfter(sent_, kInFlight - int(inFlight_.size()), &records, &failure)) {
      qWarning("mqtt publishing: %s", qPrintable(failure.text()));
      ledger_->close();
      cursor_ = -1;
      return;
    }
    if (records.isEmpty())
      return;
    for (const JournalRecord &record : records) {
      int mid = 0;
      const int rc = publish(topic(QStringLiteral("record")),
                             livepayloads::record(record, ledger_->journalId()), 1, false, &mid);
      if (rc == MOSQ_ERR_OVERSIZE_PACKET || rc == MOSQ_ERR_PAYLOAD_SIZE) {
        // Larger than the broker said it takes (its maximum packet size).
        refuseRecord(record.seq, libraryError(rc));
        return;
      }
      if (rc != MOSQ_ERR_SUCCESS)
        return;  // the loop finds the connection lost
      inFlight_.insert(mid, record.seq);
      sent_ = record.seq;
    }
  }
}

void MqttPublisher::acknowledged(int mid, int reason) {
  ++acknowledgements_;
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
  ackedAhead_.insert(seq);
  while (ackedAhead_.remove(cursor_ + 1))
    ++cursor_;
  if (!save_->isActive())
    save_->start();
  // Refilled by half a window at a time, not a query an acknowledgement.
  if (inFlight_.size() <= kInFlight / 2)
    publishRecords();
}

// The cursor never passes a record the broker did not take: nothing after
// it is published until it is sent again and taken.
void MqttPublisher::refuseRecord(qint64 seq, const QString &why) {
  if (blockedAt_ == 0 || seq < blockedAt_)
    blockedAt_ = seq;
  if (!blocked_->isActive())
    blocked_->start(kRefusedRetryMs);
  if (recordRefusalsSaid_.contains(seq))
    return;
  recordRefusalsSaid_.insert(seq);
  const Failure refusal(Failure::Kind::Refused,
                        QStringLiteral("%1 did not take record seq %2 (%3); the records from it "
                                       "on wait and are sent again every minute")
                            .arg(target_.shown())
                            .arg(seq)
                            .arg(why),
                        seq);
  lastFailure_ = refusal;
  Q_EMIT recordRefused(refusal);
}

void MqttPublisher::unblock() {
  blockedAt_ = 0;
  ackedAhead_.clear();
  sent_ = qMax<qint64>(cursor_, 0);
  publishRecords();
}

// The cursor is written a moment after the acknowledgement, not for each:
// lost to a crash, it only makes records be published again.
void MqttPublisher::saveCursor() {
  if (!ledger_ || cursor_ < 0 || cursor_ == savedCursor_)
    return;
  Failure failure;
  if (ledger_->acknowledge(cursor_, &failure))
    savedCursor_ = cursor_;
  else
    qWarning("mqtt publishing: %s", qPrintable(failure.text()));
}

void MqttPublisher::check() {
  if (!client_)
    return;
  publishRecords();
  Failure failure;
  qint64 waiting = 0;
  if (cursor_ >= 0 || ledger_->open(&failure)) {
    const qint64 newest = ledger_->newest(&failure);
    if (cursor_ < 0 && newest >= 0)
      cursor_ = savedCursor_ = sent_ = qMax<qint64>(ledger_->acknowledged(&failure), 0);
    waiting = newest < 0 ? 0 : qMax<qint64>(0, newest - cursor_);
  }
  if (!connected_ && state_.warnNow(waiting, nowMs()))
    Q_EMIT outage(lastFailure_, waiting);
  Q_EMIT published(cursor_, waiting, connected_);
}
