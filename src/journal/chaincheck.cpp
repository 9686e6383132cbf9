#include "journal/chaincheck.h"

#include <QCoreApplication>
#include <QDateTime>

#include "journal/seals.h"
#include "journal/shown.h"

namespace chaincheck {

const signingkeys::EpochCertificate *Keys::epochKey(qint64 epoch) const {
  if (lookup)
    return lookup(epoch);
  const auto found = epochs.constFind(epoch);
  return found == epochs.constEnd() ? nullptr : &*found;
}

Keys Keys::of(const QByteArray &key, const signingkeys::SigningKeys &keys) {
  Keys chainKeys;
  chainKeys.key = key;
  chainKeys.lastFormat1Seq = kBySeal;
  chainKeys.lookup = [&keys](qint64 epoch) {
    return keys.isCertified(epoch) ? &keys.certificate(epoch) : nullptr;
  };
  return chainKeys;
}

bool Keys::headSigned(const journalfiles::Head &head) const {
  if (head.format == 1)
    return true;
  const signingkeys::EpochCertificate *epoch = epochKey(signingEpochOf(head));
  return epoch && headSignedBy(*epoch, head);
}

qint64 signingEpochOf(const journalfiles::Head &head) {
  recordseal::Seal record, note, transaction;
  if (!recordseal::parse(head.mac, &record))
    return -1;
  if (head.noteSeq > 0 && !recordseal::parse(head.noteMac, &note))
    return -1;
  if (head.transactionSeq > 0 && !recordseal::parse(head.transactionMac, &transaction))
    return -1;
  return qMax(record.epoch, qMax(note.epoch, transaction.epoch));
}

QList<Problem> transactionWitnessed(const journalfiles::Head &head, bool held,
                                    const QString &heldMac) {
  if (head.transactionSeq == 0 || (held && heldMac == head.transactionMac))
    return {};
  return {
      Problem{0, QCoreApplication::translate(
                     "Verifier", "transaction %1, which the head witnessed, is missing or changed")
                     .arg(head.transactionSeq)}};
}

QList<Problem> noteWitnessed(const journalfiles::Head &head, bool held, const QString &heldMac) {
  if (head.noteSeq == 0 || (held && heldMac == head.noteMac))
    return {};
  return {Problem{head.noteSeq, QCoreApplication::translate(
                                    "Verifier",
                                    "seq %1: its text log note, which the head witnessed, is "
                                    "missing or changed")
                                    .arg(head.noteSeq)}};
}

bool datedWithin(const signingkeys::EpochCertificate &epoch, qint64 seconds) {
  return seconds >= epoch.starts - signingkeys::kEpochSlackSeconds && seconds < epoch.ends;
}

bool signedBy(const signingkeys::EpochCertificate &epoch, const QByteArray &message,
              const QByteArray &signature) {
  return seals::verify(epoch.publicKey, message, signature);
}

bool headSignedBy(const signingkeys::EpochCertificate &epoch, const journalfiles::Head &head) {
  return signingEpochOf(head) == epoch.epoch &&
         signedBy(epoch, recordseal::headMessage(head), head.signature);
}

void SignedChain::add(qint64 seq, const recordseal::Seal &seal, std::function<QByteArray()> message,
                      const std::function<void(qint64)> &notSigned) {
  if (pending_.seq > 0 && (seal.epoch != pending_.epoch || ++sinceChecked_ >= 4096))
    flush(notSigned);
  pending_ = {seq, seal.epoch, std::move(message), seal.signature};
}

void SignedChain::flush(const std::function<void(qint64)> &notSigned) {
  sinceChecked_ = 0;
  if (pending_.seq == 0)
    return;
  const signingkeys::EpochCertificate *epoch = keys_.epochKey(pending_.epoch);
  if (epoch && !signedBy(*epoch, pending_.message(), pending_.signature))
    notSigned(pending_.seq);
  pending_ = Pending();
}

ChainCheck::ChainCheck(const Keys &keys, qint64 afterSeq, const QString &afterMac)
    : keys_(keys),
      mac_(QCryptographicHash::Sha256, keys.key),
      chain_(keys),
      afterSeq_(afterSeq),
      afterMac_(afterMac),
      previousMac_(afterMac),
      lastSeq_(afterSeq) {}

QList<Problem> ChainCheck::add(const JournalRecord &record, const QByteArray *columns,
                               const QByteArray *hash) {
  const qint64 expected = lastSeq_ + 1;
  if (record.seq > expected) {
    found_ << Problem{
        expected,
        record.seq == expected + 1
            ? QCoreApplication::translate("Verifier", "seq %1: missing").arg(expected)
            : QCoreApplication::translate("Verifier", "seq %1: missing, and the %2 after it")
                  .arg(expected)
                  .arg(shown::records(record.seq - expected - 1))};
  }
  if (record.seq <= lastSeq_) {
    found_ << Problem{record.seq, QCoreApplication::translate(
                                      "Verifier", "seq %1: out of its place, after seq %2")
                                      .arg(record.seq)
                                      .arg(lastSeq_)};
  }
  if (keys_.lastFormat1Seq == kBySeal ? !recordseal::isPublic(record.mac)
                                      : record.seq <= keys_.lastFormat1Seq)
    format1(record, columns);
  else
    format2(record, columns, hash);
  previousMac_ = record.mac;
  lastSeq_ = qMax(lastSeq_, record.seq);
  if (record.seq == watchedSeq_)
    watchedMac_ = record.mac;
  return std::exchange(found_, {});
}

QList<Problem> ChainCheck::finish() {
  chain_.flush([this](qint64 seq) { notSigned(seq); });
  return std::exchange(found_, {});
}

QList<Problem> ChainCheck::end(const journalfiles::Head &head, const QString &journalId,
                               const QString &headPath) {
  QList<Problem> problems = finish();
  if (head.journalId != journalId) {
    problems << Problem{
        0, QCoreApplication::translate("Verifier", "the head %1 witnesses another journal")
               .arg(headPath)};
  } else if (head.seq > lastSeq_) {
    problems << Problem{
        lastSeq_ + 1,
        QCoreApplication::translate("Verifier",
                                    "seq %1: missing at the end: the journal ends at seq %2, its "
                                    "head witnessed seq %3 (records removed, or an older copy "
                                    "put back)")
            .arg(lastSeq_ + 1)
            .arg(lastSeq_)
            .arg(head.seq)};
  } else if ((head.seq > afterSeq_ && (watchedSeq_ != head.seq || watchedMac_ != head.mac)) ||
             (head.seq > 0 && head.seq == afterSeq_ && afterMac_ != head.mac)) {
    problems << Problem{head.seq, QCoreApplication::translate(
                                      "Verifier", "seq %1: not the record its head witnessed")
                                      .arg(head.seq)};
  }
  return problems;
}

void ChainCheck::format1(const JournalRecord &record, const QByteArray *columns) {
  if (keys_.key.isEmpty()) {
    neededKey_ = true;
    return;
  }
  ++format1Records_;
  lastFormat1Seen_ = record.seq;
  mac_.reset();
  mac_.addData(columns ? journalcolumns::canonicalPrevious(previousMac_) + *columns
                       : journalcolumns::canonicalBytes(record, previousMac_));
  if (QString::fromLatin1(mac_.result().toHex()) != record.mac) {
    found_ << Problem{record.seq,
                      QCoreApplication::translate(
                          "Verifier",
                          "seq %1: its mac does not match its contents and the record before "
                          "(changed, moved, inserted or sealed with another key)")
                          .arg(record.seq)};
  }
}

void ChainCheck::format2(const JournalRecord &record, const QByteArray *columns,
                         const QByteArray *precomputed) {
  if (firstFormat2Seq_ == 0)
    firstFormat2Seq_ = record.seq;
  recordseal::Seal seal;
  if (!recordseal::parse(record.mac, &seal)) {
    found_ << Problem{record.seq, QCoreApplication::translate(
                                      "Verifier", "seq %1: its seal is not a seal of format 2 (%2)")
                                      .arg(record.seq)
                                      .arg(record.mac.left(80))};
    return;
  }
  const QByteArray hash =
      precomputed ? *precomputed
      : columns   ? seals::sha256(journalcolumns::canonicalPrevious(previousMac_) + *columns)
                  : recordseal::recordHash(record, previousMac_);
  if (seal.hash != hash) {
    found_ << Problem{record.seq,
                      QCoreApplication::translate(
                          "Verifier",
                          "seq %1: its seal does not match its contents and the record before "
                          "(changed, moved or inserted)")
                          .arg(record.seq)};
  }
  if (seal.epoch < lastEpoch_) {
    found_ << Problem{record.seq, QCoreApplication::translate(
                                      "Verifier",
                                      "seq %1: sealed in epoch %2 after a record of epoch %3 (an "
                                      "epoch never goes back)")
                                      .arg(record.seq)
                                      .arg(seal.epoch)
                                      .arg(lastEpoch_)};
  }
  lastEpoch_ = qMax(lastEpoch_, seal.epoch);
  const signingkeys::EpochCertificate *epoch = keys_.epochKey(seal.epoch);
  qint64 takenAt = 0;
  if (!epoch) {
    found_ << Problem{
        record.seq, QCoreApplication::translate("Verifier",
                                                "seq %1: its epoch %2 has no key certified by the "
                                                "verification key")
                        .arg(record.seq)
                        .arg(seal.epoch)};
  } else if (!recordseal::secondsOf(record.takenAt, &takenAt) || !datedWithin(*epoch, takenAt)) {
    found_ << Problem{
        record.seq,
        QCoreApplication::translate(
            "Verifier",
            "seq %1: dated %2, outside its sealing epoch %3 (%4 to %5): sealed "
            "later than its time, or the station's clock went back")
            .arg(record.seq)
            .arg(record.takenAt)
            .arg(seal.epoch)
            .arg(QDateTime::fromSecsSinceEpoch(epoch->starts, Qt::UTC).toString(Qt::ISODate),
                 QDateTime::fromSecsSinceEpoch(epoch->ends, Qt::UTC).toString(Qt::ISODate)),
        true};
  }
  chain_.add(
      record.seq, seal,
      [record, hash = seal.hash] { return recordseal::recordMessage(record, hash); },
      [this](qint64 seq) { notSigned(seq); });
}

void ChainCheck::notSigned(qint64 seq) {
  found_ << Problem{seq,
                    QCoreApplication::translate("Verifier",
                                                "seq %1: its signature does not match (forged, "
                                                "changed, or sealed with another station's keys)")
                        .arg(seq)};
}

}  // namespace chaincheck
