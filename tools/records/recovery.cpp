#include "recovery.h"

#include <QDir>
#include <QFileInfo>

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

}  // namespace

qint64 rebuildWorkbook(const JournalReader &reader, const QString &file, const QString &output,
                       QString *error) {
  const QString session = reader.lastWorkbookSession(namesOf(file), error);
  if (session.isEmpty())
    return -1;
  SpreadsheetLog log;
  log.start();
  qint64 rows = 0;
  if (!reader.forEachOfSession(
          session,
          [&](const JournalRecord &record) {
            log.writeSpreadsheetRow(int(record.workbookRow), record.total, record.timeText);
            ++rows;
            return true;
          },
          error))
    return -1;
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
