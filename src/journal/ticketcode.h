// The text a weighing ticket's QR code carries: enough to check, offline
// and with the station's verification key alone, that the station sealed a
// record with this station, seq, time and total.
//
//   WS2|<station>|<seq>|<taken_at>|<total as shown>|<epoch>|<epoch start>|
//   <epoch end>|<epoch public key>|<its certificate>|<hash>|<signature>
//   [|<the links of a later run of epoch keys>]
//
// (one line; the station and the total percent-encoded; the keys, the
// certificate, hash and signature in base64url without padding).
//
// A weighing desk's transaction (transactions.h) carries every column of
// its entry, so that its content hash and signature can be checked alone:
//
//   WS3|<each column of the entry, in order, percent-encoded>|<epoch start>|
//   <epoch end>|<epoch public key>|<its certificate>|<chain hash>|
//   <signature>[|<the links of a later run of epoch keys>]
#pragma once

#include <QList>
#include <QString>

#include "journal/journalrecord.h"
#include "journal/signingkeys.h"
#include "journal/transactions.h"

namespace ticketcode {

// The code of a record of format 2 whose epoch key is among `epochKeys`;
// empty otherwise (a record of format 1 has none).
QString of(const JournalRecord &record, const QList<signingkeys::EpochCertificate> &epochKeys);

// The code of a sealed transaction whose epoch key is among `epochKeys`.
QString ofTransaction(const Transaction &entry,
                      const QList<signingkeys::EpochCertificate> &epochKeys);

struct Checked {
  bool genuine = false;
  bool isTransaction = false;
  Transaction transaction;  // a transaction's code: what it says
  QString station;
  qint64 seq = 0;
  QString takenAt;
  QString totalShown;
  QString why;  // when not genuine
};
Checked check(const QString &code, const signingkeys::VerificationKey &key);

// "ticket genuine: station S, seq N, <local date time>, <total as shown>"
// or "ticket NOT genuine: <why>".
QString line(const Checked &checked);

}  // namespace ticketcode
