// The journal's own commands: verify, list, the verification key, a new
// journal, the clock confirmed.
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "command.h"
#include "commands.h"
#include "journal/journalretire.h"
#include "viewer/printouts.h"

namespace records {

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
  Failure why;
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
      return cannot(QCoreApplication::translate("Records", "cannot write %1: %2")
                        .arg(out, file.errorString()));
  }
  std::printf("verification key %s\nstation %s\njournal %s\nfingerprint %s\n",
              qPrintable(out.isEmpty() ? path : out), qPrintable(key.station),
              qPrintable(journalId), qPrintable(key.fingerprint()));
  return kDone;
}

int verify(const QStringList &arguments) {
  Command command(
      QStringLiteral("verify"),
      QCoreApplication::translate("Records",
                                  "Checks every record's mac, the chain, the sequence and the "
                                  "journal's end; with --central, a station's chain in the central "
                                  "database (without --station or --journal-id: every "
                                  "journal there, each by the key registered for its station)."));
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
  if (!command.parser().value(QStringLiteral("against-central")).isEmpty())
    return verifyAgainstCentral(command);
  if (!command.parser().value(QStringLiteral("central")).isEmpty())
    return verifyCentral(command);
  return printReport(verifyJournal(command.verifyOptions()));
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
  say(QCoreApplication::translate("Records", "retired journal %1:").arg(plan.journalId));
  for (const auto &move : plan.moves)
    std::printf("  %s -> %s\n", qPrintable(move.first), qPrintable(move.second));
  say(QCoreApplication::translate("Records",
                                  "the monitor starts a new journal with a new key at its next "
                                  "record"));
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
  Failure why;
  if (!keys.load(signingkeys::signingPathFor(command.key()), &why))
    return cannot(why);
  const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
  const qint64 epoch = keys.epochAt(QDateTime::currentSecsSinceEpoch());
  if (epoch < 0 || epoch >= keys.epochs())
    return cannot(QCoreApplication::translate(
                      "Records", "the clock (%1) is outside the signing keys' run; nothing erased")
                      .arg(now));
  qint64 erased = 0;
  if (!keys.erasePast(epoch, &erased, &why))
    return cannot(why);
  std::printf(
      "clock confirmed at %s: erased the secrets of %lld past epochs; the monitor seals "
      "in epoch %lld once started again\n",
      qPrintable(now), static_cast<long long>(erased), static_cast<long long>(epoch));
  return kDone;
}

}  // namespace records
