#include "journal/recordseal.h"

#include <QDateTime>

#include "journal/seals.h"
#include "journal/shownvalue.h"

namespace recordseal {

bool isPublic(const QString &mac) {
  return mac.startsWith(QLatin1String("2."));
}

bool parse(const QString &mac, Seal *seal) {
  const QStringList parts = mac.split(u'.');
  if (parts.size() != 4 || parts[0] != QLatin1String("2"))
    return false;
  bool number = false;
  seal->epoch = parts[1].toLongLong(&number);
  seal->hash = QByteArray::fromHex(parts[2].toLatin1());
  seal->signature = QByteArray::fromHex(parts[3].toLatin1());
  return number && seal->epoch >= 0 && parts[1] == QString::number(seal->epoch) &&
         seal->hash.size() == seals::kHashBytes &&
         seal->signature.size() == seals::kSignatureBytes &&
         parts[2] == QLatin1String(seal->hash.toHex()) &&
         parts[3] == QLatin1String(seal->signature.toHex());
}

QString text(const Seal &seal) {
  return QStringLiteral("2.%1.%2.%3")
      .arg(seal.epoch)
      .arg(QLatin1String(seal.hash.toHex()), QLatin1String(seal.signature.toHex()));
}

QString totalShown(const JournalRecord &record) {
  return QStringLiteral("%1 %2 %3")
      .arg(shown::total(record).text(), record.totalUnit, record.netGross);
}

QByteArray recordMessage(const QString &station, qint64 seq, const QString &takenAt,
                         const QString &totalShown, const QByteArray &hash) {
  return "weighstation record 2\n" + station.toUtf8() + '\n' + QByteArray::number(seq) + '\n' +
         takenAt.toUtf8() + '\n' + totalShown.toUtf8() + '\n' + hash.toHex() + '\n';
}

QByteArray recordMessage(const JournalRecord &record, const QByteArray &hash) {
  return recordMessage(record.station, record.seq, record.takenAt, totalShown(record), hash);
}

QByteArray recordHash(const JournalRecord &record, const QString &previousMac) {
  return seals::sha256(journalcolumns::canonicalBytes(record, previousMac));
}

QByteArray noteHash(qint64 seq, bool written, const QString &failure, const QString &recordMac,
                    const QString &previousNoteMac) {
  return seals::sha256("previous note " + previousNoteMac.toLatin1() + '\n' +
                       journalcolumns::noteBytes(seq, written, failure, recordMac));
}

QByteArray noteMessage(const QByteArray &hash) {
  return "weighstation note 2\n" + hash.toHex() + '\n';
}

QByteArray headMessage(const journalfiles::Head &head) {
  return "weighstation head 2\n" + head.journalId.toLatin1() + '\n' + QByteArray::number(head.seq) +
         '\n' + head.mac.toLatin1() + '\n';
}

QString sealRecord(const signingkeys::SigningKeys &keys, qint64 epoch, const JournalRecord &record,
                   const QString &previousMac) {
  Seal seal;
  seal.epoch = epoch;
  seal.hash = recordHash(record, previousMac);
  seal.signature = keys.sign(epoch, recordMessage(record, seal.hash));
  return seal.signature.isEmpty() ? QString() : text(seal);
}

bool secondsOf(const QString &takenAt, qint64 *seconds) {
  const QDateTime time = QDateTime::fromString(takenAt, Qt::ISODateWithMs);
  if (!time.isValid())
    return false;
  *seconds = time.toSecsSinceEpoch();
  return true;
}

}  // namespace recordseal
