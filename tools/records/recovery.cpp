#include "recovery.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include "journal/journalreader.h"
#include "journal/outputfile.h"
#include "logging/spreadsheetlog.h"

namespace recovery {
namespace {
// The names a workbook file may have been chosen under.
QStringList namesOf(const QString &file) {
  const QString absolute = QFileInfo(file).absoluteFilePath();
  return {file, absolute, QDir::toNativeSeparators(absolute)};
}

QString lastSession(const JournalReader &reader, const QString &file, QString *error) {
  QSqlQuery query(reader.database());
  query.prepare(
      QStringLiteral("SELECT workbook_session FROM records WHERE workbook_file IN (?, ?, "
                     "?) ORDER BY seq DESC LIMIT 1"));
  for (const QString &name : namesOf(file))
    query.addBindValue(name);
  if (!query.exec()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return QString();
  }
  if (!query.next()) {
    *error = QStringLiteral("no record of the journal went to the workbook %1").arg(file);
    return QString();
  }
  return query.value(0).toString();
}
}  // namespace

qint64 rebuildWorkbook(const JournalReader &reader, const QString &file, const QString &output,
                       QString *error) {
  const QString session = lastSession(reader, file, error);
  if (session.isEmpty())
    return -1;
  QSqlQuery query(reader.database());
  query.setForwardOnly(true);
  query.prepare(
      QStringLiteral("SELECT workbook_row, total, time_text FROM records WHERE workbook_session = "
                     "? ORDER BY seq"));
  query.addBindValue(session);
  if (!query.exec()) {
    *error = QStringLiteral("cannot read the journal: %1").arg(query.lastError().text());
    return -1;
  }
  SpreadsheetLog log;
  log.start();
  qint64 rows = 0;
  while (query.next()) {
    log.writeSpreadsheetRow(query.value(0).toInt(), query.value(1).toDouble(),
                            query.value(2).toString());
    ++rows;
  }
  // Saved to a temporary name beside the output, then renamed: never a
  // half-written workbook under its name.
  OutputFile out(output);
  if (!out.open(error))
    return -1;
  out.file().close();
  const QString failure = log.stop(out.temporaryPath());
  if (!failure.isEmpty()) {
    *error = QStringLiteral("cannot write %1: %2").arg(output, failure);
    return -1;
  }
  if (!out.commit(error))
    return -1;
  return rows;
}
}  // namespace recovery
