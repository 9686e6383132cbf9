// Records of the journal as a table for other programs: CSV (RFC 4180,
// UTF-8, a header row) or an .xlsx workbook (numbers as numbers, as many
// sheets as the records fill), written through an OutputFile: no
// half-written export is ever left under the output's name.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

#include "journal/journalreader.h"

enum class ExportFormat { Csv, Xlsx };

struct ExportOptions {
  ExportFormat format = ExportFormat::Csv;
  QString path;
  JournalFilter filter;
  // The journal did not verify: every row says so.
  bool unverified = false;
  // Rows of a central export of several journals: those of the journals in
  // `verifiedJournals` say "yes", the others "UNVERIFIED".
  bool markEachJournal = false;
  QStringList verifiedJournals;

  bool marked() const { return unverified || markEachJournal; }
  QString markOf(const JournalRecord &record) const;
  // An .xlsx sheet holds 1,048,576 rows, its header among them: records
  // beyond go on further sheets.
  qint64 recordsPerSheet = 1048575;
  // Told (records written, records in all) now and then.
  std::function<void(qint64, qint64)> progress;
  // Asked before each record: true stops the export, which then fails with
  // "cancelled" and leaves nothing behind.
  std::function<bool()> cancelled;
};

namespace journalexport {
// seq; taken_at (local time) and taken_at_utc; station; the total as
// shown (signed), its unit and net_gross; for each scale its unit, gross,
// net and tare as shown (empty when it was not connected); then the stored
// doubles (total_stored, sN_gross_stored, ...) for whoever needs them.
// Shown values carry the grand total's decimals (an .xlsx cell's number
// format); the stored ones keep the monitor's small rounding bias.
QStringList header(bool marked);
// The row of a record; a marked export adds `mark` in its last column.
QVariantList row(const JournalRecord &record, bool marked, const QString &mark = QString());
// One CSV line (RFC 4180, "\r\n" at its end) of cells as an export
// writes them (a shown value with every decimal place).
QByteArray csvRow(const QVariantList &fields);
// A table of rows (the first its header) as CSV or a one-sheet .xlsx
// workbook (shown values as numbers of their decimals), through an
// OutputFile.
bool writeTable(ExportFormat format, const QString &path, const QList<QVariantList> &rows,
                Failure *failure);
// Writes the export; returns the number of records, or -1 with the failure.
// `sheets` gets how many sheets an .xlsx export filled.
qint64 write(const JournalReader &reader, const ExportOptions &options, Failure *failure,
             int *sheets = nullptr);
}  // namespace journalexport
