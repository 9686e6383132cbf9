// The station's public-key seals: a root key made at commissioning
// certifies a run of epoch keys (each certificate binds the station, the
// epoch's index, start and end to its public key) and is then erased. Each
// record is signed with the key of the epoch in force, and each epoch's
// secret is erased once the epoch is past. Whoever holds the verification
// key (the root's public key and the station's name) can check every seal;
// nobody can make one for an epoch whose secret is gone.
//
// A run of epoch keys ends (kEpochsInARun epochs); before it does, the
// station certifies the next run under a new root and links that root to
// the run before: the last epoch key of the ending run signs the new root
// and the new run's first epoch. A certificate of a later run carries those
// links, so the verification key's trust reaches it along a chain of runs,
// each certified by the last epoch key of the one before. Each new root is
// erased once it has certified its run, as the first was: forward security
// is unchanged.
#pragma once

#include "failure/failure.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "journal/seals.h"

namespace signingkeys {

constexpr qint64 kDefaultEpochSeconds = 86400;
constexpr qint64 kShortestEpochSeconds = 60;
constexpr int kEpochsInARun = 1024;
// A link between runs: the first epoch of the run (8 bytes, big-endian),
// its root (32), the certificate of the epoch before it (epoch, starts,
// ends: 8 each; its public key 32, its root's signature 64), and that epoch
// key's signature of the run's first epoch and root (64).
constexpr int kRunLinkBytes = 8 + 32 + 24 + 32 + 64 + 64;
// A record may be taken this long before the start of the epoch that seals
// it: an epoch can begin between the record's request and its commit.
constexpr qint64 kEpochSlackSeconds = 5;

struct VerificationKey {
  QString station;
  QByteArray root;  // Ed25519 public key
  // Every record after this seq is of format 2 (0: every record), signed by
  // the root when the key was made: the journal's own format marker and
  // transition row cannot move it. -1 for a key made before keys said so.
  qint64 format2After = -1;
  QByteArray formatSignature;
  static QByteArray formatBytes(const QString &station, qint64 after);

  // XXXX-XXXX-XXXX-XXXX of the station's name and the root.
  QString fingerprint() const;
  QByteArray fileText() const;
  bool operator==(const VerificationKey &other) const {
    return station == other.station && root == other.root;
  }
};
// The verification key file; false with one line saying what is wrong.
bool readVerificationKey(const QString &path, VerificationKey *key, Failure *failure);
bool parseVerificationKey(const QByteArray &text, VerificationKey *key, Failure *failure);

struct EpochCertificate {
  qint64 epoch = -1;
  qint64 starts = 0;  // seconds since 1970, UTC
  qint64 ends = 0;
  QByteArray publicKey;
  QByteArray signature;  // the root's
  // For an epoch of a later run: the links from the verification key's root
  // to the root that signed it (kRunLinkBytes each, in order); empty in the
  // first run.
  QByteArray runLinks;

  QByteArray signedBytes(const QString &station) const;
  // Signed by the verification key's root, or by a later run's root the
  // links carry its trust to (and dated after the run it follows).
  bool certifiedBy(const VerificationKey &key) const;
  // The certificate as the journal, the central database and a head keep it:
  // the signature in hex, then for a later run a '.' and its links in hex.
  QByteArray certificateText() const;
  // False when `text` is not of that form.
  bool setCertificateText(const QByteArray &text);

