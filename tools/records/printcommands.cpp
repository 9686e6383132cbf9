// Printouts of the journal (a record's ticket, a report) and the offline
// check of a ticket's QR code.
#include <zbar.h>

#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <cstdio>

#include "command.h"
#include "commands.h"
#include "desk/deskreport.h"
#include "desk/weighingdesk.h"
#include "journal/outputguard.h"
#include "journal/ticketcode.h"
#include "viewer/printouts.h"
#include "viewer/transactionreport.h"
#include "viewer/transactionticket.h"

namespace records {
namespace {
// The journal checked in full before printing: what every printout states.
bool checkForPrinting(const Command &command, printouts::Context *context) {
  const VerifyReport report = verifyJournal(withProgress(command.verifyOptions()));
  if (report.outcome == VerifyReport::Outcome::CannotCheck) {
    cannot(
        report.failure.within(QCoreApplication::translate("Records", "cannot check the journal")));
    return false;
  }
  context->check = printouts::CheckState::of(report);
  context->site = siteToPrint();
  context->printedAt = QDateTime::currentDateTime();
  return true;
}

void addPdfOptions(QCommandLineParser &parser) {
  parser.addOption({QStringLiteral("pdf"),
                    QCoreApplication::translate("Records", "Write the PDF to FILE."),
                    QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("page-size"),
                    QStringLiteral("A4 (the default), A5, A6, Letter or Roll80 (an 80 mm ticket "
                                   "printer's roll)."),
                    QStringLiteral("SIZE")});
}

// Where and on what a printout goes, and the check it states.
struct PrintJob {
  QString path;
  int pageSize = 0;
  printouts::Context context;
};

// The --pdf and --page-size options taken, the output allowed and the
// journal checked: -1 to go on, else the exit code.
int preparePrinting(const Command &command, PrintJob *job);

// The page size asked for; -1 after saying why not.
int pageSizeOf(const QCommandLineParser &parser) {
  const QString asked = parser.value(QStringLiteral("page-size")).toUpper();
  if (asked.isEmpty() || asked == QLatin1String("A4"))
    return QPageSize::A4;
  if (asked == QLatin1String("A5"))
    return QPageSize::A5;
  if (asked == QLatin1String("A6"))
    return QPageSize::A6;
  if (asked == QLatin1String("LETTER"))
    return QPageSize::Letter;
  if (asked == QLatin1String("ROLL80"))
    return printouts::kRoll80;
  cannot(QCoreApplication::translate("Records",
                                     "--page-size takes A4, A5, A6, Letter or Roll80, not '%1'")
             .arg(parser.value(QStringLiteral("page-size"))));
  return -1;
}
int preparePrinting(const Command &command, PrintJob *job) {
  job->path = command.parser().value(QStringLiteral("pdf"));
  if (job->path.isEmpty())
    return cannot(QCoreApplication::translate("Records", "takes --pdf FILE"));
  job->pageSize = pageSizeOf(command.parser());
  if (job->pageSize < 0)
    return kCannot;
  Failure failure;
  if (!writable(command, job->path, &failure))
    return cannot(failure);
  return checkForPrinting(command, &job->context) ? -1 : kCannot;
}
// The texts of the QR codes ZBar finds in an image (a photo or a scan).
QStringList qrCodesIn(const QString &path, QString *error) {
  using namespace zbar;  // its C interface, as its C++ header declares it
  const QImage picture(path);
  if (picture.isNull()) {
    *error = QStringLiteral("cannot read the image %1").arg(path);
    return {};
  }
  const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
  QByteArray pixels;
  pixels.reserve(gray.width() * gray.height());
  for (int row = 0; row < gray.height(); ++row)
    pixels.append(reinterpret_cast<const char *>(gray.constScanLine(row)), gray.width());
  std::unique_ptr<zbar_image_scanner_t, void (*)(zbar_image_scanner_t *)> scanner(
      zbar_image_scanner_create(), zbar_image_scanner_destroy);
  std::unique_ptr<zbar_image_t, void (*)(zbar_image_t *)> image(zbar_image_create(),
                                                                zbar_image_destroy);
  zbar_image_scanner_set_config(scanner.get(), ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
  zbar_image_scanner_set_config(scanner.get(), ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
  zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
  zbar_image_set_size(image.get(), unsigned(gray.width()), unsigned(gray.height()));
  zbar_image_set_data(image.get(), pixels.constData(), unsigned(pixels.size()), nullptr);
  QStringList texts;
  if (zbar_scan_image(scanner.get(), image.get()) > 0) {
    for (const zbar_symbol_t *symbol = zbar_image_first_symbol(image.get()); symbol;
         symbol = zbar_symbol_next(symbol))
      texts << QString::fromUtf8(zbar_symbol_get_data(symbol),
                                 int(zbar_symbol_get_data_length(symbol)));
  }
  if (texts.isEmpty())
    *error = QStringLiteral("no QR code found in %1").arg(path);
  return texts;
}
}  // namespace

namespace {
// Record `seq` and its ticket's code (with its epoch's certificate), read
// from the journal at `journal`.
bool recordAndCode(const QString &journal, qint64 seq, JournalRecord *record, QString *code,
                   Failure *failure) {
  JournalReader reader(journal);
  JournalFilter one;
  one.seqFrom = one.seqTo = seq;
  if (!reader.open(failure) || !reader.forEach(
                                   one,
                                   [record](const JournalRecord &found) {
                                     *record = found;
                                     return false;
                                   },
                                   failure))
    return false;
  if (record->seq == 0) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Records", "no record %1 in the journal").arg(seq));
    return false;
  }
  QList<signingkeys::EpochCertificate> epochKeys;
  if (!reader.epochKeys(&epochKeys, failure))
    return false;
  *code = ticketcode::of(*record, epochKeys);
  return true;
}
}  // namespace

int ticket(const QStringList &arguments) {
  Command command(QStringLiteral("ticket"),
                  QCoreApplication::translate(
                      "Records",
                      "Prints the weighing ticket of one record to a PDF file, with the "
                      "journal's check result; a record the check does not vouch for "
                      "is refused unless --unverified is given, and then marked."));
  QCommandLineParser &parser = command.parser();
  parser.addOption({QStringLiteral("seq"), QCoreApplication::translate("Records", "The record."),
                    QStringLiteral("N")});
  addPdfOptions(parser);
  parser.addOption(
      {QStringLiteral("unverified"),
       QCoreApplication::translate("Records",
                                   "Print a record the journal's check does not vouch for, marked "
                                   "UNVERIFIED.")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  bool number = false;
  const qint64 seq = parser.value(QStringLiteral("seq")).toLongLong(&number);
  if (!number || seq < 1)
    return cannot(QCoreApplication::translate("Records", "ticket takes --seq N, a record's seq"));
  PrintJob job;
  if (const int code = preparePrinting(command, &job); code >= 0)
    return code;
  const QString &path = job.path;
  printouts::Context &context = job.context;
  Failure failure;
  JournalRecord record;
  if (!recordAndCode(command.journal(), seq, &record, &context.ticketCode, &failure))
    return cannot(failure);
  if (!context.check.trusts(seq) && !parser.isSet(QStringLiteral("unverified"))) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(messageLine(
                     QCoreApplication::translate("Records",
                                                 "seq %1 is not printed: %2 (--unverified "
                                                 "prints it marked UNVERIFIED)")
                         .arg(seq)
                         .arg(context.check.line()))));
    return kBroken;
  }
  if (!printouts::savePdf(
          path, job.pageSize,
          [&](QPagedPaintDevice *device, Failure *failed) {
            return printouts::paintTicket(device, record, context, failed);
          },
          &failure))
    return cannot(failure);
  say(context.check.verified()
          ? QCoreApplication::translate("Records", "printed the ticket of seq %1 to %2")
                .arg(seq)
                .arg(path)
          : QCoreApplication::translate("Records",
                                        "printed the ticket of seq %1 to %2 (marked UNVERIFIED)")
                .arg(seq)
                .arg(path));
  return context.check.verified() ? kDone : kBroken;
}

int transactionTicket(const QStringList &arguments) {
  Command command(QStringLiteral("transaction-ticket"),
                  QCoreApplication::translate(
                      "Records",
                      "Prints the ticket of a weighing desk's transaction to a PDF file, with the "
                      "journal's check result; refused when the journal fails its check unless "
                      "--unverified is given, and then marked."));
  QCommandLineParser &parser = command.parser();
  parser.addOption({QStringLiteral("transaction"),
                    QCoreApplication::translate("Records", "The transaction."),
                    QStringLiteral("N")});
  addPdfOptions(parser);
  parser.addOption({QStringLiteral("unverified"),
                    QCoreApplication::translate("Records",
                                                "Print it though the journal fails its check, "
                                                "marked UNVERIFIED.")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  bool number = false;
  const qint64 seq = parser.value(QStringLiteral("transaction")).toLongLong(&number);
  if (!number || seq < 1)
    return cannot(
        QCoreApplication::translate("Records", "transaction-ticket takes --transaction N"));
  PrintJob job;
  if (const int code = preparePrinting(command, &job); code >= 0)
    return code;
  if (!job.context.check.verified() && !parser.isSet(QStringLiteral("unverified"))) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(messageLine(
                     QCoreApplication::translate("Records",
                                                 "transaction %1 is not printed: %2 (--unverified "
                                                 "prints it marked UNVERIFIED)")
                         .arg(seq)
                         .arg(job.context.check.line()))));
    return kBroken;
  }
  JournalReader reader(command.journal());
  Failure failure;
  QList<signingkeys::EpochCertificate> epochKeys;
  if (!reader.open(&failure) || !reader.epochKeys(&epochKeys, &failure))
    return cannot(failure);
  const transactions::TransactionCheck::RecordLookup records =
      transactions::recordLookup(reader.database());
  transactions::TransactionCheck state(records);
  QStringList problems;
  transactions::readAll(reader.database(), &state, &problems);
  const std::optional<Transaction> entry = transactions::readOne(reader.database(), seq);
  if (!entry)
    return cannot(
        QCoreApplication::translate("Records", "no transaction %1 in the journal").arg(seq));
  const printouts::TransactionTicket ticket = printouts::transactionTicket(
      *entry, state, records,
      entry->kind == transactions::kFirst ? desk::interimCode(seq)
                                          : ticketcode::ofTransaction(*entry, epochKeys));
  if (!printouts::savePdf(
          job.path, job.pageSize,
          [&](QPagedPaintDevice *device, Failure *failed) {
            return printouts::paintTransactionTicket(device, ticket, job.context, failed);
          },
          &failure))
    return cannot(failure);
  say(QCoreApplication::translate("Records", "printed the ticket of transaction %1 to %2")
          .arg(seq)
          .arg(job.path));
  return job.context.check.verified() ? kDone : kBroken;
}

namespace {
// The report of the journal's transactions the command asks for (its
// period, the site's shifts): -1 to go on, else the exit code.
int buildReport(const Command &command, deskreport::By by, JournalReader &reader,
                std::optional<transactions::TransactionCheck> *state, deskreport::Report *report) {
  QList<QTime> shifts;
  const QString shiftSetting = settingsRead().value(QStringLiteral("desk_shifts"));
  if (!deskreport::parseShifts(
          shiftSetting.isEmpty() ? QStringLiteral("06:00,14:00,22:00") : shiftSetting, &shifts))
    return cannot(QCoreApplication::translate("Records",
                                              "desk_shifts is not a list of times "
                                              "HH:mm: '%1'")
                      .arg(shiftSetting));
  JournalFilter filter;
  Failure failure;
  if (!filterOf(command.parser(), false, &filter, &failure) || !reader.open(&failure))
    return cannot(failure);
  state->emplace(transactions::recordLookup(reader.database()));
  QStringList problems;
  if (!transactions::readAll(reader.database(), &**state, &problems, false))
    return cannot(problems.value(0));
  *report = deskreport::build(**state, by, filter.takenFrom, filter.takenTo, shifts);
  return -1;
}
}  // namespace

int transactionReport(const QStringList &arguments) {
  Command command(
      QStringLiteral("transaction-report"),
      QCoreApplication::translate(
          "Records",
          "A report of the weighing desk's transactions: per shift, day, customer, product or "
          "vehicle, each group's count and net sums per unit, the voided and replaced ones "
          "apart; as a PDF (with the journal's check result) or a CSV or .xlsx table."));
  QCommandLineParser &parser = command.parser();
  parser.addOption({QStringLiteral("by"),
                    QCoreApplication::translate(
                        "Records", "shift, day (the default), customer, product or vehicle."),
                    QStringLiteral("GROUP")});
  addFilterOptions(parser);
  addPdfOptions(parser);
  parser.addOption({QStringLiteral("csv"),
                    QCoreApplication::translate("Records", "Write a CSV table to FILE."),
                    QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("xlsx"),
                    QCoreApplication::translate("Records", "Write an .xlsx table to FILE."),
                    QStringLiteral("FILE")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  deskreport::By by = deskreport::By::Day;
  const QString asked = parser.value(QStringLiteral("by"));
  if (!asked.isEmpty() && !deskreport::byOf(asked, &by))
    return cannot(QCoreApplication::translate(
                      "Records", "--by takes shift, day, customer, product or vehicle, not '%1'")
                      .arg(asked));
  JournalReader reader(command.journal());
  std::optional<transactions::TransactionCheck> state;  // the report's lines point into it
  deskreport::Report report;
  if (const int code = buildReport(command, by, reader, &state, &report); code >= 0)
    return code;
  Failure failure;
  const QString table = parser.value(QStringLiteral("csv")).isEmpty()
                            ? parser.value(QStringLiteral("xlsx"))
                            : parser.value(QStringLiteral("csv"));
  if (!table.isEmpty()) {
    if (const int code =
            checkBeforeWriting(command, false, QT_TRANSLATE_NOOP("Records", "exported"));
        code >= 0)
      return code;
    if (!writable(command, table, &failure) ||
        !journalexport::writeTable(
            parser.value(QStringLiteral("csv")).isEmpty() ? ExportFormat::Xlsx : ExportFormat::Csv,
            table, deskreport::rows(report), &failure))
      return cannot(failure);
    say(QCoreApplication::translate("Records", "wrote %1 to %2")
            .arg(deskreport::sumsText(report.count, report.nets), table));
    return kDone;
  }
  PrintJob job;
  if (const int code = preparePrinting(command, &job); code >= 0)
    return code;
  const QString heading = deskreport::headingOf(by);
  if (!printouts::savePdf(
          job.path, job.pageSize,
          [&](QPagedPaintDevice *device, Failure *failed) {
            return printouts::paintTransactionReport(
                device, report, heading,
                printouts::periodText(parser.value(QStringLiteral("from")),
                                      parser.value(QStringLiteral("to"))),
                job.context, failed);
          },
          &failure))
    return cannot(failure);
  say(QCoreApplication::translate("Records", "wrote %1 to %2")
          .arg(deskreport::sumsText(report.count, report.nets), job.path));
  return job.context.check.verified() ? kDone : kBroken;
}

int checkTicket(const QStringList &arguments) {
  Command command(
      QStringLiteral("check-ticket"),
      QCoreApplication::translate(
          "Records",
          "Checks a ticket's QR code offline, with the station's verification key alone: the "
          "code's text as an argument, or --image with a photo or scan of the ticket."),
      kKeyFile);
  command.parser().addOption(
      {QStringLiteral("image"),
       QCoreApplication::translate("Records", "A photo or scan of the ticket (PNG, JPEG)."),
       QStringLiteral("FILE")});
  const bool fromImage = std::any_of(arguments.begin(), arguments.end(), [](const QString &a) {
    return a == QLatin1String("--image") || a.startsWith(QLatin1String("--image="));
  });
  if (const int code = command.parse(arguments, fromImage ? 0 : 1); code >= 0)
    return code;
  signingkeys::VerificationKey key;
  Failure why;
  if (!signingkeys::readVerificationKey(command.verificationKeyPath(), &key, &why))
    return cannot(why);
  QString code;
  if (fromImage) {
    QString unread;
    const QStringList codes = qrCodesIn(command.parser().value(QStringLiteral("image")), &unread);
    if (codes.isEmpty())
      return cannot(unread);
    code = codes.first();
  } else {
    code = command.parser().positionalArguments().first();
  }
  const ticketcode::Checked checked = ticketcode::check(code, key);
  std::printf("%s\n", qPrintable(ticketcode::line(checked)));
  return checked.genuine ? kDone : kBroken;
}

int report(const QStringList &arguments) {
  Command command(
      QStringLiteral("report"),
      QCoreApplication::translate("Records",
                                  "Prints a report of the records to a PDF file: a line a record, "
                                  "day subtotals and totals, the journal's check result on every "
                                  "page. A journal that fails its check gives a report marked "
                                  "UNVERIFIED, and exit code 1."));
  QCommandLineParser &parser = command.parser();
  addFilterOptions(parser);
  parser.addOption({QStringLiteral("station"),
                    QCoreApplication::translate("Records", "Only this station's records."),
                    QStringLiteral("NAME")});
  addPdfOptions(parser);
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  printouts::ReportRequest request;
  Failure failure;
  if (!filterOf(parser, false, &request.filter, &failure))
    return cannot(failure);
  request.filter.station = parser.value(QStringLiteral("station"));
  request.period = printouts::periodText(parser.value(QStringLiteral("from")),
                                         parser.value(QStringLiteral("to")));
  if (!request.filter.station.isEmpty())
    request.filterText =
        QCoreApplication::translate("Records", "station %1").arg(request.filter.station);
  PrintJob job;
  if (const int code = preparePrinting(command, &job); code >= 0)
    return code;
  const QString &path = job.path;
  const printouts::Context &context = job.context;
  JournalReader reader(command.journal());
  if (!reader.open(&failure))
    return cannot(failure);
  // What the report holds is said with it: a station's name that matches
  // nothing gives a report of no records, said so, not "all records".
  const JournalTotals totals = reader.totals(request.filter, &failure);
  if (failure)
    return cannot(failure);
  if (!printouts::savePdf(
          path, job.pageSize,
          [&](QPagedPaintDevice *device, Failure *failed) {
            return printouts::paintReport(device, reader, request, context, failed);
          },
          &failure))
    return cannot(failure);
  const QString scope = request.filterText.isEmpty()
                            ? request.period
                            : QStringLiteral("%1; %2").arg(request.period, request.filterText);
  say(context.check.verified()
          ? QCoreApplication::translate("Records", "printed the report (%1: %2) to %3")
                .arg(scope, recordsCounted(totals.count), path)
          : QCoreApplication::translate("Records",
                                        "printed the report (%1: %2) to %3 (marked UNVERIFIED)")
                .arg(scope, recordsCounted(totals.count), path));
  return context.check.verified() ? kDone : kBroken;
}

}  // namespace records
