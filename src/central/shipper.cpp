#include "central/shipper.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include "central/centraldb.h"
#include "journal/journal.h"

namespace {
QString nowText() {
  return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}
}  // namespace

CentralShipper::CentralShipper(const QString &uri, const QString &journalPath)
    : uri_(uri), target_(target(uri)), journalPath_(journalPath) {}

CentralShipper::~CentralShipper() {
  stop();
}

QString CentralShipper::target(const QString &uri) {
  return centraldb::shownUri(uri);
}

void CentralShipper::start() {
  qRegisterMetaType<ShippingStatus>();
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("central shipping"));
  moveToThread(thread_);
  connect(thread_, &QThread::started, this, &CentralShipper::begin);
  thread_->start();
}

void CentralShipper::stop() {
  if (!thread_)
    return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        delete timer_;
        timer_ = nullptr;
        const QString journal = journal_.connectionName(), central = central_.connectionName();
        journal_ = QSqlDatabase();
        central_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(journal);
        QSqlDatabase::removeDatabase(central);
        thread()->quit();
      },
      Qt::QueuedConnection);
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
}

void CentralShipper::begin() {
  timer_ = new QTimer;
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &CentralShipper::turn);
  later(0);
}

void CentralShipper::later(qint64 ms) {
  timer_->start(int(ms));
}

void CentralShipper::report(qint64 waiting, const QString &failure) {
  ShippingStatus status;
  QSqlQuery query(journal_);
  if (query.exec(QStringLiteral("SELECT acked_seq FROM central_shipping WHERE target = '%1'")
                     .arg(QString(target_).replace(u'\'', QStringLiteral("''")))) &&
      query.next()) {
    status.shippedSeq = query.value(0).toLongLong();
  }
  status.waiting = waiting;
  status.lastFailure = failure;
  Q_EMIT this->status(status);
}

bool CentralShipper::openJournal(QString *error) {
  if (journal_.isOpen())
    return true;
  // The monitor makes the journal with its first record.
  if (!QFileInfo::exists(journalPath_)) {
    *error = QStringLiteral("no journal yet at %1").arg(journalPath_);
    return false;
  }
  journal_ =
      QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("central-journal"));
  journal_.setDatabaseName(journalPath_);
  journal_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
  QSqlQuery query(journal_);
  if (!journal_.open() ||
      !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS central_shipping (target TEXT PRIMARY "
                                 "KEY, acked_seq INTEGER NOT NULL, updated_at TEXT NOT NULL)")) ||
      !query.exec(
          QStringLiteral("CREATE TABLE IF NOT EXISTS central_problems (target TEXT NOT NULL, "
                         "seq INTEGER NOT NULL, problem TEXT NOT NULL, at TEXT NOT NULL)"))) {
    *error = QStringLiteral("cannot use the journal %1: %2")
                 .arg(journalPath_, journal_.lastError().text() + query.lastError().text());
    journal_.close();
    return false;
  }
  // An acknowledgement lost to a crash only makes the next batch be sent
  // again, which the central database takes as already there.
  query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
  return true;
}

bool CentralShipper::openCentral(QString *error) {
  if (!central_.isValid())
    central_ = centraldb::connect(uri_, QStringLiteral("central-records"), error);
  else if (!central_.isOpen() && !central_.open())
    *error = central_.lastError().text().trimmed();
  if (!central_.isOpen())
    return false;
  if (!schemaChecked_ && !centraldb::ensureSchema(central_, error))
    return false;
  schemaChecked_ = true;
  return true;
}

// A refusal or a conflict: kept in the journal for the viewer, and said.
void CentralShipper::noteProblem(qint64 seq, const QString &text) {
  QSqlQuery query(journal_);
  query.prepare(QStringLiteral("INSERT INTO central_problems VALUES (?, ?, ?, ?)"));
  for (const QVariant &value :
       {QVariant(target_), QVariant(seq), QVariant(text), QVariant(nowText())})
    query.addBindValue(value);
  query.exec();
  Q_EMIT problem(text);
}

void CentralShipper::turn() {
  QString error;
  if (!openJournal(&error)) {
    later(1000);
    return;
  }
  QSqlQuery query(journal_);
  qint64 acked = 0, newest = 0;
  query.prepare(QStringLiteral("SELECT acked_seq FROM central_shipping WHERE target = ?"));
  query.addBindValue(target_);
  if (query.exec() && query.next())
    acked = query.value(0).toLongLong();
  if (query.exec(QStringLiteral("SELECT max(seq) FROM records")) && query.next())
    newest = query.value(0).toLongLong();
  if (newest <= acked) {
    state_.shipped(0);
    report(0, QString());
    later(kIdlePollMs);
    return;
  }
  bool refused = false;
  const qint64 shippedTo = openCentral(&error) ? shipBatch(acked, batch_, &error, &refused) : 0;
  if (shippedTo > 0) {
    acknowledge(shippedTo);
    state_.shipped(newest - shippedTo);
    report(newest - shippedTo, QString());
    later(newest > shippedTo ? 0 : kIdlePollMs);
    return;
  }
  if (refused && isolateRefusal(acked, newest, &error))
    return;
  waitForTheServer(acked, newest - acked, error);
}

