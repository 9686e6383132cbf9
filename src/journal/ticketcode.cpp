#include "journal/ticketcode.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUrl>

#include "journal/chaincheck.h"
#include "journal/recordseal.h"
#include "journal/seals.h"

namespace ticketcode {
namespace {
const QString kTag = QStringLiteral("WS2");
constexpr int kFields = 12;  // and a 13th, the links of a later run of epoch keys

QString encoded(const QString &text) {
  return QString::fromLatin1(QUrl::toPercentEncoding(text, " "));
}
}  // namespace

QString of(const JournalRecord &record, const QList<signingkeys::EpochCertificate> &epochKeys) {
  recordseal::Seal seal;
  if (!recordseal::parse(record.mac, &seal))
    return QString();
  for (const signingkeys::EpochCertificate &key : epochKeys) {
    if (key.epoch != seal.epoch)
      continue;
    QStringList fields{kTag,
                       encoded(record.station),
                       QString::number(record.seq),
                       record.takenAt,
                       encoded(recordseal::totalShown(record)),
                       QString::number(key.epoch),
                       QString::number(key.starts),
                       QString::number(key.ends),
                       QString::fromLatin1(seals::toBase64Url(key.publicKey)),
                       QString::fromLatin1(seals::toBase64Url(key.signature)),
                       QString::fromLatin1(seals::toBase64Url(seal.hash)),
                       QString::fromLatin1(seals::toBase64Url(seal.signature))};
    if (!key.runLinks.isEmpty())
      fields << QString::fromLatin1(seals::toBase64Url(key.runLinks));
    return fields.join(u'|');
  }
  return QString();
}

Checked check(const QString &code, const signingkeys::VerificationKey &key) {
  Checked checked;
  const QStringList fields = code.trimmed().split(u'|');
  if (fields.value(0) != kTag) {
    checked.why =
        QCoreApplication::translate("Journal", "not a weighstation ticket code of format 2");
    return checked;
  }
  if (fields.size() != kFields && fields.size() != kFields + 1) {
    checked.why = QCoreApplication::translate(
                      "Journal", "the code is cut or has extra parts (%1 of %2 fields)")
                      .arg(fields.size())
                      .arg(kFields);
    return checked;
  }
  checked.station = QUrl::fromPercentEncoding(fields[1].toLatin1());
  checked.takenAt = fields[3];
  checked.totalShown = QUrl::fromPercentEncoding(fields[4].toLatin1());
  bool seqOk = false, epochOk = false, startsOk = false, endsOk = false;
  checked.seq = fields[2].toLongLong(&seqOk);
  signingkeys::EpochCertificate certificate;
  certificate.epoch = fields[5].toLongLong(&epochOk);
  certificate.starts = fields[6].toLongLong(&startsOk);
  certificate.ends = fields[7].toLongLong(&endsOk);
  certificate.publicKey = seals::fromBase64Url(fields[8].toLatin1(), seals::kPublicKeyBytes);
  certificate.signature = seals::fromBase64Url(fields[9].toLatin1(), seals::kSignatureBytes);
  const QByteArray links = fields.value(kFields).toLatin1();
  certificate.runLinks = seals::fromBase64Url(links, int(links.size() * 3 / 4));
  const bool linksOk =
      fields.size() == kFields || (!certificate.runLinks.isEmpty() &&
                                   certificate.runLinks.size() % signingkeys::kRunLinkBytes == 0);
  const QByteArray hash = seals::fromBase64Url(fields[10].toLatin1(), seals::kHashBytes);
  const QByteArray signature = seals::fromBase64Url(fields[11].toLatin1(), seals::kSignatureBytes);
  qint64 time = 0;
  if (!seqOk || !epochOk || !startsOk || !endsOk || !linksOk || certificate.publicKey.isEmpty() ||
      certificate.signature.isEmpty() || hash.isEmpty() || signature.isEmpty() ||
      !recordseal::secondsOf(checked.takenAt, &time)) {
    checked.why = QCoreApplication::translate(
        "Journal",
        "a part of the code is not what a ticket holds (cut, or a changed "
        "character?)");
    return checked;
  }
  if (!certificate.certifiedBy(key)) {
    checked.why =
        QCoreApplication::translate("Journal",
                                    "its epoch key is not certified by the verification key %1 "
                                    "(station %2): another station's ticket, or changed")
            .arg(key.fingerprint(), key.station);
    return checked;
  }
  if (!chaincheck::datedWithin(certificate, time)) {
    checked.why =
        QCoreApplication::translate("Journal", "it is dated outside the epoch that sealed it");
    return checked;
  }
  if (!chaincheck::signedBy(certificate,
                            recordseal::recordMessage(checked.station, checked.seq, checked.takenAt,
                                                      checked.totalShown, hash),
                            signature)) {
    checked.why = QCoreApplication::translate(
        "Journal", "its signature does not match what it says (a changed digit?)");
    return checked;
  }
  checked.genuine = true;
  return checked;
}

QString line(const Checked &checked) {
  if (!checked.genuine)
    return QCoreApplication::translate("Journal", "ticket NOT genuine: %1").arg(checked.why);
  const QString local = QDateTime::fromString(checked.takenAt, Qt::ISODateWithMs)
                            .toLocalTime()
                            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  return QCoreApplication::translate("Journal", "ticket genuine: station %1, seq %2, %3, %4")
      .arg(checked.station)
      .arg(checked.seq)
      .arg(local, checked.totalShown);
}

}  // namespace ticketcode
