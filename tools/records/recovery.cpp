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
                       Failure *failure) {
  const QString session = reader.lastWorkbookSession(namesOf(file), failure);
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
          failure))
    return -1;
  // Saved to a temporary name beside the output, then renamed: never a
  // half-written workbook under its name.
  OutputFile out(output);
  if (!out.open(failure))
    return -1;
  out.file().close();
  const QString why = log.stop(out.temporaryPath());
  if (!why.isEmpty()) {
    *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot write %1: %2").arg(output, why));
    return -1;
  }
  if (!out.commit(failure))
    return -1;
  return rows;
}
}  // namespace recovery
