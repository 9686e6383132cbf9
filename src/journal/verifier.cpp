#include "journal/verifier.h"

#include "journal/transactions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMessageAuthenticationCode>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <future>
#include <limits>
#include <optional>
#include <thread>
#include <vector>

#include "journal/chaincheck.h"
#include "journal/journal.h"
#include "journal/journaldb.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/recordseal.h"
#include "journal/seals.h"
#include "journal/shown.h"
#include "journal/transactions.h"

namespace {

// What checks the seals: format 1's key (its records, notes and the
// transition) and format 2's verification key with the journal's epoch keys
// (the chain check's keys, whose `epochs` are certified by the verification
// key), and where the one ends and the other begins.
struct Trust : chaincheck::Keys {
  QString keyWhy;  // why there is no key
  signingkeys::VerificationKey verificationKey;
  bool haveVerificationKey = false;
  QString verificationWhy;
  bool transitionNeedsKey = false;
};

// The journal's check, to the rule of a valid journal (chaincheck.h): the
// chain check's problems, and those of the file checks, into the report,
// the first ones listed.
class Checker {
 public:
  Checker(const VerifyOptions &options, VerifyReport &report, const Trust &trust)
      : options_(options), report_(report), chain_(trust, options.afterSeq, options.afterMac) {
    report_.lastSeq = options.afterSeq;
  }

  void problem(qint64 seq, const QString &text) {
    if (report_.problems.size() < options_.problemsListed)
      report_.problems << VerifyProblem{seq, text};
    else
      ++report_.problemsNotListed;
  }
  void problems(const QList<chaincheck::Problem> &found) {
    for (const chaincheck::Problem &each : found)
      problem(each.seq, each.text);
  }

  // As chaincheck::ChainCheck::add takes it.
  void record(const JournalRecord &record, const QByteArray *columns = nullptr,
              const QByteArray *hash = nullptr) {
    if (report_.records == 0) {
      report_.firstSeq = record.seq;
      report_.firstTakenAt = record.takenAt;
    }
    problems(chain_.add(record, columns, hash));
    report_.lastSeq = record.seq;
    report_.lastTakenAt = record.takenAt;
    ++report_.records;
  }
  void finish() { problems(chain_.finish()); }
  chaincheck::ChainCheck &chain() { return chain_; }
  const chaincheck::ChainCheck &chain() const { return chain_; }

 private:
  const VerifyOptions &options_;
  VerifyReport &report_;
  chaincheck::ChainCheck chain_;
};

struct HeadSeen {
  QString path;
  bool read = false;
  QString why;
  journalfiles::Head head;
};

HeadSeen readHeadOf(const VerifyOptions &options, const Trust &trust, const QString &journalId) {
  HeadSeen seen;
  seen.path = options.headPath.isEmpty() ? journalfiles::headPathFor(options.keyPath, journalId)
                                         : options.headPath;
  Failure unread;
  seen.read = journalfiles::readHead(seen.path, trust.key, &seen.head, &unread);
  seen.why = unread.reason();
  if (seen.read && !trust.headSigned(seen.head)) {
    seen.read = false;
    seen.why = QCoreApplication::translate(
                   "Verifier", "the head %1 is not signed by a key of the journal's epochs")
                   .arg(seen.path);
  }
  return seen;
}

void checkEnd(const QSqlDatabase &db, const HeadSeen &seen, const QString &journalId,
              Checker &checker, VerifyReport &report) {
  if (!seen.read) {
    if (report.records > 0)
      report.endNotWitnessed = seen.why;
    return;
  }
  checker.problems(checker.chain().end(seen.head, journalId, seen.path));
  QSqlQuery query(db);
  if (seen.head.transactionSeq > 0) {
    const bool held = query.exec(QStringLiteral("SELECT mac FROM transactions WHERE seq = %1")
                                     .arg(seen.head.transactionSeq)) &&
                      query.next();
    checker.problems(chaincheck::transactionWitnessed(
        seen.head, held, held ? query.value(0).toString() : QString()));
  }
  if (seen.head.noteSeq == 0)
    return;
  if (!query.exec(
          QStringLiteral("SELECT mac FROM deliveries WHERE seq = %1").arg(seen.head.noteSeq))) {
    checker.problem(0,
                    QCoreApplication::translate("Verifier", "the text log notes cannot be read: %1")
                        .arg(query.lastError().text().trimmed()));
    return;
  }
  const bool held = query.next();
  checker.problems(
      chaincheck::noteWitnessed(seen.head, held, held ? query.value(0).toString() : QString()));
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

// `only`: the rows to look at ("seq IN (...)"), or all after `afterSeq`.
void checkStorageClasses(const QSqlDatabase &db, const QString &table,
                         const QList<ClassedColumn> &columns, qint64 afterSeq, Checker &checker,
                         const QString &keyColumn = QStringLiteral("seq"),
                         const QString &only = QString()) {
  QStringList conditions;
  QStringList cases;
  for (const ClassedColumn &column : columns) {
    conditions << storageClassCondition(column);
    cases << QStringLiteral("WHEN %1 THEN '%2 holds ' || typeof(%2) || ' ' || quote(%2)")
                 .arg(storageClassCondition(column), column.name);
  }
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT %5, CASE %1 END FROM %2 WHERE %5 > %3 AND (%4) %6"
                                 "ORDER BY %5 LIMIT 100")
                      .arg(cases.join(u' '), table)
                      .arg(afterSeq)
                      .arg(conditions.join(QStringLiteral(" OR ")), keyColumn,
                           only.isEmpty() ? QString() : QStringLiteral("AND %1 ").arg(only)))) {
    checker.problem(0, QCoreApplication::translate("Verifier", "the %1 cannot be read: %2")
                           .arg(table, query.lastError().text().trimmed()));
    return;
  }
  while (query.next()) {
    const qint64 seq = query.value(0).toLongLong();
    checker.problem(
        keyColumn == QLatin1String("seq") ? seq : 0,
        QCoreApplication::translate("Verifier", "%4 %1: %2 in %3, a value of the wrong kind")
            .arg(seq)
            .arg(query.value(1).toString(), table, keyColumn));
  }
  if (query.lastError().isValid())
    checker.problem(0, QCoreApplication::translate("Verifier", "the %1 cannot be read: %2")
                           .arg(table, query.lastError().text().trimmed()));
}

