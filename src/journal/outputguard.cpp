#include "journal/outputguard.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "journal/journalfiles.h"
#include "journal/signingkeys.h"

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
          QCoreApplication::translate(
              "Journal", "%1: refused, it is the record journal's file %2 (nothing written)")
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
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Journal",
                                    "%1: refused, it bears the name of the record journal's "
                                    "files (a key, a head, a retired journal; nothing written)")
            .arg(output));
    return false;
  }
  return true;
}

}  // namespace outputguard
