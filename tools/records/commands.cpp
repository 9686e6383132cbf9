#include <zbar.h>

#include <QHash>
#include <QImage>
#include <QSet>
#include <algorithm>
#include <memory>

#include "commands.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSize>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <cstdio>

#include "central/centraldb.h"
#include "journal/journalexport.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/journalretire.h"
#include "journal/outputfile.h"
#include "journal/outputguard.h"
#include "journal/signingkeys.h"
#include "journal/ticketcode.h"
#include "journal/verifier.h"
#include "publishing/mqtttarget.h"
#include "recovery.h"
#include "settings/settings.h"
#include "viewer/printouts.h"
#include "viewer/viewerwindow.h"

namespace records {
namespace {

constexpr int kDone = 0;
constexpr int kBroken = 1;
constexpr int kCannot = 2;
constexpr int kEndNotWitnessed = 3;  // every record intact, the end not witnessed

// The exit code of two checks together: broken over cannot over not
// witnessed over done.
int worse(int a, int b) {
  for (const int code : {kBroken, kCannot, kEndNotWitnessed}) {
    if (a == code || b == code)
      return code;
  }
  return kDone;
}

// The command being run, named in every message.
QString currentCommand;

// One style for every message: "weighstation-records: <command>: <what>",
// lower case, no full stop.
QString messageLine(const QString &text) {
  QString line = text.trimmed();
  if (line.endsWith(u'.'))
    line.chop(1);
  if (line.size() > 1 && line[0].isUpper() && line[1].isLower())
    line[0] = line[0].toLower();
  return QStringLiteral("weighstation-records: ") +
         (currentCommand.isEmpty() ? QString() : currentCommand + QStringLiteral(": ")) + line;
}

int cannot(const QString &why) {
  std::fprintf(stderr, "%s\n", qPrintable(messageLine(why)));
  return kCannot;
}

// Every failure ends a command one way: one line on stderr, exit status 2
// (a journal that fails its check is told by printReport, status 1).
int cannot(const Failure &failure) {
  return cannot(failure.text());
}

// Which of the journal's files a command reads.
enum Files { kNoFiles = 0, kJournalFile = 1, kKeyFile = 2, kHeadFile = 4, kAllFiles = 7 };

// The options a subcommand takes, and the parse of its own.
class Command {
 public:
  Command(const QString &name, const QString &description, int files = kAllFiles) : name_(name) {
    currentCommand = name;
    parser_.setApplicationDescription(description);
    parser_.addHelpOption();
    if (files & kJournalFile)
      parser_.addOption(
          {QStringLiteral("journal"),
           QCoreApplication::translate("Records",
                                       "The journal (default: $WEIGHSTATION_JOURNAL or "
                                       "~/.local/share/weighstation/journal.sqlite)."),
           QStringLiteral("PATH")});
    if (files & kKeyFile)
      parser_.addOption(
          {QStringLiteral("key"),
           QCoreApplication::translate("Records",
                                       "Its key (default: $WEIGHSTATION_JOURNAL_KEY or "
                                       "~/.config/weighstation/journal.key)."),
           QStringLiteral("PATH")});
    if (files & kKeyFile)
      parser_.addOption({QStringLiteral("verification-key"),
                         QCoreApplication::translate(
                             "Records",
                             "The station's verification key, for records of format 2 (default: "
                             "beside the key, journal.verification-key)."),
                         QStringLiteral("PATH")});
    if (files & kHeadFile)
      parser_.addOption(
          {QStringLiteral("head"),
           QCoreApplication::translate(
               "Records", "The head that witnesses its end (default: beside the key)."),
           QStringLiteral("PATH")});
  }
  QCommandLineParser &parser() { return parser_; }
  const QCommandLineParser &parser() const { return parser_; }

