#include "publishing/livepayloads.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "journal/shown.h"

namespace livepayloads {
namespace {
QString utc(const QDateTime &at) {
  return at.toUTC().toString(Qt::ISODateWithMs);
}

QJsonValue number(const ShownValue &value) {
  // A whole number stays a JSON integer; a decimal one the shortest text
  // of the value shown.
  if (value.decimals == 0)
    return QJsonValue(value.units);
  return QJsonValue(value.value());
}

QJsonObject shownObject(const ShownValue &value) {
  return {{QStringLiteral("value"), number(value)},
          {QStringLiteral("text"), value.text()},
          {QStringLiteral("decimals"), value.decimals}};
}

int decimalsOfPointCode(int pointCode) {
  return pointCode == 1 ? 3 : pointCode == 2 ? 2 : pointCode == 3 ? 1 : 0;
}
}  // namespace

LiveReading scaleReading(bool connected, const QString &sign, const std::array<int, 7> &digits,
                         int pointCode, const QString &unit, const QString &mode) {
  LiveReading reading;
  reading.connected = connected;
  reading.sign = sign;
  reading.decimals = decimalsOfPointCode(pointCode);
  qint64 units = 0;
  for (size_t k = 0; k < digits.size(); ++k) {
    reading.digits += QChar(u'0' + digits[k]);
    if (k > 0 || reading.decimals == 0)
      units = units * 10 + digits[k];
  }
  reading.units = sign == QLatin1String("-") ? -units : units;
  reading.unit = unit;
  reading.mode = mode;
  return reading;
}

LiveReading totalReading(const QString &sign, const std::array<int, 8> &digits, int decimals,
                         const QString &unit, const QString &mode) {
  LiveReading reading;
  reading.connected = true;
  reading.sign = sign;
  reading.decimals = decimals;
  qint64 units = 0;
  for (const int digit : digits) {
    reading.digits += QChar(u'0' + digit);
    units = units * 10 + digit;
  }
  reading.units = sign == QLatin1String("-") ? -units : units;
  reading.unit = unit;
  reading.mode = mode;
  return reading;
}

QByteArray reading(const LiveReading &reading, const QDateTime &at) {
  const ShownValue value{reading.units, reading.decimals};
  const QJsonObject object{
      {QStringLiteral("connected"), reading.connected}, {QStringLiteral("sign"), reading.sign},
      {QStringLiteral("digits"), reading.digits},       {QStringLiteral("value"), number(value)},
      {QStringLiteral("decimals"), reading.decimals},   {QStringLiteral("unit"), reading.unit},
      {QStringLiteral("mode"), reading.mode},           {QStringLiteral("at"), utc(at)}};
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray record(const JournalRecord &record, const QString &journalId) {
  QJsonObject total = shownObject(shown::total(record));
  total.insert(QStringLiteral("sign"), record.totalSign);
  total.insert(QStringLiteral("unit"), record.totalUnit);
  total.insert(QStringLiteral("mode"), record.netGross);
  QJsonArray scales;
  for (int n = 0; n < JournalRecord::kScales; ++n) {
    const JournalScale &scale = record.scales[size_t(n)];
    if (!scale.connected)
      continue;
    scales.append(QJsonObject{
        {QStringLiteral("scale"), n + 1},
        {QStringLiteral("unit"), scale.unit == 0 ? QStringLiteral("kg") : QStringLiteral("lbs")},
        {QStringLiteral("gross"), shownObject(shown::gross(record, n))},
        {QStringLiteral("tare"), shownObject(shown::tare(record, n))},
        {QStringLiteral("net"), shownObject(shown::net(record, n))}});
  }
  const QJsonObject object{
      {QStringLiteral("station"), record.station},
      {QStringLiteral("seq"), record.seq},
      {QStringLiteral("taken_at"), record.takenAt},
      {QStringLiteral("total"), total},
      {QStringLiteral("scales"), scales},
      {QStringLiteral("limits"), QJsonObject{{QStringLiteral("over"), record.overLimit},
                                             {QStringLiteral("under"), record.underLimit}}},
      {QStringLiteral("journal_id"), journalId},
      {QStringLiteral("mac"), record.mac}};
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray transaction(const Transaction &entry, const QString &journalId) {
  QJsonObject object;
  for (const transactions::Column &column : transactions::columns()) {
    const QVariant value = column.get(entry);
    ShownValue weight;
    if (value.isNull())
      object.insert(column.name, QJsonValue::Null);
    else if (column.integer)
      object.insert(column.name, value.toLongLong());
    else if ((column.name == QLatin1String("gross") || column.name == QLatin1String("tare") ||
              column.name == QLatin1String("net")) &&
             transactions::shownOf(value.toString(), &weight))
      object.insert(column.name, shownObject(weight));
    else
      object.insert(column.name, value.toString());
  }
  object.insert(QStringLiteral("journal_id"), journalId);
  object.insert(QStringLiteral("mac"), entry.mac);
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray status(bool online, const QDateTime &since) {
  QJsonObject object{
      {QStringLiteral("state"), online ? QStringLiteral("online") : QStringLiteral("offline")}};
  if (online) {
    object.insert(QStringLiteral("program"), QStringLiteral("weighstation"));
    object.insert(QStringLiteral("version"), QStringLiteral(WEIGHSTATION_VERSION));
    object.insert(QStringLiteral("since"), utc(since));
  }
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace livepayloads
