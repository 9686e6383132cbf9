#include "journal/verifier.h"

#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

#include "journal/journal.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"

namespace {

class Checker {
 public:
  Checker(const VerifyOptions &options, VerifyReport &report, const QByteArray &key)
      : options_(options),
        report_(report),
        mac_(QCryptographicHash::Sha256, key),
        previousMac_(options.afterMac) {
    report_.lastSeq = options.afterSeq;
  }

  void problem(qint64 seq, const QString &text) {
    if (report_.problems.size() < options_.problemsListed)
      report_.problems << VerifyProblem{seq, text};
    else
      ++report_.problemsNotListed;
  }

  void record(const JournalRecord &record) {
    if (report_.records == 0) {
      report_.firstSeq = record.seq;
      report_.firstTakenAt = record.takenAt;
    }
    const qint64 expected = report_.lastSeq + 1;
    if (record.seq > expected) {
      problem(expected, record.seq == expected + 1
                            ? QStringLiteral("seq %1: missing").arg(expected)
                            : QStringLiteral("seq %1: missing, and the %2 records after it")
                                  .arg(expected)
                                  .arg(record.seq - expected - 1));
    }
    mac_.reset();
    mac_.addData(journalcolumns::canonicalBytes(record, previousMac_));
    if (QString::fromLatin1(mac_.result().toHex()) != record.mac) {
      problem(record.seq,
              QStringLiteral("seq %1: its mac does not match its contents and the record before "
                             "(changed, moved, inserted or sealed with another key)")
                  .arg(record.seq));
    }
    previousMac_ = record.mac;
    report_.lastSeq = record.seq;
    report_.lastTakenAt = record.takenAt;
    ++report_.records;
    if (record.seq == watchedSeq_)
      watchedMac_ = record.mac;
  }

  // The record whose mac the head names, looked at on the way.
  void watch(qint64 seq) { watchedSeq_ = seq; }
  const QString &watchedMac() const { return watchedMac_; }

 private:
  const VerifyOptions &options_;
  VerifyReport &report_;
  QMessageAuthenticationCode mac_;
  QString previousMac_;
  qint64 watchedSeq_ = 0;
  QString watchedMac_;
};

struct HeadSeen {
  QString path;
  bool read = false;
  QString why;
  journalfiles::Head head;
};

HeadSeen readHeadOf(const VerifyOptions &options, const QByteArray &key, const QString &journalId) {
  HeadSeen seen;
  seen.path = options.headPath.isEmpty() ? journalfiles::headPathFor(options.keyPath, journalId)
                                         : options.headPath;
  seen.read = journalfiles::readHead(seen.path, key, &seen.head, &seen.why);
  return seen;
}

void checkEnd(const HeadSeen &seen, const QString &journalId, const VerifyOptions &options,
              Checker &checker, VerifyReport &report) {
  const journalfiles::Head &head = seen.head;
  const QString &headPath = seen.path;
  if (!seen.read) {
    if (report.records > 0)
      checker.problem(0, QStringLiteral("the journal's end is not witnessed: %1").arg(seen.why));
    return;
  }
  if (head.journalId != journalId) {
    checker.problem(0, QStringLiteral("the head %1 witnesses another journal").arg(headPath));
    return;
  }
  if (head.seq > report.lastSeq) {
    checker.problem(report.lastSeq + 1,
                    QStringLiteral("seq %1: missing at the end: the journal ends at seq %2, its "
                                   "head witnessed seq %3 (records removed, or an older copy "
                                   "put back)")
                        .arg(report.lastSeq + 1)
                        .arg(report.lastSeq)
                        .arg(head.seq));
  } else if (head.seq > options.afterSeq && checker.watchedMac() != head.mac) {
    checker.problem(head.seq,
                    QStringLiteral("seq %1: not the record its head witnessed").arg(head.seq));
  } else if (head.seq > 0 && head.seq == options.afterSeq && options.afterMac != head.mac) {
    checker.problem(head.seq,
                    QStringLiteral("seq %1: not the record its head witnessed").arg(head.seq));
  }
}

// SQLite's own check of the file: its pages, b-trees and indexes. What it
// says is damage, in its own words.
QString sqlWords(const QSqlError &error) {
  return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
}

QStringList integrityProblems(const QSqlDatabase &db) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("PRAGMA integrity_check(20)")))
    return {sqlWords(query.lastError())};
  QStringList problems;
  while (query.next()) {
    const QString line = query.value(0).toString();
    if (line != QLatin1String("ok"))
      problems << line;
  }
  if (query.lastError().isValid())
    problems << sqlWords(query.lastError());
  return problems;
}

