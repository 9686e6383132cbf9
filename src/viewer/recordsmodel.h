// The journal's records for a table, newest first, fetched as the view
// scrolls (a journal of a million records opens at once). Each cell is read
// from the record's columns, its numbers as the operator saw them.
#pragma once

#include <QSqlQueryModel>

#include "journal/journalreader.h"

class RecordsModel : public QSqlQueryModel {
  Q_OBJECT
 public:
  enum Column {
    Seq,
    Taken,
    Station,
    Total,
    FirstScale,  // gross, net and tare of scale 1, then of scales 2 and 3
    ColumnCount = FirstScale + 9
  };

  RecordsModel(const QSqlDatabase &database, QObject *parent = nullptr);

  void setFilter(const JournalFilter &filter);
  const JournalFilter &filter() const { return filter_; }
  // Runs the query again (new records); false with the failure.
  bool refresh(Failure *failure = nullptr);
  // Records from this seq on are marked as not to be trusted; 0: none.
  void setFirstBadSeq(qint64 seq);

  // The record of a row, read from its columns.
  JournalRecord recordAt(int row) const;
  qint64 seqAt(int row) const { return recordAt(row).seq; }
  QString macAt(int row) const { return recordAt(row).mac; }

  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QVariant shown(const JournalRecord &record, int column) const;

  QSqlDatabase database_;
  JournalFilter filter_;
  qint64 firstBadSeq_ = 0;
  // The row last read: a view asks for each of its cells in turn.
  mutable int cachedRow_ = -1;
  mutable JournalRecord cached_;
};
