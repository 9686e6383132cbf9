#include "journal/journal.h"

#include "journal/journallog.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "journal/chaincheck.h"
#include "journal/journaldb.h"
#include "journal/recordseal.h"
#include "journal/seals.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlError>
#include <QStorageInfo>
#include <QStringList>

using journalcolumns::Column;
using journalcolumns::Type;

namespace journalschema {

QString recordsTable() {
  QStringList fields;
  for (const Column &column : journalcolumns::columns()) {
    static const char *const kTypes[] = {"INTEGER", "REAL", "TEXT", "BLOB"};
    QString field = column.name + QLatin1Char(' ') + QLatin1String(kTypes[int(column.type)]);
    if (column.name == QLatin1String("seq"))
      field += QStringLiteral(" PRIMARY KEY");
    else if (!column.nullable)
      field += QStringLiteral(" NOT NULL");
    fields << field;
  }
  fields << QStringLiteral("mac TEXT NOT NULL");
  return QStringLiteral("CREATE TABLE IF NOT EXISTS records (%1)").arg(fields.join(", "));
}

QString metaTable() {
  return QStringLiteral(
      "CREATE TABLE IF NOT EXISTS journal_meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)");
}

QString takenAtIndex() {
  return QStringLiteral("CREATE INDEX IF NOT EXISTS records_taken_at ON records (taken_at)");
}

QStringList ledgerTables(const QString &prefix) {
  return {QStringLiteral("CREATE TABLE IF NOT EXISTS %1_shipping (target TEXT PRIMARY KEY, "
                         "acked_seq INTEGER NOT NULL, updated_at TEXT NOT NULL)")
              .arg(prefix),
          QStringLiteral("CREATE TABLE IF NOT EXISTS %1_problems (target TEXT NOT NULL, seq "
                         "INTEGER NOT NULL, problem TEXT NOT NULL, at TEXT NOT NULL)")
              .arg(prefix),
          QStringLiteral("CREATE TABLE IF NOT EXISTS %1_set_aside (target TEXT NOT NULL, seq "
                         "INTEGER NOT NULL, reason TEXT NOT NULL, at TEXT NOT NULL, PRIMARY KEY "
                         "(target, seq))")
              .arg(prefix)};
}

namespace {
// The object a CREATE statement of this program makes, as SQLite keeps it:
// the statement without its IF NOT EXISTS.
SchemaObject objectOf(const QString &statement) {
  static const QRegularExpression form(
      QStringLiteral("^CREATE (TABLE|INDEX) IF NOT EXISTS (\\w+)(?: ON (\\w+))?"));
  const QRegularExpressionMatch match = form.match(statement);
  SchemaObject object;
  object.type = match.captured(1).toLower();
  object.name = match.captured(2);
  object.table = match.captured(3).isEmpty() ? object.name : match.captured(3);
  object.sql = QString(statement).replace(QStringLiteral(" IF NOT EXISTS"), QString());
  return object;
}

SchemaObject autoIndexOf(const QString &table) {
  return {QStringLiteral("index"), QStringLiteral("sqlite_autoindex_%1_1").arg(table), table, {}};
}
}  // namespace

const QList<SchemaObject> &knownObjects() {
  static const QList<SchemaObject> known = [] {
    QList<SchemaObject> objects;
    for (const QString &statement : {metaTable(), recordsTable(), takenAtIndex(), deliveriesTable(),
                                     epochKeysTable(), transitionTable(), transactions::table()})
      objects << objectOf(statement);
    objects << autoIndexOf(QStringLiteral("journal_meta"));
    for (const QString &prefix : {QStringLiteral("central"), QStringLiteral("mqtt")}) {
      for (const QString &statement : ledgerTables(prefix))
        objects << objectOf(statement);
      objects << autoIndexOf(prefix + QStringLiteral("_shipping"))
              << autoIndexOf(prefix + QStringLiteral("_set_aside"));
    }
    return objects;
  }();
  return known;
}

QString deliveriesTable() {
  return QStringLiteral(
      "CREATE TABLE IF NOT EXISTS deliveries (seq INTEGER PRIMARY KEY, text_log_ok INTEGER NOT "
      "NULL, text_log_error TEXT, mac TEXT NOT NULL)");
}

QString epochKeysTable() {
  return QStringLiteral(
      "CREATE TABLE IF NOT EXISTS epoch_keys (epoch INTEGER PRIMARY KEY, starts INTEGER NOT NULL, "
      "ends INTEGER NOT NULL, public_key TEXT NOT NULL, certificate TEXT NOT NULL)");
}

QString transitionTable() {
  return QStringLiteral(
      "CREATE TABLE IF NOT EXISTS format_transition (after_seq INTEGER PRIMARY KEY, "
      "verification_key TEXT NOT NULL, mac TEXT NOT NULL)");
}

QByteArray transitionBytes(const QString &journalId, qint64 afterSeq, const QString &lastMac,
                           const QByteArray &verificationKey) {
  return "transition to format 2\n" + journalId.toLatin1() + '\n' + QByteArray::number(afterSeq) +
         '\n' + lastMac.toLatin1() + '\n' + verificationKey;
}

QString columnList() {
  QStringList names;
  for (const Column &column : journalcolumns::columns())
    names << column.name;
  names << QStringLiteral("mac");
  return names.join(", ");
}

namespace {
template <typename Row>
JournalRecord recordOf(const Row &row) {
  JournalRecord record;
  const auto &table = journalcolumns::columns();
  for (size_t i = 0; i < table.size(); ++i)
    table[i].set(record, row.value(int(i)));
  record.mac = row.value(int(table.size())).toString();
  return record;
}
}  // namespace

JournalRecord readRecord(const QSqlQuery &query) {
  return recordOf(query);
}

JournalRecord readRecord(const QSqlRecord &row) {
  return recordOf(row);
}

}  // namespace journalschema

