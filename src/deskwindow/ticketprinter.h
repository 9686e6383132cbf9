// Where the desk's tickets go: the printer the operator chose once in the
// system's print dialog (then without asking), or a folder of PDF files;
// on A6, A5, A4 or an 80 mm roll. Remembered between starts. A ticket that
// cannot be printed (the printer gone) is said, and waits in the desk's
// queue (masterdata.h) until it is.
#pragma once

#include <QString>

#include "failure/failure.h"
#include "viewer/transactionticket.h"

class QWidget;

class TicketPrinter {
 public:
  enum class Target { None, Printer, PdfFolder };

  // The choice remembered from the last start.
  void restore();
  // The system's print dialog; false when the operator cancels.
  bool choosePrinter(QWidget *parent);
  void usePdfFolder(const QString &folder);
  // The printer of that name, as the dialog would choose it.
  void usePrinter(const QString &name);
  void setPageSize(int pageSize);  // a QPageSize::PageSizeId, or printouts::kRoll80

  Target target() const { return target_; }
  int pageSize() const { return pageSize_; }
  // "printer HP-Desk", "folder /srv/tickets", "nowhere chosen yet"
  QString describe() const;
  bool print(const printouts::TransactionTicket &ticket, const printouts::Context &context,
             Failure *failure) const;

 private:
  void remember() const;

  Target target_ = Target::None;
  QString printerName_;
  QString folder_;
  int pageSize_ = 0;
};
