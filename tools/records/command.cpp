#include "command.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "central/centraldb.h"
#include "desksettings.h"
#include "journal/outputguard.h"

namespace records {

QString currentCommand;

namespace {
settings::Snapshot &snapshot() {
  static settings::Snapshot read;
  return read;
}
}  // namespace

void readSettings() {
  snapshot() = settings::Snapshot::read();
  const settings::Snapshot &read = snapshot();
  journalfiles::usePlaces(
      {read.value(QStringLiteral("journal")), read.value(QStringLiteral("journal_key")),
       read.value(QStringLiteral("journal_heads")), read.value(QStringLiteral("station")),
       read.wholeNumber(QStringLiteral("journal_epoch_seconds"), 0)});
}

const settings::Snapshot &settingsRead() {
  return snapshot();
}

printouts::Site siteToPrint() {
  return desksettings::site(snapshot());
}

// The exit code of two checks together: broken over cannot over not
// witnessed over done.
int worse(int a, int b) {
  for (const int code : {kBroken, kCannot, kEndNotWitnessed}) {
    if (a == code || b == code)
      return code;
  }
  return kDone;
}

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
  // A date as the person gave it, or why not, in the desktop's language.
  auto bound = [&](const char *option, bool end, QString *taken) {
    const QString given = parser.value(QString::fromLatin1(option));
    *taken = journaldates::takenAtBound(given, end, failure);
    if (taken->isEmpty())
      *failure =
          Failure(Failure::Kind::Refused,
                  QCoreApplication::translate(
                      "Records", "'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])")
                      .arg(given));
    return !taken->isEmpty();
  };
  if (parser.isSet(QStringLiteral("from")) && !bound("from", false, &filter->takenFrom))
    return false;
  if (parser.isSet(QStringLiteral("to")) && !bound("to", true, &filter->takenTo))
    return false;
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

QSqlDatabase connectCentral(const QString &uri, Failure *failure) {
  QSqlDatabase db =
      centraldb::connect(uri, QStringLiteral("weighstation-records-central"), failure);
  if (!db.isOpen())
    *failure = failure->within(
        QCoreApplication::translate("Records", "cannot reach %1").arg(centraldb::shownUri(uri)));
  return db;
}

// A long check says how far it is, on the error output.
VerifyOptions withProgress(VerifyOptions options) {
  options.progress = [](qint64 done, qint64 total) {
    if (total > 100000)
      std::fprintf(stderr, "%s\n",
                   qPrintable(QCoreApplication::translate("Records", "checking: %1 of %2 records")
                                  .arg(done)
                                  .arg(total)));
    return true;
  };
  return options;
}

int printReport(const VerifyReport &report, const QString &prefix) {
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
    std::printf("%s%s\n", qPrintable(prefix),
                qPrintable(QCoreApplication::translate("Records", "... and %1 more problems")
                               .arg(report.problemsNotListed)));
  return kBroken;
}

// A check that refuses what was asked: says why.
int checkFailed(const VerifyReport &report, const char *what) {
  if (report.outcome == VerifyReport::Outcome::CannotCheck)
    return cannot(
        report.failure.within(QCoreApplication::translate("Records", "cannot check the journal")));
  std::fprintf(
      stderr, "%s\n",
      qPrintable(messageLine(
          QCoreApplication::translate("Records",
                                      "the journal does not verify (%1); nothing %2 "
                                      "(--unverified writes it marked as unverified)")
              .arg(report.problems.value(0).text, QCoreApplication::translate("Records", what)))));
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

QString recordsCounted(qint64 count) {
  return count == 1 ? QCoreApplication::translate("Records", "1 record")
                    : QCoreApplication::translate("Records", "%1 records").arg(count);
}

void say(const QString &line) {
  std::printf("%s\n", qPrintable(line));
}

int exported(qint64 rows, int sheets, const QString &path, const Failure &failure) {
  if (rows < 0)
    return cannot(failure);
  say(sheets > 1 ? QCoreApplication::translate("Records", "exported %1 to %2 on %3 sheets")
                       .arg(recordsCounted(rows), path)
                       .arg(sheets)
                 : QCoreApplication::translate("Records", "exported %1 to %2")
                       .arg(recordsCounted(rows), path));
  return kDone;
}

void showProgress(ExportOptions &options) {
  options.progress = [](qint64 done, qint64 total) {
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QCoreApplication::translate("Records", "exporting: %1 of %2 records (%3%)")
                       .arg(done)
                       .arg(total)
                       .arg(total > 0 ? 100 * done / total : 100)));
  };
}

}  // namespace records
