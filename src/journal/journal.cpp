#include "journal/journal.h"

#include "journal/journaldb.h"

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

QString deliveriesTable() {
  return QStringLiteral(
      "CREATE TABLE IF NOT EXISTS deliveries (seq INTEGER PRIMARY KEY, text_log_ok INTEGER NOT "
      "NULL, text_log_error TEXT, mac TEXT NOT NULL)");
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
    : path_(journalPath), keyPath_(keyPath), connectionName_(connectionName) {}

RecordJournal::~RecordJournal() {
  insert_ = QSqlQuery();
  journaldb::close(&db_);
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
    *failure = Failure(
        Failure::Kind::CannotOpen,
        QStringLiteral("cannot make the journal's folder %1").arg(QFileInfo(path_).absolutePath()));
    return false;
  }
  // Nothing is made where a journal of this key went missing.
  const QFileInfo file(path_);
  if (!file.exists() && !refuseAnotherStart(QStringLiteral("is missing"), QString(), failure))
    return false;
  if (file.exists() && file.size() == 0 &&
      !refuseAnotherStart(QStringLiteral("is empty"), QString(), failure))
    return false;
  QString why;
  if (!journaldb::openForWriting(&db_, path_, connectionName_, &why)) {
    *failure = Failure(Failure::Kind::CannotOpen, why);
    return false;
  }
  QSqlQuery tables(db_);
  if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !tables.next())
    return fail(QStringLiteral("cannot read the journal %1").arg(path_), tables, failure);
  const bool fresh = tables.value(0).toInt() == 0;
  tables.finish();  // an unfinished statement would hold its snapshot open through the check
  if (fresh && !refuseAnotherStart(QStringLiteral("is empty"), QString(), failure))
    return false;
  // A new key only for a new journal: the records of an existing one could
  // not be checked with it.
  if (!journalfiles::loadKey(keyPath_, fresh, &key_, &why)) {
    *failure = Failure(Failure::Kind::CannotOpen, why);
    return false;
  }
  if ((fresh && !createSchema(failure)) || !readIdentity(failure) ||
      !refuseAnotherStart(QStringLiteral("is another journal (%1)").arg(journalId_), journalId_,
                          failure))
    return false;
  if (!head_.open(journalfiles::headPathFor(keyPath_, journalId_), &why)) {
    *failure = Failure(Failure::Kind::CannotOpen, why);
    return false;
  }
  // Under the writers' lock: another monitor's commit and its head's advance
  // are then either both seen or neither.
  head_.lock();
  const bool checked = checkEnd(failure);
  head_.unlock();
  if (!checked)
    return false;
  insert_ = QSqlQuery(db_);
  QStringList marks;
  for (size_t i = 0; i <= journalcolumns::columns().size(); ++i)
    marks << QStringLiteral("?");
  if (!insert_.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (%2)")
                           .arg(journalschema::columnList(), marks.join(", "))))
    return fail(QStringLiteral("cannot prepare the journal's insert"), insert_, failure);
  open_ = true;
  return true;
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
                     QStringLiteral("the journal %1 %2; its key sealed %3 records of journal %4")
                         .arg(path_, state)
                         .arg(other->head.seq)
                         .arg(other->head.journalId));
  return false;
}

