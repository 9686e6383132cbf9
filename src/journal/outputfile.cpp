#include "journal/outputfile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "journal/journalfiles.h"
#include "journal/signingkeys.h"

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
    *failure =
        Failure(Failure::Kind::CannotOpen,
                QStringLiteral("cannot write %1: no folder %2").arg(path_, target.absolutePath()));
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
                       QStringLiteral("cannot write %1: %2")
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
                       QStringLiteral("cannot write %1: %2").arg(path_, file_.errorString()));
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
    ok = file_.flush() && ::fsync(file_.handle()) == 0;
    if (!ok)
      why = file_.error() != QFileDevice::NoError ? file_.errorString()
                                                  : QString::fromLocal8Bit(std::strerror(errno));
    file_.close();
  } else {
    // A writer that wrote the file by its name (libxlsxwriter): synced here.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    ok = fd >= 0 && ::fsync(fd) == 0;
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
    *failure = Failure(Failure::Kind::Io, QStringLiteral("cannot write %1: %2").arg(path_, why));
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

namespace outputguard {

QString resolved(const QString &path) {
  QString current = QFileInfo(path).absoluteFilePath();
  for (int hops = 0; hops < 40 && QFileInfo(current).isSymLink(); ++hops)
    current = QFileInfo(current).symLinkTarget();
  const QFileInfo file(current);
  const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
  return folder.isEmpty() ? file.absoluteFilePath() : folder + u'/' + file.fileName();
}

QStringList journalFiles(const QString &journal, const QString &key, const QString &head) {
  QStringList files;
  for (const char *suffix : {"", "-wal", "-shm", "-journal"})
    files << journal + QLatin1String(suffix);
  files << key << signingkeys::signingPathFor(key) << signingkeys::verificationKeyPathFor(key);
  if (!head.isEmpty())
    files << head;
  files << journalfiles::headPathsOf(key);
  return files;
}

namespace {
// Whether `name` (in a folder of the station's files) is one that a
// station's journal, key or their retired copies may bear: the journal's
// name with an id between its base and its suffix ("journal.<id>.sqlite",
// its -wal and -shm), the key's, the signing file's and the verification
// key's name with anything after it ("journal.key.<id>"), and any head.
bool isStationName(const QString &name, const QString &journal, const QString &key) {
  const QFileInfo journalFile(journal);
  const QString base = journalFile.completeBaseName() + u'.';
  for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
    const QString ending = u'.' + journalFile.suffix() + QLatin1String(suffix);
    if (!journalFile.suffix().isEmpty() && name.startsWith(base) && name.endsWith(ending))
      return true;
  }
  for (const QString &file :
       {key, signingkeys::signingPathFor(key), signingkeys::verificationKeyPathFor(key)}) {
    const QString own = QFileInfo(file).fileName();
    if (name == own || name.startsWith(own + u'.'))
      return true;
  }
  return name.endsWith(QLatin1String(".head"));
}
}  // namespace

bool allowed(const QString &output, const QStringList &files, Failure *failure) {
  const QString target = resolved(output);
  for (const QString &file : files) {
    if (resolved(file) == target) {
      *failure = Failure(
          Failure::Kind::Refused,
          QStringLiteral("%1: refused, it is the record journal's file %2 (nothing written)")
              .arg(output, file));
      return false;
    }
  }
  return true;
}

bool allowedFor(const QString &output, const QString &journal, const QString &key,
                const QString &head, Failure *failure) {
  if (!allowed(output, journalFiles(journal, key, head), failure))
    return false;
  const QFileInfo target(resolved(output));
  QStringList folders{resolved(journal), resolved(key)};
  for (QString &folder : folders)
    folder = QFileInfo(folder).absolutePath();
  for (const QString &folder : journalfiles::headFolders(key))
    folders << QFileInfo(resolved(folder + QStringLiteral("/x"))).absolutePath();
  if (folders.contains(target.absolutePath()) && isStationName(target.fileName(), journal, key)) {
    *failure = Failure(Failure::Kind::Refused,
                       QStringLiteral("%1: refused, it bears the name of the record journal's "
                                      "files (a key, a head, a retired journal; nothing written)")
                           .arg(output));
    return false;
  }
  return true;
}

}  // namespace outputguard
