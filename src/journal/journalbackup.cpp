#include "journal/journalbackup.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "journal/faults.h"
#include "journal/journaldb.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/outputguard.h"
#include "journal/signingkeys.h"
#include "journal/verifier.h"

namespace journalbackup {
namespace {
constexpr int kPagesAStep = 100;
// How long a copy waits, all told, for the journal's locks.
constexpr qint64 kBusyLimitMs = 60000;

QString pathIn(const QString &folder, const char *name) {
  return QDir(folder).filePath(QString::fromLatin1(name));
}
QString partialOf(const QString &path) {
  const QFileInfo info(path);
  return info.dir().filePath(QStringLiteral(".%1.partial").arg(info.fileName()));
}
QString errnoText() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

bool syncPath(const QString &path, bool folder, Failure *failure) {
  const int fd = faults::open(QFile::encodeName(path).constData(),
                              (folder ? O_RDONLY | O_DIRECTORY : O_RDWR) | O_CLOEXEC, 0);
  const bool synced = fd >= 0 && faults::fsync(fd) == 0;
  const QString why = errnoText();
  if (fd >= 0)
    ::close(fd);
  if (!synced)
    *failure = Failure(Failure::Kind::Io,
                       QCoreApplication::translate("Journal", "cannot sync %1: %2").arg(path, why));
  return synced;
}

void removePartials(const QStringList &paths) {
  for (const QString &path : paths)
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
      QFile::remove(path + suffix);
}

// The head as its writer left it: read under the lock the writer advances
// it under, so never half written.
bool copyHead(const QString &from, const QString &to, Failure *failure) {
  const int fd = faults::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC, 0);
  if (fd < 0) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot read the head %1: %2")
                           .arg(from, errnoText()));
    return false;
  }
  while (::flock(fd, LOCK_SH) != 0 && errno == EINTR) {
  }
  QFile head;
  QByteArray bytes;
  if (head.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
    bytes = head.readAll();
  ::flock(fd, LOCK_UN);
  ::close(fd);
  if (bytes.isEmpty()) {
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate("Journal", "the head %1 is empty").arg(from));
    return false;
  }
  QFile copy(to);
  if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(bytes) != bytes.size() ||
      !copy.flush() || faults::fsync(copy.handle()) != 0) {
    *failure = Failure(
        Failure::Kind::Io,
        QCoreApplication::translate("Journal", "cannot write %1: %2").arg(to, copy.errorString()));
    return false;
  }
  return true;
}

bool copyFile(const QString &from, const QString &to, Failure *failure) {
  QFile::remove(to);
  if (!QFile::copy(from, to)) {
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot copy %1 to %2").arg(from, to));
    return false;
  }
  return syncPath(to, false, failure);
}

bool renameOver(const QString &from, const QString &to, Failure *failure) {
  if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
    return true;
  *failure = Failure(
      Failure::Kind::Io,
      QCoreApplication::translate("Journal", "cannot name %1 %2: %3").arg(from, to, errnoText()));
  return false;
}

// A copy checks as verify checks it, with the head and verification key
// that go with it; anything but intact is a failure naming `what`.
bool checkIntact(const QString &journal, const QString &keyPath, const QString &head,
                 const QString &verificationKey, const QString &what, const QString &consequence,
                 VerifyReport *report, Failure *failure) {
  VerifyOptions check = VerifyOptions::of(journal, keyPath);
  check.headPath = head;
  if (!verificationKey.isEmpty())
    check.verificationKeyPath = verificationKey;
  *report = verifyJournal(check);
  if (report->outcome == VerifyReport::Outcome::Intact)
    return true;
  *failure =
      report->outcome == VerifyReport::Outcome::CannotCheck
          ? report->failure.within(
                QCoreApplication::translate("Journal", "cannot check %1").arg(what))
          : Failure(Failure::Kind::Corrupt,
                    QCoreApplication::translate("Journal", "%1 does not check intact (%2): %3")
                        .arg(what,
                             report->outcome == VerifyReport::Outcome::Broken
                                 ? report->asFailure().text()
                                 : report->endNotWitnessed,
                             consequence));
  return false;
}

// The station's name and key fingerprint from its verification key (none
// for a journal of format 1 only).
void describe(const QString &verificationKeyPath, Manifest *manifest) {
  signingkeys::VerificationKey key;
  Failure why;
  if (QFileInfo::exists(verificationKeyPath) &&
      signingkeys::readVerificationKey(verificationKeyPath, &key, &why)) {
    manifest->station = key.station;
    manifest->fingerprint = key.fingerprint();
  } else {
    manifest->station = journalfiles::stationName();
  }
}
}  // namespace