bool RecordJournal::createSchema(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
    return fail(QStringLiteral("cannot lock the journal"), query, failure);
  auto rollback = qScopeGuard([&] { QSqlQuery(db_).exec(QStringLiteral("ROLLBACK")); });
  const QString newId = QString::fromLatin1(
      QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0') +
      QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0'));
  for (const QString &statement :
       {QStringLiteral("CREATE TABLE IF NOT EXISTS journal_meta (name TEXT PRIMARY KEY, value "
                       "TEXT NOT NULL)"),
        journalschema::recordsTable(), journalschema::deliveriesTable(),
        QStringLiteral("CREATE INDEX IF NOT EXISTS records_taken_at ON records (taken_at)"),
        QStringLiteral("INSERT OR IGNORE INTO journal_meta VALUES ('format', '%1')").arg(kFormat),
        QStringLiteral("INSERT OR IGNORE INTO journal_meta VALUES ('id', '%1')").arg(newId)}) {
    if (!query.exec(statement))
      return fail(QStringLiteral("cannot set the journal up"), query, failure);
  }
  rollback.dismiss();
  if (!query.exec(QStringLiteral("COMMIT")))
    return fail(QStringLiteral("cannot set the journal up"), query, failure);
  return true;
}

// An existing journal is only read here: nothing of it is changed before
// it has passed its check.
bool RecordJournal::readIdentity(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT name, value FROM journal_meta")))
    return fail(QStringLiteral("cannot read the journal's identity"), query, failure);
  QString format;
  while (query.next()) {
    if (query.value(0).toString() == QLatin1String("format"))
      format = query.value(1).toString();
    if (query.value(0).toString() == QLatin1String("id"))
      journalId_ = query.value(1).toString();
  }
  if (format != QString::number(kFormat)) {
    *failure = Failure(
        Failure::Kind::Refused,
        QStringLiteral("the journal %1 has format '%2', not %3").arg(path_, format).arg(kFormat));
    return false;
  }
  return true;
}

// The journal's own check at open: its last record is sealed on the one
// before, and the head's witnessed record is still there, unchanged.
bool RecordJournal::checkEnd(Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT %1 FROM records ORDER BY seq DESC LIMIT 2")
                      .arg(journalschema::columnList())))
    return fail(QStringLiteral("cannot read the journal's end"), query, failure);
  QList<JournalRecord> last;
  while (query.next())
    last << journalschema::readRecord(query);
  const QString failed = QStringLiteral("the journal %1 fails its check: ").arg(path_);
  if (!last.isEmpty()) {
    const QString previousMac = last.size() > 1 ? last[1].mac : QString();
    if (journalfiles::sealOf(key_, journalcolumns::canonicalBytes(last[0], previousMac)) !=
        last[0].mac) {
      *failure =
          Failure(Failure::Kind::Corrupt,
                  failed + QStringLiteral("its last record, seq %1, is not sealed with its key")
                               .arg(last[0].seq),
                  last[0].seq);
      return false;
    }
  }
  journalfiles::Head head;
  QString why;
  const QString headPath = journalfiles::headPathFor(keyPath_, journalId_);
  if (!journalfiles::readHead(headPath, key_, &head, &why)) {
    const bool noHead = QFileInfo(headPath).size() == 0;
    if (last.isEmpty() && noHead)
      return true;  // a new journal: nothing to witness yet
    *failure = Failure(
        Failure::Kind::Corrupt,
        failed + (noHead ? QStringLiteral("no head witnesses its end (%1)").arg(headPath) : why));
    return false;
  }
  if (head.journalId != journalId_) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        failed + QStringLiteral("its head witnesses another journal (%1)").arg(head.journalId));
    return false;
  }
  const qint64 lastSeq = last.isEmpty() ? 0 : last[0].seq;
  if (head.seq > lastSeq) {
    *failure = Failure(Failure::Kind::Corrupt,
                       failed + QStringLiteral("it ends at seq %1 but its head witnessed seq %2")
                                    .arg(lastSeq)
                                    .arg(head.seq),
                       lastSeq + 1);
    return false;
  }
  if (head.seq > 0) {
    if (!query.exec(QStringLiteral("SELECT mac FROM records WHERE seq = %1").arg(head.seq)) ||
        !query.next() || query.value(0).toString() != head.mac) {
      *failure = Failure(
          Failure::Kind::Corrupt,
          failed + QStringLiteral("seq %1 is not the record its head witnessed").arg(head.seq),
          head.seq);
      return false;
    }
  }
  lastHead_ = head;
  return true;
}

