#include "desk/masterdata.h"

#include "journal/journalexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <atomic>

namespace masterdata {
namespace {
Failure sqlFailure(const char *what, const QSqlQuery &query) {
  return Failure::ofSql(QCoreApplication::translate("Desk", what), query.lastError());
}
}  // namespace

const QList<Table> &tables() {
  static const QList<Table> kTables{
      {QStringLiteral("vehicles"),
       {QStringLiteral("registration"), QStringLiteral("haulier"), QStringLiteral("customer"),
        QStringLiteral("product"), QStringLiteral("container")}},
      {QStringLiteral("customers"), {QStringLiteral("name"), QStringLiteral("address")}},
      {QStringLiteral("products"), {QStringLiteral("name"), QStringLiteral("code")}},
  };
  return kTables;
}

const Table *tableNamed(const QString &name) {
  for (const Table &table : tables()) {
    if (table.name == name)
      return &table;
  }
  return nullptr;
}

QString plate(const QString &typed) {
  QString kept;
  for (const QChar c : typed.toUpper()) {
    if (!c.isSpace() && c != u'-')
      kept += c;
  }
  return kept;
}

MasterData::MasterData(const QString &path) : path_(path) {
  static std::atomic<int> made{0};
  connection_ = QStringLiteral("weighstation-desk-data-%1").arg(++made);
}

MasterData::~MasterData() {
  if (db_.isValid()) {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
  }
}

bool MasterData::open(Failure *failure) {
  if (db_.isOpen())
    return true;
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
    *failure =
        Failure(Failure::Kind::CannotOpen,
                QCoreApplication::translate("Desk", "cannot make the folder of %1").arg(path_));
    return false;
  }
  db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db_.setDatabaseName(path_);
  db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
  if (!db_.open()) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Desk", "cannot open the desk's data %1").arg(path_),
        db_.lastError(), Failure::Kind::CannotOpen);
    return false;
  }
  QSqlQuery query(db_);
  for (const Table &table : tables()) {
    QStringList fields{table.columns.first() + QStringLiteral(" TEXT PRIMARY KEY")};
    for (qsizetype i = 1; i < table.columns.size(); ++i)
      fields << table.columns[i] + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                        .arg(table.name, fields.join(QStringLiteral(", "))))) {
      *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot make the desk's tables"), query);
      return false;
    }
  }
  if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS tickets_waiting (seq INTEGER "
                                 "PRIMARY KEY)"))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot make the desk's tables"), query);
    return false;
  }
  return true;
}

QList<qint64> MasterData::ticketsWaiting(Failure *failure) const {
  QList<qint64> waiting;
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("SELECT seq FROM tickets_waiting ORDER BY seq"))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot read the desk's data"), query);
    return waiting;
  }
  while (query.next())
    waiting << query.value(0).toLongLong();
  return waiting;
}

bool MasterData::holdTicket(qint64 transaction, Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(
          QStringLiteral("INSERT OR IGNORE INTO tickets_waiting VALUES (%1)").arg(transaction))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    return false;
  }
  return true;
}

bool MasterData::ticketPrinted(qint64 transaction, Failure *failure) {
  QSqlQuery query(db_);
  if (!query.exec(QStringLiteral("DELETE FROM tickets_waiting WHERE seq = %1").arg(transaction))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    return false;
  }
  return true;
}

std::optional<QStringList> MasterData::find(const QString &table, const QString &key) const {
  const Table *described = tableNamed(table);
  QSqlQuery query(db_);
  if (!described || !query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                       .arg(described->columns.join(QStringLiteral(", ")), table,
                                            described->columns.first())))
    return std::nullopt;
  query.addBindValue(table == QLatin1String("vehicles") ? plate(key) : key.trimmed());
  if (!query.exec() || !query.next())
    return std::nullopt;
  QStringList row;
  for (qsizetype i = 0; i < described->columns.size(); ++i)
    row << query.value(int(i)).toString();
  return row;
}

QList<QStringList> MasterData::rows(const QString &table, Failure *failure) const {
  const Table *described = tableNamed(table);
  QList<QStringList> rows;
  QSqlQuery query(db_);
  if (!described || !query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY 1")
                                    .arg(described->columns.join(QStringLiteral(", ")), table))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot read the desk's data"), query);
    return rows;
  }
  while (query.next()) {
    QStringList row;
    for (qsizetype i = 0; i < described->columns.size(); ++i)
      row << query.value(int(i)).toString();
    rows << row;
  }
  return rows;
}

bool MasterData::put(const QString &table, QStringList row, Failure *failure) {
  const Table *described = tableNamed(table);
  if (!described || row.size() > described->columns.size() || row.value(0).trimmed().isEmpty()) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Desk", "a row of %1 takes %2 values, its key first")
                    .arg(table, described ? described->columns.join(u',') : QString()));
    return false;
  }
  while (row.size() < described->columns.size())
    row << QString();
  row[0] = table == QLatin1String("vehicles") ? plate(row[0]) : row[0].trimmed();
  QSqlQuery query(db_);
  QStringList marks;
  for (qsizetype i = 0; i < row.size(); ++i)
    marks << QStringLiteral("?");
  if (!query.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)")
                         .arg(table, described->columns.join(QStringLiteral(", ")),
                              marks.join(QStringLiteral(", "))))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    return false;
  }
  for (const QString &value : row)
    query.addBindValue(value.trimmed());
  if (!query.exec()) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    return false;
  }
  return true;
}

