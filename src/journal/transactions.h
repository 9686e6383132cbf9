// The weighing desk's transactions, sealed in the journal beside the
// records they bind: a delivery's data (vehicle, customer, product, ...)
// on one record, or on two for a vehicle weighed in and out, and the voids
// and corrections that leave the original in place. Weights are never typed:
// gross, tare and net follow from the bound records as the operator saw
// them (shown.h) and from a stored tare, itself an entry sealed on a record.
//
// Each entry is chained on the one before (by seq) and signed by the epoch
// key in force, as a text log note is; the head witnesses the last one.
//
// What makes the transactions valid, entry by entry (TransactionCheck, the
// one statement of it, for the writer and the verifier):
//  1. Entries are seq 1, 2, 3, ... with no gap; each seal covers its
//     canonical bytes and the seal before, signed by its epoch's key.
//  2. Every record an entry binds exists, is of the entry's station, and
//     its seal is the one the entry copied.
//  3. No record is bound to two live entries (a first weighing closed by
//     its second, a voided or corrected entry is no longer live).
//  4. gross, tare and net follow from the records and the stored tare the
//     entry cites, in one unit; the net is above zero; a stored tare is
//     the same vehicle's and container's, valid at the weighing, not
//     heavier than the gross.
//  5. A second weighing closes an open first weighing of the same vehicle;
//     a void or a correction refers to a live entry, and a correction keeps
//     its original's records and weights.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

#include "journal/chaincheck.h"
#include "journal/journalrecord.h"
#include "journal/shown.h"

struct Transaction {
  qint64 seq = 0;
  QString kind;          // one of the kinds below
  qint64 refers = 0;     // the first weighing a second closes, the entry voided or corrected
  qint64 tareEntry = 0;  // the stored tare a stored-tare weighing uses
  QString station;
  qint64 firstRecord = 0;
  QString firstSeal;
  qint64 secondRecord = 0;  // a second weighing's
  QString secondSeal;
  QString vehicle{};
  QString container{};
  QString customer{};
  QString product{};
  QString haulier{};
  QString reference{};
  QString direction{};  // "in" or "out" (two-pass), else empty
  QString unit{};       // "kg", "lbs"; empty where no weight
  QString gross{};      // as shown, with the readout's decimals; empty where none
  QString tare{};
  QString net{};
  QString validUntil{};  // a stored tare's last valid day, UTC ISO 8601; else empty
  QString operatorName{};
  QString note{};
  QString reason{};   // a void's or a correction's
  QString takenAt{};  // UTC, ISO 8601 with milliseconds and "Z"
  QString mac{};
};

namespace transactions {

inline const QString kSingle = QStringLiteral("single");
inline const QString kStoredTare = QStringLiteral("stored-tare");
inline const QString kTare = QStringLiteral("tare");  // a vehicle's tare stored
inline const QString kFirst = QStringLiteral("first");
inline const QString kSecond = QStringLiteral("second");
inline const QString kVoid = QStringLiteral("void");
inline const QString kCorrection = QStringLiteral("correction");
bool isKind(const QString &kind);
// The kinds that carry a gross, a tare and a net.
bool isWeighing(const QString &kind);

// The table's columns, in order, mac last: the schema, the insert, the read
// and the canonical bytes follow it.
struct Column {
  QString name;
  bool integer;
  std::function<QVariant(const Transaction &)> get;
  std::function<void(Transaction &, const QVariant &)> set;
};
const std::vector<Column> &columns();
QString table();
QString columnList();
Transaction read(const QSqlQuery &query);

// "<name>=<length>:<bytes>\n" for each column but mac ("<name>=-\n" for an
// empty one), in order.
QByteArray canonicalBytes(const Transaction &entry);
// The seal's hash: the content's hash chained on the seal before.
QByteArray contentHash(const Transaction &entry);
QByteArray chainHash(const QByteArray &contentHash, const QString &previousMac);
// What the epoch key signs: both hashes, so that a ticket that carries the
// entry's fields and its chain hash can be checked alone.
QByteArray message(const QByteArray &contentHash, const QByteArray &chainHash);

// Rule 1's seal: `entry`'s chained on `previousMac`, signed by its
// epoch's certified key, dated within that epoch; empty, or why not.
QString sealProblem(const chaincheck::Keys &keys, const Transaction &entry,
                    const QString &previousMac);

// What an entry needs of a record it binds.
struct RecordFacts {
  QString station;
  QString mac;
  QString takenAt;
  ShownValue total;
  QString unit;
};
RecordFacts factsOf(const JournalRecord &record);

// "1234.5" read back as a shown value; false when it is not one.
bool shownOf(const QString &text, ShownValue *value);

// Gross, tare and net as they follow from the records (rule 4), into
// `entry`'s unit, gross, tare and net; false with the reason.
bool weigh(Transaction *entry, const RecordFacts &first, const RecordFacts *second,
           const Transaction *storedTare, QString *why);

// The state of a journal's transactions, entry by entry (rules 1 to 5).
class TransactionCheck {
 public:
  using RecordLookup = std::function<std::optional<RecordFacts>(qint64 seq)>;
  // `verifySeal` checks an entry's seal given the previous seal (null: the
  // seals are not checked here).
  using SealCheck = std::function<QString(const Transaction &, const QString &previousMac)>;
  TransactionCheck(RecordLookup records, SealCheck seal = nullptr)
      : records_(std::move(records)), seal_(std::move(seal)) {}