void CentralShipper::acknowledge(qint64 seq) {
  QSqlQuery query(journal_);
  query.prepare(QStringLiteral("INSERT OR REPLACE INTO central_shipping VALUES (?, ?, ?)"));
  query.addBindValue(target_);
  query.addBindValue(seq);
  query.addBindValue(nowText());
  query.exec();
  batch_ = kBatch;
}

// One record at a time finds the one refused. It is tried a few times; when
// the record after it is taken, it was that record's own fault: it is
// reported and left behind. When that one is refused too, the refusal is the
// server's (a permission, a full disk): nothing is left behind, and it is
// tried again later, as when out of reach (false; `error` says so).
bool CentralShipper::isolateRefusal(qint64 acked, qint64 newest, QString *error) {
  if (batch_ > 1) {
    batch_ = 1;
    later(0);
    return true;
  }
  if (!state_.refused(acked + 1)) {
    later(1000);
    return true;
  }
  QString nextError;
  bool nextRefused = false;
  const qint64 next = acked + 2 <= newest ? shipBatch(acked + 1, 1, &nextError, &nextRefused) : 0;
  if (next == 0) {
    *error = QStringLiteral("records refused: %1").arg(*error);
    return false;
  }
  noteProblem(acked + 1,
              QStringLiteral("central records: seq %1 refused: %2").arg(acked + 1).arg(*error));
  acknowledge(next);
  later(0);
  return true;
}

void CentralShipper::waitForTheServer(qint64 acked, qint64 waiting, const QString &error) {
  central_.close();
  schemaChecked_ = false;
  const qint64 retryMs = state_.unreachable(error);
  QSqlQuery query(journal_);
  query.prepare(QStringLiteral("SELECT taken_at FROM records WHERE seq = ?"));
  query.addBindValue(acked + 1);
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  const qint64 oldest =
      query.exec() && query.next()
          ? QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs).toMSecsSinceEpoch()
          : now;
  if (state_.warnNow(waiting, oldest, now))
    Q_EMIT outage(error, waiting);
  report(waiting, error);
  later(retryMs);
}

// Sends the records after `after`, at most `size`, in one transaction:
// copied into a staging table of this connection (the fast way into
// PostgreSQL), then inserted from there, a row already present left as it
// is. Returns the last seq sent, or 0 with the reason; `refused` tells a
// refusal from a server out of reach.
qint64 CentralShipper::shipBatch(qint64 after, int size, QString *error, bool *refused) {
  QSqlQuery local(journal_);
  local.setForwardOnly(true);
  if (!local.exec(QStringLiteral("SELECT %1 FROM records WHERE seq > %2 ORDER BY seq LIMIT %3")
                      .arg(journalschema::columnList())
                      .arg(after)
                      .arg(size))) {
    *error = local.lastError().text();
    return 0;
  }
  QByteArray rows;
  QHash<QPair<QString, qint64>, QString> macs;
  qint64 last = 0;
  while (local.next()) {
    const JournalRecord record = journalschema::readRecord(local);
    rows += centraldb::copyLine(record);
    macs.insert({record.station, record.seq}, record.mac);
    last = record.seq;
  }
  if (rows.isEmpty())
    return 0;
  const QString columns = journalschema::columnList();
  central_.transaction();
  QSqlQuery query(central_);
  QSet<QPair<QString, qint64>> inserted;
  bool ok =
      query.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS weigh_batch (LIKE "
                                "weigh_records INCLUDING DEFAULTS) ON COMMIT DELETE ROWS")) &&
      centraldb::copyInto(central_, QStringLiteral("weigh_batch"), rows, error) &&
      query.exec(QStringLiteral("INSERT INTO weigh_records (%1) SELECT %1 FROM weigh_batch ON "
                                "CONFLICT (station, seq) DO NOTHING RETURNING station, seq")
                     .arg(columns));
  while (ok && query.next())
    inserted.insert({query.value(0).toString(), query.value(1).toLongLong()});
  // What was there already must be what is here.
  QList<QPair<qint64, QString>> conflicts;
  if (ok && inserted.size() < macs.size()) {
    ok =
        query.exec(QStringLiteral("SELECT r.station, r.seq, r.mac, b.mac FROM weigh_records r JOIN "
                                  "weigh_batch b USING (station, seq) WHERE r.mac <> b.mac"));
    while (ok && query.next()) {
      conflicts << qMakePair(query.value(1).toLongLong(),
                             QStringLiteral("central records: %1 seq %2 is held differently by "
                                            "the central database (a conflict, left as it is)")
                                 .arg(query.value(0).toString())
                                 .arg(query.value(1).toLongLong()));
    }
  }
  if (!ok || !central_.commit()) {
    if (error->isEmpty() || query.lastError().isValid())
      *error =
          (query.lastError().isValid() ? query.lastError() : central_.lastError()).text().trimmed();
    central_.rollback();
    *refused = !centraldb::unreachable(central_, *error) && central_.isOpen() &&
               QSqlQuery(central_).exec(QStringLiteral("SELECT 1"));
    return 0;
  }
  for (const auto &conflict : conflicts)
    noteProblem(conflict.first, conflict.second);
  return last;
}
