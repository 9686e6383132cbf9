#include "following/journalfollower.h"

#include "following/journalwatch.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace {
bool sameStatus(const FollowerStatus &a, const FollowerStatus &b) {
  return a.acknowledged == b.acknowledged && a.waiting == b.waiting && a.reached == b.reached &&
         a.lastFailure.kind() == b.lastFailure.kind() &&
         a.lastFailure.text() == b.lastFailure.text();
}
}  // namespace

JournalFollower::JournalFollower(const QString &journalPath, const QString &target,
                                 const QString &connectionName, ShippingLedger::Kind kind,
                                 FollowerDestination *destination)
    : journalPath_(journalPath),
      target_(target),
      connectionName_(uniqueName(connectionName)),
      kind_(kind),
      destination_(destination) {}

// Connection names are the process's: a second follower of the same kind
// (a site's figures, a test) gets one of its own.
QString JournalFollower::uniqueName(const QString &name) {
  static std::atomic<int> made{0};
  const int n = made++;
  return n == 0 ? name : QStringLiteral("%1-%2").arg(name).arg(n);
}

JournalFollower::~JournalFollower() {
  stop(-1);
}

void JournalFollower::start(const QString &threadName, QObject *companion) {
  qRegisterMetaType<FollowerStatus>();
  qRegisterMetaType<Failure>();
  thread_ = new QThread;
  thread_->setObjectName(threadName);
  moveToThread(thread_);
  if (companion)
    companion->moveToThread(thread_);
  connect(thread_, &QThread::started, this, &JournalFollower::begin);
  thread_->start();
}

bool JournalFollower::stop(int waitMs) {
  if (!thread_)
    return true;
  if (!stopping_.exchange(true))
    QMetaObject::invokeMethod(
        this,
        [this] {
          end();
          thread()->quit();
        },
        Qt::QueuedConnection);
  if (!thread_->wait(waitMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(waitMs)))
    return false;
  delete thread_;
  thread_ = nullptr;
  return true;
}

void JournalFollower::begin() {
  ledger_ = std::make_unique<ShippingLedger>(journalPath_, target_, connectionName_, kind_);
  Failure notYet;
  ledger_->open(&notYet);  // the destination may name itself after the journal's id
  auto timer = [this](int ms, bool single, void (JournalFollower::*slot)()) {
    auto *made = new QTimer(this);
    made->setSingleShot(single);
    made->setInterval(ms);
    connect(made, &QTimer::timeout, this, slot);
    return made;
  };
  poll_ = timer(kPollMs, false, &JournalFollower::poll);
  soon_ = timer(0, true, &JournalFollower::follow);
  retry_ = timer(0, true, &JournalFollower::retryNow);
  held_ = timer(0, true, &JournalFollower::offerAgain);
  save_ = timer(kSaveAfterMs, true, &JournalFollower::saveCursor);
  watch_ = new JournalWatch(journalPath_, this);
  connect(watch_, &JournalWatch::changed, this, &JournalFollower::follow);
  poll_->start();
  destination_->begin();
  wake();
}

void JournalFollower::end() {
  destination_->end();
  saveCursor();
  // The timers and the watch belong to this thread: they go on it.
  for (QObject *part : std::initializer_list<QObject *>{poll_, soon_, retry_, held_, save_, watch_})
    delete part;
  poll_ = soon_ = retry_ = held_ = save_ = nullptr;
  watch_ = nullptr;
  ledger_.reset();
}

void JournalFollower::wake() {
  if (soon_ && !soon_->isActive())
    soon_->start();
}

bool JournalFollower::readCursor(Failure *failure) {
  if (!ledger_->open(failure))
    return false;
  const qint64 acknowledged = ledger_->acknowledged(failure);
  if (acknowledged < 0) {
    ledger_->close();
    return false;
  }
  cursor_ = savedCursor_ = sent_ = acknowledged;
  takenAhead_.clear();
  return true;
}

// The journal could not be read: tried again on a fresh connection at the
// next look. What was sent and not yet taken is sent again then.
void JournalFollower::lostJournal(const Failure &failure) {
  saveCursor();
  journalFailure_ = failure;
  ledger_->close();
  cursor_ = -1;
  report();
}

void JournalFollower::follow() {
  if (stopping_ || refusedForGood_ || !ledger_)
    return;
  Failure failure;
  if (cursor_ < 0 && !readCursor(&failure)) {
    journalFailure_ = failure;  // no journal yet, or it cannot be read: the poll looks again
    report();
    return;
  }
  newest_ = ledger_->newest(&failure);
  if (newest_ < 0) {
    lostJournal(failure);
    return;
  }
  journalFailure_ = Failure();
  watch_->watchLog();
  while (!stopping_ && !refusedForGood_ && !retry_->isActive() && heldAt_ == 0 && sent_ < newest_) {
    const int room = destination_->room();
    if (room <= 0)
      break;
    QList<JournalRecord> records;
    if (!ledger_->recordsAfter(sent_, qMin(room, kBatch), &records, &failure)) {
      lostJournal(failure);
      return;
    }
    if (records.isEmpty())
      break;
    sent_ = records.last().seq;
    destination_->send(records);
    if (cursor_ < 0)
      return;  // the destination lost the journal while sending
    report();  // a long backlog shows its progress batch by batch
  }
  if (!stopping_ && !refusedForGood_ && cursor_ >= 0 && sent_ >= newest_)
    destination_->caughtUp();
  report();
}

