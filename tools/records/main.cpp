// weighstation-records: view, verify, list, export and recover the
// monitor's record journal. Without a command (or with "view") it opens the
// records viewer.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "command.h"
#include "commands.h"
#include "journal/outputfile.h"
#include "language/language.h"
#include "settings/settings.h"

namespace {
// The viewer needs the widget toolkit, the commands do not: the first
// argument tells which application object to make.
bool wantsViewer(int argc, char *argv[]) {
  const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
  return command.isEmpty() || command == "view" ||
         (command.startsWith("--") && command != "--help" && command != "--version");
}

bool asksForHelp(int argc, char *argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
      return true;
  }
  return false;
}

// Printouts paint with the toolkit's fonts but need no screen.
bool printsWithoutAScreen(int argc, char *argv[]) {
  return argc > 1 && (std::strcmp(argv[1], "ticket") == 0 || std::strcmp(argv[1], "report") == 0 ||
                      std::strcmp(argv[1], "transaction-ticket") == 0 ||
                      std::strcmp(argv[1], "transaction-report") == 0);
}

// Printing offscreen without a desktop session, the toolkit complains of a
// runtime folder it does not need: one line a message is the rule.
QtMessageHandler toolkitHandler = nullptr;
void withoutRuntimeFolderNotes(QtMsgType type, const QMessageLogContext &context,
                               const QString &message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    return;
  toolkitHandler(type, context, message);
}

bool hasADisplay() {
  return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}
}  // namespace

namespace {
// The application object a command needs: widgets for the viewer, a
// screen-less GUI for printouts, else none. `argc` outlives it (main's).
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv, bool viewer) {
  if (printsWithoutAScreen(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkitHandler = qInstallMessageHandler(withoutRuntimeFolderNotes);
  }
  if (viewer)
    return std::make_unique<QApplication>(argc, argv);
  if (printsWithoutAScreen(argc, argv))
    return std::make_unique<QGuiApplication>(argc, argv);
  return std::make_unique<QCoreApplication>(argc, argv);
}

// Runs `command` with its arguments (the program's name first).
int dispatch(const QString &command, const QStringList &rest) {
  static const std::pair<const char *, int (*)(const QStringList &)> kCommands[] = {
      {"view", records::view},
      {"verify", records::verify},
      {"verification-key", records::verificationKey},
      {"list", records::list},
      {"export", records::exportRecords},
      {"recover-workbook", records::recoverWorkbook},
      {"new-journal", records::newJournal},
      {"settings", records::settingsInForce},
      {"confirm-clock", records::confirmClock},
      {"backup", records::backup},
      {"restore", records::restore},
      {"central-sql", records::centralSql},
      {"ticket", records::ticket},
      {"central-register", records::centralRegister},
      {"check-ticket", records::checkTicket},
      {"report", records::report},
      {"transaction", records::transaction},
      {"transaction-ticket", records::transactionTicket},
      {"transaction-report", records::transactionReport},
      {"desk-data", records::deskData},
  };
  for (const auto &[name, run] : kCommands) {
    if (command == QLatin1String(name))
      return run(rest);
  }
  if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
    std::fputs(qPrintable(records::usage()), stdout);
    return 0;
  }
  if (command == QLatin1String("--version")) {
    std::printf("weighstation-records %s\n", WEIGHSTATION_VERSION);
    return 0;
  }
  std::fprintf(
      stderr, "weighstation-records: %s\n",
      qPrintable(QCoreApplication::translate("Records", "unknown command '%1' (try --help)")
                     .arg(command)));
  return 2;
}
}  // namespace

int main(int argc, char *argv[]) {
  const bool viewer = wantsViewer(argc, argv) && !asksForHelp(argc, argv);
  if (viewer && !hasADisplay()) {
    std::fprintf(stderr,
                 "weighstation-records: view needs a graphical display (DISPLAY or "
                 "WAYLAND_DISPLAY is not set)\n");
    return 2;
  }
  const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv, viewer);
  QCoreApplication::setApplicationName(QStringLiteral("weighstation-records"));
  language::use();
  // An export or a rebuilt workbook interrupted leaves no part behind.
  OutputFile::removeOnSignals();
  QCoreApplication::setApplicationVersion(QStringLiteral(WEIGHSTATION_VERSION));
  QStringList arguments = QCoreApplication::arguments();
  if (wantsViewer(argc, argv) && arguments.value(1) != QLatin1String("view"))
    arguments.insert(1, QStringLiteral("view"));
  const QString command = arguments.value(1);
  // Each subcommand parses its own arguments, the program's name first.
  QStringList rest = arguments.mid(2);
  rest.prepend(arguments.value(0) + QLatin1Char(' ') + command);
  // What the settings files get wrong is said before any command uses them
  // ("settings" says it itself).
  records::readSettings();
  if (command != QLatin1String("settings")) {
    for (const QString &problem : records::settingsRead().problems())
      std::fprintf(stderr, "weighstation-records: settings: %s\n", qPrintable(problem));
  }
  return dispatch(command, rest);
}
