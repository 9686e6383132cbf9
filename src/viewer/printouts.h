// The viewer's printouts: a ticket of one record and a report of records,
// as HTML pages for the toolkit's text document, printed or saved as PDF.
// Both say that they are the monitor's records, not an instrument's
// verified printout.
#pragma once

#include <QString>

#include "journal/journalreader.h"

class QPagedPaintDevice;

namespace printouts {
extern const char *const kDisclaimer;

// Station, seq, date and time, the block's lines and the verification code.
QString ticketHtml(const JournalRecord &record);
// One line per record the filter keeps, then their count and totals. At most
// `limit` records; more make it refuse with the reason.
QString reportHtml(const JournalReader &reader, const JournalFilter &filter, qint64 limit,
                   Failure *failure);

void print(const QString &html, QPagedPaintDevice *device);
// Writes the page as a PDF file, through a temporary file renamed into place.
bool savePdf(const QString &html, const QString &path, Failure *failure);
}  // namespace printouts