QList<ClassedColumn> recordColumns() {
  QList<ClassedColumn> columns;
  for (const journalcolumns::Column &column : journalcolumns::columns())
    columns << ClassedColumn{column.name, column.type, column.nullable, column.flag};
  columns << ClassedColumn{QStringLiteral("mac"), journalcolumns::Type::Text, false};
  return columns;
}

QList<ClassedColumn> noteColumns() {
  return {{QStringLiteral("seq"), journalcolumns::Type::Integer, false},
          {QStringLiteral("text_log_ok"), journalcolumns::Type::Integer, false, true},
          {QStringLiteral("text_log_error"), journalcolumns::Type::Text, true},
          {QStringLiteral("mac"), journalcolumns::Type::Text, false}};
}

// A text log note is sealed on its record's seal, which the chain vouches
// for; in format 2 also on the note before, signed like the records.
void checkNotes(const QSqlDatabase &db, const Trust &trust, qint64 afterSeq, Checker &checker) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  // Notes that cannot be read (a table dropped or damaged) are a problem,
  // never "no notes".
  auto unreadable = [&] {
    checker.problem(0,
                    QCoreApplication::translate("Verifier", "the text log notes cannot be read: %1")
                        .arg(query.lastError().text().trimmed()));
  };
  QString previousNote;
  if (afterSeq > 0) {
    if (!query.exec(QStringLiteral("SELECT mac FROM deliveries WHERE seq <= %1 ORDER BY seq DESC "
                                   "LIMIT 1")
                        .arg(afterSeq)))
      return unreadable();
    previousNote = query.next() ? query.value(0).toString() : QString();
  }
  if (!query.exec(QStringLiteral("SELECT d.seq, d.text_log_ok, d.text_log_error, d.mac, r.mac "
                                 "FROM deliveries d LEFT JOIN records r ON r.seq = d.seq WHERE "
                                 "d.seq > %1 ORDER BY d.seq")
                      .arg(afterSeq)))
    return unreadable();
  chaincheck::SignedChain chain(trust);
  auto notSigned = [&](qint64 seq) {
    checker.problem(seq, QCoreApplication::translate(
                             "Verifier", "seq %1: its text log note's signature does not match")
                             .arg(seq));
  };
  while (query.next()) {
    const qint64 seq = query.value(0).toLongLong();
    const bool written = query.value(1).toInt() == 1;
    const QString failure = query.value(2).toString();
    const QString noteMac = query.value(3).toString();
    const QString recordMac = query.value(4).toString();
    recordseal::Seal seal;
    recordseal::Seal recordSeal;
    bool matches = !recordMac.isEmpty();
    if (seq <= trust.lastFormat1Seq) {
      matches = matches && !trust.key.isEmpty() &&
                journalfiles::sealOf(trust.key, journalcolumns::noteBytes(seq, written, failure,
                                                                          recordMac)) == noteMac;
    } else {
      matches = matches && recordseal::parse(noteMac, &seal) &&
                recordseal::parse(recordMac, &recordSeal) && seal.epoch >= recordSeal.epoch &&
                seal.hash == recordseal::noteHash(seq, written, failure, recordMac, previousNote);
      if (matches)
        chain.add(
            seq, seal, [hash = seal.hash] { return recordseal::noteMessage(hash); }, notSigned);
    }
    // A note of a record written to the text log has no failure: the
    // writer stores none (NULL), which the seal cannot tell from ''.
    if (written && !query.value(2).isNull())
      matches = false;
    if (!matches)
      checker.problem(
          seq, QCoreApplication::translate("Verifier", "seq %1: its text log note does not match")
                   .arg(seq));
    previousNote = noteMac;
  }
  if (query.lastError().isValid())
    unreadable();
  chain.flush(notSigned);
}

