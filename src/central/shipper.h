// Ships every journal record to the central database, on a thread of its
// own with its own connections, store and forward: records are taken and
// journaled as always while the server is out of reach, and arrive once it
// is back. Exactly once: the last acknowledged seq is kept in the journal
// (its shipping ledger), a batch goes in one transaction, and a row already
// there is compared with the local one, never overwritten. Central rows are
// keyed by the journal's id and seq: a station's successive journals, or
// two stations of one name, never meet.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "failure/failure.h"
#include "following/journalfollower.h"

struct JournalRecord;

struct ShippingStatus {
  qint64 shippedSeq = 0;  // records up to this one are central (or given up on)
  qint64 waiting = 0;
  Failure lastFailure;
};
Q_DECLARE_METATYPE(ShippingStatus)

// The journal is followed, retried and warned about as every destination is
// (`following/journalfollower.h`); this is what is particular to a central
// database: the batch's transaction, the epoch keys beside the records, the
// conflicts and the records set aside.
class CentralShipper : public QObject, private FollowerDestination {
  Q_OBJECT
 public:
  static constexpr int kBatch = JournalFollower::kBatch;
  static constexpr int kTriesOfARefusedRecord = 3;

  // How long stop() waits by default for a turn inside a server's call.
  static constexpr int kStopWaitMs = 1000;

  // A URI that cannot be used as written (centraldb::checkUri) ships
  // nothing: its refusal is the status and the first problem.
  CentralShipper(const QString &uri, const QString &journalPath);
  // Waits for the thread whatever it takes: callers that cannot wait use
  // stop() first.
  ~CentralShipper() override;

  // Starts shipping on a thread of its own.
  void start();
  // Stops at the next step and waits up to `waitMs` (-1: for ever) for the
  // thread. False when the thread is still inside a call to a server that
  // does not answer: nothing is lost (the journal holds every record and
  // the next start ships it), and the owner may leave the shipper to the
  // process's end instead of destroying it.
  bool stop(int waitMs = -1);

  // The journal's shipping tables, for whoever reads the journal.
  static QString target(const QString &uri);

 Q_SIGNALS:
  // Once per outage, when records have waited five minutes.
  void outage(const Failure &failure, qint64 waiting);
  // A record the server holds differently, or refused.
  void problem(const Failure &problem);
  // A record refused for its own content while the ones after it were
  // taken: set aside in the journal and tried again at each start, until
  // the central side takes it. Said once per run and record.
  void refusedRecord(const Failure &refusal);
  // Once per run: `count` records are held differently by the central
  // database; none from the first of them on is acknowledged.
  void conflict(qint64 count, qint64 firstSeq);
  void status(const ShippingStatus &status);

 private:
  struct Batch {
    qint64 last = 0;           // the last seq sent; 0: none
    qint64 firstConflict = 0;  // the first seq held differently; 0: none
    bool refused = false;      // a refusal, not an outage
  };

  // The destination's part, on the follower's thread.
  void begin() override;
  void end() override;
  void reconnect() override;
  int room() override;
  void send(const QList<JournalRecord> &records) override;
  void caughtUp() override;

  ShippingLedger &ledger() { return follower_->ledger(); }
  bool openCentral(Failure *failure);
  void sendBatch(const QList<JournalRecord> &records, Batch *batch, Failure *failure);
  bool sendEpochKeys(qint64 *upTo, Failure *failure);
  bool settleSetAside();
  bool retrySetAside(Failure *failure);
  void isolateRefusal(qint64 seq, const Failure &failure);
  void conflicted(const Batch &batch);
  void noteProblem(const Failure &problem);
  void sayRefused(const Failure &refusal);
  void waitForTheServer(const Failure &failure);

  QString uri_;
  QString uriRefusal_;  // why the URI cannot be used; empty when it can
  QString target_;
  std::unique_ptr<JournalFollower> follower_;
  QSqlDatabase central_;
  bool schemaChecked_ = false;
  qint64 epochKeysSent_ = -1;  // the last epoch whose key the central database got
  bool unclaimedRows_ = false;
  int batch_ = kBatch;
  QHash<qint64, int> refusals_;  // tries of a record refused, by seq
  QSet<qint64> conflictsSeen_;
  QString transactionsProblemSaid_;  // said once a run
  bool conflictWarned_ = false;
  bool setAsideTried_ = false;  // the records set aside were tried in this run
  QSet<qint64> refusalsSaid_;
};
