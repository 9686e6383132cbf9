// The central database's commands: verify and export centrally, the
// journal against its central copy, registering a key, the tables' SQL.
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "central/centralcopy.h"
#include "central/centraldb.h"
#include "command.h"
#include "commands.h"

namespace records {
namespace {
// The journals whose records the central database holds for `station`
// (every station's when empty), or the one given with --journal-id; oldest
// first. Empty with the failure when none or unreadable.
QStringList centralJournals(const QSqlDatabase &db, const Command &command, Failure *failure) {
  const QString chosen = command.parser().value(QStringLiteral("journal-id"));
  const QString station = command.parser().value(QStringLiteral("station"));
  JournalFilter filter;
  filter.station = station;
  if (!chosen.isEmpty())
    filter.journalIds = QStringList{chosen};
  const QStringList journals = centraldb::journalsOf(db, filter, failure);
  if (journals.isEmpty() && !failure->failed()) {
    *failure = Failure(
        Failure::Kind::Refused,
        !chosen.isEmpty() ? QCoreApplication::translate("Records",
                                                        "the central database holds no records of "
                                                        "journal %1")
                                .arg(chosen)
        : !station.isEmpty()
            ? QCoreApplication::translate("Records",
                                          "the central database holds no records of "
                                          "station %1")
                  .arg(station)
            : QCoreApplication::translate("Records", "the central database holds no records"));
  }
  return journals;
}

// The central database reached and the journals it is asked about; -1 to
// go on, else the exit code.
int openCentral(const Command &command, QSqlDatabase *db, QStringList *journals) {
  const QString uri = command.parser().value(QStringLiteral("central"));
  Failure failure;
  *db = connectCentral(uri, &failure);
  if (!db->isOpen())
    return cannot(failure);
  *journals = centralJournals(*db, command, &failure);
  return journals->isEmpty() ? cannot(failure) : -1;
}

// The trust of a central check: the person's own verification key when one
// is at hand (given, or beside the key given), else only a registered one.
bool readTrust(const Command &command, centralcopy::Trust *trust, Failure *failure) {
  return trust->read(command.verifyOptions(), QFileInfo::exists(command.verificationKeyPath()),
                     command.journal(), failure);
}
}  // namespace

// An export of the central records: of one station's journals, each checked
// with the key as a journal's would be; or of every journal, each row saying
// whether its journal's chain checked with the key.
int exportCentral(const Command &command, ExportOptions options) {
  const bool chosen = command.parser().isSet(QStringLiteral("station")) ||
                      command.parser().isSet(QStringLiteral("journal-id"));
  QSqlDatabase db;
  QStringList journals;
  if (const int code = openCentral(command, &db, &journals); code >= 0)
    return code;
  Failure failure;
  centralcopy::Trust checks;
  if (Failure failure; !readTrust(command, &checks, &failure))
    return cannot(failure);
  for (const QString &journal : journals) {
    VerifyOptions chain;
    Failure untrusted;
    if (!checks.of(db, journal, command.parser().value(QStringLiteral("station")), &chain,
                   &untrusted)) {
      if (chosen && !options.unverified)
        return cannot(untrusted);
      continue;
    }
    const VerifyReport report = verifyStation(centralcopy::recordsOf(db, journal),
                                              centralcopy::chainOf(db, journal), chain);
    if (report.outcome == VerifyReport::Outcome::Intact)
      options.verifiedJournals << journal;
    else if (chosen && !options.unverified)
      return checkFailed(report, QT_TRANSLATE_NOOP("Records", "exported"));
  }
  options.markEachJournal = !chosen;
  if (chosen)
    options.filter.journalIds = journals;
  showProgress(options);
  int sheets = 0;
  const qint64 rows = journalexport::write(centralcopy::allRecords(db), options, &failure, &sheets);
  return exported(rows, sheets, options.path, failure);
}
int centralSql(const QStringList &arguments) {
  Command command(
      QStringLiteral("central-sql"),
      QCoreApplication::translate("Records",
                                  "Prints the SQL that creates the central tables, for a database "
                                  "administrator who creates them by hand."),
      kNoFiles);
  command.parser().addOption(
      {QStringLiteral("upgrade"),
       QCoreApplication::translate(
           "Records",
           "The SQL that upgrades central tables of an earlier version (--from, default 1: "
           "keyed by station and seq) to this version, for their owner.")});
  command.parser().addOption(
      {QStringLiteral("from"),
       QCoreApplication::translate("Records", "The version of the tables to upgrade (1 to 4)."),
       QStringLiteral("VERSION"), QStringLiteral("1")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  const int from = command.parser().value(QStringLiteral("from")).toInt();
  if (from < 1 || from >= centraldb::kSchemaVersion)
    return cannot(QCoreApplication::translate("Records", "--from takes a version from 1 to %1")
                      .arg(centraldb::kSchemaVersion - 1));
  const QStringList statements = command.parser().isSet(QStringLiteral("upgrade"))
                                     ? centraldb::upgradeSql(from)
                                     : centraldb::schemaSql();
  std::printf("BEGIN;\n");
  for (const QString &statement : statements)
    std::printf("%s;\n", qPrintable(statement));
  std::printf("COMMIT;\n");
  return kDone;
}

int centralRegister(const QStringList &arguments) {
  Command command(
      QStringLiteral("central-register"),
      QCoreApplication::translate(
          "Records",
          "Registers a station's verification key by its fingerprint in the central database, "
          "once a person has compared it with the station's: central checks trust only the "
          "verification keys registered."),
      kNoFiles);
  QCommandLineParser &parser = command.parser();
  parser.addOption(
      {QStringLiteral("central"),
       QCoreApplication::translate("Records", "The central database (postgresql:// URI)."),
       QStringLiteral("URI")});
  parser.addOption({QStringLiteral("station"),
                    QCoreApplication::translate("Records", "The station."),
                    QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("fingerprint"),
                    QCoreApplication::translate("Records", "Its verification key's fingerprint."),
                    QStringLiteral("XXXX-XXXX-XXXX-XXXX")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  const QString station = parser.value(QStringLiteral("station"));
  const QString fingerprint = parser.value(QStringLiteral("fingerprint")).toUpper();
  static const QRegularExpression form(QStringLiteral("^[0-9A-F]{4}(-[0-9A-F]{4}){3}$"));
  if (station.isEmpty() || !form.match(fingerprint).hasMatch())
    return cannot(
        QCoreApplication::translate("Records",
                                    "central-register takes --station NAME and --fingerprint "
                                    "XXXX-XXXX-XXXX-XXXX (16 hex digits)"));
  Failure failure;
  const QString uri = parser.value(QStringLiteral("central"));
  QSqlDatabase db = connectCentral(uri, &failure);
  if (!db.isOpen())
    return cannot(failure);
  if (!centraldb::ensureSchema(db, &failure) ||
      !centraldb::registerFingerprint(db, station, fingerprint, &failure))
    return cannot(failure);
  say(QCoreApplication::translate("Records", "registered the verification key %1 for station %2")
          .arg(fingerprint, station));
  // Whether it is a key the station's shipper sent yet: a fingerprint
  // mistyped is said now, not at the first check that trusts nothing.
  QList<centraldb::SentKey> sent;
  if (!centraldb::sentVerificationKeys(db, station, &sent, &failure))
    return cannot(failure);
  QStringList matching, others;
  for (const centraldb::SentKey &candidate : std::as_const(sent)) {
    signingkeys::VerificationKey key;
    Failure why;
    if (!signingkeys::parseVerificationKey(candidate.text, &key, &why) ||
        (!candidate.ofStation && key.station != station))
      continue;
    if (key.fingerprint() == fingerprint)
      matching << candidate.journalId;
    else if (!others.contains(key.fingerprint()))
      others << key.fingerprint();
  }
  if (!matching.isEmpty())
    say(QCoreApplication::translate("Records", "it is the verification key sent with journal %1")
            .arg(matching.join(QStringLiteral(", "))));
  else
    say(QCoreApplication::translate("Records",
                                    "no verification key sent for station %1 matches it yet "
                                    "(%2); central checks trust it once the station ships "
                                    "records sealed with it")
            .arg(station, others.isEmpty() ? QCoreApplication::translate("Records", "none was sent")
                                           : QCoreApplication::translate("Records", "sent: %1")
                                                 .arg(others.join(QStringLiteral(", ")))));
  return kDone;
}

// Without --station or --journal-id: every journal in the central table,
// each by the verification key registered for its station, and nothing
// the person's files hold.
int verifyCentral(const Command &command) {
  const QCommandLineParser &parser = command.parser();
  const bool wholeSite = parser.value(QStringLiteral("station")).isEmpty() &&
                         parser.value(QStringLiteral("journal-id")).isEmpty();
  if (wholeSite &&
      (parser.isSet(QStringLiteral("key")) || parser.isSet(QStringLiteral("verification-key")) ||
       parser.isSet(QStringLiteral("journal"))))
    return cannot(QCoreApplication::translate(
        "Records",
        "verify --central checks every journal by the verification key registered for its "
        "station; with a key or a journal of your own it takes --station NAME or --journal-id "
        "ID: a chain is a journal's"));
  QSqlDatabase db;
  QStringList journals;
  if (const int code = openCentral(command, &db, &journals); code >= 0)
    return code;
  // Each journal's chain, whatever its station was called along it; named
  // when there are several.
  centralcopy::Trust checks;
  if (Failure failure; wholeSite ? !checks.read(VerifyOptions(), false, QString(), &failure)
                                 : !readTrust(command, &checks, &failure))
    return cannot(failure);
  int code = kDone;
  for (const QString &journal : journals) {
    const QString prefix =
        journals.size() > 1 ? QStringLiteral("journal %1: ").arg(journal) : QString();
    VerifyOptions chain;
    Failure untrusted;
    if (!checks.of(db, journal, command.parser().value(QStringLiteral("station")), &chain,
                   &untrusted)) {
      code = qMax(code, cannot(untrusted.within(prefix + QStringLiteral("cannot check"))));
      continue;
    }
    code = qMax(code, printReport(verifyStation(centralcopy::recordsOf(db, journal),
                                                centralcopy::chainOf(db, journal), chain,
                                                centralcopy::transactionsOf(db, journal)),
                                  prefix));
  }
  return code;
}

// The local journal checked, then compared with its central copy (with
// --station, that station's central records: a journal keeps its chain
// when the station is renamed).
int verifyAgainstCentral(const Command &command) {
  const VerifyReport report = verifyJournal(command.verifyOptions());
  const int code = printReport(report);
  if (report.outcome == VerifyReport::Outcome::CannotCheck)
    return code;
  const QString uri = command.parser().value(QStringLiteral("against-central"));
  Failure failure;
  QSqlDatabase db = connectCentral(uri, &failure);
  if (!db.isOpen())
    return worse(code, cannot(failure));
  const QString station = command.parser().value(QStringLiteral("station"));
  centralcopy::Comparison compared;
  if (!centralcopy::compare(db, command.journal(), station, report.lastSeq, &compared, &failure))
    return worse(code, cannot(failure));
  for (const QString &problem : compared.problems)
    std::printf("%s\n", qPrintable(problem));
  if (!compared.problems.isEmpty())
    return worse(code, kBroken);
  if (station.isEmpty())
    say(QCoreApplication::translate("Records", "central copy agrees: %1 of journal %2")
            .arg(recordsCounted(compared.centralRecords), compared.journalId));
  else
    say(QCoreApplication::translate("Records",
                                    "central copy agrees: %1 of station %2 in journal %3")
            .arg(recordsCounted(compared.centralRecords), station, compared.journalId));
  return code;
}

}  // namespace records
