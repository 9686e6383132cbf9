#include "journal/signingkeys.h"

#include "journal/faults.h"
#include "journal/journalfiles.h"
#include "journal/journallog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <limits>

#include "journal/seals.h"

namespace signingkeys {
namespace {
const QByteArray kVerificationTag = "weighstation verification key 2";
const QByteArray kSigningTag = "weighstation signing keys 2";
constexpr qint64 kVerificationFileLimit = 4096;
// The header and the lines of sixteen runs, with room to spare.
constexpr qint64 kSigningFileLimit = 16 * (4096 + qint64(kEpochsInARun) * 512);
const QByteArray kErased(2 * seals::kSecretKeyBytes, '-');

QByteArray encodedStation(const QString &station) {
  return QUrl::toPercentEncoding(station);
}

// "e <epoch> <starts> <ends> <public> <certificate> <secret>": one fixed
// length, so that a secret is erased by overwriting it in place.
QByteArray epochLine(const EpochCertificate &certificate, const QByteArray &secret) {
  return "e " + QByteArray::number(certificate.epoch).rightJustified(6, '0') + ' ' +
         QByteArray::number(certificate.starts).rightJustified(12, '0') + ' ' +
         QByteArray::number(certificate.ends).rightJustified(12, '0') + ' ' +
         certificate.publicKey.toHex() + ' ' + certificate.signature.toHex() + ' ' +
         (secret.isEmpty() ? kErased : secret.toHex()) + '\n';
}

// Written whole or not at all: a temporary file beside, synced, renamed.
bool writeWhole(const QString &path, const QByteArray &bytes, mode_t mode, Failure *failure) {
  const QByteArray name = QFile::encodeName(path);
  const QByteArray temporary = name + ".new";
  const int fd =
      faults::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  bool ok = fd >= 0 && ::fchmod(fd, mode) == 0;
  for (qint64 done = 0; ok && done < bytes.size();) {
    const ssize_t n = faults::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    ok = n > 0 || (n < 0 && errno == EINTR);
    done += n > 0 ? n : 0;
  }
  ok = ok && faults::fsync(fd) == 0;
  const int saved = errno;
  if (fd >= 0)
    ::close(fd);
  ok = ok && ::rename(temporary.constData(), name.constData()) == 0;
  if (!ok) {
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot write %1: %2")
                    .arg(path, QString::fromLocal8Bit(std::strerror(errno ? errno : saved))));
    ::unlink(temporary.constData());
  }
  return ok;
}

bool readLimited(const QString &path, qint64 limit, QByteArray *text, Failure *failure) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *failure = Failure(
        Failure::Kind::CannotOpen,
        QCoreApplication::translate("Journal", "cannot read %1: %2").arg(path, file.errorString()));
    return false;
  }
  *text = file.read(limit + 1);
  if (text->size() > limit) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        QCoreApplication::translate("Journal", "%1 is not a key file: it is larger than %2 bytes")
            .arg(path)
            .arg(limit));
    return false;
  }
  return true;
}
}  // namespace

QString VerificationKey::fingerprint() const {
  return seals::fingerprintOf(kVerificationTag + '\n' + station.toUtf8() + '\n' + root);
}

QByteArray VerificationKey::formatBytes(const QString &station, qint64 after) {
  return "weighstation format 2 after\n" + station.toUtf8() + '\n' + QByteArray::number(after) +
         '\n';
}

QByteArray VerificationKey::fileText() const {
  QByteArray text = kVerificationTag + '\n' + "station " + encodedStation(station) + '\n' +
                    "root " + root.toHex() + '\n' + "fingerprint " + fingerprint().toLatin1() +
                    '\n';
  if (format2After >= 0)
    text +=
        "format-2-after " + QByteArray::number(format2After) + ' ' + formatSignature.toHex() + '\n';
  return text;
}

