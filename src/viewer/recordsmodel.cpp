#include "viewer/recordsmodel.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>

#include "journal/journal.h"
#include "journal/shown.h"
#include "viewer/recordtext.h"

RecordsModel::RecordsModel(const QSqlDatabase &database, QObject *parent)
    : QSqlQueryModel(parent), database_(database) {
  refresh();
}

void RecordsModel::setFilter(const JournalFilter &filter) {
  filter_ = filter;
  refresh();
}

bool RecordsModel::refresh(Failure *failure) {
  // The old query ends first: while it is open its connection sees the
  // journal as it was when it began.
  clear();
  cachedRow_ = -1;
  Failure failed;
  QSqlQuery query =
      JournalReader(database_, QStringLiteral("records"), QString()).newestFirst(filter_, &failed);
  if (failed) {
    if (failure)
      *failure = failed;
    return false;
  }
  setQuery(std::move(query));
  return true;
}

void RecordsModel::setFirstBadSeq(qint64 seq) {
  if (firstBadSeq_ == seq)
    return;
  firstBadSeq_ = seq;
  if (rowCount() > 0)
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::BackgroundRole});
}

JournalRecord RecordsModel::recordAt(int row) const {
  if (row != cachedRow_) {
    // The query's own values, whatever columns this model shows.
    QSqlRecord values = QSqlQueryModel::record();
    for (int column = 0; column < values.count(); ++column)
      values.setValue(column, QSqlQueryModel::data(createIndex(row, column), Qt::DisplayRole));
    cached_ = journalschema::readRecord(values);
    cachedRow_ = row;
  }
  return cached_;
}

int RecordsModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordsModel::shown(const JournalRecord &record, int column) const {
  switch (column) {
    case Seq:
      return record.seq;
    case Taken:
      return recordtext::takenText(record.takenAt);
    case Station:
      return record.station;
    case Total:
      return QStringLiteral("%1 %2 %3")
          .arg(shown::total(record).text(), record.totalUnit, record.netGross);
    default: {
      const int scale = (column - FirstScale) / 3;
      if (!record.scales[size_t(scale)].connected)
        return QString();
      switch ((column - FirstScale) % 3) {
        case 0:
          return shown::gross(record, scale).text();
        case 1:
          return shown::net(record, scale).text();
        default:
          return shown::tare(record, scale).text();
      }
    }
  }
}

QVariant RecordsModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid())
    return QVariant();
  if (role == Qt::BackgroundRole) {
    if (firstBadSeq_ > 0 && seqAt(index.row()) >= firstBadSeq_)
      return QBrush(QColor(255, 205, 205));
    return QVariant();
  }
  if (role == Qt::TextAlignmentRole && index.column() != Station)
    return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole)
    return QVariant();
  return shown(recordAt(index.row()), index.column());
}

QVariant RecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QSqlQueryModel::headerData(section, orientation, role);
  static const char *const kFixed[] = {
      QT_TRANSLATE_NOOP("Viewer", "Seq"), QT_TRANSLATE_NOOP("Viewer", "Date and time"),
      QT_TRANSLATE_NOOP("Viewer", "Station"), QT_TRANSLATE_NOOP("Viewer", "Total")};
  if (section < FirstScale)
    return QCoreApplication::translate("Viewer", kFixed[section]);
  static const char *const kFields[] = {QT_TRANSLATE_NOOP("Viewer", "Scale %1 gross"),
                                        QT_TRANSLATE_NOOP("Viewer", "Scale %1 net"),
                                        QT_TRANSLATE_NOOP("Viewer", "Scale %1 tare")};
  return QCoreApplication::translate("Viewer", kFields[(section - FirstScale) % 3])
      .arg((section - FirstScale) / 3 + 1);
}
