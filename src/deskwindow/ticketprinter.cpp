#include "deskwindow/ticketprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

namespace {

QPageSize pageSizeOf(int id) {
  return id == printouts::kRoll80 ? QPageSize(QSizeF(80, 200), QPageSize::Millimeter)
                                  : QPageSize(QPageSize::PageSizeId(id));
}
}  // namespace

void TicketPrinter::restore() {
  const QSettings remembered;
  target_ = Target(remembered.value(QStringLiteral("tickets/target"), 0).toInt());
  printerName_ = remembered.value(QStringLiteral("tickets/printer")).toString();
  folder_ = remembered.value(QStringLiteral("tickets/folder")).toString();
  pageSize_ = remembered.value(QStringLiteral("tickets/pageSize"), int(QPageSize::A6)).toInt();
}

void TicketPrinter::remember() const {
  QSettings remembered;
  remembered.setValue(QStringLiteral("tickets/target"), int(target_));
  remembered.setValue(QStringLiteral("tickets/printer"), printerName_);
  remembered.setValue(QStringLiteral("tickets/folder"), folder_);
  remembered.setValue(QStringLiteral("tickets/pageSize"), pageSize_);
}

bool TicketPrinter::choosePrinter(QWidget *parent) {
  QPrinter printer(QPrinter::HighResolution);
  if (!printerName_.isEmpty())
    printer.setPrinterName(printerName_);
  printer.setPageSize(pageSizeOf(pageSize_));
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  target_ = Target::Printer;
  printerName_ = printer.printerName();
  remember();
  return true;
}

void TicketPrinter::usePdfFolder(const QString &folder) {
  target_ = Target::PdfFolder;
  folder_ = folder;
  remember();
}

void TicketPrinter::usePrinter(const QString &name) {
  target_ = Target::Printer;
  printerName_ = name;
  remember();
}

void TicketPrinter::setPageSize(int pageSize) {
  pageSize_ = pageSize;
  remember();
}

QString TicketPrinter::describe() const {
  switch (target_) {
    case Target::Printer:
      return QCoreApplication::translate("Desk", "printer %1").arg(printerName_);
    case Target::PdfFolder:
      return QCoreApplication::translate("Desk", "folder %1")
          .arg(QDir::toNativeSeparators(folder_));
    default:
      return QCoreApplication::translate("Desk", "nowhere chosen yet");
  }
}

bool TicketPrinter::print(const printouts::TransactionTicket &ticket,
                          const printouts::Context &context, Failure *failure) const {
  auto paint = [&](QPagedPaintDevice *device, Failure *failed) {
    return printouts::paintTransactionTicket(device, ticket, context, failed);
  };
  if (target_ == Target::PdfFolder)
    return printouts::savePdf(
        QDir(folder_).filePath(printouts::transactionTicketFileName(ticket.entry)), pageSize_,
        paint, failure);
  if (target_ != Target::Printer) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate(
                    "Desk", "no printer or folder is chosen for the tickets (Tickets menu)"));
    return false;
  }
  if (QPrinterInfo::printerInfo(printerName_).isNull()) {
    *failure = Failure(
        Failure::Kind::Io,
        QCoreApplication::translate("Desk", "the printer %1 is not there").arg(printerName_));
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(printerName_);
  printer.setPageSize(pageSizeOf(pageSize_));
  printer.setFullPage(pageSize_ == printouts::kRoll80);
  printer.setDocName(printouts::transactionTicketFileName(ticket.entry));
  if (!printer.isValid() || !paint(&printer, failure)) {
    if (!failure->failed())
      *failure = Failure(
          Failure::Kind::Io,
          QCoreApplication::translate("Desk", "the printer %1 cannot print").arg(printerName_));
    return false;
  }
  return true;
}