RecordJournal::RecordJournal(const QString &journalPath, const QString &keyPath,
                             const QString &connectionName)
    : path_(journalPath),
      keyPath_(keyPath),
      connectionName_(connectionName),
      clock_(defaultClock()) {}

std::function<qint64()> &RecordJournal::defaultClock() {
  static std::function<qint64()> clock = [] { return QDateTime::currentSecsSinceEpoch(); };
  return clock;
}

RecordJournal::~RecordJournal() {
  closeConnection();
}

void RecordJournal::closeConnection() {
  insert_ = QSqlQuery();
  lastRecord_ = QSqlQuery();
  readBack_ = QSqlQuery();
  journaldb::close(&db_);
  open_ = false;
}

bool RecordJournal::fail(const QString &what, const QSqlQuery &query, Failure *failure,
                         qint64 seq) {
  *failure = Failure::ofSql(what, query.lastError(), Failure::Kind::Io, seq);
  return false;
}

bool RecordJournal::open(Failure *failure) {
  if (open_)
    return true;
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "cannot make the journal's folder %1")
                           .arg(QFileInfo(path_).absolutePath()));
    return false;
  }
  // Nothing is made where a journal of this key went missing.
  const QFileInfo file(path_);
  if (!file.exists() &&
      !refuseAnotherStart(QCoreApplication::translate("Journal", "is missing"), QString(), failure))
    return false;
  if (file.exists() && file.size() == 0 &&
      !refuseAnotherStart(QCoreApplication::translate("Journal", "is empty"), QString(), failure))
    return false;
  if (!journaldb::openForWriting(&db_, path_, connectionName_, failure))
    return false;
  QSqlQuery tables(db_);
  if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !tables.next())
    return fail(QCoreApplication::translate("Journal", "cannot read the journal %1").arg(path_),
                tables, failure);
  const bool fresh = tables.value(0).toInt() == 0;
  tables.finish();  // an unfinished statement would hold its snapshot open through the check
  if (fresh &&
      !refuseAnotherStart(QCoreApplication::translate("Journal", "is empty"), QString(), failure))
    return false;
  // New signing keys only for a new journal or one of format 1 that goes
  // on in format 2: the records of a journal of format 2 could not be
  // checked with others.
  if (fresh && (!loadSigningKeys(true, failure) || !createSchema(failure)))
    return false;
  if (!readIdentity(failure) ||
      !refuseAnotherStart(
          QCoreApplication::translate("Journal", "is another journal (%1)").arg(journalId_),
          journalId_, failure))
    return false;
  // Format 1's key checks the journal's end while format-1 records or its
  // head end it.
  key_.clear();
  if (QFileInfo::exists(keyPath_) || format_ == 1) {
    if (Failure unread; !journalfiles::loadKey(keyPath_, false, &key_, &unread)) {
      *failure = Failure(Failure::Kind::CannotOpen, unread.reason());
      return false;
    }
  }
  if (!fresh && !loadSigningKeys(format_ == 1, failure))
    return false;
  if (!head_.open(journalfiles::headPathFor(keyPath_, journalId_), failure))
    return false;
  // Under the writers' lock: another monitor's commit and its head's advance
  // are then either both seen or neither.
  head_.lock();
  const bool checked = checkEnd(failure) && (format_ == 2 || continueInFormat2(failure));
  head_.unlock();
  if (!checked)
    return false;
  if (!takeEpochInForce(failure) || !prepareStatements(failure))
    return false;
  open_ = true;
  noteAnUnnotedEnd();
  return true;
}

// A monitor that stopped between a record and its text log's note left
// the note due: it is written at the next start, saying that the outcome
// is not known, so that a note missing anywhere else is a change.
void RecordJournal::noteAnUnnotedEnd() {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT %1 FROM records WHERE seq = (SELECT max(seq) FROM "
                                 "records) AND text_log_file IS NOT NULL AND seq NOT IN (SELECT "
                                 "seq FROM deliveries)")
                      .arg(journalschema::columnList())) ||
      !query.next())
    return;
  const JournalRecord last = journalschema::readRecord(query);
  query.finish();
  Failure failure;
  if (recordseal::isPublic(last.mac) &&
      !noteTextLog(last, false,
                   // Sealed into the note: a value, in the journal's own words.
                   QStringLiteral("not known: the monitor stopped before it was noted"), &failure))
    qCWarning(journalLog, "%s", qPrintable(failure.text()));
}

