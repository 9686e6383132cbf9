#include "journal/journalreader.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMap>
#include <QScopeGuard>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>
#include <charconv>

#include "journal/journal.h"
#include "journal/journaldb.h"
#include "journal/shown.h"

QString JournalFilter::where(QVariantList *binds, const QString &table, bool postgres) const {
  QStringList terms;
  if (!station.isEmpty()) {
    terms << QStringLiteral("station = ?");
    *binds << station;
  }
  if (!takenFrom.isEmpty()) {
    terms << QStringLiteral("taken_at >= ?");
    *binds << takenFrom;
  }
  if (!takenTo.isEmpty()) {
    terms << QStringLiteral("taken_at < ?");
    *binds << takenTo;
  }
  // A journal's records are seq 1 on: a row below (put there by hand) is
  // never read as one of them.
  terms << QStringLiteral("seq >= ?");
  *binds << qMax<qint64>(seqFrom, 1);
  if (seqTo > 0) {
    terms << QStringLiteral("seq <= ?");
    *binds << seqTo;
  }
  if (!journalIds.isEmpty()) {
    QStringList marks;
    for (const QString &id : journalIds) {
      marks << QStringLiteral("?");
      *binds << id;
    }
    terms << QStringLiteral("journal_id IN (%1)").arg(marks.join(", "));
  }
  if (!text.isEmpty()) {
    terms << (postgres ? QStringLiteral("(strpos(total_line, ?) > 0 OR strpos(encode(block, "
                                        "'escape'), ?) > 0)")
                       : QStringLiteral("(instr(total_line, ?) > 0 OR instr(CAST(block AS TEXT), "
                                        "?) > 0)"));
    *binds << text << text;
  }
  QString clause = terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(" AND ");
  if (last > 0) {
    // The newest N of what the other terms keep.
    clause = QStringLiteral(" WHERE seq IN (SELECT seq FROM %1%2 ORDER BY seq DESC LIMIT %3)")
                 .arg(table, clause)
                 .arg(last);
  }
  return clause;
}

JournalReader::JournalReader(const QString &path, const QString &connectionName)
    : path_(path), connectionName_(connectionName) {}

JournalReader::JournalReader(const QSqlDatabase &open, const QString &table,
                             const QString &journalId)
    : db_(open), table_(table), journalId_(journalId), ownsConnection_(false) {}

QString JournalReader::where(const JournalFilter &filter, QVariantList *binds) const {
  JournalFilter scoped = filter;
  if (!journalId_.isEmpty())
    scoped.journalIds = QStringList{journalId_};
  return scoped.where(binds, table_, db_.driverName() == QLatin1String("QPSQL"));
}

JournalReader::~JournalReader() {
  if (ownsConnection_)
    journaldb::close(&db_);
}

namespace {

// Prepares and runs `sql` with `binds` on `query`; false with the failure.
bool run(QSqlQuery &query, const QString &sql, const QVariantList &binds, Failure *failure) {
  // Our own statement fails to prepare only on tables that are not as the
  // journal made them.
  if (!query.prepare(sql)) {
    *failure = Failure::ofSql(QCoreApplication::translate("Journal", "cannot read the journal"),
                              query.lastError(), Failure::Kind::Corrupt);
    return false;
  }
  for (const QVariant &value : binds)
    query.addBindValue(value);
  if (!query.exec()) {
    *failure = Failure::ofSql(QCoreApplication::translate("Journal", "cannot read the journal"),
                              query.lastError());
    return false;
  }
  return true;
}

// After the last next(): a read that stopped on an error is not the end.
bool readToTheEnd(const QSqlQuery &query, Failure *failure) {
  if (!query.lastError().isValid())
    return true;
  *failure = Failure::ofSql(QCoreApplication::translate("Journal", "cannot read the journal"),
                            query.lastError());
  return false;
}

// The one value a query selects, after run().
bool one(QSqlQuery &query, Failure *failure) {
  if (query.next())
    return true;
  if (readToTheEnd(query, failure))
    *failure = Failure(Failure::Kind::Corrupt,
                       QCoreApplication::translate("Journal", "the journal gave no answer"));
  return false;
}

Failure sqliteFailure(const QString &what, sqlite3 *db, int code) {
  return Failure::ofSql(what, QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db)),
                                        QSqlError::StatementError, QString::number(code)));
}

}  // namespace

