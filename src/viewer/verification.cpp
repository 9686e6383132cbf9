#include "viewer/verification.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QThread>

#include "journal/journalreader.h"
#include "viewer/background.h"

Q_DECLARE_METATYPE(VerifyReport)

Verification::Verification(const VerifyOptions &options, QObject *parent)
    : QObject(parent), options_(options), cancelled_(std::make_shared<std::atomic<bool>>(false)) {}

Verification::~Verification() {
  *cancelled_ = true;
}

void Verification::check() {
  if (running_ || (done_ && !intact()))
    return;
  running_ = true;
  VerifyOptions options = options_;
  options.afterSeq = report_.lastSeq;
  options.afterMac = lastMac_;
  auto cancelled = cancelled_;
  QPointer<Verification> self(this);
  options.progress = [self, cancelled](qint64 done, qint64 total) {
    if (self) {
      QMetaObject::invokeMethod(
          self, [self, done, total] { Q_EMIT self->progress(done, total); }, Qt::QueuedConnection);
    }
    return !*cancelled;
  };
  background::run<std::pair<VerifyReport, QString>>(
      this,
      [options] {
        VerifyReport part = verifyJournal(options);
        // The mac the next check chains on.
        QString mac;
        {
          JournalReader reader(options.journalPath, background::connectionName("last-mac"));
          Failure failure;
          if (part.lastSeq > 0 && reader.open(&failure))
            mac = reader.macOf(part.lastSeq, &failure);
        }
        return std::make_pair(part, mac);
      },
      [this](std::pair<VerifyReport, QString> result) {
        running_ = false;
        if (result.first.outcome != VerifyReport::Outcome::CannotCheck && !result.second.isEmpty())
          lastMac_ = result.second;
        merge(result.first);
        done_ = true;
        Q_EMIT checked();
      });
}

void Verification::merge(const VerifyReport &part) {
  if (part.outcome == VerifyReport::Outcome::CannotCheck) {
    report_.outcome = part.outcome;
    report_.failure = part.failure;
    return;
  }
  if (report_.records == 0) {
    report_.firstSeq = part.firstSeq;
    report_.firstTakenAt = part.firstTakenAt;
  }
  report_.records += part.records;
  if (part.records > 0) {
    report_.lastSeq = part.lastSeq;
    report_.lastTakenAt = part.lastTakenAt;
  }
  report_.problems += part.problems;
  report_.problemsNotListed += part.problemsNotListed;
  // The end is witnessed (or not) as the newest part found it.
  report_.endNotWitnessed = part.endNotWitnessed;
  report_.outcome = !report_.problems.isEmpty() || report_.problemsNotListed > 0
                        ? VerifyReport::Outcome::Broken
                    : report_.endNotWitnessed.isEmpty() ? VerifyReport::Outcome::Intact
                                                        : VerifyReport::Outcome::EndNotWitnessed;
}

bool Verification::intact() const {
  return report_.outcome == VerifyReport::Outcome::Intact ||
         report_.outcome == VerifyReport::Outcome::EndNotWitnessed;
}

QString Verification::badgeText() const {
  if (!done_)
    return QCoreApplication::translate("Viewer", "Checking the journal...");
  switch (report_.outcome) {
    case VerifyReport::Outcome::Intact:
      return QCoreApplication::translate("Viewer", "Journal intact: %1 records")
          .arg(report_.records);
    case VerifyReport::Outcome::Broken: {
      const qint64 bad = report_.firstBadSeq();
      QString what = report_.problems.value(0).text;
      // The seq is named once.
      const QString itsSeq = QStringLiteral("seq %1: ").arg(bad);
      if (bad > 0 && what.startsWith(itsSeq))
        what = what.mid(itsSeq.size());
      return bad > 0 ? QCoreApplication::translate("Viewer", "Journal broken at seq %1: %2")
                           .arg(bad)
                           .arg(what)
                     : QCoreApplication::translate("Viewer", "Journal broken: %1").arg(what);
    }
    case VerifyReport::Outcome::EndNotWitnessed:
      return QCoreApplication::translate("Viewer",
                                         "Journal records intact: %1 records; its end not "
                                         "witnessed (%2)")
          .arg(report_.records)
          .arg(report_.endNotWitnessed);
    case VerifyReport::Outcome::CannotCheck:
      return QCoreApplication::translate("Viewer", "Journal not checked: %1")
          .arg(report_.failure.text());
  }
  return QString();
}
