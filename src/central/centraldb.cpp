#include "central/centraldb.h"

#include "journal/transactions.h"

#include <libpq-fe.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

#include "failure/failure.h"
#include "journal/journal.h"
#include "journal/journalreader.h"
#include "journal/journalrecord.h"
#include "journal/signingkeys.h"

namespace centraldb {
namespace {
// A value in libpq's key=value form: in single quotes, with its quotes and
// backslashes escaped by a backslash.
QString quotedValue(QString value) {
  value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
  return u'\'' + value + u'\'';
}
}  // namespace

namespace {
// libpq's own form for a Unix socket, the socket's folder as the host
// percent-encoded ("postgresql://user@%2Fvar%2Frun%2Fpostgresql/db"), which
// a URL parser takes for no host at all: the folder, and the URI with a
// stand-in host that the parser takes.
const QRegularExpression kSocketHost(
    QStringLiteral("^(postgres(?:ql)?://(?:[^@/?#]*@)?)(%2[Ff][^:/?#]*)(.*)$"));
const QString kSocketStandIn = QStringLiteral("unix-socket.invalid");

QString withoutSocketHost(const QString &uri, QString *socketFolder) {
  const QRegularExpressionMatch socket = kSocketHost.match(uri);
  if (!socket.hasMatch())
    return uri;
  *socketFolder = QUrl::fromPercentEncoding(socket.captured(2).toUtf8());
  return socket.captured(1) + kSocketStandIn + socket.captured(3);
}
}  // namespace

bool parseUri(const QString &uri, int timeoutSeconds, ConnectionSettings *settings,
              Failure *failure) {
  QString socketFolder;
  const QUrl url(withoutSocketHost(uri, &socketFolder), QUrl::StrictMode);
  if (!url.isValid() ||
      (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Central", "'%1' is not a postgresql:// connection URI")
                    .arg(shownUri(uri)));
    return false;
  }
  ConnectionSettings parsed;
  parsed.host = socketFolder.isEmpty() ? url.host() : socketFolder;
  parsed.port = url.port();
  parsed.user = url.userName();
  parsed.password = url.password();
  parsed.database = url.path().mid(1);
  QSet<QString> given;
  const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
  for (const auto &item : items) {
    // The driver joins the options with spaces (its ';' becomes one): a
    // value is quoted as libpq's key=value strings quote, and a ';' in a
    // name or value cannot be passed at all. Such a URI is refused whole:
    // a setting dropped could be the one that asks for TLS.
    static const QRegularExpression name(QStringLiteral("^[a-z_]+$"));
    if (!name.match(item.first).hasMatch() || item.second.contains(u';')) {
      *failure = Failure(
          Failure::Kind::Refused,
          QCoreApplication::translate("Central",
                                      "'%1' in the URI %2 cannot be passed to the server's "
                                      "connection (a name of letters and '_', a value without "
                                      "';')")
              .arg(item.first + u'=' + item.second, shownUri(uri)));
      return false;
    }
    given.insert(item.first);
    parsed.options << item.first + QLatin1Char('=') + quotedValue(item.second);
  }
  // A server that stops answering (a network gone, a host frozen) fails a
  // statement within these bounds instead of holding the shipper forever;
  // the URI may set them otherwise.
  const QList<QPair<QString, QString>> bounds{
      {QStringLiteral("connect_timeout"), QString::number(timeoutSeconds)},
      {QStringLiteral("keepalives"), QStringLiteral("1")},
      {QStringLiteral("keepalives_idle"), QStringLiteral("10")},
      {QStringLiteral("keepalives_interval"), QStringLiteral("5")},
      {QStringLiteral("keepalives_count"), QStringLiteral("3")},
      {QStringLiteral("tcp_user_timeout"), QStringLiteral("30000")}};
  for (const auto &[key, value] : bounds) {
    if (!given.contains(key))
      parsed.options << key + QLatin1Char('=') + value;
  }
  *settings = parsed;
  return true;
}

bool checkUri(const QString &uri, Failure *failure) {
  ConnectionSettings settings;
  return parseUri(uri, kConnectTimeoutSeconds, &settings, failure);
}

bool configure(QSqlDatabase &db, const QString &uri, int timeoutSeconds, Failure *failure) {
  ConnectionSettings settings;
  if (!parseUri(uri, timeoutSeconds, &settings, failure))
    return false;
  db.setHostName(settings.host);
  if (settings.port > 0)
    db.setPort(settings.port);
  db.setUserName(settings.user);
  if (!settings.password.isEmpty())
    db.setPassword(settings.password);
  db.setDatabaseName(settings.database);
  db.setConnectOptions(settings.options.join(u';'));
  return true;
}

QString shownUri(const QString &uri) {
  QString socketFolder;
  QUrl url(withoutSocketHost(uri, &socketFolder));
  url.setPassword(QString());
  if (!url.isValid())
    return QCoreApplication::translate("Central", "(not a URI)");
  QString shown = url.toString();
  if (!socketFolder.isEmpty())
    shown.replace(kSocketStandIn, QString::fromLatin1(QUrl::toPercentEncoding(socketFolder)));
  return shown;
}

QSqlDatabase connect(const QString &uri, const QString &connectionName, Failure *failure) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
  if (!db.isValid()) {
    *failure = Failure(
        Failure::Kind::CannotOpen,
        QCoreApplication::translate("Central", "no PostgreSQL driver (QPSQL) is installed"));
    return db;
  }
  if (!configure(db, uri, kConnectTimeoutSeconds, failure)) {
    // A connection that cannot be made as the URI says is not made at all:
    // nothing is left for a later open() to try with libpq's defaults.
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
    return QSqlDatabase();
  }
  if (!db.open()) {
    // No SQLSTATE before a connection: the connection's status tells.
    *failure =
        Failure(unreachable(db, QString()) ? Failure::Kind::Unreachable : Failure::Kind::Refused,
                db.lastError().text().trimmed());
  }
  return db;
}

