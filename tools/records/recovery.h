// A workbook lost to a crash, a power cut or SIGKILL, rebuilt from the
// journal by the spreadsheet log's own code, as its stop would have saved it.
#pragma once

#include <QString>

#include "failure/failure.h"

class JournalReader;

namespace recovery {
// Rebuilds the last spreadsheet-log session that went to `file` into
// `output`; returns its rows, or -1 with the failure.
qint64 rebuildWorkbook(const JournalReader &reader, const QString &file, const QString &output,
                       Failure *failure);
}  // namespace recovery
