#include "journal/recordseal.h"

#include <QDateTime>
#include <array>

#include "journal/seals.h"
#include "journal/shown.h"

namespace recordseal {

bool isPublic(const QString &mac) {
  return mac.startsWith(QLatin1String("2."));
}

namespace {
int lowerHexDigit(QChar c) {
  // A table, as every seal of a long journal is read through here.
  static constexpr auto kDigits = [] {
    std::array<signed char, 128> digits{};
    for (int i = 0; i < 128; ++i)
      digits[size_t(i)] = i >= '0' && i <= '9' ? i - '0' : i >= 'a' && i <= 'f' ? i - 'a' + 10 : -1;
    return digits;
  }();
  return c.unicode() < 128 ? kDigits[c.unicode()] : -1;
}

// Lower-case hex of exactly `size` bytes, the only spelling a seal has.
bool lowerHexBytes(QStringView text, qsizetype size, QByteArray *bytes) {
  if (text.size() != 2 * size)
    return false;
  QByteArray decoded(size, Qt::Uninitialized);
  char *out = decoded.data();
  const QChar *digits = text.data();
  for (qsizetype i = 0; i < size; ++i) {
    const int high = lowerHexDigit(digits[2 * i]);
    const int low = lowerHexDigit(digits[2 * i + 1]);
    if (high < 0 || low < 0)
      return false;
    out[i] = char(high << 4 | low);
  }
  *bytes = decoded;
  return true;
}

// A whole number as written by QString::number: digits, no leading zero.
bool isPlainNumber(QStringView text) {
  if (text.isEmpty() || (text.size() > 1 && text[0] == u'0'))
    return false;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9')
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
  return number && isPlainNumber(epoch) &&
         view.size() == hashEnd + 1 + 2 * seals::kSignatureBytes && view[hashEnd] == u'.' &&
         lowerHexBytes(view.mid(epochEnd + 1, 2 * seals::kHashBytes), seals::kHashBytes,
                       &seal->hash) &&
         lowerHexBytes(view.mid(hashEnd + 1), seals::kSignatureBytes, &seal->signature);
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
  const QByteArray witnessed = head.journalId.toLatin1() + '\n' + QByteArray::number(head.seq) +
                               '\n' + head.mac.toLatin1() + '\n';
  if (head.transactionSeq > 0)
    return "weighstation head 4\n" + witnessed + QByteArray::number(head.noteSeq) + '\n' +
           head.noteMac.toLatin1() + '\n' + QByteArray::number(head.transactionSeq) + '\n' +
           head.transactionMac.toLatin1() + '\n';
  if (head.noteSeq == 0)
    return "weighstation head 2\n" + witnessed;
  return "weighstation head 3\n" + witnessed + QByteArray::number(head.noteSeq) + '\n' +
         head.noteMac.toLatin1() + '\n';
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
  // The journal's own spelling, "2026-12-07T10:01:00.000Z", is read here
  // (a verify reads a million); anything else, and any date this does not
  // take, as QDateTime reads it.
  static constexpr char kShape[] = "0000-00-00T00:00:00.000Z";
  bool shaped = takenAt.size() == 24;
  for (int i = 0; shaped && i < 24; ++i) {
    shaped = kShape[i] == '0' ? takenAt[i] >= u'0' && takenAt[i] <= u'9'
                              : takenAt[i] == QLatin1Char(kShape[i]);
  }
  if (shaped) {
    auto at = [&takenAt](int from, int digits) {
      int value = 0;
      for (int i = from; i < from + digits; ++i)
        value = value * 10 + (takenAt[i].unicode() - u'0');
      return value;
    };
    const int year = at(0, 4), month = at(5, 2), day = at(8, 2);
    const int hour = at(11, 2), minute = at(14, 2), second = at(17, 2);
    if (QDate::isValid(year, month, day) && hour < 24 && minute < 60 && second < 60) {
      constexpr qint64 kJulianDayOf1970 = 2440588;
      *seconds = (QDate(year, month, day).toJulianDay() - kJulianDayOf1970) * 86400 + hour * 3600 +
                 minute * 60 + second;
      return true;
    }
  }
  const QDateTime time = QDateTime::fromString(takenAt, Qt::ISODateWithMs);
  if (!time.isValid())
    return false;
  *seconds = time.toSecsSinceEpoch();
  return true;
}

}  // namespace recordseal