  // -1 when the arguments were taken; else the exit code to end with.
  int parse(const QStringList &arguments, int positionals) {
    if (!parser_.parse(arguments))
      return cannot(parser_.errorText());
    if (parser_.isSet(QStringLiteral("help"))) {
      QString help = parser_.helpText();
      // The first line names the program as it was called ("Usage:" in the
      // desktop's language): it names the command instead.
      const qsizetype program = help.indexOf(QCoreApplication::arguments().value(0));
      if (program >= 0 && program < help.indexOf(u'\n'))
        help.replace(program, QCoreApplication::arguments().value(0).size(),
                     QStringLiteral("weighstation-records ") + name_);
      std::fputs(qPrintable(help), stdout);
      return kDone;
    }
    if (parser_.positionalArguments().size() != positionals) {
      return cannot(
          QCoreApplication::translate("Records", "takes %1, not %2 (try --help)")
              .arg(positionals == 0 ? QCoreApplication::translate("Records", "no arguments")
                   : positionals == 1
                       ? QCoreApplication::translate("Records", "one argument")
                       : QCoreApplication::translate("Records", "%1 arguments").arg(positionals))
              .arg(parser_.positionalArguments().isEmpty()
                       ? QCoreApplication::translate("Records", "none")
                       : parser_.positionalArguments().join(u' ')));
    }
    return -1;
  }
  QString journal() const {
    return hasValue(QStringLiteral("journal")) ? parser_.value(QStringLiteral("journal"))
                                               : journalfiles::defaultJournalPath();
  }
  QString key() const {
    return hasValue(QStringLiteral("key")) ? parser_.value(QStringLiteral("key"))
                                           : journalfiles::defaultKeyPath();
  }
  QString head() const {
    return hasValue(QStringLiteral("head")) ? parser_.value(QStringLiteral("head")) : QString();
  }
  // The verification key given, or the one beside the key.
  QString verificationKeyPath() const {
    return hasValue(QStringLiteral("verification-key"))
               ? parser_.value(QStringLiteral("verification-key"))
               : signingkeys::verificationKeyPathFor(key());
  }
  VerifyOptions verifyOptions() const {
    VerifyOptions options;
    options.journalPath = journal();
    options.keyPath = key();
    options.headPath = head();
    if (hasValue(QStringLiteral("verification-key")))
      options.verificationKeyPath = parser_.value(QStringLiteral("verification-key"));
    return options;
  }

 private:
  bool hasValue(const QString &option) const {
    return parser_.optionNames().contains(option) && parser_.isSet(option);
  }

  QString name_;
  QCommandLineParser parser_;
};

void addFilterOptions(QCommandLineParser &parser) {
  parser.addOption(
      {QStringLiteral("from"),
       QCoreApplication::translate("Records",
                                   "Records taken from this local date (yyyy-MM-dd, optionally "
                                   "THH:mm[:ss]) on."),
       QStringLiteral("DATE")});
  parser.addOption(
      {QStringLiteral("to"),
       QCoreApplication::translate("Records", "Records taken up to the end of this local date."),
       QStringLiteral("DATE")});
}

// The filter the options ask for; false (with the reason) when one is bad.
bool filterOf(const QCommandLineParser &parser, bool withSeq, JournalFilter *filter,
              Failure *failure) {
  if (parser.isSet(QStringLiteral("from"))) {
    filter->takenFrom =
        journaldates::takenAtBound(parser.value(QStringLiteral("from")), false, failure);
    if (filter->takenFrom.isEmpty())
      return false;
  }
  if (parser.isSet(QStringLiteral("to"))) {
    filter->takenTo = journaldates::takenAtBound(parser.value(QStringLiteral("to")), true, failure);
    if (filter->takenTo.isEmpty())
      return false;
  }
  if (!filter->takenFrom.isEmpty() && !filter->takenTo.isEmpty() &&
      filter->takenFrom >= filter->takenTo) {
    *failure =
        Failure(Failure::Kind::Refused,
                QCoreApplication::translate("Records", "--from %1 is not before --to %2")
                    .arg(parser.value(QStringLiteral("from")), parser.value(QStringLiteral("to"))));
    return false;
  }
  if (withSeq && parser.isSet(QStringLiteral("seq"))) {
    const QString range = parser.value(QStringLiteral("seq"));
    static const QRegularExpression form(QStringLiteral("^(\\d+)-(\\d+)$"));
    const QRegularExpressionMatch match = form.match(range);
    if (!match.hasMatch() || match.captured(1).toLongLong() < 1 ||
        match.captured(1).toLongLong() > match.captured(2).toLongLong()) {
      *failure =
          Failure(Failure::Kind::Refused,
                  QCoreApplication::translate("Records", "'%1' is not a range of seq numbers A-B")
                      .arg(range));
      return false;
    }
    filter->seqFrom = match.captured(1).toLongLong();
    filter->seqTo = match.captured(2).toLongLong();
  }
  return true;
}

void addCentralOptions(QCommandLineParser &parser) {
  parser.addOption({QStringLiteral("central"),
                    QCoreApplication::translate(
                        "Records",
                        "Read the site's central database (postgresql:// URI) instead of "
                        "the journal."),
                    QStringLiteral("URI")});
  parser.addOption({QStringLiteral("station"),
                    QCoreApplication::translate("Records", "Only the journals of this station."),
                    QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("journal-id"),
                    QCoreApplication::translate("Records", "Only this journal."),
                    QStringLiteral("ID")});
}

// The central database's connection, its name unique in this program.
QSqlDatabase connectCentral(const QString &uri, Failure *failure) {
  return centraldb::connect(uri, QStringLiteral("weighstation-records-central"), failure);
}

// A check's outcome as verify says it, each line after `prefix`: the
// intact line, or one line per problem; returns the exit code.
// A long check says how far it is, on the error output.
VerifyOptions withProgress(VerifyOptions options) {
  options.progress = [](qint64 done, qint64 total) {
    if (total > 100000)
      std::fprintf(stderr, "checking: %lld of %lld records\n", static_cast<long long>(done),
                   static_cast<long long>(total));
    return true;
  };
  return options;
}

int printReport(const VerifyReport &report, const QString &prefix = QString()) {
  if (report.outcome == VerifyReport::Outcome::CannotCheck)
    return cannot(report.failure.within(
        prefix + QCoreApplication::translate("Records", "cannot check the journal")));
  if (report.outcome == VerifyReport::Outcome::Intact ||
      report.outcome == VerifyReport::Outcome::EndNotWitnessed) {
    std::printf("%s%s\n", qPrintable(prefix), qPrintable(report.intactLine()));
    for (const QString &line : report.checkedWith)
      std::printf("%s%s\n", qPrintable(prefix), qPrintable(line));
    return report.outcome == VerifyReport::Outcome::Intact ? kDone : kEndNotWitnessed;
  }
  for (const VerifyProblem &problem : report.problems)
    std::printf("%s%s\n", qPrintable(prefix), qPrintable(problem.text));
  if (report.problemsNotListed > 0)
    std::printf("%s... and %lld more problems\n", qPrintable(prefix),
                static_cast<long long>(report.problemsNotListed));
  return kBroken;
}

// A check that refuses what was asked: says why.
int checkFailed(const VerifyReport &report, const char *what) {
  if (report.outcome == VerifyReport::Outcome::CannotCheck)
    return cannot(
        report.failure.within(QCoreApplication::translate("Records", "cannot check the journal")));
  std::fprintf(stderr,
               "weighstation-records: the journal does not verify (%s); nothing %s (--unverified "
               "writes it marked as unverified)\n",
               qPrintable(report.problems.value(0).text), what);
  return kBroken;
}

// The journal's check before an export or a recovery: -1 to go on.
int checkBeforeWriting(const Command &command, bool unverified, const char *what) {
  const VerifyReport report = verifyJournal(command.verifyOptions());
  if (report.outcome == VerifyReport::Outcome::CannotCheck ||
      (report.outcome == VerifyReport::Outcome::Broken && !unverified)) {
    return checkFailed(report, what);
  }
  return -1;
}

// An output that is one of the journal's files, or whose folder is missing
// or cannot be written, is refused before anything is read or written.
bool writable(const Command &command, const QString &path, Failure *failure) {
  if (!outputguard::allowedFor(path, command.journal(), command.key(), command.head(), failure))
    return false;
  const QFileInfo folder(QFileInfo(path).absolutePath());
  if (!folder.isDir() || !folder.isWritable()) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QCoreApplication::translate(
                           "Records", "cannot write %1: its folder is missing or not writable")
                           .arg(path));
    return false;
  }
  return true;
}

