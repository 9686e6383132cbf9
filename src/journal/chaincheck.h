// What makes a journal valid, record by record. The writer seals to this
// rule (`RecordJournal::append`) and checks its own end against it when it
// opens; the verifier, the head search and the ticket check hold a journal,
// a head or a ticket to it. There is no other statement of it.
//  1. Its records are seq 1, 2, 3, ... with no gap, and no row lies
//     outside that sequence in any sealed table.
//  2. Record N's seal covers its canonical bytes (journalcolumns), which
//     begin with record N-1's whole seal: format 1 an HMAC under the key,
//     format 2 a SHA-256 hash signed, at the latest where its epoch's run
//     of records ends, by the epoch key the verification key certifies.
//  3. Format 2's epochs never go back, and a record is dated within its
//     sealing epoch (a few seconds of slack before it).
//  4. Where format 1 ends and format 2 begins is the verification key's
//     word, signed by its root, never the file's.
//  5. The end: the head signed under this check's keys witnesses a record
//     (its seq and seal) the journal holds, and the last text log note
//     then written (its seq and seal), and the weighing desk's last
//     transaction (transactions.h); records, notes and transactions after
//     them are not witnessed, those before them cannot have been removed.
//  6. The file holds exactly the journal's schema, every sealed value of
//     the storage class the writer stores, and every note due (the
//     verifier's file checks).
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QHash>
#include <QList>
#include <QMessageAuthenticationCode>
#include <QString>
#include <functional>
#include <limits>

#include "journal/journalfiles.h"
#include "journal/journalrecord.h"
#include "journal/recordseal.h"
#include "journal/signingkeys.h"

namespace chaincheck {

struct Problem {
  qint64 seq;  // 0: the journal as a whole
  QString text;
  // Rule 3's date: the writer takes a record dated before its epoch (the
  // station's clock went back) and says so; every check reports it.
  bool outsideItsEpoch = false;
};

// Format 1 ends where the records' seals change form (the writer's view of
// its own journal, and a chain kept elsewhere).
constexpr qint64 kBySeal = -1;

// The keys that check a chain.
struct Keys {
  QByteArray key;  // format 1's; empty: none at hand
  // The keys of the epochs, certified by the verification key.
  QHash<qint64, signingkeys::EpochCertificate> epochs;
  // Instead of `epochs`, when set: the certified key of an epoch, or null.
  std::function<const signingkeys::EpochCertificate *(qint64 epoch)> lookup;
  // The last record of format 1; kBySeal: each seal's form says.
  qint64 lastFormat1Seq = std::numeric_limits<qint64>::max();

  // The certified key of `epoch`; null when there is none.
  const signingkeys::EpochCertificate *epochKey(qint64 epoch) const;
  // The certified epoch keys of a station's signing file, looked up there
  // (each checked at its first use).
  static Keys of(const QByteArray &key, const signingkeys::SigningKeys &keys);
  // A head of format 2 signed by the certified key of the epoch its seal
  // names (one of format 1 was sealed with the key as it was read).
  bool headSigned(const journalfiles::Head &head) const;
};

// Rule 3's date: `seconds` within the epoch, or its slack before it.
bool datedWithin(const signingkeys::EpochCertificate &epoch, qint64 seconds);
// Rule 2's signature: `message` (a seal's, a head's) signed by `epoch`'s key.
bool signedBy(const signingkeys::EpochCertificate &epoch, const QByteArray &message,
              const QByteArray &signature);
// The epoch whose key signs a head: the later of its record's and its
// note's (-1 when a seal is not of format 2).
qint64 signingEpochOf(const journalfiles::Head &head);
// A head signed by `epoch`'s key, the head's signing epoch.
bool headSignedBy(const signingkeys::EpochCertificate &epoch, const journalfiles::Head &head);

// One chain of format-2 seals (the records', or the notes'): a signature is
// checked where an epoch's run ends, every 4096th seal and at the chain's
// end, and covers every hash before it, each of which holds the seal before.
class SignedChain {
 public:
  explicit SignedChain(const Keys &keys) : keys_(keys) {}
  // `message` makes the signed message, when it is checked; `notSigned` is
  // told the seq of a signature that does not match.
  void add(qint64 seq, const recordseal::Seal &seal, std::function<QByteArray()> message,
           const std::function<void(qint64)> &notSigned);
  void flush(const std::function<void(qint64)> &notSigned);

 private:
  struct Pending {
    qint64 seq = 0;
    qint64 epoch = -1;
    std::function<QByteArray()> message;
    QByteArray signature;
  };
  const Keys &keys_;
  Pending pending_;
  int sinceChecked_ = 0;
};

// The records of one chain, in the order they are kept, after `afterSeq`
// whose seal is `afterMac` (0 and empty: from the first); single-threaded.
// The note the head witnesses against the note the journal holds at its
// seq (`held`: false when there is none): rule 5's notes.
QList<Problem> noteWitnessed(const journalfiles::Head &head, bool held, const QString &heldMac);
// Likewise the weighing desk's last transaction (transactions.h).
QList<Problem> transactionWitnessed(const journalfiles::Head &head, bool held,
                                    const QString &heldMac);

class ChainCheck {
 public:
  explicit ChainCheck(const Keys &keys, qint64 afterSeq = 0, const QString &afterMac = QString());

  // The record whose seal the head names, looked at on the way.
  void watch(qint64 seq) { watchedSeq_ = seq; }
  // `columns`: the bytes the seal covers after the previous seal
  // (journalcolumns::canonicalColumns), or null; `hash`: the record's chain
  // hash computed already on the previous record's seal, or null. The
  // problems found so far (a signature's, at the end of its run).
  QList<Problem> add(const JournalRecord &record, const QByteArray *columns = nullptr,
                     const QByteArray *hash = nullptr);
  // The signatures still pending, checked.
  QList<Problem> finish();
  // The end against `head` (signed under these keys: Keys::headSigned),
  // the head of journal `journalId` read at `headPath`.
  QList<Problem> end(const journalfiles::Head &head, const QString &journalId,
                     const QString &headPath);

  qint64 lastSeq() const { return lastSeq_; }
  qint64 format1Records() const { return format1Records_; }
  // A record of format 1 came with no key to check it.
  bool neededKey() const { return neededKey_; }
  qint64 lastFormat1Seq() const { return lastFormat1Seen_; }
  qint64 firstFormat2Seq() const { return firstFormat2Seq_; }

 private:
  void format1(const JournalRecord &record, const QByteArray *columns);
  void format2(const JournalRecord &record, const QByteArray *columns,
               const QByteArray *precomputed);
  void notSigned(qint64 seq);

  const Keys &keys_;
  QMessageAuthenticationCode mac_;
  SignedChain chain_;
  QList<Problem> found_;
  qint64 afterSeq_;
  QString afterMac_;
  QString previousMac_;
  qint64 lastSeq_;
  qint64 lastEpoch_ = -1;
  qint64 watchedSeq_ = 0;
  QString watchedMac_;
  qint64 format1Records_ = 0;
  qint64 lastFormat1Seen_ = 0;
  qint64 firstFormat2Seq_ = 0;
  bool neededKey_ = false;
};

}  // namespace chaincheck