bool JournalReader::open(Failure *failure) {
  if (!journaldb::openForReading(&db_, path_, connectionName_, failure))
    return false;
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT name, value FROM journal_meta"))) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot read the journal %1").arg(path_),
        query.lastError(), Failure::Kind::Corrupt);
    return false;
  }
  QString format;
  while (query.next()) {
    if (query.value(0).toString() == QLatin1String("format"))
      format = query.value(1).toString();
    else if (query.value(0).toString() == QLatin1String("id"))
      localId_ = query.value(1).toString();
  }
  if (!readToTheEnd(query, failure))
    return false;
  format_ = format.toInt();
  if ((format != QLatin1String("1") && format != QString::number(RecordJournal::kFormat)) ||
      localId_.isEmpty()) {
    *failure = Failure(
        Failure::Kind::Corrupt,
        QCoreApplication::translate("Journal", "%1 is not a record journal of format 1 or %2")
            .arg(path_)
            .arg(RecordJournal::kFormat));
    return false;
  }
  return true;
}

bool JournalReader::epochKeys(QList<signingkeys::EpochCertificate> *keys, Failure *failure) const {
  keys->clear();
  if (format_ < 2)
    return true;
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT epoch, starts, ends, public_key, certificate FROM "
                                 "epoch_keys ORDER BY epoch"))) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Journal", "cannot read the epoch keys of %1").arg(path_),
        query.lastError(), Failure::Kind::Corrupt);
    return false;
  }
  while (query.next()) {
    const signingkeys::EpochCertificate key = signingkeys::EpochCertificate::ofRow(query);
    *keys << key;
  }
  return readToTheEnd(query, failure);
}

QString JournalReader::journalId() const {
  return isLocal() ? localId_ : journalId_;
}

bool JournalReader::forEach(const JournalFilter &filter,
                            const std::function<bool(const JournalRecord &)> &visit,
                            Failure *failure) const {
  QVariantList binds;
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  const QString sql =
      QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4")
          .arg(journalschema::columnList() +
                   (isLocal() ? QString() : QStringLiteral(", journal_id")),
               table_, where(filter, &binds),
               isLocal() ? QStringLiteral("seq") : QStringLiteral("journal_id, seq"));
  if (!run(query, sql, binds, failure))
    return false;
  const int journalColumn = int(journalcolumns::columns().size()) + 1;
  while (query.next()) {
    JournalRecord record = journalschema::readRecord(query);
    if (!isLocal())
      record.journalId = query.value(journalColumn).toString();
    if (!visit(record))
      return true;
  }
  return readToTheEnd(query, failure);
}

namespace {
// The value of a stored column that is not NULL, its canonical bytes
// appended to `bytes`; `*asWritten` false when its storage class (or a flag's
// value) is not what the writer stores.
QVariant storedValue(sqlite3_stmt *statement, size_t i, const journalcolumns::Column &column,
                     int storageClass, QByteArray *bytes, bool *asWritten) {
  using journalcolumns::Type;
  static constexpr int kStorageClass[] = {SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB};
  const int index = int(i);
  *asWritten = *asWritten && storageClass == kStorageClass[int(column.type)];
  switch (column.type) {
    case Type::Integer: {
      const qint64 number = sqlite3_column_int64(statement, index);
      *asWritten = *asWritten && (!column.flag || number == 0 || number == 1);
      char text[24];
      const auto written = std::to_chars(text, text + sizeof text, number);
      journalcolumns::appendCanonicalField(*bytes, i, text, written.ptr - text);
      return number;
    }
    case Type::Real: {
      const double number = sqlite3_column_double(statement, index);
      const QByteArray text = journalcolumns::realBytes(number);
      journalcolumns::appendCanonicalField(*bytes, i, text.constData(), text.size());
      return number;
    }
    case Type::Text: {
      const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
      const int size = sqlite3_column_bytes(statement, index);
      journalcolumns::appendCanonicalField(*bytes, i, text, size);
      return QString::fromUtf8(text, size);
    }
    case Type::Blob: {
      const auto *blob = static_cast<const char *>(sqlite3_column_blob(statement, index));
      const int size = sqlite3_column_bytes(statement, index);
      journalcolumns::appendCanonicalField(*bytes, i, blob, size);
      return QByteArray(blob, size);
    }
  }
  return QVariant();
}
}  // namespace

