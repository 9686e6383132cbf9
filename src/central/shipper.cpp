#include "central/shipper.h"

#include "journal/signingkeys.h"

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
    : uri_(uri), target_(target(uri)), journalPath_(journalPath) {
  centraldb::checkUri(uri, &uriRefusal_);
}

CentralShipper::~CentralShipper() {
  stop(-1);
}

QString CentralShipper::target(const QString &uri) {
  return centraldb::shownUri(uri);
}

void CentralShipper::start() {
  qRegisterMetaType<ShippingStatus>();
  qRegisterMetaType<Failure>();
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("central shipping"));
  setObjectName(thread_->objectName());
  moveToThread(thread_);
  connect(thread_, &QThread::started, this, &CentralShipper::begin);
  thread_->start();
}

bool CentralShipper::stop(int waitMs) {
  if (!thread_)
    return true;
  // A turn under way ends at its next step; a call inside libpq ends
  // within the connection's bounds (centraldb::parseUri) at the latest.
  const bool first = !stopping_.exchange(true);
  if (first)
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
  if (!thread_->wait(waitMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(waitMs)))
    return false;
  delete thread_;
  thread_ = nullptr;
  return true;
}

void CentralShipper::begin() {
  if (!uriRefusal_.isEmpty()) {
    // Nothing is shipped, ever, to a URI that cannot be used as written.
    const Failure refusal(Failure::Kind::Refused,
                          QStringLiteral("WEIGHSTATION_CENTRAL: %1").arg(uriRefusal_));
    Q_EMIT problem(refusal);
    report(0, 0, refusal);
    return;
  }
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
  if (stopping_)
    return;
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

void CentralShipper::report(qint64 acked, qint64 waiting, const Failure &failure) {
  ShippingStatus status;
  status.shippedSeq = acked;
  status.waiting = waiting;
  status.lastFailure = failure;
  Q_EMIT this->status(status);
}

bool CentralShipper::openCentral(Failure *failure) {
  if (!central_.isValid()) {
    central_ = centraldb::connect(uri_, QStringLiteral("central-records"), failure);
  } else if (!central_.isOpen() && !central_.open()) {
    // No SQLSTATE before a connection: the connection's status tells.
    *failure = Failure(centraldb::unreachable(central_, QString()) ? Failure::Kind::Unreachable
                                                                   : Failure::Kind::Refused,
                       central_.lastError().text().trimmed());
  }
  if (!central_.isOpen())
    return false;
  if (!schemaChecked_) {
    QSqlQuery query(central_);
    // The staging table's "already there" notices are not the operator's.
    if (!query.exec(QStringLiteral("SET client_min_messages TO warning"))) {
      *failure = Failure::ofSql(QStringLiteral("central records"), query.lastError(),
                                Failure::Kind::Unreachable);
      return false;
    }
    if (!centraldb::ensureSchema(central_, failure) ||
        !centraldb::claimJournal(central_, ledger_->journalId(), failure))
      return false;
    if (!query.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM weigh_records WHERE journal_id "
                                   "LIKE 'unclaimed:%')")) ||
        !query.next()) {
      *failure = Failure::ofSql(QStringLiteral("central records"), query.lastError(),
                                Failure::Kind::Unreachable);
      return false;
    }
    unclaimedRows_ = query.value(0).toBool();
  }
  schemaChecked_ = true;
  return true;
}

// A refusal or a conflict: kept in the journal for the viewer, and said.
void CentralShipper::noteProblem(const Failure &problem) {
  Failure failure;
  if (!ledger_->noteProblem(problem.seq(), problem.text(), &failure))
    Q_EMIT this->problem(failure);
  Q_EMIT this->problem(problem);
}

bool CentralShipper::acknowledge(qint64 seq, Failure *failure) {
  batch_ = kBatch;
  return ledger_->acknowledge(seq, failure);
}

