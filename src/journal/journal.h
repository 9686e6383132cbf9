// The record journal as the monitor writes it: an SQLite database (WAL,
// synchronous=FULL) with one row per record, each sealed on the record
// before, committed one transaction per record. Format 2 seals with the
// station's epoch keys (signingkeys.h, recordseal.h); a journal of format 1
// (HMAC-SHA-256 under one secret key) is continued in format 2 after a
// transition sealed under its old key. It never deletes, overwrites or
// repairs a record; a journal that fails its own check at open is left
// alone.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <functional>

#include "failure/failure.h"
#include "journal/chaincheck.h"
#include "journal/journalfiles.h"
#include "journal/journalrecord.h"
#include "journal/signingkeys.h"
#include "journal/transactions.h"

class RecordJournal {
 public:
  static constexpr int kFormat = 2;

  // The journal at journalPath sealed with the key at keyPath.
  RecordJournal(const QString &journalPath, const QString &keyPath,
                const QString &connectionName = QStringLiteral("weighstation-journal"));
  ~RecordJournal();
  RecordJournal(const RecordJournal &) = delete;
  RecordJournal &operator=(const RecordJournal &) = delete;

  // Opens the journal, making it, its folder and its key on first use, and
  // checks its end against the previous record and the head. False with the
  // failure; a later call tries again.
  bool open(Failure *failure);
  bool isOpen() const { return open_; }

  // Seals and commits the record, giving it the next seq, then reads it
  // back and advances the head. Returns 0 with the failure when the record
  // was not committed (it takes no seq). A committed record's seq is
  // returned even when its read-back or its head's advance failed; then
  // `failure` says so, with that seq.
  qint64 append(JournalRecord &record, Failure *failure);
  // Seals and commits the weighing desk's transaction `entry` as the next
  // one, once `state` (brought up to the journal's last transaction under
  // the writers' lock) finds nothing wrong with it (transactions.h), then
  // advances the head. Fills in its seq, station, time, records' seals and
  // seal. Nothing is committed when it returns false; when it is committed
  // but the head could not be advanced, `failure` says so.
  bool appendTransaction(Transaction &entry, transactions::TransactionCheck *state,
                         Failure *failure);
  // Brings `state` up to the journal's last transaction: the ones sealed
  // since it last saw them (by another desk), each checked; false with the
  // first problem, or when they cannot be read.
  bool readTransactions(transactions::TransactionCheck *state, Failure *failure);
  // What a transaction needs of record `seq`; none when it is not there.
  std::optional<transactions::RecordFacts> recordFacts(qint64 seq);
  // Notes how the text log took the record `seq` last appended.
  bool noteTextLog(const JournalRecord &record, bool written, const QString &textLogFailure,
                   Failure *failure);

  // Erases the signing secrets of epochs that are past: run now and then,
  // so that a secret goes when its epoch ends, not at the next record.
  void evolve();
  // Seconds since 1970 (tests move it).
  void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
  // The clock of every journal made after: tests whose records are dated
  // in the past set it once, before any journal.
  static std::function<qint64()> &defaultClock();

  // Folds the write-ahead log into the database, as far as readers allow.
  // Run it between records: a commit never does it.
  void checkpoint();

  // Bytes free on the journal's filesystem; -1 when unknown.
  qint64 bytesFree() const;
  const QString &path() const { return path_; }

 private:
  bool refuseAnotherStart(const QString &state, const QString &journalId, Failure *failure);
  bool createSchema(Failure *failure);
  bool readIdentity(Failure *failure);
  bool checkEnd(Failure *failure);
  bool commit(JournalRecord &record, const QString &previousMac, Failure *failure);
  bool takeEpochInForce(Failure *failure);
  bool prepareStatements(Failure *failure);
  Failure sealingEpoch(const JournalRecord &record, qint64 *epoch, qint64 *takenAt) const;
  bool noteEpochKey(qint64 epoch, Failure *failure);
  // The head that witnesses `record` and the last note, signed.
  journalfiles::Head headOf(const JournalRecord &record) const;
  void signHead(journalfiles::Head *head) const;
  bool readBack(const JournalRecord &record, const QString &previousMac, Failure *failure);
  bool loadSigningKeys(bool commission, Failure *failure);
  bool continueInFormat2(Failure *failure);
  // Why the keys cannot sign in `epoch`.
  Failure cannotSign(qint64 epoch, qint64 seq) const;
  void erasePastEpochs(qint64 epoch);
  void continueTheRun();
  static Failure datedBeforeItsEpoch(const JournalRecord &record, qint64 epoch);
  bool readNotesEnd(const journalfiles::Head &head, QList<chaincheck::Problem> *problems,
                    Failure *failure);
  // The last note and transaction, which the next head witnesses.
  bool readLastNote(Failure *failure);
  void noteAnUnnotedEnd();
  void rollback();
  // Lets go of the connection and its statements: the next record opens
  // the journal anew, through its check.
  void closeConnection();
  static bool fail(const QString &what, const QSqlQuery &query, Failure *failure, qint64 seq = 0);

  QString path_;
  QString keyPath_;
  QString connectionName_;
  QByteArray key_;  // format 1's, while its records end the journal
  int format_ = kFormat;
  signingkeys::SigningKeys keys_;
  qint64 epochInForce_ = -1;    // never goes back, whatever the clock does
  qint64 epochInJournal_ = -1;  // the last epoch whose key the journal holds
  std::function<qint64()> clock_;
  QString journalId_;
  journalfiles::HeadWriter head_;
  QSqlDatabase db_;
  // Prepared once a connection: each record's commit runs them.
  QSqlQuery insert_;
  QSqlQuery lastRecord_;
  QSqlQuery readBack_;
  bool open_ = false;
  journalfiles::Head lastHead_;
  qint64 lastNoteSeq_ = 0;  // the last text log note's seq and seal
  QString lastNoteMac_;
  qint64 lastTransactionSeq_ = 0;  // the weighing desk's last transaction
  QString lastTransactionMac_;
};

// SQL of the journal's tables, for a reader that checks them.
namespace journalschema {
// What makes a journal's file, one definition for the writer that creates
// it and the check that compares the file's schema with it.
QString metaTable();
QString recordsTable();
QString takenAtIndex();
QString deliveriesTable();
QString epochKeysTable();
QString transitionTable();
// A shipping ledger's tables ("central", "mqtt"): its cursor, its
// problems and the records set aside.
QStringList ledgerTables(const QString &prefix);

// An object of the file's schema as SQLite keeps it (sqlite_master).
struct SchemaObject {
  QString type;
  QString name;
  QString table;
  QString sql;  // empty for an index SQLite makes itself
  bool operator==(const SchemaObject &other) const {
    return type == other.type && name == other.name && table == other.table && sql == other.sql;
  }
};
// Every object this program may make in a journal's file: anything else,
// or any of these defined otherwise, is not a journal's.
const QList<SchemaObject> &knownObjects();
// The bytes format 1's key seals for the transition to format 2.
QByteArray transitionBytes(const QString &journalId, qint64 afterSeq, const QString &lastMac,
                           const QByteArray &verificationKey);
// "a, b, c": every column of `records`, mac last.
QString columnList();
// The record in the current row of a query that selected columnList(), or
// in a row of such a query's model.
JournalRecord readRecord(const QSqlQuery &query);
JournalRecord readRecord(const QSqlRecord &row);
}  // namespace journalschema