QByteArray manifestText(const Manifest &manifest) {
  QByteArray text = "weighstation journal backup 1\n";
  text += "journal " + manifest.journalId.toUtf8() + '\n';
  text += "station " + manifest.station.toUtf8() + '\n';
  text += "records " + QByteArray::number(manifest.records) + '\n';
  text += "taken " + manifest.takenAt.toUtf8() + '\n';
  if (!manifest.fingerprint.isEmpty())
    text += "fingerprint " + manifest.fingerprint.toUtf8() + '\n';
  return text;
}

bool readManifest(const QString &path, Manifest *manifest, Failure *failure) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *failure = Failure(
        file.exists() ? Failure::Kind::Io : Failure::Kind::CannotOpen,
        QCoreApplication::translate("Journal", "cannot read %1: %2").arg(path, file.errorString()));
    return false;
  }
  const QList<QByteArray> lines = file.read(4096).split('\n');
  if (lines.value(0) != "weighstation journal backup 1") {
    *failure =
        Failure(Failure::Kind::Corrupt,
                QCoreApplication::translate("Journal", "%1 is not a backup's manifest").arg(path));
    return false;
  }
  *manifest = Manifest();
  bool counted = false;
  for (const QByteArray &line : lines) {
    const QString text = QString::fromUtf8(line);
    const QString name = text.section(u' ', 0, 0);
    const QString value = text.section(u' ', 1);
    if (name == QLatin1String("journal"))
      manifest->journalId = value;
    else if (name == QLatin1String("station"))
      manifest->station = value;
    else if (name == QLatin1String("records"))
      manifest->records = value.toLongLong(&counted);
    else if (name == QLatin1String("taken"))
      manifest->takenAt = value;
    else if (name == QLatin1String("fingerprint"))
      manifest->fingerprint = value;
  }
  if (manifest->journalId.isEmpty() || !counted ||
      !QDateTime::fromString(manifest->takenAt, Qt::ISODateWithMs).isValid()) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        QCoreApplication::translate("Journal", "%1 is not a whole backup manifest").arg(path));
    return false;
  }
  return true;
}

bool copyJournal(const QString &from, const QString &to, const Progress &progress,
                 Failure *failure) {
  const QString connection = QStringLiteral("weighstation-backup-source");
  QSqlDatabase source;
  if (!journaldb::openForReading(&source, from, connection, failure))
    return false;
  sqlite3 *target = nullptr;
  int rc = sqlite3_open_v2(QFile::encodeName(to).constData(), &target,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  sqlite3_backup *backup =
      rc == SQLITE_OK ? sqlite3_backup_init(target, "main", journaldb::sqliteOf(source), "main")
                      : nullptr;
  if (backup) {
    QElapsedTimer waited;
    waited.start();
    do {
      rc = sqlite3_backup_step(backup, kPagesAStep);
      if (progress)
        progress(sqlite3_backup_pagecount(backup) - sqlite3_backup_remaining(backup),
                 sqlite3_backup_pagecount(backup));
      if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        sqlite3_sleep(20);
    } while ((rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
             waited.elapsed() < kBusyLimitMs);
    sqlite3_backup_finish(backup);
  }
  const QString said = target ? QString::fromUtf8(sqlite3_errmsg(target)) : QString();
  sqlite3_close(target);
  journaldb::close(&source);
  QSqlDatabase::removeDatabase(connection);
  if (rc != SQLITE_DONE) {
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot copy the journal %1 to %2: %3")
                    .arg(from, to, said.isEmpty() ? sqlite3_errstr(rc) : said));
    return false;
  }
  return syncPath(to, false, failure);
}

namespace {
// DIR/J, made, for the journal at `request.journalPath`; never a folder
// that is not there (a disk not mounted), never the station's own.
bool backupFolderOf(const Request &request, QString *journalId, QString *folder, Failure *failure) {
  if (!QFileInfo(request.folder).isDir()) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate(
                           "Journal", "the backup folder %1 is missing (is its disk mounted?)")
                           .arg(request.folder));
    return false;
  }
  {
    JournalReader reader(request.journalPath, QStringLiteral("weighstation-backup-id"));
    if (!reader.open(failure))
      return false;
    *journalId = reader.journalId();
  }
  *folder = QDir(request.folder).filePath(*journalId);
  const QString stationFolders[] = {QFileInfo(request.journalPath).absolutePath(),
                                    QFileInfo(request.keyPath).absolutePath()};
  for (const QString &station : stationFolders)
    if (outputguard::resolved(*folder) == outputguard::resolved(station)) {
      *failure = Failure(Failure::Kind::Refused,
                         QCoreApplication::translate(
                             "Journal", "the backup folder %1 is the station's own folder %2")
                             .arg(request.folder, station));
      return false;
    }
  if (!QDir().mkpath(*folder)) {
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot make the folder %1").arg(*folder));
    return false;
  }
  return true;
}

