// When a follower tries its destination again and when an outage is worth
// telling the operator, free of threads and clocks. One policy for every
// destination the journal is followed to (the central database, the MQTT
// broker):
// - out of reach: tried again after 1 s, the wait doubling up to 60 s, and
//   back to 1 s once the destination is reached again;
// - told once per outage, when the oldest record still waiting was taken
//   more than five minutes ago (a backlog already that old is told at the
//   first failed try);
// - a record the destination does not take holds back every record after it
//   (the cursor never passes it); it is offered again each minute.
#pragma once

#include <QtGlobal>

class FollowingPolicy {
 public:
  static constexpr qint64 kFirstRetryMs = 1000;
  static constexpr qint64 kLastRetryMs = 60000;
  static constexpr qint64 kWarnAfterMs = 5 * 60 * 1000;
  static constexpr qint64 kHeldRetryMs = 60000;

  // The destination was reached (a connection, a record taken): an outage,
  // if there was one, is over.
  void reached();
  // It could not be reached: how long to wait before the next try.
  qint64 unreachable();
  bool inOutage() const { return retryMs_ > 0; }
  // Whether to warn now: `waiting` records wait, the oldest taken at
  // `oldestTakenMs` (ms since the epoch), in an outage not yet told.
  bool warnNow(qint64 waiting, qint64 oldestTakenMs, qint64 nowMs);

 private:
  qint64 retryMs_ = 0;
  bool warned_ = false;
};