bool parseVerificationKey(const QByteArray &text, VerificationKey *key, Failure *failure) {
  const QList<QByteArray> lines = text.trimmed().split('\n');
  if ((lines.size() != 4 && lines.size() != 5) || lines[0] != kVerificationTag ||
      !lines[1].startsWith("station ") || !lines[2].startsWith("root ") ||
      !lines[3].startsWith("fingerprint ")) {
    *failure =
        Failure(Failure::Kind::Corrupt,
                QCoreApplication::translate("Journal", "not a verification key of format 2"));
    return false;
  }
  key->station = QUrl::fromPercentEncoding(lines[1].mid(8));
  key->root = QByteArray::fromHex(lines[2].mid(5));
  if (key->root.size() != seals::kPublicKeyBytes || lines[2].mid(5) != key->root.toHex()) {
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate("Journal", "its root key is not %1 bytes in hex")
                           .arg(seals::kPublicKeyBytes));
    return false;
  }
  if (QString::fromLatin1(lines[3].mid(12)) != key->fingerprint()) {
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate(
                           "Journal", "its fingerprint line does not match its key (changed)"));
    return false;
  }
  key->format2After = -1;
  key->formatSignature.clear();
  if (lines.size() == 5) {
    const QList<QByteArray> words = lines[4].split(' ');
    bool number = false;
    const qint64 after = words.value(1).toLongLong(&number);
    const QByteArray signature = QByteArray::fromHex(words.value(2));
    if (words.size() != 3 || words[0] != "format-2-after" || !number || after < 0 ||
        signature.toHex() != words[2] ||
        !seals::verify(key->root, VerificationKey::formatBytes(key->station, after), signature)) {
      *failure = Failure(Failure::Kind::Corrupt,
                         QCoreApplication::translate(
                             "Journal", "its format line is not signed by its root (changed)"));
      return false;
    }
    key->format2After = after;
    key->formatSignature = signature;
  }
  return true;
}

bool readVerificationKey(const QString &path, VerificationKey *key, Failure *failure) {
  QByteArray text;
  if (!readLimited(path, kVerificationFileLimit, &text, failure))
    return false;
  if (!parseVerificationKey(text, key, failure)) {
    *failure = failure->within(
        QCoreApplication::translate("Journal", "the verification key %1").arg(path));
    return false;
  }
  return true;
}

QByteArray EpochCertificate::signedBytes(const QString &station) const {
  return "weighstation epoch key 2\n" + station.toUtf8() + '\n' + QByteArray::number(epoch) + '\n' +
         QByteArray::number(starts) + '\n' + QByteArray::number(ends) + '\n' + publicKey.toHex() +
         '\n';
}

namespace {
void putNumber(QByteArray *bytes, qint64 number) {
  for (int shift = 56; shift >= 0; shift -= 8)
    bytes->append(char((quint64(number) >> shift) & 0xff));
}

qint64 numberAt(const QByteArray &bytes, qsizetype at) {
  quint64 number = 0;
  for (int i = 0; i < 8; ++i)
    number = (number << 8) | quint8(bytes[at + i]);
  return qint64(number);
}

struct RunLink {
  qint64 firstEpoch = 0;
  QByteArray root;
  EpochCertificate signer;  // of the epoch before the run, under the root before
  QByteArray signature;     // the signer's, of linkBytes

  static QByteArray linkBytes(const QString &station, qint64 firstEpoch, const QByteArray &root) {
    return "weighstation run 2\n" + station.toUtf8() + '\n' + QByteArray::number(firstEpoch) +
           '\n' + root.toHex() + '\n';
  }
  QByteArray bytes() const {
    QByteArray out;
    putNumber(&out, firstEpoch);
    out += root;
    putNumber(&out, signer.epoch);
    putNumber(&out, signer.starts);
    putNumber(&out, signer.ends);
    out += signer.publicKey + signer.signature + signature;
    return out;
  }
  static RunLink at(const QByteArray &links, qsizetype at) {
    RunLink link;
    link.firstEpoch = numberAt(links, at);
    link.root = links.mid(at + 8, seals::kPublicKeyBytes);
    link.signer.epoch = numberAt(links, at + 40);
    link.signer.starts = numberAt(links, at + 48);
    link.signer.ends = numberAt(links, at + 56);
    link.signer.publicKey = links.mid(at + 64, seals::kPublicKeyBytes);
    link.signer.signature = links.mid(at + 96, seals::kSignatureBytes);
    link.signature = links.mid(at + 160, seals::kSignatureBytes);
    return link;
  }
};
}  // namespace