// The last backup's count guards against a journal cut back: a manifest
// that is there but cannot be read is never taken for no backup (-1: none).
bool lastCount(const QString &folder, qint64 *records, Failure *failure) {
  Manifest previous;
  Failure unread;
  if (readManifest(pathIn(folder, kManifestName), &previous, &unread)) {
    *records = previous.records;
    return true;
  }
  if (unread.kind() == Failure::Kind::CannotOpen) {
    *records = -1;
    return true;
  }
  *failure = unread.within(
      QCoreApplication::translate("Journal", "the last backup is kept; a person looks at it"));
  return false;
}

// The backup's files under their partial names: the head first, then the
// journal, then the verification key (when the station has one).
struct Partials {
  QStringList paths;  // journal, head, verification key
  bool keyed = false;
};
bool copyPartials(const Request &request, const QString &journalId, const Partials &partials,
                  const Progress &progress, Failure *failure) {
  const QString stationHead = journalfiles::headPathFor(request.keyPath, journalId);
  const QString stationKey = signingkeys::verificationKeyPathFor(request.keyPath);
  return copyHead(stationHead, partials.paths[1], failure) &&
         copyJournal(request.journalPath, partials.paths[0], progress, failure) &&
         (!partials.keyed || copyFile(stationKey, partials.paths[2], failure));
}

// The journal first: a head older than its copy never names a record the
// copy lacks, whatever step an interruption stops at; the manifest last.
bool nameDone(const QString &folder, const Partials &partials, const Manifest &manifest,
              Failure *failure) {
  for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
    QFile::remove(partials.paths[0] + suffix);
  const bool named =
      renameOver(partials.paths[0], pathIn(folder, kJournalName), failure) &&
      renameOver(partials.paths[1], pathIn(folder, kHeadName), failure) &&
      (!partials.keyed ||
       renameOver(partials.paths[2], pathIn(folder, kVerificationKeyName), failure)) &&
      syncPath(folder, true, failure);
  if (!named) {
    removePartials(partials.paths);
    return false;
  }
  QSaveFile written(pathIn(folder, kManifestName));
  const QByteArray text = manifestText(manifest);
  if (!written.open(QIODevice::WriteOnly) || written.write(text) != text.size() ||
      !written.commit()) {
    *failure =
        Failure(Failure::Kind::Io, QCoreApplication::translate("Journal", "cannot write %1: %2")
                                       .arg(written.fileName(), written.errorString()));
    return false;
  }
  return syncPath(folder, true, failure);
}
}  // namespace

bool backUp(const Request &request, const Progress &progress, Outcome *outcome, Failure *failure) {
  *outcome = Outcome();
  QString journalId;
  if (!backupFolderOf(request, &journalId, &outcome->folder, failure) ||
      !lastCount(outcome->folder, &outcome->previousRecords, failure))
    return false;
  const QString folder = outcome->folder;
  Partials partials;
  for (const char *name : {kJournalName, kHeadName, kVerificationKeyName})
    partials.paths << partialOf(pathIn(folder, name));
  partials.keyed = QFileInfo::exists(signingkeys::verificationKeyPathFor(request.keyPath));
  removePartials(partials.paths);
  VerifyReport report;
  if (!copyPartials(request, journalId, partials, progress, failure) ||
      !checkIntact(partials.paths[0], request.keyPath, partials.paths[1],
                   partials.keyed ? partials.paths[2] : QString(),
                   QCoreApplication::translate("Journal", "the copy"),
                   QCoreApplication::translate("Journal", "no backup made; verify the journal"),
                   &report, failure)) {
    removePartials(partials.paths);
    return false;
  }
  if (report.records < outcome->previousRecords) {
    removePartials(partials.paths);
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Journal",
                                    "the journal holds %1 records, its last backup %2: the last "
                                    "backup is kept; verify the journal")
            .arg(report.records)
            .arg(outcome->previousRecords));
    return false;
  }
  Manifest &manifest = outcome->manifest;
  manifest.journalId = journalId;
  manifest.records = report.records;
  manifest.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
  describe(signingkeys::verificationKeyPathFor(request.keyPath), &manifest);
  return nameDone(folder, partials, manifest, failure);
}

bool lastBackup(const QString &folder, const QString &journalId, Manifest *manifest) {
  Failure unread;
  return !journalId.isEmpty() &&
         readManifest(pathIn(QDir(folder).filePath(journalId), kManifestName), manifest, &unread) &&
         manifest->journalId == journalId;
}