int exported(qint64 rows, int sheets, const QString &path, const Failure &failure) {
  if (rows < 0)
    return cannot(failure);
  std::printf("exported %lld records to %s", static_cast<long long>(rows), qPrintable(path));
  if (sheets > 1)
    std::printf(" on %d sheets", sheets);
  std::printf("\n");
  return kDone;
}

void showProgress(ExportOptions &options) {
  options.progress = [](qint64 done, qint64 total) {
    std::fprintf(stderr, "exporting: %lld of %lld records (%lld%%)\n", static_cast<long long>(done),
                 static_cast<long long>(total),
                 static_cast<long long>(total > 0 ? 100 * done / total : 100));
  };
}

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
    *failure =
        Failure(Failure::Kind::Refused,
                QStringLiteral("the central database holds no records%1%2")
                    .arg(station.isEmpty() ? QString() : QStringLiteral(" of station ") + station,
                         chosen.isEmpty() ? QString() : QStringLiteral(" of journal ") + chosen));
  }
  return journals;
}

// How a journal's chain in the central database is checked: with the key
// (format 1) and the verification key at hand; without one, with the
// verification key its shipper sent when a person registered its
// fingerprint for its station. The epoch keys are those sent beside the
// chain, or the local journal's (--journal) when it is the same journal.
struct CentralChecks {
  VerifyOptions options;
  bool keyGiven = false;
  QString localId;
  QList<signingkeys::EpochCertificate> localKeys;
  Failure failure;

