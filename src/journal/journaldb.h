// Connections to a journal's SQLite file, made one way for every program:
// the writer's, the shipper's and the readers'.
//
// Locks: SQLite locks its files with POSIX advisory locks, and the kernel
// drops every such lock a process holds on a file as soon as any of the
// process's descriptors of that file is closed, whoever opened it (a file
// dialog sniffing a file's type, a hash, a copy). Another process then
// thinks it is alone with the journal and rebuilds its shared memory under
// the first one's mapping (a SIGBUS, or a write lost). So every connection
// of this process locks through locks of the open file description, which
// only SQLite's own descriptors hold and release and which the kernel
// still weighs against other processes' POSIX locks.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include "failure/failure.h"

struct sqlite3;

namespace journaldb {

// How long a statement waits for another connection's lock.
constexpr int kBusyTimeoutMs = 5000;

// Makes SQLite lock with open-file-description locks in this process. Runs
// once, before the first connection; every open below calls it.
void useDescriptionLocks();

// A read-write connection named `connectionName` to the journal at `path`
// (made when missing), in WAL mode with every commit synced. False with
// SQLite's reason.
bool openForWriting(QSqlDatabase *db, const QString &path, const QString &connectionName,
                    Failure *failure);

// A read-only connection. A journal whose folder cannot be written and that
// has no shared-memory file (a read-only medium, a copy) is opened as
// immutable, which needs none: no writer can hold such a journal. One whose
// write-ahead log holds records but cannot be read that way is refused with
// the reason.
bool openForReading(QSqlDatabase *db, const QString &path, const QString &connectionName,
                    Failure *failure);

// The SQLite connection under a Qt SQL one of the QSQLITE driver; null when
// it is not one.
sqlite3 *sqliteOf(const QSqlDatabase &db);

// Closes and forgets the connection.
void close(QSqlDatabase *db);

// SQLite's own words for a failure.
QString reason(const QSqlError &error);

}  // namespace journaldb