// A key seals one chain of records. When its heads witness records of a
// journal other than `journalId` (none: the one at the path is missing or
// empty), starting or continuing here would begin a second chain under it
// and reuse its seqs: refused, until a person retires the old journal with
// `weighstation-records new-journal`.
bool RecordJournal::refuseAnotherStart(const QString &state, const QString &journalId,
                                       Failure *failure) {
  const QList<journalfiles::FoundHead> heads = journalfiles::headsOfTheKey(keyPath_);
  const journalfiles::FoundHead *other = journalfiles::otherJournal(heads, journalId);
  if (!other)
    return true;
  *failure = Failure(Failure::Kind::Refused,
                     QCoreApplication::translate(
                         "Journal", "the journal %1 %2; its key sealed %3 records of journal %4")
                         .arg(path_, state)
                         .arg(other->head.seq)
                         .arg(other->head.journalId));
  return false;
}

bool RecordJournal::createSchema(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
    return fail(QCoreApplication::translate("Journal", "cannot lock the journal"), query, failure);
  auto rollback = qScopeGuard([&] { QSqlQuery(db_).exec(QStringLiteral("ROLLBACK")); });
  const QString newId = QString::fromLatin1(
      QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0') +
      QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0'));
  for (const QString &statement :
       {journalschema::metaTable(), journalschema::recordsTable(), journalschema::deliveriesTable(),
        journalschema::epochKeysTable(), journalschema::transitionTable(),
        journalschema::takenAtIndex(),
        QStringLiteral("INSERT OR IGNORE INTO journal_meta VALUES ('format', '%1')").arg(kFormat),
        QStringLiteral("INSERT OR IGNORE INTO journal_meta VALUES ('id', '%1')").arg(newId),
        QStringLiteral("INSERT OR IGNORE INTO journal_meta VALUES ('verification_key', '%1')")
            .arg(QString::fromUtf8(keys_.verificationKey().fileText()))}) {
    if (!query.exec(statement))
      return fail(QCoreApplication::translate("Journal", "cannot set the journal up"), query,
                  failure);
  }
  rollback.dismiss();
  if (!query.exec(QStringLiteral("COMMIT")))
    return fail(QCoreApplication::translate("Journal", "cannot set the journal up"), query,
                failure);
  return true;
}

// An existing journal is only read here: nothing of it is changed before
// it has passed its check.
bool RecordJournal::readIdentity(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT name, value FROM journal_meta")))
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's identity"), query,
                failure);
  QString format;
  while (query.next()) {
    if (query.value(0).toString() == QLatin1String("format"))
      format = query.value(1).toString();
    if (query.value(0).toString() == QLatin1String("id"))
      journalId_ = query.value(1).toString();
  }
  if (format != QLatin1String("1") && format != QString::number(kFormat)) {
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Journal", "the journal %1 has format '%2', not 1 or %3")
            .arg(path_, format)
            .arg(kFormat));
    return false;
  }
  format_ = format.toInt();
  return true;
}

bool RecordJournal::loadSigningKeys(bool commission, Failure *failure) {
  const QString signingPath = signingkeys::signingPathFor(keyPath_);
  Failure why;
  // A journal of format 1 goes on in format 2 after its last record: the
  // root signs that seq into the verification key.
  qint64 format2After = 0;
  if (commission && format_ == 1) {
    QSqlQuery last(db_);
    if (!last.exec(QStringLiteral("SELECT coalesce(max(seq), 0) FROM records")) || !last.next())
      return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), last,
                  failure);
    format2After = last.value(0).toLongLong();
  }
  if (commission && !QFileInfo::exists(signingPath) &&
      !signingkeys::SigningKeys::commission(
          signingPath, signingkeys::verificationKeyPathFor(keyPath_), journalfiles::stationName(),
          signingkeys::SigningKeys::boundaryBefore(clock_(), signingkeys::epochSecondsSetting()),
          signingkeys::epochSecondsSetting(), &why, format2After)) {
    *failure = Failure(Failure::Kind::CannotOpen, why.reason());
    return false;
  }
  if (!keys_.load(signingPath, &why)) {
    *failure = Failure(Failure::Kind::CannotOpen, why.reason());
    return false;
  }
  return true;
}

