#include "central/shipper.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include "central/centraldb.h"
#include "journal/shippingledger.h"
#include "journal/signingkeys.h"

CentralShipper::CentralShipper(const QString &uri, const QString &journalPath)
    : uri_(uri), target_(target(uri)) {
  if (Failure refusal; !centraldb::checkUri(uri, &refusal))
    uriRefusal_ = refusal.text();
  qRegisterMetaType<ShippingStatus>();
  follower_ = std::make_unique<JournalFollower>(
      journalPath, target_, QStringLiteral("central-journal"), ShippingLedger::Kind::Central,
      static_cast<FollowerDestination *>(this));
  connect(follower_.get(), &JournalFollower::status, this, [this](const FollowerStatus &now) {
    ShippingStatus status;
    status.shippedSeq = now.acknowledged;
    status.waiting = now.waiting;
    status.lastFailure = now.lastFailure;
    Q_EMIT this->status(status);
  });
  connect(follower_.get(), &JournalFollower::outage, this, &CentralShipper::outage);
}

CentralShipper::~CentralShipper() {
  stop(-1);
}

QString CentralShipper::target(const QString &uri) {
  return centraldb::shownUri(uri);
}

void CentralShipper::start() {
  setObjectName(QStringLiteral("central shipping"));
  follower_->start(objectName(), this);
}

// A step under way ends at its next step; a call inside libpq ends within
// the connection's bounds (centraldb::parseUri) at the latest.
bool CentralShipper::stop(int waitMs) {
  return follower_->stop(waitMs);
}

void CentralShipper::begin() {
  if (!uriRefusal_.isEmpty()) {
    // Nothing is shipped, ever, to a URI that cannot be used as written.
    const Failure refusal(Failure::Kind::Refused,
                          QStringLiteral("WEIGHSTATION_CENTRAL: %1").arg(uriRefusal_));
    Q_EMIT problem(refusal);
    follower_->refusedForGood(refusal);
    return;
  }
  // The records set aside in an earlier run are tried again now, whether or
  // not new records come (without a journal yet, there are none).
  Failure noJournal;
  if (ledger().open(&noJournal))
    settleSetAside();
}

void CentralShipper::end() {
  const QString connection = central_.connectionName();
  central_ = QSqlDatabase();
  if (!connection.isEmpty())
    QSqlDatabase::removeDatabase(connection);
}

void CentralShipper::reconnect() {
  if (!setAsideTried_)
    settleSetAside();
}

int CentralShipper::room() {
  return uriRefusal_.isEmpty() ? batch_ : 0;
}

void CentralShipper::send(const QList<JournalRecord> &records) {
  if (!setAsideTried_ && !settleSetAside())
    return;
  Failure failure;
  Batch batch;
  if (openCentral(&failure))
    sendBatch(records, &batch, &failure);
  if (batch.firstConflict > 0) {
    conflicted(batch);
  } else if (batch.last > 0) {
    batch_ = kBatch;
    follower_->takenUpTo(batch.last);
    follower_->reached();
  } else if (batch.refused) {
    isolateRefusal(records.first().seq, failure);
  } else {
    waitForTheServer(failure);
  }
}