// The file's schema is the journal's, exactly: a table renamed and a view
// put in its place, a column's declaration changed (a flipped bit in
// "INTEGER PRIMARY KEY" makes every stored seq read NULL), an extra column,
// table, view or trigger each change what a reader sees without touching a
// sealed value, and SQLite's own check notices none of them.
void checkSchema(const QSqlDatabase &db, Checker &checker) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master"))) {
    checker.problem(
        0, QCoreApplication::translate("Verifier", "the journal's schema cannot be read: %1")
               .arg(query.lastError().text().trimmed()));
    return;
  }
  const QList<journalschema::SchemaObject> &known = journalschema::knownObjects();
  while (query.next()) {
    const journalschema::SchemaObject found{query.value(0).toString(), query.value(1).toString(),
                                            query.value(2).toString(), query.value(3).toString()};
    if (known.contains(found))
      continue;
    const bool named = std::any_of(
        known.begin(), known.end(),
        [&](const journalschema::SchemaObject &object) { return object.name == found.name; });
    checker.problem(
        0, named ? QCoreApplication::translate("Verifier",
                                               "the journal's schema defines the %1 %2 otherwise "
                                               "than a journal's: %3")
                       .arg(found.type, found.name, found.sql.left(200))
                 : QCoreApplication::translate("Verifier",
                                               "the journal's schema holds a %1 %2 that is not a "
                                               "journal's")
                       .arg(found.type, found.name));
  }
  if (query.lastError().isValid())
    checker.problem(
        0, QCoreApplication::translate("Verifier", "the journal's schema cannot be read: %1")
               .arg(query.lastError().text().trimmed()));
}

// Rows below seq 1 lie outside every chain and are read by no reader of
// this program: each is a problem, as a forger would have put it there for
// another reader to show.
void checkOutsideTheSequence(const QSqlDatabase &db, Checker &checker) {
  for (const char *table : {"records", "deliveries"}) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT seq FROM %1 WHERE seq < 1 OR typeof(seq) <> 'integer' "
                                   "ORDER BY seq LIMIT 20")
                        .arg(QLatin1String(table)))) {
      // The notes' own check says when they cannot be read.
      if (qstrcmp(table, "records") == 0)
        checker.problem(
            0, QCoreApplication::translate("Verifier", "the journal's records cannot be read: %1")
                   .arg(query.lastError().text().trimmed()));
      continue;
    }
    while (query.next())
      checker.problem(0, QCoreApplication::translate(
                             "Verifier", "a row of %1 outside the journal's sequence, at seq %2")
                             .arg(QLatin1String(table), query.value(0).toString()));
  }
}

// A record that went to the text log has its note, but the newest (the
// monitor notes it at its next start when it stopped before). Format 2's
// records only: a journal of format 1 may hold notes never written.
void checkDueNotes(const QSqlDatabase &db, qint64 after, Checker &checker) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT seq FROM records WHERE seq > %1 AND text_log_file IS "
                                 "NOT NULL AND seq < (SELECT max(seq) FROM records) AND seq NOT "
                                 "IN (SELECT seq FROM deliveries) ORDER BY seq LIMIT 100")
                      .arg(after))) {
    checker.problem(0,
                    QCoreApplication::translate("Verifier", "the text log notes cannot be read: %1")
                        .arg(query.lastError().text().trimmed()));
    return;
  }
  while (query.next()) {
    const qint64 seq = query.value(0).toLongLong();
    checker.problem(
        seq,
        QCoreApplication::translate("Verifier", "seq %1: its text log note is missing").arg(seq));
  }
  if (query.lastError().isValid())
    checker.problem(0,
                    QCoreApplication::translate("Verifier", "the text log notes cannot be read: %1")
                        .arg(query.lastError().text().trimmed()));
}

