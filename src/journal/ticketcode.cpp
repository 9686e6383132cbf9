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
const QString kTransactionTag = QStringLiteral("WS3");
constexpr int kFields = 12;  // and a 13th, the links of a later run of epoch keys

QString encoded(const QString &text) {
  return QString::fromLatin1(QUrl::toPercentEncoding(text, " "));
}

// The epoch key's fields of a code: its start, end, key, certificate and
// (a later run's) links.
QStringList keyFields(const signingkeys::EpochCertificate &key) {
  QStringList fields{QString::number(key.epoch), QString::number(key.starts),
                     QString::number(key.ends),
                     QString::fromLatin1(seals::toBase64Url(key.publicKey)),
                     QString::fromLatin1(seals::toBase64Url(key.signature))};
  return fields;
}

// The epoch key read back from `fields` at `at` (epoch, start, end, key,
// certificate); false when one is not what a ticket holds.
bool readKey(const QStringList &fields, int at, const QString &links,
             signingkeys::EpochCertificate *certificate) {
  bool epochOk = false, startsOk = false, endsOk = false;
  certificate->epoch = fields.value(at).toLongLong(&epochOk);
  certificate->starts = fields.value(at + 1).toLongLong(&startsOk);
  certificate->ends = fields.value(at + 2).toLongLong(&endsOk);
  certificate->publicKey =
      seals::fromBase64Url(fields.value(at + 3).toLatin1(), seals::kPublicKeyBytes);
  certificate->signature =
      seals::fromBase64Url(fields.value(at + 4).toLatin1(), seals::kSignatureBytes);
  certificate->runLinks = seals::fromBase64Url(links.toLatin1(), int(links.size() * 3 / 4));
  const bool linksOk =
      links.isEmpty() || (!certificate->runLinks.isEmpty() &&
                          certificate->runLinks.size() % signingkeys::kRunLinkBytes == 0);
  return epochOk && startsOk && endsOk && linksOk && !certificate->publicKey.isEmpty() &&
         !certificate->signature.isEmpty();
}

QString notWhatATicketHolds() {
  return QCoreApplication::translate(
      "Journal", "a part of the code is not what a ticket holds (cut, or a changed character?)");
}

// Whether `certificate` may have signed at `time`: certified by `key`, the
// time within its epoch; the reason when not.
QString keyProblem(const signingkeys::EpochCertificate &certificate, qint64 time,
                   const signingkeys::VerificationKey &key) {
  if (!certificate.certifiedBy(key))
    return QCoreApplication::translate("Journal",
                                       "its epoch key is not certified by the verification key %1 "
                                       "(station %2): another station's ticket, or changed")
        .arg(key.fingerprint(), key.station);
  if (!chaincheck::datedWithin(certificate, time))
    return QCoreApplication::translate("Journal", "it is dated outside the epoch that sealed it");
  return QString();
}

Checked checkTransaction(const QStringList &fields, const signingkeys::VerificationKey &key) {
  Checked checked;
  checked.isTransaction = true;
  const std::vector<transactions::Column> &columns = transactions::columns();
  const int count = int(columns.size()) + 7;
  if (fields.size() != count + 1 && fields.size() != count + 2) {
    checked.why = QCoreApplication::translate(
                      "Journal", "the code is cut or has extra parts (%1 of %2 fields)")
                      .arg(fields.size())
                      .arg(count + 1);
    return checked;
  }
  Transaction &entry = checked.transaction;
  for (size_t i = 0; i < columns.size(); ++i) {
    const QString value = QUrl::fromPercentEncoding(fields[int(i) + 1].toLatin1());
    columns[i].set(entry, value.isEmpty() ? QVariant() : QVariant(value));
  }
  const int at = int(columns.size()) + 1;
  signingkeys::EpochCertificate certificate;
  recordseal::Seal seal;
  seal.hash = seals::fromBase64Url(fields[at + 5].toLatin1(), seals::kHashBytes);
  seal.signature = seals::fromBase64Url(fields[at + 6].toLatin1(), seals::kSignatureBytes);
  qint64 time = 0;
  if (!readKey(fields, at, fields.value(count + 1), &certificate) || seal.hash.isEmpty() ||
      seal.signature.isEmpty() || !recordseal::secondsOf(entry.takenAt, &time)) {
    checked.why = notWhatATicketHolds();
    return checked;
  }
  checked.station = entry.station;
  checked.seq = entry.seq;
  checked.takenAt = entry.takenAt;
  checked.why = keyProblem(certificate, time, key);
  if (!checked.why.isEmpty())
    return checked;
  if (!chaincheck::signedBy(certificate,
                            transactions::message(transactions::contentHash(entry), seal.hash),
                            seal.signature)) {
    checked.why = QCoreApplication::translate(
        "Journal", "its signature does not match what it says (a changed digit?)");
    return checked;
  }
  checked.genuine = true;
  return checked;
}
}  // namespace