// The desk's transactions go behind the records they bind, once those are
// central, with a cursor of their own in the ledger: exactly once, a row
// already there compared, never overwritten.
void CentralShipper::caughtUp() {
  Failure failure;
  const qint64 after = ledger().transactionsAcknowledged(&failure);
  QList<Transaction> entries;
  if (after < 0 || !ledger().transactionsAfter(after, kBatch, &entries, &failure) ||
      entries.isEmpty())
    return;
  const qint64 central = follower_->acknowledgedSeq();
  qsizetype ready = 0;
  while (ready < entries.size() &&
         qMax(entries[ready].firstRecord, entries[ready].secondRecord) <= central)
    ++ready;
  entries.resize(ready);
  qint64 firstConflict = 0;
  if (entries.isEmpty() || !openCentral(&failure) ||
      !centraldb::sendTransactions(central_, ledger().journalId(), entries, &firstConflict,
                                   &failure)) {
    if (failure.failed() && failure.kind() != Failure::Kind::Unreachable &&
        failure.reason() != transactionsProblemSaid_) {
      transactionsProblemSaid_ = failure.reason();
      noteProblem(failure);
    }
    return;
  }
  const qint64 upTo = firstConflict > 0 ? firstConflict - 1 : entries.last().seq;
  if (firstConflict > 0 && !conflictsSeen_.contains(-firstConflict)) {
    conflictsSeen_.insert(-firstConflict);  // a transaction's, apart from the records'
    noteProblem(Failure(Failure::Kind::Refused,
                        QCoreApplication::translate(
                            "Central",
                            "central records: journal %1 transaction %2 is held differently by "
                            "the central database (a conflict, left as it is)")
                            .arg(ledger().journalId())
                            .arg(firstConflict)));
  }
  if (upTo > after && ledger().acknowledgeTransactions(upTo, &failure) && firstConflict == 0 &&
      entries.size() == kBatch)
    follower_->wake();
}

// False (and waiting for the server) when the records set aside could not
// all be tried now.
bool CentralShipper::settleSetAside() {
  Failure failure;
  if (retrySetAside(&failure)) {
    follower_->wake();
    return true;
  }
  waitForTheServer(failure);
  return false;
}

bool CentralShipper::openCentral(Failure *failure) {
  if (!central_.isValid()) {
    central_ = centraldb::connect(
        uri_, JournalFollower::uniqueName(QStringLiteral("central-records")), failure);
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
        !centraldb::claimJournal(central_, ledger().journalId(), failure))
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
  if (!ledger().noteProblem(problem.seq(), problem.text(), &failure))
    Q_EMIT this->problem(failure);
  Q_EMIT this->problem(problem);
}

void CentralShipper::sayRefused(const Failure &refusal) {
  if (refusalsSaid_.contains(refusal.seq()))
    return;
  refusalsSaid_.insert(refusal.seq());
  Q_EMIT refusedRecord(refusal);
}

// Records up to the one before the first conflict are acknowledged; from it
// on nothing is, until a person settles it (the central row was changed, or
// the journal was). Said to the operator once per run; offered again each
// minute.
void CentralShipper::conflicted(const Batch &batch) {
  follower_->reached();
  follower_->takenUpTo(batch.firstConflict - 1);
  if (!conflictWarned_) {
    conflictWarned_ = true;
    Q_EMIT conflict(conflictsSeen_.size(), batch.firstConflict);
  }
  follower_->held(batch.firstConflict,
                  Failure(Failure::Kind::Refused,
                          QCoreApplication::translate(
                              "Central", "seq %1 is held differently by the central database")
                              .arg(batch.firstConflict),
                          batch.firstConflict));
}

// One record at a time finds the one refused. It is tried a few times;
// when the record after it is taken, it was that record's own fault: it is
// set aside in the journal (tried again at each start), said, and the
// records after it go on. When that one is refused too, the refusal is the
// server's (a permission, a full disk): nothing is set aside, and it is
// tried again later, as when out of reach. Passing failures (a timeout, a
// lock) never come here.
void CentralShipper::isolateRefusal(qint64 seq, const Failure &failure) {
  if (batch_ > 1) {
    batch_ = 1;
    follower_->held(seq, failure, 0);
    return;
  }
  if (++refusals_[seq] < kTriesOfARefusedRecord) {
    follower_->held(seq, failure, 1000);
    return;
  }
  Failure nextFailure;
  QList<JournalRecord> after;
  Batch next;
  if (ledger().recordsAfter(seq, 1, &after, &nextFailure) && !after.isEmpty())
    sendBatch(after, &next, &nextFailure);
  if (next.last == 0 || next.firstConflict > 0) {
    waitForTheServer(failure.within(QCoreApplication::translate("Central", "records refused")));
    return;
  }
  Failure noted;
  if (!ledger().setAside(seq, failure.reason(), &noted)) {
    // Not moved past a record that is not noted to be tried again.
    waitForTheServer(noted);
    return;
  }
  const Failure refusal(
      Failure::Kind::Refused,
      QCoreApplication::translate("Central", "central records: seq %1 refused: %2")
          .arg(seq)
          .arg(failure.reason()),
      seq);
  noteProblem(refusal);
  sayRefused(refusal);
  batch_ = kBatch;
  follower_->takenUpTo(next.last);
  follower_->reached();
}