// The epoch keys the journal holds, each certified by the verification key.
void readEpochKeys(const QSqlDatabase &db, Trust *trust, Checker &checker) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT epoch, starts, ends, public_key, certificate FROM "
                                 "epoch_keys ORDER BY epoch"))) {
    checker.problem(0, QCoreApplication::translate("Verifier", "the epoch keys cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
    return;
  }
  while (query.next()) {
    const signingkeys::EpochCertificate certificate = signingkeys::EpochCertificate::ofRow(query);
    const bool exact = query.value(3).toString() == QLatin1String(certificate.publicKey.toHex()) &&
                       query.value(4).toString() == QLatin1String(certificate.certificateText());
    if (exact && certificate.certifiedBy(trust->verificationKey))
      trust->epochs.insert(certificate.epoch, certificate);
    else
      checker.problem(
          0, QCoreApplication::translate("Verifier",
                                         "epoch key %1 is not certified by the verification key "
                                         "%2 (station %3)")
                 .arg(certificate.epoch)
                 .arg(trust->verificationKey.fingerprint(), trust->verificationKey.station));
  }
  if (query.lastError().isValid())
    checker.problem(0, QCoreApplication::translate("Verifier", "the epoch keys cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
}

// The verification key the journal names for a person is the one that
// checks it.
void checkNamedKey(const QSqlDatabase &db, const Trust &trust, Checker &checker) {
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = "
                                 "'verification_key'"))) {
    checker.problem(
        0, QCoreApplication::translate("Verifier", "the journal's identity cannot be read: %1")
               .arg(query.lastError().text().trimmed()));
    return;
  }
  // The key by its station and root: the format line the auditor's copy
  // holds is the auditor's, not the file's.
  signingkeys::VerificationKey named;
  Failure unread;
  if (query.next() &&
      (!signingkeys::parseVerificationKey(query.value(0).toString().toUtf8(), &named, &unread) ||
       !(named == trust.verificationKey)))
    checker.problem(
        0, QCoreApplication::translate("Verifier",
                                       "the journal names another verification key than the one "
                                       "given (%1)")
               .arg(trust.verificationKey.fingerprint()));
}

