// The weighing desk's transactions as the journal's writer seals them
// (transactions.h): beside the records, under the same writers' lock, in
// the epoch in force.
#include "journal/journal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QScopeGuard>
#include <QSqlError>

#include "journal/recordseal.h"

namespace {}  // namespace

std::optional<transactions::RecordFacts> RecordJournal::recordFacts(qint64 seq) {
  QSqlQuery query(db_);
  if (!open_ ||
      !query.exec(QStringLiteral("SELECT %1 FROM records WHERE seq = %2")
                      .arg(journalschema::columnList())
                      .arg(seq)) ||
      !query.next())
    return std::nullopt;
  return transactions::factsOf(journalschema::readRecord(query));
}

// The transactions another desk sealed since `state` last saw the journal.
bool RecordJournal::readTransactions(transactions::TransactionCheck *state, Failure *failure) {
  if (!open(failure))
    return false;
  QStringList problems;
  // Each was checked as it was sealed; the verifier checks them all.
  const bool read = transactions::readAll(db_, state, &problems, false);
  if (problems.isEmpty())
    return true;
  *failure = Failure(
      read ? Failure::Kind::Corrupt : Failure::Kind::Io,
      QCoreApplication::translate("Journal", "the journal's transactions fail their check: %1")
          .arg(problems.first()));
  return false;
}

