// The public seals of format 2, as the journal stores them in its `mac`
// columns: "2.<epoch>.<hash>.<signature>" (hex), where the hash is the
// SHA-256 of the canonical bytes chained on the seal before, and the
// signature is the epoch key's over what a ticket shows and that hash.
// Each seal is checkable on its own (a ticket); the chain binds each record
// to every one before it.
#pragma once

#include <QByteArray>
#include <QString>

#include "journal/journalfiles.h"
#include "journal/journalrecord.h"
#include "journal/signingkeys.h"

namespace recordseal {

struct Seal {
  qint64 epoch = -1;
  QByteArray hash;
  QByteArray signature;
};

// A seal of format 2 (a format-1 mac is 64 hex digits).
bool isPublic(const QString &mac);
bool parse(const QString &mac, Seal *seal);
QString text(const Seal &seal);

// "111 lbs GROSS", "-12.5 kg NET": the grand total as the operator saw it.
QString totalShown(const JournalRecord &record);
// The bytes a record's signature covers.
QByteArray recordMessage(const QString &station, qint64 seq, const QString &takenAt,
                         const QString &totalShown, const QByteArray &hash);
QByteArray recordMessage(const JournalRecord &record, const QByteArray &hash);
QByteArray recordHash(const JournalRecord &record, const QString &previousMac);

// A text log note's chain: chained on the note before (by seq).
QByteArray noteHash(qint64 seq, bool written, const QString &failure, const QString &recordMac,
                    const QString &previousNoteMac);
QByteArray noteMessage(const QByteArray &hash);
QByteArray headMessage(const journalfiles::Head &head);

// The seal of `record` in `epoch`; empty when that epoch cannot sign.
QString sealRecord(const signingkeys::SigningKeys &keys, qint64 epoch, const JournalRecord &record,
                   const QString &previousMac);

// The record's time in seconds since 1970; false when it is not a time.
bool secondsOf(const QString &takenAt, qint64 *seconds);

}  // namespace recordseal
