#include "journal/shown.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

#include "readout/readoutmath.h"

namespace {
qint64 powerOfTen(int decimals) {
  qint64 power = 1;
  for (int i = 0; i < decimals; ++i)
    power *= 10;
  return power;
}
}  // namespace

double ShownValue::value() const {
  return double(units) / double(powerOfTen(decimals));
}

QString ShownValue::text() const {
  const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
  const quint64 power = quint64(powerOfTen(decimals));
  QString text = QString::number(magnitude / power);
  if (decimals > 0)
    text += u'.' + QString::number(magnitude % power).rightJustified(decimals, u'0');
  return units < 0 ? u'-' + text : text;
}

namespace shown {

QString records(qint64 count) {
  return count == 1 ? QCoreApplication::translate("Journal", "1 record")
                    : QCoreApplication::translate("Journal", "%1 records").arg(count);
}

int totalDecimals(const std::array<int, 3> &pointCodes) {
  switch (readout::totalLayout(pointCodes)) {
    case readout::TotalLayout::ThreePlaces:
      return 3;
    case readout::TotalLayout::TwoPlaces:
      return 2;
    case readout::TotalLayout::OnePlace:
      return 1;
    default:
      return 0;
  }
}

int decimalsOf(const JournalRecord &record) {
  return totalDecimals(
      {record.scales[0].pointCode, record.scales[1].pointCode, record.scales[2].pointCode});
}

ShownValue of(double stored, int decimals) {
  // The text log's cut: the magnitude times the power as a float factor,
  // truncated.
  const double scaled = std::fabs(stored) * double(float(powerOfTen(decimals)));
  // A stored value beyond any display (from a file changed by hand) shows
  // as the largest number, never as an overflow.
  constexpr double kLargest = 9.2e18;
  const qint64 units =
      scaled < kLargest ? qint64(std::trunc(scaled)) : std::numeric_limits<qint64>::max();
  return {stored < 0 ? -units : units, decimals};
}

ShownValue total(const JournalRecord &record) {
  const ShownValue magnitude = of(std::fabs(record.total), decimalsOf(record));
  return {record.totalSign == QLatin1String("-") ? -magnitude.units : magnitude.units,
          magnitude.decimals};
}

ShownValue gross(const JournalRecord &record, int scale) {
  return of(record.scales[size_t(scale)].gross, decimalsOf(record));
}

ShownValue net(const JournalRecord &record, int scale) {
  return of(record.scales[size_t(scale)].weight, decimalsOf(record));
}

ShownValue tare(const JournalRecord &record, int scale) {
  return of(record.scales[size_t(scale)].tare, decimalsOf(record));
}

void Sum::add(const ShownValue &value) {
  ShownValue part = value;
  while (part.decimals < sum_.decimals) {
    part.units *= 10;
    ++part.decimals;
  }
  while (sum_.decimals < part.decimals) {
    sum_.units *= 10;
    ++sum_.decimals;
  }
  sum_.units += part.units;
  ++count_;
}

}  // namespace shown