bool EpochCertificate::certifiedBy(const VerificationKey &key) const {
  if (runLinks.size() % kRunLinkBytes != 0)
    return false;
  QByteArray root = key.root;
  qint64 runStarts = 0;
  qint64 previousEnds = std::numeric_limits<qint64>::min();
  for (qsizetype at = 0; at < runLinks.size(); at += kRunLinkBytes) {
    const RunLink link = RunLink::at(runLinks, at);
    if (link.signer.epoch != link.firstEpoch - 1 || link.signer.epoch < runStarts ||
        !seals::verify(root, link.signer.signedBytes(key.station), link.signer.signature) ||
        !seals::verify(link.signer.publicKey,
                       RunLink::linkBytes(key.station, link.firstEpoch, link.root), link.signature))
      return false;
    root = link.root;
    runStarts = link.firstEpoch;
    previousEnds = link.signer.ends;
  }
  // A later run's epochs follow the run before it, in time as in number.
  return epoch >= runStarts && starts >= previousEnds &&
         seals::verify(root, signedBytes(key.station), signature);
}

QByteArray EpochCertificate::certificateText() const {
  return runLinks.isEmpty() ? signature.toHex() : signature.toHex() + '.' + runLinks.toHex();
}

bool EpochCertificate::setCertificateText(const QByteArray &text) {
  const qsizetype dot = text.indexOf('.');
  const QByteArray signatureHex = dot < 0 ? text : text.left(dot);
  const QByteArray linksHex = dot < 0 ? QByteArray() : text.mid(dot + 1);
  signature = QByteArray::fromHex(signatureHex);
  runLinks = QByteArray::fromHex(linksHex);
  return signature.toHex() == signatureHex && runLinks.toHex() == linksHex &&
         (dot < 0 || !runLinks.isEmpty());
}

namespace {
// "<folder>/<name>.key" gives "<folder>/<name><suffix>"; a key retired by
// new-journal, "<name>.key.<id>", gives "<name><suffix>.<id>", the name its
// companions were retired under.
QString besideTheKey(const QString &keyPath, const QString &suffix) {
  const QFileInfo key(keyPath);
  static const QRegularExpression retired(
      QStringLiteral("^(.+)\\.key\\.([0-9a-f]{32}|retired-[0-9]{8}T[0-9]{6}Z)$"));
  const QRegularExpressionMatch match = retired.match(key.fileName());
  if (match.hasMatch())
    return key.path() + u'/' + match.captured(1) + suffix + u'.' + match.captured(2);
  return key.path() + u'/' + key.completeBaseName() + suffix;
}
}  // namespace

QString signingPathFor(const QString &keyPath) {
  return besideTheKey(keyPath, QStringLiteral(".signing"));
}

QString verificationKeyPathFor(const QString &keyPath) {
  return besideTheKey(keyPath, QStringLiteral(".verification-key"));
}

qint64 epochSecondsSetting() {
  const qint64 set = journalfiles::places().epochSeconds;
  const qint64 seconds = set > 0 ? set : kDefaultEpochSeconds;
  return seconds < kShortestEpochSeconds ? kShortestEpochSeconds : seconds;
}

