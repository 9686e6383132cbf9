#include "journal/journaldb.h"

#include "journal/journallog.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUrl>
#include <cstdarg>
#include <mutex>

#include "journal/faults.h"

namespace journaldb {
namespace {

sqlite3_syscall_ptr systemFcntl = nullptr;

// SQLite's fcntl with its record locks turned into open-file-description
// locks (Linux 3.15 on); everything else passes through.
int descriptionLockFcntl(int fd, int command, ...) {
  va_list arguments;
  va_start(arguments, command);
  void *argument = va_arg(arguments, void *);
  va_end(arguments);
  const auto fcntlCall = reinterpret_cast<int (*)(int, int, ...)>(systemFcntl);
  int ofdCommand = 0;
  if (command == F_SETLK)
    ofdCommand = F_OFD_SETLK;
  else if (command == F_SETLKW)
    ofdCommand = F_OFD_SETLKW;
  else if (command == F_GETLK)
    ofdCommand = F_OFD_GETLK;
  if (ofdCommand == 0)
    return fcntlCall(fd, command, argument);
  struct flock *lock = static_cast<struct flock *>(argument);
  lock->l_pid = 0;  // the kernel refuses a description lock with a pid
  return fcntlCall(fd, ofdCommand, lock);
}

// SQLite's calls that put the journal on disk, counted (and failed when a
// test asks, faults.h) before they are made.
sqlite3_syscall_ptr systemOpen = nullptr;
sqlite3_syscall_ptr systemWrite = nullptr;
sqlite3_syscall_ptr systemPwrite = nullptr;
sqlite3_syscall_ptr systemPwrite64 = nullptr;
sqlite3_syscall_ptr systemFtruncate = nullptr;

// A folder SQLite opens to sync its entries is not counted: SQLite goes on
// without that sync when the folder cannot be opened, by design.
int countedOpen(const char *path, int flags, int mode) {
  const auto systemCall = reinterpret_cast<int (*)(const char *, int, int)>(systemOpen);
  struct stat status;
  if (::stat(path, &status) == 0 && S_ISDIR(status.st_mode))
    return systemCall(path, flags, mode);
  return faults::failNow(faults::Call::Open) ? -1 : systemCall(path, flags, mode);
}
ssize_t countedWrite(int fd, const void *buffer, size_t size) {
  return faults::failNow(faults::Call::Write)
             ? -1
             : reinterpret_cast<ssize_t (*)(int, const void *, size_t)>(systemWrite)(fd, buffer,
                                                                                     size);
}
ssize_t countedPwrite(int fd, const void *buffer, size_t size, off_t offset) {
  return faults::failNow(faults::Call::Write)
             ? -1
             : reinterpret_cast<ssize_t (*)(int, const void *, size_t, off_t)>(systemPwrite)(
                   fd, buffer, size, offset);
}
ssize_t countedPwrite64(int fd, const void *buffer, size_t size, off64_t offset) {
  return faults::failNow(faults::Call::Write)
             ? -1
             : reinterpret_cast<ssize_t (*)(int, const void *, size_t, off64_t)>(systemPwrite64)(
                   fd, buffer, size, offset);
}
int countedFtruncate(int fd, off_t length) {
  return faults::failNow(faults::Call::Ftruncate)
             ? -1
             : reinterpret_cast<int (*)(int, off_t)>(systemFtruncate)(fd, length);
}

// Replaces SQLite's call `name` with `counted`, keeping the original in
// `*original`; a call this SQLite does not make (pwrite64 without
// USE_PREAD64) is left alone. False when it cannot be replaced.
bool hook(sqlite3_vfs *vfs, const char *name, sqlite3_syscall_ptr *original,
          sqlite3_syscall_ptr counted) {
  *original = vfs->xGetSystemCall(vfs, name);
  return !*original || vfs->xSetSystemCall(vfs, name, counted) == SQLITE_OK;
}

bool pragma(QSqlDatabase &db, const QString &statement, Failure *failure) {
  QSqlQuery query(db);
  if (query.exec(statement))
    return true;
  *failure = Failure::ofSql(statement, query.lastError());
  return false;
}

}  // namespace

void useDescriptionLocks() {
  static std::once_flag once;
  std::call_once(once, [] {
    sqlite3_vfs *vfs = sqlite3_vfs_find("unix");
    if (!vfs || vfs->iVersion < 3 || !vfs->xGetSystemCall || !vfs->xSetSystemCall) {
      qCWarning(journalLog, "SQLite's unix files cannot take description locks");
      return;
    }
    systemFcntl = vfs->xGetSystemCall(vfs, "fcntl");
    if (!systemFcntl || vfs->xSetSystemCall(vfs, "fcntl",
                                            reinterpret_cast<sqlite3_syscall_ptr>(
                                                &descriptionLockFcntl)) != SQLITE_OK) {
      qCWarning(journalLog, "SQLite's unix files cannot take description locks");
    }
    const bool counted =
        hook(vfs, "open", &systemOpen, reinterpret_cast<sqlite3_syscall_ptr>(&countedOpen)) &&
        hook(vfs, "write", &systemWrite, reinterpret_cast<sqlite3_syscall_ptr>(&countedWrite)) &&
        hook(vfs, "pwrite", &systemPwrite, reinterpret_cast<sqlite3_syscall_ptr>(&countedPwrite)) &&
        hook(vfs, "pwrite64", &systemPwrite64,
             reinterpret_cast<sqlite3_syscall_ptr>(&countedPwrite64)) &&
        hook(vfs, "ftruncate", &systemFtruncate,
             reinterpret_cast<sqlite3_syscall_ptr>(&countedFtruncate));
    if (!counted)
      qCWarning(journalLog, "SQLite's unix files cannot count their system calls");
  });
}

sqlite3 *sqliteOf(const QSqlDatabase &db) {
  const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
  if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
    return nullptr;
  return *static_cast<sqlite3 *const *>(handle.constData());
}

QString reason(const QSqlError &error) {
  const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
  return text.trimmed();
}

bool openForWriting(QSqlDatabase *db, const QString &path, const QString &connectionName,
                    Failure *failure) {
  useDescriptionLocks();
  if (!db->isValid()) {
    *db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db->setDatabaseName(path);
    db->setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  }
  if (!db->isOpen() && !db->open()) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot open the journal %1").arg(path),
        db->lastError(), Failure::Kind::CannotOpen);
    return false;
  }
  QSqlQuery query(*db);
  if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next() ||
      query.value(0).toString() != QLatin1String("wal")) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Journal", "the journal %1 cannot be put in WAL mode")
            .arg(path),
        query.lastError(), Failure::Kind::Io);
    return false;
  }
  return pragma(*db, QStringLiteral("PRAGMA synchronous=FULL"), failure) &&
         pragma(*db, QStringLiteral("PRAGMA wal_autocheckpoint=0"), failure);
}