// SQLite keeps any value in any column: a sealed column that holds another
// storage class than the journal writes (NULL where it never writes one, a
// BLOB or text where it writes a number...) reads back as a value its seal
// may still match, so it is a problem of its own.
struct ClassedColumn {
  QString name;
  journalcolumns::Type type;
  bool nullable;
  bool flag = false;  // written as 0 or 1, read as "not 0"
};

QString storageClassCondition(const ClassedColumn &column) {
  static const char *const kClasses[] = {"integer", "real", "text", "blob"};
  QString allowed = QStringLiteral("'%1'").arg(QLatin1String(kClasses[int(column.type)]));
  if (column.nullable)
    allowed += QStringLiteral(", 'null'");
  const QString condition = QStringLiteral("typeof(%1) NOT IN (%2)").arg(column.name, allowed);
  return column.flag ? QStringLiteral("(%1 OR %2 NOT IN (0, 1))").arg(condition, column.name)
                     : condition;
}

void checkStorageClasses(const QSqlDatabase &db, const QString &table,
                         const QList<ClassedColumn> &columns, qint64 afterSeq, Checker &checker) {
  QStringList conditions;
  QStringList cases;
  for (const ClassedColumn &column : columns) {
    conditions << storageClassCondition(column);
    cases << QStringLiteral("WHEN %1 THEN '%2 holds ' || typeof(%2) || ' ' || quote(%2)")
                 .arg(storageClassCondition(column), column.name);
  }
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT seq, CASE %1 END FROM %2 WHERE seq > %3 AND (%4) "
                                 "ORDER BY seq LIMIT 100")
                      .arg(cases.join(u' '), table)
                      .arg(afterSeq)
                      .arg(conditions.join(QStringLiteral(" OR "))))) {
    checker.problem(
        0,
        QStringLiteral("the %1 cannot be read: %2").arg(table, query.lastError().text().trimmed()));
    return;
  }
  while (query.next()) {
    const qint64 seq = query.value(0).toLongLong();
    checker.problem(seq, QStringLiteral("seq %1: %2 in %3, a value of the wrong kind")
                             .arg(seq)
                             .arg(query.value(1).toString(), table));
  }
  if (query.lastError().isValid())
    checker.problem(
        0,
        QStringLiteral("the %1 cannot be read: %2").arg(table, query.lastError().text().trimmed()));
}

QList<ClassedColumn> recordColumns() {
  QList<ClassedColumn> columns;
  // The scales' "connected" flags are sealed as true or false: a 2 would
  // read as true under the same seal.
  static const QRegularExpression flag(QStringLiteral("^s[0-9]+_connected$"));
  for (const journalcolumns::Column &column : journalcolumns::columns())
    columns << ClassedColumn{column.name, column.type, column.nullable,
                             flag.match(column.name).hasMatch()};
  columns << ClassedColumn{QStringLiteral("mac"), journalcolumns::Type::Text, false};
  return columns;
}

QList<ClassedColumn> noteColumns() {
  return {{QStringLiteral("seq"), journalcolumns::Type::Integer, false},
          {QStringLiteral("text_log_ok"), journalcolumns::Type::Integer, false, true},
          {QStringLiteral("text_log_error"), journalcolumns::Type::Text, true},
          {QStringLiteral("mac"), journalcolumns::Type::Text, false}};
}

