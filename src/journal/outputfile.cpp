#include "journal/outputfile.h"

#include "journal/faults.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace {
const QString kPrefix = QStringLiteral(".weighstation-partial-");

// The temporary files a signal handler removes: fixed slots of plain
// bytes, since the handler may neither allocate nor lock.
constexpr int kSlots = 8;
constexpr size_t kPathBytes = 4096;
std::array<std::array<char, kPathBytes>, kSlots> pending{};
std::array<std::atomic<bool>, kSlots> pendingUsed{};

int claimSlot(const QByteArray &path) {
  if (path.size() >= int(kPathBytes))
    return -1;
  for (int i = 0; i < kSlots; ++i) {
    bool expected = false;
    if (pendingUsed[i].compare_exchange_strong(expected, true)) {
      std::memcpy(pending[i].data(), path.constData(), size_t(path.size()) + 1);
      return i;
    }
  }
  return -1;
}

void releaseSlot(int slot) {
  if (slot >= 0)
    pendingUsed[slot].store(false);
}

void removePending(int signal) {
  for (int i = 0; i < kSlots; ++i) {
    if (pendingUsed[i].load())
      ::unlink(pending[i].data());
  }
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}
}  // namespace

OutputFile::OutputFile(const QString &path) : path_(path) {}

OutputFile::~OutputFile() {
  if (!committed_)
    discard();
}

void OutputFile::discard() {
  if (file_.isOpen())
    file_.close();
  if (!temporary_.isEmpty())
    QFile::remove(temporary_);
  releaseSlot(slot_);
  slot_ = -1;
}

bool OutputFile::open(Failure *failure) {
  const QFileInfo target(path_);
  const QDir folder = target.absoluteDir();
  if (!folder.exists()) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot write %1: no folder %2")
                           .arg(path_, target.absolutePath()));
    return false;
  }
  removeStale(folder.path());
  // A unique name of this process: mkstemp's, with the pid before it so
  // that a later run can tell a dead process's file from a live one's.
  QByteArray name = QFile::encodeName(
      folder.filePath(kPrefix + QString::number(::getpid()) + QStringLiteral("-XXXXXX")));
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot write %1: %2")
                           .arg(path_, QString::fromLocal8Bit(std::strerror(errno))));
    return false;
  }
  slot_ = claimSlot(name);
  temporary_ = QFile::decodeName(name);
  // The mode the output would have had: its own when it exists, else the
  // user's default (mkstemp makes 0600).
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(QFile::encodeName(path_).constData(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);
  if (!file_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot write %1: %2")
                           .arg(path_, file_.errorString()));
    discard();
    return false;
  }
  return true;
}

bool OutputFile::commit(Failure *failure) {
  const QByteArray name = QFile::encodeName(temporary_);
  bool ok = true;
  QString why;
  if (file_.isOpen()) {
    ok = file_.flush() && faults::fsync(file_.handle()) == 0;
    if (!ok)
      why = file_.error() != QFileDevice::NoError ? file_.errorString()
                                                  : QString::fromLocal8Bit(std::strerror(errno));
    file_.close();
  } else {
    // A writer that wrote the file by its name (libxlsxwriter): synced here.
    const int fd = faults::open(name.constData(), O_RDONLY | O_CLOEXEC, 0);
    ok = fd >= 0 && faults::fsync(fd) == 0;
    if (!ok)
      why = QString::fromLocal8Bit(std::strerror(errno));
    if (fd >= 0)
      ::close(fd);
  }
  if (ok && ::rename(name.constData(), QFile::encodeName(path_).constData()) != 0) {
    ok = false;
    why = QString::fromLocal8Bit(std::strerror(errno));
  }
  if (!ok) {
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot write %1: %2").arg(path_, why));
    discard();
    return false;
  }
  committed_ = true;
  releaseSlot(slot_);
  slot_ = -1;
  return true;
}

void OutputFile::removeOnSignals() {
  for (int signal : {SIGINT, SIGTERM, SIGHUP})
    ::signal(signal, removePending);
}

int OutputFile::removeStale(const QString &folder) {
  static const QRegularExpression form(QStringLiteral("^\\.weighstation-partial-(\\d+)-"));
  int removed = 0;
  const QStringList names = QDir(folder).entryList({kPrefix + u'*'}, QDir::Files | QDir::Hidden);
  for (const QString &name : names) {
    const QRegularExpressionMatch match = form.match(name);
    if (!match.hasMatch())
      continue;
    const pid_t pid = pid_t(match.captured(1).toLongLong());
    if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH &&
        QFile::remove(QDir(folder).filePath(name)))
      ++removed;
  }
  return removed;
}