namespace {
// A code of `fields` sealed by `mac` under its epoch's key among
// `epochKeys`: the fields, the key's, the seal's hash and signature.
QString codeOf(QStringList fields, const QString &mac,
               const QList<signingkeys::EpochCertificate> &epochKeys) {
  recordseal::Seal seal;
  if (!recordseal::parse(mac, &seal))
    return QString();
  for (const signingkeys::EpochCertificate &key : epochKeys) {
    if (key.epoch != seal.epoch)
      continue;
    fields << keyFields(key) << QString::fromLatin1(seals::toBase64Url(seal.hash))
           << QString::fromLatin1(seals::toBase64Url(seal.signature));
    if (!key.runLinks.isEmpty())
      fields << QString::fromLatin1(seals::toBase64Url(key.runLinks));
    return fields.join(u'|');
  }
  return QString();
}
}  // namespace

QString ofTransaction(const Transaction &entry,
                      const QList<signingkeys::EpochCertificate> &epochKeys) {
  QStringList fields{kTransactionTag};
  for (const transactions::Column &column : transactions::columns())
    fields << encoded(column.get(entry).toString());
  return codeOf(fields, entry.mac, epochKeys);
}

QString of(const JournalRecord &record, const QList<signingkeys::EpochCertificate> &epochKeys) {
  return codeOf({kTag, encoded(record.station), QString::number(record.seq), record.takenAt,
                 encoded(recordseal::totalShown(record))},
                record.mac, epochKeys);
}

Checked check(const QString &code, const signingkeys::VerificationKey &key) {
  Checked checked;
  const QStringList fields = code.trimmed().split(u'|');
  if (fields.value(0) == kTransactionTag)
    return checkTransaction(fields, key);
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
  bool seqOk = false;
  checked.seq = fields[2].toLongLong(&seqOk);
  signingkeys::EpochCertificate certificate;
  const QByteArray hash = seals::fromBase64Url(fields[10].toLatin1(), seals::kHashBytes);
  const QByteArray signature = seals::fromBase64Url(fields[11].toLatin1(), seals::kSignatureBytes);
  qint64 time = 0;
  if (!seqOk || !readKey(fields, 5, fields.value(kFields), &certificate) || hash.isEmpty() ||
      signature.isEmpty() || !recordseal::secondsOf(checked.takenAt, &time)) {
    checked.why = notWhatATicketHolds();
    return checked;
  }
  checked.why = keyProblem(certificate, time, key);
  if (!checked.why.isEmpty())
    return checked;
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
  if (checked.isTransaction) {
    const Transaction &entry = checked.transaction;
    return QCoreApplication::translate(
               "Journal",
               "ticket genuine: station %1, transaction %2 (%3), %4, vehicle %5, records %6, "
               "gross %7 tare %8 net %9")
        .arg(entry.station)
        .arg(entry.seq)
        .arg(entry.kind, local, entry.vehicle.isEmpty() ? QStringLiteral("-") : entry.vehicle,
             entry.secondRecord > 0
                 ? QStringLiteral("%1, %2").arg(entry.firstRecord).arg(entry.secondRecord)
                 : QString::number(entry.firstRecord),
             entry.gross.isEmpty() ? QStringLiteral("-") : entry.gross + u' ' + entry.unit,
             entry.tare.isEmpty() ? QStringLiteral("-") : entry.tare + u' ' + entry.unit,
             entry.net.isEmpty() ? QStringLiteral("-") : entry.net + u' ' + entry.unit);
  }
  return QCoreApplication::translate("Journal", "ticket genuine: station %1, seq %2, %3, %4")
      .arg(checked.station)
      .arg(checked.seq)
      .arg(local, checked.totalShown);
}

}  // namespace ticketcode
