#include "viewer/recordtext.h"

#include <QCoreApplication>

#include <QLocale>

#include "journal/journalreader.h"
#include "journal/recordseal.h"

namespace recordtext {

QString totalsLine(const JournalTotals &totals) {
  if (totals.count == 0)
    return QCoreApplication::translate("Viewer", "No records match");
  const QString counted =
      totals.count == 1 ? QCoreApplication::translate("Viewer", "1 record")
                        : QCoreApplication::translate("Viewer", "%1 records").arg(totals.count);
  QStringList sums;
  for (const auto &sum : totals.sumByUnit)
    sums << QStringLiteral("%1 %2").arg(sum.second.text(), sum.first);
  return sums.isEmpty() ? counted
                        : QCoreApplication::translate("Viewer", "%1, summed %2")
                              .arg(counted, sums.join(QStringLiteral(", ")));
}

QString totalShown(const QString &totalLine) {
  const QStringList fields = totalLine.split(QStringLiteral(", "));
  if (fields.size() != 3)
    return totalLine;
  const QString legend = fields[0].section(u' ', 0, 0);
  return QStringLiteral("%1 %2 %3").arg(fields[2], fields[1], legend);
}

std::array<ScaleShown, 3> scalesShown(const QByteArray &block) {
  std::array<ScaleShown, 3> scales;
  for (const QString &line : blockLines(block)) {
    const QStringList fields = line.split(QStringLiteral(", "));
    if (fields.size() != 5 || !fields[0].startsWith(u'0'))
      continue;
    const int n = fields[0].toInt() - 1;
    if (n >= 0 && n < 3)
      scales[n] = {fields[2], fields[3], fields[4]};
  }
  return scales;
}

QStringList blockLines(const QByteArray &block) {
  QStringList lines = QString::fromLatin1(block).split(QStringLiteral("\r\n"));
  while (!lines.isEmpty() && lines.first().isEmpty())
    lines.removeFirst();
  while (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();
  return lines;
}

QString dateFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy")))
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

QString timeFormat() {
  QString format = QLocale().timeFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("ss")))
    format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
  return format;
}

QString localDate(const QDate &date) {
  return QLocale().toString(date, dateFormat());
}

QString localDateTime(const QDateTime &time) {
  return QLocale().toString(time, dateFormat() + u' ' + timeFormat());
}

QString takenText(const QString &takenAt) {
  return localDateTime(journaldates::localTime(takenAt));
}

QString verificationCode(const QString &mac) {
  // A public seal's code is its hash's, as a format-1 mac's is its own.
  recordseal::Seal seal;
  const QString digits =
      (recordseal::parse(mac, &seal) ? QString::fromLatin1(seal.hash.toHex()) : mac)
          .left(12)
          .toUpper();
  return QStringLiteral("%1-%2-%3").arg(digits.mid(0, 4), digits.mid(4, 4), digits.mid(8, 4));
}

}  // namespace recordtext
