#include "samplerecord.h"

JournalRecord sampleRecord(qint64 n) {
  JournalRecord record;
  record.takenAt = QStringLiteral("2026-12-07T10:%1:00.000Z").arg(n % 60, 2, 10, QLatin1Char('0'));
  record.timeText = QStringLiteral("10:%1:00 am").arg(n % 60, 2, 10, QLatin1Char('0'));
  record.dateText = QStringLiteral("12/07/2026");
  record.station = QStringLiteral("bridge-1");
  record.total = 100.0003 + double(n);
  record.totalSign = QStringLiteral("+");
  record.totalUnit = QStringLiteral("lbs");
  record.netGross = QStringLiteral("GROSS");
  record.totalLine = QStringLiteral("GROSS TOTAL, lbs, %1").arg(100 + n);
  record.block = "\r\n10:00:00 am, 12/07/2026\r\nScale#, Unit, Gross, Net, Tare\r\n" +
                 record.totalLine.toLatin1() + "\r\n";
  record.scales[0] = {true, QStringLiteral("ttyUSB0"), 1, 100.0001 + double(n),
                      0.0,  100.0001 + double(n),      0};
  record.overLimit = QStringLiteral("10000");
  record.underLimit = QStringLiteral("0");
  record.sensitivity = 20;
  record.program = QStringLiteral("weighstation");
  record.version = QStringLiteral("1.0.0");
  return record;
}
