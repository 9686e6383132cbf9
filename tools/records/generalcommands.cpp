// The command's usage, the viewer, and the settings in force.
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "central/centraldb.h"
#include "command.h"
#include "commands.h"
#include "publishing/mqtttarget.h"
#include "settings/settings.h"
#include "viewer/viewerwindow.h"

namespace records {
namespace {
// The central URI and the MQTT target as the monitor will take them: a
// refusal here is a refusal there (nothing shipped or published).
QStringList shippingSettingsProblems() {
  QStringList problems;
  const settings::Snapshot &read = settingsRead();
  const QString central = read.value(QStringLiteral("central"));
  if (Failure refusal; !central.isEmpty() && !centraldb::checkUri(central, &refusal))
    problems << QStringLiteral("WEIGHSTATION_CENTRAL: %1; nothing is shipped").arg(refusal.text());
  const mqtttarget::Settings mqtt{
      read.value(QStringLiteral("mqtt")), read.value(QStringLiteral("mqtt_password_file")),
      read.value(QStringLiteral("mqtt_ca")), read.value(QStringLiteral("mqtt_cert")),
      read.value(QStringLiteral("mqtt_cert_key"))};
  MqttTarget target;
  if (Failure failure; !mqtt.uri.isEmpty() &&
                       !mqtttarget::parse(mqtt, journalfiles::stationName(), &target, &failure))
    problems << QStringLiteral("%1; nothing is published").arg(failure.text());
  return problems;
}
}  // namespace

namespace {
// The commands as the usage lists them; a null synopsis starts a group.
struct UsageLine {
  const char *synopsis;
  const char *what;
};
const UsageLine kUsageLines[] = {
    {"view (or no command)",
     QT_TRANSLATE_NOOP("Records", "the records viewer, \"Weigh Station Records\"")},
    {"verify", QT_TRANSLATE_NOOP("Records", "check every record, the chain and the end")},
    {"verification-key [--out F]",
     QT_TRANSLATE_NOOP("Records", "the station's public key that checks its seals")},
    {"list [--from D] [--to D] [--last N] [--unchecked]",
     QT_TRANSLATE_NOOP("Records", "one line per record, checked")},
    {"export (--csv F | --xlsx F) [--from D] [--to D] [--seq A-B] [--unverified]",
     QT_TRANSLATE_NOOP("Records", "the records as CSV or .xlsx")},
    {"recover-workbook FILE [--output OUT] [--unverified]",
     QT_TRANSLATE_NOOP("Records", "rebuild the last workbook that went to FILE")},
    {"ticket --seq N --pdf F [--page-size A6|Roll80] [--unverified]",
     QT_TRANSLATE_NOOP("Records", "a record's weighing ticket, as a PDF")},
    {"check-ticket (CODE | --image F)",
     QT_TRANSLATE_NOOP("Records", "check a ticket's QR code with the verification key")},
    {"report [--from D] [--to D] [--station NAME] --pdf F",
     QT_TRANSLATE_NOOP("Records", "a report of the records, as a PDF")},
    {"transaction ACTION [--record N] [--vehicle V] ...",
     QT_TRANSLATE_NOOP("Records",
                       "the weighing desk's transactions: single, tare, "
                       "stored-tare, open, close, void, correct, list")},
    {"transaction-ticket --transaction N --pdf F [--page-size A6|Roll80]",
     QT_TRANSLATE_NOOP("Records", "a transaction's ticket, as a PDF")},
    {"transaction-report [--by GROUP] [--from D] [--to D] (--pdf F | --csv F | --xlsx F)",
     QT_TRANSLATE_NOOP("Records",
                       "the transactions per shift, day, customer, product or "
                       "vehicle")},
    {"desk-data TABLE ACTION [VALUES...]",
     QT_TRANSLATE_NOOP("Records", "the desk's vehicles, customers and products; CSV in and out")},
    {nullptr, nullptr},
    {"verify --central URI (--station NAME | --journal-id ID)",
     QT_TRANSLATE_NOOP("Records", "a station's journals in the central database")},
    {"export --central URI [--station NAME] (--csv F | --xlsx F)",
     QT_TRANSLATE_NOOP("Records", "the central records, of one station or all")},
    {"verify --against-central URI",
     QT_TRANSLATE_NOOP("Records", "the journal, and its central copy against it")},
    {"central-register --central URI --station S --fingerprint F",
     QT_TRANSLATE_NOOP("Records", "trust a station's verification key centrally")},
    {"central-sql", QT_TRANSLATE_NOOP("Records", "the SQL of the central tables, for a DBA")},
    {"settings", QT_TRANSLATE_NOOP("Records", "every setting in force and where it came from")},
    {"new-journal", QT_TRANSLATE_NOOP("Records",
                                      "retire the journal, its key and heads (renamed, "
                                      "kept); the monitor then starts a new journal")},
    {"confirm-clock", QT_TRANSLATE_NOOP("Records",
                                        "the station's clock is right after it moved far "
                                        "ahead: the monitor seals again")},
    {"backup [--to DIR]", QT_TRANSLATE_NOOP("Records",
                                            "a checked copy of the journal, its head and "
                                            "verification key in DIR/<journal id>")},
    {"restore --from DIR/ID", QT_TRANSLATE_NOOP("Records",
                                                "put a checked backup back where no journal "
                                                "is")},
};
}  // namespace

QString usage() {
  constexpr int kColumn = 38;
  QString text =
      QStringLiteral("Usage: weighstation-records [COMMAND] [options]\n") +
      QCoreApplication::translate(
          "Records", "Views, verifies, lists, exports and recovers the monitor's record journal.") +
      QStringLiteral("\n\n") + QCoreApplication::translate("Records", "Commands:") + u'\n';
  for (const UsageLine &line : kUsageLines) {
    if (!line.synopsis) {
      text += u'\n';
      continue;
    }
    QString synopsis = QStringLiteral("  ") + QLatin1String(line.synopsis);
    synopsis = synopsis.size() < kColumn ? synopsis.leftJustified(kColumn)
                                         : synopsis + u'\n' + QString(kColumn, u' ');
    text += synopsis + QCoreApplication::translate("Records", line.what) + u'\n';
  }
  return text + u'\n' +
         QCoreApplication::translate(
             "Records",
             "The commands that read the journal take --journal PATH, --key PATH and --head PATH\n"
             "(those they use); each command's --help lists its own options.\n"
             "Exit codes: 0 done, 1 the journal does not verify, 2 cannot be done.") +
         u'\n';
}

int view(const QStringList &arguments) {
  Command command(QStringLiteral("view"),
                  QCoreApplication::translate(
                      "Records", "Opens the records viewer over the journal, read-only."));
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  ViewerWindow window(command.journal(), command.key(), command.head(), siteToPrint());
  window.show();
  // Started from the desktop's menu, nobody reads the standard error: what
  // the settings files get wrong is said in a box too.
  const QStringList problems = settingsRead().problems();
  if (!problems.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, problems] {
      QMessageBox::warning(&window, QCoreApplication::translate("Records", "Settings"),
                           problems.join(u'\n'));
    });
  }
  return QApplication::exec();
}

// Every setting, its value and where it came from; the problems of the
// settings files after them (exit 1 when there are any).
int settingsInForce(const QStringList &arguments) {
  Command command(
      QStringLiteral("settings"),
      QCoreApplication::translate("Records",
                                  "Prints every setting in force: key, value, and where it came "
                                  "from (default, system file, user file, environment)."),
      kNoFiles);
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  for (const settings::Key &key : settings::keys()) {
    const settings::Entry &entry = settingsRead().lookup(key.name);
    const QString value = entry.origin == settings::Origin::Default
                              ? QStringLiteral("(%1)").arg(key.defaultText)
                              : entry.value;
    QString origin = settings::originText(entry.origin);
    if (!entry.where.isEmpty())
      origin += QStringLiteral(" ") + entry.where;
    std::printf("%s\t%s\t%s\n", qPrintable(key.name), qPrintable(value), qPrintable(origin));
  }
  QStringList problems = settingsRead().problems();
  problems << shippingSettingsProblems();
  for (const QString &problem : problems)
    std::fprintf(stderr, "weighstation-records: settings: %s\n", qPrintable(problem));
  return problems.isEmpty() ? 0 : 1;
}

}  // namespace records
