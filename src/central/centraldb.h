// The site's central database of records: a PostgreSQL table
// `weigh_records` with the journal's columns, keyed by (journal_id, seq), and
// the version table of its schema. Reached through Qt SQL's QPSQL driver;
// passwords and TLS settings follow libpq's own rules.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct JournalFilter;
struct Transaction;
struct JournalRecord;
class Failure;
struct pg_conn;

namespace signingkeys {
struct EpochCertificate;
}

namespace centraldb {

// 1: keyed by (station, seq); 2: by (journal_id, seq), a station's journals
// being successive chains (a station may be renamed within one); 3: each
// journal's verification key and epoch keys (weigh_epoch_keys, filled by
// the shippers) and the fingerprints a person registered
// (weigh_registered_keys, which the stations may only read); 4: each
// journal claimed by the role that sent it first (weigh_journal_owners),
// row-level policies letting a role write only its own journals' rows; 5:
// the weighing desk's transactions (weigh_transactions, keyed like the
// records, under the same policies).
constexpr int kSchemaVersion = 5;

constexpr int kConnectTimeoutSeconds = 5;

// A connection URI as the QPSQL driver takes it: libpq's own parameters
// (sslmode, application_name, options, ...) as key='value' options.
struct ConnectionSettings {
  QString host;
  int port = -1;
  QString user;
  QString password;
  QString database;
  QStringList options;
};
// "postgresql://user@host:port/dbname?sslmode=require&..." taken apart;
// refused whole (false, with the reason) when any part of it cannot be
// passed as written. Bounds on the waits (connect_timeout, keepalives,
// tcp_user_timeout) are added unless the URI gives them.
bool parseUri(const QString &uri, int timeoutSeconds, ConnectionSettings *settings,
              Failure *failure);
// Whether the monitor can ship to `uri` as written; the reason when not.
bool checkUri(const QString &uri, Failure *failure);
// The URI applied to `db`. A password in the URI is taken, but libpq's
// ~/.pgpass or PGPASSFILE is the place for it. Waits at most
// `timeoutSeconds` for a connection.
bool configure(QSqlDatabase &db, const QString &uri, int timeoutSeconds, Failure *failure);
// The URI without a password, to name the target in messages and tables.
QString shownUri(const QString &uri);

// A new connection of this thread's own to the central database; an
// invalid one (nothing registered under the name) when the URI is refused.
QSqlDatabase connect(const QString &uri, const QString &connectionName, Failure *failure);

// The SQL that creates the schema, for whoever creates it by hand.
QStringList schemaSql();
// The SQL that upgrades a schema of version 1.
QStringList upgradeSql(int fromVersion = 1);
// Checks the schema's version and upgrades an older one; refuses a
// database without the tables (their owner creates them with schemaSql()).
bool ensureSchema(QSqlDatabase &db, Failure *failure);

// The central columns a shipper writes: the journal's columns in order,
// its mac, the journal's id.
QString columnList();
// libpq's own connection under Qt SQL's connection `db`; null with the
// failure when `db` is not a PostgreSQL connection.
pg_conn *connectionOf(const QSqlDatabase &db, Failure *failure);
// A record of journal `journalId` as one line of COPY's text format, in
// columnList()'s order.
QByteArray copyLine(const JournalRecord &record, const QString &journalId);
// COPY of `lines` into `table` on the connection `db` (through libpq, on
// Qt SQL's own connection); false with the failure (its kind by the
// server's SQLSTATE) and the SQLSTATE itself.
bool copyInto(const QSqlDatabase &db, const QString &table, const QByteArray &lines,
              Failure *failure, QString *sqlState = nullptr);

// Whether a failure with the SQLSTATE `sqlState` (empty: none came) is a
// passing one (the server out of reach or out of resources, a statement
// timeout, a lock, a deadlock or a serialization failure: try again later)
// rather than a refusal of what was sent.
bool unreachable(const QSqlDatabase &db, const QString &sqlState);

// The weighing desk's transactions of journal `journalId`, sent after the
// records they bind, in one server transaction: a row already there is left
// as it is and compared. The seq of the first held differently (0: none);
// false with the failure when they could not be sent.
bool sendTransactions(const QSqlDatabase &db, const QString &journalId,
                      const QList<Transaction> &entries, qint64 *firstConflict, Failure *failure);
// A journal's transactions as the central database holds them, in seq
// order (none in a database of a version before 5); false with the failure
// when they cannot be read.
bool transactionsOf(const QSqlDatabase &db, const QString &journalId, QList<Transaction> *entries,
                    Failure *failure);

// The journals whose records the filter keeps, oldest first; empty with
// the failure when they cannot be read.
QStringList journalsOf(const QSqlDatabase &db, const JournalFilter &filter, Failure *failure);

// A journal's epoch keys as sent (unchecked: the caller keeps those a
// trusted verification key certifies), and every distinct verification key
// sent with them.
bool epochKeysOf(const QSqlDatabase &db, const QString &journalId,
                 QList<signingkeys::EpochCertificate> *keys, QList<QByteArray> *verificationKeys,
                 Failure *failure);
// Claims the journal for the role connected (the first to claim it owns
// it); refused when another role owns it.
bool claimJournal(const QSqlDatabase &db, const QString &journalId, Failure *failure);
// Sends epoch keys beside a journal's records (a key already there stays).
bool sendEpochKeys(const QSqlDatabase &db, const QString &journalId,
                   const QList<signingkeys::EpochCertificate> &keys, const QString &verificationKey,
                   Failure *failure);
// Whether a person registered `fingerprint` for `station`.
bool isRegistered(const QSqlDatabase &db, const QString &station, const QString &fingerprint,
                  bool *registered, Failure *failure);
bool registerFingerprint(const QSqlDatabase &db, const QString &station, const QString &fingerprint,
                         Failure *failure);
// The verification keys the shippers sent: each journal's id, the key's
// text as sent (unchecked), and whether the journal holds records of
// `station`.
struct SentKey {
  QString journalId;
  QByteArray text;
  bool ofStation = false;
};
bool sentVerificationKeys(const QSqlDatabase &db, const QString &station, QList<SentKey> *keys,
                          Failure *failure);

}  // namespace centraldb
