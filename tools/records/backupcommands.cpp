// A checked backup of the journal, and putting one back.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <cstdio>

#include "command.h"
#include "commands.h"
#include "journal/journalbackup.h"
#include "settings/settings.h"

namespace records {
namespace {
// A long copy says how far it is, on the error output, about each tenth.
journalbackup::Progress pagesProgress(const QString &doing) {
  return [doing, said = qint64(-1)](qint64 done, qint64 total) mutable {
    const qint64 tenth = total > 0 ? 10 * done / total : 10;
    if (total < 1000 || tenth == said)
      return;
    said = tenth;
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("Records", "%1: %2 of %3 pages")
                                .arg(doing)
                                .arg(done)
                                .arg(total)));
  };
}
}  // namespace

int backup(const QStringList &arguments) {
  Command command(QStringLiteral("backup"),
                  QCoreApplication::translate(
                      "Records",
                      "Copies the journal (SQLite's online backup, while the monitor records), "
                      "its head and its verification key into DIR/<journal id>, checks the copy, "
                      "and only then replaces the last backup there. The signing keys are never "
                      "copied."),
                  kJournalFile | kKeyFile);
  command.parser().addOption(
      {QStringLiteral("to"),
       QCoreApplication::translate("Records",
                                   "The backup folder DIR (default: the setting backup_folder); "
                                   "it must exist: a missing folder is a disk not mounted."),
       QStringLiteral("DIR")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  journalbackup::Request request;
  request.journalPath = command.journal();
  request.keyPath = command.key();
  request.folder = command.parser().isSet(QStringLiteral("to"))
                       ? command.parser().value(QStringLiteral("to"))
                       : settingsRead().value(QStringLiteral("backup_folder"));
  if (request.folder.isEmpty())
    return cannot(QCoreApplication::translate(
        "Records", "no backup folder: give --to DIR or set backup_folder"));
  journalbackup::Outcome outcome;
  Failure failure;
  if (!journalbackup::backUp(request,
                             pagesProgress(QCoreApplication::translate("Records", "copying")),
                             &outcome, &failure))
    return cannot(failure);
  std::printf("%s\n",
              qPrintable(QCoreApplication::translate("Records",
                                                     "backed up journal %1 (%2 records, checked "
                                                     "intact) to %3")
                             .arg(outcome.manifest.journalId)
                             .arg(outcome.manifest.records)
                             .arg(outcome.folder)));
  return kDone;
}

int restore(const QStringList &arguments) {
  Command command(QStringLiteral("restore"),
                  QCoreApplication::translate(
                      "Records",
                      "Puts the backup in DIR/<journal id> back as the journal, once it checks "
                      "intact with its own head and verification key; never over a journal."),
                  kJournalFile | kKeyFile);
  command.parser().addOption(
      {QStringLiteral("from"),
       QCoreApplication::translate("Records", "The backup's folder, DIR/<journal id>."),
       QStringLiteral("FOLDER")});
  if (const int code = command.parse(arguments, 0); code >= 0)
    return code;
  const QString from = command.parser().value(QStringLiteral("from"));
  if (from.isEmpty())
    return cannot(QCoreApplication::translate("Records", "give the backup with --from DIR/ID"));
  journalbackup::Restored restored;
  Failure failure;
  if (!journalbackup::restore(from, command.journal(), command.key(),
                              pagesProgress(QCoreApplication::translate("Records", "restoring")),
                              &restored, &failure))
    return cannot(failure);
  std::printf("%s\n", qPrintable(QCoreApplication::translate(
                                     "Records",
                                     "restored journal %1 (%2 records, backed up %3) "
                                     "to %4")
                                     .arg(restored.manifest.journalId)
                                     .arg(restored.manifest.records)
                                     .arg(restored.manifest.takenAt, command.journal())));
  if (restored.recordsMissing > 0) {
    // The station's head says what the backup lacks: the monitor will not
    // record after a journal that lacks records, and says so.
    std::printf("%s\n", qPrintable(QCoreApplication::translate(
                                       "Records",
                                       "the station's key sealed %1 records after the backup: "
                                       "they are not in it; the monitor refuses to record until "
                                       "a person retires this journal with "
                                       "weighstation-records new-journal")
                                       .arg(restored.recordsMissing)));
    return kBroken;
  }
  return kDone;
}

}  // namespace records