void CentralShipper::turn() {
  if (stopping_)
    return;
  Failure failure;
  if (!ledger_->open(&failure)) {
    report(0, 0, failure);
    later(1000);
    return;
  }
  const qint64 acked = ledger_->acknowledged(&failure);
  const qint64 newest = acked < 0 ? -1 : ledger_->newest(&failure);
  if (newest < 0) {
    // The journal cannot be read: tried again on a fresh connection.
    ledger_->close();
    report(qMax<qint64>(acked, 0), 0, failure);
    later(1000);
    return;
  }
  if (!setAsideTried_ && !retrySetAside(&failure)) {
    waitForTheServer(acked, newest - acked, failure);
    return;
  }
  if (newest <= acked) {
    state_.shipped(0);
    report(acked, 0, Failure());
    idle();
    return;
  }
  const Batch batch = openCentral(&failure) ? shipAfter(acked, batch_, &failure) : Batch();
  if (batch.journalFailed) {
    ledger_->close();
    report(acked, newest - acked, failure);
    later(1000);
    return;
  }
  if (batch.firstConflict > 0) {
    conflicted(acked, newest, batch);
    return;
  }
  if (batch.last > 0) {
    if (!acknowledge(batch.last, &failure)) {
      // Sent but not noted: the next turn sends it again, which the central
      // database takes as already there.
      report(acked, newest - acked, failure);
      later(1000);
      return;
    }
    state_.shipped(newest - batch.last);
    report(batch.last, newest - batch.last, Failure());
    if (newest > batch.last)
      later(0);
    else
      idle();
    return;
  }
  if (batch.refused && isolateRefusal(acked, newest, &failure))
    return;
  waitForTheServer(acked, newest - acked, failure);
}

// Records up to the one before the first conflict are acknowledged; from it
// on nothing is, until a person settles it (the central row was changed, or
// the journal was). Said to the operator once per run.
void CentralShipper::conflicted(qint64 acked, qint64 newest, const Batch &batch) {
  qint64 shipped = acked;
  Failure failure;
  if (batch.firstConflict - 1 > acked) {
    if (acknowledge(batch.firstConflict - 1, &failure))
      shipped = batch.firstConflict - 1;
    else
      Q_EMIT problem(failure);
  }
  if (!conflictWarned_) {
    conflictWarned_ = true;
    Q_EMIT conflict(conflictsSeen_.size(), batch.firstConflict);
  }
  report(shipped, newest - shipped,
         Failure(Failure::Kind::Refused,
                 QStringLiteral("seq %1 is held differently by the central database")
                     .arg(batch.firstConflict),
                 batch.firstConflict));
  later(kConflictRetryMs);
}

// One record at a time finds the one refused. It is tried a few times;
// when the record after it is taken, it was that record's own fault: it is
// set aside in the journal (tried again at each start), said, and the
// records after it go on. When that one is refused too, the refusal is the
// server's (a permission, a full disk): nothing is set aside, and it is
// tried again later, as when out of reach (false; `failure` says so).
// Passing failures (a timeout, a lock) never come here.
bool CentralShipper::isolateRefusal(qint64 acked, qint64 newest, Failure *failure) {
  if (batch_ > 1) {
    batch_ = 1;
    later(0);
    return true;
  }
  if (!state_.refused(acked + 1)) {
    later(1000);
    return true;
  }
  Failure nextFailure;
  const Batch next = acked + 2 <= newest ? shipAfter(acked + 1, 1, &nextFailure) : Batch();
  if (next.last == 0 || next.firstConflict > 0) {
    *failure = failure->within(QStringLiteral("records refused"));
    return false;
  }
  const qint64 seq = acked + 1;
  Failure noted;
  if (!ledger_->setAside(seq, failure->reason(), &noted)) {
    // Not moved past a record that is not noted to be tried again.
    *failure = noted;
    return false;
  }
  const Failure refusal(
      Failure::Kind::Refused,
      QStringLiteral("central records: seq %1 refused: %2").arg(seq).arg(failure->reason()), seq);
  noteProblem(refusal);
  sayRefused(refusal);
  if (!acknowledge(next.last, failure))
    return false;
  later(0);
  return true;
}

void CentralShipper::sayRefused(const Failure &refusal) {
  if (refusalsSaid_.contains(refusal.seq()))
    return;
  refusalsSaid_.insert(refusal.seq());
  Q_EMIT refusedRecord(refusal);
}

// The records set aside (in this run or an earlier one) are tried again
// once per run, before the records after the cursor: a central side mended
// since takes them. False with the failure when the server or the journal
// cannot be used now (tried again later).
bool CentralShipper::retrySetAside(Failure *failure) {
  QList<qint64> seqs;
  if (!ledger_->setAsideSeqs(&seqs, failure))
    return false;
  if (!seqs.isEmpty() && !openCentral(failure))
    return false;
  for (const qint64 seq : std::as_const(seqs)) {
    Failure refused;
    const Batch batch = shipAfter(seq - 1, 1, &refused);
    if (batch.journalFailed) {
      *failure = refused;
      return false;
    }
    if (batch.last == seq && batch.firstConflict == 0) {
      if (!ledger_->shippedAfterAll(seq, failure))
        return false;
      continue;
    }
    if (batch.firstConflict == seq)
      continue;  // held differently centrally: said as a conflict
    if (!batch.refused) {
      *failure = refused;
      return false;
    }
    sayRefused(Failure(
        Failure::Kind::Refused,
        QStringLiteral("central records: seq %1 refused: %2").arg(seq).arg(refused.reason()), seq));
  }
  setAsideTried_ = true;
  return true;
}

