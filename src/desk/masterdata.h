// The weighing desk's master data: vehicles, customers and products, in a
// plain SQLite file of their own (desk.sqlite beside the journal by
// default). Not sealed: what is sealed is each transaction's copy of the
// values it used. Editable in the desk, importable and exportable as CSV.
#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

#include "failure/failure.h"

namespace masterdata {

// A table and its columns, the key first.
struct Table {
  QString name;
  QStringList columns;
};
// vehicles (registration, haulier, customer, product, container), customers
// (name, address), products (name, code).
const QList<Table> &tables();
const Table *tableNamed(const QString &name);

// A registration as it is kept and compared: upper case, without spaces or
// hyphens ("ab-12 cd" is "AB12CD").
QString plate(const QString &typed);

class MasterData {
 public:
  explicit MasterData(const QString &path);
  ~MasterData();
  MasterData(const MasterData &) = delete;
  MasterData &operator=(const MasterData &) = delete;

  // Opens the file, making it and its tables on first use.
  bool open(Failure *failure);
  const QString &path() const { return path_; }

  // The row of `table` whose key is `key` (a vehicle's by its plate); none
  // when there is none.
  std::optional<QStringList> find(const QString &table, const QString &key) const;
  // Every row, by key.
  QList<QStringList> rows(const QString &table, Failure *failure) const;
  // Adds the row, or replaces the one with its key.
  bool put(const QString &table, QStringList row, Failure *failure);
  bool remove(const QString &table, const QString &key, Failure *failure);

  // The tickets still to print (their transactions' seqs), kept here so
  // that a printer gone loses none across a restart.
  QList<qint64> ticketsWaiting(Failure *failure) const;
  bool holdTicket(qint64 transaction, Failure *failure);
  bool ticketPrinted(qint64 transaction, Failure *failure);

  // The table as CSV (a header line of its columns, then its rows), and
  // back: an import takes every row or none, and says which line is wrong.
  bool exportCsv(const QString &table, const QString &csvPath, Failure *failure) const;
  bool importCsv(const QString &table, const QString &csvPath, qint64 *rows, Failure *failure);

 private:
  QString path_;
  QString connection_;
  QSqlDatabase db_;
};

// A CSV line as the exports write it (RFC 4180), without its line break.
QString csvLine(const QStringList &fields);
// The records of `text`; false with the line that cannot be read.
bool parseCsv(const QString &text, QList<QStringList> *records, qint64 *badLine);

}  // namespace masterdata
