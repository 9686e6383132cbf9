#include "failure/failure.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>

namespace failures {

Failure::Kind ofSqlState(const QString &sqlState, Failure::Kind fallback) {
  const QString sqlClass = sqlState.left(2);
  // A timeout, a lock not granted, a deadlock or a serialization failure
  // passes like an outage: the same statement may well succeed later.
  static const QStringList kPassing{QStringLiteral("40001"), QStringLiteral("40P01"),
                                    QStringLiteral("40003"), QStringLiteral("55P03")};
  if (sqlClass == QLatin1String("08") || sqlClass == QLatin1String("53") ||
      sqlClass == QLatin1String("57") || sqlClass == QLatin1String("58") ||
      kPassing.contains(sqlState))
    return Failure::Kind::Unreachable;
  if (sqlClass == QLatin1String("28") || sqlClass == QLatin1String("23") ||
      sqlClass == QLatin1String("42") || sqlClass == QLatin1String("22"))
    return Failure::Kind::Refused;
  if (sqlClass == QLatin1String("XX"))
    return Failure::Kind::Corrupt;
  return fallback;
}

}  // namespace failures

namespace {

// SQLite's primary result codes (the low byte of an extended one).
Failure::Kind ofSqliteCode(int code, Failure::Kind fallback) {
  switch (code & 0xff) {
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
      return Failure::Kind::Corrupt;
    case 14:  // SQLITE_CANTOPEN
      return Failure::Kind::CannotOpen;
    case 3:   // SQLITE_PERM
    case 8:   // SQLITE_READONLY
    case 23:  // SQLITE_AUTH
      return Failure::Kind::Refused;
    case 10:  // SQLITE_IOERR
    case 13:  // SQLITE_FULL
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
      return Failure::Kind::Io;
    default:
      return fallback;
  }
}

}  // namespace

Failure Failure::ofSql(const QString &what, const QSqlError &error, Kind otherwise, qint64 seq) {
  const QString said = error.databaseText().isEmpty() ? error.text() : error.databaseText();
  const QString code = error.nativeErrorCode();
  Kind kind = otherwise;
  bool numeric = false;
  const int sqliteCode = code.toInt(&numeric);
  if (numeric && code.size() < 5)
    kind = ofSqliteCode(sqliteCode, otherwise);
  else if (code.size() == 5)
    kind = failures::ofSqlState(code, otherwise);
  return Failure(
      kind, said.trimmed().isEmpty() ? what : what + QStringLiteral(": ") + said.trimmed(), seq);
}

QString Failure::oneLine(const QString &text) {
  if (!text.contains(u'\n') && !text.contains(u'\r'))
    return text;
  QStringList lines;
  for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty())
      lines << trimmed;
  }
  return lines.join(QStringLiteral("; "));
}

QString Failure::text() const {
  if (seq_ <= 0)
    return reason_;
  static const QRegularExpression namesASeq(QStringLiteral("\\bseq \\d"));
  if (namesASeq.match(reason_).hasMatch())
    return reason_;
  return QCoreApplication::translate("Journal", "seq %1: %2").arg(seq_).arg(reason_);
}

Failure Failure::within(const QString &context) const {
  return Failure(kind_, context + QStringLiteral(": ") + reason_, seq_);
}
