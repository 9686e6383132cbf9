#include "journal/journalfiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <functional>

#include "journal/chaincheck.h"
#include "journal/faults.h"
#include "journal/recordseal.h"
#include "journal/seals.h"
#include "journal/signingkeys.h"
#include "platform/appfolders.h"

namespace journalfiles {
namespace {
const QByteArray kHeadTag = "weighstation-journal-head 1";
const QByteArray kSignedHeadTag = "weighstation-journal-head 2";
// A signed head that also witnesses the last text log note.
const QByteArray kNotedHeadTag = "weighstation-journal-head 3";
// One that also witnesses the last transaction of the weighing desk.
const QByteArray kTransactionHeadTag = "weighstation-journal-head 4";
// A head of a later run of epoch keys carries their links (a few hundred
// characters a run).
constexpr int kHeadLineLimit = 16384;

QString systemError() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

QByteArray headSealed(const Head &head) {
  return "head\n" + head.journalId.toLatin1() + '\n' + QByteArray::number(head.seq) + '\n' +
         head.mac.toLatin1();
}

// epoch:starts:ends:public key:the root's signature (and a later run's
// links), the numbers of fixed width.
QByteArray certificateText(const signingkeys::EpochCertificate &certificate) {
  return QByteArray::number(certificate.epoch).rightJustified(20, '0') + ':' +
         QByteArray::number(certificate.starts).rightJustified(20, '0') + ':' +
         QByteArray::number(certificate.ends).rightJustified(20, '0') + ':' +
         certificate.publicKey.toHex() + ':' + certificate.certificateText();
}

bool parseCertificate(const QByteArray &text, signingkeys::EpochCertificate *certificate) {
  const QList<QByteArray> fields = text.split(':');
  bool ok[3] = {};
  if (fields.size() != 5)
    return false;
  certificate->epoch = fields[0].toLongLong(&ok[0]);
  certificate->starts = fields[1].toLongLong(&ok[1]);
  certificate->ends = fields[2].toLongLong(&ok[2]);
  certificate->publicKey = QByteArray::fromHex(fields[3]);
  return ok[0] && ok[1] && ok[2] && certificate->epoch >= 0 &&
         certificate->publicKey.toHex() == fields[3] && certificate->setCertificateText(fields[4]);
}

// One fixed-size line, so that a rewrite in place covers the old one.
QByteArray headLine(const QByteArray &key, const Head &head) {
  if (head.format == 2 && head.transactionSeq > 0)
    return kTransactionHeadTag + ' ' + head.journalId.toLatin1() + ' ' +
           QByteArray::number(head.seq).rightJustified(20, '0') + ' ' + head.mac.toLatin1() + ' ' +
           head.signature.toHex() + ' ' + certificateText(head.certificate) + ' ' +
           QByteArray::number(head.noteSeq).rightJustified(20, '0') + ':' +
           (head.noteSeq > 0 ? head.noteMac.toLatin1() : QByteArray("-")) + ' ' +
           QByteArray::number(head.transactionSeq).rightJustified(20, '0') + ':' +
           head.transactionMac.toLatin1() + '\n';
  if (head.format == 2 && head.noteSeq > 0)
    return kNotedHeadTag + ' ' + head.journalId.toLatin1() + ' ' +
           QByteArray::number(head.seq).rightJustified(20, '0') + ' ' + head.mac.toLatin1() + ' ' +
           head.signature.toHex() + ' ' + certificateText(head.certificate) + ' ' +
           QByteArray::number(head.noteSeq).rightJustified(20, '0') + ':' +
           head.noteMac.toLatin1() + '\n';
  if (head.format == 2)
    return kSignedHeadTag + ' ' + head.journalId.toLatin1() + ' ' +
           QByteArray::number(head.seq).rightJustified(20, '0') + ' ' + head.mac.toLatin1() + ' ' +
           head.signature.toHex() +
           (head.certificate.epoch >= 0 ? ' ' + certificateText(head.certificate) : QByteArray()) +
           '\n';
  return kHeadTag + ' ' + head.journalId.toLatin1() + ' ' +
         QByteArray::number(head.seq).rightJustified(20, '0') + ' ' + head.mac.toLatin1() + ' ' +
         sealOf(key, headSealed(head)).toLatin1() + '\n';
}

// The head's fields; with a key, also that it is sealed with it.
bool parseHead(const QByteArray &line, const QByteArray &key, Head *head, QString *error) {
  const QList<QByteArray> parts = line.left(line.indexOf('\n')).trimmed().split(' ');
  const QByteArray tag = parts.size() >= 2 ? parts[0] + ' ' + parts[1] : QByteArray();
  const bool withTransaction = parts.size() == 9 && tag == kTransactionHeadTag;
  const bool noted = (parts.size() == 8 && tag == kNotedHeadTag) || withTransaction;
  const bool signed2 = ((parts.size() == 6 || parts.size() == 7) && tag == kSignedHeadTag) || noted;
  const QList<QByteArray> note = noted ? parts[7].split(':') : QList<QByteArray>();
  const QList<QByteArray> transaction = withTransaction ? parts[8].split(':') : QList<QByteArray>();
  head->noteSeq = note.value(0).toLongLong();
  head->noteMac = head->noteSeq > 0 ? QString::fromLatin1(note.value(1)) : QString();
  head->transactionSeq = transaction.value(0).toLongLong();
  head->transactionMac = QString::fromLatin1(transaction.value(1));
  const bool noteRead = note.size() == 2 && (head->noteSeq > 0 ? !head->noteMac.isEmpty()
                                                               : withTransaction && note[1] == "-");
  if ((parts.size() != 6 && !signed2) || (tag != kHeadTag && !signed2) ||
      (parts.size() >= 7 && !parseCertificate(parts[6], &head->certificate)) ||
      (noted && !noteRead) ||
      (withTransaction &&
       (transaction.size() != 2 || head->transactionSeq <= 0 || head->transactionMac.isEmpty()))) {
    *error = QCoreApplication::translate("Journal", "not a journal head");
    return false;
  }
  head->journalId = QString::fromLatin1(parts[2]);
  head->seq = parts[3].toLongLong();
  head->mac = QString::fromLatin1(parts[4]);
  head->format = signed2 ? 2 : 1;
  head->signature = signed2 ? QByteArray::fromHex(parts[5]) : QByteArray();
  if (signed2)
    return true;
  if (key.isEmpty() || sealOf(key, headSealed(*head)) != QString::fromLatin1(parts[5])) {
    *error = QCoreApplication::translate("Journal", "not sealed with this key");
    return false;
  }
  return true;
}
}  // namespace

namespace {
Places &placesInForce() {
  static Places inForce;
  return inForce;
}
}  // namespace

void usePlaces(const Places &places) {
  placesInForce() = places;
}

const Places &places() {
  return placesInForce();
}

QString defaultJournalPath() {
  const QString set = places().journal;
  return set.isEmpty() ? appfolders::dataFolder() + QStringLiteral("/journal.sqlite") : set;
}

QString defaultKeyPath() {
  const QString set = places().key;
  return set.isEmpty() ? appfolders::configFolder() + QStringLiteral("/journal.key") : set;
}

QStringList headFolders(const QString &keyPath) {
  const QString set = places().heads;
  if (!set.isEmpty())
    return {QFileInfo(set).absoluteFilePath()};
  QStringList folders{QFileInfo(keyPath).absolutePath(), appfolders::stateFolder()};
  folders.removeDuplicates();
  return folders;
}

QString headPathFor(const QString &keyPath, const QString &journalId) {
  const QString name = QStringLiteral("%1.%2.head").arg(QFileInfo(keyPath).fileName(), journalId);
  const QStringList folders = headFolders(keyPath);
  for (const QString &folder : folders) {
    if (QFileInfo::exists(folder + u'/' + name))
      return folder + u'/' + name;
  }
  // The key's folder may be one its writer can only read (a root-owned
  // folder for the key): the head, rewritten at each record, goes to the
  // state folder then.
  const QString preferred =
      folders.size() == 1 || ::access(QFile::encodeName(folders[0]).constData(), W_OK) == 0
          ? folders[0]
          : folders[1];
  return preferred + u'/' + name;
}

QString retiredKeyFor(const QString &journalPath, const QString &key) {
  static const QRegularExpression retired(
      QStringLiteral("^.+\\.([0-9a-f]{32}|retired-[0-9]{8}T[0-9]{6}Z)(\\.[^.]+)?$"));
  const QRegularExpressionMatch match = retired.match(QFileInfo(journalPath).fileName());
  if (!match.hasMatch())
    return QString();
  const QString candidate = key + u'.' + match.captured(1);
  const bool there = QFileInfo::exists(candidate) ||
                     QFileInfo::exists(signingkeys::verificationKeyPathFor(candidate));
  return there ? candidate : QString();
}

QString stationName() {
  const QString set = places().station;
  return set.isEmpty() ? QSysInfo::machineHostName() : set;
}

QString sealOf(const QByteArray &key, const QByteArray &bytes) {
  return QString::fromLatin1(
      QMessageAuthenticationCode::hash(bytes, key, QCryptographicHash::Sha256).toHex());
}

// A key's text is 65 bytes: a larger file is not a key, and is not read
// to its end (it might have none).
constexpr qint64 kKeyFileLimit = 4096;

bool loadKey(const QString &path, bool create, QByteArray *key, Failure *failure) {
  QFile file(path);
  if (!file.exists() && create) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
      *failure = Failure(Failure::Kind::Io,
                         QCoreApplication::translate("Journal", "cannot make the key's folder %1")
                             .arg(QFileInfo(path).absolutePath()));
      return false;
    }
    QByteArray bytes(kKeyBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()),
                                          kKeyBytes / sizeof(quint32));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) ||
        !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        out.write(bytes.toHex() + '\n') < 0 || !out.commit()) {
      *failure = Failure(Failure::Kind::Io,
                         QCoreApplication::translate("Journal", "cannot write the key %1: %2")
                             .arg(path, out.errorString()));
      return false;
    }
  }
  if (!file.open(QIODevice::ReadOnly)) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot read the key %1: %2")
                           .arg(path, file.errorString()));
    return false;
  }
  const QByteArray text = file.read(kKeyFileLimit + 1);
  if (text.size() > kKeyFileLimit) {
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate(
                           "Journal", "the key %1 is not a key: it is larger than %2 bytes")
                           .arg(path)
                           .arg(kKeyFileLimit));
    return false;
  }
  *key = QByteArray::fromHex(text.trimmed());
  if (key->size() != kKeyBytes) {
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate("Journal", "the key %1 is not %2 bytes in hex")
                           .arg(path)
                           .arg(kKeyBytes));
    return false;
  }
  return true;
}