// A journal of format 1 goes on in format 2: a transition sealed under its
// old key names the last record of format 1 and carries the verification
// key that checks every record after it.
bool RecordJournal::continueInFormat2(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
    return fail(QCoreApplication::translate("Journal", "cannot lock the journal"), query, failure);
  auto rollback = qScopeGuard([&] { QSqlQuery(db_).exec(QStringLiteral("ROLLBACK")); });
  if (!query.exec(QStringLiteral("SELECT seq, mac FROM records ORDER BY seq DESC LIMIT 1")))
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), query,
                failure);
  const qint64 lastSeq = query.next() ? query.value(0).toLongLong() : 0;
  const QString lastMac = lastSeq > 0 ? query.value(1).toString() : QString();
  query.finish();
  // The verification key as commissioned, with the seq its root bound.
  signingkeys::VerificationKey commissioned;
  Failure unread;
  if (!signingkeys::readVerificationKey(signingkeys::verificationKeyPathFor(keyPath_),
                                        &commissioned, &unread) ||
      !(commissioned == keys_.verificationKey()))
    commissioned = keys_.verificationKey();
  const QByteArray verificationKey = commissioned.fileText();
  if (commissioned.format2After >= 0 && commissioned.format2After != lastSeq) {
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Journal",
                                    "the journal %1 ends at seq %2, but its verification key "
                                    "was made for format 2 after seq %3 (another monitor wrote "
                                    "on): start the monitor again")
            .arg(path_)
            .arg(lastSeq)
            .arg(commissioned.format2After));
    return false;
  }
  for (const QString &statement :
       {journalschema::epochKeysTable(), journalschema::transitionTable(),
        QStringLiteral("UPDATE journal_meta SET value = '%1' WHERE name = 'format'").arg(kFormat),
        QStringLiteral("INSERT OR REPLACE INTO journal_meta VALUES ('verification_key', '%1')")
            .arg(QString::fromUtf8(verificationKey))}) {
    if (!query.exec(statement))
      return fail(QCoreApplication::translate("Journal", "cannot continue the journal in format 2"),
                  query, failure);
  }
  if (!query.prepare(QStringLiteral("INSERT INTO format_transition VALUES (?, ?, ?)")))
    return fail(QCoreApplication::translate("Journal", "cannot continue the journal in format 2"),
                query, failure);
  query.addBindValue(lastSeq);
  query.addBindValue(QString::fromUtf8(verificationKey));
  query.addBindValue(journalfiles::sealOf(
      key_, journalschema::transitionBytes(journalId_, lastSeq, lastMac, verificationKey)));
  if (!query.exec())
    return fail(QCoreApplication::translate("Journal", "cannot continue the journal in format 2"),
                query, failure);
  rollback.dismiss();
  if (!query.exec(QStringLiteral("COMMIT")))
    return fail(QCoreApplication::translate("Journal", "cannot continue the journal in format 2"),
                query, failure);
  format_ = kFormat;
  qCInfo(journalLog, "%s goes on in format 2 after seq %lld, verification key %s",
         qPrintable(path_), static_cast<long long>(lastSeq),
         qPrintable(keys_.verificationKey().fingerprint()));
  return true;
}

Failure RecordJournal::cannotSign(qint64 epoch, qint64 seq) const {
  const QString signingPath = signingkeys::signingPathFor(keyPath_);
  if (keys_.hasSecret(epoch) && !keys_.isCertified(epoch))
    return Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate(
            "Journal", "the signing keys %1 are damaged: epoch %2 is not certified by its root")
            .arg(signingPath)
            .arg(epoch),
        seq);
  return Failure(
      Failure::Kind::Refused,
      QCoreApplication::translate("Journal", "the signing secret of epoch %1 is not in %2")
          .arg(epoch)
          .arg(signingPath),
      seq);
}

void RecordJournal::erasePastEpochs(qint64 epoch) {
  qint64 erased = 0;
  Failure why;
  if (!keys_.erasePast(epoch, &erased, &why))
    qCWarning(journalLog, "%s", qPrintable(why.text()));
  else if (erased > 0)
    qCInfo(journalLog, "erased the signing secrets of %lld past epochs (before epoch %lld)",
           static_cast<long long>(erased), static_cast<long long>(epoch));
}

// Before its run of epoch keys ends, the station certifies the next run
// (signingkeys.h), under the writers' lock: a writer in another process
// finds it in the signing file and reads it from there.
void RecordJournal::continueTheRun() {
  if (!keys_.loaded())
    return;
  const signingkeys::EpochCertificate &last = keys_.certificate(keys_.epochs() - 1);
  const qint64 soon = signingkeys::runEndWarningSeconds(last.ends - last.starts);
  if (!keys_.runEndsWithin(clock_(), soon))
    return;
  const QString signingPath = signingkeys::signingPathFor(keyPath_);
  Failure why;
  if (!keys_.load(signingPath, &why) ||
      (keys_.runEndsWithin(clock_(), soon) && !keys_.extend(&why))) {
    qCWarning(journalLog, "%s", qPrintable(why.text()));
    return;
  }
  qCInfo(
      journalLog, "the signing keys %s go on until %s", qPrintable(signingPath),
      qPrintable(QDateTime::fromSecsSinceEpoch(keys_.certificate(keys_.epochs() - 1).ends, Qt::UTC)
                     .toString(Qt::ISODate)));
}