namespace {
const QString kEpochKeysTable = QStringLiteral(
    "CREATE TABLE weigh_epoch_keys (journal_id text NOT NULL, epoch bigint NOT NULL, starts "
    "bigint NOT NULL, ends bigint NOT NULL, public_key text NOT NULL, certificate text NOT "
    "NULL, verification_key text NOT NULL, received_at timestamptz NOT NULL DEFAULT now(), "
    "PRIMARY KEY (journal_id, epoch))");
const QString kRegisteredKeysTable = QStringLiteral(
    "CREATE TABLE weigh_registered_keys (station text NOT NULL, fingerprint text NOT NULL, "
    "registered_at timestamptz NOT NULL DEFAULT now(), registered_by text NOT NULL DEFAULT "
    "current_user, PRIMARY KEY (station, fingerprint))");

// Version 4: a station's role writes only its own journals' rows. A
// journal is claimed by the first role to send it (weigh_journal_owners);
// the policies let a role insert records and epoch keys, and claim rows of
// version 1, only into journals it claimed. The tables' owner (and a
// superuser) is not bound by them: the stations log in as other roles.
QStringList ownJournalsOnly() {
  const QString owned = QStringLiteral(
      "EXISTS (SELECT 1 FROM weigh_journal_owners o WHERE o.journal_id = %1.journal_id AND "
      "o.owner = current_user)");
  return {
      QStringLiteral("CREATE TABLE weigh_journal_owners (journal_id text PRIMARY KEY, owner name "
                     "NOT NULL DEFAULT current_user, claimed_at timestamptz NOT NULL DEFAULT "
                     "now())"),
      QStringLiteral("ALTER TABLE weigh_journal_owners ENABLE ROW LEVEL SECURITY"),
      QStringLiteral("CREATE POLICY weigh_journal_owners_read ON weigh_journal_owners FOR SELECT "
                     "USING (true)"),
      QStringLiteral("CREATE POLICY weigh_journal_owners_claim ON weigh_journal_owners FOR "
                     "INSERT WITH CHECK (owner = current_user)"),
      QStringLiteral("ALTER TABLE weigh_records ENABLE ROW LEVEL SECURITY"),
      QStringLiteral("CREATE POLICY weigh_records_read ON weigh_records FOR SELECT USING (true)"),
      QStringLiteral("CREATE POLICY weigh_records_own ON weigh_records FOR INSERT WITH CHECK (%1)")
          .arg(owned.arg(QStringLiteral("weigh_records"))),
      QStringLiteral("CREATE POLICY weigh_records_claim ON weigh_records FOR UPDATE USING "
                     "(journal_id LIKE 'unclaimed:%') WITH CHECK (%1)")
          .arg(owned.arg(QStringLiteral("weigh_records"))),
      QStringLiteral("ALTER TABLE weigh_epoch_keys ENABLE ROW LEVEL SECURITY"),
      QStringLiteral("CREATE POLICY weigh_epoch_keys_read ON weigh_epoch_keys FOR SELECT USING "
                     "(true)"),
      QStringLiteral("CREATE POLICY weigh_epoch_keys_own ON weigh_epoch_keys FOR INSERT WITH "
                     "CHECK (%1)")
          .arg(owned.arg(QStringLiteral("weigh_epoch_keys")))};
}
}  // namespace

