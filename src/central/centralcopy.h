// The central copy of a journal as an auditor checks it: which verification
// key and epoch keys check a journal's chain in the central database, and
// the local journal compared with its central copy.
#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include "failure/failure.h"
#include "journal/journalreader.h"
#include "journal/signingkeys.h"
#include "journal/verifier.h"

namespace centralcopy {

// A reader of journal `journalId`'s rows in the central table.
JournalReader recordsOf(const QSqlDatabase &db, const QString &journalId);
// Journal `journalId`'s chain in the central table, for the verifier: its
// rows as PostgreSQL keeps them, read straight from the server.
ChainSource chainOf(const QSqlDatabase &db, const QString &journalId);
// Journal `journalId`'s transactions in the central database, and the
// facts of the records they bind as it holds them, for the verifier.
TransactionSource transactionsOf(const QSqlDatabase &db, const QString &journalId);
// A reader of every journal's rows in the central table.
JournalReader allRecords(const QSqlDatabase &db);

// How a journal's chain in the central database is checked: with the key
// (format 1) and the verification key at hand; without one, with the
// verification key its shipper sent, only when a person registered its
// fingerprint for the station asked about (whichever keys the rows name).
// The epoch keys are those sent beside the chain, or the local journal's
// when it is the same journal; the verifier keeps those the key certifies.
class Trust {
 public:
  // `options`: the check's own files; `keyAtHand`: a verification key is
  // at hand (given, or beside the key given): the person's own, trusted;
  // `localJournal`: the local journal's path (it may not be there).
  bool read(const VerifyOptions &options, bool keyAtHand, const QString &localJournal,
            Failure *failure);
  // The options that check journal `journalId`'s chain; `station`: the
  // station asked about (empty: the one the key names). False with the
  // reason when no trusted key checks it.
  bool of(const QSqlDatabase &db, const QString &journalId, const QString &station,
          VerifyOptions *chain, Failure *why) const;

 private:
  VerifyOptions options_;
  bool keyAtHand_ = false;
  QString localId_;
  QList<signingkeys::EpochCertificate> localKeys_;
};

// A record the central copy lacks below its last one was refused by it (or
// removed there); the ones after its last are still on their way. At most
// `most` lines.
QStringList holesInTheCopy(const QList<qint64> &localSeqs, const QSet<qint64> &centralSeqs,
                           qint64 centralLast, qsizetype most);

struct Comparison {
  QStringList problems;  // a line each, at most 20
  qint64 centralRecords = 0;
  QString journalId;
};
// The local journal (whose check ended at `localLastSeq`) against its
// central copy, of station `station` alone when given: a record changed on
// one side, missing on one side, or a local journal shorter than the copy
// (an older journal and head put back together) is a problem. False with
// the reason when a side cannot be read, or the journal holds no record of
// the station.
bool compare(const QSqlDatabase &db, const QString &localJournal, const QString &station,
             qint64 localLastSeq, Comparison *result, Failure *failure);

}  // namespace centralcopy