qint64 RecordJournal::append(JournalRecord &record, Failure *failure) {
  if (!open(failure))
    return 0;
  head_.lock();
  auto unlock = qScopeGuard([this] { head_.unlock(); });
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    fail(QStringLiteral("cannot lock the journal"), query, failure);
    return 0;
  }
  QString previousMac;
  if (!query.exec(QStringLiteral("SELECT seq, mac FROM records ORDER BY seq DESC LIMIT 1"))) {
    fail(QStringLiteral("cannot read the journal's end"), query, failure);
    rollback();
    return 0;
  }
  record.seq = 1;
  if (query.next()) {
    record.seq = query.value(0).toLongLong() + 1;
    previousMac = query.value(1).toString();
  }
  record.mac = journalfiles::sealOf(key_, journalcolumns::canonicalBytes(record, previousMac));
  if (!commit(record, failure)) {
    rollback();
    record.seq = 0;
    return 0;
  }
  // Committed: whatever fails from here on, the record is in the journal
  // under its seq, and the caller is told both.
  lastHead_ = {journalId_, record.seq, record.mac};
  readBack(record, previousMac, failure);
  QString why;
  if (!head_.advance(key_, lastHead_, &why) && !failure->failed())
    *failure =
        Failure(Failure::Kind::Io,
                QStringLiteral("its head was not advanced to seq %1: %2").arg(record.seq).arg(why),
                record.seq);
  return record.seq;
}

bool RecordJournal::commit(JournalRecord &record, Failure *failure) {
  const auto &table = journalcolumns::columns();
  for (size_t i = 0; i < table.size(); ++i)
    insert_.bindValue(int(i), table[i].get(record));
  insert_.bindValue(int(table.size()), record.mac);
  if (!insert_.exec())
    return fail(QStringLiteral("cannot write the record"), insert_, failure);
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("COMMIT")))
    return fail(QStringLiteral("cannot commit the record"), query, failure);
  return true;
}

// What was committed is what was meant: the row, read back, has the same
// canonical bytes and mac.
bool RecordJournal::readBack(const JournalRecord &record, const QString &previousMac,
                             Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT %1 FROM records WHERE seq = %2")
                      .arg(journalschema::columnList())
                      .arg(record.seq)) ||
      !query.next()) {
    return fail(QStringLiteral("cannot read seq %1 back").arg(record.seq), query, failure,
                record.seq);
  }
  const JournalRecord stored = journalschema::readRecord(query);
  if (stored.mac != record.mac || journalcolumns::canonicalBytes(stored, previousMac) !=
                                      journalcolumns::canonicalBytes(record, previousMac)) {
    *failure =
        Failure(Failure::Kind::Corrupt,
                QStringLiteral("seq %1 read back differs from what was written").arg(record.seq),
                record.seq);
    return false;
  }
  return true;
}

bool RecordJournal::noteTextLog(const JournalRecord &record, bool written,
                                const QString &textLogFailure, Failure *failure) {
  if (!open_) {
    *failure = Failure(Failure::Kind::CannotOpen, QStringLiteral("the journal is not open"));
    return false;
  }
  // A note, not a record: the next record's commit syncs it.
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
      !query.prepare(QStringLiteral("INSERT INTO deliveries VALUES (?, ?, ?, ?)")))
    return fail(QStringLiteral("cannot note the text log"), query, failure, record.seq);
  query.addBindValue(record.seq);
  query.addBindValue(written ? 1 : 0);
  query.addBindValue(written ? QVariant() : QVariant(textLogFailure));
  query.addBindValue(journalfiles::sealOf(
      key_, journalcolumns::noteBytes(record.seq, written, written ? QString() : textLogFailure,
                                      record.mac)));
  const bool ok =
      query.exec() || fail(QStringLiteral("cannot note the text log"), query, failure, record.seq);
  QSqlQuery full(db_);
  if (!full.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
    // Every record's commit must be synced: the journal is opened anew
    // (which sets it) before the next record.
    insert_ = QSqlQuery();
    journaldb::close(&db_);
    open_ = false;
    return fail(QStringLiteral("cannot make the journal sync every commit again"), full, failure);
  }
  return ok;
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
  qDebug("record journal: closed after a failed rollback: %s",
         qPrintable(journaldb::reason(query.lastError())));
  query = QSqlQuery();
  insert_ = QSqlQuery();
  journaldb::close(&db_);
  open_ = false;
}

void RecordJournal::checkpoint() {
  QSqlQuery query(db_);
  // Only folds the log in: a failure loses nothing, and is said.
  if (open_ && !query.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)")))
    qDebug("record journal: cannot fold the log in: %s",
           qPrintable(journaldb::reason(query.lastError())));
}
