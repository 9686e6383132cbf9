// One record of the journal: everything needed to reconstruct a record the
// monitor took, in plain values. The column table below is the one
// description of the journal's columns: the schema, the insert, the read,
// the canonical bytes that the record's mac seals and the exports all
// follow it, in its order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <array>
#include <functional>
#include <vector>

struct JournalScale {
  bool connected = false;
  QString port;  // the port label shown beside its Connect key
  int unit = 9;  // 0 kilograms, 1 pounds, 9 none received yet
  double weight = 0.0;
  double tare = 0.0;
  double gross = 0.0;  // weight + tare, as the text log's gross
  int pointCode = 0;
};

struct JournalRecord {
  static constexpr int kScales = 3;

  qint64 seq = 0;
  QString takenAt;  // UTC, ISO 8601 with milliseconds and "Z"
  QString timeText;
  QString dateText;
  QString station;
  double total = 0.0;  // the grand total's magnitude, as the workbook gets it
  QString totalSign;   // "+" or "-"
  QString totalUnit;   // "kg", "lbs" or "??"
  QString netGross;    // "NET" or "GROSS"
  QString totalLine;   // exactly the text listed
  QByteArray block;    // exactly the text log's block of the record
  std::array<JournalScale, kScales> scales;
  QString overLimit;
  QString underLimit;
  int sensitivity = 0;
  QString textLogFile;      // null when the text log was not to get it
  QString workbookFile;     // null when the spreadsheet log was not to get it
  QString workbookSession;  // null with workbookFile
  qint64 workbookRow = 0;   // 0 (null) with workbookFile
  QString program;
  QString version;
  QString mac;  // lowercase hex of HMAC-SHA-256, see canonicalBytes
  // Not a column: the journal a central row belongs to.
  QString journalId;

  // The signed total.
  double signedTotal() const { return totalSign == QLatin1String("-") ? -total : total; }
};

namespace journalcolumns {

enum class Type { Integer, Real, Text, Blob };

struct Column {
  QString name;
  Type type;
  bool nullable;
  std::function<QVariant(const JournalRecord &)> get;
  std::function<void(JournalRecord &, const QVariant &)> set;
  bool flag = false;  // written as 0 or 1, read as "not 0"
};

// Every column but `mac`, in order; `mac` comes last in the table.
const std::vector<Column> &columns();

// The bytes a record's mac seals: the previous record's mac, then each
// column but `mac` in order, each as "<name>=<length>:<bytes>\n", or
// "<name>=-\n" for a null. Integers in decimal, reals in the shortest
// decimal form that reads back as the same double, texts in UTF-8, the
// block as its bytes.
QByteArray canonicalBytes(const JournalRecord &record, const QString &previousMac);
// canonicalBytes() in two: the previous mac's field, then the columns'
// (from the record, or field by field from the stored values).
QByteArray canonicalPrevious(const QString &previousMac);
QByteArray canonicalColumns(const JournalRecord &record);
void appendCanonicalField(QByteArray &out, size_t column, const char *bytes, qsizetype size);
void appendCanonicalNull(QByteArray &out, size_t column);

// The bytes that seal a text log note: how the text log took record `seq`,
// bound to the record's mac.
QByteArray noteBytes(qint64 seq, bool written, const QString &failure, const QString &recordMac);

// A real as the canonical bytes and the exports write it: the shortest
// decimal that reads back as the same double.
QByteArray realBytes(double value);
QString realText(double value);

}  // namespace journalcolumns
