// How the viewer and its printouts show a record: the texts the monitor
// wrote for it (its total line, its text log block), taken apart.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

#include "journal/journalreader.h"

namespace recordtext {

// "GROSS TOTAL, lbs, -5.2" shows as "-5.2 lbs GROSS".
QString totalShown(const QString &totalLine);

// Gross, net and tare of a scale as its line in the block shows them;
// empty when the scale had no line.
struct ScaleShown {
  QString gross;
  QString net;
  QString tare;
};
std::array<ScaleShown, 3> scalesShown(const QByteArray &block);

// The block's lines without its leading empty line.
QStringList blockLines(const QByteArray &block);

// Dates and times as the viewer, its printouts and its chart show them, in
// the locale's short formats (a year always in four digits, a time always
// with seconds).
QString dateFormat();
QString timeFormat();
QString localDate(const QDate &date);
QString localDateTime(const QDateTime &time);
// A record's taken_at (UTC) in local time.
QString takenText(const QString &takenAt);

// The sums line under the table: "300 records, summed 35850 kg", in the
// desktop's language (the sums as the readouts show them).
QString totalsLine(const JournalTotals &totals);

// A short code a reader can compare with the journal: the first twelve hex
// digits of the record's mac, in groups of four ("3F2A-9C01-77BE").
QString verificationCode(const QString &mac);

}  // namespace recordtext