void RecordJournal::evolve() {
  if (!open_)
    return;
  head_.lock();
  continueTheRun();
  head_.unlock();
  const qint64 now = keys_.epochAt(clock_());
  if (!signingkeys::clockJump(keys_, epochInForce_, now).isEmpty())
    return;
  if (now > epochInForce_ && now < keys_.epochs()) {
    epochInForce_ = now;
    erasePastEpochs(now);
  } else if (now >= keys_.epochs() && keys_.firstKeptEpoch() < keys_.epochs()) {
    // Past the run's last epoch: its secret goes when it ends, like any.
    erasePastEpochs(keys_.epochs());
  }
}

// The journal's own check at open, to the rule of a valid journal
// (chaincheck.h): its head signed under its keys, and its records from the
// one before the head's on a chain that ends where the head says.
bool RecordJournal::checkEnd(Failure *failure) {
  auto broken = [&](const QString &why, qint64 seq = 0) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        QCoreApplication::translate("Journal", "the journal %1 fails its check: ").arg(path_) + why,
        seq);
    return false;
  };
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT MAX(seq) FROM records")) || !query.next())
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), query,
                failure);
  const qint64 lastSeq = query.value(0).toLongLong();
  const chaincheck::Keys keys = chaincheck::Keys::of(key_, keys_);
  journalfiles::Head head;
  Failure unread;
  const QString headPath = journalfiles::headPathFor(keyPath_, journalId_);
  bool headRead = journalfiles::readHead(headPath, key_, &head, &unread);
  QString why = unread.reason();
  if (headRead && !keys.headSigned(head)) {
    why = QCoreApplication::translate("Journal", "the head %1 is not signed by its epoch's key")
              .arg(headPath);
    headRead = false;
  }
  if (!headRead) {
    const bool noHead = QFileInfo(headPath).size() == 0;
    if (lastSeq == 0 && noHead)
      return true;  // a new journal: nothing to witness yet
    return broken(
        noHead
            ? QCoreApplication::translate("Journal", "no head witnesses its end (%1)").arg(headPath)
            : why);
  }
  const qint64 anchor = qMax<qint64>(0, qMin(head.seq, lastSeq) - 1);
  QString anchorMac;
  if (anchor > 0 &&
      (!query.exec(QStringLiteral("SELECT mac FROM records WHERE seq = %1").arg(anchor)) ||
       !query.next()))
    return broken(QCoreApplication::translate("Verifier", "seq %1: missing").arg(anchor), anchor);
  if (anchor > 0)
    anchorMac = query.value(0).toString();
  if (!query.exec(QStringLiteral("SELECT %1 FROM records WHERE seq > %2 ORDER BY seq")
                      .arg(journalschema::columnList())
                      .arg(anchor)))
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), query,
                failure);
  chaincheck::ChainCheck chain(keys, anchor, anchorMac);
  chain.watch(head.seq);
  QList<chaincheck::Problem> problems;
  while (query.next())
    problems << chain.add(journalschema::readRecord(query));
  problems << chain.end(head, journalId_, headPath);
  if (chain.neededKey())
    return broken(QCoreApplication::translate("Journal", "its records of format 1 need its key"));
  for (const chaincheck::Problem &problem : problems) {
    if (!problem.outsideItsEpoch)
      return broken(problem.text, problem.seq);
  }
  QList<chaincheck::Problem> notes;
  if (!readNotesEnd(head, &notes, failure))
    return false;
  if (!notes.isEmpty())
    return broken(notes.first().text, notes.first().seq);
  lastHead_ = head;
  return true;
}

// The last text log note, which the next head witnesses: read under the
// writers' lock, it is the last of any writer of the journal.
bool RecordJournal::readLastNote(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT seq, mac FROM deliveries ORDER BY seq DESC LIMIT 1")))
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), query,
                failure);
  // A head witnesses notes of format 2 (a format-1 note is checked with the
  // key alone).
  const bool public2 = query.next() && recordseal::isPublic(query.value(1).toString());
  lastNoteSeq_ = public2 ? query.value(0).toLongLong() : 0;
  lastNoteMac_ = public2 ? query.value(1).toString() : QString();
  query.finish();
  // The weighing desk's table is made with its first transaction.
  lastTransactionSeq_ = 0;
  lastTransactionMac_.clear();
  if (!query.exec(QStringLiteral(
          "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'transactions'")) ||
      !query.next())
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), query,
                failure);
  if (query.value(0).toInt() == 0)
    return true;
  query.finish();
  if (!query.exec(QStringLiteral("SELECT seq, mac FROM transactions ORDER BY seq DESC LIMIT 1")))
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's end"), query,
                failure);
  if (query.next()) {
    lastTransactionSeq_ = query.value(0).toLongLong();
    lastTransactionMac_ = query.value(1).toString();
  }
  return true;
}

