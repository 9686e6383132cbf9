// The record journal as the monitor writes it: an SQLite database (WAL,
// synchronous=FULL) with one row per record, each sealed with an
// HMAC-SHA-256 chained to the record before, committed one transaction per
// record. It never deletes, overwrites or repairs a record; a journal that
// fails its own check at open is left alone.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

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
  // reason; a later call tries again.
  bool open(QString *error);
  bool isOpen() const { return open_; }

  // Seals and commits the record, giving it the next seq, then reads it
  // back. Returns its seq, or 0 with the reason (a failed commit takes no
  // seq).
  qint64 append(JournalRecord &record, QString *error);
  // Notes how the text log took the record `seq` last appended.
  bool noteTextLog(const JournalRecord &record, bool written, const QString &failure,
                   QString *error);

  // Folds the write-ahead log into the database, as far as readers allow.
  // Run it between records: a commit never does it.
  void checkpoint();

  // Bytes free on the journal's filesystem; -1 when unknown.
  qint64 bytesFree() const;
  const QString &path() const { return path_; }

 private:
  bool refuseAnotherStart(const QString &state, const QString &journalId, QString *error);
  bool createSchema(QString *error);
  bool readIdentity(QString *error);
  bool checkEnd(QString *error);
  bool commit(JournalRecord &record, QString *error);
  bool readBack(const JournalRecord &record, const QString &previousMac, QString *error);
  bool fail(const QString &what, const QSqlQuery &query, QString *error);

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
// The record in the current row of a query that selected columnList().
JournalRecord readRecord(const QSqlQuery &query);
}  // namespace journalschema