bool readHead(const QString &path, const QByteArray &key, Head *head, Failure *failure) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *failure = Failure(
        Failure::Kind::CannotOpen,
        QCoreApplication::translate("Journal", "no head at %1 (%2)").arg(path, file.errorString()));
    return false;
  }
  QString why;
  if (!parseHead(file.readLine(kHeadLineLimit), key, head, &why)) {
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate("Journal", "the head %1 is %2").arg(path, why));
    return false;
  }
  return true;
}

namespace {
QList<FoundHead> headsChecked(const QString &keyPath, const QByteArray &key,
                              const std::function<bool(const Head &)> &signedByTheKeys) {
  QList<FoundHead> found;
  const QRegularExpression form(
      QStringLiteral("^%1\\.[0-9a-f]{32}\\.head$")
          .arg(QRegularExpression::escape(QFileInfo(keyPath).fileName())));
  for (const QString &folder : headFolders(keyPath)) {
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
      if (!form.match(name).hasMatch())
        continue;
      FoundHead entry{folder + u'/' + name, {}, false};
      QFile file(entry.path);
      QString why;
      if (!file.open(QIODevice::ReadOnly))
        continue;
      const QByteArray line = file.readLine(kHeadLineLimit);
      if (!parseHead(line, QByteArray(), &entry.head, &why) && entry.head.journalId.isEmpty())
        continue;
      entry.sealed = entry.head.format == 2
                         ? signedByTheKeys(entry.head)
                         : !key.isEmpty() && parseHead(line, key, &entry.head, &why);
      found << entry;
    }
  }
  return found;
}

}  // namespace

