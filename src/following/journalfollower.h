// Follows the journal's end on a thread of its own and hands its records, in
// order and after the last one acknowledged, to a destination (the central
// database, the MQTT broker). The follower owns what every destination
// needs alike, so that they cannot drift apart:
// - the thread, and a journal connection of its own on it (the ledger of the
//   destination's kind, `journal/shippingledger.h`);
// - the wake: a commit of any process seen at once (`journalwatch.h`); a
//   poll each second is the fallback (a journal not made yet, a missed
//   change);
// - the cursor: acknowledged records, in any order, move it over those in a
//   row; it is written to the ledger at most 100 ms after (lost to a crash,
//   it only makes records be sent again, which every destination takes as
//   already there);
// - the retries and the outage warning (`following/followingpolicy.h`);
// - the status: the cursor, the records waiting, whether the destination is
//   reached, and the last failure (the journal's own read failures too).
// A destination only sends, and says through the follower what became of
// what it was given. Every call between them is on the follower's thread.
#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <atomic>
#include <memory>

#include "failure/failure.h"
#include "following/followingpolicy.h"
#include "journal/journalrecord.h"
#include "journal/shippingledger.h"

class JournalWatch;
class QThread;
class QTimer;

struct FollowerStatus {
  qint64 acknowledged = 0;  // records up to this seq are taken (or set aside)
  qint64 waiting = 0;       // records after it
  bool reached = false;
  Failure lastFailure;
};
Q_DECLARE_METATYPE(FollowerStatus)

class FollowerDestination {
 public:
  virtual ~FollowerDestination() = default;
  // On the follower's thread: once before anything is sent (the ledger is
  // open when the journal is there), and once at the end.
  virtual void begin() = 0;
  virtual void end() = 0;
  // A wait after `unreachable` is over: the destination is tried again.
  virtual void reconnect() {}
  // How many records it takes now; 0 while it takes none (not connected,
  // its window full).
  virtual int room() = 0;
  // The records after those given before, in order. What became of them is
  // said now or later: `taken`, `unreachable`, `held`.
  virtual void send(const QList<JournalRecord> &records) = 0;
  // Every record of the journal was given (a look found no more): what
  // goes behind the records (the weighing desk's transactions) may go now.
  virtual void caughtUp() {}
};

class JournalFollower : public QObject {
  Q_OBJECT
 public:
  static constexpr int kPollMs = 1000;
  static constexpr int kBatch = 2000;
  static constexpr int kSaveAfterMs = 100;

  JournalFollower(const QString &journalPath, const QString &target, const QString &connectionName,
                  ShippingLedger::Kind kind, FollowerDestination *destination);
  // Waits for the thread whatever it takes: callers that cannot wait use
  // stop() first.
  ~JournalFollower() override;

  // Starts following on a thread named `threadName`; `companion` (the
  // destination's own object, with its signals and timers) moves to it too.
  void start(const QString &threadName, QObject *companion);
  // Ends at the next step (the destination's end, the cursor written) and
  // waits up to `waitMs` (-1: for ever) for the thread. False when it is
  // still inside a call that does not return: nothing is lost (the journal
  // holds every record), and the owner may leave it to the process's end.
  bool stop(int waitMs = -1);

  // For the destination, on the follower's thread.
  ShippingLedger &ledger() { return *ledger_; }
  // `name` the first time, then `name-1`, `name-2`, ...: a connection name
  // no other follower or destination of this process uses.
  static QString uniqueName(const QString &name);
  bool stopping() const { return stopping_; }
  // Every record up to this seq is taken (or set aside); -1 before the
  // journal is read.
  qint64 acknowledgedSeq() const { return cursor_; }
  // The records from `seq` on, of those last given, were not sent: they are
  // given again.
  void notSent(qint64 seq);
  // Record `seq` is taken for good.
  void taken(qint64 seq);
  // Every record up to `seq` is taken (or set aside).
  void takenUpTo(qint64 seq);
  // The destination is reached (connected, or it took records).
  void reached();
  // It cannot be reached now: what was sent and not taken is sent again
  // after the policy's wait.
  void unreachable(const Failure &failure);
  // Record `seq` was not taken: nothing from it on counts as taken; from the
  // cursor on, records are offered again after `retryMs`.
  void held(qint64 seq, const Failure &failure, qint64 retryMs = FollowingPolicy::kHeldRetryMs);
  // Nothing is ever sent (a setting that cannot be used): the status says why.
  void refusedForGood(const Failure &failure);
  // Looks for records at once (after the current call returns).
  void wake();

 Q_SIGNALS:
  void status(const FollowerStatus &status);
  // Once per outage, when records have waited five minutes.
  void outage(const Failure &failure, qint64 waiting);

 private:
  void begin();
  void end();
  void follow();
  bool readCursor(Failure *failure);
  void lostJournal(const Failure &failure);
  void saveCursor();
  void noteLastTry(const QString &reason);
  void retryNow();
  void offerAgain();
  void poll();
  // Said when it changed, or `always` (each poll).
  void report(bool always = false);

  QString journalPath_;
  QString target_;
  QString connectionName_;
  ShippingLedger::Kind kind_;
  FollowerDestination *destination_;
  QThread *thread_ = nullptr;
  QObject *companion_ = nullptr;
  std::unique_ptr<ShippingLedger> ledger_;
  QTimer *poll_ = nullptr;
  QTimer *soon_ = nullptr;
  QTimer *retry_ = nullptr;
  QTimer *held_ = nullptr;
  QTimer *save_ = nullptr;
  JournalWatch *watch_ = nullptr;
  FollowingPolicy policy_;
  std::atomic<bool> stopping_{false};
  bool refusedForGood_ = false;
  bool reached_ = false;

  qint64 cursor_ = -1;  // -1: not read from the ledger yet
  qint64 savedCursor_ = -1;
  qint64 sent_ = 0;  // records up to this one were given to the destination
  qint64 newest_ = 0;
  qint64 heldAt_ = 0;  // a record not taken; 0: none
  QSet<qint64> takenAhead_;
  Failure lastFailure_;
  Failure journalFailure_;
  // The last try's reason noted in the ledger (until it is known, a reason
  // left by an earlier run is cleared once reached).
  QString notedLastTry_;
  bool lastTryKnown_ = false;
  FollowerStatus lastReported_;
  bool reported_ = false;
};
