#include "journal/shippingledger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
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
      shipping_(tableOf(kind, Table::Shipping)),
      problems_(tableOf(kind, Table::Problems)),
      setAside_(tableOf(kind, Table::SetAside)) {}

QString ShippingLedger::tableOf(Kind kind, Table table) {
  const QString prefix = kind == Kind::Central ? QStringLiteral("central") : QStringLiteral("mqtt");
  switch (table) {
    case Table::Shipping:
      return prefix + QStringLiteral("_shipping");
    case Table::Problems:
      return prefix + QStringLiteral("_problems");
    case Table::SetAside:
      return prefix + QStringLiteral("_set_aside");
  }
  return {};
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
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "no journal yet at %1").arg(path_));
    return false;
  }
  if (!journaldb::openForWriting(&db_, path_, connectionName_, failure)) {
    close();
    return false;
  }
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = 'id'")) ||
      !query.next()) {
    *failure =
        query.lastError().isValid()
            ? failed(QCoreApplication::translate("Journal", "no journal yet at %1").arg(path_),
                     query)
            : Failure(
                  Failure::Kind::Corrupt,
                  QCoreApplication::translate("Journal", "the journal %1 has no id").arg(path_));
    close();
    return false;
  }
  journalId_ = query.value(0).toString();
  query.finish();
  bool made = true;
  for (const QString &statement : journalschema::ledgerTables(shipping_.section(u'_', 0, 0)))
    made = made && query.exec(statement);
  if (!made) {
    *failure = failed(
        QCoreApplication::translate("Journal", "cannot use the journal %1").arg(path_), query);
    close();
    return false;
  }
  // An acknowledgement lost to a crash only makes the next batch be sent
  // again, which the target takes as already there.
  if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
    *failure = failed(
        QCoreApplication::translate("Journal", "cannot use the journal %1").arg(path_), query);
    close();
    return false;
  }
  return true;
}

namespace {
// The transactions' cursor is a row of the same table under a name no
// target has.
QString transactionsTarget(const QString &target) {
  return QStringLiteral("transactions:") + target;
}
}  // namespace

qint64 ShippingLedger::transactionsAcknowledged(Failure *failure) const {
  return cursorOf(transactionsTarget(target_), failure);
}

bool ShippingLedger::acknowledgeTransactions(qint64 seq, Failure *failure) {
  return execute(QStringLiteral("INSERT OR REPLACE INTO %1 VALUES (?, ?, ?)").arg(shipping_),
                 {transactionsTarget(target_), seq, nowText()},
                 QCoreApplication::translate("Journal", "cannot note what was shipped"), failure);
}

bool ShippingLedger::transactionsAfter(qint64 seq, int limit, QList<Transaction> *entries,
                                       Failure *failure) const {
  QString why;
  if (!transactions::readAfter(db_, seq, limit, entries, &why)) {
    *failure = Failure(Failure::Kind::Io, why);
    return false;
  }
  return true;
}

qint64 ShippingLedger::acknowledged(Failure *failure) const {
  return cursorOf(target_, failure);
}

qint64 ShippingLedger::cursorOf(const QString &target, Failure *failure) const {
  QSqlQuery query(db_);
  if (!query.prepare(QStringLiteral("SELECT acked_seq FROM %1 WHERE target = ?").arg(shipping_))) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping cursor"), query);
    return -1;
  }
  query.addBindValue(target);
  if (!query.exec()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping cursor"), query);
    return -1;
  }
  if (query.next())
    return query.value(0).toLongLong();
  if (query.lastError().isValid()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping cursor"), query);
    return -1;
  }
  return 0;
}

qint64 ShippingLedger::newest(Failure *failure) const {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT coalesce(max(seq), 0) FROM records")) || !query.next()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the journal's end"), query);
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
    *failure = failed(QCoreApplication::translate("Journal", "cannot read the journal"), query);
    return false;
  }
  while (query.next())
    *records << journalschema::readRecord(query);
  if (query.lastError().isValid()) {
    *failure = failed(QCoreApplication::translate("Journal", "cannot read the journal"), query);
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
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the journal's verification key"),
               query);
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
    *failure = failed(
        QCoreApplication::translate("Journal", "cannot read the journal's epoch keys"), query);
    return false;
  }
  while (query.next()) {
    const signingkeys::EpochCertificate key = signingkeys::EpochCertificate::ofRow(query);
    *keys << key;
  }
  if (query.lastError().isValid()) {
    *failure = failed(
        QCoreApplication::translate("Journal", "cannot read the journal's epoch keys"), query);
    return false;
  }
  return true;
}

QString ShippingLedger::takenAt(qint64 seq, Failure *failure) const {
  QSqlQuery query(db_);
  const bool prepared = query.prepare(QStringLiteral("SELECT taken_at FROM records WHERE seq = ?"));
  query.addBindValue(seq);
  if (!prepared || !query.exec() || !query.next()) {
    *failure =
        query.lastError().isValid()
            ? failed(QCoreApplication::translate("Journal", "cannot read the journal"), query)
            : Failure(
                  Failure::Kind::Corrupt,
                  QCoreApplication::translate("Journal", "no record %1 in the journal").arg(seq),
                  seq);
    return QString();
  }
  return query.value(0).toString();
}

bool ShippingLedger::acknowledge(qint64 seq, Failure *failure) {
  return execute(QStringLiteral("INSERT OR REPLACE INTO %1 VALUES (?, ?, ?)").arg(shipping_),
                 {target_, seq, nowText()},
                 QCoreApplication::translate("Journal", "cannot note what was shipped"), failure);
}