QList<FoundHead> headsOf(const QString &keyPath, const QByteArray &key,
                         const signingkeys::VerificationKey *under,
                         const QHash<qint64, signingkeys::EpochCertificate> &known) {
  return headsChecked(keyPath, key, [&](const Head &head) {
    const qint64 epoch = chaincheck::signingEpochOf(head);
    if (!under || epoch < 0)
      return false;
    const auto certified = known.constFind(epoch);
    if (certified != known.constEnd())
      return chaincheck::headSignedBy(*certified, head);
    return head.certificate.certifiedBy(*under) && chaincheck::headSignedBy(head.certificate, head);
  });
}

QList<FoundHead> headsOfTheKey(const QString &keyPath) {
  QByteArray key;
  Failure unreadable;
  Failure unreadableKeys;
  const bool haveKey = QFileInfo::exists(keyPath) && loadKey(keyPath, false, &key, &unreadable);
  // A signed head is this station's when one of its epoch keys signed it.
  signingkeys::SigningKeys keys;
  const bool haveKeys = keys.load(signingkeys::signingPathFor(keyPath), &unreadableKeys);
  QList<FoundHead> heads =
      headsChecked(keyPath, haveKey ? key : QByteArray(), [&](const Head &head) {
        return haveKeys && chaincheck::Keys::of(QByteArray(), keys).headSigned(head);
      });
  const QString shared = QFileInfo(appfolders::stateFolder()).absoluteFilePath();
  heads.removeIf([&](const FoundHead &found) {
    return !found.sealed && places().heads.isEmpty() &&
           QFileInfo(found.path).absolutePath() == shared &&
           QFileInfo(keyPath).absolutePath() != shared;
  });
  return heads;
}

