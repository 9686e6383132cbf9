// The numbers of a record as the operator saw them. The journal keeps each
// weight as the monitor computed it, with the small bias that keeps its
// last shown place through floating point; the list, the text log and the
// grand total's display cut it to the grand total's decimal places. Every
// number that leaves the journal (the viewer's table, sums and chart,
// tickets, reports, exports, published messages) is that cut value: an
// exact count of the last place, never the biased double.
#pragma once

#include <QMetaType>
#include <QString>

#include "journal/journalrecord.h"

struct ShownValue {
  qint64 units = 0;  // signed, in the last shown place
  int decimals = 0;

  double value() const;
  // "-1234.500", "1234": the sign only when negative, every decimal place.
  QString text() const;
  bool operator==(const ShownValue &other) const {
    return units == other.units && decimals == other.decimals;
  }
};

Q_DECLARE_METATYPE(ShownValue)

namespace shown {

// A count as a person reads it: "1 record", "0 records", "2 records".
QString records(qint64 count);

// The decimal places of the grand total's display over the three scales'
// point codes (0: none, 1: three places, 2: two, 3: one).
int totalDecimals(const std::array<int, 3> &pointCodes);
int decimalsOf(const JournalRecord &record);

// `stored` cut as the displays cut it: its magnitude truncated to
// `decimals` places, its sign kept.
ShownValue of(double stored, int decimals);

// The signed grand total, and a scale's gross, net (its weight) and tare,
// each in the record's decimals.
ShownValue total(const JournalRecord &record);
ShownValue gross(const JournalRecord &record, int scale);
ShownValue net(const JournalRecord &record, int scale);
ShownValue tare(const JournalRecord &record, int scale);

// A sum of shown values, exact, in the finest decimals among them.
class Sum {
 public:
  void add(const ShownValue &value);
  ShownValue result() const { return sum_; }
  qint64 count() const { return count_; }

 private:
  ShownValue sum_;
  qint64 count_ = 0;
};

}  // namespace shown