// The transition from format 1: sealed with format 1's key on the last
// record of format 1, it names the verification key of every record after.
void checkTransition(const QSqlDatabase &db, const QString &journalId, Trust *trust,
                     Checker &checker) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT t.after_seq, t.verification_key, t.mac, r.mac FROM "
                                 "format_transition t LEFT JOIN records r ON r.seq = "
                                 "t.after_seq"))) {
    checker.problem(0, QCoreApplication::translate(
                           "Verifier", "the transition from format 1 cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
    return;
  }
  if (!query.next()) {
    if (query.lastError().isValid())
      checker.problem(0, QCoreApplication::translate(
                             "Verifier", "the transition from format 1 cannot be read: %1")
                             .arg(query.lastError().text().trimmed()));
    return;
  }
  trust->lastFormat1Seq = query.value(0).toLongLong();
  const QByteArray verificationKey = query.value(1).toString().toUtf8();
  const QString lastMac = trust->lastFormat1Seq > 0 ? query.value(3).toString() : QString();
  trust->transitionNeedsKey = trust->key.isEmpty();
  if (!trust->key.isEmpty() &&
      journalfiles::sealOf(trust->key, journalschema::transitionBytes(
                                           journalId, trust->lastFormat1Seq, lastMac,
                                           verificationKey)) != query.value(2).toString()) {
    checker.problem(
        trust->lastFormat1Seq + 1,
        QCoreApplication::translate("Verifier",
                                    "the transition to format 2 after seq %1 is not sealed with "
                                    "format 1's key")
            .arg(trust->lastFormat1Seq));
  }
  signingkeys::VerificationKey named;
  Failure why;
  if (!signingkeys::parseVerificationKey(verificationKey, &named, &why) ||
      !(named == trust->verificationKey)) {
    checker.problem(
        trust->lastFormat1Seq + 1,
        QCoreApplication::translate("Verifier",
                                    "the transition to format 2 names the verification key %1, "
                                    "not the one given (%2)")
            .arg(named.fingerprint(), trust->verificationKey.fingerprint()));
  }
  if (query.next())
    checker.problem(0, QCoreApplication::translate(
                           "Verifier", "the journal has more than one transition from format 1"));
}

// Where the verification key says format 2 begins, it begins: a format
// marker saying 1, or a transition row at another seq (a record sealed on
// a format-1 key after it), is the file's word against the auditor's.
void holdToTheBoundFormat(int fileFormat, Trust *trust, Checker &checker) {
  const qint64 after = trust->verificationKey.format2After;
  if (fileFormat < 2)
    checker.problem(after + 1,
                    QCoreApplication::translate("Verifier",
                                                "seq %1: the journal says it is of format %2, but "
                                                "its verification key seals every record after "
                                                "seq %3 in format 2")
                        .arg(after + 1)
                        .arg(fileFormat)
                        .arg(after));
  if (trust->lastFormat1Seq != after)
    checker.problem(
        qMin(after, trust->lastFormat1Seq) + 1,
        QCoreApplication::translate("Verifier",
                                    "the journal's transition from format 1 is after seq %1, but "
                                    "its verification key binds it after seq %2")
            .arg(trust->lastFormat1Seq)
            .arg(after));
  trust->lastFormat1Seq = after;
  trust->transitionNeedsKey = after > 0 && trust->key.isEmpty();
}

// A key seals one journal: a head of the same key that witnesses records
// of another journal means a journal of this key is missing or was
// replaced (a retired journal's heads are renamed with it).
void checkOtherJournals(const QString &keyPath, const Trust &trust, const QString &journalId,
                        Checker &checker) {
  // Only heads sealed under the keys of this check count: a head of the
  // auditor's own station in the default folders is not this journal's.
  for (const journalfiles::FoundHead &found : journalfiles::headsOf(
           keyPath, trust.key, trust.haveVerificationKey ? &trust.verificationKey : nullptr,
           trust.epochs)) {
    // A head of another key with the same file name is not this key's.
    if (found.head.journalId == journalId || found.head.seq == 0 || !found.sealed)
      continue;
    checker.problem(0,
                    QCoreApplication::translate("Verifier",
                                                "the key also sealed %1 of journal %2 (head %3): "
                                                "a journal of this key is missing or was replaced")
                        .arg(shown::records(found.head.seq))
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
               : Failure(Failure::Kind::Io,
                         QCoreApplication::translate("Verifier", "the check did not finish"));
  if (outcome == Outcome::Intact || outcome == Outcome::EndNotWitnessed)
    return Failure();
  const QString first = problems.isEmpty()
                            ? QCoreApplication::translate("Verifier", "it fails its check")
                            : problems.first().text;
  return Failure(Failure::Kind::Corrupt, first, firstBadSeq());
}

// Kept in English in every language: scripts read this line (the reason
// of an unwitnessed end, from below, follows the site's language).
QString VerifyReport::intactLine() const {
  if (records == 0)
    return QStringLiteral("journal intact: 0 records");
  const QString line = QStringLiteral("%1, seq %2..%3, %4 to %5")
                           .arg(records == 1 ? QStringLiteral("1 record")
                                             : QStringLiteral("%1 records").arg(records))
                           .arg(firstSeq)
                           .arg(lastSeq)
                           .arg(firstTakenAt, lastTakenAt);
  if (outcome == Outcome::EndNotWitnessed)
    return QStringLiteral("records intact, end not witnessed: %1 (%2)").arg(line, endNotWitnessed);
  return QStringLiteral("journal intact: %1").arg(line);
}

namespace {

// The keys the options name, read as far as they can be; what is missing
// matters only for the records that need it.
Trust trustOf(const VerifyOptions &options) {
  Trust trust;
  Failure unread;
  if (!options.keyPath.isEmpty() && QFileInfo::exists(options.keyPath))
    trust.keyWhy = journalfiles::loadKey(options.keyPath, false, &trust.key, &unread)
                       ? QString()
                       : unread.reason();
  else
    trust.keyWhy = QCoreApplication::translate("Verifier", "no key at %1").arg(options.keyPath);
  const QString path = options.verificationKeyPath.isEmpty()
                           ? signingkeys::verificationKeyPathFor(options.keyPath)
                           : options.verificationKeyPath;
  Failure unreadVerification;
  trust.haveVerificationKey =
      options.verificationKeyText.isEmpty()
          ? signingkeys::readVerificationKey(path, &trust.verificationKey, &unreadVerification)
          : signingkeys::parseVerificationKey(options.verificationKeyText, &trust.verificationKey,
                                              &unreadVerification);
  trust.verificationWhy = unreadVerification.reason();
  return trust;
}

QString rangeText(qint64 first, qint64 last) {
  return first == last ? QCoreApplication::translate("Verifier", "seq %1").arg(first)
                       : QCoreApplication::translate("Verifier", "seq %1..%2").arg(first).arg(last);
}

// The checks of a local journal besides its chain: SQLite's own check of
// the file, the text log notes, the notes due and the storage classes. They
// run on a connection of their own on another thread while the chain is
// read (the machine's second core), into a report of their own.
struct SideChecks {
  QStringList damage;
  VerifyReport report;
};

void runSideChecks(const QString &path, const Trust &trust, const VerifyOptions &options,
                   bool format2, const std::atomic<bool> &stop, SideChecks *side) {
  static std::atomic<int> connections{0};
  const QString name = QStringLiteral("weighstation-verify-side-%1").arg(++connections);
  {
    QSqlDatabase db;
    Failure unread;
    Checker checker(options, side->report, trust);
    if (!journaldb::openForReading(&db, path, name, &unread)) {
      checker.problem(0, QCoreApplication::translate("Verifier", "the journal cannot be read: %1")
                             .arg(unread.text()));
    } else {
      side->damage = integrityProblems(db);
      if (!stop)
        checkSchema(db, checker);
      if (!stop)
        checkOutsideTheSequence(db, checker);
      if (!stop)
        checkNotes(db, trust, options.afterSeq, checker);
      if (format2 && !stop)
        checkDueNotes(db, qMax(options.afterSeq, trust.lastFormat1Seq), checker);
      // The records' storage classes are looked at as the chain reads them.
      if (!stop)
        checkStorageClasses(db, QStringLiteral("deliveries"), noteColumns(), options.afterSeq,
                            checker);
      if (format2 && !stop) {
        for (const QString &problem : transactions::verifyAll(db, trust))
          checker.problem(0, problem);
      }
      if (format2 && !stop) {
        using journalcolumns::Type;
        checkStorageClasses(db, QStringLiteral("epoch_keys"),
                            {{QStringLiteral("epoch"), Type::Integer, false},
                             {QStringLiteral("starts"), Type::Integer, false},
                             {QStringLiteral("ends"), Type::Integer, false},
                             {QStringLiteral("public_key"), Type::Text, false},
                             {QStringLiteral("certificate"), Type::Text, false}},
                            -1, checker, QStringLiteral("epoch"));
      }
    }
    journaldb::close(&db);
  }
  QSqlDatabase::removeDatabase(name);
}

// The file checks of a local journal on their own thread and connection,
// started at once; stopped and joined when they go.
class FileChecks {
 public:
  FileChecks(const QString &path, const Trust &trust, const VerifyOptions &options, bool format2)
      : thread_(runSideChecks, path, std::cref(trust), std::cref(options), format2,
                std::cref(stop_), &result_) {}
  ~FileChecks() {
    stop_ = true;
    if (thread_.joinable())
      thread_.join();
  }
  FileChecks(const FileChecks &) = delete;
  FileChecks &operator=(const FileChecks &) = delete;

  // Stops them early (the chain could not be read).
  void stop() { stop_ = true; }
  // Waits for them; the file's damage, then their problems, into `checker`.
  void joinInto(Checker &checker, VerifyReport &report, bool withProblems) {
    if (thread_.joinable())
      thread_.join();
    for (const QString &line : result_.damage)
      checker.problem(
          0,
          QCoreApplication::translate("Verifier", "the journal's file is damaged: %1").arg(line));
    if (!withProblems)
      return;
    for (const VerifyProblem &problem : result_.report.problems)
      checker.problem(problem.seq, problem.text);
    report.problemsNotListed += result_.report.problemsNotListed;
  }
  bool foundDamage() const { return !result_.damage.isEmpty(); }

 private:
  std::atomic<bool> stop_{false};
  SideChecks result_;
  std::thread thread_;
};

// The records' chain hashes (their canonical bytes, each on the seal
// before it as the journal holds it), computed a batch at a time on a
// worker while the next batch is read; each record is then handed to
// `check` in order with its hash. Waits for its worker when it goes.
class ChainHasher {
 public:
  using Check =
      std::function<bool(const JournalRecord &, const QByteArray &columns, const QByteArray &hash)>;
  ChainHasher(const QString &macBefore, Check check)
      : macBeforeFilling_(macBefore), check_(std::move(check)) {
    filling_.reserve(kBatch);
  }
  ~ChainHasher() {
    if (hashing_.valid())
      hashing_.wait();
  }
  ChainHasher(const ChainHasher &) = delete;
  ChainHasher &operator=(const ChainHasher &) = delete;

  // False once `check` asked to stop.
  bool take(JournalRecord record, const QByteArray &columns) {
    filling_.push_back({std::move(record), columns});
    if (filling_.size() == kBatch)
      handOver();
    return !stopped_;
  }
  // Every record taken, checked.
  void finish() {
    if (stopped_)
      return;
    handOver();
    checkInFlight();
  }
  bool stopped() const { return stopped_; }

 private:
  struct Row {
    JournalRecord record;
    QByteArray columns;
  };
  static constexpr size_t kBatch = 2048;

  void checkInFlight() {
    if (!hashing_.valid())
      return;
    const std::vector<QByteArray> hashes = hashing_.get();
    for (size_t i = 0; i < inFlight_.size() && !stopped_; ++i)
      stopped_ = !check_(inFlight_[i].record, inFlight_[i].columns, hashes[i]);
    inFlight_.clear();
  }
  void handOver() {
    checkInFlight();
    if (filling_.empty())
      return;
    inFlight_.swap(filling_);
    filling_.clear();
    const QString before = macBeforeFilling_;
    macBeforeFilling_ = inFlight_.back().record.mac;
    hashing_ = std::async(std::launch::async, [this, before] {
      std::vector<QByteArray> hashes;
      hashes.reserve(inFlight_.size());
      QString previous = before;
      for (const Row &row : inFlight_) {
        hashes.push_back(seals::sha256(journalcolumns::canonicalPrevious(previous) + row.columns));
        previous = row.record.mac;
      }
      return hashes;
    });
  }

  std::vector<Row> filling_;
  std::vector<Row> inFlight_;
  std::future<std::vector<QByteArray>> hashing_;
  QString macBeforeFilling_;
  Check check_;
  bool stopped_ = false;
};

// The record source: a local journal's records as SQLite holds them (their
// canonical bytes made as they are read, a record whose values are not of
// the kind the journal writes noted in `notAsWritten`), a chain kept
// elsewhere as its `source` gives them; each into `hasher`, which has them
// all checked.
bool readChain(const JournalReader &reader, const ChainSource *source, qint64 afterSeq,
               ChainHasher *hasher, QStringList *notAsWritten, Failure *failure) {
  const bool read =
      source ? (*source)(
                   afterSeq,
                   [&](JournalRecord &&record, const QByteArray &columns) {
                     return hasher->take(std::move(record), columns);
                   },
                   failure)
             : reader.forEachStored(
                   afterSeq,
                   [&](const JournalRecord &record, const QByteArray &columns, bool asWritten) {
                     if (!asWritten && notAsWritten->size() < 100)
                       *notAsWritten << QString::number(record.seq);
                     return hasher->take(record, columns);
                   },
                   failure);
  if (read)
    hasher->finish();
  return read;
}

// The keys that check the chain: for format 2 the verification key and the
// epoch keys it certifies (the journal's own, or those sent beside a
// central chain), the transition and the format the key binds. False with
// the report's failure when no verification key is at hand.
bool takeFormat2Trust(const JournalReader &reader, const QString &journalId, bool bound,
                      const VerifyOptions &options, Trust *trust, Checker &checker,
                      VerifyReport *report) {
  if (!trust->haveVerificationKey) {
    report->failure = Failure(Failure::Kind::CannotOpen, trust->verificationWhy);
    return false;
  }
  if (reader.isLocal()) {
    readEpochKeys(reader.database(), trust, checker);
    checkNamedKey(reader.database(), *trust, checker);
    trust->lastFormat1Seq = 0;
    checkTransition(reader.database(), journalId, trust, checker);
    if (bound)
      holdToTheBoundFormat(reader.format(), trust, checker);
  } else {
    for (const signingkeys::EpochCertificate &certificate : options.epochKeys) {
      if (certificate.certifiedBy(trust->verificationKey))
        trust->epochs.insert(certificate.epoch, certificate);
    }
    trust->lastFormat1Seq = chaincheck::kBySeal;
  }
  return true;
}

// A journal that opened as one (its identity read) whose records cannot be
// read as the journal wrote them is damaged: broken, not unchecked.
void damaged(const JournalReader &reader, FileChecks *files, Checker &checker,
             VerifyReport &report) {
  bool foundDamage = false;
  if (files) {
    files->stop();
    files->joinInto(checker, report, false);
    foundDamage = files->foundDamage();
  } else if (reader.isLocal()) {
    const QStringList damage = integrityProblems(reader.database());
    for (const QString &line : damage)
      checker.problem(
          0,
          QCoreApplication::translate("Verifier", "the journal's file is damaged: %1").arg(line));
    foundDamage = !damage.isEmpty();
  }
  if (!reader.isLocal() || (report.failure.kind() != Failure::Kind::Corrupt && !foundDamage))
    return;
  checker.problem(0, report.failure.text());
  report.outcome = VerifyReport::Outcome::Broken;
}

// The outcome and the lines that say what checked which records.
void conclude(const Checker &checker, const Trust &trust, const VerifyOptions &options,
              VerifyReport &report) {
  if (checker.chain().format1Records() > 0)
    report.checkedWith << QCoreApplication::translate("Verifier", "%1: format 1, with the key %2")
                              .arg(rangeText(report.firstSeq, checker.chain().lastFormat1Seq()),
                                   options.keyPath);
  if (checker.chain().firstFormat2Seq() > 0)
    report.checkedWith << QCoreApplication::translate(
                              "Verifier", "%1: format 2, with the verification key %2 (station %3)")
                              .arg(rangeText(checker.chain().firstFormat2Seq(), report.lastSeq),
                                   trust.verificationKey.fingerprint(),
                                   trust.verificationKey.station);
  std::stable_sort(report.problems.begin(), report.problems.end(),
                   [](const VerifyProblem &a, const VerifyProblem &b) { return a.seq < b.seq; });
  report.outcome = !report.problems.isEmpty() || report.problemsNotListed > 0
                       ? VerifyReport::Outcome::Broken
                   : report.endNotWitnessed.isEmpty() ? VerifyReport::Outcome::Intact
                                                      : VerifyReport::Outcome::EndNotWitnessed;
}

// The chain of the records `reader` gives, and for a local journal its end,
// its text log notes, its epoch keys and its file: the stages wired
// together (the trust, the file checks beside the chain, the record source
// into the hasher into the checker, the end).
// The transactions a source gives, under the check's keys.
void checkTransactionsOf(const TransactionSource &transactionsOf, const Trust &trust,
                         Checker &checker) {
  QList<Transaction> entries;
  transactions::TransactionCheck::RecordLookup records;
  Failure failure;
  if (!transactionsOf(&entries, &records, &failure)) {
    checker.problem(
        0, QCoreApplication::translate("Verifier", "the journal's transactions cannot be read: %1")
               .arg(failure.text()));
    return;
  }
  transactions::TransactionCheck check(
      records, [&trust](const Transaction &entry, const QString &previousMac) {
        return transactions::sealProblem(trust, entry, previousMac);
      });
  for (const Transaction &entry : entries) {
    for (const QString &problem : check.add(entry))
      checker.problem(0, QCoreApplication::translate("Verifier", "transaction %1: %2")
                             .arg(entry.seq)
                             .arg(problem));
  }
}

VerifyReport verifyReader(const JournalReader &reader, const ChainSource *source, Trust trust,
                          const VerifyOptions &options,
                          const TransactionSource &transactionsOf = nullptr) {
  VerifyReport report;
  JournalFilter newer;
  newer.seqFrom = options.afterSeq + 1;
  Checker checker(options, report, trust);
  const qint64 total = reader.count(newer, &report.failure);
  if (total < 0) {
    damaged(reader, nullptr, checker, report);
    return report;
  }
  const QString journalId = reader.isLocal() ? reader.journalId() : QString();
  // A verification key that binds where format 2 begins decides it, not the
  // file's own format marker.
  const bool bound = trust.haveVerificationKey && trust.verificationKey.format2After >= 0;
  const bool format2 = !reader.isLocal() || reader.format() >= 2 || bound;
  if (format2 && !takeFormat2Trust(reader, journalId, bound, options, &trust, checker, &report))
    return report;
  // Format 1's records are checked with its key, or not at all.
  auto noKey = [&] {
    report.failure =
        Failure(Failure::Kind::CannotOpen,
                format2 ? QCoreApplication::translate(
                              "Verifier", "records of format 1 are checked with its key: %1")
                              .arg(trust.keyWhy)
                        : trust.keyWhy);
    return report;
  };
  if (trust.key.isEmpty() && (!format2 || trust.transitionNeedsKey))
    return noKey();
  const HeadSeen head = reader.isLocal() ? readHeadOf(options, trust, journalId) : HeadSeen();
  checker.chain().watch(head.read ? head.head.seq : 0);
  std::optional<FileChecks> files;
  if (reader.isLocal())
    files.emplace(options.journalPath, trust, options, format2);
  ChainHasher hasher(options.afterMac, [&](const JournalRecord &record, const QByteArray &columns,
                                           const QByteArray &hash) {
    checker.record(record, &columns, &hash);
    return !options.progress || report.records % 4096 != 0 ||
           options.progress(report.records, total);
  });
  QStringList notAsWritten;  // seqs of records with a value of the wrong kind
  const bool read =
      readChain(reader, source, options.afterSeq, &hasher, &notAsWritten, &report.failure);
  if (hasher.stopped()) {
    report.failure =
        Failure(Failure::Kind::Cancelled, QCoreApplication::translate("Verifier", "cancelled"));
    return report;
  }
  if (!read) {
    damaged(reader, files ? &*files : nullptr, checker, report);
    return report;
  }
  checker.finish();
  if (checker.chain().neededKey())
    return noKey();
  if (!notAsWritten.isEmpty())
    checkStorageClasses(reader.database(), QStringLiteral("records"), recordColumns(),
                        options.afterSeq, checker, QStringLiteral("seq"),
                        QStringLiteral("seq IN (%1)").arg(notAsWritten.join(u',')));
  if (files) {
    files->joinInto(checker, report, true);
    checkEnd(reader.database(), head, journalId, checker, report);
    checkOtherJournals(options.keyPath, trust, journalId, checker);
  }
  if (transactionsOf)
    checkTransactionsOf(transactionsOf, trust, checker);
  conclude(checker, trust, options, report);
  if (options.progress)
    options.progress(report.records, total);
  return report;
}
}  // namespace

VerifyReport verifyJournal(const VerifyOptions &options) {
  VerifyReport report;
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
          0,
          QCoreApplication::translate("Verifier", "the journal's file is damaged: %1").arg(line)};
    report.outcome = VerifyReport::Outcome::Broken;
    return report;
  }
  return verifyReader(reader, nullptr, trustOf(options), options);
}

VerifyReport verifyStation(const JournalReader &central, const ChainSource &source,
                           const VerifyOptions &options, const TransactionSource &transactionsOf) {
  return verifyReader(central, &source, trustOf(options), options, transactionsOf);
}