bool RecordJournal::appendTransaction(Transaction &entry, transactions::TransactionCheck *state,
                                      Failure *failure) {
  if (!open(failure))
    return false;
  head_.lock();
  auto unlock = qScopeGuard([this] { head_.unlock(); });
  continueTheRun();
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
    return fail(QCoreApplication::translate("Journal", "cannot lock the journal"), query, failure);
  auto refuse = [&](const Failure &why) {
    *failure = why;
    rollback();
    entry.seq = 0;
    return false;
  };
  Failure why;
  if (!query.exec(transactions::table()))
    return refuse(Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot make the journal's transactions"),
        query.lastError()));
  if (!readTransactions(state, &why) || !readLastNote(&why))
    return refuse(why);
  if (!lastRecord_.exec() || !lastRecord_.next())
    return refuse(
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Journal", "the journal holds no record to bind")));
  JournalRecord last;
  last.seq = lastRecord_.value(0).toLongLong();
  last.mac = lastRecord_.value(1).toString();
  lastRecord_.finish();
  if (!recordseal::isPublic(last.mac))
    return refuse(Failure(Failure::Kind::Refused,
                          QCoreApplication::translate(
                              "Journal",
                              "the journal's last record is of format 1: a transaction needs one "
                              "of format 2")));
  entry.seq = state->lastSeq() + 1;
  entry.takenAt = QDateTime::fromSecsSinceEpoch(clock_(), Qt::UTC)
                      .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
  for (auto [seq, seal] : {std::pair{entry.firstRecord, &entry.firstSeal},
                           std::pair{entry.secondRecord, &entry.secondSeal}}) {
    const std::optional<transactions::RecordFacts> facts =
        seq > 0 ? recordFacts(seq) : std::nullopt;
    *seal = facts ? facts->mac : QString();
  }
  if (const QStringList problems = state->problemsOf(entry); !problems.isEmpty())
    return refuse(Failure(Failure::Kind::Refused, problems.first()));
  JournalRecord dated;
  dated.takenAt = entry.takenAt;
  qint64 epoch = 0, takenAt = 0;
  if (const Failure refusal = sealingEpoch(dated, &epoch, &takenAt); refusal.failed())
    return refuse(refusal);
  if (!noteEpochKey(epoch, &why))
    return refuse(why);
  recordseal::Seal seal;
  seal.epoch = epoch;
  const QByteArray content = transactions::contentHash(entry);
  seal.hash = transactions::chainHash(content, state->lastMac());
  seal.signature = keys_.sign(epoch, transactions::message(content, seal.hash));
  if (seal.signature.isEmpty())
    return refuse(cannotSign(epoch, 0));
  entry.mac = recordseal::text(seal);
  QStringList marks;
  for (size_t i = 0; i <= transactions::columns().size(); ++i)
    marks << QStringLiteral("?");
  if (!query.prepare(QStringLiteral("INSERT INTO transactions (%1) VALUES (%2)")
                         .arg(transactions::columnList(), marks.join(", "))))
    return refuse(Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot write the transaction"), query.lastError()));
  for (const transactions::Column &column : transactions::columns())
    query.addBindValue(column.get(entry));
  query.addBindValue(entry.mac);
  if (!query.exec() || !query.exec(QStringLiteral("COMMIT")))
    return refuse(Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot write the transaction"), query.lastError()));
  state->add(entry);
  epochInJournal_ = qMax(epochInJournal_, epoch);
  epochInForce_ = qMax(epochInForce_, epoch);
  lastTransactionSeq_ = entry.seq;
  lastTransactionMac_ = entry.mac;
  // Committed: a head not advanced, or a clock that went back, is said; the
  // transaction stays.
  const journalfiles::Head head = headOf(last);
  if (!head_.advance(key_, head, failure))
    return true;
  lastHead_ = head;
  if (takenAt < keys_.certificate(epoch).starts - signingkeys::kEpochSlackSeconds)
    *failure = datedBeforeItsEpoch(dated, epoch);
  return true;
}

namespace transactions {
namespace {
QString unreadableText(const QSqlQuery &query) {
  return QCoreApplication::translate("Verifier", "the journal's transactions cannot be read: %1")
      .arg(query.lastError().text().trimmed());
}

// Whether the journal `db` has the transactions' table; false with the
// reason when that cannot be read.
bool hasTable(const QSqlDatabase &db, bool *has, QString *why) {
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral(
          "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'transactions'")) ||
      !query.next()) {
    *why = unreadableText(query);
    return false;
  }
  *has = query.value(0).toInt() > 0;
  return true;
}
}  // namespace

TransactionCheck::RecordLookup recordLookup(const QSqlDatabase &db) {
  return [db](qint64 seq) -> std::optional<RecordFacts> {
    QSqlQuery record(db);
    record.setForwardOnly(true);
    if (!record.exec(QStringLiteral("SELECT %1 FROM records WHERE seq = %2")
                         .arg(journalschema::columnList())
                         .arg(seq)) ||
        !record.next())
      return std::nullopt;
    return factsOf(journalschema::readRecord(record));
  };
}

bool readAll(const QSqlDatabase &db, TransactionCheck *check, QStringList *problems, bool checked) {
  bool has = false;
  QString why;
  if (!hasTable(db, &has, &why)) {
    *problems << why;
    return false;
  }
  QSqlQuery query(db);
  query.setForwardOnly(true);
  // From the first, every row is read: one outside 1, 2, 3, ... is a problem.
  const QString after =
      check->lastSeq() > 0 ? QStringLiteral("WHERE seq > %1").arg(check->lastSeq()) : QString();
  if (has &&
      !query.exec(
          QStringLiteral("SELECT %1 FROM transactions %2 ORDER BY seq").arg(columnList(), after))) {
    *problems << unreadableText(query);
    return false;
  }
  while (has && query.next()) {
    const Transaction entry = read(query);
    if (!checked) {
      check->take(entry);
      continue;
    }
    for (const QString &problem : check->add(entry))
      *problems << QCoreApplication::translate("Verifier", "transaction %1: %2")
                       .arg(entry.seq)
                       .arg(problem);
  }
  if (query.lastError().isValid()) {
    *problems << unreadableText(query);
    return false;
  }
  return true;
}

bool readAfter(const QSqlDatabase &db, qint64 seq, int limit, QList<Transaction> *entries,
               QString *why) {
  entries->clear();
  bool has = false;
  if (!hasTable(db, &has, why))
    return false;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (has && !query.exec(QStringLiteral("SELECT %1 FROM transactions WHERE seq > %2 ORDER BY seq "
                                        "LIMIT %3")
                             .arg(columnList())
                             .arg(seq)
                             .arg(limit))) {
    *why = unreadableText(query);
    return false;
  }
  while (has && query.next())
    *entries << read(query);
  if (query.lastError().isValid()) {
    *why = unreadableText(query);
    return false;
  }
  return true;
}

std::optional<Transaction> readOne(const QSqlDatabase &db, qint64 seq) {
  bool has = false;
  QString why;
  QSqlQuery query(db);
  if (!hasTable(db, &has, &why) || !has ||
      !query.exec(QStringLiteral("SELECT %1 FROM transactions WHERE seq = %2")
                      .arg(columnList())
                      .arg(seq)) ||
      !query.next())
    return std::nullopt;
  return read(query);
}

QStringList verifyAll(const QSqlDatabase &db, const chaincheck::Keys &keys) {
  bool has = false;
  QString why;
  if (!hasTable(db, &has, &why))
    return {why};
  if (!has)
    return {};
  // A value of another storage class than the writer's (an empty text for
  // its null, a number as text) may read back as the sealed one.
  QStringList kinds;
  for (const Column &column : columns()) {
    kinds << (column.integer ? QStringLiteral("(typeof(%1) NOT IN ('integer', 'null') OR %1 < 1)")
                             : QStringLiteral("(typeof(%1) NOT IN ('text', 'null') OR %1 = '')"))
                 .arg(column.name);
  }
  kinds << QStringLiteral("typeof(mac) <> 'text'");
  QStringList problems;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT seq FROM transactions WHERE %1 ORDER BY seq LIMIT 20")
                      .arg(kinds.join(QStringLiteral(" OR ")))))
    return {unreadableText(query)};
  while (query.next())
    problems << QCoreApplication::translate("Verifier", "transaction %1: a value of the wrong kind")
                    .arg(query.value(0).toString());
  TransactionCheck check(recordLookup(db),
                         [&keys](const Transaction &entry, const QString &previousMac) {
                           return sealProblem(keys, entry, previousMac);
                         });
  readAll(db, &check, &problems);
  return problems;
}

}  // namespace transactions
