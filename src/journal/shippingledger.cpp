#include "journal/shippingledger.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlQuery>

#include "journal/journal.h"
#include "journal/journaldb.h"

namespace {
QString nowText() {
  return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

// The failure of a statement, said once.
Failure failed(const QString &what, const QSqlQuery &query) {
  return Failure::ofSql(what, query.lastError());
}
}  // namespace

ShippingLedger::ShippingLedger(const QString &journalPath, const QString &target,
                               const QString &connectionName, Kind kind)
    : path_(journalPath),
      target_(target),
      connectionName_(connectionName),
      shipping_(tableOf(kind, false)),
      problems_(tableOf(kind, true)) {}

QString ShippingLedger::tableOf(Kind kind, bool problems) {
  const QString prefix = kind == Kind::Central ? QStringLiteral("central") : QStringLiteral("mqtt");
  return prefix + (problems ? QStringLiteral("_problems") : QStringLiteral("_shipping"));
}

ShippingLedger::~ShippingLedger() {
  close();
}

void ShippingLedger::close() {
  journaldb::close(&db_);
}

bool ShippingLedger::open(Failure *failure) {
  if (db_.isOpen())
    return true;
  // The monitor makes the journal with its first record; a file without
  // a journal's identity is not written to.
  if (QFileInfo(path_).size() == 0) {
    *failure =
        Failure(Failure::Kind::CannotOpen, QStringLiteral("no journal yet at %1").arg(path_));
    return false;
  }
  QString why;
  if (!journaldb::openForWriting(&db_, path_, connectionName_, &why)) {
    *failure = Failure(Failure::Kind::CannotOpen, why);
    close();
    return false;
  }
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = 'id'")) ||
      !query.next()) {
    *failure = query.lastError().isValid()
                   ? failed(QStringLiteral("no journal yet at %1").arg(path_), query)
                   : Failure(Failure::Kind::Corrupt,
                             QStringLiteral("the journal %1 has no id").arg(path_));
    close();
    return false;
  }
  journalId_ = query.value(0).toString();
  query.finish();
  if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (target TEXT PRIMARY "
                                 "KEY, acked_seq INTEGER NOT NULL, updated_at TEXT NOT NULL)")
                      .arg(shipping_)) ||
      !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (target TEXT NOT NULL, "
                                 "seq INTEGER NOT NULL, problem TEXT NOT NULL, at TEXT NOT NULL)")
                      .arg(problems_))) {
    *failure = failed(QStringLiteral("cannot use the journal %1").arg(path_), query);
    close();
    return false;
  }
  // An acknowledgement lost to a crash only makes the next batch be sent
  // again, which the target takes as already there.
  if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
    *failure = failed(QStringLiteral("cannot use the journal %1").arg(path_), query);
    close();
    return false;
  }
  return true;
}

qint64 ShippingLedger::acknowledged(Failure *failure) const {
  QSqlQuery query(db_);
  if (!query.prepare(QStringLiteral("SELECT acked_seq FROM %1 WHERE target = ?").arg(shipping_))) {
    *failure = failed(QStringLiteral("cannot read the shipping cursor"), query);
    return -1;
  }
  query.addBindValue(target_);
  if (!query.exec()) {
    *failure = failed(QStringLiteral("cannot read the shipping cursor"), query);
    return -1;
  }
  if (query.next())
    return query.value(0).toLongLong();
  if (query.lastError().isValid()) {
    *failure = failed(QStringLiteral("cannot read the shipping cursor"), query);
    return -1;
  }
  return 0;
}

qint64 ShippingLedger::newest(Failure *failure) const {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT coalesce(max(seq), 0) FROM records")) || !query.next()) {
    *failure = failed(QStringLiteral("cannot read the journal's end"), query);
    return -1;
  }
  return query.value(0).toLongLong();
}

bool ShippingLedger::recordsAfter(qint64 seq, int limit, QList<JournalRecord> *records,
                                  Failure *failure) const {
  records->clear();
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  const bool prepared =
      query.prepare(QStringLiteral("SELECT %1 FROM records WHERE seq > ? ORDER BY seq LIMIT ?")
                        .arg(journalschema::columnList()));
  query.addBindValue(seq);
  query.addBindValue(limit);
  if (!prepared || !query.exec()) {
    *failure = failed(QStringLiteral("cannot read the journal"), query);
    return false;
  }
  while (query.next())
    *records << journalschema::readRecord(query);
  if (query.lastError().isValid()) {
    *failure = failed(QStringLiteral("cannot read the journal"), query);
    return false;
  }
  return true;
}

