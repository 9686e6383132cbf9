// weighstation-desk: the weighing desk beside the monitor. Transactions on
// the monitor's records (vehicle, customer, product, two-pass and stored
// tare weighing), sealed in the journal, their tickets printed at once.
#include <QApplication>
#include <QCommandLineParser>
#include <QPageSize>
#include <cstdio>

#include "desksettings.h"
#include "deskwindow/deskwindow.h"
#include "journal/journalfiles.h"
#include "language/language.h"

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("weighstation-desk"));
  QApplication::setOrganizationName(QStringLiteral("weighstation"));
  QApplication::setApplicationVersion(QStringLiteral(WEIGHSTATION_VERSION));
  language::use();
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "Desk", "The weighing desk: transactions on the monitor's records, their tickets printed."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({QStringLiteral("journal"),
                    QCoreApplication::translate("Desk", "The journal (default: the setting)."),
                    QStringLiteral("PATH")});
  parser.addOption({QStringLiteral("key"),
                    QCoreApplication::translate("Desk", "Its key (default: the setting)."),
                    QStringLiteral("PATH")});
  parser.addOption(
      {QStringLiteral("pdf-folder"),
       QCoreApplication::translate("Desk", "Print the tickets as PDF files into FOLDER."),
       QStringLiteral("FOLDER")});
  parser.process(application);
  const settings::Snapshot read = settings::Snapshot::read();
  for (const QString &problem : read.problems())
    std::fprintf(stderr, "weighstation-desk: settings: %s\n", qPrintable(problem));
  journalfiles::usePlaces(
      {read.value(QStringLiteral("journal")), read.value(QStringLiteral("journal_key")),
       read.value(QStringLiteral("journal_heads")), read.value(QStringLiteral("station")),
       read.wholeNumber(QStringLiteral("journal_epoch_seconds"), 0)});
  DeskWindow::Setup setup;
  setup.journal = parser.isSet(QStringLiteral("journal")) ? parser.value(QStringLiteral("journal"))
                                                          : journalfiles::defaultJournalPath();
  setup.key = parser.isSet(QStringLiteral("key")) ? parser.value(QStringLiteral("key"))
                                                  : journalfiles::defaultKeyPath();
  setup.deskData = desksettings::dataPath(read, setup.journal);
  setup.rules = desksettings::rules(read, journalfiles::stationName());
  setup.site = desksettings::site(read);
  DeskWindow window(setup);
  if (parser.isSet(QStringLiteral("pdf-folder")))
    window.printer().usePdfFolder(parser.value(QStringLiteral("pdf-folder")));
  window.resize(1100, 720);
  window.show();
  return application.exec();
}