  bool read(const Command &command) {
    options = command.verifyOptions();
    // A verification key at hand (given, or beside the key given) is the
    // person's own; the one the shipper sent is trusted only registered.
    keyGiven = QFileInfo::exists(command.verificationKeyPath());
    JournalReader local(command.journal(), QStringLiteral("weighstation-central-local"));
    if (!QFileInfo::exists(command.journal()) || !local.open(&failure)) {
      failure = Failure();
      return true;
    }
    localId = local.journalId();
    return local.epochKeys(&localKeys, &failure);
  }
  // `station`: the station asked about (--station); empty: the key's own.
  bool of(const QSqlDatabase &db, const QString &journalId, const QString &station,
          VerifyOptions *chain, Failure *why) const {
    *chain = options;
    QList<QByteArray> sentKeys;
    if (!centraldb::epochKeysOf(db, journalId, &chain->epochKeys, &sentKeys, why))
      return false;
    if (chain->epochKeys.isEmpty() && journalId == localId)
      chain->epochKeys = localKeys;
    if (keyGiven || sentKeys.isEmpty())
      return true;
    // Whichever key a row names, only one registered for the station asked
    // about is trusted; the verifier then keeps the epoch keys it certifies.
    QStringList unregistered;
    QString asked = station, fingerprint = QStringLiteral("XXXX-XXXX-XXXX-XXXX");
    for (const QByteArray &sentKey : sentKeys) {
      signingkeys::VerificationKey key;
      QString unread;
      bool registered = false;
      if (!signingkeys::parseVerificationKey(sentKey, &key, &unread)) {
        unregistered << QStringLiteral("a damaged one (%1)").arg(unread);
        continue;
      }
      // Registered for the station asked about: a key registered for
      // another station vouches for that station's records, not these.
      if (station.isEmpty())
        asked = key.station;
      if (!centraldb::isRegistered(db, asked, key.fingerprint(), &registered, why))
        return false;
      if (registered) {
        chain->verificationKeyText = sentKey;
        return true;
      }
      fingerprint = key.fingerprint();
      unregistered << QStringLiteral("%1 of station %2").arg(key.fingerprint(), key.station);
    }
    *why = Failure(
        Failure::Kind::Refused,
        QStringLiteral("the verification key %1 (journal %2) is not registered for "
                       "station %3: a person who compared it registers it with "
                       "weighstation-records central-register --station %3 "
                       "--fingerprint %4")
            .arg(unregistered.join(QStringLiteral(" nor ")), journalId, asked, fingerprint));
    return false;
  }
};

// The central database reached and the journals it is asked about; -1 to
// go on, else the exit code.
int openCentral(const Command &command, QSqlDatabase *db, QStringList *journals) {
  const QString uri = command.parser().value(QStringLiteral("central"));
  Failure failure;
  *db = connectCentral(uri, &failure);
  if (!db->isOpen())
    return cannot(failure.within(
        QCoreApplication::translate("Records", "cannot reach %1").arg(centraldb::shownUri(uri))));
  *journals = centralJournals(*db, command, &failure);
  return journals->isEmpty() ? cannot(failure) : -1;
}

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
  CentralChecks checks;
  if (!checks.read(command))
    return cannot(checks.failure);
  for (const QString &journal : journals) {
    VerifyOptions chain;
    Failure untrusted;
    if (!checks.of(db, journal, command.parser().value(QStringLiteral("station")), &chain,
                   &untrusted)) {
      if (chosen && !options.unverified)
        return cannot(untrusted);
      continue;
    }
    const VerifyReport report =
        verifyStation(JournalReader(db, QStringLiteral("weigh_records"), journal), chain);
    if (report.outcome == VerifyReport::Outcome::Intact)
      options.verifiedJournals << journal;
    else if (chosen && !options.unverified)
      return checkFailed(report, "exported");
  }
  options.markEachJournal = !chosen;
  if (chosen)
    options.filter.journalIds = journals;
  showProgress(options);
  int sheets = 0;
  const qint64 rows = journalexport::write(
      JournalReader(db, QStringLiteral("weigh_records"), QString()), options, &failure, &sheets);
  return exported(rows, sheets, options.path, failure);
}
}  // namespace

int verificationKey(const QStringList &arguments) {
  Command command(
      QStringLiteral("verification-key"),
      QCoreApplication::translate(
          "Records",
          "Writes the station's verification key (public: it checks records of format 2 and "
          "tickets, and seals nothing) and prints the station, the journal and the key's "
          "fingerprint, for a person to register and compare."),
      kJournalFile | kKeyFile);
  command.parser().addOption(
      {QStringLiteral("out"),
       QCoreApplication::translate("Records", "Write the key to FILE (default: only print)."),
       QStringLiteral("FILE")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  const QString out = command.parser().value(QStringLiteral("out"));
  if (Failure failure; !out.isEmpty() && !writable(command, out, &failure))
    return cannot(failure);
  const QString path = command.verificationKeyPath();
  signingkeys::VerificationKey key;
  QString why;
  if (!signingkeys::readVerificationKey(path, &key, &why))
    return cannot(why);
  QString journalId = QStringLiteral("(none yet)");
  {
    JournalReader reader(command.journal(), QStringLiteral("weighstation-verification-key"));
    Failure failure;
    if (QFileInfo::exists(command.journal()) && reader.open(&failure))
      journalId = reader.journalId();
  }
  if (!out.isEmpty()) {
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(key.fileText()) < 0 || !file.commit())
      return cannot(QStringLiteral("cannot write %1: %2").arg(out, file.errorString()));
  }
  std::printf("verification key %s\nstation %s\njournal %s\nfingerprint %s\n",
              qPrintable(out.isEmpty() ? path : out), qPrintable(key.station),
              qPrintable(journalId), qPrintable(key.fingerprint()));
  return kDone;
}

QString usage() {
  struct Line {
    const char *synopsis;
    const char *what;
  };
  static const Line kLines[] = {
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
  };
  constexpr int kColumn = 38;
  QString text =
      QStringLiteral("Usage: weighstation-records [COMMAND] [options]\n") +
      QCoreApplication::translate(
          "Records", "Views, verifies, lists, exports and recovers the monitor's record journal.") +
      QStringLiteral("\n\n") + QCoreApplication::translate("Records", "Commands:") + u'\n';
  for (const Line &line : kLines) {
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
  ViewerWindow window(command.journal(), command.key(), command.head());
  window.show();
  // Started from the desktop's menu, nobody reads the standard error: what
  // the settings files get wrong is said in a box too.
  const QStringList problems = settings::problems();
  if (!problems.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, problems] {
      QMessageBox::warning(&window, QCoreApplication::translate("Records", "Settings"),
                           problems.join(u'\n'));
    });
  }
  return QApplication::exec();
}