  // From a row of (epoch, starts, ends, public_key, certificate) as the
  // journal and the central database keep them (hex texts); unchecked.
  template <typename Row>
  static EpochCertificate ofRow(const Row &row) {
    EpochCertificate key;
    key.epoch = row.value(0).toLongLong();
    key.starts = row.value(1).toLongLong();
    key.ends = row.value(2).toLongLong();
    key.publicKey = QByteArray::fromHex(row.value(3).toString().toLatin1());
    key.setCertificateText(row.value(4).toString().toLatin1());
    return key;
  }
};

// "$folder/$name.signing" and "$folder/$name.verification-key" beside a key
// at "$folder/$name.key".
QString signingPathFor(const QString &keyPath);
QString verificationKeyPathFor(const QString &keyPath);

// The epoch length the station's places ask for (journal_epoch_seconds).
qint64 epochSecondsSetting();

// A clock that moves more epochs ahead at once than this (two weeks of
// daily epochs, a quarter of an hour of one-minute ones) is taken for a
// clock set wrong: no secret is erased for it, and nothing is sealed in
// its epoch, until a person confirms the time (a clock set too far ahead
// would otherwise erase the secrets of epochs still to come, and end the
// journal's sealing).
constexpr qint64 kEpochsErasedUnasked = 14;
// How long before a run's end the station is warned: 30 days, or an eighth
// of a run of short epochs.
qint64 runEndWarningSeconds(qint64 epochSeconds);

// What the operator must be told at a program's start (empty: nothing).
struct StartWarnings {
  QString clockJumped;  // the clock is too far ahead of the keys' last use
  QString runEnding;    // the run ends soon
};
// At a program's start: erases, in the signing keys at `signingPath`, the
// secret of every epoch before the one at `now` (nothing when there are
// none, or when the clock jumped ahead), and says so on the error output.
StartWarnings erasePastEpochsAtStart(const QString &signingPath, qint64 now);

class SigningKeys {
 public:
  // A new root and a run of epoch keys of `length` seconds, the first
  // starting at `firstStart` (seconds since 1970); writes the signing
  // file (mode 0600) and the verification key file. The root's secret
  // never leaves memory and is erased there.
  // `format2After`: the journal's last record of format 1 (0: none), which
  // the root signs into the verification key.
  static bool commission(const QString &signingPath, const QString &verificationPath,
                         const QString &station, qint64 firstStart, qint64 length, Failure *failure,
                         qint64 format2After = 0);
  // The epoch boundary at or before `now`: whole epochs from 1970.
  static qint64 boundaryBefore(qint64 now, qint64 length);

  // Reads the signing file: refused when others may read it.
  bool load(const QString &path, Failure *failure);
  bool loaded() const { return !certificates_.isEmpty(); }
  const VerificationKey &verificationKey() const { return verificationKey_; }

  // The epoch whose time holds `seconds`: -1 before the run, epochs()
  // after it.
  qint64 epochAt(qint64 seconds) const;
  qint64 epochs() const { return certificates_.size(); }
  const EpochCertificate &certificate(qint64 epoch) const { return certificates_[epoch]; }
  // Whether the root certifies the epoch's key: checked at its first use
  // (a run holds a thousand), never signed with otherwise.
  bool isCertified(qint64 epoch) const;
  bool hasSecret(qint64 epoch) const;
  // The first epoch whose secret is kept: every one before it is past.
  qint64 firstKeptEpoch() const;
  QByteArray sign(qint64 epoch, const QByteArray &message) const;
  // Erases the secret of every epoch before `epoch`: overwritten in the
  // file, synced, and cleared in memory. *erased counts them.
  bool erasePast(qint64 epoch, qint64 *erased, Failure *failure);
  // Whether the run ends within `seconds` of `now` with its last secret
  // still held: then the next run can be certified, and should be.
  bool runEndsWithin(qint64 now, qint64 seconds) const;
  // Certifies the next run: a new root makes kEpochsInARun epoch keys
  // following the last, the last epoch's key links the new root, the root
  // is erased, and the signing file is rewritten whole (synced, renamed).
  bool extend(Failure *failure);

 private:
  bool write(Failure *failure);

  QString path_;
  VerificationKey verificationKey_;
  QList<EpochCertificate> certificates_;
  QList<QByteArray> secrets_;                   // empty once erased
  mutable std::vector<signed char> certified_;  // -1 not yet checked, 0 no, 1 yes
  // The epoch that signs most, made ready once.
  mutable qint64 signerEpoch_ = -1;
  mutable std::shared_ptr<seals::Signer> signer_;
  qint64 headerBytes_ = 0;
  qint64 lineBytes_ = 0;
};

// Why sealing in epoch `to` is refused when the keys were last used in
// epoch `from`: the clock jumped ahead; empty when it did not.
QString clockJump(const SigningKeys &keys, qint64 from, qint64 to);

}  // namespace signingkeys