// The last text log note, which the next head witnesses, and the note
// `head` witnessed against the one the journal holds.
bool RecordJournal::readNotesEnd(const journalfiles::Head &head,
                                 QList<chaincheck::Problem> *problems, Failure *failure) {
  if (!readLastNote(failure))
    return false;
  QSqlQuery query(db_);
  const bool held =
      head.noteSeq > 0 &&
      query.exec(QStringLiteral("SELECT mac FROM deliveries WHERE seq = %1").arg(head.noteSeq)) &&
      query.next();
  *problems = chaincheck::noteWitnessed(head, held, held ? query.value(0).toString() : QString());
  const bool transactionHeld =
      head.transactionSeq > 0 &&
      query.exec(
          QStringLiteral("SELECT mac FROM transactions WHERE seq = %1").arg(head.transactionSeq)) &&
      query.next();
  *problems << chaincheck::transactionWitnessed(
      head, transactionHeld, transactionHeld ? query.value(0).toString() : QString());
  return true;
}

// The journal's latest epoch, past epochs' secrets erased, and the epoch in
// force.
bool RecordJournal::takeEpochInForce(Failure *failure) {
  QSqlQuery epochs(db_);
  if (!epochs.exec(QStringLiteral("SELECT coalesce(max(epoch), -1) FROM epoch_keys")) ||
      !epochs.next())
    return fail(QCoreApplication::translate("Journal", "cannot read the journal's epoch keys"),
                epochs, failure);
  epochInJournal_ = epochs.value(0).toLongLong();
  epochs.finish();
  // A clock far ahead of the keys' last use erases nothing: sealing is
  // refused in its epochs until a person confirms the time.
  if (signingkeys::clockJump(keys_, keys_.firstKeptEpoch(), keys_.epochAt(clock_())).isEmpty())
    erasePastEpochs(qMin(keys_.epochAt(clock_()), keys_.epochs() - 1));
  // The epoch in force is the latest the journal or the erased secrets
  // show: a clock set back never brings an earlier one back.
  epochInForce_ = qMax(epochInJournal_, qMin(keys_.firstKeptEpoch(), keys_.epochs() - 1));
  return true;
}

bool RecordJournal::prepareStatements(Failure *failure) {
  insert_ = QSqlQuery(db_);
  lastRecord_ = QSqlQuery(db_);
  readBack_ = QSqlQuery(db_);
  QStringList marks;
  for (size_t i = 0; i <= journalcolumns::columns().size(); ++i)
    marks << QStringLiteral("?");
  if (!insert_.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (%2)")
                           .arg(journalschema::columnList(), marks.join(", "))))
    return fail(QCoreApplication::translate("Journal", "cannot prepare the journal's insert"),
                insert_, failure);
  if (!lastRecord_.prepare(
          QStringLiteral("SELECT seq, mac FROM records ORDER BY seq DESC LIMIT 1")) ||
      !readBack_.prepare(
          QStringLiteral("SELECT %1 FROM records WHERE seq = ?").arg(journalschema::columnList())))
    return fail(QCoreApplication::translate("Journal", "cannot prepare the journal's reads"),
                lastRecord_, failure);
  return true;
}

// The epoch that seals `record`: the epoch of its time, or the one in force
// when the clock went back (the epoch in force never goes back). A refusal
// when the clock jumped far ahead or the keys' run is over.
Failure RecordJournal::sealingEpoch(const JournalRecord &record, qint64 *epoch,
                                    qint64 *takenAt) const {
  *takenAt = 0;
  *epoch = qMax(qMax<qint64>(epochInForce_, 0),
                recordseal::secondsOf(record.takenAt, takenAt) ? keys_.epochAt(*takenAt) : 0);
  if (const QString jumped = signingkeys::clockJump(keys_, epochInForce_, *epoch);
      !jumped.isEmpty())
    return Failure(Failure::Kind::Refused, jumped);
  if (*epoch >= keys_.epochs())
    return Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Journal",
                                    "the station's signing keys ended on %1: the journal needs "
                                    "new keys (weighstation-records new-journal)")
            .arg(QDateTime::fromSecsSinceEpoch(keys_.certificate(keys_.epochs() - 1).ends, Qt::UTC)
                     .toString(Qt::ISODate)));
  return Failure();
}

// The epoch's certificate goes into the journal with its first record.
bool RecordJournal::noteEpochKey(qint64 epoch, Failure *failure) {
  if (epoch <= epochInJournal_)
    return true;
  const signingkeys::EpochCertificate &certificate = keys_.certificate(epoch);
  QSqlQuery query(db_);
  if (!query.prepare(QStringLiteral("INSERT OR IGNORE INTO epoch_keys VALUES (?, ?, ?, ?, ?)")))
    return fail(QCoreApplication::translate("Journal", "cannot write the epoch's key"), query,
                failure);
  query.addBindValue(certificate.epoch);
  query.addBindValue(certificate.starts);
  query.addBindValue(certificate.ends);
  query.addBindValue(QString::fromLatin1(certificate.publicKey.toHex()));
  query.addBindValue(QString::fromLatin1(certificate.certificateText()));
  if (!query.exec())
    return fail(QCoreApplication::translate("Journal", "cannot write the epoch's key"), query,
                failure);
  return true;
}

