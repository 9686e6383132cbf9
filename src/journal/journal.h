// The record journal as the monitor writes it: an SQLite database (WAL,
// synchronous=FULL) with one row per record, each sealed with an
// HMAC-SHA-256 chained to the record before, committed one transaction per
// record. It never deletes, overwrites or repairs a record; a journal that
// fails its own check at open is left alone.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

#include "journal/failure.h"
#include "journal/journalfiles.h"
#include "journal/journalrecord.h"

class RecordJournal {
 public:
  static constexpr int kFormat = 1;

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
  // Notes how the text log took the record `seq` last appended.
  bool noteTextLog(const JournalRecord &record, bool written, const QString &textLogFailure,
                   Failure *failure);

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
  bool commit(JournalRecord &record, Failure *failure);
  bool readBack(const JournalRecord &record, const QString &previousMac, Failure *failure);
  void rollback();
  static bool fail(const QString &what, const QSqlQuery &query, Failure *failure, qint64 seq = 0);

  QString path_;
  QString keyPath_;
  QString connectionName_;
  QByteArray key_;
  QString journalId_;
  journalfiles::HeadWriter head_;
  QSqlDatabase db_;
  QSqlQuery insert_;
  bool open_ = false;
  journalfiles::Head lastHead_;
};

// SQL of the journal's tables, for a reader that checks them.
namespace journalschema {
QString recordsTable();
QString deliveriesTable();
// "a, b, c": every column of `records`, mac last.
QString columnList();
// The record in the current row of a query that selected columnList(), or
// in a row of such a query's model.
JournalRecord readRecord(const QSqlQuery &query);
JournalRecord readRecord(const QSqlRecord &row);
}  // namespace journalschema
