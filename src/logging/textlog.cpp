#include "logging/textlog.h"

#include <unistd.h>

#include <QMutexLocker>
#include <cerrno>
#include <cstring>

QFile log_file;
QMutex log_mutex;

namespace textlog {

bool open(QFile &file, const QString &name, QString *error) {
  QMutexLocker lock(&log_mutex);
  if (file.isOpen())
    file.close();
  file.setFileName(name);
  // Unbuffered, so that a failing write is seen at once, not at the close.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
    if (error)
      *error = file.errorString();
    return false;
  }
  return true;
}

bool writeRecord(QFile &file, const RecordLines &lines, QString *error) {
  QMutexLocker lock(&log_mutex);
  const QByteArray block = lines.textLogBlock();
  if (!file.isOpen()) {
    if (error)
      *error = QStringLiteral("the log file is not open");
    return false;
  }
  if (file.write(block) != block.size()) {
    if (error)
      *error = file.errorString();
    return false;
  }
  // A device such as a pipe or a terminal has nothing to sync.
  if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
    if (error)
      *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  return true;
}

}  // namespace textlog
