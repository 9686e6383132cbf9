#include "journal/recordseal.h"

#include <QDateTime>

#include "journal/seals.h"
#include "journal/shownvalue.h"

namespace recordseal {

bool isPublic(const QString &mac) {
  return mac.startsWith(QLatin1String("2."));
}

namespace {
// Lower-case hex of exactly `digits` digits: the only spelling a seal has.
bool isLowerHex(QStringView text, qsizetype digits) {
  if (text.size() != digits)
    return false;
  for (const QChar c : text) {
    if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
      return false;
  }
  return true;
}
}  // namespace

bool parse(const QString &mac, Seal *seal) {
  const QStringView view(mac);
  if (!view.startsWith(u"2."))
    return false;
  const qsizetype epochEnd = view.indexOf(u'.', 2);
  if (epochEnd < 0)
    return false;
  const qsizetype hashEnd = epochEnd + 1 + 2 * seals::kHashBytes;
  const QStringView epoch = view.mid(2, epochEnd - 2);
  bool number = false;
  seal->epoch = epoch.toLongLong(&number);
  if (!number || seal->epoch < 0 || epoch != QString::number(seal->epoch) ||
      view.size() != hashEnd + 1 + 2 * seals::kSignatureBytes || view[hashEnd] != u'.' ||
      !isLowerHex(view.mid(epochEnd + 1, 2 * seals::kHashBytes), 2 * seals::kHashBytes) ||
      !isLowerHex(view.mid(hashEnd + 1), 2 * seals::kSignatureBytes))
    return false;
  seal->hash = QByteArray::fromHex(view.mid(epochEnd + 1, 2 * seals::kHashBytes).toLatin1());
  seal->signature = QByteArray::fromHex(view.mid(hashEnd + 1).toLatin1());
  return true;
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