QStringList headPathsOf(const QString &keyPath) {
  QStringList paths;
  const QString prefix = QFileInfo(keyPath).fileName() + u'.';
  for (const QString &folder : headFolders(keyPath)) {
    const QStringList names =
        QDir(folder).entryList({prefix + QStringLiteral("*.head")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names)
      paths << folder + u'/' + name;
  }
  return paths;
}

const FoundHead *otherJournal(const QList<FoundHead> &heads, const QString &journalId) {
  const FoundHead *most = nullptr;
  for (const FoundHead &found : heads) {
    if (found.head.journalId != journalId && found.head.seq > 0 &&
        (!most || found.head.seq > most->head.seq))
      most = &found;
  }
  return most;
}

HeadWriter::~HeadWriter() {
  if (fd_ >= 0)
    ::close(fd_);
}

bool HeadWriter::open(const QString &path, Failure *failure) {
  if (fd_ >= 0)
    return true;
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    *failure = Failure(Failure::Kind::Io,
                       QCoreApplication::translate("Journal", "cannot make the head's folder %1")
                           .arg(QFileInfo(path).absolutePath()));
    return false;
  }
  fd_ = faults::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0)
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot open the head %1: %2")
                           .arg(path, systemError()));
  return fd_ >= 0;
}

void HeadWriter::lock() {
  while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

void HeadWriter::unlock() {
  ::flock(fd_, LOCK_UN);
}

bool HeadWriter::advance(const QByteArray &key, const Head &head, Failure *failure) {
  char buffer[kHeadLineLimit] = {};
  const ssize_t n = ::pread(fd_, buffer, sizeof buffer - 1, 0);
  Head current;
  QString why;
  if (n > 0 && parseHead(QByteArray(buffer, int(n)), key, &current, &why) &&
      current.journalId == head.journalId &&
      (current.seq > head.seq || (current.seq == head.seq && current.noteSeq >= head.noteSeq &&
                                  current.transactionSeq >= head.transactionSeq))) {
    return true;
  }
  // Rewritten in place: the line's length changes only when the keys' run
  // does, and then it grows (the run's links), covering the line before.
  const QByteArray line = headLine(key, head);
  if (faults::pwrite(fd_, line.constData(), line.size(), 0) != line.size() ||
      faults::fdatasync(fd_) != 0) {
    *failure = Failure(Failure::Kind::Io,
                       QCoreApplication::translate("Journal", "cannot write the journal's head: %1")
                           .arg(systemError()));
    return false;
  }
  return true;
}

}  // namespace journalfiles
