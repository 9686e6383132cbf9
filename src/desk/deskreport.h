// A report of the desk's transactions a site invoices from: the live
// weighings (single, stored tare, two-pass, corrections) of a period,
// grouped per shift, day, customer, product or vehicle, with each group's
// count and net sums per unit, exact as shown; the voided and the replaced
// ones listed apart and never summed.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariantList>

#include "journal/shown.h"
#include "journal/transactions.h"

namespace deskreport {

enum class By { Shift, Day, Customer, Product, Vehicle };
// "shift", "day", ... as the command takes it; false when it is none.
bool byOf(const QString &text, By *by);

// "Transactions per customer"
QString headingOf(By by);

// "06:00,14:00,22:00": the times shifts begin; false when one is no time.
bool parseShifts(const QString &text, QList<QTime> *starts);

struct Line {
  const Transaction *entry = nullptr;
  qint64 endedBy = 0;  // the void or correction since
  bool voided = false;
};

struct Group {
  QString key;
  QList<Line> lines;
  QMap<QString, shown::Sum> nets;  // by unit
};

struct Report {
  By by = By::Day;
  QList<Group> groups;
  QList<Line> ended;               // voided or replaced, apart
  QMap<QString, shown::Sum> nets;  // every group's, by unit
  qint64 count = 0;
};

// The weighings of `state` sealed within [takenFrom, takenTo) (UTC ISO
// 8601; empty: open), grouped `by`; a shift and a day in local time.
Report build(const transactions::TransactionCheck &state, By by, const QString &takenFrom,
             const QString &takenTo, const QList<QTime> &shiftStarts);

// The report as rows of a table: a heading row, then each line (gross,
// tare and net as shown values), each group's subtotal after it, the
// totals, then the ended ones.
QList<QVariantList> rows(const Report &report);
// "12 transactions, net 1234.5 kg; 800 lbs"
QString sumsText(qint64 count, const QMap<QString, shown::Sum> &nets);

}  // namespace deskreport
