// The station's public-key seals: a root key made at commissioning
// certifies a run of epoch keys (each certificate binds the station, the
// epoch's index, start and end to its public key) and is then erased. Each
// record is signed with the key of the epoch in force, and each epoch's
// secret is erased once the epoch is past. Whoever holds the verification
// key (the root's public key and the station's name) can check every seal;
// nobody can make one for an epoch whose secret is gone.
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

  QByteArray signedBytes(const QString &station) const;
  bool certifiedBy(const VerificationKey &key) const;

  // From a row of (epoch, starts, ends, public_key, certificate) as the
  // journal and the central database keep them (hex texts); unchecked.
  template <typename Row>
  static EpochCertificate ofRow(const Row &row) {
    EpochCertificate key;
    key.epoch = row.value(0).toLongLong();
    key.starts = row.value(1).toLongLong();
    key.ends = row.value(2).toLongLong();
    key.publicKey = QByteArray::fromHex(row.value(3).toString().toLatin1());
    key.signature = QByteArray::fromHex(row.value(4).toString().toLatin1());
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

 private:
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
