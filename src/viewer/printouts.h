// The viewer's and the records command's printouts: a weighing ticket of
// one record and a report of records, painted page by page on a printer or
// a PDF writer. Each says what the journal's check said when it was printed
// and when that was; a printout of a journal that fails its check (or whose
// check had not finished) says UNVERIFIED in large type. Both say that they
// are the monitor's records, not an instrument's verified printout.
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

#include "journal/journalreader.h"
#include "journal/shown.h"

class QPagedPaintDevice;
struct VerifyReport;

namespace printouts {
extern const char *const kDisclaimer;

// What the journal's check said when a printout was made.
struct CheckState {
  // EndNotWitnessed: every record intact, the journal's end not witnessed.
  enum class State { Intact, Broken, Unfinished, EndNotWitnessed };
  State state = State::Unfinished;
  qint64 firstSeq = 0;
  qint64 lastSeq = 0;
  qint64 badSeq = 0;  // the first seq that cannot be trusted; 0: none known

  // The state of a finished check.
  static CheckState of(const VerifyReport &report);
  bool verified() const { return state == State::Intact || state == State::EndNotWitnessed; }
  // Whether record `seq` may be printed without the operator's yes: the
  // journal intact, or the record before the first bad one.
  bool trusts(qint64 seq) const;
  // "Journal checked: intact, seq 1..N", "UNVERIFIED: the journal fails
  // its check at seq K", "UNVERIFIED: check not finished".
  QString line() const;
};

// The site on every printout's head, as the program's settings name it:
// its name, up to three address lines, a logo (an image file).
struct Site {
  QString name;
  QStringList address;
  QString logo;
};

struct Context {
  Site site;
  CheckState check;
  // The ticket's QR code text (ticketcode.h); none for a record of format 1.
  QString ticketCode;
  QDateTime printedAt;
};

// A report's rows: each record, a subtotal after each day's records (a day
// in local time), and the grand totals, one a unit. Sums are of the totals
// as shown, exact.
struct ReportRow {
  enum class Kind { Record, DayTotal, GrandTotal };
  Kind kind = Kind::Record;
  QStringList cells;  // one a heading
};

class ReportRows {
 public:
  static const QStringList &headings();
  // The rows `record` adds: the day before closed when the day changed,
  // then its own.
  void add(const JournalRecord &record, QList<ReportRow> *rows);
  // The last day closed, then the grand totals.
  void finish(QList<ReportRow> *rows);
  qint64 count() const { return count_; }

 private:
  void closeDay(QList<ReportRow> *rows);

  QDate day_;
  qint64 dayCount_ = 0;
  qint64 count_ = 0;
  QMap<QString, shown::Sum> daySums_;
  QMap<QString, shown::Sum> sums_;
};

struct ReportRequest {
  JournalFilter filter;
  QString period;      // "2026-12-01 to 2026-12-07", "all records"
  QString filterText;  // what else the filter keeps to; empty: nothing
};

// Paints a ticket of `record` on `device`; false when the device cannot be
// painted on.
bool paintTicket(QPagedPaintDevice *device, const JournalRecord &record, const Context &context,
                 Failure *failure);
// Paints the report, reading the records twice (counting, then painting):
// pages are streamed, never held.
bool paintReport(QPagedPaintDevice *device, const JournalReader &reader,
                 const ReportRequest &request, const Context &context, Failure *failure);

// A ticket printer's roll: 80 mm wide, a page 200 mm long, no margins.
constexpr int kRoll80 = 1000;

// A PDF at `path` of what `paint` paints, through a temporary file renamed
// into place; `pageSize` a QPageSize::PageSizeId, or kRoll80.
bool savePdf(const QString &path, int pageSize,
             const std::function<bool(QPagedPaintDevice *, Failure *)> &paint, Failure *failure);

// "2026-12-01 to 2026-12-07", "from ...", "up to ...", "all records".
QString periodText(const QString &from, const QString &to);
// The names a Save dialog suggests.
QString ticketFileName(const JournalRecord &record);
QString reportFileName(const QString &from, const QString &to);
}  // namespace printouts