bool SigningKeys::commission(const QString &signingPath, const QString &verificationPath,
                             const QString &station, qint64 firstStart, qint64 length,
                             Failure *failure, qint64 format2After) {
  if (length < kShortestEpochSeconds)
    length = kShortestEpochSeconds;
  seals::KeyPair root;
  if (!seals::generate(&root)) {
    *failure = Failure(
        Failure::Kind::Io,
        QCoreApplication::translate("Journal", "cannot make a signing key: no random source"));
    return false;
  }
  VerificationKey verification;
  verification.station = station;
  verification.root = root.publicKey;
  verification.format2After = format2After;
  verification.formatSignature =
      seals::sign(root.secretKey, VerificationKey::formatBytes(station, format2After));
  QByteArray text = kSigningTag + '\n' + "station " + encodedStation(station) + '\n' + "root " +
                    root.publicKey.toHex() + '\n';
  const qint64 first = firstStart;
  for (int epoch = 0; epoch < kEpochsInARun; ++epoch) {
    seals::KeyPair pair;
    EpochCertificate certificate;
    certificate.epoch = epoch;
    certificate.starts = first + epoch * length;
    certificate.ends = certificate.starts + length;
    if (!seals::generate(&pair)) {
      seals::erase(&root.secretKey);
      *failure = Failure(
          Failure::Kind::Io,
          QCoreApplication::translate("Journal", "cannot make a signing key: no random source"));
      return false;
    }
    certificate.publicKey = pair.publicKey;
    certificate.signature = seals::sign(root.secretKey, certificate.signedBytes(station));
    text += epochLine(certificate, pair.secretKey);
    seals::erase(&pair.secretKey);
  }
  seals::erase(&root.secretKey);
  if (!QDir().mkpath(QFileInfo(signingPath).absolutePath())) {
    *failure = Failure(Failure::Kind::Io,
                       QCoreApplication::translate("Journal", "cannot make the folder %1")
                           .arg(QFileInfo(signingPath).absolutePath()));
    return false;
  }
  // The public key first: signing keys without it could not be checked.
  if (!writeWhole(verificationPath, verification.fileText(), 0644, failure))
    return false;
  const bool written = writeWhole(signingPath, text, 0600, failure);
  std::memset(text.data(), 0, size_t(text.size()));
  return written;
}

qint64 SigningKeys::boundaryBefore(qint64 now, qint64 length) {
  return now - ((now % length) + length) % length;
}

namespace {
// The signing file's text, refused when others may read it.
bool readOwnersOnly(const QString &path, QByteArray *text, Failure *failure) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot read the signing keys %1: %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return false;
  }
  if ((status.st_mode & 077) != 0) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate(
                           "Journal",
                           "the signing keys %1 may be read by others (mode %2): they must be "
                           "mode 0600")
                           .arg(path)
                           .arg(QString::number(status.st_mode & 0777, 8).rightJustified(4, u'0')));
    return false;
  }
  return readLimited(path, kSigningFileLimit, text, failure);
}

// An epoch line, "e <epoch> <starts> <ends> <public key> <certificate>
// <secret or erased>", of the epoch expected next.
bool parseEpochLine(const QByteArray &line, qint64 expectedEpoch, EpochCertificate *certificate,
                    QByteArray *secret) {
  const QList<QByteArray> parts = line.split(' ');
  if (parts.size() != 7 || parts[0] != "e")
    return false;
  certificate->epoch = parts[1].toLongLong();
  certificate->starts = parts[2].toLongLong();
  certificate->ends = parts[3].toLongLong();
  certificate->publicKey = QByteArray::fromHex(parts[4]);
  certificate->signature = QByteArray::fromHex(parts[5]);
  *secret = parts[6] == kErased ? QByteArray() : QByteArray::fromHex(parts[6]);
  return certificate->epoch == expectedEpoch &&
         certificate->publicKey.size() == seals::kPublicKeyBytes &&
         (secret->isEmpty() || secret->size() == seals::kSecretKeyBytes);
}
}  // namespace