  // The problems of `entry` as the next entry; none: it is taken into the
  // state. An entry with problems is still taken (a verifier goes on).
  QStringList add(const Transaction &entry);
  // Takes `entry` into the state unchecked: one sealed already, which the
  // verifier checks in full (a desk catching up with the journal).
  void take(const Transaction &entry);
  // Only the problems, the state unchanged (the writer, before sealing).
  QStringList problemsOf(const Transaction &entry) const;

  qint64 lastSeq() const { return lastSeq_; }
  const QString &lastMac() const { return lastMac_; }
  // An entry as taken; null when there is none of that seq.
  const Transaction *entry(qint64 seq) const;
  // The live entry that binds record `seq`; 0 when none.
  qint64 boundTo(qint64 recordSeq) const { return bound_.value(recordSeq); }
  // Open first weighings (vehicles on site), oldest first.
  QList<const Transaction *> onSite() const;
  // The live stored tare of a vehicle and container; null when none.
  const Transaction *storedTare(const QString &vehicle, const QString &container) const;
  // Whether entry `seq` is live, voided ("void") or corrected by a later
  // one: its state for tickets and reports.
  qint64 voidedBy(qint64 seq) const { return ended_.value(seq); }
  const std::vector<Transaction> &entries() const { return entries_; }

 private:
  QStringList weighingProblems(const Transaction &entry) const;
  QStringList referenceProblems(const Transaction &entry) const;
  bool live(qint64 seq) const;

  RecordLookup records_;
  SealCheck seal_;
  std::vector<Transaction> entries_;  // by seq - 1
  QHash<qint64, qint64> bound_;       // record seq -> live entry seq
  QHash<qint64, qint64> ended_;       // entry seq -> the entry that closed, voided or corrected it
  qint64 lastSeq_ = 0;
  QString lastMac_;
};

// Record facts read from the journal `db`, a statement a lookup.
TransactionCheck::RecordLookup recordLookup(const QSqlDatabase &db);
// Brings `check` up to the last transaction of the journal `db` (none when
// it has no table), each checked (`checked`) or only taken; the problems of
// each, and false when the table cannot be read.
bool readAll(const QSqlDatabase &db, TransactionCheck *check, QStringList *problems,
             bool checked = true);
// Up to `limit` whole entries after `seq`, in seq order (none without a
// table); false with the reason when they cannot be read.
bool readAfter(const QSqlDatabase &db, qint64 seq, int limit, QList<Transaction> *entries,
               QString *why);
// The whole entry `seq` (with its records' seals and its own); none when
// it is not there.
std::optional<Transaction> readOne(const QSqlDatabase &db, qint64 seq);

// Every transaction of the journal `db` checked (rules 1 to 5), under the
// keys of the check; the problems, each naming its transaction. A table
// that cannot be read is a problem; a journal without one has none.
QStringList verifyAll(const QSqlDatabase &db, const chaincheck::Keys &keys);

}  // namespace transactions
