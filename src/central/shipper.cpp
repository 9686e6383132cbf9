#include "central/shipper.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>

#include "central/centraldb.h"
#include "journal/shippingledger.h"

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
        delete watcher_;
        watcher_ = nullptr;
        ledger_.reset();
        const QString central = central_.connectionName();
        central_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(central);
        thread()->quit();
      },
      Qt::QueuedConnection);
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
}

void CentralShipper::begin() {
  ledger_ =
      std::make_unique<ShippingLedger>(journalPath_, target_, QStringLiteral("central-journal"));
  timer_ = new QTimer;
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &CentralShipper::turn);
  // Watched by name (inotify): nothing here opens the journal's files.
  watcher_ = new QFileSystemWatcher;
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &CentralShipper::woken);
  later(0);
}

void CentralShipper::later(qint64 ms) {
  idle_ = false;
  timer_->start(int(ms));
}

// Nothing to ship: the next turn comes with the next commit, or the poll.
// The log is written before its commit is synced and seen: a wake that
// finds nothing new looks again a few times, 5 ms apart.
void CentralShipper::idle() {
  const QString log = journalPath_ + QStringLiteral("-wal");
  if (watcher_->files().isEmpty() && QFileInfo::exists(log))
    watcher_->addPath(log);
  if (wakeLooks_ > 0) {
    --wakeLooks_;
    later(kWakeLookMs);
  } else {
    later(kIdlePollMs);
  }
  idle_ = true;
}

void CentralShipper::woken() {
  wakeLooks_ = kWakeLooks;
  if (idle_)
    later(0);
}

void CentralShipper::report(qint64 acked, qint64 waiting, const QString &failure) {
  ShippingStatus status;
  status.shippedSeq = acked;
  status.waiting = waiting;
  status.lastFailure = failure;
  Q_EMIT this->status(status);
}

bool CentralShipper::openCentral(QString *error) {
  if (!central_.isValid())
    central_ = centraldb::connect(uri_, QStringLiteral("central-records"), error);
  else if (!central_.isOpen() && !central_.open())
    *error = central_.lastError().text().trimmed();
  if (!central_.isOpen())
    return false;
  if (!schemaChecked_) {
    QSqlQuery query(central_);
    // The staging table's "already there" notices are not the operator's.
    if (!query.exec(QStringLiteral("SET client_min_messages TO warning"))) {
      *error = query.lastError().text().trimmed();
      return false;
    }
    if (!centraldb::ensureSchema(central_, error))
      return false;
    if (!query.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM weigh_records WHERE journal_id "
                                   "LIKE 'unclaimed:%')")) ||
        !query.next()) {
      *error = query.lastError().text().trimmed();
      return false;
    }
    unclaimedRows_ = query.value(0).toBool();
  }
  schemaChecked_ = true;
  return true;
}

// A refusal or a conflict: kept in the journal for the viewer, and said.
void CentralShipper::noteProblem(qint64 seq, const QString &text) {
  QString error;
  if (!ledger_->noteProblem(seq, text, &error))
    Q_EMIT problem(error);
  Q_EMIT problem(text);
}

bool CentralShipper::acknowledge(qint64 seq, QString *error) {
  batch_ = kBatch;
  return ledger_->acknowledge(seq, error);
}

void CentralShipper::turn() {
  QString error;
  if (!ledger_->open(&error)) {
    report(0, 0, error);
    later(1000);
    return;
  }
  const qint64 acked = ledger_->acknowledged(&error);
  const qint64 newest = acked < 0 ? -1 : ledger_->newest(&error);
  if (newest < 0) {
    // The journal cannot be read: tried again on a fresh connection.
    ledger_->close();
    report(qMax<qint64>(acked, 0), 0, error);
    later(1000);
    return;
  }
  if (newest <= acked) {
    state_.shipped(0);
    report(acked, 0, QString());
    idle();
    return;
  }
  const Batch batch = openCentral(&error) ? shipAfter(acked, batch_, &error) : Batch();
  if (batch.journalFailed) {
    ledger_->close();
    report(acked, newest - acked, error);
    later(1000);
    return;
  }
  if (batch.firstConflict > 0) {
    conflicted(acked, newest, batch);
    return;
  }
  if (batch.last > 0) {
    if (!acknowledge(batch.last, &error)) {
      // Sent but not noted: the next turn sends it again, which the central
      // database takes as already there.
      report(acked, newest - acked, error);
      later(1000);
      return;
    }
    state_.shipped(newest - batch.last);
    report(batch.last, newest - batch.last, QString());
    if (newest > batch.last)
      later(0);
    else
      idle();
    return;
  }
  if (batch.refused && isolateRefusal(acked, newest, &error))
    return;
  waitForTheServer(acked, newest - acked, error);
}