bool openForReading(QSqlDatabase *db, const QString &path, const QString &connectionName,
                    Failure *failure) {
  useDescriptionLocks();
  const QFileInfo file(path);
  if (!file.isFile()) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "no journal at %1").arg(path));
    return false;
  }
  const bool folderWritable =
      ::access(QFile::encodeName(file.absolutePath()).constData(), W_OK) == 0;
  const QString shm = file.absoluteFilePath() + QStringLiteral("-shm");
  const QFileInfo wal(file.absoluteFilePath() + QStringLiteral("-wal"));
  QString parameters = QStringLiteral("mode=ro");
  if (!folderWritable && !QFileInfo::exists(shm)) {
    if (wal.exists() && wal.size() > 0) {
      *failure = Failure(
          Failure::Kind::CannotOpen,
          QCoreApplication::translate(
              "Journal",
              "cannot read the journal %1: its write-ahead log %2 holds records, and without "
              "a shared-memory file (%3) it can only be read from a folder that can be "
              "written: copy the journal with its -wal file to one")
              .arg(path, wal.filePath(), shm));
      return false;
    }
    parameters += QStringLiteral("&immutable=1");
  }
  QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
  uri.setQuery(parameters);
  *db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
  db->setDatabaseName(uri.toString(QUrl::FullyEncoded));
  db->setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI;"
                                       "QSQLITE_BUSY_TIMEOUT=%1")
                            .arg(kBusyTimeoutMs));
  if (!db->open()) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot open the journal %1").arg(path),
        db->lastError(), Failure::Kind::CannotOpen);
    return false;
  }
  return true;
}

void close(QSqlDatabase *db) {
  if (!db->isValid())
    return;
  const QString name = db->connectionName();
  db->close();
  *db = QSqlDatabase();
  QSqlDatabase::removeDatabase(name);
}

}  // namespace journaldb