QStringList upgradeToVersion2();

namespace {
// Version 5: the desk's transactions, under the records' policies.
QStringList transactionsTable() {
  QStringList fields;
  for (const transactions::Column &column : transactions::columns())
    fields << column.name + (column.integer ? QStringLiteral(" bigint") : QStringLiteral(" text"));
  fields << QStringLiteral("mac text NOT NULL")
         << QStringLiteral("received_at timestamptz NOT NULL DEFAULT now()")
         << QStringLiteral("journal_id text NOT NULL")
         << QStringLiteral("PRIMARY KEY (journal_id, seq)");
  return {QStringLiteral("CREATE TABLE weigh_transactions (\n  %1\n)")
              .arg(fields.join(QStringLiteral(",\n  "))),
          QStringLiteral("ALTER TABLE weigh_transactions ENABLE ROW LEVEL SECURITY"),
          QStringLiteral("CREATE POLICY weigh_transactions_read ON weigh_transactions FOR SELECT "
                         "USING (true)"),
          QStringLiteral("CREATE POLICY weigh_transactions_own ON weigh_transactions FOR INSERT "
                         "WITH CHECK (EXISTS (SELECT 1 FROM weigh_journal_owners o WHERE "
                         "o.journal_id = weigh_transactions.journal_id AND o.owner = "
                         "current_user))")};
}
}  // namespace

QStringList schemaSql() {
  static const char *const kTypes[] = {"bigint", "double precision", "text", "bytea"};
  QStringList fields;
  for (const journalcolumns::Column &column : journalcolumns::columns()) {
    fields << column.name + QLatin1Char(' ') + QLatin1String(kTypes[int(column.type)]) +
                  (column.nullable ? QString() : QStringLiteral(" NOT NULL"));
  }
  fields << QStringLiteral("mac text NOT NULL")
         << QStringLiteral("received_at timestamptz NOT NULL DEFAULT now()")
         << QStringLiteral("journal_id text NOT NULL")
         << QStringLiteral("PRIMARY KEY (journal_id, seq)");
  return QStringList{
             QStringLiteral("CREATE TABLE weigh_schema_version (version integer PRIMARY KEY, "
                            "applied_at timestamptz NOT NULL DEFAULT now())"),
             QStringLiteral("INSERT INTO weigh_schema_version (version) VALUES (%1)")
                 .arg(kSchemaVersion),
             QStringLiteral("CREATE TABLE weigh_records (\n  %1\n)").arg(fields.join(",\n  ")),
             QStringLiteral("CREATE INDEX weigh_records_taken_at ON weigh_records (taken_at)"),
             QStringLiteral(
                 "CREATE INDEX weigh_records_station ON weigh_records (station, journal_id, "
                 "seq)"),
             kEpochKeysTable,
             kRegisteredKeysTable} +
         ownJournalsOnly() + transactionsTable();
}

