#include "viewer/recordsmodel.h"

#include <QBrush>
#include <QColor>
#include <QSqlQuery>

#include "viewer/recordtext.h"

RecordsModel::RecordsModel(const QSqlDatabase &database, QObject *parent)
    : QSqlQueryModel(parent), database_(database) {
  refresh();
}

void RecordsModel::setFilter(const JournalFilter &filter) {
  filter_ = filter;
  refresh();
}

void RecordsModel::refresh() {
  // The old query ends first: while it is open its connection sees the
  // journal as it was when it began.
  clear();
  setQuery(JournalReader(database_, QStringLiteral("records"), QString()).newestFirst(filter_));
}

void RecordsModel::setFirstBadSeq(qint64 seq) {
  if (firstBadSeq_ == seq)
    return;
  firstBadSeq_ = seq;
  if (rowCount() > 0)
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::BackgroundRole});
}

QVariant RecordsModel::source(int row, Source column) const {
  return QSqlQueryModel::data(QSqlQueryModel::index(row, column), Qt::DisplayRole);
}

qint64 RecordsModel::seqAt(int row) const {
  return source(row, SourceSeq).toLongLong();
}
QByteArray RecordsModel::blockAt(int row) const {
  return source(row, SourceBlock).toByteArray();
}
QString RecordsModel::macAt(int row) const {
  return source(row, SourceMac).toString();
}

int RecordsModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordsModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid())
    return QVariant();
  const int row = index.row();
  if (role == Qt::BackgroundRole) {
    if (firstBadSeq_ > 0 && seqAt(row) >= firstBadSeq_)
      return QBrush(QColor(255, 205, 205));
    return QVariant();
  }
  if (role == Qt::TextAlignmentRole && index.column() != Station)
    return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole)
    return QVariant();
  switch (index.column()) {
    case Seq:
      return source(row, SourceSeq);
    case Taken:
      return journaldates::localTime(source(row, SourceTakenAt).toString())
          .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Station:
      return source(row, SourceStation);
    case Total:
      return recordtext::totalShown(source(row, SourceTotalLine).toString());
    default: {
      const int scale = (index.column() - FirstScale) / 3;
      const int field = (index.column() - FirstScale) % 3;
      const recordtext::ScaleShown shown = recordtext::scalesShown(blockAt(row))[scale];
      return field == 0 ? shown.gross : field == 1 ? shown.net : shown.tare;
    }
  }
}

QVariant RecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QSqlQueryModel::headerData(section, orientation, role);
  static const char *const kFixed[] = {"Seq", "Date and time", "Station", "Total"};
  if (section < FirstScale)
    return QString::fromLatin1(kFixed[section]);
  static const char *const kFields[] = {"gross", "net", "tare"};
  return QStringLiteral("Scale %1 %2")
      .arg((section - FirstScale) / 3 + 1)
      .arg(QLatin1String(kFields[(section - FirstScale) % 3]));
}
