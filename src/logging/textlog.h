// The text log file: one block of CR LF lines per record, Latin-1. Opening
// the log empties the file. Every record is flushed and synced to disk when
// it is written, so a record the window shows is in the file.
#pragma once

#include <QFile>
#include <QMutex>
#include <QString>

#include "logging/recordlines.h"

extern QFile log_file;
// Protects log_file: held while the log file is opened and while a record
// is written.
extern QMutex log_mutex;

namespace textlog {
// Opens `file` under `name`, write-only, emptying it. On failure returns
// false with the reason in `error`.
bool open(QFile &file, const QString &name, QString *error);
// Writes the record's block and syncs it to disk; on failure returns false
// with the reason in `error`.
bool writeRecord(QFile &file, const RecordLines &lines, QString *error);
}  // namespace textlog