namespace {
// The central URI and the MQTT target as the monitor will take them: a
// refusal here is a refusal there (nothing shipped or published).
QStringList shippingSettingsProblems() {
  QStringList problems;
  const QString central = settings::value(QStringLiteral("central"));
  if (QString why; !central.isEmpty() && !centraldb::checkUri(central, &why))
    problems << QStringLiteral("WEIGHSTATION_CENTRAL: %1; nothing is shipped").arg(why);
  const QString mqtt = mqtttarget::setting();
  MqttTarget target;
  if (Failure failure;
      !mqtt.isEmpty() && !mqtttarget::parse(mqtt, journalfiles::stationName(), &target, &failure))
    problems << QStringLiteral("%1; nothing is published").arg(failure.text());
  return problems;
}
}  // namespace

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
    const settings::Entry entry = settings::lookup(key.name);
    const QString value = entry.origin == settings::Origin::Default
                              ? QStringLiteral("(%1)").arg(key.defaultText)
                              : entry.value;
    QString origin = settings::originText(entry.origin);
    if (!entry.where.isEmpty())
      origin += QStringLiteral(" ") + entry.where;
    std::printf("%s\t%s\t%s\n", qPrintable(key.name), qPrintable(value), qPrintable(origin));
  }
  QStringList problems = settings::problems();
  problems << shippingSettingsProblems();
  for (const QString &problem : problems)
    std::fprintf(stderr, "weighstation-records: settings: %s\n", qPrintable(problem));
  return problems.isEmpty() ? 0 : 1;
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
       QCoreApplication::translate("Records", "The version of the tables to upgrade (1 to 3)."),
       QStringLiteral("VERSION"), QStringLiteral("1")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  const int from = command.parser().value(QStringLiteral("from")).toInt();
  if (from < 1 || from >= centraldb::kSchemaVersion)
    return cannot(
        QStringLiteral("--from takes a version from 1 to %1").arg(centraldb::kSchemaVersion - 1));
  const QStringList statements = command.parser().isSet(QStringLiteral("upgrade"))
                                     ? centraldb::upgradeSql(from)
                                     : centraldb::schemaSql();
  std::printf("BEGIN;\n");
  for (const QString &statement : statements)
    std::printf("%s;\n", qPrintable(statement));
  std::printf("COMMIT;\n");
  return kDone;
}

int newJournal(const QStringList &arguments) {
  Command command(QStringLiteral("new-journal"),
                  QCoreApplication::translate(
                      "Records",
                      "Retires the journal, its key and its heads (renamed with the "
                      "journal's id, nothing deleted), so that the monitor starts a new "
                      "journal with a new key at its next record."),
                  kJournalFile | kKeyFile);
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  journalretire::Plan plan;
  Failure failure;
  if (!journalretire::plan(command.journal(), command.key(), &plan, &failure) ||
      !journalretire::carryOut(plan, &failure))
    return cannot(failure);
  std::printf("retired journal %s:\n", qPrintable(plan.journalId));
  for (const auto &move : plan.moves)
    std::printf("  %s -> %s\n", qPrintable(move.first), qPrintable(move.second));
  std::printf("the monitor starts a new journal with a new key at its next record\n");
  return kDone;
}

// A person's word that the station's clock is right after it moved far
// ahead of the signing keys' last use.
int confirmClock(const QStringList &arguments) {
  Command command(
      QStringLiteral("confirm-clock"),
      QCoreApplication::translate(
          "Records",
          "Confirms that the station's clock is right after it moved far ahead of the signing "
          "keys' last use: erases the secrets of every epoch before now, so that the monitor "
          "seals again once started again. Run it only once the clock was checked."),
      kKeyFile);
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  signingkeys::SigningKeys keys;
  QString why;
  if (!keys.load(signingkeys::signingPathFor(command.key()), &why))
    return cannot(why);
  const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
  const qint64 epoch = keys.epochAt(QDateTime::currentSecsSinceEpoch());
  if (epoch < 0 || epoch >= keys.epochs())
    return cannot(
        QStringLiteral("the clock (%1) is outside the signing keys' run; nothing erased").arg(now));
  qint64 erased = 0;
  if (!keys.erasePast(epoch, &erased, &why))
    return cannot(why);
  std::printf(
      "clock confirmed at %s: erased the secrets of %lld past epochs; the monitor seals "
      "in epoch %lld once started again\n",
      qPrintable(now), static_cast<long long>(erased), static_cast<long long>(epoch));
  return kDone;
}

