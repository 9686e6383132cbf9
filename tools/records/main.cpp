// weighstation-records: verify, list, export and recover the monitor's
// record journal.
#include <QCoreApplication>
#include <cstdio>

#include "commands.h"

int main(int argc, char *argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("weighstation-records"));
  QCoreApplication::setApplicationVersion(QStringLiteral(WEIGHSTATION_VERSION));
  const QStringList arguments = QCoreApplication::arguments();
  const QString command = arguments.value(1);
  // Each subcommand parses its own arguments, the program's name first.
  QStringList rest = arguments.mid(2);
  rest.prepend(arguments.value(0) + QLatin1Char(' ') + command);
  if (command == QLatin1String("verify"))
    return records::verify(rest);
  if (command == QLatin1String("list"))
    return records::list(rest);
  if (command == QLatin1String("export"))
    return records::exportRecords(rest);
  if (command == QLatin1String("recover-workbook"))
    return records::recoverWorkbook(rest);
  if (command == QLatin1String("--help") || command == QLatin1String("-h") || command.isEmpty()) {
    std::fputs(qPrintable(records::usage()), command.isEmpty() ? stderr : stdout);
    return command.isEmpty() ? 2 : 0;
  }
  if (command == QLatin1String("--version")) {
    std::printf("weighstation-records %s\n", WEIGHSTATION_VERSION);
    return 0;
  }
  std::fprintf(stderr, "weighstation-records: unknown command '%s' (try --help)\n",
               qPrintable(command));
  return 2;
}
