#include "desk/deskreport.h"

#include <QCoreApplication>
#include <QDateTime>

namespace deskreport {

bool byOf(const QString &text, By *by) {
  static const QMap<QString, By> kBy{{QStringLiteral("shift"), By::Shift},
                                     {QStringLiteral("day"), By::Day},
                                     {QStringLiteral("customer"), By::Customer},
                                     {QStringLiteral("product"), By::Product},
                                     {QStringLiteral("vehicle"), By::Vehicle}};
  if (!kBy.contains(text))
    return false;
  *by = kBy.value(text);
  return true;
}

QString headingOf(By by) {
  switch (by) {
    case By::Shift:
      return QCoreApplication::translate("Desk", "Transactions per shift");
    case By::Day:
      return QCoreApplication::translate("Desk", "Transactions per day");
    case By::Customer:
      return QCoreApplication::translate("Desk", "Transactions per customer");
    case By::Product:
      return QCoreApplication::translate("Desk", "Transactions per product");
    case By::Vehicle:
      return QCoreApplication::translate("Desk", "Transactions per vehicle");
  }
  return QString();
}

bool parseShifts(const QString &text, QList<QTime> *starts) {
  starts->clear();
  for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
    const QTime time = QTime::fromString(part.trimmed(), QStringLiteral("HH:mm"));
    if (!time.isValid())
      return false;
    *starts << time;
  }
  std::sort(starts->begin(), starts->end());
  return !starts->isEmpty();
}

namespace {
// The shift a local time falls in: the latest start at or before it, that
// day's or (before the first start) the day before's.
QString shiftOf(const QDateTime &local, const QList<QTime> &starts) {
  QDate day = local.date();
  QTime start = starts.last();
  if (local.time() < starts.first()) {
    day = day.addDays(-1);
  } else {
    for (const QTime &candidate : starts) {
      if (candidate <= local.time())
        start = candidate;
    }
  }
  return day.toString(Qt::ISODate) + u' ' + start.toString(QStringLiteral("HH:mm"));
}

QString keyOf(const Transaction &entry, By by, const QList<QTime> &starts) {
  const QDateTime local = QDateTime::fromString(entry.takenAt, Qt::ISODateWithMs).toLocalTime();
  switch (by) {
    case By::Shift:
      return shiftOf(local, starts);
    case By::Day:
      return local.date().toString(Qt::ISODate);
    case By::Customer:
      return entry.customer;
    case By::Product:
      return entry.product;
    case By::Vehicle:
      return entry.vehicle;
  }
  return QString();
}

ShownValue netOf(const Transaction &entry) {
  ShownValue net;
  transactions::shownOf(entry.net, &net);
  return net;
}
}  // namespace

Report build(const transactions::TransactionCheck &state, By by, const QString &takenFrom,
             const QString &takenTo, const QList<QTime> &shiftStarts) {
  Report report;
  report.by = by;
  QMap<QString, Group> groups;
  for (const Transaction &entry : state.entries()) {
    if (!transactions::isWeighing(entry.kind) ||
        (!takenFrom.isEmpty() && entry.takenAt < takenFrom) ||
        (!takenTo.isEmpty() && entry.takenAt >= takenTo))
      continue;
    Line line{&entry, state.voidedBy(entry.seq), false};
    if (line.endedBy > 0) {
      line.voided = state.entry(line.endedBy)->kind == transactions::kVoid;
      report.ended << line;
      continue;
    }
    Group &group = groups[keyOf(entry, by, shiftStarts)];
    group.lines << line;
    group.nets[entry.unit].add(netOf(entry));
    report.nets[entry.unit].add(netOf(entry));
    ++report.count;
  }
  for (auto it = groups.begin(); it != groups.end(); ++it) {
    it->key = it.key();
    report.groups << *it;
  }
  return report;
}

QString sumsText(qint64 count, const QMap<QString, shown::Sum> &nets) {
  QStringList sums;
  for (auto it = nets.begin(); it != nets.end(); ++it)
    sums << it->result().text() + u' ' + it.key();
  return QCoreApplication::translate("Desk", "%1 transactions, net %2")
      .arg(count)
      .arg(sums.isEmpty() ? QStringLiteral("0") : sums.join(QStringLiteral("; ")));
}

namespace {
QVariant shownCell(const QString &text) {
  ShownValue value;
  return transactions::shownOf(text, &value) ? QVariant::fromValue(value) : QVariant(text);
}

QVariantList lineRow(const QString &group, const Line &line, const QString &state) {
  const Transaction &entry = *line.entry;
  return {group,
          entry.seq,
          entry.takenAt,
          entry.kind,
          entry.vehicle,
          entry.customer,
          entry.product,
          entry.reference,
          shownCell(entry.gross),
          shownCell(entry.tare),
          shownCell(entry.net),
          entry.unit,
          state};
}
}  // namespace

QList<QVariantList> rows(const Report &report) {
  QVariantList headings;
  for (const char *heading :
       {QT_TRANSLATE_NOOP("Desk", "Group"), QT_TRANSLATE_NOOP("Desk", "Transaction"),
        QT_TRANSLATE_NOOP("Desk", "Sealed"), QT_TRANSLATE_NOOP("Desk", "Kind"),
        QT_TRANSLATE_NOOP("Desk", "Vehicle"), QT_TRANSLATE_NOOP("Desk", "Customer"),
        QT_TRANSLATE_NOOP("Desk", "Product"), QT_TRANSLATE_NOOP("Desk", "Reference"),
        QT_TRANSLATE_NOOP("Desk", "Gross"), QT_TRANSLATE_NOOP("Desk", "Tare"),
        QT_TRANSLATE_NOOP("Desk", "Net"), QT_TRANSLATE_NOOP("Desk", "Unit"),
        QT_TRANSLATE_NOOP("Desk", "State")})
    headings << QCoreApplication::translate("Desk", heading);
  QList<QVariantList> rows{headings};
  for (const Group &group : report.groups) {
    for (const Line &line : group.lines)
      rows << lineRow(group.key, line, QString());
    rows << QVariantList{group.key, sumsText(group.lines.size(), group.nets)};
  }
  rows << QVariantList{QCoreApplication::translate("Desk", "Total"),
                       sumsText(report.count, report.nets)};
  for (const Line &line : report.ended)
    rows << lineRow(QString(), line,
                    (line.voided ? QCoreApplication::translate("Desk", "VOID (transaction %1)")
                                 : QCoreApplication::translate("Desk", "replaced by %1"))
                        .arg(line.endedBy));
  return rows;
}

}  // namespace deskreport
