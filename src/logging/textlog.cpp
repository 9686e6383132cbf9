#include "logging/textlog.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QMutexLocker>
#include <cerrno>
#include <cstring>

QFile log_file;
QMutex log_mutex;

namespace {
// The open file is the one its name leads to: it was neither removed nor
// replaced since the log opened it.
bool stillAtItsName(int fd, const QString &name) {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::stat(QFile::encodeName(name).constData(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Writes the whole block or nothing: after a short write (a full disk) the
// file is cut back to where the block began, so that it only ever holds
// whole records. Returns 0 or the system's error number.
int writeWholeBlock(int fd, const QByteArray &block) {
  const off_t start = ::lseek(fd, 0, SEEK_CUR);
  qsizetype written = 0;
  while (written < block.size()) {
    const ssize_t n = ::write(fd, block.constData() + written, block.size() - written);
    if (n > 0) {
      written += n;
      continue;
    }
    if (n < 0 && errno == EINTR)
      continue;
    const int reason = n < 0 ? errno : ENOSPC;
    if (written > 0 && start >= 0 && ::ftruncate(fd, start) == 0)
      ::lseek(fd, start, SEEK_SET);
    return reason;
  }
  return 0;
}
}  // namespace

namespace textlog {

bool open(QFile &file, const QString &name, Failure *failure) {
  QMutexLocker lock(&log_mutex);
  if (file.isOpen())
    file.close();
  file.setFileName(name);
  // Unbuffered, so that a failing write is seen at once, not at the close.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
    *failure = Failure(Failure::Kind::CannotOpen, file.errorString());
    return false;
  }
  return true;
}

bool writeRecord(QFile &file, const RecordLines &lines, Failure *failure) {
  QMutexLocker lock(&log_mutex);
  const QByteArray block = lines.textLogBlock();
  if (!file.isOpen()) {
    *failure = Failure(Failure::Kind::Refused, QStringLiteral("the log file is not open"));
    return false;
  }
  const int fd = file.handle();
  if (!stillAtItsName(fd, file.fileName())) {
    *failure =
        Failure(Failure::Kind::Refused, QStringLiteral("the log file was removed or replaced"));
    return false;
  }
  const int writeError = writeWholeBlock(fd, block);
  // A device such as a pipe or a terminal has nothing to sync.
  const int syncError =
      writeError == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
  if (writeError != 0 || syncError != 0) {
    *failure =
        Failure(Failure::Kind::Io,
                QString::fromLocal8Bit(std::strerror(writeError != 0 ? writeError : syncError)));
    return false;
  }
  return true;
}

}  // namespace textlog
