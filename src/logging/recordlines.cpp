#include "logging/recordlines.h"

#include <cmath>
#include <cstdint>

#include "readout/readoutmath.h"

namespace {
const QString kPoint = QStringLiteral(".");
const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

QString formatLogNumber(double value, const QString &threePlaces, const QString &twoPlaces,
                        const QString &onePlace) {
  float factor = 0.0f;
  if (threePlaces == kPoint) {
    factor = 1000.0f;
  } else if (twoPlaces == kPoint) {
    factor = 100.0f;
  } else if (onePlace == kPoint) {
    factor = 10.0f;
  }
  if (factor == 0.0f)
    return QString::number(static_cast<int32_t>(value));
  const int32_t scaled = static_cast<int32_t>(value * factor);
  return QString::number(scaled / static_cast<double>(factor), 'g', 6);
}

QString signedLogNumber(double value, const PointLabels &points) {
  if (value < 0) {
    return QStringLiteral("-") +
           formatLogNumber(-value, points.threePlaces, points.twoPlaces, points.onePlace);
  }
  return formatLogNumber(value, points.threePlaces, points.twoPlaces, points.onePlace);
}

QString RecordLines::stampLine(const QString &timeText, const QString &dateText) {
  return kLineEnd + timeText + QStringLiteral(", ") + dateText;
}

QString RecordLines::totalLine(const QString &netGrossText, int totalUnit, const QString &signText,
                               double totalWeight, const PointLabels &points) {
  QString line = netGrossText == QLatin1String("NET") ? QStringLiteral("NET TOTAL, ")
                                                      : QStringLiteral("GROSS TOTAL, ");
  line += readout::totalUnitText(totalUnit) + QStringLiteral(", ");
  if (signText == QLatin1String("-"))
    line += QStringLiteral("-");
  line += formatLogNumber(totalWeight, points.threePlaces, points.twoPlaces, points.onePlace);
  return line;
}

QString RecordLines::channelLine(int channelIndex, int unit, double weight, double tareWeight,
                                 const PointLabels &points) {
  return QStringLiteral("0%1, ").arg(channelIndex + 1) + readout::totalUnitText(unit) +
         QStringLiteral(", ") + signedLogNumber(weight + tareWeight, points) +
         QStringLiteral(", ") + signedLogNumber(weight, points) + QStringLiteral(", ") +
         signedLogNumber(tareWeight, points);
}

QByteArray RecordLines::textLogBlock() const {
  QString block = stamp + kLineEnd + header + kLineEnd + total + kLineEnd;
  for (int n = 0; n < kChannelLines; ++n) {
    if (hasChannel[n])
      block += channels[n] + kLineEnd;
  }
  return block.toLatin1();
}
