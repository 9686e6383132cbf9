// Where the journal and its key live, the key itself, and the head: the
// small file beside the key that witnesses the journal's end, so that a
// journal cut short or put back from an older copy is told from an intact
// one.
#pragma once

#include "failure/failure.h"

#include "journal/signingkeys.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace journalfiles {

// Where a station's journal files are and what it is called, as its
// program's settings say (an empty value: the default below). A program
// hands them over once at its start, before any thread.
struct Places {
  QString journal{};
  QString key{};
  QString heads{};  // the one folder of the heads
  QString station{};
  qint64 epochSeconds = 0;  // 0: signingkeys::kDefaultEpochSeconds
};
void usePlaces(const Places &places);
const Places &places();

// The journal setting, or journal.sqlite in the data folder.
QString defaultJournalPath();
// The journal_key setting, or journal.key in the config folder.
QString defaultKeyPath();
// The folders where heads of the key at keyPath live: the folder of the
// journal_heads setting when set; else beside the key, and the state
// folder (~/.local/state/weighstation) for a key in a folder its writer
// cannot write. Never beside the journal, so that an older copy of a
// journal put back is caught against its head.
QStringList headFolders(const QString &keyPath);
// The head of the journal `journalId` sealed with the key at keyPath,
// "<key's file name>.<journalId>.head": where one is already, else where a
// writer of this user puts a new one.
QString headPathFor(const QString &keyPath, const QString &journalId);
// The key a journal retired by new-journal ("<name>.<id>.<suffix>") was
// retired with: "<key>.<id>" beside `key`; empty when the journal's name is
// not a retired one or no such key (nor its verification key) is there.
QString retiredKeyFor(const QString &journalPath, const QString &key);
// The station setting, or the host's name.
QString stationName();

constexpr int kKeyBytes = 32;

// Reads the key (64 hex digits). With `create`, a missing key file is made
// first: 32 random bytes, mode 0600, its folder made too.
bool loadKey(const QString &path, bool create, QByteArray *key, Failure *failure);

// HMAC-SHA-256 of `bytes` with `key`, in lowercase hex.
QString sealOf(const QByteArray &key, const QByteArray &bytes);

struct Head {
  QString journalId;
  qint64 seq = 0;
  QString mac;
  // Format 2: signed with the key of the epoch that sealed `mac`; the one
  // who reads it checks the signature against that epoch's certificate.
  int format = 1;
  QByteArray signature;
  // Format 2: the signing epoch's certificate, carried so that whoever holds
  // only the verification key can check a head of another journal of the
  // same key (epoch -1: a head written before heads carried it).
  signingkeys::EpochCertificate certificate;
  // Format 2: the last text log note when the head was written (0: none),
  // its seq and its seal, so that a note removed after it is seen. Signed
  // with the key of the later epoch of the record's and the note's.
  qint64 noteSeq = 0;
  QString noteMac;
  // Format 2: the last transaction of the weighing desk (0: none), its seq
  // and seal, signed likewise (the latest of the three epochs).
  qint64 transactionSeq = 0;
  QString transactionMac;
};

// Reads the head; false (with the reason) when it is missing, unreadable or
// (format 1) not sealed with `key`. A head of format 2 is read unchecked.
bool readHead(const QString &path, const QByteArray &key, Head *head, Failure *failure);

// A head found in the key's head folders.
struct FoundHead {
  QString path;
  Head head;    // as its line says
  bool sealed;  // and sealed with the key given
};
// Every head of the key at keyPath, of whichever journal, checked with what
// an auditor holds, never with the station's secrets: `sealed` against
// `key` (format 1; empty: none is), and for a signed head against `under`'s
// epoch keys: those in `known` or the certificate the head carries. Without
// `under`, no signed head is sealed.
QList<FoundHead> headsOf(const QString &keyPath, const QByteArray &key,
                         const signingkeys::VerificationKey *under,
                         const QHash<qint64, signingkeys::EpochCertificate> &known);
// The writer's view: the heads under the key's name that are its own, or
// cannot be told from its own, checked with the key and the signing keys
// beside it; all but those in the state folder (which every key of the
// user shares) that are not sealed with them.
QList<FoundHead> headsOfTheKey(const QString &keyPath);
// The paths of the heads under the key's name, unread.
QStringList headPathsOf(const QString &keyPath);
// The head among `heads` that witnesses the most records of a journal
// other than `journalId`; null when none witnesses any.
const FoundHead *otherJournal(const QList<FoundHead> &heads, const QString &journalId);

// The head file held open and locked by a writer of the journal.
class HeadWriter {
 public:
  HeadWriter() = default;
  ~HeadWriter();
  HeadWriter(const HeadWriter &) = delete;
  HeadWriter &operator=(const HeadWriter &) = delete;

  bool open(const QString &path, Failure *failure);
  // Takes the head's lock: writers of one journal take it around a commit,
  // so that their heads follow the journal's order.
  void lock();
  void unlock();
  // Writes the head unless it already witnesses a later record (or the
  // same record and a later note); synced.
  // A head of format 2 carries its signature; `key` seals one of format 1.
  bool advance(const QByteArray &key, const Head &head, Failure *failure);

 private:
  int fd_ = -1;
};

}  // namespace journalfiles