namespace {
// A record the central copy lacks below its last one was refused by it (or
// removed there); the ones after its last are still on their way. At most
// `most` lines.
QStringList holesInTheCopy(const QList<qint64> &localSeqs, const QSet<qint64> &centralSeqs,
                           qint64 centralLast, qsizetype most) {
  QStringList holes;
  for (const qint64 seq : localSeqs) {
    if (holes.size() >= most)
      break;
    if (seq < centralLast && !centralSeqs.contains(seq))
      holes << QStringLiteral("seq %1: not in the central copy (refused by it, or removed there)")
                   .arg(seq);
  }
  return holes;
}

// What the local journal holds to compare: each record's seal and bytes,
// its stations, and the seqs of the station asked about (empty: all).
struct LocalSide {
  QHash<qint64, QByteArray> seals;
  QSet<QString> stations;
  QList<qint64> seqs;
  bool read(const JournalReader &journal, const QString &station, Failure *failure) {
    return journal.forEach(
        {},
        [&](const JournalRecord &record) {
          seals.insert(record.seq, record.mac.toLatin1() + '\n' +
                                       journalcolumns::canonicalBytes(record, QString()));
          stations.insert(record.station);
          if (station.isEmpty() || record.station == station)
            seqs << record.seq;
          return true;
        },
        failure);
  }
};

// The local journal against its central copy: a record changed on one
// side, or a local journal shorter than the copy (an older journal and
// head put back together), is a problem.
int compareWithCentral(const Command &command, const QString &uri, const VerifyReport &local) {
  Failure failure;
  QSqlDatabase db = connectCentral(uri, &failure);
  if (!db.isOpen())
    return cannot(failure.within(
        QCoreApplication::translate("Records", "cannot reach %1").arg(centraldb::shownUri(uri))));
  JournalReader journal(command.journal(), QStringLiteral("weighstation-against-central"));
  if (!journal.open(&failure))
    return cannot(failure);
  const QString journalId = journal.journalId();
  // With --station, the central records of that station (a journal keeps
  // its chain when the station is renamed).
  const QString station = command.parser().value(QStringLiteral("station"));
  LocalSide mine;
  if (!mine.read(journal, station, &failure))
    return cannot(failure);
  const QHash<qint64, QByteArray> &localSeals = mine.seals;
  const QList<qint64> &localSeqs = mine.seqs;
  if (!station.isEmpty() && !mine.stations.contains(station)) {
    QStringList names = mine.stations.values();
    names.sort();
    return cannot(QStringLiteral("the journal %1 holds no record of station %2 (its records are "
                                 "of: %3)")
                      .arg(command.journal(), station, names.join(QStringLiteral(", "))));
  }
  qint64 centralRecords = 0, centralLast = 0;
  QSet<qint64> centralSeqs;
  QStringList problems;
  if (!JournalReader(db, QStringLiteral("weigh_records"), journalId)
           .forEach(
               {},
               [&](const JournalRecord &record) {
                 if (!station.isEmpty() && record.station != station)
                   return true;
                 ++centralRecords;
                 centralLast = qMax(centralLast, record.seq);
                 centralSeqs.insert(record.seq);
                 const auto mine = localSeals.constFind(record.seq);
                 if (mine == localSeals.constEnd())
                   problems << QStringLiteral("seq %1: in the central copy, not in the journal")
                                   .arg(record.seq);
                 else if (*mine != record.mac.toLatin1() + '\n' +
                                       journalcolumns::canonicalBytes(record, QString()))
                   problems
                       << QStringLiteral("seq %1: differs from the central copy").arg(record.seq);
                 return problems.size() < 20;
               },
               &failure))
    return cannot(failure.within(QStringLiteral("cannot read the central copy")));
  problems << holesInTheCopy(localSeqs, centralSeqs, centralLast, 20 - problems.size());
  if (centralLast > local.lastSeq)
    problems.prepend(
        QStringLiteral("the journal ends at seq %1, its central copy at seq %2 (records "
                       "removed, or an older journal and head put back)")
            .arg(local.lastSeq)
            .arg(centralLast));
  for (const QString &problem : problems)
    std::printf("%s\n", qPrintable(problem));
  if (!problems.isEmpty())
    return kBroken;
  if (station.isEmpty())
    std::printf("central copy agrees: %lld records of journal %s\n",
                static_cast<long long>(centralRecords), qPrintable(journalId));
  else
    std::printf("central copy agrees: %lld records of station %s in journal %s\n",
                static_cast<long long>(centralRecords), qPrintable(station), qPrintable(journalId));
  return kDone;
}
}  // namespace

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
        QStringLiteral("central-register takes --station NAME and --fingerprint "
                       "XXXX-XXXX-XXXX-XXXX (16 hex digits)"));
  Failure failure;
  const QString uri = parser.value(QStringLiteral("central"));
  QSqlDatabase db = connectCentral(uri, &failure);
  if (!db.isOpen())
    return cannot(failure.within(
        QCoreApplication::translate("Records", "cannot reach %1").arg(centraldb::shownUri(uri))));
  if (!centraldb::ensureSchema(db, &failure) ||
      !centraldb::registerFingerprint(db, station, fingerprint, &failure))
    return cannot(failure);
  std::printf("registered the verification key %s for station %s\n", qPrintable(fingerprint),
              qPrintable(station));
  // Whether it is a key the station's shipper sent yet: a fingerprint
  // mistyped is said now, not at the first check that trusts nothing.
  QList<centraldb::SentKey> sent;
  if (!centraldb::sentVerificationKeys(db, station, &sent, &failure))
    return cannot(failure);
  QStringList matching, others;
  for (const centraldb::SentKey &candidate : std::as_const(sent)) {
    signingkeys::VerificationKey key;
    QString why;
    if (!signingkeys::parseVerificationKey(candidate.text, &key, &why) ||
        (!candidate.ofStation && key.station != station))
      continue;
    if (key.fingerprint() == fingerprint)
      matching << candidate.journalId;
    else if (!others.contains(key.fingerprint()))
      others << key.fingerprint();
  }
  if (!matching.isEmpty())
    std::printf("it is the verification key sent with journal %s\n",
                qPrintable(matching.join(QStringLiteral(", "))));
  else
    std::printf(
        "no verification key sent for station %s matches it yet (%s); central checks "
        "trust it once the station ships records sealed with it\n",
        qPrintable(station),
        qPrintable(others.isEmpty()
                       ? QStringLiteral("none was sent")
                       : QStringLiteral("sent: ") + others.join(QStringLiteral(", "))));
  return kDone;
}

