// The text log file: one block of CR LF lines per record, Latin-1. Opening
// the log empties the file. Every record is flushed and synced to disk when
// it is written, so a record the window shows is in the file.
#pragma once

#include <QFile>
#include <QMutex>
#include <QString>

#include "failure/failure.h"
#include "logging/recordlines.h"

extern QFile log_file;
// Protects log_file: held while the log file is opened and while a record
// is written.
extern QMutex log_mutex;

namespace textlog {
// Opens `file` under `name`, write-only, emptying it; false with why it
// cannot be opened.
bool open(QFile &file, const QString &name, Failure *failure);
// Writes the record's block and syncs it to disk; false with why it was not
// written (I/O), or why the file is not the log any more (refused).
bool writeRecord(QFile &file, const RecordLines &lines, Failure *failure);
}  // namespace textlog