// Records up to the one before the first conflict are acknowledged; from it
// on nothing is, until a person settles it (the central row was changed, or
// the journal was). Said to the operator once per run.
void CentralShipper::conflicted(qint64 acked, qint64 newest, const Batch &batch) {
  qint64 shipped = acked;
  QString error;
  if (batch.firstConflict - 1 > acked) {
    if (acknowledge(batch.firstConflict - 1, &error))
      shipped = batch.firstConflict - 1;
    else
      Q_EMIT problem(error);
  }
  if (!conflictWarned_) {
    conflictWarned_ = true;
    Q_EMIT conflict(conflictsSeen_.size(), batch.firstConflict);
  }
  report(shipped, newest - shipped,
         QStringLiteral("seq %1 is held differently by the central database")
             .arg(batch.firstConflict));
  later(kConflictRetryMs);
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
  const Batch next = acked + 2 <= newest ? shipAfter(acked + 1, 1, &nextError) : Batch();
  if (next.last == 0 || next.firstConflict > 0) {
    *error = QStringLiteral("records refused: %1").arg(*error);
    return false;
  }
  noteProblem(acked + 1,
              QStringLiteral("central records: seq %1 refused: %2").arg(acked + 1).arg(*error));
  if (!acknowledge(next.last, error))
    return false;
  later(0);
  return true;
}

void CentralShipper::waitForTheServer(qint64 acked, qint64 waiting, const QString &error) {
  central_.close();
  schemaChecked_ = false;
  const qint64 retryMs = state_.unreachable(error);
  QString why;
  const QString takenAt = ledger_->takenAt(acked + 1, &why);
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  const qint64 oldest = takenAt.isEmpty()
                            ? now
                            : QDateTime::fromString(takenAt, Qt::ISODateWithMs).toMSecsSinceEpoch();
  if (state_.warnNow(waiting, oldest, now))
    Q_EMIT outage(error, waiting);
  report(acked, waiting, error);
  later(retryMs);
}

CentralShipper::Batch CentralShipper::shipAfter(qint64 after, int size, QString *error) {
  Batch batch;
  QList<JournalRecord> records;
  if (!ledger_->recordsAfter(after, size, &records, error)) {
    batch.journalFailed = true;
    return batch;
  }
  if (!records.isEmpty())
    send(records, &batch, error);
  return batch;
}

// Sends `records` in one transaction: copied into a staging table of this
// connection (the fast way into PostgreSQL), then inserted from there, a
// row already present left as it is and compared. `batch` says how far it
// went, or why not.
void CentralShipper::send(const QList<JournalRecord> &records, Batch *batch, QString *error) {
  QByteArray rows;
  for (const JournalRecord &record : records)
    rows += centraldb::copyLine(record, ledger_->journalId());
  const QString columns = centraldb::columnList();
  QString sqlState;
  QSqlQuery query(central_);
  qint64 inserted = 0;
  QList<qint64> conflicts;
  bool ok = central_.transaction() &&
            query.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS weigh_batch (LIKE "
                                      "weigh_records INCLUDING DEFAULTS) ON COMMIT DELETE ROWS")) &&
            centraldb::copyInto(central_, QStringLiteral("weigh_batch"), rows, error, &sqlState);
  // Rows of the same station sent before rows were keyed by journal are
  // this journal's when they are identical to its records.
  if (ok && unclaimedRows_) {
    ok =
        query.exec(QStringLiteral("UPDATE weigh_records r SET journal_id = b.journal_id FROM "
                                  "weigh_batch b WHERE r.journal_id = 'unclaimed:' || b.station "
                                  "AND r.seq = b.seq AND r.mac = b.mac"));
  }
  ok = ok && query.exec(QStringLiteral("INSERT INTO weigh_records (%1) SELECT %1 FROM weigh_batch "
                                       "ON CONFLICT (journal_id, seq) DO NOTHING RETURNING seq")
                            .arg(columns));
  while (ok && query.next())
    ++inserted;
  // What was there already must be what is here.
  if (ok && inserted < records.size()) {
    ok =
        query.exec(QStringLiteral("SELECT r.seq FROM weigh_records r JOIN weigh_batch b USING "
                                  "(journal_id, seq) WHERE r.mac <> b.mac ORDER BY r.seq"));
    while (ok && query.next())
      conflicts << query.value(0).toLongLong();
  }
  if (!ok || !central_.commit()) {
    const QSqlError failure =
        query.lastError().isValid() ? query.lastError() : central_.lastError();
    if (failure.isValid()) {
      *error = failure.text().trimmed();
      sqlState = failure.nativeErrorCode();
    }
    central_.rollback();
    batch->refused = !centraldb::unreachable(central_, sqlState) &&
                     QSqlQuery(central_).exec(QStringLiteral("SELECT 1"));
    return;
  }
  batch->last = records.last().seq;
  for (const qint64 seq : conflicts) {
    if (conflictsSeen_.contains(seq))
      continue;
    conflictsSeen_.insert(seq);
    noteProblem(seq, QStringLiteral("central records: journal %1 seq %2 is held differently by "
                                    "the central database (a conflict, left as it is)")
                         .arg(ledger_->journalId())
                         .arg(seq));
  }
  batch->firstConflict = conflicts.value(0, 0);
}