void CentralShipper::waitForTheServer(qint64 acked, qint64 waiting, const Failure &failure) {
  central_.close();
  schemaChecked_ = false;
  epochKeysSent_ = -1;
  const qint64 retryMs = state_.unreachable(failure.text());
  Failure why;
  const QString takenAt = ledger_->takenAt(acked + 1, &why);
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  const qint64 oldest = takenAt.isEmpty()
                            ? now
                            : QDateTime::fromString(takenAt, Qt::ISODateWithMs).toMSecsSinceEpoch();
  if (state_.warnNow(waiting, oldest, now))
    Q_EMIT outage(failure, waiting);
  report(acked, waiting, failure);
  later(retryMs);
}

CentralShipper::Batch CentralShipper::shipAfter(qint64 after, int size, Failure *failure) {
  Batch batch;
  QList<JournalRecord> records;
  if (!ledger_->recordsAfter(after, size, &records, failure)) {
    batch.journalFailed = true;
    return batch;
  }
  if (!records.isEmpty())
    send(records, &batch, failure);
  return batch;
}

// The epoch keys that certify the records' seals go with them (the
// verification key with each, for the registered fingerprint to name), in
// the batch's transaction. `*upTo`: the last epoch sent (-1: none new).
bool CentralShipper::sendEpochKeys(qint64 *upTo, QString *why) {
  QList<signingkeys::EpochCertificate> keys;
  QString verificationKey;
  Failure failure;
  if (ledger_->epochKeys(epochKeysSent_, &keys, &verificationKey, &failure) && !keys.isEmpty() &&
      !centraldb::sendEpochKeys(central_, ledger_->journalId(), keys, verificationKey, &failure)) {
    *why = failure.reason();
    return false;
  }
  *upTo = keys.isEmpty() ? -1 : keys.last().epoch;
  return true;
}

// Sends `records` in one transaction: copied into a staging table of this
// connection (the fast way into PostgreSQL), then inserted from there, a
// row already present left as it is and compared. `batch` says how far it
// went, or why not.
void CentralShipper::send(const QList<JournalRecord> &records, Batch *batch, Failure *failure) {
  QByteArray rows;
  for (const JournalRecord &record : records)
    rows += centraldb::copyLine(record, ledger_->journalId());
  const QString columns = centraldb::columnList();
  QString sqlState;
  QString why;
  QSqlQuery query(central_);
  qint64 inserted = 0;
  QList<qint64> conflicts;
  bool ok = central_.transaction() &&
            query.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS weigh_batch (LIKE "
                                      "weigh_records INCLUDING DEFAULTS) ON COMMIT DELETE ROWS")) &&
            centraldb::copyInto(central_, QStringLiteral("weigh_batch"), rows, &why, &sqlState);
  qint64 keysUpTo = -1;
  ok = ok && sendEpochKeys(&keysUpTo, &why);
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
    const QSqlError said = query.lastError().isValid() ? query.lastError() : central_.lastError();
    if (said.isValid()) {
      why = said.text().trimmed();
      sqlState = said.nativeErrorCode();
    }
    // Failed already: a failed rollback changes nothing of what is said.
    central_.rollback();
    batch->refused = !centraldb::unreachable(central_, sqlState) &&
                     QSqlQuery(central_).exec(QStringLiteral("SELECT 1"));
    *failure = Failure(batch->refused ? Failure::Kind::Refused : Failure::Kind::Unreachable, why,
                       records.first().seq);
    return;
  }
  batch->last = records.last().seq;
  if (keysUpTo >= 0)
    epochKeysSent_ = keysUpTo;
  for (const qint64 seq : conflicts) {
    if (conflictsSeen_.contains(seq))
      continue;
    conflictsSeen_.insert(seq);
    noteProblem(Failure(Failure::Kind::Refused,
                        QStringLiteral("central records: journal %1 seq %2 is held differently by "
                                       "the central database (a conflict, left as it is)")
                            .arg(ledger_->journalId())
                            .arg(seq),
                        seq));
  }
  batch->firstConflict = conflicts.value(0, 0);
}
