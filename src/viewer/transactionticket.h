// The ticket of a weighing desk's transaction (transactions.h), printed at
// the moment of weighing: the site, the transaction's data, each weighing
// (its record's seq, date and time, weight as shown), gross, tare and net,
// the journal's check, and a QR code of its signed entry that check-ticket
// checks offline. An interim ticket (a first weighing) carries instead the
// code a handheld scanner types back at the second weighing. A transaction
// voided or corrected since prints marked VOID or REPLACED.
#pragma once

#include <QList>
#include <QString>

#include "journal/transactions.h"
#include "viewer/printouts.h"

namespace printouts {

struct TransactionTicket {
  Transaction entry;
  // The records it binds, in order: first and second weighing.
  QList<transactions::RecordFacts> weighings;
  const Transaction *storedTare = nullptr;  // a stored-tare weighing's
  qint64 endedBy = 0;                       // the void or correction since
  bool endedByVoid = false;
  // The WS3 code (ticketcode.h); for a first weighing, its interim code.
  QString code;
};

// The ticket of transaction `seq` as `state` knows it, with the whole entry
// `entry` (its seals); `records` gives the records it binds.
TransactionTicket transactionTicket(const Transaction &entry,
                                    const transactions::TransactionCheck &state,
                                    const transactions::TransactionCheck::RecordLookup &records,
                                    const QString &code);

bool paintTransactionTicket(QPagedPaintDevice *device, const TransactionTicket &ticket,
                            const Context &context, Failure *failure);
// "transaction-12.pdf"
QString transactionTicketFileName(const Transaction &entry);

}  // namespace printouts
