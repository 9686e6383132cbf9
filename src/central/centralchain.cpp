#include <libpq-fe.h>

#include <QCoreApplication>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QtEndian>
#include <charconv>
#include <cstring>
#include <memory>

#include "central/centralcopy.h"
#include "central/centraldb.h"
#include "journal/journal.h"
#include "journal/journalrecord.h"

namespace centralcopy {
namespace {
// The types PostgreSQL keeps the journal's columns in (the central
// schema's bigint, double precision, text, bytea), by libpq's type ids.
constexpr Oid kTypeOf[] = {20, 701, 25, 17};
constexpr Oid kText = 25;

Failure failureOf(PGconn *connection, const QString &what) {
  return Failure(
      Failure::Kind::Unreachable,
      QStringLiteral("%1: %2").arg(
          what, QString::fromUtf8(PQerrorMessage(connection)).trimmed().section(u'\n', 0, 0)));
}

// A column's value as the binary result holds it, its canonical bytes
// appended to `bytes`; invalid when its size is not its type's.
QVariant binaryValue(const char *value, int size, size_t column, journalcolumns::Type type,
                     QByteArray *bytes) {
  using journalcolumns::Type;
  switch (type) {
    case Type::Integer: {
      if (size != 8)
        return QVariant();
      const qint64 number = qFromBigEndian<qint64>(value);
      char text[24];
      const auto written = std::to_chars(text, text + sizeof text, number);
      journalcolumns::appendCanonicalField(*bytes, column, text, written.ptr - text);
      return number;
    }
    case Type::Real: {
      if (size != 8)
        return QVariant();
      const quint64 bits = qFromBigEndian<quint64>(value);
      double number;
      std::memcpy(&number, &bits, sizeof number);
      const QByteArray text = journalcolumns::realBytes(number);
      journalcolumns::appendCanonicalField(*bytes, column, text.constData(), text.size());
      return number;
    }
    case Type::Text:
      journalcolumns::appendCanonicalField(*bytes, column, value, size);
      return QString::fromUtf8(value, size);
    case Type::Blob:
      journalcolumns::appendCanonicalField(*bytes, column, value, size);
      return QByteArray(value, size);
  }
  return QVariant();
}

// The columns of the first row are those of the central schema.
bool typesAreTheSchemas(const PGresult *row, Failure *failure) {
  const std::vector<journalcolumns::Column> &table = journalcolumns::columns();
  for (size_t i = 0; i <= table.size(); ++i) {
    const Oid expected = i < table.size() ? kTypeOf[int(table[i].type)] : kText;
    if (PQftype(row, int(i)) != expected) {
      *failure = Failure(
          Failure::Kind::Corrupt,
          QCoreApplication::translate("Central",
                                      "the central column %1 is not of the type the journal's "
                                      "records are kept in")
              .arg(QString::fromUtf8(PQfname(row, int(i)))));
      return false;
    }
  }
  return true;
}

// The record in row `row` of the binary result, with its canonical bytes.
bool recordOf(const PGresult *rows, int row, JournalRecord *record, QByteArray *bytes,
              Failure *failure) {
  const std::vector<journalcolumns::Column> &table = journalcolumns::columns();
  bytes->reserve(2048);
  for (size_t i = 0; i < table.size(); ++i) {
    const int column = int(i);
    if (PQgetisnull(rows, row, column)) {
      journalcolumns::appendCanonicalNull(*bytes, i);
      table[i].set(*record, QVariant());
      continue;
    }
    const QVariant value = binaryValue(PQgetvalue(rows, row, column),
                                       PQgetlength(rows, row, column), i, table[i].type, bytes);
    if (!value.isValid()) {
      *failure = Failure(Failure::Kind::Corrupt,
                         QCoreApplication::translate(
                             "Central", "the central column %1 holds a value of another size")
                             .arg(table[i].name));
      return false;
    }
    table[i].set(*record, value);
  }
  const int macColumn = int(table.size());
  if (!PQgetisnull(rows, row, macColumn))
    record->mac =
        QString::fromUtf8(PQgetvalue(rows, row, macColumn), PQgetlength(rows, row, macColumn));
  return true;
}

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

// The whole result of the statement sent last; null with the failure
// unless it is `expected`. The connection is left with no result waiting.
Result resultOf(PGconn *connection, ExecStatusType expected, Failure *failure) {
  Result first(PQgetResult(connection), &PQclear);
  while (PGresult *more = PQgetResult(connection))
    PQclear(more);
  if (!first || PQresultStatus(first.get()) != expected) {
    *failure = failureOf(connection,
                         QCoreApplication::translate("Central", "cannot read the central records"));
    return Result(nullptr, &PQclear);
  }
  return first;
}

bool run(PGconn *connection, const char *sql, int count, const char *const *values,
         ExecStatusType expected, Failure *failure) {
  if (!PQsendQueryParams(connection, sql, count, nullptr, values, nullptr, nullptr, 1)) {
    *failure = failureOf(connection,
                         QCoreApplication::translate("Central", "cannot read the central records"));
    return false;
  }
  return resultOf(connection, expected, failure) != nullptr;
}

constexpr char kFetch[] = "FETCH FORWARD 2000 FROM weighstation_chain";

bool sendFetch(PGconn *connection, Failure *failure) {
  if (PQsendQueryParams(connection, kFetch, 0, nullptr, nullptr, nullptr, nullptr, 1))
    return true;
  *failure = failureOf(connection,
                       QCoreApplication::translate("Central", "cannot read the central records"));
  return false;
}

// Each row of the open cursor into `visit` until it says stop. The next
// rows are asked for before these are read, so that the server makes them
// while these are checked.
bool readCursor(PGconn *connection, const ChainVisit &visit, Failure *failure) {
  if (!sendFetch(connection, failure))
    return false;
  bool typesChecked = false;
  for (;;) {
    const Result rows = resultOf(connection, PGRES_TUPLES_OK, failure);
    if (!rows)
      return false;
    const int count = PQntuples(rows.get());
    if (count == 0)
      return true;
    typesChecked = typesChecked || typesAreTheSchemas(rows.get(), failure);
    if (!typesChecked || !sendFetch(connection, failure))
      return false;
    for (int row = 0; row < count; ++row) {
      JournalRecord record;
      QByteArray bytes;
      const bool read = recordOf(rows.get(), row, &record, &bytes, failure);
      if (!read || !visit(std::move(record), bytes)) {
        Failure unused;
        resultOf(connection, PGRES_TUPLES_OK, &unused);
        return read;
      }
    }
  }
}
}  // namespace

ChainSource chainOf(const QSqlDatabase &db, const QString &journalId) {
  return [db, journalId](qint64 afterSeq, const ChainVisit &visit, Failure *failure) {
    PGconn *connection = centraldb::connectionOf(db, failure);
    if (!connection)
      return false;
    // Its ROLLBACK would end a caller's transaction with it.
    if (PQtransactionStatus(connection) != PQTRANS_IDLE) {
      *failure = Failure(
          Failure::Kind::Refused,
          QCoreApplication::translate("Central",
                                      "the central chain is read on a connection of its own, "
                                      "not inside a transaction"));
      return false;
    }
    // One snapshot for the whole chain, read through a cursor a few
    // thousand rows at a time, in binary: each value exactly as the server
    // keeps it, nothing parsed or rounded on the way.
    if (!run(connection, "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY", 0, nullptr,
             PGRES_COMMAND_OK, failure))
      return false;
    auto end = qScopeGuard([connection] {
      Failure unused;
      run(connection, "ROLLBACK", 0, nullptr, PGRES_COMMAND_OK, &unused);
    });
    const QByteArray sql = QStringLiteral(
                               "DECLARE weighstation_chain NO SCROLL CURSOR FOR SELECT "
                               "%1 FROM weigh_records WHERE journal_id = $1 AND seq > "
                               "$2 ORDER BY seq")
                               .arg(journalschema::columnList())
                               .toUtf8();
    const QByteArray journal = journalId.toUtf8();
    const QByteArray after = QByteArray::number(afterSeq);
    const char *values[] = {journal.constData(), after.constData()};
    return run(connection, sql.constData(), 2, values, PGRES_COMMAND_OK, failure) &&
           readCursor(connection, visit, failure);
  };
}

TransactionSource transactionsOf(const QSqlDatabase &db, const QString &journalId) {
  return [db, journalId](QList<Transaction> *entries,
                         transactions::TransactionCheck::RecordLookup *records, Failure *failure) {
    *records = [db, journalId](qint64 seq) -> std::optional<transactions::RecordFacts> {
      QSqlQuery query(db);
      query.prepare(QStringLiteral("SELECT %1 FROM weigh_records WHERE journal_id = ? AND seq = ?")
                        .arg(journalschema::columnList()));
      query.addBindValue(journalId);
      query.addBindValue(seq);
      if (!query.exec() || !query.next())
        return std::nullopt;
      return transactions::factsOf(journalschema::readRecord(query));
    };
    return centraldb::transactionsOf(db, journalId, entries, failure);
  };
}

}  // namespace centralcopy