int verify(const QStringList &arguments) {
  Command command(
      QStringLiteral("verify"),
      QCoreApplication::translate("Records",
                                  "Checks every record's mac, the chain, the sequence and the "
                                  "journal's end; with --central, a station's chain in the central "
                                  "database."));
  addCentralOptions(command.parser());
  command.parser().addOption(
      {QStringLiteral("against-central"),
       QCoreApplication::translate(
           "Records",
           "Also compare the journal with its copy in the central database (postgresql:// "
           "URI): every central record equal to the local one, the journal not shorter."),
       QStringLiteral("URI")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  const QString central = command.parser().value(QStringLiteral("central"));
  const QString against = command.parser().value(QStringLiteral("against-central"));
  if (!against.isEmpty()) {
    const VerifyReport report = verifyJournal(command.verifyOptions());
    const int code = printReport(report);
    if (report.outcome == VerifyReport::Outcome::CannotCheck)
      return code;
    return worse(code, compareWithCentral(command, against, report));
  }
  if (central.isEmpty())
    return printReport(verifyJournal(command.verifyOptions()));
  if (command.parser().value(QStringLiteral("station")).isEmpty() &&
      command.parser().value(QStringLiteral("journal-id")).isEmpty())
    return cannot(QStringLiteral(
        "verify --central takes --station NAME or --journal-id ID: a chain is a journal's"));
  QSqlDatabase db;
  QStringList journals;
  if (const int code = openCentral(command, &db, &journals); code >= 0)
    return code;
  // Each journal's chain, whatever its station was called along it; named
  // when there are several.
  CentralChecks checks;
  if (!checks.read(command))
    return cannot(checks.failure);
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
    const VerifyReport report =
        verifyStation(JournalReader(db, QStringLiteral("weigh_records"), journal), chain);
    code = qMax(
        code, printReport(report, journals.size() > 1 ? QStringLiteral("journal %1: ").arg(journal)
                                                      : QString()));
  }
  return code;
}

// What a list says of its records' check, on the error output, and which
// records it marks: those the check does not trust (all, when unchecked).
printouts::CheckState checkForListing(const Command &command, bool unchecked) {
  printouts::CheckState check;
  if (unchecked) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                     "Records", "UNVERIFIED: not checked (--unchecked); every record is marked")));
    return check;
  }
  const VerifyReport report = verifyJournal(withProgress(command.verifyOptions()));
  if (report.outcome == VerifyReport::Outcome::CannotCheck) {
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QCoreApplication::translate("Records",
                                               "UNVERIFIED: cannot check the journal (%1); every "
                                               "record is marked")
                       .arg(report.failure.text())));
    return check;
  }
  check = printouts::CheckState::of(report);
  std::fprintf(stderr, "%s\n", qPrintable(check.line()));
  return check;
}