bool MasterData::remove(const QString &table, const QString &key, Failure *failure) {
  const Table *described = tableNamed(table);
  QSqlQuery query(db_);
  if (!described ||
      !query.prepare(
          QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, described->columns.first()))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    return false;
  }
  query.addBindValue(table == QLatin1String("vehicles") ? plate(key) : key.trimmed());
  if (!query.exec()) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    return false;
  }
  if (query.numRowsAffected() == 0) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate("Desk", "%1 holds no %2").arg(table, key));
    return false;
  }
  return true;
}

QString csvLine(const QStringList &fields) {
  QVariantList cells;
  for (const QString &field : fields)
    cells << field;
  return QString::fromUtf8(journalexport::csvRow(cells).chopped(2));
}

bool parseCsv(const QString &text, QList<QStringList> *records, qint64 *badLine) {
  QStringList record;
  QString field;
  bool quoted = false, wasQuoted = false;
  qint64 line = 1, quoteLine = 0;
  auto endRecord = [&] {
    record << field;
    if (!(record.size() == 1 && record.first().isEmpty() && !wasQuoted))
      *records << record;
    record.clear();
    field.clear();
    wasQuoted = false;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
        field += c;
        ++i;
      } else if (c == u'"') {
        quoted = false;
      } else {
        line += c == u'\n' ? 1 : 0;
        field += c;
      }
    } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
      quoted = wasQuoted = true;
      quoteLine = line;
    } else if (c == u'"' || (wasQuoted && c != u',' && c != u'\n' && c != u'\r')) {
      *badLine = line;
      return false;
    } else if (c == u',') {
      record << field;
      field.clear();
      wasQuoted = false;
    } else if (c == u'\n') {
      endRecord();
      ++line;
    } else if (c != u'\r') {
      field += c;
    }
  }
  if (quoted) {
    *badLine = quoteLine;  // where the quote left open began
    return false;
  }
  if (!field.isEmpty() || !record.isEmpty() || wasQuoted)
    endRecord();
  return true;
}

bool MasterData::exportCsv(const QString &table, const QString &csvPath, Failure *failure) const {
  const Table *described = tableNamed(table);
  const QList<QStringList> all = rows(table, failure);
  if (!described || failure->failed())
    return false;
  QSaveFile file(csvPath);
  if (!file.open(QIODevice::WriteOnly)) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate("Desk", "cannot write %1: %2")
                           .arg(csvPath, file.errorString()));
    return false;
  }
  QByteArray bytes = csvLine(described->columns).toUtf8() + "\r\n";
  for (const QStringList &row : all)
    bytes += csvLine(row).toUtf8() + "\r\n";
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    *failure = Failure(Failure::Kind::Io, QCoreApplication::translate("Desk", "cannot write %1: %2")
                                              .arg(csvPath, file.errorString()));
    return false;
  }
  return true;
}

bool MasterData::importCsv(const QString &table, const QString &csvPath, qint64 *imported,
                           Failure *failure) {
  const Table *described = tableNamed(table);
  QFile file(csvPath);
  if (!described || !file.open(QIODevice::ReadOnly)) {
    *failure = Failure(
        Failure::Kind::CannotOpen,
        QCoreApplication::translate("Desk", "cannot read %1: %2").arg(csvPath, file.errorString()));
    return false;
  }
  QList<QStringList> records;
  qint64 badLine = 0;
  if (!parseCsv(QString::fromUtf8(file.readAll()), &records, &badLine)) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate("Desk", "%1, line %2: not a CSV field")
                           .arg(csvPath)
                           .arg(badLine));
    return false;
  }
  if (records.isEmpty() || records.first() != described->columns) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate("Desk", "%1 does not begin with the columns %2")
                           .arg(csvPath, csvLine(described->columns)));
    return false;
  }
  QSqlQuery query(db_);
  query.exec(QStringLiteral("BEGIN IMMEDIATE"));
  for (qsizetype i = 1; i < records.size(); ++i) {
    if (records[i].size() != described->columns.size() || !put(table, records[i], failure)) {
      if (!failure->failed())
        *failure = Failure(Failure::Kind::Refused,
                           QCoreApplication::translate("Desk", "%1, row %2: %3 values, not %4")
                               .arg(csvPath)
                               .arg(i + 1)
                               .arg(records[i].size())
                               .arg(described->columns.size()));
      query.exec(QStringLiteral("ROLLBACK"));
      return false;
    }
  }
  if (!query.exec(QStringLiteral("COMMIT"))) {
    *failure = sqlFailure(QT_TRANSLATE_NOOP("Desk", "cannot write the desk's data"), query);
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
  }
  *imported = records.size() - 1;
  return true;
}

}  // namespace masterdata
