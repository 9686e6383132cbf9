#include "journal/verifier.h"

#include <QMessageAuthenticationCode>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

#include "journal/journal.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"

namespace {

class Checker {
 public:
  Checker(const VerifyOptions &options, VerifyReport &report, const QByteArray &key)
      : options_(options),
        report_(report),
        mac_(QCryptographicHash::Sha256, key),
        previousMac_(options.afterMac) {
    report_.lastSeq = options.afterSeq;
  }

  void problem(qint64 seq, const QString &text) {
    if (report_.problems.size() < options_.problemsListed)
      report_.problems << VerifyProblem{seq, text};
    else
      ++report_.problemsNotListed;
  }

  void record(const JournalRecord &record) {
    if (report_.records == 0) {
      report_.firstSeq = record.seq;
      report_.firstTakenAt = record.takenAt;
    }
    const qint64 expected = report_.lastSeq + 1;
    if (record.seq > expected) {
      problem(expected, record.seq == expected + 1
                            ? QStringLiteral("seq %1: missing").arg(expected)
                            : QStringLiteral("seq %1: missing, and the %2 records after it")
                                  .arg(expected)
                                  .arg(record.seq - expected - 1));
    }
    mac_.reset();
    mac_.addData(journalcolumns::canonicalBytes(record, previousMac_));
    if (QString::fromLatin1(mac_.result().toHex()) != record.mac) {
      problem(record.seq,
              QStringLiteral("seq %1: its mac does not match its contents and the record before "
                             "(changed, moved, inserted or sealed with another key)")
                  .arg(record.seq));
    }
    previousMac_ = record.mac;
    report_.lastSeq = record.seq;
    report_.lastTakenAt = record.takenAt;
    ++report_.records;
    if (record.seq == watchedSeq_)
      watchedMac_ = record.mac;
  }

  // The record whose mac the head names, looked at on the way.
  void watch(qint64 seq) { watchedSeq_ = seq; }
  const QString &watchedMac() const { return watchedMac_; }

