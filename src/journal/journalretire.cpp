#include "journal/journalretire.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/signingkeys.h"

namespace journalretire {
namespace {

// "journal.sqlite" -> "journal.<id>.sqlite", beside it.
QString retiredJournalName(const QString &path, const QString &id) {
  const QFileInfo file(path);
  const QString suffix = file.suffix();
  const QString base = suffix.isEmpty() ? file.fileName() : file.completeBaseName();
  return file.absoluteDir().filePath(
      suffix.isEmpty() ? base + u'.' + id : QStringLiteral("%1.%2.%3").arg(base, id, suffix));
}

// The journal's file and its -wal, -shm and -journal, to their retired
// names.
QList<QPair<QString, QString>> journalMoves(const QString &journalPath, const QString &id) {
  QList<QPair<QString, QString>> moves;
  const QString retired = retiredJournalName(journalPath, id);
  for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
    if (QFileInfo::exists(journalPath + QLatin1String(suffix)))
      moves << qMakePair(journalPath + QLatin1String(suffix), retired + QLatin1String(suffix));
  }
  return moves;
}

QString idOfJournal(const QString &path, Failure *why) {
  JournalReader reader(path, QStringLiteral("weighstation-retire"));
  if (!reader.open(why))
    return QString();
  return reader.journalId();
}

}  // namespace

QList<qint64> processesHolding(const QString &path) {
  QList<qint64> holders;
  const QString target = QFileInfo(path).canonicalFilePath();
  if (target.isEmpty())
    return holders;
  const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
  for (const QString &process : processes) {
    bool number = false;
    const qint64 pid = process.toLongLong(&number);
    if (!number || pid == ::getpid())
      continue;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(process));
    const QStringList entries = fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QString &fd : entries) {
      if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target) {
        holders << pid;
        break;
      }
    }
  }
  return holders;
}

bool plan(const QString &journalPath, const QString &keyPath, Plan *plan, Failure *failure) {
  const bool journalThere = QFileInfo(journalPath).isFile() && QFileInfo(journalPath).size() > 0;
  const QList<journalfiles::FoundHead> heads = journalfiles::headsOfTheKey(keyPath);
  if (!journalThere && !QFileInfo::exists(keyPath) &&
      !QFileInfo::exists(signingkeys::signingPathFor(keyPath)) && heads.isEmpty()) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate(
                           "Journal",
                           "no journal at %1 and no key at %2: nothing to retire (the monitor "
                           "makes a new journal at its first record)")
                           .arg(journalPath, keyPath));
    return false;
  }
  for (const QString &file : {journalPath, journalPath + QStringLiteral("-wal")}) {
    const QList<qint64> holders = processesHolding(file);
    if (!holders.isEmpty()) {
      *failure = Failure(Failure::Kind::Refused,
                         QCoreApplication::translate(
                             "Journal",
                             "the journal %1 is open in process %2: end the monitor (and every "
                             "viewer) first")
                             .arg(journalPath)
                             .arg(holders.first()));
      return false;
    }
  }
  Failure why;
  plan->journalId = journalThere ? idOfJournal(journalPath, &why) : QString();
  if (plan->journalId.isEmpty()) {
    // The journal is missing or unreadable: its id is the one its heads name.
    const journalfiles::FoundHead *most = journalfiles::otherJournal(heads, QString());
    plan->journalId = most ? most->head.journalId
                           : QStringLiteral("retired-") + QDateTime::currentDateTimeUtc().toString(
                                                              QStringLiteral("yyyyMMddTHHmmssZ"));
  }
  const QString &id = plan->journalId;
  plan->moves = journalMoves(journalPath, id);
  // The heads go with the key: "<key>.<x>.head" -> "<key>.<id>.<x>.head",
  // the names under which the retired key's heads are found.
  const QString keyName = QFileInfo(keyPath).fileName();
  for (const journalfiles::FoundHead &found : heads) {
    const QFileInfo head(found.path);
    plan->moves << qMakePair(
        found.path, head.dir().filePath(
                        QStringLiteral("%1.%2.%3.head").arg(keyName, id, found.head.journalId)));
  }
  if (QFileInfo::exists(keyPath))
    plan->moves << qMakePair(keyPath, keyPath + u'.' + id);
  // The signing keys go with it: the new journal is sealed with new ones,
  // and the retired one is checked with the retired verification key.
  plan->signingFile.clear();
  for (const QString &path :
       {signingkeys::signingPathFor(keyPath), signingkeys::verificationKeyPathFor(keyPath)}) {
    if (QFileInfo::exists(path))
      plan->moves << qMakePair(path, path + u'.' + id);
  }
  if (QFileInfo::exists(signingkeys::signingPathFor(keyPath)))
    plan->signingFile = signingkeys::signingPathFor(keyPath);
  for (const auto &move : plan->moves) {
    if (QFileInfo::exists(move.second) || QFileInfo(move.second).isSymLink()) {
      *failure = Failure(
          Failure::Kind::Refused,
          QCoreApplication::translate("Journal", "cannot retire the journal: %1 exists already")
              .arg(move.second));
      return false;
    }
  }
  return true;
}

bool carryOut(const Plan &plan, Failure *failure) {
  // A retired journal's future epochs would otherwise stay signable for
  // ever by whoever copies the file.
  if (!plan.signingFile.isEmpty()) {
    signingkeys::SigningKeys keys;
    Failure why;
    qint64 erased = 0;
    if (!keys.load(plan.signingFile, &why) || !keys.erasePast(keys.epochs(), &erased, &why)) {
      *failure = Failure(
          Failure::Kind::Io,
          QCoreApplication::translate("Journal",
                                      "cannot erase the signing secrets of the journal retired: "
                                      "%1 (nothing renamed)")
              .arg(why.reason()));
      return false;
    }
  }
  QStringList done;
  for (const auto &move : plan.moves) {
    if (::rename(QFile::encodeName(move.first).constData(),
                 QFile::encodeName(move.second).constData()) != 0) {
      *failure =
          Failure(Failure::Kind::Io,
                  QCoreApplication::translate("Journal",
                                              "cannot rename %1 to %2: %3 (renamed before it: %4)")
                      .arg(move.first, move.second, QString::fromLocal8Bit(std::strerror(errno)),
                           done.isEmpty() ? QStringLiteral("nothing") : done.join(", ")));
      return false;
    }
    done << move.first;
  }
  return true;
}

}  // namespace journalretire
