// The check trusts only what the auditor holds: the verification key (for
// format 1 the key), the head given or found for that key (sealed under the
// keys of this check), and the central copy. It never trusts the journal
// file's own structure: its schema must be exactly the journal's
// (journalschema::knownObjects), and rows outside the sequence are problems.
//
// The journal's check: every record's seal, the chain from record to record,
// the gap-free sequence and the journal's end against its head, the text log
// notes, the epoch keys and the file itself (SQLite's own check, and the
// storage class of every sealed value). It detects a record changed,
// inserted, removed or reordered anywhere in the journal, and an older copy
// put back. Format 1's records are checked with its secret key; format 2's
// with the station's verification key, which holds no secret.
#pragma once

#include "journal/transactions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "failure/failure.h"
#include "journal/journalrecord.h"
#include "journal/signingkeys.h"

struct VerifyProblem {
  qint64 seq;  // 0: the journal as a whole
  QString text;
};

struct VerifyReport {
  // EndNotWitnessed: every record intact, but no head of the journal's keys
  // was found to witness its end (the auditor holds only the public
  // files): records removed at the end could not be seen. Never "broken".
  enum class Outcome { Intact, Broken, CannotCheck, EndNotWitnessed };
  Outcome outcome = Outcome::CannotCheck;
  Failure failure;          // why it could not be checked
  QString endNotWitnessed;  // why the end is not witnessed; empty when it is
  qint64 records = 0;
  qint64 firstSeq = 0;
  qint64 lastSeq = 0;
  QString firstTakenAt;
  QString lastTakenAt;
  QList<VerifyProblem> problems;  // the first ones found, in seq order
  // What checked which records: "seq 1..40: format 1, with the key K".
  QStringList checkedWith;
  qint64 problemsNotListed = 0;

  // The first seq from which records cannot be trusted; 0 when none.
  qint64 firstBadSeq() const;
  // The outcome as a failure: none when intact; Corrupt at the first bad
  // seq with the first problem when broken; why it could not be checked.
  Failure asFailure() const;
  // "journal intact: N records, seq 1..N, <first> to <last>", or "records
  // intact, end not witnessed: N records, ... (<why>)"
  QString intactLine() const;
};

struct VerifyOptions {
  static VerifyOptions of(const QString &journalPath, const QString &keyPath) {
    VerifyOptions options;
    options.journalPath = journalPath;
    options.keyPath = keyPath;
    return options;
  }

  QString journalPath;
  QString keyPath;                 // format 1's key
  QString verificationKeyPath;     // empty: the one beside the key
  QByteArray verificationKeyText;  // instead of the file: as the central database holds it
  QString headPath;                // empty: the journal's head beside the key
  int problemsListed = 20;
  // Checks only the records after this one, chained on its mac (records up
  // to it were checked before); 0: from the first.
  qint64 afterSeq = 0;
  QString afterMac;
  // Told (records checked, records in all) now and then; false cancels.
  std::function<bool(qint64, qint64)> progress;
  // For a chain outside its journal (central): the epoch keys that the
  // journal holds, as they were copied beside the chain.
  QList<signingkeys::EpochCertificate> epochKeys;
};

VerifyReport verifyJournal(const VerifyOptions &options);

// A chain's records after a seq, in seq order, each with the bytes its seal
// covers after the previous seal (journalcolumns::canonicalColumns) made
// from the values as they are kept; `visit` returns false to stop. False
// with the failure when they cannot all be read.
using ChainVisit = std::function<bool(JournalRecord &&record, const QByteArray &columns)>;
using ChainSource = std::function<bool(qint64 afterSeq, const ChainVisit &visit, Failure *failure)>;

// The weighing desk's transactions of a journal kept in another database,
// in seq order, and the facts of the records they bind as that database
// holds them; false with the failure when they cannot all be read.
using TransactionSource =
    std::function<bool(QList<Transaction> *entries,
                       transactions::TransactionCheck::RecordLookup *records, Failure *failure)>;

class JournalReader;
// One journal's chain in another database's table (the site's central
// records): `central` counts its records, scoped to that journal, and
// `source` reads them; checked with the key at options.keyPath. Its end is
// not witnessed there. `transactionsOf`, when given, gives its transactions,
// each checked as a local journal's are.
VerifyReport verifyStation(const JournalReader &central, const ChainSource &source,
                           const VerifyOptions &options,
                           const TransactionSource &transactionsOf = nullptr);