int list(const QStringList &arguments) {
  Command command(
      QStringLiteral("list"),
      QCoreApplication::translate("Records",
                                  "Lists the journal's records, after checking the journal: a "
                                  "record the check does not trust is marked UNVERIFIED."),
      kJournalFile | kKeyFile | kHeadFile);
  addFilterOptions(command.parser());
  command.parser().addOption({QStringLiteral("last"),
                              QCoreApplication::translate("Records", "Only the newest N."),
                              QStringLiteral("N")});
  command.parser().addOption(
      {QStringLiteral("unchecked"),
       QCoreApplication::translate("Records", "Lists without checking: every record is marked.")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  JournalFilter filter;
  Failure failure;
  if (!filterOf(command.parser(), false, &filter, &failure))
    return cannot(failure);
  if (command.parser().isSet(QStringLiteral("last"))) {
    bool ok = false;
    filter.last = command.parser().value(QStringLiteral("last")).toLongLong(&ok);
    if (!ok || filter.last < 1)
      return cannot(QCoreApplication::translate("Records", "--last takes a number above 0"));
  }
  JournalReader reader(command.journal());
  if (!reader.open(&failure))
    return cannot(failure);
  const printouts::CheckState check =
      checkForListing(command, command.parser().isSet(QStringLiteral("unchecked")));
  const bool read = reader.forEach(
      filter,
      [&check](const JournalRecord &record) {
        std::printf("%lld\t%s, %s\t%s%s\n", static_cast<long long>(record.seq),
                    qPrintable(record.timeText), qPrintable(record.dateText),
                    qPrintable(record.totalLine), check.trusts(record.seq) ? "" : "\tUNVERIFIED");
        return true;
      },
      &failure);
  if (!read)
    return cannot(failure);
  return check.state == printouts::CheckState::State::Broken ? kBroken : kDone;
}

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
  if (const int code = checkBeforeWriting(command, options.unverified, "exported"); code >= 0)
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
  if (const int code =
          checkBeforeWriting(command, parser.isSet(QStringLiteral("unverified")), "rebuilt");
      code >= 0) {
    return code;
  }
  JournalReader reader(command.journal());
  if (!reader.open(&failure))
    return cannot(failure);
  const qint64 rows = recovery::rebuildWorkbook(reader, file, output, &failure);
  if (rows < 0)
    return cannot(failure);
  std::printf("rebuilt %lld rows of %s into %s\n", static_cast<long long>(rows), qPrintable(file),
              qPrintable(output));
  return kDone;
}

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
  context->site = printouts::Site::fromSettings();
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
  JournalReader reader(command.journal());
  JournalRecord record;
  JournalFilter one;
  one.seqFrom = one.seqTo = seq;
  if (!reader.open(&failure) || !reader.forEach(
                                    one,
                                    [&record](const JournalRecord &found) {
                                      record = found;
                                      return false;
                                    },
                                    &failure))
    return cannot(failure);
  if (record.seq == 0)
    return cannot(QCoreApplication::translate("Records", "no record %1 in the journal").arg(seq));
  QList<signingkeys::EpochCertificate> epochKeys;
  if (!reader.epochKeys(&epochKeys, &failure))
    return cannot(failure);
  context.ticketCode = ticketcode::of(record, epochKeys);
  if (!context.check.trusts(seq) && !parser.isSet(QStringLiteral("unverified"))) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(messageLine(QStringLiteral("seq %1 is not printed: %2 (--unverified "
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
  std::printf("printed the ticket of seq %lld to %s%s\n", static_cast<long long>(seq),
              qPrintable(path), context.check.verified() ? "" : " (marked UNVERIFIED)");
  return context.check.verified() ? kDone : kBroken;
}

namespace {
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
  QString why;
  if (!signingkeys::readVerificationKey(command.verificationKeyPath(), &key, &why))
    return cannot(why);
  QString code;
  if (fromImage) {
    const QStringList codes = qrCodesIn(command.parser().value(QStringLiteral("image")), &why);
    if (codes.isEmpty())
      return cannot(why);
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
    request.filterText = QStringLiteral("station %1").arg(request.filter.station);
  PrintJob job;
  if (const int code = preparePrinting(command, &job); code >= 0)
    return code;
  const QString &path = job.path;
  const printouts::Context &context = job.context;
  JournalReader reader(command.journal());
  if (!reader.open(&failure) || !printouts::savePdf(
                                    path, job.pageSize,
                                    [&](QPagedPaintDevice *device, Failure *failed) {
                                      return printouts::paintReport(device, reader, request,
                                                                    context, failed);
                                    },
                                    &failure))
    return cannot(failure);
  std::printf("printed the report (%s) to %s%s\n", qPrintable(request.period), qPrintable(path),
              context.check.verified() ? "" : " (marked UNVERIFIED)");
  return context.check.verified() ? kDone : kBroken;
}

}  // namespace records