QString overdue(const QString &folder, const QString &journalPath, int warnDays,
                const QDateTime &now) {
  JournalReader reader(journalPath, QStringLiteral("weighstation-backup-age"));
  Failure failure;
  if (!QFileInfo::exists(journalPath) || !reader.open(&failure))
    return QString();
  if (!QFileInfo(folder).isDir())
    return QCoreApplication::translate("Journal",
                                       "the backup folder %1 is missing (is its disk mounted?)")
        .arg(folder);
  const QDateTime limit = now.addDays(-warnDays);
  Manifest manifest;
  if (lastBackup(folder, reader.journalId(), &manifest)) {
    const QDateTime taken = QDateTime::fromString(manifest.takenAt, Qt::ISODateWithMs);
    if (taken >= limit)
      return QString();
    return QCoreApplication::translate("Journal",
                                       "the last good backup of journal %1 in %2 was made %3")
        .arg(reader.journalId(), folder, taken.toLocalTime().toString(Qt::ISODate));
  }
  JournalFilter first;
  first.seqTo = 1;
  QString firstTaken;
  reader.forEach(
      first,
      [&firstTaken](const JournalRecord &record) {
        firstTaken = record.takenAt;
        return false;
      },
      &failure);
  if (firstTaken.isEmpty() || QDateTime::fromString(firstTaken, Qt::ISODateWithMs) >= limit)
    return QString();
  return QCoreApplication::translate("Journal", "journal %1 has no good backup in %2")
      .arg(reader.journalId(), folder);
}

bool restore(const QString &backupFolder, const QString &journalPath, const QString &keyPath,
             const Progress &progress, Restored *restored, Failure *failure) {
  *restored = Restored();
  for (const QString &suffix : {QString(), QStringLiteral("-wal")})
    if (QFileInfo::exists(journalPath + suffix)) {
      *failure = Failure(
          Failure::Kind::Refused,
          QCoreApplication::translate("Journal",
                                      "a journal is at %1: a journal is never replaced; move it "
                                      "away first, or retire it with weighstation-records "
                                      "new-journal")
              .arg(journalPath + suffix));
      return false;
    }
  if (Failure unread;
      !readManifest(pathIn(backupFolder, kManifestName), &restored->manifest, &unread)) {
    *failure = unread.within(
        QCoreApplication::translate("Journal", "%1 is not a finished backup").arg(backupFolder));
    return false;
  }
  Failure why;
  const QString backupKey = pathIn(backupFolder, kVerificationKeyName);
  const QString stationKey = signingkeys::verificationKeyPathFor(keyPath);
  signingkeys::VerificationKey ours;
  signingkeys::VerificationKey theirs;
  if (QFileInfo::exists(stationKey) && signingkeys::readVerificationKey(stationKey, &ours, &why) &&
      signingkeys::readVerificationKey(backupKey, &theirs, &why) && !(ours == theirs)) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Journal",
                                            "the backup was sealed under another verification key "
                                            "(fingerprint %1; the station's is %2)")
                    .arg(theirs.fingerprint(), ours.fingerprint()));
    return false;
  }
  VerifyReport report;
  if (!checkIntact(pathIn(backupFolder, kJournalName), keyPath, pathIn(backupFolder, kHeadName),
                   QFileInfo::exists(backupKey) ? backupKey : QString(),
                   QCoreApplication::translate("Journal", "the backup"),
                   QCoreApplication::translate("Journal", "nothing restored"), &report, failure))
    return false;
  const QString folder = QFileInfo(journalPath).absolutePath();
  if (!QDir().mkpath(folder)) {
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot make the folder %1").arg(folder));
    return false;
  }
  const QString partial = partialOf(journalPath);
  removePartials({partial});
  if (!copyJournal(pathIn(backupFolder, kJournalName), partial, progress, failure)) {
    removePartials({partial});
    return false;
  }
  // Named only where still nothing is: never over a journal made meanwhile.
  if (::renameat2(AT_FDCWD, QFile::encodeName(partial).constData(), AT_FDCWD,
                  QFile::encodeName(journalPath).constData(), RENAME_NOREPLACE) != 0) {
    *failure = Failure(errno == EEXIST ? Failure::Kind::Refused : Failure::Kind::Io,
                       QCoreApplication::translate("Journal", "cannot name %1 %2: %3")
                           .arg(partial, journalPath, errnoText()));
    removePartials({partial});
    return false;
  }
  if (!syncPath(folder, true, failure))
    return false;
  journalfiles::Head head;
  Failure headUnread;
  if (journalfiles::readHead(journalfiles::headPathFor(keyPath, restored->manifest.journalId),
                             QByteArray(), &head, &headUnread))
    restored->recordsMissing = qMax<qint64>(0, head.seq - report.lastSeq);
  return true;
}

}  // namespace journalbackup