QStringList upgradeSql(int fromVersion) {
  QStringList statements;
  if (fromVersion < 2)
    statements << upgradeToVersion2();
  if (fromVersion < 3)
    statements << kEpochKeysTable << kRegisteredKeysTable
               << QStringLiteral("INSERT INTO weigh_schema_version (version) VALUES (3)");
  if (fromVersion < 4)
    statements << ownJournalsOnly()
               << QStringLiteral("INSERT INTO weigh_schema_version (version) VALUES (4)");
  if (fromVersion < 5)
    statements << transactionsTable()
               << QStringLiteral("INSERT INTO weigh_schema_version (version) VALUES (5)");
  return statements;
}

QStringList upgradeToVersion2() {
  return {
      // Rows of version 1 belong to no journal yet: each station's are
      // "unclaimed:<station>" until its shipper finds them identical in its
      // journal and claims them.
      QStringLiteral("ALTER TABLE weigh_records ADD COLUMN journal_id text"),
      QStringLiteral("UPDATE weigh_records SET journal_id = 'unclaimed:' || station"),
      QStringLiteral("ALTER TABLE weigh_records ALTER COLUMN journal_id SET NOT NULL"),
      QStringLiteral("ALTER TABLE weigh_records DROP CONSTRAINT weigh_records_pkey"),
      QStringLiteral("ALTER TABLE weigh_records ADD PRIMARY KEY (journal_id, seq)"),
      QStringLiteral("CREATE INDEX weigh_records_station ON weigh_records (station, journal_id, "
                     "seq)"),
      QStringLiteral("INSERT INTO weigh_schema_version (version) VALUES (2)")};
}

namespace {
bool runAll(QSqlDatabase &db, const QStringList &statements, const QString &what,
            Failure *failure) {
  const QString doing = QCoreApplication::translate("Central", "cannot %1").arg(what);
  QSqlQuery query(db);
  if (!db.transaction()) {
    *failure = Failure::ofSql(doing, db.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  for (const QString &statement : statements) {
    if (!query.exec(statement)) {
      *failure = Failure::ofSql(doing, query.lastError(), Failure::Kind::Refused);
      // Failed already: the server ends the transaction itself.
      db.rollback();
      return false;
    }
  }
  if (!db.commit()) {
    *failure = Failure::ofSql(doing, db.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  return true;
}
}  // namespace

bool ensureSchema(QSqlDatabase &db, Failure *failure) {
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT to_regclass('weigh_records') IS NOT NULL, "
                                 "to_regclass('weigh_schema_version') IS NOT NULL")) ||
      !query.next()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central tables"),
                       query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  // Tables a station's role created would be its own, and a table's owner
  // passes every policy: only the database's owner creates them.
  if (!query.value(0).toBool()) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Central",
                                            "the central database has no weigh_records table: its "
                                            "owner creates the tables with weighstation-records "
                                            "central-sql (a station never does)"));
    return false;
  }
  if (!query.value(1).toBool()) {
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate(
            "Central", "the central table weigh_records has no weigh_schema_version beside it"));
    return false;
  }
  if (!query.exec(QStringLiteral("SELECT max(version) FROM weigh_schema_version")) ||
      !query.next()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central tables"),
                       query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  const int version = query.value(0).toInt();
  query.finish();
  if (version > kSchemaVersion) {
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate(
            "Central", "the central tables have a newer version (%1) than this program's (%2)")
            .arg(version)
            .arg(kSchemaVersion));
    return false;
  }
  if (version < kSchemaVersion &&
      !runAll(db, upgradeSql(version),
              QCoreApplication::translate(
                  "Central",
                  "upgrade the central tables from version %1 (their owner can run "
                  "weighstation-records central-sql --upgrade)")
                  .arg(version),
              failure))
    return false;
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

QString columnList() {
  return journalschema::columnList() + QStringLiteral(", journal_id");
}

QByteArray copyLine(const JournalRecord &record, const QString &journalId) {
  QByteArray line;
  for (const journalcolumns::Column &column : journalcolumns::columns())
    line += copyField(column.get(record), column.type) + '\t';
  line += record.mac.toLatin1() + '\t' + copyField(journalId, journalcolumns::Type::Text) + '\n';
  return line;
}

