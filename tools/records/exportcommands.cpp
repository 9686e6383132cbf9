// Exports of the journal and the workbook rebuilt from it.
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "command.h"
#include "commands.h"
#include "journal/outputfile.h"
#include "recovery.h"

namespace records {

int exportRecords(const QStringList &arguments) {
  Command command(
      QStringLiteral("export"),
      QCoreApplication::translate("Records",
                                  "Exports records to CSV or .xlsx; a journal that does not verify "
                                  "is refused unless --unverified is given."));
  QCommandLineParser &parser = command.parser();
  addFilterOptions(parser);
  parser.addOption({QStringLiteral("seq"),
                    QCoreApplication::translate("Records", "Only seq A to B."),
                    QStringLiteral("A-B")});
  parser.addOption({QStringLiteral("csv"),
                    QCoreApplication::translate("Records", "Write CSV to FILE."),
                    QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("xlsx"),
                    QCoreApplication::translate("Records", "Write .xlsx to FILE."),
                    QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("unverified"),
                    QCoreApplication::translate(
                        "Records", "Export a journal that does not verify, marked as such.")});
  addCentralOptions(parser);
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  if (parser.isSet(QStringLiteral("csv")) == parser.isSet(QStringLiteral("xlsx")))
    return cannot(
        QCoreApplication::translate("Records", "export takes one of --csv FILE and --xlsx FILE"));
  ExportOptions options;
  options.format = parser.isSet(QStringLiteral("csv")) ? ExportFormat::Csv : ExportFormat::Xlsx;
  options.path = parser.value(options.format == ExportFormat::Csv ? QStringLiteral("csv")
                                                                  : QStringLiteral("xlsx"));
  Failure failure;
  if (!filterOf(parser, true, &options.filter, &failure) ||
      !writable(command, options.path, &failure))
    return cannot(failure);
  options.unverified = parser.isSet(QStringLiteral("unverified"));
  if (parser.isSet(QStringLiteral("central")))
    return exportCentral(command, options);
  if (const int code =
          checkBeforeWriting(command, options.unverified, QT_TRANSLATE_NOOP("Records", "exported"));
      code >= 0)
    return code;
  showProgress(options);
  JournalReader reader(command.journal());
  if (!reader.open(&failure))
    return cannot(failure);
  int sheets = 0;
  const qint64 rows = journalexport::write(reader, options, &failure, &sheets);
  return exported(rows, sheets, options.path, failure);
}

int recoverWorkbook(const QStringList &arguments) {
  Command command(
      QStringLiteral("recover-workbook"),
      QCoreApplication::translate("Records",
                                  "Rebuilds, from the journal, the workbook of the last "
                                  "spreadsheet-log session that went to FILE, as its stop would "
                                  "have saved it."));
  QCommandLineParser &parser = command.parser();
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QCoreApplication::translate("Records", "The workbook's file name."));
  parser.addOption(
      {QStringLiteral("output"),
       QCoreApplication::translate(
           "Records", "Write the workbook here (default: FILE, if it does not exist)."),
       QStringLiteral("OUT")});
  parser.addOption(
      {QStringLiteral("unverified"),
       QCoreApplication::translate("Records", "Rebuild from a journal that does not verify.")});
  if (const int code = command.parse(arguments, 1); code >= 0)
    return code;
  const QString file = parser.positionalArguments().value(0);
  const QString output =
      parser.isSet(QStringLiteral("output")) ? parser.value(QStringLiteral("output")) : file;
  Failure failure;
  if (!parser.isSet(QStringLiteral("output")) && QFileInfo::exists(file))
    return cannot(QCoreApplication::translate(
                      "Records", "%1 exists: give --output OUT for the rebuilt workbook")
                      .arg(file));
  if (!writable(command, output, &failure))
    return cannot(failure);
  if (const int code = checkBeforeWriting(command, parser.isSet(QStringLiteral("unverified")),
                                          QT_TRANSLATE_NOOP("Records", "rebuilt"));
      code >= 0) {
    return code;
  }
  JournalReader reader(command.journal());
  if (!reader.open(&failure))
    return cannot(failure);
  const qint64 rows = recovery::rebuildWorkbook(reader, file, output, &failure);
  if (rows < 0)
    return cannot(failure);
  say(QCoreApplication::translate("Records", "rebuilt %1 rows of %2 into %3")
          .arg(rows)
          .arg(file, output));
  return kDone;
}

}  // namespace records