// A text log note is sealed on its record's mac, which the chain vouches for.
void checkNotes(const JournalReader &reader, const QByteArray &key, qint64 afterSeq,
                Checker &checker) {
  QSqlQuery query(reader.database());
  query.setForwardOnly(true);
  // Notes that cannot be read (a table dropped or damaged) are a problem,
  // never "no notes".
  if (!query.exec(QStringLiteral("SELECT d.seq, d.text_log_ok, d.text_log_error, d.mac, r.mac "
                                 "FROM deliveries d LEFT JOIN records r ON r.seq = d.seq WHERE "
                                 "d.seq > %1 ORDER BY d.seq")
                      .arg(afterSeq))) {
    checker.problem(0, QStringLiteral("the text log notes cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
    return;
  }
  while (query.next()) {
    const qint64 seq = query.value(0).toLongLong();
    const bool written = query.value(1).toInt() == 1;
    const QString recordMac = query.value(4).toString();
    const QByteArray sealed =
        journalcolumns::noteBytes(seq, written, query.value(2).toString(), recordMac);
    if (recordMac.isEmpty() || journalfiles::sealOf(key, sealed) != query.value(3).toString())
      checker.problem(seq, QStringLiteral("seq %1: its text log note does not match").arg(seq));
  }
  if (query.lastError().isValid()) {
    checker.problem(0, QStringLiteral("the text log notes cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
  }
}

// A key seals one journal: a head of the same key that witnesses records
// of another journal means a journal of this key is missing or was
// replaced (a retired journal's heads are renamed with it).
void checkOtherJournals(const QString &keyPath, const QByteArray &key, const QString &journalId,
                        Checker &checker) {
  for (const journalfiles::FoundHead &found : journalfiles::headsOf(keyPath, key)) {
    // A head of another key with the same file name is not this key's.
    if (found.head.journalId == journalId || found.head.seq == 0 || !found.sealed)
      continue;
    checker.problem(0, QStringLiteral("the key also sealed %1 records of journal %2 (head %3): "
                                      "a journal of this key is missing or was replaced")
                           .arg(found.head.seq)
                           .arg(found.head.journalId, found.path));
  }
}

}  // namespace

qint64 VerifyReport::firstBadSeq() const {
  qint64 first = 0;
  for (const VerifyProblem &p : problems) {
    if (p.seq > 0 && (first == 0 || p.seq < first))
      first = p.seq;
  }
  return first;
}

Failure VerifyReport::asFailure() const {
  if (outcome == Outcome::CannotCheck)
    return failure.failed()
               ? failure
               : Failure(Failure::Kind::Io, QStringLiteral("the check did not finish"));
  if (outcome == Outcome::Intact)
    return Failure();
  const QString first =
      problems.isEmpty() ? QStringLiteral("it fails its check") : problems.first().text;
  return Failure(Failure::Kind::Corrupt, first, firstBadSeq());
}

QString VerifyReport::intactLine() const {
  if (records == 0)
    return QStringLiteral("journal intact: 0 records");
  return QStringLiteral("journal intact: %1 records, seq %2..%3, %4 to %5")
      .arg(records)
      .arg(firstSeq)
      .arg(lastSeq)
      .arg(firstTakenAt, lastTakenAt);
}

namespace {
// The chain of the records `reader` gives, and for a local journal its end
// and its text log notes.
VerifyReport verifyReader(const JournalReader &reader, const QByteArray &key,
                          const VerifyOptions &options) {
  VerifyReport report;
  JournalFilter newer;
  newer.seqFrom = options.afterSeq + 1;
  Checker checker(options, report, key);
  // Damage SQLite itself sees is reported first; the chain is then checked
  // as far as the file can be read.
  const QStringList damage =
      reader.isLocal() ? integrityProblems(reader.database()) : QStringList();
  for (const QString &line : damage)
    checker.problem(0, QStringLiteral("the journal's file is damaged: %1").arg(line));
  // A journal that opened as one (its identity read) whose records cannot
  // be read as the journal wrote them is damaged: broken, not unchecked.
  auto damaged = [&] {
    if (!reader.isLocal() || (report.failure.kind() != Failure::Kind::Corrupt && damage.isEmpty()))
      return false;
    checker.problem(0, report.failure.text());
    report.outcome = VerifyReport::Outcome::Broken;
    return true;
  };
  const qint64 total = reader.count(newer, &report.failure);
  if (total < 0) {
    damaged();
    return report;
  }
  const QString journalId = reader.isLocal() ? reader.journalId() : QString();
  const HeadSeen head = reader.isLocal() ? readHeadOf(options, key, journalId) : HeadSeen();
  checker.watch(head.read ? head.head.seq : 0);
  bool cancelled = false;
  if (!reader.forEach(
          newer,
          [&](const JournalRecord &record) {
            checker.record(record);
            if (options.progress && report.records % 4096 == 0 &&
                !options.progress(report.records, total)) {
              cancelled = true;
            }
            return !cancelled;
          },
          &report.failure) ||
      cancelled) {
    if (cancelled) {
      report.failure = Failure(Failure::Kind::Cancelled, QStringLiteral("cancelled"));
      return report;
    }
    damaged();
    return report;
  }
  if (reader.isLocal()) {
    checkEnd(head, journalId, options, checker, report);
    checkNotes(reader, key, options.afterSeq, checker);
    checkStorageClasses(reader.database(), QStringLiteral("records"), recordColumns(),
                        options.afterSeq, checker);
    checkStorageClasses(reader.database(), QStringLiteral("deliveries"), noteColumns(),
                        options.afterSeq, checker);
    checkOtherJournals(options.keyPath, key, journalId, checker);
  }
  std::stable_sort(report.problems.begin(), report.problems.end(),
                   [](const VerifyProblem &a, const VerifyProblem &b) { return a.seq < b.seq; });
  report.outcome = report.problems.isEmpty() && report.problemsNotListed == 0
                       ? VerifyReport::Outcome::Intact
                       : VerifyReport::Outcome::Broken;
  if (options.progress)
    options.progress(report.records, total);
  return report;
}
}  // namespace

VerifyReport verifyJournal(const VerifyOptions &options) {
  VerifyReport report;
  QByteArray key;
  QString why;
  if (!journalfiles::loadKey(options.keyPath, false, &key, &why)) {
    report.failure = Failure(Failure::Kind::CannotOpen, why);
    return report;
  }
  static std::atomic<int> checks{0};
  JournalReader reader(options.journalPath, QStringLiteral("weighstation-verify-%1").arg(++checks));
  if (!reader.open(&report.failure)) {
    // An SQLite file that SQLite finds damaged is a broken journal, not one
    // that cannot be checked (what it was is for a person to find out).
    if (!reader.database().isOpen())
      return report;
    const QStringList damage = integrityProblems(reader.database());
    if (damage.isEmpty())
      return report;
    report.problems << VerifyProblem{0, report.failure.text()};
    for (const QString &line : damage)
      report.problems << VerifyProblem{
          0, QStringLiteral("the journal's file is damaged: %1").arg(line)};
    report.outcome = VerifyReport::Outcome::Broken;
    return report;
  }
  return verifyReader(reader, key, options);
}

VerifyReport verifyStation(const JournalReader &central, const VerifyOptions &options) {
  VerifyReport report;
  QByteArray key;
  QString why;
  if (!journalfiles::loadKey(options.keyPath, false, &key, &why)) {
    report.failure = Failure(Failure::Kind::CannotOpen, why);
    return report;
  }
  return verifyReader(central, key, options);
}