pg_conn *connectionOf(const QSqlDatabase &db, Failure *failure) {
  const QVariant handle = db.driver()->handle();
  // The driver names the handle's type after libpq's struct.
  if (!handle.isValid() ||
      (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0)) {
    *failure = Failure(Failure::Kind::Refused,
                       QCoreApplication::translate("Central", "not a PostgreSQL connection (%1)")
                           .arg(QLatin1String(handle.typeName())));
    return nullptr;
  }
  return *static_cast<PGconn *const *>(handle.constData());
}

bool copyInto(const QSqlDatabase &db, const QString &table, const QByteArray &lines,
              Failure *failure, QString *sqlState) {
  PGconn *connection = connectionOf(db, failure);
  if (!connection)
    return false;
  const QByteArray copy =
      QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, columnList()).toUtf8();
  QString state;
  auto keepState = [&state](const PGresult *result) {
    if (const char *code = PQresultErrorField(result, PG_DIAG_SQLSTATE); code && state.isEmpty())
      state = QString::fromLatin1(code);
  };
  PGresult *started = PQexec(connection, copy.constData());
  const bool copying = PQresultStatus(started) == PGRES_COPY_IN;
  keepState(started);
  PQclear(started);
  bool ok = copying && PQputCopyData(connection, lines.constData(), int(lines.size())) == 1 &&
            PQputCopyEnd(connection, nullptr) == 1;
  while (PGresult *result = PQgetResult(connection)) {
    ok = ok && PQresultStatus(result) == PGRES_COMMAND_OK;
    keepState(result);
    PQclear(result);
  }
  if (!ok) {
    *failure = Failure(failures::ofSqlState(state, Failure::Kind::Unreachable),
                       QString::fromUtf8(PQerrorMessage(connection)).trimmed());
    if (sqlState)
      *sqlState = state;
  }
  return ok;
}

namespace {
QString transactionColumns() {
  return transactions::columnList() + QStringLiteral(", journal_id");
}
}  // namespace

bool sendTransactions(const QSqlDatabase &db, const QString &journalId,
                      const QList<Transaction> &entries, qint64 *firstConflict, Failure *failure) {
  *firstConflict = 0;
  QSqlDatabase central = db;
  QSqlQuery query(central);
  QStringList marks;
  for (size_t i = 0; i < transactions::columns().size() + 2; ++i)
    marks << QStringLiteral("?");
  auto failed = [&](const QSqlQuery &at) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Central", "cannot send the desk's transactions"),
        at.lastError().isValid() ? at.lastError() : central.lastError(),
        unreachable(central, at.lastError().nativeErrorCode()) ? Failure::Kind::Unreachable
                                                               : Failure::Kind::Refused);
    central.rollback();
    return false;
  };
  if (!central.transaction() ||
      !query.prepare(QStringLiteral("INSERT INTO weigh_transactions (%1) VALUES (%2) ON CONFLICT "
                                    "(journal_id, seq) DO NOTHING")
                         .arg(transactionColumns(), marks.join(u','))))
    return failed(query);
  for (const Transaction &entry : entries) {
    for (const transactions::Column &column : transactions::columns())
      query.addBindValue(column.get(entry));
    query.addBindValue(entry.mac);
    query.addBindValue(journalId);
    if (!query.exec())
      return failed(query);
  }
  // What was there already must be what is here.
  QSqlQuery held(central);
  if (!held.prepare(QStringLiteral("SELECT seq, mac FROM weigh_transactions WHERE journal_id = ? "
                                   "AND seq BETWEEN ? AND ? ORDER BY seq")))
    return failed(held);
  held.addBindValue(journalId);
  held.addBindValue(entries.first().seq);
  held.addBindValue(entries.last().seq);
  if (!held.exec())
    return failed(held);
  while (held.next() && *firstConflict == 0) {
    const qint64 seq = held.value(0).toLongLong();
    if (held.value(1).toString() != entries.value(int(seq - entries.first().seq)).mac)
      *firstConflict = seq;
  }
  if (!central.commit())
    return failed(held);
  return true;
}

