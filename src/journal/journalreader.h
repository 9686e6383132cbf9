// The journal opened read-only: what the records command, the viewer and
// the checks read. It can never change a record.
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

#include "failure/failure.h"
#include "journal/journalrecord.h"
#include "journal/shown.h"
#include "journal/signingkeys.h"

struct JournalFilter {
  QString takenFrom;       // UTC ISO 8601, inclusive; empty: from the first
  QString takenTo;         // UTC ISO 8601, exclusive; empty: to the last
  qint64 seqFrom = 0;      // inclusive; 0: from the first
  qint64 seqTo = 0;        // inclusive; 0: to the last
  qint64 last = 0;         // only the newest N of the others; 0: all
  QString text;            // in the total line or the block; empty: any
  QString station;         // only this station's records; empty: all
  QStringList journalIds;  // central rows: only these journals' records; empty: all

  // "WHERE ..." (or empty) over `table`, with its values in `binds`; in
  // PostgreSQL's words when `postgres`.
  QString where(QVariantList *binds, const QString &table = QStringLiteral("records"),
                bool postgres = false) const;
  bool operator==(const JournalFilter &other) const {
    return takenFrom == other.takenFrom && takenTo == other.takenTo && seqFrom == other.seqFrom &&
           seqTo == other.seqTo && last == other.last && text == other.text &&
           station == other.station && journalIds == other.journalIds;
  }
};

// How many records a filter keeps and what their totals add up to, by unit
// (a station that weighs in kilograms and in pounds gets two sums), each
// total as the operator saw it.
struct JournalTotals {
  qint64 count = 0;
  QList<QPair<QString, ShownValue>> sumByUnit;  // sums of the totals as shown
  qint64 lastSeq = 0;                           // the newest record's seq in the whole journal
};

class JournalReader {
 public:
  explicit JournalReader(const QString &path,
                         const QString &connectionName = QStringLiteral("weighstation-reader"));
  // A reader over a table with the journal's columns and journal_id in
  // another database, already open: the site's central table, records of
  // every journal (or of one, with `journalId`: its chain, whatever its
  // station was called), journal by journal.
  JournalReader(const QSqlDatabase &open, const QString &table, const QString &journalId);
  ~JournalReader();
  JournalReader(const JournalReader &) = delete;
  JournalReader &operator=(const JournalReader &) = delete;

  bool open(Failure *failure);
  // Whether this reads a local journal (with its head and notes).
  bool isLocal() const { return table_ == QLatin1String("records"); }
  QSqlDatabase database() const { return db_; }
  const QString &path() const { return path_; }
  // The journal's id: a local journal's own, or a central reader's scope.
  QString journalId() const;
  // A local journal's epoch keys (format 2), as it holds them: unchecked.
  bool epochKeys(QList<signingkeys::EpochCertificate> *keys, Failure *failure) const;
  // A local journal's format (1 or 2).
  int format() const { return format_; }

  // Visits the records the filter keeps, in seq order; `visit` returns
  // false to stop.
  bool forEach(const JournalFilter &filter, const std::function<bool(const JournalRecord &)> &visit,
               Failure *failure) const;
  // Visits the records of a local journal after `afterSeq` in seq order,
  // each with the bytes its seal covers after the previous seal
  // (journalcolumns::canonicalColumns), made from the values as SQLite
  // holds them: nothing converted on the way can hide a change; and
  // whether every value is of the storage class the journal writes in its
  // column (a number where a number is written, NULL only where one is,
  // a flag 0 or 1).
  bool forEachStored(
      qint64 afterSeq,
      const std::function<bool(const JournalRecord &, const QByteArray &, bool asWritten)> &visit,
      Failure *failure) const;
  qint64 count(const JournalFilter &filter, Failure *failure) const;
  // The newest record's seq (0: none); -1 with the failure.
  qint64 newest(Failure *failure) const;
  // The mac of record `seq`; empty with the failure.
  QString macOf(qint64 seq, Failure *failure) const;
  // The records the filter keeps, newest first, as an executed query to
  // fetch from as a view scrolls: every column (journalschema::columnList()),
  // read with journalschema::readRecord(). An inactive query with the failure.
  QSqlQuery newestFirst(const JournalFilter &filter, Failure *failure) const;
  // The workbook session of the last record that went to a workbook
  // under one of `names`; empty with the failure.
  QString lastWorkbookSession(const QStringList &names, Failure *failure) const;
  // Visits the records of a workbook session in seq order.
  bool forEachOfSession(const QString &session,
                        const std::function<bool(const JournalRecord &)> &visit,
                        Failure *failure) const;
  JournalTotals totals(const JournalFilter &filter, Failure *failure) const;

 private:
  QString where(const JournalFilter &filter, QVariantList *binds) const;

  QString path_;
  QString connectionName_;
  QSqlDatabase db_;
  QString table_ = QStringLiteral("records");
  QString journalId_;  // a central reader's scope
  QString localId_;    // a local journal's id, read at open
  int format_ = 0;     // a local journal's format, read at open
  bool ownsConnection_ = true;
};

namespace journaldates {
// The UTC bound of a local date ("2026-12-07") or date and time
// ("2026-12-07T14:30", seconds optional): a start bound is the moment
// itself, an end bound the end of that day (or minute, or second).
// Empty with the failure when the text is neither.
QString takenAtBound(const QString &text, bool end, Failure *failure);
// A taken_at text as local time.
QDateTime localTime(const QString &takenAt);
}  // namespace journaldates