journalfiles::Head RecordJournal::headOf(const JournalRecord &record) const {
  journalfiles::Head head;
  head.journalId = journalId_;
  head.seq = record.seq;
  head.mac = record.mac;
  head.format = 2;
  head.noteSeq = lastNoteSeq_;
  head.noteMac = lastNoteMac_;
  head.transactionSeq = lastTransactionSeq_;
  head.transactionMac = lastTransactionMac_;
  signHead(&head);
  return head;
}

void RecordJournal::signHead(journalfiles::Head *head) const {
  const qint64 epoch = chaincheck::signingEpochOf(*head);
  if (epoch < 0 || epoch >= keys_.epochs())
    return;  // unsigned: refused where it is read
  head->signature = keys_.sign(epoch, recordseal::headMessage(*head));
  head->certificate = keys_.certificate(epoch);
}

// Seals and commits to the rule of a valid journal (chaincheck.h): the next seq, chained on the
// last seal, in the epoch in force, the head advanced under the writers' lock.
qint64 RecordJournal::append(JournalRecord &record, Failure *failure) {
  if (!open(failure))
    return 0;
  head_.lock();
  auto unlock = qScopeGuard([this] { head_.unlock(); });
  continueTheRun();
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    fail(QCoreApplication::translate("Journal", "cannot lock the journal"), query, failure);
    return 0;
  }
  // Nothing of the record stays: the transaction is rolled back.
  auto refuse = [&](const Failure &why) {
    *failure = why;
    rollback();
    record.seq = 0;
    return 0;
  };
  QString previousMac;
  if (!lastRecord_.exec())
    return refuse(
        Failure::ofSql(QCoreApplication::translate("Journal", "cannot read the journal's end"),
                       lastRecord_.lastError()));
  record.seq = 1;
  if (lastRecord_.next()) {
    record.seq = lastRecord_.value(0).toLongLong() + 1;
    previousMac = lastRecord_.value(1).toString();
  }
  lastRecord_.finish();
  if (Failure unread; !readLastNote(&unread))
    return refuse(unread);
  qint64 epoch = 0, takenAt = 0;
  if (const Failure refusal = sealingEpoch(record, &epoch, &takenAt); refusal.failed())
    return refuse(refusal);
  if (Failure unwritten; !noteEpochKey(epoch, &unwritten))
    return refuse(unwritten);
  record.mac = recordseal::sealRecord(keys_, epoch, record, previousMac);
  if (record.mac.isEmpty())
    return refuse(cannotSign(epoch, 0));
  const journalfiles::Head head = headOf(record);
  if (!commit(record, previousMac, failure)) {
    rollback();
    record.seq = 0;
    return 0;
  }
  // Committed: whatever fails from here on, the record is in the journal
  // under its seq, and the caller is told both.
  Failure headNotWritten;
  const bool headAdvanced = head_.advance(key_, head, &headNotWritten);
  lastHead_ = head;
  epochInJournal_ = qMax(epochInJournal_, epoch);
  if (epoch > epochInForce_) {
    epochInForce_ = epoch;
    erasePastEpochs(epoch);
  }
  if (takenAt < keys_.certificate(epoch).starts - signingkeys::kEpochSlackSeconds &&
      !failure->failed())
    *failure = datedBeforeItsEpoch(record, epoch);
  if (!headAdvanced && !failure->failed())
    *failure =
        Failure(Failure::Kind::Io,
                QCoreApplication::translate("Journal", "its head was not advanced to seq %1: %2")
                    .arg(record.seq)
                    .arg(headNotWritten.reason()),
                record.seq);
  return record.seq;
}

// Taken all the same: the journal's check reports it.
Failure RecordJournal::datedBeforeItsEpoch(const JournalRecord &record, qint64 epoch) {
  return Failure(
      Failure::Kind::Corrupt,
      QCoreApplication::translate("Journal",
                                  "it is dated %1, before its sealing epoch %2 began (the "
                                  "station's clock went back): the journal's check reports it")
          .arg(record.takenAt)
          .arg(epoch),
      record.seq);
}

// The row is read back inside its transaction: a record that reads back
// other than it was written is still committed (it was taken), and
// `failure` says so.
bool RecordJournal::commit(JournalRecord &record, const QString &previousMac, Failure *failure) {
  const auto &table = journalcolumns::columns();
  for (size_t i = 0; i < table.size(); ++i)
    insert_.bindValue(int(i), table[i].get(record));
  insert_.bindValue(int(table.size()), record.mac);
  if (!insert_.exec())
    return fail(QCoreApplication::translate("Journal", "cannot write the record"), insert_,
                failure);
  Failure readBackFailure;
  readBack(record, previousMac, &readBackFailure);
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("COMMIT")))
    return fail(QCoreApplication::translate("Journal", "cannot commit the record"), query, failure);
  *failure = readBackFailure;
  return true;
}

