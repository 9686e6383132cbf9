#include "central/centralcopy.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "central/centraldb.h"
#include "journal/journalrecord.h"

namespace centralcopy {
namespace {
const QString kRecordsTable = QStringLiteral("weigh_records");

// What the local journal holds to compare: each record's seal and bytes,
// its stations, and the seqs of the station asked about (empty: all).
struct LocalSide {
  QHash<qint64, QByteArray> seals;
  QSet<QString> stations;
  QList<qint64> seqs;
  bool read(const JournalReader &journal, const QString &station, Failure *failure) {
    return journal.forEach(
        {},
        [&](const JournalRecord &record) {
          seals.insert(record.seq, record.mac.toLatin1() + '\n' +
                                       journalcolumns::canonicalBytes(record, QString()));
          stations.insert(record.station);
          if (station.isEmpty() || record.station == station)
            seqs << record.seq;
          return true;
        },
        failure);
  }
};

}  // namespace

JournalReader recordsOf(const QSqlDatabase &db, const QString &journalId) {
  return JournalReader(db, kRecordsTable, journalId);
}

JournalReader allRecords(const QSqlDatabase &db) {
  return JournalReader(db, kRecordsTable, QString());
}

bool Trust::read(const VerifyOptions &options, bool keyAtHand, const QString &localJournal,
                 Failure *failure) {
  options_ = options;
  keyAtHand_ = keyAtHand;
  JournalReader local(localJournal, QStringLiteral("weighstation-central-local"));
  Failure unread;
  if (!QFileInfo::exists(localJournal) || !local.open(&unread))
    return true;
  localId_ = local.journalId();
  return local.epochKeys(&localKeys_, failure);
}

bool Trust::of(const QSqlDatabase &db, const QString &journalId, const QString &station,
               VerifyOptions *chain, Failure *why) const {
  *chain = options_;
  QList<QByteArray> sentKeys;
  if (!centraldb::epochKeysOf(db, journalId, &chain->epochKeys, &sentKeys, why))
    return false;
  if (chain->epochKeys.isEmpty() && journalId == localId_)
    chain->epochKeys = localKeys_;
  if (keyAtHand_ || sentKeys.isEmpty())
    return true;
  // Whichever key a row names, only one registered for the station asked
  // about is trusted; the verifier then keeps the epoch keys it certifies.
  QStringList unregistered;
  QString asked = station, fingerprint = QStringLiteral("XXXX-XXXX-XXXX-XXXX");
  for (const QByteArray &sentKey : sentKeys) {
    signingkeys::VerificationKey key;
    Failure unread;
    bool registered = false;
    if (!signingkeys::parseVerificationKey(sentKey, &key, &unread)) {
      unregistered
          << QCoreApplication::translate("Central", "a damaged one (%1)").arg(unread.reason());
      continue;
    }
    // Registered for the station asked about: a key registered for
    // another station vouches for that station's records, not these.
    if (station.isEmpty())
      asked = key.station;
    if (!centraldb::isRegistered(db, asked, key.fingerprint(), &registered, why))
      return false;
    if (registered) {
      chain->verificationKeyText = sentKey;
      return true;
    }
    fingerprint = key.fingerprint();
    unregistered << QCoreApplication::translate("Central", "%1 of station %2")
                        .arg(key.fingerprint(), key.station);
  }
  *why = Failure(
      Failure::Kind::Refused,
      QCoreApplication::translate("Central",
                                  "the verification key %1 (journal %2) is not registered for "
                                  "station %3: a person who compared it registers it with "
                                  "weighstation-records central-register --station %3 "
                                  "--fingerprint %4")
          .arg(unregistered.join(QStringLiteral(" nor ")), journalId, asked, fingerprint));
  return false;
}

QStringList holesInTheCopy(const QList<qint64> &localSeqs, const QSet<qint64> &centralSeqs,
                           qint64 centralLast, qsizetype most) {
  QStringList holes;
  for (const qint64 seq : localSeqs) {
    if (holes.size() >= most)
      break;
    if (seq < centralLast && !centralSeqs.contains(seq))
      holes << QCoreApplication::translate(
                   "Central", "seq %1: not in the central copy (refused by it, or removed there)")
                   .arg(seq);
  }
  return holes;
}

bool compare(const QSqlDatabase &db, const QString &localJournal, const QString &station,
             qint64 localLastSeq, Comparison *result, Failure *failure) {
  JournalReader journal(localJournal, QStringLiteral("weighstation-against-central"));
  if (!journal.open(failure))
    return false;
  result->journalId = journal.journalId();
  LocalSide mine;
  if (!mine.read(journal, station, failure))
    return false;
  if (!station.isEmpty() && !mine.stations.contains(station)) {
    QStringList names = mine.stations.values();
    names.sort();
    *failure = Failure(
        Failure::Kind::Refused,
        QCoreApplication::translate("Central",
                                    "the journal %1 holds no record of station %2 (its records "
                                    "are of: %3)")
            .arg(localJournal, station, names.join(QStringLiteral(", "))));
    return false;
  }
  qint64 centralLast = 0;
  QSet<qint64> centralSeqs;
  QStringList &problems = result->problems;
  const bool read =
      recordsOf(db, result->journalId)
          .forEach(
              {},
              [&](const JournalRecord &record) {
                if (!station.isEmpty() && record.station != station)
                  return true;
                ++result->centralRecords;
                centralLast = qMax(centralLast, record.seq);
                centralSeqs.insert(record.seq);
                const auto local = mine.seals.constFind(record.seq);
                if (local == mine.seals.constEnd())
                  problems << QCoreApplication::translate(
                                  "Central", "seq %1: in the central copy, not in the journal")
                                  .arg(record.seq);
                else if (*local != record.mac.toLatin1() + '\n' +
                                       journalcolumns::canonicalBytes(record, QString()))
                  problems << QCoreApplication::translate("Central",
                                                          "seq %1: differs from the central copy")
                                  .arg(record.seq);
                return problems.size() < 20;
              },
              failure);
  if (!read) {
    *failure =
        failure->within(QCoreApplication::translate("Central", "cannot read the central copy"));
    return false;
  }
  problems << holesInTheCopy(mine.seqs, centralSeqs, centralLast, 20 - problems.size());
  if (centralLast > localLastSeq)
    problems.prepend(QCoreApplication::translate(
                         "Central",
                         "the journal ends at seq %1, its central copy at seq %2 (records "
                         "removed, or an older journal and head put back)")
                         .arg(localLastSeq)
                         .arg(centralLast));
  return true;
}

}  // namespace centralcopy
