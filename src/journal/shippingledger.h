// The cursor of a program that ships the journal's records elsewhere (the
// site's central database): the last seq its target acknowledged, and the
// problems the target reported, kept in the journal itself so that a
// restart, a crash or an outage resumes after the last acknowledged record.
// A ledger opens only a journal the monitor has made; it never makes one.
#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include "failure/failure.h"
#include "journal/journalrecord.h"
#include "journal/signingkeys.h"
#include "journal/transactions.h"

class ShippingLedger {
 public:
  // What the records are shipped to: each kind keeps its cursors and
  // problems in tables of its own.
  enum class Kind { Central, Mqtt };

  // `target` names where records go (a URI without its password).
  ShippingLedger(const QString &journalPath, const QString &target, const QString &connectionName,
                 Kind kind = Kind::Central);
  ~ShippingLedger();
  ShippingLedger(const ShippingLedger &) = delete;
  ShippingLedger &operator=(const ShippingLedger &) = delete;

  // False with the failure while there is no journal yet, or it cannot be
  // used; a later call tries again.
  bool open(Failure *failure);
  void close();
  const QString &journalId() const { return journalId_; }
  const QString &path() const { return path_; }

  // Each returns -1 (or false) with the failure when the journal cannot be
  // read or written: a failure is never read as "nothing there".
  qint64 acknowledged(Failure *failure) const;
  qint64 newest(Failure *failure) const;
  bool recordsAfter(qint64 seq, int limit, QList<JournalRecord> *records, Failure *failure) const;
  // When record `seq` was taken (UTC ISO 8601); empty with the failure.
  // The journal's verification key (empty for format 1) and its epoch keys
  // after `after`, to go beside its records.
  bool epochKeys(qint64 after, QList<signingkeys::EpochCertificate> *keys, QString *verificationKey,
                 Failure *failure) const;
  QString takenAt(qint64 seq, Failure *failure) const;
  bool acknowledge(qint64 seq, Failure *failure);
  // The weighing desk's transactions (transactions.h), shipped behind the
  // records they bind: a cursor of their own, and those after it, in seq
  // order (none while the journal has no transactions).
  qint64 transactionsAcknowledged(Failure *failure) const;
  bool acknowledgeTransactions(qint64 seq, Failure *failure);
  bool transactionsAfter(qint64 seq, int limit, QList<Transaction> *entries,
                         Failure *failure) const;
  bool noteProblem(qint64 seq, const QString &text, Failure *failure);
  // Why the last try to reach the target failed, for whoever reads the
  // journal (the viewer): kept as the target's problem of seq 0, replaced
  // at each new reason, removed (`reason` empty) once it is reached.
  bool noteLastTry(const QString &reason, Failure *failure);

  // A record the target refused for its own content while the ones after
  // it were taken: the cursor goes past it, and it waits here, tried again
  // at each start, until the target takes it (shippedAfterAll).
  bool setAside(qint64 seq, const QString &reason, Failure *failure);
  bool setAsideSeqs(QList<qint64> *seqs, Failure *failure) const;
  bool shippedAfterAll(qint64 seq, Failure *failure);

  // Every target's cursor, the count of problems and the records set
  // aside, read through a reader's connection (the viewer's status line).
  struct Cursor {
    QString target;
    qint64 acknowledgedSeq = 0;
    QString updatedAt;
  };
  struct Standing {
    QList<Cursor> cursors;
    qint64 problems = 0;    // of records (a last try is not counted)
    QString lastTryTarget;  // the target whose last try failed; empty: none did
    QString lastTry;        // why
    QList<qint64> setAside;
  };
  static bool standing(const QSqlDatabase &journal, Kind kind, Standing *standing,
                       Failure *failure);

 private:
  QString path_;
  QString target_;
  QString connectionName_;
  QString journalId_;
  QString shipping_;
  QString problems_;
  QString setAside_;
  QSqlDatabase db_;

  qint64 cursorOf(const QString &target, Failure *failure) const;
  // Runs `statement` with `values` bound; `doing` names it in a failure.
  bool execute(const QString &statement, const QVariantList &values, const QString &doing,
               Failure *failure);

  enum class Table { Shipping, Problems, SetAside };
  static QString tableOf(Kind kind, Table table);
};