void JournalFollower::notSent(qint64 seq) {
  if (cursor_ >= 0 && seq <= sent_)
    sent_ = qMax(seq - 1, cursor_);
}

void JournalFollower::taken(qint64 seq) {
  if (cursor_ < 0 || seq <= cursor_)
    return;
  takenAhead_.insert(seq);
  while (takenAhead_.remove(cursor_ + 1))
    ++cursor_;
  if (save_ && !save_->isActive())
    save_->start();
  wake();
}

void JournalFollower::takenUpTo(qint64 seq) {
  if (cursor_ < 0 || seq <= cursor_)
    return;
  cursor_ = seq;
  while (takenAhead_.remove(cursor_ + 1))
    ++cursor_;
  takenAhead_.removeIf([this](qint64 ahead) { return ahead <= cursor_; });
  if (save_ && !save_->isActive())
    save_->start();
  wake();
}

void JournalFollower::reached() {
  policy_.reached();
  reached_ = true;
  if (heldAt_ == 0)
    lastFailure_ = Failure();
  noteLastTry(QString());
  wake();
}

// Kept in the journal for the viewer, from the first failed try; written
// only when the reason changes.
void JournalFollower::noteLastTry(const QString &reason) {
  if ((lastTryKnown_ && reason == notedLastTry_) || !ledger_)
    return;
  Failure failure;
  if (ledger_->open(&failure) && ledger_->noteLastTry(reason, &failure)) {
    notedLastTry_ = reason;
    lastTryKnown_ = true;
  }
}

void JournalFollower::unreachable(const Failure &failure) {
  lastFailure_ = failure;
  reached_ = false;
  noteLastTry(failure.text());
  sent_ = qMax<qint64>(cursor_, 0);
  takenAhead_.clear();
  heldAt_ = 0;
  if (held_)
    held_->stop();
  if (retry_ && !stopping_)
    retry_->start(int(policy_.unreachable()));
  report();
}

void JournalFollower::held(qint64 seq, const Failure &failure, qint64 retryMs) {
  if (heldAt_ == 0 || seq < heldAt_)
    heldAt_ = seq;
  lastFailure_ = failure;
  if (held_ && !held_->isActive() && !stopping_)
    held_->start(int(retryMs));
  report();
}

void JournalFollower::offerAgain() {
  heldAt_ = 0;
  takenAhead_.clear();
  sent_ = qMax<qint64>(cursor_, 0);
  wake();
}

void JournalFollower::refusedForGood(const Failure &failure) {
  refusedForGood_ = true;
  lastFailure_ = failure;
  noteLastTry(failure.text());
  report();
}

void JournalFollower::retryNow() {
  destination_->reconnect();
  wake();
}

void JournalFollower::poll() {
  follow();
  if (stopping_ || refusedForGood_ || !ledger_)
    return;
  report(true);
}

// Written a moment after the acknowledgement, not for each: lost to a crash,
// it only makes records be sent again.
void JournalFollower::saveCursor() {
  if (!ledger_ || cursor_ < 0 || cursor_ == savedCursor_)
    return;
  Failure failure;
  if (ledger_->acknowledge(cursor_, &failure)) {
    savedCursor_ = cursor_;
    return;
  }
  journalFailure_ = failure;
  if (save_ && !stopping_)
    save_->start(kPollMs);  // tried again; the records stay taken
  report();
}

void JournalFollower::report(bool always) {
  FollowerStatus now;
  now.acknowledged = qMax<qint64>(cursor_, 0);
  now.waiting = cursor_ < 0 ? 0 : qMax<qint64>(0, newest_ - cursor_);
  now.reached = reached_;
  now.lastFailure = journalFailure_ ? journalFailure_ : lastFailure_;
  if (!reached_ && policy_.inOutage() && now.waiting > 0 && ledger_ && cursor_ >= 0) {
    Failure unread;
    const QString takenAt = ledger_->takenAt(cursor_ + 1, &unread);
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 oldest =
        takenAt.isEmpty() ? nowMs
                          : QDateTime::fromString(takenAt, Qt::ISODateWithMs).toMSecsSinceEpoch();
    if (policy_.warnNow(now.waiting, oldest, nowMs))
      Q_EMIT outage(lastFailure_, now.waiting);
  }
  if (!always && reported_ && sameStatus(now, lastReported_))
    return;
  reported_ = true;
  lastReported_ = now;
  Q_EMIT status(now);
}
