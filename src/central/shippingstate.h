// What shipping to the central database decides, kept free of threads and
// clocks: how long to wait after a failure, when an outage is worth a
// warning (once, after records have waited five minutes), and when a
// refused record is set aside (tried again at the next start).
#pragma once

#include <QHash>
#include <QString>

class ShippingState {
 public:
  static constexpr qint64 kFirstRetryMs = 1000;
  static constexpr qint64 kLastRetryMs = 60000;
  static constexpr qint64 kWarnAfterMs = 5 * 60 * 1000;
  static constexpr int kTriesOfARefusedRecord = 3;

  // A batch arrived; `waiting` records are still waiting.
  void shipped(qint64 waiting);
  // The server could not be reached: returns how long to wait before the
  // next try (1 s, doubling up to 60 s).
  qint64 unreachable(const QString &reason);
  // The server refused record `seq`: true when it is to be set aside
  // (reported, and tried again at the next start, not now).
  bool refused(qint64 seq);

  // Whether to warn now: records wait, the oldest since `oldestWaitingMs`
  // (ms since the epoch), and no warning was given in this outage.
  bool warnNow(qint64 waiting, qint64 oldestWaitingMs, qint64 nowMs);
  const QString &lastReason() const { return lastReason_; }

 private:
  qint64 retryMs_ = 0;
  bool warned_ = false;
  QString lastReason_;
  QHash<qint64, int> refusals_;
};
