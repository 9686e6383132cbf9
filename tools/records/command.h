// What every subcommand of the records command shares: its exit codes, its
// one message style, its options and their parse, the journal's check
// before writing, and the outputs it may write.
#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include "failure/failure.h"
#include "journal/journalexport.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/signingkeys.h"
#include "journal/verifier.h"
#include "settings/settings.h"
#include "viewer/printouts.h"

namespace records {

constexpr int kDone = 0;
constexpr int kBroken = 1;
constexpr int kCannot = 2;
constexpr int kEndNotWitnessed = 3;  // every record intact, the end not witnessed

// The exit code of two checks together: broken over cannot over not
// witnessed over done.
int worse(int a, int b);
// The command being run, named in every message.
extern QString currentCommand;
// One style for every message: "weighstation-records: <command>: <what>",
// lower case, no full stop.
QString messageLine(const QString &text);
// Every failure ends a command one way: one line on stderr, exit status 2
// (a journal that fails its check is told by printReport, status 1).
int cannot(const QString &why);
int cannot(const Failure &failure);

// The settings in force, read once as the command starts: readSettings()
// reads them and hands the journal its places, before anything else runs.
void readSettings();
const settings::Snapshot &settingsRead();
// The site on printouts, as the settings name it.
printouts::Site siteToPrint();

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
  // The key given; else for a journal retired by new-journal the key it was
  // retired with, beside the default key; else the default key.
  QString key() const {
    if (hasValue(QStringLiteral("key")))
      return parser_.value(QStringLiteral("key"));
    const QString retired = journalfiles::retiredKeyFor(journal(), journalfiles::defaultKeyPath());
    return retired.isEmpty() ? journalfiles::defaultKeyPath() : retired;
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

void addFilterOptions(QCommandLineParser &parser);
// The filter the options ask for; false (with the reason) when one is bad.
bool filterOf(const QCommandLineParser &parser, bool withSeq, JournalFilter *filter,
              Failure *failure);
// --central, --station, --journal-id.
void addCentralOptions(QCommandLineParser &parser);
// The central database's connection, its name unique in this program; not
// open, with the failure saying which database could not be reached.
QSqlDatabase connectCentral(const QString &uri, Failure *failure);
// A long check says how far it is, on the error output.
VerifyOptions withProgress(VerifyOptions options);
// A check's outcome as verify says it, each line after `prefix`: the
// intact line, or one line per problem; returns the exit code.
int printReport(const VerifyReport &report, const QString &prefix = QString());
// A count of records for a person: "1 record", "2 records", translated.
QString recordsCounted(qint64 count);
// One line on the output, translated by the caller.
void say(const QString &line);
// A check that refuses what was asked: says why.
int checkFailed(const VerifyReport &report, const char *what);
// The journal's check before an export or a recovery: -1 to go on.
int checkBeforeWriting(const Command &command, bool unverified, const char *what);
// An output that is one of the journal's files, or whose folder is missing
// or cannot be written, is refused before anything is read or written.
bool writable(const Command &command, const QString &path, Failure *failure);
// What an export says when it is done; the exit code.
int exported(qint64 rows, int sheets, const QString &path, const Failure &failure);
// An export's progress on the error output.
void showProgress(ExportOptions &options);

// The central side of verify and export (centralcommands.cpp).
int verifyCentral(const Command &command);
int verifyAgainstCentral(const Command &command);
int exportCentral(const Command &command, ExportOptions options);

}  // namespace records