bool JournalReader::forEachStored(
    qint64 afterSeq,
    const std::function<bool(const JournalRecord &, const QByteArray &, bool)> &visit,
    Failure *failure) const {
  sqlite3 *db = isLocal() ? journaldb::sqliteOf(db_) : nullptr;
  if (!db) {
    *failure =
        Failure(Failure::Kind::CannotOpen,
                QCoreApplication::translate("Journal", "cannot read the journal %1 through SQLite")
                    .arg(path_));
    return false;
  }
  const QByteArray sql = QStringLiteral("SELECT %1 FROM records WHERE seq > ? ORDER BY seq")
                             .arg(journalschema::columnList())
                             .toUtf8();
  sqlite3_stmt *statement = nullptr;
  int code = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr);
  auto finalize = qScopeGuard([&statement] { sqlite3_finalize(statement); });
  if (code != SQLITE_OK) {
    *failure =
        sqliteFailure(QCoreApplication::translate("Journal", "cannot read the journal"), db, code);
    return false;
  }
  sqlite3_bind_int64(statement, 1, afterSeq);
  const std::vector<journalcolumns::Column> &table = journalcolumns::columns();
  while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
    JournalRecord record;
    QByteArray bytes;
    bytes.reserve(2048);
    bool asWritten = true;
    for (size_t i = 0; i < table.size(); ++i) {
      const int column = int(i);
      QVariant value;
      const int storageClass = sqlite3_column_type(statement, column);
      if (storageClass == SQLITE_NULL) {
        asWritten = asWritten && table[i].nullable;
        journalcolumns::appendCanonicalNull(bytes, i);
        table[i].set(record, value);
        continue;
      }
      value = storedValue(statement, i, table[i], storageClass, &bytes, &asWritten);
      table[i].set(record, value);
    }
    const int macColumn = int(table.size());
    asWritten = asWritten && sqlite3_column_type(statement, macColumn) == SQLITE_TEXT;
    if (sqlite3_column_type(statement, macColumn) != SQLITE_NULL)
      record.mac = QString::fromUtf8(
          reinterpret_cast<const char *>(sqlite3_column_text(statement, macColumn)),
          sqlite3_column_bytes(statement, macColumn));
    if (!visit(record, bytes, asWritten))
      return true;
  }
  if (code != SQLITE_DONE) {
    *failure =
        sqliteFailure(QCoreApplication::translate("Journal", "cannot read the journal"), db, code);
    return false;
  }
  return true;
}

qint64 JournalReader::count(const JournalFilter &filter, Failure *failure) const {
  QVariantList binds;
  QSqlQuery query(db_);
  if (!run(query, QStringLiteral("SELECT count(*) FROM %1%2").arg(table_, where(filter, &binds)),
           binds, failure) ||
      !one(query, failure))
    return -1;
  return query.value(0).toLongLong();
}

qint64 JournalReader::newest(Failure *failure) const {
  QVariantList binds;
  const QString sql = QStringLiteral("SELECT coalesce(max(seq), 0) FROM %1%2")
                          .arg(table_, where(JournalFilter(), &binds));
  QSqlQuery query(db_);
  if (!run(query, sql, binds, failure) || !one(query, failure))
    return -1;
  return query.value(0).toLongLong();
}

QString JournalReader::macOf(qint64 seq, Failure *failure) const {
  JournalFilter filter;
  filter.seqFrom = filter.seqTo = seq;
  QVariantList binds;
  QSqlQuery query(db_);
  if (!run(query, QStringLiteral("SELECT mac FROM %1%2").arg(table_, where(filter, &binds)), binds,
           failure))
    return QString();
  if (!query.next()) {
    if (readToTheEnd(query, failure))
      *failure = Failure(Failure::Kind::Corrupt,
                         QCoreApplication::translate("Journal", "no record %1").arg(seq), seq);
    return QString();
  }
  return query.value(0).toString();
}