 private:
  const VerifyOptions &options_;
  VerifyReport &report_;
  QMessageAuthenticationCode mac_;
  QString previousMac_;
  qint64 watchedSeq_ = 0;
  QString watchedMac_;
};

struct HeadSeen {
  QString path;
  bool read = false;
  QString why;
  journalfiles::Head head;
};

HeadSeen readHeadOf(const VerifyOptions &options, const QByteArray &key, const QString &journalId) {
  HeadSeen seen;
  seen.path = options.headPath.isEmpty() ? journalfiles::headPathFor(options.keyPath, journalId)
                                         : options.headPath;
  seen.read = journalfiles::readHead(seen.path, key, &seen.head, &seen.why);
  return seen;
}

void checkEnd(const HeadSeen &seen, const QString &journalId, const VerifyOptions &options,
              Checker &checker, VerifyReport &report) {
  const journalfiles::Head &head = seen.head;
  const QString &headPath = seen.path;
  if (!seen.read) {
    if (report.records > 0)
      checker.problem(0, QStringLiteral("the journal's end is not witnessed: %1").arg(seen.why));
    return;
  }
  if (head.journalId != journalId) {
    checker.problem(0, QStringLiteral("the head %1 witnesses another journal").arg(headPath));
    return;
  }
  if (head.seq > report.lastSeq) {
    checker.problem(report.lastSeq + 1,
                    QStringLiteral("seq %1: missing at the end: the journal ends at seq %2, its "
                                   "head witnessed seq %3 (records removed, or an older copy "
                                   "put back)")
                        .arg(report.lastSeq + 1)
                        .arg(report.lastSeq)
                        .arg(head.seq));
  } else if (head.seq > options.afterSeq && checker.watchedMac() != head.mac) {
    checker.problem(head.seq,
                    QStringLiteral("seq %1: not the record its head witnessed").arg(head.seq));
  } else if (head.seq > 0 && head.seq == options.afterSeq && options.afterMac != head.mac) {
    checker.problem(head.seq,
                    QStringLiteral("seq %1: not the record its head witnessed").arg(head.seq));
  }
}

// A text log note is sealed on its record's mac, which the chain vouches for.
void checkNotes(const JournalReader &reader, const QByteArray &key, qint64 afterSeq,
                Checker &checker) {
  QSqlQuery query(reader.database());
  query.setForwardOnly(true);
  // Notes that cannot be read (a table dropped or damaged) are a problem,
  // never "no notes".
  if (!query.exec(QStringLiteral("SELECT d.seq, d.text_log_ok, d.text_log_error, d.mac, r.mac "
                                 "FROM deliveries d LEFT JOIN records r ON r.seq = d.seq WHERE "
                                 "d.seq > %1 ORDER BY d.seq")
                      .arg(afterSeq))) {
    checker.problem(0, QStringLiteral("the text log notes cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
    return;
  }
  while (query.next()) {
    const qint64 seq = query.value(0).toLongLong();
    const bool written = query.value(1).toInt() == 1;
    const QString recordMac = query.value(4).toString();
    const QByteArray sealed =
        journalcolumns::noteBytes(seq, written, query.value(2).toString(), recordMac);
    if (recordMac.isEmpty() || journalfiles::sealOf(key, sealed) != query.value(3).toString())
      checker.problem(seq, QStringLiteral("seq %1: its text log note does not match").arg(seq));
  }
  if (query.lastError().isValid()) {
    checker.problem(0, QStringLiteral("the text log notes cannot be read: %1")
                           .arg(query.lastError().text().trimmed()));
  }
}

// A key seals one journal: a head of the same key that witnesses records
// of another journal means a journal of this key is missing or was
// replaced (a retired journal's heads are renamed with it).
void checkOtherJournals(const QString &keyPath, const QByteArray &key, const QString &journalId,
                        Checker &checker) {
  for (const journalfiles::FoundHead &found : journalfiles::headsOf(keyPath, key)) {
    // A head of another key with the same file name is not this key's.
    if (found.head.journalId == journalId || found.head.seq == 0 || !found.sealed)
      continue;
    checker.problem(0, QStringLiteral("the key also sealed %1 records of journal %2 (head %3): "
                                      "a journal of this key is missing or was replaced")
                           .arg(found.head.seq)
                           .arg(found.head.journalId, found.path));
  }
}

}  // namespace

qint64 VerifyReport::firstBadSeq() const {
  qint64 first = 0;
  for (const VerifyProblem &p : problems) {
    if (p.seq > 0 && (first == 0 || p.seq < first))
      first = p.seq;
  }
  return first;
}

Failure VerifyReport::asFailure() const {
  if (outcome == Outcome::CannotCheck)
    return failure.failed()
               ? failure
               : Failure(Failure::Kind::Io, QStringLiteral("the check did not finish"));
  if (outcome == Outcome::Intact)
    return Failure();
  const QString first =
      problems.isEmpty() ? QStringLiteral("it fails its check") : problems.first().text;
  return Failure(Failure::Kind::Corrupt, first, firstBadSeq());
}

QString VerifyReport::intactLine() const {
  if (records == 0)
    return QStringLiteral("journal intact: 0 records");
  return QStringLiteral("journal intact: %1 records, seq %2..%3, %4 to %5")
      .arg(records)
      .arg(firstSeq)
      .arg(lastSeq)
      .arg(firstTakenAt, lastTakenAt);
}

namespace {
// The chain of the records `reader` gives, and for a local journal its end
// and its text log notes.
VerifyReport verifyReader(const JournalReader &reader, const QByteArray &key,
                          const VerifyOptions &options) {
  VerifyReport report;
  JournalFilter newer;
  newer.seqFrom = options.afterSeq + 1;
  const qint64 total = reader.count(newer, &report.failure);
  if (total < 0)
    return report;
  Checker checker(options, report, key);
  const QString journalId = reader.isLocal() ? reader.journalId() : QString();
  const HeadSeen head = reader.isLocal() ? readHeadOf(options, key, journalId) : HeadSeen();
  checker.watch(head.read ? head.head.seq : 0);
  bool cancelled = false;
  if (!reader.forEach(
          newer,
          [&](const JournalRecord &record) {
            checker.record(record);
            if (options.progress && report.records % 4096 == 0 &&
                !options.progress(report.records, total)) {
              cancelled = true;
            }
            return !cancelled;
          },
          &report.failure) ||
      cancelled) {
    if (cancelled)
      report.failure = Failure(Failure::Kind::Cancelled, QStringLiteral("cancelled"));
    return report;
  }
  if (reader.isLocal()) {
    checkEnd(head, journalId, options, checker, report);
    checkNotes(reader, key, options.afterSeq, checker);
    checkOtherJournals(options.keyPath, key, journalId, checker);
  }
  std::sort(report.problems.begin(), report.problems.end(),
            [](const VerifyProblem &a, const VerifyProblem &b) { return a.seq < b.seq; });
  report.outcome = report.problems.isEmpty() && report.problemsNotListed == 0
                       ? VerifyReport::Outcome::Intact
                       : VerifyReport::Outcome::Broken;
  if (options.progress)
    options.progress(report.records, total);
  return report;
}
}  // namespace

VerifyReport verifyJournal(const VerifyOptions &options) {
  VerifyReport report;
  QByteArray key;
  QString why;
  if (!journalfiles::loadKey(options.keyPath, false, &key, &why)) {
    report.failure = Failure(Failure::Kind::CannotOpen, why);
    return report;
  }
  static std::atomic<int> checks{0};
  JournalReader reader(options.journalPath, QStringLiteral("weighstation-verify-%1").arg(++checks));
  if (!reader.open(&report.failure))
    return report;
  return verifyReader(reader, key, options);
}

VerifyReport verifyStation(const JournalReader &central, const VerifyOptions &options) {
  VerifyReport report;
  QByteArray key;
  QString why;
  if (!journalfiles::loadKey(options.keyPath, false, &key, &why)) {
    report.failure = Failure(Failure::Kind::CannotOpen, why);
    return report;
  }
  return verifyReader(central, key, options);
}