// What is committed is what was meant: the row, read back, has the same
// canonical bytes and mac.
bool RecordJournal::readBack(const JournalRecord &record, const QString &previousMac,
                             Failure *failure) {
  readBack_.bindValue(0, record.seq);
  if (!readBack_.exec() || !readBack_.next()) {
    return fail(QCoreApplication::translate("Journal", "cannot read seq %1 back").arg(record.seq),
                readBack_, failure, record.seq);
  }
  const JournalRecord stored = journalschema::readRecord(readBack_);
  readBack_.finish();
  if (stored.mac != record.mac || journalcolumns::canonicalBytes(stored, previousMac) !=
                                      journalcolumns::canonicalBytes(record, previousMac)) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        QCoreApplication::translate("Journal", "seq %1 read back differs from what was written")
            .arg(record.seq),
        record.seq);
    return false;
  }
  return true;
}

bool RecordJournal::noteTextLog(const JournalRecord &record, bool written,
                                const QString &textLogFailure, Failure *failure) {
  if (!open_) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Journal", "the journal is not open"));
    return false;
  }
  // Synced as a record is, under the writers' lock: the head witnesses it
  // next, and a head never witnesses what a crash could still take back.
  head_.lock();
  auto unlock = qScopeGuard([this] { head_.unlock(); });
  QSqlQuery query(db_);
  if (!query.prepare(QStringLiteral("INSERT INTO deliveries VALUES (?, ?, ?, ?)")))
    return fail(QCoreApplication::translate("Journal", "cannot note the text log"), query, failure,
                record.seq);
  query.addBindValue(record.seq);
  query.addBindValue(written ? 1 : 0);
  query.addBindValue(written ? QVariant() : QVariant(textLogFailure));
  QSqlQuery last(db_);
  recordseal::Seal seal;
  if (!last.exec(QStringLiteral("SELECT mac FROM deliveries ORDER BY seq DESC LIMIT 1")) ||
      !recordseal::parse(record.mac, &seal))
    return fail(QCoreApplication::translate("Journal", "cannot note the text log"), last, failure,
                record.seq);
  const QString previousNote = last.next() ? last.value(0).toString() : QString();
  last.finish();
  // Sealed in the record's epoch, or the one in force when the note comes
  // later (noted at the next start).
  seal.epoch = qMax(seal.epoch, epochInForce_);
  seal.hash = recordseal::noteHash(record.seq, written, written ? QString() : textLogFailure,
                                   record.mac, previousNote);
  seal.signature = keys_.sign(seal.epoch, recordseal::noteMessage(seal.hash));
  if (seal.signature.isEmpty()) {
    *failure = cannotSign(seal.epoch, record.seq);
    return false;
  }
  query.addBindValue(recordseal::text(seal));
  if (!query.exec())
    return fail(QCoreApplication::translate("Journal", "cannot note the text log"), query, failure,
                record.seq);
  lastNoteSeq_ = record.seq;
  lastNoteMac_ = recordseal::text(seal);
  if (lastHead_.format != 2 || lastHead_.seq != record.seq)
    return true;
  journalfiles::Head head = lastHead_;
  head.noteSeq = lastNoteSeq_;
  head.noteMac = lastNoteMac_;
  head.transactionSeq = lastTransactionSeq_;
  head.transactionMac = lastTransactionMac_;
  signHead(&head);
  if (!head_.advance(key_, head, failure))
    return false;
  lastHead_ = head;
  return true;
}

qint64 RecordJournal::bytesFree() const {
  const QStorageInfo storage(QFileInfo(path_).absolutePath());
  return storage.isValid() ? storage.bytesAvailable() : -1;
}

// After a failed statement inside a transaction. SQLite may have rolled it
// back itself (a full disk, an I/O error); when the rollback fails too the
// connection is in doubt: it is closed, and the next record opens the
// journal anew, through its check.
void RecordJournal::rollback() {
  QSqlQuery query(db_);
  if (query.exec(QStringLiteral("ROLLBACK")))
    return;
  qCDebug(journalLog, "closed after a failed rollback: %s",
          qPrintable(journaldb::reason(query.lastError())));
  query = QSqlQuery();
  closeConnection();
}

void RecordJournal::checkpoint() {
  if (!open_)
    return;
  QSqlQuery query(db_);
  // Only folds the log in: a failure loses nothing, and is said.
  if (!query.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"))) {
    qCDebug(journalLog, "cannot fold the log in: %s",
            qPrintable(journaldb::reason(query.lastError())));
    return;
  }
  // The first write after a fold starts the log anew, which syncs the log's
  // header before its frames: a write that changes nothing (the header's
  // user version, rewritten as it is) pays for that now, between records,
  // so that the next record's commit is one sync of its own pages.
  if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
    qCDebug(journalLog, "cannot read the user version: %s",
            qPrintable(journaldb::reason(query.lastError())));
    return;
  }
  const qint64 version = query.value(0).toLongLong();
  query.finish();
  if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)))
    qCDebug(journalLog, "cannot start the log anew: %s",
            qPrintable(journaldb::reason(query.lastError())));
}