bool SigningKeys::load(const QString &path, Failure *failure) {
  QByteArray text;
  // The secrets leave no copy behind in memory, whatever the outcome.
  auto erase = qScopeGuard([&text] { std::memset(text.data(), 0, size_t(text.size())); });
  if (!readOwnersOnly(path, &text, failure))
    return false;
  const QList<QByteArray> lines = text.split('\n');
  auto damaged = [&](const QString &why) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        QCoreApplication::translate("Journal", "the signing keys %1 are damaged: ").arg(path) +
            why);
    return false;
  };
  if (lines.size() < 4 || lines[0] != kSigningTag || !lines[1].startsWith("station ") ||
      !lines[2].startsWith("root "))
    return damaged(QCoreApplication::translate("Journal", "not signing keys of format 2"));
  verificationKey_.station = QUrl::fromPercentEncoding(lines[1].mid(8));
  verificationKey_.root = QByteArray::fromHex(lines[2].mid(5));
  headerBytes_ = lines[0].size() + lines[1].size() + lines[2].size() + 3;
  certificates_.clear();
  secrets_.clear();
  qsizetype i = 3;
  for (; i < lines.size(); ++i) {
    if (lines[i].isEmpty() && i == lines.size() - 1)
      break;
    if (lines[i].startsWith("r "))
      break;  // the links of later runs follow every epoch line
    EpochCertificate certificate;
    QByteArray secret;
    if (!parseEpochLine(lines[i], certificates_.size(), &certificate, &secret))
      return damaged(
          QCoreApplication::translate("Journal", "line %1 is not an epoch key").arg(i + 1));
    lineBytes_ = lines[i].size() + 1;
    certificates_ << certificate;
    secrets_ << secret;
  }
  if (certificates_.isEmpty())
    return damaged(QCoreApplication::translate("Journal", "no epoch keys"));
  // "r <first epoch> <links>": every epoch from the first on carries them.
  for (; i < lines.size(); ++i) {
    if (lines[i].isEmpty() && i == lines.size() - 1)
      break;
    const QList<QByteArray> parts = lines[i].split(' ');
    bool number = false;
    const qint64 first = parts.value(1).toLongLong(&number);
    const QByteArray links = QByteArray::fromHex(parts.value(2));
    if (parts.size() != 3 || parts[0] != "r" || !number || first <= 0 ||
        first >= certificates_.size() || links.toHex() != parts[2] || links.isEmpty() ||
        links.size() % kRunLinkBytes != 0)
      return damaged(
          QCoreApplication::translate("Journal", "line %1 is not a run's links").arg(i + 1));
    for (qint64 epoch = first; epoch < certificates_.size(); ++epoch)
      certificates_[epoch].runLinks = links;
  }
  certified_.assign(size_t(certificates_.size()), -1);
  path_ = path;
  return true;
}

bool SigningKeys::isCertified(qint64 epoch) const {
  if (epoch < 0 || epoch >= certificates_.size())
    return false;
  signed char &known = certified_[size_t(epoch)];
  if (known < 0)
    known = certificates_[epoch].certifiedBy(verificationKey_) ? 1 : 0;
  return known == 1;
}

qint64 SigningKeys::epochAt(qint64 seconds) const {
  if (certificates_.isEmpty() || seconds < certificates_.first().starts)
    return -1;
  const qint64 length = certificates_.first().ends - certificates_.first().starts;
  return qMin<qint64>((seconds - certificates_.first().starts) / length, certificates_.size());
}

bool SigningKeys::hasSecret(qint64 epoch) const {
  return epoch >= 0 && epoch < secrets_.size() && !secrets_[epoch].isEmpty();
}

qint64 SigningKeys::firstKeptEpoch() const {
  for (qint64 epoch = 0; epoch < secrets_.size(); ++epoch) {
    if (!secrets_[epoch].isEmpty())
      return epoch;
  }
  return secrets_.size();
}

