#include "central/centraldb.h"

#include <libpq-fe.h>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

#include "journal/journal.h"
#include "journal/journalrecord.h"

namespace centraldb {

bool configure(QSqlDatabase &db, const QString &uri, int timeoutSeconds, QString *error) {
  const QUrl url(uri, QUrl::StrictMode);
  if (!url.isValid() ||
      (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
    *error = QStringLiteral("'%1' is not a postgresql:// connection URI").arg(shownUri(uri));
    return false;
  }
  db.setHostName(url.host());
  if (url.port() > 0)
    db.setPort(url.port());
  db.setUserName(url.userName());
  if (!url.password().isEmpty())
    db.setPassword(url.password());
  db.setDatabaseName(url.path().mid(1));
  QStringList options{QStringLiteral("connect_timeout=%1").arg(timeoutSeconds)};
  const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
  for (const auto &item : items)
    options << item.first + QLatin1Char('=') + item.second;
  db.setConnectOptions(options.join(u';'));
  return true;
}

QString shownUri(const QString &uri) {
  QUrl url(uri);
  url.setPassword(QString());
  return url.isValid() ? url.toString() : QStringLiteral("(not a URI)");
}

QSqlDatabase connect(const QString &uri, const QString &connectionName, QString *error) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
  if (!db.isValid()) {
    *error = QStringLiteral("no PostgreSQL driver (QPSQL) is installed");
    return db;
  }
  if (configure(db, uri, 5, error) && !db.open())
    *error = db.lastError().text().trimmed();
  return db;
}

QStringList schemaSql() {
  static const char *const kTypes[] = {"bigint", "double precision", "text", "bytea"};
  QStringList fields;
  for (const journalcolumns::Column &column : journalcolumns::columns()) {
    fields << column.name + QLatin1Char(' ') + QLatin1String(kTypes[int(column.type)]) +
                  (column.nullable ? QString() : QStringLiteral(" NOT NULL"));
  }
  fields << QStringLiteral("mac text NOT NULL")
         << QStringLiteral("received_at timestamptz NOT NULL DEFAULT now()")
         << QStringLiteral("PRIMARY KEY (station, seq)");
  return {
      QStringLiteral("CREATE TABLE weigh_schema_version (version integer PRIMARY KEY, "
                     "applied_at timestamptz NOT NULL DEFAULT now())"),
      QStringLiteral("INSERT INTO weigh_schema_version (version) VALUES (%1)").arg(kSchemaVersion),
      QStringLiteral("CREATE TABLE weigh_records (\n  %1\n)").arg(fields.join(",\n  ")),
      QStringLiteral("CREATE INDEX weigh_records_taken_at ON weigh_records (taken_at)")};
}

bool ensureSchema(QSqlDatabase &db, QString *error) {
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT to_regclass('weigh_records') IS NOT NULL, "
                                 "to_regclass('weigh_schema_version') IS NOT NULL")) ||
      !query.next()) {
    *error = query.lastError().text().trimmed();
    return false;
  }
  if (!query.value(0).toBool()) {
    db.transaction();
    for (const QString &statement : schemaSql()) {
      if (!query.exec(statement)) {
        *error = QStringLiteral("cannot create the central tables: %1")
                     .arg(query.lastError().text().trimmed());
        db.rollback();
        return false;
      }
    }
    db.commit();
    return true;
  }
  if (query.value(1).toBool() &&
      (!query.exec(QStringLiteral("SELECT max(version) FROM weigh_schema_version")) ||
       !query.next() || query.value(0).toInt() > kSchemaVersion)) {
    *error = QStringLiteral("the central tables have a newer version (%1) than this program's (%2)")
                 .arg(query.value(0).toInt())
                 .arg(kSchemaVersion);
    return false;
  }
  return true;
}

namespace {
QByteArray copyField(const QVariant &value, journalcolumns::Type type) {
  if (value.isNull())
    return QByteArrayLiteral("\\N");
  if (type == journalcolumns::Type::Blob)
    return "\\\\x" + value.toByteArray().toHex();
  QByteArray text = type == journalcolumns::Type::Real
                        ? journalcolumns::realText(value.toDouble()).toUtf8()
                        : value.toString().toUtf8();
  if (type == journalcolumns::Type::Text) {
    text.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
  }
  return text;
}
}  // namespace

QByteArray copyLine(const JournalRecord &record) {
  QByteArray line;
  for (const journalcolumns::Column &column : journalcolumns::columns())
    line += copyField(column.get(record), column.type) + '\t';
  line += record.mac.toLatin1() + '\n';
  return line;
}

bool copyInto(const QSqlDatabase &db, const QString &table, const QByteArray &lines,
              QString *error) {
  const QVariant handle = db.driver()->handle();
  // The driver names the handle's type after libpq's struct.
  if (!handle.isValid() ||
      (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0)) {
    *error =
        QStringLiteral("not a PostgreSQL connection (%1)").arg(QLatin1String(handle.typeName()));
    return false;
  }
  PGconn *connection = *static_cast<PGconn *const *>(handle.constData());
  const QByteArray copy =
      QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, journalschema::columnList()).toUtf8();
  PGresult *started = PQexec(connection, copy.constData());
  const bool copying = PQresultStatus(started) == PGRES_COPY_IN;
  PQclear(started);
  bool ok = copying && PQputCopyData(connection, lines.constData(), int(lines.size())) == 1 &&
            PQputCopyEnd(connection, nullptr) == 1;
  while (PGresult *result = PQgetResult(connection)) {
    ok = ok && PQresultStatus(result) == PGRES_COMMAND_OK;
    PQclear(result);
  }
  if (!ok)
    *error = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
  return ok;
}

bool unreachable(const QSqlDatabase &db, const QString &error) {
  if (!db.isOpen())
    return true;
  // libpq's words for a connection that broke or never came.
  for (const char *sign :
       {"server closed the connection", "could not connect", "Connection refused",
        "no connection to the server", "terminating connection", "connection to server",
        "timeout expired", "the database system is"}) {
    if (error.contains(QLatin1String(sign), Qt::CaseInsensitive))
      return true;
  }
  return false;
}

}  // namespace centraldb