QSqlQuery JournalReader::newestFirst(const JournalFilter &filter, Failure *failure) const {
  QVariantList binds;
  QSqlQuery query(db_);
  if (!run(query,
           QStringLiteral("SELECT %1 FROM %2%3 ORDER BY seq DESC")
               .arg(journalschema::columnList(), table_, where(filter, &binds)),
           binds, failure))
    return QSqlQuery();
  return query;
}

QString JournalReader::lastWorkbookSession(const QStringList &names, Failure *failure) const {
  QStringList marks;
  QVariantList binds;
  for (const QString &name : names) {
    marks << QStringLiteral("?");
    binds << name;
  }
  QSqlQuery query(db_);
  if (!run(query,
           QStringLiteral("SELECT workbook_session FROM %1 WHERE workbook_file IN (%2) ORDER "
                          "BY seq DESC LIMIT 1")
               .arg(table_, marks.join(", ")),
           binds, failure))
    return QString();
  if (!query.next()) {
    if (readToTheEnd(query, failure))
      *failure = Failure(
          Failure::Kind::Refused,
          QCoreApplication::translate("Journal", "no record of the journal went to the workbook %1")
              .arg(names.value(0)));
    return QString();
  }
  return query.value(0).toString();
}

bool JournalReader::forEachOfSession(const QString &session,
                                     const std::function<bool(const JournalRecord &)> &visit,
                                     Failure *failure) const {
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  if (!run(query,
           QStringLiteral("SELECT %1 FROM %2 WHERE workbook_session = ? ORDER BY seq")
               .arg(journalschema::columnList(), table_),
           {session}, failure))
    return false;
  while (query.next()) {
    if (!visit(journalschema::readRecord(query)))
      return true;
  }
  return readToTheEnd(query, failure);
}

// Sums of what the operator saw, exact: each total cut to its shown
// decimals, never the stored doubles.
JournalTotals JournalReader::totals(const JournalFilter &filter, Failure *failure) const {
  JournalTotals totals;
  QMap<QString, shown::Sum> sums;
  const bool read = forEach(
      filter,
      [&sums, &totals](const JournalRecord &record) {
        sums[record.totalUnit].add(shown::total(record));
        ++totals.count;
        return true;
      },
      failure);
  if (!read)
    return JournalTotals();
  for (auto sum = sums.cbegin(); sum != sums.cend(); ++sum)
    totals.sumByUnit << qMakePair(sum.key(), sum.value().result());
  totals.lastSeq = newest(failure);
  if (totals.lastSeq < 0)
    return JournalTotals();
  return totals;
}

namespace journaldates {

QString takenAtBound(const QString &text, bool end, Failure *failure) {
  struct Form {
    const char *format;
    qint64 spanSeconds;  // what an end bound adds
  };
  static const Form kForms[] = {{"yyyy-MM-dd", 86400},
                                {"yyyy-MM-ddTHH:mm", 60},
                                {"yyyy-MM-ddTHH:mm:ss", 1},
                                {"yyyy-MM-dd HH:mm", 60},
                                {"yyyy-MM-dd HH:mm:ss", 1}};
  for (const Form &form : kForms) {
    QDateTime local = QDateTime::fromString(text, QString::fromLatin1(form.format));
    if (!local.isValid())
      continue;
    local.setTimeZone(QTimeZone::systemTimeZone());
    if (end)
      local = form.spanSeconds == 86400 ? local.addDays(1) : local.addSecs(form.spanSeconds);
    return local.toUTC().toString(Qt::ISODateWithMs);
  }
  *failure = Failure(Failure::Kind::Refused,
                     QCoreApplication::translate(
                         "Journal", "'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])")
                         .arg(text));
  return QString();
}

QDateTime localTime(const QString &takenAt) {
  return QDateTime::fromString(takenAt, Qt::ISODateWithMs).toLocalTime();
}

}  // namespace journaldates