QByteArray SigningKeys::sign(qint64 epoch, const QByteArray &message) const {
  if (!hasSecret(epoch) || !isCertified(epoch))
    return QByteArray();
  if (signerEpoch_ != epoch) {
    signer_ = std::make_shared<seals::Signer>(secrets_[epoch]);
    signerEpoch_ = epoch;
  }
  return signer_->sign(message);
}

bool SigningKeys::erasePast(qint64 epoch, qint64 *erased, Failure *failure) {
  *erased = 0;
  epoch = qMin<qint64>(epoch, secrets_.size());
  qint64 first = -1;
  for (qint64 e = 0; e < epoch; ++e) {
    if (!secrets_[e].isEmpty()) {
      first = first < 0 ? e : first;
      ++*erased;
    }
  }
  if (*erased == 0)
    return true;
  const int fd = faults::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CLOEXEC, 0);
  bool ok = fd >= 0;
  for (qint64 e = first; ok && e < epoch; ++e) {
    if (secrets_[e].isEmpty())
      continue;
    const QByteArray line = epochLine(certificates_[e], QByteArray());
    ok = faults::pwrite(fd, line.constData(), size_t(line.size()), headerBytes_ + e * lineBytes_) ==
         line.size();
  }
  ok = ok && faults::fdatasync(fd) == 0;
  if (!ok)
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "cannot erase past signing keys in %1: %2")
                    .arg(path_, QString::fromLocal8Bit(std::strerror(errno))));
  if (fd >= 0)
    ::close(fd);
  // Cleared in memory whatever the file took: a past epoch is never signed in.
  for (qint64 e = 0; e < epoch; ++e)
    seals::erase(&secrets_[e]);
  if (signerEpoch_ < epoch) {
    signer_.reset();
    signerEpoch_ = -1;
  }
  return ok;
}

bool SigningKeys::runEndsWithin(qint64 now, qint64 seconds) const {
  return loaded() && hasSecret(epochs() - 1) && certificate(epochs() - 1).ends - now <= seconds;
}

bool SigningKeys::write(Failure *failure) {
  QByteArray text = kSigningTag + '\n' + "station " + encodedStation(verificationKey_.station) +
                    '\n' + "root " + verificationKey_.root.toHex() + '\n';
  for (qint64 epoch = 0; epoch < epochs(); ++epoch)
    text += epochLine(certificates_[epoch], secrets_[epoch]);
  for (qint64 epoch = 1; epoch < epochs(); ++epoch) {
    if (certificates_[epoch].runLinks != certificates_[epoch - 1].runLinks)
      text += "r " + QByteArray::number(epoch) + ' ' + certificates_[epoch].runLinks.toHex() + '\n';
  }
  const bool written = writeWhole(path_, text, 0600, failure);
  std::memset(text.data(), 0, size_t(text.size()));
  return written;
}

