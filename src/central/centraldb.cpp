#include "central/centraldb.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

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