bool ShippingLedger::epochKeys(qint64 after, QList<signingkeys::EpochCertificate> *keys,
                               QString *verificationKey, Failure *failure) const {
  keys->clear();
  verificationKey->clear();
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = "
                                 "'verification_key'"))) {
    *failure = failed(QStringLiteral("cannot read the journal's verification key"), query);
    return false;
  }
  if (query.next())
    *verificationKey = query.value(0).toString();
  if (verificationKey->isEmpty())
    return true;  // a journal of format 1
  const bool prepared = query.prepare(
      QStringLiteral("SELECT epoch, starts, ends, public_key, certificate FROM epoch_keys WHERE "
                     "epoch > ? ORDER BY epoch"));
  query.addBindValue(after);
  if (!prepared || !query.exec()) {
    *failure = failed(QStringLiteral("cannot read the journal's epoch keys"), query);
    return false;
  }
  while (query.next()) {
    const signingkeys::EpochCertificate key = signingkeys::EpochCertificate::ofRow(query);
    *keys << key;
  }
  if (query.lastError().isValid()) {
    *failure = failed(QStringLiteral("cannot read the journal's epoch keys"), query);
    return false;
  }
  return true;
}

QString ShippingLedger::takenAt(qint64 seq, Failure *failure) const {
  QSqlQuery query(db_);
  const bool prepared = query.prepare(QStringLiteral("SELECT taken_at FROM records WHERE seq = ?"));
  query.addBindValue(seq);
  if (!prepared || !query.exec() || !query.next()) {
    *failure = query.lastError().isValid()
                   ? failed(QStringLiteral("cannot read the journal"), query)
                   : Failure(Failure::Kind::Corrupt,
                             QStringLiteral("no record %1 in the journal").arg(seq), seq);
    return QString();
  }
  return query.value(0).toString();
}

bool ShippingLedger::acknowledge(qint64 seq, Failure *failure) {
  QSqlQuery query(db_);
  const bool prepared =
      query.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 VALUES (?, ?, ?)").arg(shipping_));
  query.addBindValue(target_);
  query.addBindValue(seq);
  query.addBindValue(nowText());
  if (!prepared || !query.exec()) {
    *failure = failed(QStringLiteral("cannot note what was shipped"), query);
    return false;
  }
  return true;
}

bool ShippingLedger::noteProblem(qint64 seq, const QString &text, Failure *failure) {
  QSqlQuery query(db_);
  const bool prepared =
      query.prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?, ?)").arg(problems_));
  for (const QVariant &value :
       {QVariant(target_), QVariant(seq), QVariant(text), QVariant(nowText())})
    query.addBindValue(value);
  if (!prepared || !query.exec()) {
    *failure = failed(QStringLiteral("cannot note a shipping problem"), query);
    return false;
  }
  return true;
}

bool ShippingLedger::cursors(const QSqlDatabase &journal, Kind kind, QList<Cursor> *cursors,
                             qint64 *problems, Failure *failure) {
  cursors->clear();
  *problems = 0;
  const QString shipping = tableOf(kind, false);
  QSqlQuery query(journal);
  if (!query.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ?"))) {
    *failure = failed(QStringLiteral("cannot read the journal"), query);
    return false;
  }
  query.addBindValue(shipping);
  if (!query.exec() || !query.next()) {
    *failure = failed(QStringLiteral("cannot read the journal"), query);
    return false;
  }
  if (query.value(0).toInt() == 0)
    return true;  // nothing was ever shipped from this journal
  if (!query.exec(QStringLiteral("SELECT target, acked_seq, updated_at FROM %1 ORDER BY target")
                      .arg(shipping))) {
    *failure = failed(QStringLiteral("cannot read the shipping cursors"), query);
    return false;
  }
  while (query.next())
    *cursors << Cursor{query.value(0).toString(), query.value(1).toLongLong(),
                       query.value(2).toString()};
  if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(tableOf(kind, true))) ||
      !query.next()) {
    *failure = failed(QStringLiteral("cannot read the shipping problems"), query);
    return false;
  }
  *problems = query.value(0).toLongLong();
  return true;
}