bool SigningKeys::extend(Failure *failure) {
  const qint64 last = epochs() - 1;
  const QString station = verificationKey_.station;
  if (!hasSecret(last) || !isCertified(last)) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate(
                           "Journal",
                           "the signing keys %1 cannot certify a next run: the secret of their "
                           "last epoch %2 is gone")
                           .arg(path_)
                           .arg(last));
    return false;
  }
  seals::KeyPair root;
  if (!seals::generate(&root)) {
    *failure = Failure(
        Failure::Kind::Io,
        QCoreApplication::translate("Journal", "cannot make a signing key: no random source"));
    return false;
  }
  RunLink link;
  link.firstEpoch = epochs();
  link.root = root.publicKey;
  link.signer = certificate(last);
  link.signer.runLinks.clear();
  link.signature = sign(last, RunLink::linkBytes(station, link.firstEpoch, link.root));
  const QByteArray links = certificate(last).runLinks + link.bytes();
  const qint64 length = certificate(last).ends - certificate(last).starts;
  const qsizetype before = certificates_.size();
  bool made = !link.signature.isEmpty();
  for (int n = 0; made && n < kEpochsInARun; ++n) {
    seals::KeyPair pair;
    made = seals::generate(&pair);
    EpochCertificate next;
    next.epoch = link.firstEpoch + n;
    next.starts = certificate(last).ends + n * length;
    next.ends = next.starts + length;
    next.publicKey = pair.publicKey;
    next.signature = seals::sign(root.secretKey, next.signedBytes(station));
    next.runLinks = links;
    certificates_ << next;
    secrets_ << pair.secretKey;
    seals::erase(&pair.secretKey);
  }
  seals::erase(&root.secretKey);
  certified_.resize(size_t(certificates_.size()), -1);
  if (made && write(failure))
    return true;
  if (!made)
    *failure = Failure(
        Failure::Kind::Io,
        QCoreApplication::translate("Journal", "cannot make a signing key: no random source"));
  // Nothing of the next run stays: the file is as it was.
  for (qsizetype e = before; e < secrets_.size(); ++e)
    seals::erase(&secrets_[e]);
  certificates_.resize(before);
  secrets_.resize(before);
  certified_.resize(size_t(before));
  return false;
}

qint64 runEndWarningSeconds(qint64 epochSeconds) {
  return qMin<qint64>(30 * 86400, epochSeconds * kEpochsInARun / 8);
}

QString clockJump(const SigningKeys &keys, qint64 from, qint64 to) {
  if (!keys.loaded() || from < 0 || to - from <= kEpochsErasedUnasked)
    return QString();
  const qint64 lastUse = keys.certificate(qMin(from, keys.epochs() - 1)).ends;
  return QCoreApplication::translate(
             "Journal",
             "the station's clock is %1 epochs ahead of the signing keys' last use "
             "(epoch %2, until %3): if the clock is right, a person confirms it with "
             "weighstation-records confirm-clock and starts the monitor again; if "
             "not, set the clock right")
      .arg(to - from)
      .arg(from)
      .arg(QDateTime::fromSecsSinceEpoch(lastUse, Qt::UTC).toString(Qt::ISODate));
}

StartWarnings erasePastEpochsAtStart(const QString &signingPath, qint64 now) {
  StartWarnings warnings;
  if (!QFileInfo::exists(signingPath))
    return warnings;
  SigningKeys keys;
  Failure why;
  qint64 erased = 0;
  if (!keys.load(signingPath, &why)) {
    qCWarning(journalLog, "signing keys: %s", qPrintable(why.text()));
    return warnings;
  }
  const qint64 ends = keys.certificate(keys.epochs() - 1).ends;
  const qint64 length = keys.certificate(0).ends - keys.certificate(0).starts;
  // A run whose last secret is kept is continued by the next record's
  // writer; one whose last secret is gone cannot be.
  if (now < ends && ends - now <= runEndWarningSeconds(length) &&
      !keys.hasSecret(keys.epochs() - 1))
    warnings.runEnding =
        QCoreApplication::translate("Journal",
                                    "the signing keys end on %1: retire the journal with "
                                    "weighstation-records new-journal before then")
            .arg(QDateTime::fromSecsSinceEpoch(ends, Qt::UTC).toString(Qt::ISODate));
  warnings.clockJumped = clockJump(keys, keys.firstKeptEpoch(), keys.epochAt(now));
  if (!warnings.clockJumped.isEmpty()) {
    qCWarning(journalLog, "signing keys: %s", qPrintable(warnings.clockJumped));
    return warnings;
  }
  if (!keys.erasePast(keys.epochAt(now), &erased, &why))
    qCWarning(journalLog, "signing keys: %s", qPrintable(why.text()));
  else if (erased > 0)
    qCInfo(journalLog, "signing keys: erased the secrets of %lld past epochs in %s",
           static_cast<long long>(erased), qPrintable(signingPath));
  return warnings;
}

}  // namespace signingkeys