bool transactionsOf(const QSqlDatabase &db, const QString &journalId, QList<Transaction> *entries,
                    Failure *failure) {
  entries->clear();
  QSqlQuery query(db);
  const QString doing =
      QCoreApplication::translate("Central", "cannot read the central transactions");
  if (!query.exec(QStringLiteral("SELECT to_regclass('weigh_transactions') IS NOT NULL")) ||
      !query.next()) {
    *failure = Failure::ofSql(doing, query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  if (!query.value(0).toBool())
    return true;
  query.setForwardOnly(true);
  if (!query.prepare(QStringLiteral("SELECT %1 FROM weigh_transactions WHERE journal_id = ? ORDER "
                                    "BY seq")
                         .arg(transactions::columnList()))) {
    *failure = Failure::ofSql(doing, query.lastError(), Failure::Kind::Refused);
    return false;
  }
  query.addBindValue(journalId);
  if (!query.exec()) {
    *failure = Failure::ofSql(doing, query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  while (query.next())
    *entries << transactions::read(query);
  if (query.lastError().isValid()) {
    *failure = Failure::ofSql(doing, query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  return true;
}

bool unreachable(const QSqlDatabase &db, const QString &sqlState) {
  if (!db.isOpen())
    return true;
  Failure notPostgres;
  if (PGconn *connection = connectionOf(db, &notPostgres);
      connection && PQstatus(connection) != CONNECTION_OK)
    return true;
  // By the server's SQLSTATE, never by its words (they follow the server's
  // language).
  return failures::ofSqlState(sqlState, Failure::Kind::Refused) == Failure::Kind::Unreachable;
}

QStringList journalsOf(const QSqlDatabase &db, const JournalFilter &filter, Failure *failure) {
  QVariantList binds;
  QSqlQuery query(db);
  QStringList journals;
  if (!query.prepare(QStringLiteral("SELECT journal_id FROM weigh_records%1 GROUP BY journal_id "
                                    "ORDER BY min(taken_at), journal_id")
                         .arg(filter.where(&binds, QStringLiteral("weigh_records"), true)))) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central records"),
                       query.lastError());
    return journals;
  }
  for (const QVariant &value : binds)
    query.addBindValue(value);
  if (!query.exec()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central records"),
                       query.lastError());
    return journals;
  }
  while (query.next())
    journals << query.value(0).toString();
  if (query.lastError().isValid()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central records"),
                       query.lastError());
    return QStringList();
  }
  return journals;
}

bool epochKeysOf(const QSqlDatabase &db, const QString &journalId,
                 QList<signingkeys::EpochCertificate> *keys, QList<QByteArray> *verificationKeys,
                 Failure *failure) {
  keys->clear();
  verificationKeys->clear();
  QSqlQuery query(db);
  query.setForwardOnly(true);
  const bool prepared = query.prepare(
      QStringLiteral("SELECT epoch, starts, ends, public_key, certificate, verification_key FROM "
                     "weigh_epoch_keys WHERE journal_id = ? ORDER BY epoch"));
  query.addBindValue(journalId);
  if (!prepared || !query.exec()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central epoch keys"),
                       query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  while (query.next()) {
    *keys << signingkeys::EpochCertificate::ofRow(query);
    const QByteArray sent = query.value(5).toString().toUtf8();
    if (!verificationKeys->contains(sent))
      *verificationKeys << sent;
  }
  if (query.lastError().isValid()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the central epoch keys"),
                       query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  return true;
}

bool sendEpochKeys(const QSqlDatabase &db, const QString &journalId,
                   const QList<signingkeys::EpochCertificate> &keys, const QString &verificationKey,
                   Failure *failure) {
  QSqlQuery query(db);
  if (!query.prepare(QStringLiteral("INSERT INTO weigh_epoch_keys (journal_id, epoch, starts, "
                                    "ends, public_key, certificate, verification_key) VALUES "
                                    "(?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"))) {
    *failure = Failure::ofSql(QCoreApplication::translate("Central", "cannot send the epoch keys"),
                              query.lastError(), Failure::Kind::Refused);
    return false;
  }
  for (const signingkeys::EpochCertificate &key : keys) {
    query.addBindValue(journalId);
    query.addBindValue(key.epoch);
    query.addBindValue(key.starts);
    query.addBindValue(key.ends);
    query.addBindValue(QString::fromLatin1(key.publicKey.toHex()));
    query.addBindValue(QString::fromLatin1(key.certificateText()));
    query.addBindValue(verificationKey);
    if (!query.exec()) {
      *failure =
          Failure::ofSql(QCoreApplication::translate("Central", "cannot send the epoch keys"),
                         query.lastError(), Failure::Kind::Refused);
      return false;
    }
  }
  return true;
}

bool claimJournal(const QSqlDatabase &db, const QString &journalId, Failure *failure) {
  QSqlQuery query(db);
  bool prepared = query.prepare(QStringLiteral(
      "INSERT INTO weigh_journal_owners (journal_id) VALUES (?) ON CONFLICT DO NOTHING"));
  query.addBindValue(journalId);
  if (!prepared || !query.exec()) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Central", "cannot claim journal %1").arg(journalId),
        query.lastError(), Failure::Kind::Refused);
    return false;
  }
  prepared = query.prepare(QStringLiteral(
      "SELECT owner::text, owner = current_user FROM weigh_journal_owners WHERE journal_id = ?"));
  query.addBindValue(journalId);
  if (!prepared || !query.exec() || !query.next()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the owner of journal %1")
                           .arg(journalId),
                       query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  if (!query.value(1).toBool()) {
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Central",
                                    "journal %1 belongs to the role %2 in the central database, "
                                    "not to this station's")
            .arg(journalId, query.value(0).toString()));
    return false;
  }
  return true;
}

bool isRegistered(const QSqlDatabase &db, const QString &station, const QString &fingerprint,
                  bool *registered, Failure *failure) {
  QSqlQuery query(db);
  const bool prepared = query.prepare(QStringLiteral(
      "SELECT count(*) FROM weigh_registered_keys WHERE station = ? AND fingerprint = ?"));
  query.addBindValue(station);
  query.addBindValue(fingerprint);
  if (!prepared || !query.exec() || !query.next()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot read the registered keys"),
                       query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  *registered = query.value(0).toLongLong() > 0;
  return true;
}

bool registerFingerprint(const QSqlDatabase &db, const QString &station, const QString &fingerprint,
                         Failure *failure) {
  QSqlQuery query(db);
  const bool prepared = query.prepare(QStringLiteral(
      "INSERT INTO weigh_registered_keys (station, fingerprint) VALUES (?, ?) ON CONFLICT DO "
      "NOTHING"));
  query.addBindValue(station);
  query.addBindValue(fingerprint);
  if (!prepared || !query.exec()) {
    *failure =
        Failure::ofSql(QCoreApplication::translate("Central", "cannot register the fingerprint"),
                       query.lastError(), Failure::Kind::Refused);
    return false;
  }
  return true;
}

bool sentVerificationKeys(const QSqlDatabase &db, const QString &station, QList<SentKey> *keys,
                          Failure *failure) {
  keys->clear();
  QSqlQuery query(db);
  query.setForwardOnly(true);
  const bool prepared = query.prepare(QStringLiteral(
      "SELECT k.journal_id, k.verification_key, EXISTS (SELECT 1 FROM weigh_records r WHERE "
      "r.journal_id = k.journal_id AND r.station = ?) FROM (SELECT DISTINCT journal_id, "
      "verification_key FROM weigh_epoch_keys) k ORDER BY k.journal_id"));
  query.addBindValue(station);
  if (!prepared || !query.exec()) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Central", "cannot read the verification keys sent"),
        query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  while (query.next())
    *keys << SentKey{query.value(0).toString(), query.value(1).toString().toUtf8(),
                     query.value(2).toBool()};
  if (query.lastError().isValid()) {
    *failure = Failure::ofSql(
        QCoreApplication::translate("Central", "cannot read the verification keys sent"),
        query.lastError(), Failure::Kind::Unreachable);
    return false;
  }
  return true;
}

}  // namespace centraldb
