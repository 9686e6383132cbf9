// Large journals for tests and the figure programs, loaded fast: the
// journal, its key and its first record are made by the monitor's own
// writer; the rest are sealed the same way (the same canonical bytes and
// chain) but inserted 10,000 a transaction without syncing, and the head
// is advanced once at the end. Never the monitor's way: a crash while
// loading leaves an unwitnessed end.
#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <cstdio>
#include <functional>

#include "journal/journal.h"
#include "journal/journaldb.h"
#include "journal/journalfiles.h"
#include "journal/recordseal.h"
#include "journal/signingkeys.h"

// Appends records made by `make(n)` (n counting on from the records already
// there, from 0) until the journal holds `records`; false with the reason.
// A new key names `station` (empty: this machine's).
inline bool loadJournal(const QString &journalPath, const QString &keyPath, qint64 records,
                        const std::function<JournalRecord(qint64)> &make, QString *error,
                        const QString &station = QString()) {
  // Keys whose first epoch holds the records' times.
  const QString signingPath = signingkeys::signingPathFor(keyPath);
  qint64 firstTime = 0;
  Failure keysFailure;
  auto keysFailed = [&] {
    *error = keysFailure.text();
    return false;
  };
  if (!QFileInfo::exists(signingPath) &&
      (!recordseal::secondsOf(make(0).takenAt, &firstTime) ||
       !signingkeys::SigningKeys::commission(
           signingPath, signingkeys::verificationKeyPathFor(keyPath),
           station.isEmpty() ? journalfiles::stationName() : station,
           qMin(firstTime, QDateTime::currentSecsSinceEpoch()) - 3600,
           signingkeys::kDefaultEpochSeconds, &keysFailure)))
    return keysFailed();
  {
    RecordJournal writer(journalPath, keyPath, QStringLiteral("journal-loader-writer"));
    Failure failure;
    if (!writer.open(&failure)) {
      *error = failure.text();
      return false;
    }
  }
  signingkeys::SigningKeys keys;
  if (!keys.load(signingPath, &keysFailure))
    return keysFailed();
  QSqlDatabase db;
  auto closing = [&db] { journaldb::close(&db); };
  if (Failure failure;
      !journaldb::openForWriting(&db, journalPath, QStringLiteral("journal-loader"), &failure)) {
    *error = failure.text();
    return closing(), false;
  }
  QSqlQuery query(db);
  QString journalId, previousMac;
  qint64 seq = 0;
  if (!query.exec(QStringLiteral("SELECT value FROM journal_meta WHERE name = 'id'")) ||
      !query.next()) {
    *error = QStringLiteral("no journal id: %1").arg(query.lastError().text());
    return closing(), false;
  }
  journalId = query.value(0).toString();
  if (query.exec(QStringLiteral("SELECT seq, mac FROM records ORDER BY seq DESC LIMIT 1")) &&
      query.next()) {
    seq = query.value(0).toLongLong();
    previousMac = query.value(1).toString();
  }
  query.finish();
  QStringList marks;
  for (size_t i = 0; i <= journalcolumns::columns().size(); ++i)
    marks << QStringLiteral("?");
  QSqlQuery insert(db);
  if (!query.exec(QStringLiteral("PRAGMA synchronous=OFF")) ||
      !insert.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (%2)")
                          .arg(journalschema::columnList(), marks.join(", "))) ||
      !query.exec(QStringLiteral("BEGIN"))) {
    *error = QStringLiteral("cannot load: %1").arg(insert.lastError().text());
    return closing(), false;
  }
  const qint64 first = seq;
  const auto &table = journalcolumns::columns();
  qint64 epochInForce = -1;
  QSqlQuery epochKey(db);
  while (seq < records) {
    JournalRecord record = make(seq);
    record.seq = ++seq;
    qint64 time = 0;
    recordseal::secondsOf(record.takenAt, &time);
    const qint64 epoch = qMax(qMax<qint64>(epochInForce, 0), keys.epochAt(time));
    if (epoch != epochInForce) {
      const signingkeys::EpochCertificate &certificate = keys.certificate(epoch);
      if (!epochKey.exec(QStringLiteral("INSERT OR IGNORE INTO epoch_keys VALUES (%1, %2, %3, "
                                        "'%4', '%5')")
                             .arg(epoch)
                             .arg(certificate.starts)
                             .arg(certificate.ends)
                             .arg(QLatin1String(certificate.publicKey.toHex()),
                                  QLatin1String(certificate.signature.toHex())))) {
        *error = QStringLiteral("cannot load an epoch key: %1").arg(epochKey.lastError().text());
        return closing(), false;
      }
      epochInForce = epoch;
    }
    record.mac = recordseal::sealRecord(keys, epoch, record, previousMac);
    for (size_t i = 0; i < table.size(); ++i)
      insert.bindValue(int(i), table[i].get(record));
    insert.bindValue(int(table.size()), record.mac);
    if (!insert.exec()) {
      *error = QStringLiteral("cannot load seq %1: %2").arg(seq).arg(insert.lastError().text());
      return closing(), false;
    }
    previousMac = record.mac;
    if (seq % 10000 == 0) {
      if (!query.exec(QStringLiteral("COMMIT")) || !query.exec(QStringLiteral("BEGIN"))) {
        *error = QStringLiteral("cannot load: %1").arg(query.lastError().text());
        return closing(), false;
      }
      if (seq % 100000 == 0)
        std::fprintf(stderr, "loading: %lld of %lld records\n", static_cast<long long>(seq),
                     static_cast<long long>(records));
    }
  }
  if (!query.exec(QStringLiteral("COMMIT")) ||
      !query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"))) {
    *error = QStringLiteral("cannot load: %1").arg(query.lastError().text());
    return closing(), false;
  }
  query.finish();
  closing();
  if (seq == first)
    return true;
  journalfiles::HeadWriter head;
  Failure failure;
  if (!head.open(journalfiles::headPathFor(keyPath, journalId), &failure)) {
    *error = failure.text();
    return false;
  }
  head.lock();
  journalfiles::Head last;
  last.journalId = journalId;
  last.seq = seq;
  last.mac = previousMac;
  last.format = 2;
  recordseal::Seal seal;
  recordseal::parse(previousMac, &seal);
  last.signature = keys.sign(seal.epoch, recordseal::headMessage(last));
  const bool advanced = head.advance(QByteArray(), last, &failure);
  head.unlock();
  *error = failure.text();
  return advanced;
}