bool ShippingLedger::execute(const QString &statement, const QVariantList &values,
                             const QString &doing, Failure *failure) {
  QSqlQuery query(db_);
  const bool prepared = query.prepare(statement);
  for (const QVariant &value : values)
    query.addBindValue(value);
  if (!prepared || !query.exec()) {
    *failure = failed(doing, query);
    return false;
  }
  return true;
}

bool ShippingLedger::noteProblem(qint64 seq, const QString &text, Failure *failure) {
  return execute(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?, ?)").arg(problems_),
                 {target_, seq, text, nowText()},
                 QCoreApplication::translate("Journal", "cannot note a shipping problem"), failure);
}

bool ShippingLedger::noteLastTry(const QString &reason, Failure *failure) {
  const QString doing = QCoreApplication::translate("Journal", "cannot note the last try");
  if (!db_.transaction()) {
    *failure = Failure::ofSql(doing, db_.lastError());
    return false;
  }
  const bool noted =
      execute(QStringLiteral("DELETE FROM %1 WHERE target = ? AND seq = 0").arg(problems_),
              {target_}, doing, failure) &&
      (reason.isEmpty() ||
       execute(QStringLiteral("INSERT INTO %1 VALUES (?, 0, ?, ?)").arg(problems_),
               {target_, reason, nowText()}, doing, failure));
  if (noted && db_.commit())
    return true;
  if (noted)
    *failure = Failure::ofSql(doing, db_.lastError());
  db_.rollback();
  return false;
}

bool ShippingLedger::setAside(qint64 seq, const QString &reason, Failure *failure) {
  return execute(QStringLiteral("INSERT OR REPLACE INTO %1 VALUES (?, ?, ?, ?)").arg(setAside_),
                 {target_, seq, reason, nowText()},
                 QCoreApplication::translate("Journal", "cannot note a record set aside"), failure);
}

bool ShippingLedger::setAsideSeqs(QList<qint64> *seqs, Failure *failure) const {
  seqs->clear();
  QSqlQuery query(db_);
  const bool prepared = query.prepare(
      QStringLiteral("SELECT seq FROM %1 WHERE target = ? ORDER BY seq").arg(setAside_));
  query.addBindValue(target_);
  if (!prepared || !query.exec()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the records set aside"), query);
    return false;
  }
  while (query.next())
    *seqs << query.value(0).toLongLong();
  if (query.lastError().isValid()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the records set aside"), query);
    return false;
  }
  return true;
}

bool ShippingLedger::shippedAfterAll(qint64 seq, Failure *failure) {
  return execute(
      QStringLiteral("DELETE FROM %1 WHERE target = ? AND seq = ?").arg(setAside_), {target_, seq},
      QCoreApplication::translate("Journal", "cannot note a record set aside as shipped"), failure);
}

namespace {
// Whether the journal has the table `name` (a ledger made it); false with
// the failure when that cannot be read.
bool hasTable(const QSqlDatabase &journal, const QString &name, bool *has, Failure *failure) {
  QSqlQuery query(journal);
  const bool prepared =
      query.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ?"));
  query.addBindValue(name);
  if (!prepared || !query.exec() || !query.next()) {
    *failure = failed(QCoreApplication::translate("Journal", "cannot read the journal"), query);
    return false;
  }
  *has = query.value(0).toInt() > 0;
  return true;
}
}  // namespace

bool ShippingLedger::standing(const QSqlDatabase &journal, Kind kind, Standing *standing,
                              Failure *failure) {
  *standing = Standing();
  bool has = false;
  if (!hasTable(journal, tableOf(kind, Table::Shipping), &has, failure))
    return false;
  if (!has)
    return true;  // nothing was ever shipped from this journal
  QSqlQuery query(journal);
  if (!query.exec(QStringLiteral("SELECT target, acked_seq, updated_at FROM %1 ORDER BY target")
                      .arg(tableOf(kind, Table::Shipping)))) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping cursors"), query);
    return false;
  }
  while (query.next()) {
    if (!query.value(0).toString().startsWith(QLatin1String("transactions:")))
      standing->cursors << Cursor{query.value(0).toString(), query.value(1).toLongLong(),
                                  query.value(2).toString()};
  }
  if (!query.exec(QStringLiteral("SELECT count(*) FROM %1 WHERE seq <> 0")
                      .arg(tableOf(kind, Table::Problems))) ||
      !query.next()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping problems"), query);
    return false;
  }
  standing->problems = query.value(0).toLongLong();
  if (!query.exec(QStringLiteral("SELECT target, problem FROM %1 WHERE seq = 0 ORDER BY at DESC "
                                 "LIMIT 1")
                      .arg(tableOf(kind, Table::Problems)))) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping problems"), query);
    return false;
  }
  if (query.next()) {
    standing->lastTryTarget = query.value(0).toString();
    standing->lastTry = query.value(1).toString();
  } else if (query.lastError().isValid()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the shipping problems"), query);
    return false;
  }
  // A journal shipped by an earlier version has no records set aside.
  if (!hasTable(journal, tableOf(kind, Table::SetAside), &has, failure))
    return false;
  if (!has)
    return true;
  if (!query.exec(QStringLiteral("SELECT DISTINCT seq FROM %1 ORDER BY seq")
                      .arg(tableOf(kind, Table::SetAside)))) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the records set aside"), query);
    return false;
  }
  while (query.next())
    standing->setAside << query.value(0).toLongLong();
  if (query.lastError().isValid()) {
    *failure =
        failed(QCoreApplication::translate("Journal", "cannot read the records set aside"), query);
    return false;
  }
  return true;
}