// The records set aside (in this run or an earlier one) are tried again
// once per run, before the records after the cursor: a central side mended
// since takes them. False with the failure when the server or the journal
// cannot be used now (tried again later).
bool CentralShipper::retrySetAside(Failure *failure) {
  QList<qint64> seqs;
  if (!ledger().setAsideSeqs(&seqs, failure))
    return false;
  if (!seqs.isEmpty() && !openCentral(failure))
    return false;
  for (const qint64 seq : std::as_const(seqs)) {
    Failure refused;
    QList<JournalRecord> records;
    if (!ledger().recordsAfter(seq - 1, 1, &records, failure))
      return false;
    if (records.isEmpty())
      continue;  // not in the journal's checked range: nothing to send
    Batch batch;
    sendBatch(records, &batch, &refused);
    if (batch.last == seq && batch.firstConflict == 0) {
      if (!ledger().shippedAfterAll(seq, failure))
        return false;
      continue;
    }
    if (batch.firstConflict == seq)
      continue;  // held differently centrally: said as a conflict
    if (!batch.refused) {
      *failure = refused;
      return false;
    }
    sayRefused(Failure(Failure::Kind::Refused,
                       QCoreApplication::translate("Central", "central records: seq %1 refused: %2")
                           .arg(seq)
                           .arg(refused.reason()),
                       seq));
  }
  setAsideTried_ = true;
  return true;
}

void CentralShipper::waitForTheServer(const Failure &failure) {
  central_.close();
  schemaChecked_ = false;
  epochKeysSent_ = -1;
  follower_->unreachable(failure);
}

// The epoch keys that certify the records' seals go with them (the
// verification key with each, for the registered fingerprint to name), in
// the batch's transaction. `*upTo`: the last epoch sent (-1: none new).
bool CentralShipper::sendEpochKeys(qint64 *upTo, Failure *failure) {
  QList<signingkeys::EpochCertificate> keys;
  QString verificationKey;
  Failure unread;  // keys not read now go with a later batch
  if (ledger().epochKeys(epochKeysSent_, &keys, &verificationKey, &unread) && !keys.isEmpty() &&
      !centraldb::sendEpochKeys(central_, ledger().journalId(), keys, verificationKey, failure))
    return false;
  *upTo = keys.isEmpty() ? -1 : keys.last().epoch;
  return true;
}

// Sends `records` in one transaction: copied into a staging table of this
// connection (the fast way into PostgreSQL), then inserted from there, a
// row already present left as it is and compared. `batch` says how far it
// went, or why not.
void CentralShipper::sendBatch(const QList<JournalRecord> &records, Batch *batch,
                               Failure *failure) {
  QByteArray rows;
  for (const JournalRecord &record : records)
    rows += centraldb::copyLine(record, ledger().journalId());
  const QString columns = centraldb::columnList();
  QString sqlState;
  Failure stepFailed;
  QSqlQuery query(central_);
  qint64 inserted = 0;
  QList<qint64> conflicts;
  bool ok =
      central_.transaction() &&
      query.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS weigh_batch (LIKE "
                                "weigh_records INCLUDING DEFAULTS) ON COMMIT DELETE ROWS")) &&
      centraldb::copyInto(central_, QStringLiteral("weigh_batch"), rows, &stepFailed, &sqlState);
  qint64 keysUpTo = -1;
  ok = ok && sendEpochKeys(&keysUpTo, &stepFailed);
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
    QString why = stepFailed.reason();
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
    noteProblem(Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Central",
                                    "central records: journal %1 seq %2 is held differently by "
                                    "the central database (a conflict, left as it is)")
            .arg(ledger().journalId())
            .arg(seq),
        seq));
  }
  batch->firstConflict = conflicts.value(0, 0);
}
